#!/usr/bin/env bash
# Builds Earnmeter and all its tests into build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEARNMETER_TESTS=ON -DEARNMETER_BENCH=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2
