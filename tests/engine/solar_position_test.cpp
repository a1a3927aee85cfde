#include "solar_position.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;

// Worked examples of J. Meeus, Astronomical Algorithms, 2nd edition: the book's inputs through
// each formula give the book's results.
TEST(SolarPosition, WorkedExamplesOfTheBook) {
    // Example 28.b, 1992 October 13.0: L0 = 201.807193, M = 278.99397, e = 0.016711668,
    // epsilon = 23.44023 degrees give E = +13m 42.7s.
    const double meanAnomalyRad = 278.99397 * radiansPerDegree;
    const double equationHours =
        equationOfTimeHours(201.807193 * radiansPerDegree, meanAnomalyRad, 0.016711668,
                            obliquityTermOfEquationOfTime(23.44023 * radiansPerDegree), std::sin(meanAnomalyRad));
    EXPECT_NEAR(equationHours * 3600.0, 13 * 60 + 42.7, 0.1);

    // Example 30.a: e = 0.1, M = 5 degrees give E = 5.554589 degrees.
    EXPECT_NEAR(solveKepler(5.0 * radiansPerDegree, 0.1) / radiansPerDegree, 5.554589, 1e-6);

    // Example 15.a, Venus at Boston: phi = 42.3333, h0 = -0.5667, delta = 18.44092 degrees give
    // cos H0 = -0.3178735, H0 = 108.5344 degrees.
    const double latitudeRad = 42.3333 * radiansPerDegree;
    const double declinationRad = 18.44092 * radiansPerDegree;
    const double argument =
        hourAngleArgument(std::sin(-0.5667 * radiansPerDegree), std::sin(latitudeRad) * std::sin(declinationRad),
                          std::cos(latitudeRad) * std::cos(declinationRad));
    EXPECT_NEAR(argument, -0.3178735, 1e-7);
    EXPECT_NEAR(hourAngleHours(argument) * 15.0, 108.5344, 1e-4);
}

}  // namespace
