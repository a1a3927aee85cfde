// selvara-cli hijri: the Hijri date of one Gregorian day, or of every day of a range, optionally
// with the Hijri adjustment of local moon sighting (the date of day g is the table's of g + N).

#include "calendar.h"
#include "cli_commands.h"
#include "cli_options.h"
#include "hijri.h"

#include <cstdio>
#include <cstring>

namespace {

// One line: the Gregorian date, the Hijri date and the weekday. False outside the table.
bool printHijriLine(const GregorianDate& date, int adjustmentDays) {
    int hijriYear;
    int hijriMonth;
    int hijriDay;
    int weekday;
    if (!adjustedGregorianToHijri(date.year, date.month, date.day, adjustmentDays, hijriYear, hijriMonth,
                                  hijriDay, weekday))
        return false;
    std::printf("%04d-%02d-%02d %04d-%02d-%02d %s\n", date.year, date.month, date.day, hijriYear, hijriMonth,
                hijriDay, weekdayAbbreviations[weekday]);
    return true;
}

// The error names the Gregorian days the table covers under the adjustment.
int outsideTable(const GregorianDate& date, int adjustmentDays) {
    GregorianDate first{};
    GregorianDate last{};
    julianDayToGregorian(firstTableDayNumber - adjustmentDays, first.year, first.month, first.day);
    julianDayToGregorian(lastTableDayNumber - adjustmentDays, last.year, last.month, last.day);
    std::fprintf(stderr,
                 "selvara-cli: %04d-%02d-%02d is outside the Hijri table, which covers "
                 "%04d-%02d-%02d to %04d-%02d-%02d (Hijri %d to %d)\n",
                 date.year, date.month, date.day, first.year, first.month, first.day, last.year, last.month,
                 last.day, firstTableHijriYear, lastTableHijriYear);
    return exitUsage;
}

int dayNumber(const GregorianDate& date) {
    return static_cast<int>(julianDay(date.year, date.month, date.day + 0.5));
}

bool inTable(int dayNumber, int adjustmentDays) {
    return dayNumber + adjustmentDays >= firstTableDayNumber &&
           dayNumber + adjustmentDays <= lastTableDayNumber;
}

int printRange(const GregorianDate& from, const GregorianDate& to, int adjustmentDays) {
    const int firstDayNumber = dayNumber(from);
    const int lastDayNumber = dayNumber(to);
    if (!inTable(firstDayNumber, adjustmentDays))
        return outsideTable(from, adjustmentDays);
    if (!inTable(lastDayNumber, adjustmentDays))
        return outsideTable(to, adjustmentDays);
    if (lastDayNumber < firstDayNumber)
        return usageError("--from is after --to", nullptr);
    for (int n = firstDayNumber; n <= lastDayNumber; ++n) {
        GregorianDate date{};
        julianDayToGregorian(n, date.year, date.month, date.day);
        printHijriLine(date, adjustmentDays);
    }
    return finishStandardOutput();
}

// A whole number of days from -2 to 2.
bool readHijriAdjustment(const char* text, void* target) {
    int days;
    if (!readInt(text, days) || days < lowestHijriAdjustmentDays || days > highestHijriAdjustmentDays)
        return false;
    *static_cast<int*>(target) = days;
    return true;
}

}  // namespace

int runHijri(int argc, char** argv) {
    GregorianDate from{};
    GregorianDate to{};
    int adjustmentDays = 0;
    bool haveFrom = false;
    bool haveTo = false;
    // One date stands first, before any option.
    const bool oneDate = argc >= 1 && std::strncmp(argv[0], "--", 2) != 0;
    if (oneDate && !readDate(argv[0], from))
        return usageError("not a date", argv[0]);
    const CliOption options[] = {
        {"--from", readDateOption, &from, &haveFrom},
        {"--to", readDateOption, &to, &haveTo},
        {"--hijri-adjust", readHijriAdjustment, &adjustmentDays, nullptr},
    };
    const int status = oneDate ? readOptions(argc - 1, argv + 1, options) : readOptions(argc, argv, options);
    if (status != exitOk)
        return status;
    if (oneDate ? haveFrom || haveTo : !haveFrom || !haveTo)
        return usageError("hijri takes one date, or --from DATE --to DATE", nullptr);
    return printRange(from, oneDate ? from : to, adjustmentDays);
}
