#pragma once
#include <string>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/transparent_list_box.h"

namespace veltra {

// The information panel: a child dialog with a few lines of text about the current item.
class CINFORMATION : public CBitmapDialog {
public:
    // workPath ends with a backslash; the panel's background lies under it.
    explicit CINFORMATION(std::wstring workPath);

    // Appends the text's lines (pieces between line feeds; one empty line for none).
    void SetInformation(const std::wstring& text);
    void Clear() { list_.Clear(); }
    // One step through the lines, for the arrow keys of the owning page.
    void ScrollDown() const;
    void ScrollUp() const;

    int ownerValue = 0;    // kept for the owner; the panel does not use it
    int selectedLine = 0;  // line selected when the panel is set up

protected:
    BOOL OnInitDialog() override;

private:
    std::wstring workPath_;
    CTransparentListBox list_;
};

}  // namespace veltra
