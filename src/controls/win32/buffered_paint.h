#pragma once
#include <windows.h>

namespace veltra {

// Pages that take each other's place, shown and painted at once. Under Wine each window's
// own WM_PAINT costs several round trips to the window server, and a list page holds some
// sixty controls: painted one by one they take longer than a frame. ShowPainted paints the
// page and its visible controls into one buffer, each as it paints itself (WM_ERASEBKGND,
// then WM_PRINTCLIENT), copies the buffer to the screen once and leaves them all valid.
// Every later repaint is the windows' own.

// Hides a child window without exposing its parent, as the page shown next in its place
// covers it; a focus inside it goes to the parent, as ShowWindow does.
void HideUnpainted(HWND window);

// Shows a child window and paints it with its visible descendants in one copy to the screen.
void ShowPainted(HWND window);

}  // namespace veltra
