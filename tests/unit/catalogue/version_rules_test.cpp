#include <gtest/gtest.h>

#include "catalogue/version_rules.h"
#include "core/text.h"

namespace veltra {
namespace {

TEST(VersionRules, NormalizeVersionSpellsLettersAsBase36Numbers) {
    EXPECT_EQ(NormalizeVersion(u"1.2B"), u"1.211");
    EXPECT_EQ(NormalizeVersion(u"z9-a"), u"359-10");
    EXPECT_EQ(NormalizeVersion(u"Z@[`{"), u"35@[`{");  // the letters' ends and the bytes beside them
    EXPECT_EQ(NormalizeVersion(u"\u0141"), u"10");      // only the low byte of a unit counts: 'A'
}

// Min inclusive, max exclusive, "None" no bound; then the skip list "count,v1,v2,...".
TEST(VersionRules, RangeAndSkipList) {
    const struct {
        const char16_t *version, *min, *max, *skip;
        int in;
    } rows[] = {
        {u"1.1", u"1.0", u"1.1", u"None", 0},
        {u"1.0", u"1.0", u"1.1", u"None", 1},
        {u"0.9", u"1.0", u"1.1", u"None", 0},
        {u"5000", u"Unknown", u"None", u"Unknown", 1},
        {u"9999", u"None", u"None", u"None", 0},
        {u"", u"None", u"None", u"None", 0},
        {u"1.0", u"none", u"None", u"None", 0},  // not the word: it normalises to digits and bounds the range
        {u"1.2A", u"1.2", u"1.3", u"None", 1},   // 1.210
        {u"  1.5 beta", u"1.5", u"1.6", u"None", 1},
        {u"-", u"0", u"1", u"None", 1},  // no digits reads as 0
        {u"1.1", u"1.0", u"2.0", u"2,1.05,1.10", 0},  // 1.10 and 1.1 are the same number
        {u"1.05", u"1.0", u"2.0", u"2,1.05,1.10", 0},
        {u"1.2", u"1.0", u"2.0", u"2,1.05,1.10", 1},
        {u"1.1", u"1.0", u"2.0", u"1,1.05,1.1", 1},  // only the first N elements count
        {u"1.1", u"1.0", u"2.0", u"0,1.1", 1},
        {u"1.1", u"1.0", u"2.0", u"", 1},
        {u"1.1", u"1.0", u"2.0", u"1,,,1.1", 0},  // empty elements do not count
        {u"-1", u"-5", u"2.0", u"9,1.0", 0},       // missing elements read as -1
        {u"1.5", u"1.0", u"2.0", u"99999999999,1.0", 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(InVersionRange(row.version, row.min, row.max, row.skip), row.in) << Utf16ToUtf8(row.version) << " " << Utf16ToUtf8(row.skip);
}

TEST(VersionRules, NotOlderPrefixAndOrdinalComparison) {
    EXPECT_TRUE(IsNotOlderPrefix(u"1.5", u"1.5"));
    EXPECT_FALSE(IsNotOlderPrefix(u"1.4", u"1.5"));
    EXPECT_FALSE(IsNotOlderPrefix(u"1.5", u"1.5a"));  // lower-case a sorts above Z
    EXPECT_TRUE(IsNotOlderPrefix(u"1.51", u"1.5B"));
    EXPECT_TRUE(IsNotOlderPrefix(u"1", u"1"));          // "1Z" against "1"
    EXPECT_FALSE(IsNotOlderPrefix(u"1.5", u"1.5Z"));    // equal texts
    EXPECT_FALSE(IsNotOlderPrefix(u"1.5", u"1.5Z1"));   // the made-up text ends first
    EXPECT_TRUE(IsOrdinalLower(u"10.0", u"9.1"));
    EXPECT_FALSE(IsOrdinalLower(u"2.5", u"2.5"));
    EXPECT_TRUE(IsOrdinalLower(u"2.5", u"2.50"));
}

}  // namespace
}  // namespace veltra
