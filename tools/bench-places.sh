#!/bin/bash
# Times the place search under Wine: each query of tests/places/bench_places.cpp over the whole
# list, per query (the native figures come from `bash tools/bench.sh --benchmark_filter=Benchmark/`,
# program bench_places).
#
#   tools/bench-places.sh [batches]        SELVARA_BUILD_DIR picks the build folder.
set -u
source "$(dirname "$0")/selvara-display.sh"
script_preamble "$0" 1 "$number_argument" "$@"

build_targets places_search_timing places_data || { echo "build failed" >&2; exit 1; }
[ -f "$places_dat" ] || { echo "no $places_dat" >&2; exit 1; }
"${wine_run[@]}" "$places_search_timing_exe" "$places_dat" "${1:-50}"
