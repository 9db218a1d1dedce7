#include "cli/stream_message_box.h"

#include "core/text.h"

namespace veltra {

void StreamMessageBox::Show(const std::u16string& text, const std::u16string&) {
    stream_ << "veltra-cli: " << Utf16ToUtf8(text) << '\n';
    stream_.flush();
}

}  // namespace veltra
