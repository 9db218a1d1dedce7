// The update page (dialog 131): 1007 and 1021 to 1099 for its options and progress view,
// 2031 to 2086 for the list.
#pragma once

#define IDD_PAGE_VELTRA 131
#define IDC_UPD_PROGRESS 1007
#define IDC_UPD_MANUAL 1021
#define IDC_UPD_AUTOMATIC 1022
#define IDC_UPD_BOX_FIRST 1023  // 1023 to 1028: the six categories
#define IDC_UPD_STATUS 1029
#define IDC_UPD_PROGRESS_TEXT 1030
#define IDC_UPD_BOX_VIDDID 1031
#define IDC_UPD_INFORMATION 1088
#define IDC_UPD_SCROLL 1090
#define IDC_UPD_LABEL_MANUAL 1091
#define IDC_UPD_LABEL_AUTOMATIC 1092
#define IDC_UPD_LABEL_FIRST 1093  // 1093 to 1098: labels of the six categories
#define IDC_UPD_TITLE 1099
#define IDC_UPD_LIST_FIRST 2031   // row k column c: 2031 + 8k + c
