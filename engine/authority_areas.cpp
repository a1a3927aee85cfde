#include "authority_areas.h"

#include <cmath>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;  // pi / 180
constexpr double earthRadiusKm = 6371.0;
constexpr double kmPerDegree = earthRadiusKm * radiansPerDegree;

}  // namespace

// Distances within an authority's reach (tens of kilometres) are taken on the plane tangent at the
// place: north-south degrees as they are, east-west ones shortened by the cosine of the latitude.
// Within 100 km that is the great-circle distance to a few parts in a thousand, and one cosine a call
// keeps a one-day computation at a few nanoseconds an area.
double areaDawnMinutes(const AuthorityAreaList& list, int methodDawnMinutes, double latitudeDeg,
                       double longitudeDeg) {
    const double eastKmPerDegree = kmPerDegree * std::cos(latitudeDeg * radiansPerDegree);
    const AuthorityArea* nearest = nullptr;
    double nearestSquareKm = list.reachKm * list.reachKm;
    for (int i = 0; i < list.count; ++i) {
        const AuthorityArea& area = list.areas[i];
        const double northKm = (latitudeDeg - area.latitudeDeg) * kmPerDegree;
        const double eastKm = (longitudeDeg - area.longitudeDeg) * eastKmPerDegree;
        const double squareKm = northKm * northKm + eastKm * eastKm;
        if (squareKm <= nearestSquareKm) {  // false for a place of no meaning (not a number)
            nearest = &area;
            nearestSquareKm = squareKm;
        }
    }
    return nearest ? nearest->dawnMinutes - methodDawnMinutes : 0.0;
}
