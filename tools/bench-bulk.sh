#!/bin/bash
# Times one bulk timetable call: 1,000 places (random, reproducible, every 10th with a tz name and
# every 7th with another method) over a whole year, 12,000 files, with the optimised console tool
# (build/bench: Release, no sanitizers). Prints the wall time of each run and their median.
#
#   bash tools/bench-bulk.sh [RUNS] [FORMAT]       (default 5 runs, text)
set -u
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
runs=${1:-5}
format=${2:-text}
cmake --preset bench >/dev/null || exit 1
cmake --build --preset bench --target selvara-cli >/dev/null || exit 1
cli="$root/build/bench/tools/cli/selvara-cli"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
python3 - "$scratch/places.csv" <<'PY'
import random, sys
random.seed(16)
zones = ["Europe/London", "America/New_York", "Asia/Karachi", "Australia/Sydney", "Africa/Cairo"]
methods = ["mwl", "isna", "egypt", "karachi", "makkah"]
with open(sys.argv[1], "w", newline="") as out:
    out.write("name,latitude,longitude,zone,method\r\n")
    for i in range(1000):
        zone = random.choice(zones) if i % 10 == 0 else str(random.randint(-12, 14))
        method = random.choice(methods) if i % 7 == 0 else ""
        out.write('"Place %d",%.4f,%.4f,%s,%s\r\n' % (i, random.uniform(-66, 66), random.uniform(-180, 180), zone, method))
PY

times=()
for run in $(seq "$runs"); do
    rm -rf "$scratch/out"
    start=$(date +%s%N)
    "$cli" timetable --places "$scratch/places.csv" --year 2026 --out-dir "$scratch/out" --format "$format" ||
        { echo "bench-bulk: the bulk call failed" >&2; exit 1; }
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    times+=("$ms")
    echo "run $run: $ms ms, $(ls "$scratch/out" | wc -l) files"
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "bulk, 1000 places x 12 months ($format): median ${sorted[$(( runs / 2 ))]} ms of $runs runs (load: $(cut -d' ' -f1-3 /proc/loadavg))"
