#include "cli/json.h"

namespace veltra {
namespace {

void AppendEscaped(std::string& out, const std::string& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out.push_back(kHex[byte >> 4]);
                    out.push_back(kHex[byte & 0xF]);
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
}

}  // namespace

JsonValue& JsonValue::Add(std::string key, JsonValue value) {
    if (!std::holds_alternative<Object>(value_)) value_ = Object{};
    std::get<Object>(value_).emplace_back(std::move(key), std::move(value));
    return *this;
}

const JsonValue* JsonValue::Member(std::string_view key) const {
    const Object* object = AsObject();
    if (object == nullptr) return nullptr;
    for (const auto& [name, value] : *object) {
        if (name == key) return &value;
    }
    return nullptr;
}

std::string JsonValue::Serialize() const {
    std::string out;
    SerializeInto(out);
    return out;
}

void JsonValue::SerializeInto(std::string& out) const {
    if (std::holds_alternative<std::nullptr_t>(value_)) {
        out += "null";
    } else if (const auto* text = std::get_if<std::string>(&value_)) {
        AppendEscaped(out, *text);
    } else if (const auto* number = std::get_if<std::int64_t>(&value_)) {
        out += std::to_string(*number);
    } else if (const auto* flag = std::get_if<bool>(&value_)) {
        out += *flag ? "true" : "false";
    } else if (const auto* object = std::get_if<Object>(&value_)) {
        out.push_back('{');
        for (std::size_t i = 0; i < object->size(); ++i) {
            if (i != 0) out.push_back(',');
            AppendEscaped(out, (*object)[i].first);
            out.push_back(':');
            (*object)[i].second.SerializeInto(out);
        }
        out.push_back('}');
    } else {
        const auto& array = std::get<Array>(value_);
        out.push_back('[');
        for (std::size_t i = 0; i < array.size(); ++i) {
            if (i != 0) out.push_back(',');
            array[i].SerializeInto(out);
        }
        out.push_back(']');
    }
}

}  // namespace veltra
