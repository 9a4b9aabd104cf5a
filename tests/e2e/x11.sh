# Helpers to drive the real program in an X server; every wait is bounded, so a hang fails.

die() { echo "FAIL: $*" >&2; exit 1; }

need_commands() {
    local c
    for c in "$@"; do
        command -v "$c" >/dev/null || die "$c is missing (bash scripts/klepsos.sh test installs it)"
    done
}

# usage: rerun_in_x WORK SECONDS SCRIPT ARGS... in a fresh X server of 1024x768, with a home
# of its own under WORK: nothing of the user's is read or written.
rerun_in_x() {
    local work=$1 seconds=$2
    shift 2
    mkdir -p "$work/home" "$work/run" "$work/tmp"
    chmod 700 "$work/run"
    HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config" \
        XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp" LANG=C.UTF-8 KLEPSOS_IN_X=1 \
        timeout --kill-after=5 "$seconds" xvfb-run -a -s '-screen 0 1024x768x24' bash "$@"
}

# usage: wait_window PATTERN SECONDS; prints the id of the visible window so named
wait_window() {
    local id
    id=$(timeout "$2" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] || die "no visible window named '$1' after $2 s"
    echo "$id"
}


# Clicks at X Y inside the window placed by window_place.
click() { xdotool mousemove $((WIN_X + $1)) $((WIN_Y + $2)) click 1; }

window_place() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT WIN_GEOMETRY="${WIDTH}x$HEIGHT+$X+$Y"
}

alive() { kill -0 "$1" 2>/dev/null || die "the program ended unexpectedly ($2)"; }

# usage: wait_exit PID SECONDS: the program must end by itself, without an error
wait_exit() {
    local end=$((SECONDS + $2)) status=0
    while kill -0 "$1" 2>/dev/null; do
        [ "$SECONDS" -lt "$end" ] || { kill -9 "$1" 2>/dev/null; die "the program did not end within $2 s"; }
        sleep 0.2
    done
    wait "$1" || status=$?
    [ "$status" -eq 0 ] || die "the program ended with status $status"
}

# usage: edge_band IMAGE WxH OUT. Only the edges: screens draw their controls
# inside, and each picture has its own border decorations.
EDGE=12
edge_band() {
    local w=${2%x*} h=${2#*x}
    convert "$1" -crop "$2+0+0" +repage -fill black \
        -draw "rectangle $EDGE,$EDGE $((w - EDGE - 1)),$((h - EDGE - 1))" "$3"
}

# usage: nearest_picture SHOT PICTURE... prints "name distance ratio" of the picture whose
# edges are closest, ratio being that distance over the next closest one.
nearest_picture() {
    local shot=$1 size band p
    shift
    size=$(identify -format %wx%h "$shot")
    band=$(mktemp --suffix=.png)
    edge_band "$shot" "$size" "$band"
    for p in "$@"; do
        local cached="${TMPDIR:-/tmp}/klepsos-band-$$-$size-$(basename "$p").png"
        [ -f "$cached" ] || edge_band "$p" "$size" "$cached"
        printf '%s %s\n' "$(basename "$p")" \
            "$(compare -metric RMSE "$band" "$cached" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')"
    done | sort -g -k2 | awk 'NR == 1 { name = $1; d = $2 } NR == 2 { r = ($2 > 0) ? d / $2 : 1 }
                              END { printf "%s %s %.2f\n", name, d, r }'
    rm -f "$band"
}

# usage: expect_screen SHOT WxH+X+Y EXPECTED SECONDS PICTURE... Shoots that region until
# it shows the EXPECTED picture, not a flat colour; fails after SECONDS.
expect_screen() {
    local shot=$1 geometry=$2 expected=$3 end=$((SECONDS + $4)) colours name distance ratio
    shift 4
    while :; do
        import -window root -crop "$geometry" +repage "$shot"
        colours=$(identify -format %k "$shot")
        read -r name distance ratio <<<"$(nearest_picture "$shot" "$@")"
        if [ "$colours" -gt 64 ] && [ "$name" = "$expected" ] && awk "BEGIN{exit !($ratio < 0.7)}"; then
            echo "ok $(basename "$shot"): $colours colours, picture $name at $distance ($ratio of the next)"
            return 0
        fi
        [ "$SECONDS" -lt "$end" ] || die "$(basename "$shot"): $colours colours, closest picture $name at" \
            "$distance ($ratio of the next), expected $expected"
        sleep 0.3
    done
}
