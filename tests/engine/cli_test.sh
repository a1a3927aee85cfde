#!/usr/bin/env bash
# Drives selvara-cli as a script would and compares its bytes with the golden tables.
# Usage: cli_test.sh DATA_DIR COMMAND... (COMMAND is the tool, possibly behind an emulator)
set -u
source "$(dirname "$0")/../../tools/build-paths.sh"
case "${1:-}" in -h | --help) script_help "$0"; exit 0 ;; esac
[ $# -ge 2 ] && [ -d "$1" ] || usage_error "$0" "needs a DATA_DIR and a COMMAND"
data=$1
shift
cli=("$@")
source "$(dirname "$0")/../support/cli_checks.sh"

# Timetables, byte for byte, to standard output and to a file.
run timetable --lat 45.49 --lon 15.59 --zone 1 --year 2026 --month 1
cmp -s "$scratch/out" "$data/zagreb-2026-01.txt"; check "timetable to stdout" $?
run timetable --lat -33.87 --lon 151.21 --zone 10 --year 2026 --month 6 --out "$scratch/sydney.txt"
[ "$status" -eq 0 ] && [ ! -s "$scratch/out" ] && cmp -s "$scratch/sydney.txt" "$data/sydney-2026-06.txt"
check "timetable to a file" $?
run timetable --lat 69.65 --lon 18.96 --zone 1 --year 2026 --month 12
cmp -s "$scratch/out" "$data/tromso-2026-12.txt"; check "polar winter timetable" $?

# Defaults: the default place and this month of the local clock.
run timetable
month_name=$(LC_ALL=C date +%B)
year=$(date +%Y)
[ "$status" -eq 0 ] && grep -q "Praying times for a month: $month_name  $year" "$scratch/out"
check "default month" $?
run timetable --year 2026 --month 1
cmp -s "$scratch/out" "$data/zagreb-2026-01.txt"; check "default place" $?

# The positive day-count mode carries into the next month: 31 December 2025 was a Wednesday, and the
# day column is two characters wide, padded with a space.
run timetable --year 2025 --month 12 --first-day 31 --days 2
lines=$(printf '%s\n' "$out" | tail -n 2 | cut -c1-8 | tr '\n' '|')
[ "$lines" = "31   Wed| 1   Thu|" ]
check "first-day/days carry ($lines)" $?

# Six decimal hours with at least nine decimals.
run times --lat 45.49 --lon 15.59 --zone 1 --date 2026-01-01
printf '%s\n' "$out" | grep -Eq '^5\.7[0-9]{8,} 7\.6[0-9]{8,} 12\.0[0-9]{8,} 14\.1[0-9]{8,} 16\.4[0-9]{8,} 17\.9[0-9]{8,}$'
check "times ($out)" $?

# Hijri dates, one day and a range.
run hijri 2024-03-11
[ "$out" = "2024-03-11 1445-09-01 Mon" ]; check "hijri day ($out)" $?
run hijri --from 2024-03-08 --to 2024-03-12
[ "$out" = "$(cat "$data/hijri-2024-03.txt")" ]; check "hijri range" $?
run hijri 2029-05-14
[ "$out" = "2029-05-14 1451-01-01 Mon" ]; check "hijri after 1450 ($out)" $?
run hijri 1900-04-30
[ "$out" = "1900-04-30 1318-01-01 Mon" ]; check "hijri first day of the table ($out)" $?
run hijri 2077-11-16
[ "$out" = "2077-11-16 1500-12-30 Tue" ]; check "hijri last day of the table ($out)" $?
run hijri 2077-11-17
[ "$status" -eq 2 ] && printf '%s' "$err" | grep -q "1900-04-30 to 2077-11-16 (Hijri 1318 to 1500)"
check "hijri after the table" $?
run hijri --from 1900-04-29 --to 1900-05-01
[ "$status" -eq 2 ] && printf '%s' "$err" | grep -q "1900-04-29 is outside the Hijri table"
check "hijri range starting before the table" $?

# RamaDHaan 1460, and the adjustment across a month end (29 SHa`baan 1445 is 2024-03-10).
run hijri --from 2038-09-29 --to 2038-09-30
[ "$out" = "2038-09-29 1460-08-29 Wed
2038-09-30 1460-09-01 Thu" ]; check "hijri RamaDHaan 1460 ($out)" $?
run hijri --from 2024-03-09 --to 2024-03-11 --hijri-adjust 2
[ "$out" = "2024-03-09 1445-09-01 Sat
2024-03-10 1445-09-02 Sun
2024-03-11 1445-09-03 Mon" ]; check "hijri adjusted by 2 ($out)" $?
run hijri 2024-03-11 --hijri-adjust -2
[ "$out" = "2024-03-11 1445-08-28 Mon" ]; check "hijri adjusted by -2 ($out)" $?
run hijri 1900-04-30 --hijri-adjust -1
[ "$status" -eq 2 ] && printf '%s' "$err" | grep -q "1900-05-01 to 2077-11-17 (Hijri 1318 to 1500)"
check "hijri adjusted out of the table" $?

# Daylight time: with --tz each day of the table is the day computed with that day's offset as
# its zone. The days of change (from data/zone-changes.txt, read independently from the tz
# database) split the month into two fixed-zone tables: lines up to LAST come from the first zone,
# the rest from the second. Both hemispheres, half-hour zones and a change at midnight.
#   zone lat lon year month last-day-of-first-offset first-zone second-zone
daylight_months=(
    "Europe/London 51.51 -0.13 2026 3 28 0 1"
    "Europe/London 51.51 -0.13 2026 10 24 1 0"
    "America/New_York 40.71 -74.01 2026 3 7 -5 -4"
    "America/New_York 40.71 -74.01 2026 11 0 -5 -5"
    "Australia/Sydney -33.87 151.21 2026 4 4 11 10"
    "Australia/Sydney -33.87 151.21 2026 10 3 10 11"
    "America/Santiago -33.45 -70.67 2026 4 4 -3 -4"
    "America/Santiago -33.45 -70.67 2026 9 5 -4 -3"
    "Africa/Cairo 30.04 31.24 2026 4 23 2 3"
    "Africa/Cairo 30.04 31.24 2026 10 29 3 2"
    "Asia/Tehran 35.69 51.39 2021 3 21 3:30 4:30"
    "Asia/Tehran 35.69 51.39 2026 3 31 3:30 3:30"
    "Asia/Kolkata 28.61 77.21 2026 6 30 5:30 5:30"
    "Asia/Kathmandu 27.72 85.32 2026 6 30 5.75 5.75"
)
for row in "${daylight_months[@]}"; do
    read -r zone lat lon year month last first second <<<"$row"
    common=(--lat "$lat" --lon "$lon" --year "$year" --month "$month" --method mwl)
    run timetable "${common[@]}" --tz "$zone"
    cp "$scratch/out" "$scratch/tz.txt"
    tz_status=$status
    run timetable "${common[@]}" --zone "$first"
    cp "$scratch/out" "$scratch/first.txt"
    run timetable "${common[@]}" --zone "$second"
    cp "$scratch/out" "$scratch/second.txt"
    { head -n $((5 + last)) "$scratch/first.txt"; tail -n +$((6 + last)) "$scratch/second.txt"; } >"$scratch/spliced.txt"
    [ "$tz_status" -eq 0 ] && cmp -s "$scratch/tz.txt" "$scratch/spliced.txt"
    check "daylight month: $row" $?
done

# Zones in minutes: the three spellings of one zone give the same bytes.
run timetable --lat 28.61 --lon 77.21 --zone 5:30 --year 2026 --month 6
cp "$scratch/out" "$scratch/colon.txt"
run timetable --lat 28.61 --lon 77.21 --zone 5.5 --year 2026 --month 6
cmp -s "$scratch/out" "$scratch/colon.txt" && grep -q "^ 1   Mon" "$scratch/out"
check "zone 5:30 and 5.5" $?
run timetable --lat 28.61 --lon 77.21 --zone +05:30 --year 2026 --month 6
cmp -s "$scratch/out" "$scratch/colon.txt"; check "zone +05:30" $?

# Adjustments move each column by their minutes: dawn +2 on 1 January (05:45 in the golden table).
run timetable --lat 45.49 --lon 15.59 --zone 1 --year 2026 --month 1 --adjust 2,0,0,0,0,-4
line=$(printf '%s\n' "$out" | sed -n 6p)
[ "$line" = " 1   Thu      05:47     07:37     12:01     14:07     16:24     17:50     " ]
check "adjust ($line)" $?

# The method options leave the default bytes alone when they name the defaults.
run timetable --lat 45.49 --lon 15.59 --zone 1 --year 2026 --month 1 --method SELVARA --asr standard --adjust 0,0,0,0,0,0
cmp -s "$scratch/out" "$data/zagreb-2026-01.txt"; check "default method named" $?

# School names are found without regard to case, as in selvara.ini.
run timetable --lat 45.49 --lon 15.59 --zone 1 --year 2026 --month 1 --asr hanafi
cp "$scratch/out" "$scratch/hanafi.txt"
run timetable --lat 45.49 --lon 15.59 --zone 1 --year 2026 --month 1 --asr Hanafi
[ "$status" -eq 0 ] && cmp -s "$scratch/out" "$scratch/hanafi.txt" && ! cmp -s "$scratch/out" "$data/zagreb-2026-01.txt"
check "asr Hanafi as hanafi (status $status)" $?

# An unknown method lists the names.
run times --lat 45 --lon 15 --zone 1 --date 2026-01-01 --method nosuch
[ "$status" -eq 2 ] && printf '%s' "$err" | grep -q "selvara mwl isna egypt karachi makkah gulf kuwait qatar singapore turkey tehran jafari france russia"
check "unknown method lists the names (status $status)" $?

# times with --tz: the offset of the day (London in summer: one hour later than with --zone 0).
run times --lat 51.51 --lon -0.13 --tz Europe/London --date 2026-07-01
summer=$out
run times --lat 51.51 --lon -0.13 --zone 1 --date 2026-07-01
[ "$summer" = "$out" ]; check "times with --tz ($summer)" $?

# next: the time after a moment of the place's clock, as the published January table prints it
# (1 January: Asr 14:07; 2 January: Fajr 05:45), and the minutes until it.
run next --lat 45.49 --lon 15.59 --zone 1 --at 2026-01-01T13:00
[ "$status" -eq 0 ] && [ "$out" = $'Asr\t14:07\t67' ]; check "next in the afternoon ($out)" $?
run next --at 2026-01-01T14:07
[ "$out" = $'Maghrib\t16:24\t137' ]; check "next on a time's own minute ($out)" $?
run next --at 2026-01-01T23:59
[ "$out" = $'Fajr\t05:45\t346' ]; check "next across midnight ($out)" $?
run next
[ "$status" -eq 0 ] && printf '%s\n' "$out" | grep -Eq $'^(Fajr|Sunrise|Dhuhr|Asr|Maghrib|Isha)\t[0-2][0-9]:[0-5][0-9]\t[0-9]+$'
check "next now ($out)" $?

# Bad arguments: one error line, the usage, exit 2.
bad_arguments=(
    "timetable --bogus 1"
    "timetable --month 13"
    "timetable --month 0"
    "timetable --lat 91"
    "timetable --lon -181"
    "timetable --zone 15"
    "timetable --lat 4x5"
    "timetable --lat"
    "timetable --first-day 3"
    "timetable --month 2 --year 2023 --first-day 29 --days 1"
    "times --lat 45 --lon 15 --zone 1 --date 2023-02-29"
    "times --lat 45 --lon 15 --zone 1"
    "timetable --method nosuch"
    "timetable --asr shafii"
    "timetable --adjust 1,2,3,4,5"
    "timetable --adjust 1,2,3,4,5,6,7"
    "timetable --adjust 1,2,3,4,5,121"
    "timetable --adjust 1,2,x,4,5,6"
    "timetable --elevation 9001"
    "timetable --elevation -501"
    "times --lat 45 --lon 15 --zone 1 --date 2026-01-01 --elevation 12m"
    "timetable --high-lat polar"
    "times --lat 45 --lon 15 --zone 1 --date 2026-01-01 --high-lat"
    "timetable --zone 5:60"
    "timetable --zone abc"
    "timetable --zone 5.33"
    "timetable --zone 1 --tz Europe/London"
    "timetable --tz Europe/Nowhere"
    "times --lat 45 --lon 15 --tz Mars/Olympus --date 2026-01-01"
    "times --lat 45 --lon 15 --tz Europe/London --zone 0 --date 2026-01-01"
    "hijri 2024-13-01"
    "hijri --from 2024-01-01"
    "hijri --from 2024-03-12 --to 2024-03-11"
    "hijri 2024-03-11 --hijri-adjust 3"
    "hijri 2024-03-11 --hijri-adjust -3"
    "hijri 2024-03-11 --hijri-adjust 1.5"
    "hijri 2024-03-11 --hijri-adjust"
    "hijri 2024-03-11 --from 2024-03-11 --to 2024-03-12"
    "hijri 2024-03-11 2024-03-12"
    "frobnicate"
    "qibla"
    "timetable --extra"
    "timetable --format text --extra"
    "times --lat 45 --lon 15 --zone 1 --date 2026-01-01 --extra --imsak 61"
    "times --lat 45 --lon 15 --zone 1 --date 2026-01-01 --extra --night dawn"
    "qibla --lat 45"
    "qibla --lat 91 --lon 0"
    "qibla --lat 45 --lon 15 --place Zagreb"
    "next --at 2026-01-01T24:00"
    "next --at 2026-01-01 13:00"
    "next --at 2026-02-30T10:00"
    "next --at 2026-01-01T1:00"
)
for arguments in "${bad_arguments[@]}"; do
    # shellcheck disable=SC2086
    run $arguments
    [ "$status" -eq 2 ] && printf '%s\n' "$err" | head -n 1 | grep -q '^selvara-cli: ' &&
        printf '%s' "$err" | grep -q '^usage:' && [ -z "$out" ]
    check "bad arguments: $arguments (status $status)" $?
done

# qibla: the bearing with two decimals and the whole kilometres, checked against GeographicLib's
# values for New York and Sydney (data/qibla-bearings.txt); at the Kaaba and its antipode, words.
tab=$'\t'
for line in "40.714167 -74.006389 58.48${tab}10306" "-33.866667 151.216667 277.50${tab}13237" \
    "21.4225241 39.8261818 at the Kaaba${tab}0" \
    "-21.4225241 -140.1738182 at the antipode of the Kaaba: every direction${tab}20015"; do
    read -r latitude longitude expected <<<"$line"
    run qibla --lat "$latitude" --lon "$longitude"
    [ "$status" -eq 0 ] && [ "$out" = "$expected" ]; check "qibla $latitude $longitude ($out)" $?
done

# The night's times: after the six on the times line (the night past midnight above 24 hours), and
# as three more CSV columns folded into the clock's day. London, 21 June 2026, from
# data/night_times.csv (a separate script's values): midnight 23.798348483, last third 24.609506636.
run times --lat 51.5 --lon -0.12 --zone 1 --date 2026-06-21 --extra
printf '%s\n' "$out" | awk '{ exit !(NF == 9 && $7 > 2.0617 && $7 < 2.0618 && $8 > 23.79834 && $8 < 23.79835 &&
    $9 > 24.60950 && $9 < 24.60951) }'
check "times --extra ($out)" $?
run timetable --lat 51.5 --lon -0.12 --zone 1 --year 2026 --month 6 --format csv --extra
[ "$status" -eq 0 ] && [ "$(printf '%s\n' "$out" | head -n 1)" = \
    "date,weekday,fajr,sunrise,dhuhr,asr,maghrib,isha,imsak,midnight,last_third" ] &&
    printf '%s\n' "$out" | grep -q '^2026-06-21,Sun,02:13,04:42,13:02,17:25,21:21,22:51,02:03,23:47,00:36$'
check "timetable --format csv --extra (status $status)" $?

# CSV: the header, then the day lines of the published January table as fields.
run timetable --lat 45.49 --lon 15.59 --zone 1 --year 2026 --month 1 --format csv
csv_head='date,weekday,fajr,sunrise,dhuhr,asr,maghrib,isha|2026-01-01,Thu,05:45,07:37,12:01,14:07,16:24,17:54|'
[ "$status" -eq 0 ] && [ "$(printf '%s\n' "$out" | head -n 2 | tr '\n' '|')" = "$csv_head" ] &&
    [ "$(grep -c $'\r$' "$scratch/out")" -eq 32 ]
check "timetable --format csv (status $status)" $?
run timetable --year 2026 --month 1 --format text
cmp -s "$scratch/out" "$data/zagreb-2026-01.txt"; check "--format text is the fixed-column table" $?

# A named method prints each time rounded to the nearest minute: the timetable's minutes are the
# decimal hours of `times` rounded (Ankara, turkey: its own minutes included in both).
run times --lat 39.93 --lon 32.86 --zone 3 --date 2026-10-05 --method turkey
rounded=$(printf '%s\n' "$out" | awk '{ for (i = 1; i <= NF; i++) { m = int($i * 60 + 0.5);
    printf "%02d:%02d     ", int(m / 60), m % 60 } }')
