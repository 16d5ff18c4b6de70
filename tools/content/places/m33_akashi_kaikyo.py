"""The Akashi Kaikyō Bridge in the evening: the longest suspension bridge
in the world stretching across the strait to Awaji Island, its two tall
pale towers with criss-cross bracing, the deep grey truss under the
roadway, and the main cables lit with coloured lights over the dark
water."""
from parts import Pic, sky, sun, shade, ripples, profile

NAME = "Most: Akashi Kaikyo"

STEEL = "#dfe6e4"
STEEL_SHADE = "#a5b2b0"
TRUSS = "#8e9a9a"
DECK = 372
LIGHTS = ["#ff5a6e", "#ffb347", "#ffe066", "#7ee08a", "#5ac8ff", "#b68cff"]
TOWERS = (105, 495)
TOP = 80
WATER = 420
FOOT = 452            # where the towers stand on their caissons


def tower(p, cx):
    """A tall tower of two legs, braced with X-frames, a little darker on
    the side away from the sunset."""
    for side in (-1, 1):
        x = cx + side * 24
        p.poly([(x - 7, FOOT), (x + 7, FOOT), (x + 5, TOP), (x - 5, TOP)], STEEL if side < 0 else STEEL_SHADE)
    for k in range(7):
        y0 = TOP + 12 + k * 40
        y1 = y0 + 36
        if y1 > DECK - 6:
            break
        p.line([(cx - 20, y0), (cx + 20, y1)], STEEL_SHADE, 3)
        p.line([(cx + 20, y0), (cx - 20, y1)], STEEL_SHADE, 3)
        p.rect(cx - 24, y0 - 3, 48, 5, STEEL)
    p.rect(cx - 32, TOP - 6, 64, 10, STEEL)
    p.rect(cx - 36, FOOT, 72, 14, "#7d8585")
    p.rect(cx - 36, FOOT + 10, 72, 4, "#5d6464")
    p.circle(cx - 24, TOP - 8, 3, "#ff4040")
    p.circle(cx + 24, TOP - 8, 3, "#ff4040")


def cable_y(x):
    """Height of the main cable at x: three sagging spans between the
    anchorages, the towers and the middle."""
    a, b = TOWERS
    if x < a:
        t = (x - a) / (a + 40)
        return TOP + (DECK - 30 - TOP) * t * t
    if x > b:
        t = (x - b) / (640 - b)
        return TOP + (DECK - 26 - TOP) * t * t
    t = (x - (a + b) / 2) / ((b - a) / 2)
    return DECK - 14 - (DECK - 14 - TOP) * t * t


def draw():
    p = Pic()
    sky(p, "#2c3f7a", "#ffb27a", 0, WATER, mid="#c7779a")
    sun(p, 330, 316, 26, colour="#ffe3a6", glow="#ffb070", reach=6, strength=0.8)
    # Awaji Island across the strait, with a few lights coming on
    profile(p, [(200, 420), (300, 384), (400, 362), (500, 372), (610, 352)], "#3d3a5c", bottom=430)
    profile(p, [(-10, 410), (100, 396), (220, 416)], "#4a4468", bottom=430)
    for k in range(30):
        x = 300 + (k * 53 % 300)
        y = 394 + (k * 17 % 24)
        p.circle(x, y, 1.4, "#ffe9a8", opacity=0.8)
    # the strait, catching the sunset
    p.rect(0, WATER, 600, 600 - WATER, p.linear([(0, "#d9876f"), (0.3, "#6d5a86"), (1, "#1f2850")]))
    p.ellipse(330, WATER + 16, 80, 9, "#ffd19a", opacity=0.6)
    ripples(p, WATER + 8, 600, "#ffc9a0", seed=331, count=45, opacity=0.35)
    for x in TOWERS:
        tower(p, x)
    # suspenders, then the two main cables with their strings of lights
    xs = list(range(-20, 621, 4))
    for x in range(-10, 620, 12):
        y = cable_y(x)
        if DECK - 4 - y > 4:
            p.line([(x, y), (x, DECK - 4)], STEEL_SHADE, 1)
    for dy, width in ((0, 4), (3, 2)):
        p.line([(x, cable_y(x) + dy) for x in xs], STEEL, width)
    for k, x in enumerate(range(-10, 620, 9)):
        p.circle(x, cable_y(x), 2.2, LIGHTS[(k // 6) % len(LIGHTS)])
    # the roadway on its deep stiffening truss
    p.rect(-10, DECK - 6, 620, 30, TRUSS)
    p.rect(-10, DECK - 8, 620, 5, STEEL)
    x = -10
    while x < 620:
        p.line([(x, DECK - 3), (x + 10, DECK + 22)], shade(TRUSS, 0.35), 1.6)
        p.line([(x + 10, DECK - 3), (x, DECK + 22)], shade(TRUSS, 0.35), 1.6)
        x += 10
    p.rect(-10, DECK + 22, 620, 3, shade(TRUSS, 0.4))
    for k, x in enumerate(range(0, 610, 24)):
        p.circle(x, DECK - 10, 1.8, "#fff2b8")
    # the towers and the lights reflected in the water
    for x in TOWERS:
        for side in (-1, 1):
            p.rect(x + side * 24 - 6, FOOT + 16, 12, 110, STEEL, opacity=0.12)
    for k, x in enumerate(range(-10, 620, 18)):
        p.line([(x, 520 + (k % 4) * 18), (x + 8, 520 + (k % 4) * 18)], LIGHTS[(k // 3) % len(LIGHTS)], 2,
               opacity=0.45)
    return p.svg()
