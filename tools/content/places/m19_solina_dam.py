"""The dam at Solina in the Bieszczady mountains, seen from above the
valley: the long grey concrete wall with the road on its crest, the big
blue lake behind it running between wooded hills, water foaming out at the
foot of the wall into the San."""
import random

from parts import Pic, sky, sun, cloud, ridge, shade, tint, haze, num, ripples, smooth

NAME = "Zapora w Solinie"

CONCRETE = "#c4c6c3"
CONCRETE_SHADE = "#8f9391"
FOREST = "#3f7a3a"
FOREST_DARK = "#2d5c2c"


def crest_y(x):
    # the crest runs slightly uphill to the right, as seen from the left bank
    return 318 - x * 0.05


def base_y(x):
    return 470 - x * 0.02


def trees(p, y0, y1, x0, x1, seed, colour, count):
    rng = random.Random(seed)
    for _ in range(count):
        x = rng.uniform(x0, x1)
        y = rng.uniform(y0, y1)
        r = rng.uniform(6, 11)
        p.path(f"M{num(x)},{num(y - r * 2.4)} L{num(x + r)},{num(y)} L{num(x - r)},{num(y)} Z",
               shade(colour, rng.uniform(0, 0.25)))


def draw():
    p = Pic()
    sky(p, "#3d8ad2", "#e1eef6", 0, 240, mid="#97c5ec")
    sun(p, 520, 60, 20)
    cloud(p, 140, 70, 170, seed=191, shadow="#dde6ef")
    cloud(p, 430, 120, 120, seed=192, opacity=0.8)
    # Bieszczady ridges beyond the lake, bluer the farther they are
    ridge(p, 180, 16, haze("#4f7f5a", 0.6), seed=193, bottom=260)
    ridge(p, 212, 14, haze("#3f7a3a", 0.4), seed=194, bottom=260)
    # the lake and its bays
    p.rect(0, 236, 600, 100, p.linear([(0, "#6fa9d2"), (1, "#2f73ad")]))
    ripples(p, 244, 320, "#d3e8f5", seed=195, count=35, opacity=0.55)
    p.path("M-10,236 Q60,250 120,238 Q220,226 320,240 Q420,252 610,234 L610,226 L-10,226 Z",
           haze(FOREST, 0.3))
    p.path(smooth([(380, 262), (420, 252), (470, 258), (480, 268), (420, 272)], closed=True), FOREST)
    # a sailing boat
    p.path("M196,270 L228,270 L223,276 L201,276 Z", "#f4f4f0")
    p.path("M212,268 L212,240 L228,266 Z", "#ffffff")
    p.path("M210,268 L210,247 L199,266 Z", "#f2d7c9")

    # the downstream face of the dam, in tall concrete blocks
    xs = list(range(-10, 621, 20))
    top = [(x, crest_y(x) + 8) for x in xs]
    bot = [(x, base_y(x)) for x in xs]
    p.poly(top + bot[::-1], p.linear([(0, tint(CONCRETE, 0.2)), (1, CONCRETE_SHADE)], 0, 0, 0, 1))
    for k, x in enumerate(range(10, 610, 40)):
        p.line([(x, crest_y(x) + 8), (x + 4, base_y(x))], shade(CONCRETE, 0.2), 1.6)
        if k % 3 == 0:
            p.rect(x + 8, crest_y(x) + 30, 10, 14, shade(CONCRETE, 0.35))
    for y_off in (50, 100):
        p.line([(x, crest_y(x) + 8 + y_off * (base_y(x) - crest_y(x)) / 150) for x in (-10, 610)],
               shade(CONCRETE, 0.15), 1.5)
    # the crest: road, parapets and lamp posts
    p.poly([(-10, crest_y(-10) - 6), (610, crest_y(610) - 6), (610, crest_y(610) + 8), (-10, crest_y(-10) + 8)],
           "#e2e3df")
    p.line([(-10, crest_y(-10) - 6), (610, crest_y(610) - 6)], "#9a9d9a", 2.5)
    p.line([(-10, crest_y(-10) + 8), (610, crest_y(610) + 8)], "#7b7f7d", 2.5)
    for x in range(10, 610, 48):
        p.line([(x, crest_y(x) - 6), (x, crest_y(x) - 26)], "#60646a", 1.6)
        p.line([(x, crest_y(x) - 26), (x + 6, crest_y(x) - 24)], "#60646a", 1.6)
    # the outlets at the foot of the wall, throwing white water into the river
    for x in (250, 300, 350):
        p.rect(x - 12, base_y(x) - 46, 24, 30, "#5b5f63")
        p.path(f"M{num(x - 12)},{num(base_y(x) - 20)} Q{num(x)},{num(base_y(x) + 30)} "
               f"{num(x + 30)},{num(base_y(x) + 60)} "
               f"L{num(x - 30)},{num(base_y(x) + 60)} Q{num(x - 20)},{num(base_y(x) + 20)} "
               f"{num(x - 12)},{num(base_y(x) - 20)} Z",
               "#f2f7fa", opacity=0.9)
    # the power station by the river
    p.rect(410, 452, 110, 40, "#d9d6cc")
    p.rect(410, 446, 110, 8, "#8f3f32")
    for k in range(6):
        p.rect(418 + k * 17, 462, 9, 16, "#5e6d7e")

    # the valley below: wooded slopes and the river San flowing away
    p.path("M-10,470 Q200,490 300,530 Q420,470 610,460 L610,600 L-10,600 Z", FOREST)
    p.path("M240,480 Q300,500 330,480 Q360,520 300,600 L180,600 Q270,540 240,480 Z", "#5b9ac9")
    p.path("M250,490 Q300,520 320,490", "none", stroke="#e6f2f9", stroke_width=4.0, opacity=0.8)
    trees(p, 480, 600, -10, 220, 196, FOREST_DARK, 70)
    trees(p, 480, 600, 360, 610, 197, FOREST_DARK, 70)
    # the valley's sides where the dam is keyed into the hills
    p.path("M-10,300 Q40,310 70,360 Q90,420 60,480 L-10,480 Z", FOREST)
    p.path("M610,280 Q560,300 540,360 Q530,420 560,470 L610,470 Z", FOREST)
    trees(p, 310, 480, -10, 60, 198, FOREST_DARK, 30)
    trees(p, 290, 470, 550, 610, 199, FOREST_DARK, 30)
    return p.svg()
