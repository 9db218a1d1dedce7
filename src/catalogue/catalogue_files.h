#pragma once
#include <array>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace veltra {

// One catalogue per update category, plus the graphics-device table (code 64, no index).
struct CatalogueFileInfo {
    int index;             // 0 to 5, what OpenCatalogueFile takes; -1 for the device table
    int code;              // category code of the results, 64 for the device table
    const char16_t* name;  // file name under "VT5\DL_INFO\"
};

inline constexpr int kCatalogueCount = 6;
inline constexpr std::array<CatalogueFileInfo, 7> kCatalogueFiles = {{
    {0, 1, u"DRVList.rec"},
    {1, 2, u"BIOSList.xml"},
    {2, 4, u"VDList.xml"},
    {3, 8, u"VBList.xml"},
    {4, 16, u"VT5_LMU.xml"},
    {5, 32, u"VT5_LOU.xml"},
    {-1, 64, u"VIDDID.rec"},
}};

// The open catalogue files, each null while not open; a handle stays open after its check.
struct CatalogueFileSet {
    std::unique_ptr<IFile> VT5_LD;
    std::unique_ptr<IFile> VT5_LB;
    std::unique_ptr<IFile> VT5_LVD;
    std::unique_ptr<IFile> VT5_LVB;
    std::unique_ptr<IFile> VT5_LMU;
    std::unique_ptr<IFile> VT5_LOU;
    std::unique_ptr<IFile> VT5_VIDDID;

    // The member of a catalogue index (0 to 5).
    std::unique_ptr<IFile>& ByIndex(int index);
};

// The work path followed by "VT5\DL_INFO\".
std::u16string CatalogueFolder(const std::u16string& workPath);

// Opens the catalogue of an index for reading, closing its earlier handle first.
// 1 on success, 5 on failure (an index outside 0 to 5 included).
int OpenCatalogueFile(IFileSystem& fileSystem, const std::u16string& workPath, CatalogueFileSet& dbf, int index);

}  // namespace veltra
