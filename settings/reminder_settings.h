// The resident reminder's choices: a sound per prayer, the audio files, the minutes of a reminder
// before each time and before Friday's Dhuhr, and whether sunrise gets a notification. They live
// in selvara.ini's [Reminders] section, written only when the user saves the Reminders dialog, so
// a file that never saw the dialog keeps its bytes.
//
// This file is the portable half: the keys as a table and each value turned into text and back.
// A missing, empty or damaged value gives that key's default.
#pragma once

#include "calculation_method.h"
#include "settings.h"

#include <cstddef>
#include <cstdint>

// What sounds at a prayer time.
enum ReminderSound : int32_t {
    reminderSoundNone,
    reminderSoundChime,  // the short chime built into the reminder program
    reminderSoundFile,   // the user's audio file (WAV or MP3)
};
constexpr int reminderSoundCount = 3;

// Minutes before a time for a reminder: 0 (none) to this many.
constexpr int32_t mostReminderMinutes = 120;

// Slots of the six times, in PrayerTimes order.
enum PrayerSlot { slotFajr, slotSunrise, slotDhuhr, slotAsr, slotMaghrib, slotIsha };
// "Fajr", "Sunrise", "Dhuhr", "Asr", "Maghrib", "Isha": the names the reminder shows and prints.
extern const char* const prayerSlotNames[prayerTimeCount];

struct ReminderSettings {
    int32_t sound[prayerTimeCount];          // ReminderSound per time; sunrise's is used with notifySunrise
    int32_t minutesBefore[prayerTimeCount];  // 0 = no reminder; sunrise's says "Fajr ends in N minutes"
    int32_t fridayMinutesBefore;             // a reminder before Friday's Dhuhr; 0 = none
    int32_t notifySunrise;                   // 0 or 1: a notification (and sunrise's sound) at sunrise
    char audioFile[pathBufferSize];          // the file of reminderSoundFile; empty: the chime instead
    char fajrAudioFile[pathBufferSize];      // Fajr's own file; empty: audioFile
};

// The chime at the five prayers, silence at sunrise, no reminders before, no files.
ReminderSettings defaultReminderSettings();

// The keys of the [Reminders] section, in the order they are written.
enum ReminderValue {
    reminderSoundFajr,  // the six sounds follow in PrayerTimes order
    reminderSoundSunrise,
    reminderSoundDhuhr,
    reminderSoundAsr,
    reminderSoundMaghrib,
    reminderSoundIsha,
    reminderBeforeFajr,  // the six minute counts follow in PrayerTimes order
    reminderBeforeSunrise,
    reminderBeforeDhuhr,
    reminderBeforeAsr,
    reminderBeforeMaghrib,
    reminderBeforeIsha,
    reminderBeforeFriday,
    reminderNotifySunrise,
    reminderAudioFile,
    reminderFajrAudioFile,
    reminderValueCount
};

extern const char reminderSection[];                       // "Reminders"
extern const char* const reminderKeys[reminderValueCount];  // the key names

// Room for any value of the section: a path and its terminator.
constexpr size_t reminderValueTextSize = pathBufferSize;

// Stores the text read for one key; text that is not a valid value (or NULL: missing) gives the
// key's default.
void decodeReminderValue(ReminderValue value, const char* text, ReminderSettings& reminders);
// The text to write for one key, terminated within size bytes.
void encodeReminderValue(ReminderValue value, const ReminderSettings& reminders, char* text, size_t size);

// The file that sounds at a time with reminderSoundFile: Fajr's own file when there is one, else
// the common file; empty when neither is set (the chime sounds instead).
const char* reminderAudioFileFor(const ReminderSettings& reminders, int slot);

// selvara.ini (Windows: the profile functions) into / from a record. Loading never fails (missing
// keys give defaults); saving returns false when a key could not be written.
void loadReminderSettingsFile(const char* path, ReminderSettings& reminders);
bool saveReminderSettingsFile(const char* path, const ReminderSettings& reminders);
// The same on selvara.ini in the program directory.
void loadReminderSettings(ReminderSettings& reminders);
bool saveReminderSettings(const ReminderSettings& reminders);
