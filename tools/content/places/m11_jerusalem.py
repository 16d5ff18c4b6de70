"""Jerusalem: the Old City seen from the Mount of Olives in the warm
evening light: the golden Dome of the Rock on its blue-tiled octagon
above the pale stone walls and houses, dark cypresses and olive trees on
the slope in front."""
import math
import random

from parts import Pic, sky, sun, cloud, cypress, shade, tint, haze, dome_path, arch_path

NAME = "Jerozolima"

STONE = "#e9d3a6"
STONE_SHADE = "#c0a170"
TILE = "#2f6fb0"
TILE_LIGHT = "#5b9bd5"
GOLD = "#f0b93a"
CX = 300


def octagon_faces(base, s, height, lift):
    """The three faces of the octagon turned towards us: a front face s
    wide and two faces at 45 degrees, foreshortened and rising a little
    to the back (we look down on it from the hill)."""
    o = s * 0.7071
    xs = [CX - s / 2 - o, CX - s / 2, CX + s / 2, CX + s / 2 + o]
    ys = [base - lift, base, base, base - lift]
    faces = []
    for i in range(3):
        faces.append([(xs[i], ys[i]), (xs[i + 1], ys[i + 1]),
                      (xs[i + 1], ys[i + 1] - height), (xs[i], ys[i] - height)])
    return faces


def on_face(face, u, v):
    """The point u across (0 left .. 1 right) and v up (0 .. 1) a face."""
    (x0, y0), (x1, y1), (x2, y2), _ = face
    h = y1 - y2
    return x0 + (x1 - x0) * u, y0 + (y1 - y0) * u - h * v


def face_poly(face, u0, u1, v0, v1):
    return [on_face(face, u0, v0), on_face(face, u1, v0), on_face(face, u1, v1), on_face(face, u0, v1)]


def arched(face, u0, u1, v0, v1, steps=8):
    """A round-headed window on a face, its head a half ellipse."""
    pts = [on_face(face, u0, v0), on_face(face, u1, v0)]
    (x0, y0) = on_face(face, u0, v1)
    (x1, y1) = on_face(face, u1, v1)
    w = x1 - x0
    for k in range(steps + 1):
        a = math.pi * k / steps
        uu = u0 + (u1 - u0) * (0.5 + 0.5 * math.cos(a))
        x, y = on_face(face, uu, v1)
        pts.append((x, y - abs(w) * 0.5 * math.sin(a)))
    return pts


