#!/usr/bin/env bash
# Measures Klepsos against a bare Qt Widgets window and prints tables:
#   - start-up, from process start to the first painted start screen, and
#     peak resident memory, median of alternated runs, with their ratios;
#   - where the program's start-up time goes;
#   - the cost of one judged answer and one new question (10,000 rounds).
# Usage: bash bench/run.sh [runs]   (default 15 runs of each program)
# Builds the bench targets in $BUILD_DIR (default build). The start-up runs
# use a real X server: the current $DISPLAY, or Xvfb when there is none
# (QT_QPA_PLATFORM=offscreen measures without any).
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
RUNS=${1:-15}

if [ -z "${KLEPSOS_BENCH_INNER:-}" ]; then
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLEPSOS_TESTS=ON -DKLEPSOS_BENCH=ON >/dev/null
    cmake --build "$BUILD_DIR" -j"$(nproc)" --target bench_demarrage bench_fenetre_nue bench_reponses >/dev/null
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    export KLEPSOS_BENCH_INNER=1
    if [ -z "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
        exec xvfb-run -a -s '-screen 0 1024x768x24' bash "$0" "$@"
    fi
fi

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

declare -A mesures   # "program step" -> newline-separated values (µs or kB)

# One run: start time taken here, each step's time printed by the program.
lancer() {
    local prog=$1 t0 sortie
    t0=${EPOCHREALTIME/./}
    sortie=$("$BUILD_DIR/$prog" 2>/dev/null)
    while read -r quoi nom valeur; do
        case "$quoi" in
        etape) mesures["$prog $nom"]+="$((valeur - t0))"$'\n' ;;
        rss) mesures["$prog rss"]+="$nom"$'\n' ;;
        esac
    done <<<"$sortie"
    grep -q '^etape peint' <<<"$sortie" || { echo "$prog did not paint" >&2; exit 1; }
}

# A first run of each warms the file cache and is not counted.
"$BUILD_DIR/bench_fenetre_nue" >/dev/null 2>&1
"$BUILD_DIR/bench_demarrage" >/dev/null 2>&1
for _ in $(seq "$RUNS"); do
    lancer bench_fenetre_nue
    lancer bench_demarrage
done

m() { printf '%s' "${mesures[$1]}" | median; }
ms() { awk -v us="$(m "$1")" 'BEGIN {printf "%.1f", us / 1000}'; }
mb() { awk -v kb="$(m "$1")" 'BEGIN {printf "%.1f", kb / 1024}'; }
ratio() { awk -v a="$(m "$1")" -v b="$(m "$2")" 'BEGIN {printf "%.2f", a / b}'; }

plateforme=${QT_QPA_PLATFORM:-xcb}
echo "Start-up to the first painted start screen ($plateforme), median of $RUNS alternated runs each"
echo
echo "| program                       | start-up (ms) | peak memory (MB) |"
echo "|-------------------------------|---------------|------------------|"
printf '| %-29s | %13s | %16s |\n' "bare 640 x 480 window" "$(ms 'bench_fenetre_nue peint')" "$(mb 'bench_fenetre_nue rss')"
printf '| %-29s | %13s | %16s |\n' "klepsos" "$(ms 'bench_demarrage peint')" "$(mb 'bench_demarrage rss')"
printf '| %-29s | %13s | %16s |\n' "ratio (target 1.5 at most)" \
    "$(ratio 'bench_demarrage peint' 'bench_fenetre_nue peint')" "$(ratio 'bench_demarrage rss' 'bench_fenetre_nue rss')"
echo
echo "Where klepsos's start-up goes (median ms from process start)"
echo
echo "| reached                                   | klepsos | bare window |"
echo "|-------------------------------------------|---------|-------------|"
printf '| %-41s | %7s | %11s |\n' "QApplication built" "$(ms 'bench_demarrage application')" "$(ms 'bench_fenetre_nue application')"
printf '| %-41s | %7s | %11s |\n' "sounds loaded (EffectSoundPlayer)" "$(ms 'bench_demarrage sons')" ""
printf '| %-41s | %7s | %11s |\n' "screens built (Klepsos constructor)" "$(ms 'bench_demarrage ecrans')" ""
printf '| %-41s | %7s | %11s |\n' "start-up sequence done (pictures, score)" "$(ms 'bench_demarrage demarrer')" ""
printf '| %-41s | %7s | %11s |\n' "first paint on screen" "$(ms 'bench_demarrage peint')" "$(ms 'bench_fenetre_nue peint')"
echo
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bench/bench_reponses" 2>/dev/null
