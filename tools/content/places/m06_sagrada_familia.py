"""The cathedral of Barcelona everybody knows: Gaudí's Sagrada Família,
its tall perforated spires like stone honeycombs ending in coloured
mosaic tips, the carved Nativity front with the green cypress over the
door, and a building crane, for it is still being built."""
import random

from parts import Pic, sky, sun, cloud, shade, tint, haze, num, tree, palm

NAME = "Katedra w Barcelonie"

STONE = "#cfa877"
STONE_SHADE = "#a07c52"
STONE_DARK = "#6e5336"


def spire_width(t):
    """Share of the full width at t (0 at the tip, 1 at the foot): nearly
    straight below, closing to a point like a bullet above."""
    return 1 - (1 - t) ** 2.4


def spire_outline(cx, base, tip, w, steps=24):
    left, right = [], []
    for k in range(steps + 1):
        t = k / steps
        y = tip + (base - tip) * t
        half = w / 2 * spire_width(t)
        left.append((cx - half, y))
        right.append((cx + half, y))
    return left, right


def spire(p, cx, base, tip, w, stone=STONE, seed=0):
    left, right = spire_outline(cx, base, tip, w)
    outline = left[::-1][:-1] + right
    d = "M" + " L".join(f"{num(x)},{num(y)}" for x, y in outline) + " Z"
    p.path(d, p.linear([(0, tint(stone, 0.2)), (0.5, stone), (1, shade(stone, 0.3))], 0, 0, 1, 0))
    clip = p.clip_path(d)
    p.open("g", clip_path=clip)
    # spiralling rows of little openings up the honeycomb
    rng = random.Random(seed)
    row = 0
    y = base - 14
    while y > tip + 30:
        t = (y - tip) / (base - tip)
        half = w / 2 * spire_width(t)
        n = max(2, int(half / 5))
        for k in range(n):
            x = cx - half + (k + 0.5 + (row % 2) * 0.5) * (2 * half / n)
            if abs(x - cx) < half - 3:
                p.rect(x - 1.6, y - 3, 3.2, 6, STONE_DARK, opacity=0.8)
        y -= 11
        row += 1
    p.close()
    # the mosaic tip: a cluster of coloured knobs topped by a cross of balls
    ty = tip + 4
    p.path(f"M{num(cx - 9)},{num(ty + 40)} Q{num(cx - 14)},{num(ty + 14)} {num(cx)},{num(ty)} "
           f"Q{num(cx + 14)},{num(ty + 14)} {num(cx + 9)},{num(ty + 40)} Z", "#e8b23a")
    p.path(f"M{num(cx)},{num(ty)} Q{num(cx + 14)},{num(ty + 14)} {num(cx + 9)},{num(ty + 40)} "
           f"L{num(cx)},{num(ty + 40)} Z",
           "#c98f22")
    for k, (dy, col) in enumerate(((32, "#d6342c"), (22, "#f5f1e6"), (12, "#d6342c"))):
        p.rect(cx - 9 + k * 1.5, ty + dy, 18 - k * 3, 3, col)
    p.rect(cx - 1.2, ty + 14, 2.4, 20, "#f5f1e6")
    for dx, dy in ((0, -8), (-7, -2), (7, -2), (0, 4)):
        p.circle(cx + dx, ty + dy, 4, "#f5f1e6")
        p.circle(cx + dx - 1, ty + dy - 1, 1.6, "#f1c232")


def crane(p, x, top):
    col = "#f2c230"
    p.rect(x - 5, top, 10, 600 - top, col)
    for y in range(top, 600, 14):
        p.line([(x - 5, y), (x + 5, y + 14)], shade(col, 0.3), 1)
    p.rect(x - 120, top - 8, 190, 8, col)
    for xx in range(int(x - 120), int(x + 70), 12):
        p.line([(xx, top - 8), (xx + 12, top)], shade(col, 0.3), 1)
    p.line([(x, top - 30), (x - 118, top - 8)], shade(col, 0.2), 1.5)
    p.line([(x, top - 30), (x + 68, top - 8)], shade(col, 0.2), 1.5)
    p.rect(x - 2, top - 32, 4, 24, col)
    p.rect(x + 40, top, 26, 14, "#8b8f96")
    p.line([(x - 90, top), (x - 90, top + 80)], "#444", 1)
    p.rect(x - 96, top + 80, 12, 8, "#555")


