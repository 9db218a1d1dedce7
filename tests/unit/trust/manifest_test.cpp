#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "fakes/fake_file_system.h"
#include "platform/openssl/openssl_crypto.h"
#include "trust/base64.h"
#include "trust/file_digest.h"
#include "trust/manifest.h"
#include "trust/manifest_check.h"
#include "trust/manifest_path.h"

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
    Bytes text, signature;
    std::string folder;  // the one it was fetched from
    std::int64_t now;
    std::uint64_t lastAccepted;
    ManifestVerdict verdict;
    std::u16string logLine;
};

TEST(CheckManifest, GivesEachVerdictOnTheSignedFixtures) {
    const Bytes demo = Fixture("demo-public.der");
    const Bytes text = Fixture("manifest.txt"), signature = Fixture("manifest.sig");
    const Bytes dqaText = Fixture("manifest-dqa.txt"), dqaSignature = Fixture("manifest-dqa.sig");
    Bytes tampered = text;
    tampered[tampered.size() - 2] ^= 1;
    const std::u16string accepted = u"Update manifest accepted: sequence 1765152000, expires 2027-12-07T00:00:00Z";
    const std::u16string refused = u"Update manifest refused ";
    const std::u16string badSignature = refused + u"(bad signature): the signature does not match the pinned key";
    const CheckRow rows[] = {
        {"good", text, signature, "DataBase", kExpires - 1, kSequence, ManifestVerdict::Accepted, accepted},
        {"good DQA", dqaText, dqaSignature, "DQATest", kExpires - 1, kSequence, ManifestVerdict::Accepted, accepted},
        {"older one kept", text, signature, "DataBase", 0, kSequence - 1, ManifestVerdict::Accepted, accepted},
        {"expired", text, signature, "DataBase", kExpires, 0, ManifestVerdict::Expired,
         refused + u"(expired): expired at 2027-12-07T00:00:00Z"},
        {"replayed", text, signature, "DataBase", kExpires, kSequence + 1, ManifestVerdict::Replayed,
         refused + u"(replayed): sequence 1765152000 is lower than the last accepted 1765152001"},
        {"DataBase's list in DQATest", text, signature, "DQATest", 0, 0, ManifestVerdict::WrongFolder,
         refused + u"(wrong folder): the list is for DataBase, fetched from DQATest"},
        {"DQATest's list in DataBase", dqaText, dqaSignature, "DataBase", 0, kSequence + 1, ManifestVerdict::WrongFolder,
         refused + u"(wrong folder): the list is for DQATest, fetched from DataBase"},
        {"tampered", tampered, signature, "DataBase", 0, 0, ManifestVerdict::BadSignature, badSignature},
        {"other key's signature", text, Fixture("manifest-other-key.sig"), "DataBase", 0, 0, ManifestVerdict::BadSignature,
         badSignature},
        {"signed garbage", Fixture("malformed.txt"), Fixture("malformed.sig"), "DataBase", 0, 0, ManifestVerdict::Malformed,
         refused + u"(malformed): the sequence or the expiry is missing"},
    };
    OpenSslCrypto crypto;
    for (const CheckRow& row : rows) {
        const ManifestCheck check = CheckManifest(crypto, demo, row.text, row.signature, row.folder, row.now, row.lastAccepted);
        EXPECT_EQ(check.verdict, row.verdict) << row.what;
        EXPECT_EQ(check.manifest.has_value(), row.verdict == ManifestVerdict::Accepted) << row.what;
        EXPECT_EQ(DescribeVerdict(check).logLine, row.logLine) << row.what;
        EXPECT_EQ(DescribeVerdict(check).message.empty(), row.verdict == ManifestVerdict::Accepted) << row.what;
    }
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
}

const std::string kHash(64, 'a');
const std::string kHead = "veltra-manifest 1\nsequence 5\nexpires 2027-12-07T00:00:00Z\nfolder DataBase\n";

