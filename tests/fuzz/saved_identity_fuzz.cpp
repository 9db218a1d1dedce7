// An identity file from another machine: any bytes give an identity or a one-line error. The
// same bytes as UTF-8 (command lines, JSON) and as 8-bit text (files) must decode, and valid
// text must survive the round trip.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/saved_identity.h"
#include "core/text.h"
#include "platform/windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const veltra::SavedIdentityResult result = veltra::ParseSavedIdentity(bytes);
    if (result.identity.has_value() == !result.error.empty()) __builtin_trap();
    if (result.error.find('\n') != std::string::npos) __builtin_trap();
    const std::u16string decoded = veltra::Utf8ToUtf16(bytes);
    if (veltra::Utf8ToUtf16(veltra::Utf16ToUtf8(decoded)) != decoded) __builtin_trap();
    veltra::Windows1252CodePage codePage;
    if (codePage.ToAnsi(codePage.FromAnsi(bytes)) != bytes) __builtin_trap();
    return 0;
}
