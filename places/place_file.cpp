// Reading and writing places.dat (see place_file.h).
#include "place_file.h"

#include "place_search.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// A bounded reader over the file's bytes: every read checks what is left first.
struct ByteCursor {
    const uint8_t* data;
    size_t size;
    size_t position;

    bool has(size_t bytes) const { return bytes <= size - position; }
    uint8_t byte() { return data[position++]; }
    uint16_t u16() {
        const uint16_t value = static_cast<uint16_t>(data[position] | data[position + 1] << 8);
        position += 2;
        return value;
    }
    uint32_t u32() {
        const uint32_t value =
            static_cast<uint32_t>(data[position]) | static_cast<uint32_t>(data[position + 1]) << 8 |
            static_cast<uint32_t>(data[position + 2]) << 16 | static_cast<uint32_t>(data[position + 3]) << 24;
        position += 4;
        return value;
    }
};

bool isZoneNameByte(uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
           c == '_' || c == '-' || c == '+';
}

bool isNameByte(uint8_t c) {
    return c >= 0x20 && c != 0x7F;  // code page 1252 without control characters (tab, line ends)
}

bool isAsciiNameByte(uint8_t c) {
    return c >= 0x20 && c < 0x7F;
}

template <typename Check>
bool readText(ByteCursor& cursor, size_t minBytes, size_t maxBytes, Check isAllowed, std::string& text) {
    if (!cursor.has(1)) {
        return false;
    }
    const size_t length = cursor.byte();
    if (length < minBytes || length > maxBytes || !cursor.has(length)) {
        return false;
    }
    for (size_t i = 0; i < length; ++i) {
        if (!isAllowed(cursor.data[cursor.position + i])) {
            return false;
        }
    }
    text.assign(reinterpret_cast<const char*>(cursor.data + cursor.position), length);
    cursor.position += length;
    return true;
}

constexpr size_t placeFixedBytes = 2 + 2 + 4 + 4 + 4 + 2;

bool readPlace(ByteCursor& cursor, size_t zoneCount, Place& place) {
    if (!readText(cursor, 1, placeNameMaxBytes, isNameByte, place.name) ||
        !readText(cursor, 0, placeNameMaxBytes, isAsciiNameByte, place.asciiName) ||
        !cursor.has(placeFixedBytes)) {
        return false;
    }
    if (place.asciiName.empty()) {
        for (const char c : place.name) {
            if (!isAsciiNameByte(static_cast<uint8_t>(c))) {
                return false;  // a name outside ASCII needs its ASCII form
            }
        }
        place.asciiName = place.name;
    }
    place.countryCode[0] = static_cast<char>(cursor.byte());
    place.countryCode[1] = static_cast<char>(cursor.byte());
    place.countryCode[2] = '\0';
    place.zoneIndex = cursor.u16();
    place.latitudeE4 = static_cast<int32_t>(cursor.u32());
    place.longitudeE4 = static_cast<int32_t>(cursor.u32());
    place.population = cursor.u32();
    place.elevationM = static_cast<int16_t>(cursor.u16());
    for (int i = 0; i < 2; ++i) {
        if (place.countryCode[i] < 'A' || place.countryCode[i] > 'Z') {
            return false;
        }
    }
    return place.zoneIndex < zoneCount && place.latitudeE4 >= -placeLatitudeMaxE4 &&
           place.latitudeE4 <= placeLatitudeMaxE4 && place.longitudeE4 >= -placeLongitudeMaxE4 &&
           place.longitudeE4 <= placeLongitudeMaxE4 && place.elevationM >= placeLowestElevationM &&
           place.elevationM <= placeHighestElevationM;
}

PlaceFileResult result(PlaceFileStatus status, uint32_t damagedPlace = 0) {
    return PlaceFileResult{status, damagedPlace};
}

PlaceFileResult parseBody(ByteCursor& cursor, uint16_t zoneCount, uint32_t placeCount, PlaceList& list) {
    list.zoneNames.resize(zoneCount);
    for (std::string& zone : list.zoneNames) {
        if (!readText(cursor, 1, placeZoneNameMaxBytes, isZoneNameByte, zone)) {
            return result(placeFileDamaged);
        }
    }
    // Each place takes at least placeFixedBytes + 3 bytes: never reserve more than the file can hold.
    list.places.reserve(
        std::min<size_t>(placeCount, (cursor.size - cursor.position) / (placeFixedBytes + 3)));
    for (uint32_t i = 0; i < placeCount; ++i) {
        Place place;
        if (!readPlace(cursor, zoneCount, place)) {
            return result(placeFileDamaged, i + 1);
        }
        list.places.push_back(std::move(place));
    }
    if (cursor.position != cursor.size) {
        return result(placeFileDamaged, placeCount);
    }
    return result(placeFileOk);
}

void putU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void putU32(std::vector<uint8_t>& out, uint32_t value) {
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

// A text longer than a length byte can say is cut to 255 bytes (and then refused on reading back).
void putText(std::vector<uint8_t>& out, const std::string& text) {
    const size_t length = std::min<size_t>(text.size(), 255);
    out.push_back(static_cast<uint8_t>(length));
    out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
}

void putPlace(std::vector<uint8_t>& out, const Place& place) {
    putText(out, place.name);
    putText(out, place.asciiName == place.name ? std::string() : place.asciiName);
    out.insert(out.end(), place.countryCode, place.countryCode + 2);
    putU16(out, place.zoneIndex);
    putU32(out, static_cast<uint32_t>(place.latitudeE4));
    putU32(out, static_cast<uint32_t>(place.longitudeE4));
    putU32(out, place.population);
    putU16(out, static_cast<uint16_t>(place.elevationM));
}

}  // namespace

