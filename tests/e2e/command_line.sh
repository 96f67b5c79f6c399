#!/usr/bin/env bash
# The meter from outside, on the real binary under Xvfb:
#  - --help and --version need no display; with no copy running --status and
#    the commands say so and end with status 3;
#  - a running copy answers --status --json while idle, --start makes it count,
#    --pause pauses it, --watch prints a line at each tick and, when the
#    program ends, a last one saying it stopped, and ends with 0;
#  - a garbage and a silent client do not keep the next --status waiting; a
#    stopped copy gives status 4 after 2 s;
#  - the D-Bus interface answers gdbus under dbus-run-session, and a copy on
#    another data folder runs without the name;
#  - a second launch during the continue question opens no window until the
#    question is answered;
#  - the lock lies in the data folder: without XDG_RUNTIME_DIR, and with
#    another one, a second launch still finds the running copy;
#  - a data folder that cannot be made is told with its path and status 1.
#
# Usage: command_line.sh [path/to/earnmeter]   (default build/earnmeter)
# Patterns hold a literal $; helpers run through e2e_poll look unused to shellcheck.
# shellcheck disable=SC2016,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_need dbus-run-session gdbus /usr/bin/python3
default_config='"v2.5",6.75,45.5,0,0,-1\r\n'
printf "$default_config" >"$APP_DIR/Config.ewg"

# Runs the copied binary with arguments; its output in OUT, its status in STATUS.
cli() {
    OUT=$("$APP" "$@" 2>&1)
    STATUS=$?
}
status_is() { cli --status && [[ $OUT =~ ^($1)$ ]]; }
# True when the text matches the extended regular expression.
matches() { [[ $1 =~ $2 ]]; }
pid_gone() { ! kill -0 "$1" 2>/dev/null; }

# --- 1. Without a display and without a running copy -------------------------------
(unset DISPLAY; "$APP" --version >"$E2E_WORK/version" 2>&1)
e2e_check "--version prints 'Earnmeter 2.5' with no display (got: $(cat "$E2E_WORK/version"))" \
    test "$(cat "$E2E_WORK/version")" = "Earnmeter 2.5"
(unset DISPLAY; "$APP" --help >"$E2E_WORK/help" 2>&1)
e2e_check "--help lists the options with no display" grep -q -- '--status' "$E2E_WORK/help"
cli --status
e2e_check "--status with no copy: 'Earnmeter is not running', status 3 (got $STATUS: $OUT)" \
    test "$STATUS" = 3 -a "$OUT" = "Earnmeter is not running"
cli --start
e2e_check "--start with no copy: status 3 (got $STATUS)" test "$STATUS" = 3
cli --watch
e2e_check "--watch without --status: status 2 (got $STATUS)" test "$STATUS" = 2

# --- 2. A running copy, driven from the command line --------------------------------
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"
e2e_start_app
e2e_window 15 'Earnmeter!' >/dev/null || e2e_fail "the program shows no main window"
cli --status --json
e2e_check "--status --json while idle (got $STATUS: $OUT)" \
    matches "$STATUS $OUT" '^0 \{"state":"idle","elapsed":0,.*"mode":"simple"'
cli --start
e2e_check "--start: status 0, and no wage set is said (got: $OUT)" \
    test "$STATUS $OUT" = '0 Earnmeter started at $0.00/hr: no wage is set'
sleep 2
e2e_check "two seconds later --status says Running with a count of at least 1 and today's figure" \
    status_is 'Running 00:00:0[1-9] \$0\.00 \(\$0\.00/hr\), today \$0\.00 in 0:00:0[1-9]'
cli --pause
e2e_expect 3 "--pause gives Paused (got: $OUT)" status_is 'Paused 00:00:0[0-9] .*'
no_display=$(unset DISPLAY; "$APP" --status 2>&1)
e2e_check "--status needs no display (got: $no_display)" matches "$no_display" '^Paused '
"$APP" --toggle
timeout 3.5 "$APP" --status --watch >"$E2E_WORK/watch"
lines=$(sort -u "$E2E_WORK/watch" | grep -c '^Running')
e2e_check "--toggle runs it again and --watch prints a new line each tick ($lines lines in 3.5 s)" \
    test "$lines" -ge 3

# --- 3. Clients that misbehave, and a copy that cannot answer -------------------------
socket=$(find "$XDG_RUNTIME_DIR" -name 'earnmeter-*.sock' | head -n 1)
/usr/bin/python3 - "$socket" <<'PY' &
import socket, sys, time
silent = socket.socket(socket.AF_UNIX); silent.connect(sys.argv[1])
garbage = socket.socket(socket.AF_UNIX); garbage.connect(sys.argv[1])
garbage.sendall(bytes(range(256)) * 64)
time.sleep(3)
PY
bad_clients=$!
sleep 0.3
start=$(date +%s%N)
cli --status
took=$((($(date +%s%N) - start) / 1000000))
e2e_check "with a garbage and a silent client connected, --status answers in $took ms: $OUT" \
    matches "$STATUS $OUT $((took < 800))" '^0 Running .* 1$'
