"""The Colosseum in Rome: the curved travertine wall of three storeys of
arches and the top storey with its small windows, standing whole on the
left and broken down on the right, where the inner rings show."""
import math

from parts import Pic, sky, sun, cloud, shade, tint, num, arch_path, person

NAME = "Koloseum - Rzym"

STONE = "#e0c99a"
STONE_SHADE = "#b39a6b"
STONE_DARK = "#7a6444"
INSIDE = "#8a7352"
BASE = 478
TIERS = [(BASE, 96), (BASE - 96, 88), (BASE - 184, 84)]   # (bottom, height) of the arcades
ATTIC = (BASE - 268, 70)
ARCHES = 15


def column_x(k):
    """Where the k-th pier stands: the wall is half an ellipse seen from
    the front, so the arches crowd together towards both ends."""
    a = -math.pi / 2 + math.pi * k / ARCHES
    return 300 + 310 * math.sin(a)


def broken_top(x):
    """The height the outer wall still reaches at x (lower on the right)."""
    if x < 380:
        return ATTIC[0] - ATTIC[1]
    if x < 470:
        return ATTIC[0] - ATTIC[1] + (x - 380) * 1.6
    return TIERS[1][0] - TIERS[1][1] + max(0, (x - 470)) * 0.15


def draw():
    p = Pic()
    sky(p, "#3f8fd6", "#f4e6cc", 0, 500, mid="#9cc9ee")
    sun(p, 80, 80, 22)
    cloud(p, 330, 90, 170, seed=221, shadow="#e6e4e6")
    cloud(p, 560, 190, 90, seed=222, opacity=0.8)

    # the inner rings, seen where the outer wall has fallen
    p.poly([(360, 470), (360, 250), (430, 232), (520, 250), (610, 270), (610, 470)], shade(STONE, 0.25))
    for k in range(9):
        x = 375 + k * 26
        top = 262 + (k % 3) * 6
        p.path(arch_path(x, top + 60, 16, 26), INSIDE)
        p.path(arch_path(x, top + 130, 16, 30), INSIDE)
    for y in (318, 388):
        p.rect(360, y, 250, 5, STONE_SHADE)

    # the outer wall, storey by storey
    p.open("g")
    outline = [(x, broken_top(x)) for x in range(-10, 611, 5)]
    wall = outline + [(610, BASE), (-10, BASE)]
    clip = p.clip_path("M" + " L".join(f"{num(x)},{num(y)}" for x, y in wall) + " Z")
    p.open("g", clip_path=clip)
    p.rect(-10, ATTIC[0] - ATTIC[1], 620, BASE - ATTIC[0] + ATTIC[1],
           p.linear([(0, STONE_SHADE), (0.12, STONE), (0.55, tint(STONE, 0.15)), (0.9, STONE_SHADE),
                     (1, shade(STONE_SHADE, 0.2))], 0, 0, 1, 0))
    for bottom, h in TIERS:
        for k in range(ARCHES):
            x0, x1 = column_x(k), column_x(k + 1)
            w = x1 - x0
            pier = w * 0.26
            a = -math.pi / 2 + math.pi * (k + 0.5) / ARCHES
            depth = 0.35 + 0.25 * (math.sin(a) + 1) / 2
            p.path(arch_path(x0 + pier / 2, bottom - 6, w - pier, h * 0.5), shade(INSIDE, depth))
            # the half-column on every pier
            p.rect(x0 - pier * 0.18, bottom - h, pier * 0.36, h - 6, tint(STONE, 0.25))
        p.rect(-10, bottom - h, 620, 9, tint(STONE, 0.2))
        p.rect(-10, bottom - h + 9, 620, 3, STONE_SHADE)
    # the top storey: flat pilasters and small square windows
    top, h = ATTIC
    for k in range(ARCHES):
        x0, x1 = column_x(k), column_x(k + 1)
        w = x1 - x0
        if k % 2 == 0:
            p.rect(x0 + w * 0.35, top - h * 0.6, w * 0.3, h * 0.28, STONE_DARK)
        p.rect(x0 - w * 0.06, top - h, w * 0.12, h, tint(STONE, 0.2))
    p.rect(-10, top - h, 620, 6, tint(STONE, 0.3))
    p.close()
    # the jagged line where the wall broke
    p.line(outline[76:], STONE_DARK, 3, stroke_linejoin="round")
    p.close()

    # the square in front, pines of Rome and a few visitors
    p.rect(0, BASE, 600, 122, p.linear([(0, "#d8c8a8"), (1, "#bca98a")]))
    p.rect(0, BASE, 600, 6, shade("#d8c8a8", 0.25))
    for k in range(8):
        p.line([(-10, 500 + k * k * 2.2), (610, 500 + k * k * 2.2)], "#c9b795", 1.5)
    for x, h in ((40, 12), (120, 14), (180, 18), (300, 22), (350, 16), (440, 20), (520, 26)):
        person(p, x, 520 + h * 2, h * 1.6, "#4a4a5a")
    # an umbrella pine on the left edge
    p.rect(20, 360, 10, 160, "#6b4a2b")
    p.ellipse(30, 350, 80, 30, "#4d7a3a")
    p.ellipse(45, 342, 55, 20, "#5f8f46")
    return p.svg()
