// Which clock a timetable follows. With the daylight box checked the times of each day are the
// place's wall-clock times: a place with a known zone name follows that zone's rules; otherwise,
// when the zone field says this computer's standard offset, this computer's daylight rule;
// otherwise the zone field as a fixed zone. With the box unchecked: always the fixed zone.
#pragma once

#include <cstdint>

enum class ZoneClock {
    fixedZone,      // the zone field, every day
    namedZone,      // the rules of the chosen IANA zone, day by day
    computerRules,  // this computer's standard offset and daylight rule, day by day
};

struct ZoneClockInputs {
    bool daylightChanges;                   // the daylight box
    bool zoneNameKnown;                     // a known IANA zone name is chosen
    bool placeZoneKnown;                    // the zone field is a zone in range
    int32_t placeZoneMinutes;               // the zone field, minutes east of Greenwich
    bool computerHasDaylightTime;           // this computer's zone changes its clock
    int32_t computerStandardOffsetMinutes;  // this computer's standard offset, minutes east
};

ZoneClock chooseZoneClock(const ZoneClockInputs& inputs);
