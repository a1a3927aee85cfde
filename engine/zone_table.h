// The time-zone table generated at build time from the build machine's tz database (tools/tzgen):
// per zone name, the changes of clock from 1970 on that the zone's POSIX rule cannot reproduce,
// then that rule. Read through zone_rules.h.
#pragma once

#include <cstdint>

struct ZoneData {
    const char* rule;              // POSIX TZ string in force from the last listed change on ("" none)
    int32_t initialOffsetSeconds;  // east of Greenwich, in force before the first listed change
    int32_t firstChange;           // index into zoneChangeMinutes and zoneChangeOffsetSeconds
    int32_t changeCount;
};

struct ZoneName {
    const char* name;  // IANA name, for example "Europe/London"; sorted by strcmp
    int32_t data;      // index into zoneData; links share their target's data
};

extern const char zoneTableVersion[];  // the tz database's version, for example "2025b"
extern const ZoneName zoneNames[];
extern const int32_t zoneNameCount;
extern const ZoneData zoneData[];
extern const int32_t zoneDataCount;
extern const int32_t zoneChangeMinutes[];        // UTC minutes since 1970-01-01, ascending per zone
extern const int32_t zoneChangeOffsetSeconds[];  // east of Greenwich from that change on
