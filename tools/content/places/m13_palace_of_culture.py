"""The Palace of Culture and Science in Warsaw: the tall sand-coloured
tower climbing in setbacks, every step crowned with a ring of pinnacles,
the clock near the top and the long spire, the lower wings spreading out
to both sides above the trees."""
from parts import Pic, sky, sun, cloud, tree, shade, tint

NAME = "Pałac Kultury i Nauki"

STONE = "#dccaa6"
STONE_SHADE = "#ad9a78"
STONE_DARK = "#857457"
CX = 300


def block(p, x0, x1, top, bottom, ribs=True, light=0.72):
    """One stage of the building: a lit front, a shaded right side, the
    vertical ribs and rows of windows."""
    p.rect(x0, top, x1 - x0, bottom - top, STONE)
    split = x0 + (x1 - x0) * light
    p.rect(split, top, x1 - split, bottom - top, STONE_SHADE)
    if ribs:
        n = max(3, int((x1 - x0) / 14))
        for k in range(n + 1):
            x = x0 + (x1 - x0) * k / n
            p.rect(x - 1.4, top, 2.8, bottom - top, tint(STONE, 0.35) if x < split else STONE_DARK,
                   opacity=0.7)
        for y in range(int(top) + 10, int(bottom) - 4, 14):
            for k in range(n):
                x = x0 + (x1 - x0) * (k + 0.5) / n
                p.rect(x - 2.5, y, 5, 6, STONE_DARK if x < split else shade(STONE_DARK, 0.3), opacity=0.55)


def crown(p, x0, x1, y, h, count):
    """The attic of pinnacles that tops every setback."""
    p.rect(x0 - 3, y - 6, x1 - x0 + 6, 8, tint(STONE, 0.2))
    for k in range(count + 1):
        x = x0 + (x1 - x0) * k / count
        big = k in (0, count)
        ph = h * (1.5 if big else 1.0)
        pw = 6 if big else 3.5
        p.rect(x - pw / 2, y - ph * 0.6, pw, ph * 0.6, STONE if x < CX + 40 else STONE_SHADE)
        p.poly([(x - pw / 2 - 0.5, y - ph * 0.6), (x + pw / 2 + 0.5, y - ph * 0.6), (x, y - ph)],
               STONE if x < CX + 40 else STONE_SHADE)


def draw():
    p = Pic()
    sky(p, "#3a88d2", "#e3eff8", 0, 560, mid="#95c4ec")
    sun(p, 90, 90, 20)
    cloud(p, 480, 140, 160, seed=131, shadow="#dce4ee")
    cloud(p, 110, 280, 120, seed=132, opacity=0.85)

    # the side wings
    for x0, x1, top in ((-10, 150, 470), (450, 610, 470), (120, 200, 420), (400, 480, 420)):
        block(p, x0, x1, top, 580)
        crown(p, x0, x1, top, 16, max(2, int((x1 - x0) / 16)))
    # the main body rising in setbacks
    stages = [(170, 430, 330, 580, 40), (195, 405, 262, 330, 28), (218, 382, 204, 262, 24),
              (238, 362, 156, 204, 18), (256, 344, 118, 156, 14), (270, 330, 92, 118, 10)]
    for x0, x1, top, bottom, ch in stages:
        block(p, x0, x1, top, bottom)
        crown(p, x0, x1, top, ch, max(3, int((x1 - x0) / 14)))
    # the clock faces on the tower
    p.circle(CX - 10, 182, 13, "#f4efe2")
    p.circle(CX - 10, 182, 13, "none", stroke="#c8a24a", stroke_width=2.5)
    p.line([(CX - 10, 182), (CX - 10, 173)], "#333", 2)
    p.line([(CX - 10, 182), (CX - 3, 185)], "#333", 2)
    # the lantern and the spire
    p.rect(CX - 14, 58, 28, 36, STONE)
    p.rect(CX + 4, 58, 10, 36, STONE_SHADE)
    for k in range(3):
        p.rect(CX - 11 + k * 8, 64, 3, 22, STONE_DARK)
    p.poly([(CX - 16, 60), (CX + 16, 60), (CX, 48)], STONE_SHADE)
    p.poly([(CX - 4, 50), (CX + 4, 50), (CX + 1, 2), (CX - 1, 2)], "#b8b2a6")
    p.poly([(CX, 50), (CX + 4, 50), (CX + 1, 2), (CX, 2)], "#8d877c")

    # the square's trees and lawn in front
    p.rect(0, 560, 600, 40, "#6e9e4f")
    for x in range(-10, 620, 34):
        tree(p, x, 600, 22 + (x * 13 % 7), "#4f8f3a")
    return p.svg()
