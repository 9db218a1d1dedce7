#include "controls/win32/dialog.h"

#include "controls/win32/control.h"
#include "core/guarded_callback.h"

namespace veltra {

namespace {

// Messages whose answer a dialog procedure returns itself instead of in DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_COMPAREITEM ||
           message == WM_VKEYTOITEM || message == WM_CHARTOITEM || message == WM_QUERYDRAGICON ||
           message == WM_INITDIALOG;
}

// The messages a child sends its dialog whenever it paints. Wine's dialog manager stores a
// result in the window for every message it passes on (DWLP_MSGRESULT, a round trip to its
// server) and the dialog procedure stores the answer again: a page's transparent labels each
// ask for its background whenever they paint.
bool IsDrawingMessage(UINT message) {
    return message == WM_ERASEBKGND || message == WM_PRINTCLIENT || message == WM_DRAWITEM ||
           (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

// The modal loops of this thread share one message filter, set by the outermost.
thread_local HHOOK messageFilterHook = nullptr;
thread_local int modalDepth = 0;

}  // namespace

CDialog::CDialog(UINT templateId) : templateId_(templateId) {}

CDialog::~CDialog() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialogManager_));
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

INT_PTR CDialog::DoModal(HWND parent) {
    modal_ = true;
    if (modalDepth++ == 0) messageFilterHook = SetWindowsHookExW(WH_MSGFILTER, MessageFilter, nullptr, GetCurrentThreadId());
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
    if (--modalDepth == 0 && messageFilterHook != nullptr) {
        UnhookWindowsHookEx(messageFilterHook);
        messageFilterHook = nullptr;
    }
    return result;
}

LRESULT CALLBACK CDialog::MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    const auto answer = [&]() -> LRESULT {
        if (code == MSGF_DIALOGBOX) {
            const MSG& message = *reinterpret_cast<const MSG*>(lParam);
            for (HWND window = message.hwnd; window != nullptr; window = GetParent(window)) {
                CDialog* dialog = OurDialog(window);
                if (dialog != nullptr && dialog->PreTranslateMessage(message)) return TRUE;
            }
        }
        return CallNextHookEx(messageFilterHook, code, wParam, lParam);
    };
    return AnswerOrDefault("the dialogs' message filter", answer,
                           [&]() -> LRESULT { return CallNextHookEx(messageFilterHook, code, wParam, lParam); });
}

CDialog* CDialog::OurDialog(HWND window) {
    // Controls and the system's dialogs keep other things in their user data: only a dialog
    // running our dialog procedure holds a CDialog.
    wchar_t className[8] = {};
    if (GetClassNameW(window, className, 8) != 6 || lstrcmpW(className, L"#32770") != 0) return nullptr;
    if (GetWindowLongPtrW(window, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&DialogProc)) return nullptr;
    return FromHandle(window);
}

bool CDialog::Create(HWND parent) {
    modal_ = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::PlaceItem(int id, int x, int y, int width, int height) const {
    SetWindowPos(Item(id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::Place(int x, int y, int width, int height) const {
    SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::EndDialog(INT_PTR result) {
    if (modal_) ::EndDialog(window_, result);
}

CDialog* CDialog::FromHandle(HWND window) {
    return reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_COMMAND) return false;
    OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    result = 0;
    return true;
}

void CDialog::OnCommand(int id, int /*code*/, HWND /*control*/) {
    if (id == IDOK) OnOK();
    if (id == IDCANCEL) OnCancel();
}

// A modeless page ignores Enter and Esc: ending it would only hide it inside its owner.
void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto answer = [&]() -> INT_PTR {
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<CDialog*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
            self->window_ = window;
            self->dialogManager_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CDialog::AnswerDrawing)));
            return self->OnInitDialog();
        }
        CDialog* self = FromHandle(window);
        if (self == nullptr) return FALSE;
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
            return FALSE;
        }
        return self->Dispatch(message, wParam, lParam);
    };
    return AnswerOrDefault("a dialog procedure", answer, [&]() -> INT_PTR { return FALSE; });
}

LRESULT CALLBACK CDialog::AnswerDrawing(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto answer = [&]() -> LRESULT {
        CDialog* self = FromHandle(window);
        if (self == nullptr) return DefDlgProcW(window, message, wParam, lParam);  // the object let go first
        LRESULT result = 0;
        if (IsDrawingMessage(message) && self->Answer(message, wParam, lParam, result)) return result;
        return CallWindowProcW(self->dialogManager_, window, message, wParam, lParam);
    };
    return AnswerOrDefault("a dialog's drawing", answer,
                           [&]() -> LRESULT { return DefDlgProcW(window, message, wParam, lParam); });
}

bool CDialog::Answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return CControl::Reflect(window_, message, lParam, result) || OnMessage(message, wParam, lParam, result);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!Answer(message, wParam, lParam, result)) return FALSE;
    if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace veltra
