"""The Eiffel Tower seen from the Champ de Mars: the bronze iron lattice
filling the picture from the lawn to the sky, Paris roofs on either side."""
import random

from parts import Pic, sky, sun, cloud, shade, tint, haze, num

NAME = "Wieża Eiffla"

IRON = "#8a5a3b"
IRON_DARK = "#5e3a24"
IRON_LIGHT = "#b07a52"
CX = 300


def lattice(p):
    """Criss-cross ironwork that lets the sky show through."""
    tile = (f'<path d="M0,0 L12,12 M12,0 L0,12" stroke="{IRON_DARK}" stroke-width="1.4"/>'
            f'<path d="M0,6 L12,6" stroke="{IRON}" stroke-width="0.8"/>')
    return p.pattern(12, 12, tile)


def shape(p, d, fill_pat):
    p.path(d, IRON, opacity=0.5)
    p.path(d, fill_pat)
    p.path(d, "none", stroke=IRON_DARK, stroke_width=3.0, stroke_linejoin="round")


def roofs(p, x0, x1, base, seed, colour):
    """A row of Parisian houses: pale walls under grey-blue mansard roofs."""
    rng = random.Random(seed)
    x = x0
    while x < x1:
        w = rng.uniform(38, 70)
        h = rng.uniform(40, 70)
        wall = haze("#e8dcc6", 0.25)
        p.rect(x, base - h, w, h, wall)
        p.poly([(x - 2, base - h), (x + w + 2, base - h), (x + w - 6, base - h - 16),
                (x + 6, base - h - 16)], colour)
        for k in range(int(w // 14)):
            p.rect(x + 6 + k * 14, base - h + 8, 6, 10, shade(wall, 0.25))
            p.rect(x + 6 + k * 14, base - h + 26, 6, 10, shade(wall, 0.25))
        p.rect(x + w * 0.3, base - h - 22, 5, 8, shade(colour, 0.2))
        x += w + rng.uniform(-4, 3)


def draw():
    p = Pic()
    sky(p, "#3f8fd8", "#f6e6cf", 0, 520, mid="#9ccaf0")
    sun(p, 120, 130, 24)
    cloud(p, 480, 150, 160, seed=11, shadow="#e5e9f2")
    cloud(p, 130, 250, 110, seed=12, opacity=0.85)

    roofs(p, -10, 200, 520, 13, "#8595ab")
    roofs(p, 400, 610, 520, 14, "#8595ab")
    # rows of clipped trees along the Champ de Mars
    for x in list(range(-10, 190, 26)) + list(range(420, 620, 26)):
        p.ellipse(x, 512, 20, 22, "#5f8f46")
        p.ellipse(x + 5, 516, 15, 17, "#4d7a3a")
    p.rect(0, 520, 600, 80, p.linear([(0, "#7fb35a"), (1, "#5e9443")]))
    # the gravel path running up to the tower
    p.poly([(250, 520), (350, 520), (470, 600), (130, 600)], "#e2d3b0")
    p.poly([(286, 520), (314, 520), (330, 600), (270, 600)], "#d3c29b")

    pat = lattice(p)
    # the legs, from the feet up to the first floor
    for s in (-1, 1):
        def X(v):
            return CX + s * (v - CX)
        # wide feet, the outer edge sweeping up steeply, the inner one flatter
        d = (f"M{num(X(58))},535 L{num(X(176))},535"
             f" Q{num(X(222))},{num(452)} {num(X(270))},{num(398)}"
             f" L{num(X(224))},{num(398)}"
             f" Q{num(X(168))},{num(470)} {num(X(58))},535 Z")
        shape(p, d, pat)
        p.rect(min(X(50), X(184)), 532, 134, 16, "#cbbfa6")
        p.rect(min(X(50), X(184)), 544, 134, 4, "#a99c82")
    # the great arch between the legs
    p.path(f"M{num(180)},{num(532)} Q{num(CX)},{num(372)} {num(420)},{num(532)}",
           "none", stroke=IRON_DARK, stroke_width=9.0)
    p.path(f"M{num(180)},{num(532)} Q{num(CX)},{num(372)} {num(420)},{num(532)}",
           "none", stroke=IRON_LIGHT, stroke_width=3.0)
    # first floor
    p.rect(212, 388, 176, 22, IRON_DARK)
    p.rect(212, 388, 176, 6, IRON_LIGHT)
    for k in range(11):
        p.path(f"M{num(218 + k * 15.6)},{num(410)} a6,7 0 0 1 12,0 Z", tint(IRON, 0.25))
    # second stage: one tapering block with an arched opening
    d = "M232,388 L368,388 L333,282 L267,282 Z"
    shape(p, d, pat)
    p.rect(258, 268, 84, 16, IRON_DARK)
    p.rect(258, 268, 84, 5, IRON_LIGHT)
    # the long upper shaft, slightly concave
    d = ("M270,268 " + "Q287,160 294,62 L306,62 Q313,160 330,268 Z")
    shape(p, d, pat)
    p.path("M300,268 L300,66", "none", stroke=IRON_DARK, stroke_width=1.6)
    # top floor, lantern and mast
    p.rect(289, 52, 22, 12, IRON_DARK)
    p.rect(291, 36, 18, 16, IRON)
    p.path(dome(300, 36, 16, 9), IRON_DARK)
    p.rect(298.5, 8, 3, 22, IRON_DARK)
    # shade on the right of every part, light on the left
    p.path("M300,66 L306,62 Q313,160 330,268 L300,268 Z", IRON_DARK, opacity=0.18)
    p.path("M300,388 L368,388 L333,282 L300,282 Z", IRON_DARK, opacity=0.18)
    return p.svg()


def dome(cx, base, w, h):
    return (f"M{num(cx - w / 2)},{num(base)} Q{num(cx - w / 2)},{num(base - h)} {num(cx)},{num(base - h)} "
            f"Q{num(cx + w / 2)},{num(base - h)} {num(cx + w / 2)},{num(base)} Z")
