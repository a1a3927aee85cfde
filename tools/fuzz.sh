#!/bin/bash
# Builds the fuzzing harnesses (the `fuzz` preset: clang with libFuzzer, address and
# undefined-behaviour sanitizers) and runs each for SECONDS seconds from its committed seeds:
#
#   bash tools/fuzz.sh SECONDS [HARNESS ...]
#
# With SELVARA_FUZZ_RUNS=N in the environment a harness also stops after N runs, whichever comes
# first. New inputs are kept in build/fuzz/tests/fuzz/corpus/<harness>/ and reused by the next run; a
# finding leaves crash-*, leak-* or timeout-* in build/fuzz/findings/ and makes the script exit 1.
# A line per harness gives its runs and seconds. tools/test-all.sh runs the short smoke run of the
# same harnesses through `ctest --preset fuzz`.
set -u

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
source tools/build-paths.sh
script_preamble "$0" 100 '^[A-Za-z0-9_]+$' "$@"
[ $# -ge 1 ] && [[ "$1" =~ $number_argument ]] || usage_error "$0" "SECONDS must come first, a whole number"
seconds=$1
shift
bash "$root/tools/install-deps.sh" || exit 1
cmake --preset fuzz >/dev/null || exit 1
cmake --build --preset fuzz || exit 1

runs_limit=()
if [ -n "${SELVARA_FUZZ_RUNS:-}" ]; then
    runs_limit=(-runs="$SELVARA_FUZZ_RUNS")
fi

list="$root/build/fuzz/fuzzers.txt"
findings="$root/build/fuzz/findings"
mkdir -p "$findings"
failed=0
summary=""
while read -r name program seeds work options; do
    if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx "$name"; then
        continue
    fi
    mkdir -p "$work"
    log="$findings/$name.log"
    echo "==== $name: $seconds s"
    # shellcheck disable=SC2086
    "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "${runs_limit[@]}" $options \
        -artifact_prefix="$findings/$name-" "$work" "$seeds" >"$log" 2>&1 </dev/null
    rc=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)"
    took="$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n1)"
    line="$name: ${runs:-?} runs in ${took:-$seconds} s (${rate:-?}/s)"
    if [ "$rc" -ne 0 ]; then
        failed=$((failed + 1))
        line="$line FINDING (exit $rc, see $log)"
        grep -m3 -E "ERROR|runtime error|SUMMARY" "$log"
    fi
    echo "$line"
    summary="$summary$line"$'\n'
done <"$list"

echo
printf '%s' "$summary"
[ "$failed" -eq 0 ]
