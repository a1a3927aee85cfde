// The prayer-time engine and the calendars over any ints and any doubles (not-a-number and the
// infinities included): every public function must return, with no undefined behaviour on the
// way. The first byte picks the function (0-95 the calendars, 96-127 the methods, zones and
// requests, 128-255 the sun and the timetable); the rest are its arguments.
#include "fuzz_input.h"

#include "calculation_method.h"
#include "calendar.h"
#include "hijri.h"
#include "prayer_times.h"
#include "standard_events.h"
#include "timetable.h"
#include "zone_text.h"

#include <cstdio>
#include <string>

namespace {

// Days one timetable call may write: enough to cross a year's end, short enough to stay fast.
constexpr int mostTimetableDays = 40;

// Where the written timetables go: nowhere.
constexpr char nullDevice[] = "/dev/null";

std::FILE* sink() {
    static std::FILE* file = std::fopen(nullDevice, "wb");
    return file;
}

PrayerParameters anyParameters(FuzzInput& in) {
    PrayerParameters parameters{};
    parameters.safetyHours = in.nextDouble();
    parameters.longitudeRad = in.nextDouble();
    parameters.latitudeRad = in.nextDouble();
    parameters.westHeight = in.nextDouble();
    parameters.eastHeight = in.nextDouble();
    parameters.zoneHours = in.nextDouble();
    parameters.fajrDepression = in.nextDouble();
    parameters.asrShadowFactor = in.nextDouble();
    parameters.substituteLatitude = in.nextDouble();
    parameters.ishaInterval = in.nextDouble();
    parameters.ishaDepression = in.nextDouble();
    parameters.maghribDepression = in.nextDouble();
    return parameters;
}

PrayerOptions anyOptions(FuzzInput& in) {
    PrayerOptions options;
    options.methodIndex = in.nextInt();
    options.asrShadowFactor = in.nextInt();
    for (int& minutes : options.adjustMinutes)
        minutes = in.nextInt();
    options.elevationM = in.nextDouble();
    options.useElevation = in.nextByte() & 1;
    options.highLatitudeRule = static_cast<HighLatitudeRule>(in.nextInt());
    return options;
}

// The zone and per-day zone of a timetable request: any minutes for any day.
int anyZoneForDay(const void* context, int year, int month, int day) {
    return *static_cast<const int*>(context) ^ year ^ month ^ day;
}

// The rest of the input as text (zone fields and method names are typed by the user).
std::string restAsText(FuzzInput& in) {
    std::string text(reinterpret_cast<const char*>(in.data), in.size);
    in.size = 0;
    return text;
}

void methodCalls(uint8_t pick, FuzzInput& in) {
    const int year = in.nextInt();
    const int month = in.nextInt();
    const int day = in.nextInt();
    switch (pick) {
        case 0: {
            const double latitudeDeg = in.nextDouble();
            const double longitudeDeg = in.nextDouble();
            const int zoneMinutes = in.nextInt();
            methodParameters(latitudeDeg, longitudeDeg, zoneMinutes, anyOptions(in), year, month, day);
            break;
        }
        case 1: {
            const double latitudeDeg = in.nextDouble();
            const double longitudeDeg = in.nextDouble();
            const int zoneMinutes = in.nextInt();
            computeDayTimes(year, month, day, latitudeDeg, longitudeDeg, zoneMinutes, anyOptions(in));
            break;
        }
        case 2: {
            PrayerTimes times{in.nextDouble(), in.nextDouble(), in.nextDouble(),
                              in.nextDouble(), in.nextDouble(), in.nextDouble()};
            const PrayerOptions options = anyOptions(in);
            applyAdjustments(times, options);
            break;
        }
        case 3: {
            const PrayerParameters parameters = anyParameters(in);
            eveningFraction(year, month, day, parameters, in.nextDouble());
            break;
        }
        case 4: {
            validZoneMinutes(year);
            char text[zoneTextBufferSize];
            formatZoneText(text, sizeof text, month);
            int zoneMinutes = 0;
            parseZoneText(restAsText(in).c_str(), zoneMinutes);
            break;
        }
        case 5: findCalculationMethod(restAsText(in).c_str()); break;
        case 6: {
            const LocalDate date = {year, month, day, in.nextInt()};
            const double latitudeDeg = in.nextDouble();
            const double longitudeDeg = in.nextDouble();
            const double altitudeDeg = in.nextDouble();
            const bool setting = in.nextByte() & 1;
            solarTransitHours(date, longitudeDeg);
            solarAltitudeHours(date, latitudeDeg, longitudeDeg, altitudeDeg, setting);
            horizonDipDeg(in.nextDouble());
            HighLatitudeRule rule;
            readHighLatitudeRule(restAsText(in).c_str(), rule);
            highLatitudeRuleName(static_cast<HighLatitudeRule>(year));
            break;
        }
        default: {
            TimetableRequest request;
            request.latitudeDeg = in.nextDouble();
            request.longitudeDeg = in.nextDouble();
            request.zoneMinutes = in.nextInt();
            static int zoneSeed;
            zoneSeed = in.nextInt();
            if (zoneSeed & 1) {
                request.zoneOffsetForDay = anyZoneForDay;
                request.zoneContext = &zoneSeed;
            }
            request.options = anyOptions(in);
            request.year = year;
            request.month = month;
            request.firstDay = day;
            request.dayCount = static_cast<int>(in.nextByte() % (mostTimetableDays + 1));
            writeTimetableRequestTo(sink(), request);
            break;
        }
    }
}

void calendarCalls(uint8_t pick, FuzzInput& in) {
    int year = in.nextInt();
    int month = in.nextInt();
    int day = in.nextInt();
    switch (pick) {
        case 0: julianDay(year, month, in.nextDouble()); break;
        case 1: julianDayToGregorian(in.nextDouble(), year, month, day); break;
        case 2: isLeapYear(year); break;
        case 3: normalizeGregorianDate(year, month, day); break;
        case 4: weekdayOfDayNumber(year); break;
        case 5: hijriMonthLength(year, month); break;
        case 6: meanHijriDayNumber(year, month, day); break;
        case 7: hijriToDayNumber(year, month, day); break;
        case 8: meanHijriDate(in.nextDouble(), year, month, day); break;
        case 9: {
            int gy, gm, gd, weekday;
            hijriMonthStart(year, month, gy, gm, gd, weekday);
            break;
        }
        case 10: {
            int hy, hm, hd, weekday;
            gregorianToHijri(year, month, day, hy, hm, hd, weekday);
            break;
        }
        default: {
            const double a = in.nextDouble();
            floorRemainder(a, in.nextDouble());
            break;
        }
    }
}

void engineCalls(uint8_t pick, FuzzInput& in) {
    const int year = in.nextInt();
    const int month = in.nextInt();
    const int day = in.nextInt();
    switch (pick) {
        case 0: reduceDegrees(in.nextDouble()); break;
        case 1: {
            const double latitudeDeg = in.nextDouble();
            const double longitudeDeg = in.nextDouble();
            timetableParameters(latitudeDeg, longitudeDeg, in.nextDouble());
            break;
        }
        case 2: {
            const double longitudeRad = in.nextDouble();
            const double latitudeRad = in.nextDouble();
            sunTimes(year, month, day, longitudeRad, latitudeRad, in.nextDouble());
            break;
        }
        case 3: {
            const double meanAnomalyRad = in.nextDouble();
            solveKepler(meanAnomalyRad, in.nextDouble());
            break;
        }
        case 4: solarDeclination(in.nextDouble()); break;
        case 5: dawnFraction(year, month, day, anyParameters(in)); break;
        case 6: computePrayerTimes(year, month, day, anyParameters(in)); break;
        case 7: {
            char text[clockTimeBufferSize];
            formatClockTime(text, sizeof text, in.nextDouble());
            const double hours = in.nextDouble();
            formatClockTime(text, sizeof text, hours, static_cast<MinuteRounding>(in.nextByte() % 3));
            break;
        }
        default: {
            const double zoneHours = in.nextDouble();
            const double longitudeDeg = in.nextDouble();
            const double latitudeDeg = in.nextDouble();
            const int dayCount = static_cast<int>(in.nextByte() % (mostTimetableDays + 1));
            writeTimetable(nullDevice, zoneHours, longitudeDeg, latitudeDeg, year, month, day, dayCount);
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const uint8_t pick = in.nextByte();
    if (pick < 96)
        calendarCalls(pick % 12, in);
    else if (pick >= 128)
        engineCalls((pick - 128) % 9, in);
    else
        methodCalls((pick - 96) % 8, in);
    return 0;
}
