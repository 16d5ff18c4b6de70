"""Jasna Góra in Częstochowa seen from the pilgrims' avenue: the monastery
on its hill behind the brick bastions and green ramparts, the basilica's
roofs, and above them the slender monastery tower, five storeys of pale
stone climbing through clock, galleries and dark green cupolas to the long
needle with the raven and the cross.  Pilgrims walk up the tree-lined
avenue with a banner."""
import random

from parts import Pic, sky, sun, cloud, shade, tint, num, arch_path, person, smooth

NAME = "Jasna Góra - Częstochowa"

WHITE = "#eee8dc"
WHITE_SHADE = "#c6bcaa"
LINE = "#a89d8a"
HELM = "#34524a"
HELM_SHADE = "#22372f"
GOLD = "#e0b24a"
ROOF = "#a5553d"
ROOF_SHADE = "#7f3e2c"
BRICK = "#a9553e"
GRASS = "#6f9f4e"
CX = 300
BASE = 452            # where the tower comes out above the monastery roofs
PX = 4.56             # pixels to the metre on the tower


def y_at(h):
    """Height h metres on the tower, counted from the church floor."""
    return BASE - (h - 10) * PX


def storey(p, w, h0, h1, windows=1, niches=False):
    """One square storey of the tower, lit on the left, with corner
    pilasters and its round-headed openings."""
    x0, x1 = CX - w * PX / 2, CX + w * PX / 2
    top, bot = y_at(h1), y_at(h0)
    p.rect(x0, top, x1 - x0, bot - top, WHITE)
    p.rect(CX + (x1 - x0) * 0.22, top, (x1 - x0) * 0.28, bot - top, WHITE_SHADE)
    for x in (x0, x1 - 5):
        p.rect(x, top, 5, bot - top, tint(WHITE, 0.5) if x < CX else shade(WHITE_SHADE, 0.1))
    ww = (x1 - x0) / (windows * 2 + 1)
    for k in range(windows):
        wx = x0 + ww * (2 * k + 1)
        hh = (bot - top) * 0.55
        fill = "#8a8070" if niches else "#3f4750"
        p.path(arch_path(wx, bot - (bot - top) * 0.18, ww, hh - ww / 2), fill)
        if niches:
            # a saint's statue in the niche
            sx = wx + ww / 2
            p.circle(sx, bot - (bot - top) * 0.18 - hh + ww * 0.55, ww * 0.2, WHITE)
            p.rect(sx - ww * 0.22, bot - (bot - top) * 0.18 - hh + ww * 0.75, ww * 0.44, hh - ww * 0.8, WHITE)
    # the cornice
    p.rect(x0 - 4, top - 2, x1 - x0 + 8, 5, tint(WHITE, 0.3))
    p.rect(x0 - 4, top + 3, x1 - x0 + 8, 1.5, LINE)


def balustrade(p, w, h):
    x0, x1 = CX - w * PX / 2, CX + w * PX / 2
    y = y_at(h)
    p.rect(x0, y - 9, x1 - x0, 2.5, WHITE)
    for x in range(int(x0) + 1, int(x1) - 1, 4):
        p.rect(x, y - 7, 1.8, 7, WHITE_SHADE)
    for x in (x0, x1 - 3):
        p.rect(x, y - 13, 3, 13, WHITE)
        p.circle(x + 1.5, y - 14, 2, WHITE)


def helm(p, w, h0, h1, waist=0.25):
    """A bell-shaped baroque cupola from h0 to h1, its foot w metres wide."""
    b, t = y_at(h0), y_at(h1)
    r = w * PX / 2
    d = (f"M{num(CX - r)},{num(b)} C{num(CX - r)},{num(b - (b - t) * 0.75)} "
         f"{num(CX - r * waist)},{num(b - (b - t) * 0.55)} {num(CX - r * waist)},{num(t)} "
         f"L{num(CX + r * waist)},{num(t)} C{num(CX + r * waist)},{num(b - (b - t) * 0.55)} "
         f"{num(CX + r)},{num(b - (b - t) * 0.75)} {num(CX + r)},{num(b)} Z")
    p.path(d, HELM)
    p.path(d, HELM_SHADE, clip_path=p.clip_rect(CX + r * 0.1, t - 1, r + 2, b - t + 2))
    p.rect(CX - r, b - 2, 2 * r, 2, GOLD)