def facade(p):
    """The Nativity front: three portals under a mass of carved stone."""
    # pointed gables over the three portals, and spiky pinnacles along the top
    for cx, top, w in ((160, 292, 110), (300, 250, 150), (440, 292, 110)):
        p.path(f"M{num(cx - w / 2)},332 Q{num(cx - w * 0.1)},{num(top + 20)} {num(cx)},{num(top)} "
               f"Q{num(cx + w * 0.1)},{num(top + 20)} {num(cx + w / 2)},332 "
               f"Z", STONE if cx < 400 else STONE_SHADE)
    for k in range(24):
        x = 78 + k * 19
        p.poly([(x - 5, 332), (x + 5, 332), (x, 312 - (k % 3) * 6)], STONE if x < 420 else STONE_SHADE)
    p.rect(70, 330, 460, 240, STONE)
    p.rect(420, 330, 110, 240, STONE_SHADE)
    rng = random.Random(61)
    for _ in range(70):
        x = rng.uniform(72, 528)
        y = rng.uniform(335, 560)
        r = rng.uniform(2, 6)
        p.circle(x, y, r, shade(STONE, rng.uniform(0.1, 0.3)) if rng.random() < 0.5 else tint(STONE, 0.15),
                 opacity=0.7)
    # the portals: tall parabolic openings
    for cx, w, h in ((300, 96, 190), (160, 70, 140), (440, 70, 140)):
        p.path(f"M{num(cx - w / 2)},570 L{num(cx - w / 2)},{num(570 - h * 0.45)} "
               f"Q{num(cx - w / 2)},{num(570 - h * 1.05)} {num(cx)},{num(570 - h)} "
               f"Q{num(cx + w / 2)},{num(570 - h * 1.05)} {num(cx + w / 2)},{num(570 - h * 0.45)} "
               f"L{num(cx + w / 2)},570 Z", shade(STONE, 0.55))
        p.path(f"M{num(cx - w / 2 + 10)},570 L{num(cx - w / 2 + 10)},{num(570 - h * 0.4)} "
               f"Q{num(cx)},{num(570 - h * 1.0)} {num(cx + w / 2 - 10)},{num(570 - h * 0.4)} "
               f"L{num(cx + w / 2 - 10)},570 Z", shade(STONE, 0.35))
    # the green cypress of life over the middle door, with white doves
    p.path("M300,250 Q326,300 318,352 L282,352 Q274,300 300,250 Z", "#3d8a4e")
    p.path("M300,250 Q326,300 318,352 L300,352 Z", "#2d6b3b")
    for dx, dy in ((-12, 300), (10, 318), (-4, 336), (14, 290)):
        p.circle(300 + dx, dy, 3, "#f5f5f0")
    p.rect(296, 352, 8, 26, STONE_SHADE)


def draw():
    p = Pic()
    sky(p, "#3d91d8", "#eaf2f5", 0, 560, mid="#98c8ee")
    sun(p, 540, 70, 20)
    cloud(p, 90, 160, 130, seed=62, shadow="#dde6ef")
    cloud(p, 520, 300, 110, seed=63, opacity=0.85)
    crane(p, 520, 120)
    # newer, paler spires behind
    spire(p, 300, 340, 40, 60, stone=haze(STONE, 0.45), seed=64)
    spire(p, 180, 340, 110, 44, stone=haze(STONE, 0.45), seed=65)
    spire(p, 420, 340, 110, 44, stone=haze(STONE, 0.45), seed=66)
    # the four bell towers of the front, in two pairs
    for cx, tip, w in ((105, 90, 64), (195, 34, 66), (405, 34, 66), (495, 90, 64)):
        spire(p, cx, 350, tip, w, seed=int(cx))
    facade(p)
    p.rect(0, 566, 600, 34, p.linear([(0, "#b8ab95"), (1, "#968a76")]))
    for x in (20, 575):
        tree(p, x, 590, 34, "#4f8f3a")
    palm(p, 40, 600, 150, lean=0.1)
    return p.svg()
