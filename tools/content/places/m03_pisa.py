"""The Leaning Tower of Pisa on the Field of Miracles: the white round
tower of arcaded galleries tilting to the right, the striped marble front
of the cathedral beside it, green lawn in front."""
import math

from parts import Pic, sky, sun, cloud, shade, tint, num, arch_path, dome_path

NAME = "Piza"

MARBLE = "#f5efe1"
MARBLE_SHADE = "#cdbf9f"
STRIPE = "#9c9a95"
CX, BASE, R = 420, 548, 66
TILT = 6.0


def cylinder_fill(p):
    return p.linear([(0, "#fbf7ee"), (0.35, MARBLE), (0.8, MARBLE_SHADE), (1, "#b7a886")],
                    0, 0, 1, 0)


def gallery(p, y_top, y_bot, r, arches, open_, fill):
    """One storey of the drum: a ledge, then a ring of arches seen round
    the curve (narrower towards the edges)."""
    h = y_bot - y_top
    p.rect(CX - r, y_top, 2 * r, h, fill)
    step = math.pi / arches
    for k in range(arches):
        a0 = -math.pi / 2 + k * step + step * 0.18
        a1 = -math.pi / 2 + (k + 1) * step - step * 0.18
        x0, x1 = CX + r * math.sin(a0), CX + r * math.sin(a1)
        w = x1 - x0
        if w < 2:
            continue
        mid = (a0 + a1) / 2
        dark = 0.45 + 0.3 * (math.sin(mid) + 1) / 2
        inner = shade("#c9bb98", dark * 0.6) if open_ else shade(MARBLE, 0.1 + 0.15 * (math.sin(mid) + 1) / 2)
        p.path(arch_path(x0, y_bot - 3, w, h * 0.55), inner)
    # the ledge between storeys, with its shadow below
    p.rect(CX - r - 3, y_top - 5, 2 * r + 6, 6, fill)
    p.rect(CX - r - 3, y_top + 1, 2 * r + 6, 2.5, shade(MARBLE_SHADE, 0.3), opacity=0.5)


def cathedral(p):
    """The Duomo's west front: tiers of little arcades over striped walls,
    its dome showing behind."""
    p.path(dome_path(205, 262, 96, 62), "#c9c0ae")
    p.path(dome_path(205, 262, 96, 62), "#a99f8c", clip_path=p.clip_rect(205, 190, 60, 80))
    p.rect(160, 255, 90, 12, "#d9d0bd")
    # side aisles and nave roof
    p.poly([(20, 390), (300, 390), (300, 330), (20, 330)], "#ece4d2")
    p.poly([(-10, 330), (320, 330), (300, 312), (10, 312)], "#a15e45")
    front = [(-10, 548), (330, 548), (330, 330), (250, 330), (250, 292), (160, 238), (70, 292),
             (70, 330), (-10, 330)]
    p.poly(front, MARBLE)
    clip = p.clip_path("M" + " L".join(f"{num(x)},{num(y)}" for x, y in front) + " Z")
    p.open("g", clip_path=clip)
    for y in range(236, 548, 12):
        p.rect(-10, y, 340, 3.2, STRIPE, opacity=0.5)
    # ground floor: tall blind arches and three doors
    for k in range(7):
        x = 0 + k * 46
        p.path(arch_path(x + 6, 548, 34, 70), shade(MARBLE, 0.12))
    for x in (58, 150, 242):
        p.path(arch_path(x, 548, 30, 40), "#6b4a33")
    # two tiers of small arcades
    for row, (y, n, x0, x1) in enumerate(((420, 16, -10, 330), (375, 16, -10, 330),
                                          (330, 9, 72, 248), (290, 5, 112, 208))):
        p.rect(x0, y - 42, x1 - x0, 4, tint(MARBLE, 0.4))
        w = (x1 - x0) / n
        for k in range(n):
            p.path(arch_path(x0 + k * w + w * 0.2, y, w * 0.6, 24), shade(MARBLE, 0.45))
            p.rect(x0 + k * w - 1.5, y - 38, 3, 38, tint(MARBLE, 0.5))
        p.rect(x0, y, x1 - x0, 5, tint(MARBLE, 0.3))
    p.close()
    p.poly([(250, 330), (330, 330), (330, 548), (300, 548), (300, 330)], MARBLE_SHADE, opacity=0.25)
    p.circle(160, 268, 9, "#b59a6b")


def draw():
    p = Pic()
    sky(p, "#3b8ed8", "#dff0fb", 0, 560, mid="#8fc4ef")
    sun(p, 70, 80, 22)
    cloud(p, 200, 120, 150, seed=31, shadow="#e3e9f2")
    cloud(p, 530, 60, 90, seed=32, opacity=0.8)
    # distant hills of Tuscany behind the walls
    p.path("M-10,460 Q120,420 260,450 T610,440 L610,560 L-10,560 Z", "#a7c0b0")
    p.rect(-10, 470, 620, 90, "#c9b48f")
    cathedral(p)
    p.rect(0, 540, 600, 60, p.linear([(0, "#79b04f"), (1, "#4f8a37")]))
    p.ellipse(CX + 30, 552, 120, 8, "#3f6f2c", opacity=0.5)

    # the tower, leaning
    fill = cylinder_fill(p)
    p.open("g", transform=f"rotate({num(TILT)} {CX} {BASE})")
    y = BASE
    storeys = [(80, 13, False)] + [(52, 15, True)] * 6
    for h, n, open_ in storeys:
        gallery(p, y - h, y, R, n, open_, fill)
        y -= h
    # the bell chamber, narrower, on top
    gallery(p, y - 46, y, R * 0.66, 9, True, fill)
    y -= 46
    p.rect(CX - R * 0.66 - 3, y - 6, R * 1.32 + 6, 7, fill)
    p.rect(CX - R - 3, BASE - 6, 2 * R + 6, 8, fill)
    p.close()
    return p.svg()
