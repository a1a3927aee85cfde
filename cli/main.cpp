// selvara-cli: the prayer-time engine from the command line, for scripts, web sites and tests.
//
//   selvara-cli timetable [--lat DEG] [--lon DEG] [--zone ZONE | --tz AREA/LOCATION] [--year Y]
//                         [--month M] [--first-day D --days N] [--out FILE] [METHOD OPTIONS]
//   selvara-cli times --lat DEG --lon DEG (--zone ZONE | --tz AREA/LOCATION) --date YYYY-MM-DD
//                     [METHOD OPTIONS]
//   METHOD OPTIONS: [--method NAME] [--asr standard|hanafi] [--adjust F,S,D,A,M,I]
//                   [--elevation METRES] [--high-lat middle|seventh|angle|none]
//   selvara-cli hijri YYYY-MM-DD
//   selvara-cli hijri --from YYYY-MM-DD --to YYYY-MM-DD
//   selvara-cli places QUERY [--limit N] [--places FILE]
//   timetable and times also take --place QUERY [--places FILE] instead of --lat, --lon and --tz.
//
// Exit status: 0 done, 1 the output file or standard output could not be written (places: no
// match or no place list), 2 bad arguments (also a --place that matches no place or more than one).
// Each command lives in its own command_*.cpp; cli_options.h reads `--name value` options from a table;
// command_line.cpp picks the command.

#include "cli_commands.h"

int main(int argc, char** argv) {
    return runCommandLine(argc, argv);
}
