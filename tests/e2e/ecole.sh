#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The class folder as a school runs it, with the real program: a computer's disk copied to
# another (each then answers), one computer serving two classes, a child renamed by the
# teacher's view while playing, a namesake after a removal, a home folder used from two
# computers. Fails unless every answer reaches its own class and child once, as the exports say.
# usage: ecole.sh <klepsos executable> <datas folder>
set -euo pipefail
source "$(dirname "$0")/x11.sh"
program=$1 datas=$2

if [ -z "${KLEPSOS_IN_X:-}" ]; then
    need_commands xvfb-run xauth xdotool timeout
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    copy_program "$work" "$program" "$datas"
    mkdir -p "$work/ce1" "$work/cm2"
    # Each class's year already chosen, so that the teacher's view opens on its table.
    echo annee=CE1 > "$work/ce1/reglages"
    echo annee=CM2 > "$work/cm2/reglages"
    rerun_in_x "$work" 290 "$0" "$work" "$work/app/datas"
    exit 0
fi
work=$1

pid=
trap '[ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true' EXIT
# usage: start COMPUTER CLASS CHILD [FINGERPRINT]: the program on that computer (its
# fingerprint is its name unless given), its window in WIN.
start() {
    KLEPSOS_EMPREINTE=${4:-$1} "$work/$1/klepsos" --fenetre --classe "$work/$2" --joueur "$3" > /dev/null 2>&1 &
    pid=$!
    WIN=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || die "no window"
}
# One wrong answer (a step of 1 mn is never the answer), back to the start screen.
answer() {
    xdotool windowfocus --sync "$WIN" && sleep 0.3
    window_place "$WIN"; click 437 360; sleep 0.5
    xdotool key --delay 150 Tab Up Tab Return Escape
    alive "$pid" "after answering"
}
# The computer is shut down (SIGTERM).
stop() {
    kill -TERM "$pid"; wait_exit "$pid" 15
    pid=
}
# usage: play COMPUTER CLASS CHILD [FINGERPRINT]: one answer on that computer, then shut down.
play() {
    start "$@"; answer; stop
}
# usage: teacher CLASS: the teacher's view of that class on computer A, the table's first
# child chosen, its pid in TEACHER; the keys that follow are the teacher's.
teacher() {
    KLEPSOS_EMPREINTE=A "$work/A/klepsos" --enseignant --classe "$work/$1" > /dev/null 2>&1 &
    TEACHER=$!
    xdotool windowfocus --sync "$(wait_window "Espace enseignant" 15)" && sleep 1
    xdotool mousemove 38 165 click 1 sleep 0.3
}
# usage: teacher_done PATH: once PATH exists (the view did it), the view is closed.
teacher_done() {
    for _ in $(seq 40); do [ -e "$1" ] && break; sleep 0.25; done
    [ -e "$1" ] || die "the teacher's view did not make $1"
    kill -TERM "$TEACHER"; wait_exit "$TEACHER" 5
}
# usage: expect COMPUTER CLASS CHILD N: the class export made on that computer holds N
# answers of that child.
expect() {
    KLEPSOS_EMPREINTE=$1 "$work/$1/klepsos" --classe "$work/$2" --exporter "$work/export.csv" \
        || die "no export on $1"
    local n
    n=$(grep -c ";$3;minutes_dans_heures;" "$work/export.csv" || true)
    [ "$n" = "$4" ] || die "the export of $2 on $1 holds $n answers of $3, not $4"
}
# The folder of a child's name in a class (names in lower-case ASCII here).
key() { printf 'j%s' "$(printf %s "${1,,}" | sha256sum | cut -c1-16)"; }
cp -a "$work/app" "$work/R"
mv "$work/app" "$work/A"
play A ce1 Léa
# The school copies computer A's disk to B: both then answer, the copy first.
cp -a "$work/A" "$work/B"
play B ce1 Léa
play A ce1 Léa
for computer in A B; do expect "$computer" ce1 Léa 3; done
[ "$(ls "$work/ce1/postes" | wc -l)" = 2 ] || die "not one status per computer: $(ls "$work/ce1/postes")"

# The CM2 in the afternoon on computer A: its own children and answers, none of the CE1's.
play A cm2 Hugo
expect A cm2 Hugo 1
expect A cm2 Léa 0
expect A ce1 Hugo 0
expect A ce1 Léa 3
[ ! -e "$work/cm2/joueurs/$(ls "$work/ce1/joueurs")" ] || die "the CE1's child is in the CM2"

# Hugo renamed Nino from the teacher's view while he plays on A: his answers before and
# after the rename are all the CM2's Nino's.
start A cm2 Hugo
answer; sleep 2.5
teacher cm2
xdotool key F2 sleep 1 key ctrl+a && xdotool type --delay 50 Nino && xdotool key Return
teacher_done "$work/cm2/joueurs/$(key Nino)"
answer; answer; sleep 2.5
stop
expect A cm2 Nino 4
expect A cm2 Hugo 0

# A new school year: B still holds an answer of last year's Léa, given with the CE1's folder
# away; the teacher removes Léa and adds this year's. B starts: the new Léa gets none of it.
mv "$work/ce1" "$work/ce1.loin"
play B ce1 Léa
mv "$work/ce1.loin" "$work/ce1"
teacher ce1
xdotool key Delete sleep 1 key Tab space
teacher_done "$work/ce1/retires"
teacher ce1
xdotool mousemove 67 33 click 1 sleep 1 && xdotool type --delay 50 Léa && xdotool key Return
teacher_done "$work/ce1/joueurs/$(ls "$work/ce1/retires" | cut -d- -f1)"
play B ce1 Zoé
expect B ce1 Léa 0
expect B ce1 Zoé 1

# A home kept on the server: the same store (R) used from computer X, then Y, then both
# again. Each answer reaches the class once: none doubled in its files, none lost.
mkdir "$work/ce2"
for computer in X Y X Y; do play R ce2 Zoé "$computer"; done
expect R ce2 Zoé 4
[ "$(cat "$work"/ce2/joueurs/*/*.hist | wc -l)" = 4 ] || die "the roaming home's answers are not each once in the class files"
[ "$(ls "$work/ce2/postes" | wc -l)" = 2 ] || die "not one status per computer of the roaming home"
echo "PASS: copied computers, a computer of two classes, a rename while playing, a new school year and a roaming home deliver every answer once, to its child"
