// The [Reminders] values of selvara.ini: each key's text and back, and damaged text giving the
// key's default.
#include "reminder_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct DecodeCase {
    ReminderValue value;
    const char* text;
    const char* storedAs;  // what encoding the decoded record gives back
};

const DecodeCase decodeCases[] = {
    {reminderSoundFajr, "file", "file"},
    {reminderSoundFajr, "NONE", "none"},
    {reminderSoundFajr, "adhan", "chime"},  // unknown: the default
    {reminderSoundFajr, nullptr, "chime"},
    {reminderSoundSunrise, "", "none"},
    {reminderSoundIsha, "Chime", "chime"},
    {reminderBeforeAsr, "10", "10"},
    {reminderBeforeAsr, " 120 ", "120"},
    {reminderBeforeAsr, "121", "0"},
    {reminderBeforeAsr, "-5", "0"},
    {reminderBeforeAsr, "5 minutes", "0"},
    {reminderBeforeSunrise, "15", "15"},
    {reminderBeforeFriday, "30", "30"},
    {reminderBeforeFriday, "99999999999", "0"},
    {reminderNotifySunrise, "1", "1"},
    {reminderNotifySunrise, "yes", "0"},
    {reminderAudioFile, "C:\\Sounds\\adhan.mp3", "C:\\Sounds\\adhan.mp3"},
    {reminderFajrAudioFile, nullptr, ""},
};

TEST(ReminderSettings, EachValueDecodesAndEncodes) {
    for (const DecodeCase& c : decodeCases) {
        ReminderSettings reminders = defaultReminderSettings();
        decodeReminderValue(c.value, c.text, reminders);
        char text[reminderValueTextSize];
        encodeReminderValue(c.value, reminders, text, sizeof text);
        EXPECT_STREQ(c.storedAs, text) << reminderKeys[c.value] << " = " << (c.text ? c.text : "(missing)");
    }
}

TEST(ReminderSettings, PathTooLongIsRefusedWhole) {
    const std::string longPath(pathBufferSize, 'x');
    ReminderSettings reminders = defaultReminderSettings();
    decodeReminderValue(reminderAudioFile, longPath.c_str(), reminders);
    EXPECT_STREQ("", reminders.audioFile);
}

TEST(ReminderSettings, FajrHasItsOwnFile) {
    ReminderSettings reminders = defaultReminderSettings();
    std::strcpy(reminders.audioFile, "all.wav");
    EXPECT_STREQ("all.wav", reminderAudioFileFor(reminders, slotFajr));
    std::strcpy(reminders.fajrAudioFile, "fajr.mp3");
    EXPECT_STREQ("fajr.mp3", reminderAudioFileFor(reminders, slotFajr));
    EXPECT_STREQ("all.wav", reminderAudioFileFor(reminders, slotMaghrib));
}

}  // namespace
