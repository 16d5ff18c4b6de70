#!/usr/bin/env python3
"""Draws the seven skins of Terravia and writes them into data/.

For every skin N (1 ... 7) it writes
  skoraN.skn        the skin's description: name, colours, pictures
  skoraN_tlo.jpg    the picture behind the main window (1600 x 1000)
  skoraN_test.jpg   the picture behind the test window's panels (800 x 1200;
                    every motif repeats across 800 pixels, so the picture
                    tiles without a seam from side to side)
and beside the two backgrounds skoraN_tlo@2x.jpg and skoraN_test@2x.jpg, the
same drawings at twice the size for large screens (the program stretches a
background over the window, and takes the sharper one when the window is
larger than the picture); and the preview pictures s1.jpg ... s4.jpg, s6.jpg ... s8.jpg (137 x 185) of
the skins window, which has no s5.jpg: skin 5 shows s6.jpg and so on.

Everything is drawn as SVG here, rendered by rsvg-convert (Debian:
librsvg2-bin) and encoded by ImageMagick (Debian: imagemagick) without
metadata, so the same inputs give the same files. The continents come from
the program's own background picture, src/ui/resources/tlo.svg.

    python3 tools/skins/make_skins.py            # writes into data/
    python3 tools/skins/make_skins.py --out DIR  # elsewhere
"""

import argparse
import math
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
W, H = 1600, 1000        # main window picture
TW, TH = 800, 1200       # test window picture
PW, PH = 137, 185        # preview


def continents():
    """The land and lake outlines of the program's own world picture."""
    with open(os.path.join(ROOT, "src", "ui", "resources", "tlo.svg"), encoding="utf-8") as f:
        svg = f.read()
    paths = re.findall(r'<path d="([^"]+)" fill="(#[0-9a-f]+)" stroke="#d5c5a3"', svg)
    land = [d for d, fill in paths if fill == "#f7f1e3"]
    lakes = [d for d, fill in paths if fill != "#f7f1e3"]
    if not land:
        sys.exit("tlo.svg: no continents found")
    return land[0], lakes


# ---------------------------------------------------------------------------
# Skins: name, colours of the .skn file, and the two pictures.

SKINS = [
    {
        "name": "Ocean",
        "colours": {
            "okno": "#dcebf5", "tekst": "#0c2d48", "pole": "#ffffff", "tekst_pola": "#0c2d48",
            "przycisk": "#c3dced", "tekst_przycisku": "#0c2d48", "wyroznienie": "#1f6fa8",
            "tekst_wyroznienia": "#ffffff", "tytul": "#0b4f8a", "obszar": "#2f6690",
        },
    },
    {
        "name": "Las",
        "colours": {
            "okno": "#e3efdc", "tekst": "#1f3a1a", "pole": "#fbfdf8", "tekst_pola": "#1f3a1a",
            "przycisk": "#c9e0bd", "tekst_przycisku": "#1f3a1a", "wyroznienie": "#3f7d32",
            "tekst_wyroznienia": "#ffffff", "tytul": "#2f6b22", "obszar": "#4d7a43",
        },
    },
    {
        "name": "Pustynia",
        "colours": {
            "okno": "#f5e8cc", "tekst": "#4a3214", "pole": "#fffaf0", "tekst_pola": "#4a3214",
            "przycisk": "#ebd3a4", "tekst_przycisku": "#4a3214", "wyroznienie": "#c2772b",
            "tekst_wyroznienia": "#ffffff", "tytul": "#9a5414", "obszar": "#b98a4e",
        },
    },
    {
        "name": "Zorza polarna",
        "colours": {
            "okno": "#1e2638", "tekst": "#e6ecf7", "pole": "#2a3450", "tekst_pola": "#f2f5fb",
            "przycisk": "#33405f", "tekst_przycisku": "#e6ecf7", "wyroznienie": "#2fbf8f",
            "tekst_wyroznienia": "#0b1220", "tytul": "#7ef2c4", "obszar": "#121827",
        },
    },
    {
        "name": "Stara mapa",
        "colours": {
            "okno": "#efe3c4", "tekst": "#3b2a17", "pole": "#fbf5e4", "tekst_pola": "#3b2a17",
            "przycisk": "#e2d0a6", "tekst_przycisku": "#3b2a17", "wyroznienie": "#8a5a2b",
            "tekst_wyroznienia": "#fff8e8", "tytul": "#7a3e12", "obszar": "#8f7650",
        },
    },
    {
        "name": "Wrzos",
        "colours": {
            "okno": "#ece4f3", "tekst": "#2f2140", "pole": "#fdfbff", "tekst_pola": "#2f2140",
            "przycisk": "#d9cbe8", "tekst_przycisku": "#2f2140", "wyroznienie": "#7b4fa6",
            "tekst_wyroznienia": "#ffffff", "tytul": "#6a3d97", "obszar": "#6e5a86",
        },
    },
    {
        "name": "Grafit",
        "colours": {
            "okno": "#d8dadd", "tekst": "#1d2125", "pole": "#f7f8f9", "tekst_pola": "#1d2125",
            "przycisk": "#c2c6cb", "tekst_przycisku": "#1d2125", "wyroznienie": "#e07a1f",
            "tekst_wyroznienia": "#ffffff", "tytul": "#c7621a", "obszar": "#2b2f34",
        },
    },
]


