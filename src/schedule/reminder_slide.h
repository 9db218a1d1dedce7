#pragma once
#include <optional>

namespace veltra {

// The prompt's four timers.
enum PromptTimer : unsigned { kPromptStart = 99, kPromptSlideUp = 100, kPromptStay = 150, kPromptSlideDown = 200 };

inline constexpr int kPromptWidth = 286;
inline constexpr int kPromptHeight = 141;

// What the prompt window does on one tick; the ticking timer is always stopped first.
struct SlideStep {
    bool show = false;
    std::optional<int> moveToY;
    bool bringToTop = false;
    unsigned nextTimer = 0;  // 0: none
    unsigned period = 0;     // milliseconds
};

// The prompt's slide: up from below the screen's bottom edge 3 pixels per 30 ms, 20 s in
// view, back down, and again after 5 minutes.
class ReminderSlide {
public:
    explicit ReminderSlide(int screenHeight) : screenHeight_(screenHeight) {}
    SlideStep OnTimer(unsigned timer);
    int Offset() const { return offset_; }

private:
    SlideStep SlideUp();
    SlideStep SlideDown();

    int screenHeight_;
    int offset_ = 0;
};

// The prompt's buttons, by what they do once the prompt is hidden.
enum class PromptAnswer { Close, Yes, No, Later, Never };
// When the prompt comes back (timer 99's period), or nothing.
std::optional<unsigned> ReturnAfter(PromptAnswer answer);

}  // namespace veltra
