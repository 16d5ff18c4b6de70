"""The Kremlin in Moscow from Red Square: the red brick Spasskaya Tower with
its clock, green tent roof and red star, the crenellated red wall, and
beside them St Basil's Cathedral, its tall central tent ringed by towers
under coloured onion domes, all joined on one raised gallery."""
import math

from parts import Pic, sky, sun, cloud, shade, tint, num, onion_path, pointed_arch_path, arch_path

NAME = "Kreml - Moskwa"

BRICK = "#b8322a"
BRICK_SHADE = "#84221d"
WHITE = "#f1ece2"
GREEN_ROOF = "#3f7d5a"
GOLD = "#e9b640"


def merlons(p, x0, x1, y, size, colour):
    """The swallow-tail battlements of the Kremlin wall."""
    x = x0
    while x < x1:
        p.path(f"M{num(x)},{num(y)} L{num(x)},{num(y - size)} L{num(x + size * 0.35)},{num(y - size * 0.7)} "
               f"L{num(x + size * 0.7)},{num(y - size)} L{num(x + size * 0.7)},{num(y)} Z", colour)
        x += size * 1.2


def spasskaya(p, cx):
    # the square gate tower with its arch
    p.rect(cx - 62, 330, 124, 240, BRICK)
    p.rect(cx + 22, 330, 40, 240, BRICK_SHADE)
    p.path(pointed_arch_path(cx - 24, 570, 48, 40, 26), "#3a1d18")
    for y in (360, 420):
        p.rect(cx - 66, y, 132, 6, WHITE)
    # the tiered upper part: a white-trimmed stage with the clock
    p.rect(cx - 50, 230, 100, 100, BRICK)
    p.rect(cx + 18, 230, 32, 100, BRICK_SHADE)
    p.rect(cx - 54, 226, 108, 8, WHITE)
    p.rect(cx - 54, 326, 108, 6, WHITE)
    for x in (cx - 50, cx + 46):
        p.poly([(x - 3, 230), (x + 7, 230), (x + 2, 200)], WHITE)
    p.circle(cx - 8, 278, 34, GOLD)
    p.circle(cx - 8, 278, 29, "#1f2a44")
    for k in range(12):
        a = k * math.pi / 6
        p.circle(cx - 8 + math.sin(a) * 24, 278 - math.cos(a) * 24, 2.2, GOLD)
    p.line([(cx - 8, 278), (cx + 8, 266)], GOLD, 3)
    p.line([(cx - 8, 278), (cx - 12, 254)], GOLD, 2.4)
    # the octagonal stages and the tent roof
    p.rect(cx - 36, 160, 72, 68, BRICK)
    p.rect(cx + 12, 160, 24, 68, BRICK_SHADE)
    for k in range(3):
        p.path(pointed_arch_path(cx - 28 + k * 20, 222, 12, 26, 10), WHITE)
    p.rect(cx - 40, 156, 80, 6, WHITE)
    p.poly([(cx - 36, 158), (cx + 36, 158), (cx + 6, 52), (cx - 6, 52)], GREEN_ROOF)
    p.poly([(cx, 158), (cx + 36, 158), (cx + 6, 52), (cx, 52)], shade(GREEN_ROOF, 0.3))
    for y in (120, 90):
        p.rect(cx - (36 - (158 - y) * 0.28), y, 2 * (36 - (158 - y) * 0.28), 4, GOLD)
    p.rect(cx - 1.5, 30, 3, 24, GOLD)
    star(p, cx, 24, 16)


def star(p, cx, cy, r):
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        rr = r if k % 2 == 0 else r * 0.42
        pts.append((cx + math.cos(a) * rr, cy + math.sin(a) * rr))
    p.circle(cx, cy, r * 1.6, p.radial([(0, "#ff6b5a", 0.5), (1, "#ff6b5a", 0)]))
    p.poly(pts, "#e0242a", stroke=GOLD, stroke_width=1.5)


