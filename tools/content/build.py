#!/usr/bin/env python3
"""Build the map tests of the content pack into data/.

Reads one table per test from tests/*.txt, draws the map with GMT, places
the marker boxes, and writes for each test the configuration file, the
description file and the JPEG picture into data/, and a manifest into
manifest/.  Finishes by checking everything that is in data/.

    build.py [--only PM,PG] [--key DIR] [--data DIR] [--scale 1|2|both] [-j N] [--force]

--key DIR also writes DIR/<file>_klucz.png, the picture with every box
filled with its right name, for a reviewer.  Every picture is drawn also at
twice its size (Name@2x.jpg) unless --scale says otherwise; a picture already
drawn from the same table, code and tools is not drawn again (picture_cache),
and -j N maps are drawn side by side.

The run is deterministic: the same inputs and tool versions give the same
bytes.  Drawing needs gmt, gs and ImageMagick's convert (installed by
make_content.sh); building the program needs none of them.
"""
import argparse
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

import markers
import picture_cache
import placement
import verify

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
CONVERT = "/usr/bin/convert"   # /usr/local/bin may hold a stand-in of the same name

# Colours of the maps: warm light land, blue water, the region asked about
# brighter than its surroundings.
THEME = {
    "sea": "#9cc9ea",
    "lake": "#9cc9ea",
    "land": "#e4dfd2",        # land outside the region of the test
    "focus": "#f7ebc4",       # the region the test is about
    "border": "#8a7f70",
    "focus_border": "#7a3b1a",
    "river": "#2f74c0",
    "river_faded": "#9fbfdd",
    "woj_border": "#b08a60",
    "coast": "#6f9cc0",
}

# Symbols by item kind: GMT symbol options and the keep-out radius in pixels.
SYMBOLS = {
    "city": ("-Sc8p -G#d62728 -W0.9p,#3a0a0a", 6),
    "capital": ("-Ss9p -G#d62728 -W0.9p,#3a0a0a", 7),
    "peak": ("-St11p -G#8b4a1c -W0.8p,#2a1505", 8),
    "park": ("-Sd11p -G#2e8b3a -W0.8p,#0f3d16", 8),
    "spot": ("-Sc15p -W1.6p,#d62728", 9),
    "mark": ("-Sc7p -G#d62728 -W0.8p,#3a0a0a", 5),
    "river": (None, 8),        # a short bar across the river, drawn apart
    "current": (None, 3),      # a point on a current's arrow: the box sits beside it
    "station": ("-Sc8p -G#ffffff -W2.2p,#d62728", 7),
    "area": (None, 0),
}

# Lines a table may add to its map ([lines]): ocean currents as arrows, warm
# in red and cold in blue, a conventional boundary as a dashed line, and the
# outline of a salt lake that GSHHG does not hold.
CURRENT_COLOURS = {"warm": "#d62728", "cold": "#1f5fbf"}
BOUNDARY_PEN = "1.1p,#5a3a6e,6_3:0"
SALT_LAKE = "#d4e8f5"
INSET_FRAME = "#4a5560"  # the frame of an inset, as an atlas draws it

# An asked river's main stem ([lines] 'river | name | points from source to
# mouth'): one line stronger than any tributary, drawn above the borders.
# Where GSHHG draws the stem as a line the drawn stem follows it; where
# GSHHG has no line there (a river drawn as open water, a stretch missing)
# it runs smoothed through the table's points.
STEM_PEN_W = 1.8           # points: the stem's pen
STEM_ROUTE_SNAP = 10.0     # pixels: a table's point this near a GSHHG river is taken onto it
STEM_ROUTE_DETOUR = 3.0    # a way along GSHHG longer than this many times the straight line is not the river
STEM_SNAP = 5.0            # pixels: elsewhere a point of the stem within this of a GSHHG river follows it
STEM_SMOOTH = 3            # pixels either side averaged, so the stem has no kinks where it joins GSHHG
MARK_CONFLUENCE_GAP = 16   # pixels: a river's mark no nearer than this to a joining river
MARK_END_GAP = 12          # pixels: nor to its stem's source, mouth or the picture's edge

# A desert's extent ([lines] 'desert | points'): a pale tint in a dashed
# outline, as an atlas marks a sandy desert.
DESERT_FILL = "p12+f#c0803e+b-+r144"
DESERT_PEN = "0.9p,#8a4b16,5_2.5:0"
DESERT_HATCH = 3           # pixels between the rows counted when a box would hide a desert


def die(msg):
    sys.stderr.write("build: " + msg + "\n")
    sys.exit(1)


# ---------------------------------------------------------------- tables

class Test:
    pass


def read_table(path):
    t = Test()
    t.path = path
    t.opts = {}
    t.items = []
    t.lines = []       # (style, [(lon, lat), ...])
    t.labels = []      # (text, lon, lat, pixel size)
    t.stems = []       # (river's name, [(lon, lat), ...] from source to mouth)
    section = "head"
    with open(path, encoding="utf-8") as f:
        for ln, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if line.strip() in ("[items]", "[lines]", "[labels]"):
                section = line.strip()[1:-1]
                continue
            if section == "head":
                if "=" not in line:
                    die(f"{path}:{ln}: expected key = value")
                k, v = line.split("=", 1)
                t.opts[k.strip()] = v.strip()
            elif section == "lines":
                style, pts = [c.strip() for c in line.split("|", 1)]
                if style == "river":
                    name, pts = [c.strip() for c in pts.split("|", 1)]
                    t.stems.append((name, [tuple(float(v) for v in p.split()) for p in pts.split(",")]))
                    continue
                if style not in CURRENT_COLOURS and style not in ("boundary", "saltlake", "desert"):
                    die(f"{path}:{ln}: unknown line style '{style}'")
                t.lines.append((style, [tuple(float(v) for v in p.split()) for p in pts.split(",")]))
            elif section == "labels":
                text, lon, lat, size = [c.strip() for c in line.split("|")]
                t.labels.append((text, float(lon), float(lat), int(size)))
            else:
                cells = [c.strip() for c in line.split("|")]
                while len(cells) < 5:
                    cells.append("")
                name, lon, lat, kind, box = cells[:5]
                if kind not in SYMBOLS:
                    die(f"{path}:{ln}: unknown kind '{kind}'")
                t.items.append({"name": name, "lon": float(lon), "lat": float(lat),
                                "kind": kind, "box": box})
    for key in ("file", "picture", "size", "projection", "window"):
        if key not in t.opts:
            die(f"{path}: missing '{key}'")
    t.file = t.opts["file"]
    t.picture = t.opts["picture"]
    w, h = t.opts["size"].split("x")
    t.width, t.height = int(w), int(h)
    t.chain = int(t.opts.get("chain", "0"))
    # the map may fill only the left part of the picture, the rest open sea
    # that an inset lies over
    t.map_width = int(t.opts.get("map_width", t.width))
    set_frame(t, t.opts["projection"], t.opts["window"], t.map_width, t.height)
    t.res = t.opts.get("resolution", "f")
    t.inset = None
    if "inset" in t.opts:
        t.inset = read_inset(t, path)
    return t


def set_frame(t, projection, window, width, height):
    if window == "world":
        # the whole globe, as a world map projection draws it
        t.R = "-Rd"
    else:
        win = [float(v) for v in window.split("/")]
        if len(win) == 3:
            # the top follows from the picture's aspect, so pixels stay square
            win.append(win[2] + (win[1] - win[0]) * height / width)
        t.R = "-R" + "/".join(f"{v:.6f}".rstrip("0").rstrip(".") for v in win) + "+uk"
    t.J = "-J" + projection + f"/{width}p"


def read_inset(t, path):
    """'inset = projection | window | WxH | x,y': a region drawn again at a
    larger scale in a frame whose top left corner lies at x,y of the
    picture, as an atlas insets a crowded region.  The items whose points
    fall inside its frame are shown and asked there."""
    cells = [c.strip() for c in t.opts["inset"].split("|")]
    if len(cells) != 4:
        die(f"{path}: inset = projection | window | WxH | x,y")
    if t.opts.get("relief") == "yes" or t.stems or t.labels:
        die(f"{path}: an inset is drawn only on a political map without rivers or labels")
    i = Test()
    i.path, i.file, i.picture = path, t.file + " inset", t.picture
    i.opts = {k: v for k, v in t.opts.items() if k != "inset"}
    i.items, i.lines, i.labels, i.stems = [], [], [], []
    w, h = cells[2].split("x")
    i.width = i.map_width = int(w)
    i.height = int(h)
    set_frame(i, cells[0], cells[1], i.width, i.height)
    i.res, i.inset = t.res, None
    x, y = (int(v) for v in cells[3].split(","))
    i.at = (x, y)
    i.rect = (x, y, x + i.width, y + i.height)
    if x < 0 or y < 0 or i.rect[2] > t.width or i.rect[3] > t.height:
        die(f"{path}: the inset leaves the picture")
    return i


