#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "update_pages/page_views.h"

namespace veltra {

// The update page on a console: a progress bar for every transfer (only where standard
// error is a console: redrawn into a pipe or a file it would fill it) and the information
// panel's messages. The console prints whole lists at the end, so the six-row window,
// the scroll bar and the option boxes are not drawn.
class ConsolePageView final : public IUpdatePageView {
public:
    ConsolePageView(std::ostream& err, bool console) : err_(err), console_(console) {}

    void SetRowEnabled(int, bool) override {}
    void SetRowTexts(int, std::span<const std::u16string>) override {}
    void SetScrollBar(int, bool) override {}
    void SetScrollPosition(int) override {}
    void ShowInformation(const std::u16string& text) override;
    void SetRowTicked(int, bool) override {}
    void SetProgressBar(int percent) override;
    void SetProgressText(const std::u16string& text) override;
    void SetStatusText(const std::u16string&) override {}
    void ShowProgressArea(ProgressPlace) override {}
    void HideProgressArea() override;
    void ShowListArea(bool) override {}
    void ShowInformationPanel(bool) override {}
    void ShowScanOptions(const ScanOptions&, bool) override {}
    void SetUpdateCount(const std::u16string&) override {}
    void ShowLastScan(const std::u16string& text) override { lastScan_ = text; }
    void PostHistoryRefresh() override {}
    bool ChooseSaveFolder(std::u16string&) override { return true; }
    void ShowServerReached(bool) override {}
    void ShowProblem(const std::u16string& text) override { ShowInformation(text); }

    // The messages the information panel was given, in order (empty ones left out).
    const std::vector<std::u16string>& Messages() const { return messages_; }
    const std::u16string& LastScan() const { return lastScan_; }

private:
    void DrawBar();

    std::ostream& err_;
    bool console_;
    int percent_ = 0;
    std::u16string text_;
    bool drawn_ = false;
    std::vector<std::u16string> messages_;
    std::u16string lastScan_;
};

// "[#####.....]  50% text": a bar of 30 marks.
std::string ConsoleProgressLine(int percent, const std::u16string& text);

}  // namespace veltra
