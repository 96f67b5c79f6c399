#!/bin/sh
# Binds Super+F9 to `earnmeter --toggle` in GNOME (Settings, Keyboard,
# Keyboard Shortcuts, Custom Shortcuts shows it afterwards). It adds to the
# custom shortcuts already there rather than replacing them.
set -eu
base=/org/gnome/settings-daemon/plugins/media-keys
path=$base/custom-keybindings/earnmeter/
list=$(gsettings get org.gnome.settings-daemon.plugins.media-keys custom-keybindings)
case $list in
*"$path"*) ;;
"@as []" | "[]") gsettings set org.gnome.settings-daemon.plugins.media-keys custom-keybindings "['$path']" ;;
*) gsettings set org.gnome.settings-daemon.plugins.media-keys custom-keybindings "${list%]}, '$path']" ;;
esac
key=org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:$path
gsettings set "$key" name 'Earnmeter: start or pause'
gsettings set "$key" command 'earnmeter --toggle'
gsettings set "$key" binding '<Super>F9'
