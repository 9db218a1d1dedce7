#include "controls/win32/message_box.h"

#include <shlobj.h>

#include <utility>

#include "ids/bitmaps.h"
#include "ids/message_box.h"

namespace veltra {

namespace {

struct MsgLayout {
    int width;
    const wchar_t* background;
};

MsgLayout LayoutFor(int mode) {
    if (mode != CMSG::kLeaveConfirmation) return {491, L"VT5\\skin\\vt5_bg_l.bmp"};
    return {286, L"VT5\\skin\\vt5_bg_s.bmp"};
}

constexpr int kHeight = 141;

}  // namespace

CMSG::CMSG(int mode, std::wstring workPath, std::wstring downloadFolder)
    : CBitmapDialog(IDD_MSG), mode_(mode), workPath_(std::move(workPath)), downloadFolder_(std::move(downloadFolder)) {}

BOOL CMSG::OnInitDialog() {
    const MsgLayout layout = LayoutFor(mode_);
    Place((GetSystemMetrics(SM_CXSCREEN) - layout.width) / 2, (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2,
          layout.width, kHeight);
    SetBitmap(workPath_ + layout.background);
    SetDragAnywhere(true);

    text_.Attach(Handle(), IDC_MSG_TEXT);
    // A problem's few lines start higher, in the room above the buttons.
    text_.Place(14, mode_ == kProblem ? 34 : 46, layout.width - 28, mode_ == kProblem ? 60 : 40);
    text_.SetTransparent(true).SetTextColor(RGB(230, 232, 238)).SetFontName(L"Arial").SetFontSize(9);
    text_.SetText(mode_ == kDownloadFolder ? L"Save Path = " + downloadFolder_
                  : mode_ == kProblem      ? downloadFolder_
                                           : L"Are you sure ? Click OK will exit Veltra 5 !!");

    ok_.Attach(Handle(), IDOK);
    cancel_.Attach(Handle(), IDCANCEL);
    browse_.Attach(Handle(), IDC_MSG_BROWSE);
    for (auto* button : {&ok_, &cancel_, &browse_}) {
        button->SetSkin(IDB_SMALL_NORMAL, IDB_SMALL_PRESSED, IDB_SMALL_HOVER, 0);
        button->SetTextColor(RGB(255, 255, 255));
    }
    ok_.Place(layout.width - (mode_ == kProblem ? 100 : 188), 98, 80, 24);
    cancel_.Place(layout.width - 100, 98, 80, 24);
    browse_.Place(24, 98, 80, 24);
    browse_.Show(mode_ == kDownloadFolder);
    cancel_.Show(mode_ != kProblem);
    return TRUE;
}

void CMSG::OnCommand(int id, int code, HWND control) {
    if (id == IDC_MSG_BROWSE && code == BN_CLICKED) return BrowseForFolder();
    CBitmapDialog::OnCommand(id, code, control);
}

// The shell's folder chooser; a chosen folder is taken at once, with a closing backslash.
void CMSG::BrowseForFolder() {
    BROWSEINFOW info{};
    info.hwndOwner = Handle();
    info.lpszTitle = L"Select a directory...";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    LPITEMIDLIST chosen = SHBrowseForFolderW(&info);
    if (chosen == nullptr) return;
    wchar_t path[MAX_PATH] = L"";
    if (SHGetPathFromIDListW(chosen, path)) {
        downloadFolder_ = path;
        // A drive's root already ends with one.
        if (downloadFolder_.empty() || downloadFolder_.back() != L'\\') downloadFolder_ += L'\\';
        text_.SetText(L"Save Path = " + downloadFolder_);
    }
    CoTaskMemFree(chosen);
}

}  // namespace veltra
