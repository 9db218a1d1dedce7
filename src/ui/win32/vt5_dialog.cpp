#include "ui/win32/vt5_dialog.h"

#include <iterator>

#include "controls/win32/buffered_paint.h"
#include "controls/win32/gdi.h"
#include "controls/win32/message_box.h"
#include "core/debug_log.h"
#include "core/last_scan.h"
#include "core/vt5_record.h"
#include "ids/bitmaps.h"
#include "ids/main_dialog.h"
#include "ids/strings.h"
#include "ids/tray.h"
#include "platform/platform.h"
#include "platform/win32/wide.h"
#include "schedule/win32/my_app_tray_icon.h"
#include "schedule/win32/setting_page.h"
#include "transfer/update_server.h"
#include "ui/win32/about_page.h"
#include "ui/win32/home_page.h"
#include "ui/win32/page_services.h"
#include "ui/window_geometry.h"
#include "update_pages/win32/history_page_window.h"

namespace veltra {
namespace {

constexpr wchar_t kTitle[] = L"NORVA Veltra 5";
constexpr int kTabX[kPageCount] = {12, 159, 306, 453, 600};

struct ActionPlace {
    int id;
    int x;
};
constexpr ActionPlace kActions[] = {{IDC_MAIN_APPLY, 300}, {IDC_MAIN_DEFAULT, 409}, {IDC_MAIN_SCAN, 518}, {IDC_MAIN_DOWNLOAD, 627}};

std::optional<Page> PageOfTab(int id) {
    for (int p = 0; p < kPageCount; ++p) {
        if (InfoOf(Page(p)).tabId == id) return Page(p);
    }
    return std::nullopt;
}

}  // namespace

CVT5Dlg::CVT5Dlg(Platform& platform, VT5Record& vt5, IdentifyMachine identify)
    : CBitmapDialog(IDD_VT5_DIALOG), platform_(platform), vt5_(vt5), identify_(std::move(identify)) {}

CVT5Dlg::~CVT5Dlg() = default;

BOOL CVT5Dlg::OnInitDialog() {
    const MainSetupHooks hooks{[this] { OnSetIcon(); }, [this](const TestModes& modes) { OnTestModes(modes); }};
    const std::optional<CheckInputs> inputs = identify_(hooks);
    if (!inputs) {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    SetBackground();
    vt5_.resultCount = 0;
    SetUpPages(*inputs);
    tray_ = std::make_unique<CMyAppTrayIcon>(Handle());
    tray_->AddIcon(icon_, kTitle);
    tray_->ShowIcon();
    if (vt5_.bReminderStart == 1) StartInTray();
    return FALSE;
}

void CVT5Dlg::OnSetIcon() {
    icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELTRA));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void CVT5Dlg::OnTestModes(const TestModes& modes) {
    notice_.Attach(Handle(), IDC_MAIN_NOTICE);
    if (modes.dqa) {
        notice_.SetText(L"DQA Mode is Running")
            .SetTextColor(RGB(255, 0, 0))
            .SetFontBold(true)
            .SetFontSize(16)
            .SetTransparent(true);
        notice_.Place(370, 15, 300, 30);
        notice_.Show(true);
    }
    SetWindowTextW(Handle(), kTitle);
}

void CVT5Dlg::SetBackground() {
    const Rect place = MainWindowPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                       GetSystemMetrics(SM_CYICON));
    Place(place.x, place.y, place.width, place.height);
    SetBitmap(ToWide(vt5_.sWorkPath) + L"VT5\\skin\\MBG.bmp");
    SetTransparentColor(RGB(255, 0, 0));
    MakeShaped();
    // The title area and the footer move the window, whichever page is shown.
    SetDragAnywhere(true);
    DebugLog(u"Set background image !!");
}

