#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "download/item_addresses.h"
#include "download/launch_file.h"
#include "fakes/recording_debug_sink.h"
#include "platform/program_starter.h"

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
    const std::pair<std::u16string, std::u16string> names[] = {
        {u"nul.exe", u"_nul.exe"},     {u"COM1 .txt", u"_COM1 .txt"}, {u"lpt9", u"_lpt9"},
        {u"COM\u00B9.exe", u"_COM\u00B9.exe"}, {u"lpt\u00B3", u"_lpt\u00B3"}, {u"COM\u2074.exe", u"COM\u2074.exe"},
        {u"COM10.exe", u"COM10.exe"},  {u"CONSOLE.exe", u"CONSOLE.exe"}, {u"..", u"_.._"},
        {u"a*b?c|d<e>f\"g\th", u"a_b_c_d_e_f_g_h"},
    };
    for (const auto& [name, safe] : names) EXPECT_EQ(SafeFileName(name), safe);
}

TEST(ItemAddresses, ASecondFileOfTheSameNameGetsANumber) {
    const std::vector<std::u16string> taken = {u"C:\\V\\HD4850_8.71.exe", u"C:\\V\\hd4850_8.71_2.EXE", u"C:\\V.d\\x"};
    EXPECT_EQ(UniqueFilePath(u"C:\\V\\HD4850_8.71.exe", taken), u"C:\\V\\HD4850_8.71_3.exe");
    EXPECT_EQ(UniqueFilePath(u"C:\\V\\other.exe", taken), u"C:\\V\\other.exe");
    EXPECT_EQ(UniqueFilePath(u"C:\\V.d\\x", taken), u"C:\\V.d\\x_2");
}

// Every result of the starter, and the quoting of a path with a blank.
TEST(LaunchFile, LogsOneLineByTheResult) {
    struct FixedStarter final : IProgramStarter {
        unsigned Start(const std::u16string& line) override {
            started.push_back(line);
            return code;
        }
        unsigned code = 0;
        std::vector<std::u16string> started;
    } starter;
    const std::pair<unsigned, std::u16string> cases[] = {
        {0, u"The system is out of memory or resources."},
        {2, u"C:\\V W\\f.exe was not found."},
        {3, u"The specified path was not found."},
        {11, u"C:\\V W\\f.exe is invalid."},
        {1, u"Unknown error , could not execute C:\\V W\\f.exe !! "},
        {31, u"Unknown error , could not execute C:\\V W\\f.exe !! "},
        {32, u""},
    };
    fakes::ScopedDebugCapture capture;
    for (const auto& [code, line] : cases) {
        starter.code = code;
        EXPECT_EQ(LaunchFile(starter, u"C:\\V W\\f.exe"), line) << code;
    }
    EXPECT_EQ(capture.Lines().size(), 6u);
    EXPECT_EQ(starter.started.back(), u"\"C:\\V W\\f.exe\"");
    EXPECT_EQ(LaunchFile(starter, u"C:\\\u65E5\u672C\\f.exe"), u"");
    EXPECT_EQ(starter.started.back(), u"C:\\\u65E5\u672C\\f.exe");
}

}  // namespace
}  // namespace veltra
