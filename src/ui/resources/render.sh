#!/bin/sh
# Regenerates the pointer and donation-button PNGs from the SVG drawings in this folder.
#
# Needs rsvg-convert (Debian/Ubuntu: librsvg2-bin). The build does not run this: the PNGs are
# committed, so run it by hand after changing a drawing and commit the results.
# The program icon has its own script: data/icons/render.sh.
set -eu
cd "$(dirname "$0")"

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render.sh: rsvg-convert not found (install librsvg2-bin)" >&2
    exit 1
}

# The pointers' hot spots are set in the window code (hand 12,1; I-beam 6,25): the drawings
# must keep those pixels at the fingertip and the middle of the beam.
rsvg-convert --width 32 --height 32 cursor-hand.svg --output cursor-hand.png
rsvg-convert --width 32 --height 32 cursor-ibeam.svg --output cursor-ibeam.png
rsvg-convert --width 62 --height 31 donate.svg --output donate.png
rsvg-convert --width 124 --height 62 donate.svg --output donate@2x.png
