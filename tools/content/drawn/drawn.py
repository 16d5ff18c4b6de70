#!/usr/bin/env python3
"""The picture tests of "Różne pytania": peaks, flags and landscapes.

These tests are pictures, not maps: a drawing of famous peaks whose heights
the pupil drags onto them, grids of flags with the countries' names, and
two landscapes with the geographic terms.  Each is described by a table in
tests/ and drawn as SVG, rendered by rsvg-convert and saved as JPEG, next
to the configuration and description files in the data directory, in the
same format as the map tests.

    drawn.py [--only RG,RF] [--key DIR] [--data DIR]
    drawn.py --derive-flags SVG_COUNTRY_FLAGS_PACKAGE_DIR

build.py calls build_all() after the maps; running this file alone draws
only these tests.  --derive-flags copies the flags the tables name (and a
note of their licence) from an unpacked npm package svg-country-flags into
flags/.

The bytes of every output depend only on the inputs and the pinned tool
versions: SVG text is written in a fixed order, the flags are rendered one
by one at their final pixel size, and the JPEG step is the maps' own.
"""
import argparse
import base64
import math
import os
import random
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CONTENT = os.path.dirname(HERE)
REPO = os.path.dirname(os.path.dirname(CONTENT))
if CONTENT not in sys.path:
    sys.path.insert(0, CONTENT)

import markers  # noqa: E402
import verify  # noqa: E402

CONVERT = "/usr/bin/convert"   # /usr/local/bin may hold a stand-in of the same name
BOX_W, BOX_H = verify.BOX_W, verify.BOX_H

# The test window shows pictures up to this size whole, without scrolling.
MAX_W, MAX_H = verify.MAP_W, verify.MAP_H
WIDTH, HEIGHT = 1130, 520
# The two landscapes were drawn 1150 wide; they are scaled down to fit.
DRAWN_WIDTH = 1150
SCALE = WIDTH / DRAWN_WIDTH

# The program writes marker labels in this font at 11 pixels.
MARKER_FONT = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"

# Chain 7 holds 120 markers; its one map test, "Państwa i Stolice", takes 16
# of them, these pictures the rest.
DRAWN_TOTAL = 104

BOX_GAP = 3        # free space between two boxes
ANCHOR_R = 6       # no box may come this close to a point a box refers to


def die(msg):
    sys.stderr.write("drawn: " + msg + "\n")
    sys.exit(1)


# ---------------------------------------------------------------- tables

class Test:
    pass


def read_table(path):
    t = Test()
    t.opts, t.rows = {}, []
    section = "head"
    with open(path, encoding="utf-8") as f:
        for ln, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if line.strip() == "[items]":
                section = "items"
            elif section == "head":
                if "=" not in line:
                    die(f"{path}:{ln}: expected key = value")
                k, v = line.split("=", 1)
                t.opts[k.strip()] = v.strip()
            else:
                t.rows.append([c.strip() for c in line.split("|")])
    for key in ("file", "picture", "kind"):
        if key not in t.opts:
            die(f"{path}: missing '{key}'")
    t.file, t.picture, t.kind = t.opts["file"], t.opts["picture"], t.opts["kind"]
    if t.kind not in DRAWERS:
        die(f"{path}: unknown kind '{t.kind}'")
    t.names = [r[0] for r in t.rows]
    return t


def all_tables():
    tdir = os.path.join(HERE, "tests")
    return [read_table(os.path.join(tdir, f)) for f in sorted(os.listdir(tdir)) if f.endswith(".txt")]


def point(text):
    x, y = text.split(",")
    return float(x), float(y)


# ---------------------------------------------------------------- SVG helpers

def esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")


def f2(v):
    return f"{v:.1f}".rstrip("0").rstrip(".")


def poly(pts):
    return " ".join(f"{f2(x)},{f2(y)}" for x, y in pts)


def svg_doc(body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
            f'viewBox="0 0 {WIDTH} {HEIGHT}">\n<defs>\n{defs}</defs>\n{body}</svg>\n')