void CVT5Dlg::SetUpPages(CheckInputs inputs) {
    SetUpButtons();
    SetUpServerStatus();
    CreatePages(inputs);
    RECT area{};
    GetWindowRect(Item(IDC_MAIN_PAGE_AREA), &area);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    for (int p = 0; p < kPageCount; ++p) {
        HWND page = PageWindow(Page(p));
        MoveWindow(page, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
        ShowWindow(page, SW_HIDE);
    }
    model_.ShowFirstPage();
}

void CVT5Dlg::SetUpButtons() {
    for (int p = 0; p < kPageCount; ++p) {
        CxSkinButton& tab = tabs_[p];
        tab.Attach(Handle(), InfoOf(Page(p)).tabId);
        tab.SetKind(CxSkinButton::Kind::Radio, 1);
        tab.SetSkin(IDB_TAB_NORMAL, IDB_TAB_PRESSED, IDB_TAB_HOVER, IDB_TAB_NORMAL);
        wchar_t caption[32] = L"";
        LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(IDS_TAB_HOME + p), caption, 32);
        SetWindowTextW(tab.Handle(), caption);
        tab.Place(kTabX[p], 62, 147, 36);
    }
    PlaceItem(IDC_MAIN_PAGE_AREA, 0, 99, 760, 385);
    hide_.Attach(Handle(), IDC_MAIN_HIDE);
    hide_.SetSkin(IDB_HIDE_NORMAL, IDB_HIDE_PRESSED, IDB_HIDE_HOVER, IDB_HIDE_NORMAL);
    hide_.Place(663, 16, 37, 30);
    exit_.Attach(Handle(), IDC_MAIN_EXIT);
    exit_.SetSkin(IDB_EXIT_NORMAL, IDB_EXIT_PRESSED, IDB_EXIT_HOVER, IDB_EXIT_NORMAL);
    exit_.Place(700, 16, 37, 30);
    CxSkinButton* actions[] = {&apply_, &default_, &scan_, &download_};
    for (std::size_t i = 0; i < std::size(kActions); ++i) {
        actions[i]->Attach(Handle(), kActions[i].id);
        actions[i]->SetSkin(IDB_ACTION_NORMAL, IDB_ACTION_PRESSED, IDB_ACTION_HOVER, IDB_ACTION_DISABLED);
        actions[i]->Place(kActions[i].x, 487, 107, 32);
    }
}

// The footer's green ring says the update service is there; when the server is not
// reached, a ring of the skin's red and a line of text cover it.
void CVT5Dlg::SetUpServerStatus() {
    SendDlgItemMessageW(Handle(), IDC_MAIN_SERVER_MARK, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(SharedPicture(IDB_SERVER_MARK)));
    PlaceItem(IDC_MAIN_SERVER_MARK, 23, 501, 14, 14);
    serverText_.Attach(Handle(), IDC_MAIN_SERVER_TEXT);
    serverText_.SetBkColor(RGB(0x12, 0x15, 0x1E)).SetTextColor(RGB(255, 111, 125)).SetFontName(L"Arial").SetFontSize(8);
    serverText_.SetText(L"update server not reached");
    serverText_.Place(40, 500, 200, 17);
}

void CVT5Dlg::CreatePages(CheckInputs inputs) {
    services_ = std::make_unique<PageServices>(platform_, vt5_, inputs, UpdateServerBase(platform_.registry, std::nullopt));
    const std::wstring work = ToWide(vt5_.sWorkPath);
    const LastScanTexts lastScan = services_->lastScan.ShowLastScan(vt5_.tLastScan);
    home_ = std::make_unique<CPAGE_HOME>(vt5_, lastScan.home);
    update_ = std::make_unique<CPAGE_VELTRA>(services_->ForUpdatePage(), static_cast<IUpdatePageHost&>(*this));
    history_ = std::make_unique<CPAGE_HISTORY>(services_->history, vt5_);
    setting_ = std::make_unique<CPAGE_SETTING>(platform_, vt5_, Handle(), ToWide(lastScan.popup));
    about_ = std::make_unique<CPAGE_ABOUT>(work, ToWide(vt5_.sAppVersion), AboutLinksFor(ToWide(services_->serverBase)));
    home_->Create(Handle());
    update_->Create(Handle());
    history_->Create(Handle());
    setting_->Create(Handle());
    about_->Create(Handle());
    // Tab goes from the tabs into the shown page, then to the buttons: the pages, made last,
    // come before them.
    for (int id : {IDC_MAIN_APPLY, IDC_MAIN_DEFAULT, IDC_MAIN_SCAN, IDC_MAIN_DOWNLOAD, IDC_MAIN_HIDE, IDC_MAIN_EXIT})
        SetWindowPos(Item(id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CVT5Dlg::StartInTray() {
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, 0);
    SetTimer(Handle(), kReminderTimer, 10, nullptr);
}

HWND CVT5Dlg::PageWindow(Page page) const {
    switch (page) {
    case Page::Home: return home_ ? home_->Handle() : nullptr;
    case Page::Update: return update_ ? update_->Handle() : nullptr;
    case Page::History: return history_ ? history_->Handle() : nullptr;
    case Page::Setting: return setting_ ? setting_->Handle() : nullptr;
    case Page::About: return about_ ? about_->Handle() : nullptr;
    }
    return nullptr;
}

bool CVT5Dlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SHOW_MAIN_WINDOW: ShowMainWindow(); result = 0; return true;
    case WM_SCAN_NOW: OnScanNow(); result = 0; return true;
    case WM_TIMER:
        if (wParam != kReminderTimer) break;
        ShowWindow(Handle(), SW_HIDE);
        KillTimer(Handle(), kReminderTimer);
        result = 0;
        return true;
    case WM_PAINT:
        if (!PaintMinimised()) break;
        result = 0;
        return true;
    // The Setting page's list is a window of its own: it would stay where it was.
    case WM_MOVE: CloseSettingList(); break;
    case WM_ACTIVATE:
        // Unless the list itself takes over: a click in it activates it.
        if (LOWORD(wParam) == WA_INACTIVE && setting_ && reinterpret_cast<HWND>(lParam) != setting_->PopupWindow())
            CloseSettingList();
        break;
    case WM_SHOWWINDOW:
        if (wParam == FALSE) CloseSettingList();
        break;
    case WM_MOUSEWHEEL:
        // The wheel goes to the focus; the shown list scrolls wherever the focus is.
        if (const Page* page = model_.Current(); page && (*page == Page::Update || *page == Page::History))
            SendMessageW(PageWindow(*page), WM_MOUSEWHEEL, wParam, lParam);
        result = 0;
        return true;
    case WM_QUERYDRAGICON: result = reinterpret_cast<LRESULT>(icon_); return true;
    case WM_HELP: result = FALSE; return true;
    default: break;
    }
    return CBitmapDialog::OnMessage(message, wParam, lParam, result);
}

