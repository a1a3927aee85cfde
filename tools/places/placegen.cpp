// placegen: turns the committed place table (tools/places/extract_places.py wrote it, a gzip'd
// tab-separated text) into places.dat (layout in places/place_file.h). Runs on the build host.
//
//   placegen TABLE.tsv.gz [POINTS.tsv] OUT/places.dat
//
// Lines starting with '#' are comments. Each other line: NAME, ASCII-NAME, COUNTRY-CODE, LATITUDE,
// LONGITUDE (decimal degrees, at most 4 decimals), IANA-ZONE, POPULATION, ELEVATION-M (whole metres,
// signed). NAME is UTF-8 that code page 1252 can write. Any line out of form stops the build with
// its number.
//
// POINTS (plain text, tools/places/authority_points.py writes it) gives, for some towns, the point
// and height their authority computes its timetable at, to be listed instead of the table's:
// COUNTRY-CODE, ASCII-NAME, LATITUDE, LONGITUDE, ELEVATION-M and whose point it is (free text). Each
// line must name exactly one place of the table; anything else stops the build.
#include "place_file.h"
#include "text_fold.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

// "-23.5475" -> -235475: decimal degrees with at most 4 decimals, as an exact integer.
bool parseDegreesE4(const std::string& text, int32_t& valueE4) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    i += negative ? 1 : 0;
    long whole = 0;
    long fraction = 0;
    int fractionDigits = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (c >= '0' && c <= '9' && !seenPoint && whole < 1000) {
            whole = whole * 10 + (c - '0');
            seenDigit = true;
        } else if (c >= '0' && c <= '9' && seenPoint && fractionDigits < 4) {
            fraction = fraction * 10 + (c - '0');
            ++fractionDigits;
            seenDigit = true;
        } else {
            return false;
        }
    }
    for (; fractionDigits < 4; ++fractionDigits) {
        fraction *= 10;
    }
    valueE4 = static_cast<int32_t>((whole * 10000 + fraction) * (negative ? -1 : 1));
    return seenDigit;
}

bool parsePopulation(const std::string& text, uint32_t& population) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    population = static_cast<uint32_t>(value);
    return value <= 0xFFFFFFFFull;
}

// "-28" -> -28: whole metres, within what places.dat holds.
bool parseElevation(const std::string& text, int16_t& elevationM) {
    const size_t digitsFrom = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() <= digitsFrom || text.size() > digitsFrom + 4 ||
        text.find_first_not_of("0123456789", digitsFrom) != std::string::npos) {
        return false;
    }
    const long value = std::strtol(text.c_str(), nullptr, 10);
    elevationM = static_cast<int16_t>(value);
    return value >= placeLowestElevationM && value <= placeHighestElevationM;
}

bool parseLine(const std::string& line, std::map<std::string, uint16_t>& zones,
               std::vector<std::string>& zoneNames, Place& place) {
    const std::vector<std::string> fields = splitTabs(line);
    if (fields.size() != 8 || !utf8ToCp1252(fields[0], place.name) || fields[2].size() != 2 ||
        !parseDegreesE4(fields[3], place.latitudeE4) || !parseDegreesE4(fields[4], place.longitudeE4) ||
        !parsePopulation(fields[6], place.population) || !parseElevation(fields[7], place.elevationM)) {
        return false;
    }
    place.asciiName = fields[1];
    std::memcpy(place.countryCode, fields[2].c_str(), 3);
    const auto known = zones.find(fields[5]);
    if (known != zones.end()) {
        place.zoneIndex = known->second;
    } else {
        place.zoneIndex = static_cast<uint16_t>(zoneNames.size());
        zones[fields[5]] = place.zoneIndex;
        zoneNames.push_back(fields[5]);
    }
    return true;
}

enum LineKind { lineOutOfForm, lineComment, lineData };

// A line as read into a buffer, without its end: a comment (or empty), data, or out of form (longer
// than the buffer, or without an end: said on standard error with the line's number).
LineKind takeLine(const char* path, unsigned long lineNumber, const char* read, std::string& line) {
    line = read;
    if (line.empty() || line.back() != '\n') {
        std::fprintf(stderr, "placegen: %s:%lu: line too long or unended\n", path, lineNumber);
        return lineOutOfForm;
    }
    line.pop_back();
    return line.empty() || line[0] == '#' ? lineComment : lineData;
}