def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}"><defs>{defs}</defs>{body}</svg>')


def vgrad(gid, stops, x2=0, y2=1):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
    return f'<linearGradient id="{gid}" x1="0" y1="0" x2="{x2}" y2="{y2}">{s}</linearGradient>'


def wave(y, amp, period, phase, width, bottom):
    """A closed band under a sine line, from x=0 to width."""
    pts = []
    for x in range(0, width + 1, 20):
        pts.append(f"{x} {y + amp * math.sin(2 * math.pi * x / period + phase):.1f}")
    return f"M{pts[0]}L" + "L".join(pts[1:]) + f"L{width} {bottom}L0 {bottom}Z"


def ridge(rng, y, rough, width, bottom, step=40):
    """A mountain ridge line closed down to the bottom."""
    pts = []
    h = y
    for x in range(0, width + step, step):
        h = max(y - rough, min(y + rough, h + rng.uniform(-rough / 2, rough / 2)))
        pts.append(f"{x} {h:.1f}")
    return f"M{pts[0]}L" + "L".join(pts[1:]) + f"L{width} {bottom}L0 {bottom}Z"


def loop(cx, cy, r, rng_terms):
    """A closed wobbly contour line around (cx, cy)."""
    pts = []
    for i in range(73):
        t = 2 * math.pi * i / 72
        rr = r * (1 + sum(a * math.sin(k * t + p) for k, a, p in rng_terms))
        pts.append(f"{cx + rr * math.cos(t):.1f} {cy + rr * math.sin(t) * 0.72:.1f}")
    return "M" + "L".join(pts) + "Z"


def stars(rng, n, width, height, colour, rmax=1.6):
    out = []
    for _ in range(n):
        x, y = rng.uniform(0, width), rng.uniform(0, height)
        r = rng.uniform(0.4, rmax)
        o = rng.uniform(0.35, 0.95)
        out.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r:.2f}" fill="{colour}" opacity="{o:.2f}"/>')
    return "".join(out)


def graticule(colour, width, height, step, sw=1, opacity=1.0):
    d = "".join(f"M{x} 0V{height}" for x in range(0, width + 1, step))
    d += "".join(f"M0 {y}H{width}" for y in range(0, height + 1, step))
    return f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{sw}" opacity="{opacity}"/>'


