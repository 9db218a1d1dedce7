#include "update_page_fixture.h"

#include "../catalogue/catalogue_fixture.h"
#include "core/text.h"
#include "cli/saved_identity.h"

namespace veltra::testing {

UpdatePageFixture::UpdatePageFixture() {
    for (const char16_t* folder : {u"VT5\\LOG", u"VT5\\DL_INFO", u"VT5\\DL_FILE"}) {
        fake.fileSystem.AddFolder(kPageWork + std::u16string(folder));
    }
    const std::vector<unsigned char> json = SourceFile("examples/identities/demo-pc.json");
    SavedIdentityResult saved = ParseSavedIdentity(std::string(json.begin(), json.end()));
    vt5.sWorkPath = kPageWork;
    ApplySavedIdentity(*saved.identity, vt5);
    installed = std::make_unique<RecordedInstalledVersions>(saved.identity->facts.installed,
                                                            saved.identity->facts.nvidiaDriverVersion, fake.codePage);
    context = std::make_unique<CheckContext>(
        CheckContext{vt5, saved.identity->facts.Inputs(), *installed, fake.fileSystem, fake.codePage, dbf, writer});
    page = std::make_unique<UpdatePage>(UpdatePageServices{*context, checkList, transfers, fake.messageBox, fake.clock,
                                                           starter, history, lastScan, kServer},
                                        view);
}

void UpdatePageFixture::ServeBundledCatalogues(const std::string& mode) {
    const std::u16string folder = kServer + (u"/" + Utf8ToUtf16(mode));
    for (const char* name : {"DRVList.rec", "VIDDID.rec", "VDList.xml", "VBList.xml", "VT5_LMU.xml", "VT5_LOU.xml"}) {
        transfers.server[folder + u"/VT5/" + Utf8ToUtf16(name)].body = SourceFile("examples/server/" + mode + "/VT5/" + name);
    }
    transfers.server[folder + u"/BIOSList.xml"].body = SourceFile("examples/server/" + mode + "/BIOSList.xml");
}

void UpdatePageFixture::ServeItem(const std::u16string& address) {
    transfers.server[address].body = {'M', 'Z', 0x90, 0};
}

void UpdatePageFixture::RunTransfers() {
    for (int guard = 0; transfers.HasWorker() && guard < 100; ++guard) transfers.RunWorker();
}

void UpdatePageFixture::InitWithResults(int count) {
    std::unique_ptr<IFile> file = fake.fileSystem.Open(CheckListPath(kPageWork), FileOpenMode::ReadWriteTruncate);
    writer.SetFile(file.get());
    for (int i = 1; i <= count; ++i) {
        const std::u16string n = DecimalText(i);
        writer.Write({4, u"Item " + n, u"1." + n, u"2." + n, u"About " + n, u"1 MB", u"vga/item" + n + u".exe"});
    }
    writer.SetFile(nullptr);
    file.reset();
    vt5.resultCount = 0;
    page->Init();
}

std::vector<CheckRecord> UpdatePageFixture::Records() const {
    const std::vector<unsigned char> bytes = fake.fileSystem.Contents(CheckListPath(kPageWork));
    std::vector<CheckRecord> records;
    for (std::size_t at = 0; at + CheckRecord::kSize <= bytes.size(); at += CheckRecord::kSize) {
        std::array<unsigned char, CheckRecord::kSize> record{};
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), CheckRecord::kSize, record.begin());
        records.push_back(ParseCheckRecord(record));
    }
    return records;
}

}  // namespace veltra::testing
