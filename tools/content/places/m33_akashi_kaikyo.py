"""The Akashi Kaikyō Bridge seen from the Maiko shore on the Kobe side:
the near tower soaring above the pines, its twin grey-green legs braced
with diamonds, the main cables sweeping down across the world's longest
span to the far tower and on to the anchorage on Awaji Island, the deep
truss under the roadway running out across the strait."""
import math

from parts import Pic, sky, sun, cloud, shade, tint, haze, ripples, profile, num, smooth

NAME = "Most: Akashi Kaikyo"

STEEL = "#c3d1c9"
STEEL_SHADE = "#8ea399"
TRUSS = "#9aaca3"
HORIZON = 372

# the bridge in metres: x along it from the Kobe anchorage, y across, z up
TOWERS = (960.0, 2951.0)
END = 3911.0
DECK = 66.0
TOP = 283.0
HALF = 17.5

# the camera on the Maiko shore, east of the bridge and a little above the sea
CAM = (300.0, -500.0, 15.0)
AIM = (1500.0, 0.0)
FOCAL = 800.0
NEAR = 400.0          # the bridge nearer than this runs out of the picture


def _basis():
    fx, fy = AIM[0] - CAM[0], AIM[1] - CAM[1]
    L = math.hypot(fx, fy)
    return fx / L, fy / L


def view(x, y, z):
    """Where a point of the bridge lands in the picture."""
    fx, fy = _basis()
    dx, dy, dz = x - CAM[0], y - CAM[1], z - CAM[2]
    depth = dx * fx + dy * fy
    side = dx * fy - dy * fx          # to the right of the line of sight
    return 300 + FOCAL * (-side) / depth, HORIZON - FOCAL * dz / depth


def cable_z(x):
    """The main cable's height: parabolas hanging between the tower tops
    and down to the anchorages."""
    a, b = TOWERS
    if x < a:
        t = x / a
        return 70 + (TOP - 70) * t ** 1.6
    if x > b:
        t = (END - x) / (END - b)
        return 70 + (TOP - 70) * t ** 1.6
    m = (a + b) / 2
    low = DECK + 24
    return low + (TOP - low) * ((x - m) / (m - a)) ** 2


def tower(p, x):
    """Two tall legs braced by diamonds, seen from the near side."""
    for y, col in ((HALF, STEEL_SHADE), (-HALF, STEEL)):
        w = 6.0
        a, b = view(x - w, y, 0), view(x + w, y, 0)
        c, d = view(x + w * 0.6, y, TOP), view(x - w * 0.6, y, TOP)
        p.poly([a, b, c, d], col)
        m0, m1 = view(x, y, 0), view(x, y, TOP)
        p.poly([m0, b, c, m1], shade(col, 0.12))
    # the cross-bracing between the legs, diamond after diamond
    levels = [0, 36, 72, 106, 140, 172, 202, 230, 258, TOP]
    for k in range(len(levels) - 1):
        z0, z1 = levels[k] + 4, levels[k + 1]
        p1, p2 = view(x, -HALF, z0), view(x, HALF, z1)
        p3, p4 = view(x, HALF, z0), view(x, -HALF, z1)
        wdt = max(1.2, 7 * FOCAL / (x - CAM[0]) * 0.6)
        p.line([p1, p2], STEEL_SHADE, wdt * 0.7)
        p.line([p3, p4], STEEL_SHADE, wdt * 0.7)
        q1, q2 = view(x, -HALF, z1), view(x, HALF, z1)
        p.line([q1, q2], STEEL, wdt * 0.7)
    # the saddle housings on top
    a, b = view(x - 8, -HALF - 4, TOP + 8), view(x + 8, HALF + 4, TOP)
    p.rect(min(a[0], b[0]) - 2, a[1], abs(b[0] - a[0]) + 4, max(3, b[1] - a[1]), STEEL)
    for y in (-HALF, HALF):
        tx, ty = view(x, y, TOP + 9)
        p.circle(tx, ty - 2, 2.2, "#e84040")


def cables(p):
    xs = [v * 20.0 for v in range(int(NEAR / 20), int(END / 20) + 1)] + [END]
    for y, col, wd in ((HALF, "#7d8f88", 1.6), (-HALF, "#eef2ef", 2.4)):
        p.line([view(x, y, cable_z(x)) for x in xs], col, wd, stroke_linejoin="round")
    # the hangers
    for x in [v * 24.0 for v in range(int(NEAR / 24), int(END / 24))]:
        if abs(x - TOWERS[0]) < 20 or abs(x - TOWERS[1]) < 20:
            continue
        top, bot = view(x, -HALF, cable_z(x)), view(x, -HALF, DECK + 14)
        p.line([top, bot], "#d8e0dc", 0.6, opacity=0.8)


