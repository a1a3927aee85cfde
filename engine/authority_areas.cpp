#include "authority_areas.h"

#include <cmath>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;  // pi / 180
constexpr double earthRadiusKm = 6371.0;
constexpr double kmPerDegreeOfLatitude = earthRadiusKm * radiansPerDegree;

// The great-circle distance between two points (haversine).
double distanceKm(double latitude1Deg, double longitude1Deg, double latitude2Deg, double longitude2Deg) {
    const double sinHalfLatitude = std::sin(0.5 * (latitude2Deg - latitude1Deg) * radiansPerDegree);
    const double sinHalfLongitude = std::sin(0.5 * (longitude2Deg - longitude1Deg) * radiansPerDegree);
    const double a = sinHalfLatitude * sinHalfLatitude + std::cos(latitude1Deg * radiansPerDegree) *
                                                             std::cos(latitude2Deg * radiansPerDegree) *
                                                             sinHalfLongitude * sinHalfLongitude;
    return 2.0 * earthRadiusKm * std::asin(std::sqrt(std::fmin(1.0, a)));
}

}  // namespace

double areaMorningMinutes(const AuthorityAreaList& list, int methodDawnMinutes, double latitudeDeg,
                          double longitudeDeg) {
    const AuthorityArea* nearest = nullptr;
    double nearestKm = list.reachKm;
    for (int i = 0; i < list.count; ++i) {
        const AuthorityArea& area = list.areas[i];
        // No point farther north or south than the nearest yet can be nearer: most areas of a list
        // are passed over without the trigonometry.
        if (std::fabs(latitudeDeg - area.latitudeDeg) * kmPerDegreeOfLatitude > nearestKm)
            continue;
        const double km = distanceKm(latitudeDeg, longitudeDeg, area.latitudeDeg, area.longitudeDeg);
        if (km <= nearestKm) {  // false for a place of no meaning (not a number)
            nearest = &area;
            nearestKm = km;
        }
    }
    return nearest ? nearest->dawnMinutes - methodDawnMinutes : 0.0;
}
