#include "controls/button_picture.h"

#include <gtest/gtest.h>

namespace veltra {
namespace {

TEST(ButtonPicture, PrecedenceAndHoverRule) {
    const ButtonSkin tab{147, 148, 149, 147};
    const ButtonSkin noHover{151, 152, 0, 0};
    struct Case {
        const char* name;
        ButtonState state;
        ButtonSkin skin;
        int picture;
    };
    const Case cases[] = {
        {"normal", {}, tab, 147},
        {"hovered, nothing captured", {.mouseOver = true}, tab, 149},
        {"hovered while the capture is held", {.mouseOver = true, .captureHeld = true}, tab, 147},
        {"hovered without a hover picture", {.mouseOver = true}, noHover, 151},
        {"pressed beats hover", {.pressed = true, .mouseOver = true}, tab, 148},
        {"checked shows pressed", {.checked = true}, tab, 148},
        {"disabled beats pressed and checked", {.disabled = true, .pressed = true, .checked = true}, tab, 147},
        {"disabled without its picture shows normal", {.disabled = true, .mouseOver = true}, noHover, 151},
        {"pressed without a picture: plain fill", {.pressed = true}, ButtonSkin{151, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(PictureFor(ChooseButtonLook(c.state, c.skin), c.skin), c.picture) << c.name;
}

}  // namespace
}  // namespace veltra
