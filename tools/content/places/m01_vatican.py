"""The Vatican: St Peter's Basilica with its great grey-blue dome over the
columned front, the colonnade's arms reaching round the square and the
obelisk in the middle of it."""
from parts import Pic, sky, sun, cloud, shade, tint, haze, num, dome_path, arch_path, person

NAME = "Watykan"

STONE = "#efe2c4"
STONE_SHADE = "#c9b58e"
LEAD = "#9fb0bd"
LEAD_SHADE = "#71838f"
CX = 300


def dome(p):
    # the drum with its paired columns and windows
    p.rect(CX - 112, 150, 224, 60, STONE)
    p.rect(CX + 50, 150, 62, 60, STONE_SHADE)
    for k in range(9):
        x = CX - 104 + k * 26
        p.rect(x, 154, 6, 54, tint(STONE, 0.4) if x < CX + 40 else shade(STONE_SHADE, 0.05))
        if k < 8:
            p.path(arch_path(x + 10, 196, 10, 20), shade(STONE, 0.45))
    p.rect(CX - 118, 146, 236, 8, tint(STONE, 0.3))
    # the ribbed lead dome
    fill = p.linear([(0, "#c2d0da"), (0.5, LEAD), (1, LEAD_SHADE)], 0, 0, 1, 0)
    p.path(dome_path(CX, 150, 220, 104), fill)
    for k in range(-3, 4):
        x = CX + k * 30
        p.path(f"M{num(x * 1.0)},150 Q{num(CX + (x - CX) * 0.8)},{num(62)} "
               f"{num(CX + (x - CX) * 0.15)},{num(48)}",
               "none", stroke="#e8eef2", stroke_width=2.2, opacity=0.9)
    for k in range(-3, 3):
        x = CX + k * 30 + 15
        p.rect(x - 3, 126, 6, 8, shade(LEAD, 0.35))
    # the lantern with its ball and cross
    p.rect(CX - 16, 24, 32, 26, STONE)
    p.rect(CX + 4, 24, 12, 26, STONE_SHADE)
    for k in range(3):
        p.rect(CX - 12 + k * 9, 28, 4, 16, shade(STONE, 0.4))
    p.path(dome_path(CX, 24, 34, 16), LEAD)
    p.circle(CX, 4, 5, "#d9b354")
    p.line([(CX, 8), (CX, -4)], "#d9b354", 2)


def facade(p):
    # small side domes, then the wide front with its giant columns
    for x in (CX - 180, CX + 180):
        p.rect(x - 26, 210, 52, 40, STONE)
        p.path(dome_path(x, 212, 60, 36), LEAD)
        p.rect(x - 5, 166, 10, 12, STONE)
    top, base = 236, 420
    p.rect(CX - 230, top, 460, base - top, STONE)
    p.rect(CX + 120, top, 110, base - top, STONE_SHADE)
    p.rect(CX - 236, top - 14, 472, 16, tint(STONE, 0.35))
    p.rect(CX - 236, top + 2, 472, 5, STONE_SHADE)
    # statues along the top
    for k in range(13):
        x = CX - 180 + k * 30
        person(p, x, top - 14, 22, "#d6c6a2")
    # columns, windows and doors
    for k in range(9):
        x = CX - 210 + k * 52
        p.rect(x - 9, top + 10, 18, base - top - 10, tint(STONE, 0.45) if x < CX + 110 else STONE)
        p.rect(x + 3, top + 10, 6, base - top - 10, STONE_SHADE, opacity=0.7)
    for k in range(8):
        x = CX - 184 + k * 52
        p.path(arch_path(x - 12, 290, 24, 20), shade(STONE, 0.5))
        p.path(arch_path(x - 14, base, 28, 46), shade(STONE, 0.62) if k in (3, 4) else shade(STONE, 0.45))
    # the pediment over the middle
    p.poly([(CX - 90, top - 12), (CX + 90, top - 12), (CX, top - 58)], STONE)
    p.poly([(CX - 74, top - 16), (CX + 74, top - 16), (CX, top - 50)], shade(STONE, 0.15))
    p.rect(CX - 240, base, 480, 12, STONE_SHADE)
    for k in range(4):
        p.rect(CX - 220 + k * 10, base + 12 + k * 6, 440 - k * 20, 6, tint(STONE, 0.1 * k))


def colonnade(p, side):
    """One curved arm of Bernini's colonnade: rows of columns under a
    long entablature with statues, coming towards us at the side."""
    n = 7
    tops = []
    # the shadowed walk behind the columns
    p.poly([(CX + side * 236, 370), (CX + side * 320, 350), (CX + side * 320, 486), (CX + side * 236, 436)],
           shade(STONE_SHADE, 0.35))
    for row, dark in ((1, 0.2), (0, 0.0)):
        for k in range(n):
            t = k / (n - 1)
            x = CX + side * (240 + 74 * t) + side * row * 5
            base = 436 + 50 * t
            h = 64 + 70 * t
            w = 5 + 5 * t
            lit = side < 0
            col = shade(STONE if lit else STONE_SHADE, dark)
            p.rect(x - w / 2, base - h, w, h, col)
            if row == 0:
                tops.append((x, base - h))
    p.poly([(x - side * 4, y) for x, y in tops] + [(x - side * 4, y - 8 - 8 * k / (n - 1))
                                                  for k, (x, y) in reversed(list(enumerate(tops)))],
           tint(STONE, 0.3))
    for k, (x, y) in enumerate(tops):
        person(p, x, y - 8 - 8 * k / (n - 1), 12 + 10 * k / (n - 1), "#d6c6a2")


def draw():
    p = Pic()
    sky(p, "#3b89d3", "#e8f0f3", 0, 450, mid="#98c4ea")
    sun(p, 80, 90, 22)
    cloud(p, 500, 90, 150, seed=11, shadow="#dde5ee")
    cloud(p, 90, 260, 100, seed=12, opacity=0.8)
    # Rome's roofs behind
    for x, w, h in ((-10, 90, 60), (60, 50, 40), (470, 80, 50), (530, 90, 70)):
        p.rect(x, 440 - h, w, h, haze("#d9a27c", 0.45))
    dome(p)
    facade(p)
    # the square: paving in rays, the obelisk, the colonnades
    p.rect(0, 440, 600, 160, p.linear([(0, "#d9ccb2"), (1, "#bfae8f")]))
    for k in range(-8, 9):
        p.line([(CX, 470), (CX + k * 80, 610)], "#cbbc9e", 2)
    p.ellipse(CX, 520, 240, 40, "none", stroke="#c4b393", stroke_width=3.0)
    colonnade(p, -1)
    colonnade(p, 1)
    # the obelisk
    p.rect(CX - 16, 540, 32, 14, STONE_SHADE)
    p.poly([(CX - 10, 540), (CX + 10, 540), (CX + 6, 400), (CX - 6, 400)], "#d8c7a2")
    p.poly([(CX, 540), (CX + 10, 540), (CX + 6, 400), (CX, 400)], STONE_SHADE)
    p.poly([(CX - 6, 400), (CX + 6, 400), (CX, 388)], "#b5a27c")
    p.line([(CX, 388), (CX, 376)], "#b89d55", 2)
    p.line([(CX - 4, 381), (CX + 4, 381)], "#b89d55", 2)
    for x, y in ((150, 560), (200, 540), (420, 550), (470, 580), (250, 590), (360, 575)):
        person(p, x, y, 16, "#4a4a5a")
    return p.svg()
