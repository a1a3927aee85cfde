// selvara.ini's [Reminders] values: the input is cut into lines, line n being the text the profile
// functions hand over for key n. Whatever the text, every value must come out in its range, the
// paths terminated, and what is written back must read back the same.
#include "reminder_settings.h"

#include <cstdlib>
#include <cstring>
#include <string>

static void check(const ReminderSettings& reminders) {
    for (int slot = 0; slot < prayerTimeCount; ++slot) {
        if (reminders.sound[slot] < 0 || reminders.sound[slot] >= reminderSoundCount)
            std::abort();
        if (reminders.minutesBefore[slot] < 0 || reminders.minutesBefore[slot] > mostReminderMinutes)
            std::abort();
    }
    if (reminders.fridayMinutesBefore < 0 || reminders.fridayMinutesBefore > mostReminderMinutes)
        std::abort();
    if (reminders.notifySunrise != 0 && reminders.notifySunrise != 1)
        std::abort();
    if (std::memchr(reminders.audioFile, '\0', sizeof reminders.audioFile) == nullptr ||
        std::memchr(reminders.fajrAudioFile, '\0', sizeof reminders.fajrAudioFile) == nullptr)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReminderSettings reminders = defaultReminderSettings();
    const char* text = reinterpret_cast<const char*>(data);
    size_t start = 0;
    for (int value = 0; value < reminderValueCount; ++value) {
        size_t end = start;
        while (end < size && text[end] != '\n')
            ++end;
        std::string line(text + (start < size ? start : size), text + end);
        if (line.size() >= reminderValueTextSize)
            line.resize(reminderValueTextSize - 1);
        decodeReminderValue(static_cast<ReminderValue>(value), start < size ? line.c_str() : nullptr, reminders);
        start = end < size ? end + 1 : size;
    }
    check(reminders);

    ReminderSettings read = defaultReminderSettings();
    for (int value = 0; value < reminderValueCount; ++value) {
        char written[reminderValueTextSize];
        encodeReminderValue(static_cast<ReminderValue>(value), reminders, written, sizeof written);
        decodeReminderValue(static_cast<ReminderValue>(value), written, read);
    }
    // Paths compare as text: the bytes after a terminator are not part of the value.
    if (std::memcmp(read.sound, reminders.sound, sizeof read.sound) != 0 ||
        std::memcmp(read.minutesBefore, reminders.minutesBefore, sizeof read.minutesBefore) != 0 ||
        read.fridayMinutesBefore != reminders.fridayMinutesBefore || read.notifySunrise != reminders.notifySunrise ||
        std::strcmp(read.audioFile, reminders.audioFile) != 0 ||
        std::strcmp(read.fajrAudioFile, reminders.fajrAudioFile) != 0)
        std::abort();
    return 0;
}
