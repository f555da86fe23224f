#!/usr/bin/env python3
"""Draws the query topic tree's two folder pictures as PNG files: an 11 x 11 box with a plus sign
(a closed branch) and one with a minus sign (an open branch). Plain Python, no imaging library.

    tools/draw_tree_markers.py data/Fablecor/pictures/query
"""

import struct
import sys
import zlib

SIZE = 11
WHITE = (255, 255, 255)
FRAME = (96, 96, 96)
FACE = (236, 226, 190)
SIGN = (0, 0, 0)


def picture(plus):
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            colour = FACE
            if x in (0, SIZE - 1) or y in (0, SIZE - 1):
                colour = FRAME
            elif y == SIZE // 2 and 2 <= x <= SIZE - 3:
                colour = SIGN
            elif plus and x == SIZE // 2 and 2 <= y <= SIZE - 3:
                colour = SIGN
            row.append(colour)
        rows.append(row)
    return rows


def write_png(path, rows):
    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
                  chunk(b"IEND", b""))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    write_png(f"{folder}/branch-closed.png", picture(True))
    write_png(f"{folder}/branch-open.png", picture(False))


if __name__ == "__main__":
    main()
