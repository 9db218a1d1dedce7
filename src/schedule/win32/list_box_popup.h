#pragma once
#include <functional>
#include <string>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/transparent_list_box.h"
#include "schedule/reminder_settings.h"

namespace veltra {

// The list under a Setting page chooser. A chosen item is handed to `onChosen` with its
// index; the page closes the popup afterwards.
class CLISTBOX final : public CBitmapDialog {
public:
    CLISTBOX(Chooser chooser, std::wstring workPath, std::function<void(int)> onChosen);

    // Opens under `button` (20 pixels below its top, as wide as it) without taking the focus.
    bool Open(HWND page, HWND button);

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnCancel() override {}

private:
    Chooser chooser_;
    std::wstring workPath_;
    std::function<void(int)> onChosen_;
    HWND page_ = nullptr;
    CTransparentListBox list_;
};

}  // namespace veltra
