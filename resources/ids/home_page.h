// The Home page (dialog 130): 1200 to 1219, a caption and a value label per row.
#pragma once

#define IDD_PAGE_HOME 130
#define IDC_HOME_CAPTION_FIRST 1200  // 1200 to 1207: rows 1 to 8
#define IDC_HOME_VALUE_FIRST 1210    // 1211 to 1217: rows 2 to 8 (row 1 has no value)