run timetable --lat 39.93 --lon 32.86 --zone 3 --year 2026 --month 10 --first-day 5 --days 1 --method turkey
line=$(printf '%s\n' "$out" | sed -n 6p | tr -d '\r')
[ "$line" = " 5   Mon      $rounded" ]; check "named method rounds its minutes ($line)" $?

# Where the twilight does not end (58 degrees in June), --high-lat none leaves dawn and the evening
# empty in the CSV; a rule fills them. The elevation lowers the horizon: an earlier sunrise.
common=(--lat 58 --lon 10.75 --zone 2 --year 2026 --month 6 --first-day 21 --days 1 --method karachi --format csv)
run timetable "${common[@]}" --high-lat none
printf '%s\n' "$out" | sed -n 2p | grep -Eq '^2026-06-21,Sun,,[0-9]{2}:[0-9]{2},[0-9:]{5},[0-9:]{5},[0-9:]{5},$'
check "--high-lat none: empty twilight fields" $?
run timetable "${common[@]}" --high-lat seventh
printf '%s\n' "$out" | sed -n 2p | grep -Eq '^2026-06-21,Sun(,[0-9]{2}:[0-9]{2}){6}$'
check "--high-lat seventh: every field" $?
run times --lat 33.53 --lon -5.11 --zone 1 --date 2026-03-20 --method mwl
sea=$(printf '%s\n' "$out" | cut -d' ' -f2)
run times --lat 33.53 --lon -5.11 --zone 1 --date 2026-03-20 --method mwl --elevation 1665
high=$(printf '%s\n' "$out" | cut -d' ' -f2)
# The dip from 1665 m is 1.31 degrees; the sun climbs 12.5 degrees an hour there in March.
awk -v a="$sea" -v b="$high" 'BEGIN { d = (a - b) * 60; exit !(d > 5.8 && d < 6.8) }'
check "--elevation 1665: sunrise about 6.3 minutes earlier ($sea, $high)" $?

