"""The Valley of the Kings near Luxor, looking up the valley floor: the
Theban hills close in on both sides in bare, layered limestone cliffs over
fans of pale rubble, and above them rises al-Qurn, the natural pyramid of
a peak that watched over the pharaohs' tombs.  Square dark doorways of the
tombs are cut into the foot of the cliffs, each with a walled cutting and
steps going down, and visitors walk the paths between them under a hot,
hazy sky."""
import random

from parts import Pic, sky, sun, shade, tint, haze, num, smooth, profile, person

NAME = "Dolina Królów - Egipt"

ROCK = "#dcb27a"
ROCK_LIT = "#ecc892"
ROCK_SHADE = "#b2824f"
RUBBLE = "#e6cfa4"
HOLE = "#2e241c"
AIR = "#f1e6d2"


def strata(p, clip_d, y0, y1, seed, colour, step=9):
    """The horizontal beds of the limestone, broken and uneven."""
    rng = random.Random(seed)
    clip = p.clip_path(clip_d)
    y = y0
    while y < y1:
        pts = []
        for x in range(-10, 620, 30):
            pts.append((x, y + rng.uniform(-2.5, 2.5)))
        p.path(smooth(pts), "none", stroke=colour, stroke_width=float(rng.uniform(1, 2.4)),
               opacity=0.5, clip_path=clip)
        y += step * rng.uniform(0.7, 1.3)


def tomb(p, x, y, w, wall=True):
    """A tomb's doorway in the cliff foot, the cutting walled with stone
    and the steps going down into it."""
    h = w * 1.05
    if wall:
        p.poly([(x - w * 0.9, y + 4), (x + w * 1.9, y + 4), (x + w * 1.7, y + w * 0.7), (x - w * 0.7, y + w * 0.7)],
               "#cfae7c")
        p.rect(x - w * 0.9, y - 2, w * 2.8, 6, tint("#cfae7c", 0.25))
    p.rect(x - w * 0.12, y - h - w * 0.12, w * 1.24, h + w * 0.12, tint(ROCK, 0.2))
    p.rect(x, y - h, w, h, HOLE)
    for k in range(4):
        yy = y - h * 0.1 - k * h * 0.14
        p.rect(x + w * 0.1, yy, w * 0.8, 1.4, "#6b5440")
    p.rect(x + w * 1.25, y - h * 0.9, w * 0.4, w * 0.3, "#f4eee2")
    p.rect(x + w * 1.42, y - h * 0.6, 1.2, h * 0.6, "#6b6b6b")


