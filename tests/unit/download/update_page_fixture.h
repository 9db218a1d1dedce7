#pragma once
#include <memory>
#include <string>
#include <vector>

#include "../catalogue/catalogue_fixture.h"
#include "core/last_scan.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "catalogue/catalogue_files.h"
#include "catalogue/check_context.h"
#include "catalogue/installed_versions.h"
#include "catalogue/result_list.h"
#include "download/history.h"
#include "download/update_page.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_program_starter.h"
#include "fakes/fake_url_transfers.h"
#include "fakes/recording_page_views.h"

namespace veltra::testing {

inline constexpr char16_t kPageWork[] = u"C:\\W\\";
inline constexpr char16_t kServer[] = u"http://srv";

// The update page over the model platform, a model server and a recording view, for the
// demo PC of examples/identities.
struct UpdatePageFixture {
    UpdatePageFixture() {
        for (const char16_t* folder : {u"VT5\\LOG", u"VT5\\DL_INFO", u"VT5\\DL_FILE"}) fake.fileSystem.AddFolder(kPageWork + std::u16string(folder));
        const SavedIdentity identity = DemoPcIdentity();
        vt5.sWorkPath = kPageWork;
        ApplySavedIdentity(identity, vt5);
        installed = std::make_unique<RecordedInstalledVersions>(identity.facts.installed, identity.facts.nvidiaDriverVersion, fake.codePage);
        context = std::make_unique<CheckContext>(
            CheckContext{vt5, identity.facts.Inputs(), *installed, fake.fileSystem, fake.codePage, dbf, writer});
        page = std::make_unique<UpdatePage>(
            UpdatePageServices{*context, checkList, transfers, fake.messageBox, fake.clock, starter, history, lastScan, kServer}, view);
    }
    // Serves the bundled catalogues of "DataBase" or "DQATest" at their addresses.
    void ServeBundledCatalogues(const std::string& mode) {
        for (const auto& [path, bytes] : BundledCatalogues(mode)) transfers.server[kServer + (u"/" + Utf8ToUtf16(path))].body = bytes;
    }
    void ServeItem(const std::u16string& address) { transfers.server[address].body = {'M', 'Z', 0x90, 0}; }
    // Plays every transfer the page starts until none is left.
    void RunTransfers() {
        for (int guard = 0; transfers.HasWorker() && guard < 100; ++guard) transfers.RunWorker();
    }
    // Writes result records with items "Item 1" ... and loads them as the page's set-up does.
    void InitWithResults(int count) {
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
    std::vector<CheckRecord> Records() const { return ReadCheckRecords(fake.fileSystem, kPageWork); }

    fakes::FakePlatform fake;
    VT5Record vt5;
    CatalogueFileSet dbf;
    CheckListState checkList;
    std::unique_ptr<RecordedInstalledVersions> installed;
    CheckResultWriter writer{vt5, fake.codePage};
    std::unique_ptr<CheckContext> context;
    fakes::FakeUrlTransfers transfers{fake.fileSystem};
    fakes::FakeProgramStarter starter{fake.fileSystem};
    HistoryFile history{fake.fileSystem, fake.codePage, HistoryPath(kPageWork)};
    LastScanRecord lastScan{fake.fileSystem, LastScanPath(kPageWork)};
    fakes::RecordingUpdatePageView view;
    std::unique_ptr<UpdatePage> page;
};

}  // namespace veltra::testing