def render(svg_text, png, work, width=None, height=None, zoom=1):
    src = os.path.join(work, os.path.basename(png)[:-4] + ".svg")
    with open(src, "w", encoding="utf-8") as f:
        f.write(svg_text)
    args = ["rsvg-convert"]
    if width:
        args += ["-w", str(width), "-h", str(height)]
    if zoom != 1:
        # the same drawing, every line and letter at the zoom's size
        args += ["-z", str(zoom)]
    subprocess.run(args + ["-o", png, src], check=True)


def text_width(name):
    """Width in pixels of the name in the program's marker font."""
    p = subprocess.run([CONVERT, "-font", MARKER_FONT, "-density", "72", "-pointsize", "11",
                        "label:" + name.replace("%", "%%").replace("@", "\\@"),
                        "-format", "%w", "info:"], capture_output=True, text=True, check=True)
    return int(p.stdout.strip())


# ---------------------------------------------------------------- flags

# Five flags a row, three rows; each flag on a card with its box below it,
# so that no box seems to belong to the flag under it.  The grid starts
# below the band the program's hint panel covers at the top right.
FLAG_COLS, FLAG_TOP, FLAG_PITCH = 5, 42, 159
CARD_PAD = 6
FLAG_CELL = WIDTH / FLAG_COLS
# Every flag keeps its own proportions and is fitted, centred, into the
# same space on its card: as wide as most of the column allows, as high as
# the row leaves above the box.  A square or tall flag is then as high as a
# 2:3 one, a long one as wide.
FLAG_W = int(FLAG_CELL * 0.73)
FLAG_H = FLAG_PITCH - 2 * CARD_PAD - 6 - BOX_H - 5
CARD_W = FLAG_W + 4 * CARD_PAD
# Flags that are not rectangles get no frame round their bounding box.
SHAPED = {"np"}


def flag_ratio(text):
    """Width over height of a ratio written as height : width."""
    h, w = (float(v) for v in text.split(":"))
    return w / h


def flag_size(ratio, box_w=None, box_h=None):
    """The flag's size fitted into the space; which side binds it."""
    box_w, box_h = box_w or FLAG_W, box_h or FLAG_H
    if ratio >= box_w / box_h:
        return box_w, box_w / ratio, "w"
    return box_h * ratio, box_h, "h"


def flag_layout(n):
    cells = []
    for k in range(n):
        row, col = divmod(k, FLAG_COLS)
        cx = FLAG_CELL * (col + 0.5)
        y = FLAG_TOP + row * FLAG_PITCH + CARD_PAD
        box = (int(round(cx - BOX_W / 2)), y + FLAG_H + 6)
        card = (int(round(cx - CARD_W / 2)), y - CARD_PAD, CARD_W, FLAG_H + BOX_H + 6 + 2 * CARD_PAD)
        cells.append(((cx, y), box, card))
    return cells


def render_flag(t, code, ratio, png, scale=1):
    """The flag drawn at its final size, with the side that does not bind it
    left to the drawing's own proportions; these must be the table's.  For a
    sharper picture it is drawn again at that many times the size found, so
    it covers the very same place on the card."""
    src = os.path.join(HERE, "flags", code + ".svg")
    if not os.path.exists(src):
        die(f"{t.file}: no flag '{code}' in flags/ (drawn.py --derive-flags)")
    w, h, binds = flag_size(ratio)
    side = ["-w", str(int(round(w)))] if binds == "w" else ["-h", str(int(round(h)))]
    subprocess.run(["rsvg-convert"] + side + ["-o", png, src], check=True)
    pw, ph = image_size(png)
    if abs(pw - w) > 1 or abs(ph - h) > 1:
        die(f"{t.file}: flag '{code}' is drawn {pw}x{ph}, its proportions want "
            f"{w:.1f}x{h:.1f}")
    if scale != 1:
        subprocess.run(["rsvg-convert", "-w", str(pw * scale), "-h", str(ph * scale), "-o", png, src],
                       check=True)
    return pw, ph