# Bulk: every file holds the single call's bytes; a bad row is named by its line, the others are
# written and the run ends with 1; names are made safe and distinct.
printf '%s\r\n' 'name,latitude,longitude,zone,method' 'Zagreb,45.49,15.59,1,' \
    '"Mosque ""Al, Noor""",-33.87,151.21,10,' 'Nowhere,91,0,1,' 'zagreb,69.65,18.96,1,' \
    'London,51.5,-0.12,Europe/London,mwl' >"$scratch/places.csv"
run timetable --places "$scratch/places.csv" --year 2026 --out-dir "$scratch/bulk"
[ "$status" -eq 1 ] && printf '%s\n' "$err" | grep -q 'places.csv:4: bad latitude "91"' &&
    [ "$(ls "$scratch/bulk" | wc -l)" -eq 48 ]
check "bulk run with a bad row (status $status)" $?
bulk_same=0
while read -r file month arguments; do
    # shellcheck disable=SC2086
    run timetable $arguments --year 2026 --month "$month"
    cmp -s "$scratch/out" "$scratch/bulk/$file" || { bulk_same=1; echo "differs: $file"; }
done <<'TABLE'
Zagreb-2026-01.txt 1 --lat 45.49 --lon 15.59 --zone 1
Zagreb-2026-12.txt 12 --lat 45.49 --lon 15.59 --zone 1
Mosque__Al__Noor_-2026-06.txt 6 --lat -33.87 --lon 151.21 --zone 10
zagreb-2-2026-12.txt 12 --lat 69.65 --lon 18.96 --zone 1
London-2026-03.txt 3 --lat 51.5 --lon -0.12 --tz Europe/London --method mwl
TABLE
check "bulk files are the single calls' bytes" $bulk_same
run timetable --places "$scratch/places.csv" --year 2026 --month 2 --format csv --out-dir "$scratch/bulk-csv"
bulk_status=$status
run timetable --lat -33.87 --lon 151.21 --zone 10 --year 2026 --month 2 --format csv
[ "$bulk_status" -eq 1 ] && [ "$(ls "$scratch/bulk-csv" | wc -l)" -eq 4 ] &&
    cmp -s "$scratch/out" "$scratch/bulk-csv/Mosque__Al__Noor_-2026-02.csv"
