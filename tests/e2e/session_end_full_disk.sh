#!/usr/bin/env bash
# The session ends while the disk is full, on the real binary under Xvfb: the
# save is tried once, its failure goes to standard error with the file and the
# reason, no box waits for an answer no one can give, and the process is gone
# within two seconds; a second SIGTERM changes nothing.
#
# The program's folder is a small tmpfs filled up while the count runs, so this
# needs root (CI runs as root); elsewhere it says so and passes nothing.
#
# Usage: session_end_full_disk.sh [path/to/earnmeter]   (default build/earnmeter)
# shellcheck disable=SC2016,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
if [[ $(id -u) -ne 0 ]]; then
    echo "$E2E_NAME: skipped: mounting a tmpfs needs root"
    exit 0
fi
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"

full="$E2E_WORK/full"
mkdir -p "$full"
mount -t tmpfs -o size=128m tmpfs "$full" || e2e_abort "cannot mount a tmpfs on $full"
cleanup_mount() { umount -l "$full" 2>/dev/null; e2e_cleanup; }
trap cleanup_mount EXIT
APP_DIR="$full"
e2e_copy_program "$APP_DIR"
APP="$APP_DIR/earnmeter"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"
printf '42\r\n' >"$APP_DIR/Prev.ewg"

e2e_start_app
e2e_check 'the start asks to continue with the saved count' e2e_keys_to 15 'Continue Earnmeter' y
e2e_await_main
e2e_start_meter_at 36
e2e_expect 15 'the count runs' e2e_window_named "$main" '\$0\.4[4-9] \(Earnmeter\)'

# Nothing more fits on the disk: the next write of Prev.ewg cannot be made.
dd if=/dev/zero of="$APP_DIR/filler" bs=64k >/dev/null 2>&1
e2e_check 'the folder is full' test "$(df --output=avail "$APP_DIR" | tail -n 1 | tr -d ' ')" -eq 0

started=$SECONDS
kill -TERM "$APP_PID"
sleep 0.2
kill -TERM "$APP_PID" 2>/dev/null
if e2e_wait_app_end 2; then
    e2e_pass "SIGTERM with a full disk ends the program within 2 s (took $((SECONDS - started)) s, status $APP_STATUS)"
else
    e2e_fail "the program still runs 2 s after SIGTERM with a full disk"
fi
log="$E2E_WORK/app-0.log"
e2e_check 'standard error names the file and the reason' grep -q "the elapsed time was not saved in $APP_DIR/Prev.ewg: No space left on device" "$log"
e2e_check 'and says it once' test "$(grep -c 'was not saved' "$log")" -eq 1
e2e_check 'Prev.ewg keeps the count it had' cmp -s "$APP_DIR/Prev.ewg" <(printf '42\r\n')
e2e_check 'no half-written file is left in the folder' test -z "$(find "$APP_DIR" -name '.*.tmp')"

e2e_finish
