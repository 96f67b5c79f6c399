#!/bin/sh
# Regenerates the program icon's PNGs from the SVG drawings in this folder.
#
# Needs rsvg-convert (Debian/Ubuntu: librsvg2-bin). The build does not run this: the PNGs are
# committed, so run it by hand after changing a drawing and commit the results.
#
# Small sizes have their own drawings fitted to the pixel grid; scaling the master down to
# 16-48 px would blur its edges. 256 px and the scalable copy come from the master.
set -eu
cd "$(dirname "$0")"

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render.sh: rsvg-convert not found (install librsvg2-bin)" >&2
    exit 1
}

render() { # <svg> <size>
    mkdir -p "hicolor/$2x$2/apps"
    rsvg-convert --width "$2" --height "$2" "$1" --output "hicolor/$2x$2/apps/earnmeter.png"
}

render earnmeter-16.svg 16
render earnmeter-22.svg 22
render earnmeter-24.svg 24
render earnmeter-32.svg 32
render earnmeter-48.svg 48
render earnmeter.svg 256

mkdir -p hicolor/scalable/apps
cp earnmeter.svg hicolor/scalable/apps/earnmeter.svg
