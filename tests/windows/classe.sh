#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One class shared by Windows and Linux computers: two Windows computers (two
# Wine prefixes: one finds the class folder on a mapped drive set for the
# whole computer in the registry, the other by its path on the command
# line), one Linux computer, and a copy of the first Windows computer's disk
# started on another machine (another host name, as a cloned school image).
# A child answers on each; a pipe and a folder stand where two computers'
# class files belong. Every computer's export and report then count every
# answer exactly once, and nothing hangs.
# usage: classe.sh <build-windows folder> <Linux build folder>
set -euo pipefail
source "$(dirname "$0")/../e2e/x11.sh"
source "$(dirname "$0")/commun.sh"
wine=/usr/lib/wine/wine64

if [ -z "${KLEPSOS_IN_X:-}" ]; then
    need_commands xvfb-run xauth xdotool unshare pdftotext timeout sha256sum
    [ "$(id -u)" -eq 0 ] || { echo "SKIP: another host name for the cloned computer needs root (unshare)"; exit 77; }
    build=$(cd "$1" && pwd) linux=$(cd "$2" && pwd)
    work=$(mktemp -d)
    trap 'set +e; for p in "$work"/prefix*; do WINEPREFIX="$p" /usr/lib/wine/wineserver -k; WINEPREFIX="$p" /usr/lib/wine/wineserver -w; done 2>/dev/null; rm -rf "$work"' EXIT
    X_SCREEN=1600x1200 rerun_in_x "$work" 900 "$0" "$build" "$linux" "$work"
    exit 0
fi

build=$1 linux=$2 work=$3
# The X server's cookie for any host name: the computers below take names of their own.
xauth nlist "$DISPLAY" | sed 's/^..../ffff/' > "$work/cookie"
xauth nmerge "$work/cookie"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
classe=$work/serveur/classe
mkdir -p "$classe"
sonde=$build/tests/sonde.exe
# usage: w COMPUTER COMMAND...: COMMAND on that Windows computer (A, B, or C
# the copy of A's disk), French, under the computer's own host name.
w() {
    local p=$1
    shift
    unshare --uts bash -c 'hostname "$1"; shift; exec "$@"' sh "poste-${p,,}" \
        env WINEPREFIX="$work/prefix$p" LC_ALL=fr_FR.UTF-8 "$wine" "$@"
}
# The end of a computer's Wine: the next one may be another machine.
eteindre() { WINEPREFIX="$work/prefix$1" /usr/lib/wine/wineserver -k 2>/dev/null || true; WINEPREFIX="$work/prefix$1" /usr/lib/wine/wineserver -w 2>/dev/null || true; }
windows() { echo 'Z:'"${1//\//\\}"; }
cle() { echo "j$(printf '%s' "$1" | sha256sum | cut -c1-16)"; }

# Two Windows computers, their programs in a virtual desktop; the first
# reaches the class by a drive mapped for the whole computer and the
# school's setting in the registry.
for p in A B; do
    w $p wineboot -i > /dev/null 2>&1
    w $p reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f > /dev/null
    w $p reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x1024 /f > /dev/null
done
# Klepsos installed on both, as the school installs it: each user's store in
# their own AppData folder.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for p in A B; do
    w $p "$build/klepsos-$version-setup.exe" /S
done
klepsos='C:\Program Files\Klepsos\bin\klepsos.exe'
ln -s "$classe" "$work/prefixA/dosdevices/k:"
w A reg add 'HKLM\Software\klepsos\klepsos' /v classe /d 'K:\' /f > /dev/null
eteindre A
eteindre B
optionB=(--classe "$(windows "$classe")")

# usage: jouer COMPUTER ARGS...: the program started as a child, one wrong
# answer by mouse in "Minutes dans des heures", "SORTIE".
jouer() {
    local p=$1
    shift
    w "$p" "$klepsos" "$@" > "$work/$p.log" 2>&1 &
    local pid=$!
    w "$p" "$sonde" fenetre Klepsos 60 > /dev/null || die "no Klepsos window on computer $p"
    sleep 2
    repondre_puis_sortir "$work/$p"
    local end=$((SECONDS + 30))
    while kill -0 "$pid" 2>/dev/null; do
        [ "$SECONDS" -lt "$end" ] || die "computer $p: still running 30 s after SORTIE"
        sleep 0.2
    done
    eteindre "$p"
}
# The id a computer took in its store (the last one: a copied disk holds the
# one of the computer it was copied from first).
poste() { awk 'END { print $2 }' "$(find "$work/prefix$1/drive_c/users" -path '*/AppData/Roaming/klepsos/postes' | head -n 1)"; }

