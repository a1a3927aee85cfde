// selvara-cli timetable: the bytes of PrayingTimes.txt for a place and a month (or a run of days), to
// standard output or to a file.

#include "bulk_timetables.h"
#include "calendar.h"
#include "cli_commands.h"
#include "cli_options.h"
#include "default_place.h"
#include "night_arguments.h"
#include "place_lookup.h"
#include "prayer_arguments.h"
#include "timetable.h"

#include <cstdio>

namespace {

// Enough for several years of days in one table, and far below any overflow.
constexpr int mostDays = 100000;

bool readDayCount(const char* text, void* target) {
    int& days = *static_cast<int*>(target);
    return readInt(text, days) && days >= 1 && days <= mostDays;
}

// --format text (the fixed-column table, the default) or csv.
bool readFormat(const char* text, void* target) {
    TimetableFormat& format = *static_cast<TimetableFormat*>(target);
    return readTimetableFormat(text, format);
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
    TimetableFormat format = TimetableFormat::fixedColumns;
    NightArguments night;  // --extra (CSV only), --night, --imsak
    // Bulk mode: --out-dir, with the CSV places file given by --places (place.placesPath).
    const char* outDirectory = nullptr;
    bool haveMonth = false;
    bool haveYear = false;
    bool haveOut = false;
};

// --places FILE --year Y [--month M] --out-dir DIR: FILE is then a CSV list of places (not the
// place list that --place searches). The place options of the single call do not go with it; the
// method options are the defaults of rows that do not set their own.
int runBulk(const TimetableArguments& r) {
    if (!r.place.placesPath)
        return usageError("--out-dir needs --places FILE", nullptr);
    if (r.prayer.methodAuto)
        return refuseAutoMethod(r.prayer);
    if (!r.haveYear)
        return usageError("--places needs --year", nullptr);
    if (r.haveLatitude || r.haveLongitude || r.prayer.haveZone || r.prayer.haveTimeZone || r.haveOut ||
        r.haveFirstDay || r.haveDays || r.place.query)
        return usageError(
            "--places takes its places, zones and days from the file",
            "--lat, --lon, --place, --zone, --tz, --out, --first-day and --days do not go with it");
    BulkRequest bulk{r.place.placesPath,        r.outDirectory, r.year,
                     r.haveMonth ? r.month : 0, r.format,       r.prayer.options};
    return runBulkTimetables(bulk);
}

int writeRequested(const TimetableArguments& r) {
    TimetableRequest request =
        timetableRequestFor(r.prayer, r.latitudeDeg, r.longitudeDeg, r.year, r.month, r.format);
    request.firstDay = r.firstDay;
    request.dayCount = r.dayCount;
    request.nightColumns = r.night.extra;
    request.night = r.night.options;
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
    r.night.extra = takeExtraFlag(argc, argv);
    constexpr int ownOptionCount = 9;
    CliOption options[ownOptionCount + prayerOptionCount + placeOptionCount + nightOptionCount] = {
        {"--lat", readLatitudeDeg, &r.latitudeDeg, &r.haveLatitude},
        {"--lon", readLongitudeDeg, &r.longitudeDeg, &r.haveLongitude},
        {"--year", readYear, &r.year, &r.haveYear},
        {"--month", readMonth, &r.month, &r.haveMonth},
        {"--first-day", readAnyInt, &r.firstDay, &r.haveFirstDay},
        {"--days", readDayCount, &r.dayCount, &r.haveDays},
        {"--out", readText, &r.outPath, &r.haveOut},
        {"--format", readFormat, &r.format, nullptr},
        {"--out-dir", readText, &r.outDirectory, nullptr},
    };
    addPrayerOptions(r.prayer, options + ownOptionCount);
    addPlaceOptions(r.place, options + ownOptionCount + prayerOptionCount);
    addNightOptions(r.night, options + ownOptionCount + prayerOptionCount + placeOptionCount);
    int status = readOptions(argc, argv, options);
    if (status == exitOk && r.night.extra && (r.format != TimetableFormat::csv || r.outDirectory))
        return usageError("--extra adds columns to a single --format csv table",
                          "the fixed-column timetable keeps its columns");
    if (status == exitOk)
        status = checkPrayerArguments(r.prayer);
    if (status == exitOk && r.outDirectory)
        return runBulk(r);
    if (status == exitOk)
        status = applyPlaceArgument(r.place, r.haveLatitude || r.haveLongitude, r.prayer, r.latitudeDeg,
                                    r.longitudeDeg);
    if (status != exitOk)
        return status;
    if (r.haveFirstDay != r.haveDays)
        return usageError("--first-day and --days go together", nullptr);
    if (r.haveFirstDay && (r.firstDay < 1 || r.firstDay > gregorianMonthLength(r.year, r.month)))
        return usageError("--first-day is not a day of the month", nullptr);
    return writeRequested(r);
}
