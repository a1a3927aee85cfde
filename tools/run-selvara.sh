#!/bin/bash
# Builds selvara.exe and runs it under Wine from a folder holding it and its data files
# (<build>/run-selvara). With a usable DISPLAY the window opens there and the script waits until it
# is closed. Without one, the program runs on a private Xvfb: a screenshot of its window is saved
# to the file named by the first argument (default <build>/selvara-window.png), then it is closed.
#
#   tools/run-selvara.sh [screenshot.png]        SELVARA_BUILD_DIR picks the build folder.
set -u
source "$(dirname "$0")/selvara-display.sh"
script_preamble "$0" 1 "$path_argument" "$@"

build_targets selvara selvara_drive || { echo "build failed" >&2; exit 1; }
prepare_run_dir run-selvara || exit 1

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    cd "$run_dir" && exec "${wine_run[@]}" ./selvara.exe
fi

shot="${1:-$build/selvara-window.png}"
use_display force-xvfb || exit 1
start_selvara || exit 1
sleep 0.5
screenshot "$shot" && echo "screenshot of the window: $shot"
"${wine_run[@]}" "$selvara_drive_exe" close
wait "$program_pid"
