#!/bin/bash
# Screenshots of the installer's pages and the uninstaller's status dialog for docs/:
# docs/setup-*.png and docs/uninstall-*.png. Builds and runs the real flows
# (tests/setup/setup_screens.exe, tests/uninstall/uninstall_screens.exe) under Wine on a Xvfb of its
# own, over a plain desktop picture so that the installer's dimmed snapshot shows. The
# installation it makes in the build's Wine prefix is removed again by the uninstaller run.
#
#   tools/setup-screenshots.sh [BUILD_DIR]      (default build/windows)
set -uo pipefail
[ $# -ge 1 ] && [ "$1" != --help ] && [ "$1" != -h ] && export SELVARA_BUILD_DIR="$1"
source "$(dirname "$0")/selvara-display.sh"
script_preamble "$0" 1 "$path_argument" "$@"

build_targets setup_screens uninstall_screens || { echo "setup-screenshots: build failed" >&2; exit 1; }
use_display force-xvfb || exit 1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"; stop_xvfb' EXIT

# A plain desktop: a sky gradient, a note and a sun.
convert -size 1024x768 gradient:'#2f6f9f-#9fc7a0' -fill '#e8e0c8' -draw "rectangle 60,60 420,300" \
    -fill '#c05040' -draw "circle 800,200 800,300" -fill '#304050' -draw "rectangle 0,720 1024,768" \
    "$scratch/desktop.png"
display -window root "$scratch/desktop.png" || true

(cd "$(dirname "$setup_screens_exe")" && "${wine_run[@]}" "$setup_screens_exe" "$scratch") || exit 1
(cd "$(dirname "$uninstall_screens_exe")" && "${wine_run[@]}" "$uninstall_screens_exe" "$scratch") || exit 1

docs="$repo/docs"
mkdir -p "$docs"
count=0
for bmp in "$scratch"/*.bmp; do
    name=$(basename "$bmp" .bmp)
    convert "$bmp" "$docs/$name.png"
    count=$((count + 1))
done
echo "setup-screenshots: $count pictures written to $docs"
