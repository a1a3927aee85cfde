// The night's times on the console: the flag --extra that asks for them, and the options
// --night fajr|sunrise and --imsak MINUTES that times and timetable share.
#pragma once

#include "cli_options.h"
#include "night_times.h"

struct NightArguments {
    bool extra = false;  // --extra was given
    NightOptions options;
};

// The two table rows --night and --imsak; target is the command's NightArguments.
constexpr int nightOptionCount = 2;
void addNightOptions(NightArguments& arguments, CliOption* rows);

// Takes every "--extra" out of argv (the rest keeps its order, argc shrinks); true when there was one.
// The option table reads names with values, and this one stands alone.
bool takeExtraFlag(int& argc, char** argv);
