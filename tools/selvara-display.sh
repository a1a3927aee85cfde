# Shared by the scripts that run the Windows programs (sourced): the build's paths
# (tools/build-paths.sh), and a display: the user's, or a private Xvfb (tools/xvfb.sh) that is
# stopped again when the script ends.
# shellcheck shell=bash

source "$(dirname "${BASH_SOURCE[0]}")/build-paths.sh"
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

# use_display [force-xvfb] : keeps a working DISPLAY, or starts a private Xvfb.
use_display() {
    if [ "${1:-}" != force-xvfb ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    start_xvfb || return 1
    trap stop_xvfb EXIT
}

# screenshot FILE : the screen, trimmed to the window (the Xvfb background is black).
screenshot() {
    import -display "$DISPLAY" -window root "$1.full.png" &&
        convert "$1.full.png" -bordercolor black -border 1 -trim +repage "$1" &&
        rm -f "$1.full.png"
}
