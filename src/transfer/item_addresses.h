#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/result_list.h"

namespace veltra {

// The category bits of --categories and the update page's boxes.
enum UpdateCategoryBit : int {
    kMbDriverCategory = 1, kMbBiosCategory = 2, kVgaDriverCategory = 4, kVgaBiosCategory = 8,
    kNorvaUtilityCategory = 16, kOtherUtilityCategory = 32,
};

// A result row's type, its category and where the server keeps that category's files.
struct UpdateCategory {
    const char16_t* type;
    int bit;
    const char16_t* folder;    // below the server's base; none for the VGA drivers, whose web path is whole
    const char16_t* fileName;  // the file in an item's folder, where it is fixed
};

inline constexpr UpdateCategory kUpdateCategories[] = {
    {u"MB Driver", kMbDriverCategory, u"DVD/DRIVER/", u"SDriver.exe"},
    {u"MB BIOS", kMbBiosCategory, u"XBIOS/", u""},
    {u"VGA Driver", kVgaDriverCategory, u"", u""},
    {u"VGA BIOS", kVgaBiosCategory, u"XVGA/", u""},
    {u"norva Utility", kNorvaUtilityCategory, u"DVD/UTILITY/NORVA/", u"SUtility.exe"},
    {u"Other Utility", kOtherUtilityCategory, u"DVD/UTILITY/OTHER/", u"SUtility.exe"},
};

// The category of a result row's type; null for a type of no known category.
const UpdateCategory* CategoryOfType(std::u16string_view type);

// The category of an update file by the server folder it lies in (a path below the base,
// no leading slash); a file outside every category's folder is a VGA driver's.
int CategoryOfUpdatePath(std::u16string_view path);

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
