// Calculation methods: the depression angles and intervals that the schools and authorities of
// different countries publish for dawn, sunset and the evening prayer, with each authority's own
// minutes, rounding and high-latitude rule, and the user's own choices on top of a method (the
// afternoon shadow rule, a minute adjustment per time, the elevation, the high-latitude rule).
#pragma once

#include "authority_areas.h"
#include "prayer_times.h"

#include <cstddef>
// Order of the six times in the adjustment list: dawn, sunrise, noon, afternoon, sunset, evening.
constexpr int prayerTimeCount = 6;
constexpr int shortestAdjustMinutes = -120;
constexpr int longestAdjustMinutes = 120;

// How a time is printed as hours and minutes: the minutes cut (the program's own method), rounded
// to the nearest minute, or rounded up to the next whole minute.
enum class MinuteRounding {
    cut,
    nearest,
    up
};

// Where the twilight of dawn or of the evening does not end (or ends unusually late) at high
// latitudes: the time is taken no further from sunrise / sunset than a share of the night: half
// of it, a seventh of it, or the twilight angle's share (angle / 60). none leaves a time that
// does not exist as not a number. methodDefault (in PrayerOptions): the method's own rule.
enum class HighLatitudeRule {
    methodDefault,
    middleOfNight,
    seventhOfNight,
    twilightAngle,
    none
};

// "middle", "seventh", "angle", "none" ("method" for methodDefault), as typed on the command line
// and stored in settings.
const char* highLatitudeRuleName(HighLatitudeRule rule);
// The rule of a name (ignoring ASCII case); false for another name (rule untouched).
bool readHighLatitudeRule(const char* name, HighLatitudeRule& rule);

// Minutes from dawn to sunrise, or from sunset to the evening prayer, where a method gives them by
// the season and latitude rather than by an angle; the afternoon shadow factor (1 or 2) picks the
// variant of the evening where the method has one per school.
typedef double (*SeasonalTwilightMinutes)(double latitudeDeg, int year, int month, int day, int asrShadowFactor);

struct CalculationMethod {
    const char* name;               // lower case, as typed on the command line and stored in settings
    double dawnDepressionDeg;       // degrees below the horizon at dawn (Fajr)
    double eveningDepressionDeg;    // degrees below the horizon at the evening prayer; 0: an interval
    double eveningIntervalMinutes;  // minutes from sunset to the evening prayer (depression 0)
    double ramadanIntervalMinutes;  // the interval in the month of Ramadan; 0: as the rest of the year
    double maghribDepressionDeg;    // degrees below the horizon at sunset (Maghrib); 0: the sun's upper limb
    const char* authority;          // who publishes the method, as the settings show it
    int offsetMinutes[prayerTimeCount];  // the authority's own minutes added to each time
    MinuteRounding rounding;             // how printed minutes are formed from the times
    HighLatitudeRule highLatitudeRule;   // the method's own rule (never methodDefault)
    bool usesElevation;  // sunrise and sunset lowered by the horizon dip of the place's elevation
    SeasonalTwilightMinutes seasonalDawnMinutes;     // null: dawn by dawnDepressionDeg
    SeasonalTwilightMinutes seasonalEveningMinutes;  // null: the evening by angle or interval
    bool sunAtUtcMidnight = false;  // the sun's place taken once a day, at 0h UT, for every time
    // Where the authority rounds some times another way than the rest (sunrise down while the
    // prayers go up, say): the rounding of each of the six times; null: `rounding` for all six.
    const MinuteRounding* timeRoundings = nullptr;
    // Degrees below the horizon at the printed sunrise where the authority takes it lower than
    // the upper limb (0: the upper limb, as at sunset); the day's other times keep the upper limb.
    double sunriseDepressionDeg = 0.0;
    // Minutes more added to sunset (Maghrib) in the month of Ramadan only; an evening counted as an
    // interval after sunset moves with it.
    int ramadanSunsetMinutes = 0;
    // Days between a printed date and the date whose sun gives its times: an authority whose
    // table prints each date with the next day's times has 1.
    int sunDaysAhead = 0;
    // The share of the horizon dip of the place's elevation the authority lowers sunrise and
    // sunset by (1: the whole geometric dip).
    double elevationDipShare = 1.0;
    // An authority that publishes one perpetual calendar, the same minutes for a date in every
    // year: the year whose sun gives that date's times in any year (29 February takes the 28th's);
    // 0: the date's own year. Its Ramadan minutes still follow the date's own Hijri month.
    int perpetualSunYear = 0;
    // The least depression of the horizon, in degrees, an authority that uses the elevation takes
    // for sunrise and sunset (its towns by the sea have a horizon below the sea-level one; 0: none).
    double leastHorizonDipDeg = 0.0;
    // The afternoon's shadow taken from the sun as it is seen: the shadow rule gives the sun's
    // apparent altitude, which refraction lifts above the true one, so the true sun stands lower
    // then and the afternoon comes some seconds later.
    bool asrApparentSun = false;
    // The afternoon found with the sun's place at the transit, as a computation that takes the sun
    // once, at noon, for the afternoon finds it; false: with the sun's place at the afternoon itself.
    bool asrSunAtTransit = false;
    // The share of the dip at sunset where the authority takes another than at sunrise (0: the
    // same, elevationDipShare): Habous' tables set nearer the sun than they rise, the more so the
    // higher the town.
    double sunsetDipShare = 0.0;
    // An authority that publishes a timetable for each of its areas, with each area's own minutes
    // on dawn: its areas (null: the method's own minutes everywhere).
    const AuthorityAreaList* areas = nullptr;
    // The transit and the afternoon found with the sun held where it stands at 0h UT of the date,
    // as a computation that takes the sun once a day for those two, while the rising, setting and
    // twilight times follow the sun (sunAtUtcMidnight holds it for all six).
    bool noonSunAtUtcMidnight = false;
    // Where the authority bounds dawn by another share of the night than the evening prayer: dawn's
    // rule (methodDefault: highLatitudeRule for both). A rule the user chooses holds for both.
    HighLatitudeRule dawnHighLatitudeRule = HighLatitudeRule::methodDefault;
};

