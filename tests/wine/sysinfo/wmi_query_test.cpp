#include <gtest/gtest.h>

#include "core/text.h"
#include "platform/win32/win32_wmi.h"
#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

// Wine's management service answers with its own values: the test checks types and rules,
// not particular values.
TEST(WineWmi, StringsIntegersOtherTypesAndMissingClasses) {
    Win32Wmi wmi;
    CWmiQuery query{wmi};
    const std::pair<const char16_t*, const char16_t*> properties[] = {
        {u"Win32_BIOS", u"Manufacturer"},        {u"Win32_BIOS", u"SMBIOSBIOSVersion"},
        {u"Win32_BaseBoard", u"Product"},        {u"Win32_VideoController", u"Name"},
        {u"Win32_VideoController", u"DriverVersion"}, {u"Win32_VideoController", u"VideoProcessor"},
    };
    for (const auto& [className, property] : properties) {
        const WmiValue value = wmi.FirstInstanceProperty(className, property);
        EXPECT_EQ(value.type, WmiValueType::String) << Utf16ToUtf8(className) << "." << Utf16ToUtf8(property);
        EXPECT_EQ(query.Query(property, className), value.text);
    }
    // Class names are not case-sensitive: the program asks for "Win32_Baseboard".
    EXPECT_EQ(query.GetBaseboardProduct(), wmi.FirstInstanceProperty(u"Win32_BaseBoard", u"Product").text);
    // Wine guesses the video memory, at times 4 GiB less 1 MiB: a negative 32-bit integer.
    const WmiValue ram = wmi.FirstInstanceProperty(u"Win32_VideoController", u"AdapterRAM");
    ASSERT_EQ(ram.type, WmiValueType::Int32);
    EXPECT_EQ(query.Query(u"AdapterRAM", u"Win32_VideoController"),
              DecimalText(static_cast<std::uint32_t>(ram.number) >> 20) + u" MBytes");
    // A string array is neither a string nor a 32-bit integer.
    EXPECT_EQ(query.Query(u"BIOSVersion", u"Win32_BIOS"), u"Unknown!");
    EXPECT_EQ(query.Query(u"NoSuchProperty", u"Win32_BIOS"), u"Unknown!");
    EXPECT_EQ(wmi.LastResult(), 0);
    EXPECT_EQ(query.Query(u"Name", u"Win32_NoSuchClass"), u"");
    EXPECT_NE(wmi.LastResult(), 0);  // the enumeration's answer is kept: no instance
}

}  // namespace
}  // namespace veltra
