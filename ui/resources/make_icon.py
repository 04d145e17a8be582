#!/usr/bin/env python3
"""Draws the program icon MAINICON.png: a 32x32, 16-colour picture of a small board in the
opening position; and the same design for the desktop's menus, smooth, at 48, 64, 128 and 256
pixels and as a scalable picture, named by the application id.

    ui/resources/make_icon.py [MAINICON folder, default: this script's folder]
                              [desktop icon folder, default: data/icons of the source tree]
"""

import struct
import sys
import zlib
from pathlib import Path

SIZE = 32
CELL = 8
PALETTE = [
    (0, 0, 0),        # 0 black: frame, grid, black discs
    (255, 255, 255),  # 1 white discs
    (0, 128, 128),    # 2 the board's teal
    (0, 160, 160),    # 3 light on the board's upper left
    (96, 96, 96),     # 4 the rim of a black disc
    (200, 200, 200),  # 5 the rim of a white disc
]
PALETTE += [(0, 0, 0)] * (16 - len(PALETTE))


def disc_pixels(column, row):
    """The pixels of a disc in one 8x8 square, with the squares counted from 0."""
    cx, cy = column * CELL + 4, row * CELL + 4
    for y in range(row * CELL, (row + 1) * CELL):
        for x in range(column * CELL, (column + 1) * CELL):
            d2 = (x - cx + 0.5) ** 2 + (y - cy + 0.5) ** 2
            if d2 <= 2.6**2:
                yield x, y, d2 > 1.8**2


def draw():
    pixels = [[3 if x + y < 20 else 2 for x in range(SIZE)] for y in range(SIZE)]
    for i in range(SIZE):
        for line in (0, CELL, 2 * CELL, 3 * CELL, SIZE - 1):
            pixels[line][i] = 0
            pixels[i][line] = 0
    for column, row, colour in ((1, 1, 1), (2, 2, 1), (2, 1, 0), (1, 2, 0)):
        for x, y, rim in disc_pixels(column, row):
            pixels[y][x] = (5 if rim else 1) if colour == 1 else (4 if rim else 0)
    return pixels


def png(pixels):
    """An indexed PNG with 4 bits per pixel."""

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    rows = b""
    for row in pixels:
        rows += b"\0" + bytes((row[x] << 4) | row[x + 1] for x in range(0, SIZE, 2))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0)
    palette = b"".join(bytes(rgb) for rgb in PALETTE)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


APP_ID = "org.kurobi.Kurobi"
DESKTOP_SIZES = (48, 64, 128, 256)
SAMPLES = 4  # per pixel and axis: the smooth icons are the share of each pixel a shape covers
DISCS = ((1, 1, 1), (2, 2, 1), (2, 1, 0), (1, 2, 0))


def colour_at(u, v):
    """The design's colour index at a point given in the 32-pixel icon's units."""
    if u < 1 or v < 1 or u >= SIZE - 1 or v >= SIZE - 1:
        return 0
    if any(line <= u < line + 1 or line <= v < line + 1 for line in (CELL, 2 * CELL, 3 * CELL)):
        return 0
    for column, row, colour in DISCS:
        d2 = (u - column * CELL - 4) ** 2 + (v - row * CELL - 4) ** 2
        if d2 <= 2.6**2:
            rim = d2 > 1.8**2
            return (5 if rim else 1) if colour == 1 else (4 if rim else 0)
    return 3 if u + v < 20 else 2


def draw_smooth(size):
    """RGB rows of the design at `size` pixels, each pixel the mean of its samples."""
    scale = SIZE / size
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x + (sx + 0.5) / SAMPLES) * scale
                    v = (y + (sy + 0.5) / SAMPLES) * scale
                    rgb = PALETTE[colour_at(u, v)]
                    total = [t + c for t, c in zip(total, rgb)]
            row.append(tuple(round(t / SAMPLES**2) for t in total))
        rows.append(row)
    return rows


def png_rgb(rows):
    """A true-colour PNG with 8 bits a channel."""

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    data = b"".join(b"\0" + bytes(c for rgb in row for c in rgb) for row in rows)
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(data, 9)) + chunk(b"IEND", b""))


def svg():
    """The design as shapes in the 32-pixel icon's units."""
    hex_of = ["#%02x%02x%02x" % PALETTE[i] for i in range(6)]
    shapes = [
        f'<rect width="32" height="32" fill="{hex_of[0]}"/>',
        f'<rect x="1" y="1" width="30" height="30" fill="{hex_of[2]}"/>',
        f'<polygon points="1,1 19,1 1,19" fill="{hex_of[3]}"/>',
    ]
    for line in (CELL, 2 * CELL, 3 * CELL):
        shapes.append(f'<rect x="{line}" y="1" width="1" height="30" fill="{hex_of[0]}"/>')
        shapes.append(f'<rect x="1" y="{line}" width="30" height="1" fill="{hex_of[0]}"/>')
    for column, row, colour in DISCS:
        rim, face = (hex_of[5], hex_of[1]) if colour == 1 else (hex_of[4], hex_of[0])
        cx, cy = column * CELL + 4, row * CELL + 4
        shapes.append(f'<circle cx="{cx}" cy="{cy}" r="2.6" fill="{rim}"/>')
        shapes.append(f'<circle cx="{cx}" cy="{cy}" r="1.8" fill="{face}"/>')
    body = "\n  ".join(shapes)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            f'viewBox="0 0 32 32">\n  {body}\n</svg>\n')


def main():
    here = Path(__file__).resolve().parent
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else here
    (folder / "MAINICON.png").write_bytes(png(draw()))
    icons = Path(sys.argv[2]) if len(sys.argv) > 2 else here.parent.parent / "data" / "icons"
    icons.mkdir(parents=True, exist_ok=True)
    for size in DESKTOP_SIZES:
        (icons / f"{APP_ID}-{size}.png").write_bytes(png_rgb(draw_smooth(size)))
    (icons / f"{APP_ID}.svg").write_text(svg())


if __name__ == "__main__":
    main()
