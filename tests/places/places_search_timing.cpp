// The place search timed under Wine, where Google Benchmark is not built: the queries of
// bench_places, each run in batches; prints the best batch's time per query (the least disturbed by
// other work on the machine) and the median. tools/bench-places.sh runs it.
//
//   places_search_timing PLACES.DAT [BATCHES]
#include "place_file.h"
#include "place_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct TimedQuery {
    const char* label;
    const char* query;  // code page 1252, as the Windows programs pass it
    size_t maxMatches;
};

const TimedQuery timedQueries[] = {
    {"first letter K", "K", 100},       {"Kar", "Kar", 100},
    {"Karachi", "Karachi", 100},        {"Sao Paulo, accented", "S\xE3o Paulo", 100},
    {"lumpur (a word)", "lumpur", 100}, {"no match", "xqzv", 100},
    {"every match of a", "a", 1000000},
};
constexpr int queriesPerBatch = 200;

double microsecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: places_search_timing PLACES.DAT [BATCHES]\n");
        return 2;
    }
    const int batches = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    PlaceList list;
    const auto loadStart = std::chrono::steady_clock::now();
    const PlaceFileResult result = readPlaceFile(argv[1], list);
    const double loadMicroseconds = microsecondsSince(loadStart);
    if (result.status != placeFileOk) {
        char message[128];
        describePlaceFileResult(result, message, sizeof message);
        std::fprintf(stderr, "%s\n", message);
        return 1;
    }
    std::printf("%zu places read in %.1f ms\n", list.places.size(), loadMicroseconds / 1000.0);
    std::printf("%-20s %8s %12s %12s\n", "query", "matches", "best us", "median us");
    for (const TimedQuery& timed : timedQueries) {
        std::vector<double> perQuery;
        size_t matches = 0;
        for (int batch = 0; batch < batches; ++batch) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < queriesPerBatch; ++i) {
                matches =
                    searchPlaces(list, parsePlaceQuery(timed.query, textCp1252), timed.maxMatches).size();
            }
            perQuery.push_back(microsecondsSince(start) / queriesPerBatch);
        }
        std::sort(perQuery.begin(), perQuery.end());
        std::printf("%-20s %8zu %12.1f %12.1f\n", timed.label, matches, perQuery.front(),
                    perQuery[perQuery.size() / 2]);
    }
    return 0;
}
