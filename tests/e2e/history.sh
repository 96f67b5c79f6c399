#!/usr/bin/env bash
# The history, on the real binary under Xvfb: a run of a few seconds at 3600 an
# hour (a dollar a second), ended with Exit answered No, is still in the history:
# `earnmeter --history` prints today with the seconds the meter counted and as
# many dollars; without a history it prints the header alone; bad dates end with
# status 2.
#
# Usage: history.sh [path/to/earnmeter]   (default build/earnmeter)
# shellcheck disable=SC2016,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"
today=$(date +%F)

empty=$("$APP" --history)
e2e_check "with no history yet --history prints the header alone" test "$empty" = "date,seconds,hours,earned"
"$APP" --history --from 2026-02-30 >/dev/null 2>&1
e2e_check "a date that does not exist ends with status 2" test $? -eq 2

e2e_start_app
e2e_await_main
e2e_start_meter_at 3600
e2e_expect 15 'the meter counts a dollar a second' e2e_window_named "$main" '\$[3-9]\.00 \(Earnmeter\)'
"$APP" --pause >/dev/null
status=$("$APP" --status)
seconds=$(sed -E 's/^Paused [0-9]+:[0-9]+:([0-9]+) .*/\1/' <<<"$status")
e2e_check "paused, the meter says how many seconds it counted ($status)" test "$((10#$seconds))" -ge 3
e2e_focus "$main"
xdotool key ctrl+x
e2e_keys_to 10 'Save Earnmeter Progress' n
e2e_wait_app_end 10 || e2e_fail "Exit answered No did not end the program"
e2e_check "Exit answered No leaves 0 in Prev.ewg" cmp -s "$APP_DIR/Prev.ewg" <(printf '0\r\n')

history=$("$APP" --history)
expected="$today,$((10#$seconds)),"
e2e_check "--history has today with the $((10#$seconds)) seconds counted and \$$((10#$seconds)).00 earned (got: $(tail -n 1 <<<"$history"))" \
    grep -qE "^$expected[0-9]+\.[0-9]{4},$((10#$seconds))\.00$" <<<"$history"
e2e_check "and nothing but the header and today" test "$(wc -l <<<"$history")" -eq 2
range=$("$APP" --history --from 2000-01-01 --to 2000-12-31)
e2e_check "--from and --to limit the days" test "$range" = "date,seconds,hours,earned"

e2e_finish
