#!/bin/bash
# Screenshots of the installer's pages and the uninstaller's status dialog for docs/:
# docs/setup-*.png and docs/uninstall-*.png. Runs the real flows (tests/setup/setup_screens.exe,
# tests/uninstall/uninstall_screens.exe) under Wine on a Xvfb of its own, over a plain desktop
# picture so that the installer's dimmed snapshot shows. The installation it makes in the build's
# Wine prefix is removed again by the uninstaller run.
#
#   tools/setup-screenshots.sh [BUILD_DIR]      (default build/setup-win)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$source_dir/build/setup-win}" && pwd)
docs="$source_dir/docs"
for f in "$build/tests/setup/setup_screens.exe" "$build/tests/uninstall/uninstall_screens.exe"; do
    [ -f "$f" ] || { echo "setup-screenshots: missing $f (build setup_screens, uninstall_screens)" >&2; exit 2; }
done

display_number=90
while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
    display_number=$((display_number + 1))
done
Xvfb ":$display_number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
scratch=$(mktemp -d)
cleanup() { kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT
export DISPLAY=":$display_number"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display_number" ] && break; sleep 0.1; done

# A plain desktop: a sky gradient, a note and a sun.
convert -size 1024x768 gradient:'#2f6f9f-#9fc7a0' -fill '#e8e0c8' -draw "rectangle 60,60 420,300" \
    -fill '#c05040' -draw "circle 800,200 800,300" -fill '#304050' -draw "rectangle 0,720 1024,768" \
    "$scratch/desktop.png"
display -window root "$scratch/desktop.png" || true

(cd "$build/tests/setup" && ../../selvara-wine setup_screens.exe "$scratch")
(cd "$build/tests/uninstall" && ../../selvara-wine uninstall_screens.exe "$scratch")

mkdir -p "$docs"
count=0
for bmp in "$scratch"/*.bmp; do
    name=$(basename "$bmp" .bmp)
    convert "$bmp" "$docs/$name.png"
    count=$((count + 1))
done
echo "setup-screenshots: $count pictures written to $docs"
