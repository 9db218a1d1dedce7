#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <tuple>
#include <vector>

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
        WriteText(tree_ / "DataBase/manifest.txt", "old");
    }
    void TearDown() override { fs::remove_all(tree_); }

    const fs::path tree_ = fs::temp_directory_path() / ("sign-server-test-" + std::to_string(::getpid()));
    const std::string key_ = std::string(VELTRA_SOURCE_DIR) + "/examples/keys/demo-private.pem";
};

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

// The program's own check accepts each folder's list under the demo key in that folder alone,
// and the list names every file outside the other folder with its size and hash.
TEST_F(SignServer, EachFolderListsItsFilesUnderTheMakersSignature) {
    const auto [exitCode, output] =
        RunTool("--key " + key_ + " --tree " + tree_.string() + " --sequence 7 --expires 2099-01-01");
    ASSERT_EQ(exitCode, 0) << output;
    EXPECT_EQ(output, "sign-server: DataBase/manifest.txt: 1 files, sequence 7, expires 2099-01-01T00:00:00Z\n"
                      "sign-server: DQATest/manifest.txt: 1 files, sequence 7, expires 2099-01-01T00:00:00Z\n");
    OpenSslCrypto crypto;
    const Bytes key = ReadBytes(fs::path(VELTRA_SOURCE_DIR) / "tests/fixtures/signatures/demo-public.der");
    using Listed = std::tuple<std::string, std::string, std::string_view>;  // a folder, its file, the file's text
    for (const auto& [folder, file, text] : {Listed{"DataBase", "DataBase/VT5/VDList.xml", "<list/>\n"},
                                             Listed{"DQATest", "DQATest/VT5/VDList.xml", "<dqa/>\n"}}) {
        const Bytes list = ReadBytes(tree_ / folder / "manifest.txt"), signature = ReadBytes(tree_ / folder / "manifest.sig");
        const ManifestCheck check = CheckManifest(crypto, key, list, signature, folder, 0, 7);
        ASSERT_EQ(check.verdict, ManifestVerdict::Accepted) << folder;
        const std::string other = folder == "DataBase" ? "DQATest" : "DataBase";
        EXPECT_EQ(CheckManifest(crypto, key, list, signature, other, 0, 7).verdict, ManifestVerdict::WrongFolder) << folder;
        const std::unique_ptr<ISha256> hash = crypto.NewSha256();
        hash->Add({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        EXPECT_EQ(check.manifest->files, (std::vector<ManifestEntry>{{file, text.size(), hash->Finish()}})) << folder;
    }
}

}  // namespace
}  // namespace veltra
