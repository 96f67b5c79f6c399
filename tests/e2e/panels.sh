#!/usr/bin/env bash
# The panel recipes against the real clients, on the real binary under Xvfb:
# i3blocks (Debian 12's 1.4) runs docs/panels/i3blocks.conf, speaking the
# i3bar protocol on standard output and taking click events as JSON on
# standard input: the block shows the meter's status, a left click starts it
# and another pauses it, and once the program has ended the block says so.
#
# Usage: panels.sh [path/to/earnmeter]   (default build/earnmeter)
# Needs i3blocks (scripts/deps.sh test installs it).
# shellcheck disable=SC2016,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_need i3blocks
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"
printf '"36.00",0,"0.00",0\r\n' >"$APP_DIR/Wage.ewg"
export PATH="$APP_DIR:$PATH"

e2e_start_app
e2e_await_main

# The bar's side of the protocol: clicks go in through a pipe, the blocks come out in a file.
mkfifo "$E2E_WORK/clicks"
(cd "$E2E_WORK" && exec i3blocks -c "$E2E_REPO/docs/panels/i3blocks.conf" <clicks >bar 2>bar.err) &
E2E_PIDS+=("$!")
exec 9>"$E2E_WORK/clicks"
echo '[' >&9
block_shows() { [[ $(grep -o '"full_text":"[^"]*","name":"earnmeter"' "$E2E_WORK/bar" | tail -n 1) =~ $1 ]]; }
click() { echo "$1{\"name\":\"earnmeter\",\"button\":$2,\"x\":1,\"y\":1}" >&9; }

e2e_expect 10 "the block shows the idle meter" block_shows '"full_text":"Idle 00:00:00'
click '' 1
e2e_expect 10 "a left click starts the meter at its wage" block_shows '"full_text":"Running [0-9:]+ \$[0-9.]+ \(\$36\.00/hr\)'
click , 1
e2e_expect 10 "another pauses it" block_shows '"full_text":"Paused '
e2e_stop_pid "$APP_PID" TERM
e2e_expect 10 "once the program has ended the block says so" block_shows '"full_text":"Earnmeter is not running"'
exec 9>&-

e2e_finish
