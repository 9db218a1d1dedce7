#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>

namespace veltra {

using Sha256Digest = std::array<std::uint8_t, 32>;

// One streaming hash: bytes are added as they arrive, so a file is never read twice.
class ISha256 {
public:
    virtual ~ISha256() = default;
    virtual void Add(std::span<const std::uint8_t> bytes) = 0;
    // Ends the hash: nothing may be added after it.
    virtual Sha256Digest Finish() = 0;
};

// The system's cryptography, as far as checking a maker's signed file list needs it.
class ICrypto {
public:
    virtual ~ICrypto() = default;
    virtual std::unique_ptr<ISha256> NewSha256() = 0;
    // publicKey: DER SubjectPublicKeyInfo of an RSA key; signature: as `openssl dgst -sha256 -sign`
    // writes it (big-endian, the key's size in bytes). RSA PKCS#1 v1.5 with SHA-256. False for
    // anything malformed.
    virtual bool VerifyRsaSha256(std::span<const std::uint8_t> publicKey, std::span<const std::uint8_t> message,
                                 std::span<const std::uint8_t> signature) = 0;
};

}  // namespace veltra
