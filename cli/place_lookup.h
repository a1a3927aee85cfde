// The place list for the console tool: finding places.dat, printing a place, and --place QUERY,
// which stands for --lat, --lon and --tz of the best match.
#pragma once

#include "cli_options.h"
#include "place_file.h"
#include "prayer_arguments.h"

#include <cstdint>
#include <cstdio>

// Exit status of `places` when nothing matches or there is no place list.
constexpr int exitNoPlace = 1;

struct PlaceArguments {
    const char* query = nullptr;       // --place
    const char* placesPath = nullptr;  // --places FILE
};

// The two table rows --place and --places; target is the command's PlaceArguments.
constexpr int placeOptionCount = 2;
void addPlaceOptions(PlaceArguments& arguments, CliOption* rows);

// Reads places.dat from --places FILE, else beside this program, else the build's data folder.
// False (after "selvara-cli: no places: ..." on stderr) when none of them holds a good list.
bool loadPlaces(const char* placesPath, PlaceList& list);

// NAME, COUNTRY-CODE, LATITUDE, LONGITUDE (4 decimals), IANA-ZONE, POPULATION, ELEVATION (whole
// metres, signed), tab-separated, one line; the name in the console's encoding (UTF-8 on Linux,
// code page 1252 on Windows).
void writePlaceLine(std::FILE* stream, const PlaceList& list, uint32_t placeIndex);

// With --place: loads the list and sets the coordinates, the tz zone and (unless --elevation was
// given) the elevation of the best match (see pickPlace in place_search.h), and with --method auto the customary method of its country (and its
// Asr school unless --asr was given; customary_method.h). exitUsage, with the reason and the best
// matches on stderr, when --place comes with --lat, --lon, --zone or --tz, when nothing or more than
// one place fits, or when there is no place list. Without --place: exitOk, nothing changed, or
// exitUsage for --method auto (see refuseAutoMethod).
int applyPlaceArgument(const PlaceArguments& place, bool haveCoordinates, PrayerArguments& prayer,
                       double& latitudeDeg, double& longitudeDeg);

// --method auto without a town to take the custom of: exitUsage with the reason; else exitOk.
int refuseAutoMethod(const PrayerArguments& prayer);
