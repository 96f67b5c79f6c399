#!/usr/bin/env bash
# Measures Earnmeter side by side with two floor programs (bench/minimal-qt) on
# one private Xvfb display with its own session bus, all in this one run, so that
# the figures can be read as ratios. Absolute figures move with the machine's
# load; compare only figures of the same run.
#
#   start-up  time from exec to the first map of the main window (X MapNotify of
#             the window carrying the program's _NET_WM_PID) and the processor
#             time used by then, processor time of all threads in the first 1.5 s (the process CPU clock, in ns, which
#             unlike /proc/PID/task/*/schedstat keeps the threads that ended) and
#             VmRSS at 1.5 s; the programs take turns run by run
#   wakeups   context switches of the main thread per second (voluntary and
#             involuntary): idle, running visible, focused, paused and hidden
#             (closed to the tray), against the floor idle and a one-label
#             program whose 1 s timer rewrites its label and caption
#   accuracy  the count after a long run with every core kept busy, against the
#             wall-clock running time
#
#   bench/run.sh [--short] [--startup-only] [--program PATH] [--compare LABEL=PATH]...
#                [--seed-history COMMAND] [--output FILE]
#
# --short         3 start-up runs each, 5 s wakeup windows and a 20 s accuracy run:
#                 CI's smoke test, whose figures mean little; written to
#                 build-bench/results-short.md unless --output is given.
# --startup-only  measure only the start-up and memory (a few minutes).
# --wakeups-only  measure only the wakeups, WAKEUP_WINDOW seconds (20) a state,
#                 and print them; nothing is written.
# --program       the earnmeter executable to measure, in a CMake build tree of this
#                 project: the floors are built in the same tree, so that they are
#                 compiled and linked with the same flags. By default a Release build
#                 is made in build-release/ (the one scripts/package.sh packs).
# --compare       another earnmeter build that takes its turn in the start-up runs
#                 and has its own session of wakeups, to try a change against the
#                 current program in the same run.
# --seed-history  run COMMAND once for each program's data folder before the runs,
#                 with the folder as $1 (sh -c COMMAND seed FOLDER), e.g. to create
#                 a History.sqlite holding a year of records.
# --output        where to write the results instead of bench/results.md.
#
# The full run takes about 16 minutes, writes bench/results.md and regenerates the
# table between the bench markers in README.md.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

say() { printf '== %s\n' "$*" >&2; }
fail() {
    printf 'bench: %s\n' "$*" >&2
    exit 1
}

# --- Options -----------------------------------------------------------------
short=0 startup_only=0 wakeups_only=0 program="" output="" seed_command=""
compare_labels=()
declare -A compare_paths
parse_options() {
    while [ $# -gt 0 ]; do
        case $1 in
        --short) short=1 ;;
        --startup-only) startup_only=1 ;;
        --wakeups-only) wakeups_only=1 ;;
        --program) program=${2:?}; shift ;;
        --output) output=${2:?}; shift ;;
        --seed-history) seed_command=${2:?}; shift ;;
        --compare)
            [[ ${2:-} =~ ^([A-Za-z0-9_-]+)=(.+)$ ]] || fail "--compare takes LABEL=PATH"
            compare_labels+=("${BASH_REMATCH[1]}")
            compare_paths[${BASH_REMATCH[1]}]=$(realpath "${BASH_REMATCH[2]}")
            shift
            ;;
        *)
            echo "usage: bench/run.sh [--short] [--startup-only | --wakeups-only] [--program PATH] [--compare LABEL=PATH]..." \
                "[--seed-history COMMAND] [--output FILE]" >&2
            exit 2
            ;;
        esac
        shift
    done
    # Only a full run to the default place is the project's published measurement.
    publish=0
    [ $short = 0 ] && [ $startup_only = 0 ] && [ $wakeups_only = 0 ] && [ -z "$output" ] && publish=1
    if [ $short = 1 ]; then
        runs=3 window=5 accuracy_seconds=20
        output=${output:-build-bench/results-short.md}
    else
        runs=15 window=60 accuracy_seconds=300
        output=${output:-bench/results.md}
    fi
    sample_at=1.5
}

