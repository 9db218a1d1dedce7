#pragma once
#include <windows.h>

namespace veltra {

// One dialog from a template, owning its window. The dialog procedure binds the object at
// WM_INITDIALOG and lets go at WM_NCDESTROY; messages reach OnMessage, which dispatches to
// the named handlers. Drawing messages of owner-drawn children are handed to the child's
// CControl object (reflection), so pages need no drawing code of their own.
class CDialog {
public:
    explicit CDialog(UINT templateId);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    virtual ~CDialog();

    // Modal: runs until EndDialog; returns its result, or -1 when the window cannot be made.
    INT_PTR DoModal(HWND parent);
    // Modeless: a child or popup of the parent, kept until the object goes.
    bool Create(HWND parent);

    HWND Handle() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    // Places a child control at a rectangle in client pixels.
    void PlaceItem(int id, int x, int y, int width, int height) const;
    // Moves and sizes this dialog (pixels of its parent's client area, or of the screen).
    void Place(int x, int y, int width, int height) const;
    void EndDialog(INT_PTR result);

    static CDialog* FromHandle(HWND window);

    // Offered each message of a modal loop before the dialog manager handles it, from the
    // dialog nearest to the message's window outwards; true consumes the message.
    virtual bool PreTranslateMessage(const MSG&) { return false; }

protected:
    // Set-up after the window and its controls exist; true lets the system set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // One message; returns true when handled, with `result` the message's answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual void OnCommand(int id, int code, HWND control);
    virtual void OnOK();
    virtual void OnCancel();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The window procedure over the dialog manager's: drawing messages the object answers
    // are answered directly, everything else goes on to the dialog manager.
    static LRESULT CALLBACK AnswerDrawing(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    static LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam);
    // The dialog object of a window of ours, or null for any other window.
    static CDialog* OurDialog(HWND window);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND window_ = nullptr;
    WNDPROC dialogManager_ = nullptr;  // the window procedure AnswerDrawing stands in front of
    bool modal_ = false;
};

}  // namespace veltra
