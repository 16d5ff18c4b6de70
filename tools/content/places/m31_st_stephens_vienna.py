"""St Stephen's Cathedral in Vienna seen from the south: the tall dark
Gothic south tower rising out of the church's flank and tapering into its
needle spire, the very steep roof covered in zigzags of yellow, green,
black and white glazed tiles, and above the choir the tiled double-headed
eagle."""
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
    """The double-headed eagle laid in black tiles, wings spread, crowned."""
    def P(*xy):
        return " ".join(f"{num(ex + x * s)},{num(ey + y * s)}" for x, y in zip(xy[::2], xy[1::2]))
    for side in (-1, 1):
        # the wing: three tiers of feathers fanning up and out
        pts = [(0.12, -0.15), (0.35, -0.55), (0.62, -0.78), (0.9, -0.72), (1.0, -0.55),
               (0.9, -0.42), (1.0, -0.3), (0.88, -0.15), (0.96, -0.02), (0.8, 0.08),
               (0.84, 0.22), (0.62, 0.26), (0.56, 0.38), (0.38, 0.3), (0.16, 0.28)]
        d = "M" + " L".join(P(side * x, y) for x, y in pts) + " Z"
        p.path(d, BLACK)
        for k, (x0, y0, x1, y1) in enumerate(((0.3, -0.42, 0.88, -0.5), (0.3, -0.22, 0.86, -0.2),
                                              (0.3, -0.02, 0.74, 0.12))):
            p.path("M" + P(side * x0, y0) + " L" + P(side * x1, y1), "none", stroke=YELLOW,
                   stroke_width=float(s * 0.025))
        # the neck and the head looking outwards, beak open
        neck = [(0.04, -0.2), (0.1, -0.5), (0.2, -0.66), (0.3, -0.7), (0.4, -0.66), (0.34, -0.6),
                (0.26, -0.58), (0.2, -0.46), (0.16, -0.2)]
        p.path("M" + " L".join(P(side * x, y) for x, y in neck) + " Z", BLACK)
        p.path("M" + " L".join(P(side * x, y) for x, y in ((0.38, -0.68), (0.5, -0.64),
                                                         (0.4, -0.6))) + " Z", YELLOW)
        # a crown on each head
        p.path("M" + " L".join(P(side * x, y) for x, y in ((0.2, -0.7), (0.22, -0.8), (0.26, -0.74),
                                                         (0.29, -0.82), (0.32, -0.74),
                                                         (0.35, -0.8), (0.36, -0.69))) + " Z", YELLOW)
        # the legs holding sword and orb
        p.path("M" + " L".join(P(side * x, y) for x, y in ((0.08, 0.38), (0.2, 0.5), (0.28, 0.5),
                                                         (0.26, 0.56), (0.14, 0.54),
                                                         (0.04, 0.44))) + " Z", BLACK)
    p.path("M" + P(0.34, 0.5) + " L" + P(0.62, 0.2), "none", stroke=YELLOW, stroke_width=float(s * 0.03))
    p.circle(ex - 0.3 * s, ey + 0.54 * s, 0.05 * s, YELLOW)
    # the body, the tail fanning below and the shield on the breast
    p.path("M" + " L".join(P(x, y) for x, y in ((-0.16, -0.25), (0.16, -0.25), (0.14, 0.38),
                                               (0.26, 0.62), (0.1, 0.58), (0, 0.7), (-0.1, 0.58),
                                               (-0.26, 0.62), (-0.14, 0.38))) + " Z", BLACK)
    p.path("M" + " L".join(P(x, y) for x, y in ((-0.11, -0.12), (0.11, -0.12), (0.11, 0.12),
                                               (0, 0.24), (-0.11, 0.12))) + " Z", "#c8322b")
    p.rect(ex - 0.11 * s, ey - 0.02 * s, 0.22 * s, 0.06 * s, WHITE)
    # the imperial crown between the heads
    p.path("M" + " L".join(P(x, y) for x, y in ((-0.12, -0.78), (-0.12, -0.94), (-0.05, -0.88),
                                               (0, -1.0), (0.05, -0.88), (0.12, -0.94),
                                               (0.12, -0.78))) + " Z", YELLOW)
    p.rect(ex - 0.015 * s, ey - 1.06 * s, 0.03 * s, 0.08 * s, YELLOW)


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
    eagle(p, 478, 292, 100)
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
