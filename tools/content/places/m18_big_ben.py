"""Big Ben: the golden stone clock tower at the end of the Houses of
Parliament, seen from Westminster Bridge with a red double-decker bus on
it and the Thames below."""
import math

from parts import Pic, sky, sun, cloud, water, ripples, shade, tint, haze, pointed_arch_path

NAME = "Big Ben - Londyn"

STONE = "#dcbf80"
STONE_SHADE = "#a98752"
STONE_DARK = "#7d6238"
SLATE = "#4a5566"
GOLD = "#e6b84a"
TX = 400               # the tower's axis


def gothic_panels(p, x, y, w, h, cols, colour, rows=1):
    cw = w / cols
    rh = h / rows
    for r in range(rows):
        for c in range(cols):
            p.path(pointed_arch_path(x + c * cw + cw * 0.2, y + (r + 1) * rh - rh * 0.1, cw * 0.6,
                                     rh * 0.55, cw * 0.45), colour)


def clock(p, cx, cy, r):
    p.rect(cx - r - 10, cy - r - 10, 2 * r + 20, 2 * r + 20, GOLD)
    p.rect(cx - r - 6, cy - r - 6, 2 * r + 12, 2 * r + 12, shade(GOLD, 0.3))
    p.circle(cx, cy, r + 2, GOLD)
    p.circle(cx, cy, r, "#f7f1dc")
    for k in range(12):
        a = k * math.pi / 6
        p.line([(cx + math.sin(a) * r * 0.78, cy - math.cos(a) * r * 0.78),
                (cx + math.sin(a) * r * 0.92, cy - math.cos(a) * r * 0.92)], "#222", 2.2)
    p.line([(cx, cy), (cx + r * 0.45, cy - r * 0.2)], "#111", 3.0, stroke_linecap="round")
    p.line([(cx, cy), (cx - r * 0.1, cy - r * 0.75)], "#111", 2.2, stroke_linecap="round")
    p.circle(cx, cy, 3, "#111")


def tower(p):
    # the shaft, panelled in Gothic tracery
    p.rect(TX - 44, 235, 88, 330, STONE)
    p.rect(TX + 16, 235, 28, 330, STONE_SHADE)
    for x in (TX - 44, TX - 14, TX + 16, TX + 40):
        p.rect(x, 235, 4, 330, tint(STONE, 0.3) if x < TX else STONE_DARK, opacity=0.6)
    gothic_panels(p, TX - 40, 250, 52, 300, 3, STONE_SHADE, rows=8)
    gothic_panels(p, TX + 18, 250, 24, 300, 1, STONE_DARK, rows=8)
    # the clock stage, wider, with its face
    p.rect(TX - 52, 135, 104, 104, STONE)
    p.rect(TX + 22, 135, 30, 104, STONE_SHADE)
    clock(p, TX - 8, 186, 34)
    p.rect(TX - 56, 128, 112, 10, tint(STONE, 0.3))
    p.rect(TX - 56, 236, 112, 8, tint(STONE, 0.3))
    # belfry with its pointed openings
    p.rect(TX - 46, 92, 92, 38, STONE)
    p.rect(TX + 22, 92, 24, 38, STONE_SHADE)
    for k in range(4):
        p.path(pointed_arch_path(TX - 40 + k * 16, 126, 9, 14, 8), STONE_DARK)
    p.rect(TX - 50, 88, 100, 6, GOLD)
    # the steep iron roof and spire, with pinnacles at the corners
    p.poly([(TX - 46, 88), (TX + 46, 88), (TX + 24, 40), (TX - 24, 40)], SLATE)
    p.poly([(TX, 88), (TX + 46, 88), (TX + 24, 40), (TX, 40)], shade(SLATE, 0.3))
    for k in range(4):
        p.rect(TX - 34 + k * 20, 58, 6, 12, GOLD)
    p.poly([(TX - 24, 40), (TX + 24, 40), (TX + 8, 28), (TX - 8, 28)], SLATE)
    p.poly([(TX - 8, 28), (TX + 8, 28), (TX + 2, 4), (TX - 2, 4)], shade(SLATE, 0.15))
    p.line([(TX, 8), (TX, 0)], GOLD, 2)
    for x in (TX - 50, TX + 50):
        p.poly([(x - 5, 130), (x + 5, 130), (x, 96)], GOLD if x < TX else shade(GOLD, 0.25))
    for x in (TX - 48, TX + 48):
        p.poly([(x - 4, 240), (x + 4, 240), (x, 214)], STONE_SHADE)


