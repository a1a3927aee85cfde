#!/bin/bash
# Makes the documentation's pictures of the reminder on a private Xvfb, on a test clock set to
# 1 January 2026 in the default town (Zagreb, +01:00):
#   docs/reminder-menu.png          the icon's menu at 13:00, Asr (14:07) marked as the next time
#   docs/reminder-notification.png  the notification at Asr
# Sounds are only logged (the program runs with --test-log), never played.
set -u
source "$(dirname "$0")/selvara-display.sh"
help_requested "$@" && { script_help "$0"; exit 0; }

build_targets selvara-tray tray_drive || { echo "build failed" >&2; exit 1; }
run_dir="$build/run-tray-screenshots"
rm -rf "$run_dir" && mkdir -p "$run_dir" && cp -f "$tray_exe" "$run_dir/" || exit 1
drive=("${wine_run[@]}" "$tray_drive_exe")

use_display force-xvfb || exit 1
(cd "$run_dir" && "${wine_run[@]}" ./selvara-tray.exe --test-log log.txt) &
program_pid=$!
"${drive[@]}" wait || { kill "$program_pid"; exit 1; }
sleep 1
"${drive[@]}" clock 2026-01-01T12:00 && "${drive[@]}" menu || { kill "$program_pid"; exit 1; }
sleep 1
screenshot "$repo/docs/reminder-menu.png" || exit 1
"${drive[@]}" escape
"${drive[@]}" clock 2026-01-01T13:06 && "${drive[@]}" clock 2026-01-01T13:07 || { kill "$program_pid"; exit 1; }
# The balloon comes up after a moment.
sleep 3
screenshot "$repo/docs/reminder-notification.png" || exit 1
"${drive[@]}" close
wait "$program_pid"
echo "wrote docs/reminder-menu.png and docs/reminder-notification.png"
