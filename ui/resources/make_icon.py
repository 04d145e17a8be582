#!/usr/bin/env python3
"""Draws the program icon MAINICON.png: a 32x32, 16-colour picture of a small board in the
opening position.

    ui/resources/make_icon.py [output folder, default: this script's folder]
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


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    (folder / "MAINICON.png").write_bytes(png(draw()))


if __name__ == "__main__":
    main()
