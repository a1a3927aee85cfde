#include "customary_method.h"

#include "ascii_names.h"
#include "calculation_method.h"

namespace {

constexpr int standard = standardAsrShadowFactor;
constexpr int hanafi = hanafiAsrShadowFactor;

}  // namespace

// Each country with the body that publishes its official timetables (the method's authority) and
// the Asr its timetables give. South Asia keeps the Hanafi Asr, its prevailing school; Diyanet
// prints Turkey's afternoon (ikindi) at the first shadow length although its school is Hanafi.
const CustomaryMethod customaryMethods[] = {
    {"AE", "dubai", standard},         // General Authority of Islamic Affairs and Endowments (Awqaf)
    {"AF", "karachi", hanafi},         // the South Asian angles of the Karachi university, Hanafi
    {"BD", "karachi", hanafi},         // Islamic Foundation Bangladesh: the Karachi angles, Hanafi
    {"BH", "gulf", standard},          // the Gulf states' 90 minutes after sunset
    {"CA", "isna", standard},          // Islamic Society of North America
    {"DZ", "algeria", standard},       // Ministry of Religious Affairs and Endowments
    {"EG", "egypt", standard},         // Egyptian General Authority of Survey
    {"FR", "france", standard},        // Musulmans de France (12 degrees)
    {"GB", "moonsighting", standard},  // Moonsighting Committee Worldwide (or "uk", Wifaq ul Ulama)
    {"ID", "kemenag", standard},       // Kementerian Agama, the Ministry of Religious Affairs
    {"IN", "karachi", hanafi},         // the South Asian angles of the Karachi university, Hanafi
    {"IR", "tehran", standard},        // Institute of Geophysics, University of Tehran
    {"JO", "jordan", standard},        // Ministry of Awqaf and Islamic Affairs
    {"KW", "kuwait", standard},        // Ministry of Awqaf and Islamic Affairs
    {"MA", "morocco", standard},       // Ministry of Habous and Islamic Affairs
    {"MY", "jakim", standard},         // Department of Islamic Development Malaysia (JAKIM)
    {"OM", "oman", standard},          // Ministry of Endowments and Religious Affairs
    {"PK", "karachi", hanafi},         // University of Islamic Sciences, Karachi; Hanafi Asr
    {"QA", "qatar", standard},         // Ministry of Awqaf and Islamic Affairs
    {"RU", "russia", standard},        // Spiritual Administration of Muslims of Russia
    {"SA", "makkah", standard},        // Umm al-Qura University, Makkah
    {"SG", "singapore", standard},     // Majlis Ugama Islam Singapura (MUIS)
    {"TN", "tunisia", standard},       // Ministry of Religious Affairs
    {"TR", "turkey", standard},        // Diyanet, the Presidency of Religious Affairs
    {"US", "isna", standard},          // Islamic Society of North America
};
const int customaryMethodCount = static_cast<int>(sizeof customaryMethods / sizeof customaryMethods[0]);

const CustomaryMethod noCustomaryMethod = {"", "mwl", standard};

// Dubai is the place list's only town of the emirate of Dubai, whose Islamic Affairs and Charitable
// Activities Department keeps the emirate's times (the Awqaf service gives its Dubai those, not
// the federal rule of its other cities).
const CustomaryTownMethod customaryTownMethods[] = {
    {"AE", "Dubai", {"AE", "iacad", standard}},
};
const int customaryTownMethodCount =
    static_cast<int>(sizeof customaryTownMethods / sizeof customaryTownMethods[0]);

namespace {

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The row of a two-letter code, or null.
const CustomaryMethod* findRow(const char* countryCode) {
    if (countryCode == nullptr || !isLetter(countryCode[0]) || !isLetter(countryCode[1]) ||
        countryCode[2] != '\0') {
        return nullptr;
    }
    const char first = upperAscii(countryCode[0]);
    const char second = upperAscii(countryCode[1]);
    for (const CustomaryMethod& row : customaryMethods) {
        if (row.countryCode[0] == first && row.countryCode[1] == second) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

const CustomaryMethod& customaryMethodForTown(const char* countryCode, const char* townName) {
    if (countryCode != nullptr && townName != nullptr) {
        for (const CustomaryTownMethod& row : customaryTownMethods) {
            if (sameNameIgnoringCase(row.countryCode, countryCode) && sameNameIgnoringCase(row.townName, townName)) {
                return row.custom;
            }
        }
    }
    return customaryMethodFor(countryCode);
}

const CustomaryMethod& customaryMethodFor(const char* countryCode) {
    const CustomaryMethod* row = findRow(countryCode);
    return row != nullptr ? *row : noCustomaryMethod;
}

bool hasCustomaryMethod(const char* countryCode) {
    return findRow(countryCode) != nullptr;
}
