"""Cologne Cathedral's west front from the square: the two enormous
Gothic towers of dark, weathered stone, six times as tall as they are
wide, climbing through three storeys of tall pointed windows under gables
and pinnacles to the octagons and the openwork spires with their crockets
and cross-shaped finials; the great west window and portal between them,
visitors tiny on the square at their feet."""
from parts import Pic, sky, sun, cloud, shade, tint, haze, num, pointed_arch_path, person

NAME = "Katedra w Kolonii"

STONE = "#6e6a63"
STONE_LIGHT = "#8d887f"
STONE_DARK = "#46433e"
HOLE = "#2b2d33"
BASE = 588
S = 3.62            # pixels to the metre: 157 m fill the picture
CX = 300


def Y(m):
    return BASE - m * S


def pinnacle(p, x, y, w, h, colour=STONE):
    p.rect(x - w / 2, y - h * 0.45, w, h * 0.45, colour)
    p.poly([(x - w / 2 - 0.8, y - h * 0.45), (x + w / 2 + 0.8, y - h * 0.45), (x, y - h)], colour)
    p.circle(x, y - h - 1, 1.3, colour)


def window(p, x, y, w, h, gable=True):
    """A tall pointed window with its mullions, under a sharp gable."""
    p.path(pointed_arch_path(x, y, w, h - w * 0.55, w * 0.55), HOLE)
    for k in (1, 2):
        p.rect(x + w * k / 3 - 0.6, y - h + w * 0.5, 1.2, h - w * 0.5, STONE_DARK)
    if gable:
        p.poly([(x - 2, y - h + w * 0.4), (x + w + 2, y - h + w * 0.4), (x + w / 2, y - h - w * 0.9)],
               "none", stroke=STONE_LIGHT, stroke_width=1.3)
        pinnacle(p, x + w / 2, y - h - w * 0.6, 1.6, 9, STONE_LIGHT)


def tower(p, cx):
    """One tower: square storeys with buttresses, the octagon and the spire."""
    w = 24.5 * S
    x0, x1 = cx - w / 2, cx + w / 2
    # the square body up to the octagon
    p.rect(x0, Y(96), w, BASE - Y(96), STONE)
    p.rect(cx + w * 0.18, Y(96), w * 0.32, BASE - Y(96), STONE_DARK)
    # buttresses at the corners and the middle, each a column of pinnacles
    for bx, bw in ((x0, 5.0 * S), (cx - 1.6 * S, 3.2 * S), (x1 - 5.0 * S, 5.0 * S)):
        lit = bx < cx - 2 * S
        col = STONE_LIGHT if lit else shade(STONE, 0.15)
        p.rect(bx, Y(92), bw, BASE - Y(92), col)
        p.rect(bx + bw * 0.6, Y(92), bw * 0.4, BASE - Y(92), STONE_DARK if lit else shade(STONE_DARK, 0.2))
        for h in (28, 58, 92):
            pinnacle(p, bx + bw / 2, Y(h), bw * 0.5, 14 * S * 0.8, col)
    # three storeys of windows, one pair to a storey
    bays = [(x0 + 5.0 * S, cx - 1.6 * S), (cx + 1.6 * S, x1 - 5.0 * S)]
    for (lo, hi), (y0, y1) in (((0, 0), (4, 24)), ((0, 0), (32, 55)), ((0, 0), (63, 88))):
        for a, b in bays:
            window(p, a + 1.1 * S, Y(y0), b - a - 2.2 * S, (y1 - y0) * S)
    # horizontal galleries between the storeys
    for h in (27, 57, 90):
        p.rect(x0 - 2, Y(h), w + 4, 4, STONE_LIGHT)
        p.rect(x0 - 2, Y(h) + 4, w + 4, 1.5, STONE_DARK)
    # the octagon: narrower, tall windows, a crown of pinnacles round it
    ow = 17 * S
    p.rect(cx - ow / 2, Y(114), ow, Y(96) - Y(114), STONE)
    p.rect(cx + ow * 0.15, Y(114), ow * 0.35, Y(96) - Y(114), STONE_DARK)
    for k in range(3):
        window(p, cx - ow / 2 + 2 + k * (ow - 4) / 3 + 1.5, Y(97), (ow - 4) / 3 - 3, 15 * S, gable=False)
    for x, h in ((x0 + 3, 24), (x1 - 3, 24), (cx - ow / 2 - 6, 20), (cx + ow / 2 + 6, 20)):
        pinnacle(p, x, Y(96), 5, h * S, STONE_LIGHT if x < cx else STONE)
    for x in (cx - ow / 2, cx + ow / 2):
        pinnacle(p, x, Y(114), 3.2, 10 * S, STONE_LIGHT if x < cx else STONE)
    # the openwork spire: slender, its ribs edged with crockets, the
    # tracery letting the sky through, then the finial
    top = Y(150)
    half0 = ow * 0.4
    p.poly([(cx - half0, Y(114)), (cx + half0, Y(114)), (cx + 1.2, top), (cx - 1.2, top)], STONE)
    p.poly([(cx + 2, Y(114)), (cx + half0, Y(114)), (cx + 1.2, top), (cx + 0.5, top)], STONE_DARK)
    n = 9
    for k in range(n):
        t0, t1 = k / n, (k + 1) / n
        y0 = Y(114) + (top - Y(114)) * t0
        y1 = Y(114) + (top - Y(114)) * t1
        h0 = half0 * (1 - t0) + 1.2 * t0
        h1 = half0 * (1 - t1) + 1.2 * t1
        if h1 > 4:
            for j in (-0.5, 0.5):
                cxh = cx + j * h1
                p.ellipse(cxh, (y0 + y1) / 2, h1 * 0.18, (y0 - y1) * 0.3, "#5f90c8")
        p.rect(cx - h0, y0 - 0.8, 2 * h0, 1.6, STONE_LIGHT)
    for k in range(1, 22):
        t = k / 22
        y = Y(114) + (top - Y(114)) * t
        half = half0 * (1 - t) + 1.2 * t
        for j in (-1, 1):
            p.poly([(cx + j * half, y), (cx + j * (half + 2.5), y - 2.5), (cx + j * half, y - 3.5)],
                   STONE_LIGHT if j < 0 else STONE)
    # the cross-flower finial
    fy = top
    p.rect(cx - 1.5, fy - 22, 3, 22, STONE)
    for dy, r in ((4, 7), (12, 5.5)):
        p.poly([(cx - r, fy - dy), (cx, fy - dy - 4), (cx + r, fy - dy), (cx, fy - dy + 2)], STONE_LIGHT)
    p.circle(cx, fy - 24, 2.6, STONE_LIGHT)


