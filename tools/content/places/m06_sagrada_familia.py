"""The cathedral of Barcelona everybody knows: Gaudí's Sagrada Família,
its tall perforated spires like stone honeycombs ending in coloured
mosaic tips, the carved Nativity front with the green cypress over the
door, and a building crane, for it is still being built."""
import math
import random

from parts import Pic, sky, sun, cloud, shade, tint, haze, num, palm

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


def tower(p, cx, base, tip, w, stone=STONE, seed=0, statue_at=None):
    """A bell tower: a round shaft that closes like a bullet, pierced all
    the way up by a spiral of slatted openings, an apostle sitting in a
    niche part way up, and a mosaic pinnacle on top."""
    left, right = spire_outline(cx, base, tip + 46, w)
    outline = left[::-1][:-1] + right
    d = "M" + " L".join(f"{num(x)},{num(y)}" for x, y in outline) + " Z"
    p.path(d, p.linear([(0, tint(stone, 0.25)), (0.45, stone), (1, shade(stone, 0.32))], 0, 0, 1, 0))
    clip = p.clip_path(d)
    p.open("g", clip_path=clip)
    # the slatted openings, wound round the shaft in a helix
    row = 0
    y = base - 10
    while y > tip + 70:
        t = (y - tip - 46) / (base - tip - 46)
        half = w / 2 * spire_width(t)
        for j in range(5):
            a = j * 2 * math.pi / 5 + row * 0.32
            if math.cos(a) < 0.15:
                continue
            x = cx + half * math.sin(a)
            sw = half * 0.36 * math.cos(a)
            p.rect(x - sw / 2, y - 2.2, sw, 4.4, STONE_DARK if x < cx + half * 0.3 else shade(STONE_DARK, 0.35),
                   opacity=0.85)
        y -= 8.5
        row += 1
    # the ribs between the openings
    for k in (-0.6, 0.0, 0.6):
        p.line([(cx + k * w / 2, base), (cx + k * w / 4, tip + 120)], shade(stone, 0.12), 1.5, opacity=0.5)
    p.close()
    # an apostle on a ledge with the word SANCTUS wound round below him
    if statue_at:
        y = statue_at
        t = (y - tip - 46) / (base - tip - 46)
        half = w / 2 * spire_width(t)
        p.rect(cx - half - 3, y, 2 * half + 6, 5, tint(stone, 0.3))
        p.path(f"M{num(cx - 6)},{num(y)} L{num(cx - 5)},{num(y - 18)} Q{num(cx)},{num(y - 24)} "
               f"{num(cx + 5)},{num(y - 18)} L{num(cx + 6)},{num(y)} Z", tint(stone, 0.35))
        p.circle(cx, y - 24, 4, tint(stone, 0.35))
        for k in range(5):
            p.rect(cx - half + 4 + k * (2 * half - 8) / 5, y + 10, (2 * half - 8) / 5 - 3, 3,
                   "#f1e6c8", opacity=0.8)
    pinnacle(p, cx, tip, w)


def pinnacle(p, cx, tip, w):
    """The mosaic pinnacle: a stalk in gold and red bands swelling into a
    crown of white knobs, a bishop's cross of balls at the very top."""
    ty = tip + 10
    h = 40
    p.path(f"M{num(cx - w * 0.16)},{num(ty + h + 8)} Q{num(cx - w * 0.22)},{num(ty + 16)} {num(cx)},{num(ty)} "
           f"Q{num(cx + w * 0.22)},{num(ty + 16)} {num(cx + w * 0.16)},{num(ty + h + 8)} Z", "#e8b23a")
    p.path(f"M{num(cx)},{num(ty)} Q{num(cx + w * 0.22)},{num(ty + 16)} {num(cx + w * 0.16)},{num(ty + h + 8)} "
           f"L{num(cx + w * 0.02)},{num(ty + h + 8)} Z", "#c98f22")
    for k, (dy, col) in enumerate(((h, "#d6342c"), (h - 9, "#f5f1e6"), (h - 18, "#d6342c"),
                                   (h - 26, "#3a7d4a"))):
        hw = w * (0.17 - k * 0.02)
        p.rect(cx - hw, ty + dy, 2 * hw, 3.4, col)
    # the ring of white knobs where the stalk swells
    for k in range(5):
        x = cx - w * 0.2 + k * w * 0.1
        p.circle(x, ty + h + 10, 3.2, "#f5f1e6")
        p.circle(x - 0.8, ty + h + 9.2, 1.2, "#f1c232")
    p.rect(cx - 1.4, ty - 8, 2.8, 20, "#f5f1e6")
    for dx, dy in ((0, -14), (-7, -7), (7, -7), (0, 0)):
        p.circle(cx + dx, ty + dy, 4, "#f5f1e6")
        p.circle(cx + dx - 1, ty + dy - 1, 1.6, "#f1c232")


