#pragma once
#include <string>
#include <vector>

#include "catalogue/result_list.h"

namespace veltra {

// Where a result row's file comes from on the server and where it is saved.
struct ItemTransfer {
    std::u16string source;     // empty for a type of no known category
    std::u16string localFile;  // empty for a type of no known category
};

// The address and local file of a row by its type (column 1), from the server's base
// address (no trailing slash), the board model and the save folder (with its backslash).
ItemTransfer ItemAddresses(const ResultRow& row, const std::u16string& boardModel, const std::u16string& base,
                           const std::u16string& folder);

// Item + "_" + version + ".exe", blanks turned into "_", hyphens removed, made safe.
std::u16string ItemFileName(const std::u16string& item, const std::u16string& version);

// A name that stays inside its folder: separators, drive colons, wildcards and control
// characters become "_", a reserved device name (CON, NUL, COM1 ...) gets a "_" in front,
// and a name of dots only is replaced.
std::u16string SafeFileName(std::u16string name);

// The path itself, or when a path of `taken` already names that file (letter case aside),
// the first of "name_2.ext", "name_3.ext" ... that none names.
std::u16string UniqueFilePath(const std::u16string& path, const std::vector<std::u16string>& taken);

}  // namespace veltra
