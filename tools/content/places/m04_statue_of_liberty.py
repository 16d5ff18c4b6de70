"""The Statue of Liberty: the green copper lady with her torch held high,
the crown of seven rays and the tablet in her left arm, standing on the
tall granite pedestal, which rises from the star-shaped walls of the old
fort on the island; Manhattan's towers far off on the water.

The proportions are the statue's own: the pedestal with its foundation is
as tall as the figure and its torch, the head a sixth of the figure."""
import math
import random

from parts import Pic, sky, sun, cloud, water, ripples, shade, tint, haze

NAME = "Statuła wolności"

COPPER = "#6fb29c"
COPPER_SHADE = "#43806d"
COPPER_DEEP = "#356b5a"
COPPER_LIGHT = "#a3d6c4"
GRANITE = "#ddd2bd"
GRANITE_SHADE = "#ad9f87"
GRANITE_DARK = "#8a7d68"
CONCRETE = "#cfc9bb"
GOLD = "#f3b53d"
CX = 300
FEET = 286          # the top of the pedestal, where she stands
PED_BASE = 442      # where the pedestal meets its stepped foundation
FORT = 500          # the top of the fort's walls at their inner corners


def skyline(p, x0, x1, base, seed):
    rng = random.Random(seed)
    x = x0
    col = haze("#7d8ea3", 0.35)
    while x < x1:
        w = rng.uniform(10, 22)
        h = rng.uniform(18, 70) * (1.6 if rng.random() < 0.12 else 1)
        p.rect(x, base - h, w, h, col)
        if rng.random() < 0.3:
            p.rect(x + w * 0.35, base - h - 8, w * 0.3, 8, col)
        x += w + rng.uniform(0, 3)


def fort(p):
    """The eleven-pointed star of the fort's walls, one point towards us,
    seen from the water a little below their top."""
    n = 11
    ring = []
    for k in range(2 * n):
        a = math.pi / 2 + k * math.pi / n
        r = 270 if k % 2 == 0 else 185
        ring.append((math.cos(a) * r, math.sin(a) * r))
    def top(pt):
        return CX + pt[0], FORT + pt[1] * 0.15
    height = 40
    # the terrace inside, then the wall faces that turn towards us, far ones first
    p.poly([top(q) for q in ring], "#9fae7e")
    foundation(p)
    faces = []
    for k in range(2 * n):
        a, b = ring[k], ring[(k + 1) % (2 * n)]
        ex, ez = b[0] - a[0], b[1] - a[1]
        if ex < 0:                       # its outward side is turned towards us
            faces.append(((a[1] + b[1]) / 2, a, b, ez))
    faces.sort(key=lambda f: f[0])
    for _, a, b, ez in faces:
        ta, tb = top(a), top(b)
        lit = ez < 0                     # its outward side faces left, into the light
        col = "#d6cdb8" if lit else "#a49a85"
        p.poly([ta, tb, (tb[0], tb[1] + height), (ta[0], ta[1] + height)], col)
        for j in range(1, 4):
            t = j / 4
            p.line([(ta[0], ta[1] + height * t), (tb[0], tb[1] + height * t)], shade(col, 0.12), 1,
                   opacity=0.6)
        p.line([ta, tb], tint(col, 0.3), 2.5)


def foundation(p):
    """The stepped concrete base the pedestal stands on, inside the fort."""
    for k, (y0, y1, hw) in enumerate(((520, 496, 96), (496, 472, 84), (472, PED_BASE, 72))):
        p.rect(CX - hw, y1, 2 * hw, y0 - y1, CONCRETE)
        p.rect(CX + hw * 0.2, y1, hw * 0.8, y0 - y1, shade(CONCRETE, 0.22))
        p.rect(CX - hw - 3, y1, 2 * hw + 6, 4, tint(CONCRETE, 0.3))


