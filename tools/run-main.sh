#!/bin/bash
# Builds and runs the main job: this month's prayer timetable for the default place, printed by the
# console tool. Run as root from any clone (a fresh machine gets its packages first):
#
#   bash tools/run-main.sh
set -u

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1

bash tools/install-deps.sh || exit 1
cmake --preset run || exit 1
cmake --build --preset run --target selvara-cli || exit 1

cli="$root/build/run/tools/cli/selvara-cli"
if [ ! -x "$cli" ]; then
    echo "run-main: $cli was not built" >&2
    exit 1
fi
exec "$cli" timetable
