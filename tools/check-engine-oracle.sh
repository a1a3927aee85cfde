#!/bin/bash
# Compares the engine with its reference implementation (tests/engine/reference_prayer_times.cpp)
# over many place-days on the optimised build (build/bench: Release, no sanitizers):
#
#   bash tools/check-engine-oracle.sh [PLACE_DAYS]      (default 5,000,000)
#
# Every raw value must be the reference's bit for bit; the test program says which differ.
set -u
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
source tools/build-paths.sh
script_preamble "$0" 1 "$number_argument" "$@"
cmake --preset bench >/dev/null || exit 1
cmake --build --preset bench --target engine_tests >/dev/null || exit 1
SELVARA_ORACLE_PLACE_DAYS="${1:-5000000}" "$root/build/bench/tests/engine/engine_tests" \
    --gtest_filter='ReferenceEngine.*'
