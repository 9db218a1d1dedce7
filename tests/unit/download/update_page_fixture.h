#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/last_scan.h"
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
    UpdatePageFixture();
    // Serves the bundled catalogues of "DataBase" or "DQATest" at their addresses.
    void ServeBundledCatalogues(const std::string& mode);
    // Serves a small program at every address the demo PC's results lead to.
    void ServeItem(const std::u16string& address);
    // Plays every transfer the page starts until none is left.
    void RunTransfers();
    // Writes result records with items "Item 1" ... and loads them as the page's set-up does.
    void InitWithResults(int count);
    std::vector<CheckRecord> Records() const;

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
