#!/bin/bash
# Builds the benchmark flavour (Release, no sanitizers, build/bench) and runs every benchmark program:
# each bench_* target of the tree (tests/benchmarks and beside the tests of a subsystem). Arguments are
# passed to each program, for example
#
#   bash tools/bench.sh --benchmark_filter=Timetable --benchmark_repetitions=5
#
# Numbers are only comparable between runs on the same, otherwise idle machine.
set -u

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
source tools/build-paths.sh
script_preamble "$0" 100 '^--benchmark_' "$@"

bash tools/install-deps.sh || exit 1
cmake --preset bench || exit 1
cmake --build --preset bench || exit 1

status=0
count=0
while IFS= read -r program; do
    count=$((count + 1))
    echo "==== $(basename "$program")"
    "$program" "$@" </dev/null || status=1
done < <(find "$root/build/bench" -path "$root/build/bench/CMakeFiles" -prune -o \
              -type f -perm -u+x -name 'bench_*' -not -path '*/CMakeFiles/*' -print | sort)
if [ "$count" -eq 0 ]; then
    echo "bench: no bench_* programs in build/bench" >&2
    exit 1
fi
exit "$status"
