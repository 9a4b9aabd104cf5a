#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line answered on a machine with no display at all: every refusal with the
# French message and status 2, help and version with status 0, none of them with Qt's
# platform error. Qt's own options are left to Qt.
# usage: refus.sh <klepsos executable>
set -euo pipefail
program=$1
while IFS='|' read -r args status expected; do
    # shellcheck disable=SC2086 # the arguments are split on purpose
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" $args 2>&1) && s=0 || s=$?
    [ "$s" = "$status" ] || { echo "FAIL: klepsos $args: status $s, not $status: $out"; exit 1; }
    grep -qF -- "$expected" <<<"$out" || { echo "FAIL: klepsos $args said '$out', not '$expected'"; exit 1; }
    echo "ok klepsos $args"
done <<'CASES'
--bogus|2|Option inconnue : bogus
--plein-ecran=non|2|L'option --plein-ecran ne prend pas de valeur : --plein-ecran=non
--fenetre=1|2|L'option --fenetre ne prend pas de valeur : --fenetre=1
-fenetre=oui|2|ne prend pas de valeur
--fenetre --plein-ecran|2|Choisissez --fenetre ou --plein-ecran, pas les deux.
devoirs|2|Argument inattendu : devoirs
-platform offscreen --vite|2|Option inconnue : vite
--help|0|Utilisation : klepsos [options]
-style=fusion --version|0|Klepsos 
CASES
