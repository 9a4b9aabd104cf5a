#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures Klepsos against a bare Qt Widgets window of the same size, both
# started alternately in one run, and prints tables of medians:
#   - start-up, from process start to the first painted start screen, and
#     peak resident memory, with their ratios, in a 640 x 480 window and full
#     screen on a 1920 x 1080 display (the second when the program has the
#     option --plein-ecran);
#   - where start-up goes: QApplication built, window shown, mapped, painted;
#   - from outside, as a cross-check: the time until the X server maps the
#     program's window, seen by another client (xev);
#   - start-up with thirty children known, to the first painted "Qui joue ?",
#     in a window, against the same bare window;
#   - the cost of one judged answer and one new question (10,000 rounds),
#     also with the answer recorded in a child's history;
#   - "Mes progrès" for a child with 10,000 answers, and --exporter for thirty
#     such children (300,000 answers);
#   - each screen's first opening, built then, from a click on the start screen;
#   - "Au tableau" opened, and a hand dragged across it;
#   - a class folder of thirty such children: a child's start, the teacher's
#     view, --exporter, --rapport and a worksheet per child.
# Usage: bash bench/run.sh [runs]   (default 15 runs of each program)
#        KLEPSOS=other/klepsos bash bench/run.sh   measures another build
#        of the program (its datas folder beside it) against the same floor
#
# It builds klepsos and the bench targets in $BUILD_DIR (default build) and
# runs the real build/klepsos, as a user starts it, under its own Xvfb
# display (1920 x 1080 x 24, no window manager). The probe bench/sonde.cpp,
# preloaded, notes the steps and ends the program half a second after its
# first paint, without quitting: nothing is saved.
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
RUNS=${1:-15}

if [ -z "${KLEPSOS_BENCH_INNER:-}" ]; then
    for c in xvfb-run xauth xev stdbuf pkill; do
        command -v "$c" >/dev/null || { echo "bench/run.sh needs $c (xvfb, xauth, x11-utils, procps)" >&2; exit 1; }
    done
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLEPSOS_TESTS=ON -DKLEPSOS_BENCH=ON >/dev/null
    cmake --build "$BUILD_DIR" -j"$(nproc)" --target klepsos bench_sonde bench_fenetre_nue bench_reponses bench_historiques \
        bench_classe bench_enseignant bench_programme bench_tableau >/dev/null
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR KLEPSOS_BENCH_INNER=1
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    xvfb-run -a -s '-screen 0 1920x1080x24' bash "$0" "$@"
    exit
fi

KLEPSOS=${KLEPSOS:-$BUILD_DIR/klepsos}
# Children named in a run of that build would open "Qui joue ?" first.
[ -d "$(dirname "$KLEPSOS")/datas/joueurs" ] &&
    { echo "$(dirname "$KLEPSOS")/datas/joueurs: children were named in this build; remove it to measure" >&2; exit 1; }
NUE=$BUILD_DIR/bench/bench_fenetre_nue
SONDE=$(realpath "$BUILD_DIR/bench/libbench_sonde.so")
HISTORIQUES=$BUILD_DIR/bench/bench_historiques
notes=$(mktemp) cartes=$(mktemp) copie=$(mktemp -d)
trap 'kill "$(jobs -p)" 2>/dev/null; rm -rf "$notes" "$cartes" "$copie"' EXIT

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# The options of this build: window mode is asked for when the program has a
# full-screen default; the full-screen rows need --plein-ecran. The probe
# ends a program that would start instead of printing its help.
aide=$(QT_QPA_PLATFORM=offscreen KLEPSOS_SONDE=/dev/null LD_PRELOAD=$SONDE \
    timeout 20 "$KLEPSOS" --help 2>&1 || true)
options_fenetre=()
grep -q -- '--fenetre' <<<"$aide" && options_fenetre=(--fenetre)
plein_ecran=false
grep -q -- '--plein-ecran' <<<"$aide" && plein_ecran=true

# Every map of a window on the display, with the time it was seen.
stdbuf -oL xev -root -event substructure | while IFS= read -r ligne; do
    case $ligne in MapNotify*) echo "${EPOCHREALTIME/./}" ;; esac
done >"$cartes" &
sleep 0.5

declare -A mesures # "configuration program step" -> newline-separated values

