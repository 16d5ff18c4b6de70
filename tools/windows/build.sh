#!/usr/bin/env bash
# Step 3 of the Windows road: terravia.exe, terravia-nauczyciel.exe and the
# test programs, cross-built with the project's toolchain file against the
# Qt that qt.sh built, into build-windows/ (the programs in
# build-windows/terravia/, beside the content pack and Pocz.chm).
set -euo pipefail
source "$(dirname "$0")/common.sh"
JOBS="${JOBS:-$(nproc)}"
[ -f "$QT/lib/cmake/Qt6/Qt6Config.cmake" ] || { echo "Qt for Windows is missing: run tools/windows/qt.sh first" >&2; exit 1; }

bash "$ROOT/tools/windows/icons.sh" "$BUILD/icons"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
start=$(date +%s)
cmake -S "$ROOT" -B "$BUILD" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/windows-mingw.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$QT" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DTERRAVIA_RASTER_ICONS="$BUILD/icons" \
  -DTERRAVIA_BENCH=OFF "${launcher[@]}" >/dev/null
nice cmake --build "$BUILD" -j "$JOBS"
echo "Cross-built in $(( $(date +%s) - start )) s into $BUILD"
