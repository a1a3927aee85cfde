#include "bulk_places_csv.h"

#include <cstring>
#include <set>

namespace {

enum PlaceColumn {
    columnName,
    columnLatitude,
    columnLongitude,
    columnZone,
    columnMethod,
    columnAsr,
    columnAdjust,
    columnElevation,
    columnHighLatitude
};
constexpr int placeColumnCount = 9;
constexpr int requiredColumnCount = 4;
const char* const placeColumnNames[placeColumnCount] = {"name",   "latitude", "longitude", "zone",     "method",
                                                        "asr",    "adjust",   "elevation", "high_lat"};

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// Past the line end at cursor (LF, CR LF or a lone CR), counting the line.
void passLineEnd(const char*& cursor, const char* end, int& line) {
    if (cursor < end && *cursor == '\r')
        ++cursor;
    if (cursor < end && *cursor == '\n')
        ++cursor;
    ++line;
}

void skipToNextLine(const char*& cursor, const char* end, int& line) {
    while (cursor < end && !isLineEnd(*cursor))
        ++cursor;
    if (cursor < end)
        passLineEnd(cursor, end, line);
}

// A field in double quotes, cursor just past the opening quote. Empty text, or why it is refused.
std::string readQuotedField(const char*& cursor, const char* end, int& line, std::string& field) {
    for (;;) {
        if (cursor >= end)
            return "a quoted field is not closed";
        const char c = *cursor++;
        if (c == '"') {
            if (cursor < end && *cursor == '"') {
                ++cursor;
                field += '"';
                continue;
            }
            if (cursor < end && *cursor != ',' && !isLineEnd(*cursor))
                return "text after a closing quote";
            return std::string();
        }
        if (c == '\n')
            ++line;
        field += c;
        if (field.size() > placesFieldMaxBytes)
            return "a field longer than 1000 bytes";
    }
}

std::string readPlainField(const char*& cursor, const char* end, std::string& field) {
    while (cursor < end && *cursor != ',' && !isLineEnd(*cursor)) {
        if (*cursor == '"')
            return "a quote inside a field that does not start with one";
        field += *cursor++;
        if (field.size() > placesFieldMaxBytes)
            return "a field longer than 1000 bytes";
    }
    return std::string();
}

}  // namespace

std::string readCsvRecord(const char*& cursor, const char* end, int& line, std::vector<std::string>& fields) {
    fields.clear();
    const char* recordStart = cursor;
    const int firstLine = line;
    for (;;) {
        if (fields.size() == placesFieldMaxCount) {
            cursor = recordStart;
            line = firstLine;
            skipToNextLine(cursor, end, line);
            return "more than 32 fields";
        }
        fields.emplace_back();
        std::string problem;
        if (cursor < end && *cursor == '"') {
            ++cursor;
            problem = readQuotedField(cursor, end, line, fields.back());
        } else {
            problem = readPlainField(cursor, end, fields.back());
        }
        if (!problem.empty()) {
            // Start again after the record's first line, so one broken quote costs one row.
            cursor = recordStart;
            line = firstLine;
            skipToNextLine(cursor, end, line);
            return problem;
        }
        if (cursor < end && *cursor == ',') {
            ++cursor;
            continue;
        }
        if (cursor < end)
            passLineEnd(cursor, end, line);
        else
            ++line;
        return std::string();
    }
}

