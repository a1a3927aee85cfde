#include "zone_text.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int minutesPerHour = 60;
constexpr int mostHourDigits = 2;
constexpr int mostFractionDigits = 6;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads up to mostDigits digits at text; returns how many were read (0: none).
int readDigits(const char*& text, int mostDigits, long& value) {
    int count = 0;
    value = 0;
    while (isDigit(*text)) {
        if (++count > mostDigits)
            return -1;
        value = value * 10 + (*text - '0');
        ++text;
    }
    return count;
}

// The part after the hours: nothing, ".digits" or ":MM". Adds its minutes to minutes.
bool readMinutesPart(const char*& text, long& minutes) {
    if (*text == ':') {
        ++text;
        long mm;
        if (readDigits(text, 2, mm) != 2 || mm >= minutesPerHour)
            return false;
        minutes += mm;
    } else if (*text == '.') {
        ++text;
        long fraction;
        const int digits = readDigits(text, mostFractionDigits, fraction);
        if (digits <= 0)
            return false;
        long scale = 1;
        for (int i = 0; i < digits; ++i)
            scale *= 10;
        if ((fraction * minutesPerHour) % scale != 0)
            return false;  // not a whole number of minutes
        minutes += fraction * minutesPerHour / scale;
    }
    return true;
}

}  // namespace

bool validZoneMinutes(int zoneMinutes) {
    return zoneMinutes >= westmostZoneMinutes && zoneMinutes <= eastmostZoneMinutes;
}

bool parseZoneText(const char* text, int& zoneMinutes) {
    if (!text)
        return false;
    while (isBlank(*text))
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    long hours;
    if (readDigits(text, mostHourDigits, hours) <= 0)
        return false;
    long minutes = hours * minutesPerHour;
    if (!readMinutesPart(text, minutes))
        return false;
    while (isBlank(*text))
        ++text;
    if (*text != '\0')
        return false;
    const long signedMinutes = negative ? -minutes : minutes;
    if (signedMinutes < westmostZoneMinutes || signedMinutes > eastmostZoneMinutes)
        return false;
    zoneMinutes = static_cast<int>(signedMinutes);
    return true;
}

void formatZoneText(char* buffer, std::size_t size, int zoneMinutes) {
    if (size == 0)
        return;
    // long long: the magnitude of the least int does not fit a 32-bit long (Windows).
    const long long magnitude = std::llabs(static_cast<long long>(zoneMinutes));
    const char* sign = zoneMinutes < 0 ? "-" : "";
    if (magnitude % minutesPerHour == 0)
        std::snprintf(buffer, size, "%s%lld", sign, magnitude / minutesPerHour);
    else
        std::snprintf(buffer, size, "%s%lld:%02lld", sign, magnitude / minutesPerHour,
                      magnitude % minutesPerHour);
}
