"""Checks of the content pack as the program will read it.

check_data_dir() reads back every test whose files are in the data
directory and reports what the program would trip over; build.py fails
when it reports anything.  It can also be run by itself:

    python3 verify.py [DATA_DIR]

Where a test's manifest (manifest/<test>.tsv) is at hand, the checks also
look at the picture itself: every river asked must show river blue near its
mark, outside every box, and every box must sit nearer its own item than any
other item's symbol; seen from every symbol its own box must be the nearest,
and the boxes may hide only a small share of a country asked about.
"""
import math
import os
import subprocess
import sys

import markers

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))

BOX_W, BOX_H = markers.WIDTH, markers.HEIGHT
MAX_NAME_PX = 127          # a label inside a 129-pixel marker, its frame left
CONVERT = "/usr/bin/convert"

# The font the program draws markers and name fields in (bundled with it, so
# a name is as wide on every machine as it is here), at its pixel size.
FONT = os.path.join(REPO, "src", "ui", "resources", "fonts", "LiberationSans-Bold.ttf")
FONT_PX = 11

# The map area of the test window, maximised with a 40-pixel desktop panel,
# measured under openbox: 1216 x 574 at 1366 x 768 and 1130 x 606 at
# 1280 x 800.  A picture must fit both whole, so no pupil has to scroll.
MAP_W, MAP_H = 1130, 574

# The program floats its "Wybrano:" panel over the top right corner of the
# map, its right edge 10 pixels in from the picture's right edge and its top
# 4 pixels down; it is 30 pixels high and grows to about 300 pixels wide with
# the longest names.  No box may start hidden under it.
HINT_PANEL_W, HINT_PANEL_H, HINT_PANEL_RIGHT, HINT_PANEL_TOP = 302, 30, 10, 4

# A box must be nearer its own item than any other item's symbol by this
# much, or the pupil cannot tell which of the two it belongs to.
OWN_MARGIN = 6

# And seen from a symbol (an area's interior point), its own box must be
# nearer than any other box by this much: a pupil looks for the box next to
# the dot.  Nor may the boxes hide more than this share of a country or
# voivodeship asked about (measured with its mask, manifest/<test>_maski.tsv).
NEAREST_MARGIN = 8
COVER_MAX = 0.35

# Rivers are drawn in this blue; a river asked must show at least RIVER_PIXELS
# pixels of it within RIVER_RADIUS of its mark, none of them under a box.
RIVER_BLUE = (0x2f, 0x74, 0xc0)
RIVER_RADIUS, RIVER_PIXELS = 14, 10

# Chains whose tests must all be in the pack: every one, so that every
# catalogue entry, and the random draw's every title, loads.
REQUIRED_CHAINS = (1, 2, 3, 4, 5, 6, 7)


def hint_panel(width):
    """The place (x0, y0, x1, y1) of a picture the panel may cover, with a margin."""
    x1 = width - HINT_PANEL_RIGHT
    return (x1 - HINT_PANEL_W - 4, 0, width, HINT_PANEL_TOP + HINT_PANEL_H + 4)

