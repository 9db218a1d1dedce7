#include <gtest/gtest.h>

#include <string>

#include "core/text.h"
#include "hardware/bios_id_string.h"
#include "hardware/bios_info_record.h"
#include "platform/windows1252.h"

namespace veltra {
namespace {

struct Parsed {
    bool known;
    std::u16string model;
    std::u16string version;
};

Parsed Parse(std::u16string_view id) {
    Parsed parsed{false, u"(model)", u"(version)"};
    parsed.known = ParseBiosIdString(id, parsed.model, parsed.version);
    return parsed;
}

TEST(ParseBiosIdString, ModelAndVersionInTheCataloguesNotation) {
    const struct {
        const char16_t* id;
        const char16_t* model;
        const char16_t* version;
    } rows[] = {
        {u"A1234ABC V1.9 061309", u"QB-1234", u"1.90"},
        {u"E1234ABC V1.9B2 061309", u"QB-1234E", u"1.92"},
        {u"A1234ABC V17.1 061309", u"QB-1234", u"H.10"},
        {u"A1234ABC V10.2 061309", u"QB-1234", u"A.20"},
        {u"A9X7zABC V35.12", u"QB-9X7z", u"Z.C0"},
        {u"A1234ABC V1.9", u"QB-1234", u"1.90"},    // the end of the string ends the minor part
        {u"A1234ABC V2.1B", u"QB-1234", u"2.1"},    // an empty beta number adds nothing
        {u"A1234ABC V1.2B13", u"QB-1234", u"1.2D"},
        {u"A12345ABVX V3.4 0", u"QB-1234", u""},    // the first capital V decides: "VX" has no "."
    };
    for (const auto& row : rows) {
        const Parsed parsed = Parse(row.id);
        EXPECT_TRUE(parsed.known) << Utf16ToUtf8(row.id);
        EXPECT_EQ(parsed.model, row.model);
        EXPECT_EQ(parsed.version, row.version) << Utf16ToUtf8(row.id);
    }
}

TEST(ParseBiosIdString, UnknownFormsLeaveModelAndVersionUntouched) {
    for (std::u16string_view id : {u"B1234ABC V1.9 061309", u"a1234ABC V1.9", u"", u"A123", u"E12", u" A1234 V1.9"}) {
        const Parsed parsed = Parse(id);
        EXPECT_FALSE(parsed.known);
        EXPECT_EQ(parsed.model, u"(model)");
        EXPECT_EQ(parsed.version, u"(version)");
    }
}

TEST(ParseBiosIdString, UnreadableVersionsAreEmptyWhileTheModelIsKept) {
    for (std::u16string_view id : {
             u"A1234ABC",                   // no V at all
             u"A1234ABC V19 061309",        // a space before the "."
             u"A1234ABC V12345.1",          // a major part longer than four characters
             u"A1234ABC V1.23456",          // a minor part longer than four characters
             u"A1234ABC V1.2B34567",        // a beta part longer than four characters
             u"A1234ABC V36.1",             // no letter above 35
             u"A1234ABC V09.1",             // nor below 10
             u"A1234ABC V1X.1",             // nor for a part that is not a number
         }) {
        const Parsed parsed = Parse(id);
        EXPECT_TRUE(parsed.known);
        EXPECT_EQ(parsed.model, u"QB-1234");
        EXPECT_EQ(parsed.version, u"") << Utf16ToUtf8(id);
    }
}

TEST(ParseBiosIdString, AVeryLongStringIsReadSafely) {
    std::u16string id = u"A1234 V1.";
    id += std::u16string(100000, u'7');
    EXPECT_EQ(Parse(id).version, u"");
}

TEST(BiosInfoRecord, StringsStopAtTheirZeroOrAtTheEndOfTheirField) {
    BiosInfoRecord record{};
    const std::string vendor = "Norva BIOS \xE4";
    std::copy(vendor.begin(), vendor.end(), record.begin() + kBiosVendorOffset);
    // The identification string fills its whole field with no terminator.
    std::fill_n(record.begin() + kBiosIdStringOffset, kBiosInfoStringBytes, std::uint8_t{'E'});
    std::fill_n(record.begin() + 768, 256, std::uint8_t{'x'});
    Windows1252CodePage codePage;
    EXPECT_EQ(BiosInfoString(record, kBiosVendorOffset, codePage), u"Norva BIOS \u00E4");
    EXPECT_EQ(BiosInfoString(record, kBiosIdStringOffset, codePage), std::u16string(256, u'E'));
    EXPECT_EQ(BiosInfoString(record, 0, codePage), u"");
}

}  // namespace
}  // namespace veltra