def in_rect(pt, rect):
    return rect[0] <= pt[0] <= rect[2] and rect[1] <= pt[1] <= rect[3]


def item_pixels(g, t, lonlat):
    """Where the items lie in the picture, and which of them lie in the
    inset (and are asked there)."""
    pix = project(g, t, lonlat)
    inside = [False] * len(pix)
    if t.inset is None:
        return pix, inside
    ox, oy = t.inset.at
    for k, (x, y) in enumerate(project(g, t.inset, lonlat)):
        if 0 <= x <= t.inset.width and 0 <= y <= t.inset.height:
            pix[k], inside[k] = (x + ox, y + oy), True
        elif in_rect(pix[k], t.inset.rect):
            die(f"{t.file}: item {k + 1} lies under the inset but outside its frame")
    return pix, inside


def frame_lines(g, t, gmt_args):
    """A line work's pixel polylines over the whole picture: the main map's
    cut where the inset hides them, and the inset's moved into place."""
    lines = lines_in_pixels(g, t, g.run(*gmt_args(t)))
    if t.inset is None:
        return lines
    out = []
    for line in lines:
        cur = []
        for p in line:
            if in_rect(p, t.inset.rect):
                if len(cur) > 1:
                    out.append(cur)
                cur = []
            else:
                cur.append(p)
        if len(cur) > 1:
            out.append(cur)
    ox, oy = t.inset.at
    for line in lines_in_pixels(g, t.inset, g.run(*gmt_args(t.inset))):
        out.append([(x + ox, y + oy) for x, y in line])
    return out


# ---------------------------------------------------------------- GMT

class Gmt:
    def __init__(self, workdir):
        self.dir = workdir
        self.env = dict(os.environ)
        self.env["GMT_SESSION_NAME"] = "terravia"
        self.env["GMT_TMPDIR"] = workdir
        self.env["GMT_USERDIR"] = workdir
        self.env["HOME"] = workdir
        self.env["TZ"] = "UTC"
        self.env["LC_ALL"] = "C"
        self.run("set", "PS_MEDIA", "a0", "MAP_FRAME_TYPE", "plain", "MAP_FRAME_PEN", "0p",
                 "PS_PAGE_ORIENTATION", "portrait", "GMT_VERBOSE", "e",
                 "PS_LINE_JOIN", "round", "PS_LINE_CAP", "round")

    def run(self, *args, stdin=None):
        p = subprocess.run(["gmt", *args], cwd=self.dir, env=self.env, input=stdin,
                           capture_output=True, text=True)
        if p.returncode != 0:
            die("gmt " + " ".join(args) + " failed:\n" + p.stderr)
        return p.stdout


def project(g, t, lonlat):
    """lon/lat pairs -> picture pixels (x right, y down), floats."""
    if not lonlat:
        return []
    text = "".join(f"{lon} {lat}\n" for lon, lat in lonlat)
    out = g.run("mapproject", t.R, t.J, "-Dp", stdin=text)
    pts = []
    for line in out.splitlines():
        x, y = map(float, line.split()[:2])
        pts.append((x, t.height - y))
    return pts


def lines_in_pixels(g, t, gmt_text):
    """Project a GMT multi-segment lon/lat text into pixel polylines."""
    segs, cur, coords = [], [], []
    for line in gmt_text.splitlines():
        if line.startswith(">"):
            if cur:
                segs.append(cur)
            cur = []
            continue
        if not line.strip() or line.startswith("#"):
            continue
        lon, lat = line.split()[:2]
        cur.append(len(coords))
        coords.append((float(lon), float(lat)))
    if cur:
        segs.append(cur)
    px = project(g, t, coords)
    return [[px[k] for k in s] for s in segs]


def snap(pt, polylines, limit):
    """Nearest point on the polylines and the direction of the line there."""
    best = None
    for pl in polylines:
        for a, b in zip(pl, pl[1:]):
            dx, dy = b[0] - a[0], b[1] - a[1]
            L2 = dx * dx + dy * dy
            if L2 == 0:
                continue
            u = max(0.0, min(1.0, ((pt[0] - a[0]) * dx + (pt[1] - a[1]) * dy) / L2))
            q = (a[0] + u * dx, a[1] + u * dy)
            d = (q[0] - pt[0]) ** 2 + (q[1] - pt[1]) ** 2
            if best is None or d < best[0]:
                best = (d, q, (dx, dy))
    if best is None or best[0] > limit * limit:
        return None
    return best[1], best[2]


# ---------------------------------------------------------------- drawing

# Hypsometric tints of a school atlas: green lowlands, yellow uplands, browns
# rising to white peaks.  Heights in metres; colours between two steps blend.
TINTS = [(-500, "#5f9f55"), (0, "#6fae5c"), (100, "#93c46b"), (200, "#bcd883"),
         (300, "#e6e49a"), (500, "#f0d68c"), (1000, "#e4b36f"), (1500, "#cf9156"),
         (2000, "#b87542"), (3000, "#9c5f3a"), (4000, "#8a5a4a"), (5000, "#b4a49e"),
         (6500, "#f4f2f0"), (9000, "#ffffff")]
PALE_MIX = 0.5     # land outside the region asked about: halfway to white

# Antarctica's ice sheet as an atlas tints it: white and pale blue-grey, the
# relief of the ice and of the mountains read from the shading alone.
ICE_TINTS = [(-9000, "#d3dfea"), (0, "#d8e3ed"), (500, "#e0e9f1"), (1500, "#eaf0f5"),
             (2500, "#f3f6f9"), (3500, "#fbfcfd"), (5000, "#ffffff")]
ICE_SHELF = "#c4dbee"     # floating ice, between the grounding line and the ice front

ETOPO5 = "/usr/share/ferret-vis/data/etopo5.cdf"
ETOPO5_WEST = 3.75 / 60     # the corrected longitude of the grid's first column


def write_palette(path, pale, tints=TINTS):
    def tint(c):
        rgb = [int(c[k:k + 2], 16) for k in (1, 3, 5)]
        if pale:
            rgb = [round(v + (255 - v) * PALE_MIX) for v in rgb]
        return "{}/{}/{}".format(*rgb)
    rows = [f"{z0}\t{tint(c0)}\t{z1}\t{tint(c1)}" for (z0, c0), (z1, c1) in zip(tints, tints[1:])]
    rows += ["B\t" + tint(tints[0][1]), "F\t" + tint(tints[-1][1]), "N\t" + THEME["sea"]]
    with open(path, "w", encoding="ascii") as f:
        f.write("\n".join(rows) + "\n")


def global_grid(g):
    """ETOPO5 as GMT can wrap it round the globe and lay under the coasts.
    The file states its last column as 359.92 degrees, a rounding of 359.9167
    that would spread its 4320 five-minute columns a little too wide and stop
    GMT seeing a whole circle.  And its heights sit west of the GSHHG
    coastlines: matching its land against theirs over Europe, North America,
    East Asia and southern Africa, the mismatch is least with the grid moved
    3.75 minutes east (and not at all north or south).  Both are put right in
    the header of a copy."""
    path = os.path.join(g.dir, "etopo5.nc")
    g.run("grdedit", ETOPO5, f"-R{ETOPO5_WEST:.9f}/{359 + 55 / 60 + ETOPO5_WEST:.9f}/-90/90", "-G" + path)
    return path


