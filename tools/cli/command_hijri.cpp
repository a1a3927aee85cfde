// selvara-cli hijri: the Hijri date of one Gregorian day, or of every day of a range.

#include "calendar.h"
#include "cli_commands.h"
#include "cli_options.h"
#include "hijri.h"

#include <cstdio>
#include <cstring>

namespace {

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
    std::fprintf(stderr,
                 "selvara-cli: %04d-%02d-%02d is outside the Hijri table, which covers "
                 "1999-04-17 to 2029-05-13 (Hijri 1420 to 1450)\n",
                 date.year, date.month, date.day);
    return exitUsage;
}

int dayNumber(const GregorianDate& date) {
    return static_cast<int>(julianDay(date.year, date.month, date.day + 0.5));
}

bool inTable(int dayNumber) {
    return dayNumber >= firstTableDayNumber && dayNumber <= lastTableDayNumber;
}

int printRange(const GregorianDate& from, const GregorianDate& to) {
    const int firstDayNumber = dayNumber(from);
    const int lastDayNumber = dayNumber(to);
    if (!inTable(firstDayNumber))
        return outsideTable(from);
    if (!inTable(lastDayNumber))
        return outsideTable(to);
    for (int n = firstDayNumber; n <= lastDayNumber; ++n) {
        GregorianDate date{};
        julianDayToGregorian(n, date.year, date.month, date.day);
        printHijriLine(date);
    }
    return exitOk;
}

}  // namespace

int runHijri(int argc, char** argv) {
    GregorianDate from{};
    GregorianDate to{};
    if (argc == 1) {
        if (!readDate(argv[0], from))
            return usageError("not a date", argv[0]);
        return printHijriLine(from) ? exitOk : outsideTable(from);
    }
    if (argc != 4 || std::strcmp(argv[0], "--from") != 0 || std::strcmp(argv[2], "--to") != 0)
        return usageError("hijri takes one date, or --from DATE --to DATE", nullptr);
    if (!readDate(argv[1], from))
        return usageError("not a date", argv[1]);
    if (!readDate(argv[3], to))
        return usageError("not a date", argv[3]);
    return printRange(from, to);
}
