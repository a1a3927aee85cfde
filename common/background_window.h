// The full-screen window behind the installer and the uninstaller: a backdrop picture with the
// product title painted on it. Right after creation it posts itself its start command; the handler
// runs the program's whole flow in modal dialogs owned by the window, then destroys the window,
// which ends the program.
#pragma once

#include <windows.h>

#include <cstddef>

enum BackdropKind {
    backdropDimmedSnapshot,  // installer: the screen as it was, every other pixel black
    backdropBlueGradient,    // uninstaller: bright blue at the bottom, darker upwards
};

struct BackgroundParameters {
    UINT classStringId;  // string resource holding the class name and window title
    int classNameChars;  // buffer the class name is read into
    WORD classIconId;
    DWORD windowStyle;
    bool topmost;
    WORD startCommand;
    BackdropKind backdrop;
    const char* paintedTitle;
    void (*runFlow)(HWND window);  // the start command's handler
};

constexpr size_t setupPathBytes = 512;

extern HINSTANCE programInstance;              // every resource is loaded from it
extern char startupDirectory[setupPathBytes];  // installer: current directory at start ("C:" for a root)

// Program entry shared by both programs: registers the class, creates the window, runs the
// message loop and returns the quit code (0 when the class or window cannot be made).
int runBackgroundProgram(HINSTANCE instance, const BackgroundParameters& parameters);

// The backdrop's bitmap; NULL until built (tests look at its pixels).
HBITMAP backdropBitmap();
