// The place of a first run: the window's first settings, the console tool's place when none is
// given and a timetable request's place until one is set.
#pragma once

#include <cstdint>

constexpr double defaultLatitudeDeg = 45.49;   // north positive
constexpr double defaultLongitudeDeg = 15.59;  // east positive
constexpr char defaultTownName[] = "Zagreb";
constexpr int32_t defaultTimeZoneHours = 1;  // east of Greenwich
constexpr int32_t defaultZoneMinutes = defaultTimeZoneHours * 60;
