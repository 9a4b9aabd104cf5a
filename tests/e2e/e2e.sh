#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program full screen at 1920 x 1080 (scaled 2.25), on a fixed date, driven with
# the mouse through every screen and back, one exercise played from the keyboard, then quit.
# Fails on a crash, a hang, a wrong screen, a scene short of the height, black margins, or a
# score file that does not count that one wrong answer.
#
# usage: e2e.sh <klepsos executable> <datas folder> <screenshots folder>
set -euo pipefail
source "$(dirname "$0")/x11.sh"

[ $# -eq 3 ] || die "usage: $0 <klepsos executable> <datas folder> <screenshots folder>"
program=$1 datas=$2 shots=$3

# 5 exercises, 3 right, 2 wrong (marker, three 16-bit typed values, a 32-bit count); then one more wrong.
score_bytes='\x02\x00\x01\x00\x02\x00\x05\x00\x02\x00\x03\x00\x02\x00\x00\x00'
score_after='\x02\x00\x01\x00\x02\x00\x06\x00\x02\x00\x03\x00\x03\x00\x00\x00'

if [ -z "${KLEPSOS_IN_X:-}" ]; then
    need_commands xvfb-run xauth xdotool import identify compare faketime timeout
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    copy_program "$work" "$program" "$datas"
    printf "$score_bytes" > "$work/app/datas/18"
    printf "$score_after" > "$work/expected-score"
    # An old date, so that a rewrite of the score is seen.
    touch -d @978307200 "$work/app/datas/18"
    rm -rf "$shots"
    mkdir -p "$shots"
    X_SCREEN=1920x1080 rerun_in_x "$work" 210 "$0" "$work/app/klepsos" "$work/app/datas" "$shots"
    cmp "$work/app/datas/18" "$work/expected-score" \
        || die "the score file changed: $(od -An -tx1 "$work/app/datas/18")"
    [ "$(stat -c %Y "$work/app/datas/18")" != 978307200 ] || die "the score was not saved on quitting"
    echo "PASS: every screen shown, the keyboard's answer counted; screenshots in $shots"
    exit 0
fi

pictures=("$datas"/21 "$datas"/23 "$datas"/25 "$datas"/26 "$datas"/28 "$datas"/aiguilles "$datas"/journee "$datas"/calendrier)

faketime -f '@2026-12-05 09:05:07' "$program" > "$shots/klepsos.log" 2>&1 &
pid=$!
trap 'kill -9 "$pid" 2>/dev/null || true' EXIT # a failed check leaves no program behind
window_place "$(wait_window '^Klepsos$' 20)"
[ "$WIN_GEOMETRY" = 1920x1080+0+0 ] || die "the window is $WIN_GEOMETRY, not the whole display"
awk "BEGIN{exit !($SCALE * 480 == 1080)}" || die "the scene is scaled $SCALE: it does not fill the height"
scene=$(scene_region 0 0 640 480)
expect_screen "$shots/01-depart.png" "$scene" 640x480 23 20 "${pictures[@]}"

# The margins continue the screen shown: never a black band.
margins() {
    for side in 240x1080+0+0 240x1080+1680+0; do
        [ "$(convert "$1" -crop $side -format '%[fx:mean > 0.3]' info:)" = 1 ] || die "$1: margin $side is dark"
    done
}
margins "$shots/01-depart.png"

# name, drawing to click, its picture, the return button
step=2
while read -r name x y picture backx backy; do
    click "$x" "$y"
    alive "$pid" "after opening $name"
    # The calendar's four sections cover its background nearly to the edges.
    NEAREST_RATIO=$([ "$name" = calendrier ] && echo 0.85 || echo 0.7) \
        expect_screen "$shots/$(printf %02d $step)-$name.png" "$scene" 640x480 "$picture" 10 "${pictures[@]}"
    margins "$shots/$(printf %02d $step)-$name.png"
    click "$backx" "$backy"
    alive "$pid" "after leaving $name"
    expect_screen "$shots/$(printf %02d $((step + 1)))-depart-after-$name.png" "$scene" 640x480 23 10 "${pictures[@]}"
    step=$((step + 2))
done <<'STEPS'
lecon 527 145 26 590 468
astuces 107 150 21 590 468
exercices 437 360 25 591 470
jeux_dates 80 370 28 590 468
aiguilles 578 302 aiguilles 590 468
journee 336 270 journee 590 468
calendrier 243 177 calendrier 590 468
STEPS

# The about window lies over the start screen, centred on the scene at 23,69;
# "Fini" is at 258,300 (78x22) in it.
click 259 273
alive "$pid" "after opening the about window"
expect_screen "$shots/$(printf %02d $step)-auteur_softs.png" "$(scene_region 23 69 594 342)" 594x342 22 10 \
    "$datas/22" "${pictures[@]}"
click 320 380
alive "$pid" "after closing the about window"
expect_screen "$shots/$(printf %02d $((step + 1)))-depart-after-auteur_softs.png" "$scene" 640x480 23 10 "${pictures[@]}"

# Keys only: open the exercises, one step up (1 mn: never the answer), judge it,
# Escape (the focus is back on the drawing), then past "Placer les aiguilles", "La journée" and
# "Le calendrier"
# to "SORTIE" and quit.
xdotool key --delay 150 Tab Tab Tab Tab Tab Return
expect_screen "$shots/$(printf %02d $((step + 2)))-exercices-clavier.png" "$scene" 640x480 25 10 "${pictures[@]}"
xdotool key --delay 150 Tab Up Tab Return
alive "$pid" "after answering from the keyboard"
xdotool key --delay 150 Escape
expect_screen "$shots/$(printf %02d $((step + 3)))-depart-clavier.png" "$scene" 640x480 23 10 "${pictures[@]}"
xdotool key --delay 150 Tab Tab Tab Tab Return
wait_exit "$pid" 15
