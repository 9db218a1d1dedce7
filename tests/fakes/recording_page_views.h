#pragma once
#include <array>
#include <string>
#include <vector>

#include "download/page_views.h"

namespace veltra::fakes {

// What one visible row shows.
struct ShownRow {
    bool enabled = false;
    std::vector<std::u16string> texts;
};

// The history page as the state of its controls: rows 1 to 6, scroll bar and information panel.
class RecordingListView final : public IListView {
public:
    void SetRowEnabled(int row, bool enabled) override { rows.at(static_cast<std::size_t>(row)).enabled = enabled; }
    void SetRowTexts(int row, std::span<const std::u16string> texts) override {
        rows.at(static_cast<std::size_t>(row)).texts.assign(texts.begin(), texts.end());
    }
    void SetScrollBar(int max, bool visible) override {
        scrollMax = max;
        scrollPosition = 0;
        scrollVisible = visible;
    }
    void SetScrollPosition(int position) override { scrollPosition = position; }
    void ShowInformation(const std::u16string& text) override { information.push_back(text); }

    // One label of the six rows.
    std::vector<std::u16string> Column(std::size_t label) const {
        std::vector<std::u16string> column;
        for (std::size_t row = 1; row < rows.size(); ++row) {
            column.push_back(label < rows[row].texts.size() ? rows[row].texts[label] : u"");
        }
        return column;
    }

    std::array<ShownRow, 7> rows{};
    int scrollMax = -1;
    int scrollPosition = 0;
    bool scrollVisible = false;
    std::vector<std::u16string> information;  // every text the panel was given
};

}  // namespace veltra::fakes
