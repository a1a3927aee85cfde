// Which clock a timetable follows, for each combination that matters.
#include "zone_choice.h"

#include <gtest/gtest.h>

namespace {

TEST(ZoneClockChoice, Table) {
    // {box, name known, zone known, zone minutes, computer has daylight time, computer standard}
    const struct {
        ZoneClockInputs inputs;
        ZoneClock expected;
    } cases[] = {
        // clang-format off
        {{false, true, true, 60, true, 60}, ZoneClock::fixedZone},
        {{true, true, true, 60, true, 60}, ZoneClock::namedZone},
        {{true, true, true, 330, false, 0}, ZoneClock::namedZone},
        {{true, false, true, 60, true, 60}, ZoneClock::computerRules},
        {{true, false, true, -210, true, -210}, ZoneClock::computerRules},
        {{true, false, true, 60, false, 60}, ZoneClock::fixedZone},
        {{true, false, true, 120, true, 60}, ZoneClock::fixedZone},
        {{true, false, false, 60, true, 60}, ZoneClock::fixedZone},
        {{false, false, true, 60, true, 60}, ZoneClock::fixedZone},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chooseZoneClock(c.inputs), c.expected)
            << c.inputs.daylightChanges << c.inputs.zoneNameKnown << " " << c.inputs.placeZoneMinutes;
    }
}

}  // namespace
