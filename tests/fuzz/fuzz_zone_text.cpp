// Zone texts as the zone field and --zone take them, and POSIX TZ rules (an input starting with a
// zero byte): any text; an accepted zone is within -12:00..+14:00 and reads back from its own
// printed form, and an accepted rule gives one of its two offsets at any instant.
#include "posix_zone_rule.h"
#include "zone_text.h"

#include <cstdlib>
#include <string>

namespace {

void checkZoneText(const std::string& text) {
    int minutes = 0;
    if (!parseZoneText(text.c_str(), minutes))
        return;
    if (!validZoneMinutes(minutes))
        std::abort();
    char printed[zoneTextBufferSize];
    formatZoneText(printed, sizeof printed, minutes);
    int again = 99999;
    if (!parseZoneText(printed, again) || again != minutes)
        std::abort();
}

void checkRule(const std::string& text) {
    PosixZoneRule rule{};
    if (!parsePosixZoneRule(text.c_str(), rule))
        return;
    const int64_t instants[] = {0, 1774746000, -2208988800LL, 4102444800LL, 253402300799LL};
    for (int64_t t : instants) {
        const int32_t offset = posixOffsetAt(rule, t);
        if (offset != rule.standardOffsetSeconds && offset != rule.daylightOffsetSeconds)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 0 && data[0] == 0)
        checkRule(std::string(reinterpret_cast<const char*>(data) + 1, size - 1).c_str());
    else
        checkZoneText(std::string(reinterpret_cast<const char*>(data), size).c_str());
    return 0;
}
