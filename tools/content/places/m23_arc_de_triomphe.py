"""The Arc de Triomphe in Paris: the huge pale stone arch with its
carved groups, cornice and attic, a big French flag hanging under the
vault, the avenue and its trees and cars around it."""
from parts import Pic, sky, sun, cloud, tree, shade, tint, haze, num, arch_path

NAME = "Łuk triumfalny - Paryż"

STONE = "#ece2cb"
STONE_SHADE = "#c4b592"
STONE_DARK = "#9c8c6c"
CX = 270
BASE = 520


def relief(p, x, y, w, h):
    """A sculpted group on a pier: a tangle of figures in low relief."""
    p.rect(x, y, w, h, tint(STONE, 0.15))
    for dx, dy, r in ((0.3, 0.3, 0.14), (0.6, 0.25, 0.12), (0.45, 0.55, 0.18), (0.2, 0.7, 0.12),
                      (0.75, 0.7, 0.13), (0.5, 0.85, 0.12)):
        p.ellipse(x + w * dx, y + h * dy, w * r, h * r * 1.1, STONE_SHADE)
    p.path(f"M{num(x + w * 0.3)},{num(y + h * 0.1)} Q{num(x + w * 0.55)},{num(y - h * 0.05)} "
           f"{num(x + w * 0.8)},{num(y + h * 0.15)} "
           f"L{num(x + w * 0.6)},{num(y + h * 0.25)} Z", STONE_DARK)


def arch(p):
    x0, x1 = CX - 200, CX + 200
    top = 130
    # the side face, turned away from the light
    p.poly([(x1, top), (x1 + 110, top + 22), (x1 + 110, BASE - 6), (x1, BASE)], STONE_SHADE)
    p.path(arch_path(x1 + 34, BASE - 2, 46, 110), shade(STONE_SHADE, 0.45))
    p.poly([(x1, top), (x1 + 110, top + 22), (x1 + 110, top + 62), (x1, top + 52)], shade(STONE_SHADE, 0.1))
    # the front
    p.rect(x0, top, x1 - x0, BASE - top, STONE)
    p.path(arch_path(CX - 74, BASE, 148, 190), "#5a6270")
    # through the arch: the sky and the far end of the avenue
    p.path(arch_path(CX - 62, BASE, 124, 184), p.linear([(0, "#a9cbe8"), (1, "#e8e4d8")]))
    for k in range(4):
        p.rect(CX - 50 + k * 30, 470, 18, 50, haze("#5f8f46", 0.4))
    p.path(arch_path(CX - 74, BASE, 148, 190), "none", stroke=STONE_DARK, stroke_width=5.0)
    # the tricolour hanging from the top of the vault
    fy0, fy1 = 266, 440
    p.path(f"M{CX - 54},{fy0} L{CX - 18},{fy0} L{CX - 20},{fy1} Q{CX - 40},{fy1 + 6} {CX - 56},{fy1} "
           f"Z", "#1f4fa3")
    p.path(f"M{CX - 18},{fy0} L{CX + 18},{fy0} L{CX + 16},{fy1 + 4} Q{CX},{fy1 + 8} {CX - 20},{fy1} "
           f"Z", "#f7f7f7")
    p.path(f"M{CX + 18},{fy0} L{CX + 54},{fy0} L{CX + 56},{fy1} Q{CX + 36},{fy1 + 6} "
           f"{CX + 16},{fy1 + 4} Z", "#e0333a")
    p.line([(CX - 56, fy0), (CX + 56, fy0)], "#7a6a4a", 2.5)
    # carved groups on the piers, frieze, cornice and attic
    relief(p, x0 + 24, 330, 100, 140)
    relief(p, x1 - 124, 330, 100, 140)
    for x in (x0 + 24, x1 - 124):
        p.rect(x + 10, 190, 80, 70, tint(STONE, 0.1))
        p.rect(x + 14, 194, 72, 62, STONE_SHADE, opacity=0.5)
    p.rect(x0 - 4, 270, x1 - x0 + 8, 10, tint(STONE, 0.3))
    p.rect(x0 - 4, 280, x1 - x0 + 8, 3, STONE_DARK)
    p.rect(x0, top + 40, x1 - x0, 12, STONE_SHADE)
    for k in range(40):
        p.rect(x0 + 4 + k * 10, top + 42, 5, 8, STONE_DARK, opacity=0.6)
    p.rect(x0 - 8, top + 24, x1 - x0 + 16, 14, tint(STONE, 0.3))
    p.rect(x0 - 8, top + 36, x1 - x0 + 16, 4, STONE_DARK)
    for k in range(30):
        p.circle(x0 + 8 + k * 13.3, top + 12, 4, STONE_SHADE)
    p.rect(x0 - 4, top - 4, x1 - x0 + 8, 6, tint(STONE, 0.3))
    p.rect(x0 - 4, BASE - 10, x1 - x0 + 8, 10, STONE_SHADE)


def draw():
    p = Pic()
    sky(p, "#3f8ad2", "#f4e2cc", 0, 520, mid="#a3c9ea")
    sun(p, 80, 80, 22)
    cloud(p, 470, 80, 160, seed=231, shadow="#e4e3e6")
    cloud(p, 90, 250, 90, seed=232, opacity=0.8)
    # Paris houses round the square
    for x, w, h in ((-10, 80, 90), (520, 100, 110)):
        p.rect(x, 520 - h, w, h, haze("#e3d6bd", 0.3))
        p.poly([(x - 3, 520 - h), (x + w + 3, 520 - h), (x + w - 8, 520 - h - 20), (x + 8, 520 - h - 20)],
               haze("#7d8ca3", 0.3))
        for k in range(int(w // 18)):
            for j in range(3):
                p.rect(x + 6 + k * 18, 520 - h + 10 + j * 26, 7, 14, haze("#6e7d91", 0.3))
    for x in (20, 75, 540, 590):
        tree(p, x, 540, 26, "#5f8f46")
    arch(p)
    # the round square, cars going round
    p.rect(0, BASE, 600, 80, p.linear([(0, "#b5b0a6"), (1, "#8d877c")]))
    p.rect(0, BASE, 600, 6, "#9c968b")
    for k in range(4):
        p.line([(-10, 545 + k * 16), (610, 545 + k * 16)], "#f2f0e8", 2, stroke_dasharray="18 14")
    for x, y, col in ((40, 556, "#d9342b"), (180, 590, "#2f6db3"), (360, 566, "#f2f2f2"), (500, 586, "#f0c230"),
                      (560, 552, "#3a3a40")):
        p.rect(x, y - 14, 46, 14, col)
        p.path(f"M{x + 8},{y - 14} L{x + 14},{y - 24} L{x + 34},{y - 24} L{x + 40},{y - 14} Z", col)
        p.rect(x + 15, y - 22, 18, 7, "#9cc3e0")
        p.circle(x + 10, y, 5, "#222")
        p.circle(x + 36, y, 5, "#222")
    return p.svg()
