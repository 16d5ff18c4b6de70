"""St Stephen's Cathedral in Vienna seen from the south: the tall dark
Gothic south tower rising out of the church's flank and tapering into its
needle spire, the very steep roof covered in zigzags of yellow, green,
black and white glazed tiles, and above the choir the tiled double-headed
eagle."""
import math

from parts import Pic, sky, sun, cloud, shade, tint, num, pointed_arch_path, person

NAME = "Katedra we Wiedniu"

STONE = "#b3a58e"
STONE_SHADE = "#857864"
STONE_DARK = "#5a5044"
TOWER = "#8f8371"
TOWER_SHADE = "#655b4d"
GROUND = 572
EAVES = 392
RIDGE = 178
YELLOW = "#e7b52c"
GREEN = "#23684a"
BLACK = "#1c1c1f"
WHITE = "#f1ebdc"


def zigzag(p):
    """The nave's tiles: bands of chevrons, each colour a row of zigzags."""
    rows = [YELLOW, GREEN, WHITE, GREEN, YELLOW, BLACK]
    tile = ""
    h = 9
    for k, c in enumerate(rows):
        y = k * h
        tile += (f'<path d="M0,{y} L11,{y + h} L22,{y} L22,{y + h} L11,{y + 2 * h} L0,{y + h} Z" '
                 f'fill="{c}"/>')
    tile += (f'<path d="M0,0 L11,{h} L22,0 Z" fill="{BLACK}"/>')
    return p.pattern(22, h * len(rows), tile)


def eagle(p, ex, ey, s):
    """The double-headed eagle laid in black tiles: two crowned heads
    looking apart, wings raised with their long feathers fanned out, the
    red-white-red shield on the breast, sword and orb in the claws and the
    imperial crown above."""
    def P(x, y):
        return f"{num(ex + x * s)},{num(ey + y * s)}"
    def poly(points, colour):
        p.path("M" + " L".join(P(x, y) for x, y in points) + " Z", colour)
    def feather(x0, y0, ang, ln, wd, colour=BLACK):
        a = math.radians(ang)
        dx, dy = math.cos(a), math.sin(a)
        nx, ny = -dy * wd / 2, dx * wd / 2
        tip = (x0 + dx * ln, y0 + dy * ln)
        mid = (x0 + dx * ln * 0.55, y0 + dy * ln * 0.55)
        p.path(f"M{P(x0 + nx, y0 + ny)} Q{P(mid[0] + nx * 1.2, mid[1] + ny * 1.2)} {P(*tip)} "
               f"Q{P(mid[0] - nx * 1.2, mid[1] - ny * 1.2)} {P(x0 - nx, y0 - ny)} Z", colour)
    for side in (-1, 1):
        # the long flight feathers, fanned from high and outwards to low
        for i in range(6):
            ang = -36 + i * 17
            ln = 0.72 - 0.05 * i
            a = ang if side > 0 else 180 - ang
            feather(side * 0.3, -0.28 + i * 0.035, a, ln, 0.18)
        # the covert over their roots, with a gold edge like the tiles'
        poly([(side * 0.06, -0.2), (side * 0.22, -0.5), (side * 0.42, -0.66), (side * 0.62, -0.6),
              (side * 0.66, -0.3), (side * 0.58, 0.02), (side * 0.4, 0.16), (side * 0.12, 0.14)], BLACK)
        p.path("M" + P(side * 0.2, -0.44) + " Q" + P(side * 0.45, -0.6) + " " + P(side * 0.62, -0.5),
               "none", stroke=YELLOW, stroke_width=float(s * 0.022))
        p.path("M" + P(side * 0.22, -0.18) + " Q" + P(side * 0.45, -0.3) + " " + P(side * 0.62, -0.2),
               "none", stroke=YELLOW, stroke_width=float(s * 0.018))
        # the neck curving out to the head, the hooked beak and red tongue
        poly([(side * 0.03, -0.16), (side * 0.11, -0.18), (side * 0.2, -0.38), (side * 0.27, -0.5),
              (side * 0.17, -0.54), (side * 0.1, -0.4), (side * 0.02, -0.26)], BLACK)
        p.circle(ex + side * 0.22 * s, ey - 0.52 * s, 0.075 * s, BLACK)
        poly([(side * 0.27, -0.57), (side * 0.37, -0.55), (side * 0.39, -0.5), (side * 0.35, -0.5),
              (side * 0.34, -0.52), (side * 0.28, -0.5)], YELLOW)
        poly([(side * 0.3, -0.5), (side * 0.4, -0.46), (side * 0.31, -0.48)], "#c8322b")
        p.circle(ex + side * 0.24 * s, ey - 0.54 * s, 0.015 * s, YELLOW)
        # a crown on each head
        poly([(side * 0.15, -0.6), (side * 0.15, -0.68), (side * 0.18, -0.64), (side * 0.21, -0.71),
              (side * 0.24, -0.64), (side * 0.27, -0.68), (side * 0.28, -0.6)], YELLOW)
        # the legs and claws
        poly([(side * 0.06, 0.22), (side * 0.16, 0.34), (side * 0.24, 0.38), (side * 0.24, 0.43),
              (side * 0.14, 0.41), (side * 0.03, 0.3)], BLACK)
    # the tail fanned below the body
    for ang in (60, 75, 90, 105, 120):
        feather(0, 0.2, ang, 0.36, 0.12)
    p.ellipse(ex, ey + 0.03 * s, 0.14 * s, 0.25 * s, BLACK)
    # sword and orb
    p.path("M" + P(-0.24, 0.4) + " L" + P(-0.52, 0.1), "none", stroke="#d8d4c8", stroke_width=float(s * 0.028))
    p.path("M" + P(-0.2, 0.33) + " L" + P(-0.3, 0.45), "none", stroke=YELLOW, stroke_width=float(s * 0.03))
    p.circle(ex + 0.26 * s, ey + 0.44 * s, 0.055 * s, YELLOW)
    p.path("M" + P(0.26, 0.385) + " L" + P(0.26, 0.33), "none", stroke=YELLOW, stroke_width=float(s * 0.02))
    # the shield on the breast
    poly([(-0.1, -0.1), (0.1, -0.1), (0.1, 0.1), (0, 0.2), (-0.1, 0.1)], "#c8322b")
    p.rect(ex - 0.1 * s, ey - 0.01 * s, 0.2 * s, 0.06 * s, WHITE)
    # the imperial crown between the heads
    poly([(-0.1, -0.66), (-0.12, -0.8), (-0.05, -0.76), (0, -0.86), (0.05, -0.76), (0.12, -0.8),
          (0.1, -0.66)], YELLOW)
    p.rect(ex - 0.015 * s, ey - 0.93 * s, 0.03 * s, 0.08 * s, YELLOW)
    p.rect(ex - 0.04 * s, ey - 0.9 * s, 0.08 * s, 0.02 * s, YELLOW)


