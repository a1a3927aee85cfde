#include "night_arguments.h"

#include <cstring>

namespace {

bool readNightEndOption(const char* text, void* target) {
    return readNightEnd(text, *static_cast<NightEnd*>(target));
}

bool readImsakMinutes(const char* text, void* target) {
    int minutes = 0;
    if (!readInt(text, minutes) || minutes < leastImsakMinutes || minutes > mostImsakMinutes)
        return false;
    *static_cast<int*>(target) = minutes;
    return true;
}

}  // namespace

void addNightOptions(NightArguments& arguments, CliOption* rows) {
    rows[0] = CliOption{"--night", readNightEndOption, &arguments.options.end, nullptr};
    rows[1] = CliOption{"--imsak", readImsakMinutes, &arguments.options.imsakMinutes, nullptr};
}

bool takeExtraFlag(int& argc, char** argv) {
    bool found = false;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--extra") == 0)
            found = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return found;
}
