"""The Valley of the Kings near Luxor: a bare, sun-baked limestone valley
under the pyramid-shaped peak, dark doorways of the pharaohs' tombs cut
into its cliffs, and in front the painted entrance of one tomb with the
winged sun over it and steps going down into the dark."""
import random

from parts import Pic, sky, sun, cloud, shade, tint, haze, num, profile, person

NAME = "Dolina Królów - Egipt"

ROCK = "#e2b980"
ROCK_SHADE = "#b88752"
ROCK_DARK = "#8a5f34"
PAINT = ["#2f6fb0", "#c8432f", "#e9b23a", "#2f8a6a", "#1f2a44"]


def glyphs(p, x, y0, y1, w, seed):
    """A column of painted picture-signs: birds, eyes, reeds, water lines."""
    rng = random.Random(seed)
    y = y0
    while y < y1 - 12:
        kind = rng.randrange(5)
        c = rng.choice(PAINT)
        cx = x + w / 2
        if kind == 0:        # a bird
            p.ellipse(cx, y + 8, w * 0.28, 5, c)
            p.circle(cx + w * 0.22, y + 3, 3, c)
            p.line([(cx - 3, y + 12), (cx - 3, y + 17)], c, 1.4)
        elif kind == 1:      # an eye
            p.ellipse(cx, y + 8, w * 0.32, 4, "none", stroke=c, stroke_width=1.8)
            p.circle(cx, y + 8, 2.2, c)
        elif kind == 2:      # water
            p.line([(cx - 8, y + 5), (cx - 4, y + 2), (cx, y + 5), (cx + 4, y + 2), (cx + 8, y + 5)], c, 1.6)
            p.line([(cx - 8, y + 11), (cx - 4, y + 8), (cx, y + 11), (cx + 4, y + 8), (cx + 8, y + 11)], c, 1.6)
        elif kind == 3:      # the key of life
            p.ellipse(cx, y + 4, 3, 4, "none", stroke=c, stroke_width=1.8)
            p.line([(cx, y + 8), (cx, y + 18)], c, 2)
            p.line([(cx - 5, y + 10), (cx + 5, y + 10)], c, 2)
        else:                # a reed
            p.path(f"M{num(cx)},{num(y + 18)} Q{num(cx - 2)},{num(y + 6)} {num(cx + 4)},{num(y)} "
                   f"Q{num(cx + 2)},{num(y + 8)} {num(cx + 2)},{num(y + 18)} Z", c)
        y += 20
    p.line([(x, y0 - 4), (x, y1)], ROCK_DARK, 1, opacity=0.6)
    p.line([(x + w, y0 - 4), (x + w, y1)], ROCK_DARK, 1, opacity=0.6)


def winged_sun(p, cx, cy, span):
    for side in (-1, 1):
        for k in range(4):
            y = cy - 6 + k * 5
            ln = span * (0.5 - k * 0.08)
            p.path(f"M{num(cx + side * 10)},{num(y)} Q{num(cx + side * ln * 0.6)},{num(y - 8 + k * 2)} "
                   f"{num(cx + side * ln)},{num(y + 2)} L{num(cx + side * 10)},{num(y + 5)} Z",
                   ["#2f6fb0", "#e9b23a", "#2f8a6a", "#c8432f"][k])
    p.circle(cx, cy, 10, "#c8432f")
    p.circle(cx, cy, 10, "none", stroke="#e9b23a", stroke_width=2.0)


def doorway(p, x, y, w, h, far):
    p.rect(x - 4, y - h - 4, w + 8, h + 4, haze(ROCK_SHADE, far))
    p.rect(x, y - h, w, h, haze("#2a1f17", far))


