#!/usr/bin/env bash
# Step 7 of the Windows road: the cross-built test programs under Wine, run
# by ctest through the toolchain's emulator, in a fresh prefix under Xvfb.
#   bash tools/windows/wine_tests.sh [ctest arguments]
set -euo pipefail
source "$(dirname "$0")/common.sh"
GCC_DIR=$(mingw_runtime_dir)
work=$(mktemp -d)
wine_prefix "$work/prefix"
# The DLLs from where they were built; Qt finds its plugins beside them.
export WINEPATH="Z:${QT//\//\\}\\bin;Z:${GCC_DIR//\//\\};Z:\\usr\\$MINGW\\lib"
# Wine hands a program none of the host's QT_* variables, only WINEQT_* ones
# under the name without WINE: the tests' offscreen platform has to come that
# way, or they open real windows on the server below. On Windows that
# platform looks for fonts only in Qt's own lib/fonts; it gets the DejaVu that
# the Linux tests draw with, without which every label measures nothing and
# the layouts come out otherwise.
export WINEQT_QPA_PLATFORM=offscreen
export WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu'
NUM=$(( 160 + RANDOM % 30 ))
export DISPLAY=:$NUM
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
wineboot -i >/dev/null 2>&1; wineserver -w
# One server for the whole run, started here with its output closed: a server
# that a test started would hold ctest's pipes open after the test ended.
wineserver -p >/dev/null 2>&1 </dev/null
# Likewise the system's own processes (services, devices), which the first
# program of the prefix starts and which stay: started by that program they
# would inherit its output, and ctest would wait for them until the time-out.
wine cmd /c exit >/dev/null 2>&1 </dev/null
# ctest leaves the list of an earlier run's failures when all pass.
rm -f "$BUILD/Testing/Temporary/LastTestsFailed.log"
start=$(date +%s)
ctest --test-dir "$BUILD" --timeout 300 "$@" || true
echo "Under Wine in $(( $(date +%s) - start )) s"
# Wine's console hides a test's own report from ctest: each failed test again,
# its report written to a file.
LOGS="$BUILD/wine-logs"
rm -rf "$LOGS"; mkdir -p "$LOGS"
failed="$BUILD/Testing/Temporary/LastTestsFailed.log"
[ -f "$failed" ] || exit 0
while IFS=: read -r _ name; do
  name=${name%% *}
  exe="$BUILD/${name//\//_}.exe"
  log="$LOGS/${name//\//_}.txt"
  (cd "$BUILD/tests" && timeout 300 wine "$exe" -o "Z:${log//\//\\},txt" >/dev/null 2>&1 </dev/null) || true
  echo "== $name: $(grep -c '^FAIL!' "$log" 2>/dev/null || echo 0) failed checks; $(tail -2 "$log" 2>/dev/null | head -1)"
done < "$failed"