PlaceFileResult parsePlaceFile(const uint8_t* data, size_t dataBytes, PlaceList& list) {
    list = PlaceList();
    if (dataBytes > placeFileMaxBytes) {
        return result(placeFileTooLarge);
    }
    if (data == nullptr || dataBytes < placeFileHeaderBytes ||
        std::memcmp(data, placeFileMagic, sizeof placeFileMagic) != 0) {
        return result(placeFileNotPlaces);
    }
    ByteCursor cursor{data, dataBytes, sizeof placeFileMagic};
    const uint16_t version = cursor.u16();
    const uint16_t zoneCount = cursor.u16();
    const uint32_t placeCount = cursor.u32();
    const uint32_t fileBytes = cursor.u32();
    if (version != placeFileVersion) {
        return result(placeFileNewVersion);
    }
    if (fileBytes > dataBytes) {
        return result(placeFileTruncated);
    }
    if (fileBytes != dataBytes || zoneCount == 0 || zoneCount > placeZoneMaxCount || placeCount == 0 ||
        placeCount > placeMaxCount) {
        return result(placeFileDamaged);
    }
    const PlaceFileResult body = parseBody(cursor, zoneCount, placeCount, list);
    if (body.status != placeFileOk) {
        list = PlaceList();
        return body;
    }
    preparePlaceList(list);
    return body;
}

PlaceFileResult readPlaceFile(const char* path, PlaceList& list) {
    list = PlaceList();
    std::FILE* file = path != nullptr ? std::fopen(path, "rb") : nullptr;
    if (file == nullptr) {
        return result(placeFileMissing);
    }
    // Reads at most one byte more than the largest file allowed, so the size needs no seeking.
    std::vector<uint8_t> data(placeFileMaxBytes + 1);
    const size_t dataBytes = std::fread(data.data(), 1, data.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return result(placeFileUnreadable);
    }
    return parsePlaceFile(data.data(), dataBytes, list);
}

void describePlaceFileResult(const PlaceFileResult& result, char* text, size_t textBytes) {
    if (text == nullptr || textBytes == 0) {
        return;
    }
    switch (result.status) {
        case placeFileOk: std::snprintf(text, textBytes, "%s is read", placeFileName); break;
        case placeFileMissing:
            std::snprintf(text, textBytes, "no places: %s is missing", placeFileName);
            break;
        case placeFileTooLarge:
            std::snprintf(text, textBytes, "no places: %s is too large", placeFileName);
            break;
        case placeFileNotPlaces:
            std::snprintf(text, textBytes, "no places: %s is not a place list", placeFileName);
            break;
        case placeFileNewVersion:
            std::snprintf(text, textBytes, "no places: %s is of another version", placeFileName);
            break;
        case placeFileTruncated:
            std::snprintf(text, textBytes, "no places: %s is truncated", placeFileName);
            break;
        case placeFileDamaged:
            if (result.damagedPlace != 0) {
                std::snprintf(text, textBytes, "no places: %s is damaged (place %lu)", placeFileName,
                              static_cast<unsigned long>(result.damagedPlace));
            } else {
                std::snprintf(text, textBytes, "no places: %s is damaged", placeFileName);
            }
            break;
        default: std::snprintf(text, textBytes, "no places: %s cannot be read", placeFileName); break;
    }
}

bool encodePlaceFile(const std::vector<std::string>& zoneNames, const std::vector<Place>& places,
                     std::vector<uint8_t>& out, std::string& error) {
    out.clear();
    if (zoneNames.empty() || zoneNames.size() > placeZoneMaxCount || places.empty() ||
        places.size() > placeMaxCount) {
        error = "zone or place count out of range";
        return false;
    }
    out.insert(out.end(), placeFileMagic, placeFileMagic + sizeof placeFileMagic);
    putU16(out, placeFileVersion);
    putU16(out, static_cast<uint32_t>(zoneNames.size()));
    putU32(out, static_cast<uint32_t>(places.size()));
    putU32(out, 0);  // the file size, filled in at the end
    // Each field is written, then read back with the reader's own checks.
    for (const std::string& zone : zoneNames) {
        const size_t start = out.size();
        putText(out, zone);
        ByteCursor cursor{out.data(), out.size(), start};
        std::string back;
        if (!readText(cursor, 1, placeZoneNameMaxBytes, isZoneNameByte, back)) {
            error = "zone name out of range: " + zone;
            return false;
        }
    }
    for (const Place& place : places) {
        const size_t start = out.size();
        putPlace(out, place);
        ByteCursor cursor{out.data(), out.size(), start};
        Place back;
        if (!readPlace(cursor, zoneNames.size(), back) || back.name != place.name ||
            back.asciiName != place.asciiName) {
            error = "place out of range: " + place.asciiName;
            return false;
        }
    }
    if (out.size() > placeFileMaxBytes) {
        error = "the list is larger than a place file may be";
        return false;
    }
    const uint32_t fileBytes = static_cast<uint32_t>(out.size());
    for (int i = 0; i < 4; ++i) {
        out[placeFileHeaderBytes - 4 + i] = static_cast<uint8_t>(fileBytes >> (8 * i));
    }
    return true;
}
