// selvara-cli: the prayer-time engine from the command line, for scripts, web sites and tests.
//
//   selvara-cli timetable [--lat DEG] [--lon DEG] [--zone HOURS] [--year Y] [--month M]
//                         [--first-day D --days N] [--out FILE]
//   selvara-cli times --lat DEG --lon DEG --zone HOURS --date YYYY-MM-DD
//   selvara-cli hijri YYYY-MM-DD
//   selvara-cli hijri --from YYYY-MM-DD --to YYYY-MM-DD
//
// Exit status: 0 done, 1 the output file or standard output could not be written, 2 bad arguments.
// Each command lives in its own command_*.cpp; cli_options.h reads `--name value` options from a table;
// command_line.cpp picks the command.

#include "cli_commands.h"

int main(int argc, char** argv) {
    return runCommandLine(argc, argv);
}