def draw_flags(t, work, scale=1):
    codes = [r[1] for r in t.rows]
    for r in t.rows:
        if len(r) < 3:
            die(f"{t.file}: no proportions for the flag of '{r[0]}'")
    layout = flag_layout(len(codes))
    defs = ('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#eef3f8"/><stop offset="1" stop-color="#dbe5ef"/>'
            '</linearGradient>\n')
    body = [f'<rect width="{WIDTH}" height="{HEIGHT}" fill="url(#bg)"/>\n']
    items = []
    for row, ((cx, y), box, (kx, ky, kw, kh)) in zip(t.rows, layout):
        name, code, ratio = row[0], row[1], flag_ratio(row[2])
        body.append(f'<rect x="{kx + 2}" y="{ky + 3}" width="{kw}" height="{kh}" rx="8" '
                    f'fill="#1d2a3a" fill-opacity="0.12"/>\n'
                    f'<rect x="{kx + 0.5}" y="{ky + 0.5}" width="{kw - 1}" height="{kh - 1}" rx="8" '
                    f'fill="#ffffff" stroke="#b4c0cc" stroke-width="1"/>\n')
        png = os.path.join(work, f"flag_{code}.png")
        fw, fh = render_flag(t, code, ratio, png, scale)
        fx, fy = int(round(cx - fw / 2)), y + (FLAG_H - fh) // 2
        with open(png, "rb") as f:
            data = base64.b64encode(f.read()).decode("ascii")
        body.append(f'<image x="{fx}" y="{fy}" width="{fw}" height="{fh}" '
                    f'href="data:image/png;base64,{data}"/>\n')
        if code not in SHAPED:
            # a thin frame, so that a white edge does not melt into the card
            body.append(f'<rect x="{fx + 0.5}" y="{fy + 0.5}" width="{fw - 1}" '
                        f'height="{fh - 1}" fill="none" stroke="#6b7685" stroke-width="1"/>\n')
        items.append((name, (fx + fw / 2, fy + fh / 2), box, code))
    return svg_doc("".join(body), defs), items


# ---------------------------------------------------------------- peaks

# Two rows of eight peaks, each standing on its row's ground line with its
# box below it.  Every peak is drawn to the same height and the rows are not
# sorted: drawn to scale, the pupil could rank the drawings instead of
# knowing the heights.  Shapes tell the peaks apart, not their sizes.
PEAK_COLS = 8
ROW_H = 260
GROUND = 222          # ground line within a row
# the drawn height of every peak: its name stays clear of the hint panel
# and of the note between the rows
PEAK_PX = 150
# Half the foot's width as a share of the column, by shape: a lone horn is
# narrow, a volcano or a worn dome broad for its height.
SPREAD = {"himal": 0.40, "massif": 0.47, "cone": 0.52, "kibo": 0.52, "horn": 0.36,
          "twin": 0.45, "rocky": 0.44, "dome": 0.52}
SHAPES = ("himal", "massif", "cone", "kibo", "horn", "twin", "rocky", "dome")


