// selvara-cli qibla: the direction of the Kaaba from a place, as a bearing in degrees clockwise from
// true north with two decimals and the great-circle distance in whole kilometres, tab-separated.
// At the Kaaba and at its antipode, where there is no one direction, the line says so instead.

#include "cli_commands.h"
#include "cli_options.h"
#include "place_lookup.h"
#include "qibla.h"

#include <cmath>
#include <cstdio>

namespace {

void printQibla(const Qibla& qibla) {
    const double distanceKm = std::floor(qibla.distanceKm + 0.5);
    if (qibla.place == qiblaAtKaaba) {
        std::printf("at the Kaaba\t%.0f\n", distanceKm);
        return;
    }
    if (qibla.place == qiblaAtAntipode) {
        std::printf("at the antipode of the Kaaba: every direction\t%.0f\n", distanceKm);
        return;
    }
    // 359.996 degrees would print as 360.00: the same direction is 0.00.
    const double hundredths = std::floor(qibla.bearingDeg * 100.0 + 0.5);
    std::printf("%.2f\t%.0f\n", hundredths >= 36000.0 ? 0.0 : hundredths / 100.0, distanceKm);
}

}  // namespace

int runQibla(int argc, char** argv) {
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
    bool haveLatitude = false;
    bool haveLongitude = false;
    PlaceArguments place;
    CliOption options[2 + placeOptionCount] = {
        {"--lat", readLatitudeDeg, &latitudeDeg, &haveLatitude},
        {"--lon", readLongitudeDeg, &longitudeDeg, &haveLongitude},
    };
    addPlaceOptions(place, options + 2);
    int status = readOptions(argc, argv, options);
    if (status == exitOk && place.query) {
        PrayerArguments unused;  // the place's zone plays no part in the direction
        status = applyPlaceArgument(place, haveLatitude || haveLongitude, unused, latitudeDeg, longitudeDeg);
        haveLatitude = haveLongitude = true;
    }
    if (status != exitOk)
        return status;
    if (!haveLatitude || !haveLongitude)
        return usageError("qibla needs --lat and --lon, or --place", nullptr);
    printQibla(qiblaFrom(latitudeDeg, longitudeDeg));
    return finishStandardOutput();
}
