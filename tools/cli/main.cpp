// selvara-cli: the prayer-time engine from the command line, for scripts, web sites and tests.
//
//   selvara-cli timetable [--lat DEG] [--lon DEG] [--zone ZONE | --tz AREA/LOCATION] [--year Y]
//                         [--month M] [--first-day D --days N] [--out FILE] [METHOD OPTIONS]
//   selvara-cli times --lat DEG --lon DEG (--zone ZONE | --tz AREA/LOCATION) --date YYYY-MM-DD
//                     [METHOD OPTIONS]
//   METHOD OPTIONS: [--method NAME] [--asr standard|hanafi] [--adjust F,S,D,A,M,I]
//   selvara-cli hijri YYYY-MM-DD
//   selvara-cli hijri --from YYYY-MM-DD --to YYYY-MM-DD
//   selvara-cli places QUERY [--limit N] [--places FILE]
//   timetable and times also take --place QUERY [--places FILE] instead of --lat, --lon and --tz.
//
// Exit status: 0 done, 1 the output file could not be written (places: no match or no place
// list), 2 bad arguments (also a --place that matches no place or more than one).
// Each command lives in its own command_*.cpp; cli_options.h reads `--name value` options from a table.

#include "cli_commands.h"
#include "cli_options.h"

#include <cstdio>
#include <cstring>

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);  // the arguments after the command's name
};

const Command commands[] = {
    {"timetable", runTimetable},
    {"times", runTimes},
    {"hijri", runHijri},
    {"places", runPlaces},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usageError("no command", nullptr);
    const char* name = argv[1];
    for (const Command& command : commands) {
        if (std::strcmp(name, command.name) == 0)
            return command.run(argc - 2, argv + 2);
    }
    if (std::strcmp(name, "--help") == 0 || std::strcmp(name, "-h") == 0) {
        writeUsage(stdout);
        return exitOk;
    }
    return usageError("unknown command", name);
}