# (configuration, description, picture) of every map test, by chain; chain 0
# holds the tests that belong to no chain.
CATALOGUE = {
    1: [("PM.dat", "PM_o.dat", "Polska_miasta.jpg"),
        ("PG.dat", "PG_o.dat", "Polska_gory.jpg"),
        ("PRZ.dat", "PRZ_o.dat", "Polska_rzeki.jpg"),
        ("PWOJ.dat", "PWOJ_o.dat", "Polska_woj.jpg"),
        ("PS.dat", "PS_o.dat", "Polska_sasiedzi.jpg"),
        ("PGr.dat", "PGr_o.dat", "Polska_granice.jpg"),
        ("PP.dat", "PP_o.dat", "Polska_parki.jpg"),
        ("Pk.dat", "Pk_o.dat", "Polska_krainy.jpg")],
    2: [("EG.dat", "EG_o.dat", "Europa_gory.jpg"),
        ("EW.dat", "EW_o.dat", "Europa_wyspy.jpg"),
        ("EPW.dat", "EPW_o.dat", "Europa_polwyspy.jpg"),
        ("ES.dat", "ES_o.dat", "Europa_stolice.jpg"),
        ("EP.dat", "EP_o.dat", "Europa_panstwa.jpg"),
        ("EM.dat", "EM_o.dat", "Europa_morza.jpg"),
        ("ER.dat", "ER_o.dat", "Europa_rzeki.jpg")],
    3: [("APNG.dat", "APNG_o.dat", "Ameryka_pn_gory.jpg"),
        ("APNP.dat", "APNP_o.dat", "Ameryka_pn_panstwa.jpg"),
        ("APNW.dat", "APNW_o.dat", "Ameryka_pn_wyspy.jpg"),
        ("APNR.dat", "APNR_o.dat", "Ameryka_pn_rzeki.jpg"),
        ("APDP.dat", "APDP_o.dat", "Ameryka_pd_panstwa.jpg"),
        ("APDR.dat", "APDR_o.dat", "Ameryka_pd_rzeki.jpg"),
        ("APDS.dat", "APDS_o.dat", "Ameryka_pd_stolice.jpg")],
    4: [("AZG.dat", "AZG_o.dat", "Azja_gory.jpg"),
        ("AZP.dat", "AZP_o.dat", "Azja_panstwa.jpg"),
        ("AZR.dat", "AZR_o.dat", "Azja_rzeki.jpg"),
        ("AFP.dat", "AFP_o.dat", "Afryka_panstwa.jpg"),
        ("AFG.dat", "AFG_o.dat", "Afryka_gory.jpg"),
        ("AFR.dat", "AFR_o.dat", "Afryka_rzeki.jpg")],
    5: [("AUM.dat", "AUM_o.dat", "Australia_miasta.jpg"),
        ("AUP.dat", "AUP_o.dat", "Australia_pustynie.jpg"),
        ("AUG.dat", "AUG_o.dat", "Australia_gory.jpg"),
        ("AUR.dat", "AUR_o.dat", "Australia_rzeki.jpg"),
        ("AN.dat", "AN_o.dat", "Antarktyda_lodowce.jpg"),
        ("ANs.dat", "ANs_o.dat", "Antarktyda_stacje.jpg")],
    6: [("SK.dat", "SK_o.dat", "Swiat_kontynenty.jpg"),
        ("SO.dat", "SO_o.dat", "Swiat_oceany.jpg"),
        ("SW.dat", "SW_o.dat", "Swiat_wyspy.jpg"),
        ("SPW.dat", "SPW_o.dat", "Swiat_polwyspy.jpg"),
        ("SG.dat", "SG_o.dat", "Swiat_gory.jpg"),
        ("SS.dat", "SS_o.dat", "Swiat_szczyty.jpg"),
        ("SP.dat", "SP_o.dat", "Swiat_prady.jpg")],
    7: [("RG.dat", "RG_o.dat", "Rozne_gory.jpg"),
        ("RF.dat", "RF_o.dat", "Rozne_flagi.jpg"),
        ("RF2.dat", "RF2_o.dat", "Rozne_flagi2.jpg"),
        ("RF3.dat", "RF3_o.dat", "Rozne_flagi3.jpg"),
        ("RF4.dat", "RF4_o.dat", "Rozne_flagi4.jpg"),
        ("RS.dat", "RS_o.dat", "Rozne_stolice.jpg"),
        ("RP.dat", "RP_o.dat", "Rozne_pytania.jpg"),
        ("RP2.dat", "RP2_o.dat", "Rozne_pytania2.jpg")],
}
CHAIN_TOTALS = {1: 97, 2: 92, 3: 73, 4: 77, 5: 40, 6: 64, 7: 120}
ASSETS = ["Ups.wav", "Cel.wav", "celujacy.ico", "bdb.ico", "dst.ico", "ndst.ico", "CZYTAJTO.txt"]


def text_width(name, size=FONT_PX):
    """Width in pixels of the name in the program's marker font."""
    p = subprocess.run([CONVERT, "-font", FONT, "-density", "72", "-pointsize", str(size),
                        "label:" + name.replace("%", "%%").replace("@", "\\@"),
                        "-format", "%w", "info:"], capture_output=True, text=True)
    return int(p.stdout.strip()) if p.returncode == 0 and p.stdout.strip() else None


