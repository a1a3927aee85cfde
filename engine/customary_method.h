// The calculation method and Asr school customary in a country: what its national religious
// authority publishes its timetables with, so that a town picked from the place list can be offered
// the times its mosques keep. One table (customary_method.cpp, each row with the authority it
// follows); the Find dialog and `--method auto` both read it.
#pragma once

struct CustomaryMethod {
    const char* countryCode;  // ISO 3166-1 alpha-2, two capital letters, as places.dat stores it
    const char* methodName;   // a name of calculationMethods
    int asrShadowFactor;      // standardAsrShadowFactor or hanafiAsrShadowFactor
};

// The rows, sorted by country code (a test keeps them so).
extern const CustomaryMethod customaryMethods[];
extern const int customaryMethodCount;

// A country without a row of its own: the Muslim World League's method, the one most widely used
// where no national authority publishes timetables, with the standard Asr.
extern const CustomaryMethod noCustomaryMethod;

// The row of a country code ("PK"), ignoring ASCII case; noCustomaryMethod for a code without a
// row, a code that is not two letters, or a null pointer.
const CustomaryMethod& customaryMethodFor(const char* countryCode);

// A town whose mosques follow another authority than the rest of its country: the country code,
// the town's name as the place list gives it (compared ignoring ASCII case) and the town's custom.
struct CustomaryTownMethod {
    const char* countryCode;
    const char* townName;
    CustomaryMethod custom;
};

extern const CustomaryTownMethod customaryTownMethods[];
extern const int customaryTownMethodCount;

// The custom of a town: its own row where it has one, its country's (customaryMethodFor) otherwise;
// a null name is no town of its own.
const CustomaryMethod& customaryMethodForTown(const char* countryCode, const char* townName);

// True when the country has a row of its own.
bool hasCustomaryMethod(const char* countryCode);

// The name that stands for a town's customary method where a method is named (`--method auto`).
constexpr char autoMethodName[] = "auto";
