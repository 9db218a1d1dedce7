#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

typedef struct evp_pkey_st EVP_PKEY;

namespace veltra {

// The maker's RSA private key: signs with PKCS#1 v1.5 and SHA-256, exactly as
// `openssl dgst -sha256 -sign` does.
class RsaSigner {
public:
    // Null, with the reason in error, when the file is unreadable or holds no RSA private key.
    // An encrypted key asks for its passphrase on the terminal.
    static std::unique_ptr<RsaSigner> Load(const std::filesystem::path& pem, std::string& error);
    ~RsaSigner();
    RsaSigner(const RsaSigner&) = delete;
    RsaSigner& operator=(const RsaSigner&) = delete;

    // Empty when OpenSSL fails.
    std::vector<std::uint8_t> Sign(std::span<const std::uint8_t> message) const;
    // The public half as DER SubjectPublicKeyInfo, the form a build pins.
    std::vector<std::uint8_t> PublicKeyDer() const;

private:
    explicit RsaSigner(EVP_PKEY* key) : key_(key) {}
    EVP_PKEY* key_;
};

}  // namespace veltra
