// The [Reminders] section of selvara.ini through the platform's profile functions; every value
// goes through decodeReminderValue, so a damaged file gives defaults.
#include "reminder_settings.h"

#include <windows.h>

static const char iniFileName[] = "selvara.ini";
// Room for the longest directory (259 characters), a backslash and the file name.
static const size_t programFilePathSize = pathBufferSize + 32;

void loadReminderSettingsFile(const char* path, ReminderSettings& reminders) {
    reminders = defaultReminderSettings();
    for (int value = 0; value < reminderValueCount; ++value) {
        char text[reminderValueTextSize] = {};
        const DWORD length =
            GetPrivateProfileStringA(reminderSection, reminderKeys[value], "", text, sizeof text, path);
        // A value that fills the buffer is longer than any path: refused whole, not cut.
        const bool cut = length >= sizeof text - 1;
        text[sizeof text - 1] = '\0';
        decodeReminderValue(static_cast<ReminderValue>(value), cut ? nullptr : text, reminders);
    }
}

bool saveReminderSettingsFile(const char* path, const ReminderSettings& reminders) {
    bool written = true;
    for (int value = 0; value < reminderValueCount; ++value) {
        char text[reminderValueTextSize];
        encodeReminderValue(static_cast<ReminderValue>(value), reminders, text, sizeof text);
        if (!WritePrivateProfileStringA(reminderSection, reminderKeys[value], text, path)) {
            written = false;
        }
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
    return written;
}

void loadReminderSettings(ReminderSettings& reminders) {
    char path[programFilePathSize];
    reminders = defaultReminderSettings();
    if (buildProgramFilePath(iniFileName, path, sizeof path)) {
        loadReminderSettingsFile(path, reminders);
    }
}

bool saveReminderSettings(const ReminderSettings& reminders) {
    char path[programFilePathSize];
    return buildProgramFilePath(iniFileName, path, sizeof path) && saveReminderSettingsFile(path, reminders);
}
