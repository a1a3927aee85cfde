// selvara-cli timetable: the bytes of PrayingTimes.txt for a place and a month (or a run of days), to
// standard output or to a file.

#include "cli_commands.h"
#include "cli_options.h"
#include "place_lookup.h"
#include "prayer_arguments.h"
#include "settings.h"  // the default place
#include "timetable.h"
#include "zone_rules.h"

#include <cstdio>

namespace {

// Enough for several years of days in one table, and far below any overflow.
constexpr int mostDays = 100000;

bool readDayCount(const char* text, void* target) {
    int& days = *static_cast<int*>(target);
    return readInt(text, days) && days >= 1 && days <= mostDays;
}

struct TimetableArguments {
    double latitudeDeg = defaultLatitudeDeg;
    double longitudeDeg = defaultLongitudeDeg;
    bool haveLatitude = false;
    bool haveLongitude = false;
    PrayerArguments prayer;  // zone (default 1 hour), method, shadow rule, adjustments
    PlaceArguments place;    // --place QUERY instead of --lat, --lon and --tz
    int year = 0;
    int month = 0;
    int firstDay = 0;
    int dayCount = wholeMonthDayCount;
    bool haveFirstDay = false;
    bool haveDays = false;
    const char* outPath = nullptr;
};

int writeRequested(const TimetableArguments& r) {
    TimetableRequest request;
    request.latitudeDeg = r.latitudeDeg;
    request.longitudeDeg = r.longitudeDeg;
    request.zoneMinutes = r.prayer.zoneMinutes;
    if (r.prayer.haveTimeZone) {
        request.zoneOffsetForDay = timeZoneOffsetForDay;
        request.zoneContext = &r.prayer.timeZone;
    }
    request.options = r.prayer.options;
    request.year = r.year;
    request.month = r.month;
    request.firstDay = r.firstDay;
    request.dayCount = r.dayCount;
    if (r.outPath) {
        if (!writeTimetableRequest(r.outPath, request)) {
            std::fprintf(stderr, "Can not open file: %s\n", r.outPath);
            return exitWriteFailed;
        }
        return exitOk;
    }
    setBinaryStdout();
    writeTimetableRequestTo(stdout, request);
    return finishStandardOutput();
}

}  // namespace

int runTimetable(int argc, char** argv) {
    TimetableArguments r;
    int day = 0;
    today(r.year, r.month, day);
    CliOption options[7 + prayerOptionCount + placeOptionCount] = {
        {"--lat", readLatitudeDeg, &r.latitudeDeg, &r.haveLatitude},
        {"--lon", readLongitudeDeg, &r.longitudeDeg, &r.haveLongitude},
        {"--year", readYear, &r.year, nullptr},
        {"--month", readMonth, &r.month, nullptr},
        {"--first-day", readAnyInt, &r.firstDay, &r.haveFirstDay},
        {"--days", readDayCount, &r.dayCount, &r.haveDays},
        {"--out", readText, &r.outPath, nullptr},
    };
    addPrayerOptions(r.prayer, options + 7);
    addPlaceOptions(r.place, options + 7 + prayerOptionCount);
    int status = readOptions(argc, argv, options);
    if (status == exitOk)
        status = checkPrayerArguments(r.prayer);
    if (status == exitOk)
        status = applyPlaceArgument(r.place, r.haveLatitude || r.haveLongitude, r.prayer, r.latitudeDeg,
                                    r.longitudeDeg);
    if (status != exitOk)
        return status;
    if (r.haveFirstDay != r.haveDays)
        return usageError("--first-day and --days go together", nullptr);
    if (r.haveFirstDay && (r.firstDay < 1 || r.firstDay > daysInMonth(r.year, r.month)))
        return usageError("--first-day is not a day of the month", nullptr);
    return writeRequested(r);
}
