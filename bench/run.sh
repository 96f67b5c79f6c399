#!/bin/sh
# The benchmarks are bench/bench.py now; this name stays for old habits.
exec "$(dirname "$0")/bench.py" "$@"
