#!/usr/bin/env bash
# Drives `selvara-cli places` and `--place` as a script would. The native tool takes UTF-8 queries;
# under Wine the arguments reach the program in code page 1252, so the accented queries run natively.
# Usage: cli_places_test.sh native|windows COMMAND... (COMMAND is the tool, possibly behind an emulator)
set -u
source "$(dirname "$0")/../../tools/build-paths.sh"
case "${1:-}" in -h | --help) script_help "$0"; exit 0 ;; esac
[ $# -ge 2 ] && [[ "$1" =~ ^(native|windows)$ ]] || usage_error "$0" "needs native or windows and a COMMAND"
flavour=$1
shift
cli=("$@")
source "$(dirname "$0")/../support/cli_checks.sh"
tab=$'\t'

# The list: ten lines by default, best first, seven tab-separated fields with 4 decimals and the
# elevation in whole metres last.
run places Kar
[ "$status" -eq 0 ] && [ "$(printf '%s\n' "$out" | wc -l)" -eq 10 ] &&
    printf '%s\n' "$out" | head -n 1 | grep -Eq "^Karachi${tab}PK${tab}24\.8608${tab}67\.0104${tab}Asia/Karachi${tab}[0-9]+${tab}-?[0-9]+$"
check "places Kar ($(printf '%s\n' "$out" | head -n 1))" $?
! grep -q $'\r' "$scratch/out"; check "places: LF line ends" $?
run places Kar --limit 3
[ "$status" -eq 0 ] && [ "$(printf '%s\n' "$out" | wc -l)" -eq 3 ]; check "places --limit 3" $?
run places lumpur --limit 1
[ "$out" = "Kuala Lumpur${tab}MY${tab}3.1412${tab}101.6865${tab}Asia/Kuala_Lumpur${tab}1453975${tab}56" ]
check "places lumpur ($out)" $?
run places "sao paulo" --limit 1
printf '%s\n' "$out" | grep -Eq "${tab}BR${tab}-23\.5475${tab}-46\.6361${tab}America/Sao_Paulo${tab}"
check "places sao paulo ($out)" $?
run places jericho --limit 1
[ "$(printf '%s\n' "$out" | cut -f2,7)" = "PS${tab}-233" ]; check "below the sea: Jericho ($out)" $?
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
run places Karachi --places "$(dirname "$0")/../fuzz/corpus/fuzz_place_file/first_layout"
[ "$status" -eq 1 ] && [ -z "$out" ] && printf '%s\n' "$err" | grep -q "places.dat is of another version"
check "a list of the first layout, without elevations, is refused ($err)" $?

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

# --method auto: the customary method and Asr school of the town's country; --asr given wins.
same_times() {  # same_times NAME ARGS-A... -- ARGS-B...: both calls succeed with the same bytes
    local name=$1 a=() b=()
    shift
    while [ "$1" != -- ]; do a+=("$1"); shift; done
    shift
    b=("$@")
    run "${a[@]}"
    local first_status=$status
    cp "$scratch/out" "$scratch/first"
    run "${b[@]}"
    [ "$first_status" -eq 0 ] && [ "$status" -eq 0 ] && [ -s "$scratch/out" ] && cmp -s "$scratch/out" "$scratch/first"
    check "$name" $?
}
same_times "auto for Karachi is karachi with the Hanafi Asr" \
    times --place Karachi --method auto --date 2026-03-20 -- \
    times --place Karachi --method karachi --asr hanafi --date 2026-03-20
same_times "auto with --asr standard keeps the standard Asr" \
    times --place Lahore --method auto --asr standard --date 2026-06-01 -- \
    times --place Lahore --method karachi --date 2026-06-01
same_times "auto for Istanbul is turkey" \
    timetable --place Istanbul --method auto --year 2026 --month 3 -- \
    timetable --place Istanbul --method turkey --year 2026 --month 3
same_times "auto for a country without its own custom is mwl" \
    times --place Berlin --method auto --date 2026-01-10 -- \
    times --place Berlin --method mwl --date 2026-01-10
same_times "auto for Dubai is the emirate's own iacad" \
    times --place "Dubai, AE" --method auto --date 2026-03-20 -- \
    times --place "Dubai, AE" --method iacad --date 2026-03-20
same_times "auto for Sharjah is the federal dubai" \
    times --place "Sharjah, AE" --method auto --date 2026-03-20 -- \
    times --place "Sharjah, AE" --method dubai --date 2026-03-20
same_times "auto for Fes is morocco" \
    times --place Fes --method auto --date 2026-03-20 -- \
    times --place Fes --method morocco --date 2026-03-20
# --place takes the town's elevation (Fes: 305 m, the Habous ministry's, at its point) for the
# methods whose authority uses it; an explicit --elevation wins.
same_times "--place Fes takes its 305 m" \
    timetable --place Fes --method morocco --year 2026 --month 6 -- \
    timetable --lat 34.0500 --lon -5.0081 --tz Africa/Casablanca --elevation 305 --method morocco --year 2026 --month 6
run times --place Fes --method morocco --elevation 0 --date 2026-06-21
cp "$scratch/out" "$scratch/sea-level"
run times --place Fes --method morocco --date 2026-06-21
[ "$status" -eq 0 ] && ! cmp -s "$scratch/out" "$scratch/sea-level"; check "morocco at Fes is not at sea level" $?
same_times "--elevation wins over the town's" \
    times --place Fes --method morocco --elevation 1200 --date 2026-06-21 -- \
    times --lat 34.0500 --lon -5.0081 --tz Africa/Casablanca --elevation 1200 --method morocco --date 2026-06-21
same_times "a method that does not use the elevation is unchanged by the town's" \
    times --place Fes --method mwl --date 2026-06-21 -- \
    times --lat 34.0500 --lon -5.0081 --tz Africa/Casablanca --method mwl --date 2026-06-21
run times --lat 24.86 --lon 67.01 --zone 5 --method auto --date 2026-03-20
[ "$status" -eq 2 ] && [ -z "$out" ] && printf '%s\n' "$err" | grep -q "method auto needs --place"
check "auto without --place ($err)" $?
run timetable --method auto
[ "$status" -eq 2 ] && [ -z "$out" ]; check "timetable --method auto without --place" $?

finish_checks
