#!/bin/bash
# Builds both flavours and runs every test; exits non-zero when anything fails. Run as root from any
# clone (a fresh machine gets its packages first):
#
#   bash tools/test-all.sh
#
# 1. tools/install-deps.sh installs whatever Debian packages are missing;
# 2. native:  cmake --preset native, build (-j2), ctest (address and undefined-behaviour sanitizers);
#    fuzz:    cmake --preset fuzz (clang), build, ctest: each libFuzzer harness of tests/fuzz runs a
#    few seconds from its seeds and must find nothing (tools/fuzz.sh SECONDS runs them long);
# 3. windows: cmake --preset windows, build (-j2), ctest: the same tests as .exe files under Wine,
#    on a private Xvfb display when there is no DISPLAY; the prefix's wineserver is stopped at the end.
# The last line sums up the flavours in ctest's own words; a failed configure or build counts as one
# failed test.
set -u

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
source "$root/tools/build-paths.sh"
script_preamble "$0" 0 "" "$@"
started_s=$(date +%s)

source "$root/tools/xvfb.sh"
work_dir="$(mktemp -d "${TMPDIR:-/tmp}/selvara-test-all.XXXXXX")" || exit 1
cleanup() {
    if [ -x "$root/build/windows/selvara-wine" ]; then
        "$root/build/windows/selvara-wine" --kill
    fi
    stop_xvfb
    rm -rf "$work_dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

if ! bash "$root/tools/install-deps.sh"; then
    echo "test-all: FAILED - could not install the packages"
    exit 1
fi

total_passed=0
total_failed=0
summary=""

# run_flavour NAME: configure, build and test one preset; adds to the totals and the summary.
run_flavour() {
    local name=$1
    local log="$work_dir/ctest-$name.log"
    echo
    echo "==== $name: configure"
    if ! cmake --preset "$name"; then
        total_failed=$((total_failed + 1))
        summary="$summary, $name configure failed"
        return
    fi
    echo "==== $name: build"
    if ! cmake --build --preset "$name"; then
        total_failed=$((total_failed + 1))
        summary="$summary, $name build failed"
        return
    fi
    echo "==== $name: test"
    if [ "$name" = windows ]; then
        # A wineserver left from an earlier run may still hold a display that no longer exists.
        "$root/build/windows/selvara-wine" --kill
    fi
    ctest --preset "$name" 2>&1 | tee "$log"
    local ctest_rc=${PIPESTATUS[0]}
    local counts
    counts="$(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' "$log" | tail -n1)"
    if [ -z "$counts" ]; then
        total_failed=$((total_failed + 1))
        summary="$summary, $name ctest failed to run (exit $ctest_rc)"
        return
    fi
    local failed=${counts% *}
    local total=${counts#* }
    local passed=$((total - failed))
    if [ "$ctest_rc" -ne 0 ] && [ "$failed" -eq 0 ]; then
        failed=1
    fi
    total_passed=$((total_passed + passed))
    total_failed=$((total_failed + failed))
    summary="$summary, $name $passed/$total passed"
}

run_flavour native
run_flavour fuzz

if [ -z "${DISPLAY:-}" ]; then
    if start_xvfb 1280x1024; then
        echo "test-all: no DISPLAY, Wine tests run on Xvfb display $DISPLAY"
    else
        total_failed=$((total_failed + 1))
        summary="$summary, Xvfb failed"
    fi
fi
run_flavour windows

elapsed_s=$(( $(date +%s) - started_s ))
total=$((total_passed + total_failed))
percent=0
if [ "$total" -gt 0 ]; then
    percent=$((total_passed * 100 / total))
fi
verdict=PASSED
if [ "$total_failed" -ne 0 ] || [ "$total" -eq 0 ]; then
    verdict=FAILED
fi
echo
echo "test-all: $verdict in ${elapsed_s} s (${summary#, }) - $percent% tests passed, $total_failed tests failed out of $total"
[ "$verdict" = PASSED ]
