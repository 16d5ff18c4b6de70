"""The Acropolis of Athens: the Parthenon seen from the north-west, its
west front of eight Doric columns under the pediment and its long north
colonnade running back into the distance, on the flat top of the steep
rock ringed by its walls, olive trees on the slope and the white city
below."""
import random

from parts import Pic, sky, sun, cloud, shade, tint, haze, profile

NAME = "Akropol - Ateny"

MARBLE = "#eedcb6"
MARBLE_SHADE = "#c9ae82"
MARBLE_DARK = "#9c8259"
ROCK = "#c3a47a"
ROCK_SHADE = "#977a55"

# The front is square to the eye; the long side runs back to a vanishing
# point on a horizon below the temple (we look up at it from the town).
LEFT, RIGHT = 56, 372          # the stylobate's front edge
VP_X, HORIZON = 930, 372
BACK = 0.58                    # how much smaller the far end looks
STYLOBATE = 330
COL_TOP = 226
ARCHITRAVE = 210
FRIEZE = 192
CORNICE = 183
APEX = 146


def side(u):
    """The scale and the x of a point u of the way along the north side."""
    # 1/depth interpolates linearly, so the columns bunch up with distance
    s = 1 / (1 + u * (1 / BACK - 1))
    return s, VP_X + (RIGHT - VP_X) * s


def sy(y, s):
    return HORIZON + (y - HORIZON) * s


def column(p, x, top, base, w, lit):
    """A Doric column: a fluted shaft narrowing upwards, no base, a
    cushion-shaped capital under a square slab."""
    body, dark = (MARBLE, MARBLE_SHADE) if lit else (MARBLE_SHADE, MARBLE_DARK)
    cap = (base - top) * 0.09
    tw = w * 0.8
    p.poly([(x - w / 2, base), (x + w / 2, base), (x + tw / 2, top + cap), (x - tw / 2, top + cap)], body)
    p.poly([(x + w * 0.1, base), (x + w / 2, base), (x + tw / 2, top + cap), (x + tw * 0.08, top + cap)], dark)
    if w > 9:
        for k in (-0.32, -0.14, 0.04, 0.24):
            p.line([(x + k * w, base), (x + k * tw, top + cap)], shade(body, 0.22), max(0.6, w * 0.04),
                   opacity=0.6)
    p.path(f"M{x - tw / 2},{top + cap} Q{x - w * 0.7},{top + cap * 0.55} {x - w * 0.66},{top + cap * 0.45} "
           f"L{x + w * 0.66},{top + cap * 0.45} Q{x + w * 0.7},{top + cap * 0.55} {x + tw / 2},{top + cap} Z",
           body)
    p.rect(x - w * 0.7, top, w * 1.4, cap * 0.45, tint(body, 0.2) if lit else body)


