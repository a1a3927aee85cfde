// selvara-cli times: the six prayer times of one day as decimal hours, for checking the engine.

#include "cli_commands.h"
#include "cli_options.h"
#include "place_lookup.h"
#include "prayer_arguments.h"
#include "prayer_times.h"

#include <cmath>
#include <cstdio>

namespace {

void printDecimalHours(const PrayerTimes& times) {
    const double values[] = {times.dawn,      times.sunrise, times.noon,
                             times.afternoon, times.sunset,  times.evening};
    const int valueCount = static_cast<int>(sizeof values / sizeof values[0]);
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
    CliOption options[3 + prayerOptionCount + placeOptionCount] = {
        {"--lat", readLatitudeDeg, &latitudeDeg, &haveLatitude},
        {"--lon", readLongitudeDeg, &longitudeDeg, &haveLongitude},
        {"--date", readDateOption, &date, &haveDate},
    };
    addPrayerOptions(prayer, options + 3);
    addPlaceOptions(place, options + 3 + prayerOptionCount);
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
    printDecimalHours(computeDayTimes(date.year, date.month, date.day, latitudeDeg, longitudeDeg, zoneMinutes,
                                      prayer.options));
    return finishStandardOutput();
}