def peak_outline(shape, cx, base, h, hw, rng):
    """The silhouette of a mountain, left foot to right foot."""
    top = base - h
    if shape == "cone":
        # a volcano: straight concave flanks and a small flat crater rim
        pts = [(cx - hw, base)]
        for k in range(1, 8):
            f = k / 8
            pts.append((cx - hw + (hw - 7) * f, base - h * (f ** 1.8)))
        pts += [(cx - 7, top + 1), (cx - 3, top), (cx + 3, top), (cx + 7, top + 1)]
        for k in range(7, 0, -1):
            f = k / 8
            pts.append((cx + hw - (hw - 7) * f, base - h * (f ** 1.8)))
        return pts + [(cx + hw, base)]
    if shape == "kibo":
        # a broad volcano with a wide flat top
        return [(cx - hw, base), (cx - hw * 0.7, base - h * 0.25), (cx - hw * 0.45, base - h * 0.7),
                (cx - hw * 0.3, top + 3), (cx - hw * 0.05, top), (cx + hw * 0.25, top + 2),
                (cx + hw * 0.4, base - h * 0.75), (cx + hw * 0.6, base - h * 0.45),
                (cx + hw, base)]
    if shape == "dome":
        # an old worn hill: a bell, rounded on top and spreading at the foot
        pts = []
        for k in range(0, 25):
            u = 2 * k / 24 - 1
            pts.append((cx + hw * u, base - h * (math.exp(-4.5 * u * u) - math.exp(-4.5))
                        / (1 - math.exp(-4.5))))
        return pts
    if shape == "horn":
        # a lone, hooked pyramid
        return [(cx - hw, base), (cx - hw * 0.62, base - h * 0.3), (cx - hw * 0.4, base - h * 0.5),
                (cx - hw * 0.3, base - h * 0.72), (cx - hw * 0.12, base - h * 0.9), (cx - 2, top + 3),
                (cx + 3, top), (cx + 8, top + 5), (cx + hw * 0.2, base - h * 0.7),
                (cx + hw * 0.45, base - h * 0.42), (cx + hw * 0.7, base - h * 0.2), (cx + hw, base)]
    if shape == "twin":
        # two summits, the west one a little higher
        return [(cx - hw, base), (cx - hw * 0.55, base - h * 0.5), (cx - hw * 0.3, base - h * 0.85),
                (cx - hw * 0.12, top), (cx + hw * 0.05, base - h * 0.86),
                (cx + hw * 0.2, base - h * 0.97), (cx + hw * 0.45, base - h * 0.7),
                (cx + hw, base)]
    if shape == "rocky":
        # a granite ridge: teeth and notches on both sides of the top
        j = [rng.uniform(-0.04, 0.04) for _ in range(6)]
        return [(cx - hw, base), (cx - hw * 0.72, base - h * (0.35 + j[0])),
                (cx - hw * 0.55, base - h * (0.5 + j[1])), (cx - hw * 0.42, base - h * 0.44),
                (cx - hw * 0.25, base - h * (0.78 + j[2])), (cx - hw * 0.14, base - h * 0.72),
                (cx, top), (cx + hw * 0.16, base - h * (0.8 + j[3])),
                (cx + hw * 0.3, base - h * 0.66), (cx + hw * 0.45, base - h * (0.7 + j[4])),
                (cx + hw * 0.62, base - h * 0.42), (cx + hw * 0.78, base - h * (0.3 + j[5])),
                (cx + hw, base)]
    # jagged ridges rising to one summit, with lower tops on the shoulders
    jag = {"himal": 0.08, "massif": 0.05}[shape]
    sx = cx + rng.uniform(-0.12, 0.12) * hw
    left, right = [], []
    n = 6
    for k in range(1, n):
        f = k / n
        y = base - h * (f ** 1.15) * (1 - rng.uniform(0, jag) * (1 - f) * 4)
        left.append((cx - hw + (sx - (cx - hw)) * f, y))
        y = base - h * (f ** 1.25) * (1 - rng.uniform(0, jag) * (1 - f) * 4)
        right.append((cx + hw - ((cx + hw) - sx) * f, y))
    return [(cx - hw, base)] + left + [(sx, top)] + right[::-1] + [(cx + hw, base)]


