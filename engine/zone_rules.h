// The UTC offsets of the tz database's zones (Area/Location names such as "Europe/London"), from
// the table embedded at build time: nothing is read at run time.
#pragma once

// Index of a zone name, ASCII case ignored; -1 for an unknown name or null.
int findTimeZone(const char* name);

int timeZoneCount();
const char* timeZoneName(int zoneIndex);  // "" for an index out of range

// The offset, in minutes east of Greenwich, in force at local noon of a date (standard or
// daylight time). Seconds of old local mean times are rounded to the nearest minute. Dates
// before 1970 take the offset in force on 1970-01-01. 0 for an index out of range.
int zoneOffsetAtLocalNoon(int zoneIndex, int year, int month, int day);

// The zone's standard offset (minutes east) under its present rule, daylight time left out.
int zoneStandardOffsetMinutes(int zoneIndex);

// A ZoneOffsetProvider (timetable.h) over this table: context points to the zone's index (int).
int timeZoneOffsetForDay(const void* context, int year, int month, int day);