# The speech daemon a run of klepsos started (its voice's program connects
# after the first paint) goes on listing its voices for seconds after that
# run, on one of the two cores: it is ended before the next run, which
# would otherwise share the machine with it. It is this bench's own, found
# by the socket in this bench's runtime folder. The voice's program of that
# run is waited for too.
calmer() {
    local socket="$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" i
    pkill -f -- "--socket-path $socket" 2>/dev/null || true
    for i in $(seq 40); do
        pgrep -f -- "--socket-path $socket" >/dev/null || pgrep -r R,S,D -x klepsos-voix >/dev/null || return 0
        sleep 0.05
    done
    pkill -9 -f -- "--socket-path $socket" 2>/dev/null || true
}

# One run: start time taken here, each step noted by the probe, the map seen
# by xev.
lancer() {
    local config=$1 nom=$2 ecran=$3 t0 etape valeur
    shift 3
    t0=${EPOCHREALTIME/./}
    KLEPSOS_SONDE=$notes KLEPSOS_SONDE_ECRAN=$ecran LD_PRELOAD=$SONDE "$@" >/dev/null 2>&1 || true
    grep -q '^rss ' "$notes" || { echo "$nom ($config) did not paint: $*" >&2; exit 1; }
    while read -r etape valeur; do
        case $etape in
        rss | rss_peint | cpu | largeur | hauteur) mesures["$config $nom $etape"]+="$valeur"$'\n' ;;
        *) mesures["$config $nom $etape"]+="$((valeur - t0))"$'\n' ;;
        esac
    done <"$notes"
    valeur=$(awk -v t0="$t0" '$1 > t0 {print $1 - t0; exit}' "$cartes")
    [ -n "$valeur" ] && mesures["$config $nom carte"]+="$valeur"$'\n'
    calmer
    return 0
}

m() { printf '%s' "${mesures[$1]:-}" | median; }
configs=(fenetre)
$plein_ecran && configs+=(plein)

for config in "${configs[@]}"; do
    if [ "$config" = fenetre ]; then
        klepsos=("$KLEPSOS" "${options_fenetre[@]}")
    else
        klepsos=("$KLEPSOS" --plein-ecran) nue=("$NUE" --plein-ecran)
    fi
    # A first run of each warms the file cache and is not counted. In window
    # mode the bare window then takes the size klepsos opened at.
    lancer "chauffe-$config" klepsos depart "${klepsos[@]}"
    [ "$config" = fenetre ] &&
        nue=("$NUE" "--taille=$(m "chauffe-$config klepsos largeur")x$(m "chauffe-$config klepsos hauteur")") &&
        nue_fenetre=("${nue[@]}")
    lancer "chauffe-$config" nue "" "${nue[@]}"
    for _ in $(seq "$RUNS"); do
        lancer "$config" nue "" "${nue[@]}"
        lancer "$config" klepsos depart "${klepsos[@]}"
    done
done

# Thirty children known: "Qui joue ?" is the first screen. A copy of the
# program and its datas, the children written beside them.
cp "$KLEPSOS" "$copie/klepsos"
cp "$(dirname "$KLEPSOS")"/klepsos-sons* "$(dirname "$KLEPSOS")"/klepsos-voix* "$copie/" 2>/dev/null || true
cp -r "$(dirname "$KLEPSOS")/datas" "$copie/datas"
rm -rf "$copie/datas/joueurs" "$copie/datas/anonyme"
"$HISTORIQUES" remplir "$copie/datas" 30 100 2>/dev/null
lancer chauffe-joueurs klepsos joueurs "$copie/klepsos" "${options_fenetre[@]}"
for _ in $(seq "$RUNS"); do
    lancer joueurs nue "" "${nue_fenetre[@]}"
    lancer joueurs klepsos joueurs "$copie/klepsos" "${options_fenetre[@]}"
done

ms() { awk -v us="$(m "$1")" 'BEGIN {printf (us == "") ? "-" : "%.1f", us / 1000}'; }
mb() { awk -v kb="$(m "$1")" 'BEGIN {printf "%.1f", kb / 1024}'; }
ratio() { awk -v a="$(m "$1")" -v b="$(m "$2")" 'BEGIN {printf (a == "" || b == "") ? "-" : "%.2f", a / b}'; }
taille() { echo "$(m "$1 $2 largeur") x $(m "$1 $2 hauteur")"; }
# Both sizes, so that a mismatch shows.
tailles() {
    local a b
    a=$(taille "$1" nue) b=$(taille "$1" klepsos)
    [ "$a" = "$b" ] && echo "$a" || echo "bare $a, klepsos $b"
}