check "bulk CSV, one month" $?
printf 'name,latitude\r\nA,1\r\n' >"$scratch/no-zone.csv"
run timetable --places "$scratch/no-zone.csv" --year 2026 --out-dir "$scratch/bulk-none"
[ "$status" -eq 2 ] && printf '%s\n' "$err" | grep -q 'no-zone.csv:1: no column "longitude"' &&
    [ ! -d "$scratch/bulk-none" ]
check "bulk run with a bad header (status $status)" $?
run timetable --places "$scratch/places.csv" --out-dir "$scratch/bulk"
[ "$status" -eq 2 ]; check "bulk run needs --year (status $status)" $?
run timetable --places "$scratch/places.csv" --year 2026 --out-dir "$scratch/bulk" --lat 1
[ "$status" -eq 2 ]; check "bulk run refuses --lat (status $status)" $?

# An output file that cannot be written.
run timetable --out /no/such/folder/PrayingTimes.txt
[ "$status" -eq 1 ] && printf '%s' "$err" | grep -q '^Can not open file: /no/such/folder/PrayingTimes.txt$'
check "unwritable output (status $status)" $?

# Standard output that takes nothing (a full disk): a message and exit 1, for every command. Only for
# the host's own tool: Wine reports a write to /dev/full as done, so the .exe never sees the error.
if [ -w /dev/full ] && [ "${#cli[@]}" -eq 1 ]; then
    for arguments in "timetable" "times --lat 45 --lon 15 --zone 1 --date 2026-01-01" "hijri 2024-03-11" \
        "hijri --from 2024-03-08 --to 2024-03-12"; do
        # shellcheck disable=SC2086
        "${cli[@]}" $arguments >/dev/full 2>"$scratch/err"
        status=$?
        [ "$status" -eq 1 ] && tr -d '\r' <"$scratch/err" | grep -q '^selvara-cli: Can not write to standard output$'
        check "full standard output: $arguments (status $status)" $?
    done
fi

finish_checks
