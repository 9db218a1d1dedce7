#pragma once
#include "platform/code_page.h"

namespace veltra {

// Windows-1252, the ANSI code page of the native build (and of a western Windows).
class Windows1252CodePage final : public ICodePage {
public:
    std::string ToAnsi(std::u16string_view text) override;
    std::u16string FromAnsi(std::string_view bytes) override;
};

}  // namespace veltra