echo "Start-up to the first painted start screen, under Xvfb (xcb), median of $RUNS alternated runs each"
echo "(klepsos started as: $KLEPSOS ${options_fenetre[*]})"
echo
echo "| configuration | window size | bare window | klepsos | ratio | target |"
echo "|---|---|---|---|---|---|"
ligne() {
    local config=$1 titre=$2 quoi=$3 unite=$4 f=$5 etape=$6 cible=$7
    printf '| %s, %s | %s | %s %s | %s %s | %s | %s |\n' "$titre" "$quoi" "$(tailles "$config")" \
        "$($f "$config nue $etape")" "$unite" "$($f "$config klepsos $etape")" "$unite" \
        "$(ratio "$config klepsos $etape" "$config nue $etape")" "$cible"
}
for config in "${configs[@]}"; do
    titre=$([ "$config" = fenetre ] && echo "window" || echo "full screen")
    ligne "$config" "$titre" "start-up" ms ms peint "1.2 at most"
    ligne "$config" "$titre" "processor time to first paint, all threads" ms ms cpu "(for reference)"
    ligne "$config" "$titre" "peak memory, 0.7 s after the map" MB mb rss "1.35 at most"
    ligne "$config" "$titre" "peak memory at the first paint" MB mb rss_peint "(for reference)"
    ligne "$config" "$titre" "mapped, seen from outside" ms ms carte "1.2 at most"
done
ligne joueurs "window, 30 children" "start-up to \"Qui joue ?\"" ms ms peint "1.2 at most"
ligne joueurs "window, 30 children" "peak memory, 0.7 s after the map" MB mb rss "1.35 at most"
$plein_ecran || echo "| full screen | | not measured: this klepsos has no --plein-ecran option | | | |"
echo
for config in "${configs[@]}"; do
    echo "Where start-up goes, $config (median ms from process start; bare window $(taille "$config" nue))"
    echo
    echo "| reached | bare window | klepsos |"
    echo "|---|---|---|"
    for etape in application montre expose peint; do
        case $etape in
        application) quoi="QApplication built" ;;
        montre) quoi="window shown" ;;
        expose) quoi="window mapped (exposed)" ;;
        peint) quoi="first paint done" ;;
        esac
        printf '| %s | %s | %s |\n' "$quoi" "$(ms "$config nue $etape")" "$(ms "$config klepsos $etape")"
    done
    echo
done
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bench/bench_reponses" 2>/dev/null

# "Au tableau" on this display (1920 x 1080).
read -r tableau_ouvert tableau_pas tableau_pas99 < <("$BUILD_DIR/bench/bench_tableau" "$RUNS" 2>/dev/null)
echo
echo "\"Au tableau\" at 1920 x 1080 under Xvfb, $RUNS openings and 720 drag steps after each"
echo
echo "| measure | time | target |"
echo "|---|---|---|"
echo "| opened, from its making to its first paint, median | $tableau_ouvert ms | under 300 ms |"
echo "| a drag of a hand, one step handled and painted, median / 99th pct | $tableau_pas / $tableau_pas99 ms | 99th pct under 16 ms |"

# A year of answers for each of thirty children.
rm -rf "$copie/datas/joueurs"
"$HISTORIQUES" remplir "$copie/datas" 30 10000 2>/dev/null
read -r progres lignes < <("$HISTORIQUES" progres "$copie/datas" "$RUNS" 2>/dev/null)
exports=()
for _ in $(seq "$RUNS"); do
    t0=${EPOCHREALTIME/./}
    "$copie/klepsos" --exporter "$copie/export.csv" 2>/dev/null
    exports+=($((${EPOCHREALTIME/./} - t0)))
done
echo
echo "Children's histories, median of $RUNS runs"
echo
echo "| measure | time | target |"
echo "|---|---|---|"
echo "| \"Mes progrès\" opened for a child with $lignes answers (history read, summary, painted offscreen) | $progres ms | under 100 ms |"
echo "| --exporter, 30 children, $(($(wc -l <"$copie/export.csv") - 1)) answers ($(du -m "$copie/export.csv" | cut -f1) MB), whole process | $(printf '%s\n' "${exports[@]}" | median | awk '{printf "%.0f", $1 / 1000}') ms | under 800 ms |"

