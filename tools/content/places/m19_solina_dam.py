"""The dam at Solina in the Bieszczady, seen from the wooded slope below
it: the grey concrete gravity wall bowed gently against the lake, built of
tall blocks, its crest road with lamps and walkers, the power station at
its foot letting the San out into the valley; behind the wall the wide
Solińskie lake with sails and a wooded island, and the long forested
ridges of the Bieszczady fading blue one behind another."""
import math
import random

from parts import Pic, sky, sun, cloud, ridge, shade, tint, haze, num, ripples, smooth, person

NAME = "Zapora w Solinie"

CONCRETE = "#c7c9c5"
CONCRETE_SHADE = "#989c99"
FOREST = "#3f7a3a"
FOREST_DARK = "#2d5c2c"
BEECH = "#5b8f3e"
LAKE_Y = 200


def crest_y(x):
    """The crest bows away from us in the middle: the wall leans on the lake."""
    return 286 + 26 * ((x - 300) / 300) ** 2


def foot_y(x):
    return 426 - 14 * ((x - 300) / 210) ** 2


def forest(p, points, colour, seed, count, bottom=600):
    """A wooded slope: its outline filled, then crowns of beech and fir."""
    d = smooth(points) + f" L{num(points[-1][0])},{bottom} L{num(points[0][0])},{bottom} Z"
    p.path(d, colour)
    clip = p.clip_path(d)
    rng = random.Random(seed)
    xs = [x for x, _ in points]
    p.open("g", clip_path=clip)
    for _ in range(count):
        x = rng.uniform(min(xs), max(xs))
        y = rng.uniform(min(y for _, y in points), bottom)
        r = 5 + (y - 200) / 400 * 12
        if rng.random() < 0.35:
            p.poly([(x, y - r * 2.6), (x + r * 0.8, y), (x - r * 0.8, y)], shade(colour, 0.3))
        else:
            c = rng.choice([tint(colour, 0.12), shade(colour, 0.15), colour])
            p.circle(x, y - r, r, c)
            p.circle(x + r * 0.3, y - r * 0.8, r * 0.6, shade(c, 0.2))
    p.close()


def draw():
    p = Pic()
    sky(p, "#4a90d4", "#e4eef6", 0, 220, mid="#a3cbeb")
    sun(p, 90, 70, 18)
    cloud(p, 430, 78, 150, seed=191, shadow="#dce5ee")
    cloud(p, 170, 130, 90, seed=192, opacity=0.8)
    # the Bieszczady ridges, one behind another, bluer with distance
    ridge(p, 150, 10, haze("#5c8a5a", 0.7), seed=193, waves=2)
    ridge(p, 172, 12, haze("#4f8048", 0.5), seed=194, waves=3)
    ridge(p, 192, 8, haze("#467a40", 0.3), seed=195, waves=4)
    # the lake behind the wall, with sails and a wooded island
    p.rect(0, LAKE_Y, 600, 110, p.linear([(0, "#7fb2d6"), (1, "#3f7fb4")]))
    ripples(p, LAKE_Y + 6, 300, "#d8eaf6", seed=196, count=40, opacity=0.45)
    p.ellipse(380, 222, 46, 7, "#4f7f45")
    p.ellipse(372, 219, 30, 6, "#5f8f50")
    for x, y, h in ((180, 236, 16), (240, 226, 11), (470, 246, 18), (520, 230, 10), (110, 252, 14)):
        p.poly([(x, y - h), (x, y), (x + h * 0.62, y)], "#ffffff")
        p.poly([(x - 2, y - h * 0.75), (x - 2, y), (x - h * 0.4, y)], "#f2f2f2")
        p.rect(x - h * 0.35, y, h * 0.95, 2.5, "#3a4a5a")
    # the far shore of the dam's flanks
    forest(p, [(-10, 244), (40, 250), (90, 268), (150, 300), (170, 330)], FOREST, 197, 60)
    forest(p, [(440, 330), (470, 300), (530, 268), (580, 254), (610, 250)], FOREST, 198, 60)

    # the valley floor under the wall, meadows along the river
    p.rect(0, 380, 600, 220, "#6f9a52")
    # the wall's downstream face, built of tall blocks, paler to the left
    top = [(x, crest_y(x)) for x in range(40, 561, 20)]
    bot = [(x, foot_y(x)) for x in range(520, 79, -20)]
    p.poly(top + bot, p.linear([(0, tint(CONCRETE, 0.15)), (0.6, CONCRETE), (1, CONCRETE_SHADE)], 0, 0, 1, 0))
    for k in range(1, 24):
        xt = 40 + 520 * k / 24
        xb = 80 + 440 * k / 24
        p.line([(xt, crest_y(xt) + 6), (xb, foot_y(xb))], shade(CONCRETE, 0.2), 1.2, opacity=0.6)
    # dark streaks where the water seeps down the face
    rng = random.Random(199)
    for _ in range(16):
        xt = rng.uniform(80, 520)
        p.line([(xt, crest_y(xt) + 8), (xt + (300 - xt) * 0.08, crest_y(xt) + 40 + rng.uniform(0, 60))],
               shade(CONCRETE, 0.3), 3, opacity=0.25)
    # the crest road: parapets, lamps and people walking on the wall
    p.line([(x, crest_y(x)) for x in range(30, 571, 10)], "#e9ebe8", 9)
    p.line([(x, crest_y(x) + 4) for x in range(30, 571, 10)], "#7f8582", 2)
    p.line([(x, crest_y(x) - 4) for x in range(30, 571, 10)], "#f6f6f4", 2)
    for x in range(50, 560, 34):
        y = crest_y(x)
        p.rect(x - 0.8, y - 18, 1.6, 16, "#5a5f63")
        p.rect(x - 2.5, y - 20, 5, 3, "#eeeeea")
    for x, c in ((140, "#c84a3a"), (150, "#3a5a8a"), (262, "#4a4a5a"), (330, "#d9a030"), (420, "#3a6a4a")):
        person(p, x, crest_y(x) - 2, 9, c)
    # the power station across the foot and the outlets
    p.poly([(190, foot_y(190) - 30), (410, foot_y(410) - 30), (410, 448), (190, 448)], "#d9d6cc")
    p.rect(190, foot_y(300) - 34, 220, 6, "#8d8a82")
    p.rect(340, foot_y(300) - 30, 70, 54, "#b8b4a8")
    for k in range(9):
        p.rect(202 + k * 22, foot_y(300) - 20, 10, 18, "#4a5561")
    for x in (240, 300, 360):
        p.path(f"M{x - 10},448 Q{x},438 {x + 10},448 Z", "#e8f2f8")

    # the San leaving the station and winding away into the valley below
    river = smooth([(246, 448), (286, 490), (260, 540), (300, 600)])
    river2 = smooth([(350, 600), (330, 540), (352, 490), (354, 448)])
    p.path(river + " L350,600" + river2[len("M350,600"):] + " Z", p.linear([(0, "#8cc0de"), (1, "#3f82b6")]))
    ripples(p, 456, 600, "#e6f2fa", seed=200, count=14, opacity=0.5, x0=270, x1=330, length=(6, 14))
    # the wooded slopes in front, beech and fir
    forest(p, [(-10, 300), (60, 330), (140, 390), (210, 460), (250, 520), (270, 610)], BEECH, 201, 160)
    forest(p, [(340, 610), (360, 520), (400, 460), (470, 400), (540, 340), (610, 310)], FOREST, 202, 160)
    forest(p, [(-10, 520), (80, 540), (180, 580), (230, 610)], FOREST_DARK, 203, 50)
    return p.svg()
