#include <gtest/gtest.h>

#include <vector>

#include "schedule/reminder_slide.h"

namespace veltra {
namespace {

// Ticks the timers the slide asks for, from `timer` until it asks for `until`: the
// positions it moved to; `last` is the final step.
std::vector<int> Tick(ReminderSlide& slide, unsigned timer, unsigned until, SlideStep& last) {
    std::vector<int> positions;
    for (int guard = 0; guard < 1000 && timer != until; ++guard, timer = last.nextTimer) {
        last = slide.OnTimer(timer);
        if (last.moveToY) positions.push_back(*last.moveToY);
    }
    return positions;
}

TEST(ReminderSlide, UpThreePixelsPer30MsStaysThenDownAndAgain) {
    ReminderSlide slide(768);
    SlideStep step = slide.OnTimer(kPromptStart);
    EXPECT_TRUE(step.show && step.nextTimer == kPromptSlideUp && step.period == 30);
    const std::vector<int> up = Tick(slide, kPromptSlideUp, kPromptStay, step);
    EXPECT_EQ(std::vector<int>({int(up.size()), up.front(), up.back(), int(step.period)}), std::vector<int>({64, 765, 576, 20'000}));
    const std::vector<int> down = Tick(slide, kPromptStay, kPromptStart, step);
    EXPECT_EQ(std::vector<int>({int(down.size()), down.front(), down.back(), int(step.period)}),
              std::vector<int>({64, 580, 769, 300'000}));
    EXPECT_EQ(slide.Offset(), 0);
    EXPECT_EQ(ReturnAfter(PromptAnswer::Close), 300'000u);
    EXPECT_EQ(ReturnAfter(PromptAnswer::Later), 600'000u);
    for (PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Never}) EXPECT_FALSE(ReturnAfter(answer));
}

}  // namespace
}  // namespace veltra
