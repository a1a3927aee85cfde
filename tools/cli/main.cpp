// selvara-cli: the prayer-time engine from the command line, for scripts, web sites and tests.
//
//   selvara-cli timetable [--lat DEG] [--lon DEG] [--zone HOURS] [--year Y] [--month M]
//                         [--first-day D --days N] [--out FILE]
//   selvara-cli times --lat DEG --lon DEG --zone HOURS --date YYYY-MM-DD
//   selvara-cli hijri YYYY-MM-DD
//   selvara-cli hijri --from YYYY-MM-DD --to YYYY-MM-DD
//
// Exit status: 0 done, 1 the output file could not be written, 2 bad arguments.

#include "calendar.h"
#include "hijri.h"
#include "prayer_times.h"
#include "timetable.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

// The default place of the settings.
constexpr double defaultLatitudeDeg = 45.49;
constexpr double defaultLongitudeDeg = 15.59;
constexpr int defaultZoneHours = 1;

constexpr int exitOk = 0;
constexpr int exitWriteFailed = 1;
constexpr int exitUsage = 2;

// Years the calendar arithmetic handles without overflowing its day numbers.
constexpr int firstYear = 1;
constexpr int lastYear = 9999;
// Enough for several years of days in one table, and far below any overflow.
constexpr int mostDays = 100000;

const char usageText[] =
    "usage:\n"
    "  selvara-cli timetable [--lat DEG] [--lon DEG] [--zone HOURS] [--year Y] [--month M]\n"
    "                        [--first-day D --days N] [--out FILE]\n"
    "  selvara-cli times --lat DEG --lon DEG --zone HOURS --date YYYY-MM-DD\n"
    "  selvara-cli hijri YYYY-MM-DD\n"
    "  selvara-cli hijri --from YYYY-MM-DD --to YYYY-MM-DD\n";

int usageError(const char* message, const char* detail) {
    std::fprintf(stderr, "selvara-cli: %s%s%s\n", message, detail ? ": " : "", detail ? detail : "");
    std::fputs(usageText, stderr);
    return exitUsage;
}

