#include "catalogue_fixture.h"

#include <fstream>
#include <iterator>

#include "core/text.h"

namespace veltra::testing {

std::vector<unsigned char> SourceFile(const std::string& relativePath) {
    std::ifstream input(std::string(VELTRA_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

std::vector<std::pair<std::string, std::vector<unsigned char>>> BundledCatalogues(const std::string& mode) {
    std::vector<std::pair<std::string, std::vector<unsigned char>>> catalogues;
    for (const CatalogueFileInfo& catalogue : kCatalogueFiles) {
        const std::string name = Utf16ToUtf8(catalogue.name);
        const std::string path = (name == "BIOSList.xml" ? mode : mode + "/VT5") + "/" + name;
        catalogues.emplace_back(path, SourceFile("examples/server/" + path));
    }
    return catalogues;
}

CheckFixture::CheckFixture() {
    vt5.sWorkPath = kWork;
    vt5.nOS = 4096;
    vt5.sOSCode = u"W764";
    vt5.cMB_Model = u"QB-7100";
    vt5.cMB_BIOS_Version = u"1.1";
    vt5.cMB_BIOS_Vendor = u"Corvid Firmware Inc.";
    vt5.pVGA = std::make_shared<VGAInfo>();
    fake.fileSystem.AddFolder(std::u16string(kWork) + u"VT5\\LOG");
    fake.fileSystem.AddFolder(std::u16string(kWork) + u"VT5\\DL_INFO");
}

}  // namespace veltra::testing