def draw():
    p = Pic()
    sky(p, "#3f93d8", "#f8e7c2", 0, 300, mid="#a9d0ec")
    sun(p, 90, 70, 26, colour="#fffbe6", glow="#fff0c2", strength=0.7)
    cloud(p, 470, 80, 110, seed=301, opacity=0.55)
    # el-Qurn over the valley: a rugged peak of layered, crumbling rock
    peak = [(-10, 200), (40, 186), (80, 198), (120, 158), (160, 168), (200, 128), (240, 120), (272, 84),
            (296, 70), (316, 88), (342, 98), (380, 104), (410, 140), (450, 146), (490, 178), (530, 168),
            (570, 196), (610, 188)]
    profile(p, peak, haze(ROCK, 0.2))
    # the shaded cliffs and gullies on the faces away from the sun
    for d in ("M296,70 L316,88 L342,98 L380,104 L410,140 L360,200 L330,330 L290,330 L306,180 Z",
              "M200,128 L240,120 L220,220 L190,330 L170,330 L196,210 Z",
              "M450,146 L490,178 L530,168 L500,260 L470,330 L440,330 L470,240 Z"):
        p.path(d, haze(ROCK_SHADE, 0.2), opacity=0.7)
    rng = random.Random(302)
    p.open("g", clip_path=p.clip_path("M" + " L".join(f"{num(x)},{num(y)}" for x, y in peak)
                                      + " L610,340 L-10,340 Z"))
    for k in range(9):
        y = 110 + k * 24
        p.path(f"M-10,{y + 30} Q150,{y + rng.uniform(-10, 10)} 300,{y + 4} T610,{y + 24}", "none",
               stroke=haze(ROCK_DARK, 0.3), stroke_width=1.6, opacity=0.45)
    for _ in range(26):
        x = rng.uniform(20, 580)
        y = rng.uniform(140, 320)
        p.line([(x, y), (x + rng.uniform(-14, 14), y + rng.uniform(12, 34))], haze(ROCK_DARK, 0.3), 1.4,
               opacity=0.6)
    p.close()
    # the steep cliffs closing the valley on both sides
    p.path("M-10,200 L40,190 L90,230 L120,290 L150,330 L-10,360 Z", haze(ROCK_SHADE, 0.05))
    p.path("M610,210 L560,220 L520,270 L500,320 L610,340 Z", haze(ROCK_DARK, 0.15))
    # the valley floor, a path winding up it, tomb doors in the cliff foot
    p.rect(0, 330, 600, 270, p.linear([(0, "#e8c58e"), (1, "#d4a868")]))
    p.path("M180,600 Q250,480 290,420 Q300,370 330,340 L350,340 Q320,380 320,420 Q300,500 290,600 "
           "Z", "#f0d7a6")
    for x, y, w, h in ((60, 312, 22, 26), (170, 322, 18, 22), (390, 326, 22, 26), (470, 316, 18, 22)):
        doorway(p, x, y, w, h, 0.15)
        p.poly([(x - 10, y + 6), (x + w + 10, y + 6), (x + w + 4, y), (x - 4, y)], haze("#caa06a", 0.1))
    for x, y, h in ((330, 380, 14), (310, 420, 16), (300, 470, 20)):
        person(p, x, y, h, "#5a4a6a")
    # the painted tomb entrance cut into the rock face on the right
    p.path("M330,600 L350,380 Q420,340 610,350 L610,600 Z", ROCK)
    p.path("M350,380 Q420,340 610,350 L610,364 Q420,356 352,394 Z", tint(ROCK, 0.2))
    x0, x1, top = 380, 580, 400
    p.rect(x0 - 12, top - 14, x1 - x0 + 24, 220, "#efd7a8")
    p.rect(x0, top + 44, x1 - x0, 160, "#201812")
    winged_sun(p, (x0 + x1) / 2, top + 16, 190)
    glyphs(p, x0 - 10, top + 48, 600, 30, 303)
    glyphs(p, x1 - 20, top + 48, 600, 30, 304)
    # steps going down into the dark
    for k in range(6):
        y = top + 110 + k * 16
        p.rect(x0 + 24, y, x1 - x0 - 48, 8, shade("#d9b27a", 0.35 + k * 0.08))
    p.rect(x0 + 44, top + 50, x1 - x0 - 88, 60, "#0f0b08")
    return p.svg()
