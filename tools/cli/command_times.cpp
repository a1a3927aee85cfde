// selvara-cli times: the six prayer times of one day as decimal hours, for checking the engine.

#include "cli_commands.h"
#include "cli_options.h"
#include "prayer_times.h"
#include "timetable.h"

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
    int zoneHours = 0;
    GregorianDate date{};
    bool haveLatitude = false;
    bool haveLongitude = false;
    bool haveZone = false;
    bool haveDate = false;
    const CliOption options[] = {
        {"--lat", readLatitudeDeg, &latitudeDeg, &haveLatitude},
        {"--lon", readLongitudeDeg, &longitudeDeg, &haveLongitude},
        {"--zone", readZoneHours, &zoneHours, &haveZone},
        {"--date", readDateOption, &date, &haveDate},
    };
    const int status = readOptions(argc, argv, options);
    if (status != exitOk)
        return status;
    if (!haveLatitude || !haveLongitude || !haveZone || !haveDate)
        return usageError("times needs --lat, --lon, --zone and --date", nullptr);

    printDecimalHours(computePrayerTimes(date.year, date.month, date.day,
                                         timetableParameters(latitudeDeg, longitudeDeg, zoneHours)));
    return exitOk;
}
