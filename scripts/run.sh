#!/usr/bin/env bash
# Builds Earnmeter into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEARNMETER_TESTS=OFF -DEARNMETER_BENCH=OFF >/dev/null
cmake --build build --target earnmeter
exec build/earnmeter "$@"
