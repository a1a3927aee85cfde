// The places file of the bulk timetable mode: any bytes; every row read has a name and a place on
// the globe, every refused row names a line inside the file, and the file names made from the
// names are distinct and hold only the characters the folder can take.
#include "bulk_places_csv.h"

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

bool isSafeCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.';
}

void checkFileNames(const std::vector<std::string>& names) {
    std::set<std::string> seen;
    for (std::string name : uniqueFileNames(names)) {
        if (name.empty() || name[0] == '.' || name.back() == '.')
            std::abort();
        for (char& c : name) {
            if (!isSafeCharacter(c))
                std::abort();
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        if (!seen.insert(name).second)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const BulkPlacesCsv file = parseBulkPlacesCsv(text, size, PrayerOptions{});
    const int lastLine = 2 + static_cast<int>(size);
    std::vector<std::string> names;
    for (const PlaceRow& row : file.rows) {
        if (row.name.empty() || !(row.latitudeDeg >= -90.0 && row.latitudeDeg <= 90.0) ||
            !(row.longitudeDeg >= -180.0 && row.longitudeDeg <= 180.0) || row.lineNumber < 2 ||
            row.lineNumber > lastLine)
            std::abort();
        names.push_back(row.name);
    }
    for (const PlaceRowError& error : file.errors) {
        if (error.message.empty() || error.lineNumber < 2 || error.lineNumber > lastLine)
            std::abort();
    }
    if (!file.headerError.empty() && !(file.rows.empty() && file.errors.empty()))
        std::abort();
    checkFileNames(names);
    return 0;
}
