#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace veltra::profile {

// A mistake in a profile line; the parser adds the line number. Messages quote the
// profile's own texts, which may hold any byte through \xHH: control bytes (a zero too)
// are written back as \xHH, so a message is whole and stays one readable line.
struct ProfileError : std::runtime_error {
    explicit ProfileError(const std::string& message);
};

struct Token {
    std::string text;
    bool quoted = false;
};

// Splits one line into words and "quoted strings" and drops a '#' comment. Inside quotes
// \xHH is a byte; any other backslash is itself (registry keys and Windows paths).
std::vector<Token> SplitProfileLine(const std::string& line);

// A decimal or 0x-prefixed hexadecimal number that fits in 32 bits.
std::uint32_t ParseNumber(const Token& token, const char* what);

// A number no greater than max.
std::uint32_t ParseNumberUpTo(const Token& token, std::uint32_t max, const char* what);

}  // namespace veltra::profile
