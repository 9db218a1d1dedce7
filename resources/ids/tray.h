// Menu of the notification-area icon.
#pragma once

#define IDR_SYSTRAY 223
#define ID_SYSTRAY_RESTORE 32771
#define ID_SYSTRAY_EXIT 32772
