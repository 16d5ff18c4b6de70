"""Shared parts of the place pictures: an SVG canvas and the pieces of
scenery every picture is built from (sky, sun, clouds, hills, water,
trees), so that all 35 share one flat, poster-like style.

The light comes from the upper left in every picture: faces turned left
are lit, faces turned right are in shade.  Far things are paler and bluer
than near ones.  Numbers are written with one decimal so that the SVG text,
and so the picture, never changes between runs.
"""
import math
import random

SIZE = 600


def num(v):
    s = f"{v:.1f}"
    return s[:-2] if s.endswith(".0") else s


def pts(points):
    return " ".join(f"{num(x)},{num(y)}" for x, y in points)


# ---------------------------------------------------------------- colours

def _rgb(c):
    c = c.lstrip("#")
    return [int(c[i:i + 2], 16) for i in (0, 2, 4)]


def mix(a, b, t):
    """The colour t of the way from a to b."""
    ra, rb = _rgb(a), _rgb(b)
    return "#" + "".join(f"{round(x + (y - x) * t):02x}" for x, y in zip(ra, rb))


def shade(c, t):
    return mix(c, "#1a1f2e", t)


def tint(c, t):
    return mix(c, "#ffffff", t)


def haze(c, t, sky="#cfe3f2"):
    """A colour seen through t of air: how distant things fade."""
    return mix(c, sky, t)


# ---------------------------------------------------------------- canvas

class Pic:
    """An SVG picture of SIZE x SIZE pixels, written element by element."""

    def __init__(self):
        self.defs = []
        self.body = []
        self.ids = 0

    def _id(self, prefix):
        self.ids += 1
        return f"{prefix}{self.ids}"

    @staticmethod
    def _attrs(kw):
        out = []
        for k, v in kw.items():
            if v is None:
                continue
            k = k.rstrip("_").replace("_", "-")
            out.append(f'{k}="{num(v) if isinstance(v, float) else v}"')
        return " ".join(out)

    def el(self, tag, **kw):
        self.body.append(f"<{tag} {self._attrs(kw)}/>")

    def open(self, tag="g", **kw):
        self.body.append(f"<{tag} {self._attrs(kw)}>")

    def close(self, tag="g"):
        self.body.append(f"</{tag}>")

    # gradients and clips; each returns the url() to fill with
    def linear(self, stops, x1=0, y1=0, x2=0, y2=1, user=False):
        gid = self._id("g")
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        s = "".join(f'<stop offset="{num(o)}" stop-color="{c}"'
                    + (f' stop-opacity="{num(a)}"' if a != 1 else "") + "/>"
                    for o, c, a in (st if len(st) == 3 else (*st, 1) for st in stops))
        self.defs.append(f'<linearGradient id="{gid}" x1="{num(x1)}" y1="{num(y1)}" '
                         f'x2="{num(x2)}" y2="{num(y2)}"{units}>{s}</linearGradient>')
        return f"url(#{gid})"

    def radial(self, stops, cx=0.5, cy=0.5, r=0.5, user=False):
        gid = self._id("r")
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        s = "".join(f'<stop offset="{num(o)}" stop-color="{c}"'
                    + (f' stop-opacity="{num(a)}"' if a != 1 else "") + "/>"
                    for o, c, a in (st if len(st) == 3 else (*st, 1) for st in stops))
        self.defs.append(f'<radialGradient id="{gid}" cx="{num(cx)}" cy="{num(cy)}" '
                         f'r="{num(r)}"{units}>{s}</radialGradient>')
        return f"url(#{gid})"

    def pattern(self, w, h, content, transform=None):
        """A tile w x h of the given SVG text, repeated over the shape."""
        pid = self._id("p")
        tr = f' patternTransform="{transform}"' if transform else ""
        self.defs.append(f'<pattern id="{pid}" width="{num(w)}" height="{num(h)}" '
                         f'patternUnits="userSpaceOnUse"{tr}>{content}</pattern>')
        return f"url(#{pid})"

    def blur(self, std):
        """A soft edge for fog, haze and glows."""
        fid = self._id("f")
        self.defs.append(f'<filter id="{fid}" x="-50%" y="-50%" width="200%" height="200%">'
                         f'<feGaussianBlur stdDeviation="{num(std)}"/></filter>')
        return f"url(#{fid})"

    def clip_rect(self, x, y, w, h):
        cid = self._id("c")
        self.defs.append(f'<clipPath id="{cid}"><rect x="{num(x)}" y="{num(y)}" '
                         f'width="{num(w)}" height="{num(h)}"/></clipPath>')
        return f"url(#{cid})"

    def clip_path(self, d):
        cid = self._id("c")
        self.defs.append(f'<clipPath id="{cid}"><path d="{d}"/></clipPath>')
        return f"url(#{cid})"

    # shapes
    def rect(self, x, y, w, h, fill, **kw):
        self.el("rect", x=float(x), y=float(y), width=float(w), height=float(h), fill=fill, **kw)

    def poly(self, points, fill, **kw):
        self.el("polygon", points=pts(points), fill=fill, **kw)

    def line(self, points, stroke, width=1, **kw):
        self.el("polyline", points=pts(points), fill="none", stroke=stroke,
                stroke_width=float(width), **kw)

    def path(self, d, fill, **kw):
        self.el("path", d=d, fill=fill, **kw)

    def circle(self, cx, cy, r, fill, **kw):
        self.el("circle", cx=float(cx), cy=float(cy), r=float(r), fill=fill, **kw)

    def ellipse(self, cx, cy, rx, ry, fill, **kw):
        self.el("ellipse", cx=float(cx), cy=float(cy), rx=float(rx), ry=float(ry), fill=fill, **kw)

    def svg(self):
        head = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
                f'viewBox="0 0 {SIZE} {SIZE}">')
        return "\n".join([head, "<defs>", *self.defs, "</defs>", *self.body, "</svg>"]) + "\n"


