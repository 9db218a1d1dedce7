#include "schedule/reminder_slide.h"

namespace veltra {
namespace {

constexpr int kStep = 3;
constexpr unsigned kStepMilliseconds = 30;
constexpr unsigned kStayMilliseconds = 20'000;
constexpr unsigned kAgainMilliseconds = 300'000;
constexpr unsigned kLaterMilliseconds = 600'000;
// It rises this far above its own height, clear of a taskbar.
constexpr int kRise = kPromptHeight + 50;

}  // namespace

SlideStep ReminderSlide::OnTimer(unsigned timer) {
    switch (timer) {
        case kPromptStart: offset_ = 0; return {true, std::nullopt, false, kPromptSlideUp, kStepMilliseconds};
        case kPromptSlideUp: return SlideUp();
        case kPromptStay: offset_ = kRise; return {false, std::nullopt, false, kPromptSlideDown, kStepMilliseconds};
        case kPromptSlideDown: return SlideDown();
        default: return {};
    }
}

SlideStep ReminderSlide::SlideUp() {
    if (offset_ >= kRise) {
        offset_ = 0;
        return {false, std::nullopt, false, kPromptStay, kStayMilliseconds};
    }
    offset_ += kStep;
    return {false, screenHeight_ - offset_, true, kPromptSlideUp, kStepMilliseconds};
}

SlideStep ReminderSlide::SlideDown() {
    if (offset_ <= 0) {
        offset_ = 0;
        return {false, std::nullopt, false, kPromptStart, kAgainMilliseconds};
    }
    offset_ -= kStep;
    return {false, screenHeight_ - offset_, false, kPromptSlideDown, kStepMilliseconds};
}

std::optional<unsigned> ReturnAfter(PromptAnswer answer) {
    if (answer == PromptAnswer::Close) return kAgainMilliseconds;
    if (answer == PromptAnswer::Later) return kLaterMilliseconds;
    return std::nullopt;
}

}  // namespace veltra
