#!/usr/bin/env bash
# Takes the screenshots of the help pages (and a few more for review) from
# the real program under Xvfb, with openbox and xdotool:
#   bash tools/help/shots.sh [DISPLAY-NUMBER] [RAW-OUTPUT-DIR]
# The program runs from a copy of build/terravia (/opt/terravia when it can
# be written, so that the paths it shows are plausible), with a few sample
# results and, for the check window, two test files removed. Cropped and
# reduced pictures go to data/Pomoc/obrazki/; the full screens to the output
# folder. Positions assume the 1280 x 800 screen set up here.
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$PWD
NUM=${1:-80}
RAW=${2:-/tmp/terravia-shots}
PICS=$ROOT/data/Pomoc/obrazki
APP=/opt/terravia
mkdir -p "$APP" 2>/dev/null && [ -w "$APP" ] || APP=/tmp/Terravia
mkdir -p "$RAW" "$PICS"
[ -x build/terravia/terravia ] || { echo "build the program first (tools/setup.sh)"; exit 1; }
if command -v magick >/dev/null 2>&1; then IM=magick; else IM=convert; fi

export DISPLAY=:$NUM
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
wm=""
cleanup() { kill $app $wm $xvfb 2>/dev/null || true; }
trap cleanup EXIT
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

prepare() { # a fresh copy of the program; $1: the skin (empty for none)
    rm -rf "$APP"
    cp -r build/terravia "$APP"
    rm -f "$APP"/Wyniki.tvw "$APP"/tmp.tvw "$APP"/konf.dat "$APP"/Skins.dat "$APP"/Net_konf.dat
    [ -n "${1:-}" ] && printf '%s\r\n' "$1" > "$APP/Skins.dat"
    python3 - "$APP/Wyniki.tvw" <<'PY'
import sys
records = [
    ("Jan Nowak", "Test: Polska - Województwa", "3 min 12 sek", "16", "14", "2", "Dobry plus (4+)"),
    ("Ola Wiśniewska", "Test: Świat - Kontynenty", "1 min 5 sek", "7", "7", "0", "Celujący (6)"),
    ("Jan Nowak", "Test: Afryka - Państwa", "4 min 40 sek", "17", "11", "6", "Dostateczny (3)"),
    ("Ola Wiśniewska", "Test: Polska - Rzeki i Jeziora", "2 min 51 sek", "15", "13", "2", "Dobry (4)"),
]
with open(sys.argv[1], "wb") as f:
    for r in records:
        f.write(("\r\n".join(r) + "\r\n").encode("cp1250"))
PY
}
start() {
    [ -n "$app" ] && { kill $app 2>/dev/null || true; wait $app 2>/dev/null || true; }
    (cd "$APP" && LC_ALL=C.UTF-8 ./terravia >/dev/null 2>&1) &
    app=$!
    sleep 4
}
screen() { import -window root "$RAW/$1.png"; }
# A window by its exact title, with the window manager's frame.
window() { # title name
    local id
    id=$(xdotool search --name "^$1\$" | tail -1)
    import -window "$id" -frame "$RAW/$2.png"
}
picture() { # raw-name help-file [convert options...]; large screens as JPEG
    local from=$1 to=$2
    shift 2
    case "$to" in
    *.jpg) "$IM" "$RAW/$from.png" "$@" -strip -interlace none -sampling-factor 4:2:0 -quality 85 "$PICS/$to" ;;
    *) "$IM" "$RAW/$from.png" "$@" -strip -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt "$PICS/$to" ;;
    esac
}
drag() { # from-x from-y to-x to-y
    xdotool mousemove "$1" "$2"; sleep 0.2
    xdotool mousedown 1; sleep 0.1
    xdotool mousemove $(( $1 - 10 )) "$2"; sleep 0.1
    xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )); sleep 0.1
    xdotool mousemove "$3" "$4"; sleep 0.2
    xdotool mousemove $(( $3 + 2 )) "$4"; sleep 0.2
    xdotool mouseup 1; sleep 0.4
}
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
# X and Y: the top left corner of a window's client area, by its exact title.
origin() {
    local id
    id=$(xdotool search --name "^$1\$" | tail -1)
    X=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left X: *//p')
    Y=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left Y: *//p')
}

# --- standard look: a test from the creator, its result, the other windows
prepare
start
screen start
click 450 250                   # creator: EUROPA
click 836 550 1                 # Dalej >>
screen creator
click 466 321 0.3               # STOLICE
click 810 549 3.5               # ZAŁADUJ TEST
drag 1200 169 786 472           # Warszawa, Londyn, Paryż, Berlin, Wiedeń
drag 1200 265 270 465
drag 1200 241 303 548
drag 1200 505 508 466
drag 1200 193 560 623
click 1200 289 0.4              # Rzym chosen
screen test
click 1200 542 1.5              # Wynik testu
click 586 286 0.3
xdotool type --delay 30 "Ala Kowalska"; sleep 0.3
window "Wynik testu" result
click 697 450 1.5               # Zapisz test
click 475 595                   # Zamknij Kreator
click 126 56 1.5                # Wyniki testów
screen results
xdotool key Escape; sleep 0.6
xdotool key F7; sleep 1
window "Ustawienia..." settings
xdotool key Escape; sleep 0.5
xdotool key F2; sleep 1
window "Legenda" legend
xdotool key Escape; sleep 0.5
click 533 56 2                  # O programie
window "O programie" about
xdotool key Escape; sleep 0.5
click 237 27 0.8                # Ustawienia → Zmień skórę
screen settings_menu
xdotool key Up Return; sleep 1
origin "Skóry"
click $(( X + 60 )) $(( Y + 30 + 5 * 20 + 10 ))   # SKÓRA NR 5
window "Skóry" skins
xdotool key Escape; sleep 0.5
click 172 27 0.8                # Opcje → Zmień rozdzielczość ekranu
screen options_menu
xdotool key Up Up Return; sleep 1
window "Terravia: Ekran" screen_advice
xdotool key Escape; sleep 0.5

# --- the check window with two files missing, and the form it fills
kill $app; wait $app 2>/dev/null || true; app=""
rm -f "$APP/AZG.dat" "$APP/Swiat_prady.jpg"
start
click 475 595                   # Zamknij Kreator
click 195 56 1                  # Sprawdź pliki testów
origin "Sprawdź czy masz wszystkie testy"
click $(( X + 359 )) $(( Y + 23 )) 1     # Sprawdź...
window "Sprawdź czy masz wszystkie testy" check
click $(( X + 359 )) $(( Y + 68 )) 1     # Napisz o problemie do autora
window "Napisz do autora" mail
xdotool key Escape; sleep 0.5
xdotool key Escape; sleep 0.5

# --- two skins
for skin in 5 4; do
    prepare "$skin"
    start
    click 475 595
    screen "skin$skin"
done

# --- the help's pictures
picture start okno_glowne.jpg -resize 62%
picture creator kreator.png -crop 532x466+374+166 +repage
picture test test.jpg -crop 1280x580+0+70 +repage -resize 70%
picture result wynik.png
picture results wyniki.png -crop 940x215+0+96 +repage
picture settings ustawienia.png -resize 85%
picture legend legenda.png
picture about o_programie.png
picture skins skory.png
picture screen_advice ekran.png
picture check sprawdz.png
picture mail napisz.png
picture skin5 skora5.jpg -resize 45%
echo "screens: $RAW; help pictures: $PICS"