# ---------------------------------------------------------------- paths

def smooth(points, closed=False):
    """A smooth path through the points (Catmull-Rom turned into Beziers)."""
    p = list(points)
    if len(p) < 3:
        return "M" + " L".join(f"{num(x)},{num(y)}" for x, y in p)
    d = [f"M{num(p[0][0])},{num(p[0][1])}"]
    n = len(p)
    rng = range(n) if closed else range(n - 1)
    for i in rng:
        p0 = p[(i - 1) % n] if closed or i > 0 else p[i]
        p1, p2 = p[i], p[(i + 1) % n]
        p3 = p[(i + 2) % n] if closed or i + 2 < n else p2
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d.append(f"C{num(c1[0])},{num(c1[1])} {num(c2[0])},{num(c2[1])} {num(p2[0])},{num(p2[1])}")
    if closed:
        d.append("Z")
    return " ".join(d)


def arch_path(x, y, w, h):
    """A doorway w wide, its sides h high from the bottom y up to the
    spring of a round arch."""
    r = w / 2
    return (f"M{num(x)},{num(y)} L{num(x)},{num(y - h)} "
            f"A{num(r)},{num(r)} 0 0 1 {num(x + w)},{num(y - h)} L{num(x + w)},{num(y)} Z")


def pointed_arch_path(x, y, w, h, rise):
    """A Gothic doorway: sides h high, then two arcs meeting rise higher."""
    r = (rise * rise + (w / 2) ** 2) / w
    return (f"M{num(x)},{num(y)} L{num(x)},{num(y - h)} "
            f"A{num(r)},{num(r)} 0 0 1 {num(x + w / 2)},{num(y - h - rise)} "
            f"A{num(r)},{num(r)} 0 0 1 {num(x + w)},{num(y - h)} L{num(x + w)},{num(y)} Z")


def onion_path(cx, base, w, h):
    """An onion dome w wide at its widest and h high, standing on base."""
    r = w / 2
    return (f"M{num(cx - r * 0.62)},{num(base)} "
            f"C{num(cx - r * 1.25)},{num(base - h * 0.22)} {num(cx - r * 1.1)},{num(base - h * 0.62)} "
            f"{num(cx - r * 0.25)},{num(base - h * 0.85)} "
            f"Q{num(cx)},{num(base - h * 0.93)} {num(cx)},{num(base - h)} "
            f"Q{num(cx)},{num(base - h * 0.93)} {num(cx + r * 0.25)},{num(base - h * 0.85)} "
            f"C{num(cx + r * 1.1)},{num(base - h * 0.62)} {num(cx + r * 1.25)},{num(base - h * 0.22)} "
            f"{num(cx + r * 0.62)},{num(base)} Z")


