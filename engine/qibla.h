// The direction of the Kaaba from a place: the initial bearing of the great circle through both,
// clockwise from true north, and the distance along it on a sphere of the Earth's mean radius.
#pragma once

constexpr double kaabaLatitudeDeg = 21.4225241;   // degrees north
constexpr double kaabaLongitudeDeg = 39.8261818;  // degrees east
constexpr double earthMeanRadiusKm = 6371.0;

// Closer than this to the Kaaba or to its antipode, the bearing has no meaning: at the Kaaba there
// is nothing to face, and at its antipode every great circle leads there.
constexpr double qiblaNoBearingKm = 0.01;

enum QiblaPlace {
    qiblaBearing = 0,    // bearingDeg holds the direction
    qiblaAtKaaba,        // within qiblaNoBearingKm of the Kaaba
    qiblaAtAntipode,     // within qiblaNoBearingKm of the point opposite the Kaaba
};

struct Qibla {
    QiblaPlace place;
    double bearingDeg;  // 0 <= bearing < 360, clockwise from true north; 0 unless place is qiblaBearing
    double distanceKm;  // along the great circle, 0 to pi * earthMeanRadiusKm
};

// For a place in degrees (north and east positive). A latitude beyond +-90 is taken as the pole.
Qibla qiblaFrom(double latitudeDeg, double longitudeDeg);

// The compass point of a bearing in eight: "N", "NE", "E", "SE", "S", "SW", "W", "NW".
const char* compassPoint(double bearingDeg);
