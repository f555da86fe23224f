#!/usr/bin/env python3
"""Draws the front end's pictures as PNG files: the cell every entry sits on and one 48 x 48 icon
per tool, each a coloured tile with a white sign. Plain Python (no imaging library): shapes are
filled at four times the size and averaged down, so their edges are smooth.

    tools/draw_front_end_pictures.py data/Fablecor/pictures/front-end
"""

import math
import struct
import sys
import zlib

SCALE = 4


class Canvas:
    def __init__(self, width, height, top, bottom):
        self.width, self.height = width, height
        w, h = width * SCALE, height * SCALE
        # A vertical blend of the two colours.
        self.pixels = []
        for y in range(h):
            t = y / max(h - 1, 1)
            row_colour = tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))
            self.pixels.append([row_colour] * w)

    def fill(self, inside, colour, alpha=1.0):
        """Paints every sample point for which inside(x, y) holds (coordinates in output pixels)."""
        w, h = self.width * SCALE, self.height * SCALE
        for sy in range(h):
            y = (sy + 0.5) / SCALE
            row = self.pixels[sy]
            for sx in range(w):
                x = (sx + 0.5) / SCALE
                if inside(x, y):
                    old = row[sx]
                    row[sx] = tuple(old[i] + (colour[i] - old[i]) * alpha for i in range(3))

    def png(self, path):
        raw = bytearray()
        for y in range(self.height):
            raw.append(0)
            for x in range(self.width):
                total = [0.0, 0.0, 0.0]
                for sy in range(SCALE):
                    row = self.pixels[y * SCALE + sy]
                    for sx in range(SCALE):
                        sample = row[x * SCALE + sx]
                        for i in range(3):
                            total[i] += sample[i]
                raw.extend(min(255, max(0, round(c / (SCALE * SCALE)))) for c in total)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                      chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


# --- shapes: each answers a test of a point

def rect(left, top, right, bottom):
    return lambda x, y: left <= x < right and top <= y < bottom


def rounded(left, top, right, bottom, radius):
    def inside(x, y):
        if not (left <= x < right and top <= y < bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def line(x1, y1, x2, y2, width):
    dx, dy = x2 - x1, y2 - y1
    length = math.hypot(dx, dy)

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (length * length)))
        px, py = x1 + t * dx, y1 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


WHITE = (255, 255, 255)


def lighter(colour, amount):
    return tuple(c + (255 - c) * amount for c in colour)


def darker(colour, amount):
    return tuple(c * (1 - amount) for c in colour)


def tile(colour):
    canvas = Canvas(48, 48, lighter(colour, 0.25), darker(colour, 0.15))
    return canvas


# --- the signs

def plotpilot():
    # A winding path to a flag.
    c = tile((46, 125, 50))
    path = [(9, 40), (16, 33), (26, 35), (32, 27), (24, 20), (28, 13)]
    c.fill(union(*[line(*path[i], *path[i + 1], 4) for i in range(len(path) - 1)]), WHITE)
    c.fill(union(line(28, 13, 28, 5, 2.5), polygon([(29, 5), (40, 8), (29, 12)])), WHITE)
    return c


def help_sign():
    # A life ring.
    c = tile((198, 40, 40))
    c.fill(ring(24, 24, 16, 8), WHITE)
    bands = union(*[polygon([(24 + 17 * math.cos(a - 0.3), 24 + 17 * math.sin(a - 0.3)),
                             (24 + 17 * math.cos(a + 0.3), 24 + 17 * math.sin(a + 0.3)),
                             (24 + 7 * math.cos(a + 0.4), 24 + 7 * math.sin(a + 0.4)),
                             (24 + 7 * math.cos(a - 0.4), 24 + 7 * math.sin(a - 0.4))])
                    for a in (math.pi / 4, 3 * math.pi / 4, 5 * math.pi / 4, 7 * math.pi / 4)])
    c.fill(lambda x, y: ring(24, 24, 16, 8)(x, y) and bands(x, y), (198, 40, 40))
    return c


def open_story():
    # An open folder.
    c = tile((239, 160, 20))
    c.fill(union(rounded(7, 12, 22, 20, 2), rounded(7, 15, 41, 38, 2)), WHITE)
    c.fill(polygon([(13, 22), (44, 22), (38, 38), (7, 38)]), lighter((239, 160, 20), 0.55))
    return c


def characters():
    # Two people.
    c = tile((25, 118, 210))
    back = lighter((25, 118, 210), 0.55)
    c.fill(union(circle(31, 15, 6), rounded(22, 23, 41, 40, 8)), back)
    c.fill(union(circle(19, 18, 7), rounded(8, 27, 31, 44, 9)), WHITE)
    return c