def relief_grids(g, t, scale=1):
    """Elevation, hill shading and the two palettes of a physical map.  The
    five-minute cells are resampled (B-spline) to about half a pixel, no finer
    than half a minute, so the relief reads smooth rather than blocky; a
    picture drawn at twice the size takes a grid twice as fine, so its pixel
    spans as many grid steps."""
    w, e, s, n = [float(v) for v in g.run("mapproject", t.R, t.J, "-Wr").split()]
    # the corners of a polar map do not reach its pole: the grid must
    for pole, (x, y) in zip((-90, 90), project(g, t, [(0, -90), (0, 90)])):
        if 0 <= x <= t.width and 0 <= y <= t.height:
            w, e = -180, 180
            s, n = (-90, n) if pole < 0 else (s, 90)
    px_min = (n - s) * 60 / t.height
    inc = max([v for v in (0.5, 1, 2, 2.5) if v <= px_min / 2] or [0.5])
    if "relief_inc" in t.opts:
        # a world map's or a polar map's pixel spans many five-minute cells
        # (near a pole, many more of longitude than of latitude)
        inc = float(t.opts["relief_inc"])
    inc /= scale
    w, e = math.floor(w) - 1, math.ceil(e) + 1
    s, n = max(-90, math.floor(s) - 1), min(90, math.ceil(n) + 1)
    whole = e - w >= 358       # a map round a pole: every longitude
    cut = os.path.join(g.dir, "cut.nc")
    grid = os.path.join(g.dir, "relief.nc")
    shade = os.path.join(g.dir, "shade.nc")
    if whole:
        g.run("grdcut", global_grid(g), f"-R{ETOPO5_WEST:.9f}/{ETOPO5_WEST + 359 + 55 / 60:.9f}"
              f"/{max(-90, s - 1)}/{min(90, n + 1)}", "-G" + cut)
        # ETOPO5's columns, one every five minutes, stop a column short of
        # the full circle; laid out as cells (pixel registration) they span
        # 360 degrees exactly and GMT wraps them, with no gap of missing
        # heights along the meridian where the first and last columns meet
        cells = os.path.join(g.dir, "cells.nc")
        g.run("grdedit", cut, "-T", "-G" + cells)
        cut = cells
        w, e = -180, 180
    else:
        g.run("grdcut", global_grid(g), f"-R{w - 1}/{e + 1}/{max(-90, s - 1)}/{min(90, n + 1)}", "-G" + cut)
    # ETOPO5 has stray pits on land (rows of "10 m" in the middle of Polesie,
    # for one) that the shading turns into dark blots: a cell more than
    # 150 m below the median of its 3 x 3 neighbours takes that median
    median = os.path.join(g.dir, "median.nc")
    clean = os.path.join(g.dir, "clean.nc")
    g.run("grdfilter", cut, "-Fm3", "-Dp", "-fc", "-G" + median)
    g.run("grdmath", cut, median, "SUB", "-150", "LT", median, cut, "IFELSE", "=", clean)
    ice = t.opts.get("palette") == "ice"
    # the ice sheet is smoothed at the step of the picture at scale 1 (see below)
    g.run("grdsample", clean, f"-R{w}/{e}/{s}/{n}", f"-I{inc * scale if ice else inc:g}m", "-nb", "-fg",
          "-G" + grid)
    if ice:
        # ETOPO5 over the ice sheet is streaked along the meridians; the ice
        # is smooth on the scale of a map of the whole continent, so it is
        # smoothed (a Gaussian of 50 km, on the sphere) and shaded gently
        smooth = os.path.join(g.dir, "smooth.nc")
        g.run("grdfilter", grid, "-Fg50", "-D4", "-G" + smooth)
        grid = smooth
        if scale != 1:
            # a filter's cost grows with the square of the cells: at half the
            # step it would take hours.  What the Gaussian leaves has no detail
            # near the step, so the smoothed grid is resampled to the finer one
            fine = os.path.join(g.dir, "smooth_fine.nc")
            g.run("grdsample", grid, f"-I{inc:g}m", "-nb", "-fg", "-G" + fine)
            grid = fine
        g.run("grdgradient", grid, "-Nt0.3+o0", "-A315", "-fg", "-G" + shade)
    elif whole:
        g.run("grdgradient", grid, "-Nt0.6+o0", "-A315", "-fg", "-G" + shade)
    else:
        g.run("grdgradient", grid, "-Nt0.6+o0", "-A315", "-G" + shade)
    pale = os.path.join(g.dir, "pale.cpt")
    vivid = os.path.join(g.dir, "vivid.cpt")
    tints = ICE_TINTS if t.opts.get("palette") == "ice" else TINTS
    if t.opts.get("sea_depth"):
        # the open sea in the sea's own blue even before it is painted: at a
        # world map's scale GSHHG paints the sea in large tiles, and their
        # anti-aliased seams would otherwise show the relief beneath
        depth = float(t.opts["sea_depth"])
        tints = [(-12000, THEME["sea"]), (depth, THEME["sea"]), (depth + 0.1, tints[1][1])] + tints[1:]
    write_palette(pale, True, tints)
    write_palette(vivid, False, tints)
    if t.opts.get("ice") or t.opts.get("ice_south"):
        write_palette(os.path.join(g.dir, "ice.cpt"), False, ICE_TINTS)
    return grid, shade, pale, vivid


def river_levels(t):
    v = t.opts.get("rivers", "none")
    return [] if v == "none" else v.split(",")


def draw_map(g, t, ps, symbols, leaders, bars, lines=(), stems=(), scale=1):
    """The map as PostScript, in points: one point is one pixel of the
    picture at scale 1.  A sharper picture is the same PostScript with its
    relief images at the finer resolution, so every pen, symbol and font
    given in points grows with the scale without being told."""
    o = t.opts
    E = "-E%d" % dpi(scale)
    R, J, D = t.R, t.J, "-D" + t.res
    A = "-A" + o.get("min_area", "0")
    land = o.get("land", THEME["land"])
    focus = o.get("focus", "")
    first = True

    def add(*args):
        nonlocal first
        extra = ["-K", "-P", "-X0", "-Y0"] if first else ["-K", "-O"]
        first = False
        out = g.run(*args, *extra)
        with open(ps, "a", encoding="latin-1") as f:
            f.write(out)

    def polys(path, *args):
        add("psxy", R, J, os.path.join(HERE, path), *args)

    if os.path.exists(ps):
        os.remove(ps)
    if o.get("relief") == "yes":
        grid, shade, pale, vivid = relief_grids(g, t, scale)
        # a map of the whole world, or of a continent alone, has no
        # surroundings to pale
        add("grdimage", grid, "-I" + shade, "-C" + (pale if focus else vivid), R, J, E, "-nb")
        if focus:
            add("pscoast", R, J, D, "-E" + focus.split("+")[0] + "+c")
            add("grdimage", grid, "-I" + shade, "-C" + vivid, R, J, E, "-nb")
            add("pscoast", R, J, "-Q")
        # the ice sheets of Greenland and Antarctica white, as an atlas
        # paints them, not brown as land of their height would be
        ice_cpt = os.path.join(g.dir, "ice.cpt")
        if o.get("ice"):
            add("pscoast", R, J, D, "-E" + o["ice"] + "+c")
            add("grdimage", grid, "-I" + shade, "-C" + ice_cpt, R, J, E, "-nb")
            add("pscoast", R, J, "-Q")
        if o.get("ice_south"):
            # Antarctica as all south of a parallel, the sea painted over it
            # later: DCW's outline of it stops short of the pole, and a clip
            # to GSHHG's land leaves slivers of brown along the map's edge
            lat = float(o["ice_south"])
            south = os.path.join(g.dir, "south.txt")
            # the outline drawn straight between points close enough to
            # follow the map's curved edge along the 180th meridian
            steps = int(lat + 90)
            with open(south, "w") as f:
                f.writelines(f"{lon} {lat}\n" for lon in range(-180, 181, 5))
                f.writelines(f"180 {lat - k}\n" for k in range(1, steps + 1))
                f.writelines(f"{lon} -90\n" for lon in range(175, -181, -5))
                f.writelines(f"-180 {-90 + k}\n" for k in range(1, steps))
            add("psclip", south, R, J, "-A")
            add("grdimage", grid, "-I" + shade, "-C" + ice_cpt, R, J, E, "-nb")
            add("psclip", "-C")
        if o.get("ice_shelves") == "yes":
            # the floating ice shelves flat and pale, the grounded ice sheet
            # with its relief: ETOPO5 gives the shelves no height of their own
            add("pscoast", R, J, D, "-A0+ai", "-G" + ICE_SHELF)
            add("pscoast", R, J, D, "-A0+ag", "-Gc")
            add("grdimage", grid, "-I" + shade, "-C" + vivid, R, J, E, "-nb")
            add("pscoast", R, J, "-Q")
    else:
        add("pscoast", R, J, D, A, "-S" + THEME["sea"], "-G" + land)
        if focus:
            add("pscoast", R, J, D, "-E" + focus + "+g" + o.get("focus_fill", THEME["focus"]))
        for style in filter(None, o.get("fills", "").split(";")):
            codes, colour = style.split(":")
            add("pscoast", R, J, D, "-E" + codes.strip() + "+g" + colour.strip())
        if o.get("woj") == "fill":
            add_stdin(g, ps, ["psxy", R, J, "-K", "-O"], woj_fill_text())
    # water on top of the land colours: flat blue, as an atlas paints it, and
    # over the country fills too (lagoons, lakes on borders)
    add("pscoast", R, J, D, A, "-S" + THEME["sea"], "-C" + THEME["lake"])
    # salt lakes that hold water only now and then, as an atlas draws them:
    # pale blue inside a dashed shore
    salt = "".join(">\n" + "".join(f"{lon} {lat}\n" for lon, lat in pts + pts[:1])
                   for style, pts in t.lines if style == "saltlake")
    if salt:
        add_stdin(g, ps, ["psxy", R, J, "-G" + SALT_LAKE, "-W0.7p," + THEME["river"] + ",2_1.5:0",
                          "-K", "-O"], salt)
    if o.get("states"):
        add("pscoast", R, J, D, "-E" + o["states"] + "+p0.7p," + THEME["woj_border"])
    add("pscoast", R, J, D, A, "-W1/0.6p," + THEME["coast"], "-W2/0.4p," + THEME["coast"])
    if o.get("ice_shelves") == "yes":
        add("pscoast", R, J, D, "-A0+ag", "-W1/0.5p,#6b86a0,2_2:0")

    draw_deserts(g, t, ps)

    # borders under the rivers: where a river is the border the pupil sees
    # the river, and the border beside it where the two lines part and in
    # the change of colour from one country to the next
    if o.get("woj") in ("lines", "fill"):
        polys("inputs/voivodeship_borders.txt", "-W0.8p," + THEME["woj_border"])
    if o.get("borders", "yes") == "yes":
        add("pscoast", R, J, D, "-N1/0.7p," + THEME["border"])
    if focus and o.get("focus_outline", "yes") == "yes":
        add("pscoast", R, J, D, "-E" + focus + "+p1.3p," + THEME["focus_border"])

    levels = river_levels(t)
    if levels:
        clip = o.get("river_clip", "")
        pen_in = o.get("river_pen", "0.9p")
        # rivers that flow only after rains (GSHHG's intermittent levels)
        # dashed, as an atlas draws them
        dashed = set(o.get("river_dashed", "").split(","))

        def pen(lv, width, colour):
            return "-I%s/%s,%s%s" % (lv, width, colour, ",4_2:0" if lv in dashed else "")
        if clip:
            add("pscoast", R, J, D, *[pen(lv, "0.6p", THEME["river_faded"]) for lv in levels])
            add("pscoast", R, J, D, "-E" + clip + "+c")
            add("pscoast", R, J, D, *[pen(lv, pen_in, THEME["river"]) for lv in levels])
            add("pscoast", R, J, "-Q")
        else:
            add("pscoast", R, J, D, *[pen(lv, pen_in, THEME["river"]) for lv in levels])

    # symbols and leaders, drawn in picture points (1 pt = 1 px)
    Rp = f"-R0/{t.width}/0/{t.height}"
    Jp = "-Jx1p"
    H = t.height
    if t.map_width < t.width:
        add_stdin(g, ps, ["psxy", Rp, Jp, "-G" + THEME["sea"], "-K", "-O"],
                  f"{t.map_width} 0\n{t.width} 0\n{t.width} {H}\n{t.map_width} {H}\n")
    if t.inset is not None:
        draw_inset(g, t, ps, Rp, Jp, scale)
    if stems:
        txt = "".join(">\n" + "".join(f"{x:.2f} {H - y:.2f}\n" for x, y in pl) for pl in stems)
        add_stdin(g, ps, ["psxy", Rp, Jp, f"-W{STEM_PEN_W}p,{THEME['river']}", "-K", "-O"], txt)
    for style, pts in lines:
        txt = ">\n" + "".join(f"{x:.2f} {H - y:.2f}\n" for x, y in pts)
        if style == "boundary":
            add_stdin(g, ps, ["psxy", Rp, Jp, "-W" + BOUNDARY_PEN, "-K", "-O"], txt)
            continue
        colour = CURRENT_COLOURS[style]
        # a white casing keeps the arrow readable over land colours and relief
        add_stdin(g, ps, ["psxy", Rp, Jp, "-W4.2p,#ffffff", "-K", "-O"], txt)
        add_stdin(g, ps, ["psxy", Rp, Jp, f"-W2.4p,{colour}+ve9p+g{colour}+p0.5p,{colour}+h0.5",
                          "-K", "-O"], txt)
    if leaders:
        txt = "".join(f">\n{p[0]:.2f} {H - p[1]:.2f}\n{q[0]:.2f} {H - q[1]:.2f}\n"
                      for p, q in leaders)
        add_stdin(g, ps, ["psxy", Rp, Jp, "-W0.8p,#333333", "-K", "-O"], txt)
    if bars:
        txt = "".join(f">\n{a[0]:.2f} {H - a[1]:.2f}\n{b[0]:.2f} {H - b[1]:.2f}\n" for a, b in bars)
        add_stdin(g, ps, ["psxy", Rp, Jp, "-W4p,#3a0a0a", "-K", "-O"], txt)
        add_stdin(g, ps, ["psxy", Rp, Jp, "-W2.4p,#ff3b30", "-K", "-O"], txt)
    for style, pts in symbols.items():
        txt = "".join(f"{x:.2f} {H - y:.2f}\n" for x, y in pts)
        add_stdin(g, ps, ["psxy", Rp, Jp, *style.split(), "-K", "-O"], txt)
    add_stdin(g, ps, ["psxy", Rp, Jp, "-T", "-O"], "")