def carving(p, x0, y0, x1, y1, seed, base=STONE, n=60):
    """The restless carved surface: knots of leaves, figures, drips."""
    rng = random.Random(seed)
    for _ in range(n):
        x = rng.uniform(x0, x1)
        y = rng.uniform(y0, y1)
        r = rng.uniform(2, 5.5)
        c = shade(base, rng.uniform(0.12, 0.35)) if rng.random() < 0.5 else tint(base, rng.uniform(0.1, 0.25))
        p.ellipse(x, y, r, r * rng.uniform(0.7, 1.5), c, opacity=0.8)


def drips(p, x0, x1, y, length, seed, colour):
    """Stalactites of stone hanging from an edge, as if the front were melting."""
    rng = random.Random(seed)
    x = x0
    while x < x1:
        w = rng.uniform(3, 6)
        ln = length * rng.uniform(0.4, 1.0)
        p.path(f"M{num(x)},{num(y)} Q{num(x + w * 0.2)},{num(y + ln * 0.7)} {num(x + w / 2)},{num(y + ln)} "
               f"Q{num(x + w * 0.8)},{num(y + ln * 0.7)} {num(x + w)},{num(y)} Z", colour)
        x += w + rng.uniform(0, 2)


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


def portal(p, cx, w, h, gable, seed, main=False):
    """One of the three deep portals: a parabolic mouth of stepped carved
    rings, stalactites hanging inside it, the sculpted scene over the
    doors and the pointed gable above, crusted with carving."""
    ground = 570
    sp = ground - h * 0.42                  # where the mouth starts to curve in
    # the gable
    g = (f"M{num(cx - w * 0.62)},{num(sp)} Q{num(cx - w * 0.22)},{num(gable + 50)} {num(cx)},{num(gable)} "
         f"Q{num(cx + w * 0.22)},{num(gable + 50)} {num(cx + w * 0.62)},{num(sp)} Z")
    p.path(g, STONE)
    p.path(f"M{num(cx)},{num(gable)} Q{num(cx + w * 0.22)},{num(gable + 50)} {num(cx + w * 0.62)},{num(sp)} "
           f"L{num(cx)},{num(sp)} Z", STONE_SHADE, opacity=0.45)
    p.open("g", clip_path=p.clip_path(g))
    carving(p, cx - w * 0.6, gable, cx + w * 0.6, sp, seed, n=int(w * 1.4))
    p.close()
    # the spiky crest along the gable's edges
    for k in range(1, 9):
        t = k / 9
        for side in (-1, 1):
            x = cx + side * w * 0.6 * t
            y = gable + (sp - gable) * (t ** 1.6)
            p.poly([(x - 3, y + 4), (x + 3, y + 4), (x + side * 5, y - 10)], tint(STONE, 0.2) if side < 0 else STONE)
    def mouth(ww, hh, grow=0):
        return (f"M{num(cx - ww / 2)},{ground} L{num(cx - ww / 2)},{num(ground - hh * 0.42)} "
                f"Q{num(cx - ww / 2)},{num(ground - hh * 1.06)} {num(cx)},{num(ground - hh)} "
                f"Q{num(cx + ww / 2)},{num(ground - hh * 1.06)} {num(cx + ww / 2)},{num(ground - hh * 0.42)} "
                f"L{num(cx + ww / 2)},{ground} Z")
    # the stepped rings of the mouth, darker inwards
    for k in range(4):
        ww = w * (1 - k * 0.1)
        hh = h * (1 - k * 0.06)
        p.path(mouth(ww, hh), shade(STONE, 0.12 + k * 0.12))
        if k < 3:
            for j in range(9):
                t = (j + 0.5) / 9
                x = cx - ww / 2 + ww * t
                yy = ground - hh * (0.42 + 0.55 * (1 - (2 * t - 1) ** 2))
                p.circle(x, yy + 6, 2.2, tint(STONE, 0.2), opacity=0.8)
    inner_w, inner_h = w * 0.6, h * 0.82
    p.path(mouth(inner_w, inner_h), shade(STONE, 0.5))
    clip = p.clip_path(mouth(inner_w, inner_h))
    p.open("g", clip_path=clip)
    drips(p, cx - inner_w / 2, cx + inner_w / 2, ground - inner_h - 4, inner_h * 0.35, seed + 1,
          shade(STONE, 0.25))
    # the sculpted scene over the doors: groups of pale figures, the
    # tallest in the middle, a second tier higher up behind them
    rng = random.Random(seed + 2)
    sy = ground - inner_h * 0.5
    for tier, (y0, size) in enumerate(((sy - 22, 0.7), (sy, 1.0))):
        n = int(inner_w / 11)
        for k in range(n):
            t = (k + 0.5) / n
            x = cx - inner_w * 0.44 + inner_w * 0.88 * t + rng.uniform(-2, 2)
            hh = size * (11 + 10 * (1 - abs(2 * t - 1))) * rng.uniform(0.85, 1.15)
            ww = size * rng.uniform(3.5, 5.5)
            col = tint(STONE, 0.28 if tier else 0.12)
            p.path(f"M{num(x - ww)},{num(y0)} Q{num(x - ww)},{num(y0 - hh * 0.7)} {num(x - ww * 0.4)},"
                   f"{num(y0 - hh)} L{num(x + ww * 0.4)},{num(y0 - hh)} Q{num(x + ww)},{num(y0 - hh * 0.7)} "
                   f"{num(x + ww)},{num(y0)} Z", col)
            p.circle(x + rng.uniform(-1, 1), y0 - hh - 2.5 * size, 2.8 * size, col)
    p.rect(cx - inner_w / 2, sy, inner_w, 4, tint(STONE, 0.1))
    # the doors
    p.rect(cx - inner_w * 0.38, sy + 4, inner_w * 0.76, ground - sy - 4, "#5b4a34")
    for k in range(6):
        p.line([(cx - inner_w * 0.38 + k * inner_w * 0.152, sy + 4),
                (cx - inner_w * 0.38 + k * inner_w * 0.152, ground)], "#3f6e4a", 2.2)
    if main:
        p.rect(cx - 4, sy - 6, 8, ground - sy + 6, tint(STONE, 0.15))
    p.close()


