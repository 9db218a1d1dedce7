// The information panel: a few lines of text over its own background.
#pragma once

#define IDD_INFORMATION 222
#define IDC_INFORMATION_LIST 1129