def roof(p):
    """The nave and choir under one huge steep roof; the choir end is
    hipped, the west end stops at the gable over the west front."""
    face = [(18, EAVES), (596, EAVES), (560, RIDGE + 6), (70, RIDGE)]
    d = "M" + " L".join(f"{num(x)},{num(y)}" for x, y in face) + " Z"
    p.path(d, zigzag(p))
    # the choir part: the eagle on a field of pale and yellow tiles
    choir = [(368, EAVES), (596, EAVES), (560, RIDGE + 6), (372, RIDGE + 4)]
    dc = "M" + " L".join(f"{num(x)},{num(y)}" for x, y in choir) + " Z"
    field = p.pattern(14, 14, f'<rect width="14" height="14" fill="{WHITE}"/>'
                              f'<path d="M0,7 L7,0 L14,7 L7,14 Z" fill="#e9d9a6"/>')
    p.path(dc, field)
    p.path(f"M368,{EAVES} L372,{RIDGE + 4}", "none", stroke=GREEN, stroke_width=6.0)
    eagle(p, 474, 284, 104)
    # light falls across from the left, the hipped end turns away into shade
    p.path(d, p.linear([(0, "#ffffff", 0.1), (1, "#000000", 0.16)], 0, 0, 1, 0))
    p.poly([(560, RIDGE + 6), (596, EAVES), (610, EAVES), (610, RIDGE + 40)], shade(GREEN, 0.35))
    p.line([(70, RIDGE), (560, RIDGE + 6)], "#d8c48e", 3)
    # the west gable edge with its crockets
    p.poly([(6, EAVES), (18, EAVES), (70, RIDGE), (60, RIDGE - 6)], STONE)
    for k in range(9):
        t = (k + 0.5) / 9
        p.circle(6 + 54 * t, EAVES - (EAVES - RIDGE + 6) * t, 3, STONE)
    p.rect(56, RIDGE - 30, 6, 28, STONE)


def walls(p):
    """The south flank: buttresses with pinnacles, tall traceried windows
    and the pointed gables over every bay along the eaves."""
    p.rect(-10, EAVES, 620, GROUND - EAVES, STONE)
    p.rect(-10, EAVES, 620, 10, tint(STONE, 0.2))
    bays = [(-10, 34), (34, 102), (102, 170), (330, 398), (398, 466), (466, 534), (534, 610)]
    for x0, x1 in bays:
        cx = (x0 + x1) / 2
        w = x1 - x0
        # the bay's gable with a rose of tracery
        p.poly([(x0 + 6, EAVES + 4), (x1 - 6, EAVES + 4), (cx, EAVES - 52)], STONE)
        p.poly([(cx, EAVES - 52), (x1 - 6, EAVES + 4), (cx, EAVES + 4)], STONE_SHADE)
        p.circle(cx, EAVES - 12, w * 0.13, STONE_DARK)
        p.path(pointed_arch_path(cx - w * 0.22, GROUND - 40, w * 0.44, 70, w * 0.3), "#3a3942")
        p.line([(cx, GROUND - 40), (cx, GROUND - 110)], STONE, 1.6)
        p.line([(cx - w * 0.11, GROUND - 40), (cx - w * 0.11, GROUND - 104)], STONE, 1.2)
        p.line([(cx + w * 0.11, GROUND - 40), (cx + w * 0.11, GROUND - 104)], STONE, 1.2)
    for x in (34, 102, 170, 330, 398, 466, 534):
        p.rect(x - 7, EAVES - 10, 14, GROUND - EAVES + 10, STONE_SHADE)
        p.rect(x - 7, EAVES - 10, 6, GROUND - EAVES + 10, STONE)
        p.poly([(x - 7, EAVES - 10), (x + 7, EAVES - 10), (x, EAVES - 56)], STONE_SHADE)
        p.poly([(x - 7, EAVES - 10), (x, EAVES - 10), (x, EAVES - 56)], STONE)