def draw_inset(g, t, ps, Rp, Jp, scale):
    """The inset drawn as a map of its own, at the picture's resolution,
    laid into the picture pixel for pixel (no resampling) inside a frame."""
    i = t.inset
    ips, ipng = os.path.join(g.dir, f"inset{scale}.ps"), os.path.join(g.dir, f"inset{scale}.png")
    draw_map(g, i, ips, {}, [], [], scale=scale)
    rasterize(g, i, ips, ipng, scale)
    x0, y0 = i.at
    y_low = t.height - y0 - i.height
    add_stdin(g, ps, ["psimage", ipng, f"-Dx{x0}p/{y_low}p+w{i.width}p", "-K", "-O"], "")
    a, b = x0 + 0.5, y_low + 0.5
    c, d = x0 + i.width - 0.5, y_low + i.height - 0.5
    add_stdin(g, ps, ["psxy", Rp, Jp, "-W1p," + INSET_FRAME, "-K", "-O"],
              f"{a} {b}\n{a} {d}\n{c} {d}\n{c} {b}\n{a} {b}\n")


def draw_deserts(g, t, ps):
    """The deserts' extents, tinted and outlined over the relief."""
    txt = "".join(">\n" + "".join(f"{lon} {lat}\n" for lon, lat in pts + pts[:1])
                  for style, pts in t.lines if style == "desert")
    if txt:
        add_stdin(g, ps, ["psxy", t.R, t.J, "-G" + DESERT_FILL, "-W" + DESERT_PEN, "-K", "-O"], txt)


def add_stdin(g, ps, args, text):
    out = g.run(*args, stdin=text)
    with open(ps, "a", encoding="latin-1") as f:
        f.write(out)


# Four pastel colours, no two neighbouring voivodeships alike.
WOJ_COLOURS = {"A": "#f6e2b0", "B": "#e3edbf", "C": "#f4d3c2", "D": "#e6d9ec"}
WOJ_SCHEME = {"ZP": "A", "PM": "B", "WP": "C", "LB": "B", "DS": "A", "OP": "B",
              "KP": "A", "WN": "C", "LD": "D", "MZ": "B", "PD": "A", "LU": "C",
              "SK": "A", "SL": "C", "MA": "B", "PK": "D"}


def woj_fill_text():
    out = []
    with open(os.path.join(HERE, "inputs", "voivodeships.txt"), encoding="ascii") as f:
        for line in f:
            if line.startswith(">"):
                code = line.split()[1].split(".")[1]
                out.append(f"> -G{WOJ_COLOURS[WOJ_SCHEME[code]]} -W0.6p,{WOJ_COLOURS[WOJ_SCHEME[code]]}\n")
            elif not line.startswith("#"):
                out.append(line)
    return "".join(out)


def dpi(scale):
    return 72 * scale


def scaled_name(picture, scale):
    """Map.jpg at scale 1, Map@2x.jpg at twice the size: the name the
    program looks for beside the picture."""
    if scale == 1:
        return picture
    stem, ext = os.path.splitext(picture)
    return f"{stem}@{scale}x{ext}"


def rasterize(g, t, ps, png, scale=1):
    g.run("psconvert", ps, "-E%d" % dpi(scale), "-A+r", "-Tg", "-Qg4", "-Qt4", "-F" + png[:-4])
    w, h = image_size(png)
    if (w, h) != (t.width * scale, t.height * scale):
        die(f"{t.file}: picture is {w}x{h}, expected {t.width * scale}x{t.height * scale}")


def image_size(path):
    p = subprocess.run([CONVERT, path, "-format", "%w %h", "info:"],
                       capture_output=True, text=True, check=True)
    w, h = p.stdout.split()
    return int(w), int(h)


def to_jpeg(png, jpg):
    # full-resolution colour (no 2x2 chroma subsampling): a thin blue river
    # over green land would otherwise come out grey-green
    subprocess.run([CONVERT, png, "-strip", "-colorspace", "sRGB", "-quality", "90",
                    "-sampling-factor", "1x1", "-interlace", "none", jpg], check=True)


