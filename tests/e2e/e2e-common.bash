# Shared by the end-to-end scripts in this folder; sourced, never run.
#
# Each script drives the real binary on a private Xvfb display. The program keeps
# its files beside its executable, so every script copies the binary into a fresh
# folder of its own and checks the files there. There is no window manager: a
# window gets the keyboard only when a script focuses it, and loses it to the root
# window whenever a message box above it closes.
#
# After sourcing, call e2e_setup "$0" "$@"; it sets
#   E2E_NAME      the script's name, for messages
#   E2E_BINARY    the binary under test (absolute path)
#   E2E_WORK      a private temporary folder, removed at exit
#   APP_DIR       the folder the binary was copied into
#   APP           the copied binary
# and exports XDG_RUNTIME_DIR. e2e_start_xvfb sets and exports DISPLAY.

set -u

E2E_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_FAILURES=0
E2E_CHECKS=0
E2E_STARTED_AT=$SECONDS
E2E_PIDS=()
E2E_XVFB_PID=""

e2e_pass() {
    E2E_CHECKS=$((E2E_CHECKS + 1))
    echo "PASS: $*"
}

e2e_fail() {
    E2E_CHECKS=$((E2E_CHECKS + 1))
    E2E_FAILURES=$((E2E_FAILURES + 1))
    echo "FAIL: $*"
}

# Reports one check: PASS when "$@" succeeds, FAIL otherwise.
e2e_check() {
    local what=$1
    shift
    if "$@"; then e2e_pass "$what"; else e2e_fail "$what"; fi
}

# A problem of the test machinery, not of the program: no point going on.
e2e_abort() {
    echo "FAIL: $E2E_NAME could not run: $*"
    exit 2
}

# Runs "$@" every 0.1 s until it succeeds or `seconds` have passed.
e2e_poll() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    while true; do
        "$@" && return 0
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# e2e_expect SECONDS WHAT COMMAND...: one check that COMMAND comes true in time.
e2e_expect() {
    local seconds=$1 what=$2
    shift 2
    if e2e_poll "$seconds" "$@"; then e2e_pass "$what"; else e2e_fail "$what"; fi
}

e2e_need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || e2e_abort "$tool is not installed"
    done
}

