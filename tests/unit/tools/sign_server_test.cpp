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
    std::vector<std::string> paths;
    for (const ManifestEntry& entry : normal.manifest->files) paths.push_back(entry.path);
    EXPECT_EQ(paths, (std::vector<std::string>{"DataBase/VT5/VDList.xml", "VGA/NV/191.07/link.exe",
                                               "VGA/NV/191.07/set up.exe"}));
    EXPECT_EQ(dqa.manifest->files[0].path, "DQATest/VT5/VDList.xml");
    EXPECT_EQ(dqa.manifest->files.size(), 3u);
    EXPECT_EQ(normal.manifest->sequence, 42u);
    EXPECT_NEAR(static_cast<double>(normal.manifest->expires - std::time(nullptr)), 2 * 86400.0, 60.0);
    OpenSslCrypto crypto;
    auto hash = crypto.NewSha256();
    hash->Add(std::span(reinterpret_cast<const std::uint8_t*>("MZ"), 2));
    EXPECT_EQ(CheckFile(*normal.manifest, "VGA/NV/191.07/link.exe", 2, hash->Finish()), FileVerdict::Matches);
    const fs::path byOpenssl = tree_ / "openssl.sig";
    ASSERT_EQ(std::system(("openssl dgst -sha256 -sign " + key_ + " -out " + byOpenssl.string() + " " +
                           (tree_ / "DQATest/manifest.txt").string()).c_str()), 0);
    EXPECT_EQ(ReadBytes(byOpenssl), ReadBytes(tree_ / "DQATest/manifest.sig"));
}

TEST_F(SignServer, RefusesBadCommandLinesAndLinksOutOfTheTree) {
    const std::string base = "--key " + key_ + " --tree " + tree_.string();
    const std::pair<std::string, int> usage[] = {
        {"--tree " + tree_.string(), 2}, {base + " --expires 2001-01-01", 2}, {base + " --days 0", 2},
        {base + " --days 2 --expires 2099-01-01", 2}, {base + " --sequence -1", 2}, {base + " --colour red", 2},
        {"--key " + tree_.string() + "/DQATest/VT5/VDList.xml --tree " + tree_.string(), 1}};
    for (const auto& [arguments, exitCode] : usage) EXPECT_EQ(RunTool(arguments).first, exitCode) << arguments;
    fs::create_symlink("/etc/hostname", tree_ / "DataBase/escape");
    const auto [exitCode, output] = RunTool(base);
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(output.find("escape leads out of the tree"), std::string::npos) << output;
    EXPECT_EQ(ReadBytes(tree_ / "DataBase/manifest.txt"), (Bytes{'o', 'l', 'd'}));
}

}  // namespace
}  // namespace veltra
