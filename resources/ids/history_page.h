// The History page (dialog 132): 1105 to 1131, 2087 to 2142 for the list.
#pragma once

#define IDD_PAGE_HISTORY 132
#define IDC_HIS_TITLE_LABEL 1105
#define IDC_HIS_TITLE 1106
#define IDC_HIS_SCROLL 1128
#define IDC_HIS_INFORMATION 1131
#define IDC_HIS_LIST_FIRST 2087  // row k column c: 2087 + 8k + c
