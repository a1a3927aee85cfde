#include "place_lookup.h"

#include "customary_method.h"
#include "place_search.h"
#include "text_fold.h"
#include "zone_rules.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// How many of the best matches an ambiguous --place lists.
constexpr size_t listedCandidates = 10;

// The folder this program was started from, with its trailing separator; "" when unknown.
std::string programFolder() {
    char path[4096] = {};
#ifdef _WIN32
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return std::string();
#else
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return std::string();
    path[length] = '\0';
#endif
    const std::string program(path);
    const size_t separator = program.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : program.substr(0, separator + 1);
}

bool readQuery(const char* text, void* target) {
    *static_cast<const char**>(target) = text;
    return text[0] != '\0';
}

// "-23.5475" from -235475: exact, with the sign kept for values between -1 and 0.
void formatDegreesE4(int32_t valueE4, char* text, size_t textBytes) {
    const long magnitude = std::labs(static_cast<long>(valueE4));
    std::snprintf(text, textBytes, "%s%ld.%04ld", valueE4 < 0 ? "-" : "", magnitude / 10000,
                  magnitude % 10000);
}

int refusePlace(const char* reason, const char* query, const PlaceList& list,
                const std::vector<uint32_t>& candidates) {
    std::fprintf(stderr, "selvara-cli: %s: %s\n", reason, query);
    if (!candidates.empty()) {
        std::fprintf(stderr, "best matches (add \", CC\", a country code, to choose):\n");
        for (const uint32_t i : candidates)
            writePlaceLine(stderr, list, i);
    }
    return exitUsage;
}

// --method auto: the method and, unless --asr says otherwise, the Asr school of the town (its
// country's, but for the few towns with a custom of their own).
void takeCustomaryMethod(const Place& town, PrayerArguments& prayer) {
    const CustomaryMethod& custom = customaryMethodForTown(town.countryCode, town.asciiName.c_str());
    const int method = findCalculationMethod(custom.methodName);
    prayer.options.methodIndex = method >= 0 ? method : findCalculationMethod(noCustomaryMethod.methodName);
    if (!prayer.haveAsr)
        prayer.options.asrShadowFactor = custom.asrShadowFactor;
}

}  // namespace

void addPlaceOptions(PlaceArguments& arguments, CliOption* rows) {
    rows[0] = {"--place", readQuery, &arguments.query, nullptr};
    rows[1] = {"--places", readText, &arguments.placesPath, nullptr};
}

bool loadPlaces(const char* placesPath, PlaceList& list) {
    PlaceFileResult result{placeFileMissing, 0};
    if (placesPath) {
        result = readPlaceFile(placesPath, list);
    } else {
        const std::string candidates[] = {programFolder() + placeFileName,
                                          std::string(SELVARA_BUILD_DATA_DIR "/") + placeFileName};
        for (const std::string& path : candidates) {
            result = readPlaceFile(path.c_str(), list);
            if (result.status != placeFileMissing)
                break;
        }
    }
    if (result.status == placeFileOk)
        return true;
    char message[160];
    describePlaceFileResult(result, message, sizeof message);
    std::fprintf(stderr, "selvara-cli: %s\n", message);
    return false;
}

void writePlaceLine(std::FILE* stream, const PlaceList& list, uint32_t placeIndex) {
    const Place& place = list.places[placeIndex];
    const std::string name = platformTextEncoding == textUtf8 ? cp1252ToUtf8(place.name) : place.name;
    char latitude[16];
    char longitude[16];
    formatDegreesE4(place.latitudeE4, latitude, sizeof latitude);
    formatDegreesE4(place.longitudeE4, longitude, sizeof longitude);
    std::fprintf(stream, "%s\t%s\t%s\t%s\t%s\t%lu\t%d\n", name.c_str(), place.countryCode, latitude,
                 longitude, list.zoneNames[place.zoneIndex].c_str(),
                 static_cast<unsigned long>(place.population), static_cast<int>(place.elevationM));
}

int applyPlaceArgument(const PlaceArguments& place, bool haveCoordinates, PrayerArguments& prayer,
                       double& latitudeDeg, double& longitudeDeg) {
    if (!place.query)
        return refuseAutoMethod(prayer);
    if (haveCoordinates || prayer.haveZone || prayer.haveTimeZone)
        return usageError("--place stands for --lat, --lon and --tz; give one or the others", nullptr);
    PlaceList list;
    if (!loadPlaces(place.placesPath, list))
        return exitUsage;
    const PlacePick pick =
        pickPlace(list, parsePlaceQuery(place.query, platformTextEncoding), listedCandidates);
    if (pick.status == placePickNone)
        return refusePlace("no place matches", place.query, list, pick.candidates);
    if (pick.status == placePickAmbiguous)
        return refusePlace("more than one place matches", place.query, list, pick.candidates);
    const Place& found = list.places[pick.placeIndex];
    const int timeZone = findTimeZone(list.zoneNames[found.zoneIndex].c_str());
    if (timeZone < 0)
        return refusePlace("the place's zone is not in the zone table", place.query, list, pick.candidates);
    latitudeDeg = found.latitudeE4 / 10000.0;
    longitudeDeg = found.longitudeE4 / 10000.0;
    prayer.timeZone = timeZone;
    prayer.haveTimeZone = true;
    // The town's own height, for the methods whose authority corrects for it; --elevation wins.
    if (!prayer.haveElevation)
        prayer.options.elevationM = found.elevationM;
    if (prayer.methodAuto)
        takeCustomaryMethod(found, prayer);
    return exitOk;
}

int refuseAutoMethod(const PrayerArguments& prayer) {
    if (!prayer.methodAuto)
        return exitOk;
    return usageError("--method auto needs --place", "it takes the customary method of the town's country");
}
