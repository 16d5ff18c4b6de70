"""The Palace of Culture and Science in Warsaw from Marszałkowska Street:
the sand-coloured tower rising in setbacks between its long wings, every
step finished with a Polish Renaissance attic of little pinnacles, the
tall corner turrets at the feet of the tower, the vertical ribs of the
shaft, the clock under the crown, the ribbed lantern and the long spire
without a star.  A yellow and red Warsaw tram passes in front."""
from parts import Pic, sky, sun, cloud, tree, shade, tint, haze, num

NAME = "Pałac Kultury i Nauki"

STONE = "#dcc9a3"
CX = 300

# the setbacks of the main body and the tower: (width, from, to) in metres
STAGES = [(96, 0, 40), (76, 40, 62), (58, 62, 88), (42, 88, 114), (30, 114, 148), (21, 148, 158)]
# the wings: (centre offset, width, height) in metres
WINGS = [(-120, 110, 24), (120, 110, 24), (-66, 30, 36), (66, 30, 36)]


class Palace:
    """The palace drawn s pixels to the metre with its foot centred on
    (cx, base), seen through t of haze."""

    def __init__(self, p, cx, base, s, t=0.0, sky_colour="#cfe3f2"):
        self.p, self.cx, self.base, self.s, self.t = p, cx, base, s, t
        self.sky = sky_colour
        self.lit = self.c(STONE)
        self.dark = self.c(shade(STONE, 0.28))
        self.deep = self.c(shade(STONE, 0.5))
        self.pale = self.c(tint(STONE, 0.35))

    def c(self, colour):
        return haze(colour, self.t, self.sky) if self.t else colour

    def x(self, m):
        return self.cx + m * self.s

    def y(self, m):
        return self.base - m * self.s

    def block(self, xm0, xm1, h0, h1, detail=True):
        p, s = self.p, self.s
        x0, x1, top, bot = self.x(xm0), self.x(xm1), self.y(h1), self.y(h0)
        p.rect(x0, top, x1 - x0, bot - top, self.lit)
        split = x0 + (x1 - x0) * 0.66
        p.rect(split, top, x1 - split, bot - top, self.dark)
        if not detail or s < 0.8:
            return
        # the vertical ribs and the rows of windows between them
        n = max(3, int((xm1 - xm0) / 5))
        for k in range(n + 1):
            x = x0 + (x1 - x0) * k / n
            p.rect(x - s * 0.45, top, s * 0.9, bot - top, self.pale if x < split else self.deep, opacity=0.75)
        if s >= 1.5:
            step = 3.6 * s
            y = top + step * 0.9
            while y < bot - step * 0.4:
                for k in range(n):
                    x = x0 + (x1 - x0) * (k + 0.5) / n
                    p.rect(x - s * 0.9, y, s * 1.8, s * 2, self.deep if x < split else shade(self.deep, 0.3),
                           opacity=0.55)
                y += step

    def attic(self, xm0, xm1, h, tall=4.0, corners=True):
        """The crenellated attic crowning a setback: a band of blind
        arcading with a pinnacle on every pier, bigger ones at the corners."""
        p, s = self.p, self.s
        x0, x1, y = self.x(xm0), self.x(xm1), self.y(h)
        band = 3.0 * s
        p.rect(x0 - s * 0.6, y - band, x1 - x0 + s * 1.2, band, self.pale)
        n = max(3, int((xm1 - xm0) / 3.2))
        for k in range(n + 1):
            x = x0 + (x1 - x0) * k / n
            col = self.lit if x < x0 + (x1 - x0) * 0.66 else self.dark
            big = corners and k in (0, n)
            ph = tall * s * (1.8 if big else 1.0)
            pw = s * (1.6 if big else 0.9)
            p.rect(x - pw / 2, y - band - ph * 0.55, pw, ph * 0.55, col)
            p.poly([(x - pw / 2, y - band - ph * 0.55), (x + pw / 2, y - band - ph * 0.55), (x, y - band - ph)], col)
        if s >= 1.2:
            for k in range(n):
                x = x0 + (x1 - x0) * (k + 0.5) / n
                p.rect(x - s * 0.5, y - band * 0.75, s, band * 0.5, self.deep, opacity=0.6)

    def turret(self, xm, h0, h1, w=5.0):
        """A tall corner turret: a ribbed shaft ending in an obelisk."""
        p, s = self.p, self.s
        x0, x1 = self.x(xm - w / 2), self.x(xm + w / 2)
        p.rect(x0, self.y(h1), x1 - x0, self.y(h0) - self.y(h1), self.lit if xm < 0 else self.dark)
        p.rect(x0 + (x1 - x0) * 0.6, self.y(h1), (x1 - x0) * 0.4, self.y(h0) - self.y(h1), self.dark)
        p.rect(x0 - s * 0.5, self.y(h1) - s, x1 - x0 + s, s * 1.2, self.pale)
        top = h1 + 1 + w * 2.2
        p.poly([(x0, self.y(h1 + 1)), (x1, self.y(h1 + 1)), (self.x(xm), self.y(top))],
               self.lit if xm < 0 else self.dark)
        p.poly([(self.x(xm), self.y(h1 + 1)), (x1, self.y(h1 + 1)), (self.x(xm), self.y(top))], self.dark)

    def draw(self, wings=True):
        p, s = self.p, self.s
        if wings:
            for off, w, h in WINGS:
                self.block(off - w / 2, off + w / 2, 0, h)
                self.attic(off - w / 2, off + w / 2, h, 3.0)
        for k, (w, h0, h1) in enumerate(STAGES):
            self.block(-w / 2, w / 2, h0, h1)
            self.attic(-w / 2, w / 2, h1, 7.0 - k * 0.7)
            if k in (1, 2):
                for side in (-1, 1):
                    self.turret(side * (w / 2 - 3), h1, h1 + 10, 4.5)
        # the four corner turrets round the terrace at the feet of the shaft
        for side in (-1, 1):
            self.turret(side * 18, 114, 130, 5.5)
        # the shaft's upper corner pinnacles by the clock
        for side in (-1, 1):
            self.turret(side * 13, 148, 154, 3.2)
        # the clock, a face more than six metres across on every side
        r = 3.3 * s
        cx, cy = self.x(-1.5), self.y(139)
        p.circle(cx, cy, r, self.c("#f3efe4"))
        p.circle(cx, cy, r, "none", stroke=self.c("#b8913f"), stroke_width=float(max(1, s * 0.7)))
        if s >= 1.5:
            p.line([(cx, cy), (cx, cy - r * 0.75)], self.c("#2f2f33"), s * 0.55)
            p.line([(cx, cy), (cx + r * 0.55, cy + r * 0.25)], self.c("#2f2f33"), s * 0.55)
        # the ribbed lantern: slender columns round the drum under the spire
        x0, x1 = self.x(-6.5), self.x(6.5)
        top, bot = self.y(170), self.y(158)
        p.rect(x0, top, x1 - x0, bot - top, self.dark)
        for k in range(6):
            x = x0 + (x1 - x0) * (k + 0.5) / 6
            p.rect(x - s * 0.55, top, s * 1.1, bot - top, self.pale if x < self.cx + s * 2 else self.lit)
        p.rect(x0 - s, top - s * 1.5, x1 - x0 + 2 * s, s * 1.5, self.pale)
        p.poly([(self.x(-5.5), self.y(171.5)), (self.x(5.5), self.y(171.5)), (self.x(1.5), self.y(178)),
                (self.x(-1.5), self.y(178))], self.lit)
        p.poly([(self.x(0), self.y(171.5)), (self.x(5.5), self.y(171.5)), (self.x(1.5), self.y(178)),
                (self.x(0), self.y(178))], self.dark)
        # the long needle that makes it Warsaw's pencil, and its mast
        p.poly([(self.x(-1.7), self.y(178)), (self.x(1.7), self.y(178)), (self.x(0.3), self.y(231)),
                (self.x(-0.3), self.y(231))], self.c("#bdb6a8"))
        p.poly([(self.x(0), self.y(178)), (self.x(1.7), self.y(178)), (self.x(0.3), self.y(231)),
                (self.x(0), self.y(231))], self.c("#8b867d"))
        for h in (186, 196, 206):
            w = 1.7 * (231 - h) / 53 + 0.3
            p.rect(self.x(-w - 0.4), self.y(h), (2 * w + 0.8) * s, max(1, s * 0.8), self.pale)
        p.line([(self.x(0), self.y(231)), (self.x(0), self.y(237))], self.c("#8b867d"), max(0.8, s * 0.3))


