#pragma once
#include "controls/win32/bitmap_dialog.h"
#include "ids/message_box.h"

namespace veltra::winetest {

// A message-box template hosting one control of ours, for tests that read its pixels.
template <typename Control>
class HostDialog : public CBitmapDialog {
public:
    HostDialog() : CBitmapDialog(IDD_MSG) {}
    Control control;
};

}  // namespace veltra::winetest
