#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/text.h"
#include "catalogue/result_list.h"
#include "cli/saved_identity.h"
#include "cli_run.h"
#include "../catalogue/catalogue_fixture.h"

namespace veltra::testing {
namespace {

using ::testing::HasSubstr;

struct CheckCli {
    CheckCli() {
        fake.fileSystem.AddFolder(u"C:\\W\\VT5\\LOG");
        for (const auto& [path, bytes] : BundledCatalogues("DataBase"))
            fake.fileSystem.AddFile(u"C:\\W\\VT5\\DL_INFO\\" + Utf8ToUtf16(path.substr(path.rfind('/') + 1)), bytes);
        fake.fileSystem.AddFile(u"C:\\id\\demo.json", SourceFile("examples/identities/demo-pc.json"));
    }
    CliRun Run(std::vector<std::u16string> arguments) {
        arguments.insert(arguments.begin() + 1, {u"--work", u"C:\\W"});  // an option's value may end the line
        return RunCommand(fake, arguments);
    }
    void SetIdentity(const std::string& json) { fake.fileSystem.AddFile(u"C:\\id\\x.json", Bytes(json)); }
    fakes::FakePlatform fake;
};

TEST(CliCheck, ChecksASavedIdentityWritesTheResultFileAndListsItAgain) {
    CheckCli cli;
    const CliRun check = cli.Run({u"check", u"--identity", u"C:\\id\\demo.json"});
    EXPECT_EQ(check.exitCode, 0) << check.err;
    EXPECT_THAT(check.out, ::testing::StartsWith("1\tMB BIOS\tQB-7100\t1.20\t1.30\tQB-7100/130\n"
                                                 "2\tMB Driver\tNorva HD Audio Driver\tUnknown\t6.0.1.5919\tAudio/6015919\n"));
    EXPECT_THAT(check.out, ::testing::EndsWith("\n9 updates\n"));
    EXPECT_EQ(cli.fake.fileSystem.Contents(CheckListPath(u"C:\\W\\")), SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
    const CliRun list = cli.Run({u"list"});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out, check.out);
    const CliRun json = cli.Run({u"list", u"--json"});
    EXPECT_THAT(json.out, ::testing::StartsWith(
                              "{\"count\":9,\"rows\":[{\"index\":\"1\",\"flag\":\"N\",\"type\":\"MB BIOS\",\"item\":\"QB-7100\","
                              "\"currentVersion\":\"1.20\",\"onlineVersion\":\"1.30\",\"webPath\":\"QB-7100/130\","
                              "\"description\":\"Improves memory compatibility.\\r\\nAdds fan curve presets.\"}"));
}

TEST(CliCheck, CategoriesNarrowTheCheckByNameOrNumber) {
    CheckCli cli;
    CliRun run = cli.Run({u"check", u"--identity", u"C:\\id\\demo.json", u"--categories", u"vga-bios,mb-bios,other-utility"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.out, HasSubstr("\tVGA BIOS\tQB-7600\t"));
    EXPECT_THAT(run.out, ::testing::EndsWith("\n4 updates\n"));
    run = cli.Run({u"check", u"--identity", u"C:\\id\\demo.json", u"--categories", u"2"});
    EXPECT_EQ(run.out, "1\tMB BIOS\tQB-7100\t1.20\t1.30\tQB-7100/130\n1 update\n");
    for (const char16_t* bad : {u"0", u"128", u"bios", u"mb-bios,", u""}) {
        run = cli.Run({u"check", u"--categories", bad});
        EXPECT_EQ(run.exitCode, 2) << Utf16ToUtf8(bad);
        EXPECT_THAT(run.err, ::testing::StartsWith("veltra-cli: option --categories takes names from mb-driver,"));
    }
}

// Every card field of a saved identity is read (only some reach a check's result).
TEST(SavedIdentityFile, EveryCardFieldIsRead) {
    const std::vector<unsigned char> bytes = SourceFile("examples/identities/demo-pc.json");
    const SavedIdentityResult read = ParseSavedIdentity(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(read.identity && read.identity->pVGA) << read.error;
    const VGAInfo& card = *read.identity->pVGA;
    EXPECT_EQ((std::vector<std::string>{Utf16ToUtf8(card.sVendor), Utf16ToUtf8(card.sBIOSVersion), Utf16ToUtf8(card.sBIOSText),
                                        Utf16ToUtf8(card.sModelNo), Utf16ToUtf8(card.sDriverVersion),
                                        Utf16ToUtf8(card.sProcessor), Utf16ToUtf8(card.sCardName), std::to_string(card.nDeviceID)}),
              (std::vector<std::string>{"NVIDIA", "62.94.1A.00.07", "QB-7600", "7600-512", "8.17.11.9038", "Norva GPU 7600",
                                        "QB-7600 512MB", "3741"}));
}

TEST(CliCheck, ABadIdentityFileGivesOneLineNamingTheProblem) {
    CheckCli cli;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "identity file is not JSON: unexpected end at byte 0"},
        {"[1]", "identity file is not a JSON object"},
        {"{\"VT5\": {\"nOS\": 1}} x", "identity file is not JSON: unexpected text after the document at byte 20"},
        {"{}", "identity field \"VT5\" is missing"},
        {"{\"VT5\":{\"nOS\":\"4096\"}}", "identity field \"VT5.nOS\" is not a 32-bit integer"},
        {"{\"VT5\":{\"nOS\":4096,\"sOSCode\":\"W764\",\"cMB_Model\":\"QB-1\",\"cMB_BIOS_Version\":\"1\","
         "\"cMB_BIOS_Vendor\":\"v\",\"saPciIds\":[\"VEN_1&DEV_2\",3]}}",
         "identity field \"VT5.saPciIds[1]\" is not a text"},
        {std::string(100, '[') + std::string(100, ']'), "identity file is not JSON: nesting too deep at byte 65"},
        {"{\"a\":\"\\q\"}", "identity file is not JSON: bad escape in a string at byte 8"},
        {"{\"a\":\"\\u12\"}", "identity file is not JSON: bad escape in a string at byte 8"},
        {"{\"V\\u0054\\u0035\":{\"\\uD83D\\uDE00\\t\":1,\"nOS\":1.5}}", "identity file is not JSON: numbers must be integers at byte 44"},
        {"{\"V\\u0054\\u0035\":{\"nOS\":\"\\uD83D\\uDE00\\t\"}}", "identity field \"VT5.nOS\" is not a 32-bit integer"},
        {"{\"a\":\"\\uD83D\\uDZ00\"}", "identity file is not JSON: bad escape in a string at byte 14"},
        {"{\"a\":\"b", "identity file is not JSON: unterminated string at byte 7"},
        {"{\"VT5\":{\"nOS\":99999999999999999999}}", "identity file is not JSON: expected a value at byte 14"},
        {"{\"VT5\":{\"nOS\":-1}}", "identity field \"VT5.nOS\" is negative"},
        {std::string("\xFF\xFE{", 3), "identity file is not UTF-8 or UTF-16 text"},
        {std::string("\xEF\xBB\xBF[1]"), "identity file is not a JSON object"},
        {std::string("\xFF\xFE[\0""1\0]\0", 8), "identity file is not a JSON object"},
    };
    // The last results stay as they were.
    const std::vector<unsigned char> last = SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec");
    cli.fake.fileSystem.AddFile(CheckListPath(u"C:\\W\\"), last);
    for (const auto& [json, error] : cases) {
        cli.SetIdentity(json);
        const CliRun run = cli.Run({u"check", u"--identity", u"C:\\id\\x.json"});
        EXPECT_EQ(run.exitCode, 2) << json;
        EXPECT_EQ(run.err, "veltra-cli: " + error + "\n") << json;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(cli.fake.fileSystem.Contents(CheckListPath(u"C:\\W\\")), last) << json;
    }
    const CliRun missing = cli.Run({u"check", u"--identity", u"C:\\id\\none.json"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "veltra-cli: cannot read the identity file C:\\id\\none.json\n");
}

}  // namespace
}  // namespace veltra::testing
