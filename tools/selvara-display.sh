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

# prepare_run_dir NAME [fresh] : <build>/NAME (emptied first with `fresh`) holding selvara.exe and
# panim.dat side by side, as an installation has them; sets run_dir.
prepare_run_dir() {
    run_dir="$build/$1"
    [ "${2:-}" = fresh ] && rm -rf "$run_dir"
    mkdir -p "$run_dir" && cp -f "$selvara_exe" "$panim_dat" "$run_dir/" || return 1
    # The place list of "Find...": the program works without it, so it is copied when built.
    [ ! -f "$build/data/places.dat" ] || cp -f "$build/data/places.dat" "$run_dir/"
}

# start_selvara : starts selvara.exe from run_dir under Wine in the background (program_pid) and
# waits until its main window shows; on failure the program is stopped and 1 returned.
start_selvara() {
    (cd "$run_dir" && "${wine_run[@]}" ./selvara.exe) &
    program_pid=$!
    if ! "${wine_run[@]}" "$selvara_drive_exe" wait-window; then
        echo "selvara's window did not appear" >&2
        kill "$program_pid" 2>/dev/null
        return 1
    fi
}

# screenshot FILE : the screen, trimmed to the window (the Xvfb background is black).
screenshot() {
    import -display "$DISPLAY" -window root "$1.full.png" &&
        convert "$1.full.png" -bordercolor black -border 1 -trim +repage "$1" &&
        rm -f "$1.full.png"
}