def check_names(test, names):
    errs = []
    if not 1 <= len(names) <= 17:
        errs.append(f"{test}: {len(names)} items, must be 1 to 17")
    if len(set(names)) != len(names):
        errs.append(f"{test}: names repeat")
    for n in names:
        if not n.strip() or n != n.strip():
            errs.append(f"{test}: empty name or name with outer blanks: '{n}'")
        try:
            n.encode("cp1250")
        except UnicodeEncodeError:
            errs.append(f"{test}: '{n}' has letters outside Windows-1250")
        w = text_width(n)
        if w is None:
            errs.append(f"{test}: '{n}' could not be measured in {FONT}")
        elif w > MAX_NAME_PX:
            errs.append(f"{test}: '{n}' is {w} px wide as a marker label (max {MAX_NAME_PX})")
    return errs


def read_dos(path, errs):
    raw = open(path, "rb").read()
    name = os.path.basename(path)
    if not raw.endswith(b"\r\n"):
        errs.append(f"{name}: last line not ended by CR LF")
    if raw.replace(b"\r\n", b"").count(b"\n") or raw.replace(b"\r\n", b"").count(b"\r"):
        errs.append(f"{name}: line ends other than CR LF")
    try:
        text = raw.decode("cp1250")
    except UnicodeDecodeError:
        errs.append(f"{name}: not Windows-1250")
        return []
    return text.split("\r\n")[:-1]


