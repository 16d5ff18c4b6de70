"""Giza: the three great pyramids in the desert under a hot sky, the
Sphinx lying in front of them, a few palms and a camel."""
from parts import Pic, sky, sun, cloud, palm, shade, tint, haze, num, profile

NAME = "Egipt - Giza"

SAND = "#e8c27a"
SAND_SHADE = "#c99a54"
LIT = "#efc985"
SHADOW = "#b7834a"


def pyramid(p, apex_x, apex_y, base_y, half_l, half_r, lit, dark, courses=True):
    """A pyramid seen at an angle: its lit left face and shaded right face."""
    split = apex_x + (half_r - half_l) * 0.25
    p.poly([(apex_x, apex_y), (apex_x - half_l, base_y), (split, base_y)], lit)
    p.poly([(apex_x, apex_y), (split, base_y), (apex_x + half_r, base_y)], dark)
    if courses:
        h = base_y - apex_y
        for k in range(1, 14):
            t = k / 14
            y = apex_y + h * t
            p.line([(apex_x - half_l * t, y), (apex_x + (split - apex_x) * t, y)], shade(lit, 0.12), 1.0,
                   opacity=0.6)
            p.line([(apex_x + (split - apex_x) * t, y), (apex_x + half_r * t, y)], shade(dark, 0.15), 1.0,
                   opacity=0.6)


def sphinx(p):
    """The Sphinx from the side: a lion lying with its front paws stretched
    out, the head raised in the striped royal headdress."""
    body = "#d9a865"
    body_shade = "#a8773f"
    # rump, back and chest, then the paws reaching forward
    p.path("M96,522 Q92,484 126,470 Q180,456 250,452 L300,450 Q318,470 316,492 L400,500 "
           "Q414,506 410,522 Z", body)
    p.path("M96,522 Q100,500 130,498 L390,508 Q410,510 410,522 Z", body_shade)
    p.path("M300,470 Q330,470 340,494 L316,494 Z", body_shade, opacity=0.6)
    p.path("M104,500 Q92,514 70,516 L70,522 L104,522 Z", body_shade)
    # the headdress falling to the shoulders, striped
    head = "M256,452 L262,404 Q270,380 296,382 Q314,386 318,404 L320,420 L316,424 L318,440 L306,444 L300,452 Z"
    p.path(head, "#d2a263")
    clip = p.clip_path(head)
    p.open("g", clip_path=clip)
    for k in range(8):
        p.rect(250, 392 + k * 8, 46, 3.5, body_shade)
    p.close()
    # the face on the right of the headdress
    p.path("M296,392 Q314,388 318,404 L322,418 L316,424 L318,440 L302,446 Q292,420 296,392 Z", "#cf9d60")
    p.path("M306,404 L314,404 L312,408 L306,408 Z", "#6b4a2b")
    p.path("M302,446 L318,440 L316,448 L304,452 Z", body_shade)


def camel(p, x, y, s, colour="#9a6a3a"):
    p.path(f"M{num(x)},{num(y - 30 * s)} Q{num(x + 8 * s)},{num(y - 52 * s)} "
           f"{num(x + 18 * s)},{num(y - 36 * s)} "
           f"Q{num(x + 26 * s)},{num(y - 50 * s)} {num(x + 36 * s)},{num(y - 32 * s)} "
           f"L{num(x + 44 * s)},{num(y - 48 * s)} L{num(x + 52 * s)},{num(y - 46 * s)} "
           f"L{num(x + 42 * s)},{num(y - 26 * s)} "
           f"Q{num(x + 20 * s)},{num(y - 20 * s)} {num(x)},{num(y - 24 * s)} Z", colour)
    for dx in (4, 10, 28, 34):
        p.rect(x + dx * s, y - 24 * s, 2.5 * s, 24 * s, colour)


def draw():
    p = Pic()
    sky(p, "#4d9ad6", "#fbe3b5", 0, 470, mid="#a7cde8")
    sun(p, 500, 90, 30, colour="#fffbe8", glow="#fff0c0", strength=0.7)
    cloud(p, 150, 90, 110, seed=81, opacity=0.6)
    profile(p, [(-10, 455), (200, 450), (400, 452), (610, 448)], haze(SAND, 0.3), bottom=600)

    pyramid(p, 470, 270, 460, 150, 150, haze(LIT, 0.25), haze(SHADOW, 0.25))       # Menkaure's, far
    pyramid(p, 300, 80, 470, 250, 230, haze(LIT, 0.1), haze(SHADOW, 0.1))          # Khafre's, with its cap
    p.poly([(300, 80), (272, 136), (316, 136)], "#f3e3c1")
    p.poly([(300, 80), (316, 136), (326, 136)], "#d8c49c")
    pyramid(p, 110, 150, 480, 250, 220, LIT, SHADOW)                               # Khufu's, nearest
    # small queens' pyramids in front of the last one
    for x in (500, 548, 590):
        pyramid(p, x, 430, 470, 22, 22, LIT, SHADOW, courses=False)

    # the desert floor with dunes
    p.rect(0, 470, 600, 130, p.linear([(0, SAND), (1, "#d7a862")]))
    p.path("M-10,540 Q150,500 320,535 T610,520 L610,600 L-10,600 Z", tint(SAND, 0.15))
    p.path("M-10,580 Q200,550 380,575 T610,565 L610,600 L-10,600 Z", SAND_SHADE, opacity=0.6)
    sphinx(p)
    palm(p, 560, 520, 120, lean=-0.12)
    palm(p, 520, 530, 90, lean=0.1)
    camel(p, 420, 560, 1.1)
    return p.svg()
