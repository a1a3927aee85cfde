#!/usr/bin/env bash
# Drives `selvara-cli places` and `--place` as a script would. The native tool takes UTF-8 queries;
# under Wine the arguments reach the program in code page 1252, so the accented queries run natively.
# Usage: cli_places_test.sh native|windows COMMAND... (COMMAND is the tool, possibly behind an emulator)
set -u
flavour=$1
shift
cli=("$@")
source "$(dirname "$0")/../support/cli_checks.sh"
tab=$'\t'

# The list: ten lines by default, best first, six tab-separated fields with 4 decimals.
run places Kar
[ "$status" -eq 0 ] && [ "$(printf '%s\n' "$out" | wc -l)" -eq 10 ] &&
    printf '%s\n' "$out" | head -n 1 | grep -Eq "^Karachi${tab}PK${tab}24\.8608${tab}67\.0104${tab}Asia/Karachi${tab}[0-9]+$"
check "places Kar ($(printf '%s\n' "$out" | head -n 1))" $?
! grep -q $'\r' "$scratch/out"; check "places: LF line ends" $?
run places Kar --limit 3
[ "$status" -eq 0 ] && [ "$(printf '%s\n' "$out" | wc -l)" -eq 3 ]; check "places --limit 3" $?
run places lumpur --limit 1
[ "$out" = "Kuala Lumpur${tab}MY${tab}3.1412${tab}101.6865${tab}Asia/Kuala_Lumpur${tab}1453975" ]
check "places lumpur ($out)" $?
run places "sao paulo" --limit 1
printf '%s\n' "$out" | grep -Eq "${tab}BR${tab}-23\.5475${tab}-46\.6361${tab}America/Sao_Paulo${tab}"
check "places sao paulo ($out)" $?
run places xqzv
[ "$status" -eq 1 ] && [ -z "$out" ]; check "places: no match, exit 1" $?
run places Kar --limit 0
[ "$status" -eq 2 ]; check "places --limit 0" $?
run places
[ "$status" -eq 2 ]; check "places without a query" $?

if [ "$flavour" = native ]; then
    run places "São Paulo" --limit 1
    [ "$(printf '%s\n' "$out" | cut -f1,2)" = "São Paulo${tab}BR" ]; check "UTF-8 query São Paulo ($out)" $?
    run places ZÜRICH --limit 1
    [ "$(printf '%s\n' "$out" | cut -f1,2,5)" = "Zürich${tab}CH${tab}Europe/Zurich" ]; check "UTF-8 query ZÜRICH ($out)" $?
    run places tromso --limit 1
    [ "$(printf '%s\n' "$out" | cut -f1,2)" = "Tromsø${tab}NO" ]; check "tromso ($out)" $?
    # A standard output that takes nothing is told apart from "no match" by its message (Wine reports
    # a write to /dev/full as done, so only the host's tool sees it).
    if [ -w /dev/full ]; then
        "${cli[@]}" places zagreb >/dev/full 2>"$scratch/err"
        status=$?
        [ "$status" -eq 1 ] && grep -q '^selvara-cli: Can not write to standard output$' "$scratch/err"
        check "places to a full standard output (status $status)" $?
    fi
fi

# The list from elsewhere, and lists that are missing or damaged.
run places Karachi --places "$scratch/none.dat"
[ "$status" -eq 1 ] && [ -z "$out" ] && printf '%s\n' "$err" | grep -q "no places: places.dat is missing"
check "missing list ($err)" $?
head -c 5000 /dev/urandom >"$scratch/noise.dat"
run places Karachi --places "$scratch/noise.dat"
[ "$status" -eq 1 ] && printf '%s\n' "$err" | grep -q "not a place list"; check "noise as list ($err)" $?

# --place: the best match's coordinates and zone rules, as if given by hand.
run timetable --place Karachi --year 2026 --month 6
cp "$scratch/out" "$scratch/by-place.txt"
run timetable --lat 24.8608 --lon 67.0104 --tz Asia/Karachi --year 2026 --month 6
[ "$status" -eq 0 ] && [ -s "$scratch/out" ] && cmp -s "$scratch/out" "$scratch/by-place.txt"
check "timetable --place Karachi equals its coordinates and zone" $?
# Karachi keeps UTC+5 all year: the sun culminates near 12:30 on its clock in June.
grep -Eq '^ 1   Mon .* 12:(2[5-9]|3[0-5]) ' "$scratch/by-place.txt"; check "Karachi's noon on Karachi's clock" $?
# London in July: daylight time, noon after 13:00.
run times --place London --date 2026-07-01
printf '%s\n' "$out" | awk '{ exit !($3 > 13.0 && $3 < 13.2) }'; check "London in summer on BST ($out)" $?
run times --place "Hyderabad, PK" --date 2026-01-01
cp "$scratch/out" "$scratch/hyderabad.txt"
run times --lat 25.3924 --lon 68.3737 --tz Asia/Karachi --date 2026-01-01
cmp -s "$scratch/out" "$scratch/hyderabad.txt"; check "--place with a country code" $?

run timetable --place Kar
[ "$status" -eq 2 ] && [ -z "$out" ] && printf '%s\n' "$err" | grep -q "more than one place matches: Kar" &&
    printf '%s\n' "$err" | grep -q "^Karachi${tab}PK${tab}"
check "ambiguous --place lists the best matches" $?
run times --place xqzv --date 2026-01-01
[ "$status" -eq 2 ] && printf '%s\n' "$err" | grep -q "no place matches: xqzv"; check "unknown --place" $?
run timetable --place London --lat 3
[ "$status" -eq 2 ]; check "--place with --lat" $?
run times --place London --tz Europe/Paris --date 2026-01-01
[ "$status" -eq 2 ]; check "--place with --tz" $?
run times --place Karachi --date 2026-01-01 --places "$scratch/noise.dat"
[ "$status" -eq 2 ] && printf '%s\n' "$err" | grep -q "not a place list"; check "--place over a damaged list" $?

finish_checks