def compass(cx, cy, r, light, dark, line):
    parts = [f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" stroke="{line}" stroke-width="1.5"/>',
             f'<circle cx="{cx}" cy="{cy}" r="{r * 0.86:.1f}" fill="none" stroke="{line}" '
             f'stroke-width="1" stroke-dasharray="2 5"/>']
    for i in range(8):
        a = math.pi / 4 * i
        long = r * (1.35 if i % 2 == 0 else 0.8)
        w = r * 0.13
        tip = (cx + long * math.sin(a), cy - long * math.cos(a))
        left = (cx + w * math.sin(a - math.pi / 2), cy - w * math.cos(a - math.pi / 2))
        right = (cx + w * math.sin(a + math.pi / 2), cy - w * math.cos(a + math.pi / 2))
        parts.append(f'<path d="M{cx} {cy}L{left[0]:.1f} {left[1]:.1f}L{tip[0]:.1f} {tip[1]:.1f}Z" fill="{light}" '
                     f'stroke="{line}" stroke-width="0.8"/>')
        parts.append(f'<path d="M{cx} {cy}L{right[0]:.1f} {right[1]:.1f}L{tip[0]:.1f} {tip[1]:.1f}Z" fill="{dark}" '
                     f'stroke="{line}" stroke-width="0.8"/>')
    return "".join(parts)


def globe(cx, cy, r, colour, accent):
    parts = [f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" stroke="{accent}" stroke-width="2.5" opacity="0.8"/>']
    for i in range(1, 6):
        parts.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{r * abs(math.sin(math.pi / 12 * i)):.1f}" ry="{r}" '
                     f'fill="none" stroke="{colour}" stroke-width="1.2" opacity="0.7"/>')
    for i in range(-5, 6):
        lat = math.pi / 12 * i
        y = cy - r * math.sin(lat)
        half = r * math.cos(lat)
        parts.append(f'<ellipse cx="{cx}" cy="{y:.1f}" rx="{half:.1f}" ry="{half * 0.18:.1f}" fill="none" '
                     f'stroke="{colour}" stroke-width="1.2" opacity="0.7"/>')
    parts.append(f'<path d="M{cx} {cy - r}V{cy + r}" stroke="{colour}" stroke-width="1.2" opacity="0.7"/>')
    return "".join(parts)


# ---------------------------------------------------------------------------
# The pictures of each skin. main(rng, land, lakes) -> (defs, body) at W x H;
# test(rng) -> (defs, body) at TW x TH.

def ocean_main(rng, land, lakes):
    defs = vgrad("sky", [(0, "#8fc3e6"), (0.55, "#3f86bd"), (1, "#174a78")])
    body = '<rect width="1600" height="1000" fill="url(#sky)"/>'
    body += graticule("#ffffff", W, H, 100, 1, 0.10)
    body += (f'<path d="{land}" fill="#ffffff" fill-opacity="0.16" stroke="#ffffff" stroke-opacity="0.45" '
             f'stroke-width="1.5" stroke-linejoin="round"/>')
    for i, (y, a, per, op) in enumerate([(800, 14, 520, 0.18), (850, 18, 640, 0.22), (900, 12, 430, 0.28),
                                         (950, 10, 380, 0.35)]):
        body += f'<path d="{wave(y, a, per, i * 1.3, W, H)}" fill="#0d3a63" opacity="{op}"/>'
        body += (f'<path d="{wave(y, a, per, i * 1.3, W, H).split("L" + str(W) + " " + str(H))[0]}" fill="none" '
                 f'stroke="#cfe8f8" stroke-width="2" opacity="0.35"/>')
    return defs, body


def ocean_test(rng):
    defs = vgrad("g", [(0, "#f3f9fd"), (1, "#d3e7f4")])
    body = f'<rect width="{TW}" height="{TH}" fill="url(#g)"/>'
    for y in range(60, TH, 120):
        body += (f'<path d="{wave(y, 6, 200, y / 40, TW, y + 1).split("L" + str(TW) + " " + str(y + 1))[0]}" '
                 f'fill="none" stroke="#a9cde6" stroke-width="1.5" opacity="0.6"/>')
    return defs, body


