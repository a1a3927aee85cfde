#!/bin/bash
# Times the place search under Wine: each query of tests/places/bench_places.cpp over the whole
# list, per query (the native figures come from `bash tools/bench.sh --benchmark_filter=Benchmark/`,
# program bench_places).
#
#   tools/bench-places.sh [batches]        SELVARA_BUILD_DIR picks the build folder.
set -u
source "$(dirname "$0")/selvara-display.sh"

build_targets places_search_timing places_data || { echo "build failed" >&2; exit 1; }
timing="$(built_program places_search_timing.exe)"
places="$build/data/places.dat"
[ -f "$places" ] || { echo "no $places" >&2; exit 1; }
"${wine_run[@]}" "$timing" "$places" "${1:-50}"
