"""Jerusalem: the Old City seen from the Mount of Olives in the warm
evening light: the golden Dome of the Rock on its blue-tiled octagon
above the pale stone walls and houses, dark cypresses and olive trees on
the slope in front."""
import random

from parts import Pic, sky, sun, cloud, cypress, shade, tint, haze, dome_path, arch_path

NAME = "Jerozolima"

STONE = "#e9d3a6"
STONE_SHADE = "#c0a170"
TILE = "#2f6fb0"
TILE_LIGHT = "#5b9bd5"
GOLD = "#f0b93a"
CX = 300


def dome_of_the_rock(p):
    base = 390
    # the octagon: a wide front face and two faces turned away
    p.rect(CX - 150, base - 12, 300, 16, STONE)                   # the platform edge
    p.poly([(CX - 175, base), (CX - 115, base - 6), (CX - 115, base - 140), (CX - 175, base - 126)],
           shade(TILE, 0.05))
    p.poly([(CX + 115, base - 6), (CX + 175, base), (CX + 175, base - 126), (CX + 115, base - 140)],
           shade(TILE, 0.35))
    p.rect(CX - 115, base - 140, 230, 134, TILE)
    # the tile patterns and the arched windows
    for face, x0, x1 in ((0, CX - 115, CX + 115),):
        n = 7
        w = (x1 - x0) / n
        for k in range(n):
            x = x0 + k * w
            p.path(arch_path(x + w * 0.3, base - 56, w * 0.4, 30), "#18324f")
            p.rect(x + w * 0.15, base - 48, w * 0.7, 3, TILE_LIGHT)
        for y in (base - 124, base - 112):
            for k in range(23):
                p.rect(x0 + 2 + k * 10, y, 6, 6, TILE_LIGHT if (k + y) % 2 else "#f2efe6", opacity=0.8)
    p.rect(CX - 115, base - 40, 230, 34, "#e6e1d4")
    p.poly([(CX - 175, base), (CX - 115, base - 6), (CX - 115, base - 40), (CX - 175, base - 36)], "#cfc9ba")
    p.poly([(CX + 115, base - 6), (CX + 175, base), (CX + 175, base - 36), (CX + 115, base - 40)], "#a9a395")
    for k in range(6):
        p.path(arch_path(CX - 100 + k * 38, base - 8, 16, 18), "#8c8574")
    p.rect(CX - 118, base - 146, 236, 8, "#e6e1d4")
    # the drum and the golden dome
    p.rect(CX - 78, base - 196, 156, 52, TILE)
    p.rect(CX + 30, base - 196, 48, 52, shade(TILE, 0.3))
    for k in range(8):
        p.path(arch_path(CX - 70 + k * 18.5, base - 154, 8, 22), "#18324f")
    p.rect(CX - 82, base - 200, 164, 7, "#e6e1d4")
    gold = p.linear([(0, "#ffe9a0"), (0.35, GOLD), (1, "#b77f1c")], 0, 0, 1, 0)
    p.path(dome_path(CX, base - 198, 166, 128), gold)
    p.path(f"M{CX - 40},{base - 300} Q{CX - 30},{base - 318} {CX - 6},{base - 324}", "none",
           stroke="#fff6cf", stroke_width=5.0, stroke_linecap="round", opacity=0.8)
    p.rect(CX - 1.5, base - 350, 3, 26, GOLD)
    p.path(f"M{CX + 4},{base - 352} A7,7 0 1 1 {CX + 4},{base - 340} A5,5 0 1 0 "
           f"{CX + 4},{base - 352} Z", GOLD)


def houses(p, y0, y1, seed, far):
    rng = random.Random(seed)
    for _ in range(70):
        x = rng.uniform(-20, 600)
        y = rng.uniform(y0, y1)
        w = rng.uniform(22, 46)
        h = rng.uniform(16, 30)
        col = haze(STONE, far)
        p.rect(x, y - h, w, h, col)
        p.rect(x + w * 0.65, y - h, w * 0.35, h, haze(STONE_SHADE, far))
        p.rect(x + 5, y - h + 6, 4, 6, haze("#7b6a50", far))
        if rng.random() < 0.15:
            p.path(dome_path(x + w / 2, y - h, w * 0.5, w * 0.3), haze("#c8c3b8", far))


def walls(p, y, h):
    p.rect(-10, y - h, 620, h, STONE)
    p.rect(-10, y - h + h * 0.55, 620, h * 0.45, STONE_SHADE, opacity=0.6)
    for x in range(-10, 620, 14):
        p.rect(x, y - h - 9, 9, 10, STONE)
    for x in (60, 520):
        p.rect(x - 22, y - h - 30, 44, h + 30, STONE)
        p.rect(x + 8, y - h - 30, 14, h + 30, STONE_SHADE)
        for xx in range(int(x - 22), int(x + 22), 11):
            p.rect(xx, y - h - 38, 7, 9, STONE)
    # the sealed Golden Gate with its two arches
    p.rect(250, y - h - 20, 100, h + 20, tint(STONE, 0.1))
    p.path(arch_path(262, y - 8, 34, 24), STONE_SHADE)
    p.path(arch_path(304, y - 8, 34, 24), STONE_SHADE)


def draw():
    p = Pic()
    sky(p, "#5b93c9", "#fbdcae", 0, 330, mid="#bfd3dd")
    sun(p, 520, 250, 24, colour="#fff0c8", glow="#ffd88a", strength=0.7)
    cloud(p, 130, 100, 150, seed=111, opacity=0.75, colour="#fff5e6", shadow="#f0d9c4")
    # hills beyond the city
    p.path("M-10,300 Q160,270 320,292 T610,280 L610,400 L-10,400 Z", haze("#c9b28a", 0.5))
    houses(p, 300, 360, 112, 0.4)
    dome_of_the_rock(p)
    houses(p, 400, 430, 113, 0.15)
    walls(p, 470, 54)
    # the slope of the Mount of Olives: old white tombs, olives and cypresses
    p.rect(0, 468, 600, 132, p.linear([(0, "#b59b6a"), (1, "#8c7650")]))
    rng = random.Random(114)
    for row in range(4):
        y = 486 + row * 26
        for k in range(18):
            x = -10 + k * 36 + (row % 2) * 18 + rng.uniform(-4, 4)
            w = 18 + row * 3
            p.rect(x, y, w, 10 + row * 2, "#efe6d2")
            p.rect(x, y + 6 + row * 2, w, 4, "#cfc3aa")
    for x, h in ((30, 180), (75, 140), (540, 190), (585, 150)):
        cypress(p, x, 600, h, h * 0.2, "#2d5230")
    for x in (150, 450):
        p.rect(x - 3, 560, 6, 40, "#6b5a42")
        p.ellipse(x, 548, 46, 24, "#7f915a")
        p.ellipse(x + 14, 554, 30, 16, "#6a7b48")
    return p.svg()