def patterned_onion(p, cx, base, w, h, c1, c2, kind):
    """An onion dome in its pattern: spiral bands, zigzags or faceted
    scales, shaded on the right, a gold cross on top."""
    d = onion_path(cx, base, w, h)
    p.path(d, c1)
    clip = p.clip_path(d)
    p.open("g", clip_path=clip)
    if kind == "spiral":
        for k in range(-7, 8):
            x = cx + k * w * 0.16
            p.path(f"M{num(x)},{num(base)} Q{num(x + w * 0.32)},{num(base - h * 0.5)} "
                   f"{num(x + w * 0.12)},{num(base - h)} L{num(x + w * 0.19)},{num(base - h)} "
                   f"Q{num(x + w * 0.4)},{num(base - h * 0.5)} {num(x + w * 0.08)},{num(base)} Z", c2)
    elif kind == "zigzag":
        for k in range(7):
            y = base - h * 0.08 - k * h * 0.13
            zz = [(cx - w + j * w * 0.14, y - (j % 2) * h * 0.06) for j in range(16)]
            p.line(zz, c2, h * 0.045)
    else:
        for r in range(8):
            y = base - h * 0.05 - r * h * 0.12
            for j in range(-5, 6):
                x = cx + (j + 0.5 * (r % 2)) * w * 0.2
                p.poly([(x, y - h * 0.09), (x + w * 0.07, y), (x, y + h * 0.03), (x - w * 0.07, y)], c2)
    p.path(f"M{num(cx + w * 0.08)},{num(base)} L{num(cx + w * 0.7)},{num(base)} "
           f"L{num(cx + w * 0.7)},{num(base - h)} L{num(cx + w * 0.02)},{num(base - h)} Z",
           "#000000", opacity=0.18)
    p.close()
    p.rect(cx - 1.2, base - h - 16, 2.4, 18, GOLD)
    p.line([(cx - 5, base - h - 10), (cx + 5, base - h - 10)], GOLD, 1.6)


def drum(p, cx, top, bottom, w, body, tiers=1):
    """An octagonal tower under a dome: lit face, shaded face, white
    trims, a ring of pointed gables (kokoshniks) where it narrows."""
    p.rect(cx - w / 2, top, w, bottom - top, body)
    p.rect(cx + w * 0.12, top, w * 0.38, bottom - top, shade(body, 0.3))
    p.rect(cx - w / 2, top, w * 0.2, bottom - top, tint(body, 0.08))
    for y in range(int(top) + 14, int(bottom) - 10, 30):
        p.path(pointed_arch_path(cx - w * 0.12, y + 16, w * 0.2, 8, 7), "#3d2622")
        p.rect(cx - w / 2, y + 20, w, 2.5, WHITE)
    p.rect(cx - w * 0.55, top - 3, w * 1.1, 5, WHITE)
    for t in range(tiers):
        y = top + 14 + t * 22
        ww = w * (1 + 0.28 * (t + 1))
        for k in range(3):
            x = cx - ww / 2 + ww * (k + 0.5) / 3
            col = WHITE if k < 2 else shade(WHITE, 0.25)
            p.path(f"M{num(x - ww / 6)},{num(y + 14)} Q{num(x - ww / 7)},{num(y - 4)} {num(x)},{num(y - 10)} "
                   f"Q{num(x + ww / 7)},{num(y - 4)} {num(x + ww / 6)},{num(y + 14)} Z", col)
            p.path(f"M{num(x - ww / 9)},{num(y + 14)} Q{num(x - ww / 10)},{num(y)} {num(x)},{num(y - 4)} "
                   f"Q{num(x + ww / 10)},{num(y)} {num(x + ww / 9)},{num(y + 14)} Z", body)
    p.rect(cx - w * 0.22, top - 14, w * 0.44, 12, body)
    p.rect(cx + w * 0.05, top - 14, w * 0.17, 12, shade(body, 0.3))


