#!/usr/bin/env bash
# Set-up, build, and run the program or its tests on a Debian machine.
#   scripts/klepsos.sh run    install what is missing, build, start Klepsos
#   scripts/klepsos.sh test   install what is missing, build, run every test
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}

# Packages for building and running the program.
RUN_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev
              fonts-dejavu-core fonts-liberation2)
# Packages the tests need on top: a real X server for the end-to-end run,
# fixed dates, and screenshots; the desktop-entry and AppStream validators, an
# SVG renderer to compare the icons, and dpkg-shlibdeps and file for cpack's .deb.
TEST_PACKAGES=(xvfb xauth xdotool imagemagick faketime desktop-file-utils appstream librsvg2-bin dpkg-dev file)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}

case "${1:-}" in
run)
    install_missing "${RUN_PACKAGES[@]}"
    build -DKLEPSOS_TESTS=OFF
    exec "$BUILD_DIR/klepsos"
    ;;
test)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build -DKLEPSOS_TESTS=ON
    cd "$BUILD_DIR"
    ctest --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
