#!/bin/bash
# Builds and runs the main job: selvara.exe under Wine, with its generated data beside it. Run as
# root from any clone (a fresh machine gets its packages first):
#
#   bash tools/run-main.sh [screenshot.png]
#
# With a usable DISPLAY the window opens there and the script waits until it is closed. Without
# one the program runs on a private Xvfb, a screenshot of its window is saved (by default to
# build/windows/selvara-window.png) and the program is closed again. The console tool's timetable
# for this month at the default place is printed first, as a quick check of the engine.
set -u

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
source tools/build-paths.sh
script_preamble "$0" 1 "$path_argument" "$@"

bash tools/install-deps.sh || exit 1
cmake --preset run >/dev/null || exit 1
cmake --build --preset run --target selvara-cli >/dev/null || exit 1
"$run_cli" timetable || exit 1

exec bash tools/run-selvara.sh "$@"
