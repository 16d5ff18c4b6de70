"""The Acropolis of Athens: the Parthenon's marble columns and broken
pediment on top of the steep rock, olive trees on the slope and the white
city below."""
import random

from parts import Pic, sky, sun, cloud, shade, tint, haze, profile

NAME = "Akropol - Ateny"

MARBLE = "#eedcb6"
MARBLE_SHADE = "#c8ad80"
MARBLE_DARK = "#9c8259"
ROCK = "#c9a77a"
ROCK_SHADE = "#9e7d55"


def column(p, x, top, base, w, lit=True):
    p.rect(x - w / 2, top, w, base - top, MARBLE if lit else MARBLE_SHADE)
    p.rect(x + w * 0.12, top, w * 0.38, base - top, MARBLE_SHADE if lit else MARBLE_DARK)
    for k in (-0.3, 0.0):
        p.rect(x + k * w - 0.6, top, 1.2, base - top, shade(MARBLE, 0.25), opacity=0.6)
    p.rect(x - w * 0.65, top - 6, w * 1.3, 6, tint(MARBLE, 0.25))


def parthenon(p):
    base = 300
    top = 188
    # the side colonnade running back to the right (smaller, in shade)
    for k in range(10):
        t = k / 9
        x = 395 + t * 175
        column(p, x, top + 6 + t * 18, base - 4 - t * 10, 16 - t * 5, lit=False)
    p.poly([(380, top - 20), (580, top + 2), (580, top + 22), (380, top + 8)], MARBLE_SHADE)
    p.poly([(380, base), (580, base - 12), (580, base + 2), (380, base + 22)], MARBLE_SHADE)
    # the front: eight columns under the broken pediment
    p.rect(92, base, 296, 22, MARBLE)
    p.rect(92, base + 14, 296, 8, MARBLE_SHADE)
    for k in range(8):
        column(p, 110 + k * 37, top, base, 24)
    p.rect(92, top - 32, 296, 26, MARBLE)
    p.rect(92, top - 16, 296, 10, MARBLE_SHADE)
    for k in range(16):
        p.rect(98 + k * 18.4, top - 30, 6, 12, MARBLE_DARK, opacity=0.5)
    # what is left of the pediment: its right part has fallen
    p.poly([(88, top - 32), (240, top - 80), (300, top - 62), (318, top - 54), (330, top - 44),
            (344, top - 40), (360, top - 32)], MARBLE)
    p.poly([(110, top - 36), (240, top - 72), (290, top - 58), (300, top - 36)], shade(MARBLE, 0.12))
    # scaffolding-free, weathered spots
    rng = random.Random(21)
    for _ in range(30):
        x = rng.uniform(96, 380)
        y = rng.uniform(top - 28, base)
        p.rect(x, y, rng.uniform(3, 8), 2, MARBLE_DARK, opacity=0.25)


def olive(p, x, y, r):
    p.rect(x - 2, y - r * 0.9, 4, r * 0.9, "#6e5a40")
    for dx, dy, rr in ((-0.5, -1.1, 0.7), (0.4, -1.2, 0.75), (0, -1.6, 0.7)):
        p.circle(x + dx * r, y + dy * r, rr * r, "#8a9a5b")
    p.circle(x + 0.5 * r, y - 1.0 * r, 0.5 * r, "#6f7f45")


def draw():
    p = Pic()
    sky(p, "#2f82d0", "#e4f0f7", 0, 420, mid="#8cc0ea")
    sun(p, 90, 80, 22)
    cloud(p, 470, 80, 160, seed=21, shadow="#dfe6ef")
    # far mountains and the sea on the horizon
    profile(p, [(-10, 360), (100, 330), (220, 350), (380, 322), (520, 345), (610, 332)],
            haze("#8aa0a4", 0.5), bottom=420)
    parthenon(p)
    # the rock of the Acropolis with its walls
    rock = [(-10, 330), (60, 318), (560, 306), (610, 312), (610, 600), (-10, 600)]
    p.poly(rock, ROCK)
    p.poly([(60, 318), (600, 306), (600, 332), (60, 344)], "#d8c7a0")
    p.poly([(300, 344), (610, 330), (610, 600), (420, 600)], ROCK_SHADE)
    p.path("M-10,420 L120,380 L200,470 L260,420 L330,520 L250,600 L-10,600 Z", shade(ROCK, 0.12))
    for x0, x1, y in ((30, 180, 370), (340, 520, 380), (150, 300, 430)):
        p.line([(x0, y), (x1, y + 18)], ROCK_SHADE, 2, opacity=0.7)
    # the town of white houses below, olive trees on the lower slope
    rng = random.Random(22)
    for _ in range(40):
        x = rng.uniform(-10, 600)
        y = rng.uniform(520, 600)
        w = rng.uniform(18, 34)
        p.rect(x, y, w, 26, "#f4efe6")
        p.rect(x + w * 0.6, y, w * 0.4, 26, "#d9d1c3")
        p.rect(x + 4, y + 8, 5, 6, "#7d8ca0")
    for x, y, r in ((40, 520, 26), (110, 535, 22), (470, 525, 28), (560, 540, 24), (300, 545, 20)):
        olive(p, x, y, r)
    return p.svg()
