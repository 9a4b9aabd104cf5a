#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Klepsos for Windows under Wine, as a school runs it: the tests built for
# Windows; the installer, silent; the installed program in a virtual desktop
# with a task bar (the display switched to 640 x 480 and the task bar hidden,
# one answer by mouse, "SORTIE", both restored, the score in the user's own
# folder); the end of a session; a display that refuses the mode; the
# portable copy keeping its own score; the teacher's entry of the Start menu;
# the uninstaller, which leaves the children's answers.
# usage: wine.sh <build-windows folder>
set -euo pipefail
source "$(dirname "$0")/../e2e/x11.sh"
source "$(dirname "$0")/commun.sh"
wine=/usr/lib/wine/wine64

if [ -z "${KLEPSOS_IN_X:-}" ]; then
    need_commands xvfb-run xauth xdotool import convert unzip timeout ctest
    [ -x "$wine" ] || die "wine64 is missing (bash scripts/klepsos.sh test installs it)"
    locale -a | grep -qx fr_FR.utf8 || die "the fr_FR.UTF-8 locale is missing (bash scripts/klepsos.sh test makes it)"
    build=$(cd "$1" && pwd)
    work=$(mktemp -d)
    trap 'set +e; for p in "$work"/prefix*; do WINEPREFIX="$p" /usr/lib/wine/wineserver -k; WINEPREFIX="$p" /usr/lib/wine/wineserver -w; done 2>/dev/null; rm -rf "$work"' EXIT
    X_SCREEN=1600x1200 rerun_in_x "$work" 900 "$0" "$build" "$work"
    exit 0
fi

build=$1 work=$2
# A program that crashes ends, rather than wait in Wine's debugger.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
shots=$build/wine-shots
rm -rf "$shots"
mkdir -p "$shots"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
sonde=$build/tests/sonde.exe
# A French school's computer: French regional settings.
w() { env LC_ALL=fr_FR.UTF-8 "$wine" "$@"; }

w wineboot -i > /dev/null 2>&1
# Every program of this computer in one virtual desktop with a task bar, as
# on a school's Windows computer.
w reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f > /dev/null
w reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x1024 /f > /dev/null
c=$WINEPREFIX/drive_c
appdata=$(find "$c/users" -maxdepth 3 -type d -path '*/AppData/Roaming' | head -n 1)
[ -n "$appdata" ] || die "the Windows user has no AppData folder"

# 1. The tests built for Windows, run by ctest through Wine.
(cd "$build" && LC_ALL=fr_FR.UTF-8 ctest --output-on-failure) || die "a test built for Windows failed under Wine"

etat() {
    w "$sonde" etat 'Z:'"${work//\//\\}"'\etat.txt' || die "the probe did not run"
    tr -d '\r' < "$work/etat.txt"
}
# usage: demarrer WINDOWS_PATH: the program started, its log in $work/klepsos.log.
demarrer() {
    w "$1" > "$work/klepsos.log" 2>&1 &
    PID=$!
    GEOMETRIE=$(w "$sonde" fenetre Klepsos 60 | tr -d '\r') || die "no Klepsos window ($1)"
}
fin_dans() {
    local end=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        [ "$SECONDS" -lt "$end" ] || die "$3: still running after $2 s"
        sleep 0.2
    done
}
# One wrong answer by mouse in "Minutes dans des heures" (1 mn is never
# the answer), back to the start screen, then "SORTIE"; the design is shown
# unscaled from the top left corner of the desktop.
repondre_et_sortir() {
    repondre_puis_sortir "$shots/$1"
    fin_dans "$PID" 20 "SORTIE"
}
score_attendu=$(printf '\x02\x00\x01\x00\x02\x00\x01\x00\x02\x00\x00\x00\x01\x00\x00\x00' | od -An -tx1)
score_de() { od -An -tx1 "$1"; }

# 2. The installer, silent, for the whole computer.
w "$build/klepsos-$version-setup.exe" /S
installe=$c/Program\ Files/Klepsos
for f in bin/klepsos.exe bin/klepsos-voix.exe share/klepsos/datas/23 share/klepsos/datas/18 \
         share/klepsos/guide-enseignant.md desinstaller.exe; do
    [ -f "$installe/$f" ] || die "the installer did not install $f"
done
menu=$c/ProgramData/Microsoft/Windows/Start\ Menu/Programs
for lien in "Klepsos.lnk" "Klepsos — espace enseignant.lnk" "Klepsos — au tableau.lnk"; do
    [ -f "$menu/$lien" ] || die "no Start menu entry $lien"
done
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Klepsos'
w reg query "$cle" /v UninstallString | grep -q 'desinstaller.exe' || die "no entry in the list of programs"
# /D= chooses the folder.
w "$build/klepsos-$version-setup.exe" /S '/D=C:\Ecole\Klepsos'
[ -f "$c/Ecole/Klepsos/bin/klepsos.exe" ] || die "/D= did not choose the folder"