def tower(p, cx):
    """The south tower: a square shaft that narrows in steps, each step
    crowned with gables and pinnacles, until it turns octagonal and runs
    on as one long needle spire, all in the dark weathered stone."""
    stages = [(GROUND, 462, 62), (462, 370, 55), (370, 292, 48), (292, 226, 42), (226, 170, 36)]
    for i, (y0, y1, hw) in enumerate(stages):
        p.rect(cx - hw, y1, 2 * hw, y0 - y1, TOWER)
        p.rect(cx + hw * 0.1, y1, hw * 0.9, y0 - y1, TOWER_SHADE)
        # the corner buttresses
        p.rect(cx - hw - 4, y1 + 6, 9, y0 - y1 - 6, tint(TOWER, 0.08))
        p.rect(cx + hw - 5, y1 + 6, 9, y0 - y1 - 6, shade(TOWER_SHADE, 0.1))
        # two tall blind lancets on each face
        h = (y0 - y1) * 0.62
        for k, x in enumerate((cx - hw * 0.72, cx + hw * 0.22)):
            col = STONE_DARK if k == 0 else shade(STONE_DARK, 0.3)
            p.path(pointed_arch_path(x, y0 - 10, hw * 0.5, h - hw * 0.35, hw * 0.35), col)
            p.line([(x + hw * 0.25, y0 - 10), (x + hw * 0.25, y0 - 10 - h * 0.8)],
                   TOWER if k == 0 else TOWER_SHADE, 1.4)
        # the gables over the lancets, reaching up into the next stage
        for k, x in enumerate((cx - hw * 0.47, cx + hw * 0.47)):
            c = TOWER if k == 0 else TOWER_SHADE
            p.poly([(x - hw * 0.42, y1 + 8), (x + hw * 0.42, y1 + 8), (x, y1 - hw * 0.9)], c)
            p.poly([(x - hw * 0.2, y1 + 4), (x + hw * 0.2, y1 + 4), (x, y1 - hw * 0.45)],
                   shade(c, 0.25))
            p.line([(x, y1 - hw * 0.9), (x, y1 - hw * 0.9 - 8)], c, 2)
        for x, c in ((cx - hw, TOWER), (cx + hw, TOWER_SHADE)):
            p.rect(x - 4, y1 - 10, 8, 16, c)
            p.poly([(x - 4, y1 - 10), (x + 4, y1 - 10), (x, y1 - 34)], c)
        p.rect(cx - hw - 2, y1 + 4, 2 * hw + 4, 4, shade(TOWER, 0.2))
    # the octagonal lantern stage and the spire with its crockets
    top, base, hw = 12, 172, 32
    p.poly([(cx - hw, base), (cx + hw, base), (cx + 1.5, top), (cx - 1.5, top)], TOWER)
    p.poly([(cx + 2, base), (cx + hw, base), (cx + 1.5, top), (cx, top)], TOWER_SHADE)
    for k in range(15):
        y = base - 8 - k * 10
        half = hw * (y - top) / (base - top)
        p.circle(cx - half - 2, y, 2.4, TOWER)
        p.circle(cx + half + 2, y, 2.4, TOWER_SHADE)
        if k % 3 == 0 and half > 6:
            p.path(pointed_arch_path(cx - half * 0.5, y + 3, half * 0.45, 6, half * 0.3), STONE_DARK)
            p.path(pointed_arch_path(cx + half * 0.08, y + 3, half * 0.42, 6, half * 0.3),
                   shade(STONE_DARK, 0.35))
    p.rect(cx - 1, 0, 2, 14, STONE_DARK)
    p.line([(cx - 5, 5), (cx + 5, 5)], STONE_DARK, 1.5)


def draw():
    p = Pic()
    sky(p, "#3f8bd4", "#e6eff6", 0, GROUND, mid="#9fc8ec")
    sun(p, 545, 62, 20)
    cloud(p, 420, 96, 150, seed=311, shadow="#dce4ee")
    cloud(p, 90, 140, 110, seed=312, opacity=0.8)
    roof(p)
    walls(p)
    tower(p, 250)
    # the square
    p.rect(0, GROUND - 4, 600, 604 - GROUND, p.linear([(0, "#b8afa2"), (1, "#978d7f")]))
    for x, h in ((40, 22), (120, 26), (340, 20), (420, 24), (520, 28), (570, 22)):
        person(p, x, 574 + h, h, "#3e3b44")
    return p.svg()
