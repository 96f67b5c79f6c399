#!/usr/bin/env bash
# Installs the Debian packages Earnmeter needs, only those missing.
#   scripts/deps.sh run    - to build and run the program
#   scripts/deps.sh package - also what packing a .deb needs
#   scripts/deps.sh test   - also what the tests need (Xvfb, clang, a comma locale...)
set -euo pipefail

run_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation libsqlite3-dev libdbus-1-dev libxcb1-dev libxss-dev libwayland-dev wayland-protocols plasma-wayland-protocols
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
test_packages=(googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev locales
    xvfb xauth xdotool xclip x11-utils trayer i3blocks openbox i3-wm xfwm4 libxcb1-dev libxcb-damage0-dev imagemagick desktop-file-utils appstream dpkg-dev file lintian man-db
    python3-pyatspi at-spi2-core dbus-daemon python3-minimal libglib2.0-bin)

wanted=("${run_packages[@]}")
package_packages=(dpkg-dev file)
[ "${1:-run}" = package ] && wanted+=("${package_packages[@]}")
[ "${1:-run}" = test ] && wanted+=("${test_packages[@]}")

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        sudo=()
    elif command -v sudo >/dev/null 2>&1; then
        sudo=(sudo)
    else
        echo "Earnmeter needs these Debian packages: ${missing[*]}" >&2
        echo "Install them as root (apt-get install ${missing[*]}) or install sudo, then run this again." >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The tests also run under a comma-decimal locale.
if [ "${1:-run}" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
fi
