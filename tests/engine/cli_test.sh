#!/usr/bin/env bash
# Drives selvara-cli as a script would and compares its bytes with the golden tables.
# Usage: cli_test.sh DATA_DIR COMMAND... (COMMAND is the tool, possibly behind an emulator)
set -u
data=$1
shift
cli=("$@")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0

check() {  # check NAME CONDITION-STATUS
    if [ "$2" -eq 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $1"
    fi
}

# run ARGS...: sets out, err (CR removed from err) and status
run() {
    "${cli[@]}" "$@" >"$scratch/out" 2>"$scratch/err"
    status=$?
    out=$(tr -d '\r' <"$scratch/out")
    err=$(tr -d '\r' <"$scratch/err")
}

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
[ "$status" -eq 2 ] && printf '%s' "$err" | grep -q "1999-04-17 to 2029-05-13"
check "hijri outside the table" $?

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
    "hijri 2024-13-01"
    "hijri --from 2024-01-01"
    "hijri --from 2024-03-12 --to 2024-03-11"
    "frobnicate"
)
for arguments in "${bad_arguments[@]}"; do
    # shellcheck disable=SC2086
    run $arguments
    [ "$status" -eq 2 ] && printf '%s\n' "$err" | head -n 1 | grep -q '^selvara-cli: ' &&
        printf '%s' "$err" | grep -q '^usage:' && [ -z "$out" ]
    check "bad arguments: $arguments (status $status)" $?
done

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

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