def pedestal(p):
    """The granite pedestal: a wide plinth, a shaft with quoined corners and
    a band of discs, the loggia near the top and the balcony above it."""
    lit, dark = GRANITE, GRANITE_SHADE
    def block(y0, y1, hw, split=0.2, c=None):
        p.rect(CX - hw, y1, 2 * hw, y0 - y1, c or lit)
        p.rect(CX + hw * split, y1, hw * (1 - split), y0 - y1, dark)
    block(PED_BASE, 418, 62)
    p.rect(CX - 64, 418, 128, 4, tint(GRANITE, 0.35))
    block(418, 322, 52)
    # the quoins at the corners and a tall recessed panel on each face
    for y in range(322, 418, 12):
        p.rect(CX - 52, y, 8, 8, tint(GRANITE, 0.2))
        p.rect(CX + 44, y, 8, 8, shade(GRANITE_SHADE, 0.1))
    p.rect(CX - 36, 372, 36, 40, shade(GRANITE, 0.12))
    p.rect(CX + 12, 372, 28, 40, shade(GRANITE_SHADE, 0.15))
    # the band of discs
    p.rect(CX - 52, 360, 104, 8, shade(GRANITE, 0.08))
    for k in range(5):
        x = CX - 40 + k * 11
        p.circle(x, 364, 3, tint(GRANITE, 0.3))
    for k in range(3):
        p.circle(CX + 18 + k * 11, 364, 3, GRANITE)
    # the loggia: openings between columns under a cornice
    for k, x in enumerate((CX - 34, CX - 18, CX + 16, CX + 30)):
        p.rect(x, 330, 8, 24, "#4d4a47" if x < CX else "#3a3836")
    for x in (CX - 38, CX - 22, CX - 6, CX + 12, CX + 26, CX + 40):
        p.rect(x - 2, 328, 4, 28, GRANITE if x < CX else GRANITE_SHADE)
    block(322, 306, 60, c=tint(GRANITE, 0.1))
    p.rect(CX - 62, 320, 124, 4, GRANITE_DARK)
    # the balcony where visitors stand at her feet
    block(306, FEET, 48)
    for x in range(CX - 44, CX + 46, 8):
        p.rect(x, FEET + 2, 4, 10, GRANITE_DARK)
    p.rect(CX - 50, FEET, 100, 3, tint(GRANITE, 0.3))


