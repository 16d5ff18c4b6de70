# Shared by the Windows scripts: where things are, and a Wine that stays out
# of the host's desktop.  Sourced, not run.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
CACHE="${TERRAVIA_WINDOWS_CACHE:-$HOME/.cache/terravia-windows}"
QT="$CACHE/qt-6.4.2-mingw"
BUILD="${BUILD:-$ROOT/build-windows}"
MINGW=x86_64-w64-mingw32
mingw_runtime_dir() { dirname "$($MINGW-g++-posix -print-libgcc-file-name)"; }
wine_prefix() { # folder: a 64-bit prefix there, quiet, without menu entries or .desktop files on the host, nor Mono or Gecko prompts
  export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
}
