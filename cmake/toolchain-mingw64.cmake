# Cross-compiling for 64-bit Windows with MinGW-w64 (the POSIX-thread compilers, so std::thread and
# friends exist). Everything is linked statically: the programs and tests must run on a bare Windows
# and import only system DLLs (tests/platform checks that).
#
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
# or simply: cmake --preset windows
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SELVARA_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${SELVARA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SELVARA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SELVARA_MINGW_TRIPLE}-windres)
set(SELVARA_OBJDUMP ${SELVARA_MINGW_TRIPLE}-objdump CACHE STRING "objdump that reads PE import tables")

# Headers and libraries come from the MinGW-w64 sysroot only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${SELVARA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Programs built here run under Wine: ctest, test discovery and add_custom_command(... $<TARGET_FILE:x>)
# go through a small launcher that cmake/SelvaraWindows.cmake writes into the build folder. The
# launcher pins the Wine prefix to <build>/wineprefix (see tools/wine/wine-run).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/selvara-wine)
