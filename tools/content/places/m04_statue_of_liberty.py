"""The Statue of Liberty: the green copper lady with her torch held high,
the spiked crown and the tablet, on her granite pedestal over the harbour,
Manhattan's towers far off on the water."""
import math
import random

from parts import Pic, sky, sun, cloud, water, ripples, shade, tint, haze

NAME = "Statuła wolności"

COPPER = "#6fb29c"
COPPER_SHADE = "#43806d"
COPPER_LIGHT = "#a3d6c4"
GRANITE = "#d9ccb2"
GRANITE_SHADE = "#ad9f85"
GOLD = "#f3b53d"


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


def pedestal(p):
    # the star-shaped fort walls, then the tall granite pedestal
    p.poly([(90, 600), (150, 548), (450, 548), (510, 600)], GRANITE_SHADE)
    p.poly([(150, 548), (450, 548), (470, 562), (130, 562)], GRANITE)
    p.rect(205, 468, 190, 90, GRANITE)
    p.rect(330, 468, 65, 90, GRANITE_SHADE)
    p.rect(195, 462, 210, 12, tint(GRANITE, 0.3))
    p.rect(195, 474, 210, 4, GRANITE_SHADE)
    for k in range(4):
        x = 222 + k * 44
        p.rect(x, 490, 16, 44, shade(GRANITE, 0.35 if x > 320 else 0.25))
        p.path(f"M{x},490 a8,8 0 0 1 16,0 Z", shade(GRANITE, 0.35 if x > 320 else 0.25))
    p.rect(200, 536, 200, 8, tint(GRANITE, 0.25))


def statue(p):
    # the robe, falling in deep folds
    robe = [(236, 468), (364, 468), (360, 400), (352, 300), (344, 236), (332, 212), (268, 210),
            (254, 236), (248, 300), (242, 400)]
    p.poly(robe, COPPER)
    p.poly([(300, 212), (332, 212), (344, 236), (352, 300), (360, 400), (364, 468), (318, 468),
            (322, 380), (312, 280)], COPPER_SHADE)
    for x0, x1 in ((262, 252), (280, 276), (298, 300), (338, 344)):
        p.path(f"M{x0},232 Q{(x0 + x1) / 2 + 6},350 {x1},468", "none", stroke=shade(COPPER, 0.35),
               stroke_width=2.2)
    # the toga crossing from the left shoulder
    p.path("M262,214 Q300,270 352,262 L350,284 Q296,296 256,240 Z", COPPER_LIGHT)
    p.path("M256,240 Q296,296 350,284 L349,296 Q292,310 254,256 Z", shade(COPPER, 0.2))
    p.ellipse(300, 470, 70, 6, COPPER_SHADE)

    # the raised right arm and the torch
    p.path("M258,232 L282,214 L246,104 L226,110 Z", COPPER)
    p.path("M258,232 L270,224 L238,106 L226,110 Z", COPPER_LIGHT, opacity=0.6)
    p.path("M248,170 Q236,200 252,236 L262,230 Q250,200 258,172 Z", COPPER_SHADE)
    p.ellipse(236, 98, 15, 13, COPPER)
    p.rect(226, 62, 20, 34, COPPER)
    p.rect(238, 62, 8, 34, COPPER_SHADE)
    p.poly([(214, 46), (258, 46), (250, 64), (222, 64)], COPPER)
    p.poly([(236, 46), (258, 46), (250, 64), (236, 64)], COPPER_SHADE)
    p.rect(212, 42, 48, 6, COPPER_LIGHT)
    p.circle(236, 20, 38, p.radial([(0, "#fff2b0", 0.8), (1, "#ffd36b", 0)]))
    p.path("M220,42 C214,24 232,20 230,4 C246,18 258,24 252,42 Z", GOLD)
    p.path("M230,42 C228,30 238,26 238,14 C246,26 248,32 244,42 Z", "#ffe08a")

    # the left arm holding the tablet
    p.poly([(332, 222), (378, 238), (392, 332), (346, 344)], "#87c0ad")
    p.poly([(378, 238), (386, 236), (400, 330), (392, 332)], COPPER_SHADE)
    p.poly([(332, 222), (378, 238), (386, 236), (340, 220)], COPPER_LIGHT)
    p.path("M322,230 Q346,280 348,330 L364,334 Q366,280 338,222 Z", COPPER_SHADE)
    p.ellipse(356, 334, 14, 9, COPPER)

    # neck, head and the crown of seven rays
    p.rect(288, 188, 24, 26, COPPER_SHADE)
    p.ellipse(300, 172, 21, 25, COPPER)
    p.path("M300,150 Q323,152 321,178 Q318,196 300,198 Z", COPPER_SHADE)
    p.path("M296,170 L300,182 L304,170 Z", COPPER_SHADE)
    p.path("M279,160 Q300,146 321,160 L321,154 Q300,138 279,154 Z", COPPER_LIGHT)
    for k, ang in enumerate((-170, -145, -120, -90, -60, -35, -10)):
        a = math.radians(ang)
        bx, by = 300 + math.cos(a) * 22, 150 + math.sin(a) * 10
        tx, ty = 300 + math.cos(a) * 60, 150 + math.sin(a) * 50
        nx, ny = -math.sin(a) * 5, math.cos(a) * 5
        p.poly([(bx - nx, by - ny), (tx, ty), (bx + nx, by + ny)],
               COPPER_LIGHT if ang < -90 else COPPER)


def draw():
    p = Pic()
    sky(p, "#2f86d4", "#d7ecf8", 0, 500, mid="#85bde8")
    sun(p, 470, 80, 22)
    cloud(p, 110, 320, 150, seed=41, shadow="#e0e8f2")
    cloud(p, 500, 260, 120, seed=42, opacity=0.85)
    skyline(p, 410, 610, 500, 43)
    skyline(p, -10, 120, 500, 44)
    water(p, 498, "#6aa3cf", "#2b6698")
    ripples(p, 505, 600, "#bfe0f5", seed=45, count=30, opacity=0.5)
    pedestal(p)
    statue(p)
    return p.svg()