def tower(p):
    storey(p, 13, 4, 27, windows=2)
    p.rect(CX - 13 * PX / 2, y_at(16), 13 * PX, 2, LINE)
    # the clock storey, a face on every side
    storey(p, 12, 27, 41, windows=0)
    cy = y_at(34)
    p.circle(CX - 4, cy, 15, GOLD)
    p.circle(CX - 4, cy, 12.5, "#263040")
    for k in range(12):
        import math
        a = k * math.pi / 6
        p.circle(CX - 4 + 10.5 * math.cos(a), cy + 10.5 * math.sin(a), 1, GOLD)
    p.line([(CX - 4, cy), (CX - 4, cy - 9)], GOLD, 2.2)
    p.line([(CX - 4, cy), (CX + 3, cy + 3)], GOLD, 2.2)
    balustrade(p, 12.6, 41)
    # the carillon storey with the saints in their niches
    storey(p, 10, 41, 53, windows=2, niches=True)
    balustrade(p, 10.6, 53)
    # the octagon, its openings and the first cupola
    storey(p, 8, 53, 63, windows=1)
    helm(p, 9.5, 63, 70)
    balustrade(p, 6, 70.5)
    # the lantern with the Doctors of the Church, the second cupola
    storey(p, 5, 70.5, 78, windows=1)
    helm(p, 6, 78, 83)
    storey(p, 2.6, 83, 87, windows=1)
    helm(p, 3.4, 87, 89.5, waist=0.3)
    # the steel needle, the golden ball, the raven with its bread and the cross
    p.poly([(CX - 4, y_at(89.5)), (CX + 4, y_at(89.5)), (CX + 1, y_at(101)), (CX - 1, y_at(101))], HELM)
    p.poly([(CX, y_at(89.5)), (CX + 4, y_at(89.5)), (CX + 1, y_at(101)), (CX, y_at(101))], HELM_SHADE)
    p.circle(CX, y_at(101.5), 3.2, GOLD)
    ry = y_at(102.6)
    p.path(f"M{num(CX - 8)},{num(ry - 2)} Q{num(CX - 3)},{num(ry + 1)} {num(CX)},{num(ry)} "
           f"Q{num(CX + 3)},{num(ry + 1)} {num(CX + 8)},{num(ry - 2)} L{num(CX + 3)},{num(ry + 2)} "
           f"L{num(CX - 3)},{num(ry + 2)} Z", "#2a2a30")
    p.rect(CX - 1.1, y_at(106.3), 2.2, y_at(102.8) - y_at(106.3), GOLD)
    p.rect(CX - 4.5, y_at(105.4), 9, 2, GOLD)


def building(p, x0, x1, wall_top, roof_top, lit=0.75, windows=True, colour=WHITE):
    base = 470
    p.rect(x0, wall_top, x1 - x0, base - wall_top, colour)
    split = x0 + (x1 - x0) * lit
    p.rect(split, wall_top, x1 - split, base - wall_top, shade(colour, 0.16))
    p.poly([(x0 - 3, wall_top), (x1 + 3, wall_top), (x1 - 6, roof_top), (x0 + 6, roof_top)], ROOF)
    p.poly([(split, wall_top), (x1 + 3, wall_top), (x1 - 6, roof_top), (split, roof_top)], ROOF_SHADE)
    if windows:
        for x in range(int(x0) + 6, int(x1) - 8, 13):
            for y in range(int(wall_top) + 6, base - 6, 13):
                p.rect(x, y, 5, 7, "#4d5862" if x < split else "#3b444d")


