#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package's control fields and contents; its library dependencies come from dpkg-shlibdeps.
set -euo pipefail
source "$(dirname "$0")/../e2e/x11.sh"
[ $# -eq 2 ] || die "usage: $0 <build folder> <application id>"
build=$1 id=$2
need_commands cpack dpkg-deb dpkg-shlibdeps file

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
timeout 240 cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; die "cpack failed"; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || die "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}
mkdir -p "$build/packages"
cp "$deb" "$build/packages/"
dpkg-deb -I "$deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = klepsos ] || die "Package is $(field Package)"
[ "$(field Section)" = education ] || die "Section is $(field Section)"
[ -n "$(field Maintainer)" ] || die "no Maintainer"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || die "Architecture is $(field Architecture)"
[ "$(field Description | wc -l)" -gt 2 ] || die "the Description has no long part"
depends=$(field Depends)
# Libraries named by shlibdeps, with their minimal versions; the font by hand.
for lib in 'libc6 (>=' 'libstdc++6 (>=' 'libqt6core6 (>=' 'libqt6widgets6 (>=' \
           'libqt6multimedia6 (>=' 'fonts-liberation2 | fonts-liberation'; do
    grep -qF "$lib" <<<"$depends" || die "Depends lacks '$lib': $depends"
done

# The tree is the one installed.sh checks in full; its program is stripped and names no build folder.
dpkg-deb -x "$deb" "$work/root"
for path in usr/bin/klepsos usr/share/klepsos/datas/18 usr/share/klepsos/guide-enseignant.md "usr/share/applications/$id.desktop"; do
    [ -f "$work/root/$path" ] || die "$path is not in the package"
done
file "$work/root/usr/bin/klepsos" | grep -q 'stripped' && ! file "$work/root/usr/bin/klepsos" | grep -q 'not stripped' \
    || die "usr/bin/klepsos is not stripped"
! grep -qF "$(cd "$build" && pwd)" "$work/root/usr/bin/klepsos" || die "usr/bin/klepsos names the build folder"
# Debian's own checker: no error and no warning (a missing copyright file,
# change log or manual page is one).
lintian --fail-on error,warning "$deb" || die "lintian reports errors or warnings (or is missing)"
echo "ok $(basename "$deb"): Depends: $depends"
