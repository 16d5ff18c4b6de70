#!/usr/bin/env bash
# Step 2 of the Windows road: Qt 6.4.2 for Windows, built with MinGW-w64 from
# Debian's own source package of Qt (qtbase), with the host tools of the
# same version that qt6-base-dev-tools installed.  Only what the programs use:
# Core, Gui, Widgets, Network, Sql (SQLite), PrintSupport and Test, the
# Windows platform plugin, the Windows styles and the JPEG and ICO readers.
# The result goes into a cache folder outside the repository, reused later:
#   $TERRAVIA_WINDOWS_CACHE (default ~/.cache/terravia-windows)/qt-6.4.2-mingw
set -euo pipefail
source "$(dirname "$0")/common.sh"
JOBS="${JOBS:-$(nproc)}"
PREFIX="$QT"
SRC="$CACHE/src"
mkdir -p "$SRC"

if [ -f "$PREFIX/lib/cmake/Qt6/Qt6Config.cmake" ] && [ "${1:-}" != again ]; then
  echo "Qt for Windows is ready in $PREFIX"; exit 0
fi

cd "$SRC"
[ -f qt6-base_6.4.2+dfsg.orig.tar.xz ] || apt-get source --download-only qt6-base
[ -d qtbase-everywhere-src-6.4.2 ] || tar xf qt6-base_6.4.2+dfsg.orig.tar.xz
# Debian's repack leaves SQLite out of Qt's tree; its own source package
# gives the amalgamation, which becomes a static library for the driver.
if [ ! -f "$CACHE/sqlite/lib/libsqlite3.a" ]; then
  ls sqlite3_*.orig.tar.xz >/dev/null 2>&1 || apt-get source --download-only sqlite3
  ls -d sqlite3-[0-9]*/ >/dev/null 2>&1 || tar xf "$(ls sqlite3_*.orig.tar.xz | grep -v www | head -1)"
  top=$(ls -d sqlite3-[0-9]*/ | head -1); top=${top%/}
  rm -rf sqlite-gen && mkdir sqlite-gen
  (cd sqlite-gen && "../$top/configure" >/dev/null && make -s sqlite3.c >/dev/null)
  mkdir -p "$CACHE/sqlite/lib" "$CACHE/sqlite/include"
  $MINGW-gcc-posix -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_ENABLE_COLUMN_METADATA \
      -c sqlite-gen/sqlite3.c -o sqlite-gen/sqlite3.o
  $MINGW-ar rcs "$CACHE/sqlite/lib/libsqlite3.a" sqlite-gen/sqlite3.o
  cp sqlite-gen/sqlite3.h sqlite-gen/sqlite3ext.h "$CACHE/sqlite/include/"
fi

BUILD="$CACHE/build-qtbase"
mkdir -p "$BUILD"
start=$(date +%s)
# Tablets are left out: Debian's repack of the sources drops the Wintab header.
# Direct2D stays on: Qt 6.4 builds its DirectWrite font engine only with it,
# and the printing code needs that engine whenever DirectWrite is on.
cmake -S "$SRC/qtbase-everywhere-src-6.4.2" -B "$BUILD" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/windows-mingw.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR= \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$PREFIX" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DBUILD_WITH_PCH=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_system_sqlite=ON -DFEATURE_sql_sqlite=ON \
  -DSQLite3_INCLUDE_DIR="$CACHE/sqlite/include" -DSQLite3_LIBRARY="$CACHE/sqlite/lib/libsqlite3.a" \
  -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF \
  -DFEATURE_sql_ibase=OFF -DFEATURE_sql_oci=OFF \
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF \
  -DFEATURE_openssl=OFF -DFEATURE_schannel=OFF -DFEATURE_ssl=OFF \
  -DFEATURE_direct2d=ON -DFEATURE_tabletevent=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_sql_db2=OFF \
  -DFEATURE_freetype=ON -DFEATURE_fontconfig=OFF \
  -DFEATURE_gif=ON -DFEATURE_jpeg=ON -DFEATURE_ico=ON \
  -DFEATURE_designer=OFF -DFEATURE_linguist=OFF
nice cmake --build "$BUILD" -j "$JOBS"
cmake --install "$BUILD" >/dev/null
echo "Qt for Windows built in $(( ($(date +%s) - start) / 60 )) min into $PREFIX"
