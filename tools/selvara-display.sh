# Shared by tools/run-selvara.sh, tools/screenshots.sh and tools/measure-startup.sh (sourced).
# Builds the Windows flavour's targets, and gives the scripts a display: the user's, or a private
# Xvfb that is stopped again when the script ends.

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SELVARA_BUILD_DIR:-$repo/build/windows}"
wine_run=("$repo/tools/wine/wine-run" --prefix "$build/wineprefix")
xvfb_pid=""

# build_targets TARGET... : configures the Windows build folder if needed, then builds.
build_targets() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$repo" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-mingw64.cmake" \
            >/dev/null || return 1
    fi
    cmake --build "$build" -j2 --target "$@" >/dev/null || return 1
}

# Path of a built program (searched, so the build's folder layout may change).
built_program() {
    find "$build" -name "$1" -type f -not -path '*/wineprefix/*' -not -path '*/run-*/*' | head -n 1
}

# use_display [force-xvfb] : keeps a working DISPLAY, or starts a private Xvfb.
use_display() {
    if [ "${1:-}" != force-xvfb ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local fd_file
    fd_file="$(mktemp)"
    Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$fd_file" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n 1 "$fd_file")"
    rm -f "$fd_file"
    [ "$DISPLAY" != ":" ] || { echo "Xvfb did not start" >&2; return 1; }
    trap stop_display EXIT
}

stop_display() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    fi
}

# screenshot FILE : the screen, trimmed to the window (the Xvfb background is black).
screenshot() {
    import -display "$DISPLAY" -window root "$1.full.png" &&
        convert "$1.full.png" -bordercolor black -border 1 -trim +repage "$1" &&
        rm -f "$1.full.png"
}
