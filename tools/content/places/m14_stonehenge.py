"""Stonehenge at sunrise: the ring of huge grey standing stones with their
lintels across the tops, the sun coming up between them over the green
Salisbury Plain."""
import random

from parts import Pic, sky, sun, cloud, haze, smooth

NAME = "Stonehenge"

STONE = "#9c9a8e"
STONE_LIGHT = "#c4c1b2"
STONE_DARK = "#66655d"
HORIZON = 420


def slab(p, x, base, w, h, lean=0.0, seed=0, far=0.0):
    """One rough standing stone, lit on its left edge."""
    rng = random.Random(seed)
    j = lambda a: rng.uniform(-a, a)
    pts = [(x + j(3), base), (x + w + j(3), base), (x + w + lean + j(3), base - h * 0.5),
           (x + w * 0.96 + lean * 2 + j(3), base - h + j(4)), (x + w * 0.5 + lean * 2, base - h - 4 + j(3)),
           (x + w * 0.04 + lean * 2 + j(3), base - h + j(4)), (x + lean + j(3), base - h * 0.5)]
    p.path(smooth(pts, closed=True), haze(STONE, far))
    p.poly([(x + w * 0.55, base), (x + w + j(2), base), (x + w + lean, base - h * 0.5),
            (x + w * 0.96 + lean * 2, base - h + 3), (x + w * 0.6 + lean * 2, base - h + 3)],
           haze(STONE_DARK, far), opacity=0.55)
    p.poly([(x + 3, base - 3), (x + w * 0.18, base - 3), (x + w * 0.16 + lean * 2, base - h + 6),
            (x + 4 + lean * 2, base - h + 8)], haze(STONE_LIGHT, far), opacity=0.6)
    for _ in range(4):
        yy = base - rng.uniform(0.1, 0.9) * h
        p.line([(x + w * rng.uniform(0.2, 0.5), yy), (x + w * rng.uniform(0.5, 0.9), yy + j(6))],
               haze(STONE_DARK, far), 1.5, opacity=0.5)
    for _ in range(5):
        p.ellipse(x + rng.uniform(0.1, 0.9) * w, base - rng.uniform(0.1, 0.9) * h, rng.uniform(3, 8),
                  rng.uniform(2, 5), haze("#b9b58a", far), opacity=0.6)


def lintel(p, x, y, w, h, seed, far=0.0):
    rng = random.Random(seed)
    pts = [(x, y), (x + w * 0.5, y - 3 + rng.uniform(-2, 2)), (x + w, y + rng.uniform(-3, 3)),
           (x + w + 2, y + h), (x + w * 0.5, y + h + 2), (x - 2, y + h)]
    p.path(smooth(pts, closed=True), haze(STONE, far))
    p.rect(x + 4, y + h * 0.6, w - 8, h * 0.4, haze(STONE_DARK, far), opacity=0.45)


def trilithon(p, x, base, w, h, seed, far=0.0, gap=None):
    gap = w * 0.3 if gap is None else gap
    leg = (w - gap) / 2
    slab(p, x, base, leg, h, seed=seed, far=far)
    slab(p, x + leg + gap, base, leg, h, seed=seed + 1, far=far)
    lintel(p, x - 4, base - h - h * 0.16, w + 8, h * 0.2, seed + 2, far=far)


def draw():
    p = Pic()
    sky(p, "#5a7fb8", "#ffd28f", 0, HORIZON, mid="#f0b6a0")
    sun(p, 300, 408, 34, colour="#fff2c4", glow="#ffcf6b", reach=6, strength=0.8)
    cloud(p, 120, 140, 200, seed=141, colour="#ffd9c2", opacity=0.75, shadow="#d9a6a0")
    cloud(p, 480, 90, 160, seed=142, colour="#ffe0cc", opacity=0.7, shadow="#d9a6a0")
    cloud(p, 520, 260, 120, seed=143, colour="#ffd2b0", opacity=0.6)
    # the far plain
    p.path("M-10,410 Q200,396 400,406 T610,402 L610,430 L-10,430 Z", haze("#6f8a55", 0.45))
    p.rect(0, 420, 600, 180, p.linear([(0, "#6f9a4a"), (1, "#4f7f35")]))
    # the back of the ring, paler and smaller
    for k, x in enumerate((10, 95, 380, 470, 540)):
        slab(p, x, 430, 34, 100, seed=140 + k, far=0.3)
    lintel(p, 8, 318, 124, 18, 150, far=0.3)
    lintel(p, 378, 318, 130, 18, 151, far=0.3)
    # the great trilithons framing the sunrise
    trilithon(p, 150, 480, 130, 220, 160)
    trilithon(p, 320, 480, 130, 220, 170)
    # front stones: a tall one on the left, a fallen lintel, a leaning one
    slab(p, -20, 560, 80, 290, seed=180)
    lintel(p, -24, 252, 140, 34, 181)
    slab(p, 50, 560, 70, 280, seed=182)
    slab(p, 480, 560, 78, 260, lean=-6, seed=183)
    slab(p, 555, 560, 70, 250, seed=184)
    lintel(p, 476, 280, 160, 32, 185)
    p.path(smooth([(230, 560), (300, 546), (400, 548), (420, 566), (320, 576), (232, 572)], closed=True), STONE)
    p.path(smooth([(232, 568), (320, 574), (418, 566), (400, 580), (300, 584)], closed=True), STONE_DARK,
           opacity=0.6)
    p.rect(0, 575, 600, 25, "#4a7632", opacity=0.5)
    return p.svg()