# Each Windows computer starts once (its store and its id made), then the
# teacher adds Léa and Hugo; a pipe (Wine opens one without waiting) stands
# where A's class file of Léa belongs, a folder where B's of Hugo does.
for p in A B; do
    args=()
    [ $p = B ] && args=("${optionB[@]}")
    w $p "$klepsos" "${args[@]}" > /dev/null 2>&1 &
    w $p "$sonde" fenetre Klepsos 60 > /dev/null || die "computer $p did not start"
    w $p "$sonde" fermer Klepsos
    wait
    eteindre $p
done
for nom in Léa Hugo; do
    enfant=$classe/joueurs/$(cle "$(tr '[:upper:]' '[:lower:]' <<<"$nom")")
    mkdir -p "$enfant"
    printf '%s\n' "$nom" > "$enfant/nom"
    printf 'e%016x\n' "$RANDOM$RANDOM" > "$enfant/identite"
done
mkfifo "$classe/joueurs/$(cle léa)/$(poste A).hist"
mkdir "$classe/joueurs/$(cle hugo)/$(poste B).hist"

jouer A --joueur Léa
jouer B --joueur Hugo "${optionB[@]}"
# The first computer's disk copied to a machine of another name.
cp -a "$work/prefixA" "$work/prefixC"
ln -sfn "$classe" "$work/prefixC/dosdevices/k:"
jouer C --joueur Inès

# The Linux computer (a copy of the program with its own store): Zoé, by the
# keys, then ended as a computer shut down.
copy_program "$work" "$linux/klepsos" "$linux/datas"
rm -rf "$work/app/datas/classes" "$work/app/datas/poste" "$work/app/datas/postes"
"$work/app/klepsos" --plein-ecran --joueur Zoé --classe "$classe" > "$work/linux.log" 2>&1 &
pid=$!
wait_window '^Klepsos$' 30 > /dev/null
sleep 2
xdotool key --delay 150 Tab Tab Tab Tab Tab Return sleep 0.5 key --delay 150 Tab Up Tab Return Escape
sleep 2.5
kill -TERM "$pid"
wait_exit "$pid" 10

# Every answer once, from every computer.
[ "$(find "$classe/joueurs" -name 'p*.hist' -type f | wc -l)" -ge 4 ] || die "the class holds fewer than four computers' files"
[ "$(poste A)" != "$(poste C)" ] || die "the cloned computer took the id of the computer it was copied from"
verifier_csv() {
    local n
    for nom in Léa Hugo Inès Zoé; do
        n=$(grep -c ";$nom;minutes_dans_heures;" "$1" || true)
        [ "$n" = 1 ] || die "$2: $nom's answer is there $n times"
    done
    [ "$(($(wc -l < "$1") - 1))" = 4 ] || die "$2: $(($(wc -l < "$1") - 1)) answers instead of 4"
}
verifier_rapport() {
    pdftotext "$1" "$1.txt"
    grep -q "4 élèves" "$1.txt" || die "$2: the report does not count four children"
    [ "$(grep -c '0 réponses justes sur 1' "$1.txt")" = 4 ] || die "$2: the report does not give each child one answer"
}
for p in A B C; do
    args=()
    [ $p = B ] && args=("${optionB[@]}")
    w $p "$klepsos" --exporter "$(windows "$work/$p.csv")" "${args[@]}" || die "computer $p: the export failed"
    verifier_csv "$work/$p.csv" "the export of computer $p"
    w $p "$klepsos" --rapport "$(windows "$work/$p.pdf")" "${args[@]}" || die "computer $p: the report failed"
    verifier_rapport "$work/$p.pdf" "the report of computer $p"
    eteindre $p
done
"$work/app/klepsos" --exporter "$work/linux.csv" --classe "$classe"
verifier_csv "$work/linux.csv" "the Linux computer's export"
"$work/app/klepsos" --rapport "$work/linux.pdf" --classe "$classe"
verifier_rapport "$work/linux.pdf" "the Linux computer's report"
echo "One class over two Windows computers, a cloned one and a Linux one: every answer counted once everywhere."
