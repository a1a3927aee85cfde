#include "install_directory_check.h"

#include <cstring>

size_t longestInstalledNameChars() {
    size_t longest = 0;
    for (const auto& name : installedFiles) {
        const size_t length = std::strlen(name);
        longest = length > longest ? length : longest;
    }
    return longest;
}

bool installDirectoryFits(const char* directory) {
    const size_t length = std::strlen(directory);
    return length < mostInstalledPathChars && length + 1 + longestInstalledNameChars() <= mostInstalledPathChars;
}

// Where the part that cannot be created ends: after "C:\" (or "C:"), or after "\\server\share\".
static size_t rootLength(const char* directory) {
    const size_t length = std::strlen(directory);
    if (length >= 2 && directory[1] == ':')
        return length >= 3 && directory[2] == '\\' ? 3 : 2;
    if (length >= 2 && directory[0] == '\\' && directory[1] == '\\') {
        int separators = 0;
        for (size_t i = 2; i < length; ++i) {
            if (directory[i] == '\\' && ++separators == 2)
                return i + 1;
        }
        return length;
    }
    return directory[0] == '\\' ? 1 : 0;
}

int directoryLevelEnds(const char* directory, size_t* ends, int capacity) {
    const size_t length = std::strlen(directory);
    int count = 0;
    for (size_t i = rootLength(directory); i < length && count < capacity; ++i) {
        const bool levelEnds = directory[i] == '\\' || i + 1 == length;
        const size_t end = directory[i] == '\\' ? i : i + 1;
        if (levelEnds && end > 0 && directory[end - 1] != '\\' && (count == 0 || ends[count - 1] != end))
            ends[count++] = end;
    }
    return count;
}