namespace {

std::string trimmed(const std::string& text) {
    const char* blanks = " \t";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string lowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// Column index of each PlaceColumn in the file, -1 when absent; an error text when the header is
// not one this reader understands.
std::string readHeader(const std::vector<std::string>& fields, int (&columnOf)[placeColumnCount]) {
    for (int& column : columnOf)
        column = -1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string name = lowerAscii(trimmed(fields[i]));
        int which = -1;
        for (int c = 0; c < placeColumnCount; ++c) {
            if (name == placeColumnNames[c])
                which = c;
        }
        if (which < 0)
            return "unknown column \"" + name +
                   "\" (the columns are name, latitude, longitude, zone, "
                   "method, asr, adjust, elevation, high_lat)";
        if (columnOf[which] >= 0)
            return "column \"" + name + "\" appears twice";
        columnOf[which] = static_cast<int>(i);
    }
    for (int c = 0; c < requiredColumnCount; ++c) {
        if (columnOf[c] < 0)
            return std::string("no column \"") + placeColumnNames[c] +
                   "\" (the header must name name, latitude, longitude and zone)";
    }
    return std::string();
}

// The command line's reader of an option ("--zone", ...) applied to a field's text.
bool readPrayerField(PrayerArguments& prayer, const char* option, const std::string& text) {
    CliOption rows[prayerOptionCount];
    addPrayerOptions(prayer, rows);
    for (const CliOption& row : rows) {
        if (std::strcmp(row.name, option) == 0)
            return row.read(text.c_str(), row.target);
    }
    return false;
}

// The zone column: hours or H:MM first, then a tz name.
bool readZoneField(PrayerArguments& prayer, const std::string& text) {
    if (text.empty())
        return false;
    if (readPrayerField(prayer, "--zone", text))
        return true;
    prayer.haveZone = false;
    return (text.find('/') != std::string::npos || text == "UTC") && readPrayerField(prayer, "--tz", text);
}

// One row's fields into place; an error text when a value is refused.
std::string readPlace(const std::vector<std::string>& fields, const int (&columnOf)[placeColumnCount],
                      PlaceRow& place) {
    auto field = [&](PlaceColumn c) {
        return columnOf[c] < 0 ? std::string() : trimmed(fields[columnOf[c]]);
    };
    place.name = fields[columnOf[columnName]];
    if (trimmed(place.name).empty())
        return "the name is empty";
    double* targets[] = {&place.latitudeDeg, &place.longitudeDeg};
    const ValueReader readers[] = {readLatitudeDeg, readLongitudeDeg};
    const PlaceColumn columns[] = {columnLatitude, columnLongitude};
    for (int i = 0; i < 2; ++i) {
        const std::string text = field(columns[i]);
        if (!readers[i](text.c_str(), targets[i]))
            return std::string("bad ") + placeColumnNames[columns[i]] + " \"" + text + "\"";
    }
    const std::string zone = field(columnZone);
    if (!readZoneField(place.prayer, zone))
        return "bad zone \"" + zone +
               "\" (hours such as 1 or 5.5, H:MM such as -3:30, or a name such as "
               "Europe/London)";
    const PlaceColumn optional[] = {columnMethod, columnAsr, columnAdjust, columnElevation, columnHighLatitude};
    const char* const options[] = {"--method", "--asr", "--adjust", "--elevation", "--high-lat"};
    for (int i = 0; i < 5; ++i) {
        const std::string text = field(optional[i]);
        if (!text.empty() && !readPrayerField(place.prayer, options[i], text))
            return std::string("bad ") + placeColumnNames[optional[i]] + " \"" + text + "\"";
    }
    return std::string();
}

bool isBlankRecord(const std::vector<std::string>& fields) {
    return fields.size() == 1 && trimmed(fields[0]).empty();
}

}  // namespace

BulkPlacesCsv parseBulkPlacesCsv(const char* text, std::size_t size, const PrayerOptions& defaults) {
    BulkPlacesCsv file;
    const char* cursor = text;
    const char* end = text + size;
    if (size >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0)
        cursor += 3;
    int line = 1;
    std::vector<std::string> fields;
    int columnOf[placeColumnCount];
    const std::string headerProblem = readCsvRecord(cursor, end, line, fields);
    file.headerError = !headerProblem.empty() ? headerProblem : readHeader(fields, columnOf);
    if (!file.headerError.empty())
        return file;
    const std::size_t columnCount = fields.size();
    while (cursor < end) {
        const int rowLine = line;
        const std::string problem = readCsvRecord(cursor, end, line, fields);
        if (problem.empty() && isBlankRecord(fields))
            continue;
        PlaceRow place{rowLine, std::string(), 0.0, 0.0, PrayerArguments{}};
        place.prayer.options = defaults;
        std::string error = problem;
        if (error.empty() && fields.size() != columnCount)
            error =
                std::to_string(fields.size()) + " fields where the header has " + std::to_string(columnCount);
        if (error.empty())
            error = readPlace(fields, columnOf, place);
        if (error.empty())
            file.rows.push_back(place);
        else
            file.errors.push_back({rowLine, error});
    }
    return file;
}

std::string safeFileName(const std::string& name) {
    std::string safe;
    for (char c : name) {
        if (safe.size() == bulkPlaceFileNameMaxBytes)
            break;
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == '-' || c == '_' || c == '.';
        safe += kept ? c : '_';
    }
    if (!safe.empty() && safe[0] == '.')
        safe[0] = '_';
    while (!safe.empty() && safe.back() == '.')  // Windows drops trailing dots
        safe.back() = '_';
    if (safe.empty())
        return "place";
    // Device names stay devices on Windows whatever follows a dot: "NUL.txt" is the null device.
    static const char* const devices[] = {"con", "prn", "aux", "nul"};
    const std::string stem = lowerAscii(safe.substr(0, safe.find('.')));
    bool device = false;
    for (const char* d : devices)
        device = device || stem == d;
    if (stem.size() == 4 && (stem.compare(0, 3, "com") == 0 || stem.compare(0, 3, "lpt") == 0) &&
        stem[3] >= '0' && stem[3] <= '9')
        device = true;
    return device ? "_" + safe : safe;
}

std::vector<std::string> uniqueFileNames(const std::vector<std::string>& names) {
    std::vector<std::string> unique;
    std::set<std::string> taken;
    for (const std::string& name : names) {
        const std::string base = safeFileName(name);
        std::string candidate = base;
        for (int n = 2; taken.count(lowerAscii(candidate)) != 0; ++n)
            candidate = base + "-" + std::to_string(n);
        taken.insert(lowerAscii(candidate));
        unique.push_back(candidate);
    }
    return unique;
}
