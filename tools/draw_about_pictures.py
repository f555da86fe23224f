#!/usr/bin/env python3
"""Draws the two pictures of the splash screen and the about box as PNG files, with the shapes of
tools/draw_front_end_pictures.py:

  splash.png (260 x 278, 'BITM' 16014, top left): a night sky over the arc of a story, with the
      four throughlines as four linked lights;
  emblem.png (120 x 60, 'BITM' 16015, bottom right): an open book with a pen.

    tools/draw_about_pictures.py data/Fablecor/pictures
"""

import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from draw_front_end_pictures import (SCALE, WHITE, Canvas, circle, darker, lighter, line,  # noqa: E402
                                     polygon, rect, ring)


class BoxCanvas(Canvas):
    """A canvas whose fills visit only the samples inside a box, so small shapes on a large picture
    are quick."""

    def fill_box(self, inside, colour, box, alpha=1.0):
        left, top, right, bottom = box
        for sy in range(max(0, int(top * SCALE)), min(self.height * SCALE, int(math.ceil(bottom * SCALE)))):
            y = (sy + 0.5) / SCALE
            row = self.pixels[sy]
            for sx in range(max(0, int(left * SCALE)), min(self.width * SCALE, int(math.ceil(right * SCALE)))):
                x = (sx + 0.5) / SCALE
                if inside(x, y):
                    old = row[sx]
                    row[sx] = tuple(old[i] + (colour[i] - old[i]) * alpha for i in range(3))


NIGHT = (22, 27, 64)
DUSK = (36, 104, 122)
HILL = (24, 38, 44)
GOLD = (240, 200, 110)
LINK = (205, 214, 240)
# The four throughlines' lights: top, left, right, bottom.
LIGHTS = [((130, 58), (242, 206, 110)), ((76, 112), (170, 176, 246)), ((184, 112), (236, 130, 112)),
          ((130, 165), (146, 216, 190))]


def hill_top(x):
    """The arc of the story: a gentle rise and fall over the picture's width."""
    return 236 - 40 * math.sin(math.pi * x / 260) ** 2


def splash():
    c = BoxCanvas(260, 278, NIGHT, DUSK)
    stars = random.Random(16014)
    for _ in range(70):
        x, y, r = stars.uniform(4, 256), stars.uniform(4, 180), stars.choice((0.6, 0.7, 0.9, 1.1))
        c.fill_box(circle(x, y, r), WHITE, (x - 2, y - 2, x + 2, y + 2), alpha=stars.uniform(0.5, 1.0))
    # The links of the quad, then its lights with a soft glow and a highlight.
    centres = [centre for centre, _ in LIGHTS]
    for a, b in ((0, 1), (0, 2), (1, 3), (2, 3), (0, 3), (1, 2)):
        (x1, y1), (x2, y2) = centres[a], centres[b]
        c.fill_box(line(x1, y1, x2, y2, 1.6), LINK, (min(x1, x2) - 2, min(y1, y2) - 2, max(x1, x2) + 2,
                                                   max(y1, y2) + 2), alpha=0.8)
    for (x, y), colour in LIGHTS:
        c.fill_box(circle(x, y, 24), colour, (x - 25, y - 25, x + 25, y + 25), alpha=0.18)
        c.fill_box(circle(x, y, 19), WHITE, (x - 20, y - 20, x + 20, y + 20))
        c.fill_box(circle(x, y, 16.5), colour, (x - 17, y - 17, x + 17, y + 17))
        c.fill_box(circle(x - 5, y - 6, 4.5), lighter(colour, 0.6), (x - 10, y - 11, x, y - 1))
    # The hill, and the golden line of the arc along its top.
    c.fill_box(lambda x, y: y >= hill_top(x), HILL, (0, 190, 260, 278))
    c.fill_box(lambda x, y: abs(y - hill_top(x)) <= 1.5, GOLD, (0, 190, 260, 240))
    return c


PAPER = (246, 240, 226)
INK = (44, 62, 110)
SPINE = (120, 86, 62)


def emblem():
    c = BoxCanvas(120, 60, lighter(PAPER, 0.3), PAPER)
    # Two pages on a brown cover, and the lines of their text.
    c.fill_box(polygon([(10, 16), (60, 20), (110, 16), (110, 50), (60, 54), (10, 50)]), SPINE, (0, 0, 120, 60))
    c.fill_box(polygon([(13, 15), (59, 19), (59, 51), (13, 47)]), WHITE, (0, 0, 120, 60))
    c.fill_box(polygon([(61, 19), (107, 15), (107, 47), (61, 51)]), WHITE, (0, 0, 120, 60))
    for i in range(5):
        top = 25 + 5 * i
        c.fill_box(line(18, top - 1, 54, top + 2, 1), darker(PAPER, 0.35), (0, 0, 120, 60))
        c.fill_box(line(66, top + 2, 102, top - 1, 1), darker(PAPER, 0.35), (0, 0, 120, 60))
    # The pen, from the lower left up across the right page.
    c.fill_box(line(40, 54, 104, 8, 4), INK, (0, 0, 120, 60))
    c.fill_box(polygon([(104, 8), (112, 3), (108, 11)]), INK, (0, 0, 120, 60))
    c.fill_box(line(42, 52, 47, 48.5, 4), lighter(INK, 0.45), (0, 0, 120, 60))
    return c


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    splash().png(f"{folder}/splash.png")
    emblem().png(f"{folder}/emblem.png")


if __name__ == "__main__":
    main()
