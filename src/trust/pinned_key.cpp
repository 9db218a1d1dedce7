#include "trust/pinned_key.h"

#include "trust/base64.h"

#ifndef VELTRA_UPDATE_KEY_BASE64
#error "VELTRA_UPDATE_KEY_BASE64 carries the pinned public key, empty for none"
#endif

namespace veltra {

std::vector<std::uint8_t> PinnedPublicKey() { return DecodeBase64(VELTRA_UPDATE_KEY_BASE64); }

}  // namespace veltra
