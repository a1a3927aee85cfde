#!/bin/bash
# Times one bulk timetable call: 1,000 places (random, reproducible, every 10th with a tz name and
# every 7th with another method) over a whole year, 12,000 files, with the optimised console tool
# (build/bench: Release, no sanitizers). Prints the wall, user and system time of each run and the
# median wall time. The files go under a temporary folder in $TMPDIR (default /tmp); the system
# time is mostly the kernel making 12,000 files, which a file system with many recently deleted
# files (a build machine's) can make several times slower: TMPDIR=/dev/shm measures the program
# without the disk.
#
# With a METHOD every place takes that method (the standard sun events for any but selvara).
#
#   bash tools/bench-bulk.sh [RUNS] [FORMAT] [METHOD]   (default 5 runs, text, the places' own)
set -u
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
source tools/build-paths.sh
script_preamble "$0" 2 "$path_argument" "$@"
runs=${1:-5}
case "$runs" in
    '' | *[!0-9]* | 0) echo "bench-bulk: RUNS must be a positive number (see --help)" >&2; exit 2 ;;
esac
format=${2:-text}
method=${3:-}
method_option=()
[ -n "$method" ] && method_option=(--method "$method")
cmake --preset bench >/dev/null || exit 1
cmake --build --preset bench --target selvara-cli >/dev/null || exit 1
cli="$root/build/bench/cli/selvara-cli"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
python3 - "$scratch/places.csv" "$method" <<'PY'
import random, sys
random.seed(16)
zones = ["Europe/London", "America/New_York", "Asia/Karachi", "Australia/Sydney", "Africa/Cairo"]
methods = ["mwl", "isna", "egypt", "karachi", "makkah"]
with open(sys.argv[1], "w", newline="") as out:
    out.write("name,latitude,longitude,zone,method\r\n")
    for i in range(1000):
        zone = random.choice(zones) if i % 10 == 0 else str(random.randint(-12, 14))
        method = random.choice(methods) if i % 7 == 0 else ""
        if sys.argv[2]:
            method = ""  # every place the method of the command line
        out.write('"Place %d",%.4f,%.4f,%s,%s\r\n' % (i, random.uniform(-66, 66), random.uniform(-180, 180), zone, method))
PY

times=()
# Each run writes into a folder of its own, after a sync: deleting the last run's 12,000 files
# first would leave the file system busy with that deletion while the next run is timed.
for run in $(seq "$runs"); do
    out="$scratch/out$run"
    sync
    TIMEFORMAT='%R %U %S'
    { time "$cli" timetable --places "$scratch/places.csv" --year 2026 --out-dir "$out" --format "$format" \
        "${method_option[@]}" >/dev/null 2>"$scratch/errors"; } 2>"$scratch/time" ||
        { echo "bench-bulk: the bulk call failed" >&2; cat "$scratch/errors" >&2; exit 1; }
    read -r wall user system <"$scratch/time"
    ms=$(awk -v s="$wall" 'BEGIN { printf "%d", s * 1000 }')
    times+=("$ms")
    echo "run $run: $ms ms wall (user $user s, system $system s), $(ls "$out" | wc -l) files"
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "bulk, 1000 places x 12 months ($format${method:+, $method}): median ${sorted[$(( runs / 2 ))]} ms of $runs runs (load: $(cut -d' ' -f1-3 /proc/loadavg))"
