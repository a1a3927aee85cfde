// places.dat: the list of towns the user can pick by name, and its reader and writer.
//
// Layout (all numbers little-endian):
//   magic          8 bytes  "SVPLACES"
//   version        2 bytes  placeFileVersion
//   zone count     2 bytes  1..placeZoneMaxCount
//   place count    4 bytes  1..placeMaxCount
//   file size      4 bytes  the whole file, header included
//   zones          zone count times: length (1 byte, 1..placeZoneNameMaxBytes), IANA name (ASCII
//                  letters, digits, '/', '_', '-', '+')
//   places         place count times:
//     name length  1 byte, 1..placeNameMaxBytes
//     name         code page 1252, no control characters
//     ASCII length 1 byte, 0..placeNameMaxBytes (0: the name is its own ASCII form)
//     ASCII name   printable ASCII
//     country      2 bytes, 'A'..'Z'
//     zone         2 bytes, index into the zones
//     latitude     4 bytes, signed, 1/10000 degree north, -900000..900000
//     longitude    4 bytes, signed, 1/10000 degree east, -1800000..1800000
//     population   4 bytes, unsigned
//     elevation    2 bytes, signed, whole metres above sea level, placeLowestElevationM..
//                  placeHighestElevationM
// The file ends right after the last place. A file of the first version (the same without the
// elevation) is refused as of another version: the list is built and installed with the program,
// and a town without its height would give the methods that use it wrong times without a word. Anything else is refused as a whole: the reader never
// returns part of a damaged file. The generator writes the places most populous first; the reader
// sorts them so whatever the file's order (search results come out in list order).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr char placeFileMagic[8] = {'S', 'V', 'P', 'L', 'A', 'C', 'E', 'S'};
constexpr uint16_t placeFileVersion = 2;
constexpr size_t placeFileHeaderBytes = 20;
constexpr size_t placeFileMaxBytes = 8u << 20;  // larger files are refused unread
constexpr uint32_t placeMaxCount = 200000;
constexpr uint16_t placeZoneMaxCount = 1000;
constexpr size_t placeZoneNameMaxBytes = 48;
constexpr size_t placeNameMaxBytes = 63;
constexpr int32_t placeLatitudeMaxE4 = 900000;
constexpr int32_t placeLongitudeMaxE4 = 1800000;
constexpr int32_t placeLowestElevationM = -500;   // below the Dead Sea's shore
constexpr int32_t placeHighestElevationM = 9000;  // above the highest summit
constexpr char placeFileName[] = "places.dat";

struct Place {
    std::string name;       // code page 1252, 1..placeNameMaxBytes bytes
    std::string asciiName;  // printable ASCII, 1..placeNameMaxBytes bytes
    char countryCode[3];    // two capital letters and a zero
    uint16_t zoneIndex;     // into PlaceList::zoneNames
    int32_t latitudeE4;     // 1/10000 degree, north positive
    int32_t longitudeE4;    // 1/10000 degree, east positive
    uint32_t population;
    int16_t elevationM;  // whole metres above sea level, placeLowestElevationM..placeHighestElevationM
};

// Where a word of a place's folded names begins (see place_search.cpp).
struct PlaceWord {
    uint32_t placeIndex;
    uint32_t keyOffset;  // into PlaceList::keys
};
constexpr size_t placeLetterGroupCount = 37;  // 'a'..'z', '0'..'9', anything else

// A loaded list, with the folded search keys built once (see place_search.h).
struct PlaceList {
    std::vector<std::string> zoneNames;
    std::vector<Place> places;           // most populous first, then a total order on the data
    std::string keys;                    // each place's folded names, see place_search.cpp
    std::vector<uint32_t> keyStarts;     // places.size() + 1 offsets into keys
    std::vector<PlaceWord> words;        // every word, grouped by first letter, in place order
    std::vector<uint32_t> letterGroups;  // placeLetterGroupCount + 1 offsets into words
};

enum PlaceFileStatus {
    placeFileOk = 0,
    placeFileMissing,     // cannot be opened
    placeFileTooLarge,    // more than placeFileMaxBytes
    placeFileNotPlaces,   // too short for the header, or the magic is wrong
    placeFileNewVersion,  // written for another version of the reader
    placeFileTruncated,   // shorter than its header says
    placeFileDamaged,     // a field out of its range, or bytes after the last place
    placeFileUnreadable,  // a read error
};

struct PlaceFileResult {
    PlaceFileStatus status;
    uint32_t damagedPlace;  // placeFileDamaged: the 1-based place, 0 for the header or the zones
};

// Parses a whole file held in memory into list (cleared first; left empty unless placeFileOk).
PlaceFileResult parsePlaceFile(const uint8_t* data, size_t dataBytes, PlaceList& list);

// Reads and parses the file at path (ANSI path on Windows).
PlaceFileResult readPlaceFile(const char* path, PlaceList& list);

// "places.dat is damaged (place 12)": a message for the user, into a bounded buffer.
void describePlaceFileResult(const PlaceFileResult& result, char* text, size_t textBytes);

// Writes a list (places and zones as given) in the layout above; false when a field is out of its
// range, with the reason in error. The build's generator and the tests use it.
bool encodePlaceFile(const std::vector<std::string>& zoneNames, const std::vector<Place>& places,
                     std::vector<uint8_t>& out, std::string& error);