bool readTable(const char* path, std::vector<std::string>& zoneNames, std::vector<Place>& places) {
    gzFile table = gzopen(path, "rb");
    if (table == nullptr) {
        std::fprintf(stderr, "placegen: cannot open %s\n", path);
        return false;
    }
    std::map<std::string, uint16_t> zones;
    std::vector<char> buffer(4096);
    unsigned long lineNumber = 0;
    bool good = true;
    std::string line;
    while (good && gzgets(table, buffer.data(), static_cast<int>(buffer.size())) != nullptr) {
        const LineKind kind = takeLine(path, ++lineNumber, buffer.data(), line);
        if (kind == lineOutOfForm) {
            good = false;
            break;
        }
        if (kind == lineComment) {
            continue;
        }
        Place place{};
        good = parseLine(line, zones, zoneNames, place) && zoneNames.size() <= placeZoneMaxCount;
        if (!good) {
            std::fprintf(stderr, "placegen: %s:%lu: line out of form\n", path, lineNumber);
        }
        places.push_back(place);
    }
    int gzipError = Z_OK;
    gzerror(table, &gzipError);
    gzclose(table);
    if (good && gzipError != Z_OK && gzipError != Z_STREAM_END) {
        std::fprintf(stderr, "placegen: %s: damaged gzip data\n", path);
        good = false;
    }
    return good;
}

// Moves the places POINTS names to the points (and heights) it gives.
bool applyPoints(const char* path, std::vector<Place>& places) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        std::fprintf(stderr, "placegen: cannot open %s\n", path);
        return false;
    }
    char buffer[512];
    unsigned long lineNumber = 0;
    bool good = true;
    std::string line;
    while (good && std::fgets(buffer, sizeof buffer, file) != nullptr) {
        const LineKind kind = takeLine(path, ++lineNumber, buffer, line);
        if (kind == lineOutOfForm) {
            good = false;
            break;
        }
        if (kind == lineComment) {
            continue;
        }
        const std::vector<std::string> fields = splitTabs(line);
        int32_t latitudeE4 = 0;
        int32_t longitudeE4 = 0;
        int16_t elevationM = 0;
        if (fields.size() != 6 || fields[0].size() != 2 || !parseDegreesE4(fields[2], latitudeE4) ||
            !parseDegreesE4(fields[3], longitudeE4) || !parseElevation(fields[4], elevationM) ||
            latitudeE4 < -900000 || latitudeE4 > 900000 || longitudeE4 < -1800000 || longitudeE4 > 1800000) {
            std::fprintf(stderr, "placegen: %s:%lu: line out of form\n", path, lineNumber);
            good = false;
            break;
        }
        Place* named = nullptr;
        int matches = 0;
        for (Place& place : places) {
            if (fields[0] == place.countryCode && fields[1] == place.asciiName) {
                named = &place;
                ++matches;
            }
        }
        if (matches != 1) {
            std::fprintf(stderr, "placegen: %s:%lu: %s, %s is in the place table %d times\n", path, lineNumber,
                         fields[1].c_str(), fields[0].c_str(), matches);
            good = false;
            break;
        }
        named->latitudeE4 = latitudeE4;
        named->longitudeE4 = longitudeE4;
        named->elevationM = elevationM;
    }
    if (good && std::ferror(file)) {
        std::fprintf(stderr, "placegen: cannot read %s\n", path);
        good = false;
    }
    std::fclose(file);
    return good;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: placegen TABLE.tsv.gz [POINTS.tsv] OUT/places.dat\n");
        return 2;
    }
    std::vector<std::string> zoneNames;
    std::vector<Place> places;
    if (!readTable(argv[1], zoneNames, places) || (argc == 4 && !applyPoints(argv[2], places))) {
        return 1;
    }
    const char* outPath = argv[argc - 1];
    std::vector<uint8_t> bytes;
    std::string error;
    if (!encodePlaceFile(zoneNames, places, bytes, error)) {
        std::fprintf(stderr, "placegen: %s\n", error.c_str());
        return 1;
    }
    std::FILE* out = std::fopen(outPath, "wb");
    if (out == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
        std::fclose(out) != 0) {
        std::fprintf(stderr, "placegen: cannot write %s\n", outPath);
        return 1;
    }
    std::printf("placegen: %zu places, %zu zones, %zu bytes in %s\n", places.size(), zoneNames.size(),
                bytes.size(), outPath);
    return 0;
}
