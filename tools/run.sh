#!/usr/bin/env bash
# Sets up, builds and starts Terravia with the bundled content pack. Without a
# display it starts the program under Xvfb, saves a screenshot of the main
# window and prints where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

APP_DIR="$PWD/build/terravia"
if [ -n "${DISPLAY:-}" ]; then
  cd "$APP_DIR" && exec ./terravia
fi

SHOT="$PWD/build/terravia-screenshot.png"
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
(cd "$APP_DIR" && ./terravia) >/dev/null 2>&1 &
app=$!
sleep 5
import -window root "$SHOT"
echo "Terravia is running headless; screenshot of the main window: $SHOT"
