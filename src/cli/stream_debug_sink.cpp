#include "cli/stream_debug_sink.h"

#include "core/text.h"

namespace veltra {

void StreamDebugSink::WriteLine(const std::u16string& line) {
    stream_ << Utf16ToUtf8(line) << '\n';
    stream_.flush();
}

}  // namespace veltra
