#!/bin/bash
# Installs the Debian packages that building and testing both flavours need, and only those that are
# missing. Idempotent; takes well under a second when everything is present. Run as root.
#
#   bash tools/install-deps.sh
set -u
source "$(dirname "${BASH_SOURCE[0]}")/build-paths.sh"
script_preamble "$0" 0 "" "$@"

packages=(
    # host build and native tests
    g++ make cmake googletest libbenchmark-dev zlib1g-dev
    # the tz database the zone table is generated from (engine/CMakeLists.txt)
    tzdata
    # the fuzzing harnesses: clang with libFuzzer and the sanitizer run-times
    clang libclang-rt-dev
    # Windows flavour: POSIX-thread MinGW-w64 compilers (binutils with windres and objdump come along)
    # and zlib for the installer
    g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
    # running the .exe files: Wine (64-bit only), its fonts, a virtual display
    wine wine64 fonts-wine xvfb xauth
    # screenshots of the virtual display (import -window root), and xdpyinfo to tell whether the
    # user's own display can be used
    imagemagick x11-utils
)

missing=()
for package in "${packages[@]}"; do
    status="$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)"
    if [ "$status" != "install ok installed" ]; then
        missing+=("$package")
    fi
done

if [ "${#missing[@]}" -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing ${missing[*]}; run this script as root to install them" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt_options=(-y -q -o DPkg::Lock::Timeout=600 -o Dpkg::Use-Pty=0)
apt-get "${apt_options[@]}" update </dev/null || { echo "install-deps: apt-get update failed" >&2; exit 1; }
apt-get "${apt_options[@]}" install "${missing[@]}" </dev/null ||
    { echo "install-deps: apt-get install failed" >&2; exit 1; }
echo "install-deps: done"
