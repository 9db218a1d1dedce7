#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/debug_log.h"
#include "platform/windows1252.h"

namespace veltra::fakes {

class RecordingDebugSink final : public IDebugSink {
public:
    void WriteLine(const std::u16string& line) override { lines.push_back(line); }
    std::vector<std::u16string> lines;
};

// Turns the process-wide debug log on for one test and off again afterwards.
class ScopedDebugCapture {
public:
    ScopedDebugCapture() { ProcessDebugLog().Enable(sink_, &codePage_); }
    ~ScopedDebugCapture() { ProcessDebugLog().Disable(); }
    ScopedDebugCapture(const ScopedDebugCapture&) = delete;
    ScopedDebugCapture& operator=(const ScopedDebugCapture&) = delete;
    const std::vector<std::u16string>& Lines() const { return sink_->lines; }

private:
    std::shared_ptr<RecordingDebugSink> sink_ = std::make_shared<RecordingDebugSink>();
    Windows1252CodePage codePage_;
};

}  // namespace veltra::fakes
