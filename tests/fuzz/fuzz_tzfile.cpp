// Compiled zone files (TZif): any bytes; what is accepted must hold together, as the table
// generator relies on it (every change names an existing type, the times ascend).
#include "tzfile_reader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TzFile file;
    if (readTzFile(data, size, file) != TzFileError::none)
        return 0;
    if (file.types.empty() || file.changeTypes.size() != file.changeSeconds.size())
        std::abort();
    for (size_t i = 0; i < file.changeSeconds.size(); ++i) {
        if (file.changeTypes[i] >= file.types.size() ||
            (i > 0 && file.changeSeconds[i] <= file.changeSeconds[i - 1]))
            std::abort();
    }
    return 0;
}
