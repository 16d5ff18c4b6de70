#!/usr/bin/env bash
# Step 1 of the Windows road: the cross tools from Debian's own packages, and
# source lists for the mirror the machine already uses, so that the next step
# can fetch Qt's sources with apt-get source.
set -euo pipefail

PACKAGES=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  nsis wine wine64 msitools fp-utils dpkg-dev
  cmake ninja-build qt6-base-dev-tools qt6-base-dev qt6-svg-dev qt6-tools-dev-tools
  xvfb xauth openbox xdotool imagemagick librsvg2-bin fonts-wine
)
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

# Source entries are copies of the binary entries the machine has: the same
# URIs, suites and keys, with Types: deb-src.  Nothing here names a mirror.
SRC=/etc/apt/sources.list.d/terravia-src.sources
if [ ! -f "$SRC" ]; then
  tmp=$(mktemp)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    case "$f" in *terravia-src*) continue;; esac
    # Only the Debian archive's stanzas: the ones signed by its keyring.
    awk 'BEGIN{RS="";ORS="\n\n"} /debian-archive-keyring/ && /^Types:[^\n]*deb/ {
           sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f" >> "$tmp"
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb[[:space:]]' /etc/apt/sources.list | grep -v 'deb-src' |
      sed 's/^deb[[:space:]]/deb-src /' > "$tmp.list" || true
  fi
  if [ -s "$tmp" ]; then $SUDO install -m 644 "$tmp" "$SRC"; fi
  if [ -s "$tmp.list" ]; then $SUDO install -m 644 "$tmp.list" /etc/apt/sources.list.d/terravia-src.list; fi
  rm -f "$tmp" "$tmp.list"
  $SUDO apt-get update -qq
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The posix flavour gives std::thread and std::mutex, which Qt needs.
$SUDO update-alternatives --set x86_64-w64-mingw32-g++ /usr/bin/x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || true
$SUDO update-alternatives --set x86_64-w64-mingw32-gcc /usr/bin/x86_64-w64-mingw32-gcc-posix >/dev/null 2>&1 || true
echo "Windows cross tools ready."