def forest_main(rng, land, lakes):
    defs = vgrad("g", [(0, "#cfe5c2"), (1, "#6f9f5e")])
    body = '<rect width="1600" height="1000" fill="url(#g)"/>'
    for cx, cy, n in [(330, 320, 11), (1180, 260, 13), (900, 760, 10), (180, 860, 6), (1500, 820, 7)]:
        terms = [(k, rng.uniform(0.02, 0.07), rng.uniform(0, 6.28)) for k in (2, 3, 5)]
        for i in range(1, n + 1):
            op = 0.55 if i % 5 == 0 else 0.3
            sw = 2.2 if i % 5 == 0 else 1.2
            body += (f'<path d="{loop(cx, cy, 28 * i, terms)}" fill="none" stroke="#2f5d25" '
                     f'stroke-width="{sw}" opacity="{op}"/>')
    for _ in range(26):
        x, y, s = rng.uniform(40, 1560), rng.uniform(60, 980), rng.uniform(14, 26)
        body += (f'<path d="M{x:.0f} {y - s:.0f}L{x + s * 0.55:.0f} {y:.0f}H{x - s * 0.55:.0f}Z" fill="#2f5d25" '
                 f'opacity="0.28"/>')
    return defs, body


def forest_test(rng):
    defs = vgrad("g", [(0, "#f6fbf2"), (1, "#dcecd2")])
    body = f'<rect width="{TW}" height="{TH}" fill="url(#g)"/>'
    for row, y in enumerate(range(40, TH, 80)):
        for x in range(20 + (row % 2) * 50, TW, 100):
            body += (f'<path d="M{x} {y - 10}L{x + 6} {y}H{x - 6}Z" fill="#7fae6c" opacity="0.35"/>')
    return defs, body


def desert_main(rng, land, lakes):
    defs = vgrad("sky", [(0, "#fbe7b8"), (1, "#f2c77e")])
    defs += '<radialGradient id="sun" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#fff7dc"/>' \
            '<stop offset="1" stop-color="#fff7dc" stop-opacity="0"/></radialGradient>'
    body = '<rect width="1600" height="1000" fill="url(#sky)"/>'
    body += '<circle cx="1220" cy="220" r="260" fill="url(#sun)"/><circle cx="1220" cy="220" r="70" fill="#fff3cf"/>'
    dunes = [(520, 60, 900, "#e9b56a", 0.9), (620, 50, 700, "#dfa257", 0.9), (720, 45, 820, "#d18f47", 0.95),
             (830, 40, 600, "#c27b38", 1.0), (930, 30, 520, "#ad6a2d", 1.0)]
    for i, (y, a, per, c, op) in enumerate(dunes):
        body += f'<path d="{wave(y, a, per, i * 2.1, W, H)}" fill="{c}" opacity="{op}"/>'
        line = wave(y, a, per, i * 2.1, W, H).split("L" + str(W) + " " + str(H))[0]
        body += f'<path d="{line}" fill="none" stroke="#fbe2b0" stroke-width="2" opacity="0.55"/>'
    return defs, body


def desert_test(rng):
    defs = vgrad("g", [(0, "#fffaf0"), (1, "#f3e2bf")])
    body = f'<rect width="{TW}" height="{TH}" fill="url(#g)"/>'
    for y in range(50, TH, 70):
        line = wave(y, 8, 400, y / 90, TW, y + 1).split("L" + str(TW) + " " + str(y + 1))[0]
        body += f'<path d="{line}" fill="none" stroke="#e2c48c" stroke-width="1.4" opacity="0.55"/>'
    return defs, body


def aurora_main(rng, land, lakes):
    defs = vgrad("sky", [(0, "#070b1a"), (0.6, "#142544"), (1, "#1c3556")])
    defs += '<filter id="blur" x="-20%" y="-50%" width="140%" height="200%"><feGaussianBlur stdDeviation="28"/></filter>'
    defs += vgrad("curtain", [(0, "#6affc8"), (0.5, "#2fbf8f"), (1, "#2fbf8f00")])
    defs += vgrad("violet", [(0, "#b58cff"), (1, "#b58cff00")])
    body = '<rect width="1600" height="1000" fill="url(#sky)"/>'
    body += stars(rng, 260, W, 640, "#ffffff")
    for y, amp, per, ph, fill, op in [(400, 70, 900, 0.4, "url(#curtain)", 0.75), (470, 60, 700, 2.0, "url(#violet)", 0.45),
                                      (340, 50, 1100, 4.1, "url(#curtain)", 0.5)]:
        pts = [f"{x} {y + amp * math.sin(2 * math.pi * x / per + ph):.1f}" for x in range(-100, W + 120, 20)]
        top = [f"{x} {y - 150 + amp * math.sin(2 * math.pi * x / per + ph):.1f}" for x in range(W + 100, -120, -20)]
        body += (f'<path d="M{pts[0]}L' + "L".join(pts[1:]) + "L" + "L".join(top) + f'Z" fill="{fill}" '
                 f'opacity="{op}" filter="url(#blur)"/>')
    body += f'<path d="{ridge(rng, 820, 60, W, H)}" fill="#0b1322"/>'
    body += f'<path d="{ridge(rng, 900, 40, W, H)}" fill="#060a14"/>'
    return defs, body


