"""Warsaw's business centre seen from the east, over the trees of the
city centre: the Palace of Culture and Science in front, its stepped
tower and spire, and round it the glass towers that make the skyline
Warsaw's own - the curved sail of Złota 44 and the InterContinental with
the hole through its foot to the left, Varso with its long needle, the
open crown of Rondo 1 and the granite Warsaw Financial Center to the
right, Warsaw Spire and the Warsaw Trade Tower pale in the distance."""
from parts import Pic, sky, sun, cloud, tree, shade, tint, haze, num, smooth
from m13_palace_of_culture import Palace

NAME = "Centrum finansowe - Warszawa"

BASE = 566
AIR = "#d6e6f3"


def glass(p, x0, x1, top, base, colour, t=0.0, rows=7, split=0.68):
    """A glass shaft: lit front, shaded side, thin floor lines."""
    c = haze(colour, t, AIR)
    s = x0 + (x1 - x0) * split
    p.rect(x0, top, x1 - x0, base - top, p.linear([(0, tint(c, 0.3)), (1, c)], 0, 0, 1, 0))
    p.rect(s, top, x1 - s, base - top, shade(c, 0.25))
    y = top + rows
    while y < base:
        p.rect(x0, y, x1 - x0, 1, tint(c, 0.35), opacity=0.45)
        y += rows


def spire_tower(p, t):
    """Warsaw Spire: the convex glass face and the lattice needle on top."""
    c = haze("#6f9fc0", t, AIR)
    d = smooth([(70, BASE), (66, 330), (78, 230), (96, 214)]) + " L130,214 " + \
        smooth([(130, 214), (134, 330), (132, BASE)])[len("M130,214"):] + " Z"
    p.path(d, c)
    p.rect(112, 214, 22, BASE - 214, shade(c, 0.22))
    p.poly([(96, 214), (130, 214), (113, 170)], tint(c, 0.2))
    p.line([(113, 170), (113, 120)], haze("#c8ccd0", t, AIR), 2)


def trade_tower(p, t):
    c = haze("#5a7f9e", t, AIR)
    glass(p, 548, 600, 250, BASE, "#5a7f9e", t, rows=6, split=0.55)
    p.rect(556, 236, 36, 14, c)
    p.rect(566, 222, 18, 14, c)
    p.rect(574, 178, 2, 44, haze("#b0b5ba", t, AIR))


def varso(p):
    """Varso Tower: slim glass shaft, a glazed crown cut back in steps,
    and the long needle that makes it the tallest in the city."""
    x0, x1, top = 388, 452, 190
    glass(p, x0, x1, top, BASE, "#4d7ea6", 0.28, rows=6)
    c = haze("#7fa6c6", 0.25, AIR)
    p.poly([(x0, top), (x1, top), (x1 - 8, top - 26), (x0 + 14, top - 40)], c)
    p.poly([(x0 + 44, top), (x1, top), (x1 - 8, top - 26), (x0 + 44, top - 30)], shade(c, 0.2))
    for k in range(5):
        y = top - 6 - k * 7
        p.line([(x0 + 4 + k * 2, y), (x1 - 4 - k * 1.5, y)], "#e8eef2", 1, opacity=0.7)
    p.poly([(x0 + 27, top - 38), (x0 + 33, top - 38), (x0 + 30.6, 62), (x0 + 29.4, 62)], "#d4d8dc")
    p.poly([(x0 + 30, top - 38), (x0 + 33, top - 38), (x0 + 30.6, 62), (x0 + 30, 62)], "#a3a8ae")


def zlota44(p):
    """Złota 44: a glass sail, straight on one edge and sweeping round on
    the other up to its pointed top, with the curved fins of its wing."""
    c = haze("#6b9fc6", 0.22, AIR)
    d = (f"M62,{BASE} L62,250 C62,228 66,214 74,204 "
         f"C96,226 128,258 134,300 C138,340 140,420 140,{BASE} Z")
    p.path(d, p.linear([(0, tint(c, 0.35)), (1, shade(c, 0.15))], 0, 0, 1, 0))
    p.path(f"M110,250 C126,270 134,290 134,300 C138,340 140,420 140,{BASE} L112,{BASE} Z",
           shade(c, 0.25))
    clip = p.clip_path(d)
    for k in range(1, 5):
        fx = 70 + k * 12
        p.path(f"M{fx},{214 + k * 9} C{fx + 16},{260 + k * 6} {fx + 20},{340} {fx + 22},{BASE}",
               "none", stroke=tint(c, 0.45), stroke_width=1.5, opacity=0.8, clip_path=clip)
    y = 262
    while y < BASE:
        p.rect(62, y, 78, 1, tint(c, 0.4), opacity=0.35)
        y += 7
    p.path(f"M74,204 C96,226 128,258 134,300", "none", stroke="#eef4f8", stroke_width=2.5)


