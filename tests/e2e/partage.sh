#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program and the teacher's view on a class share that fails as a school's
# server does: a FUSE folder (partage_en_panne.py) that hangs, answers EIO or vanishes,
# and holds a named pipe where a history belongs; and a disk that refuses fsync.
# Skipped (status 77) only when /dev/fuse is missing.
# usage: partage.sh <klepsos executable> <datas folder>
set -euo pipefail
source "$(dirname "$0")/x11.sh"
program=$1 datas=${2:-}

# The share: the server's folder, its mount point, the switch; a pid file for the daemon.
paths() { serveur=$1/serveur mnt=$1/classe switch=$1/interrupteur daemon=$1/daemon.pid; }
situation() { echo "$1" > "$switch"; }
mount_share() {
    situation normal
    /usr/bin/python3 "$(dirname "$0")/partage_en_panne.py" "$serveur" "$mnt" "$switch" &
    echo $! > "$daemon"
    for _ in $(seq 50); do mountpoint -q "$mnt" && return 0; sleep 0.1; done
    die "the share was not mounted"
}
# Whatever hangs is released first, then the mount goes, whatever state it is in.
unmount_share() {
    situation normal 2>/dev/null || true
    fusermount -u -z "$mnt" 2>/dev/null || true
    [ -f "$daemon" ] && kill "$(cat "$daemon")" 2>/dev/null || true
}

if [ -z "${KLEPSOS_IN_X:-}" ]; then
    [ -c /dev/fuse ] || { echo "SKIP: /dev/fuse is missing"; exit 77; }
    need_commands xvfb-run xauth xdotool timeout fusermount mountpoint cc import convert
    /usr/bin/python3 -c 'import fusepy' 2>/dev/null || die "python3-fusepy is missing (bash scripts/klepsos.sh test installs it)"
    work=$(mktemp -d)
    paths "$work"
    trap 'unmount_share; rm -rf "$work"' EXIT
    copy_program "$work" "$program" "$datas"
    mkdir -p "$serveur" "$mnt"
    # fsync and fdatasync refused, as by a home over quota.
    printf '#include <errno.h>\nint fsync(int fd){(void)fd;errno=EIO;return -1;}\nint fdatasync(int fd){(void)fd;errno=EIO;return -1;}\n' > "$work/fsync.c"
    cc -shared -fPIC -o "$work/fsyncko.so" "$work/fsync.c"
    rerun_in_x "$work" 280 "$0" "$work"
    exit 0
fi

work=$1
paths "$work"
app=$work/app/klepsos local=$work/app/datas
declare -A pids
trap 'kill -9 "${!pids[@]}" 2>/dev/null || true; unmount_share' EXIT
mount_share

# Starts the program with ARGS..., its pid in PID, its window placed.
start() {
    "$app" --fenetre "$@" > "$work/sortie.txt" 2>&1 &
    PID=$!
    pids[$PID]=1
    WIN=$(timeout 15 xdotool search --sync --onlyvisible --pid "$PID" | head -n 1) || die "no window ($*)"
    window_place "$WIN"
    sleep 1.5
}
shot_sum() { import -window root -resize 160x120! rgb:- | md5sum; }
# usage: reacts WHAT ACTION...: the screen changes within 2 s of the action.
reacts() {
    local what=$1 before end
    shift
    before=$(shot_sum)
    "$@"
    end=$((${EPOCHREALTIME/./} + 2000000))
    while [ "$(shot_sum)" = "$before" ]; do
        [ "${EPOCHREALTIME/./}" -lt "$end" ] || die "$what: the screen froze"
    done
    sleep 0.3
}
# usage: ends_within PID WHAT [SECONDS]: the process ends by itself within 2 s (or SECONDS),
# with status 0 (or $EXPECTED). One whose thread waits for a hung FUSE call stays a zombie
# until the call is answered (FUSE's rule): ended; its status is read once the share answers.
ends_within() {
    local end=$((${EPOCHREALTIME/./} + ${3:-2} * 1000000)) status=0 was
    while kill -0 "$1" 2>/dev/null && [ "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" != Z ]; do
        [ "${EPOCHREALTIME/./}" -lt "$end" ] || { kill -9 "$1"; die "$2: still running after ${3:-2} s"; }
        sleep 0.05
    done
    was=$(cat "$switch")
    situation normal
    wait "$1" || status=$?
    situation "$was"
    unset "pids[$1]"
    [ "$status" -eq "${EXPECTED:-0}" ] || die "$2: ended with status $status"
}
# One wrong answer from the keys, back to the start screen.
answer() { xdotool key --delay 150 Tab Tab Tab Tab Tab Return sleep 0.3 key --delay 150 Tab Up Tab Return Escape; }
lines() { { cat "$@" 2>/dev/null || true; } | wc -l; }