# 3. The installed program: 640 x 480 without the task bar, then both back.
[ "$(etat)" = "ecran 1280x1024 barre visible" ] || die "the desktop was not as expected: $(etat)"
demarrer 'C:\Program Files\Klepsos\bin\klepsos.exe'
[ "$GEOMETRIE" = "0 0 640 480" ] || die "the window is at $GEOMETRIE, not 640 x 480 over the display"
[ "$(etat)" = "ecran 640x480 barre cachee" ] || die "at start-up: $(etat)"
sleep 2
import -window root "$shots/01-depart.png"
repondre_et_sortir 02
[ "$(etat)" = "ecran 1280x1024 barre visible" ] || die "after SORTIE: $(etat)"
[ "$(score_de "$appdata/klepsos/18")" = "$score_attendu" ] || die "the user's score holds $(score_de "$appdata/klepsos/18")"
cmp -s "$installe/share/klepsos/datas/18" "$build/packaging/windows/etage/installe/share/klepsos/datas/18" \
    || die "the program wrote into its installation folder"
# Under Wine the speech engine lists a voice but cannot speak: no voice.
grep -q "Klepsos fonctionne sans voix" "$work/klepsos.log" || die "the voice was not found missing: $(cat "$work/klepsos.log")"

# 4. A session that ends (logoff, shutdown) restores them too.
demarrer 'C:\Program Files\Klepsos\bin\klepsos.exe'
[ "$(etat)" = "ecran 640x480 barre cachee" ] || die "at the second start: $(etat)"
w wineboot --end-session > /dev/null 2>&1 || true
fin_dans "$PID" 20 "the end of the session"
[ "$(etat)" = "ecran 1280x1024 barre visible" ] || die "after the end of the session: $(etat)"

# 5. The teacher's view from its Start menu entry.
w start /unix "$menu/Klepsos — espace enseignant.lnk"
w "$sonde" fenetre "Klepsos — Espace enseignant" 60 > /dev/null || die "the teacher's entry opened no teacher's view"
sleep 2
import -window root "$shots/03-enseignant.png"
w "$sonde" fermer "Klepsos — Espace enseignant" || die "the teacher's view could not be closed"

# 6. The portable copy keeps its score beside itself.
unzip -q "$build/klepsos-$version-windows.zip" -d "$work/cle"
avant=$(score_de "$appdata/klepsos/18")
demarrer 'Z:'"${work//\//\\}"'\cle\klepsos-'"$version"'\klepsos.exe'
repondre_et_sortir 04
[ "$(score_de "$work/cle/klepsos-$version/datas/18")" = "$score_attendu" ] || die "the portable copy kept no score beside itself"
[ "$(score_de "$appdata/klepsos/18")" = "$avant" ] || die "the portable copy wrote into the user's folder"

# 6b. Worksheets written without a window, as on Linux: the same number
# gives the same sheet, its key on the last page.
if command -v pdftotext > /dev/null; then
    w "$work/cle/klepsos-$version/klepsos.exe" --fiche 'Z:'"${work//\//\\}"'\fiche.pdf' --fiche-genre lire \
        --fiche-niveau quarts --fiche-par-page 12 --fiche-numero 4821 > /dev/null 2>&1 || die "--fiche failed"
    fiche=$(pdftotext "$work/fiche.pdf" - 2>/dev/null) || die "--fiche wrote no PDF"
    [ "$(grep -o '___ h ___ min' <<<"$fiche" | wc -l)" = 12 ] || die "the sheet does not hold 12 dials to read"
    grep -q 'Corrigé — Fiche n° 4821' <<<"$fiche" || die "the sheet has no key"
fi

# 7. A computer whose display refuses 640 x 480 (Wine without a virtual
# desktop): full screen, scaled, and nothing restored that was not changed.
(
    export WINEPREFIX=$work/prefix2
    w wineboot -i > /dev/null 2>&1
    avant=$(etat)
    taille=$(awk '{ sub("x", " ", $2); print $2 }' <<<"$avant")
    demarrer 'Z:'"${work//\//\\}"'\cle\klepsos-'"$version"'\klepsos.exe'
    [ "$GEOMETRIE" = "0 0 $taille" ] || die "with the mode refused the window is at $GEOMETRIE, not the whole display ($avant)"
    [ "$(etat)" = "$avant" ] || die "a refused mode changed the display: $(etat)"
    sleep 2
    import -window root "$shots/05-refuse.png"
    w "$sonde" fermer Klepsos
    fin_dans "$PID" 20 "closing the window"
    [ "$(etat)" = "$avant" ] || die "after a refused mode: $(etat)"
    /usr/lib/wine/wineserver -k
)

# 8. Uninstalling removes what was installed, never a child's answers.
w 'C:\Program Files\Klepsos\desinstaller.exe' /S
for _ in $(seq 100); do [ -e "$installe/bin/klepsos.exe" ] || break; sleep 0.2; done
[ ! -e "$installe/bin/klepsos.exe" ] || die "the uninstaller left the program"
[ ! -e "$menu/Klepsos.lnk" ] || die "the uninstaller left the Start menu entry"
! w reg query "$cle" > /dev/null 2>&1 || die "the uninstaller left the entry in the list of programs"
[ -f "$appdata/klepsos/18" ] || die "the uninstaller removed the user's score"
echo "Klepsos for Windows: tests, installer, display and task bar, portable copy and uninstaller passed under Wine."
