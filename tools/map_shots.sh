#!/usr/bin/env bash
# Screenshots of the scaled map under Xvfb with openbox, one screen size at
# a time: two tests (one judged) and the place game with covers open.
#   bash tools/map_shots.sh [DISPLAY-NUMBER] [OUTPUT-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
NUM=${1:-90}
OUT=${2:-/tmp/terravia-map-shots}
SHOW=$PWD/build/bench/show_map
CONTENT=$PWD/build/terravia
mkdir -p "$OUT"
[ -x "$SHOW" ] || { echo "build show_map first"; exit 1; }

shoot() { # name size [env...]
    local name=$1 size=$2
    shift 2
    Xvfb ":$NUM" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    sleep 1
    DISPLAY=:$NUM openbox >/dev/null 2>&1 &
    local wm=$!
    sleep 1
    for run in "afryka:test 37" "polska:test 17 judge" "miejsce:game"; do
        local label=${run%%:*} what=${run#*:}
        # shellcheck disable=SC2086
        env DISPLAY=:$NUM LC_ALL=C.UTF-8 "$@" "$SHOW" "$CONTENT" $what >/dev/null 2>&1 &
        local app=$!
        sleep 4
        DISPLAY=:$NUM import -window root "$OUT/${name}_${label}.png"
        kill $app 2>/dev/null || true
        wait $app 2>/dev/null || true
    done
    kill $wm $xvfb 2>/dev/null || true
    wait $wm $xvfb 2>/dev/null || true
}

shoot 1366x768 1366x768
shoot 1920x1080 1920x1080
shoot 2560x1440 2560x1440
shoot 3840x2160 3840x2160
shoot 1920x1080_x2 1920x1080 QT_SCALE_FACTOR=2
