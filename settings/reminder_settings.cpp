#include "reminder_settings.h"

#include "ascii_names.h"
#include "calculation_settings.h"  // adjustmentFromText

#include <cstdio>
#include <cstring>

const char reminderSection[] = "Reminders";

const char* const prayerSlotNames[prayerTimeCount] = {"Fajr", "Sunrise", "Dhuhr", "Asr", "Maghrib", "Isha"};

const char* const reminderKeys[reminderValueCount] = {
    "FajrSound",     "SunriseSound",   "DhuhrSound",    "AsrSound",      "MaghribSound",
    "IshaSound",     "FajrBefore",     "SunriseBefore", "DhuhrBefore",   "AsrBefore",
    "MaghribBefore", "IshaBefore",     "FridayBefore",  "SunriseNotice", "AudioFile",
    "FajrAudioFile",
};

// The sound names as the file holds them, indexed by ReminderSound.
static const char* const soundNames[reminderSoundCount] = {"none", "chime", "file"};

ReminderSettings defaultReminderSettings() {
    ReminderSettings reminders;
    std::memset(&reminders, 0, sizeof reminders);
    for (int slot = 0; slot < prayerTimeCount; ++slot) {
        reminders.sound[slot] = slot == slotSunrise ? reminderSoundNone : reminderSoundChime;
    }
    return reminders;
}

static int32_t soundFromText(const char* text, int slot) {
    for (int sound = 0; text != nullptr && sound < reminderSoundCount; ++sound) {
        if (sameNameIgnoringCase(text, soundNames[sound])) {
            return sound;
        }
    }
    return defaultReminderSettings().sound[slot];
}

// Minutes before a time: a whole number 0 ... mostReminderMinutes, else none.
static int32_t minutesFromText(const char* text) {
    int32_t minutes = 0;
    if (!adjustmentFromText(text, minutes) || minutes < 0 || minutes > mostReminderMinutes) {
        return 0;
    }
    return minutes;
}

static void copyPath(char (&path)[pathBufferSize], const char* text) {
    path[0] = '\0';
    if (text != nullptr && std::strlen(text) < sizeof path) {
        std::snprintf(path, sizeof path, "%s", text);
    }
}

void decodeReminderValue(ReminderValue value, const char* text, ReminderSettings& reminders) {
    if (value >= reminderSoundFajr && value <= reminderSoundIsha) {
        const int slot = value - reminderSoundFajr;
        reminders.sound[slot] = soundFromText(text, slot);
    } else if (value >= reminderBeforeFajr && value <= reminderBeforeIsha) {
        reminders.minutesBefore[value - reminderBeforeFajr] = minutesFromText(text);
    } else if (value == reminderBeforeFriday) {
        reminders.fridayMinutesBefore = minutesFromText(text);
    } else if (value == reminderNotifySunrise) {
        reminders.notifySunrise = text != nullptr && std::strcmp(text, "1") == 0 ? 1 : 0;
    } else if (value == reminderAudioFile) {
        copyPath(reminders.audioFile, text);
    } else if (value == reminderFajrAudioFile) {
        copyPath(reminders.fajrAudioFile, text);
    }
}

static const char* soundName(int32_t sound) {
    return sound >= 0 && sound < reminderSoundCount ? soundNames[sound] : soundNames[reminderSoundNone];
}

void encodeReminderValue(ReminderValue value, const ReminderSettings& reminders, char* text, size_t size) {
    if (size == 0) {
        return;
    }
    text[0] = '\0';
    if (value >= reminderSoundFajr && value <= reminderSoundIsha) {
        std::snprintf(text, size, "%s", soundName(reminders.sound[value - reminderSoundFajr]));
    } else if (value >= reminderBeforeFajr && value <= reminderBeforeIsha) {
        std::snprintf(text, size, "%d", static_cast<int>(reminders.minutesBefore[value - reminderBeforeFajr]));
    } else if (value == reminderBeforeFriday) {
        std::snprintf(text, size, "%d", static_cast<int>(reminders.fridayMinutesBefore));
    } else if (value == reminderNotifySunrise) {
        std::snprintf(text, size, "%d", reminders.notifySunrise ? 1 : 0);
    } else if (value == reminderAudioFile) {
        std::snprintf(text, size, "%s", reminders.audioFile);
    } else if (value == reminderFajrAudioFile) {
        std::snprintf(text, size, "%s", reminders.fajrAudioFile);
    }
}

const char* reminderAudioFileFor(const ReminderSettings& reminders, int slot) {
    if (slot == slotFajr && reminders.fajrAudioFile[0] != '\0') {
        return reminders.fajrAudioFile;
    }
    return reminders.audioFile;
}
