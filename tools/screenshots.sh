#!/bin/bash
# Makes the documentation's pictures of the main window on a private Xvfb:
#   docs/calculation-page.png  the first run's calculation page
#   docs/timetable-page.png    the timetable page after "Create Praying Times"
#   docs/calendar-page.png     the calendar page (Hijri year, as at every start)
#   docs/calendar-page-next-years.png  the calendar page twelve Hijri years on
#   docs/author-page.png       the author page
#   docs/animation-page.png    the animation page in the middle of a prayer
#   docs/animation-prostration.png  the animation page in a prostration of the morning prayer
#   docs/animation-middle-sitting.png  the animation page in the middle sitting of the afternoon prayer
#   docs/calculation-settings.png  the calculation settings dialog after Ifrane (Morocco, 1648 m) was
#                              taken from the Find town dialog with its country's usual method
#   docs/find-town.png         the Find town dialog after typing "Kar"
#   docs/reminders-dialog.png  the Reminders dialog with its defaults
set -u
source "$(dirname "$0")/selvara-display.sh"
script_preamble "$0" 0 "" "$@"

build_targets selvara selvara_drive || { echo "build failed" >&2; exit 1; }
prepare_run_dir run-screenshots fresh || exit 1
drive="$selvara_drive_exe"

use_display force-xvfb || exit 1
start_selvara || exit 1
sleep 0.5
screenshot "$repo/docs/calculation-page.png" || exit 1
"${wine_run[@]}" "$drive" find-place Kar || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/find-town.png" || exit 1
"${wine_run[@]}" "$drive" close-find || { kill "$program_pid"; exit 1; }
sleep 0.5
"${wine_run[@]}" "$drive" open-reminders || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/reminders-dialog.png" || exit 1
"${wine_run[@]}" "$drive" close-reminders || { kill "$program_pid"; exit 1; }
sleep 0.5
"${wine_run[@]}" "$drive" create-timetable || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/timetable-page.png" || exit 1
"${wine_run[@]}" "$drive" show-tab calendar || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/calendar-page.png" || exit 1
"${wine_run[@]}" "$drive" next-year 12 || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/calendar-page-next-years.png" || exit 1
"${wine_run[@]}" "$drive" show-tab author || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/author-page.png" || exit 1
# Row 0 (Fajr, obligatory) at the default 100 ms: after about 8.5 s the figure holds the bow of
# the first unit, the man's and the woman's detail pictures show the folded hands.
"${wine_run[@]}" "$drive" show-tab animation || { kill "$program_pid"; exit 1; }
"${wine_run[@]}" "$drive" play-prayer 0 8500 || { kill "$program_pid"; exit 1; }
screenshot "$repo/docs/animation-page.png" || exit 1
# The waits are wall-clock: look at each picture after making it.
"${wine_run[@]}" "$drive" play-prayer 0 12600 || { kill "$program_pid"; exit 1; }
screenshot "$repo/docs/animation-prostration.png" || exit 1
"${wine_run[@]}" "$drive" play-prayer 2 33400 || { kill "$program_pid"; exit 1; }
screenshot "$repo/docs/animation-middle-sitting.png" || exit 1
# Last, so that the pages above keep the first run's place: a Moroccan town in the mountains, taken
# with its country's usual method, then the settings dialog showing what it brought.
"${wine_run[@]}" "$drive" show-tab calculation || { kill "$program_pid"; exit 1; }
"${wine_run[@]}" "$drive" find-place Ifrane || { kill "$program_pid"; exit 1; }
sleep 0.5
"${wine_run[@]}" "$drive" take-find || { kill "$program_pid"; exit 1; }
sleep 0.5
"${wine_run[@]}" "$drive" open-settings morocco 0 || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/calculation-settings.png" || exit 1
"${wine_run[@]}" "$drive" close-settings || { kill "$program_pid"; exit 1; }
sleep 0.5
"${wine_run[@]}" "$drive" close
wait "$program_pid"
echo "wrote docs/calculation-page.png, calculation-settings.png, find-town.png, reminders-dialog.png, timetable-page.png, calendar-page.png, calendar-page-next-years.png, author-page.png, animation-page.png, animation-prostration.png and animation-middle-sitting.png"
