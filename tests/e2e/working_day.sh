#!/usr/bin/env bash
# The working day, on the real binary under Xvfb: with work_end at the next
# whole minute and work_auto_pause = yes, a meter started by hand shows the
# time left in --status and its JSON, and pauses by itself at work_end; its
# count stops there.
#
# Usage: working_day.sh [path/to/earnmeter]   (default build/earnmeter)
# shellcheck disable=SC2016,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"

# The next whole minute at least 15 s away, on a day that began at midnight.
now=$(date +%s)
end=$(((now / 60 + 1) * 60))
((end - now >= 15)) || end=$((end + 60))
[[ $(date -d "@$end" +%H:%M) != 00:00 ]] || end=$((end + 60))
work_end=$(date -d "@$end" +%H:%M)
cat >"$APP_DIR/Earnmeter.conf" <<CONF
workdays = $(LC_ALL=C date -d "@$end" +%a)
work_start = 00:00
work_end = $work_end
work_auto_pause = yes
CONF

status_is() { [[ $("$APP" --status 2>/dev/null) =~ ^($1) ]]; }
e2e_start_app
e2e_await_main
e2e_start_meter_at 36
e2e_expect 10 "the meter runs" status_is 'Running'
status=$("$APP" --status)
e2e_check "--status tells the time left of the working day ($status)" \
    grep -qE ', ends in 0:0[0-2]:[0-9]{2}$' <<<"$status"
json=$("$APP" --status --json)
e2e_check "and the JSON has dayEndsIn" grep -qE '"dayEndsIn":[0-9]+,' <<<"$json"
echo "-- waiting for work_end at $work_end"
e2e_expect $((end - $(date +%s) + 10)) "at work_end the meter pauses by itself" status_is 'Paused'
paused=$("$APP" --status)
sleep 2
e2e_check "and its count stands still ($paused)" test "$("$APP" --status)" = "$paused"
e2e_check "no dayEndsIn once paused" bash -c "! '$APP' --status --json | grep -q dayEndsIn"
e2e_stop_pid "$APP_PID" KILL

e2e_finish