def draw_peaks(t, work, scale=1):
    rows = t.rows
    heights = [int(r[0].split()[0]) for r in rows]
    if len(set(heights)) != len(heights):
        die(f"{t.file}: two peaks share a height")
    cell = WIDTH / PEAK_COLS
    defs = ('<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#9fcdf0"/><stop offset="0.75" stop-color="#e4f2fb"/>'
            '<stop offset="1" stop-color="#f6fbfd"/></linearGradient>\n'
            '<linearGradient id="ground" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#7d9a5a"/><stop offset="1" stop-color="#5f7d45"/>'
            '</linearGradient>\n')
    body = [f'<rect width="{WIDTH}" height="{HEIGHT}" fill="#f2f5f7"/>\n']
    items = []
    for r in range(2):
        y0 = r * ROW_H
        body.append(f'<rect x="4" y="{y0 + 4}" width="{WIDTH - 8}" height="{ROW_H - 8}" rx="10" '
                    f'fill="url(#sky)" stroke="#8aa3b8" stroke-width="1"/>\n')
    for k, (row, h_m) in enumerate(zip(rows, heights)):
        label, peak, where, shape, snow, colour = row[:6]
        green = row[6] if len(row) > 6 else ""
        if shape not in SHAPES:
            die(f"{t.file}: unknown shape '{shape}' for {peak}")
        r, c = divmod(k, PEAK_COLS)
        base = r * ROW_H + GROUND
        cx = cell * (c + 0.5)
        h = PEAK_PX
        hw = cell * SPREAD[shape]
        rng = random.Random(peak)
        pts = peak_outline(shape, cx, base, h, hw, rng)
        top = min(y for _, y in pts)
        sx = [x for x, y in pts if y == top][0]
        cid = f"m{k}"
        defs += f'<clipPath id="{cid}"><polygon points="{poly(pts)}"/></clipPath>\n'
        body.append(f'<polygon points="{poly(pts)}" fill="{colour}" stroke="#3d342c" '
                    f'stroke-width="1.2" stroke-linejoin="round"/>\n')
        # the lee side in shade: from the summit down to the right foot
        shade = [(sx, top), (sx + hw * 0.15, base - h * 0.5), (sx - hw * 0.05, base),
                 (cx + hw + 2, base + 2), (cx + hw + 2, top - 2)]
        body.append(f'<polygon points="{poly(shade)}" fill="#1f1a16" fill-opacity="0.22" '
                    f'clip-path="url(#{cid})"/>\n')
        if green and float(green) > 0:
            # forest and meadows on the lower slopes
            gl = base - h * float(green)
            belt = [(cx - hw - 2, base + 2), (cx - hw - 2, gl)]
            for j in range(1, 12):
                belt.append((cx - hw + 2 * hw * j / 12, gl + (-3 if j % 2 else 2)))
            belt += [(cx + hw + 2, gl), (cx + hw + 2, base + 2)]
            body.append(f'<polygon points="{poly(belt)}" fill="#5d8a3e" fill-opacity="0.85" '
                        f'clip-path="url(#{cid})"/>\n')
            body.append(f'<polygon points="{poly(shade)}" fill="#1f1a16" fill-opacity="0.15" '
                        f'clip-path="url(#{cid})"/>\n')
        frac = float(snow)
        if frac > 0:
            line = top + h * frac
            wave = [(cx - hw - 2, line)]
            for j in range(1, 12):
                x = cx - hw + 2 * hw * j / 12
                wave.append((x, line + (5 if j % 2 else -3) * min(1.0, h / 120)))
            wave += [(cx + hw + 2, line), (cx + hw + 2, top - 3), (cx - hw - 2, top - 3)]
            body.append(f'<polygon points="{poly(wave)}" fill="#ffffff" clip-path="url(#{cid})"/>\n')
            body.append(f'<polygon points="{poly(shade)}" fill="#6d87a8" fill-opacity="0.28" '
                        f'clip-path="url(#{cid})"/>\n')
            body.append(f'<polygon points="{poly(pts)}" fill="none" stroke="#3d342c" '
                        f'stroke-width="1.2" stroke-linejoin="round"/>\n')
        # the name on the picture, and where the peak is
        ty = top - 19
        body.append(f'<text x="{f2(sx)}" y="{f2(ty)}" text-anchor="middle" '
                    f'font-family="Liberation Sans" font-weight="bold" font-size="13" '
                    f'fill="#1b2633" stroke="#f6fbfd" stroke-width="3" paint-order="stroke">'
                    f'{esc(peak)}</text>\n')
        body.append(f'<text x="{f2(sx)}" y="{f2(ty + 12)}" text-anchor="middle" '
                    f'font-family="Liberation Sans" font-size="10.5" fill="#34495e" '
                    f'stroke="#f6fbfd" stroke-width="3" paint-order="stroke">{esc(where)}</text>\n')
        body.append(f'<polygon points="{poly([(sx - 3, top - 5), (sx + 3, top - 5), (sx, top - 1)])}" '
                    f'fill="#1b2633"/>\n')
        box = (int(round(cx - BOX_W / 2)), base + 4)
        items.append((label, (sx, top), box, peak))
    for r in range(2):
        y0 = r * ROW_H
        body.append(f'<path d="M5 {y0 + GROUND} H{WIDTH - 5} V{y0 + ROW_H - 14} '
                    f'a10 10 0 0 1 -10 10 H15 a10 10 0 0 1 -10 -10 Z" fill="url(#ground)"/>\n')
        body.append(f'<line x1="5" y1="{y0 + GROUND}" x2="{WIDTH - 5}" y2="{y0 + GROUND}" '
                    f'stroke="#3f5a2c" stroke-width="1.5"/>\n')
    body.append(f'<text x="{WIDTH // 2}" y="{ROW_H + 18}" text-anchor="middle" '
                f'font-family="Liberation Sans" font-style="italic" font-size="12" fill="#2c3e50">'
                f'Rysunki nie pokazują prawdziwych wysokości gór</text>\n')
    return svg_doc("".join(body), defs), items


