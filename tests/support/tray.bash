# Shell helpers for checks that need a tray panel (trayer) on an X display.
# Source it; DOCKED_CLASS names the WM_CLASS instance of the icon to look for.

# The icon window inside trayer's panel, as "id x y width height" (absolute
# position); nothing when it is not docked there.
docked_icon() {
    xwininfo -root -tree | awk -v class="$DOCKED_CLASS" '
        function indent(line) { match(line, /^ */); return RLENGTH }
        panel && indent($0) <= panel { panel = 0 }
        /\("[^"]*" "[Tt]rayer"\)/ && !panel { panel = indent($0); next }
        panel && index($0, "(\"" class "\" \"") {
            # "  0x... "name": ("class" "Class")  22x26+0+0  +777+1"
            n = split($0, parts, /  +/)
            size = parts[n - 1]; sub(/[+-].*/, "", size); split(size, wh, "x")
            split(substr(parts[n], 2), xy, /[+]/)
            print $1, xy[1], xy[2], wh[1], wh[2]; exit
        }'
}
is_docked() { [[ -n $(docked_icon) ]]; }
