#!/usr/bin/env bash
# Builds a Release of Earnmeter into build-release/ and packs it as a .deb,
# then prints the package's path. Install it with: sudo apt install ./<path>
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-release

# dpkg-shlibdeps (dpkg-dev) works out the package's library dependencies.
scripts/deps.sh package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DEARNMETER_TESTS=OFF -DEARNMETER_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target earnmeter
rm -f "$build"/earnmeter_*.deb
if ! log=$(cd "$build" && cpack -G DEB 2>&1); then
    echo "$log" >&2
    exit 1
fi
deb=$(ls "$build"/earnmeter_*.deb)
echo "$PWD/$deb"
