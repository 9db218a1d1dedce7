#pragma once
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace veltra {

class ICodePage;

// Where numbered debug lines go: the editor window, or standard error for the console front end.
class IDebugSink {
public:
    virtual ~IDebugSink() = default;
    virtual void WriteLine(const std::u16string& line) = 0;
};

// The numbered debug log. Off by default, in which case every call returns at once.
// Whole lines are serialised so lines of two threads never mix and numbers stay in order.
class DebugLogger {
public:
    static constexpr std::size_t kAnsiBufferBytes = 512;
    static constexpr std::size_t kAnsiPrefixBytes = 20;

    // Turns debug mode on with a sink, or off with null; the counter restarts at 0.
    void Enable(std::shared_ptr<IDebugSink> sink, ICodePage* codePage);
    void Disable();
    bool Enabled() const;

    // One line "%04d :  %s".
    void Log(std::u16string_view text);
    // One line of 8-bit text (ANSI code page), cut at the 512-byte buffer.
    void LogAnsi(std::string_view ansiText);

private:
    void WriteNumbered(std::u16string_view text);

    mutable std::mutex mutex_;
    std::shared_ptr<IDebugSink> sink_;
    ICodePage* codePage_ = nullptr;
    int lineCounter_ = 0;
};

// The process-wide log that every part writes to.
DebugLogger& ProcessDebugLog();
void DebugLog(std::u16string_view text);
void DebugLogA(std::string_view ansiText);

}  // namespace veltra
