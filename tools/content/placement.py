"""Marker box placement.

Every item gets one 129 x 25 box.  Hard rules: the box lies inside the
picture, overlaps no other box, covers no item's symbol (a point item's
own symbol included, so the pupil still sees the dot the box belongs to),
and lies nearer its own item than any other item's symbol by OWN_MARGIN.
Within those rules each box should sit as close to its item as it can: next
to a point symbol, centred on an area's interior point.  Leaders that pass
under another box, or cross each other, are discouraged but allowed.

Two more things shape the layout.  A test may name lines the boxes should
leave visible (rivers, coasts, a border): every pixel of such a line under a
box costs as much as moving the box that many pixels (times the line's
weight).  And a few places of the picture are out of bounds altogether: the
program floats its "Wybrano:" panel over the top right corner of the map.

The search is a seeded greedy construction over several item orders,
each refined by re-placing one item at a time; the cheapest layout wins.
"""
import math
import random

import markers

BOX_W, BOX_H = markers.WIDTH, markers.HEIGHT
BOX_GAP = 3          # minimum free space between two boxes
LEADER_MIN = 4       # a box farther than this from its symbol gets a leader
OWN_MARGIN = 6       # a box is this much nearer its own item than any other symbol
NEAREST_MARGIN = 8   # from a symbol, its own box is this much nearer than any other
COVER_MAX = 0.35     # the most of an area that the boxes together may hide
AREA_ROOM = 40       # other boxes are kept this far from an area's point where they can


def rect_point_dist(x, y, px, py):
    dx = max(x - px, 0, px - (x + BOX_W))
    dy = max(y - py, 0, py - (y + BOX_H))
    return math.hypot(dx, dy)


def nearest_on_rect(x, y, px, py):
    return (min(max(px, x), x + BOX_W), min(max(py, y), y + BOX_H))


def covers(x, y, px, py, r):
    """True when the box comes within r pixels of (px, py)."""
    return rect_point_dist(x, y, px, py) < r


def boxes_clash(a, b):
    return not (a[0] + BOX_W + BOX_GAP <= b[0] or b[0] + BOX_W + BOX_GAP <= a[0]
                or a[1] + BOX_H + BOX_GAP <= b[1] or b[1] + BOX_H + BOX_GAP <= a[1])


def seg_hits_rect(p, q, x, y, m=1):
    """Segment p-q passes through box (x, y) grown by m (Liang-Barsky)."""
    x0, y0, x1, y1 = x - m, y - m, x + BOX_W + m, y + BOX_H + m
    dx, dy = q[0] - p[0], q[1] - p[1]
    t0, t1 = 0.0, 1.0
    for pp, qq in ((-dx, p[0] - x0), (dx, x1 - p[0]), (-dy, p[1] - y0), (dy, y1 - p[1])):
        if pp == 0:
            if qq < 0:
                return False
        else:
            t = qq / pp
            if pp < 0:
                t0 = max(t0, t)
            else:
                t1 = min(t1, t)
            if t0 > t1:
                return False
    return True


def segs_cross(a, b, c, d):
    def orient(p, q, r):
        return (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])
    o1, o2 = orient(a, b, c), orient(a, b, d)
    o3, o4 = orient(c, d, a), orient(c, d, b)
    return o1 * o2 < 0 and o3 * o4 < 0


DIRS = {"E": 0, "NE": 45, "N": 90, "NW": 135, "W": 180, "SW": 225, "S": 270, "SE": 315}


