#!/bin/bash
# Makes a release for people on Windows: builds the Windows flavour's installer and console tool and
# puts them into dist/ of the clone, stripped of symbols and debugging sections as they ship, with
# their SHA-256 sums in dist/SHA256SUMS (checked with `sha256sum -c SHA256SUMS` in dist/). Run as
# root from any clone (a fresh machine gets its packages first):
#
#   bash tools/release.sh        SELVARA_BUILD_DIR picks the build folder (default build/windows).
set -u

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
source tools/build-paths.sh
script_preamble "$0" 0 "" "$@"

bash tools/install-deps.sh >/dev/null || exit 1
build_targets setupvara selvara-cli || { echo "release: build failed" >&2; exit 1; }

dist="$root/dist"
rm -rf "$dist"
mkdir -p "$dist"
for exe in "$setupvara_exe" "$cli_exe"; do
    x86_64-w64-mingw32-strip --strip-all -o "$dist/$(basename "$exe")" "$exe" || exit 1
done
(cd "$dist" && sha256sum setupvara.exe selvara-cli.exe > SHA256SUMS) || exit 1
for file in setupvara.exe selvara-cli.exe; do
    printf 'release: dist/%-16s %8d bytes\n' "$file" "$(stat -c %s "$dist/$file")"
done
sed 's/^/release: /' "$dist/SHA256SUMS"