def draw():
    p = Pic()
    sky(p, "#5d9fd6", AIR, 0, 420, mid="#b9d6ea")
    sun(p, 92, 70, 22, glow="#fff4cf", strength=0.7)

    # the plateau of the Theban hills closing the valley's head
    plateau = [(-10, 292), (60, 288), (120, 294), (480, 294), (540, 288), (610, 292)]
    p.poly(plateau + [(610, 480), (-10, 480)], haze(ROCK, 0.3, AIR))
    # al-Qurn, the natural pyramid on top of it: lit face left, shade right
    apex = (300, 138)
    left_face = [(110, 298), (140, 288), (168, 282), (182, 268), (200, 262), (212, 240), (230, 232),
                 (244, 206), (258, 198), (270, 176), (284, 164), (292, 146), apex]
    right_face = [apex, (306, 142), (318, 162), (330, 168), (346, 196), (362, 204), (376, 228),
                  (396, 240), (412, 262), (436, 272), (462, 288), (500, 298)]
    far = haze(ROCK, 0.28, AIR)
    p.poly(left_face + right_face + [(500, 300), (110, 300)], far)
    p.poly([apex] + right_face[1:] + [(500, 300), (330, 300)], haze(ROCK_SHADE, 0.3, AIR))
    p.poly([apex, (292, 146), (284, 164), (270, 176), (258, 198), (286, 300), (330, 300)], haze(ROCK, 0.2, AIR))
    # gullies of scree running down the faces
    for x0, y0, x1 in ((270, 178, 246), (246, 208, 214), (322, 166, 352), (350, 200, 392), (300, 150, 306)):
        p.line([(x0, y0), ((x0 + x1) / 2 + 4, (y0 + 300) / 2), (x1, 300)], haze(ROCK_SHADE, 0.4, AIR), 2.5,
               opacity=0.6)
    strata(p, "M" + " L".join(f"{x},{y}" for x, y in left_face + right_face) + " L500,300 L110,300 Z",
           150, 300, 301, haze(ROCK_SHADE, 0.35, AIR), step=11)
    strata(p, "M-10,292 L610,292 L610,480 L-10,480 Z", 296, 480, 302, haze(ROCK_SHADE, 0.3, AIR), step=10)

    # the near cliffs: flat tops, sheer faces, beds of limestone
    left = [(-10, 196), (70, 192), (118, 200), (126, 236), (138, 244), (146, 300), (160, 310), (170, 380),
            (190, 470), (-10, 470)]
    p.poly(left, ROCK)
    p.poly([(118, 200), (126, 236), (138, 244), (146, 300), (160, 310), (170, 380), (190, 470), (100, 470),
            (96, 300), (104, 236)], ROCK_SHADE)
    strata(p, "M" + " L".join(f"{x},{y}" for x, y in left) + " Z", 198, 470, 304, shade(ROCK_SHADE, 0.25), step=11)
    right = [(610, 206), (530, 204), (488, 212), (480, 250), (468, 258), (460, 312), (448, 320), (438, 390),
             (420, 470), (610, 470)]
    p.poly(right, ROCK_LIT)
    p.poly([(488, 212), (480, 250), (468, 258), (460, 312), (448, 320), (438, 390), (420, 470), (470, 470),
            (478, 320), (486, 258)], tint(ROCK_LIT, 0.2))
    strata(p, "M" + " L".join(f"{x},{y}" for x, y in right) + " Z", 206, 470, 305, ROCK_SHADE, step=11)
    # rubble fans at the foot of the cliffs
    p.path(smooth([(-10, 370), (90, 372), (160, 400), (220, 440), (270, 456)]) + " L270,600 L-10,600 Z",
           tint(RUBBLE, 0.05))
    p.path(smooth([(330, 456), (400, 430), (460, 398), (540, 380), (610, 378)]) + " L610,600 L330,600 Z",
           RUBBLE)
    # the valley floor and its paths
    p.path("M-10,452 Q300,424 610,448 L610,600 L-10,600 Z", "#e9d4ab")
    p.path("M282,436 Q296,434 318,436 L420,600 L150,600 Z", "#f2e2c2")
    p.path("M300,470 Q360,480 520,520 L520,530 Q360,492 296,480 Z", "#f2e2c2")
    rng = random.Random(306)
    for _ in range(60):
        x, y = rng.uniform(0, 600), rng.uniform(440, 600)
        r = 1 + (y - 440) / 160 * 4 * rng.random()
        p.ellipse(x, y, r * 1.6, r, "#c9ab7c", opacity=0.7)

    # the tomb doorways at the foot of the cliffs, nearer ones bigger
    tomb(p, 96, 414, 26)
    tomb(p, 196, 430, 14, wall=False)
    tomb(p, 448, 428, 30)
    tomb(p, 380, 432, 12, wall=False)
    tomb(p, 24, 400, 18, wall=False)
    # visitors on the paths
    for x, y, h, c in ((300, 452, 8, "#3a5a8a"), (308, 455, 8, "#c84a3a"), (262, 500, 13, "#4a4a5a"),
                       (350, 520, 16, "#f2f2f2"), (366, 524, 16, "#2f6a5a"), (230, 580, 24, "#6a3f3a"),
                       (480, 520, 14, "#d9a030")):
        person(p, x, y, h, c)
    # a tourist's sunshade
    p.circle(234, 548, 14, "#f4f4f0", clip_path=p.clip_rect(210, 530, 50, 18))
    return p.svg()
