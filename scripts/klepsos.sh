#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build, and run the program or its tests on a Debian machine.
#   scripts/klepsos.sh run    install what is missing, build, start Klepsos
#   scripts/klepsos.sh test   install what is missing, build, run every test,
#                             then the sanitizer build, the fuzzer, the
#                             Windows compile check and, when Qt for Windows
#                             is in its cache, the Windows tests under Wine
#   scripts/klepsos.sh windows
#                             install what is missing, build Qt for Windows
#                             once (cached), build Klepsos for Windows and
#                             write its installer and portable copy into
#                             build-windows/
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}

# Packages for building and running the program; Qt TextToSpeech with its
# Speech Dispatcher plugin, and Speech Dispatcher with espeak-ng, read the
# statements aloud in French.
RUN_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev
              fonts-dejavu-core fonts-liberation2
              qt6-speech-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng)
# Packages the tests need on top: a real X server for the end-to-end run,
# fixed dates, and screenshots; the desktop-entry and AppStream validators, an
# SVG renderer to compare the icons, dpkg-shlibdeps and file for cpack's .deb,
# Debian's own checker of packages; FUSE and its Python binding for the
# class share that hangs, fails or vanishes on demand; a session bus, the
# accessibility bus and its Python bindings to hear the clock as a screen
# reader does; poppler's tools to read the PDFs back (text, pages, pixels).
TEST_PACKAGES=(xvfb xauth xdotool imagemagick faketime desktop-file-utils appstream librsvg2-bin dpkg-dev file
               lintian fuse3 python3-fusepy dbus at-spi2-core python3-pyatspi poppler-utils)
# Packages for the hardening checks that follow the tests: clang and its
# sanitizer runtimes for the fuzzer, the mingw-w64 cross compiler for the
# Windows display code.
HARDEN_PACKAGES=(clang libclang-rt-14-dev g++-mingw-w64-x86-64-posix)

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

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer:
# any finding, or a leak from the program's own code, fails its test. Only
# leaks inside system libraries are suppressed (tests/lsan.supp). Warnings
# are held as errors by the normal build; GCC's sanitizer instrumentation
# adds false array-bounds warnings of its own, so not here. The .deb test is
# left to the normal build: an instrumented program carries its source paths
# for its reports, which a shipped package must not.
# strstr is left unchecked: libspeechd reads Speech Dispatcher's list of
# voices (some 13,000 lines with espeak-ng) by calling strstr on what is left
# of the reply for each line, and the sanitizer's check of every call
# measures that whole rest first. Checked, opening Qt's speech engine takes
# minutes instead of seconds (the voice test then finds no voice in time);
# Klepsos's own code calls no strstr.
sanitized_tests() {
    local dir="$BUILD_DIR-asan" supp="$PWD/tests/lsan.supp"
    local san="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLEPSOS_TESTS=ON -DKLEPSOS_BENCH=OFF \
        -DKLEPSOS_WERROR=OFF -DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="$san"
    cmake --build "$dir" -j"$(nproc)"
    (cd "$dir" &&
        ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:verify_asan_link_order=0:intercept_strstr=0 \
        LSAN_OPTIONS="suppressions=$supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure -j"$(nproc)" -E '^install_deb$')
}

# Every source written for Windows alone (the files ending in _win.cpp, the
# SAPI voice, the probe of the Wine runs), compiled by the mingw-w64 cross
# compiler against the real Windows headers, with Debian's Qt headers
# supplying the Qt types, which take their Windows branches under this
# compiler (Q_OS_WIN): a quick check that needs no Qt for Windows.
windows_check() {
    local cxx=x86_64-w64-mingw32-g++-posix qt f
    qt=/usr/include/$(gcc -dumpmachine)/qt6
    local flags=(-std=c++20 -Wall -Wextra -Werror -D_WIN32_WINNT=0x0A00 -DWINVER=0x0A00 -DUNICODE -D_UNICODE
                 -Isrc -isystem "$qt" -isystem "$qt/QtCore" -isystem "$qt/QtGui")
    for f in $(git ls-files 'src/*_win.cpp') src/voice/parolesapi.cpp tests/windows/sonde.cpp; do
        "$cxx" "${flags[@]}" -fsyntax-only "$f"
    done
    "$cxx" "${flags[@]}" -E src/shell/displaylayer_win.cpp | grep -c 'class WindowsDisplayLayer' >/dev/null
    echo "The Windows sources compile with $cxx."
}

source scripts/windows.sh

case "${1:-}" in
run)
    install_missing "${RUN_PACKAGES[@]}"
    build -DKLEPSOS_TESTS=OFF -DKLEPSOS_BENCH=OFF
    exec "$BUILD_DIR/klepsos"
    ;;
test)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${HARDEN_PACKAGES[@]}"
    build -DKLEPSOS_TESTS=ON
    (cd "$BUILD_DIR" && ctest --output-on-failure -j"$(nproc)")
    sanitized_tests
    FUZZ_DIR="$BUILD_DIR-fuzz" bash fuzz/run.sh 60
    windows_check
    windows_tests
    ;;
windows)
    windows
    ;;
*)
    echo "usage: $0 run|test|windows" >&2
    exit 2
    ;;
esac
