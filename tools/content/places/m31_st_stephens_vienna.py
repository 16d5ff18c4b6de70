"""St Stephen's Cathedral in Vienna: the steep roof covered in bright
zigzags of yellow, green, black and white tiles, the tall dark Gothic
south tower with its openwork spire beside it, the stone walls and the
square below."""
from parts import Pic, sky, sun, cloud, shade, tint, num, pointed_arch_path, person

NAME = "Katedra we Wiedniu"

STONE = "#b9ad98"
STONE_SHADE = "#8d806c"
STONE_DARK = "#5f5546"
EAVES = 330


def zigzag(p):
    """The roof tiles: rows of chevrons in the roof's four colours."""
    rows = [("#e8b92f", "#1f6a4a"), ("#f4efe2", "#1d1d1f"), ("#1f6a4a", "#e8b92f")]
    tile = ""
    for k, (a, b) in enumerate(rows):
        y = k * 14
        tile += (f'<rect x="0" y="{y}" width="28" height="14" fill="{b}"/>'
                 f'<path d="M0,{y + 14} L14,{y} L28,{y + 14} L28,{y + 9} L14,{y} L0,{y + 9} Z" fill="{a}"/>')
    return p.pattern(28, 42, tile)


def roof(p):
    face = [(250, EAVES), (610, EAVES), (610, 150), (300, 140)]
    d = "M" + " L".join(f"{num(x)},{num(y)}" for x, y in face) + " Z"
    p.path(d, zigzag(p))
    # the light falls across the roof from the left
    p.path(d, p.linear([(0, "#ffffff", 0.12), (1, "#000000", 0.18)], 0, 0, 1, 0))
    # the gable end facing us at the west
    p.poly([(250, EAVES), (300, 140), (330, EAVES)], shade("#1f6a4a", 0.2))
    p.line([(300, 140), (610, 150)], "#d9c9a0", 3)
    p.line([(250, EAVES), (610, EAVES)], STONE_DARK, 4)
    # the double-headed eagle laid in the tiles
    ex, ey = 470, 230
    p.path(f"M{ex - 50},{ey - 20} Q{ex - 30},{ey - 10} {ex - 10},{ey} L{ex - 8},{ey + 40} "
           f"L{ex + 8},{ey + 40} "
           f"L{ex + 10},{ey} Q{ex + 30},{ey - 10} {ex + 50},{ey - 20} Q{ex + 40},{ey + 10} "
           f"{ex + 14},{ey + 20} "
           f"L{ex},{ey + 56} L{ex - 14},{ey + 20} Q{ex - 40},{ey + 10} {ex - 50},{ey - 20} Z", "#1d1d1f")
    p.circle(ex - 10, ey - 14, 8, "#1d1d1f")
    p.circle(ex + 10, ey - 14, 8, "#1d1d1f")
    p.poly([(ex - 14, ey - 30), (ex + 14, ey - 30), (ex + 10, ey - 22), (ex - 10, ey - 22)], "#e8b92f")


def walls(p):
    p.rect(230, EAVES, 380, 240, STONE)
    p.rect(230, EAVES, 380, 12, tint(STONE, 0.2))
    for k in range(6):
        x = 260 + k * 62
        p.rect(x - 8, EAVES + 10, 16, 230, STONE_SHADE)
        p.poly([(x - 8, EAVES + 10), (x + 8, EAVES + 10), (x, EAVES - 30)], STONE_SHADE)
        if k < 5:
            p.path(pointed_arch_path(x + 16, 500, 30, 90, 26), "#3b3a42")
            p.line([(x + 31, 500), (x + 31, 400)], STONE, 1.5)


def tower(p, cx):
    """The south tower: stages of tracery tapering into one long spire."""
    base = 570
    stages = [(base, 380, 120), (380, 280, 100), (280, 200, 80)]
    for y0, y1, w in stages:
        p.rect(cx - w / 2, y1, w, y0 - y1, STONE)
        p.rect(cx + w * 0.12, y1, w * 0.38, y0 - y1, STONE_SHADE)
        p.path(pointed_arch_path(cx - w * 0.3, y0 - 14, w * 0.25, (y0 - y1) * 0.45, w * 0.15), STONE_DARK)
        p.path(pointed_arch_path(cx + w * 0.06, y0 - 14, w * 0.25, (y0 - y1) * 0.45, w * 0.15),
               shade(STONE_DARK, 0.3))
        for x in (cx - w / 2, cx + w / 2):
            p.poly([(x - 6, y1 + 2), (x + 6, y1 + 2), (x, y1 - 34)], STONE if x < cx else STONE_SHADE)
        p.poly([(cx - w * 0.35, y1 + 2), (cx - w * 0.1, y1 + 2), (cx - w * 0.22, y1 - 26)], STONE)
        p.poly([(cx + w * 0.1, y1 + 2), (cx + w * 0.35, y1 + 2), (cx + w * 0.22, y1 - 26)], STONE_SHADE)
    # the spire with its crockets, to the top of the picture
    p.poly([(cx - 36, 202), (cx + 36, 202), (cx + 2, 8), (cx - 2, 8)], STONE)
    p.poly([(cx, 202), (cx + 36, 202), (cx + 2, 8), (cx, 8)], STONE_SHADE)
    for k in range(12):
        y = 190 - k * 15
        half = 36 * (y - 8) / 194
        p.circle(cx - half - 3, y, 3, STONE)
        p.circle(cx + half + 3, y, 3, STONE_SHADE)
        if k % 3 == 1:
            p.path(pointed_arch_path(cx - half * 0.4, y + 6, half * 0.8, 4, half * 0.5), STONE_DARK)
    p.rect(cx - 1.5, 0, 3, 12, STONE_DARK)


def draw():
    p = Pic()
    sky(p, "#3f8bd4", "#e6eff6", 0, 560, mid="#9fc8ec")
    sun(p, 560, 60, 20)
    cloud(p, 440, 80, 150, seed=311, shadow="#dce4ee")
    cloud(p, 40, 300, 100, seed=312, opacity=0.8)
    walls(p)
    roof(p)
    tower(p, 150)
    # the square
    p.rect(0, 566, 600, 34, p.linear([(0, "#b8afa2"), (1, "#978d7f")]))
    for x, h in ((40, 22), (240, 26), (300, 20), (420, 24), (520, 28), (570, 22)):
        person(p, x, 574 + h, h, "#3e3b44")
    return p.svg()
