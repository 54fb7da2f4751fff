#!/usr/bin/env bash
# shellcheck disable=SC2317 # the tray part's checks are called through wait_for
# Builds the Debian package from a Release build and checks it the way a user gets it: lintian,
# appstreamcli and desktop-file-validate on the package, then installed with apt-get, both
# programs run from /usr/bin (the window in Xvfb beside a tray host, ended from the tray menu),
# purged, and nothing of it left behind. As root, on a machine without ravla installed; needs
# the packages of tools/setup-common.sh.
#   tools/package-check.sh [BUILD_DIR]        (default: build-pkg/ in the source tree)
set -euo pipefail

fail() {
    echo "package-check: FAILED: $*" >&2
    exit 1
}
step() { echo "== package-check: $*"; }

# --- the tray part, run by the part below inside a D-Bus session of its own ------------------
if [ "${1:-}" = --tray ]; then
    tmp=$2
    unset WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS XAUTHORITY SESSION_MANAGER QT_QPA_PLATFORMTHEME \
          QT_STYLE_OVERRIDE QT_SCALE_FACTOR
    pids=()
    end_all() {
        local p
        for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    }
    trap end_all EXIT

    # Waits up to $1 seconds for the command after it to succeed.
    wait_for() {
        local what=$1 seconds=$2
        shift 2
        local end=$((SECONDS + seconds))
        until "$@"; do
            [ $SECONDS -lt $end ] || fail "no $what within $seconds s"
            sleep 0.2
        done
    }
    # The geometry "x y w h" of a window, from xwininfo.
    geometry() {
        xwininfo -id "$1" 2>/dev/null | awk -F: '
            /Absolute upper-left X/ {x = $2} /Absolute upper-left Y/ {y = $2}
            /Width/ {w = $2} /Height/ {h = $2}
            END {if (w) print x + 0, y + 0, w + 0, h + 0}'
    }
    # The program's icon window inside trayer's panel.
    tray_icon() {
        xwininfo -root -tree | awk '
            { indent = match($0, /[^ ]/) }
            panel && indent <= panel { panel = 0 }
            /\("panel" "trayer"\)/ { panel = indent; next }
            panel && /\("ravla" "ravla"\)/ { print $1; exit }'
    }
    # The program's viewable top-level windows.
    top_windows() {
        local id
        for id in $(xwininfo -root -children | awk '/\("ravla" "ravla"\)/ {print $1}'); do
            xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
        done
        return 0
    }

    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$tmp/display" \
        >"$tmp/xvfb.log" 2>&1 &
    pids+=($!)
    wait_for "X display from Xvfb" 20 grep -q . "$tmp/display"
    DISPLAY=":$(cat "$tmp/display")"
    export DISPLAY
    NO_AT_BRIDGE=1 trayer --edge bottom --align right --widthtype request --height 24 \
        --SetDockType true >"$tmp/trayer.log" 2>&1 &
    pids+=($!)
    # The program asks once, at its start, whether there is a tray: trayer must own it first.
    tray_owned() {
        python3 -c 'import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XGetSelectionOwner.restype = ctypes.c_ulong
x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
d = x.XOpenDisplay(None)
sys.exit(0 if d and x.XGetSelectionOwner(d, x.XInternAtom(d, b"_NET_SYSTEM_TRAY_S0", 0)) else 1)'
    }
    wait_for "system tray owned by trayer" 20 tray_owned

    # A home of its own with a place stored, as a user has it after the first run (a first run
    # keeps the window up beside its notice instead of hiding into the tray).
    mkdir -p "$tmp/home/.config/Zorva Yazilim" "$tmp/runtime"
    printf '[General]\nEnlem=41.0138\nBoylam=28.9497\nGMT=3\nUlkeAdi=Türkiye\nSehirAdi=İstanbul\nHesapYontemi=8\nSaatDilimi=Europe/Istanbul\n' \
        >"$tmp/home/.config/Zorva Yazilim/Ravla Ayarlar.conf"
    chmod 700 "$tmp/runtime"
    HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share \
        XDG_RUNTIME_DIR=$tmp/runtime LC_ALL=C.UTF-8 SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
        /usr/bin/ravla >"$tmp/ravla.log" 2>&1 &
    ravla=$!
    pids+=("$ravla")
    icon_docked() { [ -n "$(tray_icon)" ] && [ -n "$(geometry "$(tray_icon)")" ]; }
    wait_for "tray icon of ravla" 20 icon_docked
    # Hidden into the tray 1.5 s after the start; then only the icon is left.
    no_window() { [ -z "$(top_windows)" ]; }
    wait_for "hiding of the window into the tray" 10 no_window
    kill -0 "$ravla" 2>/dev/null || fail "ravla ended on its own: $(tail -5 "$tmp/ravla.log")"

    # The menu: Gizle, Göster, Aylık Vakitler, a line, Çıkıs; the last entry quits.
    read -r x y w h < <(geometry "$(tray_icon)")
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 3
    menu_up() { menu=$(top_windows | head -1); [ -n "$menu" ]; }
    wait_for "tray menu on a right click" 5 menu_up
    read -r x y w h < <(geometry "$menu")
    xdotool mousemove $((x + w / 2)) $((y + h - 12)) click 1
    for _ in $(seq 50); do
        kill -0 "$ravla" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$ravla" 2>/dev/null && fail "ravla still running 10 s after the tray menu's Çıkıs"
    rc=0
    wait "$ravla" || rc=$?
    [ $rc -eq 0 ] || fail "ravla ended with status $rc: $(tail -5 "$tmp/ravla.log")"
    echo "ravla docked in the tray and quit from its menu with status 0"
    exit 0
