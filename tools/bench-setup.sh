#!/bin/bash
# Benchmark of the installer's archive: the copy page's extraction under Wine beside `gzip -dc`
# of the same archive bytes to a file on the host, and the sizes of setupvara.exe and
# uninstall.exe (as built, and stripped as they would ship).
#
#   tools/bench-setup.sh [BUILD_DIR] [RUNS]     (default build/setup-win, 7 runs)
#
# Needs an X display for Wine (DISPLAY, e.g. a Xvfb of your own).
set -euo pipefail

build=${1:-build/setup-win}
runs=${2:-7}
archive="$build/setup/archive/setup_archive.gz"
setup_exe="$build/setup/setupvara.exe"
uninstall_exe="$build/uninstall/uninstall.exe"
for f in "$archive" "$setup_exe" "$uninstall_exe" "$build/tests/setup/setup_bench.exe"; do
    [ -f "$f" ] || { echo "bench-setup: missing $f (build setupvara and setup_bench first)" >&2; exit 2; }
done
[ -n "${DISPLAY:-}" ] || { echo "bench-setup: DISPLAY is not set" >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "== extraction under Wine (copy page, real resource)"
(cd "$build/tests/setup" && ../../selvara-wine setup_bench.exe "$runs")

echo "== gzip -dc of the same bytes to a file (host)"
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    gzip -dc < "$archive" > "$scratch/records.dat"
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median_us=${sorted[$(( runs / 2 ))]}
printf 'gzip -dc: median %d.%01d ms of %d runs (%d bytes -> %d bytes)\n' \
    $(( median_us / 1000 )) $(( (median_us % 1000) / 100 )) "$runs" \
    "$(stat -c %s "$archive")" "$(stat -c %s "$scratch/records.dat")"

echo "== sizes"
strip_tool=x86_64-w64-mingw32-strip
for exe in "$setup_exe" "$uninstall_exe"; do
    "$strip_tool" --strip-all -o "$scratch/stripped.exe" "$exe"
    printf '%-16s %8d bytes as built, %8d bytes stripped\n' \
        "$(basename "$exe")" "$(stat -c %s "$exe")" "$(stat -c %s "$scratch/stripped.exe")"
done