def dome_of_the_rock(p):
    base = 440
    s = 168
    height = 98
    lift = 16
    faces = octagon_faces(base, s, height, lift)
    light = [0.0, 0.12, 0.38]
    # the platform it stands on
    p.poly([(CX - 262, base + 14), (CX + 262, base + 14), (CX + 230, base - 24), (CX - 230, base - 24)],
           tint(STONE, 0.15))
    p.rect(CX - 262, base + 14, 524, 10, STONE_SHADE)
    for i, f in enumerate(faces):
        t = light[i]
        # marble below, blue tiles above, the band of writing along the top
        p.poly(f, shade(TILE, t))
        p.poly(face_poly(f, 0, 1, 0, 0.4), shade("#ece6d8", t))
        for k in range(1, 5):
            p.poly(face_poly(f, k / 5 - 0.006, k / 5 + 0.006, 0.02, 0.38), shade("#cfc6b2", t))
        p.poly(face_poly(f, 0, 1, 0.4, 0.43), shade("#f4efe6", t))
        tiles = p.pattern(8, 8, f'<rect width="8" height="8" fill="{shade(TILE, t)}"/>'
                                f'<path d="M4,0.5 L7.5,4 L4,7.5 L0.5,4 Z" fill="{shade(TILE_LIGHT, t)}"/>'
                                f'<circle cx="4" cy="4" r="1.2" fill="{shade("#f2efe6", t)}"/>')
        p.poly(face_poly(f, 0, 1, 0.43, 0.86), tiles)
        # seven arched windows a side, the two at the ends walled up
        n = 7
        for k in range(n):
            u0 = (k + 0.26) / n
            u1 = (k + 0.74) / n
            p.poly(arched(f, u0, u1, 0.5, 0.7), shade("#f4efe6", t))
            blind = k in (0, n - 1)
            p.poly(arched(f, u0 + 0.015, u1 - 0.015, 0.52, 0.69),
                   shade("#2a5c98" if blind else "#1b3556", t))
        p.poly(face_poly(f, 0, 1, 0.86, 1), shade("#1f4a86", t))
        for k in range(14):
            x, y = on_face(f, (k + 0.3) / 14, 0.9)
            x2, y2 = on_face(f, (k + 0.8) / 14, 0.96)
            p.line([(x, y), ((x + x2) / 2, y2), (x2, y)], shade("#f2efe6", t), 1.2)
        # the parapet
        p.poly(face_poly(f, -0.01, 1.01, 1, 1.07), shade("#e6e1d4", t))
    # the corners where the faces meet
    for x, y in ((CX - s / 2, base), (CX + s / 2, base)):
        p.line([(x, y), (x, y - height * 1.07)], "#e6e1d4", 2)
    # the door porch in the front face
    f = faces[1]
    p.poly(face_poly(f, 0.36, 0.64, 0, 0.46), "#e6e1d4")
    p.poly(face_poly(f, 0.34, 0.66, 0.44, 0.5), "#f4efe6")
    p.path(arch_path(CX - 14, base, 28, 22), "#5b5346")
    for u in (0.38, 0.62):
        x, y = on_face(f, u, 0)
        p.rect(x - 2.5, y - 44, 5, 44, "#bdb5a3")
    # the lead roof rising from the parapet to the drum
    top = base - height * 1.07
    p.path(f"M{CX - s / 2 - s * 0.7071},{top - lift} L{CX - s / 2},{top} L{CX + s / 2},{top} "
           f"L{CX + s / 2 + s * 0.7071},{top - lift} L{CX + 92},{top - 34} L{CX - 92},{top - 34} Z",
           "#8f96a0")
    p.path(f"M{CX + 10},{top} L{CX + s / 2},{top} L{CX + s / 2 + s * 0.7071},{top - lift} "
           f"L{CX + 92},{top - 34} L{CX + 10},{top - 34} Z", "#737a85")
    # the drum: tiles and sixteen windows, eight of them facing us
    dt = top - 30
    dh = 64
    p.rect(CX - 84, dt - dh, 168, dh, p.linear([(0, tint(TILE, 0.15)), (0.35, TILE), (1, shade(TILE, 0.4))],
                                                0, 0, 1, 0))
    for k in range(8):
        a = math.pi * (k + 0.5) / 8
        x = CX - math.cos(a) * 76
        w = 12 * math.sin(a) + 2
        p.path(arch_path(x - w / 2, dt - 12, w, 26), "#18324f")
    p.rect(CX - 84, dt - dh, 168, 10, "#1f4a86")
    p.rect(CX - 88, dt - dh - 6, 176, 7, "#e6e1d4")
    # the golden dome, a little pointed, and its crescent finial
    db = dt - dh - 5
    gold = p.linear([(0, "#ffe9a0"), (0.35, GOLD), (1, "#b0791a")], 0, 0, 1, 0)
    r, h = 88, 138
    p.path(f"M{CX - r},{db} C{CX - r - 4},{db - h * 0.55} {CX - r * 0.52},{db - h * 0.92} {CX},{db - h} "
           f"C{CX + r * 0.52},{db - h * 0.92} {CX + r + 4},{db - h * 0.55} {CX + r},{db} Z", gold)
    p.path(f"M{CX - 58},{db - 70} Q{CX - 48},{db - 118} {CX - 12},{db - 140}", "none",
           stroke="#fff6cf", stroke_width=6.0, stroke_linecap="round", opacity=0.7)
    p.rect(CX - 2, db - h - 34, 4, 36, GOLD)
    p.circle(CX, db - h - 12, 5, GOLD)
    p.path(f"M{CX - 9},{db - h - 46} A10,10 0 0 0 {CX + 9},{db - h - 46} A8,8 0 0 1 {CX - 9},{db - h - 46} Z",
           GOLD)


