"""The Sears Tower in Chicago: the black tower of bundled tubes stepping
back at different heights, its two white antennas on top, standing far
above the other towers of the city by the river."""
import random

from parts import Pic, sky, sun, cloud, water, ripples, shade, haze

NAME = "Sears Tower - Chicago"

BLACK = "#2b2d33"
BLACK_LIGHT = "#40434c"
GLASS = "#555a66"
CX = 300


def tube(p, x0, x1, top, base, lit):
    p.rect(x0, top, x1 - x0, base - top, BLACK_LIGHT if lit else BLACK)
    # bronze-tinted window bands and the dark steel mullions
    for y in range(int(top) + 4, int(base), 7):
        p.rect(x0, y, x1 - x0, 3, GLASS if lit else shade(GLASS, 0.25), opacity=0.8)
    for x in range(int(x0) + 4, int(x1), 6):
        p.rect(x, top, 1.2, base - top, "#1d1f24", opacity=0.7)
    # the light belts of the service floors
    for y in (top + 60, top + 200):
        if y < base - 10:
            p.rect(x0, y, x1 - x0, 6, "#23252b")


def city(p, base, seed):
    rng = random.Random(seed)
    x = -10
    while x < 610:
        w = rng.uniform(30, 60)
        h = rng.uniform(90, 260)
        col = haze(rng.choice(["#b9b3a6", "#8f9aa6", "#c9c2b5", "#6f7e8f"]), 0.35)
        p.rect(x, base - h, w, h, col)
        p.rect(x + w * 0.68, base - h, w * 0.32, h, shade(col, 0.15))
        for yy in range(int(base - h) + 8, int(base) - 6, 10):
            p.rect(x + 4, yy, w - 8, 3, shade(col, 0.2), opacity=0.6)
        x += w + rng.uniform(2, 8)


def draw():
    p = Pic()
    sky(p, "#2f7fd0", "#dceefa", 0, 560, mid="#8ec0ea")
    sun(p, 90, 100, 22)
    cloud(p, 480, 120, 170, seed=171, shadow="#dbe4ee")
    cloud(p, 130, 250, 110, seed=172, opacity=0.8)
    city(p, 560, 173)
    # the tower: its bundle of square tubes, stopping at different heights
    base = 560
    tube(p, 180, 230, 300, base, True)
    tube(p, 230, 280, 150, base, True)
    tube(p, 280, 330, 58, base, True)
    tube(p, 330, 370, 58, base, False)
    tube(p, 370, 420, 200, base, False)
    # the setbacks' roofs
    for x0, x1, y in ((180, 230, 300), (230, 280, 150), (280, 370, 58), (370, 420, 200)):
        p.rect(x0, y - 4, x1 - x0, 5, "#5d6170")
    # the two antennas
    p.rect(292, 2, 6, 58, "#e9ecf0")
    p.rect(296, 2, 2, 58, "#b8bec8")
    p.rect(344, 14, 6, 46, "#e9ecf0")
    p.rect(348, 14, 2, 46, "#b8bec8")
    for y in (20, 36):
        p.rect(290, y, 10, 3, "#c9ced6")
        p.rect(342, y + 10, 10, 3, "#c9ced6")

    # closer, lower towers at the edges and the river in front
    for x, w, h, col in ((-10, 100, 300, "#c7bfae"), (100, 70, 200, "#9aa7b5"), (450, 60, 240, "#a9a294"),
                         (505, 105, 330, "#7e8c9c")):
        p.rect(x, 560 - h, w, h, col)
        p.rect(x + w * 0.7, 560 - h, w * 0.3, h, shade(col, 0.2))
        for yy in range(int(560 - h) + 8, 556, 11):
            p.rect(x + 5, yy, w - 10, 4, shade(col, 0.3), opacity=0.5)
    water(p, 560, "#4f7f93", "#2f5a6e")
    ripples(p, 566, 600, "#b9d3de", seed=174, count=20, opacity=0.5)
    return p.svg()
