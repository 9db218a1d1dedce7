#include "cli/stream_debug_sink.h"

#include "cli/plain_text.h"

namespace veltra {

void StreamDebugSink::WriteLine(const std::u16string& line) {
    stream_ << PlainDebugText(line) << '\n';
    stream_.flush();
}

}  // namespace veltra
