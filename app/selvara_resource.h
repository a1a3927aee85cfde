// Resource identifiers of the main program, read by the C++ compiler and by windres.
//
// Dialog templates are looked up by name, so their identifiers are the names themselves.
#pragma once

// Strings
#define IDS_PRODUCT_CAPTION 44581

// Icons (the application icon has the lowest number, so the shell shows it for the .exe)
#define IDI_APPICON 1
#define IDI_TAB_CALCULATE 11
#define IDI_TAB_TEXT 12
#define IDI_TAB_CALENDAR 13
#define IDI_TAB_ANIMATION 14
#define IDI_TAB_AUTHOR 15

// Bitmaps
#define IDB_AUTHOR_LOGO 20

// Main window
#define IDD_PT "IDD_PT"
#define IDC_TABS 80

// Calculation page
#define IDD_PT_OPTIONS "IDD_PT_OPTIONS"
#define IDC_LATITUDE 100
#define IDC_LONGITUDE 101
#define IDC_MONTH 102
#define IDC_YEAR 103
#define IDC_TOWN 104
#define IDC_GET_ZONE 105
#define IDC_TIME_ZONE 106
#define IDC_DAYLIGHT 107
#define IDC_CREATE 108
#define IDC_CALCULATION_SETTINGS 109
#define IDC_METHOD_SUMMARY 110
#define IDC_FIND_PLACE 111
#define IDC_QIBLA_TEXT 112     // "Qibla 136.8° (SE), 2,157 km"
#define IDC_QIBLA_COMPASS 113  // owner-drawn: the compass
#define IDC_NIGHT_TEXT 114     // tonight's Imsak, middle of the night and last third
#define IDC_REMINDERS 115      // "Reminders...": the dialog of the resident reminder

// Calculation settings dialog (opened from the calculation page)
#define IDD_PT_METHOD "IDD_PT_METHOD"
#define IDC_METHOD 500
#define IDC_METHOD_DETAILS 501
#define IDC_ASR_STANDARD 502
#define IDC_ASR_HANAFI 503
#define IDC_METHOD_AUTHORITY 504  // who publishes the chosen method
#define IDC_ADJUST_FIRST 510  // 510-515: minutes added to Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha
#define IDC_ZONE_NAME 520
#define IDC_HIJRI_ADJUSTMENT 521  // days added to the date before the Hijri table is read (-2 to 2)
#define IDC_IMSAK_MINUTES 522     // minutes before Fajr (0 to 60)
#define IDC_NIGHT_TO_SUNRISE 523  // checked: the night is counted to sunrise, not to Fajr
#define IDC_HIGH_LATITUDE 526     // the rule where the twilight does not end
#define IDC_ELEVATION 527         // the place's metres above sea level
#define IDC_USE_ELEVATION 528     // check box: the elevation for every method
#define IDC_ELEVATION_NOTE 529    // whether the chosen method's authority uses the elevation

// Reminders dialog (opened by "Reminders..." on the calculation page): the resident reminder's
// choices, stored in selvara.ini
#define IDD_REMINDERS "IDD_REMINDERS"
#define IDC_REMINDER_SOUND_FIRST 700   // 700-705: the sound of Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha
#define IDC_REMINDER_BEFORE_FIRST 710  // 710-715: minutes of the reminder before each
#define IDC_REMINDER_SUNRISE 720
#define IDC_REMINDER_FRIDAY 721
#define IDC_REMINDER_FILE 722
#define IDC_REMINDER_FILE_BROWSE 723
#define IDC_REMINDER_FAJR_FILE 724
#define IDC_REMINDER_FAJR_FILE_BROWSE 725
#define IDC_REMINDER_START 726

// Find town dialog (opened by "Find..." beside the town name)
#define IDD_FIND_PLACE "IDD_FIND_PLACE"
#define IDC_FIND_TEXT 600
#define IDC_FIND_LIST 601
#define IDC_FIND_STATUS 602
#define IDC_FIND_TAKE_METHOD 603  // check box: take the usual method of the town's country
#define IDC_FIND_METHOD 604       // that method, its authority and Asr school

// Timetable page
#define IDD_PT_TEXT "IDD_PT_TEXT"
#define IDC_TIMETABLE_TEXT 99

// Calendar page
#define IDD_PT_CALENDAR "IDD_PT_CALENDAR"
#define IDC_GREGORIAN_YEAR 200
#define IDC_HIJRI_YEAR 201
#define IDC_CALENDAR_GREGORIAN 202
#define IDC_CALENDAR_HIJRI 203
#define IDC_CALENDAR_PREVIOUS_YEAR 204
#define IDC_CALENDAR_NEXT_YEAR 205
#define IDC_CALENDAR_THIS_YEAR 206
#define IDC_MONTH_TITLE_FIRST 220  // 220-231: titles of months 1-12
#define IDC_MONTH_CELL_FIRST 240   // 240-251: cells of months 1-12

// Author page
#define IDD_PT_AUTHOR "IDD_PT_AUTHOR"
#define IDC_PRODUCT_LIST 400
#define IDC_AUTHOR_SITE 401
#define IDC_AUTHOR_DOWNLOADS 402
#define IDC_AUTHOR_RESOURCES 403
#define IDC_AUTHOR_LOGO 404  // the resources page's logo (a bitmap static)

// Animation page
#define IDD_PT_ANIMATION "IDD_PT_ANIMATION"
#define IDC_PRAYER_LIST 300
#define IDC_ANIMATION_PICTURE 301
#define IDC_RECITATION_TEXT 302
#define IDC_MEANING_TEXT 303
#define IDC_RESTART 304
#define IDC_PAUSE 305
#define IDC_PERIOD 306
#define IDC_APPLY_PERIOD 307

// Animation texts and data. The recitation of a moment is string n (1000-1017, and the Witr's
// Qunut 1019), its meaning string n + 1000; strings 1018 and 2018 exist but are never shown. The
// palette and the introduction text are raw data looked up by name.
#define IDS_RECITATION_FIRST 1000
#define IDS_RECITATION_LAST 1017
#define IDS_MEANING_OFFSET 1000
// In the resource script the two names stand bare (a quoted name there would run into the file
// name that follows it).
#ifndef RC_INVOKED
#define RCDATA_PALETTE "RCDATA_PALETTE"
#define RCDATA_ISLAM "RCDATA_ISLAM"
#endif
