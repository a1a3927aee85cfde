# One starter of a private Xvfb for every script that needs a display (sourced).
# shellcheck shell=bash

xvfb_pid=""

# start_xvfb [WIDTHxHEIGHT] : starts Xvfb on a display number it picks itself (so parallel runs never
# collide), exports DISPLAY and returns 0; 1, with Xvfb's messages on stderr, when it does not start.
# stop_xvfb ends it; the caller arranges that (a trap on EXIT).
start_xvfb() {
    local size="${1:-1024x768}"
    local log display_file
    log="$(mktemp)"
    display_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$display_file" >"$log" 2>&1 </dev/null &
    xvfb_pid=$!
    local waited_tenths=0
    while [ ! -s "$display_file" ] && [ "$waited_tenths" -lt 150 ]; do
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
        waited_tenths=$((waited_tenths + 1))
    done
    if [ ! -s "$display_file" ]; then
        echo "Xvfb did not start:" >&2
        cat "$log" >&2
        rm -f "$log" "$display_file"
        stop_xvfb
        return 1
    fi
    DISPLAY=":$(head -n 1 "$display_file")"
    export DISPLAY
    rm -f "$log" "$display_file"
}

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    fi
}