wait "$bad_clients"
kill -STOP "$APP_PID"
cli --status
e2e_check "a stopped copy: --status says it did not answer, status 4 (got $STATUS: $OUT)" \
    matches "$STATUS $OUT" '^4 .*did not answer within 2 seconds'
kill -CONT "$APP_PID"
"$APP" --status --json --watch >"$E2E_WORK/watch-end" &
watcher=$!
sleep 0.5
kill -TERM "$APP_PID"
e2e_wait_app_end 10 || e2e_fail "the program did not end on SIGTERM"
e2e_expect 5 "--watch ends with the program" pid_gone "$watcher"
wait "$watcher"
status=$?
e2e_check "--watch ends with status 0 (got $status)" test "$status" = 0
e2e_check "after a JSON line for each change" grep -q '^{"state":"running"' "$E2E_WORK/watch-end"
e2e_check "and a last one that says it stopped, for a panel to show ($(tail -n 1 "$E2E_WORK/watch-end"))" \
    test "$(tail -n 1 "$E2E_WORK/watch-end")" = '{"state":"stopped","text":"Earnmeter is not running","tooltip":"Earnmeter is not running","class":"stopped"}'

# --- 4. D-Bus --------------------------------------------------------------------------
printf '0\r\n' >"$APP_DIR/Prev.ewg"
# A second copy on another data folder finds the name taken and runs without it.
e2e_copy_program "$E2E_WORK/other"
printf "$default_config" >"$E2E_WORK/other/Config.ewg"
cat >"$E2E_WORK/dbus.sh" <<DBUS
(cd "$APP_DIR" && exec ./earnmeter) >"$E2E_WORK/dbus-app.log" 2>&1 &
app=\$!
call() { gdbus call --session -d org.example.earnmeter -o /org/example/earnmeter -m "\$@"; }
for _ in \$(seq 50); do call org.example.earnmeter.Meter.Status >/dev/null 2>&1 && break; sleep 0.2; done
call org.example.earnmeter.Meter.Status
call org.example.earnmeter.Meter.Toggle
sleep 1.5
call org.freedesktop.DBus.Properties.Get org.example.earnmeter.Meter State
call org.freedesktop.DBus.Properties.Get org.example.earnmeter.Meter Elapsed
dbus-monitor --session "type='signal',sender='org.example.earnmeter'" >"$E2E_WORK/dbus-signals" 2>/dev/null &
monitor=\$!
sleep 3.2
call org.freedesktop.DBus.Properties.Get org.example.earnmeter.Meter CountedAt
call org.example.earnmeter.Meter.Pause
sleep 0.5
kill \$monitor
echo "signals while running: \$(grep -c 'member=PropertiesChanged' "$E2E_WORK/dbus-signals")"
call org.example.earnmeter.Meter.Start
(cd "$E2E_WORK/other" && exec ./earnmeter) >"$E2E_WORK/dbus-other.log" 2>&1 &
other=\$!
for _ in \$(seq 50); do "$E2E_WORK/other/earnmeter" --status >/dev/null 2>&1 && break; sleep 0.2; done
sleep 1
echo "other: \$("$E2E_WORK/other/earnmeter" --status)"
call org.freedesktop.DBus.Properties.Get org.example.earnmeter.Meter State
kill -TERM \$app \$other
sleep 2
kill -KILL \$app \$other 2>/dev/null
DBUS
dbus-run-session -- bash "$E2E_WORK/dbus.sh" >"$E2E_WORK/dbus.out" 2>/dev/null
dbus_out=$(paste -sd' ' "$E2E_WORK/dbus.out")
e2e_check "gdbus: Status gives the JSON, Toggle starts, State becomes running (got: $dbus_out)" \
    matches "$dbus_out" "\"state\":\"idle\".*\(<'running'>,\) \(<[1-9]>,\)"
e2e_check "running, the count goes unsaid on the bus and CountedAt tells when it was counted; pausing says so once" \
    matches "$dbus_out" "\(<int64 1[0-9]{15}>,\) \(\) signals while running: 1 "
e2e_check "a copy on another data folder runs without the name, which stays the first's" \
    matches "$dbus_out" "other: Idle 00:00:00 .* \(<'running'>,\)$"

# --- 5. A second launch during the continue question ---------------------------------
cli --status
e2e_check "no copy is left running (got $STATUS)" test "$STATUS" = 3
printf '5400\r\n' >"$APP_DIR/Prev.ewg"
e2e_start_app
first=$APP_PID
e2e_window 15 'Continue Earnmeter' >/dev/null || e2e_fail "no continue question"
e2e_start_app
if e2e_wait_app_end 10; then
    e2e_check "a second launch ends (status $APP_STATUS)" test "$APP_STATUS" = 0
else
    e2e_fail "a second launch does not end"