void CVT5Dlg::OnCommand(int id, int code, HWND control) {
    if (const std::optional<Page> page = PageOfTab(id); page && code == BN_CLICKED) return model_.ShowPage(*page);
    switch (id) {
    case IDC_MAIN_SCAN: return model_.Scan_Information();
    case IDC_MAIN_DOWNLOAD: return OnDownloadButton();
    case IDC_MAIN_APPLY: return model_.Apply();
    case IDC_MAIN_DEFAULT: return model_.Default();
    case IDC_MAIN_HIDE: ShowWindow(Handle(), SW_HIDE); return;
    case IDC_MAIN_EXIT:
    case ID_SYSTRAY_EXIT: return ConfirmedExit();
    case ID_SYSTRAY_RESTORE: return ShowMainWindow();
    case IDOK: return OnEnter();
    default: CBitmapDialog::OnCommand(id, code, control);
    }
}

// The dialog manager turns Enter into IDOK for the whole window: it never ends the program
// unasked. It presses the focused button (the exit button asks first), or is the page's own.
void CVT5Dlg::OnEnter() {
    HWND focus = GetFocus();
    wchar_t kind[8] = L"";
    const bool button = focus != nullptr && IsChild(Handle(), focus) && GetClassNameW(focus, kind, 8) == 6 &&
                        lstrcmpiW(kind, L"Button") == 0;
    if (button && IsWindowVisible(focus) && IsWindowEnabled(focus)) {
        SendMessageW(focus, BM_CLICK, 0, 0);
        return;
    }
    if (const Page* page = model_.Current()) SendMessageW(PageWindow(*page), WM_COMMAND, IDOK, 0);
}

void CVT5Dlg::OnCancel() {
    if (update_) update_->Page().StopTransfer();
}

void CVT5Dlg::CloseSettingList() {
    if (setting_ && setting_->Handle() != nullptr) SendMessageW(setting_->Handle(), WM_CLOSE_LIST, 0, 0);
}

void CVT5Dlg::OnScanNow() {
    if (!IsWindowVisible(Handle())) ShowMainWindow();
    update_->Page().SetAutomaticScan();
    model_.Scan_Information();
}

void CVT5Dlg::ShowMainWindow() {
    const Rect place = MainWindowPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                       GetSystemMetrics(SM_CYICON));
    MoveWindow(Handle(), place.x, place.y, place.width, place.height, TRUE);
    ShowWindow(Handle(), SW_RESTORE);
    ShowWindow(Handle(), SW_SHOW);
}

