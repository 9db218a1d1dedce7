#pragma once
#include <string>

namespace veltra {

// The update page as the download engine sees it: the owner of the progress bar, its
// text label and the follow-up of every transfer.
class IDownloadTarget {
public:
    virtual ~IDownloadTarget() = default;
    // Sets the bar's position (0 to 100) and redraws it at once.
    virtual void RedrawProgressBar(int percent) = 0;
    // Sets and redraws the progress-text label, when that label exists.
    virtual void ShowProgressText(const std::u16string& text) = 0;
    // After "The URL is invalid.": progress area hidden, list view back, controls enabled,
    // result list reloaded.
    virtual void ReturnToListView() = 0;
    // Runs after every transfer, with the outcome in the engine's nWebStop.
    virtual void OnNextItem() = 0;
};

}  // namespace veltra
