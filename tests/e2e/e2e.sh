#!/usr/bin/env bash
# The real program in an X server, driven with the mouse through every screen and back,
# then quit: fails on a crash, a hang, a wrong screen, or a score not byte for byte kept.
set -euo pipefail
source "$(dirname "$0")/x11.sh"

[ $# -eq 3 ] || die "usage: $0 <klepsos executable> <datas folder> <screenshots folder>"
program=$1 datas=$2 shots=$3

# 5 exercises, 3 right, 2 wrong.
score_bytes='\x02\x00\x01\x00\x02\x00\x05\x00\x02\x00\x03\x00\x02\x00\x00\x00'

if [ -z "${KLEPSOS_IN_X:-}" ]; then
    need_commands xvfb-run xauth xdotool import identify compare faketime timeout
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/app"
    cp "$program" "$work/app/klepsos"
    cp -r "$datas" "$work/app/datas"
    printf "$score_bytes" > "$work/app/datas/18"
    printf "$score_bytes" > "$work/expected-score"
    touch -d @978307200 "$work/app/datas/18"
    rm -rf "$shots"
    mkdir -p "$shots"
    rerun_in_x "$work" 150 "$0" "$work/app/klepsos" "$work/app/datas" "$shots"
    cmp "$work/app/datas/18" "$work/expected-score" \
        || die "the score file changed: $(od -An -tx1 "$work/app/datas/18")"
    [ "$(stat -c %Y "$work/app/datas/18")" != 978307200 ] || die "the score was not saved on quitting"
    echo "PASS: every screen shown, the score kept its bytes; screenshots in $shots"
    exit 0
fi

pictures=("$datas"/21 "$datas"/23 "$datas"/25 "$datas"/26 "$datas"/28)

faketime -f '@2026-12-05 09:05:07' "$program" > "$shots/klepsos.log" 2>&1 &
pid=$!
trap 'kill -9 "$pid" 2>/dev/null || true' EXIT # a failed check leaves no program behind
window_place "$(wait_window '^Klepsos$' 20)"
[ "$WIN_W" -eq 640 ] && [ "$WIN_H" -eq 480 ] || die "main window is ${WIN_W}x$WIN_H"
window=$WIN_GEOMETRY
expect_screen "$shots/01-depart.png" "$window" 23 10 "${pictures[@]}"

# screen, drawing, its picture, the way back
step=2
while read -r name x y picture backx backy; do
    click "$x" "$y"
    alive "$pid" "after opening $name"
    expect_screen "$shots/$(printf %02d $step)-$name.png" "$window" "$picture" 10 "${pictures[@]}"
    click "$backx" "$backy"
    alive "$pid" "after leaving $name"
    expect_screen "$shots/$(printf %02d $((step + 1)))-depart-after-$name.png" "$window" 23 10 "${pictures[@]}"
    step=$((step + 2))
done <<'STEPS'
lecon 527 145 26 590 468
astuces 107 150 21 590 468
exercices 437 360 25 591 470
jeux_dates 80 370 28 590 468
STEPS

# The about window is a dialog centred on the display; "Fini" is at 258,300 (78x22) in it.
click 259 273
alive "$pid" "after opening the about window"
window_place "$(wait_window 'propos' 10)"
[ "$WIN_W" -eq 594 ] && [ "$WIN_H" -eq 342 ] || die "about window is ${WIN_W}x$WIN_H"
expect_screen "$shots/$(printf %02d $step)-auteur_softs.png" "$WIN_GEOMETRY" 22 10 \
    "$datas/22" "${pictures[@]}"
click 297 311
window_place "$(wait_window '^Klepsos$' 10)"
alive "$pid" "after closing the about window"
expect_screen "$shots/$(printf %02d $((step + 1)))-depart-after-auteur_softs.png" "$window" 23 10 "${pictures[@]}"

click 590 468 # SORTIE
wait_exit "$pid" 15
