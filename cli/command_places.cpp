// selvara-cli places QUERY [--limit N] [--places FILE]: the places whose name or one of its words
// begins with QUERY (case and accents ignored), most populous first, one tab-separated line each.

#include "cli_commands.h"
#include "cli_options.h"
#include "place_lookup.h"
#include "place_search.h"

namespace {

constexpr int defaultLimit = 10;
constexpr int mostLimit = 100000;

bool readLimit(const char* text, void* target) {
    int& limit = *static_cast<int*>(target);
    return readInt(text, limit) && limit >= 1 && limit <= mostLimit;
}

}  // namespace

int runPlaces(int argc, char** argv) {
    if (argc < 1 || (argv[0][0] == '-' && argv[0][1] == '-'))
        return usageError("places needs a QUERY", nullptr);
    const char* query = argv[0];
    int limit = defaultLimit;
    const char* placesPath = nullptr;
    const CliOption options[] = {
        {"--limit", readLimit, &limit, nullptr},
        {"--places", readText, &placesPath, nullptr},
    };
    const int status = readOptions(argc - 1, argv + 1, options);
    if (status != exitOk)
        return status;
    PlaceList list;
    if (!loadPlaces(placesPath, list))
        return exitNoPlace;
    const std::vector<uint32_t> found =
        searchPlaces(list, parsePlaceQuery(query, platformTextEncoding), static_cast<size_t>(limit));
    if (found.empty())
        return exitNoPlace;
    setBinaryStdout();
    for (const uint32_t i : found)
        writePlaceLine(stdout, list, i);
    return finishStandardOutput();
}