require_tools() {
    local tool
    for tool in Xvfb xdotool xwininfo trayer dbus-daemon cc cmake ninja; do
        command -v $tool >/dev/null || fail "$tool is missing (scripts/deps.sh test installs it)"
    done
    [ -f /usr/include/xcb/xcb.h ] || fail "the map probe needs libxcb1-dev (scripts/deps.sh test installs it)"
}

# --- Build -------------------------------------------------------------------
# Sets program, build (its build tree), floor, timer_floor, mapwait and wmclose.
build_programs() {
    mkdir -p build-bench
    if [ -z "$program" ]; then
        say "building a Release earnmeter in build-release/"
        cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DEARNMETER_TESTS=OFF \
            -DEARNMETER_BENCH=OFF >/dev/null
        cmake --build build-release -j2 --target earnmeter >/dev/null
        program="build-release/earnmeter"
    fi
    program=$(realpath "$program")
    build=$(dirname "$program")
    [ -f "$build/CMakeCache.txt" ] || fail "$program is not in a CMake build tree of this project"
    say "building the floors in $build/bench/minimal-qt/ and the X helpers in build-bench/"
    cmake --build "$build" -j2 --target minimal-qt minimal-qt-timer >/dev/null ||
        fail "cannot build the floors in $build"
    floor=$build/bench/minimal-qt/minimal-qt
    timer_floor=$build/bench/minimal-qt/minimal-qt-timer
    mapwait=$repo/build-bench/mapwait
    wmclose=$repo/build-bench/wmclose
    cc -O2 -Wall -Wextra -o "$mapwait" bench/mapwait.c -lxcb
    cc -O2 -Wall -Wextra -o "$wmclose" bench/wmclose.c -lxcb
}