# The teacher gave this week's work; Léa plays once with the share well: she is known
# here and in the class, and the work is kept here for when the share fails.
printf 'classe=%s ce1_durees,ce2_conversions\n' "$(date +%F)" > "$serveur/travail"
start --classe "$mnt" --joueur Léa
answer; sleep 3; kill -TERM "$PID"; ends_within "$PID" "the first run"
cle=$(ls "$serveur/joueurs")
# The class's own store on this computer.
ici=$(ls -d "$local"/classes/c[0-9a-f]*)
own=$(basename "$(ls "$ici/joueurs/$cle/"p*.hist)")
[ "$(lines "$serveur/joueurs/$cle/$own")" = 1 ] || die "the first answer did not reach the class"
[ "$(cat "$serveur/travail")" = "$(cat "$ici/classe.travail" 2>/dev/null)" ] || die "the week's work is not kept here: $(ls "$ici")"

# The child's screens on a share that hangs, then on one holding a pipe where another
# computer's history belongs: choosing her name, "Mes progrès", an answer, "SORTIE".
pipe=$serveur/joueurs/$cle/p0123456789abcdef.hist
for s in bloque tube; do
    [ "$s" = tube ] && mkfifo "$pipe"
    situation "${s/tube/normal}"
    avant=$(lines "$ici/joueurs/$cle/$own")
    start --classe "$mnt"
    reacts "$s: choosing a name" click 66 97
    reacts "$s: Mes progrès" click 578 404
    reacts "$s: back from Mes progrès" xdotool key Escape
    reacts "$s: Mon entraînement" click 179 296
    reacts "$s: back from Mon entraînement" xdotool key Escape
    answer; sleep 0.5
    click 590 468; ends_within "$PID" "$s: SORTIE"
    [ "$(lines "$ici/joueurs/$cle/$own")" = $((avant + 1)) ] || die "$s: the answer is not kept here"
done
rm -f "$pipe"

# The share answers again: what waited arrives, once.
start --classe "$mnt" --joueur Léa
for _ in $(seq 40); do [ "$(lines "$serveur/joueurs/$cle/$own")" = 3 ] && break; sleep 0.25; done
kill -TERM "$PID"; ends_within "$PID" "the run that sends"
cmp -s "$serveur/joueurs/$cle/$own" "$ici/joueurs/$cle/$own" || die "the class copy is not the local one: $(lines "$serveur/joueurs/$cle/$own") lines"

# The teacher's view: the band while the share hangs, none for a pipe; each signal ends it.
band() { import -window root "$work/vue.png"; convert "$work/vue.png" -fill black +opaque "#f8d7da" -fill white -opaque "#f8d7da" -format "%[fx:mean>0.002]" info:; }
for row in "bloque TERM" "bloque INT" "tube HUP"; do
    read -r s sig <<<"$row"
    [ "$s" = tube ] && mkfifo "$pipe"
    situation "${s/tube/normal}"
    "$app" --enseignant --classe "$mnt" > /dev/null 2>&1 &
    PID=$!
    pids[$PID]=1
    wait_window "Espace enseignant" 15 > /dev/null
    shown=0
    for _ in $(seq 16); do sleep 0.5; shown=$(band); [ "$shown" = 1 ] && break; done
    [ "$shown" = "$([ "$s" = bloque ] && echo 1 || echo 0)" ] || die "teacher's view, $s: band shown = $shown"
    kill -"$sig" "$PID"; ends_within "$PID" "teacher's view, $s, SIG$sig"
    rm -f "$pipe"
done

# The commands without a window: a pipe blocks nothing; a share hanging or not mounted
# fails in French, leaving no file.
for row in "tube exporter 0" "tube rapport 0" "bloque exporter 1" "bloque rapport 1" \
           "demonte exporter 1" "demonte rapport 1"; do
    read -r s cmd expected <<<"$row"
    out=$work/sortie.$cmd
    rm -f "$out"
    [ "$s" = tube ] && mkfifo "$pipe"
    [ "$s" = demonte ] && unmount_share
    situation "${s/tube/normal}"
    "$app" --"$cmd" "$out" --classe "$mnt" > /dev/null 2> "$work/erreur.txt" &
    PID=$!
    pids[$PID]=1
    EXPECTED=$expected ends_within "$PID" "--$cmd, $s" 8
    rm -f "$pipe"
    if [ "$expected" = 0 ]; then
        [ -s "$out" ] || die "--$cmd, $s: no file written"
    else
        [ ! -e "$out" ] || die "--$cmd, $s: a file was left"
        grep -q "dossier de la classe" "$work/erreur.txt" || die "--$cmd, $s: no French message"
    fi
done

# A disk that refuses fsync: each answer written once, and "SORTIE" quits.
hist=("$local"/joueurs/*/*.hist "$local"/anonyme/*.hist)
avant=$(lines "${hist[@]}")
LD_PRELOAD=$work/fsyncko.so start --joueur Zoé
answer; sleep 4
click 590 468; ends_within "$PID" "fsync refused: SORTIE"
hist=("$local"/joueurs/*/*.hist "$local"/anonyme/*.hist)
[ "$(lines "${hist[@]}")" = $((avant + 1)) ] || die "fsync refused: $(($(lines "${hist[@]}") - avant)) lines for one answer"
echo "PASS: no screen froze, every answer kept and sent once, the view and the commands ended"
