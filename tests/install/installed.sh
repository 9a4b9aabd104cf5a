#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install gives the whole desktop program, which reads its installed data and keeps
# the score in the user's data folder: the zero score on the first run, the child's after.
set -euo pipefail
source "$(dirname "$0")/../e2e/x11.sh"

zero_score='\x02\x00\x01\x00\x02\x00\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00'
# 12 exercises, 9 right, 3 wrong.
kept_score='\x02\x00\x01\x00\x02\x00\x0c\x00\x02\x00\x09\x00\x03\x00\x00\x00'

# Starts the installed program, checks its start screen, and quits through "SORTIE".
run_and_quit() {
    local prefix=$1 shot=$2
    "$prefix/bin/klepsos" > "$shot.log" 2>&1 &
    pid=$! # global: the exit trap reads it
    trap 'kill -9 "$pid" 2>/dev/null || true' EXIT
    window_place "$(wait_window '^Klepsos$' 20)"
    expect_screen "$shot" "$(scene_region 0 0 640 480)" 640x480 23 10 "$prefix"/share/klepsos/datas/{21,23,25,26,28}
    click 590 468 # SORTIE
    wait_exit "$pid" 15
    # Without a sound device one French line says so, and nothing else is written.
    local silent="Klepsos fonctionne sans son : aucune sortie audio n'a été trouvée." log
    log=$(cat "$shot.log")
    [ -z "$log" ] || [ "$log" = "$silent" ] || die "the console shows: $log"
}

if [ -n "${KLEPSOS_IN_X:-}" ]; then
    run_and_quit "$1" "$2" # prefix, screenshot
    exit 0
fi

[ $# -eq 3 ] || die "usage: $0 <build folder> <application id> <scalable icon>"
build=$1 id=$2 svg=$3

need_commands cmake identify compare rsvg-convert xvfb-run xauth xdotool import timeout
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

timeout 60 cmake --install "$build" --prefix "$prefix" > "$work/install.log" \
    || { cat "$work/install.log"; die "cmake --install failed"; }

expect_file() { [ -f "$prefix/$1" ] || die "$1 is not installed"; }
[ -x "$prefix/bin/klepsos" ] || die "bin/klepsos is not installed as a program"
for name in 18 21 22 23 25 26 28 aiguilles anim {1..10} {1..4}.vic {1..4}.def; do
    expect_file "share/klepsos/datas/$name"
done
expect_file share/klepsos/guide-enseignant.md
printf "$zero_score" > "$work/zero"
cmp "$prefix/share/klepsos/datas/18" "$work/zero" || die "the installed score is not the zero score"
for f in "applications/$id.desktop" "metainfo/$id.metainfo.xml" "icons/hicolor/scalable/apps/$id.svg"; do
    expect_file "share/$f"
done
for size in 16 22 24 32 48 64 128 256; do
    png="share/icons/hicolor/${size}x$size/apps/$id.png"
    expect_file "$png"
    [ "$(identify -format '%m %wx%h' "$prefix/$png")" = "PNG ${size}x$size" ] || die "$png is not a ${size}x$size PNG"
done
# The PNG sizes are drawn by code from the design of the scalable icon.
rsvg-convert -w 256 -h 256 "$svg" -o "$work/svg.png"
difference=$(compare -metric RMSE "$work/svg.png" "$prefix/share/icons/hicolor/256x256/apps/$id.png" null: 2>&1 \
    | sed -n 's/.*(\(.*\)).*/\1/p') || true
awk "BEGIN{exit !($difference < 0.03)}" || die "the PNG icon differs from the scalable one ($difference)"
echo "ok installed tree"

shots=$build/install-shots
rm -rf "$shots"
mkdir -p "$shots"
score=$work/home/.local/share/klepsos/18
in_x() { rerun_in_x "$work" 60 "$0" "$prefix" "$1"; }

in_x "$shots/first-run.png"
[ -f "$score" ] || die "the first run did not create $score"
cmp "$score" "$work/zero" || die "the first run's score is not the zero score: $(od -An -tx1 "$score")"
[ -w "$score" ] || die "the user's score file is not writable"
[ ! -e "$prefix/bin/datas" ] || die "the installed program made a datas folder beside itself"
echo "ok first run: $score from the delivered zero score"

printf "$kept_score" > "$score"
printf "$kept_score" > "$work/kept"
in_x "$shots/second-run.png"
cmp "$score" "$work/kept" || die "the second run lost the child's score: $(od -An -tx1 "$score")"
cmp "$prefix/share/klepsos/datas/18" "$work/zero" || die "the program wrote into the installed data"
echo "ok second run: the child's score kept; screenshots in $shots"
