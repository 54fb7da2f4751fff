#!/bin/sh
# Runs a test as an unprivileged user where the tests run as root (as in CI): root writes
# through any permission, so a read-only store is only read-only to someone else.
set -eu
test_programi=$1
shift
if [ "$(id -u)" != 0 ]; then
    exec "$test_programi" "$@"
fi
# Leaks are looked for in the run as root; the suppressions file may not be readable here.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
unset LSAN_OPTIONS
klasor=$(mktemp -d)
trap 'rm -rf "$klasor"' EXIT
cp "$test_programi" "$klasor/test"
chmod 755 "$klasor" "$klasor/test"
setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$klasor" TMPDIR=/tmp "$klasor/test" "$@"
