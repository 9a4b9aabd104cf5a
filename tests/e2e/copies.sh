#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Several copies of the real program on one score, each answering one exercise from the
# keyboard, ended by "SORTIE" and by the signals a shut-down computer, Ctrl+C and a closed
# terminal send. Fails unless the score holds every answer of every copy, and a copy that
# played nothing leaves the file untouched.
# usage: copies.sh <klepsos executable> <datas folder>
set -euo pipefail
source "$(dirname "$0")/x11.sh"
program=$1 datas=$2

# The score file's bytes for N exercises, 3 right, M wrong.
score() { printf "\x02\x00\x01\x00\x02\x00\\x$(printf %02x "$1")\x00\x02\x00\x03\x00\\x$(printf %02x "$2")\x00\x00\x00"; }

if [ -z "${KLEPSOS_IN_X:-}" ]; then
    need_commands xvfb-run xauth xdotool timeout
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    copy_program "$work" "$program" "$datas"
    score 5 2 > "$work/app/datas/18"
    rerun_in_x "$work" 150 "$0" "$work/app/klepsos" "$work/app/datas"
    exit 0
fi

declare -A windows
trap 'kill -9 "${!windows[@]}" 2>/dev/null || true' EXIT
focus() { xdotool windowfocus --sync "${windows[$1]}" && sleep 0.3; }
# Starts a copy, its pid in PID, its window focused.
start() {
    "$program" --fenetre > /dev/null 2>&1 &
    PID=$!
    windows[$PID]=$(timeout 20 xdotool search --sync --onlyvisible --pid "$PID" | head -n 1) || die "no window"
    focus "$PID"
}
# One wrong answer from the keys (a step of 1 mn is never the answer), back to the start screen.
answer() {
    focus "$1"
    xdotool key --delay 150 Tab Tab Tab Tab Tab Return sleep 0.3 key --delay 150 Tab Up Tab Return Escape
    alive "$1" "after answering"
}
expect() { cmp -s "$datas/18" <(score "$1" "$2") || die "$3: the score holds $(od -An -tx1 "$datas/18")"; }

# Two copies at once: the second ends first, by a shutdown's SIGTERM, the first then by
# a click on "SORTIE": the copy closed last must not wipe the other's answer.
start; a=$PID; answer "$a"
start; b=$PID; answer "$b"
kill -TERM "$b"; wait_exit "$b" 15
expect 6 3 "after the first copy's SIGTERM"
focus "$a"; window_place "${windows[$a]}"; click 590 468; wait_exit "$a" 15
expect 7 4 "after the second copy's SORTIE"

# A copy that plays nothing changes nothing, not even the file's date.
touch -d @978307200 "$datas/18"
start; kill -INT "$PID"; wait_exit "$PID" 15
[ "$(stat -c %Y "$datas/18")" = 978307200 ] || die "a copy that played nothing rewrote the score"

# Ctrl+C and a closed terminal save like a quit.
for n in 8:INT 9:HUP; do
    start; answer "$PID"; kill -"${n#*:}" "$PID"; wait_exit "$PID" 15
    expect "${n%:*}" $((${n%:*} - 3)) "after SIG${n#*:}"
done

# A child of a class: the answer reaches the class folder within seconds, while the child
# plays on, and never the shared score.
mkdir -p "$datas/../classe"
"$program" --fenetre --classe "$datas/../classe" --joueur Léa > /dev/null 2>&1 &
PID=$!
windows[$PID]=$(timeout 20 xdotool search --sync --onlyvisible --pid "$PID" | head -n 1) || die "no window"
answer "$PID"
for _ in $(seq 20); do grep -rqa $'\tLéa\tminutes_dans_heures\t' "$datas/../classe/joueurs" && break; sleep 0.5; done
grep -rqa $'\tLéa\tminutes_dans_heures\t' "$datas/../classe/joueurs" || die "the child's answer is not in the class folder"
kill -TERM "$PID"; wait_exit "$PID" 15
expect 9 6 "after a child's answer"
echo "PASS: every copy's answers are in the score, a child's in the class folder"
