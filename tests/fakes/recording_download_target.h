#pragma once
#include <string>
#include <vector>

#include "transfer/download_target.h"

namespace veltra::fakes {

// The update page as a list of what the engine asked it to do.
class RecordingDownloadTarget final : public IDownloadTarget {
public:
    void RedrawProgressBar(int percent) override { bar.push_back(percent); }
    void ShowProgressText(const std::u16string& text) override { texts.push_back(text); }
    void ReturnToListView() override {}
    void OnNextItem() override { ++nextItems; }

    std::vector<int> bar;
    std::vector<std::u16string> texts;
    int nextItems = 0;
};

}  // namespace veltra::fakes
