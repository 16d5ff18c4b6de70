"""Machu Picchu: the grey stone ruins and green terraces on the saddle
high in the Andes, the steep peak of Huayna Picchu rising behind them,
clouds lying in the valleys and a llama in front."""
import random

from parts import Pic, sky, sun, cloud, shade, tint, haze, num, smooth, profile

NAME = "Machu Picchu"

GREEN = "#4e8f3e"
GREEN_DARK = "#2f6a2c"
STONE = "#a9a49a"
STONE_SHADE = "#7d786f"
THATCH = "#c9a45c"


def llama(p, x, y, s):
    wool = "#f2ebe0"
    shade_w = "#d8cdbd"
    p.ellipse(x, y - 46 * s, 34 * s, 20 * s, wool)
    p.ellipse(x + 6 * s, y - 40 * s, 26 * s, 12 * s, shade_w)
    for dx in (-24, -12, 14, 26):
        p.rect(x + dx * s - 3 * s, y - 34 * s, 6 * s, 34 * s, wool if dx < 0 else shade_w)
    p.path(f"M{num(x + 22 * s)},{num(y - 56 * s)} L{num(x + 30 * s)},{num(y - 98 * s)} "
           f"L{num(x + 42 * s)},{num(y - 98 * s)} "
           f"L{num(x + 38 * s)},{num(y - 48 * s)} Z", wool)
    p.ellipse(x + 42 * s, y - 102 * s, 13 * s, 8 * s, wool)
    p.poly([(x + 32 * s, y - 106 * s), (x + 30 * s, y - 120 * s), (x + 37 * s, y - 108 * s)], wool)
    p.poly([(x + 40 * s, y - 108 * s), (x + 40 * s, y - 122 * s), (x + 45 * s, y - 108 * s)], shade_w)
    p.circle(x + 44 * s, y - 104 * s, 1.8 * s, "#222")
    p.ellipse(x + 53 * s, y - 100 * s, 3 * s, 2.4 * s, "#6b5a4a")
    # a coloured woollen tassel in its ear
    p.circle(x + 31 * s, y - 118 * s, 2.6 * s, "#e0342c")


def ruins(p, rng):
    """Rows of roofless stone houses stepping down the saddle, with a few
    rebuilt thatched roofs."""
    for row, (y, x0, x1) in enumerate(((330, 120, 420), (356, 90, 470), (384, 60, 500), (414, 100, 440))):
        x = x0
        while x < x1:
            w = rng.uniform(22, 38)
            h = rng.uniform(12, 18)
            p.rect(x, y - h, w, h, STONE)
            p.rect(x + w * 0.7, y - h, w * 0.3, h, STONE_SHADE)
            roofed = rng.random() < 0.15
            if roofed:
                p.poly([(x - 3, y - h), (x + w * 0.5, y - h - 16), (x + w + 3, y - h)], THATCH)
            else:
                # a roofless room: its back wall and floor seen over the front wall
                p.rect(x + 2, y - h - 5, w - 4, 5, shade(STONE, 0.35))
                p.rect(x, y - h - 7, 3, 7, STONE)
                p.rect(x + w - 3, y - h - 7, 3, 7, STONE_SHADE)
            if rng.random() < 0.5:
                # the Inca's trapezoid window
                p.poly([(x + 5, y - h + 11), (x + 11, y - h + 11), (x + 10, y - h + 4), (x + 6, y - h + 4)],
                       "#5b5750")
            x += w + rng.uniform(2, 8)
    # the main plaza, a flat green lawn
    p.path(smooth([(160, 372), (300, 366), (420, 372), (300, 380)], closed=True), "#7cb35a")


def draw():
    p = Pic()
    rng = random.Random(281)
    sky(p, "#3f86cf", "#e6f0f4", 0, 330, mid="#a0c8e8")
    sun(p, 90, 70, 20)
    # far Andes
    profile(p, [(-10, 250), (60, 170), (120, 230), (190, 150), (260, 240), (330, 200), (420, 120), (480, 210),
                (560, 160), (610, 200)], haze("#5f7f74", 0.55))
    # Huayna Picchu: the steep sugar-loaf behind the ruins
    profile(p, [(250, 360), (300, 250), (330, 150), (360, 92), (396, 84), (420, 120), (450, 220), (500, 330),
                (560, 380)], GREEN_DARK)
    p.path("M360,92 Q372,150 350,230 Q340,290 300,330 L290,300 Q330,250 338,170 Z", shade(GREEN_DARK, 0.25))
    # mountains to both sides
    profile(p, [(-10, 300), (40, 200), (100, 280), (150, 360)], haze(GREEN_DARK, 0.15))
    profile(p, [(470, 380), (540, 230), (580, 180), (610, 200)], haze(GREEN_DARK, 0.1))
    # clouds lying in the valleys
    p.open("g", filter=p.blur(8), opacity=0.85)
    p.ellipse(40, 300, 120, 20, "#ffffff")
    p.ellipse(580, 330, 110, 22, "#ffffff")
    p.close()
    # the saddle with its terraces
    p.path("M-10,420 Q120,340 300,330 Q460,330 610,410 L610,600 L-10,600 Z", GREEN)
    for k in range(7):
        y = 430 + k * 24
        p.path(f"M{-10},{y + 20} Q{150},{y - 50 + k * 5} {300},{y - 52 + k * 6} "
               f"Q{450},{y - 50 + k * 5} {610},{y + 20}",
               "none", stroke=shade(GREEN, 0.3), stroke_width=3.0)
        p.path(f"M{-10},{y + 24} Q{150},{y - 46 + k * 5} {300},{y - 48 + k * 6} "
               f"Q{450},{y - 46 + k * 5} {610},{y + 24}",
               "none", stroke=tint(GREEN, 0.2), stroke_width=2.0)
    ruins(p, rng)
    cloud(p, 200, 130, 150, seed=282, opacity=0.85, shadow="#dde6ee")
    # the foreground slope and the llama
    p.path("M-10,600 L-10,520 Q150,500 330,540 Q400,560 450,600 Z", shade(GREEN, 0.15))
    llama(p, 470, 590, 1.2)
    return p.svg()
