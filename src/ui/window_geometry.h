#pragma once

namespace veltra {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// The main window's size; its background is one pixel taller than the height used to centre it.
inline constexpr int kMainWidth = 760;
inline constexpr int kMainHeight = 560;

// Where the restored main window goes: centred, lifted by the system's icon height.
Rect MainWindowPlace(int screenWidth, int screenHeight, int iconHeight);

// The top-left corner of the application icon drawn centred in a minimised window.
Point CentredIcon(int clientWidth, int clientHeight, int iconWidth, int iconHeight);

}  // namespace veltra
