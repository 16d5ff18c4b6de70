#!/usr/bin/env bash
# Step 6 of the Windows road: the installer and both programs under Wine, on
# a fresh prefix under Xvfb, as an administrator and a pupil would use them.
#   bash tools/windows/wine_check.sh [OUTPUT-DIR]
# 1. setup.exe /S installs silently; the Start menu entries exist.
# 2. The pupil's program starts from the "Terravia" entry, takes
#    "Europa - Stolice" with real mouse drags and saves; the same moves are
#    made in the Linux program, and the two records are compared byte for
#    byte (all but the elapsed time, which no two runs share).
# 3. The teacher's program answers discovery on UDP 3000 on loopback, and the
#    Linux pupil's program logs in to it.
# 4. The uninstaller (/S) leaves nothing under Program Files and keeps the
#    pupil's results.
# Screens go to OUTPUT-DIR/shots.  Loopback only.
set -euo pipefail
source "$(dirname "$0")/common.sh"
OUT="${1:-/tmp/terravia-wine}"
SETUP=$(ls "$BUILD"/Terravia-*-setup.exe | tail -1)
[ -x "$ROOT/build/terravia/terravia" ] || { echo "build the Linux program first (tools/setup.sh)" >&2; exit 1; }
rm -rf "$OUT"; mkdir -p "$OUT/shots" "$OUT/linux/home" "$OUT/teacher"
SHOTS=$OUT/shots
wine_prefix "$OUT/prefix"

NUM=$(( 120 + RANDOM % 30 ))
export DISPLAY=:$NUM
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids=($!)
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wineserver -k 2>/dev/null || true; }
trap cleanup EXIT
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.2; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1  # a window mapped before the window manager runs is left unmaximised
# A Polish keyboard, as in a Polish school: xdotool then types Ż and Ł with
# the layout's own keys (AltGr), which Wine reads as a Windows keyboard does;
# letters outside the layout reach Wine wrong.
setxkbmap pl 2>/dev/null || true
fail() { echo "wine check: $*" >&2; import -window root "$SHOTS/failed.png" 2>/dev/null || true; exit 1; }
wait_window() { # name-regex [seconds]
  local id
  for _ in $(seq $(( ${2:-30} * 5 ))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.2
  done
  fail "no window matching \"$1\""
}
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep "${4:-0.8}"; }
take_test() { # main-window name: through the creator to "Europa - Stolice", four names, saved
  local c w r X Y SCREEN WINDOW
  c=$(wait_window '^Kreator testów$' 60); sleep 3
  screen=${3:-}
  [ -n "$screen" ] && import -window root "$SHOTS/$screen-main.png"
  # The keys rather than positions below the first row: the two systems'
  # fonts give the rows different heights.
  click_in "$c" 74 60      # POLSKA
  xdotool key Down Return; sleep 1      # EUROPA, Dalej >>
  click_in "$c" 47 74      # GÓRY
  xdotool key Down Down Down; sleep 0.5 # STOLICE
  [ -n "$screen" ] && import -window root "$SHOTS/$screen-creator.png"
  xdotool key Return; sleep 3           # ZAŁADUJ TEST
  w=$1
  xdotool mousemove --window "$w" 0 0; eval "$(xdotool getmouselocation --shell)"
  local OX=$X OY=$Y
  drag() {
    local a=$(($1 + OX)) b=$(($2 + OY)) e=$(($3 + OX)) f=$(($4 + OY))
    xdotool mousemove $a $b; sleep 0.3; xdotool mousedown 1; sleep 0.2
    xdotool mousemove $((a - 10)) $b; sleep 0.2
    xdotool mousemove $(((a + e) / 2)) $(((b + f) / 2)); sleep 0.2
    xdotool mousemove $e $f; sleep 0.3; xdotool mousemove $((e + 2)) $f; sleep 0.3
    xdotool mouseup 1; sleep 0.8
  }
  drag 1200 487 211 349   # Londyn
  drag 1200 223 251 645   # Madryt
  drag 1200 271 239 458   # Paryż
  drag 1200 463 566 653   # Rzym
  [ -n "$screen" ] && import -window root "$SHOTS/$screen-test.png"
  xdotool mousemove $((1201 + OX)) $((523 + OY)) click 1; sleep 2.5
  r=$(wait_window '^Wynik testu$')
  [ -n "$screen" ] && import -window root "$SHOTS/$screen-result.png"
  click_in "$r" 160 41 1
  xdotool type --delay 60 "$2"; sleep 0.5
  xdotool key Return; sleep 2
}
PUPIL="Żaneta Łukasiewicz"

