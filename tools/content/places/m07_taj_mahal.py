"""India: the Taj Mahal across its long reflecting pool, white marble under
a warm morning sky, the four minarets at the corners, dark cypresses
lining the water."""
from parts import (Pic, sky, sun, cloud, cypress, shade, tint, onion_path, pointed_arch_path,
                   mirror, end_mirror, ripples)

NAME = "Indie"

WHITE = "#f6f2ea"
WHITE_SHADE = "#d8d0c2"
INLAY = "#b9ab95"
CX = 300
PLINTH = 392          # top of the marble terrace


def minaret(p, x, scale=1.0):
    w0, w1 = 22 * scale, 15 * scale
    top = 150
    p.poly([(x - w0 / 2, PLINTH), (x + w0 / 2, PLINTH), (x + w1 / 2, top), (x - w1 / 2, top)], WHITE)
    p.poly([(x, PLINTH), (x + w0 / 2, PLINTH), (x + w1 / 2, top), (x, top)], WHITE_SHADE)
    for y in (330, 250, 178):
        f = (PLINTH - y) / (PLINTH - top)
        w = w0 + (w1 - w0) * f
        p.rect(x - w / 2 - 5, y - 4, w + 10, 6, tint(WHITE, 0.4))
        p.rect(x - w / 2 - 5, y + 2, w + 10, 2.5, INLAY)
    # the little open pavilion on top
    p.rect(x - 11, top - 18, 22, 18, WHITE)
    for k in range(3):
        p.rect(x - 8 + k * 6.5, top - 15, 3, 13, INLAY)
    p.rect(x - 13, top - 21, 26, 4, WHITE)
    p.path(onion_path(x, top - 21, 24, 24), WHITE)
    p.rect(x - 0.8, top - 52, 1.6, 10, "#c8a24a")


def chhatri(p, x, base, w):
    p.rect(x - w / 2, base - w * 0.55, w, w * 0.55, WHITE)
    for k in range(3):
        p.path(pointed_arch_path(x - w / 2 + w * (0.1 + 0.3 * k), base - 2, w * 0.2, w * 0.28, w * 0.1),
               INLAY)
    p.rect(x - w * 0.58, base - w * 0.62, w * 1.16, w * 0.1, tint(WHITE, 0.4))
    p.path(onion_path(x, base - w * 0.62, w * 0.95, w * 0.85), WHITE)
    p.path(onion_path(x, base - w * 0.62, w * 0.95, w * 0.85), WHITE_SHADE,
           clip_path=p.clip_rect(x, base - w * 2, w, w * 2))
    p.rect(x - 0.8, base - w * 1.62, 1.6, w * 0.2, "#c8a24a")


def mausoleum(p):
    # side pairs of stacked arches and the chamfered corners
    body = (165, 255, 435, PLINTH)
    x0, y0, x1, y1 = body
    p.rect(x0, y0, x1 - x0, y1 - y0, WHITE)
    p.rect(x0 + (x1 - x0) * 0.78, y0, (x1 - x0) * 0.22, y1 - y0, WHITE_SHADE)
    for bx in (x0 + 8, x1 - 62):
        for by, h in ((PLINTH - 8, 44), (PLINTH - 72, 40)):
            p.rect(bx - 3, by - h - 20, 60, h + 24, tint(WHITE, 0.5))
            p.path(pointed_arch_path(bx + 6, by, 42, h - 22, 26), shade("#e9e1d2", 0.25))
    # the great central arch (iwan) in its tall frame
    p.rect(CX - 52, 226, 104, PLINTH - 226, tint(WHITE, 0.3))
    p.rect(CX - 52, 226, 104, 6, INLAY)
    p.path(pointed_arch_path(CX - 38, PLINTH, 76, 66, 54), shade("#e9e1d2", 0.3))
    p.path(pointed_arch_path(CX - 26, PLINTH, 52, 36, 36), shade("#e9e1d2", 0.5))
    p.path(pointed_arch_path(CX - 38, PLINTH, 76, 66, 54), "none", stroke=INLAY, stroke_width=2.0)
    # corner pinnacles on the frame
    for x in (CX - 52, CX + 52, x0, x1):
        p.rect(x - 2.5, 212 if abs(x - CX) < 60 else 240, 5, 20, WHITE)
        p.path(onion_path(x, 212 if abs(x - CX) < 60 else 240, 9, 10), WHITE)


def building(p):
    minaret(p, 70)
    minaret(p, 530)
    # the terrace
    p.rect(40, PLINTH, 520, 26, WHITE)
    p.rect(40, PLINTH + 20, 520, 6, WHITE_SHADE)
    for k in range(26):
        p.path(pointed_arch_path(46 + k * 19.7, PLINTH + 19, 10, 6, 4), INLAY)
    chhatri(p, 205, 250, 42)
    chhatri(p, 395, 250, 42)
    # the drum and the great onion dome
    p.rect(CX - 68, 200, 136, 56, WHITE)
    p.rect(CX + 30, 200, 38, 56, WHITE_SHADE)
    p.rect(CX - 72, 196, 144, 8, tint(WHITE, 0.4))
    dome_fill = p.linear([(0, "#ffffff"), (0.55, WHITE), (1, "#cfc5b3")], 0, 0, 1, 0)
    p.path(onion_path(CX, 200, 196, 168), dome_fill)
    p.rect(CX - 1.8, 12, 3.6, 26, "#c8a24a")
    p.circle(CX, 24, 4, "#d9b354")
    p.path(f"M{CX - 8},38 Q{CX},12 {CX + 8},38 Z", "#d9b354")
    mausoleum(p)


def draw():
    p = Pic()
    sky(p, "#6fb0e3", "#f8dfc2", 0, 440, mid="#b9d7ec")
    sun(p, 120, 120, 20, colour="#fff4dc", glow="#ffe7b8")
    cloud(p, 480, 120, 130, seed=71, opacity=0.8, shadow="#f0e4d8")
    cloud(p, 130, 250, 90, seed=72, opacity=0.6)
    # the garden wall and the tree tops beyond it
    p.rect(0, 405, 600, 35, "#6f9a52")
    for x in range(-10, 620, 22):
        p.ellipse(x, 408, 18, 14, "#5d8a46")
    building(p)

    # gardens, paths and the reflecting pool in one-point perspective
    p.rect(0, 440, 600, 160, p.linear([(0, "#7fae55"), (1, "#5b9040")]))
    p.poly([(210, 440), (390, 440), (560, 600), (40, 600)], "#d9c6a4")
    p.poly([(246, 440), (354, 440), (470, 600), (130, 600)], "#6fa8cf")
    clip = p.clip_path("M246,440 L354,440 L470,600 L130,600 Z")
    p.open("g", clip_path=clip)
    p.rect(0, 440, 600, 160, p.linear([(0, "#a7cde6"), (1, "#4f8fbf")]))
    mirror(p, 440, opacity=0.5, clip_from=440)
    building(p)
    end_mirror(p)
    ripples(p, 446, 600, "#e8f4fb", seed=73, count=25, opacity=0.5, x0=150, x1=450)
    p.close()
    # cypress rows on both sides, larger towards the viewer
    for k in range(6):
        t = k / 5
        y = 445 + 150 * t * t
        h = 40 + 110 * t * t
        off = 70 + 230 * t * t * 0.9
        cypress(p, CX - 120 - off, y, h, h * 0.22, "#2f5a2e")
        cypress(p, CX + 120 + off, y, h, h * 0.22, "#2f5a2e")
    return p.svg()