def draw():
    p = Pic()
    sky(p, "#3a86d0", "#e5eef6", 0, 600, mid="#9cc8ec")
    sun(p, 84, 84, 20)
    cloud(p, 500, 150, 140, seed=201, shadow="#dce5ee")
    cloud(p, 90, 330, 110, seed=202, opacity=0.85)
    # the city low round the square, pale against the towers
    for x0, w, top, col in ((-10, 90, 470, "#d6c8b0"), (70, 70, 500, "#c9b8a0"),
                            (470, 70, 490, "#d3c3a8"), (530, 90, 460, "#c6b59c")):
        p.rect(x0, top, w, BASE - top, col)
        p.rect(x0 + w * 0.7, top, w * 0.3, BASE - top, shade(col, 0.15))
        p.poly([(x0 - 2, top), (x0 + w + 2, top), (x0 + w / 2, top - 26)], "#9a5a44")
        for x in range(int(x0) + 8, int(x0 + w) - 8, 16):
            for y in range(top + 12, BASE - 10, 22):
                p.rect(x, y, 7, 11, "#5b6470")
    # the nave's gable with the great west window between the towers
    gx0, gx1 = CX - 7.2 * S, CX + 7.2 * S
    p.rect(gx0, Y(60), gx1 - gx0, BASE - Y(60), STONE)
    p.poly([(gx0, Y(60)), (gx1, Y(60)), (CX, Y(76))], STONE)
    p.poly([(CX, Y(60)), (gx1, Y(60)), (CX, Y(76))], STONE_DARK)
    pinnacle(p, CX, Y(76), 3, 10 * S, STONE_LIGHT)
    window(p, gx0 + 4, Y(32), gx1 - gx0 - 8, 26 * S)
    p.circle(CX, Y(48), 4.5 * S, "none", stroke=STONE_DARK, stroke_width=1.5)
    # the great portal with its gable
    p.path(pointed_arch_path(CX - 5.5 * S, BASE, 11 * S, 14 * S, 7 * S), HOLE)
    p.path(pointed_arch_path(CX - 3.5 * S, BASE, 7 * S, 9 * S, 4.5 * S), "#5a4a3c")
    p.poly([(CX - 7 * S, Y(20)), (CX + 7 * S, Y(20)), (CX, Y(31))], "none", stroke=STONE_LIGHT, stroke_width=2)
    for c in (CX - 12.3 * S - 7.2 * S, CX + 12.3 * S + 7.2 * S):
        tower(p, c)
    # the square and the visitors
    p.rect(0, BASE, 600, 600 - BASE, "#b9b2a6")
    for x, c in ((40, "#3a3a48"), (120, "#6a3f3a"), (210, "#3f5a6a"), (300, "#4a4a5a"), (390, "#5a5040"),
                 (470, "#3a3a48"), (560, "#6a3f3a")):
        person(p, x, 599, 11, c)
    return p.svg()
