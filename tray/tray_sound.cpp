// The sounds of the reminder: the built-in chime (a WAVE resource) through PlaySound, the user's
// WAV file through PlaySound, an MP3 (or anything else) through MCI, which tells the window when
// it has finished.
#include "tray_resource.h"
#include "tray_state.h"

#include <mmsystem.h>

#include <cstdio>

namespace {

const char mciAlias[] = "selvaraadhan";

bool endsWithIgnoringCase(const char* text, const char* ending) {
    const int textLength = lstrlenA(text);
    const int endingLength = lstrlenA(ending);
    return textLength >= endingLength && lstrcmpiA(text + textLength - endingLength, ending) == 0;
}

void playChime() {
    writeTestLog("sound chime");
    if (Tray.testLog == nullptr)
        PlaySoundA(MAKEINTRESOURCEA(IDW_CHIME), Tray.instance, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

// An audio file plays through MCI (WAV files too, so that one path says when the sound has ended
// and "Stop the adhan" can go away); the chime stands in when the file cannot be opened.
void playFile(const char* path) {
    writeTestLog("sound file %s", path);
    if (Tray.testLog != nullptr) {
        Tray.playing = true;
        return;
    }
    char command[MAX_PATH + 64];
    const char* type = endsWithIgnoringCase(path, ".wav") ? "waveaudio" : "mpegvideo";
    const int length = std::snprintf(command, sizeof command, "open \"%s\" type %s alias %s", path, type, mciAlias);
    if (length < 0 || static_cast<size_t>(length) >= sizeof command ||
        mciSendStringA(command, nullptr, 0, nullptr) != 0) {
        playChime();
        return;
    }
    std::snprintf(command, sizeof command, "play %s notify", mciAlias);
    if (mciSendStringA(command, nullptr, 0, Tray.window) != 0) {
        std::snprintf(command, sizeof command, "close %s", mciAlias);
        mciSendStringA(command, nullptr, 0, nullptr);
        playChime();
        return;
    }
    Tray.playing = true;
}

}  // namespace

void playReminderSound(int slot) {
    const ReminderSettings& settings = Tray.schedule.settings;
    stopReminderSound();
    switch (settings.sound[slot]) {
        case reminderSoundChime: playChime(); break;
        case reminderSoundFile: {
            const char* path = reminderAudioFileFor(settings, slot);
            if (path[0] != '\0')
                playFile(path);
            else
                playChime();
            break;
        }
        default: break;
    }
}

void stopReminderSound() {
    if (Tray.playing) {
        writeTestLog("sound stop");
        if (Tray.testLog == nullptr) {
            char command[64];
            std::snprintf(command, sizeof command, "close %s", mciAlias);
            mciSendStringA(command, nullptr, 0, nullptr);
        }
    }
    Tray.playing = false;
}

void onSoundFinished() {
    stopReminderSound();
}