# --- A private display, session bus and clean environment ---------------------
work=$(mktemp -d)
xvfb_pid="" bus_pid="" trayer_pid="" hog_pids=() probe_pid="" PID=""
cleanup() {
    set +e
    [ ${#hog_pids[@]} -gt 0 ] && kill "${hog_pids[@]}" 2>/dev/null
    [ -n "$PID" ] && kill -KILL "$PID" 2>/dev/null
    [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null
    [ -n "$trayer_pid" ] && kill "$trayer_pid" 2>/dev/null
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Waits up to 5 s for FILE to have contents.
await_file() {
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        sleep 0.05
    done
    return 1
}

# A desktop session has a session bus: Qt asks it for a global menu and for
# accessibility at start-up, and what that costs belongs in the figures.
start_session() {
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    await_file "$work/display" || fail "Xvfb did not start"
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>/dev/null &
    bus_pid=$!
    await_file "$work/bus" || fail "dbus-daemon did not start"
    DISPLAY=:$(cat "$work/display") DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus")
    export DISPLAY DBUS_SESSION_BUS_ADDRESS
    export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
    unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME QT_QPA_PLATFORMTHEME SESSION_MANAGER
    root_window=$(xwininfo -root | awk '/Window id:/ {print $4}')
}

start_tray() {
    trayer --expand false --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
    trayer_pid=$!
    sleep 1
}

# --- The programs' folders ----------------------------------------------------
# Each earnmeter build runs from a folder of its own with valid settings and no
# saved count, so it starts straight to its main window ("Earnmeter!").
declare -A copy_of
prepare_copies() {
    local label path folder
    for label in earnmeter "${compare_labels[@]}"; do
        path=$program
        [ "$label" = earnmeter ] || path=${compare_paths[$label]}
        folder=$work/copies/$label
        mkdir -p "$folder"
        cp "$path" "$folder/earnmeter"
        # The desktop program is a module the executable loads from its folder.
        [ -f "$(dirname "$path")/earnmeter-program.so" ] && cp "$(dirname "$path")/earnmeter-program.so" "$folder/"
        [ -f "$(dirname "$path")/Readme.html" ] && cp "$(dirname "$path")/Readme.html" "$folder/"
        printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$folder/Config.ewg"
        copy_of[$label]=$folder/earnmeter
    done
}

# Hook for start-up with a year of history: the command fills each data folder
# (History.sqlite beside the settings) before anything is measured.
seed_history() {
    local label folder
    for label in "${!copy_of[@]}"; do
        folder=$(dirname "${copy_of[$label]}")
        say "seeding $folder: $seed_command"
        sh -c "$seed_command" seed-history "$folder" || fail "the history seed command failed for $label"
    done
}

reset_count() { printf '0\r\n' >"$(dirname "$1")/Prev.ewg"; }

# --- Launching and stopping ---------------------------------------------------
# launch TITLE PROGRAM...: starts the program through the map probe, waits for its
# first window whose title holds TITLE and for the sample at $sample_at s; sets
# PID, MAP_MS, MAP_CPU_MS, CPU_MS and RSS_KB. The probe stays the program's parent until it ends.
launch() {
    local title=$1
    shift
    coproc MW { exec "$mapwait" --timeout 30 --name "$title" --sample-at "$sample_at" -- "$@"; }
    # Bash drops MW and MW_PID once the probe ends; keep our own copies.
    probe_pid=$MW_PID
    exec {probe_out}<&"${MW[0]}"
    PID="" MAP_MS="" MAP_CPU_MS="" CPU_MS="" RSS_KB=""
    read -r PID MAP_MS MAP_CPU_MS <&"$probe_out" || true
    read -r CPU_MS RSS_KB <&"$probe_out" || true
    exec {probe_out}<&-
    if [ -z "$RSS_KB" ]; then
        wait "$probe_pid" 2>/dev/null || true
        probe_pid="" PID=""
        fail "$* showed no window titled '$title'"
    fi
}

# launch_peer NAME: the floor or one of the earnmeter builds, as a fresh start.
launch_peer() {
    case $1 in
    floor) launch 'Minimal Qt' "$floor" ;;
    timer-floor) launch 'Minimal Qt timer' "$timer_floor" ;;
    *) reset_count "${copy_of[$1]}" && launch 'Earnmeter!' "${copy_of[$1]}" ;;
    esac
}

# Ends the launched program as a session end would (SIGTERM) and waits for it.
stop() {
    kill -TERM "$PID" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$PID" 2>/dev/null || true
    wait "$probe_pid" 2>/dev/null || true
    probe_pid="" PID=""
}

# --- Statistics ----------------------------------------------------------------
# Numbers in, one per word; "median q1 q3 min max" out ("-" for none).
stats() {
    tr ' ' '\n' | awk NF | sort -g | awk '
        function q(p,   h, l) { h = (NR - 1) * p + 1; l = int(h); return v[l] + (h - l) * (v[l + 1] - v[l]) }
        { v[NR] = $1 }
        END { if (NR == 0) print "- - - - -"; else { v[NR + 1] = v[NR]; print q(0.5), q(0.25), q(0.75), v[1], v[NR] } }'
}

# paired_ratios "A1 A2..." "B1 B2...": "A1/B1 A2/B2..." (runs of the same round).
paired_ratios() {
    awk -v a="$1" -v b="$2" 'BEGIN { n = split(a, x, " "); split(b, y, " ")
        for (i = 1; i <= n; i++) printf "%s%.4f", (i > 1 ? " " : ""), x[i] / y[i]; print "" }'
}