def aurora_test(rng):
    defs = vgrad("g", [(0, "#1b2337"), (1, "#222d48")])
    body = f'<rect width="{TW}" height="{TH}" fill="url(#g)"/>'
    body += stars(rng, 90, TW, TH, "#cfe0ff", 1.1)
    return defs, body


def oldmap_main(rng, land, lakes):
    defs = '<radialGradient id="paper" cx="0.5" cy="0.45" r="0.75"><stop offset="0" stop-color="#f6ebcf"/>' \
           '<stop offset="0.75" stop-color="#e8d5a8"/><stop offset="1" stop-color="#c9ad76"/></radialGradient>'
    body = '<rect width="1600" height="1000" fill="url(#paper)"/>'
    body += graticule("#8a6a3c", W, H, 100, 1, 0.22)
    body += (f'<path d="{land}" fill="#e4cf9c" stroke="#7a5430" stroke-width="1.8" stroke-linejoin="round" '
             f'opacity="0.9"/>')
    for d in lakes:
        body += f'<path d="{d}" fill="#efe3c4" stroke="#7a5430" stroke-width="1.2"/>'
    body += compass(231, 720, 46, "#f3e6c4", "#9b7446", "#6b4a26")
    body += '<rect x="14" y="14" width="1572" height="972" fill="none" stroke="#6b4a26" stroke-width="3" opacity="0.6"/>'
    body += '<rect x="24" y="24" width="1552" height="952" fill="none" stroke="#6b4a26" stroke-width="1" opacity="0.6"/>'
    return defs, body


def oldmap_test(rng):
    defs = vgrad("g", [(0, "#fbf4e2"), (1, "#eedfba")])
    body = f'<rect width="{TW}" height="{TH}" fill="url(#g)"/>'
    body += graticule("#b0905c", TW, TH, 100, 1, 0.25)
    return defs, body


def heather_main(rng, land, lakes):
    defs = vgrad("sky", [(0, "#f4eef8"), (0.5, "#d9c7ea"), (1, "#b79bd3")])
    body = '<rect width="1600" height="1000" fill="url(#sky)"/>'
    body += '<circle cx="380" cy="230" r="90" fill="#fbf6ff" opacity="0.8"/>'
    layers = [(520, 90, "#c2a6dc", 0.8), (620, 80, "#a484c6", 0.85), (720, 70, "#8a66b0", 0.9),
              (820, 50, "#6e4c96", 0.95), (910, 30, "#553876", 1.0)]
    for y, rough, c, op in layers:
        body += f'<path d="{ridge(rng, y, rough, W, H, 50)}" fill="{c}" opacity="{op}" stroke-linejoin="round"/>'
    for _ in range(180):
        x, y = rng.uniform(0, W), rng.uniform(900, 1000)
        body += f'<circle cx="{x:.0f}" cy="{y:.0f}" r="{rng.uniform(1.5, 3.5):.1f}" fill="#d9a6e8" opacity="0.7"/>'
    return defs, body


def heather_test(rng):
    defs = vgrad("g", [(0, "#fcfaff"), (1, "#ebe1f5")])
    body = f'<rect width="{TW}" height="{TH}" fill="url(#g)"/>'
    for row, y in enumerate(range(30, TH, 60)):
        for x in range(15 + (row % 2) * 40, TW, 80):
            body += f'<circle cx="{x}" cy="{y}" r="2.2" fill="#b28fd3" opacity="0.45"/>'
    return defs, body


