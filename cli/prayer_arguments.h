// The options timetable and times share: --zone, --tz, --method, --asr, --adjust, --elevation and
// --high-lat, read into the engine's records.
#pragma once

#include "calculation_method.h"
#include "cli_options.h"
#include "default_place.h"
#include "timetable.h"

struct PrayerArguments {
    int zoneMinutes = defaultZoneMinutes;  // east of Greenwich
    bool haveZone = false;
    int timeZone = -1;  // index into the embedded tz table (--tz)
    bool haveTimeZone = false;
    PrayerOptions options;
    bool methodAuto = false;  // --method auto: the customary method of the --place town's country
    bool haveAsr = false;     // --asr given: it wins over the customary school of --method auto
    bool haveElevation = false;  // --elevation given: it wins over the --place town's elevation
};

// The seven table rows, in the order of the usage text; target is the command's PrayerArguments.
constexpr int prayerOptionCount = 7;
void addPrayerOptions(PrayerArguments& arguments, CliOption* rows);

// After reading: --zone and --tz together is an error (exit 2 through usageError); otherwise exitOk.
int checkPrayerArguments(const PrayerArguments& arguments);

// The zone of a day: the tz zone's offset at local noon with --tz, else the fixed zone.
int zoneMinutesOn(const PrayerArguments& arguments, int year, int month, int day);

// A month's timetable request for a place with these arguments' zone (the tz zone's rules day by day
// with --tz; the request then points into arguments) and options.
TimetableRequest timetableRequestFor(const PrayerArguments& arguments, double latitudeDeg,
                                     double longitudeDeg, int year, int month, TimetableFormat format);
