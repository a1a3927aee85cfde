#include "bulk_timetables.h"

#include "cli_options.h"
#include "bulk_places_csv.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

// The whole file, or false when it cannot be read or is larger than bulkPlacesCsvMaxBytes.
bool readWholeFile(const char* path, std::string& bytes) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    char block[65536];
    bool ok = true;
    for (;;) {
        const std::size_t count = std::fread(block, 1, sizeof block, file);
        bytes.append(block, count);
        if (bytes.size() > bulkPlacesCsvMaxBytes) {
            ok = false;
            break;
        }
        if (count < sizeof block) {
            ok = !std::ferror(file);
            break;
        }
    }
    std::fclose(file);
    return ok;
}

bool makeDirectory(const char* path) {
#ifdef _WIN32
    return CreateDirectoryA(path, nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
#else
    return mkdir(path, 0777) == 0 || errno == EEXIST;
#endif
}

// "DIR/NAME-YYYY-MM.txt"
std::string monthPath(const BulkRequest& bulk, const std::string& fileName, int month) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "-%04d-%02d.%s", bulk.year, month,
                  bulk.format == TimetableFormat::csv ? "csv" : "txt");
    return std::string(bulk.outDirectory) + "/" + fileName + suffix;
}

}  // namespace

int runBulkTimetables(const BulkRequest& bulk) {
    std::string bytes;
    if (!readWholeFile(bulk.placesPath, bytes)) {
        std::fprintf(stderr,
                     "selvara-cli: cannot read the places file %s (missing, unreadable or over 64 MB)\n",
                     bulk.placesPath);
        return exitUsage;
    }
    const BulkPlacesCsv places = parseBulkPlacesCsv(bytes.data(), bytes.size(), bulk.defaults);
    if (!places.headerError.empty()) {
        std::fprintf(stderr, "selvara-cli: %s:1: %s\n", bulk.placesPath, places.headerError.c_str());
        return exitUsage;
    }
    if (!makeDirectory(bulk.outDirectory)) {
        std::fprintf(stderr, "selvara-cli: cannot make the folder %s\n", bulk.outDirectory);
        return exitWriteFailed;
    }
    bool failed = !places.errors.empty();
    for (const PlaceRowError& error : places.errors)
        std::fprintf(stderr, "selvara-cli: %s:%d: %s; row skipped\n", bulk.placesPath, error.lineNumber,
                     error.message.c_str());

    std::vector<std::string> names;
    for (const PlaceRow& place : places.rows)
        names.push_back(place.name);
    const std::vector<std::string> fileNames = uniqueFileNames(names);
    const int firstMonth = bulk.month == 0 ? 1 : bulk.month;
    const int lastMonth = bulk.month == 0 ? 12 : bulk.month;
    for (std::size_t i = 0; i < places.rows.size(); ++i) {
        for (int month = firstMonth; month <= lastMonth; ++month) {
            const PlaceRow& place = places.rows[i];
            const std::string path = monthPath(bulk, fileNames[i], month);
            const TimetableRequest request = timetableRequestFor(
                place.prayer, place.latitudeDeg, place.longitudeDeg, bulk.year, month, bulk.format);
            if (!writeTimetableRequest(path.c_str(), request)) {
                std::fprintf(stderr, "selvara-cli: %s:%d: Can not open file: %s\n", bulk.placesPath,
                             place.lineNumber, path.c_str());
                failed = true;
            }
        }
    }
    return failed ? exitWriteFailed : exitOk;
}
