#!/usr/bin/env bash
# The control channel under stress, on the real binary under Xvfb:
#  - 64 panels watching (one of them reading nothing) leave room for a request;
#    a 65th watcher is told it is busy (status 5), and the one that reads
#    nothing is let go after 30 s, which gives its place back;
#  - with XDG_RUNTIME_DIR unset and /tmp/earnmeter-<uid> taken by someone else,
#    the program tells which folder it refused, once, listens in a folder of its
#    own and the command line finds it; with no channel at all --status says
#    the channel is refused (status 6).
#
# Usage: control_channel.sh [path/to/earnmeter]   (default build/earnmeter)
# shellcheck disable=SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_need python3
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"

status_is() { "$APP" --status >/dev/null 2>&1; [[ $? -eq $1 ]]; }
has_a_line() { [[ -s $1 ]]; }

# --- 1. Watchers beside requests ------------------------------------------------------
e2e_start_app
e2e_await_main
e2e_start_meter_at 36
e2e_expect 10 "the meter answers on its channel" status_is 0
socket=$(echo "$XDG_RUNTIME_DIR"/earnmeter-*.sock)
# A watcher that reads its first line and nothing after: it says when the program hung up on it.
python3 - "$socket" "$E2E_WORK/stalled.ready" >"$E2E_WORK/stalled.out" <<'EOF' &
import select, socket, sys, time
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
s.sendall(b"watch\n")
first = b""
while not first.endswith(b"\n"):
    first += s.recv(1)
open(sys.argv[2], "w").close()
start = time.monotonic()
# Waits for the hang-up without reading a byte.
poll = select.poll()
poll.register(s, select.POLLRDHUP)
sys.exit(0 if poll.poll(50000) and print("let go after %d s" % (time.monotonic() - start)) is None else 1)
EOF
stalled=$!
e2e_expect 10 "a watcher that will read no more has its place" test -e "$E2E_WORK/stalled.ready"
for i in $(seq 2 64); do
    "$APP" --status --watch >"$E2E_WORK/watch-$i.out" 2>&1 &
    E2E_PIDS+=("$!")
done
e2e_expect 20 "63 more watchers each get a line" bash -c \
    "for i in \$(seq 2 64); do [[ -s $E2E_WORK/watch-\$i.out ]] || exit 1; done"
e2e_check "a status request is answered beside 64 watchers" status_is 0
timeout 5 "$APP" --status --watch >"$E2E_WORK/watch-65.out" 2>&1
e2e_check "a 65th watcher is told the program is busy (status $?)" \
    grep -q "Earnmeter is busy" "$E2E_WORK/watch-65.out"
if wait "$stalled"; then
    e2e_check "the watcher that reads nothing is let go ($(cat "$E2E_WORK/stalled.out"))" \
        grep -Eq "let go after (29|3[0-3]) s" "$E2E_WORK/stalled.out"
else
    e2e_fail "the watcher that reads nothing was not let go within 50 s"
fi
"$APP" --status --watch >"$E2E_WORK/watch-66.out" 2>&1 &
E2E_PIDS+=("$!")
e2e_expect 5 "its place goes to a new watcher" has_a_line "$E2E_WORK/watch-66.out"
e2e_stop_pid "$APP_PID" KILL

# --- 2. A refused folder under /tmp -----------------------------------------------------
taken=/tmp/earnmeter-$(id -u)
if [[ -e $taken || -L $taken ]]; then
    echo "SKIP: $taken is in use on this machine; the refused folder is not tried"
    e2e_finish
fi
# Someone else's folder: given away as root can, else a link, which is refused the same way.
if [[ $(id -u) -eq 0 ]]; then
    mkdir -m 700 "$taken" && chown 65534 "$taken"
    reason="belongs to another user"
else
    ln -s / "$taken"
    reason="is a symbolic link"
fi
trap 'rm -rf "$taken" "${own:-}"; e2e_cleanup' EXIT
unset XDG_RUNTIME_DIR

e2e_start_app
if e2e_window 15 'Earnmeter' >/dev/null; then
    e2e_check "a box tells that $taken was refused" e2e_keys_to 5 'Earnmeter' Return
else
    e2e_fail "no box tells that $taken was refused"
fi
e2e_await_main
e2e_expect 10 "the command line finds the program's own folder" status_is 0
own=$(head -n 1 "$APP_DIR/Earnmeter.channel")
e2e_check "the data folder records that folder ($own)" test -d "$own" -a "$(stat -c %a "$own")" = 700
"$APP" 2>/dev/null
e2e_check "a second start reaches the running copy and ends (status $?)" e2e_app_running
e2e_stop_pid "$APP_PID" KILL

e2e_start_app
e2e_await_main
e2e_check "started again, no box comes back: the user was told once" \
    test -z "$(xdotool search --onlyvisible --name '^Earnmeter$' 2>/dev/null)"
e2e_stop_pid "$APP_PID" KILL

rm -f "$APP_DIR/Earnmeter.channel"
"$APP" --status >/dev/null 2>"$E2E_WORK/refused.err"
got=$?
e2e_check "with no channel to be had, --status says why (status $got): $(cat "$E2E_WORK/refused.err")" \
    test $got -eq 6 -a -n "$(grep "the control channel in $taken is refused: it $reason" "$E2E_WORK/refused.err")"

e2e_finish
