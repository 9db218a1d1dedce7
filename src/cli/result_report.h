#pragma once
#include <string>

#include "cli/json.h"

namespace veltra {

struct ResultList;

// One tab-separated line per row (index, type, item, current version, online version, web
// path) and a closing count line, in UTF-8.
std::string ResultLines(const ResultList& list);
// {"count":N,"rows":[{...}]} with every column of every row.
JsonValue ResultJson(const ResultList& list);

}  // namespace veltra
