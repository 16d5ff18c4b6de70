"""Venice: a black gondola with its gondolier in a striped shirt and straw
hat gliding along the Grand Canal, old palaces in pink, ochre and red
with pointed windows along the water, striped mooring poles, and the
great dome of Santa Maria della Salute at the end of the canal."""
import random

from parts import (Pic, sky, sun, cloud, shade, tint, haze, num, pointed_arch_path, dome_path,
                   ripples)

NAME = "Wenecja"

WATER_TOP = "#5fa7a8"
WATER_BOTTOM = "#2c6f78"
HORIZON = 360
COLOURS = ["#e6a58a", "#e9c98b", "#c9574a", "#f0dcc0", "#d98e6b", "#efe3c9"]


def palace(p, x, w, top, base, colour, rng):
    p.rect(x, top, w, base - top, colour)
    p.rect(x, top, w, 6, tint(colour, 0.35))
    p.rect(x + w - w * 0.12, top, w * 0.12, base - top, shade(colour, 0.15))
    rows = max(2, int((base - top) / 42))
    cols = max(2, int(w / 22))
    for r in range(rows):
        y = top + 18 + r * (base - top - 24) / rows
        for c in range(cols):
            xx = x + 6 + c * (w - 12) / cols
            ww = (w - 12) / cols * 0.55
            p.path(pointed_arch_path(xx, y + 26, ww, 16, ww * 0.7), "#3d3f4a")
            p.rect(xx - 1, y + 26, ww + 2, 2.5, tint(colour, 0.4))
    # a balcony and the water gate
    p.rect(x + w * 0.2, top + 60, w * 0.6, 4, "#f5efe3")
    p.path(pointed_arch_path(x + w * 0.35, base, w * 0.3, 20, 12), "#2a2c33")
    p.rect(x, base - 8, w, 8, shade(colour, 0.35))


def pole(p, x, y0, y1, a, b, w=6):
    n = 7
    for k in range(n):
        p.rect(x - w / 2, y0 + (y1 - y0) * k / n, w, (y1 - y0) / n + 0.5, a if k % 2 == 0 else b)
    p.ellipse(x, y0, w * 0.7, w * 0.3, shade(a, 0.2))


def gondola(p, x, y, s):
    """The long black boat curving up at both ends, its steel prow comb,
    and the gondolier rowing at the stern."""
    hull = (f"M{num(x - 230 * s)},{num(y - 46 * s)} Q{num(x - 180 * s)},{num(y + 6 * s)} "
            f"{num(x - 40 * s)},{num(y + 8 * s)} "
            f"L{num(x + 150 * s)},{num(y + 6 * s)} Q{num(x + 220 * s)},{num(y)} "
            f"{num(x + 250 * s)},{num(y - 40 * s)} "
            f"Q{num(x + 200 * s)},{num(y - 12 * s)} {num(x + 120 * s)},{num(y - 10 * s)} "
            f"L{num(x - 120 * s)},{num(y - 10 * s)} "
            f"Q{num(x - 190 * s)},{num(y - 14 * s)} {num(x - 230 * s)},{num(y - 46 * s)} Z")
    p.path(hull, "#15161b")
    p.path(f"M{num(x - 120 * s)},{num(y - 10 * s)} L{num(x + 120 * s)},{num(y - 10 * s)} "
           f"L{num(x + 120 * s)},{num(y - 6 * s)} "
           f"L{num(x - 120 * s)},{num(y - 6 * s)} Z", "#3a3c46")
    # the ferro: the silver comb on the prow
    fx, fy = x + 250 * s, y - 40 * s
    p.path(f"M{num(fx - 6 * s)},{num(fy + 4 * s)} L{num(fx + 4 * s)},{num(fy - 34 * s)} "
           f"L{num(fx + 14 * s)},{num(fy - 30 * s)} "
           f"L{num(fx + 6 * s)},{num(fy + 6 * s)} Z", "#d8dde2")
    for k in range(5):
        p.rect(fx - 10 * s, fy - 6 * s - k * 6 * s, 10 * s, 2.4 * s, "#d8dde2")
    # a red seat for the passengers
    p.rect(x - 10 * s, y - 24 * s, 60 * s, 14 * s, "#b3262e")
    p.rect(x - 10 * s, y - 24 * s, 60 * s, 4 * s, "#d9a441")
    # the gondolier: striped shirt, straw hat with a red band, long oar
    gx, gy = x - 170 * s, y - 22 * s
    p.line([(gx + 30 * s, gy - 110 * s), (gx - 60 * s, gy + 50 * s)], "#8a6a45", 5 * s)
    p.rect(gx - 14 * s, gy - 46 * s, 11 * s, 46 * s, "#1d1e24")
    p.rect(gx + 3 * s, gy - 46 * s, 11 * s, 46 * s, "#1d1e24")
    shirt = (f"M{num(gx - 18 * s)},{num(gy - 46 * s)} L{num(gx + 18 * s)},{num(gy - 46 * s)} "
             f"L{num(gx + 16 * s)},{num(gy - 96 * s)} L{num(gx - 16 * s)},{num(gy - 96 * s)} Z")
    p.path(shirt, "#f5f5f2")
    p.open("g", clip_path=p.clip_path(shirt))
    for k in range(6):
        p.rect(gx - 20 * s, gy - 94 * s + k * 9 * s, 40 * s, 4.5 * s, "#1f3f8a")
    p.close()
    p.line([(gx + 12 * s, gy - 88 * s), (gx + 28 * s, gy - 104 * s)], "#e2b48c", 6 * s, stroke_linecap="round")
    p.circle(gx, gy - 106 * s, 11 * s, "#e2b48c")
    p.ellipse(gx, gy - 114 * s, 22 * s, 5 * s, "#e8cf7a")
    p.rect(gx - 11 * s, gy - 124 * s, 22 * s, 10 * s, "#e8cf7a")
    p.rect(gx - 11 * s, gy - 118 * s, 22 * s, 4 * s, "#c8202c")


