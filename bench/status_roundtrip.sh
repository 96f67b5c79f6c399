#!/usr/bin/env bash
# Times `earnmeter --status` against a running copy on a private Xvfb display:
# the whole round trip of a panel's call, from starting the command to its
# exit (process start, the request over the control channel, the answer).
# For scale it also times `earnmeter --version`, which starts the same binary
# and asks nothing.
#
#   bench/status_roundtrip.sh [--program PATH] [--runs N]
#
# --program  the earnmeter executable (default build-release/earnmeter, built
#            as Release when missing)
# --runs     calls per measure (default 101); the median is reported
set -euo pipefail
cd "$(dirname "$0")/.."

program="" runs=101
while [ $# -gt 0 ]; do
    case $1 in
    --program) program=$2; shift ;;
    --runs) runs=$2; shift ;;
    *) echo "usage: bench/status_roundtrip.sh [--program PATH] [--runs N]" >&2; exit 2 ;;
    esac
    shift
done
if [ -z "$program" ]; then
    program=build-release/earnmeter
    if [ ! -x "$program" ]; then
        cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DEARNMETER_TESTS=OFF \
            -DEARNMETER_BENCH=OFF >/dev/null
        cmake --build build-release -j2 --target earnmeter >/dev/null
    fi
fi
program=$(realpath "$program")

work=$(mktemp -d)
xvfb_pid="" app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$work/runtime"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display") XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset DBUS_SESSION_BUS_ADDRESS

cp "$program" "$work/earnmeter"
cp "$(dirname "$program")/earnmeter-program.so" "$work/"
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$work/Config.ewg"
"$work/earnmeter" >/dev/null 2>&1 &
app_pid=$!
for _ in $(seq 100); do "$work/earnmeter" --status >/dev/null 2>&1 && break; sleep 0.1; done
"$work/earnmeter" --start

# medians ARGS...: "WALL CPU", the median wall time and the median processor
# time (user and system) of `earnmeter ARGS` over the runs, in ms. On a busy
# machine the wall time waits for a core; the processor time does not.
medians() {
    local i TIMEFORMAT='%3R %3U %3S'
    for ((i = 0; i < runs; i++)); do
        { time "$work/earnmeter" "$@" >/dev/null; } 2>&1
    done >"$work/times"
    median() { sort -n | awk -v n="$runs" 'NR == int((n + 1) / 2) { printf "%.1f", $1 * 1000 }'; }
    echo "$(awk '{ print $1 }' "$work/times" | median) $(awk '{ print $2 + $3 }' "$work/times" | median)"
}

report() {
    local what=$1 wall cpu
    shift
    read -r wall cpu < <(medians "$@")
    printf '%-34s %7s ms wall %7s ms processor\n' "$what" "$wall" "$cpu"
}

echo "Medians of $runs calls against a running copy (load average $(cut -d' ' -f1 /proc/loadavg)):"
report "earnmeter --status (target < 20)" --status
report "earnmeter --status --json" --status --json
report "earnmeter --version (start only)" --version
