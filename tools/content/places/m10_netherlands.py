"""The Netherlands: a tall windmill with its four lattice sails by a
canal, striped fields of red, yellow and pink tulips running to the flat
horizon, another mill far off, big clouds in a wide sky."""
import math

from parts import Pic, sky, sun, cloud, shade, tint, haze, num

NAME = "Holandia"

HORIZON = 392
TULIPS = ["#e0322c", "#f6c728", "#ee6fa5", "#f08a24", "#f7f1f2", "#c9244a"]


def sail(p, cx, cy, angle, length, width):
    a = math.radians(angle)
    ux, uy = math.cos(a), math.sin(a)
    nx, ny = -uy, ux
    # the stock from the hub, then the lattice frame along it
    p.line([(cx, cy), (cx + ux * length, cy + uy * length)], "#5a3b28", 6, stroke_linecap="round")
    r0 = length * 0.18
    corners = [(cx + ux * r0, cy + uy * r0), (cx + ux * length, cy + uy * length),
               (cx + ux * length + nx * width, cy + uy * length + ny * width),
               (cx + ux * r0 + nx * width, cy + uy * r0 + ny * width)]
    p.poly(corners, "#f4efe4", opacity=0.85)
    steps = 9
    for k in range(steps + 1):
        t = r0 + (length - r0) * k / steps
        p.line([(cx + ux * t, cy + uy * t), (cx + ux * t + nx * width, cy + uy * t + ny * width)],
               "#8a2d24", 2)
    for f in (0.0, 0.5, 1.0):
        p.line([(cx + ux * r0 + nx * width * f, cy + uy * r0 + ny * width * f),
                (cx + ux * length + nx * width * f, cy + uy * length + ny * width * f)], "#8a2d24", 2)


def mill(p, cx, base, s, far=0.0):
    """A smock mill: brick base, a tapering thatched body, a gallery round
    it, the cap, and the sails turning on the cap's front."""
    def c(col):
        return haze(col, far)
    p.poly([(cx - 70 * s, base), (cx + 70 * s, base), (cx + 64 * s, base - 110 * s),
            (cx - 64 * s, base - 110 * s)],
           c("#a8503a"))
    p.poly([(cx + 20 * s, base), (cx + 70 * s, base), (cx + 64 * s, base - 110 * s),
            (cx + 20 * s, base - 110 * s)],
           c("#7f3a2a"))
    p.rect(cx - 14 * s, base - 60 * s, 28 * s, 60 * s, c("#3f5a3a"))
    body = [(cx - 60 * s, base - 110 * s), (cx + 60 * s, base - 110 * s), (cx + 36 * s, base - 300 * s),
            (cx - 36 * s, base - 300 * s)]
    p.poly(body, c("#5f5a4e"))
    p.poly([(cx + 10 * s, base - 110 * s), (cx + 60 * s, base - 110 * s), (cx + 36 * s, base - 300 * s),
            (cx + 6 * s, base - 300 * s)], c("#45413a"))
    for k in range(1, 10):
        y = base - 110 * s - k * 19 * s
        w = 60 * s - (24 * s) * (k * 19 / 190)
        p.line([(cx - w, y), (cx + w, y)], c("#4a463c"), 1.2 * s)
    p.rect(cx - 8 * s, base - 220 * s, 16 * s, 22 * s, c("#f2eee4"))
    p.rect(cx - 6 * s, base - 170 * s, 12 * s, 18 * s, c("#f2eee4"))
    # the gallery (stage) round the body
    p.rect(cx - 90 * s, base - 116 * s, 180 * s, 8 * s, c("#6b4a2b"))
    for k in range(13):
        x = cx - 88 * s + k * 14.6 * s
        p.rect(x, base - 132 * s, 2.5 * s, 16 * s, c("#6b4a2b"))
    p.rect(cx - 90 * s, base - 134 * s, 180 * s, 3 * s, c("#6b4a2b"))
    # the cap
    p.path(f"M{num(cx - 42 * s)},{num(base - 296 * s)} Q{num(cx)},{num(base - 350 * s)} "
           f"{num(cx + 42 * s)},{num(base - 296 * s)} Z", c("#40382f"))
    hub = (cx - 4 * s, base - 316 * s)
    for k in range(4):
        sail(p, hub[0], hub[1], 22 + k * 90, 190 * s, 34 * s)
    p.circle(hub[0], hub[1], 8 * s, c("#2e2620"))


def draw():
    p = Pic()
    sky(p, "#3b87d0", "#e6f1f8", 0, HORIZON, mid="#90c2ea")
    sun(p, 90, 80, 20)
    cloud(p, 470, 120, 200, seed=101, shadow="#d8e2ec")
    cloud(p, 140, 210, 160, seed=102, shadow="#dde6ef", opacity=0.9)
    cloud(p, 560, 300, 100, seed=103, opacity=0.7)
    # the far mill and a row of trees on the horizon
    for x in range(-10, 620, 16):
        p.ellipse(x, HORIZON - 4, 12, 8 + (x * 7 % 5), haze("#5f8a4a", 0.45))
    mill(p, 120, HORIZON + 2, 0.28, far=0.45)
    # tulip stripes converging on the horizon
    vx = 300
    for k in range(-12, 13):
        x0 = vx + k * 26
        x1 = vx + (k + 1) * 26
        b0 = vx + k * 150
        b1 = vx + (k + 1) * 150
        col = TULIPS[k % len(TULIPS)] if k % 2 == 0 else "#5d8f3e"
        p.poly([(x0, HORIZON), (x1, HORIZON), (b1, 600), (b0, 600)], col)
    # dots of blossom in the nearest rows
    for k in range(-12, 13, 2):
        col = TULIPS[k % len(TULIPS)]
        for j in range(14):
            t = (j + 1) / 14
            y = HORIZON + (600 - HORIZON) * t * t
            x = vx + (k + 0.5) * (26 + 124 * t * t)
            if -20 < x < 620:
                r = 1.5 + 7 * t * t
                p.ellipse(x, y, r * 1.4, r, shade(col, 0.2))
                p.ellipse(x, y - r * 0.3, r * 0.9, r * 0.8, tint(col, 0.15))
    # the canal in front of the mill, reflecting it
    p.poly([(360, HORIZON), (420, HORIZON), (620, 470), (620, 520)], "#6aa3cc")
    mill(p, 440, 470, 1.0)
    return p.svg()
