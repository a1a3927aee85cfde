#include "timetable.h"

#include "calendar.h"
#include "prayer_times.h"
#include "zone_text.h"

#include <cmath>

namespace {

// Five-line header; "\r\n" because the file is CR LF text on every platform that writes it.
const char headerRule[] = "-------------------------------------------------------------------------\r\n";
const char headerPrayerNames[] = "              Fajr     SHorwwQ    DHuhr     `ASr      MaGHrib  `ISHaa'\r\n";
const char headerColumnTitles[] =
    "Date Day      Dawn     Sunrise    Noon    Afternoon   Sunset   Evening\r\n";

// Times beyond this many hours cannot come from the engine; they are printed as a blank time.
constexpr double largestPrintableHours = 1.0e6;

int monthLength(int year, int month) {
    return gregorianMonthDays[month] + (month == 2 ? isLeapYear(year) : 0);
}

// The weekday of a date whose day number may lie beyond int (a year far outside the calendar's
// use): fmod takes the remainder as % would, without the conversion to int.
int weekdayOfDate(int year, int month, int day) {
    const double dayNumber = julianDay(year, month, day + 0.5);
    if (std::fabs(dayNumber) < 2147483647.0)
        return weekdayOfDayNumber(static_cast<int>(dayNumber));
    return weekdayOfDayNumber(static_cast<int>(std::fmod(dayNumber, 7.0)));
}

}  // namespace

void formatClockTime(char* buffer, std::size_t size, double hours) {
    if (size == 0)
        return;
    if (!(std::fabs(hours) < largestPrintableHours)) {
        std::snprintf(buffer, size, "--:--");
        return;
    }
    const int h = static_cast<int>(hours);  // toward zero
    int m = static_cast<int>((hours - h) * 60.0);
    if (m < 0)
        m = -m;
    std::snprintf(buffer, size, "%02d:%02d", h, m);
}

void writeClockTime(std::FILE* file, double hours) {
    char text[clockTimeBufferSize];
    formatClockTime(text, sizeof text, hours);
    std::fprintf(file, "%s     ", text);
}

namespace {

void writeHeader(std::FILE* file, int year, int month) {
    std::fprintf(file, "               Praying times for a month: %s  %d\r\n", gregorianMonthNames[month - 1],
                 year);
    std::fputs(headerRule, file);
    std::fputs(headerPrayerNames, file);
    std::fputs(headerColumnTitles, file);
    std::fputs(headerRule, file);
}

void writeDayLine(std::FILE* file, int day, int weekday, const PrayerTimes& times) {
    std::fprintf(file, "%2d   %3s      ", day, weekdayAbbreviations[weekday]);
    writeClockTime(file, times.dawn);
    writeClockTime(file, times.sunrise);
    writeClockTime(file, times.noon);
    writeClockTime(file, times.afternoon);
    writeClockTime(file, times.sunset);
    writeClockTime(file, times.evening);
    std::fputs("\r\n", file);
}

// Old callers give the zone in hours; whole and half hours are whole minutes exactly.
int zoneHoursToMinutes(double zoneHours) {
    constexpr double mostMinutes = 24.0 * 60.0;
    const double minutes = zoneHours * 60.0;
    if (!(minutes > -mostMinutes && minutes < mostMinutes))
        return 0;
    return static_cast<int>(std::lround(minutes));
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

void writeTimetableRequestTo(std::FILE* file, const TimetableRequest& request) {
    if (request.month < 1 || request.month > 12)
        return;  // no such month: an empty file rather than a read outside the name table
    int firstDay = request.firstDay;
    int dayCount = request.dayCount;
    if (dayCount <= 0) {
        firstDay = 1;
        dayCount = monthLength(request.year, request.month);
    }
    writeHeader(file, request.year, request.month);

    int y = request.year;
    int m = request.month;
    // The first day as given, then one more each time: a normalized day is at most the largest
    // int less a month, so the step cannot overflow (firstDay - 1 could, for the least int).
    int d = firstDay;
    for (int i = 0; i < dayCount; ++i) {
        if (i > 0)
            d += 1;
        normalizeGregorianDate(y, m, d);
        const int weekday = weekdayOfDate(y, m, d);
        const int zoneMinutes = timetableZoneMinutes(request, y, m, d);
        writeDayLine(file, d, weekday,
                     computeDayTimes(y, m, d, request.latitudeDeg, request.longitudeDeg, zoneMinutes,
                                     request.options));
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

void writeTimetableTo(std::FILE* file, double zoneHours, double longitudeDeg, double latitudeDeg, int year,
                      int month, int firstDay, int dayCount) {
    writeTimetableRequestTo(
        file, plainRequest(zoneHours, longitudeDeg, latitudeDeg, year, month, firstDay, dayCount));
}

bool writeTimetable(const char* path, double zoneHours, double longitudeDeg, double latitudeDeg, int year,
                    int month, int firstDay, int dayCount) {
    return writeTimetableRequest(
        path, plainRequest(zoneHours, longitudeDeg, latitudeDeg, year, month, firstDay, dayCount));
}
