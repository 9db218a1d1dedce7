// UTF-8 from command lines and JSON, and 8-bit text from files: any bytes must decode, and
// valid text must survive the round trip.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/text.h"
#include "platform/windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string decoded = veltra::Utf8ToUtf16(bytes);
    if (veltra::Utf8ToUtf16(veltra::Utf16ToUtf8(decoded)) != decoded) __builtin_trap();
    veltra::Windows1252CodePage codePage;
    const std::u16string ansi = codePage.FromAnsi(bytes);
    if (codePage.ToAnsi(ansi) != bytes) __builtin_trap();
    return 0;
}
