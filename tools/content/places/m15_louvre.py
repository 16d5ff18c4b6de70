"""The Louvre in Paris: the great glass pyramid in the palace courtyard,
its diamond panes catching the sky, the old palace with its grey roofs
and tall windows round it, and the fountains in front."""
from parts import Pic, sky, sun, cloud, tint, num, ripples

NAME = "Luwr - Paryż"

STONE = "#e8d8b6"
STONE_SHADE = "#c1ad86"
ROOF = "#6e7b8c"
ROOF_SHADE = "#535e6d"
CX = 300
BASE = 468


def palace_wing(p, x0, x1, top, base):
    p.rect(x0, top, x1 - x0, base - top, STONE)
    n = int((x1 - x0) / 22)
    for k in range(n):
        x = x0 + (k + 0.5) * (x1 - x0) / n
        for y, h in ((top + 16, 34), (top + 66, 28)):
            p.rect(x - 5, y, 10, h, "#6f7d8e")
            p.rect(x - 5, y, 10, 4, tint(STONE, 0.3))
        p.rect(x - 1, top + 4, 2, base - top - 4, STONE_SHADE, opacity=0.5)
    p.rect(x0, top + 56, x1 - x0, 4, STONE_SHADE)
    # the mansard roof with dormers
    p.poly([(x0 - 2, top), (x1 + 2, top), (x1 - 8, top - 30), (x0 + 8, top - 30)], ROOF)
    for k in range(n):
        x = x0 + (k + 0.5) * (x1 - x0) / n
        p.rect(x - 4, top - 24, 8, 14, STONE)
        p.path(f"M{num(x - 5)},{num(top - 24)} a5,4 0 0 1 10,0 Z", STONE)


def pavilion(p, x, w, top, base):
    """The Pavillon Sully behind the pyramid: taller, with a square dome."""
    p.rect(x - w / 2, top, w, base - top, STONE)
    p.rect(x + w * 0.25, top, w * 0.25, base - top, STONE_SHADE)
    for k in range(4):
        xx = x - w / 2 + (k + 0.5) * w / 4
        p.rect(xx - 6, top + 20, 12, 40, "#6f7d8e")
        p.rect(xx - 2, top, 4, base - top, tint(STONE, 0.3), opacity=0.6)
    p.poly([(x - w / 2, top), (x + w / 2, top), (x + w * 0.3, top - 60), (x - w * 0.3, top - 60)], ROOF)
    p.poly([(x, top), (x + w / 2, top), (x + w * 0.3, top - 60), (x, top - 60)], ROOF_SHADE)
    p.rect(x - w * 0.32, top - 64, w * 0.64, 6, STONE)


def pyramid(p):
    apex = (CX, 150)
    left, right = (60, BASE), (540, BASE)
    front = (CX + 40, BASE + 6)
    glass_l = p.linear([(0, "#cfe6f5"), (0.5, "#8fb9d8"), (1, "#5d87a8")], 0, 0, 0, 1)
    glass_r = p.linear([(0, "#9fc0da"), (1, "#3f6585")], 0, 0, 0, 1)
    p.poly([apex, left, front], glass_l)
    p.poly([apex, front, right], glass_r)
    # the palace seen faintly through the glass
    p.open("g", opacity=0.22, clip_path=p.clip_path(f"M{CX},150 L60,{BASE} L540,{BASE} Z"))
    p.rect(0, 330, 600, 140, STONE)
    p.close()
    # the diamond grid of the panes on both faces
    n = 16
    for face, (a, b) in enumerate(((left, front), (front, right))):
        for k in range(1, n):
            t = k / n
            # from each point of the base, one line parallel to each slanting edge
            s0 = (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)
            p.line([s0, (apex[0] + (b[0] - apex[0]) * t, apex[1] + (b[1] - apex[1]) * t)],
                   "#e8f2f8", 1.1, opacity=0.7)
            p.line([s0, (a[0] + (apex[0] - a[0]) * t, a[1] + (apex[1] - a[1]) * t)],
                   "#e8f2f8", 1.1, opacity=0.7)
            # horizontal courses
            h1 = (apex[0] + (a[0] - apex[0]) * t, apex[1] + (a[1] - apex[1]) * t)
            h2 = (apex[0] + (b[0] - apex[0]) * t, apex[1] + (b[1] - apex[1]) * t)
            p.line([h1, h2], "#3d5f7a", 0.9, opacity=0.55)
    p.line([apex, left, front, right, apex], "#3a5670", 2.5, stroke_linejoin="round")
    p.line([apex, front], "#3a5670", 2.5)
    # a glint of sun on the left face
    p.poly([(CX - 20, 200), (CX - 6, 190), (CX - 80, 330), (CX - 100, 340)], "#ffffff", opacity=0.35)


def draw():
    p = Pic()
    sky(p, "#3f8ed6", "#e6f0f6", 0, 470, mid="#9ccaef")
    sun(p, 540, 80, 22)
    cloud(p, 130, 90, 170, seed=151, shadow="#dde5ee")
    cloud(p, 470, 200, 120, seed=152, opacity=0.85)
    palace_wing(p, -10, 230, 320, BASE)
    palace_wing(p, 370, 610, 320, BASE)
    pavilion(p, CX, 150, 270, BASE)
    # the courtyard and the triangular pools
    p.rect(0, BASE, 600, 132, p.linear([(0, "#d8cfbf"), (1, "#b7ab96")]))
    for pts_ in (((-10, 492), (220, 486), (-10, 600)), ((610, 492), (380, 486), (610, 600)),
                 ((250, 520), (350, 520), (300, 600))):
        p.poly(list(pts_), "#7fb0d4")
        p.poly(list(pts_), "none", stroke="#e9e3d6", stroke_width=4.0)
    ripples(p, 495, 600, "#e3f1f9", seed=153, count=30, opacity=0.6, x0=0, x1=180)
    ripples(p, 495, 600, "#e3f1f9", seed=154, count=30, opacity=0.6, x0=420, x1=600)
    for x, y in ((120, 510), (480, 512), (300, 540)):
        p.rect(x - 1.5, y - 26, 3, 26, "#ffffff", opacity=0.8)
        p.ellipse(x, y - 26, 6, 4, "#ffffff", opacity=0.7)
    pyramid(p)
    return p.svg()
