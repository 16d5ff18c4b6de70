#!/usr/bin/env bash
# The teacher's program against hostile clients on the loopback address,
# bounded in time: 300 connections sending random bytes, over-long lines,
# forged logins and reports, floods and abrupt resets; then one honest
# pupil logs in, the teacher assigns "Europa - Stolice" (through the real
# window, under Xvfb with xdotool), the pupil sends his result, and the
# teacher's Wyniki.tvw must hold exactly that one record. Prints the counts.
#   bash tools/hostile_lesson.sh [DISPLAY-NUMBER]
set -euo pipefail
cd "$(dirname "$0")/.."
NUM=${1:-84}
[ -x build/terravia/terravia-nauczyciel ] || { echo "build the program first (tools/setup.sh)"; exit 1; }
work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

export DISPLAY=:$NUM
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
build/terravia/terravia-nauczyciel --adres 127.0.0.1 --folder "$work" >"$work/teacher.log" 2>&1 &
pids+=($!)
sleep 3
# The teacher's program asks for the lesson's class first.
xdotool type --delay 30 "6b"
xdotool key Return
sleep 1

python3 - "$work" <<'PY'
import os, random, socket, struct, subprocess, sys, time

work = sys.argv[1]
PORT = 3002
rng = random.Random(7)
deadline = time.time() + 60
counts = {"connections": 0, "refused or closed by the server": 0, "reset by the client": 0,
          "forged reports": 0, "bad logins": 0, "flooded lines": 0, "over-long lines": 0}

def connect():
    s = socket.create_connection(("127.0.0.1", PORT), timeout=5)
    counts["connections"] += 1
    return s

def reset(s):
    # An abrupt end: RST instead of FIN.
    s.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
    s.close()
    counts["reset by the client"] += 1

def line(text):
    return text.encode("cp1250", "replace") + b"\r\n"

forged = [
    "2a^b^c^d^e^f^g^h",
    "2Uczeń 1^Test: Europa - Stolice^0 min 1 sek^17^17^0^Celujący (6)^",
    "2Zly^Uczen^Test: Europa - Stolice^0 min 1 sek^17^17^0^Celujący (6)^",
    "2Honest Pupil^Test: Europa - Stolice^1 min 0 sek^17^0^17^Niedostateczny (1)^",
]
bad_names = ["Zly^Uczen", "a\x01b\x02c", " ", "x" * 80, "\t\t"]
sockets = []
for i in range(300):
    if time.time() > deadline:
        break
    try:
        s = connect()
    except OSError:
        counts["refused or closed by the server"] += 1
        continue
    kind = i % 6
    try:
        if kind == 0:
            s.sendall(bytes(rng.getrandbits(8) for _ in range(rng.randint(1, 4000))))
        elif kind == 1:
            s.sendall(b"1" + b"A" * 20000)
            counts["over-long lines"] += 1
        elif kind == 2:
            s.sendall(line(rng.choice(forged)))
            counts["forged reports"] += 1
        elif kind == 3:
            s.sendall(line("1" + rng.choice(bad_names)))
            counts["bad logins"] += 1
        elif kind == 4:
            # Logs in, then floods and forges.
            s.sendall(line("1Uczeń %d" % i))
            s.sendall(b"".join(line(rng.choice(forged)) for _ in range(80)))
            counts["flooded lines"] += 80
            counts["forged reports"] += 80
        else:
            reset(s)
            continue
    except OSError:
        counts["refused or closed by the server"] += 1
        continue
    sockets.append(s)
    if rng.random() < 0.3:
        reset(sockets.pop())

time.sleep(1)
for s in sockets:
    try:
        s.setblocking(False)
        if s.recv(4096) == b"":
            counts["refused or closed by the server"] += 1
    except BlockingIOError:
        pass
    except OSError:
        counts["refused or closed by the server"] += 1
for s in sockets:
    try:
        reset(s)
    except OSError:
        pass

# The honest pupil.
honest = socket.create_connection(("127.0.0.1", PORT), timeout=10)
honest.sendall(line("1Honest Pupil"))
buf = b""
def read_line():
    global buf
    end = time.time() + 20
    while b"\n" not in buf:
        if time.time() > end:
            raise SystemExit("hostile lesson: no line from the teacher's server")
        try:
            chunk = honest.recv(4096)
        except socket.timeout:
            continue
        if not chunk:
            raise SystemExit("hostile lesson: the server closed the honest pupil's connection")
        buf += chunk
    l, _, buf = buf.partition(b"\n")
    return l.rstrip(b"\r").decode("cp1250")
assert read_line() == "02", "honest pupil not admitted"

# The teacher assigns through his window: Ctrl+T, Europa > Stolice, Przydziel.
def xdo(*args):
    subprocess.run(["xdotool", *args], check=True)
win = subprocess.run(["xdotool", "search", "--name", "^Terravia – nauczyciel$"], capture_output=True, text=True).stdout.split()[-1]
xdo("windowactivate", "--sync", win)
time.sleep(0.5)
xdo("key", "ctrl+t")
time.sleep(1.5)
xdo("key", "Down", "Right", "Down", "Down", "Down", "Down")
time.sleep(0.3)
xdo("key", "Return")
got = read_line()
while got == "06":  # the teacher's program asks now and then
    honest.sendall(line("3Użytkownik^Obecnie nie rozwiązuje żadnego testu^127.0.0.1"))
    got = read_line()
assert got == "118", "honest pupil got %r" % got
honest.sendall(line("3Użytkownik^Obecnie rozwiązuje: Test: Europa - Stolice^127.0.0.1"))
record = ["Honest Pupil", "Test: Europa - Stolice", "2 min 5 sek", "17", "17", "0", "Celujący (6)"]
honest.sendall(line("2" + "^".join(record) + "^"))
honest.sendall(line("2" + "^".join(record) + "^"))  # a second one is refused
time.sleep(2)

with open(os.path.join(work, "Wyniki.tvw"), "rb") as f:
    stored = f.read()
expected = ("\r\n".join(record) + "\r\n").encode("cp1250")
for k, v in counts.items():
    print("%-34s %d" % (k, v))
print("%-34s %d" % ("records in the teacher's Wyniki.tvw", stored.count(b"\r\n") // 7))
if stored != expected:
    raise SystemExit("hostile lesson: the teacher's results file is not exactly the honest record:\n%r" % stored)
print("hostile lesson: only the honest result was stored, once")
# The teacher's log of what was refused, for a look.
xdo("windowactivate", "--sync", win)
xdo("key", "ctrl+Tab", "ctrl+Tab")
time.sleep(1)
subprocess.run(["import", "-window", "root", os.environ.get("SHOT", "/tmp/terravia-hostile.png")], check=True)
PY