# ---------------------------------------------------------------- landscapes

def draw_landscape(t, work, scale=1):
    """A committed drawing with a leader from each box to its feature."""
    with open(os.path.join(HERE, t.opts["source"]), encoding="utf-8") as f:
        src = f.read()
    # The drawing keeps its own coordinates inside a scaled group; the boxes
    # and the points of the table are scaled with it.
    head_end = src.index(">", src.index("<svg")) + 1
    height = round(HEIGHT * SCALE)
    src = (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="{WIDTH}" height="{height}" '
           f'viewBox="0 0 {WIDTH} {height}">\n<g transform="scale({SCALE:.6f})">'
           + src[head_end:src.rindex("</svg>")] + "</g>\n</svg>\n")
    items, over = [], []
    for row in t.rows:
        name, at, box = row[0], point(row[1]), point(row[2])
        at = (at[0] * SCALE, at[1] * SCALE)
        bx, by = round(box[0] * SCALE), round(box[1] * SCALE)
        items.append((name, at, (bx, by), row[3] if len(row) > 3 else ""))
        q = (min(max(at[0], bx), bx + BOX_W), min(max(at[1], by), by + BOX_H))
        if math.hypot(q[0] - at[0], q[1] - at[1]) > ANCHOR_R + 2:
            seg = f'x1="{f2(q[0])}" y1="{f2(q[1])}" x2="{f2(at[0])}" y2="{f2(at[1])}"'
            over.append(f'<line {seg} stroke="#ffffff" stroke-width="4" stroke-linecap="round"/>\n'
                        f'<line {seg} stroke="#16213a" stroke-width="1.6" stroke-linecap="round"/>\n')
        over.append(f'<circle cx="{f2(at[0])}" cy="{f2(at[1])}" r="4" fill="#d62728" '
                    f'stroke="#ffffff" stroke-width="1.5"/>\n')
    end = src.rindex("</svg>")
    return src[:end] + '<g id="wskazniki">\n' + "".join(over) + "</g>\n" + src[end:], items


DRAWERS = {"flags": draw_flags, "peaks": draw_peaks, "landscape": draw_landscape}


# ---------------------------------------------------------------- checks

def check_layout(t, items, size):
    errs = []
    w, h = size
    if w != WIDTH or h > HEIGHT or w > MAX_W or h > MAX_H:
        errs.append(f"{t.file}: picture is {w}x{h}, expected {WIDTH} wide and at most {HEIGHT} high")
    panel = verify.hint_panel(w)
    boxes = [it[2] for it in items]
    for (name, at, (x, y), _what) in items:
        if x < 0 or y < 0 or x + BOX_W > w or y + BOX_H > h:
            errs.append(f"{t.file}: the box of '{name}' leaves the picture")
        if x < panel[2] and panel[0] < x + BOX_W and y < panel[3] and panel[1] < y + BOX_H:
            errs.append(f"{t.file}: the box of '{name}' lies under the hint panel")
        for (other, pt, _b, _w) in items:
            d = math.hypot(max(x - pt[0], 0, pt[0] - x - BOX_W), max(y - pt[1], 0, pt[1] - y - BOX_H))
            if d < ANCHOR_R:
                errs.append(f"{t.file}: the box of '{name}' hides the point of '{other}'")
    for a in range(len(boxes)):
        for b in range(a + 1, len(boxes)):
            (xa, ya), (xb, yb) = boxes[a], boxes[b]
            if (xa < xb + BOX_W + BOX_GAP and xb < xa + BOX_W + BOX_GAP
                    and ya < yb + BOX_H + BOX_GAP and yb < ya + BOX_H + BOX_GAP):
                errs.append(f"{t.file}: the boxes of '{items[a][0]}' and '{items[b][0]}' touch")
    return errs