def jpeg_size(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"\xff\xd8":
        return None
    i = 2
    while i < len(data) - 9:
        if data[i] != 0xFF:
            i += 1
            continue
        marker = data[i + 1]
        if marker in (0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7, 0xC9, 0xCA, 0xCB, 0xCD, 0xCE, 0xCF):
            h = int.from_bytes(data[i + 5:i + 7], "big")
            w = int.from_bytes(data[i + 7:i + 9], "big")
            return w, h
        if marker in (0xD8, 0x01) or 0xD0 <= marker <= 0xD7:
            i += 2
            continue
        i += 2 + int.from_bytes(data[i + 2:i + 4], "big")
    return None


def check_test(data, conf, desc, pic, errs):
    """Check one test; return its marker count, or None."""
    e0 = len(errs)
    lines = read_dos(os.path.join(data, conf), errs)
    dlines = read_dos(os.path.join(data, desc), errs)
    if len(errs) > e0:
        return None
    try:
        n = int(lines[0])
        nums = [int(v) for v in lines[2:]]
    except (ValueError, IndexError):
        errs.append(f"{conf}: not numbers where numbers belong")
        return None
    if not 1 <= n <= 17:
        errs.append(f"{conf}: marker count {n} outside 1..17")
        return None
    if len(nums) != 2 * n:
        errs.append(f"{conf}: {len(nums) // 2} positions for {n} markers")
        return None
    if lines[1] != pic:
        errs.append(f"{conf}: line 2 is '{lines[1]}', expected '{pic}'")
    if len(dlines) != n:
        errs.append(f"{desc}: {len(dlines)} lines for {n} markers")
    names, answers = [], []
    for d in dlines[:n]:
        if len(d) < 3 or not d[-2:].isdigit():
            errs.append(f"{desc}: line '{d}' does not end in two digits")
            continue
        names.append(d[:-2])
        answers.append(int(d[-2:]))
    if sorted(answers) != list(range(11, 11 + n)):
        errs.append(f"{desc}: answer numbers are not 11..{10 + n} each once")
    if len(set(names)) != len(names) or any(not s.strip() for s in names):
        errs.append(f"{desc}: names empty or repeated")
    size = jpeg_size(os.path.join(data, pic)) if os.path.exists(os.path.join(data, pic)) else None
    if size is None:
        errs.append(f"{pic}: missing or not a JPEG")
        return n
    w, h = size
    if w > MAP_W or h > MAP_H:
        errs.append(f"{pic}: {w}x{h} does not fit the {MAP_W}x{MAP_H} map area without scrolling")
    boxes = list(zip(nums[0::2], nums[1::2]))
    for k, (x, y) in enumerate(boxes, 1):
        if x < 0 or y < 0 or x + BOX_W > w or y + BOX_H > h:
            errs.append(f"{conf}: marker {k} at {x},{y} leaves the {w}x{h} picture")
    hx0, hy0, hx1, hy1 = hint_panel(w)
    for k, (x, y) in enumerate(boxes, 1):
        if x < hx1 and hx0 < x + BOX_W and y < hy1 and hy0 < y + BOX_H:
            errs.append(f"{conf}: marker {k} at {x},{y} lies under the program's hint panel")
    for a in range(n):
        for b in range(a + 1, n):
            (xa, ya), (xb, yb) = boxes[a], boxes[b]
            if xa < xb + BOX_W and xb < xa + BOX_W and ya < yb + BOX_H and yb < ya + BOX_H:
                errs.append(f"{conf}: markers {a + 1} and {b + 1} overlap")
    manifest = read_manifest(os.path.join(HERE, "manifest", conf[:-4] + ".tsv"))
    if manifest is not None and len(manifest) == n:
        check_against_manifest(conf, os.path.join(data, pic), w, boxes, manifest, errs)
        check_nearest_box(conf, boxes, manifest, errs)
        check_masks(conf, w, h, boxes, manifest, errs)
    return n


# Cards, each a drawing with its box right under it: the box belongs to the
# card it lies on, however near the next card's box may come to a peak.
CARD_TESTS = ("RG.dat", "RF.dat", "RF2.dat", "RF3.dat", "RF4.dat")


def check_nearest_box(conf, boxes, rows, errs):
    """From every symbol, its own box is the nearest by NEAREST_MARGIN."""
    if conf in CARD_TESTS:
        return
    keys = ("symbol_x", "symbol_y") if "symbol_x" in rows[0] else ("punkt_x", "punkt_y")
    for i, r in enumerate(rows):
        pt = (float(r[keys[0]]), float(r[keys[1]]))
        own = rect_point_dist(*boxes[i], *pt)
        for j, b in enumerate(boxes):
            d = rect_point_dist(*b, *pt)
            if j != i and d <= own + NEAREST_MARGIN:
                errs.append(f"{conf}: from the symbol of '{r['nazwa']}' box {j + 1} is {d:.0f} px away, "
                            f"its own {own:.0f} px")


def political_areas(conf):
    """Does the test's table fill countries or voivodeships (so that every
    area item it asks has a mask)?"""
    path = os.path.join(HERE, "tests", conf[:-4] + ".txt")
    if not os.path.exists(path):
        return False
    with open(path, encoding="utf-8") as f:
        head = f.read().split("[items]")[0]
    return any(line.startswith("fills") or line.replace(" ", "") == "woj=fill" for line in head.splitlines())


def check_masks(conf, w, h, boxes, rows, errs):
    """No area asked about is hidden beyond COVER_MAX by the boxes together."""
    path = os.path.join(HERE, "manifest", conf[:-4] + "_maski.tsv")
    areas = [r["nazwa"] for r in rows if r.get("rodzaj") == "area"]
    if not areas or not political_areas(conf):
        return
    if not os.path.exists(path):
        errs.append(f"{conf}: no masks of its areas ({os.path.basename(path)})")
        return
    masks = {}
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines()[1:]:
            name, total, cells = line.split("\t")
            runs = {}
            for part in filter(None, cells.split(";")):
                y, rs = part.split(":")
                runs[int(y)] = [tuple(map(int, r.split("-"))) for r in rs.split(",")]
            masks[name] = (int(total), runs)
    for name in areas:
        if name not in masks:
            errs.append(f"{conf}: no mask of '{name}'")
            continue
        total, runs = masks[name]
        if total <= 0:
            errs.append(f"{conf}: the mask of '{name}' is empty")
            continue
        hidden = 0
        for bx, by in boxes:
            for y in range(max(0, by), min(h, by + BOX_H)):
                for x0, x1 in runs.get(y, ()):
                    hidden += max(0, min(x1, bx + BOX_W) - max(x0, bx))
        if hidden > COVER_MAX * total:
            errs.append(f"{conf}: the boxes hide {100 * hidden / total:.0f} % of '{name}' "
                        f"(at most {100 * COVER_MAX:.0f} %)")


def read_manifest(path):
    """Rows of a test's manifest as dicts, or None without one."""
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    head = lines[0].split("\t")
    return [dict(zip(head, line.split("\t"))) for line in lines[1:] if line]


def rect_point_dist(x, y, px, py):
    dx = max(x - px, 0, px - (x + BOX_W))
    dy = max(y - py, 0, py - (y + BOX_H))
    return math.hypot(dx, dy)


POINT_KINDS = {"city", "capital", "peak", "park", "spot", "mark", "river", "current", "station"}


def check_against_manifest(conf, picture, width, boxes, rows, errs):
    kinds = [r.get("rodzaj", "") for r in rows]
    if not all(k in POINT_KINDS or k == "area" for k in kinds):
        return
    pts = [(float(r["symbol_x"]), float(r["symbol_y"])) for r in rows]
    hx0, hy0, hx1, hy1 = hint_panel(width)
    for r, (px, py) in zip(rows, pts):
        if hx0 <= px < hx1 and hy0 <= py < hy1:
            errs.append(f"{conf}: the symbol of '{r['nazwa']}' lies under the program's hint panel")
    for i, (bx, by) in enumerate(boxes):
        own = rect_point_dist(bx, by, *pts[i])
        for j, (px, py) in enumerate(pts):
            if j == i or kinds[j] not in POINT_KINDS:
                continue
            d = rect_point_dist(bx, by, px, py)
            if d < own + OWN_MARGIN:
                errs.append(f"{conf}: the box of '{rows[i]['nazwa']}' is {d:.0f} px from the symbol "
                            f"of '{rows[j]['nazwa']}', {own:.0f} px from its own")
    rivers = [i for i, k in enumerate(kinds) if k == "river"]
    if rivers:
        img = read_pixels(picture)
        for i in rivers:
            n = river_pixels(img, pts[i], boxes)
            if n < RIVER_PIXELS:
                errs.append(f"{conf}: '{rows[i]['nazwa']}' shows {n} river-blue pixels near its mark "
                            f"(at least {RIVER_PIXELS} wanted)")


def read_pixels(path):
    """(width, height, RGB bytes) of a picture."""
    raw = subprocess.run([CONVERT, path, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    p = subprocess.run([CONVERT, path, "-format", "%w %h", "info:"], capture_output=True, text=True, check=True)
    w, h = map(int, p.stdout.split())
    return w, h, raw


def is_river_blue(r, g, b):
    """Near the river colour, even where the JPEG blurs a thin line a little;
    the light blue of the sea and the greyer blue of the coasts are not."""
    return b >= 150 and b - r >= 100 and b - g >= 50


def river_pixels(img, pt, boxes):
    """River-blue pixels within RIVER_RADIUS of the point that no box hides."""
    w, h, raw = img
    cx, cy = pt
    n = 0
    for y in range(max(0, int(cy - RIVER_RADIUS)), min(h, int(cy + RIVER_RADIUS) + 1)):
        for x in range(max(0, int(cx - RIVER_RADIUS)), min(w, int(cx + RIVER_RADIUS) + 1)):
            if (x - cx) ** 2 + (y - cy) ** 2 > RIVER_RADIUS ** 2:
                continue
            if any(bx <= x < bx + BOX_W and by <= y < by + BOX_H for bx, by in boxes):
                continue
            i = 3 * (y * w + x)
            if is_river_blue(raw[i], raw[i + 1], raw[i + 2]):
                n += 1
    return n


# A picture at twice the size, scaled back down (each 2 x 2 block of pixels
# averaged), differs from its partner at scale 1 by the root mean square of
# the channels' differences, as a share of full scale: the finer relief, the
# anti-aliasing of thin lines and letters.  Measured over maps, drawings,
# place pictures and skins it stays at or below 0.030 (the most, the world
# map with its country names); the same map moved by one pixel is 0.031 to
# 0.074 away, and a different map or a missing layer much more.
SHARPER_RMSE = 0.04
SKIN_BACKGROUNDS = [f"skora{n}_{what}.jpg" for n in range(1, 8) for what in ("tlo", "test")]


def sharper_name(picture):
    stem, ext = os.path.splitext(picture)
    return f"{stem}@2x{ext}"


def sharper_difference(picture, sharper):
    """The RMSE (0..1) between the picture and the sharper one scaled down."""
    down = subprocess.run([CONVERT, sharper, "-filter", "Box", "-resize", "50%", "png:-"],
                          capture_output=True, check=True).stdout
    p = subprocess.run([CONVERT.replace("convert", "compare"), "-metric", "RMSE", picture, "png:-", "null:"],
                       input=down, capture_output=True)
    text = p.stderr.decode("ascii", "replace")
    try:
        return float(text[text.index("(") + 1:text.index(")")])
    except ValueError:
        return None


def check_sharper(data, pictures, require=True):
    """Every picture's partner at twice the size: there (unless only those
    present are checked), exactly twice as wide and high, and the same
    picture."""
    errs = []
    present = {f.lower(): f for f in os.listdir(data)}
    for pic in pictures:
        big = sharper_name(pic)
        if pic.lower() not in present:
            continue
        if big.lower() not in present:
            if require:
                errs.append(f"{big}: missing")
            continue
        one, two = os.path.join(data, present[pic.lower()]), os.path.join(data, present[big.lower()])
        w, h = jpeg_size(one) or (0, 0)
        size = jpeg_size(two)
        if size != (2 * w, 2 * h):
            errs.append(f"{big}: {size}, not twice {pic}'s {w}x{h}")
            continue
        d = sharper_difference(one, two)
        if d is None or d > SHARPER_RMSE:
            errs.append(f"{big}: scaled down it differs from {pic} by {d} (at most {SHARPER_RMSE})")
    return errs


def all_pictures(data):
    """The pictures of the pack that have a partner at twice the size: the
    tests', the place game's and the skins' backgrounds."""
    import place_pictures
    return ([pic for tests in CATALOGUE.values() for _c, _d, pic in tests]
            + [place_pictures.picture_name(n) for n in range(place_pictures.COUNT)] + SKIN_BACKGROUNDS)


def check_data_dir(data, all_sharper=True):
    errs = []
    present = {f.lower(): f for f in os.listdir(data)}
    for chain, tests in CATALOGUE.items():
        total, complete = 0, True
        for conf, desc, pic in tests:
            have = [x.lower() in present for x in (conf, desc, pic)]
            if not any(have):
                if chain in REQUIRED_CHAINS:
                    errs.append(f"{conf}: missing; every test of chains "
                                f"{', '.join(map(str, REQUIRED_CHAINS))} must be in the pack")
                complete = False
                continue
            if not all(have):
                errs.append(f"{conf}: some of its three files are missing")
                complete = False
                continue
            for x in (conf, desc, pic):
                if present[x.lower()] != x:
                    errs.append(f"{x}: named '{present[x.lower()]}' on disk")
            n = check_test(data, present[conf.lower()], present[desc.lower()], pic, errs)
            if n is None:
                complete = False
            else:
                total += n
        if complete and total != CHAIN_TOTALS[chain]:
            errs.append(f"chain {chain}: {total} markers, must be {CHAIN_TOTALS[chain]}")
    for a in ASSETS:
        if a.lower() not in present:
            errs.append(f"{a}: missing")
    if "czytajto.txt" in present:
        read_dos(os.path.join(data, present["czytajto.txt"]), errs)
    import place_pictures
    errs += place_pictures.check(data)
    errs += check_sharper(data, all_pictures(data), all_sharper)
    return errs


if __name__ == "__main__":
    import argparse
    ap = argparse.ArgumentParser()
    ap.add_argument("data", nargs="?", default=os.path.join(REPO, "data"))
    ap.add_argument("--sharper", choices=("all", "present"), default="all",
                    help="require every picture's partner at twice the size, or check those there")
    ap.add_argument("--differences", action="store_true",
                    help="print how far each sharper picture, scaled down, is from its partner")
    a = ap.parse_args()
    d = a.data
    if a.differences:
        for pic in all_pictures(d):
            one, two = os.path.join(d, pic), os.path.join(d, sharper_name(pic))
            if os.path.exists(one) and os.path.exists(two):
                print(f"{sharper_difference(one, two):.4f}\t{pic}")
    problems = check_data_dir(d, a.sharper == "all")
    for p in problems:
        print(p)
    print("content pack: " + ("FAILED" if problems else "ok"))
    sys.exit(1 if problems else 0)
