// places.dat: any bytes parsed as a place list; when they pass, searched and picked from with a
// query made of the same bytes, read as UTF-8 and as code page 1252. The found places must be
// inside the list, their zones inside the zone table and their elevations within their range.
#include "place_file.h"
#include "place_search.h"

#include <cstdlib>

namespace {

void checkFound(const PlaceList& list, const std::vector<uint32_t>& found) {
    for (const uint32_t i : found) {
        if (i >= list.places.size() || list.places[i].zoneIndex >= list.zoneNames.size())
            std::abort();
        const int elevationM = list.places[i].elevationM;
        if (elevationM < placeLowestElevationM || elevationM > placeHighestElevationM)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t queryBytes = size < 64 ? size : 64;
    const char* query = reinterpret_cast<const char*>(data);
    const PlaceQuery utf8 = parsePlaceQuery(query, queryBytes, textUtf8);
    const PlaceQuery ansi = parsePlaceQuery(query, queryBytes, textCp1252);
    if (utf8.folded.size() > 2 * queryBytes + 1 || ansi.folded.size() > 2 * queryBytes + 1)
        std::abort();

    PlaceList list;
    const PlaceFileResult result = parsePlaceFile(data, size, list);
    if (result.status != placeFileOk) {
        if (!list.places.empty() || !list.zoneNames.empty())
            std::abort();
        return 0;
    }
    checkFound(list, searchPlaces(list, utf8, 20));
    checkFound(list, searchPlaces(list, ansi, 20));
    checkFound(list, searchPlaces(list, parsePlaceQuery("a", textUtf8), list.places.size()));
    const PlacePick pick = pickPlace(list, ansi, 5);
    checkFound(list, pick.candidates);
    return 0;
}
