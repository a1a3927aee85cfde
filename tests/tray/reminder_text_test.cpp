// The reminder's wording: the tooltip of the example and each kind of notification.
#include "reminder_text.h"

#include <gtest/gtest.h>

namespace {

ReminderEvent eventOf(int slot, ReminderKind kind, int minutesBefore, int clockMinute, UtcMinute at) {
    ReminderEvent event{};
    event.slot = slot;
    event.kind = kind;
    event.minutesBefore = minutesBefore;
    event.clockMinute = clockMinute;
    event.utcMinute = at;
    return event;
}

TEST(ReminderText, Tooltip) {
    char text[128];
    formatTooltip(text, sizeof text, eventOf(slotAsr, ReminderKind::atTime, 0, 15 * 60 + 42, 1000), 1000 - 83, "Zagreb");
    EXPECT_STREQ("Asr in 1:23 (15:42) - Zagreb", text);
    formatTooltip(text, sizeof text, eventOf(slotFajr, ReminderKind::atTime, 0, 5 * 60 + 45, 1000), 1000 - 346, "");
    EXPECT_STREQ("Fajr in 5:46 (05:45)", text);
    formatTooltip(text, sizeof text, eventOf(slotIsha, ReminderKind::atTime, 0, 24 * 60 + 30, 1000), 1000 - 1, "Oslo");
    EXPECT_STREQ("Isha in 0:01 (00:30) - Oslo", text);
    char shortText[8];
    formatTooltip(shortText, sizeof shortText, eventOf(slotAsr, ReminderKind::atTime, 0, 0, 10), 0, "Zagreb");
    EXPECT_STREQ("Asr in ", shortText);
}

TEST(ReminderText, Notifications) {
    struct {
        ReminderEvent event;
        const char* title;
        const char* body;
    } const cases[] = {
        {eventOf(slotAsr, ReminderKind::atTime, 0, 15 * 60 + 42, 0), "Asr", "Asr 15:42 - Zagreb"},
        {eventOf(slotAsr, ReminderKind::before, 10, 15 * 60 + 42, 0), "Asr in 10 minutes", "Asr 15:42 - Zagreb"},
        {eventOf(slotSunrise, ReminderKind::before, 15, 7 * 60 + 37, 0), "Fajr ends in 15 minutes",
         "Sunrise 07:37 - Zagreb"},
        {eventOf(slotDhuhr, ReminderKind::fridayBefore, 30, 12 * 60 + 1, 0), "Friday prayer in 30 minutes",
         "Dhuhr 12:01 - Zagreb"},
    };
    for (const auto& c : cases) {
        char title[64], body[128];
        formatNotification(c.event, "Zagreb", title, sizeof title, body, sizeof body);
        EXPECT_STREQ(c.title, title);
        EXPECT_STREQ(c.body, body);
    }
}

}  // namespace
