#include "cli/stream_message_box.h"

#include "cli/plain_text.h"

namespace veltra {

void StreamMessageBox::Show(const std::u16string& text, const std::u16string&) {
    stream_ << "veltra-cli: " << PlainText(text) << '\n';
    stream_.flush();
}

}  // namespace veltra
