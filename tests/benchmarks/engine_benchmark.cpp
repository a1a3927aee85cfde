// Speed of the engine: one day's prayer times, and one month's table written to a file.
#include "calculation_method.h"
#include "calendar.h"
#include "prayer_times.h"
#include "standard_events.h"
#include "timetable.h"
#include "zone_rules.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include <unistd.h>

namespace {

// The next day, from 31 December back to 1 January 2026.
void nextDayOf2026(int& year, int& month, int& day) {
    day += 1;
    normalizeGregorianDate(year, month, day);
    if (year > 2026) {
        year = 2026;
        month = 1;
        day = 1;
    }
}

// The time of one place-day, from the place-days an iteration loop worked out.
benchmark::Counter perDayCounter(long dayTotal) {
    return benchmark::Counter(static_cast<double>(dayTotal), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// One day at a time through 2026, over and over, so every call sees a fresh date as the timetable
// does and the dates stay those a user asks for.
void computeOneDay(benchmark::State& state, double latitudeDeg) {
    const PrayerParameters parameters = timetableParameters(latitudeDeg, 15.59, 1.0);
    int year = 2026;
    int month = 1;
    int day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computePrayerTimes(year, month, day, parameters));
        nextDayOf2026(year, month, day);
    }
}

void BM_ComputePrayerTimes_Zagreb(benchmark::State& state) {
    computeOneDay(state, 45.49);
}
void BM_ComputePrayerTimes_Oslo(benchmark::State& state) {
    computeOneDay(state, 59.91);
}
void BM_ComputePrayerTimes_Tromso(benchmark::State& state) {
    computeOneDay(state, 69.65);
}

// A month at a time, as the timetable asks for its days: one run of up to 31 days through 2026.
// "per_day" is the time of one place-day.
// The months of 2026 in turn, one a loop: computeMonth(month, dayCount) works the month's days out.
template <typename MonthComputer>
void loopOverMonths(benchmark::State& state, MonthComputer computeMonth) {
    int month = 1;
    long dayTotal = 0;
    for (auto _ : state) {
        const int count = gregorianMonthDays[month];
        computeMonth(month, count);
        dayTotal += count;
        month = month % 12 + 1;
    }
    state.counters["per_day"] = perDayCounter(dayTotal);
}

void computeMonthRuns(benchmark::State& state, double latitudeDeg) {
    const PrayerParameters parameters = timetableParameters(latitudeDeg, 15.59, 1.0);
    PrayerDay days[31];
    PrayerTimes times[31];
    loopOverMonths(state, [&](int month, int count) {
        for (int i = 0; i < count; ++i)
            days[i] = PrayerDay{2026, month, i + 1, parameters};
        computePrayerTimesRun(days, count, times);
        benchmark::DoNotOptimize(times);
    });
}

void BM_ComputePrayerTimesMonth_Zagreb(benchmark::State& state) {
    computeMonthRuns(state, 45.49);
}
void BM_ComputePrayerTimesMonth_Oslo(benchmark::State& state) {
    computeMonthRuns(state, 59.91);
}
void BM_ComputePrayerTimesMonth_Tromso(benchmark::State& state) {
    computeMonthRuns(state, 69.65);
}

void BM_WriteTimetableMonth(benchmark::State& state) {
    char folder[] = "/tmp/selvara-bench-XXXXXX";
    if (!mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = std::string(folder) + "/PrayingTimes.txt";
    for (auto _ : state) {
        if (!writeTimetable(path.c_str(), 1.0, 15.59, 45.49, 2026, 1, 0, 0)) {
            state.SkipWithError("cannot write the table");
            break;
        }
    }
    std::remove(path.c_str());
    rmdir(folder);
}

// One day through the method layer: the default method (evening an interval after sunset) against
// methods whose evening (mwl) or Maghrib and evening (tehran) are angles, each with its own
// high-latitude share where the sun does not reach the angle (Oslo), and dubai, which looks up the
// nearest of its authority's areas for each call (Abu Dhabi).
void computeOneMethodDay(benchmark::State& state, const char* method, double latitudeDeg, double longitudeDeg = 15.59,
                         int zoneMinutes = 60) {
    PrayerOptions options;
    options.methodIndex = findCalculationMethod(method);
    int year = 2026;
    int month = 1;
    int day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeDayTimes(year, month, day, latitudeDeg, longitudeDeg, zoneMinutes, options));
        nextDayOf2026(year, month, day);
    }
}

void BM_DayTimes_Selvara_Zagreb(benchmark::State& state) {
    computeOneMethodDay(state, "selvara", 45.49);
}
void BM_DayTimes_Mwl_Zagreb(benchmark::State& state) {
    computeOneMethodDay(state, "mwl", 45.49);
}
void BM_DayTimes_Tehran_Zagreb(benchmark::State& state) {
    computeOneMethodDay(state, "tehran", 45.49);
}
void BM_DayTimes_Dubai_AbuDhabi(benchmark::State& state) {
    computeOneMethodDay(state, "dubai", 24.45, 54.40, 240);
}
void BM_DayTimes_Selvara_Oslo(benchmark::State& state) {
    computeOneMethodDay(state, "selvara", 59.91);
}
void BM_DayTimes_Mwl_Oslo(benchmark::State& state) {
    computeOneMethodDay(state, "mwl", 59.91);
}

