#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace veltra {

// A child control owned by one object: it subclasses a control of a dialog template (or
// one it creates) and gets its own messages plus the drawing messages its parent reflects.
class CControl {
public:
    CControl() = default;
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;
    virtual ~CControl();

    // Takes over the dialog's control `id`; false when there is none.
    bool Attach(HWND dialog, int id);
    // Creates a child window of `windowClass` and takes it over.
    bool Create(HWND parent, int id, const wchar_t* windowClass, DWORD style, int x, int y, int width,
                int height, const wchar_t* text = L"");

    HWND Handle() const { return window_; }
    void Place(int x, int y, int width, int height) const;
    void Show(bool show) const { ShowWindow(window_, show ? SW_SHOW : SW_HIDE); }
    void Enable(bool enable) const { EnableWindow(window_, enable ? TRUE : FALSE); }
    std::wstring Text() const;
    void Redraw() const {
        if (window_ != nullptr) InvalidateRect(window_, nullptr, TRUE);
    }

    static CControl* FromHandle(HWND window);
    // The objects of the taken-over children of `parent`, from the process's own list: under
    // Wine each step of a GetWindow walk is a round trip to the window server.
    static std::vector<CControl*> TakenOverChildren(HWND parent);
    // Hands a parent's WM_DRAWITEM or WM_MEASUREITEM to the control's object.
    static bool Reflect(HWND parent, UINT message, LPARAM lParam, LRESULT& result);

protected:
    virtual void OnAttached() {}
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual bool OnDrawItem(DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Subclass(HWND window);
    void Release();

    HWND window_ = nullptr;
    WNDPROC original_ = nullptr;
};

// A control that draws itself whole in Paint, for WM_PAINT and WM_PRINTCLIENT alike: its
// background is never erased first, since Paint covers it.
class CPaintedControl : public CControl {
protected:
    virtual void Paint(HDC dc) const = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace veltra
