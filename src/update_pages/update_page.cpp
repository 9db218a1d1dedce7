#include "update_pages/update_page.h"

#include "catalogue/check_context.h"
#include "catalogue/result_list.h"
#include "core/debug_log.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "update_pages/list_view_scroll.h"

namespace veltra {
namespace {

constexpr int kMbDriverBox = 0;
constexpr int kVidDidBox = 6;

}  // namespace

UpdatePage::UpdatePage(UpdatePageServices services, IUpdatePageView& view)
    : services_(std::move(services)),
      vt5_(services_.checks.vt5),
      view_(view),
      engine_(services_.transfers, services_.messageBox, vt5_, *this, services_.limits) {}

void UpdatePage::Init() {
    engine_.nWebStop = kWebStopNone;
    UpdateListScroll(kVisibleRows);
    view_.SetProgressBar(0);
    SetAutomaticScan();
    // Until a scan has written it, the list stays at six empty rows.
    const bool hadResults = services_.checks.fileSystem.Exists(CheckListPath(vt5_.sWorkPath));
    ReloadCheckList(services_.checks.fileSystem, services_.checkList, services_.checks.codePage, vt5_);
    if (hadResults && services_.checkList.file) ShowLoadedList();
    // A list that cannot be opened is told, never shown as no updates.
    if (!services_.checkList.failure.empty()) view_.ShowProblem(services_.checkList.failure);
    view_.SetStatusText(u"");
    view_.SetProgressText(u"");
}

void UpdatePage::SetAutomaticScan() {
    options_.automatic = true;
    view_.ShowScanOptions(options_, true);
}

void UpdatePage::SetManualScan() {
    options_.automatic = false;
    view_.ShowScanOptions(options_, true);
}

void UpdatePage::SetCategoryBox(int box, bool ticked) {
    if (box < 0 || box >= kVidDidBox) return;
    options_.boxes[static_cast<std::size_t>(box)] = ticked;
    if (box == kMbDriverBox) options_.boxes[kVidDidBox] = ticked;
    view_.ShowScanOptions(options_, true);
}

int UpdatePage::CheckedMask() const {
    int mask = 0;
    for (std::size_t box = 0; box < options_.boxes.size(); ++box) {
        if (options_.boxes[box]) mask |= 1 << box;
    }
    return mask;
}

std::u16string& UpdatePage::Cell(int row, int column) {
    // Row 0 is the header and rows past the 49th do not exist; both read as empty.
    static std::u16string outside;
    outside.clear();
    if (row < 1 || row > static_cast<int>(kResultRowCount)) return outside;
    return services_.checkList.list.rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

void UpdatePage::UpdateListScroll(int count) {
    ScrollState& scl = vt5_.scl;
    scl.nTotal = count;
    scl.nPage = kVisibleRows;
    scl.nCurr = 0;
    scl.nMax = count >= kVisibleRows ? count - kVisibleRows : 0;
    for (int row = 1; row <= kVisibleRows; ++row) view_.SetRowEnabled(row, !Cell(row, 0).empty());
    view_.SetScrollBar(scl.nMax, count > kVisibleRows);
}

void UpdatePage::ShowRows(int first) {
    for (int row = 1; row <= kVisibleRows; ++row) {
        view_.SetRowTicked(row, Cell(first + row, 0) == u"V");
        const std::array<std::u16string, 4> texts = {Cell(first + row, 1), Cell(first + row, 2), Cell(first + row, 3),
                                                     Cell(first + row, 4)};
        view_.SetRowTexts(row, texts);
    }
}

void UpdatePage::LoadList() {
    LoadCheckList(services_.checkList, services_.checks.codePage, vt5_);
    ShowLoadedList();
}

void UpdatePage::ShowLoadedList() {
    const ResultList& list = services_.checkList.list;
    view_.SetUpdateCount(vt5_.sUpdateCount);
    UpdateListScroll(list.count);
    ShowRows(0);
    // The rows past the list's 49 cannot be shown: say so under the list.
    if (list.total > list.count) view_.ShowInformation(u"showing " + DecimalText(list.count) + u" of " + DecimalText(list.total));
}

void UpdatePage::OnVScroll(int code, int position) {
    ScrollListView(vt5_.scl, code, position, u"VT5.scl", view_, [this](int first) { ShowRows(first); });
}

void UpdatePage::OnRowTicked(int row, bool ticked) {
    Cell(vt5_.scl.nCurr + row, 0) = ticked ? u"V" : u"N";
    DebugLog(u"Checked = " + DecimalText(ticked ? 1 : 0));
}

void UpdatePage::OnRowDetails(int row) {
    const std::u16string description = Cell(vt5_.scl.nCurr + row, 6);
    DebugLog(u"OnBnClickedBtn" + DecimalText(row) + u"6 = " + description);
    view_.ShowInformation(description);
}

void UpdatePage::Disable_Item_When_Scan() {
    DebugLog(u"enter Disable_Item_When_Scan()");
    view_.ShowScanOptions(options_, false);
}

void UpdatePage::Enable_Item_When_Finish_Scaning() {
    DebugLog(u"enter Enable_Item_When_Finish_Scaning()");
    view_.ShowScanOptions(options_, true);
    state_ = PageState::List;
}

void UpdatePage::ShowDownloadArea() {
    view_.ShowInformationPanel(false);
    view_.ShowProgressArea(ProgressPlace::Download);
    view_.SetStatusText(u"Processing, please wait for a while...");
    for (int row = 1; row <= kVisibleRows; ++row) view_.SetRowEnabled(row, false);
    Disable_Item_When_Scan();
    state_ = PageState::Download;
}

void UpdatePage::RestoreListArea() {
    view_.HideProgressArea();
    view_.ShowInformationPanel(true);
    UpdateListScroll(vt5_.scl.nTotal);
}

void UpdatePage::ReturnToListView() {
    view_.HideProgressArea();
    // A scan hid the list; an invalid address must not leave the page without it.
    view_.ShowListArea(true);
    RestoreListArea();
    Enable_Item_When_Finish_Scaning();
    LoadList();
}

}  // namespace veltra
