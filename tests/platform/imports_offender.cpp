// Deliberately linked against zlib's import library (zlib1.dll): the import check must reject it.
#include <zlib.h>
#include <cstdio>

int main() {
    std::printf("%s\n", zlibVersion());
    return 0;
}
