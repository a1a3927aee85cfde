// Keeping a dialog alive during long work on its own thread (the installer's copy page, the
// uninstaller's status dialog): the messages waiting for the thread are handled between two steps,
// so that Cancel (Esc) can arrive.
#pragma once

#include <windows.h>

// Handles the waiting messages, with `dialog`'s keyboard handling, until none is left or
// `cancelled` becomes non-zero (which a handled message may do).
void drainMessages(HWND dialog, const int& cancelled);
