#!/usr/bin/env bash
# Time away, on the real binary under Xvfb, whose MIT-SCREEN-SAVER extension
# tells the user's idle time: with away_minutes = 1, a meter left counting
# with no input for 70 s asks "Welcome back" once the pointer moves, and
# "&Remove" takes the away time off the count and off the history's today.
#
# Usage: away_time.sh [path/to/earnmeter]   (default build/earnmeter)
# shellcheck disable=SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"
printf 'away_minutes = 1\n' >"$APP_DIR/Earnmeter.conf"

seconds_counted() {
    sed -E 's/^[A-Za-z]+ ([0-9]+):([0-9]+):([0-9]+) .*/\1 \2 \3/' <<<"$("$APP" --status)" |
        { read -r h m s; echo $((10#$h * 3600 + 10#$m * 60 + 10#$s)); }
}
today_seconds() { "$APP" --status --json | sed -E 's/.*"todaySeconds":([0-9]+).*/\1/'; }
away_is() { "$APP" --status --json | grep -q "\"away\":$1"; }

e2e_start_app
e2e_await_main
e2e_start_meter_at 36
e2e_expect 10 "the meter runs" bash -c "'$APP' --status | grep -q ^Running"
xdotool mousemove 10 10
sleep 72 # no input at all
e2e_check "after 72 s without input --status --json says the user is away" away_is true
before=$(seconds_counted)
xdotool mousemove 300 300
if e2e_window 10 'Welcome back' >/dev/null; then
    e2e_pass "moving the pointer brings up \"Welcome back\""
    # AWAY_SHOT=file.png keeps a picture of the question (the README's).
    [[ -z ${AWAY_SHOT:-} ]] || { sleep 0.5; import -window root "$AWAY_SHOT"; }
    e2e_keys_to 5 'Welcome back' alt+r
else
    e2e_fail "moving the pointer brings up no \"Welcome back\""
fi
e2e_expect 5 "the question is answered" e2e_window_gone 'Welcome back'
after=$(seconds_counted)
today=$(today_seconds)
e2e_check "Remove took the away time off the count: $before s before, $after s after" \
    test "$after" -le $((before - 60)) -a "$after" -ge 0
e2e_check "and off today's history ($today s)" test "$today" -le $((after + 2)) -a "$today" -ge $((after - 2))
e2e_check "the meter counts on" bash -c "'$APP' --status | grep -q ^Running"
e2e_check "and is no longer away" away_is false
e2e_stop_pid "$APP_PID" KILL

e2e_finish