def draw():
    p = Pic()
    rng = random.Random(341)
    sky(p, "#4f95d4", "#fbe5c6", 0, HORIZON, mid="#a9cde8")
    sun(p, 170, 190, 22, colour="#fff6dc", glow="#ffe3b0")
    cloud(p, 130, 90, 150, seed=342, shadow="#e9dfe0", opacity=0.85)
    cloud(p, 500, 70, 120, seed=343, opacity=0.8)
    # Santa Maria della Salute at the end of the canal
    sx = 300
    p.rect(sx - 60, 270, 120, 90, haze("#efe8dc", 0.25))
    p.rect(sx - 44, 226, 88, 46, haze("#efe8dc", 0.25))
    p.path(dome_path(sx, 230, 110, 70), haze("#b8c0c6", 0.25))
    p.rect(sx - 10, 148, 20, 16, haze("#efe8dc", 0.25))
    p.path(dome_path(sx, 150, 26, 16), haze("#b8c0c6", 0.25))
    p.rect(sx - 1.5, 120, 3, 16, haze("#b8c0c6", 0.25))
    for x in (sx - 56, sx + 56):
        p.circle(x, 266, 8, haze("#e6dccb", 0.25))
    # palaces along both banks, growing larger towards us
    x = -10
    for k, (x0, w, top) in enumerate(((-10, 80, 170), (70, 60, 230), (130, 50, 270), (180, 40, 300))):
        palace(p, x0, w, top, HORIZON + 12 + (180 - x0) * 0.2, COLOURS[k % len(COLOURS)], rng)
    for k, (x0, w, top) in enumerate(((530, 80, 150), (470, 60, 210), (420, 50, 256), (380, 40, 292))):
        palace(p, x0, w, top, HORIZON + 12 + (x0 - 380) * 0.2, COLOURS[(k + 3) % len(COLOURS)], rng)
    # the canal
    p.rect(0, HORIZON + 6, 600, 240 - 6, p.linear([(0, WATER_TOP), (1, WATER_BOTTOM)]))
    p.open("g", opacity=0.25)
    for x0, w, col in ((-10, 80, COLOURS[0]), (70, 60, COLOURS[1]), (530, 80, COLOURS[3]), (470, 60, COLOURS[4])):
        p.rect(x0, HORIZON + 30, w, 120, col)
    p.close()
    ripples(p, HORIZON + 14, 600, "#d9f0ee", seed=344, count=60, opacity=0.5)
    # striped mooring poles
    for x, y0, y1, a, b in ((40, 330, 520, "#c8202c", "#f5f5f2"), (70, 340, 500, "#1f3f8a", "#f5f5f2"),
                            (560, 320, 530, "#c8202c", "#f5f5f2"), (530, 340, 505, "#1f3f8a", "#f5f5f2"),
                            (230, 350, 400, "#1f3f8a", "#f5f5f2"), (380, 350, 398, "#c8202c", "#f5f5f2")):
        pole(p, x, y0, y1, a, b, w=6 if y1 - y0 < 100 else 12)
    gondola(p, 300, 540, 1.0)
    p.ellipse(300, 552, 250, 6, "#1b3f44", opacity=0.4)
    return p.svg()