// The standard sun events a month at a time, as a timetable of a named method asks for them:
// "per_day" is the time of one place-day (each event with the sun at that event, the method's
// high-latitude rule where the twilight does not end: Oslo in summer).
void computeStandardMonths(benchmark::State& state, const char* method, double latitudeDeg, double longitudeDeg,
                           int zoneMinutes) {
    PrayerOptions options;
    options.methodIndex = findCalculationMethod(method);
    LocalDate dates[31];
    PrayerTimes times[31];
    loopOverMonths(state, [&](int month, int count) {
        for (int i = 0; i < count; ++i)
            dates[i] = LocalDate{2026, month, i + 1, zoneMinutes};
        computeStandardTimesRun(latitudeDeg, longitudeDeg, options, dates, count, times);
        benchmark::DoNotOptimize(times);
    });
}

void BM_StandardMonth_Mwl_Zagreb(benchmark::State& state) {
    computeStandardMonths(state, "mwl", 45.49, 15.59, 60);
}
void BM_StandardMonth_Mwl_Oslo(benchmark::State& state) {
    computeStandardMonths(state, "mwl", 59.91, 10.75, 60);
}
void BM_StandardMonth_Turkey_Ankara(benchmark::State& state) {
    computeStandardMonths(state, "turkey", 39.93, 32.86, 180);
}
void BM_StandardMonth_Makkah_Makkah(benchmark::State& state) {
    computeStandardMonths(state, "makkah", 21.42, 39.83, 180);
}
void BM_StandardMonth_Tehran_Tehran(benchmark::State& state) {
    computeStandardMonths(state, "tehran", 35.69, 51.39, 210);
}
void BM_StandardMonth_Dubai_AbuDhabi(benchmark::State& state) {
    computeStandardMonths(state, "dubai", 24.45, 54.40, 240);
}

// One day for many places in turn (a bulk run's order within a day): 1,000 places spread over
// -60..65 degrees and every longitude, each a single date; "per_day" is one place-day.
void BM_StandardDay_ManyPlaces(benchmark::State& state) {
    PrayerOptions options;
    options.methodIndex = findCalculationMethod("mwl");
    int place = 0;
    int dayOfYear = 0;
    long dayTotal = 0;
    for (auto _ : state) {
        const double latitudeDeg = -60.0 + 125.0 * ((place * 37) % 1000) / 1000.0;
        const double longitudeDeg = -180.0 + 360.0 * ((place * 611) % 1000) / 1000.0;
        const LocalDate date = {2026, 1 + dayOfYear / 28 % 12, 1 + dayOfYear % 28,
                                60 * static_cast<int>(longitudeDeg / 15.0)};
        PrayerTimes times;
        computeStandardTimesRun(latitudeDeg, longitudeDeg, options, &date, 1, &times);
        benchmark::DoNotOptimize(times);
        if (++place == 1000) {
            place = 0;
            ++dayOfYear;
        }
        ++dayTotal;
    }
    state.counters["per_day"] = perDayCounter(dayTotal);
}

// The offset of one day from the embedded tz table (London: a rule after the listed changes).
void BM_ZoneOffsetAtLocalNoon(benchmark::State& state) {
    const int zone = findTimeZone("Europe/London");
    int dayOfYear = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            zoneOffsetAtLocalNoon(zone, 2026, 1 + dayOfYear / 31 % 12, 1 + dayOfYear % 28));
        ++dayOfYear;
    }
}

}  // namespace

BENCHMARK(BM_DayTimes_Selvara_Zagreb);
BENCHMARK(BM_DayTimes_Mwl_Zagreb);
BENCHMARK(BM_DayTimes_Tehran_Zagreb);
BENCHMARK(BM_DayTimes_Dubai_AbuDhabi);
BENCHMARK(BM_DayTimes_Selvara_Oslo);
BENCHMARK(BM_DayTimes_Mwl_Oslo);
BENCHMARK(BM_StandardMonth_Mwl_Zagreb);
BENCHMARK(BM_StandardMonth_Mwl_Oslo);
BENCHMARK(BM_StandardMonth_Turkey_Ankara);
BENCHMARK(BM_StandardMonth_Makkah_Makkah);
BENCHMARK(BM_StandardMonth_Tehran_Tehran);
BENCHMARK(BM_StandardMonth_Dubai_AbuDhabi);
BENCHMARK(BM_StandardDay_ManyPlaces);
BENCHMARK(BM_ZoneOffsetAtLocalNoon);
BENCHMARK(BM_ComputePrayerTimes_Zagreb);
BENCHMARK(BM_ComputePrayerTimes_Oslo);
BENCHMARK(BM_ComputePrayerTimes_Tromso);
BENCHMARK(BM_ComputePrayerTimesMonth_Zagreb);
BENCHMARK(BM_ComputePrayerTimesMonth_Oslo);
BENCHMARK(BM_ComputePrayerTimesMonth_Tromso);
BENCHMARK(BM_WriteTimetableMonth);
