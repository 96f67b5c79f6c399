#!/usr/bin/env bash
# Fuzzes each file reader (Config.ewg, Saved.ewg, Prev.ewg, Wage.ewg and
# Earnmeter.conf) for the given seconds, 60 by default, with AddressSanitizer
# and UndefinedBehaviorSanitizer.
# Fails on any crash, hang, leak or sanitizer report; the input that caused it
# is kept in build-fuzz/ as crash-*, timeout-* or leak-*.
#   scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")/.."
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DEARNMETER_FUZZ=ON -DEARNMETER_SANITIZE=address,undefined \
    -DEARNMETER_GUI=OFF -DEARNMETER_TESTS=ON -DEARNMETER_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_config fuzz_saved fuzz_prev fuzz_wage fuzz_preferences

for reader in config saved prev wage preferences; do
    echo "== fuzzing the $reader reader for ${seconds}s"
    # New inputs go to a scratch folder; the committed seeds stay as they are.
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    "$build/tests/fuzz/fuzz_$reader" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
        -artifact_prefix="$build/$reader-" -print_final_stats=1 "$scratch" "tests/fuzz/corpus/$reader"
    rm -rf "$scratch"
done
echo "== every reader survived ${seconds}s of fuzzing"
