#!/usr/bin/env bash
# What a screen reader hears, on the real binary under Xvfb: the program runs
# on a private session bus with Qt's AT-SPI bridge on, and a client reads it
# over AT-SPI as Orca would (atspi_check.py). A running count's time and total
# are heard as shown, with their purpose as description; in the advanced
# window the current wage too, the reference-wage options with their rates,
# and the period list by its purpose with the current entry as its text.
#
# Usage: screen_reader.sh [path/to/earnmeter]   (default build/earnmeter)
# Needs python3-pyatspi, at-spi2-core and dbus-daemon; installs them through
# scripts/deps.sh test when missing, and skips, saying so, when it cannot.
# shellcheck disable=SC2016,SC2119,SC2317
source "$(dirname "$0")/e2e-common.bash"

python=/usr/bin/python3
have_tools() {
    command -v dbus-run-session >/dev/null 2>&1 && [[ -x /usr/libexec/at-spi-bus-launcher ]] &&
        "$python" -c 'import pyatspi' >/dev/null 2>&1
}
if ! have_tools; then
    "$E2E_REPO/scripts/deps.sh" test >/dev/null 2>&1 || true
fi
if ! have_tools; then
    echo "SKIP: $(basename "$0" .sh) needs python3-pyatspi, at-spi2-core and dbus-daemon (scripts/deps.sh test)"
    exit 0
fi

# A session bus of our own, on which the accessibility bus is started.
if [[ -z ${EARNMETER_E2E_BUS:-} ]]; then
    exec dbus-run-session -- env EARNMETER_E2E_BUS=1 bash "$0" "$@"
fi
session_bus=$DBUS_SESSION_BUS_ADDRESS
e2e_setup "$0" "$@"
export DBUS_SESSION_BUS_ADDRESS=$session_bus
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"

printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"

# The accessibility bus first, so that the program finds it when it starts.
"$python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' ||
    e2e_abort "the accessibility bus did not start"

e2e_start_app QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_await_main
main_keys() {
    e2e_focus "$main" && xdotool key --clearmodifiers --delay 120 "$@"
}

# 36 an hour: a cent a second.
e2e_start_meter_at 36
sleep 2
echo "-- the main window while the count runs"
e2e_check "a screen reader hears the main window's figures" "$python" "$E2E_REPO/tests/e2e/atspi_check.py" main

main_keys alt+a
e2e_window 10 '.*\(Earnmeter\)' >/dev/null
echo "-- the advanced window"
e2e_check "a screen reader hears the advanced window's figures, options and period list" \
    "$python" "$E2E_REPO/tests/e2e/atspi_check.py" advanced

e2e_finish
