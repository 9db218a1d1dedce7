#include <gtest/gtest.h>

#include "catalogue/version_rules.h"

namespace veltra {
namespace {

TEST(VersionRules, NormalizeVersionSpellsLettersAsBase36Numbers) {
    EXPECT_EQ(NormalizeVersion(u"1.2B"), u"1.211");
    EXPECT_EQ(NormalizeVersion(u"1.2A"), u"1.210");
    EXPECT_EQ(NormalizeVersion(u"z9-a"), u"359-10");
    EXPECT_EQ(NormalizeVersion(u"Z@[`{"), u"35@[`{");  // the letters' ends and the bytes beside them
    // Only the low byte of a unit counts: U+0141 reads as 'A'.
    EXPECT_EQ(NormalizeVersion(u"\u0141"), u"10");
}

TEST(VersionRules, RangeIsMinInclusiveMaxExclusiveWithNoBoundWords) {
    EXPECT_EQ(InVersionRange(u"1.1", u"1.0", u"1.1", u"None"), 0);
    EXPECT_EQ(InVersionRange(u"1.0", u"1.0", u"1.1", u"None"), 1);
    EXPECT_EQ(InVersionRange(u"0.9", u"1.0", u"1.1", u"None"), 0);
    EXPECT_EQ(InVersionRange(u"5000", u"Unknown", u"None", u"Unknown"), 1);
    EXPECT_EQ(InVersionRange(u"9999", u"None", u"None", u"None"), 0);
    EXPECT_EQ(InVersionRange(u"", u"None", u"None", u"None"), 0);
    // "none" is not the word "None": it normalises to digits and bounds the range.
    EXPECT_EQ(InVersionRange(u"1.0", u"none", u"None", u"None"), 0);
    // Letters compare by their numbers: 1.2A is 1.210, inside [1.2, 1.3).
    EXPECT_EQ(InVersionRange(u"1.2A", u"1.2", u"1.3", u"None"), 1);
    // Leading blanks are skipped; text after the number is ignored; no digits reads as 0.
    EXPECT_EQ(InVersionRange(u"  1.5 beta", u"1.5", u"1.6", u"None"), 1);
    EXPECT_EQ(InVersionRange(u"-", u"0", u"1", u"None"), 1);
}

TEST(VersionRules, SkipListCountsItsElements) {
    // 1.10 and 1.1 are the same number.
    EXPECT_EQ(InVersionRange(u"1.1", u"1.0", u"2.0", u"2,1.05,1.10"), 0);
    EXPECT_EQ(InVersionRange(u"1.05", u"1.0", u"2.0", u"2,1.05,1.10"), 0);
    EXPECT_EQ(InVersionRange(u"1.2", u"1.0", u"2.0", u"2,1.05,1.10"), 1);
    // Only the first N elements count.
    EXPECT_EQ(InVersionRange(u"1.1", u"1.0", u"2.0", u"1,1.05,1.1"), 1);
    // A count of 0 or an empty list skips nothing.
    EXPECT_EQ(InVersionRange(u"1.1", u"1.0", u"2.0", u"0,1.1"), 1);
    EXPECT_EQ(InVersionRange(u"1.1", u"1.0", u"2.0", u""), 1);
    // Empty elements between commas do not count.
    EXPECT_EQ(InVersionRange(u"1.1", u"1.0", u"2.0", u"1,,,1.1"), 0);
    // Missing elements read as -1; a huge count costs no time.
    EXPECT_EQ(InVersionRange(u"-1", u"-5", u"2.0", u"9,1.0"), 0);
    EXPECT_EQ(InVersionRange(u"1.5", u"1.0", u"2.0", u"99999999999,1.0"), 1);
}

TEST(VersionRules, NotOlderPrefixComparesThreeCharactersAndZ) {
    EXPECT_TRUE(IsNotOlderPrefix(u"1.5", u"1.5"));
    EXPECT_FALSE(IsNotOlderPrefix(u"1.4", u"1.5"));
    EXPECT_FALSE(IsNotOlderPrefix(u"1.5", u"1.5a"));  // lower-case a sorts above Z
    EXPECT_TRUE(IsNotOlderPrefix(u"1.51", u"1.5B"));
    EXPECT_TRUE(IsNotOlderPrefix(u"1", u"1"));          // "1Z" against "1"
    EXPECT_FALSE(IsNotOlderPrefix(u"1.5", u"1.5Z"));    // equal texts
    EXPECT_FALSE(IsNotOlderPrefix(u"1.5", u"1.5Z1"));   // the made-up text ends first
}

TEST(VersionRules, OrdinalComparisonIsByCodeUnit) {
    EXPECT_TRUE(IsOrdinalLower(u"10.0", u"9.1"));
    EXPECT_FALSE(IsOrdinalLower(u"2.5", u"2.5"));
    EXPECT_TRUE(IsOrdinalLower(u"2.5", u"2.50"));
    EXPECT_FALSE(IsOrdinalLower(u"2.50", u"2.5"));
}

}  // namespace
}  // namespace veltra
