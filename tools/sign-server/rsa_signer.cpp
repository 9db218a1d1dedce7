#include "rsa_signer.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <cstdio>

namespace veltra {
namespace {

struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
struct DigestContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

}  // namespace

std::unique_ptr<RsaSigner> RsaSigner::Load(const std::filesystem::path& pem, std::string& error) {
    const std::unique_ptr<std::FILE, FileClose> file(std::fopen(pem.c_str(), "rb"));
    if (!file) {
        error = "cannot open the key " + pem.string();
        return nullptr;
    }
    EVP_PKEY* key = PEM_read_PrivateKey(file.get(), nullptr, nullptr, nullptr);
    if (key == nullptr || EVP_PKEY_base_id(key) != EVP_PKEY_RSA) {
        EVP_PKEY_free(key);
        error = pem.string() + " holds no RSA private key in PEM form";
        return nullptr;
    }
    return std::unique_ptr<RsaSigner>(new RsaSigner(key));
}

RsaSigner::~RsaSigner() { EVP_PKEY_free(key_); }

std::vector<std::uint8_t> RsaSigner::Sign(std::span<const std::uint8_t> message) const {
    const std::unique_ptr<EVP_MD_CTX, DigestContextFree> context(EVP_MD_CTX_new());
    if (!context || EVP_DigestSignInit(context.get(), nullptr, EVP_sha256(), nullptr, key_) != 1) return {};
    std::size_t length = static_cast<std::size_t>(EVP_PKEY_get_size(key_));
    std::vector<std::uint8_t> signature(length);
    if (EVP_DigestSign(context.get(), signature.data(), &length, message.data(), message.size()) != 1) return {};
    signature.resize(length);
    return signature;
}

std::vector<std::uint8_t> RsaSigner::PublicKeyDer() const {
    const int length = i2d_PUBKEY(key_, nullptr);
    if (length <= 0) return {};
    std::vector<std::uint8_t> der(static_cast<std::size_t>(length));
    unsigned char* cursor = der.data();
    i2d_PUBKEY(key_, &cursor);
    return der;
}

}  // namespace veltra
