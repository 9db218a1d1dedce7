#pragma once
#include <windows.h>

#include <ostream>
#include <set>
#include <vector>

namespace veltra::winetest {

// One message as a test expects it: sent or posted, with its parameters.
struct LoggedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    friend bool operator==(const LoggedMessage&, const LoggedMessage&) = default;
};
std::ostream& operator<<(std::ostream& out, const LoggedMessage& message);

// A hidden top-level window that logs the messages of interest it receives.
class RecordingWindow {
public:
    explicit RecordingWindow(std::set<UINT> interesting);
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;
    ~RecordingWindow();
    HWND Handle() const { return window_; }
    const std::vector<LoggedMessage>& Log() const { return log_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::set<UINT> interesting_;
    std::vector<LoggedMessage> log_;
    HWND window_ = nullptr;
};

// The messages waiting in this thread's queue for `window`, taken out.
std::vector<LoggedMessage> TakePosted(HWND window);

}  // namespace veltra::winetest
