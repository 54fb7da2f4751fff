# Shared by build-and-run.sh and build-and-test.sh: installs what is missing, then builds.
# shellcheck shell=bash

# What building and running the program needs.
RAVLA_PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools
                qt6-tools-dev-tools libsdl2-mixer-dev libfontconfig-dev tzdata fonts-dejavu-core
                qt6-translations-l10n qt6-wayland libicu-dev)
# What the tests and benchmarks need besides (python3-icalendar reads the calendar files back);
# the second line is the end-to-end test's: an X server, a tray host, input and window tools, a
# faked clock, the accessibility bus and the Python binding that reads it; the third its Wayland
# run's (a headless compositor, the D-Bus binding of its notification service); the fourth the
# Debian package's checks.
RAVLA_TEST_PACKAGES=(libbenchmark-dev clang-format desktop-file-utils poppler-utils clang libclang-rt-14-dev
                     python3-icalendar
                     xvfb trayer xdotool x11-utils faketime dbus at-spi2-core python3-pyatspi
                     weston python3-dbus
                     dpkg-dev file lintian appstream man-db)

ravla_install_missing() {
    local missing=()
    for p in "${RAVLA_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

ravla_build() {
    local dir=$1
    shift
    cmake -S "$RAVLA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j"$(nproc)"
}
