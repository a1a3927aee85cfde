# The checks the console-tool scripts share (sourced): a scratch folder, pass/fail counting and one
# call of the tool. The sourcing script sets `cli` (the tool's command, an array) first and ends
# with `finish_checks`.
# shellcheck shell=bash

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

# run ARGS...: sets out, err (CR removed from both) and status; the raw bytes stay in $scratch/out
# and $scratch/err
run() {
    "${cli[@]}" "$@" >"$scratch/out" 2>"$scratch/err"
    status=$?
    out=$(tr -d '\r' <"$scratch/out")
    err=$(tr -d '\r' <"$scratch/err")
}

finish_checks() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
