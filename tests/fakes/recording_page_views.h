#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "download/page_views.h"

namespace veltra::fakes {

// What one visible row shows.
struct ShownRow {
    bool enabled = false;
    bool ticked = false;
    std::vector<std::u16string> texts;
};

// A list page as the state of its controls: rows 1 to 6, scroll bar and information panel.
template <typename View>
class RecordingListViewOf : public View {
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

    // Items (second label) of the six rows.
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

using RecordingListView = RecordingListViewOf<IListView>;

class RecordingUpdatePageView final : public RecordingListViewOf<IUpdatePageView> {
public:
    void SetRowTicked(int row, bool ticked) override { rows.at(static_cast<std::size_t>(row)).ticked = ticked; }
    void SetProgressBar(int) override {}
    void SetProgressText(const std::u16string&) override {}
    void SetStatusText(const std::u16string& text) override { statusText = text; }
    void ShowProgressArea(ProgressPlace place) override { progressArea = place; }
    void HideProgressArea() override { progressArea.reset(); }
    void ShowListArea(bool show) override { listShown = show; }
    void ShowInformationPanel(bool) override {}
    void ShowScanOptions(const ScanOptions& shown, bool enabled) override {
        options = shown;
        optionsEnabled = enabled;
    }
    void SetUpdateCount(const std::u16string& count) override { updateCount = count; }
    void ShowLastScan(const std::u16string& text) override { lastScan = text; }
    void PostHistoryRefresh() override { ++historyRefreshes; }
    void ChooseSaveFolder(std::u16string& folder) override { offeredFolder = folder; }

    std::u16string statusText;
    std::optional<ProgressPlace> progressArea;
    bool listShown = true;
    ScanOptions options;
    bool optionsEnabled = true;
    std::u16string updateCount;
    std::u16string lastScan;
    int historyRefreshes = 0;
    std::u16string offeredFolder;
};

}  // namespace veltra::fakes
