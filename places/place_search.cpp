// Finding places by name (see place_search.h).
//
// The keys of place i are list.keys[keyStarts[i], keyStarts[i + 1]): its folded ASCII name, and when
// the folded code page 1252 name differs, a line feed and that name. A folded query holds no line
// feed, so a match never runs from one name into the other. words lists every offset where a name or
// a word begins, grouped by the word's first letter and in place order within a group: a query
// looks only at the words that begin with its own first letter, and meets the places in list order.
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

size_t letterGroup(char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<size_t>(c - 'a');
    }
    if (c >= '0' && c <= '9') {
        return 26 + static_cast<size_t>(c - '0');
    }
    return placeLetterGroupCount - 1;
}

bool isWordStart(const std::string& keys, size_t start, size_t at) {
    return at == start || keys[at - 1] == ' ' || keys[at - 1] == keySeparator;
}

// The words of all places, grouped by first letter (a counting sort that keeps place order).
void groupWords(PlaceList& list) {
    std::vector<uint32_t> counts(placeLetterGroupCount + 1, 0);
    for (uint32_t i = 0; i < list.places.size(); ++i) {
        for (size_t at = list.keyStarts[i]; at < list.keyStarts[i + 1]; ++at) {
            counts[letterGroup(list.keys[at]) + 1] += isWordStart(list.keys, list.keyStarts[i], at) ? 1 : 0;
        }
    }
    for (size_t g = 1; g <= placeLetterGroupCount; ++g) {
        counts[g] += counts[g - 1];
    }
    list.letterGroups = counts;
    list.words.assign(counts.back(), PlaceWord{0, 0});
    for (uint32_t i = 0; i < list.places.size(); ++i) {
        for (size_t at = list.keyStarts[i]; at < list.keyStarts[i + 1]; ++at) {
            if (isWordStart(list.keys, list.keyStarts[i], at)) {
                list.words[counts[letterGroup(list.keys[at])]++] = PlaceWord{i, static_cast<uint32_t>(at)};
            }
        }
    }
}

struct SortEntry {
    std::string key;
    uint32_t index;
};

// A total order on what a place holds, so the list comes out the same whatever the file's order of
// places and of zones: two places that compare equal here are equal in every field. The zone is
// compared by its name, never by its index, which depends on the file's order of zones.
bool comesFirst(const PlaceList& list, const SortEntry& a, const SortEntry& b) {
    const Place& x = list.places[a.index];
    const Place& y = list.places[b.index];
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
    if (x.asciiName != y.asciiName) {
        return x.asciiName < y.asciiName;
    }
    if (x.latitudeE4 != y.latitudeE4) {
        return x.latitudeE4 < y.latitudeE4;
    }
    if (x.longitudeE4 != y.longitudeE4) {
        return x.longitudeE4 < y.longitudeE4;
    }
    return list.zoneNames[x.zoneIndex] < list.zoneNames[y.zoneIndex];
}

void appendKeys(PlaceList& list, const Place& place) {
    const std::string asciiKey = foldText(place.asciiName, textCp1252);
    const std::string nameKey = foldText(place.name, textCp1252);
    list.keys += asciiKey;
    if (nameKey != asciiKey) {
        list.keys += keySeparator;
        list.keys += nameKey;
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
    if (query.folded.empty() || list.letterGroups.size() != placeLetterGroupCount + 1) {
        return matches;
    }
    const size_t group = letterGroup(query.folded[0]);
    for (uint32_t w = list.letterGroups[group];
         w < list.letterGroups[group + 1] && matches.size() < maxMatches; ++w) {
        const PlaceWord& word = list.words[w];
        if ((!matches.empty() && matches.back() == word.placeIndex) ||
            !countryMatches(list.places[word.placeIndex], query)) {
            continue;  // the place matched at an earlier word already, or lies in another country
        }
        if (startsWith(list.keys, word.keyOffset, list.keyStarts[word.placeIndex + 1], query.folded)) {
            matches.push_back(word.placeIndex);
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
              [&list](const SortEntry& a, const SortEntry& b) { return comesFirst(list, a, b); });
    std::vector<Place> sorted;
    sorted.reserve(list.places.size());
    for (const SortEntry& entry : order) {
        sorted.push_back(std::move(list.places[entry.index]));
    }
    list.places.swap(sorted);
    list.keys.clear();
    list.keyStarts.assign(1, 0);
    for (const Place& place : list.places) {
        appendKeys(list, place);
    }
    groupWords(list);
}
