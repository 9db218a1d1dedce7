#pragma once
#include <string>
#include <string_view>

namespace veltra {

// Conversion between UTF-16 and the system's 8-bit (ANSI) code page, used for every
// catalogue, record file and driver reply.
class ICodePage {
public:
    virtual ~ICodePage() = default;
    virtual std::string ToAnsi(std::u16string_view text) = 0;
    virtual std::u16string FromAnsi(std::string_view bytes) = 0;
};

}  // namespace veltra
