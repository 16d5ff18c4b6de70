#!/usr/bin/env bash
# Step 4 of the Windows road: one folder that runs on a Windows computer as it
# is: both programs, the Qt DLLs and plugins they use, the MinGW runtime,
# Qt's Polish texts, the content pack and Pocz.chm.  It is also the portable
# copy: a writable folder that holds the pack keeps the pupil's files beside
# the programs.  Output: build-windows/dist/Terravia
set -euo pipefail
source "$(dirname "$0")/common.sh"
DIST="$BUILD/dist/Terravia"
GCC_DIR=$(mingw_runtime_dir)

rm -rf "$DIST"
mkdir -p "$DIST"
cp -a "$BUILD/terravia/." "$DIST/"
for dll in Qt6Core Qt6Gui Qt6Widgets Qt6Network Qt6Sql Qt6PrintSupport; do
  cp "$QT/bin/$dll.dll" "$DIST/"
done
for plugin in platforms/qwindows styles/qwindowsvistastyle imageformats/qjpeg imageformats/qico \
              imageformats/qgif sqldrivers/qsqlite; do
  mkdir -p "$DIST/plugins/$(dirname $plugin)"
  cp "$QT/plugins/$plugin.dll" "$DIST/plugins/$plugin.dll"
done
# Printing on Windows needs no plugin in Qt 6; older layouts had one.
[ -d "$QT/plugins/printsupport" ] && cp -r "$QT/plugins/printsupport" "$DIST/plugins/"
cp "$GCC_DIR/libstdc++-6.dll" "$GCC_DIR/libgcc_s_seh-1.dll" "/usr/$MINGW/lib/libwinpthread-1.dll" "$DIST/"
mkdir -p "$DIST/translations"
cp /usr/share/qt6/translations/qtbase_pl.qm "$DIST/translations/"
cat > "$DIST/qt.conf" <<'CONF'
[Paths]
Prefix = .
Plugins = plugins
Translations = translations
CONF
$MINGW-strip "$DIST"/terravia.exe "$DIST"/terravia-nauczyciel.exe
du -sh "$DIST"
