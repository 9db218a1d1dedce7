#pragma once
#include "platform/crypto.h"

namespace veltra {

// The crypto interface over OpenSSL 3's EVP functions: the native tests and the signing tool
// check signatures with it, so the portable rules are tested against real RSA.
class OpenSslCrypto final : public ICrypto {
public:
    std::unique_ptr<ISha256> NewSha256() override;
    bool VerifyRsaSha256(std::span<const std::uint8_t> publicKey, std::span<const std::uint8_t> message,
                         std::span<const std::uint8_t> signature) override;
};

}  // namespace veltra
