#!/usr/bin/env bash
# Checks what `cmake --install` and the .deb put on a machine, then installs the
# .deb for real, starts the program the way its menu entry does and checks that
# it keeps its files in the per-user data folder, never beside its executable.
#
#   tests/install/install_check.sh [BUILD_DIR | path/to/earnmeter] [--deb FILE] [--no-deb] [--no-system]
#
# BUILD_DIR defaults to build/. Without --deb the package is made with cpack from
# BUILD_DIR's own configuration into a scratch folder. --no-deb skips the package,
# --no-system skips installing it into this machine (done only as root, or with
# password-less sudo, and never over an earnmeter package that is already there).
# Prints PASS, FAIL or SKIP per check and exits non-zero if any check failed.
set -uo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=""
deb=""
want_deb=1
want_system=1
while [ $# -gt 0 ]; do
    case $1 in
    --deb) deb=$(realpath "$2"); shift ;;
    --no-deb) want_deb=0 ;;
    --no-system) want_system=0 ;;
    -*) echo "usage: install_check.sh [BUILD_DIR | path/to/earnmeter] [--deb FILE] [--no-deb] [--no-system]" >&2; exit 2 ;;
    *) build=$1 ;;
    esac
    shift
done
build=${build:-$repo/build}
[ -f "$build" ] && build=$(dirname "$build")
build=$(realpath "$build")
if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "install_check: $build is not a CMake build folder; build Earnmeter first (scripts/test.sh)" >&2
    exit 2
fi

failures=0
pass() { echo "PASS: $*"; }
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
skip() { echo "SKIP: $*"; }
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}
# Like check, for a tool whose report matters only when it fails.
check_quietly() {
    local what=$1 report
    shift
    if report=$("$@" 2>&1); then pass "$what"; else
        fail "$what"
        echo "$report" | sed 's/^/  /'
    fi
}

