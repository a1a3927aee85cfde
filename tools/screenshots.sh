#!/bin/bash
# Makes the documentation's pictures of the main window on a private Xvfb:
#   docs/calculation-page.png  the first run's calculation page
#   docs/timetable-page.png    the timetable page after "Create Praying Times"
#   docs/calendar-page.png     the calendar page (Hijri year, as at every start)
#   docs/calendar-page-next-years.png  the calendar page twelve Hijri years on
#   docs/author-page.png       the author page
#   docs/animation-page.png    the animation page in the middle of a prayer
#   docs/calculation-settings.png  the calculation settings dialog with karachi and the Hanafi Asr
set -u
source "$(dirname "$0")/selvara-display.sh"

build_targets selvara selvara_drive || { echo "build failed" >&2; exit 1; }
run_dir="$build/run-screenshots"
rm -rf "$run_dir"
mkdir -p "$run_dir"
cp -f "$(built_program selvara.exe)" "$run_dir/"
data="$(built_program panim.dat)"
[ -n "$data" ] || { echo "panim.dat was not built" >&2; exit 1; }
cp -f "$data" "$run_dir/"
drive="$(built_program selvara_drive.exe)"

use_display force-xvfb || exit 1
(cd "$run_dir" && "${wine_run[@]}" ./selvara.exe) &
program_pid=$!
"${wine_run[@]}" "$drive" wait-window || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/calculation-page.png" || exit 1
"${wine_run[@]}" "$drive" open-settings karachi 1 || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/calculation-settings.png" || exit 1
"${wine_run[@]}" "$drive" close-settings || { kill "$program_pid"; exit 1; }
sleep 0.5
"${wine_run[@]}" "$drive" create-timetable || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/timetable-page.png" || exit 1
"${wine_run[@]}" "$drive" show-tab 2 201 || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/calendar-page.png" || exit 1
"${wine_run[@]}" "$drive" next-year 12 || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/calendar-page-next-years.png" || exit 1
"${wine_run[@]}" "$drive" show-tab 4 400 || { kill "$program_pid"; exit 1; }
sleep 0.5
screenshot "$repo/docs/author-page.png" || exit 1
# Row 0 (Fajr, obligatory) at the default 100 ms: after about 8.5 s the figure holds the bow of
# the first unit, the man's and the woman's detail pictures show the folded hands.
"${wine_run[@]}" "$drive" show-tab 3 300 || { kill "$program_pid"; exit 1; }
"${wine_run[@]}" "$drive" play-prayer 0 8500 || { kill "$program_pid"; exit 1; }
screenshot "$repo/docs/animation-page.png" || exit 1
"${wine_run[@]}" "$drive" close
wait "$program_pid"
echo "wrote docs/calculation-page.png, calculation-settings.png, timetable-page.png, calendar-page.png, calendar-page-next-years.png, author-page.png and animation-page.png"
