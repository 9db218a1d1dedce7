#include "update_page_fixture.h"

#include "../catalogue/catalogue_fixture.h"
#include "core/text.h"

namespace veltra::testing {

UpdatePageFixture::UpdatePageFixture() {
    for (const char16_t* folder : {u"VT5\\LOG", u"VT5\\DL_INFO", u"VT5\\DL_FILE"}) {
        fake.fileSystem.AddFolder(kPageWork + std::u16string(folder));
    }
    const SavedIdentity identity = DemoPcIdentity();
    vt5.sWorkPath = kPageWork;
    ApplySavedIdentity(identity, vt5);
    installed = std::make_unique<RecordedInstalledVersions>(identity.facts.installed, identity.facts.nvidiaDriverVersion,
                                                            fake.codePage);
    context = std::make_unique<CheckContext>(
        CheckContext{vt5, identity.facts.Inputs(), *installed, fake.fileSystem, fake.codePage, dbf, writer});
    page = std::make_unique<UpdatePage>(UpdatePageServices{*context, checkList, transfers, fake.messageBox, fake.clock,
                                                           starter, history, lastScan, kServer},
                                        view);
}

void UpdatePageFixture::ServeBundledCatalogues(const std::string& mode) {
    for (const auto& [path, bytes] : BundledCatalogues(mode)) transfers.server[kServer + (u"/" + Utf8ToUtf16(path))].body = bytes;
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

std::vector<CheckRecord> UpdatePageFixture::Records() const { return ReadCheckRecords(fake.fileSystem, kPageWork); }

}  // namespace veltra::testing
