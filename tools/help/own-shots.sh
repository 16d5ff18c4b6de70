#!/usr/bin/env bash
# The screenshots of the help page on making one's own tests, from the real
# program under Xvfb with openbox and xdotool, in the manner of shots.sh:
#   bash tools/help/own-shots.sh [DISPLAY-NUMBER] [RAW-OUTPUT-DIR]
# A teacher's map of his own (drawn here, not a map of the pack) gets a
# half-made test in the editor; the test, finished and saved, is then shown
# in "Testy" > "Moje testy" and being taken. Positions assume the 1280 x 800
# screen set up here.
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$PWD
NUM=${1:-97}
RAW=${2:-/tmp/terravia-own-shots}
PICS=$ROOT/data/Pomoc/obrazki
APP=/tmp/TerraviaOwnTests
MAP=$RAW/mazowsze.jpg
mkdir -p "$RAW" "$PICS"
[ -x build/terravia/terravia ] || { echo "build the program first (tools/setup.sh)"; exit 1; }
if command -v magick >/dev/null 2>&1; then IM=magick; else IM=convert; fi

# The teacher's map: a region, its rivers and three towns.
draw=()
river() { # width x,y x,y ...
    local w=$1 a b
    shift
    draw+=(-strokewidth "$w")
    a=$1
    shift
    for b in "$@"; do draw+=(-draw "line ${a/,/,} ${b/,/,}"); a=$b; done
}
river 7 430,600 445,520 400,450 395,400 420,335 470,260 500,180 480,110 470,40
river 5 860,250 760,262 650,300 560,282 490,300 430,330
river 4 840,520 720,470 620,425 520,392 460,362 425,345
river 4 60,300 160,318 260,302 330,330 420,335
"$IM" -size 900x620 xc:'#e9f2d8' \
    -fill '#d5e8b8' -stroke '#7a8f5a' -strokewidth 3 \
    -draw "polygon 60,80 300,40 560,70 820,120 860,330 800,560 520,600 250,580 80,470 40,260" \
    -fill none -stroke '#3b7dd8' "${draw[@]}" \
    -stroke none -fill '#c0392b' -draw "circle 430,340 438,340" -draw "circle 250,470 256,470" \
    -draw "circle 640,180 646,180" \
    -fill '#2c3e50' -font DejaVu-Sans -pointsize 18 -draw "text 445,355 'Warszawa'" \
    -draw "text 262,475 'Radom'" -draw "text 652,185 'Ostrołęka'" \
    -pointsize 22 -draw "text 60,30 'Mazowsze — rzeki (mapa do lekcji)'" "$MAP"

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

rm -rf "$APP"
cp -r build/terravia "$APP"
rm -rf "$APP"/Wyniki.tvw "$APP"/tmp.tvw "$APP"/konf.dat "$APP"/Skins.dat "$APP"/Net_konf.dat "$APP/Moje testy"
(cd "$APP" && LC_ALL=C.UTF-8 ./terravia >/dev/null 2>&1) &
app=$!
sleep 4

screen() { import -window root "$RAW/$1.png"; }
picture() { # raw-name help-file [convert options...]
    local from=$1 to=$2
    shift 2
    case "$to" in
    *.jpg) "$IM" "$RAW/$from.png" "$@" -strip -interlace none -sampling-factor 4:2:0 -quality 85 "$PICS/$to" ;;
    *) "$IM" "$RAW/$from.png" "$@" -strip -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt "$PICS/$to" ;;
    esac
}
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
drag() { # from-x from-y to-x to-y
    xdotool mousemove "$1" "$2"; sleep 0.2
    xdotool mousedown 1; sleep 0.1
    xdotool mousemove $(( $1 - 10 )) "$2"; sleep 0.1
    xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )); sleep 0.1
    xdotool mousemove "$3" "$4"; sleep 0.2
    xdotool mousemove $(( $3 + 2 )) "$4"; sleep 0.2
    xdotool mouseup 1; sleep 0.4
}

click 475 595                   # Zamknij Kreator
click 20 27 0.8                 # Plik
click 90 138 1.5                # Nowy własny test... (the editor fills the screen)
click 400 40 0.3
xdotool type --delay 30 "Rzeki Mazowsza"; sleep 0.3
click 1043 40 1.5               # Wybierz obraz...
xdotool type --delay 20 "$MAP"; xdotool key Return; sleep 1
# The map's top left corner is at (12, 59); a click centres a marker on it.
for p in "560:150:Wisła" "720:235:Narew" "150:275:Bzura" "300:420:Pilica" "650:470:"; do
    IFS=: read -r x y n <<<"$p"
    click $(( 12 + x )) $(( 59 + y )) 0.4
    [ -n "$n" ] && xdotool type --delay 30 "$n"
    sleep 0.3
done
screen editor
click 1142 40 1                 # Zapisz test: marker 5 has no name yet
screen editor_check
xdotool key Return; sleep 0.5
click 1143 740 0.3              # its name
xdotool type --delay 30 "Liwiec"; sleep 0.3
click 1142 40 1                 # Zapisz test
xdotool key Return; sleep 0.5
click 1228 40 0.8               # Zamknij
click 60 27 0.8                 # Testy
xdotool mousemove 100 314; sleep 1
screen menu
xdotool mousemove 300 314; sleep 0.3
click 300 314 3.5               # Rzeki Mazowsza
drag 1200 193 680 288
drag 1200 121 847 376
drag 1200 217 253 418
screen test

picture editor moje_edytor.jpg -resize 70%
picture editor_check moje_sprawdzenie.png -crop 420x140+400+290 +repage
picture menu moje_menu.png -crop 400x330+0+18 +repage
picture test moje_test.jpg -crop 1280x700+0+70 +repage -resize 70%
echo "pictures in $PICS, full screens in $RAW"
