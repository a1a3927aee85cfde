#!/bin/bash
# Benchmark of the installer's archive: the copy page's extraction under Wine (and its parts: the
# page opened and closed alone, the decompression, the records written) beside `gzip -dc` of the
# same archive bytes to a file on the host, and the sizes of setupvara.exe and uninstall.exe (as
# built, and stripped as they would ship). Builds what it needs first; runs on the user's display
# or a private Xvfb. Figures are medians; note the load (`uptime`) beside them.
#
#   tools/bench-setup.sh [BUILD_DIR] [RUNS]     (default build/windows, 7 runs)
set -uo pipefail
# An absolute folder: the benchmark runs from the folder of its program.
[ $# -ge 1 ] && [ "$1" != --help ] && [ "$1" != -h ] && export SELVARA_BUILD_DIR="$(realpath -m "$1")"
source "$(dirname "$0")/selvara-display.sh"
script_preamble "$0" 2 "$path_argument" "$@"
runs=${2:-7}

build_targets setupvara uninstall setup_bench || { echo "bench-setup: build failed" >&2; exit 1; }
use_display || exit 1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"; stop_xvfb' EXIT

echo "== extraction under Wine (copy page, real resource); $(uptime | sed 's/.*load/load/')"
(cd "$(dirname "$setup_bench_exe")" && "${wine_run[@]}" "$setup_bench_exe" "$runs") || exit 1

echo "== gzip -dc of the same bytes to a file (host)"
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    gzip -dc < "$setup_archive" > "$scratch/records.dat"
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median_us=${sorted[$(( runs / 2 ))]}
printf 'gzip -dc: median %d.%01d ms of %d runs (%d bytes -> %d bytes)\n' \
    $(( median_us / 1000 )) $(( (median_us % 1000) / 100 )) "$runs" \
    "$(stat -c %s "$setup_archive")" "$(stat -c %s "$scratch/records.dat")"

echo "== sizes"
strip_tool=x86_64-w64-mingw32-strip
for exe in "$setupvara_exe" "$uninstall_exe"; do
    "$strip_tool" --strip-all -o "$scratch/stripped.exe" "$exe"
    printf '%-16s %8d bytes as built, %8d bytes stripped\n' \
        "$(basename "$exe")" "$(stat -c %s "$exe")" "$(stat -c %s "$scratch/stripped.exe")"
done
