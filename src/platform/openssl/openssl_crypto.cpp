#include "platform/openssl/openssl_crypto.h"

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <stdexcept>

namespace veltra {
namespace {

struct DigestContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextFree>;
using PublicKey = std::unique_ptr<EVP_PKEY, KeyFree>;

class OpenSslSha256 final : public ISha256 {
public:
    OpenSslSha256() : context_(EVP_MD_CTX_new()) {
        if (!context_ || EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) != 1) {
            throw std::runtime_error("OpenSSL cannot start a SHA-256 hash");
        }
    }
    void Add(std::span<const std::uint8_t> bytes) override {
        EVP_DigestUpdate(context_.get(), bytes.data(), bytes.size());
    }
    Sha256Digest Finish() override {
        Sha256Digest digest{};
        EVP_DigestFinal_ex(context_.get(), digest.data(), nullptr);
        return digest;
    }

private:
    DigestContext context_;
};

// An RSA key from DER SubjectPublicKeyInfo that fills the whole span; null for anything else.
PublicKey ReadRsaKey(std::span<const std::uint8_t> der) {
    const unsigned char* cursor = der.data();
    PublicKey key(d2i_PUBKEY(nullptr, &cursor, static_cast<long>(der.size())));
    if (!key || cursor != der.data() + der.size() || EVP_PKEY_base_id(key.get()) != EVP_PKEY_RSA) return nullptr;
    return key;
}

bool Verify(EVP_PKEY* key, std::span<const std::uint8_t> message, std::span<const std::uint8_t> signature) {
    // A signature shorter than the modulus is refused as the Windows provider refuses it.
    if (signature.size() != static_cast<std::size_t>(EVP_PKEY_get_size(key))) return false;
    DigestContext context(EVP_MD_CTX_new());
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, EVP_sha256(), nullptr, key) != 1) return false;
    return EVP_DigestVerify(context.get(), signature.data(), signature.size(), message.data(), message.size()) == 1;
}

}  // namespace

std::unique_ptr<ISha256> OpenSslCrypto::NewSha256() { return std::make_unique<OpenSslSha256>(); }

bool OpenSslCrypto::VerifyRsaSha256(std::span<const std::uint8_t> publicKey, std::span<const std::uint8_t> message,
                                    std::span<const std::uint8_t> signature) {
    const PublicKey key = ReadRsaKey(publicKey);
    const bool verified = key && Verify(key.get(), message, signature);
    // A refused key or signature leaves reasons on the thread's error queue; none may linger.
    ERR_clear_error();
    return verified;
}

}  // namespace veltra
