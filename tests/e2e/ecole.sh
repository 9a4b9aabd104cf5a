#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The class folder as a school runs it, with the real program: a computer's disk copied to
# another (each then answers), and one computer serving two classes. Fails unless every
# answer reaches its own class once, and the export made on either computer shows them all.
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
    rerun_in_x "$work" 170 "$0" "$work" "$work/app/datas"
    exit 0
fi
work=$1

pid=
trap '[ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true' EXIT
# usage: play COMPUTER CLASS CHILD: one wrong answer from the keys on that computer (its
# fingerprint is its name), then the computer is shut down (SIGTERM).
play() {
    KLEPSOS_EMPREINTE=$1 "$work/$1/klepsos" --fenetre --classe "$work/$2" --joueur "$3" > /dev/null 2>&1 &
    pid=$!
    local w
    w=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || die "no window"
    xdotool windowfocus --sync "$w" && sleep 0.3
    xdotool key --delay 150 Tab Tab Tab Tab Tab Return sleep 0.3 key --delay 150 Tab Up Tab Return Escape
    alive "$pid" "after answering"
    kill -TERM "$pid"; wait_exit "$pid" 15
    pid=
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
echo "PASS: a copied computer and a computer of two classes deliver every answer once, to its class"