def st_basil(p, cx):
    """St Basil's Cathedral: one building of nine chapels, the tall tent
    of the central one ringed by eight towers of different heights, each
    under its own patterned onion, all standing on one raised gallery."""
    body = "#b9463a"
    ground = 560
    # the two far diagonal chapels peeping out behind
    for x, top, c1, c2, kind in ((cx - 70, 262, "#2e8f5a", "#f2d35a", "zigzag"),
                                 (cx + 72, 268, "#e0a530", "#2e8f5a", "scales")):
        drum(p, x, top, ground, 34, shade(body, 0.1))
        patterned_onion(p, x, top - 14, 44, 50, c1, c2, kind)
    # the central chapel: octagon, tiers of gables and the tall tent
    drum(p, cx, 232, ground, 76, body, tiers=2)
    p.poly([(cx - 31, 234), (cx + 31, 234), (cx + 6, 80), (cx - 6, 80)], "#efe2bc")
    p.poly([(cx + 3, 234), (cx + 31, 234), (cx + 6, 80), (cx + 1, 80)], "#cdb57a")
    for k in range(7):
        y = 224 - k * 20
        half = 31 - (234 - y) * 0.163
        for j in range(-3, 4):
            x = cx + j * half / 3.5
            p.poly([(x, y - 7), (x + 3, y), (x, y + 7), (x - 3, y)], "#2e8f5a" if j < 2 else "#1f6a42")
    p.rect(cx - 8, 62, 16, 20, "#efe2bc")
    patterned_onion(p, cx, 64, 22, 26, GOLD, "#f5d77a", "scales")
    # the four big side chapels: left, right, then the front one
    for x, top, w, c1, c2, kind in ((cx - 106, 236, 56, "#2f6fb6", "#f4efe6", "spiral"),
                                    (cx + 108, 250, 54, "#d8432f", "#f4efe6", "spiral")):
        drum(p, x, top, ground, w * 0.95, body, tiers=1)
        patterned_onion(p, x, top - 14, w, w * 1.12, c1, c2, kind)
    # the one body they all rise from, its top edged with a row of gables
    p.rect(cx - 150, 372, 300, ground - 372, body)
    p.rect(cx + 40, 372, 110, ground - 372, shade(body, 0.25))
    for k in range(10):
        x = cx - 150 + (k + 0.5) * 30
        col = WHITE if x < cx + 40 else shade(WHITE, 0.25)
        p.path(f"M{num(x - 15)},{num(380)} Q{num(x - 13)},{num(364)} {num(x)},{num(356)} "
               f"Q{num(x + 13)},{num(364)} {num(x + 15)},{num(380)} Z", col)
        p.path(f"M{num(x - 9)},{num(380)} Q{num(x - 8)},{num(368)} {num(x)},{num(363)} "
               f"Q{num(x + 8)},{num(368)} {num(x + 9)},{num(380)} Z", body)
        p.path(pointed_arch_path(x - 4, 420, 8, 14, 6), "#3d2622")
    p.rect(cx - 152, 380, 304, 4, WHITE)
    # the two near diagonal chapels, lower
    for x, top, c1, c2, kind in ((cx - 62, 318, "#f2d35a", "#2e8f5a", "zigzag"),
                                 (cx + 64, 326, "#2e8f5a", "#f2d35a", "spiral")):
        drum(p, x, top, ground, 42, body)
        patterned_onion(p, x, top - 14, 50, 56, c1, c2, kind)
    drum(p, cx, 290, ground, 58, body, tiers=1)
    patterned_onion(p, cx, 276, 70, 76, "#2e8f5a", "#f2d35a", "spiral")
    # the gallery joining them all, its arcade and the stair up to it
    p.rect(cx - 170, 448, 340, ground - 448, body)
    p.rect(cx + 60, 448, 110, ground - 448, shade(body, 0.25))
    p.rect(cx - 174, 442, 348, 8, WHITE)
    for k in range(11):
        x = cx - 160 + k * 30
        p.path(arch_path(x, 500, 18, 22), "#3d2622")
        p.rect(x - 4, 470, 26, 3, WHITE)
    p.poly([(cx - 40, ground), (cx + 40, ground), (cx + 24, 500), (cx - 24, 500)], shade(body, 0.15))
    for k in range(6):
        y = 505 + k * 10
        p.line([(cx - 24 - k * 2.7, y), (cx + 24 + k * 2.7, y)], WHITE, 1.5)


def draw():
    p = Pic()
    sky(p, "#4b8fd0", "#e6eef3", 0, 560, mid="#a6c8e6")
    sun(p, 560, 70, 20)
    cloud(p, 210, 110, 150, seed=51, shadow="#dde3ec")
    cloud(p, 500, 220, 100, seed=52, opacity=0.8)
    # the wall running off both ways behind the tower
    p.rect(-10, 400, 620, 170, BRICK)
    p.rect(-10, 400, 620, 170, "#000000", opacity=0.05)
    merlons(p, -10, 610, 400, 22, BRICK)
    p.rect(-10, 460, 620, 4, BRICK_SHADE)
    # a far corner tower on the left
    p.rect(10, 300, 54, 110, shade(BRICK, 0.1))
    p.poly([(6, 302), (68, 302), (37, 210)], GREEN_ROOF)
    p.poly([(37, 302), (68, 302), (37, 210)], shade(GREEN_ROOF, 0.3))
    p.rect(35.5, 190, 3, 22, GOLD)
    star(p, 37, 186, 8)
    spasskaya(p, 140)
    st_basil(p, 432)
    # Red Square's cobbles
    p.rect(0, 560, 600, 40, p.linear([(0, "#9b9189"), (1, "#6e655f")]))
    for k in range(5):
        p.line([(-10, 566 + k * k * 1.8), (610, 566 + k * k * 1.8)], "#867c74", 1.2)
    return p.svg()
