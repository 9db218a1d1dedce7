// The reminder prompt (1127 to 1138) and the Setting page's list popup (209).
#pragma once

#define IDD_REMINDER 210
#define IDC_REM_YES 1127
#define IDC_REM_NEVER 1130
#define IDC_REM_TEXT 1133
#define IDC_REM_LATER 1137
#define IDC_REM_NO 1138

#define IDD_LISTBOX 209
#define IDC_LIST_ITEMS 1126
