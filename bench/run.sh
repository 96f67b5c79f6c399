#!/usr/bin/env bash
# Measures Earnmeter against a minimal Qt 6 Widgets program (and ktimetracker
# when it is installed) on a private Xvfb display, all in this one run so the
# figures can be read as ratios:
#   start-up  time from launch to the first window mapped (median of the runs)
#   memory    resident set size (VmRSS) one second after that window maps
#   idle cost voluntary context switches per second while idle, running, paused
#   accuracy  the count after a long run with every core kept busy, against the
#             wall-clock running time
#
#   bench/run.sh [--short] [--program PATH] [--output FILE]
#
# --short    3 runs, 5 s windows and a 20 s accuracy run: a smoke test for CI,
#            whose figures mean little; written to build-bench/results-short.md
#            unless --output is given.
# --program  the earnmeter executable to measure; by default a Release build
#            is made in build-release/ (the one scripts/package.sh packs).
# The full run takes about 12 minutes and writes bench/results.md.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

short=0
program=""
output=""
while [ $# -gt 0 ]; do
    case $1 in
    --short) short=1 ;;
    --program) program=$2; shift ;;
    --output) output=$2; shift ;;
    *) echo "usage: bench/run.sh [--short] [--program PATH] [--output FILE]" >&2; exit 2 ;;
    esac
    shift
done

if [ $short = 1 ]; then
    runs=3 window=5 accuracy_seconds=20
    output=${output:-build-bench/results-short.md}
else
    runs=15 window=30 accuracy_seconds=300
    output=${output:-bench/results.md}
fi
# The count is saved every 300 counted seconds; a run that long also times that tick.
checkpoint=300

for tool in Xvfb xdotool xwininfo cc cmake; do
    command -v $tool >/dev/null || { echo "bench: $tool is missing (scripts/deps.sh test installs it)" >&2; exit 2; }
done
[ -f /usr/include/xcb/xcb.h ] || { echo "bench: the map probe needs libxcb1-dev" >&2; exit 2; }

say() { printf '== %s\n' "$*" >&2; }

# --- Build -------------------------------------------------------------------
mkdir -p build-bench
if [ -z "$program" ]; then
    say "building a Release earnmeter in build-release/"
    cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DEARNMETER_TESTS=OFF -DEARNMETER_BENCH=OFF >/dev/null
    cmake --build build-release -j2 --target earnmeter >/dev/null
    program=build-release/earnmeter
fi
program=$(realpath "$program")
say "building the minimal Qt program and the map probe in build-bench/"
cmake -S bench/minimal-qt -B build-bench/minimal-qt -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench/minimal-qt -j2 >/dev/null
minimal=$repo/build-bench/minimal-qt/minimal-qt
mapwait=$repo/build-bench/mapwait
cc -O2 -Wall -Wextra -o "$mapwait" bench/mapwait.c -lxcb

