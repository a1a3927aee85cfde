// The "Find..." dialog of the calculation page: a town picked by name from places.dat.
#pragma once

#include <windows.h>

constexpr size_t foundTownNameBytes = 100;  // the town field's size, terminator included
constexpr size_t foundZoneNameBytes = 64;

struct FoundPlace {
    double latitudeDeg;                 // north positive
    double longitudeDeg;                // east positive
    char townName[foundTownNameBytes];  // code page 1252, terminated
    char zoneName[foundZoneNameBytes];  // IANA name such as "Asia/Karachi", terminated
    int standardOffsetMinutes;          // the zone's standard offset east of Greenwich
    int elevationM;                     // metres above sea level
    char countryCode[3];                // two capital letters, terminated
    bool takeCustomaryMethod;           // in: the check box's first state; out: its state at OK
};

// Shows the dialog over owner until OK or Cancel. True, with `found` filled, when OK was pressed
// (or a row double-clicked) with a place selected; false, `found` untouched, otherwise. Under the
// list a check box offers the usual method and Asr school of the selected town's country
// (customary_method.h), named with its authority; the caller takes them when it stays checked.
// The place list is read from the program directory on first use and kept for the run; without it
// the dialog says why and lists nothing.
bool runFindPlaceDialog(HWND owner, FoundPlace& found);

// The most rows the list shows; more matches ask for more letters.
constexpr int findPlaceMostRows = 100;

// Drops the list read so far, so that the next dialog reads places.dat again (tests, which change
// the program directory).
void forgetPlaceList();
