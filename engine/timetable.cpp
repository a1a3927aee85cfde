#include "timetable.h"

#include "calendar.h"
#include "prayer_times.h"
#include "standard_events.h"
#include "zone_text.h"

#include <cmath>
#include <cstring>

namespace {

// Five-line header; "\r\n" because the file is CR LF text on every platform that writes it.
const char headerRule[] = "-------------------------------------------------------------------------\r\n";
const char headerPrayerNames[] = "              Fajr     SHorwwQ    DHuhr     `ASr      MaGHrib  `ISHaa'\r\n";
const char headerColumnTitles[] =
    "Date Day      Dawn     Sunrise    Noon    Afternoon   Sunset   Evening\r\n";

// Times beyond this many hours cannot come from the engine; they are printed as a blank time.
constexpr double largestPrintableHours = 1.0e6;

// A rounded time's whole minutes: what a rounding up leaves of a time already on the minute
// (a few ulps past it from the sums that made it).
constexpr double wholeMinuteToleranceMinutes = 1e-6;

// Hours and minutes as formatClockTime prints them; false for a value it prints as "--:--".
bool clockFields(double hours, int& h, int& m, MinuteRounding rounding) {
    if (!(std::fabs(hours) < largestPrintableHours))
        return false;
    if (rounding != MinuteRounding::cut) {
        // Whole minutes first, then hours and minutes of them: a negative time keeps its sign in
        // the hours only, as a cut one does.
        const double minutes = rounding == MinuteRounding::up
                                   ? std::ceil(hours * 60.0 - wholeMinuteToleranceMinutes)
                                   : std::floor(hours * 60.0 + 0.5);
        const long long whole = static_cast<long long>(minutes);
        h = static_cast<int>(whole / 60);
        m = static_cast<int>(whole % 60);
        if (m < 0)
            m = -m;
        return true;
    }
    h = static_cast<int>(hours);  // toward zero
    m = static_cast<int>((hours - h) * 60.0);
    if (m < 0)
        m = -m;
    return true;
}

char* putTwoDigits(char* out, int value) {
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
    return out + 2;
}

// formatClockTime's text at out, unterminated; returns its end. Hours of 0-99 (every time of an
// ordinary day) are written digit by digit, the rare others through snprintf: the bytes are those
// of "%02d:%02d" either way. At most clockTimeBufferSize - 1 bytes.
char* putClockTime(char* out, double hours, MinuteRounding rounding) {
    int h = 0;
    int m = 0;
    if (!clockFields(hours, h, m, rounding)) {
        std::memcpy(out, "--:--", 5);
        return out + 5;
    }
    if (h >= 0 && h <= 99) {
        out = putTwoDigits(out, h);
        *out++ = ':';
        return putTwoDigits(out, m);
    }
    char text[clockTimeBufferSize];
    const int length = std::snprintf(text, sizeof text, "%02d:%02d", h, m);
    std::memcpy(out, text, static_cast<std::size_t>(length));
    return out + length;
}

char* putText(char* out, const char* text, std::size_t length) {
    std::memcpy(out, text, length);
    return out + length;
}

}  // namespace

void formatClockTime(char* buffer, std::size_t size, double hours, MinuteRounding rounding) {
    if (size == 0)
        return;
    char text[clockTimeBufferSize];
    const std::size_t length = static_cast<std::size_t>(putClockTime(text, hours, rounding) - text);
    const std::size_t kept = length < size ? length : size - 1;
    std::memcpy(buffer, text, kept);
    buffer[kept] = '\0';
}

bool readTimetableFormat(const char* name, TimetableFormat& format) {
    if (name == nullptr)
        return false;
    if (std::strcmp(name, "text") == 0)
        format = TimetableFormat::fixedColumns;
    else if (std::strcmp(name, "csv") == 0)
        format = TimetableFormat::csv;
    else
        return false;
    return true;
}

namespace {

void sameRoundingForAll(MinuteRounding rounding, MinuteRounding (&roundings)[6]) {
    for (MinuteRounding& each : roundings)
        each = rounding;
}

}  // namespace

std::size_t formatTimetableLine(char* buffer, int day, int weekday, const double (&hours)[6],
                                MinuteRounding rounding) {
    MinuteRounding roundings[6];
    sameRoundingForAll(rounding, roundings);
    return formatTimetableLine(buffer, day, weekday, hours, roundings);
}

std::size_t formatTimetableCsvLine(char* buffer, int year, int month, int day, int weekday,
                                   const double (&hours)[6], MinuteRounding rounding) {
    MinuteRounding roundings[6];
    sameRoundingForAll(rounding, roundings);
    return formatTimetableCsvLine(buffer, year, month, day, weekday, hours, roundings);
}

