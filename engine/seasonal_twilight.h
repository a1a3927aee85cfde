// The Moonsighting Committee's seasonal dawn and evening: instead of a fixed depression angle, the
// minutes from dawn to sunrise and from sunset to the evening prayer are read from four values a
// year that grow with the latitude (fitted by the Committee to twilight observations), joined by
// straight lines between the solstices and the dates 91, 137, 183, 229 and 275 days after the
// winter solstice of the place's hemisphere.
//
// The functions have the shape of SeasonalTwilightMinutes (calculation_method.h), so a method can
// name them in its row of the method table.
#pragma once

// The evening twilights the Committee publishes: the general one (its default timetable), the
// disappearance of the white glow (abyad, the Hanafi school's evening) and of the red glow (ahmer).
enum class Shafaq {
    general,
    abyad,
    ahmer
};

// Above this latitude (degrees, either hemisphere) the Committee does not extend its fitted lines:
// dawn and the evening are a seventh of the night (sunset to sunrise) from sunrise and sunset.
constexpr double seasonalTwilightHighestLatitudeDeg = 55.0;

// Days since the winter solstice of the hemisphere (21 December in the north, a latitude of 0
// counting as north; 21 June in the south), 0 on the solstice itself, and the length in days of
// the solstice year the date falls in (365 or 366).
void daysSinceWinterSolstice(double latitudeDeg, int year, int month, int day, int& days, int& yearDays);

// Minutes from dawn to sunrise.
double seasonalDawnMinutes(double latitudeDeg, int year, int month, int day);

// Minutes from sunset to the evening prayer for the given twilight.
double seasonalEveningMinutes(double latitudeDeg, int year, int month, int day, Shafaq shafaq);

// The method table's hooks: dawn, and the evening by the Asr school the user chose (the standard
// Asr takes the Committee's general twilight, the Hanafi Asr the white glow, as the Committee's
// timetables pair them).
double moonsightingDawnMinutes(double latitudeDeg, int year, int month, int day, int asrShadowFactor);
double moonsightingEveningMinutes(double latitudeDeg, int year, int month, int day, int asrShadowFactor);