def answer_key(t, png, boxes, out):
    """The picture with every box filled with its right name, in the marker's
    font and size, centred as the program centres it."""
    x0, y0, x1, y1 = verify.hint_panel(t.width)
    args = [CONVERT, png, "-fill", "none", "-stroke", "#a00000", "-strokewidth", "1",
            "-draw", f"stroke-dasharray 4 3 rectangle {x0},{y0} {x1 - 1},{y1 - 1}",
            "-font", verify.FONT, "-density", "72", "-pointsize", str(verify.FONT_PX)]
    for it, (x, y) in zip(t.items, boxes):
        tx = x + (placement.BOX_W - verify.text_width(it["name"])) // 2
        args += ["-fill", "#fff6b0", "-stroke", "#000080", "-strokewidth", "1",
                 "-draw", f"rectangle {x},{y} {x + placement.BOX_W - 1},{y + placement.BOX_H - 1}",
                 "-stroke", "none", "-fill", "#000080",
                 "-annotate", f"+{tx}+{y + 17}", it["name"].replace("%", "%%")]
    subprocess.run(args + [out], check=True)


# ---------------------------------------------------------------- a test

def build_test(t, data_dir, key_dir, work, scales=(1,)):
    """Place the boxes of a test and draw its picture at each scale asked;
    returns the files written at each scale."""
    g = Gmt(work)
    lonlat = [(it["lon"], it["lat"]) for it in t.items]
    pix, in_inset = item_pixels(g, t, lonlat)
    hx0, hy0, hx1, hy1 = verify.hint_panel(t.width)
    for it, (x, y) in zip(t.items, pix):
        if not (0 <= x <= t.width and 0 <= y <= t.height):
            die(f"{t.file}: '{it['name']}' lies outside the map window")
        if hx0 <= x < hx1 and hy0 <= y < hy1:
            die(f"{t.file}: '{it['name']}' lies under the program's hint panel")

    lines = table_lines(g, t)
    currents = [pts for style, pts in lines if style in CURRENT_COLOURS]

    # snap river marks onto the drawn rivers, border marks onto the outline,
    # a current's mark onto its arrow
    rivers = outline = None
    bars = []
    stems, joins = [], {}
    if t.stems:
        rivers = gshhg_rivers(g, t)
        stems = river_stems(g, t, rivers)
        for name, stem in stems:
            joins[name] = confluences(stem, rivers + [s for other, s in stems if other != name])
    stem_of = dict(stems)
    for k, it in enumerate(t.items):
        kind = it["kind"]
        if kind == "current":
            s = snap(pix[k], currents, 12)
            if s is None:
                die(f"{t.file}: no current drawn near '{it['name']}'")
            pix[k] = s[0]
        elif kind == "river":
            if rivers is None:
                lv = river_levels(t)
                txt = g.run("pscoast", t.R, t.J, "-D" + t.res, "-M",
                            *["-I" + v for v in lv]) if lv else ""
                rivers = lines_in_pixels(g, t, txt)
            if it["name"] in stem_of:
                s = stem_mark(t, pix[k], stem_of[it["name"]], joins[it["name"]])
                if s is None:
                    die(f"{t.file}: no place on the stem of '{it['name']}' clear of its confluences")
            else:
                s = snap(pix[k], rivers, 12)
            if s is None:
                die(f"{t.file}: no drawn river near '{it['name']}'")
            pix[k] = s[0]
            dx, dy = s[1]
            n = (dx * dx + dy * dy) ** 0.5
            nx, ny = -dy / n * 7, dx / n * 7
            bars.append(((s[0][0] + nx, s[0][1] + ny), (s[0][0] - nx, s[0][1] - ny)))
        elif kind == "mark" and t.opts.get("focus"):
            if outline is None:
                txt = g.run("pscoast", t.R, t.J, "-D" + t.res, "-M",
                            "-E" + t.opts["focus"].split("+")[0])
                outline = lines_in_pixels(g, t, txt)
            s = snap(pix[k], outline, 15)
            if s is None:
                die(f"{t.file}: no border near '{it['name']}'")
            pix[k] = s[0]

    masks = area_masks(g, t, pix, in_inset)
    items = []
    for it, (x, y), m, inset_item in zip(t.items, pix, masks, in_inset):
        box = it["box"]
        pref = fixed = None
        if box.startswith("@"):
            bx, by = box[1:].split(",")
            fixed = (int(bx), int(by))
        elif box:
            pref = box
        kind = it["kind"]
        items.append(placement.Item(it["name"], x, y, kind == "area", SYMBOLS[kind][1], pref, fixed,
                                    placement.Mask(t.width, t.height, m) if m else None))
        if t.inset is not None:
            # an item's box in the frame it is asked in, never across the frame
            if inset_item:
                items[-1].within = t.inset.rect
            else:
                items[-1].avoid = [t.inset.rect]
    clear = clear_cost(g, t, currents, [s for _name, s in stems])
    seed = sum(ord(c) for c in t.file) * 7919
    labels = label_places(g, t)
    blocked = [verify.hint_panel(t.width)] + [r for _text, _size, _pos, r in labels]
    if t.opts.get("legend") == "currents":
        blocked.append(legend_rect(t))
    boxes, leaders = placement.place(items, t.width, t.height, seed, clear=clear, blocked=blocked)
    for i, (bx, by) in enumerate(boxes):
        for j, o in enumerate(items):
            if o.radius and not (i == j and o.area) and placement.covers(bx, by, o.px, o.py, o.radius):
                die(f"{t.file}: the box of '{items[i].name}' covers the symbol of '{o.name}'")

    symbols = {}
    for it, (x, y) in zip(t.items, pix):
        style = SYMBOLS[it["kind"]][0]
        if style:
            symbols.setdefault(style, []).append((x, y))
    area_dots = [l[0] for it, l in zip(t.items, leaders) if l and it["kind"] == "area"]
    if area_dots:
        symbols["-Sc5p -G#333333"] = area_dots

    if BOXES_ONLY:
        place_over_old_picture(t, data_dir, key_dir, work, pix, boxes, leaders, masks)
        return None
    written = {}
    for scale in scales:
        ps = os.path.join(work, f"map{scale}.ps")
        png = os.path.join(work, f"map{scale}.png")
        draw_map(g, t, ps, symbols, [l for l in leaders if l], bars, lines, [s for _name, s in stems], scale)
        rasterize(g, t, ps, png, scale)
        overlay(t, png, labels, scale)
        jpg = os.path.join(data_dir, scaled_name(t.picture, scale))
        to_jpeg(png, os.path.join(work, "map.jpg"))
        publish(os.path.join(work, "map.jpg"), jpg)
        written[scale] = [jpg]
        if key_dir and scale == 1:
            answer_key(t, png, boxes, os.path.join(key_dir, t.file + "_klucz.png"))

    written.setdefault(1, [])
    written[1] += write_test_files(t, boxes, data_dir)
    written[1].append(write_manifest(t, pix, boxes))
    write_masks(t, masks)
    return written


def publish(src, dst):
    """Copy a finished file into place whole: a run stopped half-way leaves
    the old file or the new one, never a part of one."""
    part = dst + ".part"
    shutil.copyfile(src, part)
    os.replace(part, dst)


def fill_codes(t):
    """The DCW codes a political map fills, in the table's order."""
    codes = []
    for style in filter(None, t.opts.get("fills", "").split(";")):
        for c in style.split(":")[0].split(","):
            if c.strip() and c.strip() not in codes:
                codes.append(c.strip())
    return codes


def polygons_of(g, t, code):
    """The outline of a country or a voivodeship in picture pixels."""
    if code.startswith("PL."):
        txt, keep = [], False
        with open(os.path.join(HERE, "inputs", "voivodeships.txt"), encoding="ascii") as f:
            for line in f:
                if line.startswith(">"):
                    keep = line.split()[1] == code
                    if keep:
                        txt.append(">\n")
                elif keep and not line.startswith("#"):
                    txt.append(line)
        return lines_in_pixels(g, t, "".join(txt))
    return lines_in_pixels(g, t, g.run("pscoast", t.R, t.J, "-M", "-E" + code))


def inside(pt, rings):
    """Even-odd: is the point inside the rings?"""
    x, y = pt
    n = False
    for ring in rings:
        for (x0, y0), (x1, y1) in zip(ring, ring[1:] + ring[:1]):
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                n = not n
    return n


def scan_rows(rings, width, height):
    """The pixels whose centres lie inside the rings, as runs per row."""
    cross = {}
    for ring in rings:
        for (x0, y0), (x1, y1) in zip(ring, ring[1:] + ring[:1]):
            if y0 == y1 or x0 != x0 or x1 != x1:
                continue
            lo, hi = min(y0, y1), max(y0, y1)
            for y in range(max(0, math.ceil(lo - 0.5)), min(height, math.ceil(hi - 0.5))):
                yc = y + 0.5
                cross.setdefault(y, []).append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
    rows = {}
    for y, xs in cross.items():
        xs.sort()
        runs = []
        for a, b in zip(xs[0::2], xs[1::2]):
            x0, x1 = max(0, math.ceil(a - 0.5)), min(width, math.ceil(b - 0.5))
            if x1 > x0:
                runs.append((x0, x1))
        if runs:
            rows[y] = runs
    return rows


