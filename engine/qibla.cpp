// Great-circle bearing and distance to the Kaaba (see qibla.h).
#include "qibla.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double radiansPerDegree = pi / 180.0;

// The central angle between two points (haversine form, exact also for short distances).
double centralAngleRad(double latitude1Rad, double longitude1Rad, double latitude2Rad, double longitude2Rad) {
    const double halfLatitude = std::sin((latitude2Rad - latitude1Rad) / 2.0);
    const double halfLongitude = std::sin((longitude2Rad - longitude1Rad) / 2.0);
    const double h = halfLatitude * halfLatitude +
                     std::cos(latitude1Rad) * std::cos(latitude2Rad) * halfLongitude * halfLongitude;
    return 2.0 * std::asin(std::sqrt(std::min(1.0, std::max(0.0, h))));
}

// The initial bearing (degrees, 0 to 360) from point 1 to point 2 along their great circle.
double initialBearingDeg(double latitude1Rad, double longitude1Rad, double latitude2Rad, double longitude2Rad) {
    const double deltaLongitude = longitude2Rad - longitude1Rad;
    const double east = std::sin(deltaLongitude) * std::cos(latitude2Rad);
    const double north = std::cos(latitude1Rad) * std::sin(latitude2Rad) -
                         std::sin(latitude1Rad) * std::cos(latitude2Rad) * std::cos(deltaLongitude);
    double bearing = std::atan2(east, north) / radiansPerDegree;
    if (bearing < 0.0)
        bearing += 360.0;
    return bearing >= 360.0 ? 0.0 : bearing;
}

}  // namespace

Qibla qiblaFrom(double latitudeDeg, double longitudeDeg) {
    Qibla result{qiblaBearing, 0.0, 0.0};
    if (std::isnan(latitudeDeg) || std::isnan(longitudeDeg))
        return result;
    const double latitudeRad = std::min(90.0, std::max(-90.0, latitudeDeg)) * radiansPerDegree;
    const double longitudeRad = std::fmod(longitudeDeg, 360.0) * radiansPerDegree;
    const double kaabaLatitudeRad = kaabaLatitudeDeg * radiansPerDegree;
    const double kaabaLongitudeRad = kaabaLongitudeDeg * radiansPerDegree;
    const double angleRad = centralAngleRad(latitudeRad, longitudeRad, kaabaLatitudeRad, kaabaLongitudeRad);
    result.distanceKm = angleRad * earthMeanRadiusKm;
    if (result.distanceKm < qiblaNoBearingKm) {
        result.place = qiblaAtKaaba;
    } else if ((pi - angleRad) * earthMeanRadiusKm < qiblaNoBearingKm) {
        result.place = qiblaAtAntipode;
    } else {
        result.bearingDeg = initialBearingDeg(latitudeRad, longitudeRad, kaabaLatitudeRad, kaabaLongitudeRad);
    }
    return result;
}

const char* compassPoint(double bearingDeg) {
    static const char* const points[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    constexpr int pointCount = static_cast<int>(sizeof points / sizeof points[0]);
    constexpr double pointWidthDeg = 360.0 / pointCount;
    if (!(bearingDeg >= 0.0 && bearingDeg < 360.0))
        bearingDeg = std::isfinite(bearingDeg) ? bearingDeg - 360.0 * std::floor(bearingDeg / 360.0) : 0.0;
    const int index = static_cast<int>(std::floor(bearingDeg / pointWidthDeg + 0.5)) % pointCount;
    return points[index];
}
