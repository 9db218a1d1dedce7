// The program's own two-button message box (OK and Cancel are IDOK and IDCANCEL).
#pragma once

#define IDD_MSG 221
#define IDC_MSG_TEXT 1140
#define IDC_MSG_BROWSE 1142
