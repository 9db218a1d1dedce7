#pragma once
#include <string>

#include "cli/json.h"

namespace veltra {

struct VT5Record;

// "VT5.<field>=<value>" lines, one per identification field, in UTF-8.
std::string IdentifyLines(const VT5Record& vt5);
// The same fields as one JSON object under "VT5".
JsonValue IdentifyJson(const VT5Record& vt5);

}  // namespace veltra
