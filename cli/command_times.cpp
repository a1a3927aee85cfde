// selvara-cli times: the six prayer times of one day as decimal hours, for checking the engine; with
// --extra the night's times follow on the same line (Imsak, the middle of the night and the start of
// its last third, on the day's clock and not folded into 0-24, as the engine gives them).

#include "cli_commands.h"
#include "cli_options.h"
#include "night_arguments.h"
#include "place_lookup.h"
#include "prayer_arguments.h"
#include "prayer_times.h"

#include <cmath>
#include <cstdio>

namespace {

void printDecimalHours(const double* values, int valueCount) {
    for (int i = 0; i < valueCount; ++i) {
        if (std::isnan(values[i]))
            std::printf("%snan", i ? " " : "");
        else
            std::printf("%s%.9f", i ? " " : "", values[i]);
    }
    std::printf("\n");
}

}  // namespace

int runTimes(int argc, char** argv) {
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
    GregorianDate date{};
    PrayerArguments prayer;
    PlaceArguments place;  // --place QUERY instead of --lat, --lon and --tz
    bool haveLatitude = false;
    bool haveLongitude = false;
    bool haveDate = false;
    NightArguments night;
    night.extra = takeExtraFlag(argc, argv);
    CliOption options[3 + prayerOptionCount + placeOptionCount + nightOptionCount] = {
        {"--lat", readLatitudeDeg, &latitudeDeg, &haveLatitude},
        {"--lon", readLongitudeDeg, &longitudeDeg, &haveLongitude},
        {"--date", readDateOption, &date, &haveDate},
    };
    addPrayerOptions(prayer, options + 3);
    addPlaceOptions(place, options + 3 + prayerOptionCount);
    addNightOptions(night, options + 3 + prayerOptionCount + placeOptionCount);
    int status = readOptions(argc, argv, options);
    if (status == exitOk)
        status = checkPrayerArguments(prayer);
    if (status == exitOk && place.query) {
        status = applyPlaceArgument(place, haveLatitude || haveLongitude, prayer, latitudeDeg, longitudeDeg);
        haveLatitude = haveLongitude = true;
    } else if (status == exitOk) {
        status = refuseAutoMethod(prayer);
    }
    if (status != exitOk)
        return status;
    if (!haveLatitude || !haveLongitude || !(prayer.haveZone || prayer.haveTimeZone) || !haveDate)
        return usageError("times needs --lat, --lon, --zone (or --tz) and --date, or --place and --date",
                          nullptr);

    const int zoneMinutes = zoneMinutesOn(prayer, date.year, date.month, date.day);
    const PrayerTimes times =
        computeDayTimes(date.year, date.month, date.day, latitudeDeg, longitudeDeg, zoneMinutes, prayer.options);
    double values[9] = {times.dawn, times.sunrise, times.noon, times.afternoon, times.sunset, times.evening};
    if (night.extra) {
        int year = date.year;
        int month = date.month;
        int day = date.day + 1;
        normalizeGregorianDate(year, month, day);
        const NightTimes nightTimes =
            computeNightTimes(date.year, date.month, date.day, latitudeDeg, longitudeDeg, zoneMinutes,
                              zoneMinutesOn(prayer, year, month, day), prayer.options, night.options);
        values[6] = nightTimes.imsak;
        values[7] = nightTimes.midnight;
        values[8] = nightTimes.lastThird;
    }
    printDecimalHours(values, night.extra ? 9 : 6);
    return finishStandardOutput();
}
