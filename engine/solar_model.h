// The sun's apparent place from the low-accuracy solar theory of a standard astronomy textbook
// (J. Meeus, Astronomical Algorithms, 2nd edition, Willmann-Bell 1998, chapter 25, with the
// nutation of chapter 22 and the sidereal time of chapter 12): about 0.01 degree in the sun's
// place, well under a second of time, for the years 1900-2100.
//
// Instants are days of Universal Time from 2000 January 1, 12h (Julian day 2451545.0).
#pragma once

// What the prayer times need of the sun at one instant.
struct SunSample {
    double sinDeclination;
    double cosDeclination;
    // The sun's Greenwich hour angle less 360 degrees times the instant's days: the hour angle at
    // 12h UT, the equation of time in degrees (within about +-4.5 degrees of 0).
    double hourAngleExcessDeg;
};

// The sun at an instant of daysFromJ2000 (UT; the few seconds of Delta T move the sun by well
// under a second of time in the years the model covers and are left out).
SunSample sunSampleAt(double daysFromJ2000);
