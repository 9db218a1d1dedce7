#include "controls/information_text.h"

#include <gmock/gmock.h>

namespace veltra {
namespace {

using ::testing::ElementsAre;

TEST(InformationText, LinesBetweenLineFeeds) {
    EXPECT_THAT(InformationLines(u"BIOS 1.2\nFixes boot"), ElementsAre(u"BIOS 1.2", u"Fixes boot"));
    EXPECT_THAT(InformationLines(u"\n\nA\n\n\nB\n"), ElementsAre(u"A", u"B"));
    EXPECT_THAT(InformationLines(u"\n\n"), ElementsAre(u""));
    EXPECT_THAT(InformationLines(u""), ElementsAre(u""));
    EXPECT_THAT(InformationLines(u"tab\tand\r"), ElementsAre(u"tab\tand\r"));
}

}  // namespace
}  // namespace veltra
