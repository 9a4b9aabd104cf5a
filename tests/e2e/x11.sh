# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers to drive the real program in an X server; every wait is bounded.

# Stops the test with a message.
die() {
    echo "FAIL: $*" >&2
    exit 1
}

# Fails unless every named command is on the PATH.
need_commands() {
    local c
    for c in "$@"; do
        command -v "$c" >/dev/null || die "$c is missing (bash scripts/klepsos.sh test installs it)"
    done
}

# usage: rerun_in_x WORK SECONDS SCRIPT ARGS... in a fresh X server of X_SCREEN (1024x768
# unless set), with a home of its own under WORK: nothing of the user's is read or written.
rerun_in_x() {
    local work=$1 seconds=$2
    shift 2
    mkdir -p "$work/home" "$work/run" "$work/tmp"
    chmod 700 "$work/run"
    HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config" \
        XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp" LANG=C.UTF-8 KLEPSOS_IN_X=1 \
        timeout --kill-after=5 "$seconds" xvfb-run -a -s "-screen 0 ${X_SCREEN:-1024x768}x24" bash "$@"
}

# usage: copy_program WORK PROGRAM DATAS: the program and its datas copied into WORK/app, as a
# user's folder, without children or classes named in a run of the build tree (children open
# "Qui joue ?" first).
copy_program() {
    mkdir -p "$1/app"
    cp "$2" "$1/app/klepsos"
    cp -r "$3" "$1/app/datas"
    rm -rf "$1/app/datas/joueurs" "$1/app/datas/anonyme" "$1/app/datas/classes"
}

# usage: wait_window PATTERN SECONDS: prints the id of the visible window so named.
wait_window() {
    local id
    id=$(timeout "$2" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] || die "no visible window named '$1' after $2 s"
    echo "$id"
}

# The display's place of a point X Y of the 640 x 480 scene.
scene_point() {
    awk -v x="$1" -v y="$2" -v s="$SCALE" -v ox="$SCENE_X" -v oy="$SCENE_Y" \
        'BEGIN { printf "%d %d\n", ox + (x + 0.5) * s, oy + (y + 0.5) * s }'
}

# Clicks at X Y of the scene, wherever and however large the window shows it.
click() {
    xdotool mousemove $(scene_point "$1" "$2") click 1
}

# The display's region (WxH+X+Y) showing the scene's rectangle X Y W H.
scene_region() {
    awk -v x="$1" -v y="$2" -v w="$3" -v h="$4" -v s="$SCALE" -v ox="$SCENE_X" -v oy="$SCENE_Y" \
        'BEGIN { printf "%dx%d+%d+%d\n", w * s + 0.5, h * s + 0.5, ox + x * s + 0.5, oy + y * s + 0.5 }'
}

# A window's place (WIN_*), and SCALE, SCENE_X, SCENE_Y of the 640 x 480 scene in it.
window_place() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
    WIN_GEOMETRY="${WIDTH}x$HEIGHT+$X+$Y"
    read -r SCALE SCENE_X SCENE_Y <<<"$(awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$X" -v y="$Y" 'BEGIN {
        s = (w / 640 < h / 480) ? w / 640 : h / 480
        printf "%.6f %.3f %.3f\n", s, x + (w - 640 * s) / 2, y + (h - 480 * s) / 2 }')"
}

# Fails if the program is no longer running.
alive() {
    kill -0 "$1" 2>/dev/null || die "the program ended unexpectedly ($2)"
}

# usage: wait_exit PID SECONDS: fails unless the program ends by itself, with status 0.
wait_exit() {
    local end=$((SECONDS + $2)) status=0
    while kill -0 "$1" 2>/dev/null; do
        if [ "$SECONDS" -ge "$end" ]; then
            kill -9 "$1" 2>/dev/null || true
            die "the program did not end within $2 s"
        fi
        sleep 0.2
    done
    wait "$1" || status=$?
    [ "$status" -eq 0 ] || die "the program ended with status $status"
}

# usage: edge_band IMAGE WxH OUT: only the edges, whose decorations tell pictures apart.
edge_band() {
    local w=${2%x*} h=${2#*x}
    convert "$1" -crop "$2+0+0" +repage -fill black \
        -draw "rectangle $EDGE,$EDGE $((w - EDGE - 1)),$((h - EDGE - 1))" "$3"
}
EDGE=12

# usage: nearest_picture SHOT PICTURE...: "name distance ratio-to-the-next" of the closest.
nearest_picture() {
    local shot=$1 size band distances p
    shift
    size=$(identify -format %wx%h "$shot")
    band=$(mktemp --suffix=.png)
    edge_band "$shot" "$size" "$band"
    distances=$(for p in "$@"; do
        local cached="${TMPDIR:-/tmp}/klepsos-band-$$-$size-$(basename "$p").png"
        [ -f "$cached" ] || edge_band "$p" "$size" "$cached"
        # compare prints "absolute (normalised)" and exits 1 when the images differ.
        printf '%s %s\n' "$(basename "$p")" \
            "$(compare -metric RMSE "$band" "$cached" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')"
    done | sort -g -k2)
    rm -f "$band"
    awk 'NR == 1 { name = $1; d = $2 } NR == 2 { r = ($2 > 0) ? d / $2 : 1 }
         END { printf "%s %s %.2f\n", name, d, r }' <<<"$distances"
}

# usage: expect_screen SHOT WxH+X+Y SIZE EXPECTED SECONDS PICTURE...: shoots until that
# region (SIZE in the scene) clearly shows EXPECTED, not a flat colour; fails after SECONDS.
# Clearly: its distance under NEAREST_RATIO (0.7 unless set) of the next picture's.
expect_screen() {
    local shot=$1 geometry=$2 size=$3 expected=$4 seconds=$5 colours nearest name distance ratio region
    shift 5
    local end=$((SECONDS + seconds))
    region=$(mktemp --suffix=.png)
    while :; do
        import -window root "$shot"
        convert "$shot" -crop "$geometry" +repage -resize "$size!" "$region"
        colours=$(identify -format %k "$region")
        read -r name distance ratio <<<"$(nearest_picture "$region" "$@")"
        if [ "$colours" -gt 64 ] && [ "$name" = "$expected" ] && awk "BEGIN{exit !($ratio < ${NEAREST_RATIO:-0.7})}"; then
            echo "ok $(basename "$shot"): $colours colours, picture $name at $distance ($ratio of the next)"
            rm -f "$region"
            return 0
        fi
        if [ "$SECONDS" -ge "$end" ]; then
            die "$(basename "$shot"): $colours colours, closest picture $name at $distance" \
                "($ratio of the next), expected $expected"
        fi
        sleep 0.3
    done
}
