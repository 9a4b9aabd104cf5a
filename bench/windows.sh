#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Klepsos for Windows measured under Wine, in a virtual desktop of
# 1280 x 1024 with its task bar, against a bare Qt window built the same way
# (static Qt 6.4.2, mingw-w64), the two alternated in one run; and the size
# of what a school downloads. bench/windows/chrono.exe times each start, from
# the process's creation to its window on view and to its being ready for
# input, and reads the peak memory; both programs are then closed in order.
# usage: bench/windows.sh [runs, default 15]   (after bash scripts/klepsos.sh windows)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${WINDOWS_BUILD_DIR:-build-windows}
wine=/usr/lib/wine/wine64
[ -x "$build/bench/bench_chrono.exe" ] || { echo "No Windows build with its bench: run bash scripts/klepsos.sh windows first." >&2; exit 1; }

if [ -z "${KLEPSOS_IN_X:-}" ]; then
    work=$(mktemp -d)
    trap 'WINEPREFIX="$work/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
    KLEPSOS_IN_X=1 HOME="$work/home" LANG=C.UTF-8 timeout 3600 \
        xvfb-run -a -s '-screen 0 1600x1200x24' bash "$0" "$runs" "$work"
    exit 0
fi
work=$2
mkdir -p "$work/home"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot -i > /dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f > /dev/null
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x1024 /f > /dev/null
# A copy with a score of its own, so that the build's is not touched.
mkdir -p "$work/app"
cp "$build/klepsos.exe" "$build/klepsos-voix.exe" "$work/app/"
cp -r "$build/datas" "$work/app/datas"
rm -rf "$work/app/datas/joueurs" "$work/app/datas/anonyme" "$work/app/datas/classes"
chrono=$build/bench/bench_chrono.exe
mesurer() { "$wine" "$chrono" "$@" | tr -d '\r'; }
# Wine's first start of a program loads what later ones find ready.
mesurer "$build/bench/bench_fenetre_nue.exe" > /dev/null
mesurer "$work/app/klepsos.exe" > /dev/null
: > "$work/nue" && : > "$work/klepsos"
for _ in $(seq "$runs"); do
    mesurer "$build/bench/bench_fenetre_nue.exe" >> "$work/nue"
    mesurer "$work/app/klepsos.exe" >> "$work/klepsos"
done
mediane() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
tv=$(cut -d' ' -f1 "$work/nue" | mediane) kv=$(cut -d' ' -f1 "$work/klepsos" | mediane)
tn=$(cut -d' ' -f2 "$work/nue" | mediane) tk=$(cut -d' ' -f2 "$work/klepsos" | mediane)
mn=$(cut -d' ' -f3 "$work/nue" | mediane) mk=$(cut -d' ' -f3 "$work/klepsos" | mediane)
setup=$(ls "$build"/klepsos-*-setup.exe) zip=$(ls "$build"/klepsos-*-windows.zip)
echo "| measure (Wine, $runs alternated runs, medians) | bare Qt window | Klepsos | ratio | target |"
echo "|---|---|---|---|---|"
ligne() { awk -v n="$1" -v a="$2" -v b="$3" -v c="$4" 'BEGIN { printf "| %s | %.1f ms | %.1f ms | %.2f | %s |\n", n, a, b, b / a, c (c == "" ? "" : (b / a <= 1.5) ? ": met" : ": missed") }'; }
ligne "start-up to the window on view" "$tv" "$kv" "1.5 at most"
ligne "start-up to ready for input" "$tn" "$tk" "1.5 at most"
awk -v a="$mn" -v b="$mk" 'BEGIN { printf "| peak memory | %.1f MB | %.1f MB | %.2f | |\n", a, b, b / a }'
awk -v s="$(stat -c %s "$setup")" 'BEGIN { printf "| installer | | %.1f MB | | under 40 MB: %s |\n", s / 1048576, (s < 40 * 1048576) ? "met" : "missed" }'
awk -v s="$(stat -c %s "$zip")" 'BEGIN { printf "| portable copy (zip) | | %.1f MB | | |\n", s / 1048576 }'
