#!/usr/bin/env bash
# The tray icon and the links, on the real binary under Xvfb with trayer as the
# tray host:
#  - the icon docks into trayer's panel (XEMBED);
#  - Help > Visit Webpage, Help > Help and Readme and Ctrl+E hand the web page,
#    the readme beside the binary and the support mailto link to xdg-open, which
#    Qt calls on a plain X11 session; a stand-in first on PATH records them;
#  - the tray menu's E-Mail item sends the same link, and its Exit ends the
#    program with a count of 0, also while the modal about window is open;
#  - a first run's Error and Notice boxes show with the icon already docked.
# The binary sits in a folder whose name has a space, which the mail body and the
# readme address must carry through.
#
# Usage: tray_and_links.sh [path/to/earnmeter]   (default build/earnmeter)
# Patterns hold a literal $; helpers run through e2e_poll look unused to shellcheck.
# shellcheck disable=SC2016,SC2119,SC2317
source "$(dirname "$0")/e2e-common.bash"
e2e_setup "$0" "$@"
e2e_need trayer
e2e_new_app_dir "Earn meter"
e2e_start_xvfb
echo "$E2E_NAME: $E2E_BINARY on display $DISPLAY"

printf '"v2.5",6.75,45.5,0,0,-1\r\n' >"$APP_DIR/Config.ewg"

opened="$E2E_WORK/opened.log"
: >"$opened"
mkdir "$E2E_WORK/bin"
cat >"$E2E_WORK/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>'$opened'
EOF
chmod +x "$E2E_WORK/bin/xdg-open"

web='https://earnmeter.example.org/'
mail_prefix='mailto:support@earnmeter.example.org?subject=Regarding%20Earnmeter%202.5&body='
mail_body=$'\r\n\r\nHelpful Support Info ===========================\r\nProgram Path : '"$APP_DIR"$'\r\nScreen Resolution : 1024x768'