def deck(p):
    """The stiffening truss under the roadway: a band with its triangles."""
    xs = [v * 20.0 for v in range(int(NEAR / 20), int(END / 20) + 1)]
    top = [view(x, -HALF, DECK + 14) for x in xs]
    bot = [view(x, -HALF, DECK) for x in xs]
    p.poly(top + bot[::-1], TRUSS)
    p.line(top, tint(TRUSS, 0.4), 2)
    p.line(bot, shade(TRUSS, 0.3), 1.5)
    for k in range(len(xs) - 1):
        a, b = top[k], bot[k + 1]
        p.line([a, b], shade(TRUSS, 0.3), 0.8)
        p.line([bot[k], top[k + 1]], shade(TRUSS, 0.3), 0.8)
    # the far girder shows as a darker band over the near one
    far = [view(x, HALF, DECK + 14) for x in xs]
    p.line(far, shade(TRUSS, 0.2), 1)


def draw():
    p = Pic()
    sky(p, "#3d86cc", "#e6eef2", 0, HORIZON, mid="#9cc6e6")
    sun(p, 110, 84, 20)
    cloud(p, 250, 120, 150, seed=331, shadow="#dce5ee")
    cloud(p, 520, 250, 90, seed=332, opacity=0.8)
    # Awaji Island across the strait, its hills pale with distance
    profile(p, [(-20, 330), (20, 306), (70, 298), (120, 316), (170, 338), (230, 352), (300, 364),
                (360, 372)], haze("#5f8a62", 0.6), bottom=HORIZON + 2)
    profile(p, [(-20, 360), (40, 350), (110, 356), (180, 366), (230, 372)], haze("#557f58", 0.45),
            bottom=HORIZON + 2)
    # the strait
    p.rect(0, HORIZON, 600, 600 - HORIZON, p.linear([(0, "#8ab8d6"), (1, "#2f6f9e")]))
    ripples(p, HORIZON + 4, 560, "#dcecf6", seed=333, count=60, opacity=0.45)
    for x, y, w in ((180, 410, 34), (70, 392, 20), (420, 440, 40)):
        p.poly([(x, y), (x + w, y), (x + w * 0.9, y + w * 0.18), (x + w * 0.08, y + w * 0.18)], "#3b4652")
        p.rect(x + w * 0.55, y - w * 0.25, w * 0.28, w * 0.25, "#f2f2ee")
    # the far anchorage block on Awaji
    a = view(END, 0, 0)
    p.rect(a[0] - 8, a[1] - 10, 18, 12, haze("#a4a8a6", 0.4))

    # the far half of the bridge first, then the near tower over it
    deck(p)
    cables(p)
    tower(p, TOWERS[1])
    tower(p, TOWERS[0])
    # the piers' caissons in the water
    fx, fy = _basis()
    for x in TOWERS:
        cx, cy = view(x, 0, 0)
        depth = (x - CAM[0]) * fx + (0 - CAM[1]) * fy
        w, h = 80 * FOCAL / depth, 14 * FOCAL / depth
        p.rect(cx - w / 2, cy - h * 0.6, w, h, "#8b908d")
        p.rect(cx - w / 2, cy + h * 0.1, w, h * 0.3, "#6f7472")

    # the Maiko shore with its pines
    p.path("M-10,560 Q150,540 300,556 T610,548 L610,600 L-10,600 Z", "#d8c9a0")
    for x, h in ((20, 120), (90, 90), (150, 70), (520, 80), (575, 110)):
        trunk = f"M{x},600 Q{x + 8},{600 - h * 0.6} {x + 18},{600 - h}"
        p.path(trunk, "none", stroke="#6b4e36", stroke_width=5)
        for dx, dy, r in ((18, 0, 0.3), (-4, 0.22, 0.26), (36, 0.2, 0.24), (10, 0.4, 0.2)):
            cx, cy = x + dx, 600 - h + h * dy
            p.ellipse(cx, cy, h * r, h * r * 0.38, "#2f5f38")
            p.ellipse(cx - 4, cy - h * r * 0.12, h * r * 0.8, h * r * 0.25, "#3f7647")
    return p.svg()
