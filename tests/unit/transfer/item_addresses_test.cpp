#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "transfer/item_addresses.h"

namespace veltra::testing {
namespace {

ItemTransfer For(const std::u16string& type, const std::u16string& item, const std::u16string& version,
                 const std::u16string& webPath) {
    return ItemAddresses({u"N", type, item, u"1.0", version, webPath, u"", u"1"}, u"X-1234", u"http://srv/upd", u"C:\\V\\");
}

TEST(ItemAddresses, EveryCategoryHasItsServerFolderAndFileName) {
    const struct {
        const char16_t *type, *item, *version, *webPath, *source, *file;
    } rows[] = {
        {u"MB BIOS", u"QB-7100", u"1.30", u"a\\b", u"http://srv/upd/XBIOS/a\\b/X-1234.exe", u"C:\\V\\X-1234.exe"},
        {u"MB Driver", u"Realtek HD Audio", u"R2.46", u"Realtek\\Audio", u"http://srv/upd/DVD/DRIVER/Realtek/Audio/SDriver.exe",
         u"C:\\V\\Realtek_HD_Audio_R2.46.exe"},
        {u"VGA Driver", u"HD-4850", u"8.7-1", u"vga/ati/8-7.exe", u"http://srv/upd/vga/ati/8-7.exe", u"C:\\V\\HD4850_8.71.exe"},
        {u"VGA BIOS", u"N-98 GT", u"F2", u"vbios\\n98", u"http://srv/upd/XVGA/vbios/n98/N-98 GT.exe", u"C:\\V\\N98_GT_F2.exe"},
        {u"norva Utility", u"Tune", u"2.1", u"tune\\v21", u"http://srv/upd/DVD/UTILITY/NORVA/tune/v21/SUtility.exe",
         u"C:\\V\\Tune_2.1.exe"},
        {u"Other Utility", u"Zip", u"9", u"zip", u"http://srv/upd/DVD/UTILITY/OTHER/zip/SUtility.exe", u"C:\\V\\Zip_9.exe"},
    };
    for (const auto& row : rows) {
        const ItemTransfer transfer = For(row.type, row.item, row.version, row.webPath);
        EXPECT_EQ(transfer.source, row.source);
        EXPECT_EQ(transfer.localFile, row.file);
    }
}

TEST(ItemAddresses, UnsafeAndReservedNamesAreMadeSafe) {
    const std::pair<std::u16string, std::u16string> names[] = {
        {u"nul.exe", u"_nul.exe"},     {u"COM1 .txt", u"_COM1 .txt"}, {u"lpt9", u"_lpt9"},
        {u"COM\u00B9.exe", u"_COM\u00B9.exe"}, {u"COM\u2074.exe", u"COM\u2074.exe"},
        {u"COM10.exe", u"COM10.exe"},  {u"CONSOLE.exe", u"CONSOLE.exe"}, {u"..", u"_.._"},
        {u"C:/a*b?c|d<e>f\"g\th", u"C__a_b_c_d_e_f_g_h"},
    };
    for (const auto& [name, safe] : names) EXPECT_EQ(SafeFileName(name), safe);
    const std::vector<std::u16string> taken = {u"C:\\V\\HD4850_8.71.exe", u"C:\\V\\hd4850_8.71_2.EXE", u"C:\\V.d\\x"};
    EXPECT_EQ(UniqueFilePath(u"C:\\V\\HD4850_8.71.exe", taken), u"C:\\V\\HD4850_8.71_3.exe");
    EXPECT_EQ(UniqueFilePath(u"C:\\V\\other.exe", taken), u"C:\\V\\other.exe");
    EXPECT_EQ(UniqueFilePath(u"C:\\V.d\\x", taken), u"C:\\V.d\\x_2");
}

}  // namespace
}  // namespace veltra::testing
