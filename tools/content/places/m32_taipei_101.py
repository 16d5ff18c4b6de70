"""Taipei 101: the green glass tower built like a stalk of bamboo, eight
flaring sections stacked on a tapering base, the big round gold
ornaments at its foot and the pinnacle, with the green hills round Taipei
behind."""
from parts import Pic, sky, sun, cloud, shade, tint, haze, num, profile

NAME = "Taipei 101"

GLASS = "#5d9e9a"
GLASS_LIGHT = "#8cc4bd"
GLASS_DARK = "#3b6f6d"
FRAME = "#2f5553"
GOLD = "#d9b13f"
CX = 300


def flared(p, y_bot, y_top, w_bot, w_top):
    """One section: wider at the top than at the bottom, lit left, shaded right."""
    left = [(CX - w_bot / 2, y_bot), (CX - w_top / 2, y_top)]
    mid = [(CX + w_top * 0.18, y_top), (CX + w_bot * 0.18, y_bot)]
    right = [(CX + w_top / 2, y_top), (CX + w_bot / 2, y_bot)]
    p.poly(left + mid, p.linear([(0, GLASS_LIGHT), (1, GLASS)], 0, 0, 1, 0))
    p.poly([mid[1], mid[0]] + right, GLASS_DARK)
    for k in range(1, 8):
        t = k / 8
        y = y_bot + (y_top - y_bot) * t
        w = w_bot + (w_top - w_bot) * t
        p.line([(CX - w / 2, y), (CX + w / 2, y)], FRAME, 1.0, opacity=0.6)
    for f in (-0.3, -0.1, 0.35):
        p.line([(CX + w_bot * f, y_bot), (CX + w_top * f, y_top)], FRAME, 1.2, opacity=0.6)
    p.rect(CX - w_top / 2 - 2, y_top - 3, w_top + 4, 4, tint(GLASS, 0.4))


def ruyi(p, cx, cy, r):
    """The round gold ornament on each face of the base."""
    p.circle(cx, cy, r, GOLD)
    p.circle(cx, cy, r * 0.7, shade(GOLD, 0.2))
    p.circle(cx, cy, r * 0.35, GOLD)
    p.path(f"M{num(cx - r)},{num(cy)} Q{num(cx)},{num(cy - r * 1.6)} {num(cx + r)},{num(cy)}", "none",
           stroke=tint(GOLD, 0.3), stroke_width=2.0)


def draw():
    p = Pic()
    sky(p, "#3a8ad3", "#e2f0f6", 0, 520, mid="#95c6ec")
    sun(p, 90, 90, 20)
    cloud(p, 480, 110, 160, seed=321, shadow="#dce5ee")
    cloud(p, 110, 260, 110, seed=322, opacity=0.8)
    # the hills round the Taipei basin and the low city
    profile(p, [(-10, 430), (80, 360), (180, 400), (260, 380), (380, 420), (480, 350), (610, 400)],
            haze("#4f8a5a", 0.45))
    profile(p, [(-10, 480), (120, 450), (300, 470), (460, 440), (610, 470)], haze("#4f8a5a", 0.25))
    for x in range(-10, 610, 24):
        h = 30 + (x * 37 % 60)
        p.rect(x, 560 - h, 20, h, haze("#b8bfc4", 0.3))
    # the base, narrowing upwards, with its gold ornaments
    p.poly([(CX - 88, 560), (CX + 88, 560), (CX + 62, 400), (CX - 62, 400)], GLASS)
    p.poly([(CX + 16, 560), (CX + 88, 560), (CX + 62, 400), (CX + 11, 400)], GLASS_DARK)
    for y in range(410, 560, 10):
        f = (y - 400) / 160
        w = 62 + 26 * f
        p.line([(CX - w, y), (CX + w, y)], FRAME, 1.0, opacity=0.5)
    # eight flaring sections, like the joints of a bamboo stalk
    y = 400
    for k in range(8):
        flared(p, y, y - 36, 104, 134)
        y -= 36
    # the small crowning stages and the pinnacle
    p.poly([(CX - 44, y), (CX + 44, y), (CX + 34, y - 22), (CX - 34, y - 22)], GLASS)
    p.poly([(CX + 8, y), (CX + 44, y), (CX + 34, y - 22), (CX + 6, y - 22)], GLASS_DARK)
    p.rect(CX - 22, y - 44, 44, 22, GLASS)
    p.rect(CX + 4, y - 44, 18, 22, GLASS_DARK)
    p.rect(CX - 12, y - 60, 24, 16, GLASS_LIGHT)
    p.poly([(CX - 5, y - 60), (CX + 5, y - 60), (CX + 1.5, 2), (CX - 1.5, 2)], "#d9dee2")
    p.poly([(CX, y - 60), (CX + 5, y - 60), (CX + 1.5, 2), (CX, 2)], "#9aa3aa")
    ruyi(p, CX - 26, 424, 16)
    ruyi(p, CX + 30, 424, 13)
    p.rect(0, 556, 600, 44, p.linear([(0, "#9da39f"), (1, "#7b817d")]))
    return p.svg()
