#!/bin/bash
# Times one tick of the prayer animation on the real page under Wine: the step rules, the three
# picture copies and the frame buffer put on the picture control. Runs on the user's display or a
# private Xvfb, from the build's data folder (where panim.dat is drawn).
#
#   tools/bench-animation.sh [ticks]        SELVARA_BUILD_DIR picks the build folder.
set -u
source "$(dirname "$0")/selvara-display.sh"
script_preamble "$0" 1 "$number_argument" "$@"

build_targets animation_tick_bench animation_data || { echo "build failed" >&2; exit 1; }
bench="$animation_tick_bench_exe"
[ -f "$panim_dat" ] || { echo "no $panim_dat" >&2; exit 1; }

use_display || exit 1
cd "$data_dir" && "${wine_run[@]}" "$bench" "${1:-20000}"
