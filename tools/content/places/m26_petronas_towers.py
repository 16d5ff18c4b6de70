"""The Petronas Towers in Kuala Lumpur: two identical silver towers
narrowing in many setbacks to needle-like spires, joined high up by the
sky bridge on its slanting legs, with palms in the park below."""
from parts import Pic, sky, sun, cloud, palm, tree, shade, tint, haze

NAME = "Petronas Towers"

STEEL = "#cfd6de"
STEEL_SHADE = "#8d98a6"
STEEL_DARK = "#6a7584"
BASE = 570
# (top, half width) of each stage, from the ground up
STAGES = [(330, 62), (268, 54), (214, 46), (172, 38), (142, 30), (120, 22)]


def ribbed(p, x0, x1, top, base):
    """A stage of the tower: bright and dark vertical strips, as the light
    falls on the points of its star-shaped plan."""
    w = x1 - x0
    n = max(4, int(w / 9))
    for k in range(n):
        xa = x0 + w * k / n
        t = k / n
        col = STEEL if k % 2 == 0 else STEEL_SHADE
        if t > 0.6:
            col = shade(col, 0.25)
        p.rect(xa, top, w / n + 0.5, base - top, col)
    for y in range(int(top) + 5, int(base), 8):
        p.rect(x0, y, w, 1.4, STEEL_DARK, opacity=0.35)


def tower(p, cx):
    below = BASE
    for top, half in STAGES:
        ribbed(p, cx - half, cx + half, top, below)
        p.rect(cx - half - 2, top - 3, 2 * half + 4, 4, tint(STEEL, 0.4))
        below = top
    # the ringed pinnacle and the needle
    for k in range(5):
        y = 120 - k * 10
        half = 14 - k * 2
        p.rect(cx - half, y - 9, 2 * half, 9, STEEL if k % 2 == 0 else STEEL_SHADE)
    p.circle(cx, 64, 5, STEEL)
    p.poly([(cx - 3, 64), (cx + 3, 64), (cx + 0.8, 6), (cx - 0.8, 6)], "#e3e8ee")
    p.poly([(cx, 64), (cx + 3, 64), (cx + 0.8, 6), (cx, 6)], STEEL_SHADE)
    for y in (40, 26):
        p.circle(cx, y, 2.5, STEEL)


def draw():
    p = Pic()
    sky(p, "#2f86d6", "#dff1fa", 0, 560, mid="#8cc3ee")
    sun(p, 300, 80, 20)
    cloud(p, 510, 160, 140, seed=261, shadow="#dbe4ee")
    cloud(p, 90, 130, 120, seed=262, opacity=0.85)
    # the city's lower towers behind
    for x, w, h in ((-10, 60, 200), (40, 50, 140), (480, 60, 180), (540, 70, 240)):
        p.rect(x, BASE - h, w, h, haze("#8c9fb3", 0.45))
    tower(p, 190)
    tower(p, 410)
    # the sky bridge and the legs that hold it from below
    p.line([(300, 338), (254, 410)], STEEL_DARK, 5)
    p.line([(300, 338), (346, 410)], STEEL_DARK, 5)
    p.rect(252, 322, 96, 18, STEEL)
    p.rect(252, 334, 96, 6, STEEL_SHADE)
    for k in range(12):
        p.rect(256 + k * 7.6, 326, 4, 6, "#5b6676")
    p.rect(252, 316, 96, 6, STEEL)
    # the park below: palms and trees
    p.rect(0, BASE, 600, 30, "#5c9444")
    for x in range(-10, 620, 30):
        tree(p, x, 600, 18, "#3f7d38")
    for x, h, lean in ((40, 190, 0.12), (110, 150, -0.1), (300, 130, 0.08), (500, 170, -0.12), (570, 200, 0.1)):
        palm(p, x, 600, h, lean=lean, colour="#3d8a3a")
    return p.svg()
