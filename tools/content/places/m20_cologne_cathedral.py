"""Cologne Cathedral: the two enormous dark Gothic towers of the west
front, their openwork spires full of pinnacles rising almost to the top of
the picture, the great pointed window and doors between them."""
from parts import Pic, sky, sun, cloud, haze, pointed_arch_path, person

NAME = "Katedra w Kolonii"

STONE = "#7c766d"
STONE_LIGHT = "#9d968b"
STONE_DARK = "#4d4943"
BASE = 560


def pinnacle(p, x, y, w, h, colour=STONE):
    p.rect(x - w / 2, y - h * 0.45, w, h * 0.45, colour)
    p.poly([(x - w / 2 - 1, y - h * 0.45), (x + w / 2 + 1, y - h * 0.45), (x, y - h)], colour)
    p.circle(x, y - h - 1.5, 1.8, colour)


def tower(p, cx, w):
    x0, x1 = cx - w / 2, cx + w / 2
    body_top = 250
    p.rect(x0, body_top, w, BASE - body_top, STONE)
    p.rect(cx + w * 0.18, body_top, w * 0.32, BASE - body_top, STONE_DARK)
    # buttresses climbing the corners, with pinnacles at each stage
    for bx in (x0, cx - 6, x1 - 12):
        p.rect(bx, body_top - 10, 12, BASE - body_top + 10, STONE_LIGHT if bx < cx else STONE_DARK)
        for y in (body_top + 80, body_top + 180):
            pinnacle(p, bx + 6, y, 10, 40, STONE_LIGHT if bx < cx else STONE_DARK)
    # tall pointed windows, stage above stage
    for y, h in ((body_top + 150, 120), (body_top + 10, 100)):
        for wx in (x0 + 16, cx + 10):
            p.path(pointed_arch_path(wx, y + h, w * 0.3, h * 0.6, w * 0.2), "#2f2c29")
            p.line([(wx + w * 0.15, y + h), (wx + w * 0.15, y + h * 0.3)], STONE_LIGHT, 1.5)
            p.poly([(wx - 3, y + h * 0.05), (wx + w * 0.3 + 3, y + h * 0.05), (wx + w * 0.15, y - h * 0.25)],
                   "none", stroke=STONE_LIGHT, stroke_width=2.0)
    # the octagon stage and the openwork spire
    p.rect(cx - w * 0.36, 170, w * 0.72, 84, STONE)
    p.rect(cx + w * 0.08, 170, w * 0.28, 84, STONE_DARK)
    for k in range(3):
        p.path(pointed_arch_path(cx - w * 0.3 + k * w * 0.21, 246, w * 0.13, 44, 18), "#2f2c29")
    for x in (cx - w * 0.36, cx + w * 0.36):
        pinnacle(p, x, 176, 10, 60, STONE_LIGHT if x < cx else STONE_DARK)
    spire = [(cx - w * 0.33, 172), (cx + w * 0.33, 172), (cx + 3, 16), (cx - 3, 16)]
    p.poly(spire, STONE)
    p.poly([(cx, 172), (cx + w * 0.33, 172), (cx + 3, 16), (cx, 16)], STONE_DARK)
    # the tracery holes that make the spire see-through
    for k in range(10):
        y = 160 - k * 14.5
        half = (w * 0.33 - 3) * (y - 16) / (172 - 16)
        for s in (-0.5, 0.5):
            p.path(pointed_arch_path(cx + s * half - half * 0.18, y, half * 0.36, 5, 4), haze("#9ec8ea", 0.2))
        # crockets along both edges
        p.circle(cx - half - 3 - 3, y - 5, 2.6, STONE_LIGHT)
        p.circle(cx + half + 3 + 3, y - 5, 2.6, STONE_DARK)
    # the finial flower
    p.rect(cx - 2, 2, 4, 16, STONE)
    p.line([(cx - 8, 8), (cx + 8, 8)], STONE, 3)
    p.circle(cx, 2, 3, STONE)


def centre(p):
    """Between the towers: the nave's gable, the great window, the doors."""
    p.rect(230, 270, 140, 290, STONE)
    p.poly([(228, 272), (372, 272), (300, 178)], STONE_LIGHT)
    p.poly([(300, 178), (372, 272), (300, 272)], STONE)
    p.path(pointed_arch_path(250, 420, 100, 70, 76), "#2f2c29")
    for k in range(1, 4):
        p.line([(250 + k * 25, 420), (250 + k * 25, 300)], STONE_LIGHT, 2)
    p.circle(300, 318, 16, "none", stroke=STONE_LIGHT, stroke_width=2.0)
    p.path(pointed_arch_path(262, BASE, 76, 70, 50), "#2a2724")
    p.path(pointed_arch_path(276, BASE, 48, 50, 32), "#5c3a24")
    for x in range(232, 372, 16):
        pinnacle(p, x, 440, 8, 26, STONE_LIGHT)


def draw():
    p = Pic()
    sky(p, "#4a90d4", "#e8f1f7", 0, BASE, mid="#a4cbed")
    sun(p, 530, 110, 22)
    cloud(p, 520, 250, 130, seed=201, shadow="#dde5ee")
    cloud(p, 80, 120, 120, seed=202, opacity=0.85)
    # neighbouring houses at the sides
    for x, w, h, col in ((-10, 70, 120, "#d9c7a8"), (520, 90, 140, "#cdb9a0")):
        p.rect(x, BASE - h, w, h, col)
        p.poly([(x - 4, BASE - h), (x + w + 4, BASE - h), (x + w / 2, BASE - h - 40)], "#8f4a3a")
        for k in range(3):
            for j in range(3):
                p.rect(x + 10 + k * 20, BASE - h + 20 + j * 32, 10, 16, "#5d6d80")
    centre(p)
    tower(p, 170, 130)
    tower(p, 430, 130)
    # the cathedral square
    p.rect(0, BASE, 600, 40, p.linear([(0, "#c2b8a8"), (1, "#a39987")]))
    for x, h in ((60, 26), (130, 22), (205, 28), (380, 24), (470, 30), (540, 26)):
        person(p, x, BASE + h + 6, h, "#3e3b44")
    return p.svg()