# --- the Linux program, for the reference record ---------------------------
cp -r "$ROOT/build/terravia" "$OUT/linux/app"
rm -f "$OUT/linux/app"/{Wyniki.tvw,konf.dat,tmp.tvw,Net_konf.dat}
(cd "$OUT/linux/app" && HOME="$OUT/linux/home" LC_ALL=C.UTF-8 exec ./terravia >"$OUT/linux.log" 2>&1) &
lpid=$!
take_test "$(wait_window '^Terravia v')" "$PUPIL" linux
kill $lpid; wait $lpid 2>/dev/null || true
[ -s "$OUT/linux/app/Wyniki.tvw" ] || fail "the Linux program saved nothing"

# --- 1. silent install -----------------------------------------------------
start=$(date +%s)
wineboot -i >/dev/null 2>&1; wineserver -w
echo "Wine prefix made in $(( $(date +%s) - start )) s"
start=$(date +%s)
wine "$SETUP" /S; wineserver -w
echo "Silent install took $(( $(date +%s) - start )) s"
PF="$WINEPREFIX/drive_c/Program Files/Terravia"
MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
for f in "$PF/terravia.exe" "$PF/terravia-nauczyciel.exe" "$PF/Odinstaluj.exe" "$PF/Pocz.chm" \
         "$PF/CZYTAJTO.txt" "$MENU/Terravia.lnk" "$MENU/Terravia – nauczyciel.lnk"; do
  [ -e "$f" ] || fail "not installed: $f"
done
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Terravia' /v UninstallString \
  2>/dev/null | tr -d '\r' | grep -q Odinstaluj || fail "no uninstaller in the registry"
target=$(strings "$MENU/Terravia.lnk" | grep -i 'terravia\.exe' | head -1 || true)
echo "Start menu entry \"Terravia\" → ${target:-?}"
echo "Installed: $(du -sh "$PF" | cut -f1) under Program Files"

# --- 2. the pupil ----------------------------------------------------------
wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Terravia.lnk' >"$OUT/wine-pupil.log" 2>&1
take_test "$(wait_window '^Terravia v' 60)" "$PUPIL" windows
RESULTS=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Terravia 2>/dev/null | head -1)
[ -s "$RESULTS/Wyniki.tvw" ] || fail "no Wyniki.tvw in %APPDATA%\\Terravia"
[ -e "$PF/Wyniki.tvw" ] && fail "the result went under Program Files"
cp "$RESULTS/Wyniki.tvw" "$OUT/Wyniki-windows.tvw"
cp "$OUT/linux/app/Wyniki.tvw" "$OUT/Wyniki-linux.tvw"
# Seven CRLF lines in Windows-1250.  The third, the elapsed time, differs
# between any two runs; the good and bad counts and the grade (lines 5 to 7)
# depend on the order the names were shuffled into, which differs too, so
# they are compared when the two runs placed as many names right.
same_counts=0
[ "$(sed -n 5p "$OUT/Wyniki-linux.tvw")" = "$(sed -n 5p "$OUT/Wyniki-windows.tvw")" ] && same_counts=1
mask() {
  if [ $same_counts = 1 ]; then sed '3s/^[0-9]* min [0-9]* sek\r$/<czas>\r/' "$1"
  else sed -e '3s/^[0-9]* min [0-9]* sek\r$/<czas>\r/' -e '5,6s/^[0-9]*\r$/<liczba>\r/' \
           -e '7s/^[A-Za-z\xe6\xb3\xbf]* ([1-6])\r$/<ocena>\r/' "$1"; fi
}
grep -q "$(printf '\xaf')" "$OUT/Wyniki-windows.tvw" || fail "no Windows-1250 letter Ż in the Windows record"
if cmp -s <(mask "$OUT/Wyniki-linux.tvw") <(mask "$OUT/Wyniki-windows.tvw"); then
  echo "Record: the same bytes as the Linux program's$([ $same_counts = 1 ] || echo ' but for the counts and grade of the shuffled names'):"
  paste -d'|' <(tr -d '\r' < "$OUT/Wyniki-linux.tvw" | iconv -f CP1250 -t UTF-8) \
              <(tr -d '\r' < "$OUT/Wyniki-windows.tvw" | iconv -f CP1250 -t UTF-8) | sed 's/^/  linux|windows: /'
