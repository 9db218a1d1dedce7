#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace veltra {

// A small ordered JSON value for the console front end's machine-readable output.
class JsonValue {
public:
    using Object = std::vector<std::pair<std::string, JsonValue>>;
    using Array = std::vector<JsonValue>;

    JsonValue() : value_(nullptr) {}
    JsonValue(std::string text) : value_(std::move(text)) {}
    JsonValue(const char* text) : value_(std::string(text)) {}
    JsonValue(std::int64_t number) : value_(number) {}
    JsonValue(int number) : value_(static_cast<std::int64_t>(number)) {}
    JsonValue(bool flag) : value_(flag) {}
    JsonValue(Object object) : value_(std::move(object)) {}
    JsonValue(Array array) : value_(std::move(array)) {}

    // Members keep the order they were added in.
    JsonValue& Add(std::string key, JsonValue value);
    std::string Serialize() const;

    // Typed views; null when the value is of another kind.
    const JsonValue* Member(std::string_view key) const;
    const std::string* AsString() const { return std::get_if<std::string>(&value_); }
    const std::int64_t* AsInteger() const { return std::get_if<std::int64_t>(&value_); }
    const bool* AsBool() const { return std::get_if<bool>(&value_); }
    const Object* AsObject() const { return std::get_if<Object>(&value_); }
    const Array* AsArray() const { return std::get_if<Array>(&value_); }
    bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value_); }

private:
    void SerializeInto(std::string& out) const;
    std::variant<std::nullptr_t, std::string, std::int64_t, bool, Object, Array> value_;
};

}  // namespace veltra
