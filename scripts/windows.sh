#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Klepsos for Windows, built on Debian: sourced by scripts/klepsos.sh.
#
# Qt for Windows is cross-built once from Debian's own qt6-base source (the
# same 6.4.2 as the Linux build) with mingw-w64 and Debian's own Qt host
# tools, statically, and kept in a cache folder outside the work tree.
# Klepsos is then cross-built against it into build-windows/, with its
# pictures and sounds drawn by the generator built for this machine, and
# packed as an NSIS installer and a portable zip.

WINDOWS_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools dpkg-dev xz-utils
                  g++-mingw-w64-x86-64-posix nsis zip fonts-liberation2)
# The Wine runs of the test command, on top; the French locale, as a French
# school's computer has it (Wine takes the user's regional settings from it).
WINE_PACKAGES=(wine64 xvfb xauth xdotool imagemagick unzip locales poppler-utils)

WINDOWS_BUILD_DIR=${WINDOWS_BUILD_DIR:-build-windows}
KLEPSOS_CACHE=${KLEPSOS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/klepsos-windows}
# What Qt is configured with: only Core, Gui, Widgets, Test and the Windows
# platform plugin, with their own bundled libraries (PNG, zlib, FreeType,
# HarfBuzz, PCRE2). Debian's source leaves out the Wintab header (its licence
# permits no change), so tablet events are off (pens still come as pointer
# messages); without OpenGL, Qt 6.4's Windows plugin also wants dynamic GL off,
# and without Direct2D it builds no DirectWrite 3 font database, which that
# plugin would then fail to link.
QT_WINDOWS_FEATURES=(sql network dbus opengl dynamicgl vulkan concurrent xml printsupport zstd icu
                     jpeg gif ico direct2d directwrite3 tabletevent
                     system_zlib system_png system_jpeg system_freetype system_harfbuzz system_pcre2
                     system_doubleconversion)

# The very source package of the Linux build's Qt.
qt_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev
}

qt_windows_prefix() {
    local v id
    v=$(qt_version)
    id=$(printf '%s\n' "$v" "${QT_WINDOWS_FEATURES[@]}" | sha256sum | cut -c1-12)
    echo "$KLEPSOS_CACHE/qt-${v%%+*}-mingw-static-$id"
}

# Debian's qt6-base source, fetched with a private list of source packages:
# the system's own lists are left alone.
fetch_qt_source() {
    local src=$KLEPSOS_CACHE/src/$(qt_version)
    [ -d "$src/qtbase" ] && return 0
    mkdir -p "$src" "$KLEPSOS_CACHE/apt/lists/partial"
    local suite
    suite=$(awk '/^Suites:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
    cat > "$KLEPSOS_CACHE/apt/sources.sources" <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: ${suite:-bookworm}
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    local apt=(-o Dir::Etc::sourcelist=/dev/null -o "Dir::Etc::sourceparts=$KLEPSOS_CACHE/apt"
               -o "Dir::State::Lists=$KLEPSOS_CACHE/apt/lists")
    [ "$(id -u)" -eq 0 ] && apt+=(-o APT::Sandbox::User=root)
    apt-get "${apt[@]}" update -qq
    (cd "$src" && apt-get "${apt[@]}" source --download-only "qt6-base=$(qt_version)")
    # Unpacked with Debian's own patches (security fixes among them).
    (cd "$src" && dpkg-source -x qt6-base_*.dsc qtbase)
}

build_qt_windows() {
    local prefix
    prefix=$(qt_windows_prefix)
    [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ] && return 0
    echo "Building Qt $(qt_version) for Windows into $prefix (about an hour on two cores, once)."
    fetch_qt_source
    local build=$KLEPSOS_CACHE/qt-build off=()
    for f in "${QT_WINDOWS_FEATURES[@]}"; do off+=("-DFEATURE_$f=OFF"); done
    rm -rf "$build"
    # Qt's own toolchain file names this one: kept in the cache, it outlives the work tree.
    cp packaging/windows/mingw-w64.cmake "$KLEPSOS_CACHE/mingw-w64.cmake"
    cmake -G Ninja -S "$KLEPSOS_CACHE/src/$(qt_version)/qtbase" -B "$build" \
        -DCMAKE_TOOLCHAIN_FILE="$KLEPSOS_CACHE/mingw-w64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -dumpmachine)/cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF "${off[@]}" > "$KLEPSOS_CACHE/qt-configure.log"
    cmake --build "$build" --parallel "$(nproc)"
    cmake --install "$build" > /dev/null
    rm -rf "$build"
}

# The generator of pictures and sounds, built for this machine.
host_tools() {
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
    cmake --build "$BUILD_DIR" --target klepsos_gendatas klepsos_genicons -j"$(nproc)"
}

build_windows() {
    local prefix tests=${1:-OFF}
    prefix=$(qt_windows_prefix)
    host_tools
    cmake -G Ninja -S . -B "$WINDOWS_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DKLEPSOS_HOST_TOOLS="$PWD/$BUILD_DIR/tools" \
        -DKLEPSOS_TESTS="$tests" -DKLEPSOS_BENCH="$tests" -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64 > /dev/null
    cmake --build "$WINDOWS_BUILD_DIR" -j"$(nproc)"
    cmake --build "$WINDOWS_BUILD_DIR" --target klepsos_windows_paquets
}

windows() {
    install_missing "${WINDOWS_PACKAGES[@]}"
    build_qt_windows
    build_windows "${1:-OFF}"
    ls -l "$WINDOWS_BUILD_DIR"/klepsos-*-setup.exe "$WINDOWS_BUILD_DIR"/klepsos-*-windows.zip
}

# The Windows runs of the test command: the widget-free tests built for
# Windows, then the installer and the program driven under Wine. Only when
# Qt for Windows is in the cache: building it takes an hour.
windows_tests() {
    if [ ! -f "$(qt_windows_prefix)/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
        echo "Windows tests skipped: Qt for Windows is not in $KLEPSOS_CACHE; 'bash scripts/klepsos.sh windows' builds it (about an hour, once)."
        return 0
    fi
    install_missing "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}"
    if ! locale -a | grep -qx 'fr_FR.utf8'; then
        local sudo=()
        [ "$(id -u)" -ne 0 ] && sudo=(sudo)
        "${sudo[@]}" localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
    fi
    build_windows ON
    bash tests/windows/wine.sh "$WINDOWS_BUILD_DIR"
    # One class over Windows and Linux computers (status 77: skipped, not root).
    bash tests/windows/classe.sh "$WINDOWS_BUILD_DIR" "$BUILD_DIR" || [ $? -eq 77 ]
}
