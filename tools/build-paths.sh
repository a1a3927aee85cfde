# The paths the Windows build makes, known in this one place (sourced by the scripts in tools/).
# The build folder is build/windows of the clone (the `windows` preset), or SELVARA_BUILD_DIR when
# set; each program has the exact path CMake gives it there, so that no script has to search.
# shellcheck shell=bash

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SELVARA_BUILD_DIR:-$repo/build/windows}"

# The shipped programs.
selvara_exe="$build/app/selvara.exe"
setupvara_exe="$build/setup/setupvara.exe"
uninstall_exe="$build/uninstall/uninstall.exe"
tray_exe="$build/tray/selvara-tray.exe"
cli_exe="$build/cli/selvara-cli.exe"
# The console tool of the native `run` preset (build/run), which tools/run-main.sh prints with.
run_cli="$repo/build/run/cli/selvara-cli"
# Generated data and the installer's archive.
panim_dat="$build/data/panim.dat"
places_dat="$build/data/places.dat"
data_dir="$build/data"
setup_archive="$build/setup/archive/setup_archive.gz"
# Helpers the scripts drive (built with the tests).
selvara_drive_exe="$build/tests/app/selvara_drive.exe"
minimal_dialog_exe="$build/tests/app/minimal_dialog.exe"
animation_tick_bench_exe="$build/tests/app/animation_tick_bench.exe"
setup_bench_exe="$build/tests/setup/setup_bench.exe"
setup_screens_exe="$build/tests/setup/setup_screens.exe"
uninstall_screens_exe="$build/tests/uninstall/uninstall_screens.exe"
places_search_timing_exe="$build/tests/places/places_search_timing.exe"
tray_drive_exe="$build/tests/tray/tray_drive.exe"

# Runs a program of this build under Wine in the build's own prefix.
wine_run=("$repo/tools/wine/wine-run" --prefix "$build/wineprefix")

# build_targets TARGET... : configures the build folder with the windows preset's toolchain if it
# is not configured yet, then builds the targets.
build_targets() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        if [ "$build" = "$repo/build/windows" ]; then
            (cd "$repo" && cmake --preset windows >/dev/null) || return 1
        else
            cmake -S "$repo" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-mingw64.cmake" \
                >/dev/null || return 1
        fi
    fi
    cmake --build "$build" -j2 --target "$@" >/dev/null || return 1
}

# script_help FILE : prints the comment block at the top of a script (its usage), without the #.
script_help() {
    sed -n '2,/^[^#]/{/^#/!q;s/^# \{0,1\}//;p}' "$1"
}

# help_requested "$@" : true when an argument asks for the usage (--help or -h).
help_requested() {
    local argument
    for argument in "$@"; do
        [ "$argument" = --help ] || [ "$argument" = -h ] && return 0
    done
    return 1
}

# usage_error SCRIPT MESSAGE : the message and the script's usage on stderr, then exit 2.
usage_error() {
    echo "$(basename "$1"): $2" >&2
    script_help "$1" >&2
    exit 2
}

# expect_arguments SCRIPT MOST PATTERN "$@" : at most MOST arguments, each matching the extended
# regular expression PATTERN; anything else is refused through usage_error.
expect_arguments() {
    local script=$1 most=$2 pattern=$3
    shift 3
    [ $# -le "$most" ] || usage_error "$script" "too many arguments: $*"
    local argument
    for argument in "$@"; do
        [[ "$argument" =~ $pattern ]] || usage_error "$script" "unknown argument: $argument"
    done
}

# The argument patterns the scripts take.
number_argument='^[0-9]+$'
path_argument='^[^-]'

# The preamble of every script in tools/: --help (or -h) prints the usage and exits 0 before
# anything is done; then the arguments are checked (see expect_arguments).
#   script_preamble SCRIPT MOST PATTERN "$@"
script_preamble() {
    local script=$1 most=$2 pattern=$3
    shift 3
    help_requested "$@" && { script_help "$script"; exit 0; }
    expect_arguments "$script" "$most" "$pattern" "$@"
}
