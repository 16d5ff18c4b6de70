"""The Golden Gate Bridge seen from the city's shore: the near south tower
large on the right, the north tower across the strait, the Marin hills
behind with a bank of fog creeping over them."""
from parts import Pic, sky, sun, cloud, ridge, profile, water, ripples, shade, tint, num

NAME = "Golden Gate"

ORANGE = "#cf4a2c"
ORANGE_SHADE = "#95301d"
ORANGE_DARK = "#6e2115"


def deck_y(x):
    # the roadway falls away from the near tower towards the far one
    return 300 + (x - 400) * (38 / -280)


def deck_h(x):
    return 8 + (x - 120) * (8 / 280)


def cubic(p0, p1, p2, p3, t):
    u = 1 - t
    return tuple(u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d
                 for a, b, c, d in zip(p0, p1, p2, p3))


def cable(p, ends, width, colour, step_px, hangers=True):
    p0, p1, p2, p3 = ends
    p.path(f"M{num(p0[0])},{num(p0[1])} C{num(p1[0])},{num(p1[1])} {num(p2[0])},{num(p2[1])} "
           f"{num(p3[0])},{num(p3[1])}", "none", stroke=colour, stroke_width=float(width))
    if not hangers:
        return
    n = 90
    last = None
    for i in range(1, n):
        x, y = cubic(p0, p1, p2, p3, i / n)
        if last is not None and abs(x - last) < step_px(x):
            continue
        last = x
        top = deck_y(x) - deck_h(x) * 0.5
        if top - y > 3:
            p.line([(x, y), (x, top)], colour, max(0.6, width * 0.3))


def tower(p, cx, top, base, half, leg_w, portals, detail=1.0):
    """One tower: two stepped legs joined by portal braces."""
    for side in (-1, 1):
        x = cx + side * half
        # each leg narrows in two steps on its way up
        steps = [(base, leg_w), (top + (base - top) * 0.55, leg_w * 0.86),
                 (top + (base - top) * 0.25, leg_w * 0.74), (top, leg_w * 0.74)]
        for (y0, w0), (y1, _) in zip(steps, steps[1:]):
            p.rect(x - w0 / 2, y1, w0, y0 - y1, ORANGE)
            p.rect(x + w0 * 0.1, y1, w0 * 0.4, y0 - y1, ORANGE_SHADE)
            p.rect(x - w0 * 0.22, y1, max(0.8, w0 * 0.08), y0 - y1, shade(ORANGE, 0.35))
        p.rect(x - leg_w * 0.4, top - 6 * detail, leg_w * 0.8, 6 * detail, ORANGE_SHADE)
    for y, h in portals:
        x0, x1 = cx - half, cx + half
        p.rect(x0, y, x1 - x0, h, ORANGE)
        p.rect(x0, y + h * 0.62, x1 - x0, h * 0.38, ORANGE_SHADE)
        # the art-deco recesses of each brace
        for k in range(3):
            w = (x1 - x0) / 3
            p.rect(x0 + k * w + w * 0.2, y + h * 0.18, w * 0.6, h * 0.4, shade(ORANGE, 0.18))


def draw():
    p = Pic()
    sky(p, "#3d8fd6", "#d9eefa", 0, 440, mid="#92c6ec")
    sun(p, 90, 95, 26)
    cloud(p, 470, 110, 150, seed=1, shadow="#dfe9f3")
    cloud(p, 250, 70, 90, seed=2, opacity=0.8)

    # the Marin headlands: a far blue ridge, then the golden-green hills
    ridge(p, 330, 22, "#9db7c4", seed=3, bottom=440)
    profile(p, [(-10, 270), (40, 262), (120, 300), (230, 338), (320, 318), (420, 352),
                (520, 392), (610, 420)], "#b3ad5f", bottom=440)
    profile(p, [(-10, 330), (80, 340), (200, 372), (300, 362), (420, 392), (610, 428)],
            "#8c9a4c", bottom=440)
    profile(p, [(-10, 395), (150, 402), (330, 408), (610, 436)], "#5f7f3e", bottom=440)
    # fog rolling over the ridge from the ocean
    p.open("g", opacity=0.8, filter=p.blur(6))
    for x, y, rx, ry in ((50, 296, 130, 16), (180, 322, 120, 10), (10, 326, 100, 14)):
        p.ellipse(x, y, rx, ry, "#f4f7fa")
    p.close()

    water(p, 430, "#4f8fc2", "#1d5688")
    ripples(p, 440, 600, "#9cc8ea", seed=4, count=55, opacity=0.45)

    # far (north) tower and its piers
    p.rect(95, 432, 50, 10, "#d6d3c8")
    tower(p, 120, 205, 436, 18, 10, [(216, 6), (250, 6), (292, 5)], detail=0.5)

    # cables and hangers: two main cables, the side spans off both edges
    near_step = lambda x: 4 + (400 - x) * 0.02
    for dx_far, dx_near, col in ((-18, -40, ORANGE_SHADE), (18, 40, ORANGE)):
        cable(p, ((120 + dx_far, 208), (170, 330), (300, 330), (400 + dx_near, 50)), 2.6, col, near_step)
        cable(p, ((120 + dx_far, 208), (60, 270), (20, 322), (-20, 345)), 1.6, col, lambda x: 4)
        cable(p, ((400 + dx_near, 50), (470, 150), (540, 230), (630, 262)), 3.4, col, lambda x: 9)

    # the roadway: an orange stiffening truss under the deck
    xs = [-20, 620]
    top = [(x, deck_y(x) - deck_h(x) * 0.5) for x in xs]
    bot = [(x, deck_y(x) + deck_h(x) * 0.5) for x in xs]
    p.poly(top + bot[::-1], ORANGE)
    p.poly([(x, y - 1.5 - (y - deck_y(x)) * 0.0) for x, y in top]
           + [(x, y + 2.5) for x, y in top[::-1]], tint(ORANGE, 0.25))
    p.poly([(x, deck_y(x) + deck_h(x) * 0.1) for x in xs]
           + [(x, y) for x, y in bot[::-1]], ORANGE_SHADE)
    x = -20
    while x < 620:
        w = deck_h(x)
        p.line([(x, deck_y(x) + w * 0.1), (x + w * 0.7, deck_y(x + w * 0.7) + w * 0.5)],
               ORANGE_DARK, max(0.6, w * 0.09))
        x += max(3.0, w * 0.7)

    # near (south) tower standing on its pier
    p.rect(330, 455, 140, 30, "#cfcbbe")
    p.rect(330, 470, 140, 15, "#a9a598")
    p.ellipse(400, 486, 95, 7, "#e8f3fb", opacity=0.8)
    tower(p, 400, 45, 462, 40, 26, [(52, 16), (118, 14), (180, 12), (238, 11), (372, 14)])
    ripples(p, 495, 600, "#bfdcf2", seed=5, count=18, opacity=0.5, x0=300, x1=500)
    return p.svg()
