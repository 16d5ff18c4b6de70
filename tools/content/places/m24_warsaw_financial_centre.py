"""Warsaw's business district: the Warsaw Financial Center in front, a
tower of blue-green glass between pale granite piers, stepping back near
the top under its open crown, with the other glass towers of the city
round it and the Palace of Culture's spire far off in the haze."""
import random

from parts import Pic, sky, sun, cloud, tree, shade, tint, haze

NAME = "Centrum finansowe - Warszawa"

GRANITE = "#d7d1c7"
GRANITE_SHADE = "#a8a196"
GLASS = "#4f8ea3"
GLASS_DARK = "#2f6477"


def glass_face(p, x0, x1, top, base, glass, pier, piers, lit=True):
    p.rect(x0, top, x1 - x0, base - top, p.linear([(0, tint(glass, 0.35)), (0.5, glass), (1, shade(glass, 0.2))]))
    for k in range(piers + 1):
        x = x0 + (x1 - x0) * k / piers
        p.rect(x - 3, top, 6, base - top, pier if lit else shade(pier, 0.25))
    for y in range(int(top) + 8, int(base), 9):
        p.rect(x0, y, x1 - x0, 1.6, shade(glass, 0.35), opacity=0.6)


def wfc(p):
    """The Warsaw Financial Center: granite podium, the glass shaft, the
    setbacks and the open frame of its crown."""
    base = 560
    # the lower podium
    p.rect(160, 420, 280, 140, GRANITE)
    p.rect(380, 420, 60, 140, GRANITE_SHADE)
    for k in range(7):
        for j in range(4):
            p.rect(172 + k * 30, 434 + j * 30, 18, 20, GLASS_DARK)
    # the shaft: a lit front and a shaded side
    glass_face(p, 210, 350, 130, 420, GLASS, GRANITE, 7)
    glass_face(p, 350, 400, 150, 420, GLASS_DARK, GRANITE, 3, lit=False)
    p.poly([(350, 130), (400, 150), (400, 154), (350, 134)], GRANITE_SHADE)
    # setback and crown
    glass_face(p, 236, 340, 90, 130, tint(GLASS, 0.1), GRANITE, 5)
    p.rect(230, 86, 116, 6, GRANITE)
    for x in range(236, 344, 13):
        p.rect(x, 58, 4, 30, GRANITE)
    p.rect(236, 56, 108, 5, GRANITE)
    p.rect(206, 126, 200, 6, GRANITE)
    # the corner granite piers running full height
    p.rect(206, 130, 12, 290, GRANITE)
    p.rect(344, 130, 10, 290, tint(GRANITE, 0.2))
    p.rect(160, 414, 280, 8, tint(GRANITE, 0.3))


def tower(p, x0, x1, top, base, glass, seed, crown=None):
    w = x1 - x0
    glass_face(p, x0, x1 - w * 0.3, top, base, glass, tint(glass, 0.5), max(2, int(w / 20)))
    glass_face(p, x1 - w * 0.3, x1, top, base, shade(glass, 0.3), tint(glass, 0.3), 2, lit=False)
    if crown == "spire":
        p.poly([(x0, top), (x1, top), (x0 + w * 0.5, top - 40)], tint(glass, 0.25))
        p.rect(x0 + w * 0.5 - 1.5, top - 110, 3, 72, "#c9ccd2")
    elif crown == "gate":
        p.rect(x0 - 4, top - 30, w + 8, 8, "#f0f0ee")
        p.rect(x0 - 4, top - 30, 8, 30, "#f0f0ee")
        p.rect(x1 - 4, top - 30, 8, 30, "#f0f0ee")
    elif crown == "gap":
        p.rect(x0 + 6, top + (base - top) * 0.35, w - 12, 22, haze("#bcd8ee", 0.2))


def palace_far(p, cx, base, s):
    col = haze("#d8c8a6", 0.55)
    for x0, x1, top in ((-40, 40, 120), (-30, 30, 180), (-22, 22, 230), (-14, 14, 270), (-8, 8, 300)):
        p.rect(cx + x0 * s, base - top * s, (x1 - x0) * s, top * s, col)
    p.rect(cx - 1, base - 360 * s, 2, 60 * s, col)


def draw():
    p = Pic()
    sky(p, "#3e8bd4", "#e2eef7", 0, 560, mid="#98c6ec")
    sun(p, 520, 70, 22)
    cloud(p, 130, 70, 150, seed=241, shadow="#dce5ee")
    cloud(p, 520, 230, 110, seed=242, opacity=0.85)
    palace_far(p, 40, 560, 1.0)
    # far towers
    rng = random.Random(243)
    for x in range(-10, 620, 46):
        h = rng.uniform(120, 240)
        p.rect(x, 560 - h, 40, h, haze(rng.choice(["#8fa4b5", "#a9b8c2", "#7f99ad"]), 0.5))
    tower(p, 70, 165, 190, 560, "#3f6f9a", 244, crown="spire")
    tower(p, 440, 520, 150, 560, "#3b5a78", 245, crown="gate")
    tower(p, 525, 610, 230, 560, "#6b8fa8", 246, crown="gap")
    wfc(p)
    # street trees and the pavement
    p.rect(0, 556, 600, 44, p.linear([(0, "#b3ada3"), (1, "#8e887e")]))
    for x in range(10, 620, 60):
        tree(p, x, 600, 20, "#4f8f3a")
    return p.svg()
