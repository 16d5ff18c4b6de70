"""The Great Wall of China: the stone wall with its battlements snaking
over green mountain ridges from the front of the picture into the misty
distance, square watchtowers on the crests."""
import math

from parts import Pic, sky, sun, cloud, shade, tint, haze, num, profile

NAME = "Wielki Mur Chiński"

STONE = "#b9a58a"
STONE_TOP = "#d8c7a8"
STONE_DARK = "#7f6e58"
GREEN = "#4f8a3c"


def bezier_points(ctrl, n):
    """Points along a Catmull-Rom curve through ctrl."""
    out = []
    m = len(ctrl)
    for i in range(m - 1):
        p0 = ctrl[max(i - 1, 0)]
        p1, p2 = ctrl[i], ctrl[i + 1]
        p3 = ctrl[min(i + 2, m - 1)]
        for k in range(n):
            t = k / n
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2
                                    + (-a + 3 * b - 3 * c + d) * t3) for a, b, c, d in zip(p0, p1, p2, p3)))
    out.append(ctrl[-1])
    return out


def wall(p, path, width, far):
    """The wall along path, width[i] wide at point i: the walkway, the
    outer face hanging below its lower edge and the battlements on it."""
    n = len(path)
    upper, lower = [], []
    for i in range(n):
        (xa, ya), (xb, yb) = path[max(i - 1, 0)], path[min(i + 1, n - 1)]
        dx, dy = xb - xa, yb - ya
        length = math.hypot(dx, dy) or 1
        nx, ny = -dy / length, dx / length
        if ny < 0:
            nx, ny = -nx, -ny
        # seen from above at a slant: the walkway looks flatter than it is wide
        h = width[i] / 2
        upper.append((path[i][0] - nx * h, path[i][1] - ny * h * 0.55))
        lower.append((path[i][0] + nx * h, path[i][1] + ny * h * 0.55))
    face = [(x, y + width[i] * 0.4) for i, (x, y) in enumerate(lower)]
    p.poly(lower + face[::-1], haze(STONE_DARK, far))
    p.poly(upper + lower[::-1], haze(STONE_TOP, far))
    # worn paving across the walkway
    for i in range(0, n, 2):
        p.line([upper[i], lower[i]], haze(STONE, far), max(0.5, width[i] * 0.02))
    # battlements on the outer edge, a low parapet on the inner one
    for i in range(n):
        x, y = lower[i]
        w = width[i]
        if i % 2 == 0:
            p.rect(x - w * 0.05, y - w * 0.16, w * 0.1, w * 0.16, haze(STONE, far))
            p.rect(x - w * 0.05 + w * 0.07, y - w * 0.16, w * 0.03, w * 0.16, haze(STONE_DARK, far))
    p.line(lower, haze(STONE, far), max(1.0, width[n // 2] * 0.05))
    p.line(upper, haze(STONE, far), max(1.0, width[n // 2] * 0.04))


def watchtower(p, x, y, s, far):
    c = lambda col: haze(col, far)
    p.rect(x - 34 * s, y - 70 * s, 68 * s, 80 * s, c(STONE))
    p.rect(x + 10 * s, y - 70 * s, 24 * s, 80 * s, c(STONE_DARK))
    for k in range(3):
        xx = x - 28 * s + k * 18 * s
        p.path(f"M{num(xx)},{num(y - 20 * s)} L{num(xx)},{num(y - 40 * s)} "
               f"a{num(6 * s)},{num(6 * s)} 0 0 1 {num(12 * s)},0 "
               f"L{num(xx + 12 * s)},{num(y - 20 * s)} Z", c("#3f352a"))
    for k in range(6):
        p.rect(x - 36 * s + k * 13 * s, y - 80 * s, 8 * s, 10 * s, c(STONE))
    p.rect(x - 36 * s, y - 72 * s, 72 * s, 4 * s, c(STONE_TOP))


def draw():
    p = Pic()
    sky(p, "#5c9bd6", "#eef3f2", 0, 360, mid="#b3d2e8")
    sun(p, 500, 70, 22)
    cloud(p, 150, 80, 160, seed=211, shadow="#dde6ee")
    # ridges fading into mist
    profile(p, [(-10, 210), (60, 160), (120, 200), (190, 130), (260, 185), (330, 140), (400, 200),
                (480, 150), (540, 190), (610, 170)],
            haze("#6d8a70", 0.65))
    profile(p, [(-10, 270), (90, 240), (200, 275), (300, 232), (420, 262), (520, 222), (610, 250)],
            haze("#5d8452", 0.45))
    p.ellipse(300, 262, 420, 22, "#f2f5f2", opacity=0.55, filter=p.blur(10))
    profile(p, [(-10, 330), (120, 300), (250, 330), (380, 282), (470, 300), (610, 280)], haze(GREEN, 0.25))
    # the far part of the wall, running along the middle ridge
    far_path = bezier_points([(150, 272), (230, 296), (300, 300), (370, 318), (430, 340)], 8)
    wall(p, far_path, [6 + 14 * i / len(far_path) for i in range(len(far_path))], 0.3)
    watchtower(p, 150, 276, 0.3, 0.35)
    # the near ridge that carries the wall towards us
    profile(p, [(-10, 440), (120, 460), (250, 470), (360, 410), (460, 360), (540, 380), (610, 420)], GREEN)
    p.path("M-10,600 L-10,500 Q120,470 230,520 Q330,560 400,600 Z", shade(GREEN, 0.18))
    p.path("M610,600 L610,470 Q520,480 480,600 Z", shade(GREEN, 0.12))
    path = bezier_points([(440, 350), (470, 384), (440, 430), (360, 480), (270, 540), (200, 610),
                          (180, 640)], 8)
    n = len(path)
    wall(p, path, [22 + 190 * (i / (n - 1)) ** 1.8 for i in range(n)], 0.0)
    watchtower(p, 446, 362, 0.85, 0.05)
    # a few bushes on the slopes
    for x, y, r in ((50, 480, 22), (110, 540, 30), (560, 520, 28), (590, 470, 20), (520, 585, 34)):
        p.circle(x, y, r, shade(GREEN, 0.3))
        p.circle(x - r * 0.3, y - r * 0.3, r * 0.6, tint(GREEN, 0.1))
    return p.svg()
