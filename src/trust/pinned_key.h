#pragma once
#include <cstdint>
#include <vector>

namespace veltra {

// The maker's public key this build trusts (DER SubjectPublicKeyInfo), chosen with the
// VELTRA_UPDATE_KEY build setting; empty when the build pins none and updates go unchecked.
std::vector<std::uint8_t> PinnedPublicKey();

}  // namespace veltra
