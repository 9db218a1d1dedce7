#include "update_pages/win32/update_page_window.h"

#include <commctrl.h>

#include <initializer_list>

#include "catalogue/check_context.h"
#include "controls/win32/gdi.h"
#include "controls/win32/message_box.h"
#include "core/vt5_record.h"
#include "ids/bitmaps.h"
#include "ids/strings.h"
#include "ids/update_page.h"
#include "platform/win32/wide.h"

namespace veltra {
namespace {

constexpr COLORREF kOptionEnabled = RGB(200, 100, 100);
constexpr COLORREF kOptionDisabled = RGB(75, 75, 75);
constexpr int kBoxX[] = {69, 169, 284, 380, 484, 584};
constexpr int kManualX = 69;
constexpr int kAutomaticX = 318;

const ListGrid::Layout kUpdateListLayout{IDC_UPD_LIST_FIRST,
                                         IDC_UPD_SCROLL,
                                         {73, 109, 201, 381, 501, 621, 651, 681},
                                         {36, 92, 180, 120, 120, 30, 30, 10},
                                         true};

std::wstring LoadText(int id) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

}  // namespace

CPAGE_VELTRA::CPAGE_VELTRA(UpdatePageServices services, IUpdatePageHost& host)
    : CListPage(IDD_PAGE_VELTRA, ToWide(services.checks.vt5.sWorkPath)), host_(host), page_(std::move(services), *this) {}

BOOL CPAGE_VELTRA::OnInitDialog() {
    SetUpList(L"veltra_bg.bmp", kUpdateListLayout);
    progress_.Attach(Handle(), IDC_UPD_PROGRESS);
    progress_.SetRange(0, 100);
    status_.Attach(Handle(), IDC_UPD_STATUS);
    progressText_.Attach(Handle(), IDC_UPD_PROGRESS_TEXT);
    for (CLabel* label : {&status_, &progressText_}) label->SetTransparent(true).SetTextColor(RGB(255, 255, 255));
    SetUpOptions();
    page_.Init();
    SetUpTooltip();
    return FALSE;
}

void CPAGE_VELTRA::SetUpOptions() {
    HWND title = Item(IDC_UPD_TITLE);
    SendMessageW(title, STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(SharedPicture(IDB_LIST_TITLE_UPDATE)));
    PlaceItem(IDC_UPD_TITLE, 73, 76, 619, 34);
    const std::pair<CxSkinButton*, int> radios[] = {{&manual_, IDC_UPD_MANUAL}, {&automatic_, IDC_UPD_AUTOMATIC}};
    for (auto [radio, id] : radios) {
        radio->Attach(Handle(), id);
        radio->SetKind(CxSkinButton::Kind::Radio, 1);
        radio->SetSkin(IDB_RADIO_OFF, IDB_RADIO_ON, 0, IDB_RADIO_DISABLED);
    }
    manual_.Place(kManualX, 12, 15, 15);
    automatic_.Place(kAutomaticX, 12, 15, 15);
    for (int i = 0; i < 7; ++i) {
        boxes_[i].Attach(Handle(), i < 6 ? IDC_UPD_BOX_FIRST + i : IDC_UPD_BOX_VIDDID);
        boxes_[i].SetKind(CxSkinButton::Kind::CheckBox);
        boxes_[i].SetSkin(IDB_CHECK_OFF, IDB_CHECK_ON, 0, IDB_CHECK_DISABLED);
        if (i < 6) boxes_[i].Place(kBoxX[i], 50, 15, 15);
    }
    for (int i = 0; i < 8; ++i) {
        optionLabels_[i].Attach(Handle(), IDC_UPD_LABEL_MANUAL + i);
        optionLabels_[i].SetTransparent(true).SetText(LoadText(IDS_MANUAL_SCAN + i));
        const int x = i == 0 ? kManualX : i == 1 ? kAutomaticX : kBoxX[i - 2];
        // The category labels stop short of the next box, and above the list's
        // title: a transparent label over its top rows would show them or the
        // page's background depending on which of the two painted last.
        optionLabels_[i].Place(x + 20, i < 2 ? 12 : 50, i < 2 ? 120 : 74, i < 2 ? 30 : 26);
    }
}

bool CPAGE_VELTRA::PreTranslateMessage(const MSG& message) {
    if (CListPage::PreTranslateMessage(message)) return true;
    // The list's own keys while it has the focus: its scroll bar turns them into
    // scrolling.
    if (message.message != WM_KEYDOWN || message.hwnd == grid_.ScrollBar()) return false;
    const bool down = GetKeyState(VK_DOWN) < 0;
    if (!down && GetKeyState(VK_UP) >= 0) return false;
    SetFocus(information_.Handle());
    if (down) {
        information_.ScrollDown();
    } else {
        information_.ScrollUp();
    }
    // Handled here alone: the panel's list would move its caret again, and the
    // dialog manager would move the focus to the next control.
    return true;
}

void CPAGE_VELTRA::SetUpTooltip() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    for (int row = 1; row <= 6; ++row) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(grid_.Cell(row, 5).Handle());
        tool.lpszText = const_cast<wchar_t*>(L"Download and Install");
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, RGB(0, 0, 255), 0);
    SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, RGB(255, 255, 0), 0);
}