fi

# --- build, check, install, run, purge ---------------------------------------------------------
[ "$(id -u)" -eq 0 ] || fail "run as root: it installs and purges the package"
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-pkg}")
if dpkg-query -W -f='${Status}' ravla 2>/dev/null | grep -q 'ok installed'; then
    fail "ravla is installed already; dpkg -P ravla first"
fi
for tool in cpack lintian appstreamcli desktop-file-validate dpkg-shlibdeps Xvfb trayer xdotool \
            xwininfo dbus-run-session; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/setup-common.sh lists the packages)"
done
tmp=$(mktemp -d "${TMPDIR:-/tmp}/ravla-package-XXXXXX")
installed=no
cleanup() {
    [ $installed = yes ] && dpkg -P ravla >/dev/null 2>&1
    rm -rf "$tmp"
}
trap cleanup EXIT

step "Release build in $build"
# Debian's own compiler and linker flags, all hardening on; no -g, the package is stripped.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS | sed 's/\(^\| \)-g\( \|$\)/ /')"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRAVLA_BUILD_TESTS=OFF \
      -DRAVLA_BUILD_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS="$cxxflags" \
      -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"

step "cpack -G DEB"
rm -f "$build"/ravla_*.deb
(cd "$build" && cpack -G DEB)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/ravla_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb: $(ls "$build"/*.deb 2>/dev/null)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"

step "lintian"
LC_ALL=C.UTF-8 lintian --display-info --fail-on error,warning,info "$deb" ||
    fail "lintian (packaging/lintian-overrides holds what is overridden and why)"

step "appstreamcli and desktop-file-validate on the package's files"
dpkg-deb -x "$deb" "$tmp/deb"
metainfo=("$tmp"/deb/usr/share/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "no AppStream file in /usr/share/metainfo"
appstreamcli validate --no-net --pedantic "${metainfo[0]}"
grep -q "<release version=\"$version\"" "${metainfo[0]}" || fail "the AppStream file has no release $version"
desktop-file-validate "$tmp/deb/usr/share/applications/ravla.desktop"

step "apt-get install $deb"
installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"
dpkg -L ravla | sort >"$tmp/files"

step "ravla-vakit --city İstanbul --country Türkiye"
/usr/bin/ravla-vakit --city İstanbul --country Türkiye | tee "$tmp/vakit.txt"
# The database was found: Türkiye's own method, and a row of seven times for today.
grep -q '^Method: Diyanet' "$tmp/vakit.txt" || fail "ravla-vakit did not take Diyanet for İstanbul"
grep -Eq "^$(date +%F)( +[0-9]{1,2}:[0-9]{2}:[0-9]{2}){7} " "$tmp/vakit.txt" ||
    fail "ravla-vakit printed no row of times for today"
man -w ravla ravla-vakit >/dev/null || fail "the man pages are not found"

step "/usr/bin/ravla in Xvfb beside trayer, quit from the tray menu"
env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS dbus-run-session -- bash "$0" --tray "$tmp"

step "dpkg -P ravla"
dpkg -P ravla
installed=no
left=()
while IFS= read -r f; do
    [ -e "$f" ] || [ -L "$f" ] || continue
    # A folder stays when another package has files in it (/usr/share/man/man1).
    [ -d "$f" ] && [ ! -L "$f" ] && dpkg-query -S "$f" >/dev/null 2>&1 && continue
    left+=("$f")
done <"$tmp/files"
[ ${#left[@]} -eq 0 ] || fail "left after the purge: ${left[*]}"
echo "package-check: passed ($(basename "$deb"), $(wc -l <"$tmp/files") paths installed and removed)"