def parthenon(p):
    n_front, n_side = 8, 17
    # the north side, far end first: its steps, the cella wall behind, the colonnade
    # and the entablature above it
    s1, x1 = side(1)
    y0 = STYLOBATE + 18
    p.poly([(RIGHT, y0), (x1, sy(y0, s1)), (x1, sy(STYLOBATE, s1)), (RIGHT, STYLOBATE)], MARBLE_SHADE)
    for k in range(3):
        y = STYLOBATE + 6 * k
        p.line([(RIGHT, y), (x1, sy(y, s1))], MARBLE_DARK, 1.2, opacity=0.7)
    inner = [side(0.03)[1], side(1)[1]]
    p.poly([(inner[0], COL_TOP + 10), (inner[1], sy(COL_TOP + 10, s1)), (inner[1], sy(STYLOBATE, s1)),
            (inner[0], STYLOBATE)], shade(MARBLE_SHADE, 0.28))
    for k in range(n_side - 1, 0, -1):
        u = (k + 0.05) / (n_side - 1 + 0.1)
        s, x = side(u)
        column(p, x, sy(COL_TOP, s), sy(STYLOBATE, s), 19 * s, lit=False)
    ent = [(ARCHITRAVE, COL_TOP, MARBLE_SHADE), (FRIEZE, ARCHITRAVE, shade(MARBLE_SHADE, 0.12)),
           (CORNICE, FRIEZE, MARBLE_SHADE)]
    for y0, y1, c in ent:
        p.poly([(RIGHT, y0), (x1, sy(y0, s1)), (x1, sy(y1, s1)), (RIGHT, y1)], c)
    # the triglyphs of the side frieze, two to each column
    for k in range(2 * (n_side - 1) + 1):
        u = (k / 2 + 0.05) / (n_side - 1 + 0.1)
        s, x = side(u)
        p.rect(x - 4 * s, sy(FRIEZE, s), 8 * s, (ARCHITRAVE - FRIEZE) * s, MARBLE_DARK)
    p.line([(RIGHT, CORNICE), (x1, sy(CORNICE, s1))], tint(MARBLE_SHADE, 0.3), 2)
    p.line([(RIGHT, ARCHITRAVE), (x1, sy(ARCHITRAVE, s1))], MARBLE_DARK, 1.2)
    # the far end: the east pediment's edge, seen from behind
    p.poly([(x1, sy(CORNICE, s1)), (x1 + 3, sy(CORNICE, s1)), (x1 - 2, sy(APEX + 6, s1))], MARBLE_DARK)

    # the west front: three steps, the shadowy porch behind eight columns
    for k, c in enumerate((MARBLE, tint(MARBLE, 0.1), MARBLE)):
        y = STYLOBATE + 6 * k
        p.rect(LEFT - 6 * k, y, RIGHT - LEFT + 12 * k, 6, c)
        p.rect(LEFT - 6 * k, y + 4.5, RIGHT - LEFT + 12 * k, 1.5, MARBLE_SHADE)
    p.rect(LEFT + 18, COL_TOP + 6, RIGHT - LEFT - 36, STYLOBATE - COL_TOP - 6, shade(MARBLE_SHADE, 0.35))
    for k in range(5):
        x = LEFT + 60 + k * 52
        p.rect(x, COL_TOP + 20, 12, STYLOBATE - COL_TOP - 20, shade(MARBLE_SHADE, 0.5))
    # sky through the roofless hall, above the inner porch
    p.rect(LEFT + 26, COL_TOP + 6, RIGHT - LEFT - 52, 14, "#9cc9ec", opacity=0.6)
    step = (RIGHT - LEFT - 26) / (n_front - 1)
    for k in range(n_front):
        column(p, LEFT + 13 + k * step, COL_TOP, STYLOBATE, 21, lit=True)
    # architrave, frieze of triglyphs and metopes, cornice
    p.rect(LEFT - 2, ARCHITRAVE, RIGHT - LEFT + 4, COL_TOP - ARCHITRAVE, MARBLE)
    p.rect(LEFT - 2, COL_TOP - 4, RIGHT - LEFT + 4, 4, MARBLE_SHADE)
    p.rect(LEFT - 2, FRIEZE, RIGHT - LEFT + 4, ARCHITRAVE - FRIEZE, tint(MARBLE, 0.08))
    for k in range(2 * (n_front - 1) + 1):
        x = LEFT + 13 + k * step / 2
        p.rect(x - 5, FRIEZE + 1, 10, ARCHITRAVE - FRIEZE - 1, MARBLE_SHADE)
        for dx in (-2, 1):
            p.rect(x + dx, FRIEZE + 2, 1.2, ARCHITRAVE - FRIEZE - 3, MARBLE_DARK)
    p.rect(LEFT - 6, CORNICE, RIGHT - LEFT + 12, FRIEZE - CORNICE, tint(MARBLE, 0.25))
    p.rect(LEFT - 6, FRIEZE - 3, RIGHT - LEFT + 12, 3, MARBLE_SHADE)
    # the pediment: its raking cornice whole, the tympanum weathered, a few
    # figures left in the corners
    cx = (LEFT + RIGHT) / 2
    p.poly([(LEFT - 8, CORNICE + 1), (cx, APEX - 4), (RIGHT + 8, CORNICE + 1)], tint(MARBLE, 0.25))
    p.poly([(LEFT + 10, CORNICE), (cx, APEX + 5), (RIGHT - 10, CORNICE)], shade(MARBLE, 0.14))
    for x, h in ((LEFT + 40, 8), (LEFT + 62, 12), (LEFT + 84, 14), (RIGHT - 70, 13), (RIGHT - 46, 9)):
        p.rect(x, CORNICE - h, 9, h, MARBLE)
    # weathering
    rng = random.Random(21)
    for _ in range(34):
        x = rng.uniform(LEFT, RIGHT)
        y = rng.uniform(CORNICE, STYLOBATE)
        p.rect(x, y, rng.uniform(3, 8), 1.6, MARBLE_DARK, opacity=0.22)