else
  xxd "$OUT/Wyniki-linux.tvw" >&2; xxd "$OUT/Wyniki-windows.tvw" >&2
  fail "the Windows record differs from the Linux one"
fi
wine taskkill /IM terravia.exe /F >/dev/null 2>&1 || true
sleep 2

# --- 3. the teacher's program ----------------------------------------------
(cd "$OUT/teacher" && wine "$PF/terravia-nauczyciel.exe" --adres 127.0.0.1 --folder 'Z:'"${OUT//\//\\}"'\teacher' \
   >"$OUT/wine-teacher.log" 2>&1) &
pids+=($!)
wait_window 'Terravia – nauczyciel|Klasa' 60 >/dev/null
sleep 3
xdotool type --delay 40 "6b"; xdotool key Return; sleep 2
reply=$(python3 - <<'PY'
import socket
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.settimeout(5)
s.sendto(b"d", ("127.0.0.1", 3000))
try:
    print(s.recvfrom(256)[0].decode("latin-1"))
except socket.timeout:
    print("")
PY
)
[ -n "$reply" ] || fail "the teacher's program did not answer discovery on UDP 3000"
echo "Discovery on UDP 3000 answered: \"$reply\""
mkdir -p "$OUT/linux/client"
cp -r "$ROOT/build/terravia/." "$OUT/linux/client/"
rm -f "$OUT/linux/client"/{Wyniki.tvw,konf.dat,tmp.tvw}
printf '127.0.0.1\r\n' > "$OUT/linux/client/Net_konf.dat"
(cd "$OUT/linux/client" && HOME="$OUT/linux/home" LC_ALL=C.UTF-8 exec ./terravia >"$OUT/linux-client.log" 2>&1) &
pids+=($!)
l=$(wait_window '^Połączenie do Serwera' 30)
xdotool windowactivate --sync "$l"; sleep 0.5
xdotool type --delay 40 "Ala Nowak"; xdotool key Return; sleep 4
t=$(xdotool search --onlyvisible --name '^Terravia – nauczyciel$' | tail -1)
[ -n "$t" ] && xdotool windowactivate "$t" 2>/dev/null; sleep 1
import -window root "$SHOTS/teacher-with-pupil.png"
grep -rqs "Ala Nowak" "$OUT/teacher" "$OUT/wine-teacher.log" && echo "Teacher's log names the pupil" || true
kill "${pids[@]:2}" 2>/dev/null || true
wine taskkill /IM terravia-nauczyciel.exe /F >/dev/null 2>&1 || true
wineserver -w 2>/dev/null || true
sleep 1

# --- 4. uninstall ----------------------------------------------------------
wine "$PF/Odinstaluj.exe" /S; sleep 3; wineserver -w
[ -e "$PF" ] && fail "left under Program Files: $(find "$PF" | head)"
[ -e "$MENU/Terravia.lnk" ] && fail "the Start menu entry is still there"
[ -s "$RESULTS/Wyniki.tvw" ] || fail "the uninstaller removed the pupil's results"
echo "wine check: installed, a test taken and saved, the teacher answered and took a login, uninstalled cleanly"
