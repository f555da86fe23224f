#!/usr/bin/env python3
"""Draws the pictures of the preferences window's chooser as PNG files, in the manner of the front
end's (tools/draw_front_end_pictures.py, whose canvas and shapes it uses): the cell every entry sits
on and the 48 x 48 icons of the pages that have none of their own among the front end's.

    tools/draw_preference_pictures.py data/Fablecor/pictures/preferences
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from draw_front_end_pictures import (WHITE, Canvas, circle, lighter, polygon, rect,  # noqa: E402
                                     rounded, tile, union)


def general_options():
    # Three sliders, their knobs at different places.
    colour = (69, 90, 100)
    c = tile(colour)
    for top, knob in ((12, 30), (23, 17), (34, 26)):
        c.fill(rounded(8, top - 1.5, 40, top + 1.5, 1.5), lighter(colour, 0.6))
        c.fill(circle(knob, top, 4.5), WHITE)
    return c


def term_swap():
    # Two arrows, one each way.
    colour = (123, 31, 162)
    c = tile(colour)
    c.fill(union(rect(9, 15, 30, 20), polygon([(29, 9), (40, 17.5), (29, 26)])), WHITE)
    c.fill(union(rect(18, 29, 39, 34), polygon([(19, 23), (8, 31.5), (19, 40)])), lighter(colour, 0.55))
    return c


def chooser_cell():
    # What every entry of the chooser sits on: the front end's paper, in the chooser's width.
    return Canvas(194, 66, (252, 250, 244), (236, 230, 216))


PICTURES = {
    16018: ("term-swap", term_swap),
    16030: ("chooser-cell", chooser_cell),
    16033: ("general-options", general_options),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    for number, (name, draw) in PICTURES.items():
        draw().png(f"{folder}/{name}.png")
        with open(f"{folder}/{name}.picture", "w") as source:
            source.write(f"# The preferences chooser's picture '{name}', drawn by "
                         f"tools/draw_preference_pictures.py.\npicture 'BITM' {number}\nimage {name}.png\ndepth 24\n")


if __name__ == "__main__":
    main()
