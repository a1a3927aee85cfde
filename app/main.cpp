// Entry point of selvara.exe. The command line and the show state are not used.
#include "app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return runSelvara(instance);
}
