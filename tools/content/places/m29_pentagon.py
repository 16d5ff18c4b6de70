"""The Pentagon near Washington, seen from an aeroplane: the huge
five-sided building of five rings round a green courtyard, the roads and
car parks round it, the river and the city's white obelisk far off on the
horizon."""
import math

from parts import Pic, sky, sun, cloud, shade, haze

NAME = "Pentagon - Waszyngton"

ROOF = "#aab0b6"
ROOF_LIGHT = "#c9ced2"
WALL = "#e3dccb"
WALL_SHADE = "#b9b19e"
CX, CY = 300, 390
SQUASH = 0.55          # seen at a slant from the air
TURN = 0.18            # radians: the building is turned a little


def corner(r, k):
    a = TURN - math.pi / 2 + k * 2 * math.pi / 5
    return (CX + r * math.cos(a), CY + r * math.sin(a) * SQUASH)


def ring(r):
    return [corner(r, k) for k in range(5)]


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
    # the building: the outer walls first, then the rings of roof
    outer = ring(250)
    for k in range(5):
        a, b = outer[k], outer[(k + 1) % 5]
        if a[1] + b[1] > 2 * CY - 40:           # only the walls turned towards us show
            lit = a[0] < b[0] and a[1] < b[1] + 60
            p.poly([a, b, (b[0], b[1] + 34), (a[0], a[1] + 34)], WALL if lit else WALL_SHADE)
            for j in range(1, 40):
                t = j / 40
                x = a[0] + (b[0] - a[0]) * t
                y = a[1] + (b[1] - a[1]) * t
                for row in (8, 18, 27):
                    p.rect(x - 1.5, y + row, 3, 4, shade(WALL, 0.45))
    p.poly(outer, ROOF)
    for r0, r1 in ((250, 228), (204, 182), (160, 140), (118, 100)):
        p.poly(ring(r0), ROOF_LIGHT)
        p.poly(ring(r1), shade(ROOF, 0.45))              # the light well between rings
        p.poly(ring(r1 - 4), ROOF)
    # the inner courtyard with its lawn and paths
    court = ring(82)
    p.poly(court, WALL_SHADE)
    p.poly([(x, y + 8) for x, y in ring(78)], "#6da24f")
    p.line([ring(40)[k] for k in range(5)] + [ring(40)[0]], "#d9d4c4", 2)
    p.circle(CX, CY + 6, 8, "#e6e1d2")
    # the corridors that cut across the rings
    for k in range(5):
        a = TURN - math.pi / 2 + (k + 0.5) * 2 * math.pi / 5
        for r in (120, 165, 210):
            x, y = CX + r * math.cos(a), CY + r * math.sin(a) * SQUASH
            p.rect(x - 3, y - 2, 6, 4, shade(ROOF, 0.25))
    # trees along the roads
    for x, y in ((30, 330), (60, 346), (540, 330), (570, 350), (520, 300), (80, 300)):
        p.circle(x, y, 12, "#4f8a3c")
        p.circle(x - 3, y - 3, 7, "#63a04d")
    return p.svg()