elapsed_ms() { awk -v a="$1" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", (b - a) * 1000 }'; }

# median_wall_ms N COMMAND...: "median q1 q3 min max" of the wall-clock time of N
# runs of COMMAND, in milliseconds.
median_wall_ms() {
    local n=$1 times="" start
    shift
    for _ in $(seq "$n"); do
        start=$EPOCHREALTIME
        "$@" >/dev/null 2>&1 || fail "$* failed"
        times+="$(elapsed_ms "$start") "
    done
    echo "$times" | stats
}

# --- Start-up and memory ---------------------------------------------------------
# On a shared machine a start-up's wall-clock time measures the neighbours' builds
# as much as the program. When we may, the display, the bus, the probe and the
# programs take the processor first while the start-ups are timed; their own work
# is brief, so the neighbours lose little.
priority_note="at normal priority (not root)"
raise_priority() {
    [ "$(id -u)" = 0 ] || return 0
    renice -n -10 -p $$ "$xvfb_pid" "$bus_pid" >/dev/null
    priority_note="at nice -10 (the display and the bus too), ahead of the machine's other work"
}

restore_priority() {
    [ "$(id -u)" = 0 ] || return 0
    renice -n 0 -p $$ "$xvfb_pid" "$bus_pid" >/dev/null
}

declare -A map_ms map_cpu_ms cpu_ms rss_kb
# One round launches every peer once, in alternating order so that neither
# profits from going second; round 0 warms the caches and is not counted.
measure_startup() {
    local peers=(floor earnmeter "${compare_labels[@]}") order round peer
    say "start-up and memory: $runs runs each after one warm-up, taken in turns"
    raise_priority
    for round in $(seq 0 "$runs"); do
        order=("${peers[@]}")
        [ $((round % 2)) = 1 ] && mapfile -t order < <(printf '%s\n' "${peers[@]}" | tac)
        for peer in "${order[@]}"; do
            launch_peer "$peer"
            if [ "$round" -gt 0 ]; then
                map_ms[$peer]+="$MAP_MS " map_cpu_ms[$peer]+="$MAP_CPU_MS "
                cpu_ms[$peer]+="$CPU_MS " rss_kb[$peer]+="$RSS_KB "
            fi
            stop
        done
    done
    restore_priority
}

# --- Wakeups ---------------------------------------------------------------------
# Context switches, voluntary and not: "<main thread> <main thread, involuntary
# only> <all threads>". Involuntary ones are the machine's other load taking the
# processor, not the program waking.
switches() {
    awk '/^(non)?voluntary_ctxt_switches:/ {
             all += $2
             if (FILENAME ~ "/task/" pid "/status$") { main += $2; if ($1 ~ /^non/) involuntary += $2 }
         }
         END { print main + 0, involuntary + 0, all + 0 }' pid="$1" /proc/"$1"/task/*/status 2>/dev/null
}

# Per second over the window, as switches gives them.
switch_rate() {
    local before after
    before=$(switches "$1")
    sleep "$window"
    after=$(switches "$1")
    awk -v b="$before" -v a="$after" -v w="$window" 'BEGIN { split(b, x, " "); split(a, y, " ")
        printf "%.2f %.2f %.2f\n", (y[1] - x[1]) / w, (y[2] - x[2]) / w, (y[3] - x[3]) / w }'
}

title_of() { xdotool getwindowname "$1" 2>/dev/null || true; }

# Waits up to 5 s for the window's title to start with TEXT.
expect_title() {
    local window=$1 text=$2
    for _ in $(seq 50); do
        case $(title_of "$window") in "$text"*) return 0 ;; esac
        sleep 0.1
    done
    fail "expected a title starting with '$text', got '$(title_of "$window")'"
}

expect_unmapped() {
    for _ in $(seq 50); do
        xwininfo -id "$1" | grep -q 'Map State: IsUnMapped' && return 0
        sleep 0.1
    done
    fail "window $1 is still shown after it was closed"
}

focus() { xdotool windowfocus --sync "$1"; }
# With no window manager the root window takes the focus: the program then runs
# in the background, as it does while its user works in another window.
unfocus() { xdotool windowfocus "$root_window"; }

main_window() { xdotool search --onlyvisible --pid "$PID" --name 'Earnmeter!' | head -n 1; }

declare -A wakeups
# settle_and_rate STATE: after the program has settled, the rates for STATE.
# Background states leave the focus to the root window before they call it.
settle_and_rate() {
    sleep 2
    wakeups[$1]=$(switch_rate "$PID")
}

wakeups_idle_without_tray() {
    launch_peer floor
    unfocus
    settle_and_rate floor
    stop
    launch_peer earnmeter
    unfocus
    settle_and_rate notray
    stop
}

wakeups_timer_floor() {
    launch_peer timer-floor
    unfocus
    settle_and_rate timer
    stop
}

