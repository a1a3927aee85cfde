// The direction of the Kaaba against data/qibla-bearings.txt (GeographicLib's geodesic solver on a
// sphere of 6371 km, over tzdata's principal cities on every continent), and the two places where
// there is no direction.
#include "qibla.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr double bearingToleranceDeg = 0.01;
constexpr double distanceToleranceKm = 0.5;

// Angular difference folded into 0-180, so 359.999 and 0.001 are close.
double bearingDifferenceDeg(double a, double b) {
    double d = a - b;
    while (d > 180.0)
        d -= 360.0;
    while (d < -180.0)
        d += 360.0;
    return d < 0 ? -d : d;
}

TEST(Qibla, MatchesTheGeodesicSolverForCitiesOnEveryContinent) {
    std::ifstream in(SELVARA_TEST_DATA_DIR "/qibla-bearings.txt");
    ASSERT_TRUE(in) << "data/qibla-bearings.txt";
    std::string line;
    int cities = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string zone;
        double latitudeDeg, longitudeDeg, bearingDeg, distanceKm;
        ASSERT_TRUE(fields >> zone >> latitudeDeg >> longitudeDeg >> bearingDeg >> distanceKm) << line;
        const Qibla qibla = qiblaFrom(latitudeDeg, longitudeDeg);
        EXPECT_EQ(qibla.place, qiblaBearing) << zone;
        EXPECT_LE(bearingDifferenceDeg(qibla.bearingDeg, bearingDeg), bearingToleranceDeg)
            << zone << ": " << qibla.bearingDeg << " against " << bearingDeg;
        EXPECT_NEAR(qibla.distanceKm, distanceKm, distanceToleranceKm) << zone;
        ++cities;
    }
    EXPECT_GE(cities, 25);
}

struct SpecialPlace {
    const char* what;
    double latitudeDeg;
    double longitudeDeg;
    QiblaPlace expected;
    double distanceKm;
};

// pi * 6371 km = 20015.087 km from the Kaaba to its antipode; 0.0001 degree of latitude is 11 m.
const SpecialPlace specialPlaces[] = {
    {"the Kaaba", kaabaLatitudeDeg, kaabaLongitudeDeg, qiblaAtKaaba, 0.0},
    {"5 m north of the Kaaba", kaabaLatitudeDeg + 0.000045, kaabaLongitudeDeg, qiblaAtKaaba, 0.005},
    {"11 m north of the Kaaba", kaabaLatitudeDeg + 0.0001, kaabaLongitudeDeg, qiblaBearing, 0.011},
    {"the antipode", -kaabaLatitudeDeg, kaabaLongitudeDeg - 180.0, qiblaAtAntipode, 20015.087},
    {"the antipode, longitude east", -kaabaLatitudeDeg, kaabaLongitudeDeg + 180.0, qiblaAtAntipode, 20015.087},
    {"11 m from the antipode", -kaabaLatitudeDeg + 0.0001, kaabaLongitudeDeg - 180.0, qiblaBearing, 20015.076},
};

TEST(Qibla, SaysWhereThereIsNoDirection) {
    for (const SpecialPlace& p : specialPlaces) {
        const Qibla qibla = qiblaFrom(p.latitudeDeg, p.longitudeDeg);
        EXPECT_EQ(qibla.place, p.expected) << p.what;
        EXPECT_NEAR(qibla.distanceKm, p.distanceKm, 0.002) << p.what;
    }
    // Just north of the Kaaba the Kaaba lies due south; just north of its antipode the shortest way
    // leads away from the antipode, due north.
    EXPECT_NEAR(qiblaFrom(kaabaLatitudeDeg + 0.0001, kaabaLongitudeDeg).bearingDeg, 180.0, 1e-6);
    EXPECT_LE(bearingDifferenceDeg(qiblaFrom(-kaabaLatitudeDeg + 0.0001, kaabaLongitudeDeg - 180.0).bearingDeg, 0.0),
              1e-6);
}

TEST(Qibla, NamesTheCompassPointOfEachEighth) {
    const struct {
        double bearingDeg;
        const char* point;
    } cases[] = {{0.0, "N"},    {22.49, "N"},  {22.5, "NE"},  {67.5, "E"},   {136.8, "SE"}, {180.0, "S"},
                 {225.0, "SW"}, {270.0, "W"},  {314.9, "NW"}, {337.5, "N"},  {359.99, "N"}, {-45.0, "NW"},
                 {720.0, "N"}};
    for (const auto& c : cases)
        EXPECT_STREQ(compassPoint(c.bearingDeg), c.point) << c.bearingDeg;
}

TEST(Qibla, GivesADefinedAnswerForAnyInput) {
    const double inputs[] = {91.0, -1000.0, 1e300, -1e300, 0.0 / 1.0};
    for (const double a : inputs) {
        for (const double b : inputs) {
            const Qibla qibla = qiblaFrom(a, b);
            EXPECT_TRUE(qibla.bearingDeg >= 0.0 && qibla.bearingDeg < 360.0);
            EXPECT_TRUE(qibla.distanceKm >= 0.0 && qibla.distanceKm <= 20015.1);
        }
    }
}

}  // namespace
