// Finding places by name (see place_search.h).
//
// The keys of place i are list.keys[keyStarts[i], keyStarts[i + 1]): its folded ASCII name, and when
// the folded code page 1252 name differs, a line feed and that name. A folded query holds no line
// feed, so a match never runs from one name into the other. wordStarts lists, place by place, every
// offset where a name or a word begins.
#include "place_search.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

constexpr char keySeparator = '\n';

bool startsWith(const std::string& keys, size_t at, size_t end, const std::string& folded) {
    return folded.size() <= end - at && std::memcmp(keys.data() + at, folded.data(), folded.size()) == 0;
}

bool countryMatches(const Place& place, const PlaceQuery& query) {
    return query.countryCode[0] == '\0' ||
           (place.countryCode[0] == query.countryCode[0] && place.countryCode[1] == query.countryCode[1]);
}

bool matchesPlace(const PlaceList& list, uint32_t i, const std::string& folded) {
    const size_t end = list.keyStarts[i + 1];
    for (uint32_t w = list.firstWords[i]; w < list.firstWords[i + 1]; ++w) {
        if (startsWith(list.keys, list.wordStarts[w], end, folded)) {
            return true;
        }
    }
    return false;
}

struct SortEntry {
    std::string key;
    uint32_t index;
};

bool comesFirst(const std::vector<Place>& places, const SortEntry& a, const SortEntry& b) {
    const Place& x = places[a.index];
    const Place& y = places[b.index];
    if (x.population != y.population) {
        return x.population > y.population;
    }
    if (a.key != b.key) {
        return a.key < b.key;
    }
    if (x.name != y.name) {
        return x.name < y.name;
    }
    const int country = std::strcmp(x.countryCode, y.countryCode);
    if (country != 0) {
        return country < 0;
    }
    if (x.latitudeE4 != y.latitudeE4) {
        return x.latitudeE4 < y.latitudeE4;
    }
    return x.longitudeE4 < y.longitudeE4;
}

void appendKeys(PlaceList& list, const Place& place) {
    const std::string asciiKey = foldText(place.asciiName, textCp1252);
    const std::string nameKey = foldText(place.name, textCp1252);
    const size_t start = list.keys.size();
    list.keys += asciiKey;
    if (nameKey != asciiKey) {
        list.keys += keySeparator;
        list.keys += nameKey;
    }
    list.firstWords.push_back(static_cast<uint32_t>(list.wordStarts.size()));
    for (size_t at = start; at < list.keys.size(); ++at) {
        if (at == start || list.keys[at - 1] == ' ' || list.keys[at - 1] == keySeparator) {
            list.wordStarts.push_back(static_cast<uint32_t>(at));
        }
    }
    list.keyStarts.push_back(static_cast<uint32_t>(list.keys.size()));
}

}  // namespace

PlaceQuery parsePlaceQuery(const char* text, size_t textBytes, TextEncoding encoding) {
    PlaceQuery query{std::string(), {'\0', '\0', '\0'}};
    size_t nameBytes = textBytes;
    size_t end = textBytes;
    while (end > 0 && text[end - 1] == ' ') {
        --end;
    }
    size_t comma = end;
    while (comma > 0 && text[comma - 1] != ',') {
        --comma;
    }
    if (comma > 0) {
        size_t code = comma;
        while (code < end && text[code] == ' ') {
            ++code;
        }
        const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
        if (end - code == 2 && isLetter(text[code]) && isLetter(text[code + 1])) {
            query.countryCode[0] = static_cast<char>(text[code] & ~0x20);
            query.countryCode[1] = static_cast<char>(text[code + 1] & ~0x20);
            nameBytes = comma - 1;
        }
    }
    query.folded = foldText(text, nameBytes, encoding);
    return query;
}

std::vector<uint32_t> searchPlaces(const PlaceList& list, const PlaceQuery& query, size_t maxMatches) {
    std::vector<uint32_t> matches;
    if (query.folded.empty() || list.firstWords.size() != list.places.size() + 1) {
        return matches;
    }
    const uint32_t count = static_cast<uint32_t>(list.places.size());
    for (uint32_t i = 0; i < count && matches.size() < maxMatches; ++i) {
        if (countryMatches(list.places[i], query) && matchesPlace(list, i, query.folded)) {
            matches.push_back(i);
        }
    }
    return matches;
}

bool isExactPlaceMatch(const PlaceList& list, uint32_t placeIndex, const PlaceQuery& query) {
    if (placeIndex >= list.places.size() || query.folded.empty()) {
        return false;
    }
    const size_t start = list.keyStarts[placeIndex];
    const size_t end = list.keyStarts[placeIndex + 1];
    const std::string& keys = list.keys;
    for (size_t at = start; at < end;) {
        size_t nameEnd = keys.find(keySeparator, at);
        nameEnd = nameEnd == std::string::npos || nameEnd > end ? end : nameEnd;
        if (nameEnd - at == query.folded.size() && startsWith(keys, at, nameEnd, query.folded)) {
            return true;
        }
        at = nameEnd + 1;
    }
    return false;
}

PlacePick pickPlace(const PlaceList& list, const PlaceQuery& query, size_t maxCandidates) {
    PlacePick pick{placePickNone, 0, {}};
    std::vector<uint32_t> counted = searchPlaces(list, query, list.places.size());
    std::vector<uint32_t> exact;
    for (const uint32_t i : counted) {
        if (isExactPlaceMatch(list, i, query)) {
            exact.push_back(i);
        }
    }
    if (!exact.empty()) {
        counted.swap(exact);
    }
    if (counted.empty()) {
        return pick;
    }
    const uint64_t first = list.places[counted[0]].population;
    const uint64_t second = counted.size() > 1 ? list.places[counted[1]].population : 0;
    const bool dominant = counted.size() == 1 || (first > 0 && first >= placePickDominance * second);
    pick.status = dominant ? placePickFound : placePickAmbiguous;
    pick.placeIndex = counted[0];
    counted.resize(std::min(counted.size(), maxCandidates));
    pick.candidates = counted;
    return pick;
}

void preparePlaceList(PlaceList& list) {
    std::vector<SortEntry> order(list.places.size());
    for (uint32_t i = 0; i < order.size(); ++i) {
        order[i] = SortEntry{foldText(list.places[i].asciiName, textCp1252), i};
    }
    std::sort(order.begin(), order.end(),
              [&list](const SortEntry& a, const SortEntry& b) { return comesFirst(list.places, a, b); });
    std::vector<Place> sorted;
    sorted.reserve(list.places.size());
    for (const SortEntry& entry : order) {
        sorted.push_back(std::move(list.places[entry.index]));
    }
    list.places.swap(sorted);
    list.keys.clear();
    list.keyStarts.assign(1, 0);
    list.wordStarts.clear();
    list.firstWords.clear();
    for (const Place& place : list.places) {
        appendKeys(list, place);
    }
    list.firstWords.push_back(static_cast<uint32_t>(list.wordStarts.size()));
}