# wakeups_of_a_run BUILD: one session of use: idle, Start, in the background,
# paused, started again and closed to the tray.
wakeups_of_a_run() {
    local window_id
    launch_peer "$1"
    unfocus
    settle_and_rate "$1/idle"
    window_id=$(main_window)
    focus "$window_id"
    xdotool type --delay 50 36
    xdotool key Return
    expect_title "$window_id" '$'
    settle_and_rate "$1/focused"
    unfocus
    settle_and_rate "$1/running"
    focus "$window_id"
    xdotool key alt+p
    unfocus
    expect_title "$window_id" PAUSED
    settle_and_rate "$1/paused"
    focus "$window_id"
    xdotool key alt+s
    unfocus
    expect_title "$window_id" '$'
    "$wmclose" "$window_id"
    expect_unmapped "$window_id"
    settle_and_rate "$1/hidden"
    stop
}

measure_wakeups() {
    local build
    say "wakeups: ${window} s windows"
    wakeups_idle_without_tray
    start_tray
    wakeups_timer_floor
    for build in earnmeter "${compare_labels[@]}"; do
        wakeups_of_a_run "$build"
    done
}

# --wakeups-only: the wakeup sessions alone, printed as they are measured
# (WAKEUP_WINDOW seconds each, 20 by default), to try a change quickly.
measure_wakeups_only() {
    window=${WAKEUP_WINDOW:-20}
    measure_wakeups
    local state
    for state in "${!wakeups[@]}"; do printf '%-24s %s\n' "$state" "${wakeups[$state]}"; done | sort
}

# --- The command line's round trip to a running copy -----------------------------
# Measured once the program lists --status in its --help (answered without a display).
status_ms=""
has_status_command() {
    (
        ulimit -c 0
        env -u DISPLAY timeout 5 "${copy_of[earnmeter]}" --help 2>/dev/null | grep -q -- '--status'
    )
}

measure_status_round_trip() {
    has_status_command || return 0
    say "the round trip of earnmeter --status, $runs runs"
    launch_peer earnmeter
    status_ms=$(median_wall_ms "$runs" "${copy_of[earnmeter]}" --status)
    stop
}

# --- Accuracy under load -----------------------------------------------------------
measure_accuracy() {
    local window_id before_start started ended saved saved_at
    say "accuracy: a ${accuracy_seconds} s run with $(nproc) busy loops"
    launch_peer earnmeter
    window_id=$(main_window)
    focus "$window_id"
    xdotool type --delay 50 36
    for _ in $(seq "$(nproc)"); do
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
    # The count is saved every 300 counted seconds; a run that long also times that save.
    checkpoint_note="The run is shorter than 300 s, so the program saved no count on the way"
    if [ "$accuracy_seconds" -ge 300 ]; then
        saved=$(tr -d '\r\n' <"$(dirname "${copy_of[earnmeter]}")/Prev.ewg")
        saved_at=$(stat -c '%.9Y' "$(dirname "${copy_of[earnmeter]}")/Prev.ewg")
        checkpoint_note="On the way, the program saved the count $saved to Prev.ewg"
        checkpoint_note+=" $(awk -v t="$saved_at" -v s="$started" 'BEGIN { printf "%.3f", t - s }') s after Start"
    fi
    local stopped=$EPOCHREALTIME
    stop
    kill "${hog_pids[@]}" 2>/dev/null || true
    wait "${hog_pids[@]}" 2>/dev/null || true
    hog_pids=()
    count=$(tr -d '\r\n' <"$(dirname "${copy_of[earnmeter]}")/Prev.ewg")
    wall=$(awk -v a="$started" -v b="$stopped" 'BEGIN { printf "%.3f", b - a }')
    key_latency=$(awk -v a="$before_start" -v b="$started" 'BEGIN { printf "%.0f", (b - a) * 1000 }')
}

# --- Report ------------------------------------------------------------------------
peer_name() {
    case $1 in
    floor) echo "Floor: one label, fixed size" ;;
    earnmeter) echo "Earnmeter" ;;
    *) echo "Earnmeter ($1)" ;;
    esac
}

# figure "median q1 q3 min max" SCALE FORMAT [UNIT]: "median[UNIT] [q1–q3]", divided by SCALE.
figure() {
    awk -v s="$1" -v d="$2" -v f="$3" -v u="${4:-}" 'BEGIN { split(s, x, " ")
        if (x[1] == "-") { print "-"; exit }
        printf f u " [" f "–" f "]\n", x[1] / d, x[2] / d, x[3] / d }'
}

