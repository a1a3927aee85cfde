// runCommandLine: the command named by argv[1] run over the rest of the arguments.

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
    {"qibla", runQibla},
    {"next", runNext},
};

}  // namespace

int runCommandLine(int argc, char** argv) {
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
