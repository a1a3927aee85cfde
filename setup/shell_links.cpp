// One shell link file through the shell-link object (IShellLinkA, saved through IPersistFile).
#include "wizard_pages.h"

#include <objbase.h>
#include <shlobj.h>

constexpr int linkPathWideChars = 260;

HRESULT createShortcut(const char* targetPath, const char* linkPath, const char* description) {
    HRESULT result = CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result)) {
        result = link->SetPath(targetPath);
        result = link->SetDescription(description);
        IPersistFile* file = nullptr;
        result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        if (SUCCEEDED(result)) {
            WCHAR widePath[linkPathWideChars];
            widePath[0] = 0;
            MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, linkPathWideChars);
            widePath[linkPathWideChars - 1] = 0;
            result = file->Save(widePath, TRUE);
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return result;
}
