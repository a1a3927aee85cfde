// The uninstaller's background window: class name and icon from the resources, a captioned window
// over the whole screen, kept on top, with the blue gradient and the uninstall caption.
#include "uninstall_resource.h"
#include "uninstall_state.h"

constexpr int uninstallClassNameChars = 10;

BackgroundParameters uninstallBackgroundParameters(void (*runFlow)(HWND window)) {
    return {IDS_UNINSTALL_CLASS,
            uninstallClassNameChars,
            IDI_UNINSTALL,
            WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
            true,
            CMD_START_UNINSTALL,
            backdropBlueGradient,
            uninstallCaption,
            runFlow};
}
