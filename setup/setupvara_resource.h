// Resource identifiers of the installer setupvara.exe, read by the C++ compiler and by windres.
// Dialog templates are looked up by name, so their identifiers are the names themselves.
#pragma once

// Strings
#define IDS_AGREEMENT 150
#define IDS_SETUP_CLASS 301

// Icons and the banner
#define IDI_SETUP 200
#define IDI_BROWSE_FOLDER 201
#define IDI_BROWSE_UP 202
#define IDI_BROWSE_NEW_DIRECTORY 203
#define IDB_BANNER 130

// The setup archive (RT_RCDATA)
#define RCDATA_SETUP_ARCHIVE 15734

// Commands posted by the installer to itself
#define CMD_START_SETUP 4444
#define CMD_EXTRACT_ARCHIVE 4445

// Pages. Control 1 is the page's "go on" button (IDOK), 2 its Cancel (IDCANCEL).
#define IDD_AGREEMENT "IDD_AGREEMENT"
#define IDC_AGREEMENT_TEXT 151

#define IDD_DIR "IDD_DIR"
#define IDC_DIR_BROWSE 100
#define IDC_DIR_INSTALL_DIRECTORY 101

#define IDD_COPY "IDD_COPY"
#define IDC_COPY_PROGRESS 214
#define IDC_COPY_STATUS 215

#define IDD_SHORTCUT "IDD_SHORTCUT"
#define IDC_SHORTCUT_BROWSE 100
#define IDC_SHORTCUT_FOLDER 101
#define IDC_SHORTCUT_DESKTOP 110
#define IDC_SHORTCUT_REMINDER 111

// Directory browser
#define IDD_BROWSE "IDD_BROWSE"
#define IDC_BROWSE_RESULT 102
#define IDC_BROWSE_FREE_SPACE 103
#define IDC_BROWSE_DRIVES 104
#define IDC_BROWSE_NAME 105
#define IDC_BROWSE_FOLDERS 107

// Start-menu folder browser
#define IDD_BROWSE_SHORTCUT "IDD_BROWSE_SHORTCUT"
#define IDC_BROWSE_SHORTCUT_RESULT 211
#define IDC_BROWSE_SHORTCUT_FOLDERS 212