def check_names(tables):
    errs = []
    for t in tables:
        errs += verify.check_names(t.file, t.names)
        for n in t.names:
            w = text_width(n)
            if w > verify.MAX_NAME_PX:
                errs.append(f"{t.file}: '{n}' is {w} px wide in the marker font (max {verify.MAX_NAME_PX})")
    flags = [r[1] for t in tables if t.kind == "flags" for r in t.rows]
    if len(set(flags)) != len(flags):
        errs.append("a flag is asked twice")
    total = sum(len(t.names) for t in tables)
    if total != DRAWN_TOTAL:
        errs.append(f"the picture tests hold {total} markers, must be {DRAWN_TOTAL}")
    return errs


# ---------------------------------------------------------------- output

def dos_lines(lines):
    return ("\r\n".join(lines) + "\r\n").encode("cp1250")


def write_test(t, items, data_dir):
    conf = [str(len(items)), t.picture]
    for _n, _a, (x, y), _w in items:
        conf += [str(x), str(y)]
    desc = [f"{name}{markers.answer_number(k)}" for k, (name, _a, _b, _w) in enumerate(items, 1)]
    with open(os.path.join(data_dir, t.file + ".dat"), "wb") as f:
        f.write(dos_lines(conf))
    with open(os.path.join(data_dir, t.file + "_o.dat"), "wb") as f:
        f.write(dos_lines(desc))
    rows = ["nazwa\tco\tpunkt_x\tpunkt_y\tramka_x\tramka_y"]
    for name, (px, py), (x, y), what in items:
        rows.append(f"{name}\t{what}\t{round(px)}\t{round(py)}\t{x}\t{y}")
    with open(os.path.join(CONTENT, "manifest", t.file + ".tsv"), "w", encoding="utf-8",
              newline="\n") as f:
        f.write("\n".join(rows) + "\n")


def image_size(path):
    p = subprocess.run([CONVERT, path, "-format", "%w %h", "info:"],
                       capture_output=True, text=True, check=True)
    w, h = p.stdout.split()
    return int(w), int(h)


def to_jpeg(png, jpg):
    subprocess.run([CONVERT, png, "-strip", "-colorspace", "sRGB", "-quality", "88",
                    "-sampling-factor", "2x2", "-interlace", "none", jpg], check=True)


def answer_key(png, items, out):
    x0, y0, x1, y1 = verify.hint_panel(WIDTH)
    args = [CONVERT, png, "-fill", "none", "-stroke", "#a00000", "-strokewidth", "1",
            "-draw", f"stroke-dasharray 4 3 rectangle {x0},{y0} {x1 - 1},{y1 - 1}",
            "-font", MARKER_FONT, "-density", "72", "-pointsize", "11"]
    for name, _a, (x, y), _w in items:
        args += ["-fill", "#fff6b0", "-stroke", "#000080", "-strokewidth", "1",
                 "-draw", f"rectangle {x},{y} {x + BOX_W - 1},{y + BOX_H - 1}",
                 "-stroke", "none", "-fill", "#000080",
                 "-annotate", f"+{x + 4}+{y + 17}", name.replace("%", "%%")]
    subprocess.run(args + [out], check=True)


def scaled_name(picture, scale):
    if scale == 1:
        return picture
    stem, ext = os.path.splitext(picture)
    return f"{stem}@{scale}x{ext}"


