#!/usr/bin/env bash
# Counts the instructions programs execute while they start, under callgrind:
# up to the first window's map (the first xcb_map_window call) and in all until
# they are ended a few seconds later. Unlike bench/bench.py's times, the counts do
# not move with the machine's load, so a change of a few hundred microseconds
# shows up on a busy shared machine too; they leave out what costs time without
# instructions (waits for the X server and the session bus, page faults).
#
#   bench/instructions.sh LABEL=PROGRAM...
#
# Each PROGRAM runs once on a private Xvfb display with its own session bus and
# no tray panel; an earnmeter build runs from a folder of its own with valid
# settings and no saved count. Prints one table row per program, in millions of
# instructions, all threads together.
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: bench/instructions.sh LABEL=PROGRAM..." >&2; exit 2; }
for tool in valgrind Xvfb dbus-daemon xdotool; do
    command -v $tool >/dev/null || { echo "instructions: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid="" bus_pid=""
cleanup() {
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    [ -n "${KEEP_CALLGRIND:-}" ] && cp -r "$work" "$KEEP_CALLGRIND"
    rm -rf "$work"
}
trap cleanup EXIT

start_session() {
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>/dev/null &
    bus_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && [ -s "$work/bus" ] && break; sleep 0.05; done
    DISPLAY=:$(cat "$work/display") DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus")
    export DISPLAY DBUS_SESSION_BUS_ADDRESS HOME=$work/home XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb \
        LC_ALL=C.UTF-8
}

# count LABEL PROGRAM: runs it under callgrind and prints its row.
count() {
    local label=$1 program=$2 folder=$work/$1 pid
    mkdir -p "$folder"
    cp "$program" "$folder/"
    # The desktop program is a module the executable loads from its folder.
    [ -f "$(dirname "$program")/earnmeter-program.so" ] && cp "$(dirname "$program")/earnmeter-program.so" "$folder/"
    program=$folder/$(basename "$program")
    printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$folder/Config.ewg"
    printf '0\r\n' >"$folder/Prev.ewg"
    valgrind --tool=callgrind --dump-before=xcb_map_window --callgrind-out-file="$folder/out.%p" \
        "$program" >/dev/null 2>"$folder/valgrind.log" &
    pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
    sleep 3
    kill -TERM "$pid"
    wait "$pid" || true
    # Part 1 ends at the first map; the parts together are the whole run.
    awk -v label="$label" '/^part:/ { part = $2 } /^totals:/ { if (part == 1) first = $2; all += $2 }
        END { printf "| %s | %.1f | %.1f |\n", label, first / 1e6, all / 1e6 }' "$folder"/out.*
}

start_session
echo "| Program | Instructions to the first map (M) | Instructions in all (M) |"
echo "|---|---:|---:|"
for argument in "$@"; do
    count "${argument%%=*}" "$(realpath "${argument#*=}")"
done
