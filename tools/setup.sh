#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Terravia
# need, when any is missing, and builds the program into build/terravia/.
#   bash tools/setup.sh packages   installs the packages only
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential cmake ninja-build
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql postgresql qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n
  fonts-dejavu-core
  xvfb xauth openbox xdotool imagemagick poppler-utils python3
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ "${1:-}" = packages ] && exit 0

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