class ClearCost:
    """What covering the picture's lines costs, as a summed-area table."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.cells = [0.0] * (width * height)
        self.sat = None

    def add_polyline(self, pts, weight, step=0.5):
        w, h, cells = self.w, self.h, self.cells
        for a, b in zip(pts, pts[1:]):
            dx, dy = b[0] - a[0], b[1] - a[1]
            length = math.hypot(dx, dy)
            if not length > 0:      # a repeated point, or one GMT cannot project (NaN)
                continue
            n = max(1, int(length / step))
            part = weight * length / n
            for k in range(n):
                f = (k + 0.5) / n
                xi, yi = int(a[0] + f * dx), int(a[1] + f * dy)
                if 0 <= xi < w and 0 <= yi < h:
                    cells[yi * w + xi] += part

    def finish(self):
        w, h, cells = self.w, self.h, self.cells
        W = w + 1
        sat = [0.0] * (W * (h + 1))
        for y in range(h):
            run = 0.0
            base, prev = (y + 1) * W, y * W
            row = y * w
            for x in range(w):
                run += cells[row + x]
                sat[base + x + 1] = sat[prev + x + 1] + run
        self.sat = sat

    def box(self, x, y):
        """Cost of the lines under the box at (x, y)."""
        W, s = self.w + 1, self.sat
        x1, y1 = min(x + BOX_W, self.w), min(y + BOX_H, self.h)
        x0, y0 = max(x, 0), max(y, 0)
        return s[y1 * W + x1] - s[y0 * W + x1] - s[y1 * W + x0] + s[y0 * W + x0]


class Mask:
    """The pixels of an area asked about (a country, a voivodeship), as a
    summed-area table: how much of it a box hides is then four look-ups."""

    def __init__(self, width, height, rows):
        """rows: {y: [(x0, x1), ...]}, runs of pixels x0..x1-1 inside."""
        from array import array
        self.w, self.h = width, height
        W = width + 1
        sat = array("i", bytes(4 * W * (height + 1)))
        total = 0
        line = array("i", bytes(4 * W))
        for y in range(height):
            runs = rows.get(y)
            base, prev = (y + 1) * W, y * W
            if not runs:
                sat[base:base + W] = sat[prev:prev + W]
                continue
            hits = array("i", bytes(4 * width))
            for x0, x1 in runs:
                for x in range(max(0, x0), min(width, x1)):
                    hits[x] = 1
            run = 0
            for x in range(width):
                run += hits[x]
                line[x + 1] = run
            total += run
            for x in range(1, W):
                sat[base + x] = sat[prev + x] + line[x]
        self.sat, self.total = sat, total

    def under(self, x, y):
        """Pixels of the area under the box at (x, y)."""
        W, s = self.w + 1, self.sat
        x1, y1 = min(x + BOX_W, self.w), min(y + BOX_H, self.h)
        x0, y0 = max(x, 0), max(y, 0)
        return s[y1 * W + x1] - s[y0 * W + x1] - s[y1 * W + x0] + s[y0 * W + x0]


def in_blocked(x, y, blocked):
    for bx0, by0, bx1, by1 in blocked:
        if x < bx1 and bx0 < x + BOX_W and y < by1 and by0 < y + BOX_H:
            return True
    return False


class Item:
    """What the placer needs of an item: where it is and how it is drawn."""

    def __init__(self, name, px, py, area, radius, pref=None, fixed=None, mask=None):
        self.name = name
        self.mask = mask          # a Mask of the area asked about, or None
        self.px, self.py = px, py
        self.area = area          # True: box centred on the point, no symbol
        self.radius = radius      # symbol keep-out radius in pixels
        self.pref = pref          # preferred side ("E", "NW", ...) or None
        self.fixed = fixed        # (x, y) given by hand, or None
        self.within = None        # (x0, y0, x1, y1) the box must lie inside, or None
        self.avoid = []           # rectangles this item's box may not touch


def _cost(it, x, y):
    cx, cy = x + BOX_W / 2, y + BOX_H / 2
    if it.area:
        return math.hypot(cx - it.px, cy - it.py)
    d = rect_point_dist(x, y, it.px, it.py)
    # a box to the side reads like a label; above or below is a little worse
    c = d + 0.04 * abs(cy - it.py)
    if it.pref:
        want = math.radians(DIRS[it.pref])
        ang = math.atan2(-(cy - it.py), cx - it.px)
        diff = abs((ang - want + math.pi) % (2 * math.pi) - math.pi)
        c += 25 * diff / (math.pi / 4)
    return c


def leader_of(it, x, y):
    """Leader segment from the symbol's rim to the box, or None."""
    d = rect_point_dist(x, y, it.px, it.py)
    if it.area:
        if d <= 0:
            return None
        q = nearest_on_rect(x, y, it.px, it.py)
        return ((it.px, it.py), q)
    if d <= it.radius + LEADER_MIN:
        return None
    q = nearest_on_rect(x, y, it.px, it.py)
    f = it.radius / d
    p = (it.px + (q[0] - it.px) * f, it.py + (q[1] - it.py) * f)
    return (p, q)


