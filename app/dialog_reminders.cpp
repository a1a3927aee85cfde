// The Reminders dialog: what the resident reminder sounds at each time and how long before it
// reminds. OK stores the choices into selvara.ini at once (the reminder reads them from there),
// sets or removes the Run value, and tells a running reminder; a minute count out of its range
// keeps the dialog open with a message naming the range.
#include "dialog_reminders.h"

#include "app.h"
#include "calculation_settings.h"  // adjustmentFromText
#include "registry_contract.h"
#include "reminder_settings.h"
#include "selvara_resource.h"
#include "tray_contract.h"

#include <commdlg.h>

#include <cstdio>

static const int minutesFieldChars = 4;
static const char badMinutesText[] = "The minutes before a time must be a whole number from 0 to 120.";
// The sound choices in ReminderSound order.
static const char* const soundChoices[reminderSoundCount] = {"None", "Chime", "Audio file"};
static const char audioFileFilter[] = "Audio files (*.wav;*.mp3)\0*.wav;*.mp3\0All files (*.*)\0*.*\0";

static void setMinutes(HWND dialog, int controlId, int32_t minutes) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(minutes));
    SendDlgItemMessageA(dialog, controlId, EM_LIMITTEXT, minutesFieldChars, 0);
    SetDlgItemTextA(dialog, controlId, text);
}

static BOOL initialiseDialog(HWND dialog) {
    ReminderSettings reminders;
    loadReminderSettings(reminders);
    for (int slot = 0; slot < prayerTimeCount; ++slot) {
        HWND list = GetDlgItem(dialog, IDC_REMINDER_SOUND_FIRST + slot);
        for (const char* choice : soundChoices) {
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
        }
        SendMessageA(list, CB_SETCURSEL, reminders.sound[slot], 0);
        setMinutes(dialog, IDC_REMINDER_BEFORE_FIRST + slot, reminders.minutesBefore[slot]);
    }
    setMinutes(dialog, IDC_REMINDER_FRIDAY, reminders.fridayMinutesBefore);
    CheckDlgButton(dialog, IDC_REMINDER_SUNRISE, reminders.notifySunrise ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(dialog, IDC_REMINDER_FILE, EM_LIMITTEXT, pathBufferSize - 1, 0);
    SendDlgItemMessageA(dialog, IDC_REMINDER_FAJR_FILE, EM_LIMITTEXT, pathBufferSize - 1, 0);
    SetDlgItemTextA(dialog, IDC_REMINDER_FILE, reminders.audioFile);
    SetDlgItemTextA(dialog, IDC_REMINDER_FAJR_FILE, reminders.fajrAudioFile);
    CheckDlgButton(dialog, IDC_REMINDER_START, hasReminderRunValue() ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

static bool readMinutes(HWND dialog, int controlId, int32_t& minutes) {
    char text[minutesFieldChars + 1] = {};
    GetDlgItemTextA(dialog, controlId, text, sizeof text);
    if (!adjustmentFromText(text, minutes) || minutes < 0 || minutes > mostReminderMinutes) {
        MessageBoxA(dialog, badMinutesText, productCaption, MB_OK | MB_ICONEXCLAMATION);
        SetFocus(GetDlgItem(dialog, controlId));
        return false;
    }
    return true;
}

// Reads the fields; false (after telling the user) when a minute count is not valid.
static bool readChoices(HWND dialog, ReminderSettings& reminders) {
    for (int slot = 0; slot < prayerTimeCount; ++slot) {
        const LRESULT sound = SendDlgItemMessageA(dialog, IDC_REMINDER_SOUND_FIRST + slot, CB_GETCURSEL, 0, 0);
        reminders.sound[slot] = sound >= 0 && sound < reminderSoundCount ? static_cast<int32_t>(sound)
                                                                         : reminderSoundNone;
        if (!readMinutes(dialog, IDC_REMINDER_BEFORE_FIRST + slot, reminders.minutesBefore[slot])) {
            return false;
        }
    }
    if (!readMinutes(dialog, IDC_REMINDER_FRIDAY, reminders.fridayMinutesBefore)) {
        return false;
    }
    reminders.notifySunrise = IsDlgButtonChecked(dialog, IDC_REMINDER_SUNRISE) == BST_CHECKED ? 1 : 0;
    GetDlgItemTextA(dialog, IDC_REMINDER_FILE, reminders.audioFile, sizeof reminders.audioFile);
    GetDlgItemTextA(dialog, IDC_REMINDER_FAJR_FILE, reminders.fajrAudioFile, sizeof reminders.fajrAudioFile);
    return true;
}

static void storeStartWithWindows(bool start) {
    if (!start) {
        removeReminderRunValue();
        return;
    }
    char path[pathBufferSize];
    if (buildProgramFilePath(installedFiles[trayProgramFile], path, sizeof path)) {
        setReminderRunValue(path);
    }
}

static void browseAudioFile(HWND dialog, int editId) {
    char path[pathBufferSize] = {};
    GetDlgItemTextA(dialog, editId, path, sizeof path);
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = audioFileFilter;
    open.lpstrFile = path;
    open.nMaxFile = sizeof path;
    open.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetOpenFileNameA(&open)) {
        SetDlgItemTextA(dialog, editId, path);
    }
}

static BOOL onCommand(HWND dialog, WORD commandId) {
    switch (commandId) {
        case IDOK: {
            ReminderSettings reminders = defaultReminderSettings();
            if (readChoices(dialog, reminders)) {
                saveReminderSettings(reminders);
                storeStartWithWindows(IsDlgButtonChecked(dialog, IDC_REMINDER_START) == BST_CHECKED);
                notifyTraySettingsChanged();
                EndDialog(dialog, IDOK);
            }
            return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        case IDC_REMINDER_FILE_BROWSE: browseAudioFile(dialog, IDC_REMINDER_FILE); return TRUE;
        case IDC_REMINDER_FAJR_FILE_BROWSE: browseAudioFile(dialog, IDC_REMINDER_FAJR_FILE); return TRUE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK remindersProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return initialiseDialog(dialog);
        case WM_COMMAND: return onCommand(dialog, LOWORD(wParam));
        default: return FALSE;
    }
}

bool runRemindersDialog(HWND owner) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), IDD_REMINDERS, owner, remindersProc, 0) == IDOK;
}
