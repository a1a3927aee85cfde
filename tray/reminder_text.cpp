#include "reminder_text.h"

#include <cstdio>

namespace {

constexpr int minutesPerDay = 24 * 60;

// The clock minute as a wall clock shows it, past midnight wrapped into 00:00-23:59.
int wallClockMinute(int clockMinute) {
    return (clockMinute % minutesPerDay + minutesPerDay) % minutesPerDay;
}

// " - Zagreb", or nothing without a town.
const char* townSeparator(const char* town) {
    return town != nullptr && town[0] != '\0' ? " - " : "";
}

const char* townText(const char* town) {
    return town != nullptr ? town : "";
}

}  // namespace

void formatTooltip(char* text, size_t size, const ReminderEvent& next, UtcMinute now, const char* town) {
    const long long left = next.utcMinute > now ? next.utcMinute - now : 0;
    const int clock = wallClockMinute(next.clockMinute);
    std::snprintf(text, size, "%s in %lld:%02lld (%02d:%02d)%s%s", prayerSlotNames[next.slot], left / 60, left % 60,
                  clock / 60, clock % 60, townSeparator(town), townText(town));
}

void formatNotification(const ReminderEvent& event, const char* town, char* title, size_t titleSize, char* body,
                        size_t bodySize) {
    const char* name = prayerSlotNames[event.slot];
    switch (event.kind) {
        case ReminderKind::atTime: std::snprintf(title, titleSize, "%s", name); break;
        case ReminderKind::before:
            if (event.slot == slotSunrise)
                std::snprintf(title, titleSize, "%s ends in %d minutes", prayerSlotNames[slotFajr],
                              event.minutesBefore);
            else
                std::snprintf(title, titleSize, "%s in %d minutes", name, event.minutesBefore);
            break;
        case ReminderKind::fridayBefore:
            std::snprintf(title, titleSize, "Friday prayer in %d minutes", event.minutesBefore);
            break;
    }
    const int clock = wallClockMinute(event.clockMinute);
    std::snprintf(body, bodySize, "%s %02d:%02d%s%s", name, clock / 60, clock % 60, townSeparator(town),
                  townText(town));
}

void formatMenuTime(char* text, size_t size, int slot, int clockMinute) {
    const int clock = wallClockMinute(clockMinute);
    std::snprintf(text, size, "%s\t%02d:%02d", prayerSlotNames[slot], clock / 60, clock % 60);
}