def candidates(items, i, width, height, keep=4000, reach=260, step=2, clear=None, blocked=()):
    it = items[i]
    if it.fixed:
        return [(0.0, it.fixed[0], it.fixed[1])]
    cx0 = int(round(it.px - BOX_W / 2))
    cy0 = int(round(it.py - BOX_H / 2))
    raw = []
    for dy in range(-reach, reach + 1, step):
        y = cy0 + dy
        if y < 0 or y + BOX_H > height:
            continue
        for dx in range(-reach, reach + 1, step):
            x = cx0 + dx
            if x < 0 or x + BOX_W > width:
                continue
            if blocked and in_blocked(x, y, blocked):
                continue
            if it.avoid and in_blocked(x, y, it.avoid):
                continue
            if it.within and not (it.within[0] <= x and x + BOX_W <= it.within[2]
                                  and it.within[1] <= y and y + BOX_H <= it.within[3]):
                continue
            c = _cost(it, x, y)
            if clear is not None:
                c += clear.box(x, y)
            raw.append((c, x, y))
    raw.sort()
    out = []
    # the ambiguity term only ever adds, so look a little past `keep`
    keep_raw = keep
    for c, x, y in raw:
        ok = True
        own = rect_point_dist(x, y, it.px, it.py)
        for j, o in enumerate(items):
            r = o.radius
            if j == i and it.area:
                continue
            if r > 0 and covers(x, y, o.px, o.py, r + 1):
                ok = False
                break
            if j != i and r > 0 and rect_point_dist(x, y, o.px, o.py) < own + OWN_MARGIN:
                ok = False
                break
            if j != i and o.area and rect_point_dist(x, y, o.px, o.py) <= NEAREST_MARGIN + 1:
                ok = False
                break
        if ok and it.mask is not None and it.mask.under(x, y) > COVER_MAX * it.mask.total:
            ok = False
        if ok:
            c += _ambiguity(items, i, x, y)
            out.append((c, x, y))
            if len(out) >= 3 * keep_raw:
                break
    out.sort()
    return out[:keep]


def _ambiguity(items, i, x, y):
    """Penalty for a box that sits nearer another item's symbol than its own."""
    it = items[i]
    own = rect_point_dist(x, y, it.px, it.py)
    pen = 0.0
    for j, o in enumerate(items):
        if j == i:
            continue
        d = rect_point_dist(x, y, o.px, o.py)
        if d < own + 24:
            pen += 4 * (own + 24 - d)
        # an area's own box is seldom right on its point: leave it room
        if o.area and d < AREA_ROOM:
            pen += 8 * (AREA_ROOM - d)
    return pen


