#include "catalogue/catalogue_files.h"

#include "core/debug_log.h"
#include "core/text.h"

namespace veltra {

std::unique_ptr<IFile>& CatalogueFileSet::ByIndex(int index) {
    switch (index) {
        case 0: return VT5_LD;
        case 1: return VT5_LB;
        case 2: return VT5_LVD;
        case 3: return VT5_LVB;
        case 4: return VT5_LMU;
        default: return VT5_LOU;
    }
}

std::u16string CatalogueFolder(const std::u16string& workPath) { return workPath + u"VT5\\DL_INFO\\"; }

int OpenCatalogueFile(IFileSystem& fileSystem, const std::u16string& workPath, CatalogueFileSet& dbf, int index) {
    if (index < 0 || index >= kCatalogueCount) return 5;
    const std::u16string path = CatalogueFolder(workPath) + kCatalogueFiles[static_cast<std::size_t>(index)].name;
    DebugLog(u"iItem = " + DecimalText(index) + u" , " + path);
    std::unique_ptr<IFile>& handle = dbf.ByIndex(index);
    handle.reset();
    // Text mode ("r") is applied by the reader, so the handle itself is a plain binary one.
    handle = fileSystem.Open(path, FileOpenMode::ReadOnly);
    if (!handle) return 5;
    if (index == 1) DebugLog(u"BIOSList.xml Open sucessful");
    return 1;
}

}  // namespace veltra
