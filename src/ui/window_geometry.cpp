#include "ui/window_geometry.h"

namespace veltra {

Rect MainWindowPlace(int screenWidth, int screenHeight, int iconHeight) {
    return {(screenWidth - kMainWidth) / 2, (screenHeight - iconHeight - (kMainHeight - 1)) / 2, kMainWidth,
            kMainHeight};
}

Point CentredIcon(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace veltra
