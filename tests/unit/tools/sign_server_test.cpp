#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/openssl/openssl_crypto.h"
#include "trust/manifest_check.h"
#include "trust/manifest_fields.h"

namespace veltra {
namespace {
namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const fs::path& file) {
    std::ifstream input(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(input), {});
}

void WriteText(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// The tool's exit code and what it printed.
std::pair<int, std::string> RunTool(const std::string& arguments) {
    std::FILE* pipe = popen((std::string(VELTRA_SIGN_SERVER) + " " + arguments + " 2>&1").c_str(), "r");
    std::string output;
    for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) output.push_back(static_cast<char>(c));
    return {WEXITSTATUS(pclose(pipe)), output};
}

class SignServer : public ::testing::Test {
protected:
    void SetUp() override {
        WriteText(tree_ / "DataBase/VT5/VDList.xml", "<list/>\n");
        WriteText(tree_ / "DQATest/VT5/VDList.xml", "<dqa/>\n");
        WriteText(tree_ / "VGA/NV/191.07/set up.exe", "MZ");
        WriteText(tree_ / "DataBase/manifest.txt", "old");
        fs::create_symlink("set up.exe", tree_ / "VGA/NV/191.07/link.exe");
    }
    void TearDown() override { fs::remove_all(tree_); }

    ManifestCheck Check(const std::string& folder) {
        OpenSslCrypto crypto;
        const Bytes key = ReadBytes(std::string(VELTRA_SOURCE_DIR) + "/tests/fixtures/signatures/demo-public.der");
        return CheckManifest(crypto, key, ReadBytes(tree_ / folder / "manifest.txt"),
                             ReadBytes(tree_ / folder / "manifest.sig"), std::time(nullptr), 42);
    }

    const fs::path tree_ = fs::temp_directory_path() / ("sign-server-test-" + std::to_string(::getpid()));
    const std::string key_ = std::string(VELTRA_SOURCE_DIR) + "/examples/keys/demo-private.pem";
};

TEST_F(SignServer, SignsEachFolderWithItsFilesAsOpensslWould) {
    const auto [exitCode, output] = RunTool("--key " + key_ + " --tree " + tree_.string() + " --sequence 42 --days 2");
    ASSERT_EQ(exitCode, 0) << output;
    const ManifestCheck normal = Check("DataBase"), dqa = Check("DQATest");
    ASSERT_EQ(normal.verdict, ManifestVerdict::Accepted) << output;
    ASSERT_EQ(dqa.verdict, ManifestVerdict::Accepted) << output;
    // Sorted by path, the other folder and the old manifest left out, a link inside the tree followed.
    const std::string mz = "9b8db510ef42b8ed54a3712636fda55a4f8cfcd5493e20b74ab00cd4f3979f2d 2 VGA/NV/191.07/";
    EXPECT_EQ(WriteManifest(*normal.manifest), "veltra-manifest 1\nsequence 42\nexpires " +
              UtcTimeText(normal.manifest->expires) + "\n" + DigestHex(normal.manifest->files[0].sha256) +
              " 8 DataBase/VT5/VDList.xml\n" + mz + "link.exe\n" + mz + "set up.exe\n");
    EXPECT_EQ(dqa.manifest->files[0].path, "DQATest/VT5/VDList.xml");
    EXPECT_NEAR(static_cast<double>(normal.manifest->expires - std::time(nullptr)), 2 * 86400.0, 60.0);
    const fs::path byOpenssl = tree_ / "openssl.sig";
    ASSERT_EQ(std::system(("openssl dgst -sha256 -sign " + key_ + " -out " + byOpenssl.string() + " " +
                           (tree_ / "DQATest/manifest.txt").string()).c_str()), 0);
    EXPECT_EQ(ReadBytes(byOpenssl), ReadBytes(tree_ / "DQATest/manifest.sig"));
}

TEST_F(SignServer, RefusesBadCommandLinesAndLinksOutOfTheTree) {
    const std::string base = "--key " + key_ + " --tree " + tree_.string();
    for (const std::string& arguments : {"--tree " + tree_.string(), base + " --expires 2001-01-01",
                                         base + " --days 2 --expires 2099-01-01", base + " --colour red"}) {
        EXPECT_EQ(RunTool(arguments).first, 2) << arguments;
    }
    EXPECT_EQ(RunTool("--key " + tree_.string() + "/DQATest/VT5/VDList.xml --tree " + tree_.string()).first, 1);
    fs::create_symlink("/etc/hostname", tree_ / "DataBase/escape");
    const auto [exitCode, output] = RunTool(base);
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(output.find("escape leads out of the tree"), std::string::npos) << output;
    EXPECT_EQ(ReadBytes(tree_ / "DataBase/manifest.txt"), (Bytes{'o', 'l', 'd'}));
}

}  // namespace
}  // namespace veltra