bool CPAGE_VELTRA::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_START_SCAN: result = page_.On_Download_Info_File(); return true;
    case WM_START_DOWNLOAD: result = page_.Download_Button_Clicked(); return true;
    default: break;
    }
    return CListPage::OnMessage(message, wParam, lParam, result);
}

void CPAGE_VELTRA::OnCommand(int id, int code, HWND control) {
    if (code != BN_CLICKED) return CListPage::OnCommand(id, code, control);
    if (id == IDC_UPD_MANUAL) return page_.SetManualScan();
    if (id == IDC_UPD_AUTOMATIC) return page_.SetAutomaticScan();
    if (id >= IDC_UPD_BOX_FIRST && id < IDC_UPD_BOX_FIRST + 6) {
        const int box = id - IDC_UPD_BOX_FIRST;
        return page_.SetCategoryBox(box, boxes_[box].IsChecked());
    }
    if (grid_.RowOf(id) != 0) return OnListCommand(id);
    CListPage::OnCommand(id, code, control);
}

void CPAGE_VELTRA::OnListCommand(int id) {
    const int row = grid_.RowOf(id);
    switch (grid_.ColumnOf(id)) {
    case 0: page_.OnRowTicked(row, grid_.IsTicked(row)); break;
    case 5: page_.OnRowDownload(row); break;
    case 6: page_.OnRowDetails(row); break;
    default: break;
    }
}

void CPAGE_VELTRA::SetProgressBar(int percent) {
    progress_.SetPos(percent);
    progress_.Redraw();
    UpdateWindow(progress_.Handle());
}

void CPAGE_VELTRA::SetProgressText(const std::u16string& text) { progressText_.SetText(ToWide(text)); }

void CPAGE_VELTRA::SetStatusText(const std::u16string& text) { status_.SetText(ToWide(text)); }

void CPAGE_VELTRA::ShowProgressArea(ProgressPlace place) {
    if (place == ProgressPlace::Scan) {
        progress_.Place(70, 100, 610, 30);
        status_.Place(70, 150, 610, 20);
        progressText_.Place(70, 190, 610, 20);
    } else {
        progress_.Place(70, 280, 630, 30);
        status_.Place(70, 310, 610, 20);
        progressText_.Place(70, 330, 610, 20);
    }
    for (const CControl* control : std::initializer_list<const CControl*>{&progress_, &status_, &progressText_})
        control->Show(true);
}

void CPAGE_VELTRA::HideProgressArea() {
    for (const CControl* control : std::initializer_list<const CControl*>{&progress_, &status_, &progressText_})
        control->Show(false);
}

void CPAGE_VELTRA::ShowListArea(bool show) {
    ShowWindow(Item(IDC_UPD_TITLE), show ? SW_SHOW : SW_HIDE);
    grid_.Show(show);
    ShowInformationPanel(show);
}

void CPAGE_VELTRA::ShowInformationPanel(bool show) { ShowWindow(information_.Handle(), show ? SW_SHOW : SW_HIDE); }

void CPAGE_VELTRA::ShowScanOptions(const ScanOptions& options, bool enabled) {
    manual_.SetCheck(!options.automatic);
    automatic_.SetCheck(options.automatic);
    manual_.Enable(enabled);
    automatic_.Enable(enabled);
    for (int i = 0; i < 7; ++i) {
        boxes_[i].SetCheck(options.boxes[i]);
        boxes_[i].Enable(enabled && !options.automatic);
    }
    for (CLabel& label : optionLabels_) label.SetTextColor(enabled ? kOptionEnabled : kOptionDisabled);
    host_.EnableScanButtons(enabled);
}

// The save-path box: OK uses the folder it shows, Cancel downloads nothing.
bool CPAGE_VELTRA::ChooseSaveFolder(std::u16string& folder) {
    CMSG box(CMSG::kDownloadFolder, workPath_, ToWide(folder));
    if (box.DoModal(Handle()) != IDOK) return false;
    folder = FromWide(box.DownloadFolder());
    return true;
}

}  // namespace veltra
