#!/usr/bin/env bash
# Under real window managers (openbox, and i3 and xfwm4 where installed), each
# started here on the real binary under Xvfb with a tray (trayer): a window
# closed to the tray and shown again ten times, and a program started again
# five times, stands exactly where it stood (its frame, as the X server has
# it), and Saved.ewg keeps that place; under openbox and xfwm4, with "Minimize on
# Startup?" the window comes up minimized (WM_STATE Iconic) and, shown, stands
# where a window started normally stands. (i3 has no minimized state.)
#
# Usage: window_manager.sh [path/to/earnmeter]   (default build/earnmeter)
# Needs openbox and trayer (scripts/deps.sh test installs them).
# shellcheck disable=SC2016,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_need openbox trayer xprop
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"
printf '# i3 config file (v4)\nbar {\n    status_command true\n    tray_output none\n}\n' >"$E2E_WORK/i3.config"

# The client area's place on the screen, "x,y", as the server has it.
place_of() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x "," y}'; }
settled() { sleep 0.6; }
# Starts the program; its main window in `main` and where it stands in `place`.
start_and_place() {
    e2e_start_app "$@"
    main=$(e2e_window 15 'Earnmeter!')
    settled
    place=$(place_of "$main")
}

# The window manager and a tray, then the checks; everything it started is ended after.
under() {
    local wm=$1 started=${#E2E_PIDS[@]}
    shift
    "$@" >"$E2E_WORK/$wm.log" 2>&1 &
    E2E_PIDS+=("$!")
    sleep 1
    trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 >"$E2E_WORK/trayer.log" 2>&1 &
    E2E_PIDS+=("$!")
    sleep 1
    e2e_new_app_dir "app-$wm"
    printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"
    printf '4425,3930,4425,2625\r\n' >"$APP_DIR/Saved.ewg"
    stands_still "$wm"
    [[ $wm == i3 ]] || comes_up_minimized "$wm" # i3 has no minimized windows
    for pid in "${E2E_PIDS[@]:$started}"; do e2e_stop_pid "$pid"; done
}

# The close box, as each window manager offers it from the keyboard or its command line.
close_window() {
    if [[ $1 == i3 ]]; then
        i3-msg -q "[id=$main] kill" >/dev/null 2>&1
    else
        e2e_focus "$main"
        xdotool key --clearmodifiers alt+F4
    fi
}

stands_still() {
    start_and_place
    first=$place
    echo "-- under $1 the window first stands at $first"
    moved=()
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        close_window "$1"
        e2e_poll 5 e2e_window_gone 'Earnmeter!' || { moved+=("not hidden"); break; }
        "$APP" --show
        main=$(e2e_window 5 'Earnmeter!')
        settled
        [[ $(place_of "$main") == "$first" ]] || moved+=("$(place_of "$main")")
    done
    e2e_check "$1: closed to the tray and shown again ten times, it stands where it stood (${moved[*]:-no move})" \
        test ${#moved[@]} -eq 0
    for _ in 1 2 3 4 5; do
        e2e_focus "$main"
        xdotool key --clearmodifiers ctrl+x
        e2e_wait_app_end 10 || { moved+=("did not end"); break; }
        start_and_place
        [[ $place == "$first" ]] || moved+=("$place")
    done
    e2e_check "$1: started again five times, it stands where it stood (${moved[*]:-no move})" test ${#moved[@]} -eq 0
    e2e_check "$1: and Saved.ewg keeps the place ($(e2e_bytes "$APP_DIR/Saved.ewg"))" \
        e2e_one_record "$APP_DIR/Saved.ewg" '4425,3930,4425,2625'
    e2e_stop_pid "$APP_PID" KILL
}

comes_up_minimized() {
    printf '"v2.5",6.75,45.5,-1,0,-1\r\n' >"$APP_DIR/Config.ewg"
    e2e_start_app
    main=$(timeout 15 xdotool search --sync --name '^Earnmeter!$' 2>/dev/null | head -n 1)
    iconic() { xprop -id "$main" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
    e2e_expect 10 "$1: Minimize on Startup: the window comes up minimized" iconic
    "$APP" --show
    settled
    e2e_check "$1: and shown, it stands where a window started normally stands ($(place_of "$main"))" \
        test "$(place_of "$main")" == "$first"
    e2e_stop_pid "$APP_PID" KILL
}

under openbox openbox
if command -v i3 >/dev/null 2>&1; then
    under i3 i3 -c "$E2E_WORK/i3.config"
else
    echo "-- i3 is not installed: its checks are left out"
fi
if command -v xfwm4 >/dev/null 2>&1; then
    under xfwm4 dbus-run-session -- xfwm4 --compositor=off # xfwm4 reads its settings over a bus
else
    echo "-- xfwm4 is not installed: its checks are left out"
fi

e2e_finish