# A class folder: thirty children, a year of answers each, given on three
# computers. A computer of the class is another copy of the program with a
# store of its own, which the first run fills with the class's children.
classe=$copie/classe poste=$copie/poste
"$BUILD_DIR/bench/bench_classe" "$classe" 30 10000
mkdir -p "$poste"
cp "$KLEPSOS" "$copie"/klepsos-sons* "$copie"/klepsos-voix* "$poste/" 2>/dev/null || cp "$KLEPSOS" "$poste/"
cp -r "$(dirname "$KLEPSOS")/datas" "$poste/datas"
rm -rf "$poste/datas/joueurs" "$poste/datas/anonyme"
enfant=("$poste/klepsos" --classe "$classe" "${options_fenetre[@]}")
enseignant=("$poste/klepsos" --enseignant --classe "$classe")
# A first run, ended as a computer is shut down, has its sending bring the
# class's children: "Qui joue ?" opens from then on.
QT_QPA_PLATFORM=offscreen timeout 5 "${enfant[@]}" >/dev/null 2>&1 || true
lancer chauffe-classe klepsos joueurs "${enfant[@]}"
lancer chauffe-classe klepsos graphique "${enseignant[@]}"
for _ in $(seq "$RUNS"); do
    lancer classe nue "" "${nue_fenetre[@]}"
    lancer classe klepsos joueurs "${enfant[@]}"
    lancer classe-vue klepsos graphique "${enseignant[@]}"
done
duree() { # median ms of RUNS runs of a command
    local t0 ts=()
    for _ in $(seq "$RUNS"); do
        t0=${EPOCHREALTIME/./}
        "$@" >/dev/null 2>&1
        ts+=($((${EPOCHREALTIME/./} - t0)))
    done
    printf '%s\n' "${ts[@]}" | median | awk '{printf "%.0f", $1 / 1000}'
}
export_classe=$(duree "$poste/klepsos" --exporter "$copie/classe.csv" --classe "$classe")
rapport=$(duree "$poste/klepsos" --rapport "$copie/classe.pdf" --classe "$classe")
fiches=$(duree "$poste/klepsos" --fiche "$copie/fiches.pdf" --fiche-par-eleve --fiche-numero 4821 --classe "$classe")
read -r suivi suivi_max < <(QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bench/bench_enseignant" "$classe" "$RUNS" 2>/dev/null)
read -r positions onglet seances plans < <(QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bench/bench_programme" "$classe" "$RUNS" 2>/dev/null)
echo
echo "A class folder: 30 children, $(($(wc -l <"$copie/classe.csv") - 1)) answers over three computers ($(du -sm "$classe" | cut -f1) MB), median of $RUNS runs"
echo
echo "| measure | time | target |"
echo "|---|---|---|"
echo "| a child's start on the class folder, to \"Qui joue ?\" (bare window $(ms "classe nue peint") ms) | $(ms "classe klepsos peint") ms, ratio $(ratio "classe klepsos peint" "classe nue peint") | 1.2 at most |"
echo "| teacher's view, process start to its first paint, every answer read | $(ms "classe-vue klepsos peint") ms | under 500 ms |"
echo "| teacher's view, a new answer on another computer until it is in the table (worst $suivi_max ms) | $suivi ms | under 3000 ms |"
echo "| --rapport, $(pdfinfo "$copie/classe.pdf" 2>/dev/null | awk '/^Pages/ {print $2 " pages, "}')whole process | $rapport ms | under 800 ms |"
echo "| --exporter --classe, whole process | $export_classe ms | under 800 ms |"
echo "| --fiche --fiche-par-eleve, a page per child, $(pdfinfo "$copie/fiches.pdf" 2>/dev/null | awk '/^Pages/ {print $2 " pages, "}')$(du -k "$copie/fiches.pdf" | cut -f1) kB, whole process | $fiches ms | under 2000 ms, 2 MB |"
echo "| the class positioned on the programme, its answers read | $positions ms | under 300 ms |"
echo "| teacher's view opened on the tab \"Programme\", every answer read, painted offscreen | $onglet ms | under 1000 ms |"
echo "| a training session planned for each of the 30 children, from the class's answers read (positioned, then planned) | $seances ms | under 50 ms |"
echo "| the same 30 sessions planned from where each child stands (what \"Mon entraînement\" does as it opens) | $plans ms | under 50 ms |"