def dome_path(cx, base, w, h):
    """A round dome w wide and h high on base."""
    r = w / 2
    return (f"M{num(cx - r)},{num(base)} C{num(cx - r)},{num(base - h * 0.75)} "
            f"{num(cx - r * 0.55)},{num(base - h)} {num(cx)},{num(base - h)} "
            f"C{num(cx + r * 0.55)},{num(base - h)} {num(cx + r)},{num(base - h * 0.75)} "
            f"{num(cx + r)},{num(base)} Z")


# ---------------------------------------------------------------- scenery

def sky(p, top, bottom, y0=0, y1=SIZE, mid=None):
    stops = [(0, top), (1, bottom)] if mid is None else [(0, top), (0.6, mid), (1, bottom)]
    p.rect(0, y0, SIZE, y1 - y0, p.linear(stops))


def sun(p, x, y, r, colour="#fff6d8", glow="#fff1b8", reach=4.0, strength=0.55):
    p.circle(x, y, r * reach, p.radial([(0, glow, strength), (0.35, glow, strength * 0.35),
                                         (1, glow, 0)]))
    p.circle(x, y, r, colour)


def cloud(p, x, y, w, colour="#ffffff", opacity=0.92, seed=0, shadow=None):
    """A flat-bottomed puffy cloud w wide, its bottom at y."""
    rng = random.Random(seed)
    puffs = []
    k = 5
    for i in range(k):
        t = (i + 0.5) / k
        r = w * (0.13 + 0.11 * math.sin(math.pi * t)) * (0.85 + 0.3 * rng.random())
        puffs.append((x + w * (t - 0.5) * 0.85, y - r * 0.55, r))
    clip = p.clip_rect(x - w, y - w, 2 * w, w)
    p.open("g", opacity=float(opacity), clip_path=clip)
    if shadow:
        for cx, cy, r in puffs:
            p.circle(cx + r * 0.1, cy + r * 0.12, r, shadow)
    for cx, cy, r in puffs:
        p.circle(cx, cy, r * (0.92 if shadow else 1.0), colour)
    p.close()


def ridge(p, y, amp, colour, seed, x0=-10, x1=SIZE + 10, bottom=SIZE, waves=3, step=8):
    """A line of hills: a wavy top edge around y, filled down to bottom."""
    rng = random.Random(seed)
    parts = [(rng.uniform(0.6, 1.4) * waves * 2 * math.pi / SIZE, rng.uniform(0, 6.3),
              rng.uniform(0.4, 1.0)) for _ in range(3)]
    top = []
    x = x0
    while x <= x1 + step:
        h = sum(a * math.sin(f * x * (i + 1) + ph) / (i + 1) for i, (f, ph, a) in enumerate(parts))
        top.append((x, y - amp * h))
        x += step
    d = smooth(top) + f" L{num(x1 + step)},{num(bottom)} L{num(x0)},{num(bottom)} Z"
    p.path(d, colour)
    return top


def profile(p, points, colour, bottom=SIZE, **kw):
    """A hill or mountain outline through the points, filled down to bottom."""
    d = smooth(points) + f" L{num(points[-1][0])},{num(bottom)} L{num(points[0][0])},{num(bottom)} Z"
    p.path(d, colour, **kw)


def water(p, y, top, bottom, y1=SIZE):
    p.rect(0, y, SIZE, y1 - y, p.linear([(0, top), (1, bottom)]))


def ripples(p, y0, y1, colour, seed, count=40, opacity=0.5, x0=0, x1=SIZE, length=(14, 46)):
    """Short light strokes on water, longer and thicker nearer the viewer."""
    rng = random.Random(seed)
    for _ in range(count):
        t = rng.random()
        yy = y0 + (y1 - y0) * t * t
        ln = length[0] + (length[1] - length[0]) * t * rng.random() + 4
        xx = rng.uniform(x0 - 10, x1 - ln + 10)
        p.line([(xx, yy), (xx + ln, yy)], colour, 1 + 2 * t, stroke_linecap="round",
               opacity=float(opacity))


