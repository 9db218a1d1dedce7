#include "main_window_fixture.h"

#include <gtest/gtest.h>

#include <thread>

#include "catalogue/check_context.h"
#include "catalogue/result_list.h"
#include "controls/win32/label.h"
#include "controls/win32/skin_button.h"
#include "core/text.h"
#include "ids/main_dialog.h"
#include "ids/message_box.h"
#include "platform/win32/wide.h"
#include "support/test_window.h"
#include "sysinfo/vga_info.h"

namespace veltra::winetest {
namespace {

// The work folder's sub-folders and the program's skin.
void FillWorkFolder(const std::wstring& folder) {
    for (const wchar_t* sub : {L"VT5", L"VT5\\LOG", L"VT5\\DL_INFO", L"VT5\\DL_FILE", L"VT5\\skin"})
        CreateDirectoryW((folder + sub).c_str(), nullptr);
    const std::wstring skin = ProgramFolder() + L"VT5\\skin\\";
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((skin + L"*.bmp").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
        CopyFileW((skin + found.cFileName).c_str(), (folder + L"VT5\\skin\\" + found.cFileName).c_str(), FALSE);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

void WriteResults(Platform& platform, VT5Record& vt5, int count) {
    if (count == 0) return;
    CheckResultWriter writer(vt5, platform.codePage);
    std::unique_ptr<IFile> file = platform.fileSystem.Open(CheckListPath(vt5.sWorkPath), FileOpenMode::ReadWriteTruncate);
    writer.SetFile(file.get());
    for (int i = 1; i <= count; ++i) {
        const std::u16string n = DecimalText(i);
        // The second name is longer than its cell (a record holds up to 50 characters).
        const std::u16string name = i == 2 ? u"Item 2 graphics driver for the whole series" : u"Item " + n;
        writer.Write({4, name, u"1." + n, u"2." + n, u"About " + n, u"1 MB", u"vga/item" + n + u".exe"});
    }
    vt5.resultCount = 0;
}

}  // namespace

MainWindowRun::MainWindowRun(int results, bool reminderStart) : reminderStart_(reminderStart) {
    FillWorkFolder(work_.Path());
    vt5_.sWorkPath = FromWide(work_.Path());
    WriteResults(platform_.Get(), vt5_, results);
    dialog_ = std::make_unique<CVT5Dlg>(platform_.Get(), vt5_, [this](const MainSetupHooks& hooks) {
        vt5_.bReminderStart = reminderStart_ ? 1 : 0;
        hooks.afterReminderArgument();
        hooks.afterTestModes(TestModes{});
        vt5_.sOSName = u"Windows 7 64Bit";
        vt5_.sHomeModel = vt5_.cMB_Model = u"NV-X58 Pro";
        vt5_.sHomeBIOSVersion = u"V1.4";
        vt5_.sAppVersion = u"5.0.0";
        vt5_.pVGA = std::make_shared<VGAInfo>();
        vt5_.pVGA->sCardName = u"NV 9800 GT";
        vt5_.pVGA->sBIOSVersion = u"62.92.1F.00.05";
        return std::optional<CheckInputs>(CheckInputs{});
    });
}

void MainWindowRun::Run(const std::function<void(MainWindowRun&)>& drive) {
    const DWORD windowThread = GetCurrentThreadId();
    std::thread driver([&] {
        // The modal loop shows the window once its set-up is done; a reminder start hides it again.
        PumpUntil([&] {
            main_ = FindWindowW(nullptr, L"NORVA Veltra 5");
            return main_ != nullptr && (reminderStart_ || IsWindowVisible(main_));
        }, 20000);
        if (main_ == nullptr) {
            ADD_FAILURE() << "the main window did not appear";
            PostThreadMessageW(windowThread, WM_QUIT, 0, 0);
            return;
        }
        SendMessageW(main_, WM_NULL, 0, 0);
        drive(*this);
        // A failed assertion left the drive before it ended the window: end it here, so the
        // test reports the failure instead of waiting for its time limit.
        if (::testing::Test::HasFatalFailure()) EndMainWindow(main_);
    });
    dialog_->DoModal(nullptr);
    driver.join();
}

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

namespace {

// Callbacks are named functions: the 32-bit build needs their calling convention.
BOOL CALLBACK FindWindowWith(HWND window, LPARAM found) {
    auto* search = reinterpret_cast<std::pair<int, HWND>*>(found);
    if (IsWindowVisible(window) && GetDlgItem(window, search->first) != nullptr) search->second = window;
    return search->second == nullptr;
}

}  // namespace

// Callbacks are named functions: the 32-bit build needs their calling convention.
BOOL CALLBACK CollectShown(HWND window, LPARAM found) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

std::vector<std::string> CutTexts(HWND window) {
    std::vector<HWND> shown;
    EnumChildWindows(window, CollectShown, reinterpret_cast<LPARAM>(&shown));
    std::vector<std::string> cut;
    for (HWND child : shown) {
        CControl* control = CControl::FromHandle(child);
        const auto* label = dynamic_cast<CLabel*>(control);
        const auto* button = dynamic_cast<CxSkinButton*>(control);
        if ((label != nullptr && !label->TextFits()) || (button != nullptr && !button->CaptionFits()))
            cut.push_back(Utf16ToUtf8(FromWide(WindowText(child))));
    }
    return cut;
}

HWND WindowWith(HWND main, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(main, nullptr), FindWindowWith, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

void EndMainWindow(HWND main) {
    PostMessageW(main, WM_COMMAND, IDC_MAIN_EXIT, 0);
    HWND box = nullptr;
    PumpUntil([&] { return (box = WindowWith(main, IDC_MSG_TEXT)) != nullptr; }, 5000);
    if (box != nullptr) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace veltra::winetest
