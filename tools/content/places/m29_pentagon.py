"""The Pentagon near Washington, seen from an aeroplane: the huge
five-sided building of five concentric rings with light wells between
them, round a five-sided courtyard of lawn and trees; the roads and car
parks round it, the river and the city's white obelisk far off on the
horizon."""
import math

from parts import Pic, sky, sun, cloud, shade, tint, haze, num

NAME = "Pentagon - Waszyngton"

ROOF = "#aab0b6"
ROOF_LIGHT = "#c9ced2"
WALL = "#e3dccb"
WALL_SHADE = "#b9b19e"
CX, CY = 300, 390
SQUASH = 0.55          # seen at a slant from the air
TURN = 0.18            # radians: the building is turned a little
PX = 1.05              # pixels to a metre across the ground
# the five rings, innermost first, as distances of their inner and outer
# walls from the centre in metres; a light well between each two
RINGS = [(76, 94), (101, 119), (126, 144), (151, 169), (176, 194)]


def corner(r, k):
    a = TURN - math.pi / 2 + k * 2 * math.pi / 5
    return (CX + r * math.cos(a), CY + r * math.sin(a) * SQUASH)


def ring(r):
    return [corner(r, k) for k in range(5)]


def apothem_ring(m):
    """The pentagon whose sides lie m metres from the centre."""
    return ring(m / math.cos(math.pi / 5) * PX)


def toward(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def building(p):
    """Five rings of offices, each about 18 m deep, with light wells
    between them and ten corridors running across like spokes, round a
    five-sided courtyard of lawn and trees."""
    outer = apothem_ring(RINGS[-1][1])
    height = 30
    # the outer walls that face us, five storeys of windows
    for k in range(5):
        a, b = outer[k], outer[(k + 1) % 5]
        if a[0] < b[0]:
            continue                                   # turned away from us
        lit = b[1] < a[1]
        col = WALL if lit else WALL_SHADE
        p.poly([a, b, (b[0], b[1] + height), (a[0], a[1] + height)], col)
        n = int(math.hypot(b[0] - a[0], b[1] - a[1]) / 5.5)
        for j in range(1, n):
            x, y = toward(a, b, j / n)
            for row in range(5):
                p.rect(x - 1.2, y + 4 + row * 5, 2.4, 2.6, shade(col, 0.45))
        p.line([a, b], tint(col, 0.3), 1.5)
    # the roofs ring by ring, the light wells dark between them
    for i, (m0, m1) in enumerate(reversed(RINGS)):
        p.poly(apothem_ring(m1), ROOF_LIGHT if i % 2 == 0 else ROOF)
        p.poly(apothem_ring((m0 + m1) / 2 + 1), ROOF if i % 2 == 0 else shade(ROOF, 0.06))
        p.poly(apothem_ring(m0), shade(ROOF, 0.5))
        # the far side of each well shows its lit wall
        inner = apothem_ring(m0)
        wall = apothem_ring(m0 - 2.5)
        p.poly(wall, "#5d6169")
        if i < len(RINGS) - 1:
            nxt = RINGS[len(RINGS) - 2 - i][1]
            p.poly(apothem_ring(nxt + 3.5), "#3f434b")
    # the corridors crossing the wells, two on every side
    for k in range(5):
        for t in (0.3, 0.7):
            pts_out = []
            for m in (RINGS[0][0] + 2, RINGS[-1][1] - 2):
                r = apothem_ring(m)
                pts_out.append(toward(r[k], r[(k + 1) % 5], t))
            p.line(pts_out, ROOF, 5)
    # the courtyard: its walls, lawn, trees along the edge, paths to the centre
    court = apothem_ring(RINGS[0][0])
    p.poly(court, "#6da24f")
    d = "M" + " L".join(f"{num(x)},{num(y)}" for x, y in court) + " Z"
    p.open("g", clip_path=p.clip_path(d))
    for k in range(5):
        a, b = court[k], court[(k + 1) % 5]
        if a[0] > b[0]:
            continue                                   # only the far walls face us
        p.poly([a, b, (b[0], b[1] + height * 0.9), (a[0], a[1] + height * 0.9)],
               WALL if b[1] > a[1] else WALL_SHADE)
        n = int(math.hypot(b[0] - a[0], b[1] - a[1]) / 5.5)
        for j in range(1, n):
            x, y = toward(a, b, j / n)
            for row in range(4):
                p.rect(x - 1.2, y + 4 + row * 5, 2.4, 2.6, shade(WALL, 0.4))
    for k in range(5):
        p.line([(CX, CY), toward((CX, CY), court[k], 0.9)], "#e3dfcf", 2)
    p.close()
    for k in range(5):
        a, b = court[k], court[(k + 1) % 5]
        for j in range(1, 6):
            x, y = toward(a, b, j / 6)
            x, y = toward((x, y), (CX, CY), 0.16)
            p.circle(x, y, 6, "#3f7a34")
            p.circle(x - 1.5, y - 1.5, 3.5, "#5c9a48")
    # the small pavilion in the middle
    p.poly([(CX - 9, CY - 2), (CX + 9, CY - 2), (CX + 9, CY + 6), (CX - 9, CY + 6)], WALL)
    p.poly([(CX - 11, CY - 2), (CX, CY - 9), (CX + 11, CY - 2)], "#8a5a3c")


def draw():
    p = Pic()
    sky(p, "#6aa5da", "#e9f0f2", 0, 120, mid="#b9d5ea")
    sun(p, 90, 40, 14)
    cloud(p, 470, 60, 110, seed=291, opacity=0.8)
    # the ground below the horizon: the river, the city and its obelisk
    p.rect(0, 110, 600, 490, p.linear([(0, haze("#86a36e", 0.45)), (0.3, "#7fa064"), (1, "#6f9456")]))
    p.path("M-10,150 Q200,130 380,150 T610,140 L610,168 Q400,176 200,158 T-10,176 Z", haze("#5f8fb5", 0.3))
    for x in range(380, 610, 16):
        p.rect(x, 126 - (x * 13 % 14), 12, 14 + (x * 13 % 14), haze("#d8d3c8", 0.45))
    p.rect(466, 70, 8, 56, "#f1ede4")
    p.poly([(466, 70), (474, 70), (470, 62)], "#f1ede4")
    p.rect(470, 70, 4, 56, "#cfc9bc")
    # highways sweeping round and the car parks
    p.path("M-10,250 Q200,200 420,230 T610,200", "none", stroke="#8d8f91", stroke_width=14.0)
    p.path("M-10,250 Q200,200 420,230 T610,200", "none", stroke="#f2f2ee", stroke_width=1.0,
           stroke_dasharray="10 8")
    p.path("M-10,560 Q250,600 610,520", "none", stroke="#8d8f91", stroke_width=18.0)
    for x0, y0, w, h in ((20, 420, 120, 90), (470, 430, 120, 110), (200, 540, 200, 50)):
        p.rect(x0, y0, w, h, "#a7a9a6")
        for k in range(int(w / 7)):
            for j in range(int(h / 14)):
                if (k * 7 + j * 3) % 5:
                    p.rect(x0 + 2 + k * 7, y0 + 3 + j * 14, 4, 8,
                           ["#c8423a", "#3c6fb0", "#e9e9e6", "#444", "#d9b23a"][(k + j) % 5])
    building(p)
    # trees along the roads
    for x, y in ((30, 330), (60, 346), (540, 330), (570, 350), (520, 300), (80, 300)):
        p.circle(x, y, 12, "#4f8a3c")
        p.circle(x - 3, y - 3, 7, "#63a04d")
    return p.svg()