def mirror(p, y, opacity=0.45, clip_from=None):
    """Start a reflection of what is drawn next in the water line y;
    end it with p.close()."""
    clip = p.clip_rect(0, y if clip_from is None else clip_from, SIZE, SIZE)
    p.open("g", clip_path=clip, opacity=float(opacity))
    p.open("g", transform=f"matrix(1 0 0 -1 0 {num(2 * y)})")


def end_mirror(p):
    p.close()
    p.close()


def tree(p, x, y, r, colour="#4f8f3a", trunk="#6b4a2b"):
    """A round deciduous tree, its foot at (x, y), crown radius r."""
    p.rect(x - r * 0.12, y - r * 1.2, r * 0.24, r * 1.2, trunk)
    p.circle(x, y - r * 1.6, r, colour)
    p.circle(x + r * 0.25, y - r * 1.45, r * 0.75, shade(colour, 0.22))
    p.circle(x - r * 0.25, y - r * 1.8, r * 0.55, tint(colour, 0.18))


def cypress(p, x, y, h, w, colour="#2f5e2c"):
    d = (f"M{num(x)},{num(y - h)} C{num(x + w * 0.75)},{num(y - h * 0.6)} "
         f"{num(x + w * 0.6)},{num(y - h * 0.1)} {num(x + w * 0.2)},{num(y)} "
         f"L{num(x - w * 0.2)},{num(y)} C{num(x - w * 0.6)},{num(y - h * 0.1)} "
         f"{num(x - w * 0.75)},{num(y - h * 0.6)} {num(x)},{num(y - h)} Z")
    p.path(d, colour)
    d2 = (f"M{num(x)},{num(y - h)} C{num(x + w * 0.75)},{num(y - h * 0.6)} "
          f"{num(x + w * 0.6)},{num(y - h * 0.1)} {num(x + w * 0.2)},{num(y)} "
          f"L{num(x + w * 0.05)},{num(y)} Q{num(x + w * 0.3)},{num(y - h * 0.5)} {num(x)},{num(y - h)} Z")
    p.path(d2, shade(colour, 0.25))


def palm(p, x, y, h, lean=0.15, colour="#3f8a3a", trunk="#8a6a45"):
    """A palm tree h high leaning right by lean (a fraction of h)."""
    tx, ty = x + lean * h, y - h
    p.path(f"M{num(x - 4)},{num(y)} Q{num(x + lean * h * 0.2)},{num(y - h * 0.5)} {num(tx - 2)},{num(ty)} "
           f"L{num(tx + 2)},{num(ty)} Q{num(x + lean * h * 0.2 + 6)},{num(y - h * 0.5)} "
           f"{num(x + 4)},{num(y)} Z",
           trunk)
    for ang, ln in ((-160, 0.55), (-130, 0.5), (-95, 0.35), (-55, 0.5), (-20, 0.55), (160, 0.3),
                    (20, 0.32)):
        a = math.radians(ang)
        ex, ey = tx + math.cos(a) * h * ln, ty + math.sin(a) * h * ln * 0.6 + h * ln * 0.28
        mx, my = tx + math.cos(a) * h * ln * 0.5, ty + math.sin(a) * h * ln * 0.5 - h * 0.06
        nx, ny = -(ey - ty), ex - tx
        L = math.hypot(nx, ny) or 1
        nx, ny = nx / L * h * 0.05, ny / L * h * 0.05
        p.path(f"M{num(tx)},{num(ty)} Q{num(mx + nx)},{num(my + ny)} {num(ex)},{num(ey)} "
               f"Q{num(mx - nx)},{num(my - ny)} {num(tx)},{num(ty)} Z",
               colour if ang < -90 or ang > 90 else shade(colour, 0.2))


def person(p, x, y, h, colour="#3a3a48"):
    """A tiny visitor for scale: head and body, foot at (x, y)."""
    p.circle(x, y - h * 0.88, h * 0.12, colour)
    p.path(f"M{num(x - h * 0.14)},{num(y - h * 0.74)} L{num(x + h * 0.14)},{num(y - h * 0.74)} "
           f"L{num(x + h * 0.1)},{num(y - h * 0.35)} L{num(x + h * 0.08)},{num(y)} "
           f"L{num(x - h * 0.08)},{num(y)} L{num(x - h * 0.1)},{num(y - h * 0.35)} Z", colour)