def build_test(t, data_dir, key_dir, work, scales=(1,)):
    """The drawing at each scale: a sharper picture is the same SVG rendered
    at that zoom, its boxes and dots where they are at scale 1."""
    for scale in scales:
        svg, items = DRAWERS[t.kind](t, work, scale)
        if [it[0] for it in items] != t.names:
            die(f"{t.file}: items out of order")
        png = os.path.join(work, t.file + ("" if scale == 1 else f"_{scale}") + ".png")
        render(svg, png, work, zoom=scale)
        w, h = image_size(png)
        if w % scale or h % scale:
            die(f"{t.file}: the picture at scale {scale} is {w}x{h}")
        errs = check_layout(t, items, (w // scale, h // scale))
        if errs:
            die("\n".join(errs))
        to_jpeg(png, os.path.join(data_dir, scaled_name(t.picture, scale)))
        if scale == 1 or 1 not in scales:
            write_test(t, items, data_dir)
        if key_dir and scale == 1:
            answer_key(png, items, os.path.join(key_dir, t.file + "_klucz.png"))


def build_all(data_dir, key_dir="", only=(), scales=(1,)):
    tables = all_tables()
    errs = check_names(tables)
    if errs:
        die("\n".join(errs))
    for t in tables:
        if only and t.file not in only:
            continue
        print(f"build: {t.file} ({len(t.names)} markers, drawn)", flush=True)
        work = tempfile.mkdtemp(prefix="terravia-drawn-")
        try:
            build_test(t, data_dir, key_dir, work, scales)
        finally:
            shutil.rmtree(work, ignore_errors=True)


SVG_NS, XLINK_NS = "http://www.w3.org/2000/svg", "http://www.w3.org/1999/xlink"


def plain_svg(text):
    """The drawing without an editor's metadata: only SVG and XLink remain,
    so that nothing else travels with the flag."""
    import xml.etree.ElementTree as ET
    ET.register_namespace("", SVG_NS)
    ET.register_namespace("xlink", XLINK_NS)
    root = ET.fromstring(text)

    def keep(tag):
        return not tag.startswith("{") or tag.startswith("{" + SVG_NS) or tag.startswith("{" + XLINK_NS)

    for el in list(root.iter()):
        for child in list(el):
            if not keep(child.tag):
                el.remove(child)
        for k in [k for k in el.attrib if not keep(k)]:
            del el.attrib[k]
    return ET.tostring(root, encoding="unicode") + "\n"


def derive_flags(package_dir):
    """Copy the flags the tables ask for from svg-country-flags, whose
    drawings keep each flag's own proportions, and write down their status."""
    import json
    out = os.path.join(HERE, "flags")
    os.makedirs(out, exist_ok=True)
    codes = sorted({r[1] for t in all_tables() if t.kind == "flags" for r in t.rows})
    for code in codes:
        with open(os.path.join(package_dir, "svg", code + ".svg"), encoding="utf-8") as f:
            text = f.read()
        if "sodipodi" in text or "inkscape" in text or "<metadata" in text:
            text = plain_svg(text)
        with open(os.path.join(out, code + ".svg"), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    with open(os.path.join(package_dir, "package.json"), encoding="utf-8") as f:
        meta = json.load(f)
    with open(os.path.join(package_dir, "README.md"), encoding="utf-8") as f:
        readme = f.read()
    start = readme.index("The source files were taken")
    status = " ".join(readme[start:readme.index("\n\n", start)].split())
    with open(os.path.join(out, "LICENSE"), "w", encoding="utf-8", newline="\n") as f:
        f.write(f"The flags in this folder are copied unchanged (an editor's metadata\n"
                f"left out) from the npm package {meta['name']} {meta['version']} by\n"
                f"{meta['author']}, licence \"{meta['license']}\" (public domain).\n"
                f"Its README says:\n\n")
        line = ""
        for word in status.split():
            if len(line) + len(word) + 1 > 72:
                f.write("  " + line + "\n")
                line = word
            else:
                line = f"{line} {word}" if line else word
        f.write("  " + line + "\n")
    for f in os.listdir(out):
        if f.endswith(".svg") and f[:-4] not in codes:
            os.remove(os.path.join(out, f))
    print(f"drawn: {len(codes)} flags copied from {package_dir}")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--only", default="")
    ap.add_argument("--key", default="")
    ap.add_argument("--data", default=os.path.join(REPO, "data"))
    ap.add_argument("--derive-flags", default="")
    ap.add_argument("--scale", choices=("1", "2", "both"), default="both")
    a = ap.parse_args()
    if a.derive_flags:
        derive_flags(a.derive_flags)
        return
    os.makedirs(a.data, exist_ok=True)
    if a.key:
        os.makedirs(a.key, exist_ok=True)
    build_all(a.data, a.key, set(filter(None, a.only.split(","))),
              (1, 2) if a.scale == "both" else (int(a.scale),))


if __name__ == "__main__":
    main()