std::size_t formatTimetableLine(char* buffer, int day, int weekday, const double (&hours)[6],
                                const MinuteRounding (&roundings)[6]) {
    char* out = buffer;
    // "%2d   %3s      ": the day right-aligned in two columns, then the weekday.
    *out++ = day >= 10 ? static_cast<char>('0' + day / 10) : ' ';
    *out++ = static_cast<char>('0' + day % 10);
    out = putText(out, "   ", 3);
    out = putText(out, weekdayAbbreviations[weekday], 3);
    out = putText(out, "      ", 6);
    for (int i = 0; i < 6; ++i) {
        out = putClockTime(out, hours[i], roundings[i]);
        out = putText(out, "     ", 5);
    }
    out = putText(out, "\r\n", 2);
    *out = '\0';
    return static_cast<std::size_t>(out - buffer);
}

std::size_t formatTimetableCsvLine(char* buffer, int year, int month, int day, int weekday,
                                   const double (&hours)[6], const MinuteRounding (&roundings)[6]) {
    char* out = buffer;
    out = putTwoDigits(out, year / 100 % 100);
    out = putTwoDigits(out, year % 100);
    *out++ = '-';
    out = putTwoDigits(out, month);
    *out++ = '-';
    out = putTwoDigits(out, day);
    *out++ = ',';
    out = putText(out, weekdayAbbreviations[weekday], 3);
    for (int i = 0; i < 6; ++i) {
        *out++ = ',';
        int h = 0;
        int m = 0;
        if (clockFields(hours[i], h, m, roundings[i]))  // no time at all: an empty field rather than "--:--"
            out = putClockTime(out, hours[i], roundings[i]);
    }
    out = putText(out, "\r\n", 2);
    *out = '\0';
    return static_cast<std::size_t>(out - buffer);
}

namespace {

const char csvHeader[] = "date,weekday,fajr,sunrise,dhuhr,asr,maghrib,isha\r\n";
const char csvNightHeader[] = "date,weekday,fajr,sunrise,dhuhr,asr,maghrib,isha,imsak,midnight,last_third\r\n";

void writeHeader(std::FILE* file, int year, int month, TimetableFormat format, bool nightColumns) {
    if (format == TimetableFormat::csv) {
        std::fputs(nightColumns ? csvNightHeader : csvHeader, file);
        return;
    }
    std::fprintf(file, "               Praying times for a month: %s  %d\r\n", gregorianMonthNames[month - 1],
                 year);
    std::fputs(headerRule, file);
    std::fputs(headerPrayerNames, file);
    std::fputs(headerColumnTitles, file);
    std::fputs(headerRule, file);
}

// One day's line, formatted in memory and written with one call.
void writeDayLine(std::FILE* file, TimetableFormat format, const MinuteRounding (&roundings)[6], int year,
                  int month, int day, int weekday, const PrayerTimes& times) {
    const double hours[6] = {times.dawn,      times.sunrise, times.noon,
                             times.afternoon, times.sunset,  times.evening};
    char line[timetableLineBufferSize];
    const std::size_t length = format == TimetableFormat::csv
                                   ? formatTimetableCsvLine(line, year, month, day, weekday, hours, roundings)
                                   : formatTimetableLine(line, day, weekday, hours, roundings);
    std::fwrite(line, 1, length, file);
}

// A CSV day line (ending in CR LF, length bytes) with the night's times added before its line end,
// each folded into the clock's day; a time the engine cannot give is an empty field.
std::size_t addNightFields(char* line, std::size_t length, const NightTimes& night, MinuteRounding rounding) {
    char* out = line + length - 2;
    const double hours[] = {night.imsak, night.midnight, night.lastThird};
    for (const double value : hours) {
        *out++ = ',';
        int h = 0;
        int m = 0;
        const double clockHours = hoursOfClockDay(value);
        if (clockFields(clockHours, h, m, rounding))
            out = putClockTime(out, clockHours, rounding);
    }
    out = putText(out, "\r\n", 2);
    *out = '\0';
    return static_cast<std::size_t>(out - line);
}

// Old callers give the zone in hours; whole and half hours are whole minutes exactly.
int zoneHoursToMinutes(double zoneHours) {
    constexpr double mostMinutes = 24.0 * 60.0;
    const double minutes = zoneHours * 60.0;
    if (!(minutes > -mostMinutes && minutes < mostMinutes))
        return 0;
    return static_cast<int>(std::lround(minutes));
}


// A CSV day line with the night's times: the night after this day's sunset ends on the next day,
// whose times come on the next day's own zone.
void writeNightDayLine(std::FILE* file, const TimetableRequest& request, const MinuteRounding (&roundings)[6],
                       MinuteRounding rounding, const LocalDate& day, const PrayerTimes& times) {
    int y = day.year;
    int m = day.month;
    int d = day.day + 1;
    normalizeGregorianDate(y, m, d);
    const int zoneMinutes = day.zoneMinutes;
    const int nextZoneMinutes = timetableZoneMinutes(request, y, m, d);
    const PrayerTimes nextDay =
        computeDayTimes(y, m, d, request.latitudeDeg, request.longitudeDeg, nextZoneMinutes, request.options);
    const NightTimes night = nightTimesBetween(times, nextDay, nextZoneMinutes - zoneMinutes, request.night);
    const double hours[6] = {times.dawn,      times.sunrise, times.noon,
                             times.afternoon, times.sunset,  times.evening};
    char line[timetableLineBufferSize];
    std::size_t length = formatTimetableCsvLine(line, day.year, day.month, day.day,
                                                weekdayOfDate(day.year, day.month, day.day), hours, roundings);
    length = addNightFields(line, length, night, rounding);
    std::fwrite(line, 1, length, file);
}

}  // namespace

