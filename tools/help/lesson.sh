#!/usr/bin/env bash
# A whole lesson on one machine, as a teacher and pupils would have it: the
# teacher's program and four pupils' programs on the loopback address under
# Xvfb with openbox, driven with xdotool, with screenshots of each step.
#   bash tools/help/lesson.sh [DISPLAY-NUMBER] [OUTPUT-DIR]
# The first pupil starts before the teacher's server and is told so; three
# pupils get "Europa - Stolice": one finishes at once, one drags names (one
# onto a marker that already has a name), switches to the teacher's window
# and back and opens a message box before finishing, and the third is ended
# by the teacher's "Zakończ test". A fourth pupil then joins late, leaves,
# and is removed from the list; the lesson ends. The screens go to the
# output folder; the teacher's help takes its pictures from there:
#   bash tools/help/lesson.sh 81 /tmp/lesson && bash tools/help/lesson.sh pictures /tmp/lesson
# Positions assume the 1920 x 1080 screen set up here, with the map drawn
# scaled to fill the window.
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$PWD
if command -v magick >/dev/null 2>&1; then IM=magick; else IM=convert; fi

if [ "${1:-}" = pictures ]; then
    OUT=${2:-/tmp/terravia-lesson}
    PICS=$ROOT/data/Pomoc/obrazki
    opts=(-strip -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt)
    "$IM" "$OUT/shots/teacher-pupils.png" -resize 800x "${opts[@]}" "$PICS/nauczyciel_uczniowie.png"
    "$IM" "$OUT/shots/teacher-assign.png" "${opts[@]}" "$PICS/nauczyciel_przydziel.png"
    "$IM" "$OUT/shots/teacher-results.png" -crop 1102x290+0+0 -resize 800x "${opts[@]}" "$PICS/nauczyciel_wyniki.png"
    "$IM" "$OUT/shots/login-no-server.png" "${opts[@]}" "$PICS/logowanie.png"
    exit 0
fi

NUM=${1:-81}
OUT=${2:-/tmp/terravia-lesson}
[ -x build/terravia/terravia ] || { echo "build the program first (tools/setup.sh)"; exit 1; }
rm -rf "$OUT"
mkdir -p "$OUT/shots" "$OUT/teacher"
SHOTS=$OUT/shots
for i in 1 2 3 4; do
    cp -r build/terravia "$OUT/p$i"
    rm -f "$OUT/p$i"/Wyniki.tvw "$OUT/p$i"/konf.dat "$OUT/p$i"/tmp.tvw
    printf '127.0.0.1\r\n' > "$OUT/p$i/Net_konf.dat"
done

export DISPLAY=:$NUM
Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
pids=($!)
cleanup() { kill "${pids[@]}" 2>/dev/null || true; }
trap cleanup EXIT
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

screen() { import -window root "$SHOTS/$1.png"; }
framed() { import -window "$1" -frame "$SHOTS/$2.png"; }
pupil() { # number name: starts a pupil's program and types the name at its login
    (cd "$OUT/p$1" && LC_ALL=C.UTF-8 exec ./terravia >"$OUT/p$1.log" 2>&1) &
    pids+=($!)
    sleep 4
    xdotool windowactivate --sync "$(xdotool search --name '^Połączenie do Serwera' | tail -1)"
    sleep 0.5
    xdotool type --delay 40 "$2"
    xdotool key Return
    sleep 3
}
declare -A MAIN
claim() { # number: the newest pupil's main window is that pupil's
    local w k known
    for w in $(xdotool search --name '^Terravia v'); do
        known=0
        for k in "${MAIN[@]}"; do [ "$k" = "$w" ] && known=1; done
        [ $known = 0 ] && MAIN[$1]=$w
    done
    return 0
}
mainOf() { echo "${MAIN[$1]}"; }
drag() { # from-x from-y to-x to-y, as a hand would
    xdotool mousemove "$1" "$2"; sleep 0.2
    xdotool mousedown 1; sleep 0.1
    xdotool mousemove $(($1 - 10)) "$2"; sleep 0.1
    xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.1
    xdotool mousemove "$3" "$4"; sleep 0.2
    xdotool mousemove $(($3 + 2)) "$4"; sleep 0.2
    xdotool mouseup 1; sleep 0.6
}
teacherWindow() { xdotool search --name '^Terravia – nauczyciel$' | tail -1; }
finish() { # the pupil's "Wynik testu" button, then OK in the result dialog
    xdotool mousemove 1841 542 click 1
    sleep 2.5
    screen "$1"
    xdotool windowactivate --sync "$(xdotool search --name '^Wynik testu$' | tail -1)"
    xdotool key Return
    sleep 2
}

