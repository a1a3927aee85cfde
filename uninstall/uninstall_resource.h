// Resource identifiers of the uninstaller uninstall.exe, read by the C++ compiler and by windres.
#pragma once

#define IDS_UNINSTALL_CLASS 1
#define IDI_UNINSTALL 1

#define CMD_START_UNINSTALL 4443
#define CMD_DELETE_FILES 4442

#define IDD_UINST "IDD_UINST"
#define IDC_UNINSTALL_PROGRESS 104
