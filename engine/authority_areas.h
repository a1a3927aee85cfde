// Authorities that publish one timetable for each of their areas and put an area's dawn earlier
// or later than their rule gives at the area's point, by minutes of the area's own (Awqaf UAE: from
// nothing on the islands to two minutes and more for Al Ain, the same in every season). A place
// takes the minutes of the area whose point is nearest, within the list's reach; farther from every
// area it keeps the method's own minutes.
#pragma once

struct AuthorityArea {
    double latitudeDeg;   // the authority's point for the area, north positive
    double longitudeDeg;  // east positive
    double dawnMinutes;   // the area's dawn less the method's dawn moment (negative: before it)
};

struct AuthorityAreaList {
    const AuthorityArea* areas;
    int count;
    double reachKm;  // farther than this from every area's point: the method's own minutes
};

// Minutes to add to the dawn of a method whose own dawn minutes are methodDawnMinutes, at a place:
// the nearest area's dawn minutes less the method's; 0 beyond the list's reach (or for a place of no
// meaning).
double areaDawnMinutes(const AuthorityAreaList& list, int methodDawnMinutes, double latitudeDeg,
                       double longitudeDeg);

// Awqaf UAE's areas (awqaf_areas.cpp, written by tools/awqaf-areas.py).
extern const AuthorityAreaList awqafAreas;