def tram(p, x, y, length):
    """A Warsaw tram in the city's yellow and red."""
    h = 34
    for k in range(3):
        x0 = x + k * length / 3
        x1 = x0 + length / 3 - 3
        p.rect(x0, y - h, x1 - x0, h, "#f2c230")
        p.rect(x0, y - h * 0.35, x1 - x0, h * 0.35, "#c8322c")
        p.rect(x0, y - h - 3, x1 - x0, 4, "#d9dadc")
        for w in range(int((x1 - x0 - 8) / 16)):
            p.rect(x0 + 5 + w * 16, y - h + 6, 12, 13, "#2f3a45")
    p.line([(x + length / 2 - 12, y - h - 3), (x + length / 2, y - h - 14), (x + length / 2 + 14, y - h - 14)],
           "#333", 1.5)
    p.rect(x - 20, y, length + 40, 3, "#555")


def draw():
    p = Pic()
    sky(p, "#3a88d2", "#e3eff8", 0, 560, mid="#95c4ec")
    sun(p, 90, 90, 20)
    cloud(p, 490, 150, 150, seed=131, shadow="#dce4ee")
    cloud(p, 100, 300, 110, seed=132, opacity=0.85)
    # the city's towers far behind, pale in the haze
    for x0, w, top in ((486, 34, 250), (528, 44, 300), (40, 40, 280), (0, 26, 330)):
        p.rect(x0, top, w, 560 - top, haze("#5f8ea8", 0.6))
        p.rect(x0 + w * 0.6, top, w * 0.4, 560 - top, haze("#476f86", 0.6))
    Palace(p, CX, 566, 2.3).draw()
    # the square's trees and the street in front
    p.rect(0, 548, 600, 52, "#6e9e4f")
    for x in range(-6, 620, 46):
        tree(p, x, 574, 13 + (x * 13 % 5), "#4f8f3a")
    p.rect(0, 572, 600, 28, "#8d8f93")
    tram(p, 330, 596, 240)
    return p.svg()
