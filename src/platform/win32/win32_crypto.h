#pragma once
#include "platform/crypto.h"

namespace veltra {

// SHA-256 and RSA signatures through the system's crypto API with the RSA and AES provider
// type, which Windows has had since XP SP3.
class Win32Crypto final : public ICrypto {
public:
    std::unique_ptr<ISha256> NewSha256() override;
    bool VerifyRsaSha256(std::span<const std::uint8_t> publicKey, std::span<const std::uint8_t> message,
                         std::span<const std::uint8_t> signature) override;
};

}  // namespace veltra
