// selvara-cli timetable: the bytes of PrayingTimes.txt for a place and a month (or a run of days), to
// standard output or to a file.

#include "cli_commands.h"
#include "cli_options.h"
#include "timetable.h"

#include <cstdio>

namespace {

// The default place of the settings.
constexpr double defaultLatitudeDeg = 45.49;
constexpr double defaultLongitudeDeg = 15.59;
constexpr int defaultZoneHours = 1;

// Enough for several years of days in one table, and far below any overflow.
constexpr int mostDays = 100000;

bool readDayCount(const char* text, void* target) {
    int& days = *static_cast<int*>(target);
    return readInt(text, days) && days >= 1 && days <= mostDays;
}

struct TimetableArguments {
    double latitudeDeg = defaultLatitudeDeg;
    double longitudeDeg = defaultLongitudeDeg;
    int zoneHours = defaultZoneHours;
    int year = 0;
    int month = 0;
    int firstDay = 0;
    int dayCount = 0;  // 0: the whole month
    bool haveFirstDay = false;
    bool haveDays = false;
    const char* outPath = nullptr;
};

int writeRequested(const TimetableArguments& r) {
    if (r.outPath) {
        if (!writeTimetable(r.outPath, r.zoneHours, r.longitudeDeg, r.latitudeDeg, r.year, r.month,
                            r.firstDay, r.dayCount)) {
            std::fprintf(stderr, "Can not open file: %s\n", r.outPath);
            return exitWriteFailed;
        }
        return exitOk;
    }
    setBinaryStdout();
    writeTimetableTo(stdout, r.zoneHours, r.longitudeDeg, r.latitudeDeg, r.year, r.month, r.firstDay,
                     r.dayCount);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? exitOk : exitWriteFailed;
}

}  // namespace

int runTimetable(int argc, char** argv) {
    TimetableArguments r;
    int day = 0;
    today(r.year, r.month, day);
    const CliOption options[] = {
        {"--lat", readLatitudeDeg, &r.latitudeDeg, nullptr},
        {"--lon", readLongitudeDeg, &r.longitudeDeg, nullptr},
        {"--zone", readZoneHours, &r.zoneHours, nullptr},
        {"--year", readYear, &r.year, nullptr},
        {"--month", readMonth, &r.month, nullptr},
        {"--first-day", readAnyInt, &r.firstDay, &r.haveFirstDay},
        {"--days", readDayCount, &r.dayCount, &r.haveDays},
        {"--out", readText, &r.outPath, nullptr},
    };
    const int status = readOptions(argc, argv, options);
    if (status != exitOk)
        return status;
    if (r.haveFirstDay != r.haveDays)
        return usageError("--first-day and --days go together", nullptr);
    if (r.haveFirstDay && (r.firstDay < 1 || r.firstDay > daysInMonth(r.year, r.month)))
        return usageError("--first-day is not a day of the month", nullptr);
    return writeRequested(r);
}
