#include "cli_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

const char usageText[] =
    "usage:\n"
    "  selvara-cli timetable [--lat DEG] [--lon DEG] [--zone ZONE | --tz AREA/LOCATION] [--year Y]\n"
    "                        [--month M] [--first-day D --days N] [--out FILE] [--format text|csv]\n"
    "                        [METHOD OPTIONS] [--extra [NIGHT OPTIONS]]\n"
    "  selvara-cli timetable --places FILE --year Y [--month M] --out-dir DIR [--format text|csv]\n"
    "                        [METHOD OPTIONS]\n"
    "  selvara-cli times --lat DEG --lon DEG (--zone ZONE | --tz AREA/LOCATION) --date YYYY-MM-DD\n"
    "                    [METHOD OPTIONS] [--extra [NIGHT OPTIONS]]\n"
    "  selvara-cli hijri YYYY-MM-DD [--hijri-adjust N]\n"
    "  selvara-cli hijri --from YYYY-MM-DD --to YYYY-MM-DD [--hijri-adjust N]\n"
    "  selvara-cli places QUERY [--limit N] [--places FILE]\n"
    "  selvara-cli qibla (--lat DEG --lon DEG | --place QUERY [--places FILE])\n"
    "  selvara-cli next [--lat DEG] [--lon DEG] [--zone ZONE | --tz AREA/LOCATION]\n"
    "                   [--at YYYY-MM-DDTHH:MM] [METHOD OPTIONS]\n"
    "PLACE: timetable, times and next take --place QUERY [--places FILE] instead of --lat, --lon and\n"
    "  --zone/--tz: the best match of the place list (QUERY may end in \", CC\", a country code)\n"
    "ZONE: hours east of Greenwich: 1, -5, 5.5, 5:30, -3:30, +5:45\n"
    "METHOD OPTIONS: [--method NAME] [--asr standard|hanafi] [--adjust F,S,D,A,M,I]\n"
    "                [--elevation METRES] [--high-lat middle|seventh|angle|none]\n"
    "  NAME: selvara (default), mwl, isna, egypt, karachi, makkah, gulf, kuwait, qatar, singapore,\n"
    "        turkey, tehran, jafari, france, russia, moonsighting, dubai, morocco, uk, jakim,\n"
    "        kemenag, algeria, tunisia, jordan, oman, iacad; auto (with --place): the customary\n"
    "        method and Asr school of the town's country (or of the town itself: Dubai, iacad)\n"
    "  --adjust: whole minutes (-120 to 120) added to dawn, sunrise, noon, afternoon, sunset, evening\n"
    "  --elevation: metres above sea level (-500 to 9000) for the horizon at sunrise and sunset\n"
    "  --high-lat: where the twilight does not end, a share of the night (default: the method's)\n"
    "--extra: times adds Imsak, the middle of the night and its last third; timetable --format csv\n"
    "  adds the columns imsak,midnight,last_third\n"
    "NIGHT OPTIONS: [--night fajr|sunrise] [--imsak MINUTES]: the night runs from sunset to the next\n"
    "  Fajr (default) or sunrise; Imsak is 0 to 60 minutes (default 10) before Fajr\n"
    "BULK: with --out-dir, --places FILE is CSV with the header\n"
    "  name,latitude,longitude,zone[,method][,asr][,adjust][,elevation][,high_lat];\n"
    "  one file per place and month,\n"
    "  DIR/NAME-YYYY-MM.txt (.csv with --format csv)\n"
    "NEXT: the next of the six times after --at (the place's clock; default now): its name, HH:MM\n"
    "  and the minutes left, tab-separated\n";

constexpr double mostLatitudeDeg = 90.0;
constexpr double mostLongitudeDeg = 180.0;

const CliOption* findOption(const char* name, const CliOption* options, std::size_t optionCount) {
    for (std::size_t i = 0; i < optionCount; ++i) {
        if (std::strcmp(options[i].name, name) == 0)
            return &options[i];
    }
    return nullptr;
}

}  // namespace

int readOptions(int argc, char** argv, const CliOption* options, std::size_t optionCount) {
    for (int i = 0; i < argc; i += 2) {  // a name and its value each time
        const char* name = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        const CliOption* option = findOption(name, options, optionCount);
        if (!option)
            return usageError("unknown option", name);
        if (!value || !option->read(value, option->target))
            return usageError(value ? "bad value for" : "missing value for", name);
        if (option->seen)
            *option->seen = true;
    }
    return exitOk;
}

void writeUsage(std::FILE* stream) {
    std::fputs(usageText, stream);
}

int finishStandardOutput() {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return exitOk;
    std::fputs("selvara-cli: Can not write to standard output\n", stderr);
    return exitWriteFailed;
}

int usageError(const char* message, const char* detail) {
    std::fprintf(stderr, "selvara-cli: %s%s%s\n", message, detail ? ": " : "", detail ? detail : "");
    writeUsage(stderr);
    return exitUsage;
}

bool readDouble(const char* text, double& value) {
    if (!text || !*text)
        return false;
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text, &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool readInt(const char* text, int& value) {
    if (!text || !*text)
        return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text, &end, 10);
    if (*end != '\0' || errno == ERANGE || parsed < -2147483647L || parsed > 2147483647L)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool readDate(const char* text, GregorianDate& date) {
    if (!text || std::strlen(text) != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (int i = 0; i < 10; ++i) {
        if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9'))
            return false;
    }
    date.year = std::atoi(text);
    date.month = std::atoi(text + 5);
    date.day = std::atoi(text + 8);
    return date.year >= firstYear && date.year <= lastYear && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= gregorianMonthLength(date.year, date.month);
}

bool readLatitudeDeg(const char* text, void* target) {
    double& deg = *static_cast<double*>(target);
    return readDouble(text, deg) && deg >= -mostLatitudeDeg && deg <= mostLatitudeDeg;
}

bool readLongitudeDeg(const char* text, void* target) {
    double& deg = *static_cast<double*>(target);
    return readDouble(text, deg) && deg >= -mostLongitudeDeg && deg <= mostLongitudeDeg;
}

bool readYear(const char* text, void* target) {
    int& year = *static_cast<int*>(target);
    return readInt(text, year) && year >= firstYear && year <= lastYear;
}

bool readMonth(const char* text, void* target) {
    int& month = *static_cast<int*>(target);
    return readInt(text, month) && month >= 1 && month <= 12;
}

bool readAnyInt(const char* text, void* target) {
    return readInt(text, *static_cast<int*>(target));
}

bool readDateOption(const char* text, void* target) {
    return readDate(text, *static_cast<GregorianDate*>(target));
}

bool readText(const char* text, void* target) {
    if (*text == '\0')
        return false;
    *static_cast<const char**>(target) = text;
    return true;
}

void today(int& year, int& month, int& day) {
#ifdef _WIN32
    SYSTEMTIME now;
    GetLocalTime(&now);
    year = now.wYear;
    month = now.wMonth;
    day = now.wDay;
#else
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    year = local.tm_year + 1900;
    month = local.tm_mon + 1;
    day = local.tm_mday;
#endif
}

void setBinaryStdout() {
#ifdef _WIN32
    // The table carries its own CR LF; a text-mode stdout would double the CR.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}