def facade(p):
    """The Nativity front: the three portals of Hope, Charity and Faith
    between the feet of the four towers, the middle one tallest, with the
    green cypress of life on top of its gable."""
    p.rect(30, 420, 540, 150, STONE)
    p.rect(430, 420, 140, 150, STONE_SHADE, opacity=0.5)
    carving(p, 32, 424, 568, 566, 61, n=120)
    portal(p, 126, 68, 150, 330, 70)
    portal(p, 474, 68, 150, 330, 80)
    portal(p, 300, 132, 220, 236, 90, main=True)
    # the star of Bethlehem and the cypress of life, white doves in it
    p.path("M300,142 Q318,190 312,242 L288,242 Q282,190 300,142 Z", "#3d8a4e")
    p.path("M300,142 Q318,190 312,242 L300,242 Z", "#2d6b3b")
    rng = random.Random(91)
    for _ in range(26):
        y = rng.uniform(154, 238)
        half = 12 * (y - 142) / 100
        p.circle(300 + rng.uniform(-half, half), y, 2.2, "#5aa86a" if rng.random() < 0.5 else "#24573a")
    for dx, dy in ((-8, 200), (7, 216), (-3, 230), (8, 186), (-5, 174)):
        p.circle(300 + dx, dy, 2.6, "#f5f5f0")
    p.rect(295, 240, 10, 14, STONE_SHADE)
    # the star of Bethlehem on the gable, its tail trailing down
    p.path("M300,268 L296,300 L304,300 Z", "#f1c232", opacity=0.8)
    p.poly([(300, 256), (303, 264), (311, 264), (305, 269), (307, 277), (300, 272), (293, 277), (295, 269),
            (289, 264), (297, 264)], "#f1c232")


def draw():
    p = Pic()
    sky(p, "#3d91d8", "#eaf2f5", 0, 560, mid="#98c8ee")
    sun(p, 540, 70, 20)
    cloud(p, 90, 160, 130, seed=62, shadow="#dde6ef")
    cloud(p, 520, 300, 110, seed=63, opacity=0.85)
    crane(p, 560, 110)
    # the newer, paler towers over the crossing behind
    tower(p, 300, 360, 6, 58, stone=haze(STONE, 0.45), seed=64)
    # the four bell towers of the front, the outer pair lower
    for cx, tip, seed, st in ((62, 96, 1, 300), (190, 40, 2, 250), (410, 40, 3, 250), (538, 96, 4, 300)):
        tower(p, cx, 470, tip, 64, seed=seed, statue_at=st)
    facade(p)
    p.rect(0, 566, 600, 34, p.linear([(0, "#b8ab95"), (1, "#968a76")]))
    palm(p, 28, 600, 140, lean=0.1)
    palm(p, 585, 600, 120, lean=-0.1)
    return p.svg()
