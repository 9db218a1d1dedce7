#pragma once
#include <string>
#include <string_view>

namespace veltra {

// The version cut out of a video ROM banner text (the 256 bytes read at the banner, up to
// their first zero byte); empty when it cannot be cut.

// After "Version": the token that follows the first space.
std::string NvidiaVersionFromBanner(std::string_view text);
// After "SVGA": the second space-delimited token from "Number:" on.
std::string IntelVersionFromBanner(std::string_view text);
// After "ATOMBIOSBK-ATI": the rest of the text from the fourth character after the first space.
std::string AtiVersionFromBanner(std::string_view text);

}  // namespace veltra
