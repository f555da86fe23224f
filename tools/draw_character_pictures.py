#!/usr/bin/env python3
"""Draws the stock character pictures as 32 x 32 PNG files with their picture sources: people of
different ages and callings, animals, objects and signs a character can stand for. Each picture is
a soft backdrop with a figure on it, built from the shapes of the front end's drawing script.

    tools/draw_character_pictures.py data/charpix/pictures

Pictures 0 and 1 are the ones a new story gives its first two characters, a man and a woman; the
numbers of the others are the ones example stories and writers' stories keep, so a picture keeps
its number once it is here.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from draw_front_end_pictures import (Canvas, circle, darker, lighter, line, minus, polygon,  # noqa: E402
                                     rect, ring, rounded, union)

SIZE = 32

# Skin, hair and cloth colours.
SKIN = {"light": (243, 204, 172), "fair": (234, 188, 150), "tan": (208, 150, 108),
        "brown": (160, 105, 70), "dark": (110, 70, 46)}
HAIR = {"black": (38, 30, 28), "brown": (108, 66, 36), "blond": (222, 184, 96), "red": (168, 72, 34),
        "grey": (168, 168, 172), "white": (238, 238, 240)}
GOLD = (232, 182, 40)
STEEL = (170, 178, 190)
INK = (40, 34, 34)


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def intersect(*shapes):
    return lambda x, y: all(shape(x, y) for shape in shapes)


def backdrop(colour):
    return Canvas(SIZE, SIZE, lighter(colour, 0.45), lighter(colour, 0.1))


# --- people

class Person:
    """A head and shoulders, drawn in layers: what lies behind the head, the body, the head, the
    face, the hair over the head, and what is worn over the hair."""

    def __init__(self, skin="fair", hair="brown", style="short", cloth=(70, 100, 150), age="adult",
                 collar=None):
        self.skin = SKIN[skin]
        self.hair = HAIR[hair] if isinstance(hair, str) else hair
        self.style, self.cloth, self.age, self.collar = style, cloth, age, collar
        child = age in ("child", "baby")
        # The head's centre and radii, and the body's top.
        self.hx, self.hy = 16, (15.5 if child else 13.5)
        self.rx, self.ry = (7.6, 7.8) if child else (6.6, 7.6)
        self.shoulders = 27.5 if child else 25

    def head(self):
        return ellipse(self.hx, self.hy, self.rx, self.ry)

    def draw(self, c, behind=None, over=None, face=None):
        if self.style in ("long", "braids"):
            top = self.hy - self.ry - 0.8
            c.fill(union(rounded(self.hx - self.rx - 1.6, top, self.hx + self.rx + 1.6, self.hy + 11, 5),
                         ellipse(self.hx, self.hy - 1, self.rx + 1.6, self.ry + 1.2)), self.hair)
        if behind:
            behind(c)
        # Body and neck.
        body_rx = 10.5 if self.age in ("child", "baby") else 12.5
        c.fill(rect(self.hx - 2.6, self.hy + 4, self.hx + 2.6, self.shoulders + 2), darker(self.skin, 0.08))
        c.fill(ellipse(16, self.shoulders + 9, body_rx, 9.5), self.cloth)
        if self.collar:
            c.fill(polygon([(13, self.shoulders - 0.2), (19, self.shoulders - 0.2), (16, self.shoulders + 4)]),
                   self.collar)
        if self.style == "braids":
            for side in (-1, 1):
                c.fill(rounded(16 + side * 8.3 - 1.6, self.hy + 2, 16 + side * 8.3 + 1.6, 30, 1.6), self.hair)
        # Head and ears.
        for side in (-1, 1):
            c.fill(ellipse(self.hx + side * self.rx, self.hy + 0.8, 1.3, 1.9), darker(self.skin, 0.05))
        c.fill(self.head(), self.skin)
        self.hair_over(c)
        self.features(c)
        if face:
            face(c)
        if over:
            over(c)
        return c

    def features(self, c):
        eye_y = self.hy + (1.2 if self.age in ("child", "baby") else 0.6)
        spread = 2.9 if self.age in ("child", "baby") else 2.7
        size = 1.05 if self.age in ("child", "baby") else 0.85
        for side in (-1, 1):
            c.fill(circle(self.hx + side * spread, eye_y, size), INK)
        c.fill(ellipse(self.hx, eye_y + 2.2, 0.7, 0.9), darker(self.skin, 0.12))
        c.fill(ellipse(self.hx, eye_y + 4.3, 1.8, 0.55), (176, 86, 80))
        if self.age == "old":
            for dy in (-4.5, -3.2):
                c.fill(line(self.hx - 2.6, self.hy + dy, self.hx + 2.6, self.hy + dy, 0.35), darker(self.skin, 0.2))
            for side in (-1, 1):
                c.fill(line(self.hx + side * 4.2, eye_y - 0.3, self.hx + side * 5.2, eye_y + 0.7, 0.35),
                       darker(self.skin, 0.2))
        if self.age in ("child", "baby"):
            for side in (-1, 1):
                c.fill(circle(self.hx + side * 4.4, eye_y + 2.6, 1.3), (238, 150, 140), 0.5)

    def hair_over(self, c):
        hx, hy, rx, ry = self.hx, self.hy, self.rx, self.ry
        cap = ellipse(hx, hy - 1.2, rx + 0.7, ry + 0.2)
        if self.style == "bald":
            for side in (-1, 1):
                c.fill(intersect(cap, ellipse(hx + side * rx, hy, 1.9, 3.2)), self.hair)
        elif self.style == "tuft":
            c.fill(union(circle(hx - 0.8, hy - ry + 0.6, 1.6), circle(hx + 0.9, hy - ry + 0.3, 1.3)), self.hair)
        elif self.style == "curly":
            for a in range(0, 181, 20):
                t = math.radians(180 + a)
                c.fill(circle(hx + (rx + 0.2) * math.cos(t), hy - 1 + (ry - 0.5) * math.sin(t), 2.3), self.hair)
        elif self.style != "none":
            # A cap of hair over the forehead, down to the ears at the sides.
            fringe = minus(cap, ellipse(hx, hy + 2.6, rx - 0.6, ry - 1.6))
            c.fill(intersect(fringe, lambda x, y: y < hy + 1.5), self.hair)
            if self.style == "bun":
                c.fill(circle(hx, hy - ry - 1.2, 3.1), self.hair)
            if self.style == "parted":
                c.fill(line(hx - 1.5, hy - ry + 0.8, hx + 1.2, hy - 3.6, 0.5), darker(self.hair, 0.35))


def beard(p, c, colour=None, full=True):
    colour = colour or p.hair
    if full:
        c.fill(intersect(ellipse(p.hx, p.hy + 3.2, p.rx + 0.3, p.ry + 1.2), lambda x, y: y > p.hy + 2.4),
               colour)
        c.fill(ellipse(p.hx, p.hy + 5.0, 1.9, 0.7), (150, 80, 70))
    c.fill(ellipse(p.hx, p.hy + 4.0, 3.2, 0.95), darker(colour, 0.1))


def crown(c, cx, top, width, colour=GOLD, jewel=(200, 30, 40)):
    half = width / 2
    points = [(cx - half, top + 5), (cx - half, top), (cx - half / 2, top + 2.6), (cx, top - 0.6),
              (cx + half / 2, top + 2.6), (cx + half, top), (cx + half, top + 5)]
    c.fill(polygon(points), colour)
    c.fill(rect(cx - half, top + 3.6, cx + half, top + 5), darker(colour, 0.15))
    c.fill(circle(cx, top + 4.3, 0.9), jewel)


def man():
    return Person(skin="fair", hair="brown", cloth=(62, 96, 150), collar=(236, 236, 236)).draw(backdrop((120, 160, 210)))


def woman():
    return Person(skin="light", hair="red", style="long", cloth=(170, 60, 100)).draw(backdrop((230, 170, 160)))


def boy():
    return Person(skin="tan", hair="black", age="child", cloth=(60, 150, 90)).draw(backdrop((160, 210, 150)))


def girl():
    return Person(skin="fair", hair="blond", style="braids", age="child", cloth=(220, 120, 60)).draw(
        backdrop((250, 210, 140)))


def young_man():
    return Person(skin="light", hair="black", style="parted", cloth=(40, 60, 110),
                  collar=(210, 200, 170)).draw(backdrop((150, 170, 230)))


def young_woman():
    return Person(skin="fair", hair="brown", style="long", cloth=(110, 60, 150)).draw(backdrop((220, 180, 240)))


def old_man():
    p = Person(skin="fair", hair="white", style="bald", cloth=(110, 90, 70), age="old")
    return p.draw(backdrop((200, 190, 170)), face=lambda c: beard(p, c, HAIR["grey"]))


def old_woman():
    return Person(skin="light", hair="grey", style="bun", cloth=(90, 110, 140), age="old",
                  collar=(245, 245, 245)).draw(backdrop((190, 200, 220)))


def bearded_man():
    p = Person(skin="brown", hair="black", cloth=(150, 70, 50))
    return p.draw(backdrop((230, 180, 130)), face=lambda c: beard(p, c))


def king():
    p = Person(skin="fair", hair="grey", cloth=(150, 30, 50), age="old", collar=(240, 240, 240))
    return p.draw(backdrop((240, 210, 120)), face=lambda c: beard(p, c, HAIR["white"]),
                  over=lambda c: crown(c, 16, 2.6, 12))


def queen():
    p = Person(skin="light", hair="blond", style="long", cloth=(70, 40, 130))
    return p.draw(backdrop((200, 170, 230)), over=lambda c: crown(c, 16, 1.8, 11))


def prince():
    def circlet(c):
        c.fill(rect(9.5, 6.6, 22.5, 8.2), GOLD)
        c.fill(circle(16, 7.4, 0.9), (40, 140, 200))
    return Person(skin="tan", hair="brown", cloth=(30, 90, 140), collar=GOLD).draw(backdrop((150, 200, 230)),
                                                                                  over=circlet)


def princess():
    p = Person(skin="dark", hair="black", style="long", cloth=(230, 120, 160))
    return p.draw(backdrop((250, 190, 210)), over=lambda c: crown(c, 16, 2.6, 7, jewel=(60, 170, 210)))


def knight():
    def helmet(c):
        c.fill(intersect(ellipse(16, 13.5, 7.6, 8.8), lambda x, y: y < 19.5), STEEL)
        c.fill(rect(9, 12.2, 23, 13.6), INK)
        c.fill(line(16, 4.2, 16, 19, 0.6), darker(STEEL, 0.2))
        c.fill(polygon([(15, 4.8), (17, 4.8), (19.5, -1), (12.5, -1)]), (200, 40, 40))
    return Person(skin="fair", cloth=STEEL, style="none").draw(backdrop((170, 180, 200)), over=helmet)


def soldier():
    def cap(c):
        c.fill(intersect(ellipse(16, 9.5, 8.2, 5.5), lambda x, y: y < 9.8), (70, 90, 60))
        c.fill(ellipse(16, 9.6, 9.2, 1.3), darker((70, 90, 60), 0.25))
    return Person(skin="brown", hair="black", cloth=(90, 110, 70), collar=GOLD).draw(backdrop((180, 190, 150)), over=cap)


def friar():
    hood = (120, 86, 56)

    def behind(c):
        c.fill(ellipse(16, 14.5, 9.8, 10.5), hood)

    return Person(skin="fair", hair="grey", style="bald", cloth=hood, age="old").draw(
        backdrop((210, 190, 150)), behind=behind,
        over=lambda c: c.fill(line(16, 26, 16, 32, 1.1), (230, 220, 190)))


def nurse():
    def cap(c):
        c.fill(intersect(ellipse(16, 11, 8.4, 6.6), lambda x, y: y < 9.6), (250, 250, 250))
        c.fill(rect(8.3, 8.4, 23.7, 9.6), (200, 60, 70))
    return Person(skin="tan", hair="brown", style="bun", cloth=(100, 150, 200), collar=(250, 250, 250)).draw(
        backdrop((190, 220, 240)), over=cap)


def pointed_hat(c, colour, band):
    c.fill(polygon([(16, -1.5), (7.5, 8.5), (24.5, 8.5)]), colour)
    c.fill(ellipse(16, 8.5, 11.5, 1.9), darker(colour, 0.2))
    c.fill(polygon([(10, 6.6), (22, 6.6), (23.3, 8.3), (8.7, 8.3)]), band)


def witch():
    return Person(skin="fair", hair="black", style="long", cloth=(50, 40, 70), age="old").draw(
        backdrop((150, 200, 130)), over=lambda c: pointed_hat(c, (40, 34, 50), (120, 60, 150)))


def wizard():
    p = Person(skin="light", hair="white", cloth=(50, 60, 150), age="old")

    def over(c):
        pointed_hat(c, (40, 50, 140), GOLD)
        for x, y in ((14, 3), (18, 5.5)):
            c.fill(circle(x, y, 0.7), GOLD)

    return p.draw(backdrop((160, 150, 220)), face=lambda c: beard(p, c, HAIR["white"]), over=over)


def sailor():
    def cap(c):
        c.fill(intersect(ellipse(16, 9.6, 7.8, 4.6), lambda x, y: y < 9.4), (250, 250, 250))
        c.fill(rect(8.4, 8.2, 23.6, 9.8), (30, 50, 110))
    return Person(skin="tan", hair="blond", cloth=(30, 50, 110), collar=(250, 250, 250)).draw(
        backdrop((140, 190, 230)), over=cap)


def farmer():
    straw = (226, 196, 110)

    def hat(c):
        c.fill(ellipse(16, 8.6, 13, 2.4), straw)
        c.fill(intersect(ellipse(16, 8, 6.6, 5.2), lambda x, y: y < 8.4), straw)
        c.fill(rect(9.6, 6.2, 22.4, 7.6), (180, 60, 40))
    return Person(skin="tan", hair="brown", cloth=(70, 110, 160)).draw(
        backdrop((200, 220, 140)), over=hat, face=lambda c: c.fill(rect(12, 27, 13.5, 32), (120, 80, 50)))


def gentleman():
    def hat(c):
        c.fill(rect(10.5, -0.5, 21.5, 8), INK)
        c.fill(rect(10.5, 5.6, 21.5, 6.8), (120, 30, 40))
        c.fill(ellipse(16, 8, 10, 1.4), INK)
    p = Person(skin="light", hair="grey", cloth=(30, 30, 40), collar=(250, 250, 250))
    return p.draw(backdrop((200, 200, 210)), over=hat, face=lambda c: beard(p, c, full=False))


def lady():
    bonnet = (240, 220, 180)

    def behind(c):
        c.fill(ellipse(16, 12.5, 9.6, 9.6), bonnet)

    def over(c):
        c.fill(intersect(ring(16, 13.5, 9.6, 7.0), lambda x, y: y < 14), bonnet)
        c.fill(union(polygon([(16, 24.5), (13, 23), (13, 26)]), polygon([(16, 24.5), (19, 23), (19, 26)])),
               (200, 80, 90))

    return Person(skin="fair", hair="brown", cloth=(120, 160, 200)).draw(backdrop((240, 220, 200)), behind=behind,
                                                                           over=over)


def baby():
    p = Person(skin="light", hair="blond", style="tuft", age="baby", cloth=(250, 250, 250))
    return p.draw(backdrop((200, 230, 250)), over=lambda c: c.fill(rounded(14.6, 24.2, 17.4, 26, 0.8), (240, 130, 160)))


def little_man():
    p = Person(skin="tan", hair="red", cloth=(130, 60, 40))

    def over(c):
        c.fill(polygon([(9, 9), (23, 9), (26, -0.5)]), (60, 120, 60))
        c.fill(ellipse(16, 9, 8.4, 1.3), darker((60, 120, 60), 0.2))

    def face(c):
        beard(p, c)
        c.fill(ellipse(p.hx, p.hy + 2.6, 1.3, 1.2), (210, 120, 90))

    return p.draw(backdrop((220, 200, 140)), face=face, over=over)


def ghost():
    c = backdrop((90, 90, 130))
    sheet = (236, 240, 248)
    hem = [(6 + i * 2.5, 30 if i % 2 == 0 else 27.5) for i in range(9)]
    c.fill(union(circle(16, 13, 9), polygon([(7, 13), (25, 13)] + hem[::-1])), sheet)
    for x in (12.6, 19.4):
        c.fill(ellipse(x, 12.5, 1.6, 2.4), INK)
    c.fill(ellipse(16, 18.5, 1.8, 2.2), INK)
    return c


def hooded_figure():
    c = backdrop((70, 60, 80))
    cloak = (40, 36, 46)
    c.fill(union(ellipse(16, 13, 8.5, 10), ellipse(16, 33, 13, 11)), cloak)
    c.fill(ellipse(16, 15, 5, 6.4), (14, 12, 16))
    for x in (14, 18):
        c.fill(circle(x, 14.6, 0.7), (230, 200, 90))
    return c


def crowd():
    c = backdrop((210, 190, 150))
    for x, y, colour, skin in ((8, 16, (120, 80, 140), "tan"), (24, 16, (60, 110, 150), "fair"),
                               (16, 19, (170, 70, 50), "brown")):
        c.fill(ellipse(x, y + 13, 7, 7), colour)
        c.fill(circle(x, y, 4.6), SKIN[skin])
        c.fill(intersect(circle(x, y - 0.8, 4.9), lambda px, py, y=y: py < y - 1.2), HAIR["black"])
        for side in (-1, 1):
            c.fill(circle(x + side * 1.7, y + 0.4, 0.6), INK)
    return c


# --- animals

def cat():
    c = backdrop((240, 200, 150))
    fur = (150, 150, 160)
    for side in (-1, 1):
        c.fill(polygon([(16 + side * 10, 18), (16 + side * 9.5, 4), (16 + side * 3, 11)]), fur)
        c.fill(polygon([(16 + side * 8.8, 14), (16 + side * 8.6, 7), (16 + side * 5, 11)]), (235, 170, 180))
    c.fill(ellipse(16, 19, 10.5, 9), fur)
    c.fill(ellipse(16, 23.5, 4.5, 3.2), lighter(fur, 0.6))
    for side in (-1, 1):
        c.fill(ellipse(16 + side * 4.3, 17.5, 2.0, 2.3), (120, 190, 60))
        c.fill(ellipse(16 + side * 4.3, 17.5, 0.5, 1.9), INK)
        for dy in (-0.8, 0.8):
            c.fill(line(16 + side * 3.5, 23 + dy, 16 + side * 11, 22 + dy * 2.2, 0.35), INK)
    c.fill(polygon([(14.6, 21), (17.4, 21), (16, 22.6)]), (220, 120, 140))
    return c


def dog():
    c = backdrop((170, 210, 230))
    fur, ear = (196, 150, 96), (120, 80, 48)
    c.fill(ellipse(16, 16, 9, 10), fur)
    for side in (-1, 1):
        c.fill(ellipse(16 + side * 9, 17, 3.3, 7.5), ear)
    c.fill(ellipse(16, 23, 5.6, 4.6), lighter(fur, 0.55))
    c.fill(ellipse(16, 20.5, 2.4, 1.7), INK)
    for side in (-1, 1):
        c.fill(circle(16 + side * 3.8, 14.5, 1.2), INK)
    c.fill(ellipse(16, 27, 1.8, 2.2), (220, 100, 110))
    return c


def horse():
    c = backdrop((180, 220, 160))
    coat, mane = (140, 90, 50), (50, 34, 24)
    c.fill(polygon([(16, 4), (22, 9), (21, 30), (11, 30), (10, 9)]), coat)
    for side in (-1, 1):
        c.fill(polygon([(16 + side * 3, 7), (16 + side * 6, 0.5), (16 + side * 6.5, 8)]), coat)
    c.fill(ellipse(16, 26, 6.2, 5), lighter(coat, 0.3))
    c.fill(polygon([(12, 5), (20, 5), (16, 12)]), mane)
    for side in (-1, 1):
        c.fill(circle(16 + side * 4.5, 14, 1.1), INK)
        c.fill(ellipse(16 + side * 2.4, 27.5, 0.9, 1.3), darker(coat, 0.5))
    c.fill(polygon([(15, 13), (17, 13), (16, 19)]), (240, 240, 240))
    return c


def canine_head(c, fur, cheek, ears_inner):
    for side in (-1, 1):
        c.fill(polygon([(16 + side * 11, 14), (16 + side * 9, 1.5), (16 + side * 3, 8)]), fur)
        c.fill(polygon([(16 + side * 9.6, 11), (16 + side * 8.6, 4.5), (16 + side * 5, 8.5)]), ears_inner)
    c.fill(polygon([(4, 13), (28, 13), (22, 22), (16, 30), (10, 22)]), fur)
    c.fill(ellipse(16, 12, 9, 6), fur)
    c.fill(polygon([(6, 15), (13, 19), (16, 29), (10, 22)]), cheek)
    c.fill(polygon([(26, 15), (19, 19), (16, 29), (22, 22)]), cheek)
    c.fill(ellipse(16, 27.6, 1.8, 1.3), INK)
    for side in (-1, 1):
        c.fill(ellipse(16 + side * 4.2, 14.5, 1.4, 0.9), INK)


def wolf():
    c = backdrop((150, 170, 200))
    canine_head(c, (120, 124, 132), (210, 212, 216), (70, 70, 80))
    return c


def fox():
    c = backdrop((200, 220, 150))
    canine_head(c, (214, 110, 40), (250, 246, 240), (60, 40, 30))
    return c


def owl():
    c = backdrop((60, 70, 120))
    feathers = (140, 100, 60)
    c.fill(ellipse(16, 19, 11, 12), feathers)
    for side in (-1, 1):
        c.fill(polygon([(16 + side * 10, 12), (16 + side * 9, 3), (16 + side * 5, 9)]), feathers)
        c.fill(circle(16 + side * 4.6, 14.5, 4.4), (236, 222, 190))
        c.fill(circle(16 + side * 4.6, 14.5, 2.4), (240, 180, 40))
        c.fill(circle(16 + side * 4.6, 14.5, 1.3), INK)
    c.fill(polygon([(14.6, 17), (17.4, 17), (16, 21)]), (220, 170, 60))
    for y in (24, 27):
        for x in (12, 16, 20):
            c.fill(ellipse(x, y, 1.4, 0.8), darker(feathers, 0.25))
    return c


def songbird():
    c = backdrop((170, 210, 240))
    body = (120, 100, 80)
    c.fill(line(8, 27, 26, 27, 1.2), (110, 80, 50))
    c.fill(ellipse(15, 18.5, 8, 6.5), body)
    c.fill(circle(21, 12, 4.6), body)
    c.fill(ellipse(16, 20, 5.5, 4.6), (220, 80, 50))
    c.fill(polygon([(7.5, 17), (1.5, 13), (3, 19)]), darker(body, 0.2))
    c.fill(ellipse(13, 17, 5, 3), darker(body, 0.15))
    c.fill(polygon([(25, 11), (30, 12.5), (25, 13.8)]), (230, 180, 40))
    c.fill(circle(22, 11, 0.9), INK)
    for x in (14, 17):
        c.fill(line(x, 24, x, 27, 0.6), (200, 140, 60))
    return c


def fish():
    c = backdrop((90, 170, 210))
    scales = (240, 150, 50)
    c.fill(polygon([(5, 16), (0.5, 9), (0.5, 23)]), darker(scales, 0.15))
    c.fill(ellipse(16.5, 16, 11, 7), scales)
    c.fill(polygon([(13, 9.5), (18, 5), (21, 10)]), darker(scales, 0.15))
    c.fill(circle(23.5, 14.5, 1.7), (250, 250, 250))
    c.fill(circle(23.8, 14.5, 0.9), INK)
    for x in (11, 15):
        c.fill(intersect(ring(x, 16, 4.2, 3.5), lambda px, py, x=x: px > x), darker(scales, 0.2))
    for x, y, r in ((27, 7, 1.2), (29, 3, 0.9)):
        c.fill(ring(x, y, r, r - 0.4), (230, 245, 255))
    return c


def frog():
    c = backdrop((180, 210, 240))
    skin = (90, 170, 70)
    c.fill(ellipse(16, 21, 12, 8.5), skin)
    for side in (-1, 1):
        c.fill(circle(16 + side * 6, 13, 4.4), skin)
        c.fill(circle(16 + side * 6, 12.6, 2.9), (250, 250, 230))
        c.fill(circle(16 + side * 6, 12.8, 1.6), INK)
    c.fill(intersect(ring(16, 19.5, 6.5, 5.8), lambda x, y: y > 21), darker(skin, 0.45))
    c.fill(ellipse(16, 26.5, 8, 2.5), lighter(skin, 0.5))
    return c


def mouse():
    c = backdrop((240, 220, 180))
    fur = (160, 160, 165)
    for side in (-1, 1):
        c.fill(circle(16 + side * 8, 9, 6), fur)
        c.fill(circle(16 + side * 8, 9, 4), (240, 180, 190))
    c.fill(polygon([(7, 14), (25, 14), (16, 29)]), fur)
    c.fill(ellipse(16, 16, 8.8, 6.5), fur)
    c.fill(circle(16, 28, 1.4), (230, 110, 130))
    for side in (-1, 1):
        c.fill(circle(16 + side * 3.4, 17, 1.2), INK)
        for dy in (-1, 1):
            c.fill(line(16 + side * 1.8, 26 + dy * 0.5, 16 + side * 10, 24 + dy * 2, 0.3), INK)
    return c


def lion():
    c = backdrop((240, 220, 140))
    mane, face = (170, 90, 30), (230, 170, 80)
    for a in range(0, 360, 30):
        t = math.radians(a)
        c.fill(circle(16 + 10 * math.cos(t), 16 + 10 * math.sin(t), 4.6), mane)
    c.fill(circle(16, 16, 10), mane)
    c.fill(ellipse(16, 17, 8, 8.5), face)
    for side in (-1, 1):
        c.fill(circle(16 + side * 6.5, 9.5, 2), face)
        c.fill(ellipse(16 + side * 3.2, 15, 1.2, 1.0), INK)
    c.fill(ellipse(16, 22, 4, 3), lighter(face, 0.5))
    c.fill(polygon([(14.2, 19), (17.8, 19), (16, 21)]), (90, 50, 30))
    return c


def snake():
    c = backdrop((220, 200, 150))
    scales = (80, 150, 60)
    c.fill(ring(16, 21, 10, 5.6), scales)
    c.fill(intersect(ring(16, 21, 8.4, 7.2), lambda x, y: (int(x * 1.4) + int(y * 1.4)) % 3 == 0),
           darker(scales, 0.3))
    c.fill(line(24, 14, 22, 7, 4), scales)
    c.fill(ellipse(21, 5.5, 4.2, 3.2), scales)
    c.fill(circle(22.5, 4.6, 0.8), INK)
    c.fill(union(line(17, 6, 13.5, 6.6, 0.5), line(13.5, 6.6, 12.4, 5.4, 0.5), line(13.5, 6.6, 12.4, 7.8, 0.5)),
           (200, 40, 40))
    return c


def bull():
    c = backdrop((220, 170, 130))
    hide, horn = (90, 60, 40), (240, 230, 200)
    for side in (-1, 1):
        c.fill(union(line(16 + side * 6, 8, 16 + side * 12, 6, 3), line(16 + side * 12, 6, 16 + side * 14, 1, 2)), horn)
        c.fill(ellipse(16 + side * 9.5, 12, 3.4, 1.8), hide)
    c.fill(union(ellipse(16, 14, 8, 8), rounded(9.5, 14, 22.5, 28, 5)), hide)
    c.fill(ellipse(16, 26, 6, 4), (190, 140, 120))
    for side in (-1, 1):
        c.fill(circle(16 + side * 4, 13.5, 1.3), INK)
        c.fill(ellipse(16 + side * 2.4, 26.5, 1, 1.4), INK)
    c.fill(ring(16, 29.5, 2.3, 1.5), (200, 190, 60))
    return c


def hare():
    c = backdrop((190, 220, 170))
    fur = (176, 140, 104)
    for side in (-1, 1):
        c.fill(ellipse(16 + side * 4.6, 7, 2.8, 8), fur)
        c.fill(ellipse(16 + side * 4.6, 7.5, 1.3, 6), (236, 180, 180))
    c.fill(ellipse(16, 20, 8.6, 8.4), fur)
    c.fill(ellipse(16, 24.5, 4.4, 3.2), lighter(fur, 0.6))
    for side in (-1, 1):
        c.fill(circle(16 + side * 4, 18.5, 1.3), INK)
    c.fill(polygon([(15, 22), (17, 22), (16, 23.4)]), (200, 110, 120))
    return c


def tortoise():
    c = backdrop((200, 230, 200))
    shell, skin = (120, 96, 50), (140, 160, 90)
    c.fill(ellipse(27, 21, 4.4, 3.4), skin)
    c.fill(circle(28.4, 20.2, 0.7), INK)
    for x in (9, 21):
        c.fill(rounded(x - 2, 22, x + 2, 28, 1.5), skin)
    c.fill(intersect(ellipse(15, 22, 12, 10), lambda x, y: y < 24), shell)
    c.fill(rect(3, 23, 27, 24.6), darker(shell, 0.3))
    for x, y in ((10, 19), (15, 16.5), (20, 19)):
        c.fill(polygon([(x - 2.6, y), (x, y - 2.6), (x + 2.6, y), (x, y + 2.6)]), lighter(shell, 0.3))
    return c


# --- objects

def crown_object():
    c = backdrop((150, 40, 60))
    crown(c, 16, 9, 22)
    c.fill(rect(5, 19.5, 27, 23), darker(GOLD, 0.2))
    for x, colour in ((9, (40, 140, 210)), (23, (60, 170, 80))):
        c.fill(circle(x, 21.2, 1.2), colour)
    return c


def sword():
    c = backdrop((120, 130, 160))
    c.fill(polygon([(15, 20), (17, 20), (17, 4), (16, 1.5), (15, 4)]), STEEL)
    c.fill(line(16, 3, 16, 19, 0.5), lighter(STEEL, 0.6))
    c.fill(rounded(9, 19.5, 23, 22, 1.2), GOLD)
    c.fill(rect(15, 22, 17, 28.5), (110, 60, 40))
    c.fill(circle(16, 29.5, 1.8), GOLD)
    return c


def key():
    c = backdrop((150, 110, 80))
    c.fill(ring(11, 11, 6, 3.2), GOLD)
    c.fill(line(15, 15, 27, 27, 2.6), GOLD)
    for t in (0.6, 0.8):
        x, y = 15 + 12 * t, 15 + 12 * t
        c.fill(line(x, y, x + 3, y - 3, 2.2), GOLD)
    return c


def book():
    c = backdrop((200, 170, 130))
    c.fill(rounded(6, 5, 27, 28, 1.5), (130, 40, 40))
    c.fill(rect(8, 26, 27, 28.5), (240, 235, 220))
    c.fill(rect(6, 5, 9, 28), darker((130, 40, 40), 0.3))
    c.fill(ring(17.5, 15.5, 4.5, 3.4), GOLD)
    c.fill(rect(12, 8, 23, 9), GOLD)
    return c


def heart_shape(cx, cy, size):
    return union(circle(cx - size * 0.5, cy - size * 0.25, size * 0.56),
                 circle(cx + size * 0.5, cy - size * 0.25, size * 0.56),
                 polygon([(cx - size * 1.02, cy - 0.1 * size), (cx + size * 1.02, cy - 0.1 * size),
                          (cx, cy + size * 1.1)]))


def heart():
    c = backdrop((250, 200, 210))
    c.fill(heart_shape(16, 15, 10), (210, 30, 60))
    c.fill(circle(11, 10.5, 1.8), lighter((210, 30, 60), 0.5))
    return c


def house():
    c = backdrop((150, 200, 240))
    c.fill(rect(0, 27, 32, 32), (100, 160, 80))
    c.fill(rect(7, 15, 25, 28), (230, 210, 170))
    c.fill(polygon([(4, 16), (16, 5), (28, 16)]), (170, 60, 50))
    c.fill(rect(21, 6, 24, 12), (120, 90, 80))
    c.fill(rect(14, 20, 18, 28), (110, 70, 40))
    for x in (9, 20.5):
        c.fill(rect(x, 18, x + 2.5, 20.5), (120, 170, 220))
    return c


def ship():
    c = backdrop((150, 200, 240))
    c.fill(rect(0, 25, 32, 32), (40, 90, 150))
    c.fill(polygon([(3, 20), (29, 20), (25, 27), (7, 27)]), (120, 70, 40))
    c.fill(rect(15.2, 3, 16.8, 20), (90, 60, 40))
    c.fill(polygon([(17, 4), (26, 17), (17, 17)]), (245, 245, 240))
    c.fill(polygon([(15, 6), (15, 17), (8, 17)]), (235, 235, 225))
    c.fill(polygon([(16.8, 2), (21, 3.2), (16.8, 4.4)]), (200, 40, 40))
    for x in range(0, 33, 6):
        c.fill(intersect(ring(x + 3, 28, 3, 2.2), lambda px, py: py < 28), lighter((40, 90, 150), 0.5))
    return c


def tree():
    c = backdrop((170, 210, 240))
    c.fill(rect(0, 28, 32, 32), (110, 170, 80))
    c.fill(polygon([(14, 29), (18, 29), (17.5, 16), (14.5, 16)]), (110, 74, 44))
    leaves = (60, 140, 60)
    for x, y, r in ((16, 10, 7), (10, 14, 5.5), (22, 14, 5.5), (16, 16, 6)):
        c.fill(circle(x, y, r), leaves)
    for x, y in ((12, 11), (20, 9), (18, 17), (9, 16)):
        c.fill(circle(x, y, 1), (210, 50, 50))
    return c


def candle():
    c = backdrop((50, 50, 80))
    c.fill(circle(16, 9, 6), (250, 220, 120), 0.25)
    c.fill(rect(12.5, 13, 19.5, 28), (240, 236, 220))
    c.fill(ellipse(16, 28.5, 8, 2), GOLD)
    c.fill(line(16, 13, 16, 10.5, 0.5), INK)
    c.fill(union(ellipse(16, 8.5, 1.8, 3.2), polygon([(14.3, 8.5), (17.7, 8.5), (16, 3.5)])), (250, 190, 60))
    c.fill(ellipse(16, 9.2, 0.8, 1.6), (255, 245, 200))
    return c


def potion():
    c = backdrop((120, 90, 150))
    glass = (200, 230, 240)
    c.fill(circle(16, 20, 8.5), glass)
    c.fill(rect(13.5, 6, 18.5, 13), glass)
    c.fill(intersect(circle(16, 20, 7.8), lambda x, y: y > 17.5), (120, 200, 80))
    c.fill(rounded(13, 3, 19, 7, 1), (150, 100, 60))
    c.fill(ellipse(12.5, 17, 1.3, 2.4), (255, 255, 255))
    return c


def scroll():
    c = backdrop((170, 140, 110))
    paper = (244, 230, 196)
    c.fill(rect(7, 6, 25, 26), paper)
    for y in (6, 26):
        c.fill(ellipse(16, y, 10, 2.2), darker(paper, 0.12))
    for y in (11, 14.5, 18, 21.5):
        c.fill(rect(10, y, 22 if y < 20 else 18, y + 1), (120, 100, 90))
    c.fill(circle(21, 24.5, 2.4), (180, 30, 40))
    return c


def hourglass():
    c = backdrop((190, 170, 140))
    wood = (120, 80, 40)
    c.fill(rect(7, 3, 25, 6), wood)
    c.fill(rect(7, 26, 25, 29), wood)
    glass = polygon([(9, 6), (23, 6), (17, 16), (23, 26), (9, 26), (15, 16)])
    c.fill(glass, (225, 240, 245))
    c.fill(intersect(glass, lambda x, y: y > 21 or 10 < y < 13), (230, 190, 110))
    c.fill(line(16, 13, 16, 24, 0.6), (230, 190, 110))
    return c


def rose():
    c = backdrop((240, 230, 210))
    c.fill(line(16, 16, 16, 31, 1.4), (60, 120, 50))
    c.fill(ellipse(12, 23, 3.8, 1.7), (70, 140, 60))
    red = (200, 30, 50)
    c.fill(circle(16, 12, 7), red)
    c.fill(intersect(ring(16, 12, 5.2, 4.3), lambda x, y: x < 17), darker(red, 0.3))
    c.fill(intersect(ring(16.5, 11.5, 2.8, 2.0), lambda x, y: x > 15.5), darker(red, 0.3))
    return c


# --- signs

def star_shape(cx, cy, outer, inner, points=5, turn=-math.pi / 2):
    corners = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = turn + i * math.pi / points
        corners.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(corners)


def star():
    c = backdrop((40, 50, 110))
    c.fill(star_shape(16, 16.5, 13, 5.4), GOLD)
    return c


def sun():
    c = backdrop((120, 190, 240))
    c.fill(star_shape(16, 16, 14.5, 9.5, points=12), (250, 200, 40))
    c.fill(circle(16, 16, 8), (250, 170, 30))
    return c


def moon():
    c = backdrop((30, 30, 70))
    c.fill(minus(circle(15, 16, 11), circle(20, 13, 9.5)), (240, 230, 170))
    for x, y in ((24, 22), (27, 9), (19, 27)):
        c.fill(star_shape(x, y, 2, 0.8), (250, 250, 230))
    return c


def spiral():
    c = backdrop((150, 200, 190))
    points = [(16 + 0.55 * t * math.cos(t), 16 + 0.55 * t * math.sin(t)) for t in
              [i * 0.25 for i in range(0, 96)] if 0.55 * t < 13.5]
    c.fill(union(*[line(*points[i], *points[i + 1], 2.2) for i in range(len(points) - 1)]), (40, 90, 100))
    return c


def question_mark():
    c = backdrop((240, 200, 90))
    c.fill(intersect(ring(16, 11, 7, 3.8), lambda x, y: y < 12 or x > 16), (80, 60, 140))
    c.fill(line(19.5, 15.5, 16, 19.5, 3.2), (80, 60, 140))
    c.fill(rect(14.4, 18.5, 17.6, 22), (80, 60, 140))
    c.fill(circle(16, 26.5, 2.1), (80, 60, 140))
    return c


def eye():
    c = backdrop((200, 220, 230))
    almond = intersect(circle(16, 26, 16), circle(16, 6, 16))
    c.fill(almond, (250, 250, 250))
    c.fill(intersect(almond, circle(16, 16, 6.5)), (60, 130, 170))
    c.fill(circle(16, 16, 3), INK)
    c.fill(circle(14, 14, 1.2), (255, 255, 255))
    c.fill(minus(intersect(circle(16, 26.5, 16.5), circle(16, 5.5, 16.5)), almond), INK)
    return c


def flame():
    c = backdrop((60, 40, 40))
    c.fill(union(circle(16, 21, 8.5), polygon([(7.7, 20), (24.3, 20), (16, 1)])), (230, 80, 30))
    c.fill(union(circle(16, 23, 5.5), polygon([(10.6, 22.5), (21.4, 22.5), (16, 9)])), (250, 170, 40))
    c.fill(union(circle(16, 25, 2.8), polygon([(13.3, 24.5), (18.7, 24.5), (16, 17)])), (255, 240, 160))
    return c


def mask():
    c = backdrop((150, 60, 70))
    face = intersect(circle(16, 11, 14), circle(16, 2, 26))
    c.fill(intersect(face, lambda x, y: y > 5), (245, 240, 225))
    for side in (-1, 1):
        c.fill(ellipse(16 + side * 5, 12, 2.8, 1.7), INK)
        c.fill(line(16 + side * 2.6, 8.6, 16 + side * 7.6, 8, 0.8), INK)
    c.fill(intersect(ring(16, 16, 6, 4.8), lambda x, y: y > 19), INK)
    return c


def lightning():
    c = backdrop((90, 100, 130))
    for x, y, r in ((10, 8, 5), (16, 6, 6), (22, 8, 5)):
        c.fill(circle(x, y, r), (200, 205, 215))
    c.fill(polygon([(17, 10), (10, 20), (15, 20), (12, 31), (22, 17), (17, 17), (21, 10)]), (250, 220, 60))
    return c


# The pictures by number, with what each shows. Never renumber: stories keep these numbers.
PICTURES = [
    (0, "man", "a man with short brown hair", man),
    (1, "woman", "a woman with long red hair", woman),
    (2, "boy", "a boy", boy),
    (3, "girl", "a girl with fair braids", girl),
    (4, "young-man", "a young man", young_man),
    (5, "young-woman", "a young woman with long brown hair", young_woman),
    (6, "old-man", "an old man with a grey beard", old_man),
    (7, "old-woman", "an old woman with her grey hair in a bun", old_woman),
    (8, "bearded-man", "a man with a black beard", bearded_man),
    (9, "king", "a king with a crown and a white beard", king),
    (10, "queen", "a queen with a crown", queen),
    (11, "prince", "a prince with a gold circlet", prince),
    (12, "princess", "a princess with a small crown", princess),
    (13, "knight", "a knight in a helmet", knight),
    (14, "soldier", "a soldier in a cap", soldier),
    (15, "friar", "a friar in a hood", friar),
    (16, "nurse", "a nurse or maid in a white cap", nurse),
    (17, "witch", "a witch in a pointed hat", witch),
    (18, "wizard", "a wizard with a starry hat", wizard),
    (19, "sailor", "a sailor", sailor),
    (20, "farmer", "a farmer in a straw hat", farmer),
    (21, "gentleman", "a gentleman in a top hat", gentleman),
    (22, "lady", "a lady in a bonnet", lady),
    (23, "baby", "a baby", baby),
    (24, "ghost", "a ghost", ghost),
    (25, "little-man", "a little man in a pointed cap", little_man),
    (26, "crowd", "a group of people", crowd),
    (27, "hooded-figure", "a hooded figure in shadow", hooded_figure),
    (28, "cat", "a cat", cat),
    (29, "dog", "a dog", dog),
    (30, "horse", "a horse", horse),
    (31, "wolf", "a wolf", wolf),
    (32, "fox", "a fox", fox),
    (33, "owl", "an owl", owl),
    (34, "songbird", "a songbird on a branch", songbird),
    (35, "fish", "a fish", fish),
    (36, "frog", "a frog", frog),
    (37, "mouse", "a mouse", mouse),
    (38, "lion", "a lion", lion),
    (39, "snake", "a snake", snake),
    (40, "bull", "a bull", bull),
    (41, "hare", "a hare", hare),
    (42, "tortoise", "a tortoise", tortoise),
    (43, "crown", "a crown", crown_object),
    (44, "sword", "a sword", sword),
    (45, "key", "a key", key),
    (46, "book", "a book", book),
    (47, "heart", "a heart", heart),
    (48, "house", "a house", house),
    (49, "ship", "a sailing ship", ship),
    (50, "tree", "a tree", tree),
    (51, "candle", "a candle", candle),
    (52, "potion", "a bottle with a potion", potion),
    (53, "letter", "a sealed letter", scroll),
    (54, "hourglass", "an hourglass", hourglass),
    (55, "rose", "a rose", rose),
    (56, "star", "a star", star),
    (57, "sun", "the sun", sun),
    (58, "moon", "the moon and stars", moon),
    (59, "spiral", "a spiral", spiral),
    (60, "question-mark", "a question mark", question_mark),
    (61, "eye", "an eye", eye),
    (62, "flame", "a flame", flame),
    (63, "mask", "a mask", mask),
    (64, "lightning", "a storm cloud and lightning", lightning),
]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    for number, name, description, draw in PICTURES:
        stem = f"{number:02d}-{name}"
        draw().png(f"{folder}/{stem}.png")
        with open(f"{folder}/{stem}.picture", "w") as source:
            source.write(f"# Stock character picture {number}: {description}; drawn by "
                         f"tools/draw_character_pictures.py.\npicture 'CPIX' {number}\nimage {stem}.png\n")


if __name__ == "__main__":
    main()