# --- A private display and a clean environment --------------------------------
work=$(mktemp -d)
xvfb_pid="" trayer_pid="" hog_pids=() probe_pid="" PID=""
cleanup() {
    set +e
    [ ${#hog_pids[@]} -gt 0 ] && kill "${hog_pids[@]}" 2>/dev/null
    [ -n "$PID" ] && kill -KILL "$PID" 2>/dev/null
    [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null
    [ -n "$trayer_pid" ] && kill "$trayer_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$work/home" "$work/runtime" "$work/earnmeter"
chmod 700 "$work/runtime"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "bench: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORMTHEME SESSION_MANAGER
root_window=$(xwininfo -root | awk '/Window id:/ {print $4}')

# Earnmeter runs from its own folder with valid settings and no saved count,
# so it starts straight to its main window ("Earnmeter!").
cp "$program" "$work/earnmeter/earnmeter"
cp "$(dirname "$program")/earnmeter-program.so" "$work/earnmeter/"
[ -f "$(dirname "$program")/Readme.html" ] && cp "$(dirname "$program")/Readme.html" "$work/earnmeter/"
earnmeter=$work/earnmeter/earnmeter
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$work/earnmeter/Config.ewg"
reset_count() { printf '0\r\n' >"$work/earnmeter/Prev.ewg"; }

# --- Helpers -----------------------------------------------------------------
# launch TITLE PROGRAM...: starts the program, waits for its first window whose
# title holds TITLE (any window of the program when TITLE is empty), sets PID
# and MAP_MS. The probe stays the program's parent until it ends.
launch() {
    local title=$1
    shift
    coproc MW { exec "$mapwait" --timeout 30 ${title:+--name "$title"} -- "$@"; }
    # Bash drops MW and MW_PID once the probe ends; keep our own copies.
    probe_pid=$MW_PID
    exec {probe_out}<&"${MW[0]}"
    PID="" MAP_MS=""
    read -r PID MAP_MS <&"$probe_out" || true
    exec {probe_out}<&-
    if [ -z "$MAP_MS" ]; then
        wait "$probe_pid" 2>/dev/null || true
        probe_pid="" PID=""
        return 1
    fi
}

# Ends the launched program as a session end would (SIGTERM) and waits for it.
stop() {
    kill -TERM "$PID" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$PID" 2>/dev/null || true
    wait "$probe_pid" 2>/dev/null || true
    probe_pid="" PID=""
}

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

# Voluntary context switches: "<main thread> <all threads>".
switches() {
    local main all=0 n
    main=$(awk '/^voluntary_ctxt_switches:/ {print $2}' "/proc/$1/status")
    for task in /proc/"$1"/task/*/status; do
        n=$(awk '/^voluntary_ctxt_switches:/ {print $2}' "$task" 2>/dev/null) && all=$((all + ${n:-0}))
    done
    echo "$main $all"
}

# Per second over the window: "<main thread> <all threads>".
switch_rate() {
    local before after
    before=$(switches "$1")
    sleep "$window"
    after=$(switches "$1")
    awk -v b="$before" -v a="$after" -v w="$window" \
        'BEGIN { split(b, x, " "); split(a, y, " "); printf "%.2f %.2f\n", (y[1] - x[1]) / w, (y[2] - x[2]) / w }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

title_of() { xdotool getwindowname "$1" 2>/dev/null || true; }

# Waits up to 5 s for the window's title to start with TEXT.
expect_title() {
    local window=$1 text=$2
    for _ in $(seq 50); do
        case $(title_of "$window") in "$text"*) return 0 ;; esac
        sleep 0.1
    done
    echo "bench: expected a title starting with '$text', got '$(title_of "$window")'" >&2
    return 1
}

focus() { xdotool windowfocus --sync "$1"; }
# With no window manager the root window takes the focus: the program then runs
# in the background, as it does while its user works in another window.
unfocus() { xdotool windowfocus "$root_window"; }

main_window() { xdotool search --onlyvisible --pid "$PID" --name 'Earnmeter!' | head -n 1; }

# --- Start-up and memory -----------------------------------------------------
peers=(minimal earnmeter)
if command -v ktimetracker >/dev/null; then peers+=(ktimetracker); fi
declare -A start_ms rss
start_peer() {
    case $1 in
    minimal) launch 'Minimal Qt' "$minimal" ;;
    earnmeter) reset_count; launch 'Earnmeter!' "$earnmeter" ;;
    ktimetracker) launch '' ktimetracker ;;
    esac
}
say "start-up and memory: $runs runs each after one warm-up, taken in turns"
for run in $(seq 0 "$runs"); do
    for peer in "${peers[@]}"; do
        if ! start_peer "$peer"; then
            echo "bench: $peer showed no window" >&2
            [ "$peer" = ktimetracker ] && continue
            exit 1
        fi
        sleep 1
        if [ "$run" -gt 0 ]; then
            start_ms[$peer]+="$MAP_MS "
            rss[$peer]+="$(rss_kb "$PID") "
        fi
        stop
    done
done

# --- Idle cost ---------------------------------------------------------------
declare -A idle
say "idle cost: ${window}s windows"
launch 'Minimal Qt' "$minimal"
sleep 2
idle[minimal]=$(switch_rate "$PID")
stop

reset_count
launch 'Earnmeter!' "$earnmeter"
sleep 2
idle[notray]=$(switch_rate "$PID")
stop

tray_note="no tray panel (trayer is not installed)"
if command -v trayer >/dev/null; then
    trayer --expand false --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
    trayer_pid=$!
    tray_note="trayer as the tray panel"
    sleep 1
fi
reset_count
launch 'Earnmeter!' "$earnmeter"
sleep 2
idle[idle]=$(switch_rate "$PID")
window_id=$(main_window)
focus "$window_id"
xdotool type --delay 50 15
xdotool key Return
unfocus
expect_title "$window_id" '$'
sleep 2
idle[running]=$(switch_rate "$PID")
focus "$window_id"
sleep 2
idle[focused]=$(switch_rate "$PID")
xdotool key alt+p
unfocus
expect_title "$window_id" PAUSED
sleep 2
idle[paused]=$(switch_rate "$PID")
stop

# --- Accuracy under load -----------------------------------------------------
cores=$(nproc)
say "accuracy: a ${accuracy_seconds}s run with $cores busy loops"
reset_count
launch 'Earnmeter!' "$earnmeter"
window_id=$(main_window)
focus "$window_id"
xdotool type --delay 50 15
for _ in $(seq "$cores"); do
    yes >/dev/null &
    hog_pids+=($!)
done
sleep 2
before_start=$EPOCHREALTIME
xdotool key Return
started=$EPOCHREALTIME
unfocus
expect_title "$window_id" '$'
ended=$(awk -v s="$started" -v r="$accuracy_seconds" 'BEGIN { printf "%.6f", s + r + 0.5 }')
sleep "$(awk -v e="$ended" -v n="$EPOCHREALTIME" 'BEGIN { printf "%.6f", e - n }')"
checkpoint_note="The run is shorter than $checkpoint s, so the program saved no count on the way"
if [ "$accuracy_seconds" -ge $checkpoint ]; then
    saved=$(tr -d '\r\n' <"$work/earnmeter/Prev.ewg")
    saved_at=$(stat -c '%.9Y' "$work/earnmeter/Prev.ewg")
    saved_after=$(awk -v t="$saved_at" -v s="$started" 'BEGIN { printf "%.3f", t - s }')
    checkpoint_note="On the way, the program saved the count $saved to Prev.ewg $saved_after s of wall-clock time after Start"
fi
stopped=$EPOCHREALTIME
stop
kill "${hog_pids[@]}" 2>/dev/null || true
wait "${hog_pids[@]}" 2>/dev/null || true
hog_pids=()
count=$(tr -d '\r\n' <"$work/earnmeter/Prev.ewg")
wall=$(awk -v a="$started" -v b="$stopped" 'BEGIN { printf "%.3f", b - a }')
key_latency=$(awk -v a="$before_start" -v b="$started" 'BEGIN { printf "%.0f", (b - a) * 1000 }')

# --- Report ------------------------------------------------------------------
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || b == "-" || b == 0) print "-"; else printf "%.2f", a / b }'; }
field() { echo "$1" | cut -d' ' -f"$2"; }
med_start_min=$(echo ${start_ms[minimal]} | tr ' ' '\n' | median)
med_rss_min=$(echo ${rss[minimal]} | tr ' ' '\n' | median)
{
    echo "# Earnmeter benchmarks"
    echo
    echo "Measured by \`bench/run.sh$([ $short = 1 ] && echo ' --short')\` on $(date -u '+%Y-%m-%d %H:%M UTC'):"
    echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $cores cores, Linux $(uname -r),"
    echo "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?'), Xvfb with no window manager;"
    echo "load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)."
    echo
    echo "## Start-up and memory"
    echo
    echo "Launch to first window mapped (X MapNotify), and VmRSS one second later;"
    echo "median of $runs runs each, taken in turns after one warm-up run."
    echo
    echo "| Program | Start-up (ms) | × minimal | RSS (MiB) | × minimal |"
    echo "|---|---:|---:|---:|---:|"
    for peer in minimal earnmeter ktimetracker; do
        case $peer in
        minimal) name="Minimal Qt 6 Widgets program (one label)" ;;
        earnmeter) name="Earnmeter" ;;
        ktimetracker) name="ktimetracker" ;;
        esac
        if [ -z "${start_ms[$peer]:-}" ]; then
            [ $peer = ktimetracker ] && echo "| ktimetracker | not installed | | | |"
            continue
        fi
        s=$(echo ${start_ms[$peer]} | tr ' ' '\n' | median)
        r=$(echo ${rss[$peer]} | tr ' ' '\n' | median)
        printf '| %s | %.1f | %s | %.1f | %s |\n' "$name" "$s" "$(ratio "$s" "$med_start_min")" \
            "$(awk -v k="$r" 'BEGIN { print k / 1024 }')" "$(ratio "$r" "$med_rss_min")"
    done
    echo
    echo "## Idle cost"
    echo
    echo "Voluntary context switches per second over ${window} s, from /proc/PID/status (main"
    echo "thread) and summed over /proc/PID/task/* (all threads: Qt adds an X11 reader"
    echo "thread and a D-Bus thread). Earnmeter runs in the background unless noted,"
    echo "with $tray_note."
    echo
    echo "| Program and state | Main thread /s | All threads /s |"
    echo "|---|---:|---:|"
    echo "| Minimal Qt program, idle | $(field "${idle[minimal]}" 1) | $(field "${idle[minimal]}" 2) |"
    echo "| Earnmeter idle, no tray panel | $(field "${idle[notray]}" 1) | $(field "${idle[notray]}" 2) |"
    echo "| Earnmeter idle | $(field "${idle[idle]}" 1) | $(field "${idle[idle]}" 2) |"
    echo "| Earnmeter running | $(field "${idle[running]}" 1) | $(field "${idle[running]}" 2) |"
    echo "| Earnmeter running, window focused (wage box has the text cursor) | $(field "${idle[focused]}" 1) | $(field "${idle[focused]}" 2) |"
    echo "| Earnmeter paused | $(field "${idle[paused]}" 1) | $(field "${idle[paused]}" 2) |"
    echo
    echo "## Accuracy under load"
    echo
    echo "$cores busy loops (\`yes > /dev/null\`, normal priority) ran throughout; the timer was"
    echo "started with the Return key and the program ended with SIGTERM, which saves the count."
    echo
    echo "| Wall-clock running time (s) | Count (s) | Count − whole wall-clock seconds |"
    echo "|---:|---:|---:|"
    awk -v w="$wall" -v c="$count" 'BEGIN { printf "| %.3f | %d | %d |\n", w, c, c - int(w) }'
    echo
    echo "$checkpoint_note. Start was timed when the key press had been sent"
    echo "(${key_latency} ms after it was begun), so the figures carry a few milliseconds of doubt."
    # Notes written by hand under "## Findings" outlive a new measurement.
    if [ -f "$output" ] && grep -q '^## Findings' "$output"; then
        echo
        sed -n '/^## Findings/,$p' "$output"
    fi
} >"$output.tmp"
mv "$output.tmp" "$output"
cat "$output"
say "written to $output"