# startup_cell PEER ARRAY-NAME SCALE FORMAT: the figure and its ratio to the floor.
startup_cell() {
    local -n values=$2
    local ratio=""
    [ "$1" = floor ] || ratio=$(figure "$(paired_ratios "${values[$1]}" "${values[floor]}" | stats)" 1 '%.2f' ×)
    printf '%s | %s' "$(figure "$(echo "${values[$1]}" | stats)" "$3" "$4")" "$ratio"
}

startup_table() {
    local peer
    echo "| Program | Exec to first map (ms) | × floor | CPU by the map (ms) | × floor | CPU, first 1.5 s (ms) | × floor" \
        "| RSS at 1.5 s (MiB) | × floor |"
    echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
    for peer in floor earnmeter "${compare_labels[@]}"; do
        printf '| %s | %s | %s | %s | %s |\n' "$(peer_name "$peer")" "$(startup_cell "$peer" map_ms 1 '%.1f')" \
            "$(startup_cell "$peer" map_cpu_ms 1 '%.1f')" "$(startup_cell "$peer" cpu_ms 1 '%.1f')" \
            "$(startup_cell "$peer" rss_kb 1024 '%.1f')"
    done
}

wakeup_row() {
    local main involuntary all
    read -r main involuntary all <<<"${wakeups[$2]}"
    printf '| %s | %s | %s | %s |\n' "$1" "$main" "$involuntary" "$all"
}

wakeup_table() {
    echo "| Program and state | Main thread /s | of which involuntary | All threads /s |"
    echo "|---|---:|---:|---:|"
    wakeup_row "Floor, idle" floor
    wakeup_row "Earnmeter idle, no tray" notray
    wakeup_row "Timer floor: one label and the caption rewritten every second, in the background" timer
    local build name
    for build in earnmeter "${compare_labels[@]}"; do
        name=$(peer_name "$build")
        wakeup_row "$name idle" "$build/idle"
        wakeup_row "$name running, in the background" "$build/running"
        wakeup_row "$name running, focused (the wage box's text cursor blinks)" "$build/focused"
        wakeup_row "$name paused, in the background" "$build/paused"
        wakeup_row "$name running, closed to the tray" "$build/hidden"
    done
}

accuracy_table() {
    echo "| Wall-clock running time (s) | Count (s) | Count − whole wall-clock seconds |"
    echo "|---:|---:|---:|"
    awk -v w="$wall" -v c="$count" 'BEGIN { printf "| %.3f | %d | %d |\n", w, c, c - int(w) }'
}

status_section() {
    [ -n "$status_ms" ] || return 0
    echo
    echo "## Command line"
    echo
    echo "\`earnmeter --status\` against a running copy, wall-clock time of $runs runs:"
    echo "$(figure "$status_ms" 1 '%.1f') ms (median [interquartile range])."
}

header_section() {
    echo "# Earnmeter benchmarks"
    echo
    echo "Measured by \`$invocation\` on $(date -u '+%Y-%m-%d %H:%M UTC'):"
    echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, Linux $(uname -r),"
    echo "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?'), Xvfb with no window manager and a"
    echo "private session bus; load average before the run: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)."
    echo "The machine is shared: compare figures of the same run only."
}

startup_section() {
    echo
    echo "## Start-up and memory"
    echo
    echo "Median [interquartile range] of $runs runs each, the programs taking turns after one"
    echo "warm-up round, $priority_note."
    echo "Times count from exec. \"CPU by the map\" is the processor time of all threads when"
    echo "the window was mapped: unlike the wall-clock time it leaves out the waits for a"
    echo "processor on a busy machine. × floor is the median of each run's ratio to the"
    echo "floor's run of the same round. The floor is \`bench/minimal-qt\`: one label in a window"
    echo "of the simple window's fixed size, built in the same tree with the same flags."
    [ -z "$seed_command" ] || echo "Each data folder was seeded first with \`$seed_command\`."
    echo
    startup_table
}

wakeup_section() {
    echo
    echo "## Wakeups"
    echo
    echo "Context switches per second over ${window} s (voluntary and involuntary), from"
    echo "/proc/PID/task/*/status: the main thread, and all threads (Qt adds an X11 reader"
    echo "thread and a D-Bus thread). Involuntary switches are the machine's other load"
    echo "preempting the thread. trayer is the tray panel except in the first two rows."
    echo
    wakeup_table
}

