// selvara-cli next: the next of the six times after a moment, its clock time and the minutes left,
// tab-separated: what the reminder in the notification area would show.

#include "calendar.h"
#include "cli_commands.h"
#include "cli_options.h"
#include "place_lookup.h"
#include "prayer_arguments.h"
#include "reminder_schedule.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// A local clock moment of the place: a date and the minute of its day.
struct LocalMoment {
    GregorianDate date;
    int clockMinute;
};

// YYYY-MM-DDTHH:MM, hours 00-23, minutes 00-59.
bool readMoment(const char* text, void* target) {
    LocalMoment& moment = *static_cast<LocalMoment*>(target);
    if (std::strlen(text) != 16 || text[10] != 'T' || text[13] != ':')
        return false;
    char date[11];
    std::memcpy(date, text, 10);
    date[10] = '\0';
    for (int i : {11, 12, 14, 15}) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    const int hour = (text[11] - '0') * 10 + (text[12] - '0');
    const int minute = (text[14] - '0') * 10 + (text[15] - '0');
    if (!readDateOption(date, &moment.date) || hour > 23 || minute > 59)
        return false;
    moment.clockMinute = hour * 60 + minute;
    return true;
}

}  // namespace

int runNext(int argc, char** argv) {
    double latitudeDeg = defaultLatitudeDeg;
    double longitudeDeg = defaultLongitudeDeg;
    LocalMoment at{};
    PrayerArguments prayer;
    PlaceArguments place;
    bool haveLatitude = false;
    bool haveLongitude = false;
    bool haveAt = false;
    CliOption options[3 + prayerOptionCount + placeOptionCount] = {
        {"--lat", readLatitudeDeg, &latitudeDeg, &haveLatitude},
        {"--lon", readLongitudeDeg, &longitudeDeg, &haveLongitude},
        {"--at", readMoment, &at, &haveAt},
    };
    addPrayerOptions(prayer, options + 3);
    addPlaceOptions(place, options + 3 + prayerOptionCount);
    int status = readOptions(argc, argv, options);
    if (status == exitOk)
        status = checkPrayerArguments(prayer);
    if (status == exitOk && place.query)
        status = applyPlaceArgument(place, haveLatitude || haveLongitude, prayer, latitudeDeg, longitudeDeg);
    if (status != exitOk)
        return status;

    UtcMinute now = static_cast<UtcMinute>(std::time(nullptr) / 60);
    if (haveAt) {
        const GregorianDate& d = at.date;
        now = utcMinuteOfLocal(d.year, d.month, d.day, at.clockMinute, zoneMinutesOn(prayer, d.year, d.month, d.day));
    }
    int year = 0, month = 0, day = 0, minuteOfDay = 0;
    utcDateOfMinute(now, year, month, day, minuteOfDay);
    const TimetableRequest request =
        timetableRequestFor(prayer, latitudeDeg, longitudeDeg, year, month, TimetableFormat::fixedColumns);
    ReminderEvent next{};
    if (!nextTimeAfter(timetableRequestDay, &request, now, next)) {
        std::fprintf(stderr, "selvara-cli: no prayer time ahead\n");
        return exitWriteFailed;
    }
    const int minutesPerDay = 24 * 60;
    const int clockMinute = (next.clockMinute % minutesPerDay + minutesPerDay) % minutesPerDay;
    std::printf("%s\t%02d:%02d\t%lld\n", prayerSlotNames[next.slot], clockMinute / 60, clockMinute % 60,
                static_cast<long long>(next.utcMinute - now));
    return finishStandardOutput();
}