def draw():
    p = Pic()
    sky(p, "#3b86cf", "#e4eff7", 0, 480, mid="#9ac6ea")
    sun(p, 86, 84, 19)
    cloud(p, 480, 110, 160, seed=251, shadow="#dce5ee")
    cloud(p, 120, 230, 110, seed=252, opacity=0.8)
    cloud(p, 520, 300, 90, seed=253, opacity=0.7)

    # the hill itself, with the city's trees on its flanks far off
    p.path(smooth([(-10, 470), (60, 462), (150, 446), (300, 440), (450, 446), (540, 460), (610, 468)])
           + " L610,520 L-10,520 Z", "#7fa55e")
    # the monastery buildings and the basilica's roofs on the hilltop
    building(p, -10, 90, 446, 430)
    building(p, 520, 610, 448, 432)
    building(p, 40, 200, 438, 418)
    building(p, 400, 560, 440, 420)
    building(p, 170, 262, 420, 396, windows=False)
    building(p, 338, 430, 424, 402, windows=False)
    # the chapel's dark cupola by the basilica
    p.path(f"M392,402 C392,380 408,372 408,372 L412,372 C412,372 428,380 428,402 Z", HELM)
    p.rect(408.5, 362, 3, 12, GOLD)
    # the basilica's tall round-headed windows either side of the tower
    for x in (186, 212, 238, 350, 376, 402):
        p.path(arch_path(x, 462, 10, 22), "#4d5862" if x < CX else "#3b444d")
    tower(p)

    # the brick walls and bastions, their pointed prows towards us
    wall = [(-10, 472), (70, 472), (110, 492), (150, 472), (250, 472), (300, 496), (350, 472),
            (450, 472), (490, 492), (530, 472), (610, 472)]
    p.poly(wall + [(610, 500), (530, 500), (490, 520), (450, 500), (350, 500), (300, 524),
                   (250, 500), (150, 500), (110, 520), (70, 500), (-10, 500)], BRICK)
    for a, b, c in ((70, 110, 150), (250, 300, 350), (450, 490, 530)):
        p.poly([(b, 492 + (4 if b == 300 else 0)), (c, 472), (c, 500), (b, 520 + (4 if b == 300 else 0))],
               shade(BRICK, 0.22))
    clip = p.clip_path("M" + " L".join(f"{x},{y}" for x, y in wall) + " L610,520 L-10,520 Z")
    for y in range(478, 522, 7):
        p.line([(-10, y), (610, y)], shade(BRICK, 0.35), 1, opacity=0.5, clip_path=clip)
    p.line(wall, tint(BRICK, 0.3), 2.5)
    # the grassed tops of the bastions behind their parapets
    for a, b, c in ((70, 110, 150), (250, 300, 350), (450, 490, 530)):
        tip = 496 if b == 300 else 492
        p.poly([(a + 4, 472), (b, tip - 5), (c - 4, 472)], "#7fa55e")
    # the green ramparts sloping down to the park
    p.path("M-10,500 L70,500 L110,520 L150,500 L250,500 L300,524 L350,500 L450,500 L490,520 "
           "L530,500 L610,500 L610,560 L-10,560 Z", GRASS)

    # the avenue: paving converging on the gate, lime trees on both sides
    vx, vy = 300, 528
    p.poly([(vx - 14, vy), (vx + 14, vy), (420, 600), (180, 600)], "#cbbfa8")
    p.poly([(vx - 14, vy), (vx - 6, vy), (240, 600), (180, 600)], "#b9ac94")
    p.rect(-10, 560, 620, 40, p.linear([(0, "#75a654"), (1, "#5b8d40")]))
    p.poly([(vx - 12, vy + 2), (vx + 12, vy + 2), (440, 600), (160, 600)], "#cbbfa8")
    for t in (0.1, 0.25, 0.42, 0.62, 0.86):
        y = vy + (600 - vy) * t
        p.line([(vx - 12 - 128 * t, y), (vx + 12 + 128 * t, y)], "#b5a88f", 1 + t)
    rng = random.Random(25)
    for side in (-1, 1):
        for k, t in enumerate((0.1, 0.3, 0.55, 0.9)):
            x = vx + side * (60 + 250 * t)
            y = vy + 20 + (600 - vy) * t * 0.7
            r = 10 + 36 * t
            p.rect(x - r * 0.07, y - r * 0.9, r * 0.14, r * 0.9 + 2, "#5a4330")
            col = "#4c8a38" if side < 0 else "#3f7a32"
            p.circle(x, y - r * 1.5, r, col)
            p.circle(x + r * 0.3, y - r * 1.35, r * 0.7, shade(col, 0.2))
            p.circle(x - r * 0.3, y - r * 1.75, r * 0.5, tint(col, 0.15))
    # pilgrims walking up, the first with a banner on a pole
    for k, (x, y, h) in enumerate(((292, 548, 9), (306, 552, 10), (298, 560, 12), (314, 566, 13),
                                   (284, 572, 14), (302, 584, 17), (322, 590, 18), (276, 594, 19))):
        col = ("#4a4a5a", "#6a3f3a", "#3f5a6a", "#5a5040")[k % 4]
        person(p, x, y, h, col)
    p.rect(309, 528, 1.5, 26, "#5a4330")
    p.path("M310.5,529 L326,529 L326,542 L318,546 L310.5,542 Z", "#f3f0ea")
    p.path("M310.5,536 L326,536 L326,542 L318,546 L310.5,542 Z", "#c83a3a")
    return p.svg()
