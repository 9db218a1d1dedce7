#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_crypto.h"
#include "support/source_tree.h"

namespace veltra {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Fixture(const std::string& name) {
    const std::string bytes = winetest::ReadBytes(winetest::SourcePath("tests/fixtures/signatures/" + name));
    return Bytes(bytes.begin(), bytes.end());
}

// The fixtures OpenSSL checks in the native tests: the system's crypto API must agree.
TEST(Win32Crypto, AgreesWithOpenSslOnTheSignedFixtures) {
    const Bytes demo = Fixture("demo-public.der"), other = Fixture("other-public.der");
    const Bytes text = Fixture("manifest.txt"), signature = Fixture("manifest.sig");
    const Bytes otherSignature = Fixture("manifest-other-key.sig");
    ASSERT_FALSE(text.empty() || signature.empty() || otherSignature.empty() || demo.empty() || other.empty());
    Bytes tampered = text;
    tampered[tampered.size() - 2] ^= 1;
    struct Row {
        const char* what;
        Bytes key;
        Bytes message;
        Bytes signature;
        bool good;
    };
    const Row rows[] = {
        {"demo key", demo, text, signature, true},
        {"other key", other, text, otherSignature, true},
        {"other key's signature", demo, text, otherSignature, false},
        {"other key pinned", other, text, signature, false},
        {"tampered text", demo, tampered, signature, false},
        {"signature cut", demo, text, Bytes(signature.begin() + 1, signature.end()), false},
        {"no signature", demo, text, {}, false},
        {"no key", {}, text, signature, false},
    };
    Win32Crypto crypto;
    for (const Row& row : rows) EXPECT_EQ(crypto.VerifyRsaSha256(row.key, row.message, row.signature), row.good) << row.what;
}

TEST(Win32Crypto, HashesInPiecesAsInOne) {
    Win32Crypto crypto;
    const std::string text = "hello world\n";
    const std::unique_ptr<ISha256> whole = crypto.NewSha256();
    whole->Add(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    const std::unique_ptr<ISha256> pieces = crypto.NewSha256();
    for (char c : text) pieces->Add(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(&c), 1));
    // The manifest fixture lists this text's digest.
    const Sha256Digest expected = {0xa9, 0x48, 0x90, 0x4f, 0x2f, 0x0f, 0x47, 0x9b, 0x8f, 0x81, 0x97,
                                   0x69, 0x4b, 0x30, 0x18, 0x4b, 0x0d, 0x2e, 0xd1, 0xc1, 0xcd, 0x2a,
                                   0x1e, 0xc0, 0xfb, 0x85, 0xd2, 0x99, 0xa1, 0x92, 0xa4, 0x47};
    EXPECT_EQ(whole->Finish(), expected);
    EXPECT_EQ(pieces->Finish(), expected);
}

}  // namespace
}  // namespace veltra
