// Pictures built into the program: the icon, the link cursor and the button skins.
// Each skinned button takes four ids (normal, pressed, hovered, disabled); 0 means none.
#pragma once

#define IDI_VELTRA 128
#define IDC_LINK_HAND 203

// Main window: tab, action and title-bar buttons.
#define IDB_TAB_NORMAL 147
#define IDB_TAB_PRESSED 148
#define IDB_TAB_HOVER 149
#define IDB_ACTION_HOVER 150
#define IDB_ACTION_NORMAL 151
#define IDB_ACTION_PRESSED 152
#define IDB_HIDE_HOVER 153
#define IDB_HIDE_NORMAL 154
#define IDB_HIDE_PRESSED 155
#define IDB_EXIT_HOVER 156
#define IDB_EXIT_NORMAL 157
#define IDB_EXIT_PRESSED 158

// Control pictures of the pages and popups: 300 to 399.
// Tick boxes of the scan categories and scan-mode radio buttons, 15 x 15.
#define IDB_CHECK_OFF 300
#define IDB_CHECK_ON 301
#define IDB_CHECK_DISABLED 302
#define IDB_RADIO_OFF 303
#define IDB_RADIO_ON 304
#define IDB_RADIO_DISABLED 305
// List rows: tick box column (36 x 26), text cells (190 x 26, drawn clipped), spacer (10 x 26).
#define IDB_ROW_TICK_OFF 310
#define IDB_ROW_TICK_ON 311
#define IDB_ROW_TICK_DISABLED 312
#define IDB_ROW_CELL 313
#define IDB_ROW_CELL_DISABLED 314
#define IDB_ROW_SPACER 315
// Row buttons, 30 x 26: download and install, details.
#define IDB_ROW_DOWNLOAD_NORMAL 320
#define IDB_ROW_DOWNLOAD_PRESSED 321
#define IDB_ROW_DOWNLOAD_HOVER 322
#define IDB_ROW_DOWNLOAD_DISABLED 323
#define IDB_ROW_DETAILS_NORMAL 324
#define IDB_ROW_DETAILS_PRESSED 325
#define IDB_ROW_DETAILS_HOVER 326
#define IDB_ROW_DETAILS_DISABLED 327
// Title bars of the two lists, 619 x 34, with the column headings drawn in.
#define IDB_LIST_TITLE_UPDATE 330
#define IDB_LIST_TITLE_HISTORY 331
// Setting page choosers, 120 x 17.
#define IDB_CHOOSER_NORMAL 340
#define IDB_CHOOSER_PRESSED 341
#define IDB_CHOOSER_HOVER 342
#define IDB_CHOOSER_DISABLED 343
// Small dialog buttons (message box, reminder prompt), 80 x 24; close box 18 x 18.
#define IDB_SMALL_NORMAL 350
#define IDB_SMALL_PRESSED 351
#define IDB_SMALL_HOVER 352
#define IDB_CLOSE_NORMAL 353
#define IDB_CLOSE_PRESSED 354
#define IDB_CLOSE_HOVER 355
// The reminder prompt's longer answers, 124 x 24.
#define IDB_ANSWER_NORMAL 356
#define IDB_ANSWER_PRESSED 357
#define IDB_ANSWER_HOVER 358
// The main window's footer mark of an update server not reached, 14 x 14.
#define IDB_SERVER_MARK 359
// The main window's action buttons while disabled, 107 x 32.
#define IDB_ACTION_DISABLED 360
// The About page's support button, 107 x 32, uses the action button pictures.
