// Bulk timetables: every place of a places file (bulk_places_csv.h), a year or one month, one file per
// place and month in one folder, in one process.
#pragma once

#include "calculation_method.h"
#include "timetable.h"

struct BulkRequest {
    const char* placesPath;
    const char* outDirectory;  // made when it does not exist (one level)
    int year;                  // 1-9999
    int month;                 // 1-12, or 0 for the whole year
    TimetableFormat format;
    PrayerOptions defaults;  // for rows without their own method, asr or adjust
};

// Writes DIR/<name>-<YYYY>-<MM>.txt (.csv for the CSV format) per place and month, each the bytes
// of the single timetable call for that place. A row that cannot be read, or a file that cannot
// be written, is reported on stderr with its line and the rest goes on. Returns exitOk, exitUsage
// when the places file cannot be read or its header is wrong (nothing is written), or
// exitWriteFailed when any row or file failed.
int runBulkTimetables(const BulkRequest& request);