accuracy_section() {
    echo
    echo "## Accuracy under load"
    echo
    echo "$(nproc) busy loops (\`yes > /dev/null\`, normal priority) ran throughout; the timer was"
    echo "started with the Return key and the program ended with SIGTERM, which saves the count."
    echo
    accuracy_table
    echo
    echo "$checkpoint_note. Start was timed when the key press had been sent"
    echo "(${key_latency} ms after it was begun), so the figures carry a few milliseconds of doubt."
}

write_results() {
    header_section
    startup_section
    if [ $startup_only = 0 ]; then
        wakeup_section
        status_section
        accuracy_section
    fi
    # Notes written by hand under "## Findings" outlive a new measurement.
    if [ -f "$output" ] && grep -q '^## Findings' "$output"; then
        echo
        sed -n '/^## Findings/,$p' "$output"
    fi
}

# "median (× floor)" for the README, from the start-up figures.
readme_cell() {
    local -n values=$1
    local median ratio
    median=$(echo "${values[earnmeter]}" | stats | cut -d' ' -f1)
    ratio=$(paired_ratios "${values[earnmeter]}" "${values[floor]}" | stats | cut -d' ' -f1)
    awk -v m="$median" -v d="$2" -v r="$ratio" -v u="$3" 'BEGIN { printf "%.1f %s (%.2f×)", m / d, u, r }'
}

readme_floor() {
    local -n values=$1
    echo "${values[floor]}" | stats | awk -v d="$2" -v u="$3" '{ printf "%.1f %s", $1 / d, u }'
}

main_thread_rate() { echo "${wakeups[$1]}" | cut -d' ' -f1; }

readme_table() {
    echo "| | Floor (one label) | Earnmeter |"
    echo "|---|---:|---:|"
    echo "| Exec to first window mapped | $(readme_floor map_ms 1 ms) | $(readme_cell map_ms 1 ms) |"
    echo "| Processor time, first 1.5 s | $(readme_floor cpu_ms 1 ms) | $(readme_cell cpu_ms 1 ms) |"
    echo "| Resident memory at 1.5 s | $(readme_floor rss_kb 1024 MiB) | $(readme_cell rss_kb 1024 MiB) |"
    echo "| Main-thread wakeups/s, idle | $(main_thread_rate floor) | $(main_thread_rate earnmeter/idle) |"
    echo "| … running in the background | $(main_thread_rate timer) (1 s timer) | $(main_thread_rate earnmeter/running) |"
    echo "| … running, closed to the tray | | $(main_thread_rate earnmeter/hidden) |"
    echo "| Count after $(printf '%.2f' "$wall") s with both cores busy | | $count |"
}

# Rewrites what lies between the bench markers in README.md.
publish_readme() {
    readme_table >"$work/table"
    awk -v table="$work/table" '
        /<!-- bench:end -->/ { skipping = 0 }
        !skipping { print }
        /<!-- bench:begin -->/ { while ((getline line < table) > 0) print line; skipping = 1 }
    ' README.md >"$work/README.md"
    grep -q '<!-- bench:end -->' "$work/README.md" || fail "README.md lacks the bench markers"
    cp "$work/README.md" README.md
    say "README.md's benchmark table updated"
}

main() {
    invocation="bench/run.sh${*:+ $*}"
    parse_options "$@"
    require_tools
    build_programs
    load_before=$(cut -d' ' -f1-3 /proc/loadavg)
    start_session
    prepare_copies
    [ -z "$seed_command" ] || seed_history
    if [ $wakeups_only = 1 ]; then
        measure_wakeups_only
        return
    fi
    measure_startup
    if [ $startup_only = 0 ]; then
        measure_wakeups
        measure_status_round_trip
        measure_accuracy
    fi
    mkdir -p "$(dirname "$output")"
    write_results >"$output.tmp"
    mv "$output.tmp" "$output"
    [ $publish = 0 ] || publish_readme
    cat "$output"
    say "written to $output"
}

main "$@"