fi
sleep 1
e2e_check "no main window shows while the question is open" e2e_window_gone 'Earnmeter!|Earnmeter'
e2e_keys_to 10 'Continue Earnmeter' Return
e2e_check "answered, the main window shows" test -n "$(e2e_window 10 'Earnmeter!')"
APP_PID=$first

# --- 6. The lock in the data folder, whatever the environment ------------------------
cli --status
e2e_check "the running copy answers (got: $OUT)" matches "$OUT" '^Idle 01:30:00 '
(unset XDG_RUNTIME_DIR; cd "$APP_DIR" && exec ./earnmeter) &
other=$!
e2e_poll 10 pid_gone "$other"
wait "$other"
status=$?
e2e_check "a second launch without XDG_RUNTIME_DIR finds the lock and ends (status $status)" test "$status" = 0
kill -TERM "$APP_PID"
e2e_wait_app_end 10
private="/tmp/earnmeter-$(id -u)"
[[ -e $private ]] && made_private=0 || made_private=1
e2e_start_app -u XDG_RUNTIME_DIR
e2e_keys_to 15 'Continue Earnmeter' Return
no_runtime_status() { (unset XDG_RUNTIME_DIR; "$APP" --status >/dev/null); }
e2e_expect 10 "without XDG_RUNTIME_DIR the command line reaches the copy through a folder under /tmp" \
    no_runtime_status
e2e_check "$private is the user's own, mode 700" test "$(stat -c '%u %a' "$private")" = "$(id -u) 700"
kill -TERM "$APP_PID"
e2e_wait_app_end 10
# The folder this check made goes with it, so the next check finds /tmp as it was.
((made_private)) && rmdir "$private" 2>/dev/null

# --- 7. A data folder that cannot be made ---------------------------------------------
# An installed copy keeps its files per user; a file where the folder should be cannot be one.
installed=$(mktemp -d /opt/earnmeter-e2e.XXXXXX)
trap 'rm -rf "$installed"; e2e_cleanup' EXIT
e2e_copy_program "$installed"
echo "not a folder" >"$E2E_WORK/data-file"
XDG_DATA_HOME="$E2E_WORK/data-file" "$installed/earnmeter" >"$E2E_WORK/folder.log" 2>&1 &
nofolder=$!
E2E_PIDS+=("$nofolder")
e2e_check "a box 'Error' says the folder cannot be made" e2e_keys_to 15 'Error' Return
e2e_poll 10 pid_gone "$nofolder"
wait "$nofolder"
status=$?
e2e_check "then the program ends with status 1 (got $status)" test "$status" = 1
e2e_check "and names the folder on standard error" \
    grep -q "cannot create its data folder $E2E_WORK/data-file/Earnmeter: " "$E2E_WORK/folder.log"
mkdir -p "$E2E_WORK/home"
(cd "$E2E_WORK" && HOME="$E2E_WORK/home" XDG_DATA_HOME=relative timeout 10 "$installed/earnmeter" >/dev/null 2>&1 &)
e2e_check "a relative XDG_DATA_HOME is ignored: the first start writes to ~/.local/share/Earnmeter" \
    e2e_keys_to 15 'Error' Return
e2e_keys_to 10 'Notice' Return
first_run_files() { test -f "$E2E_WORK/home/.local/share/Earnmeter/Config.ewg" -a ! -e "$E2E_WORK/relative"; }
e2e_expect 5 "the folder was made, and nothing was put under the working folder" first_run_files

# --- 8. A data folder where no lock can be made ----------------------------------------
# A read-only folder (CI runs as root, which ignores modes, so it is a read-only mount).
readonly_data="$E2E_WORK/readonly"
mkdir -p "$readonly_data"
if mount -t tmpfs -o size=1m tmpfs "$readonly_data" 2>/dev/null; then
    trap 'umount "$readonly_data" 2>/dev/null; rm -rf "$installed"; e2e_cleanup' EXIT
    mkdir "$readonly_data/Earnmeter"
    printf "$default_config" >"$readonly_data/Earnmeter/Config.ewg"
    printf '0\r\n' >"$readonly_data/Earnmeter/Prev.ewg"
    printf '4425,3930,4425,2625\r\n' >"$readonly_data/Earnmeter/Saved.ewg"
    mount -o remount,ro "$readonly_data"
    XDG_DATA_HOME="$readonly_data" "$installed/earnmeter" >"$E2E_WORK/unlocked.log" 2>&1 &
    unlocked=$!
    E2E_PIDS+=("$unlocked")
    e2e_check "a box 'Earnmeter' tells that no lock can be made" e2e_keys_to 15 'Earnmeter' Return
    e2e_check "and the program starts anyway" test -n "$(e2e_window 10 'Earnmeter!')"
    e2e_check "standard error names the lock file" \
        grep -q "cannot create its lock file $readonly_data/Earnmeter/Earnmeter.lock: " "$E2E_WORK/unlocked.log"
    kill -KILL "$unlocked"
    wait "$unlocked" 2>/dev/null
else
    echo "SKIP: no read-only folder without mount rights"
fi

e2e_finish
