// An identity file from another machine: any bytes give an identity or a one-line error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/saved_identity.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const veltra::SavedIdentityResult result =
        veltra::ParseSavedIdentity(std::string_view(reinterpret_cast<const char*>(data), size));
    if (result.identity.has_value() == !result.error.empty()) __builtin_trap();
    if (result.error.find('\n') != std::string::npos) __builtin_trap();
    return 0;
}
