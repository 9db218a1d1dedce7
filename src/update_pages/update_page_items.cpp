#include "catalogue/check_context.h"
#include "catalogue/result_list.h"
#include "core/debug_log.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "transfer/item_addresses.h"
#include "transfer/launch_file.h"
#include "update_pages/update_page.h"

namespace veltra {
namespace {

constexpr char16_t kDownloaded[] = u"Select file has been downloaded ";
constexpr char16_t kFailed[] = u"Download fail ... ";  // and the item's name
constexpr char16_t kHistoryFailed[] = u"History.rec could not be written";
constexpr char16_t kNotRecorded[] = u"The update was downloaded, but it could not be added to the download history.\n";
constexpr char16_t kDownloadStopped[] = u"Download stopped. Nothing was changed.";
constexpr char16_t kScanStopped[] = u"Scan stopped. Nothing was changed.";

int NumberOf(const std::u16string& text) {
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9' || value > 99999999) break;
        value = value * 10 + (c - u'0');
    }
    return value;
}

}  // namespace

bool UpdatePage::ChooseSaveFolder() {
    vt5_.sSaveFolder = vt5_.sWorkPath + u"VT5\\DL_FILE\\";
    return view_.ChooseSaveFolder(vt5_.sSaveFolder);
}

bool UpdatePage::RefuseWhileBusy() {
    if (!engine_.Busy()) return false;
    services_.messageBox.Show(u"A download is running. Please try again when it has ended.", u"Veltra 5");
    return true;
}

int UpdatePage::Download_Button_Clicked() {
    if (RefuseWhileBusy()) return 0;
    DebugLog(u"");
    DebugLog(u"========== Download_Button_Clicked() ==========");
    const int total = vt5_.scl.nTotal;
    if (total <= 0) {
        DebugLog(u"No Item can download");
        return 0;
    }
    for (int i = 1; i <= total; ++i) DebugLog(u"num = " + DecimalText(i) + u" , " + Cell(i, 2));
    saMarks_.assign(1, u"");
    int ticked = 0;
    for (int i = 1; i <= total; ++i) {
        const bool marked = Cell(i, 0) == u"V";
        if (marked) DebugLog(u"num = " + DecimalText(i) + u"  is checked ");
        ticked += marked ? 1 : 0;
        saMarks_.push_back(marked ? u"V" : u"N");
    }
    for (int i = 1; i <= total; ++i) {
        if (saMarks_[static_cast<std::size_t>(i)] == u"V") DebugLog(u"num = " + DecimalText(i) + u"  is checked ");
    }
    if (ticked == 0) {
        DebugLog(u"No Item selected");
        return 0;
    }
    batchFiles_.clear();
    for (int i = 1; i <= total; ++i) {
        if (saMarks_[static_cast<std::size_t>(i)] != u"V") continue;
        saMarks_[static_cast<std::size_t>(i)] = u"N";
        DebugLog(DecimalText(i) + u" is checked ");
        vt5_.nCurrentItem = NumberOf(Cell(i, 7));
        // The folder is asked before the page changes: Cancel leaves the list as it was.
        if (!ChooseSaveFolder()) {
            saMarks_.assign(1, u"");
            return 0;
        }
        ShowDownloadArea();
        Download_File_Process(i, kModeBatch, services_.serverBase, vt5_.sSaveFolder);
        break;
    }
    return 0;
}

void UpdatePage::OnRowDownload(int row) {
    if (RefuseWhileBusy()) return;
    const int index = vt5_.scl.nCurr + row;
    if (Cell(index, 5).empty()) {
        DebugLog(u"return ! because there is no item there");
        return;
    }
    DebugLog(u"OnBnClickedBtn" + DecimalText(row) + u"5 = " + Cell(index, 5));
    lastLaunchLine_.clear();
    batchFiles_.clear();
    vt5_.nCurrentItem = NumberOf(Cell(index, 7));
    if (!ChooseSaveFolder()) return;
    ShowDownloadArea();
    Download_File_Process(index, kModeSingle, services_.serverBase, vt5_.sSaveFolder);
}

