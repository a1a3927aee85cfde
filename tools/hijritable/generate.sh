#!/usr/bin/env bash
# Regenerates engine/hijri_table.cpp from the Umm al-Qura calendar of the ICU library (Debian's
# libicu-dev). The output is committed; run this only to check or renew it:
#   bash tools/hijritable/generate.sh [OUTPUT]      (default: engine/hijri_table.cpp)
set -euo pipefail
source "$(dirname "$0")/../build-paths.sh"
script_preamble "$0" 1 "$path_argument" "$@"
here="$(cd "$(dirname "$0")" && pwd)"
top="$(cd "$here/../.." && pwd)"
out="${1:-$top/engine/hijri_table.cpp}"
if ! pkg-config --exists icu-i18n; then
  apt-get install -y libicu-dev pkg-config >/dev/null
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -O1 -o "$work/hijri_table_generator" "$here/hijri_table_generator.cpp" \
  $(pkg-config --cflags --libs icu-i18n icu-uc)
"$work/hijri_table_generator" "$work/hijri_table.cpp"
mv "$work/hijri_table.cpp" "$out"
echo "wrote $out"
