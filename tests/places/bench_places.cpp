// One search over the whole place list, as each keystroke in the search dialog makes it: short and
// long queries, accents, no match (every word of every place compared), and all matches of a
// one-letter query. Loading places.dat (read, sort, keys) is measured too.
#include "place_file.h"
#include "place_search.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

const PlaceList& loadedList() {
    static PlaceList list;
    static bool loaded = false;
    if (!loaded) {
        const PlaceFileResult result = readPlaceFile(SELVARA_PLACES_DAT, list);
        if (result.status != placeFileOk) {
            std::fprintf(stderr, "cannot read %s\n", SELVARA_PLACES_DAT);
            std::exit(1);
        }
        loaded = true;
    }
    return list;
}

void searchBenchmark(benchmark::State& state, const char* query, size_t maxMatches) {
    const PlaceList& list = loadedList();
    size_t found = 0;
    for (auto _ : state) {
        const std::vector<uint32_t> matches =
            searchPlaces(list, parsePlaceQuery(query, textUtf8), maxMatches);
        found = matches.size();
        benchmark::DoNotOptimize(matches.data());
    }
    state.counters["matches"] = static_cast<double>(found);
    state.counters["places"] = static_cast<double>(list.places.size());
}

void pickBenchmark(benchmark::State& state, const char* query) {
    const PlaceList& list = loadedList();
    for (auto _ : state) {
        const PlacePick pick = pickPlace(list, parsePlaceQuery(query, textUtf8), 10);
        benchmark::DoNotOptimize(pick.placeIndex);
    }
}

void loadBenchmark(benchmark::State& state) {
    for (auto _ : state) {
        PlaceList list;
        benchmark::DoNotOptimize(readPlaceFile(SELVARA_PLACES_DAT, list).status);
    }
}

constexpr size_t dialogRows = 100;  // what the search dialog lists
constexpr size_t everyMatch = 1000000;

}  // namespace

BENCHMARK_CAPTURE(searchBenchmark, first_letter_k, "K", dialogRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchBenchmark, kar, "Kar", dialogRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchBenchmark, karachi, "Karachi", dialogRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchBenchmark, sao_paulo_accented, "São Paulo", dialogRows)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchBenchmark, lumpur_word, "lumpur", dialogRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchBenchmark, no_match, "xqzv", dialogRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchBenchmark, every_match_of_a, "a", everyMatch)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pickBenchmark, pick_london, "London")->Unit(benchmark::kMicrosecond);
BENCHMARK(loadBenchmark)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
