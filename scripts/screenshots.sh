#!/usr/bin/env bash
# Takes the README's pictures from the real binary under Xvfb: the simple and
# the advanced window at a total of $1,234,567.89, under the default theme and
# under a dark one (qt6ct's "darker" colours), the advanced window on a German
# desktop, the History window over eight
# weeks of sample work (scripts/sample-history.py) and the Preferences window,
# into docs/.
#   scripts/screenshots.sh [path/to/earnmeter]   (default build/earnmeter)
# Needs Xvfb, xdotool, ImageMagick's import and, for the dark pictures, qt6ct.
# shellcheck disable=SC2317
set -u
source "$(dirname "$0")/../tests/e2e/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_start_xvfb
docs="$E2E_REPO/docs"
mkdir -p "$E2E_WORK/qt6ct"
cat >"$E2E_WORK/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
CONF

# At 1234567.89 an hour, the 3600th second shows exactly that total.
# The window of that name, as it stands on the screen.
crop_to() {
    local window=$1 picture=$2 x y w h
    eval "$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^X=/x=/p; s/^Y=/y=/p; s/^WIDTH=/w=/p; s/^HEIGHT=/h=/p')"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$docs/$picture.png"
    echo "docs/$picture.png: ${w}x${h}"
}

# A window opened from the main window's keys: Ctrl+H for the History, Alt+F P for the Preferences.
shoot_window() {
    local picture=$1 caption=$2
    shift 2
    e2e_new_app_dir "$picture"
    printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"
    python3 "$E2E_REPO/scripts/sample-history.py" "$APP_DIR/History.sqlite" 56
    e2e_start_app
    local main window
    main=$(e2e_window 15 'Earnmeter!') || true
    [[ -n $main ]] || e2e_abort "no window for $picture"
    e2e_focus "$main"
    xdotool key --delay 150 "$@"
    window=$(e2e_window 15 "$caption") || true
    [[ -n $window ]] || e2e_abort "no $caption window"
    [[ $picture != history ]] || xdotool windowsize --sync "$window" 500 640
    sleep 1
    crop_to "$window" "$picture"
    e2e_stop_pid "$APP_PID" KILL
}

shoot() {
    local picture=$1 advanced=$2
    shift 2
    e2e_new_app_dir "$picture"
    printf '"v2.5",6.75,45.5,0,%s,-1\r\n' "$advanced" >"$APP_DIR/Config.ewg"
    printf '3599\r\n' >"$APP_DIR/Prev.ewg"
    e2e_start_app "$@"
    e2e_keys_to 15 "${QUESTION:-Continue Earnmeter}|Earnmeter" "${YES:-y}" || e2e_abort "no question to continue the count"
    local window
    window=$(e2e_window 15 'Earnmeter!') || true
    [[ -n $window ]] || e2e_abort "no window for $picture"
    e2e_focus "$window"
    xdotool type --delay 40 "${TYPED:-1234567.89}"
    xdotool key Return
    e2e_poll 5 e2e_window_named "$window" '\$1234567\.89 \(Earnmeter\)' || e2e_abort "no total for $picture"
    crop_to "$window" "$picture"
    e2e_stop_pid "$APP_PID" KILL
}

shoot main 0
shoot advanced -1
shoot main-dark 0 QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$E2E_WORK"
shoot advanced-dark -1 QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$E2E_WORK"
TYPED=1234567,89 QUESTION='Earnmeter fortsetzen' YES=j shoot advanced-de -1 LANG=de_DE.UTF-8 LC_ALL= LANGUAGE=
shoot_window history 'Earnmeter History' ctrl+h
shoot_window preferences 'Earnmeter Preferences' alt+f p