percent_decoded() {
    local text=${1//\\/\\\\}
    printf '%b' "${text//%/\\x}"
}
opened_count() { wc -l <"$opened"; }
opened_reaches() { (($(opened_count) >= $1)); }
opened_line() { sed -n "$1p" "$opened"; }

# The line-th target handed to xdg-open, waiting for it to arrive.
next_opened() {
    local line=$1
    if e2e_poll 10 opened_reaches "$line"; then
        opened_line "$line"
    fi
}

check_mail_target() {
    local target=$1 via=$2
    if [[ $target != "$mail_prefix"* ]]; then
        e2e_fail "$via opens no support mail with the subject; it opened '${target:-nothing}'"
        return
    fi
    e2e_pass "$via opens mailto:support@earnmeter.example.org with the subject Regarding Earnmeter 2.5"
    local body
    body=$(percent_decoded "${target#"$mail_prefix"}"; printf x)
    body=${body%x}
    if [[ $body == "$mail_body" ]]; then
        e2e_pass "$via: the body names the program folder and the 1024x768 screen"
    else
        e2e_fail "$via: the body decodes to $(printf '%q' "$body"), expected $(printf '%q' "$mail_body")"
    fi
}

panel_mapped() { xwininfo -root -tree | grep -q '("panel" "trayer")'; }

DOCKED_CLASS=earnmeter
source "$(dirname "$0")/../support/tray.bash"

# Visible windows of the program other than the main window, the about window
# and the icon: its open menus.
about=0
open_menus() {
    local id
    for id in $(xdotool search --onlyvisible --class '^earnmeter$' 2>/dev/null); do
        ((id == main || id == icon || id == about)) || echo "$id"
    done
}
menu_open() { [[ -n $(open_menus) ]]; }
no_menu_open() { ! menu_open; }

# Right-clicks the docked icon and chooses a menu item by its access key.
tray_menu_choose() {
    local key=$1 what=$2
    local x y w h
    read -r icon x y w h < <(docked_icon)
    if [[ -z ${h:-} ]]; then
        e2e_fail "$what: the icon is not in the panel to click"
        return 1
    fi
    # A menu closed by the last choice may still be on its way out; and a press
    # within the double-click time of the last one is a double click, which
    # opens no menu.
    e2e_poll 5 no_menu_open
    sleep 0.6
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 3
    if ! e2e_poll 5 menu_open; then
        e2e_fail "$what: a right click on the icon opens no menu"
        return 1
    fi
    e2e_pass "$what: a right click on the icon opens its menu"
    xdotool key "$key"
}

# --- The icon in the panel ----------------------------------------------------------
trayer --edge top --align right --widthtype pixel --width 200 --height 28 \
    >"$E2E_WORK/trayer.log" 2>&1 &
E2E_PIDS+=("$!")
e2e_poll 10 panel_mapped || e2e_abort "trayer mapped no panel"

e2e_start_app PATH="$E2E_WORK/bin:$PATH"
e2e_await_main
e2e_pass 'the main window "Earnmeter!" shows'
if e2e_poll 10 is_docked; then
    e2e_pass "the tray icon is embedded in trayer's panel: $(docked_icon | cut -d' ' -f1)"
else
    e2e_fail "the tray icon is not embedded in trayer's panel"
    xwininfo -root -tree
fi

main_keys() {
    e2e_focus "$main" && xdotool key --clearmodifiers --delay 120 "$@"
}

# --- Help links -----------------------------------------------------------------------
main_keys alt+h w
target=$(next_opened 1)
e2e_check "Help > Visit Webpage (Alt+H, W) opens $web (got '${target}')" test "$target" = "$web"

main_keys alt+h h
target=$(next_opened 2)
readme=$(percent_decoded "$target")
if [[ $readme == "file://$APP_DIR/Readme.html" || $readme == "$APP_DIR/Readme.html" ]]; then
    e2e_pass "Help > Help and Readme (Alt+H, H) opens the Readme.html beside the binary: $target"
else
    e2e_fail "Help > Help and Readme (Alt+H, H) should open $APP_DIR/Readme.html, opened '${target}'"
fi
e2e_check "Readme.html lies beside the binary in the build folder" test -f "$APP_DIR/Readme.html"

main_keys alt+w ctrl+e
check_mail_target "$(next_opened 3)" "Help > E-Mail (Ctrl+E, from the wage box)"

# --- The tray menu ----------------------------------------------------------------------
if tray_menu_choose e "tray E-Mail"; then
    check_mail_target "$(next_opened 4)" "the tray menu's E-Mail"
fi
e2e_check "nothing else was handed to xdg-open" test "$(opened_count)" -eq 4

# A modal window must not take the tray menu away.
main_keys alt+h a
about=$(e2e_window 10 'About Earnmeter')
e2e_check "Help > About (Alt+H, A) opens the about window" test -n "$about"
about=${about:-0}

if tray_menu_choose x "tray Exit while the about window is open"; then
    if e2e_wait_app_end 10; then
        e2e_check "the tray menu's Exit with a count of 0 ends the program (exit status $APP_STATUS)" \
            test "$APP_STATUS" -eq 0
        e2e_check "and the icon leaves the panel" e2e_poll 5 eval '! is_docked'
    else
        e2e_fail "the tray menu's Exit did not end the program"
    fi
fi

# --- The icon comes before the first run's boxes ---------------------------------------
e2e_new_app_dir "first run"
e2e_start_app
if e2e_window 15 'Error' >/dev/null; then
    e2e_check "a first run's Error box is open with the icon already in the panel" e2e_poll 5 is_docked
    e2e_keys_to 5 'Error' Return
    e2e_check "and so is its Notice box" e2e_poll 5 is_docked
    e2e_keys_to 10 'Notice' Return
    e2e_check "the first run ends after its boxes" e2e_wait_app_end 10
else
    e2e_fail "a first run shows no Error box"
fi

e2e_finish
