// Finding places by name: case- and accent-insensitive prefix match on the whole name and on each of
// its words, most populous first.
//
// Each place is searched under its folded ASCII name and, where it differs, its folded code page
// 1252 name ("Köln" is found as "koeln" and as "koln"). A query matches where its folded form begins
// the name or one of its words: "sao paulo", "paulo", "lumpur". A query may end in ", CC" (a comma
// and a two-letter country code) to keep only that country's places: "Hyderabad, PK".
#pragma once

#include "place_file.h"
#include "text_fold.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct PlaceQuery {
    std::string folded;   // the name part, folded (see text_fold.h); empty matches nothing
    char countryCode[3];  // "" or two capital letters
};

PlaceQuery parsePlaceQuery(const char* text, size_t textBytes, TextEncoding encoding);
inline PlaceQuery parsePlaceQuery(const std::string& text, TextEncoding encoding) {
    return parsePlaceQuery(text.data(), text.size(), encoding);
}

// Indexes (into list.places) of the places that match, in list order, at most maxMatches.
std::vector<uint32_t> searchPlaces(const PlaceList& list, const PlaceQuery& query, size_t maxMatches);

// True when the query is the place's whole folded name (either of its names).
bool isExactPlaceMatch(const PlaceList& list, uint32_t placeIndex, const PlaceQuery& query);

// One place for a query, for the console tool's --place:
//   - no match: placePickNone;
//   - when some matches are exact, only those count; of those that count, the first (most
//     populous) is picked when it is the only one or has at least placePickDominance times the
//     inhabitants of the second ("London" is London, GB; "Birmingham" is ambiguous: GB against US);
//   - otherwise placePickAmbiguous.
// candidates: the places that counted, best first, at most maxCandidates.
enum PlacePickStatus {
    placePickFound,
    placePickNone,
    placePickAmbiguous,
};
constexpr uint32_t placePickDominance = 10;

struct PlacePick {
    PlacePickStatus status;
    uint32_t placeIndex;  // placePickFound: the place
    std::vector<uint32_t> candidates;
};

PlacePick pickPlace(const PlaceList& list, const PlaceQuery& query, size_t maxCandidates);

// Sorts the places (most populous first, ties by folded ASCII name, name, country, coordinates) and
// builds the folded keys. parsePlaceFile calls it; a list put together by hand needs it too.
void preparePlaceList(PlaceList& list);
