#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The dial of "Placer les aiguilles" as a screen reader hears it over AT-SPI (as Orca does):
# its name, and the time it shows in its description, followed as a key turns the hands; then
# the clocks and sentences offered on "La journée", and the one a click chooses.
#
# Debian's own Python, which has the bindings, whatever python3 comes first on the PATH.
# usage: atspi.sh <klepsos executable> <datas folder>
set -euo pipefail
source "$(dirname "$0")/../e2e/x11.sh"

[ $# -eq 2 ] || die "usage: $0 <klepsos executable> <datas folder>"
if [ -z "${KLEPSOS_IN_X:-}" ]; then
    need_commands xvfb-run xauth xdotool dbus-run-session
    /usr/bin/python3 -c "import pyatspi" 2>/dev/null || die "python3-pyatspi is missing"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    copy_program "$work" "$1" "$2"
    rerun_in_x "$work" 90 "$0" "$work/app/klepsos" "$work/app/datas"
    echo "PASS: the dial's time and the day's choices are heard over AT-SPI"
    exit 0
fi
# A session bus of its own, with the accessibility bus on it.
[ -n "${KLEPSOS_IN_DBUS:-}" ] || exec env KLEPSOS_IN_DBUS=1 dbus-run-session -- bash "$0" "$@"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" --fenetre > "$TMPDIR/klepsos.log" 2>&1 &
pid=$!
# The accessibility bus the launcher started goes with it.
trap 'kill -9 "$pid" $(pgrep -P "$launcher") "$launcher" 2>/dev/null || true' EXIT
window_place "$(wait_window '^Klepsos$' 20)"
# "Placer les aiguilles", then the keyboard on the dial.
click 578 302
sleep 1
xdotool key --delay 150 Tab

# usage: heard EXPECTED: the showing dial's "name|description" over AT-SPI, within 10 s.
heard() {
    /usr/bin/python3 - "$1" <<'PY' || die "the dial is not heard as '$1'"
import sys, time, pyatspi
want, got = sys.argv[1], None
for _ in range(50):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or "klepsos" not in (app.name or "").lower():
            continue
        dial = pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_DIAL
                                      and a.getState().contains(pyatspi.STATE_SHOWING))
        if dial is not None:
            got = f"{dial.name}|{dial.description}"
    if got == want:
        sys.exit(0)
    time.sleep(0.2)
print(f"heard {got!r}, expected {want!r}", file=sys.stderr)
sys.exit(1)
PY
}
heard "Horloge|12 h"
xdotool key --delay 150 Up Up Prior
heard "Horloge|1 h 02"
alive "$pid" "after the keys"

# "La journée": every clock offered heard with its time ("Horloge 2|9 h 15"), every sentence
# by its words ("4 heures moins le quart|"), and only the one chosen (WHERE: "section index")
# heard as such. Prints "section index kind" of the first one offered.
offered() {
    /usr/bin/python3 - "${1:-}" <<'PY' || die "the day's choices are not heard as they should be"
import re, sys, time, pyatspi
titles = ["Matin ou après-midi ?", "Les mots de l'heure", "Problèmes de durées"]
def heard():
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or "klepsos" not in (app.name or "").lower():
            continue
        section, count, out = -1, {}, []
        for a in pyatspi.findAllDescendants(app, lambda a: a.getState().contains(pyatspi.STATE_SHOWING)):
            name = a.name or ""
            section = titles.index(name) if name in titles else section
            dial = a.getRole() == pyatspi.ROLE_DIAL and re.fullmatch(r"Horloge [123]", name)
            if dial or (a.getRole() == pyatspi.ROLE_PUSH_BUTTON and re.fullmatch(r"(\d+ heures?|midi|minuit)( .+)?", name)):
                count[section] = count.get(section, -1) + 1
                out.append((f"{section} {count[section]}", name, a.description or "", "dial" if dial else "words"))
        return out
    return []
want, got = sys.argv[1], []
for _ in range(50):
    got = heard()
    if len(got) >= 3 and all(re.fullmatch(((r"\d+ h( \d\d)?, " if kind == "dial" else "") + "choisie") if where == want
                                          else (r"\d+ h( \d\d)?" if kind == "dial" else ""), said)
                             for where, name, said, kind in got):
        print(got[0][0], got[0][3])
        sys.exit(0)
    time.sleep(0.2)
print(f"heard {got!r}, {want or 'none'} chosen", file=sys.stderr)
sys.exit(1)
PY
}
xdotool key Escape
sleep 1
click 336 280
read -r section index kind <<<"$(offered)"
columns=(6 218 430)
if [ "$kind" = dial ]; then
    dials=("53 139" "151 139" "102 227")
    read -r x y <<<"${dials[index]}"
    click $((columns[section] + x)) "$y"
else
    click $((columns[section] + 102)) $((223 + 19 * index))
fi
offered "$section $index" >/dev/null
alive "$pid" "after a choice on La journée"
