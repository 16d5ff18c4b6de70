"""The Vatican: St Peter's Basilica from its square: Michelangelo's great
ribbed grey-blue dome on its drum of paired columns, before it Maderno's
wide front of giant columns under the long entablature, the attic and the
statues of Christ and the apostles along the top; Bernini's colonnade
reaching round the square and the obelisk in the middle of it."""
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


def giant_column(p, x, top, base, w, pilaster=False):
    """One of the giant Corinthian columns that run through both storeys:
    a plain base, the shaft lit on the left, the leafy capital."""
    p.rect(x - w * 0.65, base - 8, w * 1.3, 8, tint(STONE, 0.2))
    if pilaster:
        p.rect(x - w / 2, top + 10, w, base - top - 18, tint(STONE, 0.15))
        p.rect(x + w * 0.3, top + 10, w * 0.2, base - top - 18, STONE_SHADE)
    else:
        p.rect(x - w / 2, top + 10, w, base - top - 18,
               p.linear([(0, tint(STONE, 0.5)), (0.45, STONE), (1, shade(STONE_SHADE, 0.15))], 0, 0, 1, 0))
        for k in (-0.25, 0.0, 0.25):
            p.rect(x + k * w - 0.5, top + 12, 1, base - top - 22, STONE_SHADE, opacity=0.5)
    p.path(f"M{num(x - w * 0.5)},{num(top + 11)} L{num(x - w * 0.75)},{num(top + 2)} "
           f"L{num(x + w * 0.75)},{num(top + 2)} L{num(x + w * 0.5)},{num(top + 11)} Z", tint(STONE, 0.25))
    for k in (-0.45, 0, 0.45):
        p.circle(x + k * w, top + 7, w * 0.14, STONE_SHADE)
    p.rect(x - w * 0.8, top, w * 1.6, 3, tint(STONE, 0.35))


