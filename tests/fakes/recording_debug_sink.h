#pragma once
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/debug_log.h"
#include "core/text.h"
#include "platform/windows1252.h"

namespace veltra::fakes {

// The lines as written; a window test reads them from another thread with TakeTexts.
class RecordingDebugSink final : public IDebugSink {
public:
    void WriteLine(const std::u16string& line) override {
        const std::lock_guard<std::mutex> lock(mutex_);
        lines.push_back(line);
    }
    // The texts, without their numbers, of the lines written since the last call.
    std::vector<std::string> TakeTexts() {
        const std::lock_guard<std::mutex> lock(mutex_);
        std::vector<std::string> texts;
        for (; taken_ < lines.size(); ++taken_) texts.push_back(Utf16ToUtf8(lines[taken_].substr(8)));
        return texts;
    }
    std::vector<std::u16string> lines;

private:
    std::mutex mutex_;
    std::size_t taken_ = 0;
};

// Turns the process-wide debug log on for one test and off again afterwards.
class ScopedDebugCapture {
public:
    ScopedDebugCapture() { ProcessDebugLog().Enable(sink_, &codePage_); }
    ~ScopedDebugCapture() { ProcessDebugLog().Disable(); }
    ScopedDebugCapture(const ScopedDebugCapture&) = delete;
    ScopedDebugCapture& operator=(const ScopedDebugCapture&) = delete;
    const std::vector<std::u16string>& Lines() const { return sink_->lines; }
    std::vector<std::string> TakeTexts() { return sink_->TakeTexts(); }

private:
    std::shared_ptr<RecordingDebugSink> sink_ = std::make_shared<RecordingDebugSink>();
    Windows1252CodePage codePage_;
};

}  // namespace veltra::fakes
