#pragma once
#include <windows.h>

#include <array>
#include <span>
#include <string>

#include "controls/win32/skin_button.h"

namespace veltra {

// The seven rows of eight skinned controls and the scroll bar that the update page and
// the History page share: row 0 holds the hidden header, rows 1 to 6 are visible.
class ListGrid {
public:
    static constexpr int kRows = 7;
    static constexpr int kColumns = 8;
    struct Layout {
        int firstId;     // row k column c has id firstId + 8k + c
        int scrollId;
        std::array<int, kColumns> x;
        std::array<int, kColumns> width;
        bool tickColumn;  // column 0 is a tick box (update page) or a label (History)
    };

    // Takes over the controls of the page's template, skins, places and fills row 0.
    void Attach(HWND page, const Layout& layout, std::span<const std::u16string> header);

    int RowOf(int id) const;     // 1 to 6 for a control of a visible row, else 0
    int ColumnOf(int id) const;  // 0 to 7
    bool IsTicked(int row) const { return cells_[row][0].IsChecked(); }

    void SetRowEnabled(int row, bool enabled);
    // The row's labels, ending at column 4: four texts start at column 1, five at column 0.
    // A text cut at its cell's end shows whole in a tooltip while the mouse is over it.
    void SetRowTexts(int row, std::span<const std::u16string> texts);
    void SetRowTicked(int row, bool ticked);
    void SetScrollBar(int max, bool visible);
    void SetScrollPosition(int position);
    // Rows 1 to 6 and the scroll bar (when the list needs it).
    void Show(bool show);
    CxSkinButton& Cell(int row, int column) { return cells_[row][column]; }
    HWND ScrollBar() const { return scroll_; }

private:
    void SetUpTooltip(HWND page);
    // The full text over a cell whose text shows cut, none over one that shows whole.
    void UpdateTip(CxSkinButton& cell, const std::wstring& text) const;

    std::array<std::array<CxSkinButton, kColumns>, kRows> cells_;
    HWND tooltip_ = nullptr;  // a child of the page, gone with it
    Layout layout_{};
    HWND scroll_ = nullptr;
    bool scrollWanted_ = false;
    bool shown_ = true;
};

}  // namespace veltra
