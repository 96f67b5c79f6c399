#!/usr/bin/env bash
# Docks the tray icon into a real XEMBED panel (trayer) on a private Xvfb
# display and clicks it: the icon must sit inside the panel, a right click
# must give exactly one menu, a chosen item must come back with its key, and
# an icon shown before any panel runs must dock once one starts.
#
# Usage: tray_embed_check.sh [path/to/tray_probe]
# Without an argument the newest build*/tests/platform/tray_probe of the
# repository is used. Skips (exit 0) when Xvfb or trayer is not installed.
set -u

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

probe=${1:-}
if [[ -z $probe ]]; then
    probe=$(find "$repo" -maxdepth 4 -path "$repo/build*/tests/platform/tray_probe" -printf '%T@ %p\n' 2>/dev/null |
        sort -rn | head -n 1 | cut -d' ' -f2-)
fi
if [[ -z $probe || ! -x $probe ]]; then
    echo "tray_embed_check: no tray_probe found; build the target tray_probe or pass its path" >&2
    exit 2
fi

for tool in Xvfb trayer; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "tray_embed_check: SKIPPED, $tool is not installed"
        exit 0
    fi
done
for tool in xwininfo xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "tray_embed_check: $tool is needed to look at the panel" >&2
        exit 2
    fi
done

work=$(mktemp -d)
chmod 700 "$work"
xvfb_pid="" trayer_pid="" probe_pid=""

stop() {
    local pid=$1
    [[ -n $pid ]] || return 0
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

cleanup() {
    stop "$probe_pid"
    stop "$trayer_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

# Runs "$@" every 0.1 s until it succeeds or `seconds` have passed.
poll() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Passes when "$@" comes true within `seconds`.
expect() {
    local seconds=$1 what=$2
    shift 2
    if poll "$seconds" "$@"; then pass "$what"; else fail "$what"; fi
}

# Xvfb picks a free display itself and writes its number to fd 3.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    poll 10 test -s "$work/display" || { echo "tray_embed_check: Xvfb did not start" >&2; exit 2; }
    local display
    display=$(head -n 1 "$work/display")
    export DISPLAY=":$display"
}

start_trayer() {
    trayer --edge top --align right --widthtype pixel --width 200 --height 28 >"$work/trayer.log" 2>&1 &
    trayer_pid=$!
}

# Qt would choose a D-Bus StatusNotifierItem over XEMBED if the session had a
# watcher, and trayer would never see the icon; so the probe gets no bus.
start_probe() {
    : >"$work/probe.log"
    env -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work" \
        "$probe" >"$work/probe.log" 2>"$work/probe.err" &
    probe_pid=$!
}

panel_mapped() { xwininfo -root -tree | grep -q '"[Tt]rayer")'; }
said() { grep -qx -- "$1" "$work/probe.log"; }

DOCKED_CLASS=tray_probe
source "$(dirname "$0")/../support/tray.bash"

# Visible windows of the probe other than its icon: its open menus.
open_menus() {
    local id
    for id in $(xdotool search --onlyvisible --class tray_probe 2>/dev/null); do
        ((id == icon_id)) || echo "$id"
    done
}
menu_open() { [[ -n $(open_menus) ]]; }

start_xvfb
echo "tray_embed_check: display $DISPLAY, probe $probe"

# 1. Panel first, then the program.
start_trayer
expect 10 "trayer mapped its panel" panel_mapped
start_probe
if poll 10 is_docked; then
    pass "icon docked into the panel"
else
    fail "icon not docked into the panel"
    xwininfo -root -tree
fi
expect 5 "tray reported available" said "available 1"

icon_id=0
read -r icon_id x y w h < <(docked_icon)
if [[ -n ${h:-} ]]; then
    cx=$((x + w / 2)) cy=$((y + h / 2))

    xdotool mousemove "$cx" "$cy" click 1
    expect 5 "left click raises MouseDown 1" said "down 1"

    xdotool mousemove "$cx" "$cy" click --repeat 2 --delay 80 1
    expect 5 "double click raises DoubleClick 1" said "double 1"

    xdotool mousemove "$cx" "$cy" click 3
    expect 5 "right click raises MouseDown 2" said "down 2"
    if poll 5 menu_open; then
        menus=$(open_menus | wc -l)
        if ((menus == 1)); then pass "right click opens one menu"; else fail "right click opened $menus menus"; fi
        xdotool key Down Return
        expect 5 "chosen item reports index 0 and key open" said "menu 0 open"
    else
        fail "right click opened no menu"
    fi
else
    fail "icon window not found in the panel, no clicks tried"
fi
stop "$probe_pid"
probe_pid=""
stop "$trayer_pid"
trayer_pid=""

# 2. The program first, the panel later: Qt must dock the icon by itself.
start_probe
expect 10 "no tray reported while no panel runs" said "available 0"
start_trayer
if poll 10 is_docked; then
    pass "icon docked into a panel started later"
else
    fail "icon not docked into a panel started later"
    xwininfo -root -tree
fi
expect 8 "late tray reported available when asked" said "available 1"

if ((failures > 0)); then
    echo "tray_embed_check: $failures check(s) failed; probe said:"
    cat "$work/probe.log"
    exit 1
fi
echo "tray_embed_check: all checks passed"
