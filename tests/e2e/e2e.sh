#!/usr/bin/env bash
# Runs the end-to-end test (e2e_ravla.py) in a D-Bus session of its own, away from the caller's
# desktop. Where a tool is missing the test is skipped (77), except under CI, where that fails.
#   e2e.sh RAVLA RAVLA_VAKIT [wayland]     wayland: under a headless weston, not Xvfb
set -u
here=$(cd "$(dirname "$0")" && pwd)
mode=${3:-}

missing=()
if [ "$mode" = wayland ]; then
    tools=(weston dbus-run-session dbus-send)
    ls /usr/lib/*/libweston-*/headless-backend.so >/dev/null 2>&1 || missing+=(weston)
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
        missing+=(qt6-wayland)
else
    tools=(Xvfb trayer xdotool xwininfo xprop dbus-run-session)
fi
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
# Debian's own Python: python3-pyatspi is a Debian package.
python=/usr/bin/python3
if [ ! -x "$python" ] || ! "$python" -c 'import pyatspi' >/dev/null 2>&1; then
    missing+=(python3-pyatspi)
fi
if [ "$mode" = wayland ] && ! "$python" -c 'import dbus' >/dev/null 2>&1; then
    missing+=(python3-dbus)
fi
[ -e /usr/share/dbus-1/services/org.a11y.Bus.service ] || missing+=(at-spi2-core)
libfaketime=
for f in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1; do
    [ -e "$f" ] && { libfaketime=$f; break; }
done
[ -n "$libfaketime" ] || missing+=(faketime)

if [ ${#missing[@]} -gt 0 ]; then
    message="missing: ${missing[*]} (tools/setup-common.sh lists the packages)"
    if [ "${CI:-}" = true ]; then
        echo "FAILED: $message"
        exit 1
    fi
    echo "SKIPPED: $message"
    exit 77
fi

# Nothing of the caller's desktop reaches the test: no display, no session or accessibility
# bus; the accessibility bus's socket goes to a folder of the test's own.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS XAUTHORITY \
      SESSION_MANAGER QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR
XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/ravla-e2e-bus-XXXXXX")
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
dbus-run-session -- "$python" "$here/e2e_ravla.py" "$1" "$2" "$libfaketime" $mode
