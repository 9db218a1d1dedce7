#include "cli/json_parse.h"

#include <charconv>

#include "core/text.h"

namespace veltra {
namespace {

constexpr int kMaxDepth = 64;

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    JsonParseResult Parse() {
        std::optional<JsonValue> value = ParseValue(0);
        SkipBlanks();
        if (value && position_ != text_.size()) value = Fail("unexpected text after the document");
        if (!value) return {std::nullopt, error_};
        return {std::move(value), {}};
    }

private:
    std::optional<JsonValue> Fail(const std::string& what) {
        if (error_.empty()) error_ = what + " at byte " + std::to_string(position_);
        return std::nullopt;
    }

    void SkipBlanks() {
        while (position_ < text_.size() && std::string_view(" \t\r\n").find(text_[position_]) != std::string_view::npos) {
            ++position_;
        }
    }

    bool Take(char expected) {
        SkipBlanks();
        if (position_ < text_.size() && text_[position_] == expected) {
            ++position_;
            return true;
        }
        return false;
    }

    bool TakeWord(std::string_view word) {
        if (text_.substr(position_, word.size()) != word) return false;
        position_ += word.size();
        return true;
    }

    std::optional<JsonValue> ParseValue(int depth) {
        if (depth > kMaxDepth) return Fail("nesting too deep");
        SkipBlanks();
        if (position_ >= text_.size()) return Fail("unexpected end");
        const char c = text_[position_];
        if (c == '{') return ParseObject(depth);
        if (c == '[') return ParseArray(depth);
        if (c == '"') {
            std::optional<std::string> text = ParseString();
            if (!text) return std::nullopt;
            return JsonValue(std::move(*text));
        }
        if (TakeWord("true")) return JsonValue(true);
        if (TakeWord("false")) return JsonValue(false);
        if (TakeWord("null")) return JsonValue();
        return ParseInteger();
    }

    std::optional<JsonValue> ParseObject(int depth) {
        ++position_;
        JsonValue object(JsonValue::Object{});
        if (Take('}')) return object;
        do {
            SkipBlanks();
            if (position_ >= text_.size() || text_[position_] != '"') return Fail("expected a member name");
            std::optional<std::string> name = ParseString();
            if (!name) return std::nullopt;
            if (!Take(':')) return Fail("expected ':'");
            std::optional<JsonValue> value = ParseValue(depth + 1);
            if (!value) return std::nullopt;
            object.Add(std::move(*name), std::move(*value));
        } while (Take(','));
        if (!Take('}')) return Fail("expected ',' or '}'");
        return object;
    }

    std::optional<JsonValue> ParseArray(int depth) {
        ++position_;
        JsonValue::Array array;
        if (Take(']')) return JsonValue(std::move(array));
        do {
            std::optional<JsonValue> value = ParseValue(depth + 1);
            if (!value) return std::nullopt;
            array.push_back(std::move(*value));
        } while (Take(','));
        if (!Take(']')) return Fail("expected ',' or ']'");
        return JsonValue(std::move(array));
    }

    std::optional<JsonValue> ParseInteger() {
        std::int64_t number = 0;
        const char* begin = text_.data() + position_;
        const char* end = text_.data() + text_.size();
        const auto [stop, error] = std::from_chars(begin, end, number);
        if (error != std::errc() || stop == begin) return Fail("expected a value");
        position_ += static_cast<std::size_t>(stop - begin);
        if (position_ < text_.size() && std::string_view(".eE").find(text_[position_]) != std::string_view::npos) {
            return Fail("numbers must be integers");
        }
        return JsonValue(number);
    }

    std::optional<unsigned> ParseHex4() {
        unsigned value = 0;
        if (position_ + 4 > text_.size()) return std::nullopt;
        const auto [stop, error] = std::from_chars(text_.data() + position_, text_.data() + position_ + 4, value, 16);
        if (error != std::errc() || stop != text_.data() + position_ + 4) return std::nullopt;
        position_ += 4;
        return value;
    }

    // A \u escape, with its low surrogate when it starts a pair, as UTF-16 units.
    bool ParseUnicodeEscape(std::u16string& units) {
        const std::optional<unsigned> first = ParseHex4();
        if (!first) return false;
        units.push_back(static_cast<char16_t>(*first));
        if (*first >= 0xD800 && *first <= 0xDBFF && TakeWord("\\u")) {
            const std::optional<unsigned> second = ParseHex4();
            if (!second) return false;
            units.push_back(static_cast<char16_t>(*second));
        }
        return true;
    }

    bool ParseEscape(std::string& out) {
        if (position_ >= text_.size()) return false;
        const char c = text_[position_++];
        static constexpr std::string_view kFrom = "\"\\/bfnrt";
        static constexpr std::string_view kTo = "\"\\/\b\f\n\r\t";
        if (const std::size_t at = kFrom.find(c); at != std::string_view::npos) {
            out.push_back(kTo[at]);
            return true;
        }
        std::u16string units;
        if (c != 'u' || !ParseUnicodeEscape(units)) return false;
        out += Utf16ToUtf8(units);
        return true;
    }

    std::optional<std::string> ParseString() {
        ++position_;
        std::string out;
        while (position_ < text_.size()) {
            const char c = text_[position_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) break;
            if (c != '\\') {
                out.push_back(c);
            } else if (!ParseEscape(out)) {
                Fail("bad escape in a string");
                return std::nullopt;
            }
        }
        Fail("unterminated string");
        return std::nullopt;
    }

    std::string_view text_;
    std::size_t position_ = 0;
    std::string error_;
};

}  // namespace

JsonParseResult ParseJson(std::string_view text) { return JsonParser(text).Parse(); }

}  // namespace veltra
