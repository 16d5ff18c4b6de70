#!/usr/bin/env bash
# Installs the program into a temporary prefix, makes the install tree
# read-only, starts the installed program under Xvfb with an empty home as a
# pupil would, takes a test and saves the result; then checks that the result
# is in the user's data folder and that the install tree is unchanged.
#   bash tools/install_check.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}

work=$(mktemp -d)
prefix=$work/prefix
home=$work/home
mkdir -p "$home"
cleanup() {
  kill "${app:-}" "${wm:-}" "${xvfb:-}" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$BUILD" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix"
before=$(cd "$prefix" && find . -type f -print0 | sort -z | xargs -0 sha256sum | sha256sum)

display=:$(( 150 + RANDOM % 50 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.2; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

# The desktop entry's command, with the environment of a new user.
exec_line=$(sed -n 's/^Exec=//p' "$prefix"/share/applications/io.github.terravia.Terravia.desktop)
env -i DISPLAY="$display" HOME="$home" PATH="$prefix/bin:/usr/bin:/bin" LANG=C.UTF-8 $exec_line \
  >"$work/app.log" 2>&1 &
app=$!

wait_window() { # name
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.2
  done
  echo "install check: no window \"$1\"" >&2
  exit 1
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.6; }
click_in() { # window x y: a point of the window's own area
  xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.6
}

# The creator opens at the first start: Polska, the first test.
creator=$(wait_window "Kreator testów")
sleep 1
click_in "$creator" 74 60             # POLSKA
click_in "$creator" 460 381            # Dalej >>
click_in "$creator" 435 381            # ZAŁADUJ TEST
sleep 3
click 1200 542                       # Wynik testu, in the column of names
result=$(wait_window "Wynik testu")
click_in "$result" 160 41              # the name field
xdotool type --delay 30 "Ala Kowalska"
xdotool key Return                   # Zapisz test
sleep 2

results="$home/.local/share/Terravia/Wyniki.tvw"
if ! grep -q "Ala Kowalska" "$results" 2>/dev/null; then
  echo "install check: no result in $results" >&2
  import -window root "$work/screen.png" && cp "$work/screen.png" /tmp/install_check_failed.png
  cat "$work/app.log" >&2
  exit 1
fi
after=$(cd "$prefix" && find . -type f -print0 | sort -z | xargs -0 sha256sum | sha256sum)
if [ "$before" != "$after" ]; then
  echo "install check: the install tree changed" >&2
  exit 1
fi
echo "install check: result saved in the user's data folder, install tree unchanged"