e2e_stop_pid() {
    local pid=$1 signal=${2:-TERM}
    [[ -n $pid ]] || return 0
    kill "-$signal" "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

e2e_cleanup() {
    local pid
    # The program is killed outright: whatever it would write now lands in a
    # folder that is about to go.
    for pid in "${E2E_PIDS[@]}"; do
        e2e_stop_pid "$pid" KILL
    done
    e2e_stop_pid "$E2E_XVFB_PID"
    [[ -n ${E2E_WORK:-} && -z ${E2E_KEEP:-} ]] && rm -rf "$E2E_WORK"
}

e2e_setup() {
    E2E_NAME=$(basename "$1" .sh)
    local binary=${2:-build/earnmeter}
    # A relative path names the binary from here, or else from the repository root.
    if [[ $binary != /* ]]; then
        if [[ -x $binary ]]; then binary="$PWD/$binary"; else binary="$E2E_REPO/$binary"; fi
    fi
    [[ -x $binary ]] || e2e_abort "no program at $binary (build the target earnmeter or pass its path)"
    E2E_BINARY=$binary

    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/earnmeter-e2e.XXXXXX")
    chmod 700 "$E2E_WORK"
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM HUP

    mkdir -m 700 "$E2E_WORK/runtime"
    export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
    # The tray must dock through XEMBED into the panel started here, not into a
    # desktop's StatusNotifier watcher found on a session bus.
    unset DBUS_SESSION_BUS_ADDRESS
    export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
    e2e_new_app_dir "app"
}

# Copies the program into a folder: the executable, the module it loads to run
# the desktop program, and the readme beside them when built.
e2e_copy_program() {
    local folder=$1 built
    built=$(dirname "$E2E_BINARY")
    mkdir -p "$folder"
    cp "$E2E_BINARY" "$folder/earnmeter"
    cp "$built/earnmeter-program.so" "$folder/"
    [[ -f $built/Readme.html ]] && cp "$built/Readme.html" "$folder/"
    return 0
}

# Copies the program into a new folder below the work folder, so that it
# starts with no files of its own.
e2e_new_app_dir() {
    APP_DIR="$E2E_WORK/$1"
    e2e_copy_program "$APP_DIR"
    APP="$APP_DIR/earnmeter"
}

# Starts Xvfb on the first display number that is free, trying from a random
# point so that scripts running side by side do not race for the same number.
e2e_start_xvfb() {
    e2e_need Xvfb xdotool xwininfo
    local first=$((100 + RANDOM % 400)) n tries
    for ((tries = 0; tries < 40; tries++)); do
        n=$((first + tries))
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -dpi 96 >"$E2E_WORK/xvfb-$n.log" 2>&1 &
        E2E_XVFB_PID=$!
        if e2e_poll 10 e2e_xvfb_answers "$n" && kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
        e2e_stop_pid "$E2E_XVFB_PID"
        E2E_XVFB_PID=""
    done
    e2e_abort "no free display for Xvfb"
}

# True once our own Xvfb owns display n and answers on it; false at once when it
# gave up (another server took the number first).
e2e_xvfb_answers() {
    local n=$1
    if ! kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
        return 0 # stop polling; the caller sees the server is gone
    fi
    [[ $(tr -d " " 2>/dev/null <"/tmp/.X$n-lock") == "$E2E_XVFB_PID" ]] || return 1
    DISPLAY=":$n" xwininfo -root >/dev/null 2>&1 || return 1
    kill -0 "$E2E_XVFB_PID" 2>/dev/null
}

# Starts the copied program in the background; its pid ends up in APP_PID.
# Extra "NAME=value" arguments go into its environment.
e2e_start_app() {
    local log="$E2E_WORK/app-${#E2E_PIDS[@]}.log"
    (cd "$APP_DIR" && exec env "$@" "$APP") >"$log" 2>&1 &
    APP_PID=$!
    E2E_PIDS+=("$APP_PID")
}

e2e_app_running() { kill -0 "$APP_PID" 2>/dev/null; }
e2e_app_ended() { ! e2e_app_running; }

# Waits (up to `seconds`) for the program to end and leaves its exit status in
# APP_STATUS; fails when it is still running.
e2e_wait_app_end() {
    local seconds=$1
    e2e_poll "$seconds" e2e_app_ended || return 1
    wait "$APP_PID" 2>/dev/null
    # shellcheck disable=SC2034 # read by the scripts
    APP_STATUS=$?
    return 0
}

# Prints the id of the first visible window whose whole name matches the
# extended regular expression, waiting up to `seconds` for it to show.
e2e_window() {
    local seconds=$1 pattern=$2
    timeout "$seconds" xdotool search --sync --onlyvisible --name "^($pattern)\$" 2>/dev/null | head -n 1
}

# Waits for the main window and keeps its id in `main`; without it the check ends failed.
e2e_await_main() {
    main=$(e2e_window 15 'Earnmeter!')
    [[ -n $main ]] && return
    e2e_fail 'the main window "Earnmeter!" did not show'
    e2e_finish
}

# Starts the meter at WAGE an hour as a user does: typed into the main window, then Enter.
e2e_start_meter_at() {
    e2e_focus "$main"
    xdotool type --delay 60 "$1"
    xdotool key Return
}

e2e_window_shown() { [[ -n $(xdotool search --onlyvisible --name "^($1)\$" 2>/dev/null) ]]; }
e2e_window_gone() { ! e2e_window_shown "$1"; }
e2e_window_named() { [[ $(xdotool getwindowname "$1" 2>/dev/null) =~ ^($2)$ ]]; }

# Gives the keyboard to a window; with no window manager this is plain X focus.
e2e_focus() {
    xdotool windowfocus --sync "$1" 2>/dev/null
}

# Waits for a window, focuses it and presses the given keys there. Fails (and
# sends nothing) when the window does not show in time.
e2e_keys_to() {
    local seconds=$1 pattern=$2
    shift 2
    local id
    id=$(e2e_window "$seconds" "$pattern")
    [[ -n $id ]] || return 1
    e2e_focus "$id" || return 1
    xdotool key --clearmodifiers --delay 120 "$@"
}

# The whole content of a file, made visible: CR as \r and LF as \n.
e2e_bytes() {
    if [[ -f $1 ]]; then
        LC_ALL=C sed -z 's/\r/\\r/g; s/\n/\\n/g' "$1"
        echo
    else
        echo "(no file)"
    fi
}

# True when the file holds exactly one line that matches the extended regular
# expression and ends in CR LF.
e2e_one_record() {
    local file=$1 pattern=$2
    [[ -f $file ]] || return 1
    local content
    content=$(cat "$file"; printf x)
    content=${content%x}
    [[ $content == *$'\r\n' ]] || return 1
    local line=${content%$'\r\n'}
    [[ $line != *$'\n'* && $line != *$'\r'* && $line =~ ^($pattern)$ ]]
}

# The clipboard's text, through xclip or else xsel.
e2e_clipboard() {
    if command -v xclip >/dev/null 2>&1; then
        timeout 3 xclip -o -selection clipboard 2>/dev/null
    else
        timeout 3 xsel --clipboard --output 2>/dev/null
    fi
}

e2e_need_clipboard_tool() {
    command -v xclip >/dev/null 2>&1 || command -v xsel >/dev/null 2>&1 ||
        e2e_abort "xclip (or xsel) is not installed: apt-get install xclip"
}

e2e_clipboard_matches() { [[ $(e2e_clipboard) =~ ^($1)$ ]]; }

# Ends the script with a summary line and its exit status.
e2e_finish() {
    local took=$((SECONDS - E2E_STARTED_AT))
    if ((E2E_FAILURES > 0)); then
        echo "$E2E_NAME: FAILED, $E2E_FAILURES of $E2E_CHECKS checks failed ($took s)"
        exit 1
    fi
    echo "$E2E_NAME: PASSED, all $E2E_CHECKS checks ($took s)"
    exit 0
}