ManifestRead Read(const std::string& text) {
    return ReadManifest({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

struct ReaderRow {
    const char* what;
    std::string text;
    std::string error;  // empty: the text must be read
};

TEST(ManifestReader, AcceptsTheFormatsBoundariesAndRefusesEverythingElseWithItsLine) {
    const std::string line = kHash + " 1 ";
    const ReaderRow rows[] = {
        {"CR LF, comments, no final LF", "# c\r\n\r\nveltra-manifest 1\r\nexpires 1970-01-01T00:00:00Z\nfolder D\nsequence 0\n" +
                                             line + "a b/c d", ""},
        {"largest numbers", "veltra-manifest 1\nfolder \u00C4\nsequence 18446744073709551615\nexpires 9999-12-31T23:59:59Z\n" +
                                kHash + " 18446744073709551615 x", ""},
        {"leap day", "veltra-manifest 1\nsequence 1\nexpires 2028-02-29T00:00:00Z\nfolder DQATest\n", ""},
        {"longest path", kHead + line + std::string(1024, 'p'), ""},
        {"empty", "", "the manifest is empty"},
        {"other version", "veltra-manifest 2\n", "line 1: the manifest does not begin with \"veltra-manifest 1\""},
        {"byte order mark", "\xEF\xBB\xBF" + kHead, "line 1: the manifest does not begin with \"veltra-manifest 1\""},
        {"no sequence", "veltra-manifest 1\nexpires 2027-12-07T00:00:00Z\n", "the sequence or the expiry is missing"},
        {"sequence twice", kHead + "sequence 6\n", "line 5: the sequence is given twice"},
        {"no folder", "veltra-manifest 1\nsequence 1\nexpires 2027-12-07T00:00:00Z\n", "the folder is missing"},
        {"folder twice", kHead + "folder DataBase\n", "line 5: the folder is given twice"},
        {"folder of two segments", "veltra-manifest 1\nfolder a/b\n", "line 2: the folder is not a single path segment"},
        {"empty folder", "veltra-manifest 1\nfolder \n", "line 2: the folder is not a single path segment"},
        {"folder after files", kHead + line + "x\nfolder D\n",
         "line 6: the folder, the sequence and the expiry come before the file lines"},
        {"sequence too large", "veltra-manifest 1\nsequence 18446744073709551616\n",
         "line 2: the sequence is not a 64-bit decimal number"},
        {"file before fields", "veltra-manifest 1\nsequence 1\nexpires 2027-12-07T00:00:00Z\n" + line + "x\n",
         "line 4: a file line comes before the folder, the sequence and the expiry"},
        {"field after files", kHead + line + "x\nsequence 6\n",
         "line 6: the folder, the sequence and the expiry come before the file lines"},
    };
    for (const ReaderRow& row : rows) {
        const ManifestRead read = Read(row.text);
        EXPECT_EQ(read.manifest.has_value(), row.error.empty()) << row.what;
        EXPECT_EQ(read.error, row.error) << row.what;
    }
}

TEST(ManifestReader, RefusesBadFieldsAndPaths) {
    const std::string expiryError = "line 3: the expiry is not a UTC time YYYY-MM-DDTHH:MM:SSZ";
    const std::string hashError = "line 5: a file line does not start with 64 lowercase hexadecimal digits and a space";
    const std::string sizeError = "line 5: the size is not a decimal number followed by a space";
    const std::string pathError = "line 5: the path is not relative and '/'-separated, or has an empty, '.' or '..' "
                                  "segment, a backslash, a control character or more than 1024 bytes";
    const char* const times[] = {"2027-02-29T00:00:00Z", "2027-12-07T24:00:00Z", "2027-12-07T23:59:60Z",
                                 "2027-12-07T00:00:00z", "1969-12-31T23:59:59Z", "2027-13-01T00:00:00Z",
                                 "2027-12-07 00:00:00Z", "2027-12-07T00:00:00Z "};
    for (const char* time : times) {
        EXPECT_EQ(Read("veltra-manifest 1\nsequence 1\nexpires " + std::string(time) + "\n").error, expiryError) << time;
    }
    const std::pair<std::string, std::string> fileRows[] = {
        {std::string(64, 'A') + " 1 x", hashError}, {std::string(63, 'a') + " 1 x", hashError},
        {kHash + "  1 x", sizeError}, {kHash + " 1", sizeError}, {kHash + " -1 x", sizeError},
        {kHash + " 1 ", pathError}, {kHash + " 1 /x", pathError}, {kHash + " 1 a//b", pathError}, {kHash + " 1 a/../b", pathError},
        {kHash + " 1 a\\b", pathError}, {kHash + " 1 a\x1F", pathError}, {kHash + " 1 a\xC2\x9F", pathError}, {kHash + " 1 a\xFF", pathError},
        {kHash + " 1 " + std::string(1025, 'p'), pathError},
    };
    for (const auto& [file, error] : fileRows) EXPECT_EQ(Read(kHead + file + "\n").error, error) << file;
    EXPECT_EQ(Read(kHead + kHash + " 1 x\n" + kHash + " 2 x\n").error, "line 6: the path is listed twice");
}

TEST(ManifestReader, RefusesMoreThanFourMebibytes) {
    std::string text = kHead;
    text.resize(kMaxManifestBytes, '\n');
    EXPECT_TRUE(Read(text).manifest);
    text.push_back('\n');
    EXPECT_EQ(Read(text).error, "the manifest is larger than 4 MiB");
}

TEST(ManifestWriter, WritesTheDocumentedLinesThatReadBackTheSame) {
    Manifest manifest{"DataBase", 1765152000, 1828185255, {{"DataBase/VT5/VDList.xml", 12, {}}, {"a b", 0, {}}}};
    manifest.files[0].sha256[0] = 0xA9;
    manifest.files[0].sha256[31] = 0x07;
    const std::string text = WriteManifest(manifest);
    EXPECT_EQ(text, "veltra-manifest 1\nfolder DataBase\nsequence 1765152000\nexpires 2027-12-07T13:14:15Z\na9" + std::string(60, '0') +
                        "07 12 DataBase/VT5/VDList.xml\n" + std::string(64, '0') + " 0 a b\n");
    EXPECT_EQ(Read(text).manifest, manifest);
}

TEST(ManifestPath, TakesWhatFollowsTheBaseWhenItIsAManifestPath) {
    const std::u16string base = u"http://127.0.0.1:8080/srv";
    const std::pair<std::u16string, std::optional<std::string>> rows[] = {
        {base + u"/DataBase/VT5/VDList.xml", "DataBase/VT5/VDList.xml"}, {base + u"/Gr\u00FC\u00DFe", "Gr\xC3\xBC\xC3\x9F" "e"},
        {base + u"/a%20b", "a%20b"}, {base + u"/", std::nullopt}, {base + u"x/a", std::nullopt},
        {u"http://127.0.0.1:8080/SRV/a", std::nullopt}, {base + u"/a?b", std::nullopt}, {base + u"/a/../b", std::nullopt},
        {base + u"/a\\b", std::nullopt}, {base + u"/a" + std::u16string(1, char16_t(0xD800)), std::nullopt},
        {base + u"/a\u007F", std::nullopt}, {base + u"/a\u009F", std::nullopt}, {base + u"/a\u00A0", "a\xC2\xA0"},
    };
    for (const auto& [url, path] : rows) {
        EXPECT_EQ(ManifestPath(url, base), path) << std::string(url.begin(), url.end());
    }
}

TEST(Base64, DecodesStrictly) {
    EXPECT_EQ(DecodeBase64("TWFu+/+/TQ=="), (std::vector<std::uint8_t>{'M', 'a', 'n', 0xFB, 0xFF, 0xBF, 'M'}));
    EXPECT_EQ(DecodeBase64("TWE="), (std::vector<std::uint8_t>{'M', 'a'}));
    for (const char* bad : {"TWF", "TR==", "TWF=", "T===", "TW=u", "TW u", "TWFu\n", "====", "TWFu===="}) {
        EXPECT_TRUE(DecodeBase64(bad).empty()) << bad;
    }
}

}  // namespace
}  // namespace veltra