def parliament(p):
    """The long river front of the Houses of Parliament, to the left."""
    base, top = 470, 330
    p.rect(-10, top, 370, base - top, STONE)
    for k in range(20):
        x = -6 + k * 18.5
        p.rect(x, top, 3, base - top, tint(STONE, 0.3), opacity=0.8)
        p.rect(x + 6, top + 14, 7, base - top - 20, STONE_SHADE)
        p.poly([(x - 3, top), (x + 6, top), (x + 1.5, top - 16)], STONE)
    for y in (368, 408, 448):
        p.rect(-10, y, 370, 3, STONE_DARK, opacity=0.5)
    # the Victoria Tower far on the left, and a small lantern spire
    p.rect(0, 205, 70, 130, haze(STONE, 0.15))
    p.rect(48, 205, 22, 130, haze(STONE_SHADE, 0.15))
    gothic_panels(p, 4, 215, 42, 110, 3, haze(STONE_SHADE, 0.15), rows=3)
    for x in (0, 66):
        p.poly([(x - 2, 205), (x + 6, 205), (x + 2, 178)], haze(GOLD, 0.2))
    p.rect(186, 262, 26, 70, STONE)
    p.poly([(182, 264), (216, 264), (199, 212)], SLATE)
    p.rect(-10, 322, 370, 10, SLATE)


def bridge(p):
    """Westminster Bridge: green parapet on low arches, and a red bus."""
    p.rect(-10, 492, 620, 30, "#4f7d5a")
    p.rect(-10, 486, 620, 8, "#6a9a74")
    for k in range(7):
        x = -40 + k * 100
        p.path(f"M{x},540 Q{x + 50},505 {x + 100},540 Z", "#36573f")
    for k in range(60):
        p.rect(-8 + k * 10.5, 488, 3, 4, "#35523d")
    # the bus
    bx, by = 40, 486
    p.rect(bx, by - 78, 150, 76, "#d8232a")
    p.rect(bx + 120, by - 78, 30, 76, "#a5151b")
    p.rect(bx, by - 78, 150, 6, "#e9484e")
    for row in (by - 66, by - 32):
        for k in range(6):
            p.rect(bx + 8 + k * 23, row, 18, 18, "#29323f")
            p.rect(bx + 8 + k * 23, row, 18, 5, "#55657a")
    p.rect(bx, by - 40, 150, 3, "#f2d14b")
    for x in (bx + 30, bx + 118):
        p.circle(x, by - 2, 12, "#1f1f24")
        p.circle(x, by - 2, 5, "#9aa0a8")


def draw():
    p = Pic()
    sky(p, "#5b95c9", "#e5eef4", 0, 500, mid="#a7c6e0")
    sun(p, 540, 120, 20, colour="#fffaf0")
    cloud(p, 150, 110, 200, seed=181, shadow="#d7dfe8")
    cloud(p, 560, 260, 140, seed=182, opacity=0.9, shadow="#d7dfe8")
    cloud(p, 230, 230, 110, seed=183, opacity=0.7)
    parliament(p)
    tower(p)
    # the far bank and the river
    water(p, 520, "#6f8fa3", "#3d5d73")
    ripples(p, 540, 600, "#c6d8e3", seed=184, count=25, opacity=0.45)
    bridge(p)
    return p.svg()