def facade(p):
    """Maderno's front: one giant order of columns and pilasters over the
    five doors and the loggia windows, the long entablature with its
    inscription, the low attic above it, the pediment over the middle
    four columns, and the statues of Christ and the apostles on top."""
    left, right = CX - 232, CX + 232
    width = right - left
    base, top = 436, 316          # the columns' foot and the entablature's bottom
    ent_top = 294
    attic = 258
    def X(f):
        return left + width * f
    # the small domes behind, and the clocks over the end bays
    for x in (CX - 182, CX + 182):
        p.rect(x - 22, 212, 44, 44, STONE)
        p.rect(x + 6, 212, 16, 44, STONE_SHADE)
        p.path(dome_path(x, 214, 56, 34), LEAD)
        p.rect(x - 4, 168, 8, 14, STONE)
    for f in (0.06, 0.94):
        x = X(f)
        p.rect(x - 24, attic - 36, 48, 40, tint(STONE, 0.1))
        p.path(dome_path(x, attic - 34, 44, 22), LEAD)
        p.circle(x, attic - 14, 13, "#3a3a42")
        p.circle(x, attic - 14, 11, "#efe8d4")
        p.line([(x, attic - 14), (x, attic - 22)], "#3a3a42", 1.6)
        p.line([(x, attic - 14), (x + 6, attic - 12)], "#3a3a42", 1.6)
    # the wall, with the end bays set a little forward
    p.rect(left, attic, width, base - attic, STONE)
    p.rect(left, top + 60, width, 4, STONE_SHADE, opacity=0.5)
    # between the columns: the doors below, windows and the loggia above
    doors = [(0.235, False), (0.41, False), (0.5, True), (0.59, False), (0.765, False)]
    for f, main in doors:
        x = X(f)
        w = 30 if main else 24
        p.rect(x - w / 2 - 5, base - 56, w + 10, 56, tint(STONE, 0.2))
        p.rect(x - w / 2, base - 50, w, 50, "#3c332c" if main else "#4a4036")
        p.poly([(x - w / 2 - 8, base - 56), (x + w / 2 + 8, base - 56), (x, base - 66)], tint(STONE, 0.2))
    # the loggia of the blessing in the middle, windows on either side
    for f in (0.41, 0.5, 0.59):
        x = X(f)
        p.path(arch_path(x - 12, top + 42, 24, 16), "#4a4036")
        p.rect(x - 16, top + 42, 32, 4, tint(STONE, 0.25))
        for k in range(5):
            p.rect(x - 14 + k * 6.4, top + 46, 2, 5, tint(STONE, 0.25))
    for f in (0.235, 0.765, 0.325, 0.675):
        x = X(f)
        p.rect(x - 10, top + 18, 20, 26, "#5a4f44")
        p.poly([(x - 14, top + 18), (x + 14, top + 18), (x, top + 9)], tint(STONE, 0.2))
        p.rect(x - 14, top + 44, 28, 4, tint(STONE, 0.2))
    for f in (0.325, 0.675):
        x = X(f)
        p.path(arch_path(x - 10, base - 10, 20, 34), shade(STONE, 0.3))
    for f in (0.06, 0.94):
        x = X(f)
        p.path(arch_path(x - 18, base, 36, 50), "#3c332c")
        p.rect(x - 12, top + 18, 24, 26, "#5a4f44")
    # the giant order: pilasters at the ends, columns in pairs, four in the middle
    supports = [(0.015, True), (0.105, True), (0.19, False), (0.28, False), (0.37, False), (0.455, False),
                (0.545, False), (0.63, False), (0.72, False), (0.81, False), (0.895, True), (0.985, True)]
    for f, pil in supports:
        giant_column(p, X(f), top, base, 15, pil)
    # the entablature and its inscription
    p.rect(left - 6, ent_top, width + 12, top - ent_top, tint(STONE, 0.2))
    p.rect(left - 6, top - 5, width + 12, 5, STONE_SHADE)
    p.rect(left - 8, ent_top - 4, width + 16, 6, tint(STONE, 0.4))
    p.rect(left - 8, ent_top + 2, width + 16, 2, STONE_SHADE)
    for k in range(46):
        x = left + 30 + k * 8.8
        if abs(x - CX) > 4:
            p.rect(x, ent_top + 8, 5.6, 6, shade(STONE, 0.5), opacity=0.75)
    # the attic: a low storey of small windows between short pilasters
    p.rect(left, attic, width, ent_top - attic - 4, STONE)
    for k in range(24):
        x = left + 10 + k * width / 24
        p.rect(x - 3, attic + 2, 6, ent_top - attic - 8, tint(STONE, 0.3))
        if k < 23:
            p.rect(x + 6.5, attic + 10, 7, 12, shade(STONE, 0.45))
    p.rect(left - 6, attic - 4, width + 12, 6, tint(STONE, 0.4))
    # the pediment over the middle, rising in front of the attic
    pl, pr = X(0.345), X(0.655)
    p.poly([(pl - 6, ent_top - 2), (pr + 6, ent_top - 2), (CX, ent_top - 44)], tint(STONE, 0.35))
    p.poly([(pl + 8, ent_top - 4), (pr - 8, ent_top - 4), (CX, ent_top - 36)], shade(STONE, 0.12))
    p.circle(CX, ent_top - 16, 7, shade(STONE, 0.3))
    # the balustrade and the thirteen statues, Christ in the middle
    for k in range(13):
        x = CX + (k - 6) * 30
        y = ent_top - 44 if k == 6 else attic - 4
        person(p, x, y, 20 if k == 6 else 18, "#e1d3b2")
    # the steps across the whole front
    for k in range(4):
        p.rect(left - 20 - k * 12, base + k * 6, width + 40 + k * 24, 6,
               tint(STONE, 0.1 * (3 - k)) if k % 2 == 0 else STONE_SHADE)


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
    # the square: paving in rays, the obelisk, the colonnades
    p.rect(0, 440, 600, 160, p.linear([(0, "#d9ccb2"), (1, "#bfae8f")]))
    for k in range(-8, 9):
        p.line([(CX, 470), (CX + k * 80, 610)], "#cbbc9e", 2)
    p.ellipse(CX, 520, 240, 40, "none", stroke="#c4b393", stroke_width=3.0)
    # the dome stands far behind the front, so its drum sinks behind the attic
    p.open("g", transform="translate(0 34)")
    dome(p)
    p.close()
    p.rect(CX - 126, 238, 252, 24, STONE_SHADE)
    facade(p)
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
