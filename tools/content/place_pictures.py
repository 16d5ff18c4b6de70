#!/usr/bin/env python3
"""The pictures and the names file of the place game.

Each place is drawn by one module in places/ (m00_golden_gate.py …
m34_venice.py): its NAME is the answer the game expects and its draw()
returns the picture as SVG.  This writes data/m0.jpg … data/m34.jpg
(600 x 600, rendered by rsvg-convert, turned into JPEG by ImageMagick) and
data/Miasta.dat (the names in picture order, Windows-1250, CR LF).

    place_pictures.py [--data DIR] [--only 0,7] [--svg DIR]

--svg DIR also keeps the SVG text of every picture there, for a reviewer.
The same sources and tool versions give the same bytes.
"""
import argparse
import importlib
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.join(HERE, "places")
REPO = os.path.dirname(os.path.dirname(HERE))
CONVERT = "/usr/bin/convert"   # /usr/local/bin may hold a stand-in of the same name
SIZE = 600
COUNT = 35
NAMES_FILE = "Miasta.dat"


def picture_name(n, scale=1):
    return f"m{n}.jpg" if scale == 1 else f"m{n}@{scale}x.jpg"


def sights():
    """The drawing modules in picture order."""
    if SOURCES not in sys.path:
        sys.path.insert(0, SOURCES)
    mods = sorted(f[:-3] for f in os.listdir(SOURCES)
                  if f.startswith("m") and f[1:3].isdigit() and f.endswith(".py"))
    out = [importlib.import_module(m) for m in mods]
    numbers = [int(m[1:3]) for m in mods]
    if numbers != list(range(COUNT)):
        raise SystemExit(f"place_pictures: expected m00 … m{COUNT - 1:02d} in places/, found {mods}")
    return out


def render(svg_text, jpg, work, scale=1):
    svg = os.path.join(work, "p.svg")
    png = os.path.join(work, "p.png")
    with open(svg, "w", encoding="utf-8") as f:
        f.write(svg_text)
    subprocess.run(["rsvg-convert", "-w", str(SIZE * scale), "-h", str(SIZE * scale), "-f", "png", "-o", png, svg],
                   check=True)
    # 4:4:4 keeps the sharp colour edges of a flat drawing free of fringes;
    # -strip leaves no time stamps or tool names in the file.
    subprocess.run([CONVERT, png, "-background", "white", "-flatten", "-strip",
                    "-colorspace", "sRGB", "-quality", "90", "-sampling-factor", "1x1",
                    "-interlace", "none", jpg], check=True)


def write_names(data, names):
    with open(os.path.join(data, NAMES_FILE), "wb") as f:
        f.write(("\r\n".join(names) + "\r\n").encode("cp1250"))


def build_all(data, only=(), svg_dir=None, scales=(1,)):
    mods = sights()
    with tempfile.TemporaryDirectory(prefix="terravia-places-") as work:
        for n, m in enumerate(mods):
            if only and n not in only:
                continue
            text = m.draw()
            if svg_dir:
                with open(os.path.join(svg_dir, f"m{n}.svg"), "w", encoding="utf-8") as f:
                    f.write(text)
            for scale in scales:
                render(text, os.path.join(data, picture_name(n, scale)), work, scale)
    write_names(data, [m.NAME for m in mods])
    print(f"build: {COUNT} place pictures and {NAMES_FILE} written", flush=True)


def check(data):
    """What the game would trip over in data/: a missing or wrongly sized
    picture, a names file that is not the expected list."""
    import verify
    errs = []
    present = {f.lower(): f for f in os.listdir(data)}
    for n in range(COUNT):
        name = picture_name(n)
        if name not in present:
            errs.append(f"{name}: missing")
            continue
        size = verify.jpeg_size(os.path.join(data, present[name]))
        if size != (SIZE, SIZE):
            errs.append(f"{name}: {size} is not a {SIZE}x{SIZE} JPEG")
    if NAMES_FILE.lower() not in present:
        errs.append(f"{NAMES_FILE}: missing")
    else:
        lines = verify.read_dos(os.path.join(data, present[NAMES_FILE.lower()]), errs)
        if lines != [m.NAME for m in sights()]:
            errs.append(f"{NAMES_FILE}: not the {COUNT} place names in order")
    return errs


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--data", default=os.path.join(REPO, "data"))
    ap.add_argument("--only", default="")
    ap.add_argument("--svg", default="")
    ap.add_argument("--scale", choices=("1", "2", "both"), default="both")
    a = ap.parse_args()
    only = {int(v) for v in a.only.split(",") if v}
    os.makedirs(a.data, exist_ok=True)
    if a.svg:
        os.makedirs(a.svg, exist_ok=True)
    build_all(a.data, only, a.svg or None, (1, 2) if a.scale == "both" else (int(a.scale),))
    errs = check(a.data)
    if errs:
        sys.stderr.write("place_pictures: the pictures do not check:\n  " + "\n  ".join(errs) + "\n")
        sys.exit(1)


if __name__ == "__main__":
    sys.dont_write_bytecode = True
    main()
