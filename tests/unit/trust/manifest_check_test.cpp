#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "fakes/fake_file_system.h"
#include "platform/openssl/openssl_crypto.h"
#include "trust/file_digest.h"
#include "trust/manifest_check.h"
#include "trust/pinned_key.h"

namespace veltra {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Fixture(const std::string& name) {
    std::ifstream input(std::string(VELTRA_SOURCE_DIR) + "/tests/fixtures/signatures/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(input), {});
}

constexpr std::int64_t kExpires = 1828137600;  // 2027-12-07T00:00:00Z
constexpr std::uint64_t kSequence = 1765152000;

struct CheckRow {
    const char* what;
    Bytes key, text, signature;
    std::int64_t now;
    std::uint64_t lastAccepted;
    ManifestVerdict verdict;
    std::u16string logLine;
};

TEST(CheckManifest, GivesEachVerdictOnTheSignedFixtures) {
    const Bytes demo = Fixture("demo-public.der");
    const Bytes text = Fixture("manifest.txt"), signature = Fixture("manifest.sig");
    Bytes tampered = text;
    tampered[tampered.size() - 2] ^= 1;
    const std::u16string accepted = u"Update manifest accepted: sequence 1765152000, expires 2027-12-07T00:00:00Z";
    const std::u16string refused = u"Update manifest refused ";
    const std::u16string badSignature = refused + u"(bad signature): the signature does not match the pinned key";
    const CheckRow rows[] = {
        {"good", demo, text, signature, kExpires - 1, kSequence, ManifestVerdict::Accepted, accepted},
        {"older one kept", demo, text, signature, 0, kSequence - 1, ManifestVerdict::Accepted, accepted},
        {"expired", demo, text, signature, kExpires, 0, ManifestVerdict::Expired,
         refused + u"(expired): expired at 2027-12-07T00:00:00Z"},
        {"replayed", demo, text, signature, kExpires, kSequence + 1, ManifestVerdict::Replayed,
         refused + u"(replayed): sequence 1765152000 is lower than the last accepted 1765152001"},
        {"tampered", demo, tampered, signature, 0, 0, ManifestVerdict::BadSignature, badSignature},
        {"other key's signature", demo, text, Fixture("manifest-other-key.sig"), 0, 0, ManifestVerdict::BadSignature,
         badSignature},
        {"signed garbage", demo, Fixture("malformed.txt"), Fixture("malformed.sig"), 0, 0, ManifestVerdict::Malformed,
         refused + u"(malformed): the sequence or the expiry is missing"},
    };
    OpenSslCrypto crypto;
    for (const CheckRow& row : rows) {
        const ManifestCheck check = CheckManifest(crypto, row.key, row.text, row.signature, row.now, row.lastAccepted);
        EXPECT_EQ(check.verdict, row.verdict) << row.what;
        EXPECT_EQ(check.manifest.has_value(), row.verdict == ManifestVerdict::Accepted) << row.what;
        EXPECT_EQ(DescribeVerdict(check).logLine, row.logLine) << row.what;
        EXPECT_EQ(DescribeVerdict(check).message.empty(), row.verdict == ManifestVerdict::Accepted) << row.what;
    }
}

TEST(CheckManifest, TheDefaultBuildPinsTheDemoKey) {
    if (!VELTRA_PINS_DEMO_KEY) GTEST_SKIP() << "this build pins another key";
    EXPECT_EQ(PinnedPublicKey(), Fixture("demo-public.der"));
}

TEST(CheckFile, ComparesSizeBeforeHashAndPathsExactly) {
    const std::optional<Manifest> manifest = ReadManifest(Fixture("manifest.txt")).manifest;
    ASSERT_TRUE(manifest);
    OpenSslCrypto crypto;
    std::unique_ptr<ISha256> hash = crypto.NewSha256();
    hash->Add(std::span(reinterpret_cast<const std::uint8_t*>("hel"), 3));
    hash->Add(std::span(reinterpret_cast<const std::uint8_t*>("lo"), 2));
    const Sha256Digest hello = hash->Finish();
    const std::string path = "XBIOS/QB-7100/130/Read me.txt";
    EXPECT_EQ(CheckFile(*manifest, path, 5, hello), FileVerdict::Matches);
    EXPECT_EQ(CheckFile(*manifest, path, 4, hello), FileVerdict::SizeMismatch);
    EXPECT_EQ(CheckFile(*manifest, path, 6, Sha256Digest{}), FileVerdict::SizeMismatch);
    EXPECT_EQ(CheckFile(*manifest, "xbios/QB-7100/130/Read me.txt", 5, hello), FileVerdict::NotListed);
    EXPECT_EQ(DescribeVerdict(FileVerdict::HashMismatch, path).message,
              u"The file XBIOS/QB-7100/130/Read me.txt from the update server is not the one its maker signed. "
              u"It was not used.");
    EXPECT_EQ(DescribeVerdict(FileVerdict::NotListed, "a").logLine, u"File refused (not in the manifest): a");
}

// One byte past the reader's 64 KiB block: the last read holds one byte.
TEST(DigestFile, HashesTheWholeFileInBlocks) {
    const Bytes bytes(65537, 7);
    fakes::FakeFileSystem files;
    files.AddFile(u"C:\\f", std::vector<unsigned char>(bytes.begin(), bytes.end()));
    OpenSslCrypto crypto;
    std::unique_ptr<ISha256> whole = crypto.NewSha256();
    whole->Add(bytes);
    const std::optional<FileDigest> digest = DigestFile(files, crypto, u"C:\\f");
    ASSERT_TRUE(digest);
    EXPECT_EQ(digest->size, bytes.size());
    EXPECT_EQ(digest->sha256, whole->Finish());
    EXPECT_FALSE(DigestFile(files, crypto, u"C:\\missing"));
}

}  // namespace
}  // namespace veltra
