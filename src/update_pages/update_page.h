#pragma once
#include <string>
#include <vector>

#include "history/history.h"
#include "transfer/download_engine.h"
#include "transfer/update_trust.h"
#include "update_pages/page_views.h"

namespace veltra {

class IClock;
class IProgramStarter;
class LastScanRecord;
struct CheckContext;
struct CheckListState;

// What the update page works with beyond its view.
struct UpdatePageServices {
    CheckContext& checks;  // the record, files, code page and the DQA TEST mode
    CheckListState& checkList;
    IUrlTransfers& transfers;
    IMessageBox& messageBox;
    IClock& clock;
    IProgramStarter& starter;
    HistoryFile& history;
    LastScanRecord& lastScan;
    std::u16string serverBase;  // no trailing slash
    TransferLimits limits = BuildTransferLimits();
    // The maker's signed list in force; null when the build pins no key (nothing verified).
    UpdateTrust* trust = nullptr;
};

// Which of its views the page shows.
enum class PageState { List, Scan, Download };

// The part of the signed file list a scan is fetching before its catalogues.
enum class ManifestStep { None, List, Signature };

// The update page without its windows: scan options, the catalogue phase of a scan, the
// result rows with their scroll state, item downloads and the launch of a single item.
// The download engine reports to it; it asks its view to show what changed.
class UpdatePage final : public IDownloadTarget {
public:
    UpdatePage(UpdatePageServices services, IUpdatePageView& view);

    // The page's set-up: empty rows, automatic scan, the previous run's list.
    void Init();

    void SetAutomaticScan();
    void SetManualScan();
    // Box 0 to 5 of a category; the MB Driver box carries the hidden VIDDID box.
    void SetCategoryBox(int box, bool ticked);
    const ScanOptions& Options() const { return options_; }

    int On_Download_Info_File();
    int Download_Button_Clicked();
    void OnRowDownload(int row);
    void OnRowTicked(int row, bool ticked);
    void OnRowDetails(int row);
    void OnVScroll(int code, int position);
    // The Enter key: the checks again on the catalogues already downloaded.
    void RerunChecks();
    // The stop request of the running transfer (the page's stop, Ctrl+C, closing).
    void StopTransfer() { engine_.RequestStop(); }

    PageState State() const { return state_; }
    DownloadEngine& Engine() { return engine_; }
    // The line LaunchFile logged for the last single item, empty when it started.
    const std::u16string& LastLaunchLine() const { return lastLaunchLine_; }
    // Why the last download's history record was not written; empty when it was.
    const std::u16string& HistoryFailure() const { return historyFailure_; }

    // IDownloadTarget
    void RedrawProgressBar(int percent) override { view_.SetProgressBar(percent); }
    void ShowProgressText(const std::u16string& text) override { view_.SetProgressText(text); }
    void ReturnToListView() override;
    void OnNextItem() override;

private:
    std::u16string& Cell(int row, int column);
    void StartCatalogues();
    void FetchManifest(ManifestStep step);
    void OnManifestFetched();
    void EndRefusedScan(const std::u16string& message);
    void EndUnreachableScan();
    void ShowConnecting(const std::u16string& url);
    ManifestSource Source() const;
    // Fetches a file the signed list must vouch for, when a key is pinned.
    void Fetch(const std::u16string& url, const std::u16string& path);
    void DownloadXML(const std::u16string& base, const std::u16string& localFolder);
    void FinishCatalogues();
    void Download_File_Process(int index, int mode, const std::u16string& base, const std::u16string& folder);
    void RecordDownloaded();
    // Ends the scan or batch at once: nothing more is fetched, the list is shown.
    void EndAllTransfers();
    void NextBatchItem();
    // False when the user cancelled: nothing is downloaded.
    bool ChooseSaveFolder();
    void UpdateListScroll(int count);
    void ShowRows(int first);
    void LoadList();
    void ShowLoadedList();
    void Disable_Item_When_Scan();
    void Enable_Item_When_Finish_Scaning();
    void ShowDownloadArea();
    void RestoreListArea();
    int CheckedMask() const;
    // True, with a message, while a transfer runs: a second one would take over its state.
    bool RefuseWhileBusy();
    std::u16string CatalogueFolder() const;

    UpdatePageServices services_;
    VT5Record& vt5_;
    IUpdatePageView& view_;
    DownloadEngine engine_;
    HistoryRecord staging_;
    ScanOptions options_;
    PageState state_ = PageState::List;
    ManifestStep manifestStep_ = ManifestStep::None;
    // A mirror replaces the list and its signature by two renames; a scan between them gets
    // a pair that does not match, so such a pair is fetched once more before it is refused.
    bool listFetchedAgain_ = false;
    std::vector<std::u16string> saMarks_;
    std::u16string lastLaunchLine_;
    std::u16string historyFailure_;
    std::u16string itemName_;  // the item of the running file transfer, for its messages
    std::vector<std::u16string> batchFiles_;  // local files of this batch so far
    bool serverAnswered_ = true;              // some transfer of this scan reached the server
};

}  // namespace veltra
