// The installer's background window: class name and icon from the resources, full screen without a
// frame, the dimmed snapshot of the desktop with the setup caption painted on it.
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

constexpr int setupClassNameChars = 20;

BackgroundParameters setupBackgroundParameters(void (*runFlow)(HWND window)) {
    return {
        IDS_SETUP_CLASS,        setupClassNameChars, IDI_SETUP, WS_POPUP | WS_VISIBLE, false, CMD_START_SETUP,
        backdropDimmedSnapshot, setupCaption,        runFlow};
}
