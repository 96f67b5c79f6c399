#!/usr/bin/env bash
# Seconds are not lost when the program stalls, on the real binary under
# Xvfb: a running meter stopped five times for 2.5 s (SIGSTOP, SIGCONT, as an
# overloaded or swapping machine stops a process) in about 26 s of running
# counts the time that passed, to a second.
#
# Usage: stalls.sh [path/to/earnmeter]   (default build/earnmeter)
# shellcheck disable=SC2016,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"

seconds_counted() { sed -E 's/^[A-Za-z]+ ([0-9]+):([0-9]+):([0-9]+) .*/\1 \2 \3/' <<<"$("$APP" --status)" |
    { read -r h m s; echo $((10#$h * 3600 + 10#$m * 60 + 10#$s)); }; }
running() { [[ $("$APP" --status 2>/dev/null) == Running* ]]; }
e2e_start_app
e2e_await_main
"$APP" --start 2>/dev/null
e2e_expect 10 "the meter runs" running
started=$(date +%s%N)
for _ in 1 2 3 4 5; do
    sleep 2.7
    kill -STOP "$APP_PID"
    sleep 2.5
    kill -CONT "$APP_PID"
done
sleep 0.2
"$APP" --pause
took=$((($(date +%s%N) - started) / 1000000))
counted=$(seconds_counted)
e2e_check "five stalls of 2.5 s: $counted s counted in $((took / 1000)).$((took % 1000 / 100)) s of running" \
    test $((counted * 1000 - took)) -le 1500 -a $((took - counted * 1000)) -le 1500
e2e_stop_pid "$APP_PID" KILL

e2e_finish