// The methods, "selvara" (the program's own fixed values) first.
extern const CalculationMethod calculationMethods[];
extern const int calculationMethodCount;
constexpr int defaultCalculationMethod = 0;

// Index of the method whose name equals name, ignoring ASCII case; -1 for none (or a null name).
int findCalculationMethod(const char* name);

// Standard: a shadow as long as the object (plus its noon shadow); Hanafi: twice as long.
constexpr int standardAsrShadowFactor = 1;
constexpr int hanafiAsrShadowFactor = 2;

// The Asr schools by name, beside the method names: the console's --asr and selvara.ini's
// AsrSchool spell them the same way, and find them without regard to case.
struct AsrSchool {
    const char* name;   // lower case, as typed on the command line and stored in settings
    const char* title;  // as the calculation page shows it
    int shadowFactor;   // standardAsrShadowFactor or hanafiAsrShadowFactor
};
extern const AsrSchool asrSchools[];
extern const int asrSchoolCount;
constexpr int defaultAsrSchool = 0;  // standard

// Index of the school whose name equals name, ignoring ASCII case; -1 for none (or a null name).
int findAsrSchool(const char* name);

// The school of a shadow factor; a factor of no school gives the default school.
const AsrSchool& asrSchoolOfFactor(int shadowFactor);

// One line about a method for the settings dialog ("Fajr 18°, Isha 17°" in the Windows ANSI code
// page); an index out of range describes the default method. Terminated within size bytes.
void describeCalculationMethod(int index, char* text, std::size_t size);
constexpr double lowestElevationM = -500.0;
constexpr double highestElevationM = 9000.0;

// What the user chose. The defaults give exactly the times the program has always given.
struct PrayerOptions {
    int methodIndex = defaultCalculationMethod;               // into calculationMethods
    int asrShadowFactor = standardAsrShadowFactor;            // 1 or 2
    int adjustMinutes[prayerTimeCount] = {0, 0, 0, 0, 0, 0};  // added to each time, -120..120
    int hijriAdjustmentDays = 0;  // -2..2: Ramadan is the table's Ramadan moved by this many days
    double elevationM = 0.0;      // the place's height above sea level, lowestElevationM..highestElevationM
    bool useElevation = false;    // the horizon dip of elevationM also where the method does not use it
    HighLatitudeRule highLatitudeRule = HighLatitudeRule::methodDefault;
};

// The parameters of one day for a place in degrees, a zone in minutes east of Greenwich and the
// options; the date matters where a method's interval changes in Ramadan. A field out of range
// falls back to its default (method selvara, factor 1).
PrayerParameters methodParameters(double latitudeDeg, double longitudeDeg, int zoneMinutes,
                                  const PrayerOptions& options, int year, int month, int day);

// Minutes the method adds to sunset on a date: its Ramadan minutes in Ramadan (by the Hijri
// calendar with the options' adjustment), otherwise none.
int ramadanSunsetMinutesOn(const PrayerOptions& options, int year, int month, int day);

// Minutes from sunset to the evening prayer on a date where the method gives an interval (its
// Ramadan interval in Ramadan, by the Hijri calendar with the options' adjustment).
double eveningIntervalMinutesOn(const PrayerOptions& options, int year, int month, int day);

// True for every method but the program's own: their times are the standard sun events.
bool usesStandardEvents(const PrayerOptions& options);

// The six times of one day with the options' method, shadow rule and adjustments. With default
// options and a whole-hour zone these are exactly computePrayerTimes(timetableParameters(...)).
// Every other method takes the standard sun events (standard_events.h), its own minutes added and
// not rounded.
PrayerTimes computeDayTimes(int year, int month, int day, double latitudeDeg, double longitudeDeg,
                            int zoneMinutes, const PrayerOptions& options);

// Adds the options' adjustments (minutes, clamped to -120..120) to the six times.
void applyAdjustments(PrayerTimes& times, const PrayerOptions& options);

// The method the options name (the program's own for an index out of range).
const CalculationMethod& chosenMethod(const PrayerOptions& options);

// The high-latitude rule in force: the user's, or the method's own.
HighLatitudeRule effectiveHighLatitudeRule(const PrayerOptions& options);

// How the minutes of the options' times are printed: the method's rounding.
MinuteRounding printedMinuteRounding(const PrayerOptions& options);

// The rounding of each of the six times (dawn, sunrise, noon, afternoon, sunset, evening): the
// method's own per time where it has them, otherwise its one rounding for all.
void printedMinuteRoundings(const PrayerOptions& options, MinuteRounding (&roundings)[prayerTimeCount]);
