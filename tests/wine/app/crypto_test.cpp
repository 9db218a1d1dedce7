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
    const struct {
        const char* what;
        Bytes key, message, signature;
        bool good;
    } rows[] = {
        {"demo key", demo, text, signature, true},
        {"other key", other, text, otherSignature, true},
        {"other key's signature", demo, text, otherSignature, false},
        {"tampered text", demo, tampered, signature, false},
        {"no key", {}, text, signature, false},
    };
    Win32Crypto crypto;
    for (const auto& row : rows) EXPECT_EQ(crypto.VerifyRsaSha256(row.key, row.message, row.signature), row.good) << row.what;
}

}  // namespace
}  // namespace veltra
