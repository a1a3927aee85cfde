#!/bin/bash
# Size of selvara.exe and its start-up time under Wine (process creation to the main window
# being visible, median of N runs, default 15), beside the same figures for a minimal dialog
# program built the same way (static MinGW-w64, windres resources, one modal dialog).
#
#   tools/measure-startup.sh [runs]        SELVARA_BUILD_DIR picks the build folder.
set -u
source "$(dirname "$0")/selvara-display.sh"
script_preamble "$0" 1 "$number_argument" "$@"
runs="${1:-15}"

build_targets selvara minimal_dialog selvara_drive || { echo "build failed" >&2; exit 1; }
run_dir="$build/run-measure"
rm -rf "$run_dir"
mkdir -p "$run_dir"
cp -f "$selvara_exe" "$minimal_dialog_exe" "$run_dir/" || exit 1
drive="$selvara_drive_exe"

use_display || exit 1
cd "$run_dir" || exit 1
for program in selvara.exe:Selvara minimal_dialog.exe:MinimalDialog; do
    exe="${program%%:*}"
    echo "== $exe: $(stat -c %s "$exe") bytes"
    # One unmeasured start warms the Wine server and the file cache.
    "${wine_run[@]}" "$drive" startup-time "$run_dir/$exe" "${program##*:}" 1 >/dev/null
    "${wine_run[@]}" "$drive" startup-time "$run_dir/$exe" "${program##*:}" "$runs"
done
