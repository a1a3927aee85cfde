// Time zones as whole minutes east of Greenwich, and their text form in the zone field and on the
// command line: whole hours ("1", "-5"), decimal hours ("5.5", "-3.5", "5.75") or hours and minutes
// ("5:30", "-3:30", "+5:45").
#pragma once

#include <cstddef>

constexpr int westmostZoneMinutes = -12 * 60;  // -12:00
constexpr int eastmostZoneMinutes = 14 * 60;   // +14:00

// Room for the longest text formatZoneText writes ("-12:00" and more), with its terminator.
constexpr std::size_t zoneTextBufferSize = 16;

bool validZoneMinutes(int zoneMinutes);

// Reads a zone. Blanks around the text are allowed; anything else that is not one of the three
// forms, minutes of 60 or more, a decimal that is no whole number of minutes, or a zone outside
// -12:00 to +14:00 is refused (false, zoneMinutes untouched).
bool parseZoneText(const char* text, int& zoneMinutes);

// Writes a zone as the field shows it: whole hours as a plain number ("1", "-5"), others as H:MM
// ("5:30", "-3:30", "5:45"). Always terminated within size bytes.
void formatZoneText(char* buffer, std::size_t size, int zoneMinutes);
