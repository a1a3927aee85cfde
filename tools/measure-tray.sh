#!/bin/bash
# The reminder at rest under Wine: its stripped size, then CPU time and working set over an idle
# stretch (default 600 s; the figures per hour are scaled from it). Two views of the same process:
# what Windows' own counters say (GetProcessTimes, GetProcessMemoryInfo, read by tray_drive), and
# the host's view of the Wine process (/proc: user + system time, resident set, which includes
# Wine's own libraries).
#
#   tools/measure-tray.sh [seconds]        SELVARA_BUILD_DIR picks the build folder.
set -u
source "$(dirname "$0")/selvara-display.sh"
help_requested "$@" && { script_help "$0"; exit 0; }
seconds="${1:-600}"

build_targets selvara-tray tray_drive || { echo "build failed" >&2; exit 1; }
run_dir="$build/run-measure-tray"
rm -rf "$run_dir" && mkdir -p "$run_dir" || exit 1
strip_tool=$(command -v x86_64-w64-mingw32-strip) || { echo "no x86_64-w64-mingw32-strip" >&2; exit 1; }
"$strip_tool" --strip-all -o "$run_dir/selvara-tray.exe" "$tray_exe" || exit 1
echo "selvara-tray.exe stripped: $(stat -c %s "$run_dir/selvara-tray.exe") bytes"
drive=("${wine_run[@]}" "$tray_drive_exe")

use_display || exit 1
# With --test-log no sound is played if a time falls inside the stretch; the clock is the real one.
(cd "$run_dir" && "${wine_run[@]}" ./selvara-tray.exe --test-log log.txt) &
program_pid=$!
"${drive[@]}" wait || { kill "$program_pid"; exit 1; }
sleep 5  # start-up is not idling
host_pid=$(pgrep -n -f 'selvara-tray.exe --test-log') || { echo "no host process" >&2; exit 1; }
host_cpu_ticks() { awk '{print $14 + $15}' "/proc/$host_pid/stat"; }
ticks_per_second=$(getconf CLK_TCK)
before_host=$(host_cpu_ticks)
before=$("${drive[@]}" usage) || { kill "$program_pid"; exit 1; }
sleep "$seconds"
after_host=$(host_cpu_ticks)
after=$("${drive[@]}" usage) || { kill "$program_pid"; exit 1; }
rss_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$host_pid/status")
"${drive[@]}" close
wait "$program_pid"

cpu_before=$(echo "$before" | awk '{print $2}')
cpu_after=$(echo "$after" | awk '{print $2}')
echo "idle stretch: $seconds s"
echo "Windows counters: cpu $((cpu_after - cpu_before)) ms ($(( (cpu_after - cpu_before) * 3600 / seconds )) ms per hour); $(echo "$after" | cut -d' ' -f3-)"
host_ms=$(( (after_host - before_host) * 1000 / ticks_per_second ))
echo "host process: cpu $host_ms ms ($(( host_ms * 3600 / seconds )) ms per hour); resident $rss_kb KB"