def graphite_main(rng, land, lakes):
    defs = vgrad("g", [(0, "#3a3f45"), (1, "#1f2226")])
    body = '<rect width="1600" height="1000" fill="url(#g)"/>'
    dots = "".join(f"M{x} {y}h0.1" for x in range(20, W, 40) for y in range(20, H, 40))
    body += f'<path d="{dots}" stroke="#8a9099" stroke-width="2.2" stroke-linecap="round" opacity="0.35"/>'
    body += ('<ellipse cx="1130" cy="470" rx="520" ry="120" fill="none" stroke="#e07a1f" stroke-width="1.5" '
             'opacity="0.45" transform="rotate(-18 1130 470)"/>')
    body += globe(1130, 470, 330, "#9aa3ad", "#e07a1f")
    body += f'<path d="M0 880H1600" stroke="#e07a1f" stroke-width="3" opacity="0.7"/>'
    return defs, body


def graphite_test(rng):
    defs = vgrad("g", [(0, "#eef0f2"), (1, "#d9dde1")])
    body = f'<rect width="{TW}" height="{TH}" fill="url(#g)"/>'
    dots = "".join(f"M{x} {y}h0.1" for x in range(20, TW, 40) for y in range(20, TH, 40))
    body += f'<path d="{dots}" stroke="#9aa1a9" stroke-width="2" stroke-linecap="round" opacity="0.5"/>'
    return defs, body


DRAW = [(ocean_main, ocean_test), (forest_main, forest_test), (desert_main, desert_test),
        (aurora_main, aurora_test), (oldmap_main, oldmap_test), (heather_main, heather_test),
        (graphite_main, graphite_test)]


def preview(skin, main_defs, main_body, test_defs, test_body):
    """A small picture of the main window in the skin, with a test window in it."""
    c = skin["colours"]
    # The pictures' own ids are prefixed so that the two drawings stay apart.
    md = main_defs.replace('id="', 'id="m').replace("url(#", "url(#m")
    mb = main_body.replace("url(#", "url(#m")
    td = test_defs.replace('id="', 'id="t').replace("url(#", "url(#t")
    tb = test_body.replace("url(#", "url(#t")
    body = f'<rect width="{PW}" height="{PH}" fill="{c["okno"]}"/>'
    body += f'<rect width="{PW}" height="12" fill="{c["wyroznienie"]}"/>'
    body += f'<rect x="3" y="4" width="40" height="4" rx="1" fill="{c["tekst_wyroznienia"]}" opacity="0.85"/>'
    for i, x in enumerate(range(4, 60, 11)):
        body += f'<rect x="{x}" y="15" width="8" height="3" fill="{c["tekst"]}" opacity="0.7"/>'
    for x in range(4, 120, 12):
        body += f'<rect x="{x}" y="22" width="9" height="9" rx="2" fill="{c["przycisk"]}" stroke="{c["tekst"]}" ' \
                f'stroke-width="0.5" stroke-opacity="0.5"/>'
    body += f'<rect x="0" y="34" width="{PW}" height="7" fill="{c["okno"]}"/>'
    body += f'<rect x="44" y="36" width="50" height="3" fill="{c["tytul"]}"/>'
    body += (f'<svg x="0" y="42" width="{PW}" height="66" viewBox="0 0 {W} {H}" preserveAspectRatio="xMidYMid slice">'
             f'{mb}</svg>')
    # a test window below: map on the left, names on the right
    body += (f'<svg x="0" y="110" width="{PW}" height="64" viewBox="0 0 {TW} {TH // 2}" '
             f'preserveAspectRatio="xMidYMin slice">{tb}</svg>')
    body += f'<rect x="4" y="114" width="88" height="56" fill="#f7f7f2" stroke="{c["tekst"]}" stroke-width="0.6"/>'
    body += '<path d="M10 150C20 130 35 140 45 125C55 118 70 126 86 120V166H10Z" fill="#cfe3c4"/>'
    for x, y, col in [(14, 122, "#0000ff"), (52, 134, "#00ff00"), (30, 156, "#ff0000"), (60, 150, "#ffffff")]:
        body += f'<rect x="{x}" y="{y}" width="22" height="5" fill="{col}" stroke="#000080" stroke-width="0.4"/>'
    for i in range(6):
        body += f'<rect x="98" y="{116 + 9 * i}" width="34" height="6" fill="{c["pole"]}" ' \
                f'stroke="{c["tekst"]}" stroke-width="0.4"/>'
    body += f'<rect x="0" y="{PH - 10}" width="{PW}" height="10" fill="{c["okno"]}"/>'
    body += f'<rect x="3" y="{PH - 7}" width="30" height="3" fill="{c["tekst"]}" opacity="0.6"/>'
    body += f'<rect x="0.5" y="0.5" width="{PW - 1}" height="{PH - 1}" fill="none" stroke="#000000" stroke-opacity="0.4"/>'
    return svg(PW, PH, body, md + td)


