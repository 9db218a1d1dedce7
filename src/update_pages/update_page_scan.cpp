#include <utility>

#include "catalogue/check_context.h"
#include "catalogue/check_driver.h"
#include "catalogue/result_list.h"
#include "core/debug_log.h"
#include "core/last_scan.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "transfer/catalogue_addresses.h"
#include "transfer/update_server.h"
#include "update_pages/update_page.h"

namespace veltra {
namespace {

constexpr int kAllCatalogues = 127;

}  // namespace

std::u16string UpdatePage::CatalogueFolder() const { return vt5_.sWorkPath + u"VT5\\DL_INFO\\"; }

int UpdatePage::On_Download_Info_File() {
    if (RefuseWhileBusy()) return 0;
    DebugLog(u"========== On_Download_Info_File() ==========");
    vt5_.nSelectMask = 0;
    vt5_.resultCount = 0;
    if (options_.automatic) {
        DebugLog(u"Do automatic scan !!");
        vt5_.nSelectMask = kAllCatalogues;
    } else {
        DebugLog(u"Do manual scan !!");
        vt5_.nSelectMask = CheckedMask();
        if (vt5_.nSelectMask == 0) {
            DebugLog(u"No Item select  !!");
            return 0;
        }
    }
    Disable_Item_When_Scan();
    view_.ShowListArea(false);
    view_.ShowProgressArea(ProgressPlace::Scan);
    view_.SetStatusText(u"Processing, please wait for a while...");
    state_ = PageState::Scan;
    DebugLog(u"Select Item = " + HexText(static_cast<unsigned>(vt5_.nSelectMask), 4, false));
    DebugLog(u"");
    view_.ShowInformation(u"");
    vt5_.pendingMask = vt5_.nSelectMask;
    serverAnswered_ = false;
    StartCatalogues();
    return 0;
}

ManifestSource UpdatePage::Source() const {
    return {services_.checks.inputs.dqaTest, services_.serverBase, CatalogueFolder()};
}

void UpdatePage::StartCatalogues() {
    if (services_.trust == nullptr) {
        DebugLog(u"Updates are not verified: this build pins no signing key");
        DownloadXML(services_.serverBase, CatalogueFolder());
        return;
    }
    listFetchedAgain_ = false;
    FetchManifest(ManifestStep::List);
}

void UpdatePage::FetchManifest(ManifestStep step) {
    manifestStep_ = step;
    vt5_.nDownloadMode = kModeCatalogue;
    const ManifestSource source = Source();
    const bool list = step == ManifestStep::List;
    const std::u16string url = list ? source.ListUrl() : source.SignatureUrl();
    engine_.DeleteCacheEntry(url);
    DebugLog(list ? u"0....download the signed file list now ..." : u"0....download its signature now ...");
    ShowConnecting(url);
    engine_.URLDownload(url, list ? source.FetchedListPath() : source.FetchedSignaturePath());
}

void UpdatePage::OnManifestFetched() {
    const ManifestStep step = std::exchange(manifestStep_, ManifestStep::None);
    if (engine_.nWebStop != kWebStopNone) {
        return EndRefusedScan(u"The update server's signed file list could not be fetched, so nothing was downloaded.");
    }
    if (step == ManifestStep::List) return FetchManifest(ManifestStep::Signature);
    const ManifestCheck check = services_.trust->Accept(Source());
    if (check.verdict == ManifestVerdict::BadSignature && !std::exchange(listFetchedAgain_, true)) {
        DebugLog(u"The signed file list and its signature do not match: fetching both once more");
        return FetchManifest(ManifestStep::List);
    }
    if (check.verdict != ManifestVerdict::Accepted) return EndRefusedScan(DescribeVerdict(check).message);
    DownloadXML(services_.serverBase, CatalogueFolder());
}

// Said before the first byte arrives: a slow or dead server is not silence.
void UpdatePage::ShowConnecting(const std::u16string& url) { view_.SetProgressText(u"Connecting to " + ServerName(url) + u" ..."); }

void UpdatePage::EndUnreachableScan() {
    manifestStep_ = ManifestStep::None;
    vt5_.pendingMask = 0;
    ReturnToListView();
    view_.ShowProblem(u"Could not get the update information from " + ServerName(services_.serverBase) +
                      u".\nCheck the internet connection and scan again. If this goes on, check the update "
                      u"server's address (UpdateServer in the registry).");
}

// The catalogues already here stay as they are and the list shows what they give.
void UpdatePage::EndRefusedScan(const std::u16string& message) {
    ++engine_.nRefusals;
    services_.messageBox.ShowStop(message, u"Veltra 5");
    vt5_.pendingMask = 0;
    ReturnToListView();
}

void UpdatePage::Fetch(const std::u16string& url, const std::u16string& path) {
    engine_.DeleteCacheEntry(url);
    ShowConnecting(url);
    if (services_.trust == nullptr) return engine_.URLDownload(url, path);
    std::u16string refusal;
    const std::optional<ExpectedFile> expected = services_.trust->Expect(Source(), url, refusal);
    if (expected) return engine_.URLDownload(url, path, expected);
    engine_.Refuse(refusal);
}

void UpdatePage::DownloadXML(const std::u16string& base, const std::u16string& localFolder) {
    DebugLog(u"============== DownloadXML() ==============");
    DebugLog(u"URL  = " + base);
    DebugLog(u"Path = " + localFolder);
    vt5_.nDownloadMode = kModeCatalogue;
    if (engine_.Busy()) return;
    for (const CatalogueStep& step : CatalogueSteps()) {
        if ((vt5_.pendingMask & step.code) == 0) continue;
        vt5_.currentCode = step.code;
        vt5_.pendingMask &= ~step.code;
        engine_.nPercent = 0;
        view_.SetProgressBar(0);
        const std::u16string url = base + CataloguePath(step, services_.checks.inputs.dqaTest);
        DebugLog(step.logLine);
        DebugLog(std::u16string(53, u'='));
        Fetch(url, localFolder + step.file);
        return;
    }
}

void UpdatePage::RerunChecks() {
    Check_Download_Information(services_.checks, services_.checkList, options_.automatic ? kAllCatalogues : CheckedMask());
    ShowLoadedList();
    // The results could not be kept: the list shown is not what the catalogues give.
    if (!services_.checkList.failure.empty()) view_.ShowProblem(services_.checkList.failure);
}

void UpdatePage::FinishCatalogues() {
    view_.HideProgressArea();
    view_.ShowListArea(true);
    RerunChecks();
    Enable_Item_When_Finish_Scaning();
    services_.lastScan.SaveLastScan(1, services_.clock);
    view_.ShowLastScan(services_.lastScan.ShowLastScan(vt5_.tLastScan).home);
}

}  // namespace veltra
