// The settings file praytime.cfg: any bytes decoded over the defaults and over a record full of
// junk; the town name must come out terminated inside its field.
#include "settings.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SettingsRecord record = defaultSettings();
    decodeSettings(data, size, record);
    if (std::memchr(record.townName, '\0', sizeof record.townName) == nullptr)
        std::abort();

    SettingsRecord junk;
    std::memset(&junk, 'x', sizeof junk);
    decodeSettings(data, size, junk);
    if (std::memchr(junk.townName, '\0', sizeof junk.townName) == nullptr)
        std::abort();

    unsigned char bytes[settingsFileSize];
    encodeSettings(record, bytes);
    return 0;
}
