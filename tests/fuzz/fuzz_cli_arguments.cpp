// The console tool's command line: the input split at zero bytes into at most 16 arguments after
// the program name, and run as the tool runs them. A value after --out is replaced by one scratch
// file, so that the harness never writes anywhere else. Run with -close_fd_mask=3: the tool's own
// output and messages are dropped.
#include "cli_commands.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr size_t mostArguments = 16;

std::string scratchPath() {
    return "/tmp/selvara-fuzz-cli-" + std::to_string(getpid()) + ".txt";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string scratch = scratchPath();
    std::vector<std::string> arguments = {"selvara-cli"};
    std::string current;
    for (size_t i = 0; i < size && arguments.size() <= mostArguments; ++i) {
        if (data[i] == '\0') {
            arguments.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    if (arguments.size() <= mostArguments)
        arguments.push_back(current);
    for (size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "--out")
            arguments[i + 1] = scratch;
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    runCommandLine(static_cast<int>(arguments.size()), argv.data());
    std::clearerr(stdout);
    std::remove(scratch.c_str());
    return 0;
}
