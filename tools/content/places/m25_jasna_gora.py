"""Jasna Góra in Częstochowa: the monastery's slender white tower with its
big clock and the dark green baroque cupolas stacked one above another up
to the cross, the church and monastery beside it, and the brick bastions
with their green ramparts in front."""
from parts import Pic, sky, sun, cloud, tree, shade, tint, num, arch_path, dome_path, person

NAME = "Jasna Góra - Częstochowa"

WHITE = "#f2ece0"
WHITE_SHADE = "#cfc6b4"
HELM = "#3f5e55"
HELM_SHADE = "#2b433c"
GOLD = "#e2b449"
BRICK = "#b2573f"
CX = 300


def gallery(p, x0, x1, y):
    p.rect(x0 - 6, y - 4, x1 - x0 + 12, 6, WHITE)
    for x in range(int(x0 - 4), int(x1 + 6), 5):
        p.rect(x, y - 14, 2, 10, WHITE_SHADE)
    p.rect(x0 - 6, y - 16, x1 - x0 + 12, 3, WHITE)


def helm(p, cx, base, w, h):
    """A bell-shaped baroque cupola with a gold band."""
    d = (f"M{num(cx - w / 2)},{num(base)} C{num(cx - w / 2)},{num(base - h * 0.7)} "
         f"{num(cx - w * 0.15)},{num(base - h * 0.55)} "
         f"{num(cx - w * 0.12)},{num(base - h)} L{num(cx + w * 0.12)},{num(base - h)} "
         f"C{num(cx + w * 0.15)},{num(base - h * 0.55)} {num(cx + w / 2)},{num(base - h * 0.7)} "
         f"{num(cx + w / 2)},{num(base)} Z")
    p.path(d, HELM)
    p.path(d, HELM_SHADE, clip_path=p.clip_rect(cx + w * 0.05, base - h, w, h))
    p.rect(cx - w / 2, base - 3, w, 3, GOLD)


def stage(p, x0, x1, top, base, arches):
    p.rect(x0, top, x1 - x0, base - top, WHITE)
    p.rect(x0 + (x1 - x0) * 0.68, top, (x1 - x0) * 0.32, base - top, WHITE_SHADE)
    w = (x1 - x0) / arches
    for k in range(arches):
        p.path(arch_path(x0 + k * w + w * 0.25, base - (base - top) * 0.15, w * 0.5, (base - top) * 0.45),
               "#4d5660")
    for x in (x0, x1 - 4):
        p.rect(x, top, 4, base - top, tint(WHITE, 0.5) if x < CX else WHITE_SHADE)


def tower(p):
    # the square lower shaft
    stage(p, 258, 342, 300, 530, 2)
    stage(p, 258, 342, 300, 420, 2)
    p.rect(256, 420, 88, 5, WHITE_SHADE)
    # the clock stage
    p.rect(252, 222, 96, 80, WHITE)
    p.rect(318, 222, 30, 80, WHITE_SHADE)
    p.circle(CX - 6, 262, 30, GOLD)
    p.circle(CX - 6, 262, 25, "#2c3440")
    p.line([(CX - 6, 262), (CX - 6, 244)], GOLD, 3)
    p.line([(CX - 6, 262), (CX + 8, 268)], GOLD, 3)
    gallery(p, 252, 348, 222)
    # octagonal stages, each with its cupola, smaller and smaller
    stage(p, 266, 334, 160, 208, 2)
    helm(p, CX, 160, 80, 30)
    gallery(p, 272, 328, 132)
    stage(p, 278, 322, 96, 130, 2)
    helm(p, CX, 96, 54, 24)
    stage(p, 287, 313, 58, 74, 1)
    helm(p, CX, 58, 34, 18)
    # the slender spire, the golden ball and the cross
    p.poly([(CX - 6, 42), (CX + 6, 42), (CX + 1.5, 16), (CX - 1.5, 16)], HELM)
    p.circle(CX, 16, 4.5, GOLD)
    p.rect(CX - 1.2, -2, 2.4, 16, GOLD)
    p.rect(CX - 6, 3, 12, 2.4, GOLD)


def draw():
    p = Pic()
    sky(p, "#3c89d2", "#e3eff8", 0, 470, mid="#99c6ec")
    sun(p, 90, 90, 20)
    cloud(p, 470, 100, 170, seed=251, shadow="#dce5ee")
    cloud(p, 130, 250, 110, seed=252, opacity=0.8)
    # the basilica and the monastery to both sides of the tower
    p.rect(-10, 410, 270, 120, WHITE)
    p.poly([(-14, 412), (264, 412), (250, 384), (0, 384)], "#a64b38")
    for k in range(8):
        p.path(arch_path(12 + k * 30, 486, 14, 30), "#55606c")
        p.rect(12 + k * 30, 432, 14, 14, "#55606c")
    p.rect(340, 400, 270, 130, WHITE)
    p.rect(520, 400, 90, 130, WHITE_SHADE)
    p.poly([(336, 402), (614, 402), (600, 372), (350, 372)], "#a64b38")
    for k in range(8):
        p.path(arch_path(356 + k * 30, 480, 14, 34), "#55606c")
    p.path(dome_path(470, 372, 64, 40), HELM)
    p.path(dome_path(470, 372, 64, 40), HELM_SHADE, clip_path=p.clip_rect(475, 320, 40, 60))
    p.rect(468, 316, 4, 16, GOLD)
    tower(p)
    # the brick bastions and their grassy ramparts
    p.path("M-10,520 L610,520 L610,600 L-10,600 Z", "#6e9e4f")
    p.poly([(-10, 526), (200, 526), (240, 572), (-10, 572)], BRICK)
    p.poly([(610, 526), (400, 526), (360, 572), (610, 572)], shade(BRICK, 0.2))
    p.poly([(200, 526), (400, 526), (360, 572), (240, 572)], tint(BRICK, 0.1))
    for y in (540, 556):
        p.line([(-10, y), (610, y)], shade(BRICK, 0.35), 1, opacity=0.6)
    p.rect(-10, 518, 620, 10, "#5f8f46")
    p.rect(0, 570, 600, 30, p.linear([(0, "#78a957"), (1, "#5a8c3f")]))
    for x in (20, 80, 520, 580):
        tree(p, x, 600, 22, "#4f8f3a")
    for x, h in ((200, 20), (240, 22), (330, 18), (380, 22), (420, 20)):
        person(p, x, 576 + h, h, "#4a4a5a")
    return p.svg()
