#!/usr/bin/env bash
# The wage remembered, on the real binary under Xvfb: a wage typed and run,
# Exit answered Yes, a new start answered Yes to the continue question; the
# box holds the wage again, so --start counts at it and --status says so with
# today's figure. A fresh folder's --start counts at 0 and says so on standard
# error. Earnmeter.conf is never written by a run that changes no preference.
# On a German desktop 22,50 typed counts at 22.50 and is kept as "22.50".
#
# Usage: remembered_wage.sh [path/to/earnmeter]   (default build/earnmeter)
# shellcheck disable=SC2016,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"

e2e_start_app
e2e_await_main
e2e_start_meter_at 36
e2e_expect 15 'the meter counts at 36 an hour' e2e_window_named "$main" '\$0\.0[2-9] \(Earnmeter\)'
e2e_focus "$main"
xdotool key ctrl+x
e2e_keys_to 10 'Save Earnmeter Progress' y
e2e_wait_app_end 10 || e2e_fail "Exit answered Yes did not end the program"
e2e_check "Wage.ewg holds the box as shown ($(e2e_bytes "$APP_DIR/Wage.ewg"))" \
    e2e_one_record "$APP_DIR/Wage.ewg" '"36\.00",0,"0\.00",0'
e2e_check "no Earnmeter.conf is written when no preference changed" test ! -e "$APP_DIR/Earnmeter.conf"

e2e_start_app
e2e_keys_to 15 'Continue Earnmeter' y || e2e_fail "no continue question"
e2e_await_main
"$APP" --start 2>"$E2E_WORK/start.err"
e2e_check "--start says nothing when a wage is remembered" test ! -s "$E2E_WORK/start.err"
e2e_poll 10 bash -c "'$APP' --status | grep -q '^Running'"
status=$("$APP" --status)
e2e_check "--status counts at the remembered wage with today's figure ($status)" \
    grep -qE '^Running [0-9:]+ \$[0-9.]+ \(\$36\.00/hr\), today \$[0-9.]+ in 0:00:[0-9]{2}$' <<<"$status"
json=$("$APP" --status --json)
e2e_check "--status --json carries today's figure" grep -qE '"today":"[0-9]+\.[0-9]{4}","todaySeconds":[0-9]+,"todayText":"Today \$[0-9.]+ in [0-9:]+","todayComplete":true' <<<"$json"
"$APP" --pause >/dev/null
e2e_focus "$main"
xdotool key ctrl+x
e2e_keys_to 10 'Save Earnmeter Progress' n
e2e_wait_app_end 10 || e2e_fail "Exit answered No did not end the program"

e2e_new_app_dir "fresh"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"
e2e_start_app
e2e_await_main
"$APP" --start 2>"$E2E_WORK/fresh.err"
e2e_check "--start with no wage counts at 0 and ends well" test $? -eq 0
e2e_check "and says so on standard error ($(cat "$E2E_WORK/fresh.err"))" \
    grep -qx 'Earnmeter started at \$0\.00/hr: no wage is set' "$E2E_WORK/fresh.err"
e2e_stop_pid "$APP_PID" KILL

# A German desktop types a decimal comma; the file keeps the point.
e2e_new_app_dir "german"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"
e2e_start_app LC_ALL=de_DE.UTF-8
e2e_await_main
e2e_start_meter_at 22,50
e2e_poll 10 bash -c "'$APP' --status | grep -q '^Running'"
json=$("$APP" --status --json)
e2e_check "22,50 typed on a German desktop counts at 22.5000" grep -q '"hourlyWage":"22.5000"' <<<"$json"
e2e_stop_pid "$APP_PID" TERM
e2e_check "Wage.ewg keeps it with a point ($(e2e_bytes "$APP_DIR/Wage.ewg"))" \
    e2e_one_record "$APP_DIR/Wage.ewg" '"22\.50",0,"0\.00",0'

e2e_finish
