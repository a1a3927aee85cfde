// The wizard: agreement, directory, copy and shortcut pages in turn, then the closing message.
#include "wizard_pages.h"
#include "wizard_state.h"

#include <cstdio>

static const char contactAddress[] = "selvara@example.org";

void runWizard(HWND backgroundWindow) {
    const bool completed = showAgreementPage(backgroundWindow) == 0 &&
                           showDirectoryPage(backgroundWindow) == 0 && showCopyPage(backgroundWindow) == 0;
    if (completed) {
        showShortcutPage(backgroundWindow);
        char text[128];
        std::snprintf(text, sizeof text, "%s was successfully installed", productName);
        MessageBoxA(backgroundWindow, text, setupCaption, MB_OK | MB_ICONINFORMATION);
        if (wizard.folderToOpen[0] != '\0') {
            openFolderAtEnd(wizard.folderToOpen);
        }
    } else {
        char text[256];
        std::snprintf(text, sizeof text,
                      "Setup was canceled. Any notes or errors you can send on my email: %s", contactAddress);
        MessageBoxA(backgroundWindow, text, setupCaption, MB_OK | MB_ICONWARNING);
    }
    DestroyWindow(backgroundWindow);
}
