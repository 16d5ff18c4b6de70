"""Shared files of the content pack: sounds, grade icons and CZYTAJTO.txt.

Sounds come from sox (16-bit PCM: Qt Multimedia will not play sox's default
32-bit WAV), icons from small SVG drawings through rsvg-convert and
ImageMagick, the read-me from assets/CZYTAJTO.txt (kept in UTF-8 here,
written as Windows-1250 with CR LF like every text file the program reads).
"""
import os
import subprocess
import tempfile

CONVERT = "/usr/bin/convert"
RATE = "22050"


def sox(*args):
    # -R: repeatable random numbers, -D: no dither, so the bytes never change
    subprocess.run(["sox", "-R", "-D", *args], check=True)


def tone(path, secs, *synth, fx=()):
    sox("-n", "-b", "16", "-e", "signed-integer", "-r", RATE, "-c", "1", path,
        "synth", str(secs), *synth, *fx)


def make_sounds(data, work):
    # drop: a short, soft falling "plop"
    tone(os.path.join(data, "Ups.wav"), 0.14, "sine", "740-330",
         fx=("fade", "q", "0.004", "0.14", "0.10", "vol", "0.45"))

    # fanfare: a rising major arpeggio ending on a held chord
    parts = []
    for k, (note, secs) in enumerate([("G4", 0.13), ("C5", 0.13), ("E5", 0.13), ("G5", 0.22)]):
        p = os.path.join(work, f"n{k}.wav")
        tone(p, secs, "sawtooth", note, fx=("lowpass", "2200", "fade", "q", "0.01", str(secs), "0.03",
                                             "vol", "0.5"))
        parts.append(p)
    chord = os.path.join(work, "chord.wav")
    sox("-n", "-b", "16", "-e", "signed-integer", "-r", RATE, "-c", "1", chord,
        "synth", "0.7", "sawtooth", "C5", "sawtooth", "E5", "sawtooth", "G5", "sawtooth", "C6",
        "remix", "-", "lowpass", "2200", "fade", "q", "0.01", "0.7", "0.35", "vol", "0.3")
    parts.append(chord)
    sox(*parts, "-b", "16", "-e", "signed-integer", os.path.join(data, "Cel.wav"))


def _face(colour, dark, mouth):
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
<circle cx="24" cy="24" r="21.5" fill="{colour}" stroke="{dark}" stroke-width="3"/>
<ellipse cx="17" cy="19" rx="3" ry="4" fill="{dark}"/>
<ellipse cx="31" cy="19" rx="3" ry="4" fill="{dark}"/>
{mouth.format(dark=dark)}
</svg>"""


ICONS = {
    # top grade: a gold star on a blue disc
    "celujacy": """<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
<circle cx="24" cy="24" r="22" fill="#1f5fbf" stroke="#0b2f66" stroke-width="2.5"/>
<polygon points="24,6 29,18.5 42,19 32,27.5 35.5,40.5 24,33 12.5,40.5 16,27.5 6,19 19,18.5"
 fill="#ffd21f" stroke="#a36d00" stroke-width="1.8" stroke-linejoin="round"/>
</svg>""",
    # good grades: a green smile
    "bdb": _face("#5cc85c", "#15561a",
                 '<path d="M13 28 Q24 40 35 28" fill="none" stroke="{dark}" stroke-width="3.5" '
                 'stroke-linecap="round"/>'),
    # fair: a yellow straight face
    "dst": _face("#ffd23a", "#7a5a00",
                 '<path d="M14 32 L34 32" fill="none" stroke="{dark}" stroke-width="3.5" '
                 'stroke-linecap="round"/>'),
    # poor: a red frown
    "ndst": _face("#ef5b4c", "#6e130b",
                  '<path d="M13 36 Q24 25 35 36" fill="none" stroke="{dark}" stroke-width="3.5" '
                  'stroke-linecap="round"/>'),
}


def make_icons(data, work):
    for name, svg in ICONS.items():
        src = os.path.join(work, name + ".svg")
        with open(src, "w", encoding="ascii") as f:
            f.write(svg)
        pngs = []
        for size in (16, 24, 32, 48):
            png = os.path.join(work, f"{name}{size}.png")
            subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", png, src],
                           check=True)
            pngs.append(png)
        subprocess.run([CONVERT, *pngs, "-strip", os.path.join(data, name + ".ico")], check=True)


def make_readme(data, here):
    with open(os.path.join(here, "assets", "CZYTAJTO.txt"), encoding="utf-8") as f:
        text = f.read()
    lines = text.rstrip("\n").split("\n")
    with open(os.path.join(data, "CZYTAJTO.txt"), "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1250"))


def build_all(data, here):
    with tempfile.TemporaryDirectory(prefix="terravia-assets-") as work:
        make_sounds(data, work)
        make_icons(data, work)
    make_readme(data, here)
    print("build: sounds, icons and CZYTAJTO.txt written", flush=True)
