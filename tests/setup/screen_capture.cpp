// Screen capture into a BMP file (see screen_capture.h).
#include "screen_capture.h"

#include <windows.h>

#include <cstdio>
#include <vector>

bool captureScreen(const std::string& bmpPath) {
    const int widthPx = GetSystemMetrics(SM_CXSCREEN);
    const int heightPx = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, widthPx, heightPx);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, widthPx, heightPx, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = widthPx;
    header.biHeight = heightPx;
    header.biPlanes = 1;
    header.biBitCount = 24;
    const int stride = ((24 * widthPx + 31) & ~31) / 8;
    header.biSizeImage = static_cast<DWORD>(stride * heightPx);
    std::vector<BYTE> bits(header.biSizeImage);
    GetDIBits(memory, bitmap, 0, heightPx, bits.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::FILE* out = std::fopen(bmpPath.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(bits.data(), 1, bits.size(), out);
    return std::fclose(out) == 0;
}

std::string outputFolder(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : ".";
    if (folder.size() > 1 && folder[0] == '/') {
        folder = "Z:" + folder;
    }
    for (char& c : folder) {
        if (c == '/')
            c = '\\';
    }
    if (folder.back() != '\\')
        folder += '\\';
    return folder;
}
