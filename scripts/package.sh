#!/usr/bin/env bash
# Builds a Release of Earnmeter into build-release/ and packs it as a .deb,
# then prints the package's path. Install it with: sudo apt install ./<path>
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-release

# dpkg-shlibdeps (dpkg-dev) works out the package's library dependencies and
# dpkg-buildflags (dpkg-dev too) gives Debian's hardening flags.
scripts/deps.sh package
# Debian's hardening flags: fortified functions (-D_FORTIFY_SOURCE=2, which needs
# the optimiser: Release's -O3 comes after them and wins), a stack protector,
# format-string checks, and relocations made read-only after binding them all at
# start (Qt's own libraries do so already, so start-up takes no longer). CMake never
# reads CPPFLAGS and reads CXXFLAGS only on a first run, so they are handed over each time.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DEARNMETER_TESTS=OFF -DEARNMETER_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j2 --target earnmeter
rm -f "$build"/earnmeter_*.deb
if ! log=$(cd "$build" && cpack -G DEB 2>&1); then
    echo "$log" >&2
    exit 1
fi
deb=$(ls "$build"/earnmeter_*.deb)
echo "$PWD/$deb"
