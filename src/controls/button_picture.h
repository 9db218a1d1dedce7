#pragma once

namespace veltra {

// The pictures of a skinned button, as bitmap resource ids. 0 means "no picture":
// no hovered picture means the normal one is kept under the mouse; no disabled picture
// means the normal one is shown disabled.
struct ButtonSkin {
    int normal = 0;
    int pressed = 0;
    int hovered = 0;
    int disabled = 0;
};

enum class ButtonLook { Disabled, Pressed, Hovered, Normal };

struct ButtonState {
    bool disabled = false;
    bool pressed = false;      // held down (selected)
    bool checked = false;      // held in its checked state (tick box, tab)
    bool mouseOver = false;    // the window under the cursor is the button itself
    bool captureHeld = false;  // some window holds the mouse capture
};

// Which look a button is drawn in: disabled, then pressed or checked, then hovered
// (only when a hovered picture exists and nothing holds the capture), else normal.
ButtonLook ChooseButtonLook(const ButtonState& state, const ButtonSkin& skin);

// The resource id drawn for a look; 0 when the look has no picture (filled plain instead).
int PictureFor(ButtonLook look, const ButtonSkin& skin);

}  // namespace veltra
