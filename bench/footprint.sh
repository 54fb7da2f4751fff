#!/usr/bin/env bash
# The program's footprint beside a minimal Qt tray program's, both in Xvfb with trayer:
# start-up to the first window, resident memory 10 s after the start, CPU time used in 60 s
# hidden in the tray. Builds the minimal program (bench/footprint/minimal) with the same Qt and
# build type, then measures start-up over 30 starts of each and memory and CPU over RUNS runs of
# each (default 5; about 2.5 minutes a run), and prints the medians and the ratios.
#   bench/footprint.sh [BUILD_DIR] [RUNS]      BUILD_DIR defaults to build/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-5}

for tool in Xvfb trayer dbus-run-session cmake; do
    command -v "$tool" >/dev/null || { echo "footprint: $tool is missing (tools/setup-common.sh)"; exit 1; }
done
[ -x "$build/ravla" ] && [ -x "$build/ravla-vakit" ] || {
    echo "footprint: no ravla and ravla-vakit in $build: build first"; exit 1; }

type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")
minimal_build="$build/footprint-minimal"
cmake -S "$root/bench/footprint/minimal" -B "$minimal_build" -DCMAKE_BUILD_TYPE="${type:-RelWithDebInfo}" >/dev/null
cmake --build "$minimal_build" >/dev/null
echo "ravla from $build (${type:-?}); minimal-tray built alike with the same Qt"

unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER
# The runtime folder in memory where there is a tmpfs, as a desktop's /run/user/$UID is: the
# single-copy lock lives there, and a lock written to disk waits for the disk.
calisma=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && calisma=/dev/shm
XDG_RUNTIME_DIR=$(mktemp -d "$calisma/ravla-footprint-bus-XXXXXX")
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
# A session bus as a desktop has one; no screen reader asks for the accessibility bus.
dbus-run-session -- /usr/bin/python3 "$root/bench/footprint/measure.py" "$build" \
    "$minimal_build/minimal-tray" "$runs"
