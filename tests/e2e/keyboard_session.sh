#!/usr/bin/env bash
# One whole session by keys alone, on the real binary under Xvfb: type a wage,
# Enter starts, Alt+P pauses, the Edit menu copies the elapsed time and Ctrl+C the
# earned wage, Ctrl+R resets after Yes, Alt+S starts again, Ctrl+X exits after Yes;
# then Prev.ewg and Saved.ewg each hold one CR LF record.
#
# Usage: keyboard_session.sh [path/to/earnmeter]   (default build/earnmeter)
# Patterns hold a literal $; helpers run through e2e_poll look unused to shellcheck.
# shellcheck disable=SC2016,SC2119,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_need_clipboard_tool
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"

# The first run's recreate path has a script of its own; start from the defaults.
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"

main=""
# Keys for the main window, which loses the keyboard whenever a box above it closes.
main_keys() {
    e2e_focus "$main" && xdotool key --clearmodifiers --delay 120 "$@"
}
caption_is() { e2e_window_named "$main" "$1"; }

e2e_start_app
e2e_await_main
e2e_pass 'the main window "Earnmeter!" shows'

# Typing replaces the selected entry; Enter presses Start. 36 an hour is one cent
# a second, so the wage copied below is the count in cents.
e2e_start_meter_at 36
e2e_expect 15 'Enter starts the count: caption shows $0.02 (Earnmeter) or more' \
    caption_is '\$0\.0[2-9] \(Earnmeter\)'

main_keys alt+p
e2e_expect 5 'Alt+P pauses: caption PAUSED (Earnmeter)' caption_is 'PAUSED \(Earnmeter\)'

main_keys alt+e c t
if e2e_poll 5 e2e_clipboard_matches '00:00:0[1-9]'; then
    elapsed=$(e2e_clipboard)
    e2e_pass "Edit > Copy to Clipboard > Elapsed Time (Alt+E, C, T) copies $elapsed"
else
    elapsed=""
    e2e_fail "Alt+E, C, T did not copy an elapsed time 00:00:0N; clipboard: '$(e2e_clipboard)'"
fi

main_keys ctrl+c
if e2e_poll 5 e2e_clipboard_matches '0\.0[1-9]'; then
    wage=$(e2e_clipboard)
    e2e_pass "Ctrl+C copies the calculated wage $wage"
    e2e_check "the wage $wage matches the elapsed time ${elapsed:-?} at one cent a second" \
        test "${wage#0.0}" = "${elapsed#00:00:0}"
else
    e2e_fail "Ctrl+C did not copy a wage 0.0N; clipboard: '$(e2e_clipboard)'"
fi

main_keys ctrl+r
e2e_check 'Ctrl+R asks "Reset Earnmeter"; Return answers Yes' e2e_keys_to 10 'Reset Earnmeter' Return
e2e_expect 5 'after the reset the caption reads Earnmeter' caption_is 'Earnmeter'
main_keys alt+e c t
e2e_expect 5 'after the reset the elapsed time copies as 00:00:00' e2e_clipboard_matches '00:00:00'
main_keys ctrl+c
e2e_expect 5 'after the reset the wage copies as 0.00' e2e_clipboard_matches '0\.00'

main_keys alt+w ctrl+h
e2e_expect 10 'Ctrl+H in the wage box opens "Earnmeter History"' e2e_window_shown 'Earnmeter History'
history_window=$(e2e_window 5 'Earnmeter History')
[ -n "$history_window" ] && xdotool windowunmap "$history_window"

main_keys alt+s
e2e_expect 10 'Alt+S starts again: caption shows $0.01 (Earnmeter) or more' \
    caption_is '\$0\.0[1-9] \(Earnmeter\)'

main_keys ctrl+x
e2e_check 'Ctrl+X asks "Save Earnmeter Progress"; Y answers Yes' e2e_keys_to 10 'Save Earnmeter Progress' y
if e2e_wait_app_end 10; then
    e2e_check "the program ends after Yes (exit status $APP_STATUS)" test "$APP_STATUS" -eq 0
else
    e2e_fail "the program still runs 10 s after Exit was answered Yes"
fi

if e2e_one_record "$APP_DIR/Prev.ewg" '[1-9][0-9]*'; then
    e2e_pass "Prev.ewg keeps the count: $(e2e_bytes "$APP_DIR/Prev.ewg")"
else
    e2e_fail "Prev.ewg is not one positive count and CR LF: $(e2e_bytes "$APP_DIR/Prev.ewg")"
fi
if e2e_one_record "$APP_DIR/Saved.ewg" '-?[0-9]+(,-?[0-9]+){3}'; then
    e2e_pass "Saved.ewg holds four positions: $(e2e_bytes "$APP_DIR/Saved.ewg")"
else
    e2e_fail "Saved.ewg is not one record of four numbers and CR LF: $(e2e_bytes "$APP_DIR/Saved.ewg")"
fi

e2e_finish
