#include <gtest/gtest.h>

#include "core/text.h"
#include "platform/wmi.h"
#include "sysinfo/board_wmi.h"
#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

TEST(CWmiQuery, SizesAreWholeMebibytesOfAnUnsignedValue) {
    EXPECT_EQ(WmiValueText({WmiValueType::Int32, {}, 1048575}), u"0 MBytes");
    EXPECT_EQ(WmiValueText({WmiValueType::Int32, {}, 2147483647}), u"2047 MBytes");
    // 4 GiB less one byte arrives as a negative 32-bit integer.
    EXPECT_EQ(WmiValueText({WmiValueType::Int32, {}, -1}), u"4095 MBytes");
}

// How real firmware reports name that maker, and makers and near misses that stay "Award".
TEST(BoardByWmi, VendorIsAmibiosWhereverTheManufacturerNamesThatMaker) {
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        {u"American Megatrends Inc.", u"AMIBIOS"},
        {u"American Megatrends Inc", u"AMIBIOS"},
        {u"american megatrends inc.", u"AMIBIOS"},
        {u"AMERICAN MEGATRENDS INC.", u"AMIBIOS"},
        {u"American Megatrends", u"AMIBIOS"},
        {u"American Megatrends International, LLC.", u"AMIBIOS"},
        {u"American Megatrends International, LLC", u"AMIBIOS"},
        {u"American Megatrends International LLC.", u"AMIBIOS"},
        {u"American-Megatrends-International,LLC", u"AMIBIOS"},
        {u"  American   Megatrends\tInc. ", u"AMIBIOS"},
        {u"AMI", u"AMIBIOS"},
        {u"ami", u"AMIBIOS"},
        {u"AMIBIOS", u"AMIBIOS"},
        {u"FUJITSU // American Megatrends Inc.", u"AMIBIOS"},
        {u"LENOVO - AMI", u"AMIBIOS"},
        {u"Phoenix Technologies LTD", u"Award"},
        {u"Phoenix Technologies, LTD", u"Award"},
        {u"Award Software International, Inc.", u"Award"},
        {u"Insyde Corp.", u"Award"},
        {u"INSYDE", u"Award"},
        {u"Corvid Firmware Inc.", u"Award"},
        {u"Dell Inc.", u"Award"},
        {u"Miami Firmware", u"Award"},        // the letters inside another word
        {u"Dynamic Systems", u"Award"},
        {u"AMITECH", u"Award"},
        {u"American Power", u"Award"},        // half of the maker's name
        {u"Megatrends American", u"Award"},
        {u"", u"Award"},
    };
    for (const auto& [manufacturer, vendor] : rows) {
        EXPECT_EQ(BiosVendorFromManufacturer(manufacturer), vendor) << Utf16ToUtf8(manufacturer);
    }
}

TEST(BoardByWmi, VersionFromTheSmbiosVersion) {
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        {u"V1.9", u"1.9"},
        {u"V10.0", u"A.0"},
        {u"F05", u"5."},
        {u"V1.2.3", u"1.23"},
        {u"V35.0", u"Z.0"},
        {u"", u"UNKNOWN"},
        {u"1ABC", u"UNKNOWN"},         // the only digit is the first character, which is skipped
        {u"V36.1", u"UNKNOWN"},        // no character above Z
        {u"V99999999999999", u"UNKNOWN"},
        {u"V1.2 ..........9", u"1.2"},  // only 15 characters are read
    };
    for (const auto& [smbios, version] : rows) EXPECT_EQ(BiosVersionFromSmbios(smbios), version);
}

}  // namespace
}  // namespace veltra
