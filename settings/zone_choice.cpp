#include "zone_choice.h"

ZoneClock chooseZoneClock(const ZoneClockInputs& inputs) {
    if (!inputs.daylightChanges) {
        return ZoneClock::fixedZone;
    }
    if (inputs.zoneNameKnown) {
        return ZoneClock::namedZone;
    }
    const bool computersZone =
        inputs.placeZoneKnown && inputs.placeZoneMinutes == inputs.computerStandardOffsetMinutes;
    if (computersZone && inputs.computerHasDaylightTime) {
        return ZoneClock::computerRules;
    }
    return ZoneClock::fixedZone;
}