def clip_rows(rows, rect, keep_inside):
    """Runs of pixels kept inside the rectangle, or outside it."""
    x0, y0, x1, y1 = rect
    out = {}
    for y, runs in rows.items():
        if not y0 <= y < y1:
            if not keep_inside:
                out[y] = runs
            continue
        kept = []
        for a, b in runs:
            if keep_inside:
                a, b = max(a, x0), min(b, x1)
                if b > a:
                    kept.append((a, b))
            else:
                kept += [(p, q) for p, q in ((a, min(b, x0)), (max(a, x1), b)) if q > p]
        if kept:
            out[y] = kept
    return out


def area_masks(g, t, pix, in_inset=None):
    """Per item, the runs of pixels of the country or voivodeship it asks
    about, or None.  A political map's area items are found among the
    countries it fills (the voivodeships on the map of voivodeships), by the
    one that holds the item's interior point."""
    if t.opts.get("woj") == "fill":
        codes = ["PL." + c for c in WOJ_SCHEME]
    else:
        codes = fill_codes(t)
    out = [None] * len(t.items)
    if not codes or not any(it["kind"] == "area" for it in t.items):
        return out
    cache = {}
    in_inset = in_inset or [False] * len(t.items)
    for k, it in enumerate(t.items):
        if it["kind"] != "area":
            continue
        frame = t.inset if in_inset[k] else t
        for code in codes:
            if (code, in_inset[k]) not in cache:
                rings = [r for r in polygons_of(g, frame, code) if len(r) >= 3]
                if in_inset[k]:
                    ox, oy = frame.at
                    rings = [[(x + ox, y + oy) for x, y in r] for r in rings]
                cache[(code, in_inset[k])] = rings
            rings = cache[(code, in_inset[k])]
            if inside(pix[k], rings):
                out[k] = scan_rows(rings, t.width, t.height)
                if t.inset is not None:
                    out[k] = clip_rows(out[k], t.inset.rect, in_inset[k])
                break
        if out[k] is None:
            die(f"{t.file}: the point of '{it['name']}' lies in none of the areas the map fills")
    return out


def write_masks(t, masks):
    """What the checks need to measure how much of an area the boxes hide."""
    path = os.path.join(HERE, "manifest", t.file + "_maski.tsv")
    if not any(m is not None for m in masks):
        if os.path.exists(path):
            os.remove(path)
        return
    rows = ["nazwa\tpiksele\twiersze"]
    for it, m in zip(t.items, masks):
        if m is None:
            continue
        n = sum(x1 - x0 for runs in m.values() for x0, x1 in runs)
        cells = ";".join(f"{y}:" + ",".join(f"{x0}-{x1}" for x0, x1 in m[y]) for y in sorted(m))
        rows.append(f"{it['name']}\t{n}\t{cells}")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(rows) + "\n")


# --boxes-only: place the boxes again over the picture already in data/,
# without drawing the map; quick, for trying a table's hints.  The picture's
# leaders are then stale (the key draws the new ones), so a real run follows.
BOXES_ONLY = False


def place_over_old_picture(t, data_dir, key_dir, work, pix, boxes, leaders, masks):
    write_test_files(t, boxes, data_dir)
    write_manifest(t, pix, boxes)
    write_masks(t, masks)
    if key_dir:
        png = os.path.join(work, "old.png")
        args = [CONVERT, os.path.join(data_dir, t.picture), "-stroke", "#c00000", "-strokewidth", "1"]
        for l in leaders:
            if l:
                args += ["-draw", f"line {l[0][0]:.1f},{l[0][1]:.1f} {l[1][0]:.1f},{l[1][1]:.1f}"]
        subprocess.run(args + [png], check=True)
        answer_key(t, png, boxes, os.path.join(key_dir, t.file + "_klucz.png"))


def catmull_rom(pts, steps=10):
    """A smooth curve through the points (pixels), for a current's path."""
    if len(pts) < 3:
        return pts
    ext = [pts[0]] + pts + [pts[-1]]
    out = [pts[0]]
    for k in range(1, len(ext) - 2):
        p0, p1, p2, p3 = ext[k - 1], ext[k], ext[k + 1], ext[k + 2]
        for j in range(1, steps + 1):
            u = j / steps
            out.append(tuple(0.5 * (2 * p1[c] + (-p0[c] + p2[c]) * u
                                    + (2 * p0[c] - 5 * p1[c] + 4 * p2[c] - p3[c]) * u * u
                                    + (-p0[c] + 3 * p1[c] - 3 * p2[c] + p3[c]) * u ** 3)
                             for c in (0, 1)))
    return out


def table_lines(g, t):
    """The [lines] of a table in picture pixels: a current's path smoothed
    through its points, a boundary followed point by point (its straight
    stretches are split every degree, so a parallel bends as the projection
    bends it)."""
    out = []
    for style, pts in t.lines:
        if style in ("saltlake", "desert"):
            continue
        if style == "boundary":
            dense = [pts[0]]
            for (a, b), (c, d) in zip(pts, pts[1:]):
                n = max(1, int(max(abs(c - a), abs(d - b))))
                dense += [(a + (c - a) * k / n, b + (d - b) * k / n) for k in range(1, n + 1)]
            out.append((style, project(g, t, dense)))
        else:
            out.append((style, catmull_rom(project(g, t, pts))))
    for style, pts in out:
        for x, y in pts:
            if not (-1 <= x <= t.width + 1 and -1 <= y <= t.height + 1) or x != x:
                die(f"{t.file}: a line of style '{style}' leaves the map")
    return out


# ---------------------------------------------------------------- river stems