def statue(p):
    """The figure: about 200 px from heel to crown, the torch above."""
    c, cs, cd, cl = COPPER, COPPER_SHADE, COPPER_DEEP, COPPER_LIGHT
    # the robe falling to her feet, the right foot stepping back
    robe = [(270, FEET), (334, FEET), (331, 250), (328, 205), (332, 176), (330, 146), (316, 138),
            (284, 138), (270, 148), (272, 180), (266, 220), (264, 258)]
    p.poly(robe, c)
    p.poly([(302, 140), (316, 138), (330, 146), (332, 176), (328, 205), (331, 250), (334, FEET),
            (306, FEET), (308, 240), (312, 190)], cs)
    for x0, x1 in ((276, 272), (288, 284), (298, 300), (320, 326)):
        p.path(f"M{x0},170 Q{(x0 + x1) / 2 + 4},230 {x1},{FEET}", "none", stroke=shade(c, 0.3),
               stroke_width=1.5)
    # the cloak crossing from her left shoulder down to her right hip
    p.path("M328,146 Q300,188 268,214 L268,232 Q302,212 332,170 Z", cl)
    p.path("M268,232 Q302,212 332,170 L332,180 Q304,224 270,246 Z", cd, opacity=0.8)
    p.poly([(266, FEET - 4), (276, FEET - 10), (282, FEET)], cd)
    # the raised right arm, its loose sleeve, the hand and the torch
    p.path("M270,150 L286,140 L270,102 L262,62 L252,62 L254,104 Z", c)
    p.path("M280,146 L286,140 L270,102 L262,62 L258,62 L262,104 Z", cs)
    p.path("M270,150 Q252,132 256,102 L266,100 Q266,126 284,142 Z", cs)
    p.ellipse(257, 62, 7, 6, c)
    p.rect(253, 42, 9, 20, cs)
    p.rect(253, 42, 4, 20, c)
    p.poly([(246, 34), (268, 34), (264, 43), (250, 43)], c)
    p.poly([(257, 34), (268, 34), (264, 43), (257, 43)], cs)
    p.rect(244, 31, 26, 4, cl)
    p.circle(257, 20, 26, p.radial([(0, "#fff2b0", 0.85), (1, "#ffd36b", 0)]))
    p.path("M248,31 C244,20 255,18 254,6 C263,16 269,22 266,31 Z", GOLD)
    p.path("M253,31 C252,24 258,22 258,14 C263,22 264,26 261,31 Z", "#ffe08a")
    # the left arm bent at her side, holding the tablet against her
    p.path("M318,140 L334,146 L340,186 L330,196 L322,178 Z", cs)
    p.poly([(330, 156), (354, 150), (362, 212), (338, 218)], "#8cc4b1")
    p.poly([(354, 150), (358, 149), (366, 211), (362, 212)], cd)
    p.poly([(330, 156), (354, 150), (358, 149), (334, 155)], cl)
    p.line([(336, 176), (356, 172)], cs, 1)
    p.path("M326,196 Q334,212 344,214 L348,206 Q338,204 332,190 Z", c)
    # neck and head, looking straight out, the crown's band and seven rays
    p.rect(294, 128, 12, 12, cs)
    p.rect(294, 128, 5, 12, c)
    head = "M289,114 Q289,104 300,103 Q311,104 311,114 Q311,126 305,131 Q300,134 295,131 Q289,126 289,114 Z"
    p.path(head, c)
    p.path("M300,103 Q311,104 311,114 Q311,126 305,131 Q300,134 300,134 Q305,124 303,104 Z", cs)
    # the face: brow, the shadows of the eyes, the straight nose, mouth
    p.path("M293,116 Q296,114 299,116", "none", stroke=cd, stroke_width=1.4)
    p.path("M301,116 Q304,114 307,116", "none", stroke=cd, stroke_width=1.4)
    p.path("M300,116 L298.5,123 L301,123.5", "none", stroke=cd, stroke_width=1.1)
    p.path("M297,127 Q300,128 303,127", "none", stroke=cd, stroke_width=1.2)
    p.path("M289,114 Q287,124 291,130 L293,128 Q290,122 291,114 Z", cd)
    p.path("M288,110 Q300,102 312,110 L312,106 Q300,98 288,106 Z", cl)
    for ang in (-168, -142, -116, -90, -64, -38, -12):
        a = math.radians(ang)
        bx, by = 300 + math.cos(a) * 11, 106 + math.sin(a) * 4
        tx, ty = 300 + math.cos(a) * 30, 106 + math.sin(a) * 24
        nx, ny = -math.sin(a) * 2.6, math.cos(a) * 2.6
        p.poly([(bx - nx, by - ny), (tx, ty), (bx + nx, by + ny)], cl if ang < -90 else c)


def draw():
    p = Pic()
    sky(p, "#2f86d4", "#d7ecf8", 0, 540, mid="#85bde8")
    sun(p, 470, 80, 22)
    cloud(p, 110, 250, 150, seed=41, shadow="#e0e8f2")
    cloud(p, 500, 190, 120, seed=42, opacity=0.85)
    skyline(p, 430, 610, 520, 43)
    skyline(p, -10, 110, 520, 44)
    water(p, 518, "#6aa3cf", "#2b6698")
    ripples(p, 562, 600, "#bfe0f5", seed=45, count=16, opacity=0.5)
    # the island: lawn and trees around the fort
    p.path("M-10,560 Q300,536 610,560 L610,578 Q300,566 -10,578 Z", "#7aa05a")
    for x, r in ((40, 14), (78, 12), (520, 13), (560, 15)):
        p.circle(x, 548, r, "#4f7f3a")
        p.circle(x + 4, 551, r * 0.7, shade("#4f7f3a", 0.2))
    fort(p)
    pedestal(p)
    statue(p)
    return p.svg()
