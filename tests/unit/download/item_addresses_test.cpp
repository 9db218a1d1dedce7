#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "download/item_addresses.h"
#include "download/launch_file.h"
#include "fakes/fake_program_starter.h"
#include "fakes/recording_debug_sink.h"
#include "platform/windows1252.h"

namespace veltra {
namespace {

constexpr char16_t kBase[] = u"http://srv/upd";
constexpr char16_t kFolder[] = u"C:\\V\\VT5\\DL_FILE\\";

ItemTransfer For(const std::u16string& type, const std::u16string& item, const std::u16string& version,
                 const std::u16string& webPath, const std::u16string& model = u"X-1234") {
    const ResultRow row{u"N", type, item, u"1.0", version, webPath, u"", u"1"};
    return ItemAddresses(row, model, kBase, kFolder);
}

TEST(ItemAddresses, EveryCategoryHasItsServerFolderAndFileName) {
    const ItemTransfer bios = For(u"MB BIOS", u"QB-7100", u"1.30", u"B1234V10");
    EXPECT_EQ(bios.source, u"http://srv/upd/XBIOS/B1234V10/X-1234.exe");
    EXPECT_EQ(bios.localFile, u"C:\\V\\VT5\\DL_FILE\\X-1234.exe");
    const ItemTransfer driver = For(u"MB Driver", u"Realtek HD Audio", u"R2.46", u"Realtek\\Audio");
    EXPECT_EQ(driver.source, u"http://srv/upd/DVD/DRIVER/Realtek/Audio/SDriver.exe");
    EXPECT_EQ(driver.localFile, u"C:\\V\\VT5\\DL_FILE\\Realtek_HD_Audio_R2.46.exe");
    const ItemTransfer vga = For(u"VGA Driver", u"HD-4850", u"8.7-1", u"vga/ati/8-7.exe");
    EXPECT_EQ(vga.source, u"http://srv/upd/vga/ati/8-7.exe");
    EXPECT_EQ(vga.localFile, u"C:\\V\\VT5\\DL_FILE\\HD4850_8.71.exe");
    const ItemTransfer vbios = For(u"VGA BIOS", u"N-98 GT", u"F2", u"vbios\\n98");
    EXPECT_EQ(vbios.source, u"http://srv/upd/XVGA/vbios/n98/N-98 GT.exe");
    EXPECT_EQ(vbios.localFile, u"C:\\V\\VT5\\DL_FILE\\N98_GT_F2.exe");
    EXPECT_EQ(For(u"norva Utility", u"Tune", u"2.1", u"tune\\v21").source,
              u"http://srv/upd/DVD/UTILITY/NORVA/tune/v21/SUtility.exe");
    EXPECT_EQ(For(u"Other Utility", u"Zip", u"9", u"zip").source, u"http://srv/upd/DVD/UTILITY/OTHER/zip/SUtility.exe");
    // The BIOS address keeps its backslashes; the type is compared exactly.
    EXPECT_EQ(For(u"MB BIOS", u"B", u"1", u"a\\b").source, u"http://srv/upd/XBIOS/a\\b/X-1234.exe");
    const ItemTransfer unknown = For(u"mb bios", u"B", u"1", u"a");
    EXPECT_TRUE(unknown.source.empty());
    EXPECT_TRUE(unknown.localFile.empty());
}

TEST(ItemAddresses, UnsafeCatalogueNamesStayInsideTheSaveFolder) {
    EXPECT_EQ(For(u"VGA Driver", u"..\\..\\Windows\\evil", u"1", u"x").localFile,
              u"C:\\V\\VT5\\DL_FILE\\.._.._Windows_evil_1.exe");
    EXPECT_EQ(For(u"VGA Driver", u"C:/boot", u"1", u"x").localFile, u"C:\\V\\VT5\\DL_FILE\\C__boot_1.exe");
    EXPECT_EQ(For(u"MB BIOS", u"B", u"1", u"x", u"..\\..\\up").localFile, u"C:\\V\\VT5\\DL_FILE\\.._.._up.exe");
    EXPECT_EQ(For(u"MB BIOS", u"B", u"1", u"x", u"CON").localFile, u"C:\\V\\VT5\\DL_FILE\\_CON.exe");
    EXPECT_EQ(SafeFileName(u"nul.exe"), u"_nul.exe");
    EXPECT_EQ(SafeFileName(u"COM1 .txt"), u"_COM1 .txt");
    EXPECT_EQ(SafeFileName(u"lpt9"), u"_lpt9");
    EXPECT_EQ(SafeFileName(u"COM10.exe"), u"COM10.exe");
    EXPECT_EQ(SafeFileName(u"CONSOLE.exe"), u"CONSOLE.exe");
    EXPECT_EQ(SafeFileName(u".."), u"_.._");
    EXPECT_EQ(SafeFileName(u"a*b?c|d<e>f\"g\th"), u"a_b_c_d_e_f_g_h");
}

TEST(LaunchFile, LogsOneLineByTheResultAndRefusesATooLongPath) {
    fakes::FakeFileSystem files;
    files.AddFolder(u"C:\\V");
    files.AddFile(u"C:\\V\\setup.exe", {'M', 'Z'});
    files.AddFolder(u"C:\\V W");
    files.AddFile(u"C:\\V W\\setup.exe", {'M', 'Z'});
    fakes::FakeProgramStarter starter(files);
    Windows1252CodePage codePage;
    fakes::ScopedDebugCapture capture;
    EXPECT_EQ(LaunchFile(starter, codePage, u"C:\\V\\setup.exe"), u"");
    EXPECT_EQ(LaunchFile(starter, codePage, u"C:\\V\\gone.exe"), u"C:\\V\\gone.exe was not found.");
    EXPECT_EQ(LaunchFile(starter, codePage, u"C:\\V W\\setup.exe"), u"");
    const std::u16string longPath = u"C:\\V\\" + std::u16string(251, u'a');  // 256 bytes: no room for the zero
    EXPECT_EQ(LaunchFile(starter, codePage, longPath), longPath + u" is too long to start.");
    EXPECT_THAT(starter.started, ::testing::ElementsAre("C:\\V\\setup.exe", "C:\\V\\gone.exe", "\"C:\\V W\\setup.exe\""));
    ASSERT_EQ(capture.Lines().size(), 2u);
    EXPECT_EQ(capture.Lines()[0].substr(8), u"C:\\V\\gone.exe was not found.");
}

// The table of results that are not a start, through a starter that answers one code.
class FixedStarter final : public IProgramStarter {
public:
    unsigned Exec(const ExecBuffer&) override { return code; }
    unsigned code = 0;
};

TEST(LaunchFile, EveryFailureCodeHasItsLine) {
    FixedStarter starter;
    Windows1252CodePage codePage;
    const std::u16string path = u"C:\\f.exe";
    const std::pair<unsigned, std::u16string> cases[] = {
        {0, u"The system is out of memory or resources."},
        {3, u"The specified path was not found."},
        {11, u"C:\\f.exe is invalid."},
        {1, u"Unknown error , could not execute C:\\f.exe !! "},
        {31, u"Unknown error , could not execute C:\\f.exe !! "},
        {32, u""},
    };
    for (const auto& [code, line] : cases) {
        starter.code = code;
        EXPECT_EQ(LaunchFile(starter, codePage, path), line) << code;
    }
}

}  // namespace
}  // namespace veltra
