"""The Galápagos Islands: a giant tortoise in front, black marine iguanas
and red crabs on the dark lava by the turquoise sea, a volcanic cone and
a tree cactus behind."""
import random

from parts import Pic, sky, sun, cloud, water, ripples, shade, haze, num, profile, smooth

NAME = "W. Galapagos"

LAVA = "#3b3a3e"
LAVA_LIGHT = "#5a5960"
SHELL = "#5f5640"
SKIN = "#8b8064"


def tortoise(p, x, y, s):
    """A giant tortoise walking left: domed shell, long neck, thick legs."""
    # legs behind the shell
    for dx in (-60, 70):
        p.path(f"M{num(x + dx * s - 18 * s)},{num(y - 30 * s)} L{num(x + dx * s + 18 * s)},{num(y - 30 * s)} "
               f"L{num(x + dx * s + 16 * s)},{num(y)} L{num(x + dx * s - 20 * s)},{num(y)} "
               f"Z", shade(SKIN, 0.25))
    # the domed shell of plates
    shell = (f"M{num(x - 120 * s)},{num(y - 40 * s)} Q{num(x - 115 * s)},{num(y - 190 * s)} "
             f"{num(x)},{num(y - 195 * s)} "
             f"Q{num(x + 120 * s)},{num(y - 190 * s)} {num(x + 128 * s)},{num(y - 40 * s)} Z")
    p.path(shell, p.linear([(0, "#7d7256"), (0.6, SHELL), (1, "#3f3a2b")], 0, 0, 1, 0))
    clip = p.clip_path(shell)
    p.open("g", clip_path=clip)
    for row, (yy, n) in enumerate(((y - 165 * s, 3), (y - 115 * s, 4), (y - 65 * s, 5))):
        for k in range(n):
            cx = x + (k - (n - 1) / 2) * 56 * s
            p.path(smooth([(cx - 22 * s, yy), (cx - 12 * s, yy - 22 * s), (cx + 12 * s, yy - 22 * s),
                           (cx + 22 * s, yy), (cx + 12 * s, yy + 22 * s), (cx - 12 * s, yy + 22 * s)], closed=True),
                   "none", stroke="#2f2a1f", stroke_width=float(3 * s), opacity=0.7)
    p.close()
    p.path(f"M{num(x - 124 * s)},{num(y - 44 * s)} Q{num(x)},{num(y - 20 * s)} "
           f"{num(x + 130 * s)},{num(y - 44 * s)} "
           f"L{num(x + 126 * s)},{num(y - 34 * s)} Q{num(x)},{num(y - 10 * s)} "
           f"{num(x - 120 * s)},{num(y - 34 * s)} Z",
           "#4a4231")
    # front legs, neck and head
    for dx in (-92, 96):
        p.path(f"M{num(x + dx * s - 20 * s)},{num(y - 44 * s)} L{num(x + dx * s + 20 * s)},{num(y - 44 * s)} "
               f"L{num(x + dx * s + 22 * s)},{num(y)} L{num(x + dx * s - 24 * s)},{num(y)} Z", SKIN)
        for k in range(3):
            p.circle(x + dx * s - 14 * s + k * 12 * s, y - 2 * s, 4 * s, "#d8cfb8")
    p.path(f"M{num(x - 110 * s)},{num(y - 70 * s)} Q{num(x - 160 * s)},{num(y - 120 * s)} "
           f"{num(x - 190 * s)},{num(y - 130 * s)} "
           f"L{num(x - 196 * s)},{num(y - 104 * s)} Q{num(x - 150 * s)},{num(y - 90 * s)} "
           f"{num(x - 112 * s)},{num(y - 42 * s)} Z",
           SKIN)
    p.ellipse(x - 205 * s, y - 118 * s, 30 * s, 19 * s, SKIN)
    p.path(f"M{num(x - 232 * s)},{num(y - 112 * s)} Q{num(x - 215 * s)},{num(y - 104 * s)} "
           f"{num(x - 200 * s)},{num(y - 108 * s)}",
           "none", stroke="#3a3426", stroke_width=float(2.5 * s))
    p.circle(x - 212 * s, y - 126 * s, 4 * s, "#1d1a14")
    p.circle(x - 213 * s, y - 127 * s, 1.3 * s, "#ffffff")
    for k in range(4):
        p.path(f"M{num(x - 175 * s + k * 16 * s)},{num(y - 118 * s + k * 12 * s)} "
               f"q{num(6 * s)},{num(8 * s)} {num(2 * s)},{num(16 * s)}",
               "none", stroke=shade(SKIN, 0.3), stroke_width=float(1.5 * s))