def plot_progression():
    # A table of four rows and four columns.
    c = tile((0, 137, 123))
    for row in range(4):
        for column in range(4):
            left, top = 8 + column * 8.5, 9 + row * 8
            c.fill(rect(left, top, left + 7, top + 6), WHITE if column == 0 or row == 0 else lighter((0, 137, 123), 0.6))
    return c


def theme_browser():
    # Four squares in a quad, one of them marked.
    c = tile((94, 53, 177))
    for i, (left, top) in enumerate([(9, 9), (26, 9), (9, 26), (26, 26)]):
        c.fill(rounded(left, top, left + 13, top + 13, 2), WHITE if i != 3 else lighter((94, 53, 177), 0.5))
    c.fill(circle(32.5, 32.5, 3.5), WHITE)
    return c


def dictionary():
    # A closed book with its pages.
    c = tile((121, 85, 72))
    c.fill(rounded(11, 7, 38, 41, 2), WHITE)
    c.fill(rect(11, 7, 16, 41), lighter((121, 85, 72), 0.5))
    for top in (14, 20, 26):
        c.fill(rect(20, top, 33, top + 2.5), (121, 85, 72))
    return c


def query_system():
    # A speech bubble with a question's lines.
    c = tile((0, 121, 191))
    c.fill(union(rounded(7, 8, 41, 33, 7), polygon([(14, 31), (12, 42), (24, 32)])), WHITE)
    for top, right in ((15, 34), (21, 30)):
        c.fill(rounded(14, top, right, top + 3, 1.5), (0, 121, 191))
    return c


def story_engine():
    # A gear.
    c = tile((84, 110, 122))
    teeth = union(*[polygon([(24 + 12 * math.cos(a - 0.22), 24 + 12 * math.sin(a - 0.22)),
                             (24 + 18 * math.cos(a - 0.14), 24 + 18 * math.sin(a - 0.14)),
                             (24 + 18 * math.cos(a + 0.14), 24 + 18 * math.sin(a + 0.14)),
                             (24 + 12 * math.cos(a + 0.22), 24 + 12 * math.sin(a + 0.22))])
                    for a in [i * math.pi / 4 for i in range(8)]])
    c.fill(minus(union(circle(24, 24, 13), teeth), circle(24, 24, 5)), WHITE)
    return c


def story_points():
    # A list with ticks.
    c = tile((216, 67, 21))
    for top in (10, 20, 30):
        c.fill(union(line(9, top + 4, 12, top + 7, 2.5), line(12, top + 7, 17, top + 1, 2.5)), WHITE)
        c.fill(rounded(21, top + 2, 40, top + 6, 2), WHITE)
    return c


def reports():
    # A page with a folded corner and its lines.
    c = tile((55, 71, 79))
    c.fill(polygon([(12, 6), (30, 6), (38, 14), (38, 42), (12, 42)]), WHITE)
    c.fill(polygon([(30, 6), (30, 14), (38, 14)]), lighter((55, 71, 79), 0.5))
    for top in (19, 25, 31, 37):
        c.fill(rect(17, top, 33 if top != 37 else 27, top + 2), (55, 71, 79))
    return c


def brainstorming():
    # A light bulb.
    c = tile((251, 192, 45))
    c.fill(union(circle(24, 19, 11), polygon([(17, 25), (31, 25), (28, 33), (20, 33)])), WHITE)
    c.fill(union(rounded(19, 34, 29, 37, 1), rounded(20, 38, 28, 41, 1)), WHITE)
    c.fill(union(line(24, 23, 24, 31, 1.5), line(21, 21, 24, 24, 1.5), line(27, 21, 24, 24, 1.5)),
           (251, 192, 45))
    return c


def cell():
    # What every entry sits on: paper with a soft top light.
    return Canvas(210, 110, (252, 250, 244), (236, 230, 216))


PICTURES = {
    16000: ("cell", cell),
    16001: ("query-system", query_system),
    16003: ("open-story", open_story),
    16004: ("plotpilot", plotpilot),
    16005: ("characters", characters),
    16006: ("story-engine", story_engine),
    16007: ("story-points", story_points),
    16008: ("reports", reports),
    16010: ("theme-browser", theme_browser),
    16011: ("brainstorming", brainstorming),
    16012: ("help", help_sign),
    16016: ("dictionary", dictionary),
    16017: ("plot-progression", plot_progression),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    for number, (name, draw) in PICTURES.items():
        draw().png(f"{folder}/{name}.png")
        with open(f"{folder}/{name}.picture", "w") as source:
            source.write(f"# The front end's picture '{name}', drawn by tools/draw_front_end_pictures.py.\n"
                         f"picture 'BITM' {number}\nimage {name}.png\ndepth 24\n")


if __name__ == "__main__":
    main()
