#include "controls/button_picture.h"

namespace veltra {

ButtonLook ChooseButtonLook(const ButtonState& state, const ButtonSkin& skin) {
    if (state.disabled) return ButtonLook::Disabled;
    if (state.pressed || state.checked) return ButtonLook::Pressed;
    if (state.mouseOver && !state.captureHeld && skin.hovered != 0) return ButtonLook::Hovered;
    return ButtonLook::Normal;
}

int PictureFor(ButtonLook look, const ButtonSkin& skin) {
    switch (look) {
    case ButtonLook::Disabled: return skin.disabled != 0 ? skin.disabled : skin.normal;
    case ButtonLook::Pressed: return skin.pressed;
    case ButtonLook::Hovered: return skin.hovered;
    case ButtonLook::Normal: return skin.normal;
    }
    return skin.normal;
}

}  // namespace veltra
