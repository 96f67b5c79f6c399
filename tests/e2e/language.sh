#!/usr/bin/env bash
# A German desktop, on the real binary under Xvfb with LANG=de_DE.UTF-8: the
# menus speak German (the Preferences window opens through the German access
# keys of the File menu and has its German caption), and a wage typed with a
# decimal comma, 22,50, counts at 22.50 an hour.
#
# Usage: language.sh [path/to/earnmeter]   (default build/earnmeter)
# shellcheck disable=SC2016,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || "$E2E_REPO/scripts/deps.sh" test >/dev/null
printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"

# What the German translation says for a text of the program.
german() {
    python3 - "$E2E_REPO/translations/earnmeter_de.ts" "$1" "$2" <<'PY'
import sys, xml.etree.ElementTree as tree
path, context, source = sys.argv[1:]
for ctx in tree.parse(path).getroot():
    if ctx.findtext("name") == context:
        for message in ctx.iter("message"):
            if message.findtext("source") == source:
                print(message.findtext("translation"))
PY
}
key_of() { sed -E 's/.*&(.).*/\1/' <<<"$1" | tr '[:upper:]' '[:lower:]'; }
file_menu=$(german WindowMenus '&File')
preferences_item=$(german WindowMenus '&Preferences...')
preferences_title=$(german PreferencesDialog 'Earnmeter Preferences')
e2e_check "the German translation has the File menu, its Preferences and their caption" \
    test -n "$file_menu" -a -n "$preferences_item" -a -n "$preferences_title" -a "$preferences_title" != 'Earnmeter Preferences'

e2e_start_app LANG=de_DE.UTF-8 LC_ALL= LANGUAGE=
e2e_await_main
e2e_focus "$main"
xdotool key --clearmodifiers "alt+$(key_of "$file_menu")"
sleep 0.5
xdotool key --clearmodifiers "$(key_of "$preferences_item")"
e2e_expect 10 "the File menu's German Preferences item opens \"$preferences_title\"" e2e_window_shown "$preferences_title"
xdotool key --clearmodifiers Escape
e2e_expect 10 "and Escape closes it" e2e_window_gone "$preferences_title"

e2e_start_meter_at 22,50
json() { "$APP" --status --json 2>/dev/null; }
counts_at_22_50() { [[ $(json) == *'"hourlyWage":"22.5000"'* ]]; }
e2e_expect 10 "22,50 typed and started counts at 22.50 an hour" counts_at_22_50
e2e_stop_pid "$APP_PID" KILL

e2e_finish