# Before the server: the login window says so, and OK tries again later.
pupil 1 "Ala Nowak"
framed "$(xdotool search --name '^Połączenie do Serwera' | tail -1)" login-no-server

build/terravia/terravia-nauczyciel --adres 127.0.0.1 --folder "$OUT/teacher" >"$OUT/teacher.log" 2>&1 &
pids+=($!)
sleep 3
# The teacher's program asks for the lesson's class first.
xdotool type --delay 30 "6b"
xdotool key Return
sleep 1
xdotool windowactivate --sync "$(xdotool search --name '^Połączenie do Serwera' | tail -1)"
xdotool key Return
sleep 3
claim 1
pupil 2 "bartek wiśniewski "
claim 2
pupil 3 "Celina Zając"
claim 3

T=$(teacherWindow)
xdotool windowactivate --sync "$T"
xdotool windowsize "$T" 1100 620
xdotool windowmove "$T" 400 200
sleep 1
framed "$T" teacher-logged-in

# "Przydziel test wszystkim..." and "Europa - Stolice" from the catalogue.
xdotool mousemove --window "$T" 987 134 click 1
sleep 1.5
D=$(xdotool search --name '^Przydziel test' | tail -1)
xdotool windowactivate --sync "$D"
xdotool key Down Right Down Down Down Down
sleep 0.5
framed "$D" teacher-assign
xdotool key Return
sleep 2
screen prompts
for _ in 1 2 3; do xdotool mousemove 1166 539 click 1; sleep 3; done

# The first pupil finishes at once.
xdotool windowactivate --sync "$(mainOf 1)"
sleep 1
finish pupil1-result

# The second drags two names, goes to the teacher's window and back, asks a
# marker's value (a message box), drops a name on a marker already named
# (the name there goes back to the list), and finishes.
xdotool windowactivate --sync "$(mainOf 2)"
sleep 1
drag 1841 121 435 894
drag 1841 145 377 470
xdotool windowactivate --sync "$T"
sleep 1
xdotool windowactivate --sync "$(mainOf 2)"
sleep 1
xdotool mousemove 435 894 click --repeat 2 --delay 80 1
sleep 1.5
screen pupil2-message
xdotool key Return
sleep 1
drag 1841 169 435 894
screen pupil2-swapped
finish pupil2-result

# The third pupil's window loses and regains the focus; the teacher ends the test.
xdotool windowactivate --sync "$(mainOf 3)"
sleep 1
xdotool windowactivate --sync "$T"
sleep 0.5
xdotool windowactivate --sync "$(mainOf 3)"
sleep 0.5
xdotool windowactivate --sync "$T"
sleep 0.5
xdotool mousemove --window "$T" 987 190 click 1
sleep 1.5
screen teacher-end-test-question
xdotool key Return
sleep 2.5
screen pupil3-ended
xdotool windowactivate --sync "$(xdotool search --name '^Terravia: Test przerwany' | tail -1)"
xdotool key Return
sleep 2
screen pupil3-closed

# A late-comer is admitted; the states are asked again.
pupil 4 "Dawid Lis"
claim 4
xdotool windowactivate --sync "$T"
sleep 0.5
xdotool key F5
sleep 2
framed "$T" teacher-pupils
xdotool mousemove --window "$T" 150 102 click 1
sleep 1
framed "$T" teacher-results

# The late-comer's computer goes off; the teacher takes him off the list.
kill "$(xdotool getwindowpid "$(mainOf 4)")"
sleep 2
xdotool mousemove --window "$T" 40 102 click 1
sleep 0.5
xdotool mousemove --window "$T" 100 247 click 1
sleep 0.5
framed "$T" teacher-disconnected
xdotool key Delete
sleep 1
framed "$T" teacher-removed

# The end of the lesson.
xdotool mousemove --window "$T" 987 326 click 1
sleep 1.5
screen teacher-end-lesson-question
xdotool key Return
sleep 3
screen lesson-ended
echo "screens in $SHOTS"