class PointGrid:
    """Points bucketed in square cells, to find the nearest within a few pixels."""

    def __init__(self, pts, cell=8.0):
        self.pts, self.cell, self.cells = pts, cell, {}
        for k, (x, y) in enumerate(pts):
            self.cells.setdefault((int(x // cell), int(y // cell)), []).append(k)

    def nearest(self, x, y, limit):
        """Index of the nearest point no farther than limit, or None."""
        c = self.cell
        r = int(limit // c) + 1
        cx, cy = int(x // c), int(y // c)
        best, bd = None, limit * limit
        for i in range(cx - r, cx + r + 1):
            for j in range(cy - r, cy + r + 1):
                for k in self.cells.get((i, j), ()):
                    px, py = self.pts[k]
                    d = (px - x) ** 2 + (py - y) ** 2
                    if d <= bd:
                        best, bd = k, d
        return best


def densify(pl, step=1.0):
    """The polyline with a point at least every step pixels."""
    out = []
    for a, b in zip(pl, pl[1:]):
        if a[0] != a[0] or b[0] != b[0]:
            continue
        n = max(1, int(math.hypot(b[0] - a[0], b[1] - a[1]) / step + 0.999))
        out += [(a[0] + (b[0] - a[0]) * k / n, a[1] + (b[1] - a[1]) * k / n) for k in range(n)]
    if pl and pl[-1][0] == pl[-1][0]:
        out.append(pl[-1])
    return out


def gshhg_rivers(g, t):
    """The GSHHG rivers the map draws, as pixel polylines."""
    lv = river_levels(t)
    txt = g.run("pscoast", t.R, t.J, "-D" + t.res, "-M", *["-I" + v for v in lv]) if lv else ""
    return lines_in_pixels(g, t, txt)


class RiverNetwork:
    """GSHHG's river lines as one network: a point every pixel, joined to
    its neighbours along its line, and a line's ends to the nearest point of
    the line they meet.  Rivers form a tree, so the way through the network
    between two points of one river is that river, whatever its meanders."""

    def __init__(self, rivers):
        self.pts, self.adj, line = [], [], []
        ends = []
        for n, pl in enumerate(rivers):
            d = densify(pl, 1.0)
            base = len(self.pts)
            for k, p in enumerate(d):
                self.pts.append(p)
                self.adj.append([])
                line.append(n)
                if k:
                    self.adj[base + k].append(base + k - 1)
                    self.adj[base + k - 1].append(base + k)
            if d:
                ends += [base, base + len(d) - 1]
        self.grid = PointGrid(self.pts, 4.0)
        for e in ends:
            x, y = self.pts[e]
            best, bd = None, 2.0 ** 2
            for i in range(int(x // 4) - 1, int(x // 4) + 2):
                for j in range(int(y // 4) - 1, int(y // 4) + 2):
                    for k in self.grid.cells.get((i, j), ()):
                        d = (self.pts[k][0] - x) ** 2 + (self.pts[k][1] - y) ** 2
                        if line[k] != line[e] and d <= bd:
                            best, bd = k, d
            if best is not None:
                self.adj[e].append(best)
                self.adj[best].append(e)

    def route(self, a, b, limit):
        """The points of the shortest way from point a to point b, or None
        when there is none shorter than limit pixels."""
        import heapq
        pts, dist, prev, heap = self.pts, {a: 0.0}, {}, [(0.0, a)]
        while heap:
            d, u = heapq.heappop(heap)
            if u == b:
                break
            if d > dist[u]:
                continue
            if d > limit:
                return None
            for v in self.adj[u]:
                nd = d + math.hypot(pts[v][0] - pts[u][0], pts[v][1] - pts[u][1])
                if nd < dist.get(v, float("inf")):
                    dist[v], prev[v] = nd, u
                    heapq.heappush(heap, (nd, v))
        if b != a and b not in prev:
            return None
        way = [b]
        while way[-1] != a:
            way.append(prev[way[-1]])
        return [pts[k] for k in reversed(way)]


def river_stems(g, t, rivers):
    """Each asked river's main stem in pixels, from its source to its mouth.
    Between two of the table's points that both lie on GSHHG's rivers the
    stem is the way along them; where GSHHG has no such way (a river drawn
    as open water, a stretch it lacks) it is the curve through the table's
    points, moved onto a GSHHG line where one runs close by and lightly
    smoothed where the two meet."""
    net = RiverNetwork(rivers)
    grid = PointGrid([p for pl in rivers for p in densify(pl, 0.7)])
    out = []
    for name, pts in t.stems:
        wp = project(g, t, pts)
        steps = 20
        curve = catmull_rom(wp, steps) if len(wp) >= 3 else [wp[0], wp[-1]]
        if len(wp) < 3:
            steps = 1
        on = [net.grid.nearest(x, y, STEM_ROUTE_SNAP) for x, y in wp]
        stem = []
        for i in range(len(wp) - 1):
            a, b = on[i], on[i + 1]
            way = None
            if a is not None and b is not None:
                straight = math.hypot(net.pts[b][0] - net.pts[a][0], net.pts[b][1] - net.pts[a][1])
                way = net.route(a, b, STEM_ROUTE_DETOUR * straight + 20)
            if way is None:
                # the curve's stretch, its ends moved to where the stretches
                # before and after it begin and end
                part = curve[i * steps:(i + 1) * steps + 1]
                p0 = net.pts[a] if a is not None else wp[i]
                p1 = net.pts[b] if b is not None else wp[i + 1]
                d0 = (p0[0] - part[0][0], p0[1] - part[0][1])
                d1 = (p1[0] - part[-1][0], p1[1] - part[-1][1])
                m = max(1, len(part) - 1)
                part = [(x + d0[0] * (1 - k / m) + d1[0] * k / m, y + d0[1] * (1 - k / m) + d1[1] * k / m)
                        for k, (x, y) in enumerate(part)]
                part = densify(part, 1.0)
                moved = []
                for x, y in part:
                    k = grid.nearest(x, y, STEM_SNAP)
                    moved.append(grid.pts[k] if k is not None else (x, y))
                n, w = len(moved), STEM_SMOOTH
                way = [moved[0]]
                for j in range(1, n - 1):
                    run = moved[max(0, j - w):min(n, j + w + 1)]
                    way.append((sum(p[0] for p in run) / len(run), sum(p[1] for p in run) / len(run)))
                way.append(moved[-1])
            stem += way if not stem else way[1:]
        out.append((name, densify(stem, 1.0)))
    return out


def confluences(stem, others):
    """Where another drawn river joins or leaves the stem: the points at
    which one of its lines comes onto the stem from away from it."""
    near = PointGrid(stem, 4.0)
    xs, ys = [p[0] for p in stem], [p[1] for p in stem]
    x0, x1, y0, y1 = min(xs) - 5, max(xs) + 5, min(ys) - 5, max(ys) + 5
    out = []
    for pl in others:
        if not any(x0 <= x <= x1 and y0 <= y <= y1 for x, y in pl):
            continue
        d = densify(pl, 1.0)
        on = [near.nearest(x, y, 3.5) is not None for x, y in d]
        out += [d[i] if on[i] else d[i - 1] for i in range(1, len(d)) if on[i] != on[i - 1]]
    return out


def stem_mark(t, pt, stem, joins):
    """The point of the stem nearest to the table's place for the mark that
    lies clear of every confluence, of the stem's ends and of the picture's
    edges, and the direction of the stem there."""
    jg = PointGrid(joins, 16.0)
    hx0, hy0, hx1, hy1 = verify.hint_panel(t.width)
    e, n = MARK_END_GAP, len(stem)
    best = None
    for i in range(e, n - e):
        x, y = stem[i]
        if not (e <= x <= t.width - e and e <= y <= t.height - e):
            continue
        if hx0 - e <= x < hx1 + e and hy0 - e <= y < hy1 + e:
            continue
        if jg.nearest(x, y, MARK_CONFLUENCE_GAP) is not None:
            continue
        d = (x - pt[0]) ** 2 + (y - pt[1]) ** 2
        if best is None or d < best[0]:
            best = (d, i)
    if best is None:
        return None
    i = best[1]
    a, b = stem[i - 3], stem[i + 3]
    return stem[i], (b[0] - a[0], b[1] - a[1])


def desert_rows(g, t):
    """Rows across the deserts' extents, DESERT_HATCH pixels apart: what a
    box laid over a desert hides of it."""
    rows = []
    for style, pts in t.lines:
        if style != "desert":
            continue
        poly = project(g, t, pts)
        poly = poly + poly[:1]
        ys = [p[1] for p in poly]
        y = math.floor(min(ys)) + 0.5
        while y < max(ys):
            xs = sorted(a[0] + (y - a[1]) * (b[0] - a[0]) / (b[1] - a[1])
                        for a, b in zip(poly, poly[1:]) if (a[1] <= y) != (b[1] <= y))
            rows += [[(xs[k], y), (xs[k + 1], y)] for k in range(0, len(xs) - 1, 2)]
            y += DESERT_HATCH
    return rows


LABEL_COLOUR = "#3b2a1a"


def label_places(g, t):
    """The names written on the map ([labels]): text, size, where its
    baseline starts, and the rectangle it covers, which no box may touch."""
    out = []
    if not t.labels:
        return out
    pts = project(g, t, [(lon, lat) for _text, lon, lat, _size in t.labels])
    for (text, _lon, _lat, size), (x, y) in zip(t.labels, pts):
        w = verify.text_width(text, size)
        x0, y0 = round(x - w / 2), round(y - size / 2)
        rect = (x0 - 3, y0 - 3, x0 + w + 3, y0 + size + 4)
        if rect[0] < 0 or rect[1] < 0 or rect[2] > t.width or rect[3] > t.height:
            die(f"{t.file}: the label '{text}' leaves the picture")
        out.append((text, size, (x0, y0 + round(size * 0.8)), rect))
    return out


def legend_rect(t):
    return (6, t.height - 52, 170, t.height - 6)


def overlay(t, png, labels, scale=1):
    """Write the map's labels and its legend, in the program's own font.
    Places and sizes are given in pixels of the picture at scale 1 and all
    pass through px(), so a sharper picture gets them at its scale."""
    def px(v):
        return v * scale

    def at(x, y):
        return f"+{px(x)}+{px(y)}"

    args = [CONVERT, png, "-font", verify.FONT, "-density", str(dpi(1))]
    for text, size, (x, y), _rect in labels:
        args += ["-pointsize", str(px(size)), "-stroke", "#ffffff", "-strokewidth", str(px(3)),
                 "-fill", "#ffffff", "-annotate", at(x, y), text.replace("%", "%%"),
                 "-stroke", "none", "-fill", LABEL_COLOUR, "-annotate", at(x, y), text.replace("%", "%%")]
    if t.opts.get("legend") == "currents":
        x0, y0, x1, y1 = legend_rect(t)
        args += ["-stroke", "#7b8a99", "-strokewidth", str(px(1)), "-fill", "#ffffffe6",
                 "-draw", f"roundrectangle {px(x0)},{px(y0)} {px(x1)},{px(y1)} {px(5)},{px(5)}",
                 "-pointsize", str(px(12))]
        for k, (style, text) in enumerate((("warm", "prąd ciepły"), ("cold", "prąd zimny"))):
            c = CURRENT_COLOURS[style]
            ym = y0 + 14 + 19 * k
            args += ["-stroke", c, "-strokewidth", str(px(3)),
                     "-draw", f"line {px(x0 + 10)},{px(ym)} {px(x0 + 40)},{px(ym)}",
                     "-stroke", "none", "-fill", c,
                     "-draw", f"polygon {px(x0 + 38)},{px(ym - 6)} {px(x0 + 50)},{px(ym)} "
                              f"{px(x0 + 38)},{px(ym + 6)}",
                     "-fill", "#1b2633", "-annotate", at(x0 + 60, ym + 4), text]
    if len(args) > 6:
        # only when there is something to write: rewriting the picture
        # would change its stored resolution, and with it the JPEG's bytes
        subprocess.run(args + [png], check=True)


def clear_cost(g, t, currents=(), stems=()):
    """The lines the boxes of this test should leave visible, with their
    weights: 'keep_clear = rivers:0.5,coast:0.3', where
      rivers   the rivers drawn on the map (riverN: those of level N only),
      coast    sea and lake shores (at the map's smallest area),
      outline  the border of the region the test is about,
      borders  national borders,
      deserts  the deserts' extents, by the area a box hides.
    The stems of the asked rivers count as much as the rivers weigh most."""
    style = t.opts.get("keep_clear", "")
    if not style:
        return None
    cost = placement.ClearCost(t.width, t.height)
    D = "-D" + t.res
    for part in style.split(","):
        what, weight = part.split(":")
        what, weight = what.strip(), float(weight)
        if what.startswith("river"):
            lv = river_levels(t) if what == "rivers" else [what[5:]]
            if not lv or not set(lv) <= set(river_levels(t)):
                die(f"{t.file}: keep_clear names '{what}', but those rivers are not drawn")
            args = ["-M", *["-I" + v for v in lv]]
        elif what == "coast":
            args = ["-A" + t.opts.get("min_area", "0"), "-M", "-W"]
        elif what == "outline":
            args = ["-M", "-E" + t.opts["focus"].split("+")[0]]
        elif what == "borders":
            args = ["-M", "-N1"]
        elif what == "currents":
            for line in currents:
                cost.add_polyline(line, weight)
            continue
        elif what == "deserts":
            for row in desert_rows(g, t):
                cost.add_polyline(row, weight)
            continue
        else:
            die(f"{t.file}: unknown keep_clear '{what}'")
        for line in frame_lines(g, t, lambda f, args=args: ["pscoast", f.R, f.J, D, *args]):
            cost.add_polyline(line, weight)
    river_weights = [float(p.split(":")[1]) for p in style.split(",") if p.strip().startswith("river")]
    for line in stems:
        cost.add_polyline(line, max(river_weights or [1.0]))
    cost.finish()
    return cost


def dos_lines(lines):
    return ("\r\n".join(lines) + "\r\n").encode("cp1250")


def write_test_files(t, boxes, data_dir):
    conf = [str(len(t.items)), t.picture]
    for x, y in boxes:
        conf += [str(x), str(y)]
    desc = [f"{it['name']}{markers.answer_number(k)}" for k, it in enumerate(t.items, 1)]
    with open(os.path.join(data_dir, t.file + ".dat"), "wb") as f:
        f.write(dos_lines(conf))
    with open(os.path.join(data_dir, t.file + "_o.dat"), "wb") as f:
        f.write(dos_lines(desc))
    return [os.path.join(data_dir, t.file + ext) for ext in (".dat", "_o.dat")]


def write_manifest(t, pix, boxes):
    d = os.path.join(HERE, "manifest")
    os.makedirs(d, exist_ok=True)
    rows = ["nazwa\tdlugosc\tszerokosc\trodzaj\tsymbol_x\tsymbol_y\tramka_x\tramka_y"]
    for it, (x, y), (bx, by) in zip(t.items, pix, boxes):
        rows.append(f"{it['name']}\t{it['lon']:.4f}\t{it['lat']:.4f}\t{it['kind']}\t"
                    f"{round(x)}\t{round(y)}\t{bx}\t{by}")
    with open(os.path.join(d, t.file + ".tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(rows) + "\n")
    return os.path.join(d, t.file + ".tsv")


# ---------------------------------------------------------------- main

# One map drawn at twice the size peaks at about 360 MB (Antarctica, the
# largest); side by side runs take 1.2 GB of free memory each, room to spare.
MAP_PEAK_MB = 1200


def map_code_files():
    """The files whose contents decide how a map is drawn."""
    inputs = os.path.join(HERE, "inputs")
    return ([os.path.join(HERE, f) for f in ("build.py", "placement.py", "verify.py", "markers.py")]
            + [os.path.join(inputs, f) for f in sorted(os.listdir(inputs))] + [verify.FONT])


def scale_key(t, scale):
    return picture_cache.key("map", t.file, scale, files=[t.path] + map_code_files())


def default_jobs():
    """One map per core, as many as memory holds."""
    jobs = os.cpu_count() or 1
    try:
        with open("/proc/meminfo", encoding="ascii") as f:
            avail = next(int(l.split()[1]) for l in f if l.startswith("MemAvailable:"))
        jobs = min(jobs, max(1, avail // 1024 // MAP_PEAK_MB))
    except (OSError, StopIteration, ValueError):
        pass
    return jobs


def run_test(job):
    """One test in a process of its own: its pictures at the scales given."""
    t, data, key, scales = job
    work = tempfile.mkdtemp(prefix="terravia-")
    start = time.monotonic()
    try:
        return build_test(t, data, key, work, scales), time.monotonic() - start
    finally:
        shutil.rmtree(work, ignore_errors=True)


def build_maps(tests, data, key, scales, jobs, cache):
    todo = []
    for t in tests:
        # an answer key is drawn from the picture at scale 1, so it is redrawn
        stale = [s for s in scales if (key and s == 1) or not cache.fresh(scaled_name(t.picture, s),
                                                                          scale_key(t, s))]
        if stale:
            todo.append((t, stale))
        else:
            print(f"build: {t.file} up to date", flush=True)
    if not todo:
        return

    def done(t, stale, result):
        written, seconds = result
        if written is None:  # boxes placed again over an old picture: nothing to keep
            print(f"build: {t.file} boxes placed in {seconds:.0f} s", flush=True)
            return
        for s in stale:
            cache.store(scaled_name(t.picture, s), scale_key(t, s), written.get(s, []))
        print(f"build: {t.file} ({len(t.items)} markers) drawn at "
              + ", ".join(f"{s}x" for s in stale) + f" in {seconds:.0f} s", flush=True)

    if jobs <= 1 or len(todo) == 1:
        for t, stale in todo:
            done(t, stale, run_test((t, data, key, stale)))
        return
    from concurrent.futures import ProcessPoolExecutor
    with ProcessPoolExecutor(max_workers=jobs) as pool:
        futures = [(t, stale, pool.submit(run_test, (t, data, key, stale))) for t, stale in todo]
        for t, stale, fut in futures:
            done(t, stale, fut.result())


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--only", default="")
    ap.add_argument("--key", default="")
    ap.add_argument("--data", default=os.path.join(REPO, "data"))
    ap.add_argument("--no-assets", action="store_true")
    ap.add_argument("--scale", choices=("1", "2", "both"), default="both",
                    help="the pictures at their own size, at twice it (Name@2x.jpg), or both")
    ap.add_argument("-j", "--jobs", type=int, default=0,
                    help="maps drawn side by side (default: the cores, as memory allows)")
    ap.add_argument("--force", action="store_true", help="redraw even what is up to date")
    ap.add_argument("--boxes-only", action="store_true",
                    help="place the boxes again over the pictures already drawn (not cached)")
    a = ap.parse_args()
    global BOXES_ONLY
    BOXES_ONLY = a.boxes_only
    scales = (1,) if a.boxes_only else (1, 2) if a.scale == "both" else (int(a.scale),)
    jobs = a.jobs or default_jobs()
    cache = picture_cache.Cache(a.data, enabled=not (a.force or a.boxes_only))

    tdir = os.path.join(HERE, "tests")
    tables = sorted(f for f in os.listdir(tdir) if f.endswith(".txt"))
    only = set(filter(None, a.only.split(",")))
    tests = [read_table(os.path.join(tdir, f)) for f in tables]
    problems = []
    for t in tests:
        problems += verify.check_names(t.file, [it["name"] for it in t.items])
    if problems:
        die("\n".join(problems))

    os.makedirs(a.data, exist_ok=True)
    # what a stopped run had not finished copying into place
    for f in os.listdir(a.data):
        if f.endswith(".part"):
            os.remove(os.path.join(a.data, f))
    if a.key:
        os.makedirs(a.key, exist_ok=True)
    build_maps([t for t in tests if not only or t.file in only], a.data, a.key, scales, jobs, cache)

    # the picture tests of "Różne pytania" are drawn, not mapped
    from drawn import drawn
    drawn.build_all(a.data, a.key, only, scales)

    if not a.no_assets and not only:
        import assets
        assets.build_all(a.data, HERE)
        import place_pictures
        place_pictures.build_all(a.data, scales=scales)

    # partners at twice the size are all required only of a run that draws them all
    errors = verify.check_data_dir(a.data, all_sharper=not only and 2 in scales)
    if errors:
        die("the content pack does not check:\n  " + "\n  ".join(errors))
    print("build: data/ checks out")


if __name__ == "__main__":
    main()