// The whole text must be a number; a trailing letter or an empty text is refused.
bool parseDouble(const char* text, double& value) {
    if (!text || !*text)
        return false;
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text, &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool parseInt(const char* text, int& value) {
    if (!text || !*text)
        return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text, &end, 10);
    if (*end != '\0' || errno == ERANGE || parsed < -2147483647L || parsed > 2147483647L)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

int daysInMonth(int year, int month) {
    return gregorianMonthDays[month] + (month == 2 ? isLeapYear(year) : 0);
}

// YYYY-MM-DD of a real Gregorian day within the supported years.
bool parseDate(const char* text, GregorianDate& date) {
    if (!text || std::strlen(text) != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (int i = 0; i < 10; ++i) {
        if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9'))
            return false;
    }
    date.year = std::atoi(text);
    date.month = std::atoi(text + 5);
    date.day = std::atoi(text + 8);
    return date.year >= firstYear && date.year <= lastYear && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

bool validLatitude(double deg) {
    return deg >= -90.0 && deg <= 90.0;
}
bool validLongitude(double deg) {
    return deg >= -180.0 && deg <= 180.0;
}
bool validZone(int hours) {
    return hours >= -14 && hours <= 14;
}

void today(int& year, int& month, int& day) {
#ifdef _WIN32
    SYSTEMTIME now;
    GetLocalTime(&now);
    year = now.wYear;
    month = now.wMonth;
    day = now.wDay;
#else
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    year = local.tm_year + 1900;
    month = local.tm_mon + 1;
    day = local.tm_mday;
#endif
}

void setBinaryStdout() {
#ifdef _WIN32
    // The table carries its own CR LF; a text-mode stdout would double the CR.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

int runTimetable(int argc, char** argv) {
    double latitudeDeg = defaultLatitudeDeg;
    double longitudeDeg = defaultLongitudeDeg;
    int zoneHours = defaultZoneHours;
    int year = 0;
    int month = 0;
    int day = 0;
    today(year, month, day);
    int firstDay = 0;
    int dayCount = 0;
    bool haveFirstDay = false;
    bool haveDays = false;
    const char* outPath = nullptr;

    for (int i = 0; i < argc; ++i) {
        const char* option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok;
        if (std::strcmp(option, "--lat") == 0) {
            ok = parseDouble(value, latitudeDeg) && validLatitude(latitudeDeg);
        } else if (std::strcmp(option, "--lon") == 0) {
            ok = parseDouble(value, longitudeDeg) && validLongitude(longitudeDeg);
        } else if (std::strcmp(option, "--zone") == 0) {
            ok = parseInt(value, zoneHours) && validZone(zoneHours);
        } else if (std::strcmp(option, "--year") == 0) {
            ok = parseInt(value, year) && year >= firstYear && year <= lastYear;
        } else if (std::strcmp(option, "--month") == 0) {
            ok = parseInt(value, month) && month >= 1 && month <= 12;
        } else if (std::strcmp(option, "--first-day") == 0) {
            ok = parseInt(value, firstDay);
            haveFirstDay = true;
        } else if (std::strcmp(option, "--days") == 0) {
            ok = parseInt(value, dayCount) && dayCount >= 1 && dayCount <= mostDays;
            haveDays = true;
        } else if (std::strcmp(option, "--out") == 0) {
            ok = value != nullptr && *value != '\0';
            outPath = value;
        } else {
            return usageError("unknown option", option);
        }
        if (!ok)
            return usageError(value ? "bad value for" : "missing value for", option);
        ++i;
    }
    if (haveFirstDay != haveDays)
        return usageError("--first-day and --days go together", nullptr);
    if (haveFirstDay && (firstDay < 1 || firstDay > daysInMonth(year, month)))
        return usageError("--first-day is not a day of the month", nullptr);
    if (!haveDays)
        dayCount = 0;

    if (outPath) {
        if (!writeTimetable(outPath, zoneHours, longitudeDeg, latitudeDeg, year, month, firstDay, dayCount)) {
            std::fprintf(stderr, "Can not open file: %s\n", outPath);
            return exitWriteFailed;
        }
        return exitOk;
    }
    setBinaryStdout();
    writeTimetableTo(stdout, zoneHours, longitudeDeg, latitudeDeg, year, month, firstDay, dayCount);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? exitOk : exitWriteFailed;
}

int runTimes(int argc, char** argv) {
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
    int zoneHours = 0;
    GregorianDate date{};
    bool haveLatitude = false;
    bool haveLongitude = false;
    bool haveZone = false;
    bool haveDate = false;
    for (int i = 0; i < argc; ++i) {
        const char* option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok;
        if (std::strcmp(option, "--lat") == 0) {
            ok = haveLatitude = parseDouble(value, latitudeDeg) && validLatitude(latitudeDeg);
        } else if (std::strcmp(option, "--lon") == 0) {
            ok = haveLongitude = parseDouble(value, longitudeDeg) && validLongitude(longitudeDeg);
        } else if (std::strcmp(option, "--zone") == 0) {
            ok = haveZone = parseInt(value, zoneHours) && validZone(zoneHours);
        } else if (std::strcmp(option, "--date") == 0) {
            ok = haveDate = parseDate(value, date);
        } else {
            return usageError("unknown option", option);
        }
        if (!ok)
            return usageError(value ? "bad value for" : "missing value for", option);
        ++i;
    }
    if (!haveLatitude || !haveLongitude || !haveZone || !haveDate)
        return usageError("times needs --lat, --lon, --zone and --date", nullptr);

    const PrayerTimes times = computePrayerTimes(date.year, date.month, date.day,
                                                 timetableParameters(latitudeDeg, longitudeDeg, zoneHours));
    const double values[] = {times.dawn,      times.sunrise, times.noon,
                             times.afternoon, times.sunset,  times.evening};
    for (int i = 0; i < 6; ++i) {
        if (std::isnan(values[i]))
            std::printf("%snan", i ? " " : "");
        else
            std::printf("%s%.9f", i ? " " : "", values[i]);
    }
    std::printf("\n");
    return exitOk;
}

// One line: the Gregorian date, the Hijri date and the weekday. False outside the table.
bool printHijriLine(const GregorianDate& date) {
    int hijriYear;
    int hijriMonth;
    int hijriDay;
    int weekday;
    if (!gregorianToHijri(date.year, date.month, date.day, hijriYear, hijriMonth, hijriDay, weekday))
        return false;
    std::printf("%04d-%02d-%02d %04d-%02d-%02d %s\n", date.year, date.month, date.day, hijriYear, hijriMonth,
                hijriDay, weekdayAbbreviations[weekday]);
    return true;
}

int outsideTable(const GregorianDate& date) {
    GregorianDate first{};
    GregorianDate last{};
    julianDayToGregorian(firstTableDayNumber, first.year, first.month, first.day);
    julianDayToGregorian(lastTableDayNumber, last.year, last.month, last.day);
    std::fprintf(stderr,
                 "selvara-cli: %04d-%02d-%02d is outside the Hijri table, which covers "
                 "%04d-%02d-%02d to %04d-%02d-%02d (Hijri %d to %d)\n",
                 date.year, date.month, date.day, first.year, first.month, first.day, last.year, last.month,
                 last.day, firstTableHijriYear, lastTableHijriYear);
    return exitUsage;
}

int runHijri(int argc, char** argv) {
    GregorianDate from{};
    GregorianDate to{};
    if (argc == 1) {
        if (!parseDate(argv[0], from))
            return usageError("not a date", argv[0]);
        return printHijriLine(from) ? exitOk : outsideTable(from);
    }
    if (argc != 4 || std::strcmp(argv[0], "--from") != 0 || std::strcmp(argv[2], "--to") != 0)
        return usageError("hijri takes one date, or --from DATE --to DATE", nullptr);
    if (!parseDate(argv[1], from))
        return usageError("not a date", argv[1]);
    if (!parseDate(argv[3], to))
        return usageError("not a date", argv[3]);

    const int firstDayNumber = static_cast<int>(julianDay(from.year, from.month, from.day + 0.5));
    const int lastDayNumber = static_cast<int>(julianDay(to.year, to.month, to.day + 0.5));
    if (firstDayNumber < firstTableDayNumber || firstDayNumber > lastTableDayNumber)
        return outsideTable(from);
    if (lastDayNumber < firstTableDayNumber || lastDayNumber > lastTableDayNumber)
        return outsideTable(to);
    for (int n = firstDayNumber; n <= lastDayNumber; ++n) {
        GregorianDate date{};
        julianDayToGregorian(n, date.year, date.month, date.day);
        printHijriLine(date);
    }
    return exitOk;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usageError("no command", nullptr);
    const char* command = argv[1];
    if (std::strcmp(command, "timetable") == 0)
        return runTimetable(argc - 2, argv + 2);
    if (std::strcmp(command, "times") == 0)
        return runTimes(argc - 2, argv + 2);
    if (std::strcmp(command, "hijri") == 0)
        return runHijri(argc - 2, argv + 2);
    if (std::strcmp(command, "--help") == 0 || std::strcmp(command, "-h") == 0) {
        std::fputs(usageText, stdout);
        return exitOk;
    }
    return usageError("unknown command", command);
}
