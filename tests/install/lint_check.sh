#!/usr/bin/env bash
# Checks the .deb that scripts/package.sh makes the way Debian would: lintian
# reports nothing at all (no error, warning or info tag; what the package
# overrides says why in data/debian/lintian-overrides), and the flags of the
# Release build really fortify libc calls, which lintian cannot see in a program
# whose every call is proven safe when it is compiled.
#
#   tests/install/lint_check.sh [RELEASE_BUILD_DIR] [DEB]
#
# RELEASE_BUILD_DIR defaults to build-release/, DEB to the one package in it.
# Prints PASS or FAIL per check and exits non-zero if any check failed.
set -uo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$repo/build-release}")
deb=${2:-$(ls "$build"/earnmeter_*.deb 2>/dev/null | head -n 1)}
if [ ! -f "$build/CMakeCache.txt" ] || [ ! -f "$deb" ]; then
    echo "lint_check: no Release build with a .deb in $build; make one with scripts/package.sh" >&2
    exit 2
fi
for tool in lintian nm; do
    if ! command -v $tool >/dev/null; then
        echo "lint_check: $tool is missing (scripts/deps.sh test installs it)" >&2
        exit 2
    fi
done

failures=0
pass() { echo "PASS: $*"; }
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# lintian says it would rather not run as root, on standard error; that is not a finding.
if lintian --fail-on error,warning,info --display-info "$deb" >"$work/lintian" 2>"$work/lintian-errors" &&
    [ ! -s "$work/lintian" ]; then
    pass "lintian reports no error, warning or info tag"
else
    fail "lintian reports no error, warning or info tag"
    sed 's/^/  /' "$work/lintian" "$work/lintian-errors"
fi

# A read of a variable length into a fixed buffer: fortified, it becomes __read_chk.
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
read -r -a flags <<<"$(cache CMAKE_CXX_FLAGS) $(cache CMAKE_CXX_FLAGS_RELEASE)"
printf '#include <unistd.h>\nlong probe(int fd, unsigned n) { char b[16]; return read(fd, b, n) + b[0]; }\n' \
    >"$work/probe.cpp"
if "$(cache CMAKE_CXX_COMPILER)" "${flags[@]}" -c "$work/probe.cpp" -o "$work/probe.o" 2>"$work/probe.log" &&
    nm "$work/probe.o" | grep -q __read_chk; then
    pass "the Release build's flags fortify libc calls (${flags[*]})"
else
    fail "the Release build's flags fortify libc calls (${flags[*]})"
    sed 's/^/  /' "$work/probe.log"
fi

if [ $failures -gt 0 ]; then
    echo "lint_check: $failures check(s) FAILED"
    exit 1
fi
echo "lint_check: all checks passed"
