#!/usr/bin/env python3
"""Draws the utility's artwork and writes it as BMP, ICO and CUR files beside this script.

Python 3 standard library only. Shapes are drawn with 4 x 4 supersampling so that edges are
smooth at the small sizes Windows shows them. Run it again after changing a shape; the output
is deterministic, so unchanged art gives byte-identical files.
"""

import math
import os
import struct

OUT = os.path.dirname(os.path.abspath(__file__))

# Flat upper colour of every page background. Controls that paint with the page brush from
# their own origin show the top rows of the bitmap, so the upper part stays one colour and
# the pictures that sit on the pages use the same colour as their own background.
PAGE_TOP = (247, 247, 243)
SS = 4  # supersampling factor per axis


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(len(a)))


class Canvas:
    """RGBA canvas, 0..255 floats, origin top left."""

    def __init__(self, w, h, fill=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.px = [list(fill) for _ in range(w * h)]

    def get(self, x, y):
        return self.px[y * self.w + x]

    def blend(self, x, y, rgb, alpha):
        """Source-over of colour rgb with coverage alpha (0..1)."""
        if alpha <= 0:
            return
        d = self.px[y * self.w + x]
        da = d[3] / 255.0
        oa = alpha + da * (1 - alpha)
        if oa <= 0:
            return
        for i in range(3):
            d[i] = (rgb[i] * alpha + d[i] * da * (1 - alpha)) / oa
        d[3] = oa * 255.0

    def shape(self, inside, colour):
        """Fills the shape given by inside(x, y) (pixel-space floats) with colour.

        colour is an RGB tuple or a function (x, y) -> RGB."""
        for y in range(self.h):
            for x in range(self.w):
                hits = 0
                for sy in range(SS):
                    for sx in range(SS):
                        if inside(x + (sx + 0.5) / SS, y + (sy + 0.5) / SS):
                            hits += 1
                if hits:
                    rgb = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                    self.blend(x, y, rgb, hits / (SS * SS))

    def flatten(self, background):
        """Returns RGB rows with the canvas laid over a plain background."""
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.get(x, y)
                t = a / 255.0
                row.append(tuple(clamp(background[i] * (1 - t) + (r, g, b)[i] * t)
                                 for i in range(3)))
            rows.append(row)
        return rows


# ---- shapes -------------------------------------------------------------------------------

def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r0, r1):
    return lambda x, y: r0 * r0 <= (x - cx) ** 2 + (y - cy) ** 2 <= r1 * r1


def segment(ax, ay, bx, by, half_width):
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        px, py = ax + t * dx, ay + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half_width * half_width
    return inside


def polygon(points):
    def inside(x, y):
        c = False
        n = len(points)
        for i in range(n):
            x0, y0 = points[i]
            x1, y1 = points[(i + 1) % n]
            if (y0 > y) != (y1 > y) and x < (x1 - x0) * (y - y0) / (y1 - y0) + x0:
                c = not c
        return c
    return inside


def grey(rgb, lighten=0.25):
    """Desaturated and lightened copy, for the disabled and no-monitor variants."""
    luma = 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]
    v = luma + (255 - luma) * lighten
    return (v, v, v)


def grey_rows(rows, lighten=0.25):
    return [[tuple(clamp(c) for c in grey(p, lighten)) for p in row] for row in rows]


# ---- file writers -------------------------------------------------------------------------

def bmp_24(rows):
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    return header, data


# 6 x 6 x 6 colour cube: the colours a 256-colour display's halftone palette holds, so the
# pictures for screens of fewer than 16 bits per pixel look the same once the system maps them.
CUBE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def bmp_8(rows):
    """256-colour bitmap over the colour cube, ordered-dithered."""
    h, w = len(rows), len(rows[0])
    stride = (w + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(w):
            t = (BAYER4[y % 4][x % 4] + 0.5) / 16 - 0.5
            r, g, b = (min(5, max(0, int(round((c + t * 51) / 51)))) for c in rows[y][x])
            line.append(r * 36 + g * 6 + b)
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(data), 3780, 3780,
                         len(CUBE), len(CUBE))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in CUBE)
    return header + palette, data


def write_bmp(name, header_and_data):
    header, data = header_and_data
    offset = 14 + len(header)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset))
        f.write(header)
        f.write(data)


