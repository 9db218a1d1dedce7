#include "platform/win32/win32_crypto.h"

#include <windows.h>
#include <wincrypt.h>

#include <algorithm>
#include <vector>

namespace veltra {
namespace {

// One verify-only provider context; no key container is created or touched.
class Provider {
public:
    Provider() {
        if (!CryptAcquireContextW(&handle_, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT | CRYPT_SILENT))
            handle_ = 0;
    }
    Provider(const Provider&) = delete;
    Provider& operator=(const Provider&) = delete;
    ~Provider() {
        if (handle_ != 0) CryptReleaseContext(handle_, 0);
    }
    HCRYPTPROV Get() const { return handle_; }

private:
    HCRYPTPROV handle_ = 0;
};

class Hash {
public:
    explicit Hash(const Provider& provider) {
        if (provider.Get() == 0 || !CryptCreateHash(provider.Get(), CALG_SHA_256, 0, 0, &handle_)) handle_ = 0;
    }
    Hash(const Hash&) = delete;
    Hash& operator=(const Hash&) = delete;
    ~Hash() {
        if (handle_ != 0) CryptDestroyHash(handle_);
    }
    HCRYPTHASH Get() const { return handle_; }

    bool Add(std::span<const std::uint8_t> bytes) {
        // The call takes 32-bit lengths: a larger block goes in pieces.
        constexpr std::size_t kPiece = 1u << 30;
        for (std::size_t at = 0; handle_ != 0 && at < bytes.size(); at += kPiece) {
            const DWORD length = static_cast<DWORD>(std::min(kPiece, bytes.size() - at));
            if (!CryptHashData(handle_, bytes.data() + at, length, 0)) return false;
        }
        return handle_ != 0;
    }

private:
    HCRYPTHASH handle_ = 0;
};

class Win32Sha256 final : public ISha256 {
public:
    void Add(std::span<const std::uint8_t> bytes) override { good_ = hash_.Add(bytes) && good_; }
    // A provider that failed gives a digest of zeros, which no signed list holds.
    Sha256Digest Finish() override {
        Sha256Digest digest{};
        DWORD length = static_cast<DWORD>(digest.size());
        if (!good_ || !CryptGetHashParam(hash_.Get(), HP_HASHVAL, digest.data(), &length, 0)) return Sha256Digest{};
        return digest;
    }

private:
    Provider provider_;
    Hash hash_{provider_};
    bool good_ = true;
};

class PublicKey {
public:
    PublicKey(const Provider& provider, std::span<const std::uint8_t> der) {
        CERT_PUBLIC_KEY_INFO* info = nullptr;
        DWORD size = 0;
        if (provider.Get() == 0 || der.empty() ||
            !CryptDecodeObjectEx(X509_ASN_ENCODING, X509_PUBLIC_KEY_INFO, der.data(), static_cast<DWORD>(der.size()),
                                 CRYPT_DECODE_ALLOC_FLAG, nullptr, &info, &size))
            return;
        if (!CryptImportPublicKeyInfo(provider.Get(), X509_ASN_ENCODING, info, &handle_)) handle_ = 0;
        LocalFree(info);
    }
    PublicKey(const PublicKey&) = delete;
    PublicKey& operator=(const PublicKey&) = delete;
    ~PublicKey() {
        if (handle_ != 0) CryptDestroyKey(handle_);
    }
    HCRYPTKEY Get() const { return handle_; }

private:
    HCRYPTKEY handle_ = 0;
};

}  // namespace

std::unique_ptr<ISha256> Win32Crypto::NewSha256() { return std::make_unique<Win32Sha256>(); }

bool Win32Crypto::VerifyRsaSha256(std::span<const std::uint8_t> publicKey, std::span<const std::uint8_t> message,
                                  std::span<const std::uint8_t> signature) {
    const Provider provider;
    const PublicKey key(provider, publicKey);
    Hash hash(provider);
    if (key.Get() == 0 || signature.empty() || !hash.Add(message)) return false;
    // The API reads signatures least significant byte first; OpenSSL writes them the other way.
    std::vector<BYTE> reversed(signature.rbegin(), signature.rend());
    return CryptVerifySignatureW(hash.Get(), reversed.data(), static_cast<DWORD>(reversed.size()), key.Get(), nullptr,
                                 0) != FALSE;
}

}  // namespace veltra
