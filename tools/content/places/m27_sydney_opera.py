"""The Sydney Opera House across the harbour: the white tiled sails on
their stone platform, the steel arch of the Harbour Bridge behind, a
green-and-yellow ferry on the deep blue water."""
from parts import Pic, sky, sun, cloud, water, ripples, haze, num, mirror, end_mirror

NAME = "Opera w Sydney"

SHELL = "#f6f4ee"
SHELL_SHADE = "#d6d2c6"
SHELL_DARK = "#b1ab9c"
GLASS = "#6a5a48"
PODIUM = "#d9b99a"
PODIUM_SHADE = "#b48f6e"
DECK = 452


def sail(p, x0, x1, apex, lean=1, lit=True):
    """One shell: a curved triangle rising from the platform, its open end
    glazed in dark glass, its surface ribbed with tile lines."""
    ax, ay = apex
    back = (f"M{num(x0)},{DECK} Q{num(x0 + (ax - x0) * 0.15)},{num(ay + (DECK - ay) * 0.2)} "
            f"{num(ax)},{num(ay)} "
            f"Q{num(ax + (x1 - ax) * 0.55)},{num(ay + (DECK - ay) * 0.35)} {num(x1)},{num(DECK)} Z")
    p.path(back, SHELL if lit else SHELL_SHADE)
    clip = p.clip_path(back)
    p.open("g", clip_path=clip)
    for k in range(1, 8):
        t = k / 8
        p.path(f"M{num(ax)},{num(ay)} Q{num(x0 + (x1 - x0) * t - 20 * lean)},{num(ay + (DECK - ay) * 0.5)} "
               f"{num(x0 + (x1 - x0) * t)},{num(DECK)}", "none", stroke=SHELL_DARK, stroke_width=1.0, opacity=0.7)
    # the shaded underside towards the open end
    p.path(f"M{num(ax)},{num(ay)} Q{num(ax + (x1 - ax) * 0.55)},{num(ay + (DECK - ay) * 0.35)} "
           f"{num(x1)},{num(DECK)} "
           f"L{num(x1 - (x1 - ax) * 0.35)},{num(DECK)} "
           f"Q{num(ax + (x1 - ax) * 0.2)},{num(ay + (DECK - ay) * 0.5)} {num(ax)},{num(ay)} Z",
           SHELL_SHADE if lit else SHELL_DARK)
    p.close()
    # the glazed mouth under the open end
    p.path(f"M{num(x1 - (x1 - ax) * 0.35)},{num(DECK)} "
           f"Q{num(ax + (x1 - ax) * 0.22)},{num(ay + (DECK - ay) * 0.55)} "
           f"{num(ax + (x1 - ax) * 0.12)},{num(ay + (DECK - ay) * 0.35)} "
           f"L{num(ax + (x1 - ax) * 0.3)},{num(DECK)} Z",
           GLASS, opacity=0.85)


def opera(p):
    # the platform with its broad steps
    p.poly([(40, DECK), (560, DECK), (590, 492), (10, 492)], PODIUM)
    p.poly([(300, DECK), (560, DECK), (590, 492), (300, 492)], PODIUM_SHADE)
    for k in range(4):
        p.line([(40 + k * 8, DECK + 8 + k * 9), (300, DECK + 8 + k * 9)], PODIUM_SHADE, 1.5)
    # the back group, then the front group of sails, overlapping
    sail(p, 360, 560, (448, 250), lit=False)
    sail(p, 420, 580, (500, 300), lit=False)
    sail(p, 470, 590, (540, 360), lit=False)
    sail(p, 60, 300, (120, 130))
    sail(p, 150, 360, (220, 190))
    sail(p, 230, 420, (290, 270))
    sail(p, 300, 460, (350, 340))


def bridge(p):
    col = haze("#7b8794", 0.35)
    p.path("M360,300 Q520,150 700,300", "none", stroke=col, stroke_width=9.0)
    p.path("M360,318 Q520,190 700,318", "none", stroke=col, stroke_width=5.0)
    for k in range(14):
        x = 372 + k * 22
        t = (x - 360) / 340
        y_top = 300 - 4 * t * (1 - t) * 75
        p.line([(x, y_top), (x, 330)], col, 1.6)
    p.rect(340, 326, 270, 8, col)
    for x in (350, 600):
        p.rect(x - 14, 276, 28, 58, haze("#c9b79a", 0.35))


def ferry(p, x, y):
    p.path(f"M{x},{y} L{x + 90},{y} L{x + 80},{y + 14} L{x + 8},{y + 14} Z", "#2f7a45")
    p.rect(x + 8, y - 18, 70, 18, "#f2d04a")
    p.rect(x + 8, y - 22, 70, 5, "#2f7a45")
    for k in range(6):
        p.rect(x + 12 + k * 11, y - 14, 7, 8, "#34414f")


def draw():
    p = Pic()
    sky(p, "#2b86d8", "#dff0fa", 0, 380, mid="#86c1ee")
    sun(p, 520, 90, 22)
    cloud(p, 380, 110, 170, seed=271, shadow="#dce5ee")
    cloud(p, 560, 230, 100, seed=272, opacity=0.8)
    # the far shore of the harbour
    p.path("M-10,360 Q150,344 300,356 T610,348 L610,380 L-10,380 Z", haze("#5f8a52", 0.4))
    for x in range(-10, 610, 28):
        p.rect(x, 346 - (x * 7 % 30), 20, 30 + (x * 7 % 30), haze("#c9c2b3", 0.5))
    bridge(p)
    water(p, 372, "#3d8ccc", "#0f4f8a")
    opera(p)
    mirror(p, 492, opacity=0.3, clip_from=492)
    opera(p)
    end_mirror(p)
    ripples(p, 380, 450, "#bfe0f6", seed=273, count=14, opacity=0.5, x0=0, x1=40)
    ripples(p, 496, 600, "#bfe0f6", seed=274, count=45, opacity=0.5)
    ferry(p, 60, 540)
    return p.svg()
