#include <gtest/gtest.h>

#include <string>

#include "core/text.h"
#include "hardware/bios_id_string.h"

namespace veltra {
namespace {

// An unknown form leaves model and version as they were; a known one with an unreadable
// version keeps its model and empties the version.
TEST(ParseBiosIdString, ModelAndVersionInTheCataloguesNotation) {
    const std::u16string longVersion = u"A1234 V1." + std::u16string(100000, u'7');
    const struct {
        std::u16string_view id;
        bool known;
        const char16_t* model;
        const char16_t* version;
    } rows[] = {
        {u"A1234ABC V1.9 061309", true, u"QB-1234", u"1.90"},
        {u"E1234ABC V1.9B2 061309", true, u"QB-1234E", u"1.92"},
        {u"A1234ABC V10.2 061309", true, u"QB-1234", u"A.20"},
        {u"A9X7zABC V35.12", true, u"QB-9X7z", u"Z.C0"},
        {u"A1234ABC V1.9", true, u"QB-1234", u"1.90"},    // the end of the string ends the minor part
        {u"A1234ABC V2.1B", true, u"QB-1234", u"2.1"},    // an empty beta number adds nothing
        {u"A1234ABC V1.2B13", true, u"QB-1234", u"1.2D"},
        {u"A12345ABVX V3.4 0", true, u"QB-1234", u""},    // the first capital V decides: "VX" has no "."
        {u"A1234ABC", true, u"QB-1234", u""},             // no V at all
        {u"A1234ABC V19 061309", true, u"QB-1234", u""},  // a space before the "."
        {u"A1234ABC V12345.1", true, u"QB-1234", u""},    // a major part longer than four characters
        {u"A1234ABC V1.23456", true, u"QB-1234", u""},    // a minor part longer than four characters
        {u"A1234ABC V1.2B34567", true, u"QB-1234", u""},  // a beta part longer than four characters
        {u"A1234ABC V36.1", true, u"QB-1234", u""},       // no letter above 35
        {u"A1234ABC V09.1", true, u"QB-1234", u""},       // nor below 10
        {u"A1234ABC V1X.1", true, u"QB-1234", u""},       // nor for a part that is not a number
        {longVersion, true, u"QB-1234", u""},             // read safely
        {u"B1234ABC V1.9 061309", false, u"(model)", u"(version)"},
        {u"", false, u"(model)", u"(version)"},
        {u"A123", false, u"(model)", u"(version)"},
        {u"E12", false, u"(model)", u"(version)"},
        {u" A1234 V1.9", false, u"(model)", u"(version)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Utf16ToUtf8(std::u16string(row.id.substr(0, 30))));
        std::u16string model = u"(model)", version = u"(version)";
        EXPECT_EQ(ParseBiosIdString(row.id, model, version), row.known);
        EXPECT_EQ(model, row.model);
        EXPECT_EQ(version, row.version);
    }
}

}  // namespace
}  // namespace veltra