def houses(p, y0, y1, seed, far):
    rng = random.Random(seed)
    for _ in range(70):
        x = rng.uniform(-20, 600)
        y = rng.uniform(y0, y1)
        w = rng.uniform(22, 46)
        h = rng.uniform(16, 30)
        col = haze(STONE, far)
        p.rect(x, y - h, w, h, col)
        p.rect(x + w * 0.65, y - h, w * 0.35, h, haze(STONE_SHADE, far))
        p.rect(x + 5, y - h + 6, 4, 6, haze("#7b6a50", far))
        if rng.random() < 0.15:
            p.path(dome_path(x + w / 2, y - h, w * 0.5, w * 0.3), haze("#c8c3b8", far))


def walls(p, y, h):
    p.rect(-10, y - h, 620, h, STONE)
    p.rect(-10, y - h + h * 0.55, 620, h * 0.45, STONE_SHADE, opacity=0.6)
    for x in range(-10, 620, 14):
        p.rect(x, y - h - 9, 9, 10, STONE)
    for x in (60, 520):
        p.rect(x - 22, y - h - 30, 44, h + 30, STONE)
        p.rect(x + 8, y - h - 30, 14, h + 30, STONE_SHADE)
        for xx in range(int(x - 22), int(x + 22), 11):
            p.rect(xx, y - h - 38, 7, 9, STONE)
    # the sealed Golden Gate with its two arches
    p.rect(250, y - h - 20, 100, h + 20, tint(STONE, 0.1))
    p.path(arch_path(262, y - 8, 34, 24), STONE_SHADE)
    p.path(arch_path(304, y - 8, 34, 24), STONE_SHADE)


def draw():
    p = Pic()
    sky(p, "#5b93c9", "#fbdcae", 0, 330, mid="#bfd3dd")
    sun(p, 520, 250, 24, colour="#fff0c8", glow="#ffd88a", strength=0.7)
    cloud(p, 130, 100, 150, seed=111, opacity=0.75, colour="#fff5e6", shadow="#f0d9c4")
    # hills beyond the city
    p.path("M-10,300 Q160,270 320,292 T610,280 L610,400 L-10,400 Z", haze("#c9b28a", 0.5))
    p.rect(0, 360, 600, 180, haze(STONE_SHADE, 0.3))
    houses(p, 300, 380, 112, 0.4)
    dome_of_the_rock(p)
    houses(p, 478, 508, 113, 0.15)
    walls(p, 540, 40)
    # the slope of the Mount of Olives: old white tombs, olives and cypresses
    p.rect(0, 538, 600, 62, p.linear([(0, "#b59b6a"), (1, "#8c7650")]))
    rng = random.Random(114)
    for row in range(2):
        y = 552 + row * 24
        for k in range(18):
            x = -10 + k * 36 + (row % 2) * 18 + rng.uniform(-4, 4)
            w = 18 + row * 3
            p.rect(x, y, w, 10 + row * 2, "#efe6d2")
            p.rect(x, y + 6 + row * 2, w, 4, "#cfc3aa")
    for x, h in ((30, 180), (75, 140), (540, 190), (585, 150)):
        cypress(p, x, 600, h, h * 0.2, "#2d5230")
    for x in (150, 450):
        p.rect(x - 3, 560, 6, 40, "#6b5a42")
        p.ellipse(x, 548, 46, 24, "#7f915a")
        p.ellipse(x + 14, 554, 30, 16, "#6a7b48")
    return p.svg()