void UpdatePage::Download_File_Process(int index, int mode, const std::u16string& base, const std::u16string& folder) {
    DebugLog(u"");
    DebugLog(u"============== Download_File_Process() ==============");
    DebugLog(u"Source URL = " + base);
    DebugLog(u"File save Path = " + folder);
    vt5_.nDownloadMode = mode;
    itemName_ = Cell(index, 2);
    const std::u16string& type = Cell(index, 1);
    DebugLog(u"Get information type = " + type);
    if (type == u"norva Utility") DebugLog(u"_norva_UTL");
    if (type == u"Other Utility") DebugLog(u"_oth_UTL");
    ResultRow row;
    for (int column = 0; column < static_cast<int>(row.size()); ++column) row[static_cast<std::size_t>(column)] = Cell(index, column);
    ItemTransfer transfer = ItemAddresses(row, vt5_.cMB_Model, base, folder);
    if (engine_.Busy()) return;
    // Two items of one batch whose names come out alike must not overwrite each other.
    transfer.localFile = UniqueFilePath(transfer.localFile, batchFiles_);
    batchFiles_.push_back(transfer.localFile);
    staging_.SetItem(services_.checks.codePage, row[1], row[2], row[4], row[6]);
    engine_.nPercent = 0;
    view_.SetProgressBar(0);
    DebugLog(u"sTempAdd  = " + transfer.source);
    DebugLog(u"sTempPath = " + transfer.localFile);
    vt5_.sLastFile = transfer.localFile;
    Fetch(transfer.source, transfer.localFile);
}

void UpdatePage::RecordDownloaded() {
    const std::u16string failure = services_.history.AppendHistory(staging_, services_.clock);
    // The file is there; that its record is not must not go unsaid, once for a run of failures.
    if (!failure.empty()) DebugLog(kHistoryFailed);
    if (!failure.empty() && failure != historyFailure_) view_.ShowProblem(kNotRecorded + failure);
    historyFailure_ = failure;
    if (services_.checkList.file) MarkCheckRecordDownloaded(*services_.checkList.file, vt5_.nCurrentItem);
    view_.PostHistoryRefresh();
}

void UpdatePage::EndAllTransfers() {
    manifestStep_ = ManifestStep::None;
    vt5_.pendingMask = 0;
    saMarks_.assign(1, u"");
    ReturnToListView();
}

void UpdatePage::NextBatchItem() {
    for (int i = 1; i <= vt5_.scl.nTotal && i < static_cast<int>(saMarks_.size()); ++i) {
        if (saMarks_[static_cast<std::size_t>(i)] != u"V") continue;
        saMarks_[static_cast<std::size_t>(i)] = u"N";
        DebugLog(u"num = " + DecimalText(i) + u"  is checked ");
        vt5_.nCurrentItem = NumberOf(Cell(i, 7));
        Download_File_Process(i, kModeBatch, services_.serverBase, vt5_.sSaveFolder);
        return;
    }
    RestoreListArea();
    Enable_Item_When_Finish_Scaning();
    LoadList();
}

void UpdatePage::OnNextItem() {
    DebugLog(u"Run OnNextItem()");
    const bool succeeded = engine_.nWebStop == kWebStopNone;
    const bool reached = engine_.nWebStop != kWebStopFailed;
    view_.ShowServerReached(reached);
    serverAnswered_ = serverAnswered_ || reached;
    if (engine_.nWebStop == kWebStopUserBreak) {
        // A stop ends the whole scan or batch: the files already here stay as they were.
        const bool scanning = vt5_.nDownloadMode == kModeCatalogue;
        EndAllTransfers();
        view_.ShowInformation(scanning ? kScanStopped : kDownloadStopped);
    } else if (engine_.nWebStop == kWebStopNotSaved) {
        // The folder, not the server: every next file would meet it too.
        EndAllTransfers();
        view_.ShowProblem(u"Cannot save " + engine_.LastPath() +
                          u": its folder is read-only or full, access to it is denied, or a folder or link has that "
                          u"name. The file that was there is kept.\nChoose another folder, or free some space, and try again.");
    } else if (!serverAnswered_ && vt5_.nDownloadMode == kModeCatalogue) {
        // The scan's first transfer failed: the others would wait on the same server.
        EndUnreachableScan();
    } else if (manifestStep_ != ManifestStep::None) {
        OnManifestFetched();
    } else if (vt5_.nDownloadMode == kModeCatalogue) {
        if (vt5_.pendingMask != 0) {
            DownloadXML(services_.serverBase, CatalogueFolder());
        } else {
            FinishCatalogues();
        }
    } else if (vt5_.nDownloadMode == kModeBatch) {
        if (succeeded) RecordDownloaded();
        view_.ShowInformation(succeeded ? std::u16string(kDownloaded) : kFailed + itemName_);
        NextBatchItem();
    } else if (vt5_.nDownloadMode == kModeSingle) {
        DebugLog(u"");
        DebugLog(u"Download finished");
        if (succeeded) {
            RecordDownloaded();
            lastLaunchLine_ = LaunchFile(services_.starter, vt5_.sLastFile, engine_.LastExpected());
        }
        view_.ShowInformation(succeeded ? std::u16string(kDownloaded) : kFailed + itemName_);
        RestoreListArea();
        Enable_Item_When_Finish_Scaning();
        LoadList();
    }
    engine_.nWebStop = kWebStopNone;
}

}  // namespace veltra
