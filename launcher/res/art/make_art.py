#!/usr/bin/env python3
"""Draws the launcher's artwork and writes it as BMP, ICO and CUR files beside this script.

Python 3 standard library only; the drawing and file helpers are the utility's
(utility/res/art/make_art.py), so both programs share one look: the same teal, the same hand.
The output is deterministic, so unchanged art gives byte-identical files.

Skin bitmaps are narrow vertical strips used as tiled pattern brushes. The fall of each
background ends at the height of the tallest window it covers in each language set: its size on
Windows, or the size it comes out under Wine with the faces the run command uses, when that is
taller (the Japanese set, in IPA PGothic). Below that the strip goes on in its bottom
colour for a few per cent more only. At 96 and 120 dpi the strip repeats as it is, so it must
span its window; at other resolutions the whole strip is stretched over the window, so anything
below the picture would show as a band of bottom colour (the picture ending two thirds down, as
with the earlier strips that carried half their height again as filler). The width only sets
how often the strip repeats across.
"""

import importlib.util
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
UTILITY_ART = os.path.join(HERE, "..", "..", "..", "utility", "res", "art", "make_art.py")

_utility = importlib.util.spec_from_file_location("utility_art", UTILITY_ART)
art = importlib.util.module_from_spec(_utility)
_utility.loader.exec_module(art)
art.OUT = HERE  # the writers put their files beside this script

STRIP_WIDTH = 8

# The selected tab is filled with this colour, so the page below continues it without an edge.
PAGE_TOP = (248, 248, 246)
# Frame of the main window: a quiet teal-grey that deepens slightly towards the Exit button.
MAIN_TOP = (222, 234, 233)
MAIN_BOTTOM = (184, 212, 210)
# Pages fall to a faint teal; the information page to a faint warm tint.
PAGE_BOTTOM = (226, 238, 236)
INFO_BOTTOM = (238, 234, 224)
# A thin teal line under the tabs' row of the main window, at the top of the frame.
ACCENT = (34, 128, 130)

# Heights in pixels of the windows the strips cover: (English set, Japanese set), below 120 dpi
# and from 120 dpi. English as on Windows (Wine's Tahoma gives the same); Japanese as the windows
# come out in IPA PGothic under Wine (on Windows, in MS PGothic: 484, 581, 400 and 482).
MAIN_HEIGHTS = {"": (531, 516), "_large": (649, 645)}
PAGE_HEIGHTS = {"": (435, 427), "_large": (534, 537)}
# Bottom colour below the fall, in per cent of the height: room for a window a little taller
# than measured, and too little to be seen when the strip is stretched.
MARGIN_PERCENT = 3


def strip(height, top, bottom, flat=0.55, accent_rows=0):
    """Flat upper part, then a smooth fall to `bottom` that ends at `height`, then `bottom` for
    a few rows more; optional accent rows at the very top."""
    start = int(height * flat)
    rows = []
    for y in range(height + height * MARGIN_PERCENT // 100):
        t = 0.0 if y < start else min(1.0, (y - start) / max(1, height - 1 - start))
        t = t * t * (3 - 2 * t)
        rgb = tuple(art.clamp(v) for v in art.mix(top, bottom, t))
        if y < accent_rows:
            rgb = tuple(art.clamp(v) for v in art.mix(ACCENT, top, y / accent_rows))
        rows.append([rgb] * STRIP_WIDTH)
    return rows


def bmp_8_exact(rows):
    """256-colour bitmap whose palette holds the picture's own colours (at most 256), so a
    smooth fall stays smooth instead of being dithered over a fixed cube."""
    colours = []
    index = {}
    for row in rows:
        for p in row:
            if p not in index:
                index[p] = len(colours)
                colours.append(p)
    if len(colours) > 256:
        raise ValueError("more than 256 colours")
    h, w = len(rows), len(rows[0])
    stride = (w + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray(index[p] for p in row)
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(data), 3780, 3780,
                         len(colours), len(colours))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    return header + palette, data


def disc_icon(size):
    """A disc seen from the front: silver with a teal label ring and the centre hole."""
    c = art.Canvas(size, size)
    s = size / 32.0
    cx = cy = 16 * s
    c.shape(art.circle(cx, cy, 14.5 * s), (178, 188, 194))
    c.shape(art.circle(cx, cy, 13.5 * s),
            lambda x, y: art.mix((236, 242, 244), (196, 208, 214), (x + y) / (2 * size)))
    c.shape(art.ring(cx, cy, 5.2 * s, 9.2 * s),
            lambda x, y: art.mix(art.SCREEN_TOP, art.SCREEN_BOTTOM, y / size))
    c.shape(art.ring(cx, cy, 2.6 * s, 5.2 * s), (226, 232, 234))
    shine = art.polygon([(6 * s, 8 * s), (12 * s, 4 * s), (15 * s, 10 * s), (10 * s, 13 * s)])
    c.shape(lambda x, y: shine(x, y) and not art.circle(cx, cy, 9.2 * s)(x, y),
            (255, 255, 255))
    return c


def main():
    art.write_ico("launcher.ico", [disc_icon(n) for n in (16, 32, 48)])
    art.write_cur("link_hand.cur", art.hand_cursor(), (6, 0))
    for suffix, (en, ja) in MAIN_HEIGHTS.items():
        for lang, height in (("en", en), ("ja", ja)):
            rows = strip(height, MAIN_TOP, MAIN_BOTTOM, flat=0.35, accent_rows=3)
            name = "main%s_%s.bmp" % (suffix, lang)
            # Below 120 dpi the main skin is true colour; the large one has 256 colours.
            art.write_bmp(name, bmp_8_exact(rows) if suffix else art.bmp_24(rows))
    for suffix, (en, ja) in PAGE_HEIGHTS.items():
        for lang, height in (("en", en), ("ja", ja)):
            art.write_bmp("page%s_%s.bmp" % (suffix, lang),
                          art.bmp_24(strip(height, PAGE_TOP, PAGE_BOTTOM)))
            art.write_bmp("info%s_%s.bmp" % (suffix, lang),
                          art.bmp_24(strip(height, PAGE_TOP, INFO_BOTTOM)))


if __name__ == "__main__":
    main()