def dib_32(canvas):
    """Icon image: 32-bit BGRA with alpha, followed by the 1-bit AND mask."""
    w, h = canvas.w, canvas.h
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = canvas.get(x, y)
            xor += bytes((clamp(b), clamp(g), clamp(r), clamp(a)))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(w):
            if canvas.get(x, y)[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def write_ico(name, canvases):
    images = [dib_32(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, img in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    for img in images:
        out += img
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(out)


def write_cur(name, art, hotspot):
    """Monochrome 32 x 32 cursor from rows of '.', '#' (black) and 'o' (white)."""
    w = h = 32
    rows = [r.ljust(w, ".") for r in art] + ["." * w] * (h - len(art))
    xor = bytearray()
    andm = bytearray()
    for y in range(h - 1, -1, -1):
        xb, ab = bytearray(4), bytearray(4)
        for x in range(w):
            ch = rows[y][x]
            if ch == ".":
                ab[x // 8] |= 0x80 >> (x % 8)
            elif ch == "o":
                xb[x // 8] |= 0x80 >> (x % 8)
        xor += xb
        andm += ab
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, len(xor) + len(andm), 0, 0, 2, 2)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    img = header + palette + xor + andm
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", w, h, 2, 0, hotspot[0], hotspot[1], len(img), 6 + 16)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(out + img)


# ---- the program icon ---------------------------------------------------------------------

BEZEL = (52, 64, 74)
SCREEN_TOP = (96, 196, 188)
SCREEN_BOTTOM = (34, 128, 130)
STAND = (88, 100, 110)
SHINE = (255, 255, 255)


def program_icon(size, colour):
    """A rounded monitor with a teal screen; the grey variant is the same picture desaturated.
    The screen's highlight is drawn at full strength and then mixed back to a faint veil."""
    plain = Canvas(size, size)
    s = size / 32.0
    paint = (lambda rgb: rgb) if colour else (lambda rgb: grey(rgb, 0.15))
    top, bottom = 5.5 * s, 21 * s

    def screen(x, y):
        return paint(mix(SCREEN_TOP, SCREEN_BOTTOM, (y - top) / (bottom - top)))
    plain.shape(rounded_rect(1.5 * s, 3 * s, 30.5 * s, 23.5 * s, 3.2 * s), paint(BEZEL))
    plain.shape(rounded_rect(4 * s, top, 28 * s, bottom, 1.4 * s), screen)
    shine = polygon([(4 * s, top), (18 * s, top), (4 * s, 15 * s)])
    screen_area = rounded_rect(4 * s, top, 28 * s, bottom, 1.4 * s)
    plain.shape(lambda x, y: shine(x, y) and screen_area(x, y), paint(SHINE))
    # The shine was laid at full strength; pull it back towards the screen colour.
    veiled = Canvas(size, size)
    veiled.shape(rounded_rect(1.5 * s, 3 * s, 30.5 * s, 23.5 * s, 3.2 * s), paint(BEZEL))
    veiled.shape(rounded_rect(4 * s, top, 28 * s, bottom, 1.4 * s), screen)
    for i in range(size * size):
        p, q = plain.px[i], veiled.px[i]
        plain.px[i] = [q[k] + (p[k] - q[k]) * 0.22 for k in range(3)] + [max(p[3], q[3])]
    plain.shape(rounded_rect(13 * s, 23.5 * s, 19 * s, 27.5 * s, 0.6 * s), paint(STAND))
    plain.shape(rounded_rect(8 * s, 26.5 * s, 24 * s, 29.5 * s, 1.4 * s), paint(BEZEL))
    return plain


# ---- link cursor --------------------------------------------------------------------------

def hand_cursor():
    """A pointing hand: the union of finger, thumb and palm blocks, white with a black
    outline, and short black creases between the fingers."""
    w = h = 32
    parts = [
        (5, 0, 8, 14),    # index finger
        (8, 6, 11, 14),   # middle finger
        (11, 7, 14, 14),  # ring finger
        (14, 8, 17, 15),  # little finger
        (1, 11, 5, 15),   # thumb
        (3, 14, 5, 17),
        (5, 13, 17, 20),  # palm
        (6, 20, 16, 23),  # heel of the hand
    ]
    inside = [[False] * w for _ in range(h)]
    for x0, y0, x1, y1 in parts:
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                inside[y][x] = True
    # Round the finger tips and the thumb.
    for x, y in [(5, 0), (8, 0), (8, 6), (11, 6), (11, 7), (14, 7), (14, 8), (17, 8), (1, 11),
                 (17, 20), (5, 20), (6, 23), (16, 23)]:
        inside[y][x] = False
    rows = []
    for y in range(h):
        row = ""
        for x in range(w):
            if not inside[y][x]:
                row += "."
                continue
            edge = any(not (0 <= x + dx < w and 0 <= y + dy < h and inside[y + dy][x + dx])
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            row += "#" if edge else "o"
        rows.append(row)
    for x, y0, y1 in [(8, 7, 12), (11, 8, 12), (14, 9, 12)]:
        for y in range(y0, y1 + 1):
            rows[y] = rows[y][:x] + "#" + rows[y][x + 1:]
    return rows


# ---- page backgrounds ---------------------------------------------------------------------

PAGE_TINTS = {
    # page: the colour its background falls to at the bottom
    "color": (226, 234, 232),      # colour page: a hint of teal
    "color_sub": (230, 232, 226),  # colour adjustment dialog: neutral warm grey
    "auto": (234, 230, 220),       # application modes: a hint of amber
    "sound": (224, 230, 238),      # sound page: a hint of blue
    "eyecare": (226, 234, 224),    # EyeCare: a hint of green
    "filter": (232, 228, 236),     # EyeCare Filter: a hint of lavender
}


def page_background(bottom, height, width=4):
    """Flat upper part, then a gentle fall towards the page's tint at the bottom."""
    flat = int(height * 0.62)
    rows = []
    for y in range(height):
        t = 0.0 if y < flat else (y - flat) / (height - 1 - flat)
        t = t * t * (3 - 2 * t)  # smoothstep: no visible edge where the fall starts
        rgb = tuple(clamp(v) for v in mix(PAGE_TOP, bottom, t))
        rows.append([rgb] * width)
    return rows


# ---- colour temperature pictures ----------------------------------------------------------

WARM = (255, 160, 70)
NEUTRAL = (252, 250, 244)
COOL = (120, 170, 255)


def temperature_strip(w=216, h=22, user=False):
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            t = x / (w - 1)
            rgb = mix(WARM, NEUTRAL, t * 2) if t < 0.5 else mix(NEUTRAL, COOL, (t - 0.5) * 2)
            row.append(rgb)
        rows.append(row)
    # Ticks along the lower edge, one per preset step.
    for i in range(25):
        x = int(round(2 + i * (w - 5) / 24))
        for y in range(h - 5, h - 1):
            rows[y][x] = mix(rows[y][x], (60, 60, 60), 0.55)
    if user:
        # User colour: the right end turns into three soft red, green and blue bands.
        bands = [(230, 70, 70), (70, 180, 90), (70, 110, 230)]
        x0 = int(w * 0.72)
        for y in range(h):
            band = bands[min(2, y * 3 // h)]
            for x in range(x0, w):
                t = min(1.0, (x - x0) / (w * 0.12))
                rows[y][x] = mix(rows[y][x], band, 0.85 * t)
    return [[tuple(clamp(c) for c in p) for p in row] for row in rows]


# ---- small pictures beside the sliders ----------------------------------------------------

ICON_SIZE = 20


def feature_icon(kind, enabled=True):
    c = Canvas(ICON_SIZE, ICON_SIZE)
    paint = (lambda rgb: rgb) if enabled else (lambda rgb: grey(rgb, 0.45))
    c.shape(rounded_rect(0.5, 0.5, 19.5, 19.5, 3.5), paint((255, 255, 255)))
    frame = rounded_rect(0.5, 0.5, 19.5, 19.5, 3.5)
    inner = rounded_rect(1.5, 1.5, 18.5, 18.5, 2.5)
    c.shape(lambda x, y: frame(x, y) and not inner(x, y), paint((170, 176, 170)))
    if kind == "brightness":
        sun = (240, 170, 30)
        c.shape(circle(10, 10, 3.6), paint(sun))
        for i in range(8):
            a = i * math.pi / 4
            c.shape(segment(10 + 5.2 * math.cos(a), 10 + 5.2 * math.sin(a),
                            10 + 7.2 * math.cos(a), 10 + 7.2 * math.sin(a), 0.8), paint(sun))
    elif kind == "contrast":
        c.shape(circle(10, 10, 6.5), paint((40, 44, 48)))
        c.shape(lambda x, y: circle(10, 10, 5.3)(x, y) and x < 10, paint((255, 255, 255)))
    elif kind == "gamma":
        teal = (30, 130, 130)
        c.shape(segment(4, 16, 16, 16, 0.6), paint((150, 150, 150)))
        c.shape(segment(4, 16, 4, 4, 0.6), paint((150, 150, 150)))
        pts = [(4 + 12 * t, 16 - 12 * t ** 2.2) for t in [i / 12 for i in range(13)]]
        for (ax, ay), (bx, by) in zip(pts, pts[1:]):
            c.shape(segment(ax, ay, bx, by, 1.0), paint(teal))
    else:
        rgb = {"red": (220, 50, 50), "green": (40, 170, 70), "blue": (50, 90, 220),
               "gain_off": (150, 150, 150)}[kind]
        c.shape(circle(10, 10, 6), paint(rgb))
        c.shape(circle(8, 8, 2.2), paint(mix(rgb, (255, 255, 255), 0.6)))
    return c.flatten(PAGE_TOP)


def monitor_picture(w=44, h=36):
    """Picture of the colour page: a monitor showing colour bars."""
    c = Canvas(w, h)
    c.shape(rounded_rect(1, 1, 43, 28, 2.5), BEZEL)
    bars = [(235, 235, 235), (235, 220, 60), (60, 200, 210), (70, 190, 80), (200, 70, 190),
            (220, 60, 60), (60, 80, 210)]
    for i, rgb in enumerate(bars):
        x0 = 3.5 + i * 37 / 7
        c.shape(lambda x, y, x0=x0: x0 <= x < x0 + 37 / 7 and 3.5 <= y <= 25.5, rgb)
    c.shape(rounded_rect(18, 28, 26, 32, 0.5), STAND)
    c.shape(rounded_rect(12, 31.5, 32, 34.5, 1.2), BEZEL)
    return c.flatten(PAGE_TOP)


def speaker_picture(w=44, h=36):
    """Picture of the sound page: a speaker with sound waves."""
    c = Canvas(w, h)
    body = (60, 72, 82)
    c.shape(rounded_rect(5, 13, 13, 23, 1.2), body)
    c.shape(polygon([(12, 13), (21, 5), (21, 31), (12, 23)]), body)
    wave = (34, 128, 130)
    for r in (6, 10.5, 15):
        arc = ring(21, 18, r - 1.1, r + 1.1)
        c.shape(lambda x, y, arc=arc, r=r: arc(x, y) and x > 23 and abs(y - 18) < (x - 21) * 1.3,
                wave)
    return c.flatten(PAGE_TOP)


def main():
    write_ico("program.ico", [program_icon(n, True) for n in (16, 32, 48)])
    write_ico("program_grey.ico", [program_icon(n, False) for n in (16, 32, 48)])
    write_cur("link_hand.cur", hand_cursor(), (6, 0))

    for name, tint in PAGE_TINTS.items():
        write_bmp("page_%s.bmp" % name, bmp_24(page_background(tint, 400)))
        write_bmp("page_%s_large.bmp" % name, bmp_24(page_background(tint, 500)))

    preset = temperature_strip(user=False)
    user = temperature_strip(user=True)
    for name, rows in [("temp_user", user), ("temp_preset", preset),
                       ("temp_user_off", grey_rows(user, 0.35)),
                       ("temp_preset_off", grey_rows(preset, 0.35))]:
        write_bmp(name + ".bmp", bmp_24(rows))
        write_bmp(name + "_256.bmp", bmp_8(rows))

    for kind in ("brightness", "contrast", "gamma"):
        write_bmp("icon_%s.bmp" % kind, bmp_24(feature_icon(kind)))
        write_bmp("icon_%s_off.bmp" % kind, bmp_24(feature_icon(kind, enabled=False)))
    for kind in ("red", "green", "blue"):
        write_bmp("icon_%s.bmp" % kind, bmp_24(feature_icon(kind)))
    write_bmp("icon_gain_off.bmp", bmp_24(feature_icon("gain_off", enabled=False)))

    write_bmp("picture_monitor.bmp", bmp_24(monitor_picture()))
    write_bmp("picture_speaker.bmp", bmp_24(speaker_picture()))


if __name__ == "__main__":
    main()
