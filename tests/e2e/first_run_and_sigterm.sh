#!/usr/bin/env bash
# First run, SIGTERM and the next start, on the real binary under Xvfb:
#  - without Config.ewg the program shows its two messages, writes the default
#    settings byte for byte and ends;
#  - the next start clears a half-written file a crashed copy left;
#  - a running count is written to Prev.ewg when the process gets SIGTERM, as a
#    logout would send it, without asking anybody;
#  - the next start offers to continue with that count;
#  - SIGTERM while that question is still open ends the program and leaves the
#    saved count alone, since the count in memory is not yet the user's;
#  - SIGTERM while the exit question is open still keeps the running count.
#
# Usage: first_run_and_sigterm.sh [path/to/earnmeter]   (default build/earnmeter)
# Patterns hold a literal $; helpers run through e2e_poll look unused to shellcheck.
# shellcheck disable=SC2016,SC2119,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"

config="$APP_DIR/Config.ewg"
prev="$APP_DIR/Prev.ewg"
main_caption='Earnmeter!'
continue_caption='Continue Earnmeter'

# --- 1. First run: two messages, default settings, end ---------------------------
e2e_start_app
e2e_check 'first run shows the message "Error" (Config.ewg not found)' e2e_keys_to 15 'Error' Return
e2e_check 'then the message "Notice" (Config.ewg will be recreated)' e2e_keys_to 10 'Notice' Return
if e2e_wait_app_end 10; then
    e2e_check "first run ends by itself after the two messages (exit status $APP_STATUS)" test "$APP_STATUS" -eq 0
else
    e2e_fail "first run still running 10 s after its two messages"
fi
if cmp -s "$config" <(printf '"v2.5",6.75,45.5,0,0,-1\r\n'); then
    e2e_pass 'Config.ewg holds the defaults byte for byte: "v2.5",6.75,45.5,0,0,-1 CR LF'
else
    e2e_fail "Config.ewg is not the default record; it holds: $(e2e_bytes "$config")"
fi
e2e_check "first run writes no Prev.ewg or Saved.ewg" test ! -e "$prev" -a ! -e "$APP_DIR/Saved.ewg"

# --- 2. A counted run ended by SIGTERM ----------------------------------------------
# What a copy killed in the middle of a save left behind; the next copy clears it.
stale="$APP_DIR/.Prev.ewg.99999.1.tmp"
printf '12' >"$stale"
e2e_start_app
main=$(e2e_window 15 "$main_caption")
if [[ -n $main ]]; then
    e2e_pass "second start shows the main window \"$main_caption\" without a question"
    e2e_check 'the half-written file a crashed copy left is cleared at start' test ! -e "$stale"
    # The entry has the focus and its text is selected: typing replaces it, and
    # Enter presses Start. 36 an hour is one cent a second.
    e2e_start_meter_at 36
    e2e_expect 15 'the count runs: caption reaches $0.03 (Earnmeter) after three ticks' \
        e2e_window_named "$main" '\$0\.03 \(Earnmeter\)'
else
    e2e_fail "second start shows no window \"$main_caption\""
fi
kill -TERM "$APP_PID"
if e2e_wait_app_end 10; then
    e2e_check "SIGTERM ends the program without a question (exit status $APP_STATUS)" test "$APP_STATUS" -eq 0
else
    e2e_fail "program still running 10 s after SIGTERM"
fi
if e2e_one_record "$prev" '[1-9][0-9]*'; then
    count=$(tr -d '\r\n' <"$prev")
    e2e_pass "Prev.ewg holds the count $count as one CR LF record"
    e2e_check "the count $count covers the three ticks seen (3 to 10)" test "$count" -ge 3 -a "$count" -le 10
else
    e2e_fail "Prev.ewg does not hold a positive count and CR LF; it holds: $(e2e_bytes "$prev")"
fi
cp "$prev" "$E2E_WORK/prev-after-sigterm"

# --- 3. The next start offers to continue; No ---------------------------------------
e2e_start_app
e2e_check "third start asks \"$continue_caption\" about the saved count" e2e_keys_to 15 "$continue_caption" n
main=$(e2e_window 10 "$main_caption")
if [[ -n $main ]]; then
    e2e_pass "answered No, the main window \"$main_caption\" shows"
    e2e_check "Prev.ewg keeps the count until the next write" cmp -s "$prev" "$E2E_WORK/prev-after-sigterm"
    e2e_focus "$main"
    xdotool key ctrl+x
    if e2e_wait_app_end 10; then
        e2e_pass "Exit (Ctrl+X) with a count of 0 ends without a question"
        e2e_check "and writes 0 to Prev.ewg" cmp -s "$prev" <(printf '0\r\n')
    else
        e2e_fail "Exit (Ctrl+X) with a count of 0 did not end the program"
    fi
else
    e2e_fail "no main window after answering No"
fi

# --- 4. SIGTERM while the continue question is open ---------------------------------
cp "$E2E_WORK/prev-after-sigterm" "$prev"
e2e_start_app
question=$(e2e_window 15 "$continue_caption")
if [[ -n $question ]]; then
    kill -TERM "$APP_PID"
    if e2e_wait_app_end 10; then
        e2e_pass "SIGTERM during the continue question ends the program"
    else
        shown=$(xdotool search --onlyvisible --name '.+' getwindowname %@ 2>/dev/null | paste -sd '|')
        e2e_fail "SIGTERM during the continue question did not end the program: it took the signal as No and runs on, showing: $shown"
    fi
    e2e_check "SIGTERM during the continue question leaves Prev.ewg as it was" \
        cmp -s "$prev" "$E2E_WORK/prev-after-sigterm"
    # Killed outright, a copy left running can write nothing more.
    e2e_stop_pid "$APP_PID" KILL
else
    e2e_fail "fourth start did not ask \"$continue_caption\""
fi

# --- 5. SIGTERM while the exit question is open -------------------------------------
# In a folder of its own, so that nothing of the runs above can be in the way.
e2e_new_app_dir "app-exit-question"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"
e2e_start_app
main=$(e2e_window 15 "$main_caption")
if [[ -n $main ]]; then
    e2e_start_meter_at 36
    e2e_poll 15 e2e_window_named "$main" '\$0\.0[2-9] \(Earnmeter\)'
    e2e_focus "$main"
    xdotool key ctrl+x
    if [[ -n $(e2e_window 10 'Save Earnmeter Progress') ]]; then
        kill -TERM "$APP_PID"
        if e2e_wait_app_end 10; then
            e2e_pass "SIGTERM while \"Save Earnmeter Progress\" is open ends the program"
        else
            e2e_fail "SIGTERM while \"Save Earnmeter Progress\" is open did not end the program"
        fi
        e2e_check "and Prev.ewg keeps the running count" e2e_one_record "$APP_DIR/Prev.ewg" '[2-9]|[1-9][0-9]+'
    else
        e2e_fail "Exit (Ctrl+X) with a running count did not ask \"Save Earnmeter Progress\""
    fi
else
    e2e_fail "start with the default settings shows no window \"$main_caption\""
fi

e2e_finish
