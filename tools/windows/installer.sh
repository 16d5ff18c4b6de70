#!/usr/bin/env bash
# Step 5 of the Windows road: Terravia-<version>-setup.exe (NSIS) from the
# folder deploy.sh made.  Output: build-windows/Terravia-<version>-setup.exe
set -euo pipefail
source "$(dirname "$0")/common.sh"
VERSION=$(sed -n 's/^project(Terravia VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
OUT="$BUILD/Terravia-$VERSION-setup.exe"
[ -f "$BUILD/dist/Terravia/terravia.exe" ] || { echo "Run tools/windows/deploy.sh first" >&2; exit 1; }
makensis -V2 -DVERSION="$VERSION" -DDIST="$BUILD/dist/Terravia" -DOUTFILE="$OUT" \
  "$ROOT/packaging/windows/terravia.nsi"
ls -l "$OUT"