work=$(mktemp -d)
xvfb_pid="" program_pid="" installed_package=0 sudo=()
cleanup() {
    [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    if [ $installed_package = 1 ]; then
        "${sudo[@]}" dpkg -r earnmeter >/dev/null 2>&1
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- Install into a temporary prefix -------------------------------------------
prefix=$work/prefix
# A build folder configured before the install rules existed has none yet.
grep -q org.example.earnmeter.desktop "$build/cmake_install.cmake" 2>/dev/null || cmake "$build" >/dev/null
if cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    pass "cmake --install into a temporary prefix"
else
    fail "cmake --install into a temporary prefix"
    cat "$work/install.log"
    exit 1
fi

check "the program is libexec/earnmeter/earnmeter" test -x "$prefix/libexec/earnmeter/earnmeter"
check "with the module it runs the desktop program from beside it" test -f "$prefix/libexec/earnmeter/earnmeter-program.so"
check "Readme.html lies beside the program" test -f "$prefix/libexec/earnmeter/Readme.html"
check "bin/earnmeter is a relative link to ../libexec/earnmeter/earnmeter" \
    test "$(readlink "$prefix/bin/earnmeter")" = ../libexec/earnmeter/earnmeter
check "bin/earnmeter resolves to the program" \
    test "$(readlink -f "$prefix/bin/earnmeter")" = "$(readlink -f "$prefix/libexec/earnmeter/earnmeter")"
desktop=$prefix/share/applications/org.example.earnmeter.desktop
metainfo=$prefix/share/metainfo/org.example.earnmeter.metainfo.xml
check "the desktop entry is in share/applications" test -f "$desktop"
check "the AppStream metainfo is in share/metainfo" test -f "$metainfo"
for size in 16 22 24 32 48 256; do
    check "the ${size}x${size} icon is in the hicolor theme" \
        test -f "$prefix/share/icons/hicolor/${size}x${size}/apps/earnmeter.png"
done
check "the scalable icon is in the hicolor theme" test -f "$prefix/share/icons/hicolor/scalable/apps/earnmeter.svg"
check "the README is in share/doc/earnmeter" test -f "$prefix/share/doc/earnmeter/README.md"
check "the copyright file is in share/doc/earnmeter" test -f "$prefix/share/doc/earnmeter/copyright"
check "the changelog is in share/doc/earnmeter" test -f "$prefix/share/doc/earnmeter/changelog.gz"
check "the panel recipes are in share/doc/earnmeter/docs/panels" \
    test -f "$prefix/share/doc/earnmeter/docs/panels/waybar.jsonc"
check "the D-Bus interface is described in share/dbus-1/interfaces" \
    test -f "$prefix/share/dbus-1/interfaces/org.example.earnmeter.Meter.xml"
manual=$prefix/share/man/man1/earnmeter.1.gz
check "the manual page is share/man/man1/earnmeter.1.gz" test -f "$manual"

desktop_key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_line=$(desktop_key Exec)
# The command word of Exec, without field codes such as %U.
exec_command=$(echo "$exec_line" | sed 's/%[a-zA-Z]//g' | awk '{print $1}')
check "the desktop entry starts the installed bin/earnmeter" test -x "$prefix/bin/$exec_command"
check "the desktop entry's icon is the installed one" test "$(desktop_key Icon)" = earnmeter
for screenshot in main advanced about; do
    check "the metainfo shows the $screenshot screenshot" \
        grep -q "<image>https://earnmeter.example.org/screenshots/$screenshot.png</image>" "$metainfo"
done
check "the metainfo launches org.example.earnmeter.desktop" \
    grep -q '<launchable type="desktop-id">org.example.earnmeter.desktop</launchable>' "$metainfo"
check "the metainfo names the program's license" grep -q '<project_license>.\+</project_license>' "$metainfo"
check "the metainfo carries a content rating" grep -q '<content_rating type="oars-1.1"' "$metainfo"

# One version everywhere: the project's, the changelog's newest entry, the
# metainfo's newest release and the manual page's footer.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
check "the changelog's newest entry is version $version" \
    test "$(gzip -dc "$prefix/share/doc/earnmeter/changelog.gz" | sed -n '1s/^earnmeter (\([^)]*\)).*/\1/p')" = "$version"
check "the metainfo's newest release is version $version" \
    test "$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1)" = "<release version=\"$version\""
check "the manual page is for version $version" \
    grep -q "^\.TH EARNMETER 1 .* \"Earnmeter $version\"" <(gzip -dc "$manual")

if command -v desktop-file-validate >/dev/null; then
    check_quietly "desktop-file-validate accepts the desktop entry" desktop-file-validate "$desktop"
else
    fail "desktop-file-validate is missing (apt-get install desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    check_quietly "appstreamcli validate --no-net accepts the metainfo" appstreamcli validate --no-net --pedantic "$metainfo"
    check_quietly "appstreamcli validate-tree --no-net accepts the installed tree" \
        appstreamcli validate-tree --no-net "$prefix"
else
    fail "appstreamcli is missing (apt-get install appstream)"
fi
# man prints troff's complaints but still succeeds: any output on standard error is a fault.
man_renders_cleanly() {
    local complaints status
    complaints=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$1" 2>&1 >/dev/null)
    status=$?
    echo "$complaints"
    [ $status = 0 ] && [ -z "$complaints" ]
}
if command -v man >/dev/null; then
    check_quietly "man renders the manual page without a warning" man_renders_cleanly "$manual"
else
    fail "man is missing (apt-get install man-db)"
fi

# --- The Debian package ----------------------------------------------------------
if [ $want_deb = 0 ]; then
    skip "the .deb (--no-deb)"
    exit $((failures > 0))
fi
if ! command -v dpkg-deb >/dev/null; then
    skip "the .deb: dpkg-deb is not installed"
    exit $((failures > 0))
fi
if [ -z "$deb" ]; then
    if (cd "$work" && cpack -G DEB -B "$work/deb" --config "$build/CPackConfig.cmake") >"$work/cpack.log" 2>&1; then
        deb=$(ls "$work"/deb/earnmeter_*.deb 2>/dev/null | head -n 1)
    fi
    if [ -n "$deb" ]; then
        pass "cpack makes a .deb"
    else
        fail "cpack makes a .deb"
        cat "$work/cpack.log"
        exit 1
    fi
fi

dpkg-deb -I "$deb" >"$work/deb-info" 2>&1
dpkg-deb -c "$deb" >"$work/deb-files" 2>&1
depends=$(sed -n 's/^ Depends: //p' "$work/deb-info")
for package in libqt6widgets6 libqt6gui6 libqt6core6 libdbus-1-3 fonts-liberation qt6-qpa-plugins; do
    check "the package depends on $package" grep -Eq "(^|, )$package( |,|$)" <<<"$depends"
done
check "the package puts the program in /usr/libexec/earnmeter" grep -q ' \./usr/libexec/earnmeter/earnmeter$' "$work/deb-files"
check "and its module beside it" grep -q ' \./usr/libexec/earnmeter/earnmeter-program\.so$' "$work/deb-files"
check "the package puts Readme.html beside it" grep -q ' \./usr/libexec/earnmeter/Readme.html$' "$work/deb-files"
check "the package links /usr/bin/earnmeter to it" \
    grep -q ' \./usr/bin/earnmeter -> \.\./libexec/earnmeter/earnmeter$' "$work/deb-files"
check "the package recommends xdg-utils" grep -Eq '^ Recommends:(.*[ ,])?xdg-utils( |,|$)' "$work/deb-info"
check "and qt6-wayland, for a Wayland session" grep -Eq '^ Recommends:(.*[ ,])?qt6-wayland( |,|$)' "$work/deb-info"
check "and qt6-translations-l10n, for Qt's own buttons in the user's language" grep -Eq '^ Recommends:(.*[ ,])?qt6-translations-l10n( |,|$)' "$work/deb-info"
check "the package carries the desktop entry" \
    grep -q ' \./usr/share/applications/org.example.earnmeter.desktop$' "$work/deb-files"
check "the package carries the metainfo" \
    grep -q ' \./usr/share/metainfo/org.example.earnmeter.metainfo.xml$' "$work/deb-files"
check "the package carries the 256x256 icon" \
    grep -q ' \./usr/share/icons/hicolor/256x256/apps/earnmeter.png$' "$work/deb-files"
check "the package carries the manual page" grep -q ' \./usr/share/man/man1/earnmeter.1.gz$' "$work/deb-files"
check "the package carries the copyright file" grep -q ' \./usr/share/doc/earnmeter/copyright$' "$work/deb-files"
check "the package carries the changelog" grep -q ' \./usr/share/doc/earnmeter/changelog.gz$' "$work/deb-files"

# --- Installed for real, started from its menu entry ---------------------------
if [ $want_system = 0 ]; then
    skip "installing the .deb into this machine (--no-system)"
    exit $((failures > 0))
fi
if [ "$(id -u)" -ne 0 ]; then
    if sudo -n true 2>/dev/null; then sudo=(sudo -n); else
        skip "installing the .deb into this machine: needs root or password-less sudo"
        exit $((failures > 0))
    fi
fi
if dpkg-query -W -f='${Status}' earnmeter 2>/dev/null | grep -q 'install ok installed'; then
    skip "installing the .deb into this machine: an earnmeter package is installed already"
    exit $((failures > 0))
fi
for tool in Xvfb xdotool; do
    if ! command -v $tool >/dev/null; then
        skip "starting the installed program: $tool is not installed"
        exit $((failures > 0))
    fi
done

installed_package=1
if ! "${sudo[@]}" dpkg -i "$deb" >"$work/dpkg.log" 2>&1; then
    # Missing run-time packages: let apt bring them in.
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -f install -y -qq >>"$work/dpkg.log" 2>&1
fi
if dpkg-query -W -f='${Status}' earnmeter 2>/dev/null | grep -q 'install ok installed'; then
    pass "dpkg installs the package"
else
    fail "dpkg installs the package"
    cat "$work/dpkg.log"
    exit 1
fi
program_files_before=$(ls -A /usr/libexec/earnmeter)

# The menu entry's Exec, looked up on the PATH as a desktop does.
system_desktop=/usr/share/applications/org.example.earnmeter.desktop
system_exec=$(sed -n 's/^Exec=//p' "$system_desktop" | head -n 1 | sed 's/%[a-zA-Z]//g')
read -r -a command_words <<<"$system_exec"
command_words[0]=$(PATH=/usr/local/bin:/usr/bin:/bin command -v "${command_words[0]}")
check "the menu entry's command is /usr/bin/earnmeter" test "${command_words[0]}" = /usr/bin/earnmeter
if grep -qs '^path-exclude.*/usr/share/man' /etc/dpkg/dpkg.cfg.d/*; then
    skip "man finds the installed manual page: dpkg leaves manual pages out on this machine"
else
    check "man finds the installed manual page" test "$(man -w earnmeter 2>/dev/null)" = /usr/share/man/man1/earnmeter.1.gz
fi

home=$work/home
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
display=:$(cat "$work/display" 2>/dev/null)

# A fresh login: nothing but what a desktop session would hand the program.
start_program() {
    env -i HOME="$home" USER="$(id -un)" PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" \
        XDG_RUNTIME_DIR="$work/runtime" "${command_words[@]}" >>"$work/program.log" 2>&1 &
    program_pid=$!
}
visible_window() { DISPLAY=$display xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | head -n 1; }
# A program that has ended but is not yet waited for still answers kill -0.
alive() { [ -e "/proc/$program_pid" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$program_pid/status" 2>/dev/null; }

# First start: no settings yet. The program says so twice, writes the defaults
# and ends; each box is answered with Return.
start_program
answered=0
for _ in $(seq 200); do
    alive || break
    window=$(visible_window)
    if [ -n "$window" ]; then
        DISPLAY=$display xdotool windowfocus --sync "$window" key Return 2>/dev/null
        answered=$((answered + 1))
        sleep 0.3
    else
        sleep 0.1
    fi
done
if alive; then
    fail "the first start ends after writing the settings (answered $answered boxes)"
    kill -KILL "$program_pid" 2>/dev/null
else
    pass "the first start ends after writing the settings (answered $answered boxes)"
fi
wait "$program_pid" 2>/dev/null
program_pid=""

data_folder=$home/.local/share/Earnmeter
if [ -f "$data_folder/Config.ewg" ]; then
    pass "the settings are written to the per-user data folder ~/.local/share/Earnmeter"
else
    fail "the settings are written to the per-user data folder ~/.local/share/Earnmeter"
    echo "  files the program wrote under HOME:"
    find "$home" -name '*.ewg' -printf '    %p\n'
fi

# Second start: straight to the main window; a session end (SIGTERM) saves the count.
start_program
for _ in $(seq 100); do
    [ -n "$(DISPLAY=$display xdotool search --onlyvisible --pid "$program_pid" --name 'Earnmeter!' 2>/dev/null)" ] && break
    alive || break
    sleep 0.1
done
main_window=$(DISPLAY=$display xdotool search --onlyvisible --pid "$program_pid" --name 'Earnmeter!' 2>/dev/null | head -n 1)
check "the second start shows the main window" test -n "$main_window"
# An X11 desktop finds a window's menu entry (its name and icon in the task bar) by WM_CLASS.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$system_desktop")
if command -v xprop >/dev/null; then
    check "the main window's WM_CLASS names the menu entry's StartupWMClass ($wm_class)" \
        grep -q "= \(.*, \)\?\"$wm_class\"" <<<"$(DISPLAY=$display xprop -id "${main_window:-0}" WM_CLASS 2>/dev/null)"
else
    fail "xprop is missing (apt-get install x11-utils)"
fi
kill -TERM "$program_pid" 2>/dev/null
for _ in $(seq 50); do alive || break; sleep 0.1; done
if alive; then fail "the program ends on SIGTERM"; else pass "the program ends on SIGTERM"; fi
kill -KILL "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
program_pid=""
check "the count is saved in the per-user data folder" test -f "$data_folder/Prev.ewg"
check "the window positions are kept in the per-user data folder" test -f "$data_folder/Saved.ewg"
check "nothing was written into /usr/libexec/earnmeter" test "$(ls -A /usr/libexec/earnmeter)" = "$program_files_before"

if "${sudo[@]}" dpkg -r earnmeter >"$work/dpkg-remove.log" 2>&1; then
    installed_package=0
    pass "dpkg removes the package"
else
    fail "dpkg removes the package"
    cat "$work/dpkg-remove.log"
fi
check "removal takes /usr/bin/earnmeter away" test ! -e /usr/bin/earnmeter -a ! -L /usr/bin/earnmeter
check "removal takes /usr/libexec/earnmeter away" test ! -e /usr/libexec/earnmeter

if [ $failures -gt 0 ]; then
    echo "install_check: $failures check(s) FAILED"
    exit 1
fi
echo "install_check: all checks passed"
