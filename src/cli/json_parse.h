#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "cli/json.h"

namespace veltra {

struct JsonParseResult {
    std::optional<JsonValue> value;
    std::string error;  // one line with the byte offset, set when value is empty
};

// Parses one JSON document (UTF-8). Numbers must be integers; nesting is limited so
// hostile input cannot exhaust the stack.
JsonParseResult ParseJson(std::string_view text);

}  // namespace veltra