def iguana(p, x, y, s, flip=1):
    """A black marine iguana basking, spiky crest along its back."""
    body = (f"M{num(x)},{num(y)} Q{num(x + flip * 30 * s)},{num(y - 22 * s)} "
            f"{num(x + flip * 70 * s)},{num(y - 16 * s)} "
            f"Q{num(x + flip * 100 * s)},{num(y - 14 * s)} {num(x + flip * 118 * s)},{num(y - 26 * s)} "
            f"Q{num(x + flip * 132 * s)},{num(y - 20 * s)} {num(x + flip * 128 * s)},{num(y - 8 * s)} "
            f"Q{num(x + flip * 100 * s)},{num(y)} {num(x + flip * 60 * s)},{num(y + 2 * s)} "
            f"Q{num(x - flip * 40 * s)},{num(y + 6 * s)} {num(x - flip * 90 * s)},{num(y + 12 * s)} "
            f"Q{num(x - flip * 40 * s)},{num(y - 2 * s)} {num(x)},{num(y)} Z")
    p.path(body, "#2b2a2e")
    for k in range(9):
        t = k / 9
        xx = x + flip * (20 + 90 * t) * s
        yy = y - (14 + 6 * (1 - abs(t - 0.6))) * s
        p.poly([(xx - 3 * s, yy + 2 * s), (xx + 3 * s, yy + 2 * s), (xx, yy - 7 * s)], "#4a4850")
    p.circle(x + flip * 118 * s, y - 19 * s, 2.5 * s, "#c24a3a")
    for dx in (30, 86):
        p.path(f"M{num(x + flip * dx * s)},{num(y)} l{num(flip * -6 * s)},{num(12 * s)} "
               f"l{num(flip * 10 * s)},0",
               "none", stroke="#2b2a2e", stroke_width=float(4 * s), stroke_linecap="round")


def crab(p, x, y, s):
    p.ellipse(x, y, 12 * s, 8 * s, "#e0452f")
    p.ellipse(x - 2 * s, y - 2 * s, 7 * s, 4 * s, "#f08a3c")
    for k in range(3):
        for side in (-1, 1):
            p.line([(x + side * 8 * s, y + k * 2 * s), (x + side * 18 * s, y + 6 * s + k * 3 * s)],
                   "#b8321f", 1.8 * s)
    p.circle(x - 4 * s, y - 8 * s, 1.8 * s, "#222")
    p.circle(x + 4 * s, y - 8 * s, 1.8 * s, "#222")


def opuntia(p, x, y, h):
    p.rect(x - 6, y - h, 12, h, "#8a7552")
    rng = random.Random(int(x))
    for k in range(9):
        px = x + rng.uniform(-50, 50)
        py = y - h - rng.uniform(-10, 60)
        p.ellipse(px, py, 18, 26, "#5f9a55", transform=f"rotate({num(rng.uniform(-40, 40))} {num(px)} {num(py)})")
        p.ellipse(px + 4, py + 4, 12, 18, "#4b8045",
                  transform=f"rotate({num(rng.uniform(-40, 40))} {num(px)} {num(py)})")


def draw():
    p = Pic()
    sky(p, "#2e8cd6", "#d8f0f6", 0, 330, mid="#88c6ee")
    sun(p, 520, 70, 24)
    cloud(p, 160, 110, 170, seed=121, shadow="#dde8ef")
    # the volcanic island and its pinnacle across the water
    profile(p, [(200, 330), (300, 250), (360, 150), (400, 140), (450, 210), (560, 300), (640, 330)],
            haze("#7a6a5c", 0.35), bottom=340)
    p.path("M330,330 L345,210 L360,200 L372,330 Z", haze("#5d5249", 0.3))
    profile(p, [(-10, 320), (80, 290), (160, 320)], haze("#6b7a5a", 0.45), bottom=340)
    water(p, 328, "#5cc3d0", "#1d7fa8")
    ripples(p, 336, 430, "#d8f4f6", seed=122, count=30, opacity=0.55)
    # surf on the lava edge
    p.path("M-10,420 Q150,398 300,412 T610,400 L610,430 L-10,430 Z", "#e9f7f7", opacity=0.85)
    # black lava shore
    p.path("M-10,430 Q90,404 200,420 Q300,430 380,410 Q470,395 610,412 L610,600 L-10,600 Z", LAVA)
    rng = random.Random(123)
    for _ in range(50):
        x = rng.uniform(-10, 600)
        yy = rng.uniform(430, 600)
        p.ellipse(x, yy, rng.uniform(8, 30), rng.uniform(3, 8), LAVA_LIGHT, opacity=0.5)
    opuntia(p, 560, 412, 120)
    iguana(p, 462, 446, 0.95, flip=1)
    iguana(p, 588, 505, 0.85, flip=-1)
    crab(p, 548, 560, 1.1)
    crab(p, 80, 560, 0.9)
    tortoise(p, 300, 585, 1.1)
    return p.svg()