void CVT5Dlg::ConfirmedExit() {
    CMSG box(CMSG::kLeaveConfirmation, ToWide(vt5_.sWorkPath));
    if (box.DoModal(Handle()) != IDOK) return;
    if (services_->checkList.file) {
        services_->checkList.file.reset();
        const WindowHandle log = platform_.windows.FindTopLevelByTitle(u"Veltra 5 Debug Message");
        if (ProcessDebugLog().Enabled() && log != 0)
            PostMessageW(reinterpret_cast<HWND>(log), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    EndDialog(IDOK);
}

bool CVT5Dlg::PaintMinimised() {
    if (!IsIconic(Handle())) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    SendMessageW(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(Handle(), &client);
    const Point at = CentredIcon(client.right, client.bottom, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    DrawIcon(dc, at.x, at.y, icon_);
    EndPaint(Handle(), &paint);
    return true;
}

void CVT5Dlg::ShowPageWindow(Page page, bool show) {
    // The model hides the current page only to show another in its place: on the screen the
    // pages are swapped in one copy, without the background in between. Before the window
    // is up (set-up, a reminder start) the pages are shown plainly; showing the window paints it.
    HWND window = PageWindow(page);
    if (show) MakeTabStop(page);
    if (!IsWindowVisible(Handle())) {
        ShowWindow(window, show ? SW_SHOW : SW_HIDE);
    } else if (show) {
        ShowPainted(window);
    } else {
        HideUnpainted(window);
    }
}

void CVT5Dlg::MakeTabStop(Page page) {
    // Tab comes back to the shown page's tab; the arrows go on to the others.
    for (int p = 0; p < kPageCount; ++p) {
        HWND tab = tabs_[p].Handle();
        const LONG_PTR style = GetWindowLongPtrW(tab, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP);
        SetWindowLongPtrW(tab, GWL_STYLE, style | (Page(p) == page ? WS_TABSTOP : 0));
    }
}

void CVT5Dlg::SetTabPressed(Page page) {
    for (int p = 0; p < kPageCount; ++p) tabs_[p].SetCheck(Page(p) == page);
}

void CVT5Dlg::ShowSettingButtons(bool show) {
    apply_.Show(show);
    default_.Show(show);
}

void CVT5Dlg::FocusPageList(Page page) {
    if (page == Page::Update) update_->FocusList();
    if (page == Page::History) history_->FocusList();
}

void CVT5Dlg::PostStartScan() { PostMessageW(update_->Handle(), WM_START_SCAN, 0, 0); }

void CVT5Dlg::PostStartDownload() { PostMessageW(update_->Handle(), WM_START_DOWNLOAD, 0, 0); }

void CVT5Dlg::StopReminderPrompt() {
    CREMINDER& prompt = setting_->Prompt();
    prompt.StopAndHide();
    SendMessageW(prompt.Handle(), WM_STOP_PROMPT, 0, 0);
}

void CVT5Dlg::SaveSchedule() { setting_->Save(); }

void CVT5Dlg::ApplyScheduleToClock() { SendMessageW(setting_->Handle(), WM_SCHEDULE_TO_CLOCK, 0, 0); }

void CVT5Dlg::RestoreDefaultSchedule() { setting_->RestoreDefaults(); }

// While a scan or a download runs, Download is the way to stop it with the mouse.
void CVT5Dlg::EnableScanButtons(bool enabled) {
    scan_.Enable(enabled);
    SetWindowTextW(download_.Handle(), enabled ? L"Download" : L"Stop");
    download_.Redraw();
}

void CVT5Dlg::ShowServerReached(bool reached) {
    ShowWindow(Item(IDC_MAIN_SERVER_MARK), reached ? SW_HIDE : SW_SHOW);
    serverText_.Show(!reached);
}

void CVT5Dlg::OnDownloadButton() {
    if (update_->Page().State() != PageState::List) return update_->Page().StopTransfer();
    model_.Download_Item();
}

void CVT5Dlg::ShowUpdateCount(const std::u16string& count) {
    if (home_) home_->ShowUpdateCount(count);
}

void CVT5Dlg::ShowLastScan(const std::u16string& text) {
    if (home_) home_->ShowLastScan(text);
    if (setting_) setting_->Prompt().SetLastScanText(ToWide(LastScanTextsFor(text).popup));
}

void CVT5Dlg::PostHistoryRefresh() { PostMessageW(history_->Handle(), WM_HISTORY_REFRESH, 0, 0); }

}  // namespace veltra
