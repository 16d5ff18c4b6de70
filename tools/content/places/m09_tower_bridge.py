"""Tower Bridge over the Thames: two grey stone Gothic towers with pointed
roofs, joined high up by the two pale-blue walkways, the roadway below and
the blue-and-white chains of the side spans."""
from parts import Pic, sky, sun, cloud, water, ripples, shade, tint, haze, num, pointed_arch_path

NAME = "Tower Bridge - Londyn"

STONE = "#d9d2c3"
STONE_SHADE = "#aaa191"
ROOF = "#5b6472"
BLUE = "#6fa6d6"
BLUE_DARK = "#3f6f9e"
WHITE = "#f3f5f7"


def turret(p, x, y, w, h):
    p.rect(x - w / 2, y - h, w, h, STONE)
    p.rect(x + w * 0.1, y - h, w * 0.4, h, STONE_SHADE)
    p.poly([(x - w / 2 - 2, y - h), (x + w / 2 + 2, y - h), (x, y - h - w * 2.2)], ROOF)
    p.poly([(x, y - h), (x + w / 2 + 2, y - h), (x, y - h - w * 2.2)], shade(ROOF, 0.3))
    p.line([(x, y - h - w * 2.2), (x, y - h - w * 2.2 - 8)], "#c9a54a", 1.5)


def tower(p, cx, w=104):
    x0, x1 = cx - w / 2, cx + w / 2
    base, top = 468, 128
    # the pier in the river
    p.poly([(x0 - 14, base), (x1 + 14, base), (x1 + 6, base + 22), (x0 - 6, base + 22)], STONE_SHADE)
    p.rect(x0, top, w, base - top, STONE)
    p.rect(cx + w * 0.2, top, w * 0.3, base - top, STONE_SHADE)
    # the great arch the roadway runs through, and rows of Gothic windows
    p.path(pointed_arch_path(x0 + 18, 398, w - 36, 56, 40), "#4c5058")
    p.rect(x0 + 18, 350, w - 36, 18, "#8b93a0")
    p.rect(x0 + 18, 350, w - 36, 5, "#b4bcc7")
    for y, n in ((200, 3), (262, 3), (150, 2)):
        for k in range(n):
            xw = x0 + w * (0.2 + 0.6 * (k + 0.5) / n) - 6
            p.path(pointed_arch_path(xw, y + 30, 12, 22, 9), "#56606e")
    for y in (180, 240, 300):
        p.rect(x0 - 2, y, w + 4, 4, tint(STONE, 0.35))
    # corner turrets and the steep central roof
    p.poly([(x0 + 8, top), (x1 - 8, top), (cx + 10, top - 70), (cx - 10, top - 70)], ROOF)
    p.poly([(cx, top), (x1 - 8, top), (cx + 10, top - 70), (cx, top - 70)], shade(ROOF, 0.3))
    p.rect(cx - 3, top - 96, 6, 28, "#c9a54a")
    for x in (x0 + 8, x1 - 8):
        turret(p, x, top + 40, 20, 44)
    p.rect(x0 - 4, top - 2, w + 8, 6, tint(STONE, 0.2))


def walkways(p, xa, xb):
    for y in (150, 188):
        p.rect(xa, y, xb - xa, 24, BLUE)
        p.rect(xa, y + 18, xb - xa, 6, BLUE_DARK)
        x = xa
        while x < xb:
            p.line([(x, y + 2), (x + 12, y + 18)], WHITE, 1.6, opacity=0.8)
            p.line([(x + 12, y + 2), (x, y + 18)], WHITE, 1.6, opacity=0.8)
            x += 12
        p.rect(xa, y, xb - xa, 3, WHITE)


def side_span(p, x_tower, x_end, direction):
    """The curved suspension chain from the tower down to the roadway."""
    top = (x_tower, 210)
    end = (x_end, 350)
    d = (f"M{num(top[0])},{num(top[1])} Q{num(top[0] + direction * 90)},{num(330)} "
         f"{num(end[0])},{num(end[1])}")
    p.path(d, "none", stroke=BLUE_DARK, stroke_width=14.0)
    p.path(d, "none", stroke=BLUE, stroke_width=9.0)
    p.path(d, "none", stroke=WHITE, stroke_width=2.5)
    for k in range(1, 6):
        t = k / 6
        x = (1 - t) ** 2 * top[0] + 2 * (1 - t) * t * (top[0] + direction * 90) + t * t * end[0]
        y = (1 - t) ** 2 * top[1] + 2 * (1 - t) * t * 330 + t * t * end[1]
        p.line([(x, y), (x, 352)], BLUE_DARK, 3)


def draw():
    p = Pic()
    sky(p, "#4a92d2", "#e3eef5", 0, 470, mid="#9cc6e8")
    sun(p, 90, 90, 20)
    cloud(p, 300, 80, 140, seed=91, shadow="#dbe3ec")
    cloud(p, 540, 300, 120, seed=92, opacity=0.85)
    # the City on the far bank
    for x, w, h in ((-10, 60, 90), (50, 40, 60), (470, 50, 120), (520, 36, 70), (555, 60, 100)):
        p.rect(x, 470 - h, w, h, haze("#8d99a8", 0.45))
    p.rect(0, 446, 600, 24, haze("#9aa08f", 0.3))

    walkways(p, 200, 400)
    side_span(p, 122, -20, -1)
    side_span(p, 478, 620, 1)
    # the roadway and its bascules
    p.rect(-10, 350, 620, 18, "#8b93a0")
    p.rect(-10, 350, 620, 5, "#b4bcc7")
    p.rect(-10, 366, 620, 6, BLUE_DARK)
    for k in range(62):
        p.rect(-8 + k * 10, 340, 2.5, 10, BLUE_DARK)
    p.rect(-10, 338, 620, 3, BLUE_DARK)
    tower(p, 150)
    tower(p, 450)

    water(p, 468, "#6d8ea2", "#335a72")
    p.open("g", opacity=0.25)
    p.rect(100, 468, 100, 120, STONE)
    p.rect(400, 468, 100, 120, STONE)
    p.close()
    ripples(p, 480, 600, "#d0e0ea", seed=93, count=40, opacity=0.5)
    return p.svg()