int timetableZoneMinutes(const TimetableRequest& request, int year, int month, int day) {
    if (request.zoneOffsetForDay) {
        const int minutes = request.zoneOffsetForDay(request.zoneContext, year, month, day);
        if (validZoneMinutes(minutes))
            return minutes;
    }
    return request.zoneMinutes;
}

NightTimes nightTimesOfRequestDay(const TimetableRequest& request, int year, int month, int day) {
    int nextYear = year;
    int nextMonth = month;
    int nextDay = day + 1;
    normalizeGregorianDate(nextYear, nextMonth, nextDay);
    return computeNightTimes(year, month, day, request.latitudeDeg, request.longitudeDeg,
                             timetableZoneMinutes(request, year, month, day),
                             timetableZoneMinutes(request, nextYear, nextMonth, nextDay), request.options,
                             request.night);
}

void writeTimetableRequestTo(std::FILE* file, const TimetableRequest& request) {
    if (request.month < 1 || request.month > 12)
        return;  // no such month: an empty file rather than a read outside the name table
    int firstDay = request.firstDay;
    int dayCount = request.dayCount;
    if (dayCount <= 0) {
        firstDay = 1;
        dayCount = gregorianMonthLength(request.year, request.month);
    }
    const bool nightColumns = request.nightColumns && request.format == TimetableFormat::csv;
    writeHeader(file, request.year, request.month, request.format, nightColumns);
    // The night's times (Imsak, the middle and last third) take the method's one rounding.
    const MinuteRounding rounding = printedMinuteRounding(request.options);
    MinuteRounding roundings[6];
    printedMinuteRoundings(request.options, roundings);

    // The first day as given, then one more each time: a normalized day is at most the largest
    // int less a month, so the step cannot overflow (firstDay - 1 could, for the least int).
    int y = request.year;
    int m = request.month;
    int d = firstDay;
    // The days are worked out a run at a time (a month is one run), then written in order.
    constexpr int runDays = 32;
    const bool standard = usesStandardEvents(request.options);
    LocalDate dates[runDays];
    PrayerDay days[runDays];
    PrayerTimes times[runDays];
    for (int first = 0; first < dayCount; first += runDays) {
        const int count = dayCount - first < runDays ? dayCount - first : runDays;
        for (int i = 0; i < count; ++i) {
            if (first + i > 0)
                d += 1;
            normalizeGregorianDate(y, m, d);
            dates[i] = LocalDate{y, m, d, timetableZoneMinutes(request, y, m, d)};
        }
        if (standard) {
            computeStandardTimesRun(request.latitudeDeg, request.longitudeDeg, request.options, dates, count, times);
        } else {
            for (int i = 0; i < count; ++i)
                days[i] = PrayerDay{dates[i].year, dates[i].month, dates[i].day,
                                    methodParameters(request.latitudeDeg, request.longitudeDeg,
                                                     dates[i].zoneMinutes, request.options, dates[i].year,
                                                     dates[i].month, dates[i].day)};
            computePrayerTimesRun(days, count, times);
            for (int i = 0; i < count; ++i)
                applyAdjustments(times[i], request.options);
        }
        for (int i = 0; i < count; ++i) {
            const LocalDate& day = dates[i];
            if (nightColumns)
                writeNightDayLine(file, request, roundings, rounding, day, times[i]);
            else
                writeDayLine(file, request.format, roundings, day.year, day.month, day.day,
                             weekdayOfDate(day.year, day.month, day.day), times[i]);
        }
    }
}

bool writeTimetableRequest(const char* path, const TimetableRequest& request) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    writeTimetableRequestTo(file, request);
    // A full disk shows up here: report it rather than leave a cut table behind as a success.
    const bool written = !std::ferror(file);
    return std::fclose(file) == 0 && written;
}

namespace {

TimetableRequest plainRequest(double zoneHours, double longitudeDeg, double latitudeDeg, int year, int month,
                              int firstDay, int dayCount) {
    TimetableRequest request;
    request.latitudeDeg = latitudeDeg;
    request.longitudeDeg = longitudeDeg;
    request.zoneMinutes = zoneHoursToMinutes(zoneHours);
    request.year = year;
    request.month = month;
    request.firstDay = firstDay;
    request.dayCount = dayCount;
    return request;
}

}  // namespace

bool writeTimetable(const char* path, double zoneHours, double longitudeDeg, double latitudeDeg, int year,
                    int month, int firstDay, int dayCount) {
    return writeTimetableRequest(
        path, plainRequest(zoneHours, longitudeDeg, latitudeDeg, year, month, firstDay, dayCount));
}
