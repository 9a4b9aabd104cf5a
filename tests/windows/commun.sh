# SPDX-License-Identifier: GPL-3.0-or-later
# What the Windows runs share, sourced by them.

# One wrong answer by mouse in "Minutes dans des heures", then "SORTIE", on
# the unscaled 640 × 480 screen from the desktop's top left corner; the
# exercise and the verdict shot as PREFIX-exercices.png and PREFIX-reponse.png
# when a PREFIX is given.
repondre_puis_sortir() {
    xdotool mousemove 437 360 click 1
    sleep 2
    [ -z "${1:-}" ] || import -window root "$1-exercices.png"
    xdotool mousemove 115 122 click 1
    sleep 0.5
    xdotool mousemove 120 105 click 1
    sleep 1
    [ -z "${1:-}" ] || import -window root "$1-reponse.png"
    xdotool mousemove 591 470 click 1
    sleep 1.5
    xdotool mousemove 590 468 click 1
}
