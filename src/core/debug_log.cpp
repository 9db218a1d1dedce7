#include "core/debug_log.h"

#include "core/guarded_callback.h"

#include <algorithm>

#include "core/text.h"
#include "platform/code_page.h"

namespace veltra {

void DebugLogger::Enable(std::shared_ptr<IDebugSink> sink, ICodePage* codePage) {
    std::lock_guard lock(mutex_);
    sink_ = std::move(sink);
    codePage_ = codePage;
    lineCounter_ = 0;
}

void DebugLogger::Disable() { Enable(nullptr, nullptr); }

bool DebugLogger::Enabled() const {
    std::lock_guard lock(mutex_);
    return sink_ != nullptr;
}

void DebugLogger::Log(std::u16string_view text) {
    std::lock_guard lock(mutex_);
    if (!sink_) return;
    WriteNumbered(text);
}

void DebugLogger::LogAnsi(std::string_view ansiText) {
    std::lock_guard lock(mutex_);
    if (!sink_) return;
    // The shared 8-bit buffer holds 512 bytes and is typed up to its first zero.
    ansiText = ansiText.substr(0, std::min(ansiText.size(), kAnsiBufferBytes));
    ansiText = ansiText.substr(0, ansiText.find('\0'));
    WriteNumbered(codePage_ ? codePage_->FromAnsi(ansiText) : Utf8ToUtf16(ansiText));
}

void DebugLogger::WriteNumbered(std::u16string_view text) {
    std::u16string line = DecimalText(lineCounter_, 4);
    line += u" :  ";
    line += text;
    sink_->WriteLine(line);
    ++lineCounter_;
}

DebugLogger& ProcessDebugLog() {
    static DebugLogger log;
    return log;
}

void DebugLog(std::u16string_view text) { ProcessDebugLog().Log(text); }

void DebugLogA(std::string_view ansiText) { ProcessDebugLog().LogAnsi(ansiText); }

void LogCaughtException(std::string_view where, std::string_view what) noexcept {
    try {
        DebugLogA("Exception in " + std::string(where) + ": " + std::string(what));
    } catch (...) {
        // Out of memory for the line itself: the callback still gives its answer.
    }
}

}  // namespace veltra
