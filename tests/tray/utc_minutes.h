// A UTC clock moment as minutes since 1970, by the C library's own calendar (timegm, or _mkgmtime
// on Windows): the tests' expected instants never come from the schedule's arithmetic.
#pragma once

#include <ctime>

inline long long utcMinutes(int year, int month, int day, int hour, int minute) {
    std::tm fields = {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
#ifdef _WIN32
    return static_cast<long long>(_mkgmtime(&fields)) / 60;
#else
    return static_cast<long long>(timegm(&fields)) / 60;
#endif
}
