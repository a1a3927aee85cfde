#include "posix_zone_rule.h"

#include "calendar.h"

namespace {

constexpr int secondsPerMinute = 60;
constexpr int secondsPerHour = 3600;
constexpr int64_t secondsPerDay = 86400;
constexpr int mostOffsetHours = 24;  // a zone offset is below a day
constexpr int mostRuleHours = 167;   // a change of clock may name an hour of the next week
constexpr int defaultChangeSeconds = 2 * secondsPerHour;
constexpr int shortestAbbreviation = 3;
constexpr int longestAbbreviation = 32;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A number of at most maxDigits digits; false when there is none.
bool readNumber(const char*& p, int maxDigits, int& value) {
    int digits = 0;
    value = 0;
    while (isDigit(*p)) {
        if (++digits > maxDigits)
            return false;
        value = value * 10 + (*p++ - '0');
    }
    return digits > 0;
}

// An abbreviation: three or more letters, or <...> of letters, digits, '+' and '-'.
bool readAbbreviation(const char*& p) {
    int length = 0;
    if (*p == '<') {
        ++p;
        while (isAlpha(*p) || isDigit(*p) || *p == '+' || *p == '-') {
            ++p;
            ++length;
        }
        if (*p != '>')
            return false;
        ++p;
    } else {
        while (isAlpha(*p)) {
            ++p;
            ++length;
        }
    }
    return length >= shortestAbbreviation && length <= longestAbbreviation;
}

// [+-]hh[:mm[:ss]] with hh at most mostHours; seconds as written (sign included).
bool readClock(const char*& p, int mostHours, int& seconds) {
    int sign = 1;
    if (*p == '+' || *p == '-')
        sign = *p++ == '-' ? -1 : 1;
    int hours;
    if (!readNumber(p, 3, hours) || hours > mostHours)
        return false;
    int minutes = 0;
    int secs = 0;
    if (*p == ':') {
        ++p;
        if (!readNumber(p, 2, minutes) || minutes > 59)
            return false;
        if (*p == ':') {
            ++p;
            if (!readNumber(p, 2, secs) || secs > 59)
                return false;
        }
    }
    seconds = sign * (hours * secondsPerHour + minutes * secondsPerMinute + secs);
    return true;
}

bool readRuleDate(const char*& p, PosixRuleDate& date) {
    date = PosixRuleDate{};
    if (*p == 'M') {
        ++p;
        date.kind = 'M';
        if (!readNumber(p, 2, date.month) || date.month < 1 || date.month > 12 || *p++ != '.')
            return false;
        if (!readNumber(p, 1, date.week) || date.week < 1 || date.week > 5 || *p++ != '.')
            return false;
        if (!readNumber(p, 1, date.weekday) || date.weekday > 6)
            return false;
    } else if (*p == 'J') {
        ++p;
        date.kind = 'J';
        if (!readNumber(p, 3, date.day) || date.day < 1 || date.day > 365)
            return false;
    } else {
        date.kind = 'D';
        if (!readNumber(p, 3, date.day) || date.day > 365)
            return false;
    }
    date.timeSeconds = defaultChangeSeconds;
    if (*p == '/') {
        ++p;
        return readClock(p, mostRuleHours, date.timeSeconds);
    }
    return true;
}

// Days from 1970-01-01 to the day of a rule date in a year.
int64_t ruleDay(const PosixRuleDate& date, int64_t year) {
    const int64_t january1 = daysFromCivil(year, 1, 1);
    if (date.kind == 'J')
        return january1 + date.day - 1 + (isLeapYear(year) && date.day >= 60 ? 1 : 0);
    if (date.kind == 'D')
        return january1 + date.day;
    return daysFromCivil(year, date.month, 1) + nthWeekdayOfMonth(year, date.month, date.weekday, date.week) - 1;
}

}  // namespace

bool parsePosixZoneRule(const char* text, PosixZoneRule& rule) {
    if (!text)
        return false;
    const char* p = text;
    PosixZoneRule parsed{};
    int westSeconds;
    if (!readAbbreviation(p) || !readClock(p, mostOffsetHours, westSeconds))
        return false;
    parsed.standardOffsetSeconds = -westSeconds;
    parsed.daylightOffsetSeconds = parsed.standardOffsetSeconds;
    if (*p != '\0') {
        if (!readAbbreviation(p))
            return false;
        parsed.hasDaylight = true;
        parsed.daylightOffsetSeconds = parsed.standardOffsetSeconds + secondsPerHour;
        if (*p != ',' && *p != '\0') {
            if (!readClock(p, mostOffsetHours, westSeconds))
                return false;
            parsed.daylightOffsetSeconds = -westSeconds;
        }
        if (*p == ',') {
            ++p;
            if (!readRuleDate(p, parsed.daylightStart) || *p++ != ',' || !readRuleDate(p, parsed.daylightEnd))
                return false;
        } else {
            // No rule given: the United States rule, as the C library assumes.
            const char* usRule = "M3.2.0,M11.1.0";
            if (!readRuleDate(usRule, parsed.daylightStart) || *usRule++ != ',' ||
                !readRuleDate(usRule, parsed.daylightEnd))
                return false;
        }
        if (*p != '\0')
            return false;
    }
    rule = parsed;
    return true;
}

int32_t posixOffsetAt(const PosixZoneRule& rule, int64_t utcSeconds) {
    if (!rule.hasDaylight)
        return rule.standardOffsetSeconds;
    // The year of the instant on the standard clock; both changes are taken in that year.
    const int64_t localSeconds = utcSeconds + rule.standardOffsetSeconds;
    int64_t year;
    int month;
    int day;
    const int64_t localDays =
        localSeconds >= 0 ? localSeconds / secondsPerDay : -((-localSeconds - 1) / secondsPerDay) - 1;
    civilFromDays(localDays, year, month, day);
    const int64_t startUtc = ruleDay(rule.daylightStart, year) * secondsPerDay +
                             rule.daylightStart.timeSeconds - rule.standardOffsetSeconds;
    const int64_t endUtc = ruleDay(rule.daylightEnd, year) * secondsPerDay + rule.daylightEnd.timeSeconds -
                           rule.daylightOffsetSeconds;
    bool daylight;
    if (startUtc < endUtc)
        daylight = utcSeconds >= startUtc && utcSeconds < endUtc;  // northern: summer inside one year
    else
        daylight = !(utcSeconds >= endUtc && utcSeconds < startUtc);  // southern: summer across new year
    return daylight ? rule.daylightOffsetSeconds : rule.standardOffsetSeconds;
}
