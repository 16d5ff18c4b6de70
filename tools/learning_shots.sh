#!/usr/bin/env bash
# Screenshots under Xvfb with openbox of what a judged test teaches: the
# corrections on the map, a retest half answered; and the pages of a
# worksheet and its key rendered to PNG.
#   bash tools/learning_shots.sh [DISPLAY-NUMBER] [OUTPUT-DIR] [TEST-CODE]
set -euo pipefail
cd "$(dirname "$0")/.."
NUM=${1:-97}
OUT=${2:-/tmp/terravia-learning-shots}
CODE=${3:-37}
SHOW=$PWD/build/bench/show_map
CONTENT=$PWD/build/terravia
mkdir -p "$OUT"
[ -x "$SHOW" ] || { echo "build show_map first"; exit 1; }

Xvfb ":$NUM" -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=:$NUM openbox >/dev/null 2>&1 &
wm=$!
sleep 1
for what in corrections retest; do
    env DISPLAY=:$NUM LC_ALL=C.UTF-8 "$SHOW" "$CONTENT" test "$CODE" $what >/dev/null 2>&1 &
    app=$!
    sleep 4
    DISPLAY=:$NUM import -window root "$OUT/test_${what}.png"
    kill $app 2>/dev/null || true
    wait $app 2>/dev/null || true
done
env DISPLAY=:$NUM LC_ALL=C.UTF-8 timeout 60 "$SHOW" "$CONTENT" worksheet "$CODE" "$OUT/worksheet.pdf" >/dev/null 2>&1
kill $wm $xvfb 2>/dev/null || true
wait $wm $xvfb 2>/dev/null || true
pdftoppm -r 90 -png "$OUT/worksheet.pdf" "$OUT/worksheet"
ls "$OUT"