def place(items, width, height, seed, restarts=60, clear=None, blocked=()):
    """Boxes for the items.  clear: a finished ClearCost or None; blocked:
    rectangles (x0, y0, x1, y1) no box may touch."""
    n = len(items)
    # a small country's box may have to go far, to open sea: it looks wider
    cands = [candidates(items, i, width, height, clear=clear, blocked=blocked,
                        keep=12000 if items[i].mask is not None else 4000) for i in range(n)]
    for i, it in enumerate(items):
        if it.fixed and in_blocked(it.fixed[0], it.fixed[1], blocked):
            raise RuntimeError(f"the fixed box of '{it.name}' lies in a blocked place")
    for i, c in enumerate(cands):
        if not c:
            raise RuntimeError(f"no room for a box of '{items[i].name}'")
    leaders = [{(x, y): leader_of(items[i], x, y) for _, x, y in cands[i]} for i in range(n)]
    # from every candidate, the distance to every item's symbol (an area's
    # interior point), and how much of every masked area it would hide
    dist = [{(x, y): [rect_point_dist(x, y, o.px, o.py) for o in items] for _, x, y in cands[i]}
            for i in range(n)]
    masked = [k for k, o in enumerate(items) if o.mask is not None and o.mask.total > 0]
    hides = [{(x, y): {k: items[k].mask.under(x, y) for k in masked} for _, x, y in cands[i]}
             for i in range(n)]
    allowed = {k: COVER_MAX * items[k].mask.total for k in masked}

    def fits(i, x, y, placed):
        """The symbol rule both ways, and no area hidden beyond its share."""
        d = dist[i][(x, y)]
        h = hides[i][(x, y)]
        under = dict(h)
        for j, (xj, yj) in placed.items():
            if j == i:
                continue
            dj = dist[j][(xj, yj)]
            # one pixel more than the checks ask: the manifest rounds the symbols
            if d[j] <= dj[j] + NEAREST_MARGIN + 1 or dj[i] <= d[i] + NEAREST_MARGIN + 1:
                return False
            for k, v in hides[j][(xj, yj)].items():
                under[k] += v
        return all(under[k] <= allowed[k] for k in masked)

    def soft(i, x, y, placed):
        pen = 0.0
        li = leaders[i][(x, y)]
        for j, (xj, yj) in placed.items():
            if j == i:
                continue
            lj = leaders[j][(xj, yj)]
            if li and seg_hits_rect(li[0], li[1], xj, yj):
                pen += 80
            if lj and seg_hits_rect(lj[0], lj[1], x, y):
                pen += 80
            if li and lj and segs_cross(li[0], li[1], lj[0], lj[1]):
                pen += 50
        return pen

    def best_for(i, placed):
        best = None
        for c, x, y in cands[i]:
            if best is not None and c >= best[0]:
                break
            if any(boxes_clash((x, y), b) for j, b in placed.items() if j != i):
                continue
            if not fits(i, x, y, placed):
                continue
            tot = c + soft(i, x, y, placed)
            if best is None or tot < best[0]:
                best = (tot, x, y)
        return best

    def total(placed):
        s = 0.0
        for i, (x, y) in placed.items():
            c = _cost(items[i], x, y) if not items[i].fixed else 0.0
            if clear is not None and not items[i].fixed:
                c += clear.box(x, y)
            s += c + soft(i, x, y, placed) / 2
        return s

    rng = random.Random(seed)
    base = sorted(range(n), key=lambda i: (len(cands[i]), cands[i][0][0]))
    orders = [base, list(range(n))]
    for _ in range(restarts):
        o = list(range(n))
        rng.shuffle(o)
        orders.append(o)

    best = None
    stuck = [0] * n
    for order in orders:
        placed = {}
        failed = False
        for i in order:
            b = best_for(i, placed)
            if b is None:
                failed = True
                stuck[i] += 1
                break
            placed[i] = (b[1], b[2])
        if failed:
            continue
        for _ in range(30):
            changed = False
            for i in range(n):
                b = best_for(i, placed)
                if b is not None and (b[1], b[2]) != placed[i]:
                    old = placed[i]
                    before = total(placed)
                    placed[i] = (b[1], b[2])
                    if total(placed) >= before - 1e-9:
                        placed[i] = old
                    else:
                        changed = True
            if not changed:
                break
        t = total(placed)
        if best is None or t < best[0] - 1e-9:
            best = (t, dict(placed))
    if best is None:
        worst = max(range(n), key=lambda i: stuck[i])
        raise RuntimeError("no layout keeps the boxes apart and each nearest its own symbol; "
                           f"most often no room was left for '{items[worst].name}'")
    return [best[1][i] for i in range(n)], [leaders[i][best[1][i]] for i in range(n)]
