#pragma once
#include <ostream>

#include "core/debug_log.h"

namespace veltra {

// Debug lines as UTF-8 text lines on a stream (standard error of the console front end).
class StreamDebugSink final : public IDebugSink {
public:
    explicit StreamDebugSink(std::ostream& stream) : stream_(stream) {}
    void WriteLine(const std::u16string& line) override;

private:
    std::ostream& stream_;
};

}  // namespace veltra
