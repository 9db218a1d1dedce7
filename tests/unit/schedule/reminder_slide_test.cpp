#include <gtest/gtest.h>

#include <vector>

#include "schedule/reminder_slide.h"

namespace veltra {
namespace {

// Runs the timers the slide asks for until it asks for `until`; the positions it moved to.
std::vector<int> RunTimers(ReminderSlide& slide, unsigned timer, unsigned until, SlideStep& last) {
    std::vector<int> positions;
    for (int guard = 0; guard < 1000 && timer != until; ++guard) {
        last = slide.OnTimer(timer);
        if (last.moveToY) positions.push_back(*last.moveToY);
        timer = last.nextTimer;
    }
    return positions;
}

TEST(ReminderSlide, UpThreePixelsPer30MsStaysThenDownAndAgain) {
    ReminderSlide slide(768);
    SlideStep step = slide.OnTimer(kPromptStart);
    EXPECT_TRUE(step.show);
    EXPECT_EQ(step.nextTimer, kPromptSlideUp);
    EXPECT_EQ(step.period, 30u);

    const std::vector<int> up = RunTimers(slide, kPromptSlideUp, kPromptStay, step);
    ASSERT_EQ(up.size(), 64u);  // 3 pixels at a time until 191 (height + 50) are passed
    EXPECT_EQ(up.front(), 765);
    EXPECT_EQ(up.back(), 768 - 192);
    EXPECT_EQ(step.period, 20'000u);

    const std::vector<int> down = RunTimers(slide, kPromptStay, kPromptStart, step);
    ASSERT_EQ(down.size(), 64u);
    EXPECT_EQ(down.front(), 768 - 188);
    EXPECT_EQ(down.back(), 769);
    EXPECT_EQ(step.period, 300'000u);
    EXPECT_EQ(slide.Offset(), 0);
}

TEST(ReminderSlide, ButtonsDecideWhenThePromptReturns) {
    EXPECT_EQ(ReturnAfter(PromptAnswer::Close), 300'000u);
    EXPECT_EQ(ReturnAfter(PromptAnswer::Later), 600'000u);
    for (PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Never}) {
        EXPECT_FALSE(ReturnAfter(answer));
    }
}

}  // namespace
}  // namespace veltra