def skn(index, skin):
    lines = [f"# Terravia - skóra nr {index}: {skin['name']}",
             "# Wiersze \"klucz = wartość\"; kolory #rrggbb, obrazy z folderu programu.",
             f"nazwa = {skin['name']}"]
    lines += [f"{k} = {v}" for k, v in skin["colours"].items()]
    lines += [f"obraz = skora{index}_tlo.jpg", f"obraz_testu = skora{index}_test.jpg"]
    return ("\r\n".join(lines) + "\r\n").encode("cp1250")


def render(svg_text, tmp, name, width, height, out, quality):
    src = os.path.join(tmp, name + ".svg")
    png = os.path.join(tmp, name + ".png")
    with open(src, "w", encoding="utf-8") as f:
        f.write(svg_text)
    subprocess.run(["rsvg-convert", "--width", str(width), "--height", str(height), "-o", png, src], check=True)
    im = "magick" if shutil.which("magick") else "convert"
    subprocess.run([im, png, "-strip", "-interlace", "none", "-sampling-factor", "4:2:0",
                    "-quality", str(quality), out], check=True)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--out", default=os.path.join(ROOT, "data"))
    ap.add_argument("--svg", help="also keep the SVG sources in this folder")
    args = ap.parse_args()
    for tool in ("rsvg-convert",):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing (Debian: librsvg2-bin)")
    land, lakes = continents()
    os.makedirs(args.out, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        for index, (skin, (draw_main, draw_test)) in enumerate(zip(SKINS, DRAW), 1):
            md, mb = draw_main(random.Random(index), land, lakes)
            td, tb = draw_test(random.Random(100 + index))
            main_svg = svg(W, H, mb, md)
            test_svg = svg(TW, TH, tb, td)
            prev_svg = preview(skin, md, mb, td, tb)
            for scale in (1, 2):
                at = "" if scale == 1 else f"@{scale}x"
                render(main_svg, tmp, f"skora{index}_tlo", W * scale, H * scale,
                       os.path.join(args.out, f"skora{index}_tlo{at}.jpg"), 84)
                render(test_svg, tmp, f"skora{index}_test", TW * scale, TH * scale,
                       os.path.join(args.out, f"skora{index}_test{at}.jpg"), 84)
            # the previews are shown at their own size in the skins window,
            # never stretched: they have no sharper partner
            shown = f"s{index if index < 5 else index + 1}"
            render(prev_svg, tmp, shown, PW, PH, os.path.join(args.out, shown + ".jpg"), 92)
            with open(os.path.join(args.out, f"skora{index}.skn"), "wb") as f:
                f.write(skn(index, skin))
            if args.svg:
                os.makedirs(args.svg, exist_ok=True)
                for name, text in ((f"skora{index}_tlo", main_svg), (f"skora{index}_test", test_svg), (shown, prev_svg)):
                    with open(os.path.join(args.svg, name + ".svg"), "w", encoding="utf-8") as f:
                        f.write(text)
            print(f"skin {index}: {skin['name']}")


if __name__ == "__main__":
    main()
