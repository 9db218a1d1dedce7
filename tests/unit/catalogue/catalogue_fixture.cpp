#include "catalogue_fixture.h"

#include <span>

#include "app/byte_fields.h"
#include "catalogue/check_driver.h"

namespace veltra::testing {

std::vector<unsigned char> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<unsigned char> VidDidBytes(std::string_view kind, std::string_view key, std::string_view devices) {
    std::vector<unsigned char> row(64, 0);
    PutText(row, 12, 2, kind);
    PutText(row, 14, 20, key);
    PutText(row, 34, 30, devices);
    return row;
}

std::vector<unsigned char> DriverBytes(std::string_view key, std::string_view systems, std::string_view version,
                                       std::string_view name, std::string_view webPath, std::string_view size) {
    std::vector<unsigned char> row(1114, 0);
    PutText(row, 0, 96, key);
    PutText(row, 96, 306, systems);
    PutText(row, 402, 346, version);
    PutText(row, 748, 100, name);
    PutText(row, 848, 256, webPath);
    PutText(row, 1104, 10, size);
    return row;
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

void CheckFixture::AddCatalogue(const std::u16string& name, std::vector<unsigned char> bytes) {
    fake.fileSystem.AddFile(CatalogueFolder(kWork) + name, std::move(bytes));
}

void CheckFixture::Open(int index) {
    OpenCatalogueFile(fake.fileSystem, kWork, dbf, index);
    checkList.file = fake.fileSystem.Open(CheckListPath(kWork), FileOpenMode::ReadWriteTruncate);
    writer.SetFile(checkList.file.get());
}

std::vector<CheckRecord> CheckFixture::Records() const {
    const std::vector<unsigned char> bytes = fake.fileSystem.Contents(CheckListPath(kWork));
    std::vector<CheckRecord> records;
    for (std::size_t at = 0; at + CheckRecord::kSize <= bytes.size(); at += CheckRecord::kSize) {
        records.push_back(ParseCheckRecord(std::span<const unsigned char, CheckRecord::kSize>(bytes.data() + at, CheckRecord::kSize)));
    }
    return records;
}

void CheckFixture::RunAll(int selectMask) { Check_Download_Information(context, checkList, selectMask); }

}  // namespace veltra::testing
