#include "profile_tokens.h"

#include <cctype>
#include <cstdio>

namespace veltra::profile {
namespace {

std::string OneLine(const std::string& message) {
    std::string line;
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            line += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
        line += escaped;
    }
    return line;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// Reads a quoted string starting at the opening quote; returns the index after the closing one.
std::size_t ReadQuoted(const std::string& line, std::size_t at, std::string& out) {
    for (std::size_t i = at + 1; i < line.size(); ++i) {
        if (line[i] == '"') return i + 1;
        if (line[i] == '\\' && i + 3 < line.size() && line[i + 1] == 'x' && HexDigit(line[i + 2]) >= 0 &&
            HexDigit(line[i + 3]) >= 0) {
            out.push_back(static_cast<char>(HexDigit(line[i + 2]) * 16 + HexDigit(line[i + 3])));
            i += 3;
        } else {
            out.push_back(line[i]);
        }
    }
    throw ProfileError("unterminated string");
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

ProfileError::ProfileError(const std::string& message) : std::runtime_error(OneLine(message)) {}

std::vector<Token> SplitProfileLine(const std::string& line) {
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (at < line.size()) {
        if (IsBlank(line[at])) {
            ++at;
        } else if (line[at] == '#') {
            break;
        } else if (line[at] == '"') {
            Token token{{}, true};
            at = ReadQuoted(line, at, token.text);
            tokens.push_back(std::move(token));
        } else {
            const std::size_t start = at;
            while (at < line.size() && !IsBlank(line[at]) && line[at] != '"' && line[at] != '#') ++at;
            tokens.push_back({line.substr(start, at - start), false});
        }
    }
    return tokens;
}

std::uint32_t ParseNumber(const Token& token, const char* what) {
    const std::string& text = token.text;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::size_t start = hex ? 2 : 0;
    if (token.quoted || text.size() <= start) throw ProfileError(std::string("bad ") + what + " '" + text + "'");
    std::uint64_t value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const int digit = hex ? HexDigit(text[i]) : (std::isdigit(static_cast<unsigned char>(text[i])) ? text[i] - '0' : -1);
        if (digit < 0) throw ProfileError(std::string("bad ") + what + " '" + text + "'");
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull) throw ProfileError(std::string(what) + " '" + text + "' does not fit in 32 bits");
    }
    return static_cast<std::uint32_t>(value);
}

std::uint32_t ParseNumberUpTo(const Token& token, std::uint32_t max, const char* what) {
    const std::uint32_t value = ParseNumber(token, what);
    if (value > max) throw ProfileError(std::string(what) + " '" + token.text + "' is out of range");
    return value;
}

}  // namespace veltra::profile
