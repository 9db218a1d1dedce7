#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace veltra {

// Standard base64 with '=' padding, strictly: any other character, a length that is not a
// multiple of four, misplaced padding or non-zero bits under the padding give an empty result.
std::vector<std::uint8_t> DecodeBase64(std::string_view text);

}  // namespace veltra