def intercontinental(p):
    """The InterContinental's pale slab with the big gap through its foot."""
    c = haze("#b9c3cc", 0.25, AIR)
    p.rect(150, 300, 46, BASE - 300, c)
    p.rect(182, 300, 14, BASE - 300, shade(c, 0.2))
    y = 306
    while y < BASE:
        p.rect(150, y, 46, 1.5, shade(c, 0.25), opacity=0.6)
        y += 6
    p.rect(156, 470, 40, 40, haze("#dbe9f4", 0.1, AIR))


def rondo1(p):
    """Rondo 1: a dark glass box whose top floors are an open frame."""
    x0, x1, top = 468, 536, 262
    glass(p, x0, x1, top + 40, BASE, "#2f4660", 0.2, rows=6)
    frame = haze("#e9edf0", 0.1, AIR)
    for k in range(7):
        x = x0 + (x1 - x0) * k / 6
        p.rect(x - 1.5, top, 3, 40, frame)
    for k in range(5):
        p.rect(x0 - 1, top + k * 10, x1 - x0 + 2, 2.5, frame)


def wfc(p):
    """The Warsaw Financial Center: granite piers between blue-green glass,
    stepped back at the top under its open crown."""
    g, gs = haze("#d7d1c7", 0.15, AIR), haze("#a8a196", 0.15, AIR)
    x0, x1, top = 528, 590, 336
    p.rect(x0, top, x1 - x0, BASE - top, haze("#4f8ea3", 0.2, AIR))
    p.rect(x0 + 42, top, 20, BASE - top, haze("#2f6477", 0.2, AIR))
    for k in range(5):
        x = x0 + k * 14.5
        p.rect(x, top, 4, BASE - top, g if k < 3 else gs)
    p.rect(x0 + 8, top - 22, x1 - x0 - 16, 22, haze("#5a98ad", 0.2, AIR))
    for x in range(x0 + 10, x1 - 8, 8):
        p.rect(x, top - 38, 2.5, 16, g)
    p.rect(x0 + 8, top - 40, x1 - x0 - 16, 3, g)


def draw():
    p = Pic()
    sky(p, "#3d8ad3", "#e2eef7", 0, BASE, mid="#98c6ec")
    sun(p, 70, 62, 20)
    cloud(p, 250, 74, 140, seed=241, shadow="#dce5ee")
    # the far towers of Wola, pale in the haze
    p.open("g", transform="translate(-66 0)")
    spire_tower(p, 0.66)
    p.close()
    trade_tower(p, 0.5)
    for x0, w, top in ((196, 30, 380), (336, 40, 360), (456, 30, 390)):
        glass(p, x0, x0 + w, top, BASE, "#8fa4b5", 0.5, rows=8)
    varso(p)
    intercontinental(p)
    zlota44(p)
    rondo1(p)
    wfc(p)
    Palace(p, 262, BASE, 1.9, t=0.05, sky_colour=AIR).draw(wings=False)
    # the low roofs and trees of the centre in front
    for x0, w, top in ((150, 60, 510), (330, 70, 520), (-10, 90, 520), (500, 110, 515)):
        p.rect(x0, top, w, BASE - top, "#c9c0b0")
        p.rect(x0 + w * 0.7, top, w * 0.3, BASE - top, "#a79e8f")
        for x in range(x0 + 6, x0 + w - 6, 12):
            for y in range(top + 8, BASE - 4, 12):
                p.rect(x, y, 5, 6, "#5d6670")
    p.rect(0, 560, 600, 40, "#6e9e4f")
    for x in range(-10, 620, 38):
        tree(p, x, 604, 17 + (x * 7 % 5), "#4f8f3a")
    return p.svg()
