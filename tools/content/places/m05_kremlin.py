"""The Kremlin in Moscow from Red Square: the red brick Spasskaya Tower with
its clock, green tent roof and red star, the crenellated red wall, and
the coloured onion domes of St Basil's Cathedral beside them."""
import math

from parts import Pic, sky, sun, cloud, shade, num, onion_path, pointed_arch_path

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


def striped_onion(p, cx, base, w, h, c1, c2, spiral=True):
    d = onion_path(cx, base, w, h)
    p.path(d, c1)
    clip = p.clip_path(d)
    p.open("g", clip_path=clip)
    for k in range(-6, 7):
        x = cx + k * w * 0.18
        if spiral:
            p.path(f"M{num(x)},{num(base)} Q{num(x + w * 0.25)},{num(base - h * 0.5)} "
                   f"{num(x + w * 0.1)},{num(base - h)} "
                   f"L{num(x + w * 0.18)},{num(base - h)} Q{num(x + w * 0.34)},{num(base - h * 0.5)} "
                   f"{num(x + w * 0.09)},{num(base)} Z",
                   c2)
        else:
            p.rect(x, base - h, w * 0.08, h, c2)
    p.rect(cx, base - h, w, h, "#000000", opacity=0.15)
    p.close()
    p.rect(cx - 1.2, base - h - 14, 2.4, 16, GOLD)
    p.line([(cx - 5, base - h - 8), (cx + 5, base - h - 8)], GOLD, 1.6)


def st_basil(p, x0):
    """St Basil's Cathedral: brick and white towers under bright domes."""
    body = "#b5473a"
    # the central tent tower
    cx = x0 + 120
    p.rect(cx - 18, 150, 36, 160, "#c9574a")
    p.poly([(cx - 20, 152), (cx + 20, 152), (cx + 4, 70), (cx - 4, 70)], "#e9d8a6")
    p.poly([(cx, 152), (cx + 20, 152), (cx + 4, 70), (cx, 70)], "#cdb57a")
    p.path(onion_path(cx, 72, 16, 18), GOLD)
    p.rect(cx - 1, 40, 2, 16, GOLD)
    for cx, top, w, c1, c2 in ((x0 + 40, 330, 46, "#2e8f5a", "#f2d35a"),
                               (x0 + 150, 320, 50, "#d8432f", "#f4efe6"),
                               (x0 + 92, 270, 56, "#2f6fb6", "#f4efe6"),
                               (x0 + 198, 350, 40, "#e8b23a", "#2e8f5a")):
        p.rect(cx - w * 0.42, top, w * 0.84, 560 - top, body)
        p.rect(cx + w * 0.1, top, w * 0.32, 560 - top, shade(body, 0.3))
        for y in range(top + 20, 540, 34):
            p.path(pointed_arch_path(cx - w * 0.15, y + 22, w * 0.3, 10, 8), WHITE)
        p.rect(cx - w * 0.5, top - 4, w, 6, WHITE)
        striped_onion(p, cx, top - 2, w, w * 1.15, c1, c2)


def draw():
    p = Pic()
    sky(p, "#4b8fd0", "#e6eef3", 0, 560, mid="#a6c8e6")
    sun(p, 560, 70, 20)
    cloud(p, 210, 110, 150, seed=51, shadow="#dde3ec")
    cloud(p, 500, 220, 100, seed=52, opacity=0.8)
    # the wall running off to the left behind the tower
    p.rect(-10, 400, 260, 170, BRICK)
    p.rect(-10, 400, 260, 170, "#000000", opacity=0.05)
    merlons(p, -10, 250, 400, 22, BRICK)
    p.rect(-10, 460, 260, 4, BRICK_SHADE)
    # a far corner tower on the left
    p.rect(10, 300, 54, 110, shade(BRICK, 0.1))
    p.poly([(6, 302), (68, 302), (37, 210)], GREEN_ROOF)
    p.poly([(37, 302), (68, 302), (37, 210)], shade(GREEN_ROOF, 0.3))
    p.rect(35.5, 190, 3, 22, GOLD)
    star(p, 37, 186, 8)
    st_basil(p, 350)
    spasskaya(p, 220)
    # Red Square's cobbles
    p.rect(0, 560, 600, 40, p.linear([(0, "#9b9189"), (1, "#6e655f")]))
    for k in range(5):
        p.line([(-10, 566 + k * k * 1.8), (610, 566 + k * k * 1.8)], "#867c74", 1.2)
    return p.svg()