def olive(p, x, y, r):
    p.rect(x - 2, y - r * 0.9, 4, r * 0.9, "#6e5a40")
    for dx, dy, rr in ((-0.5, -1.1, 0.7), (0.4, -1.2, 0.75), (0, -1.6, 0.7)):
        p.circle(x + dx * r, y + dy * r, rr * r, "#8a9a5b")
    p.circle(x + 0.5 * r, y - 1.0 * r, 0.5 * r, "#6f7f45")


def rock(p):
    """The flat-topped rock: the walls on its rim, then sheer cliffs."""
    wall_top = 356
    p.poly([(-10, wall_top - 4), (610, wall_top - 12), (610, 600), (-10, 600)], "#d6c39c")
    # the ring wall along the edge, of squared blocks
    p.poly([(-10, wall_top), (610, wall_top - 8), (610, 410), (-10, 420)], "#cdb68b")
    for k in range(6):
        y = wall_top + 9 * k
        p.line([(-10, y), (610, y - 8 + k * 0.4)], shade("#cdb68b", 0.15), 1, opacity=0.7)
    p.poly([(420, wall_top - 5), (610, wall_top - 8), (610, 410), (420, 413)], "#b39b70")
    # the cliffs below it
    p.path("M-10,420 L610,410 L610,600 L-10,600 Z", ROCK)
    p.path("M380,414 L610,410 L610,600 L470,600 L440,520 Z", ROCK_SHADE)
    p.path("M-10,440 L90,424 L150,500 L210,440 L270,530 L200,600 L-10,600 Z", shade(ROCK, 0.1))
    for x0, x1, y in ((20, 170, 450), (300, 430, 440), (160, 330, 480), (480, 590, 470)):
        p.line([(x0, y), (x1, y + 14)], ROCK_SHADE, 2, opacity=0.7)


def draw():
    p = Pic()
    sky(p, "#2f82d0", "#e4f0f7", 0, 420, mid="#8cc0ea")
    sun(p, 90, 70, 22)
    cloud(p, 470, 86, 160, seed=21, shadow="#dfe6ef")
    # far mountains
    profile(p, [(-10, 364), (100, 340), (220, 356), (380, 330), (520, 350), (610, 338)],
            haze("#8aa0a4", 0.5), bottom=420)
    rock(p)
    parthenon(p)
    # the town of white houses below, olive trees on the lower slope
    rng = random.Random(22)
    for _ in range(40):
        x = rng.uniform(-10, 600)
        y = rng.uniform(534, 600)
        w = rng.uniform(18, 34)
        p.rect(x, y, w, 26, "#f4efe6")
        p.rect(x + w * 0.6, y, w * 0.4, 26, "#d9d1c3")
        p.rect(x + 4, y + 8, 5, 6, "#7d8ca0")
    for x, y, r in ((40, 532, 24), (110, 545, 20), (470, 536, 26), (560, 548, 22), (300, 552, 18)):
        olive(p, x, y, r)
    return p.svg()
