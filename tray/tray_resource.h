// Resource and command ids of selvara-tray.exe (read by the compiler and windres).
#pragma once

#define IDI_TRAY_ICON 1
#define IDW_CHIME 10  // the chime, a WAVE resource made by tools/chime at build time

// The icon's menu. The six times are IDM_TIME_FIRST + slot.
#define IDM_TIME_FIRST 100
#define IDM_OPEN_SELVARA 110
#define IDM_SOUNDS 111
#define IDM_STOP_ADHAN 112
#define IDM_START_WITH_WINDOWS 113
#define IDM_EXIT 114
