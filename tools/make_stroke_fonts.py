#!/usr/bin/env python3
"""Generates the viewer's three stroke fonts: viewer/render/fonts/*.inc.

Usage: tools/make_stroke_fonts.py [--hershey DIR] [--out DIR]

DIR defaults to /usr/share/hershey-fonts (Debian package hershey-fonts-data)
and the output to viewer/render/fonts below the repository root. The output
is committed, so the build needs neither the package nor this script; running
it again reproduces the files byte for byte.

Each font is three tables: key pairs (text character, case letter) in glyph
order ending with "$$", a 1-based index of each glyph's first word, and the
stroke words. A glyph is a header word (bits 7-15 the number of stroke words,
bits 0-6 the width adjustment + 64) followed by stroke words (bits 14-15 the
pen, 1 = draw; bits 7-13 dx + 64; bits 0-6 dy + 64). Glyphs are drawn around
the current point; every glyph starts with a pen-up move and ends with a
pen-up move to (width adjustment, baseline shift).

Geometry, in stroke units of a font whose character height is H units
(6 for SIMPLEX, 24 for DUPLEX and UBCFONT):
- capitals run from y = -H/2 (baseline) to y = +H/2; the x-height is at H/6;
- a glyph advances the text by H + its width adjustment; its ink is centred
  on the interval it advances over, i.e. at x = adjustment / 2;
- Hershey glyphs (capital height 21, baseline at y = 9, y downwards) are
  scaled by H/21 with exact rational arithmetic and rounded half up; their
  advance is their Hershey width scaled and rounded;
- hand designs are written on the SIMPLEX grid (H = 6, ink-centred) and are
  scaled by H/6 for the larger fonts; their circles are polygons of 8 sides
  on the SIMPLEX grid and of 24 sides on the finer grid.

SIMPLEX is drawn by hand throughout: Hershey outlines rounded to six units per
character height are not legible. DUPLEX takes the Hershey roman duplex for
text, the complex Greek and Cyrillic and the simplex mathematical sets;
UBCFONT takes the roman complex for text and adds the roman simplex (case 1),
roman triplex (2), complex italic (I) and triplex italic (J) alphabets.

The V spacing glyphs move the baseline: "2" V lowers the following text by a
third of the character height and "1" V raises it back (the subscripts of
"N2x1"), "4" V / "3" V do the same by a sixth and "6" V / "5" V by a half.
"""

import argparse
import math
import os
import sys
from fractions import Fraction

ACKNOWLEDGEMENT = """\
// The Hershey Fonts were originally created by Dr. A. V. Hershey while working
// at the U. S. National Bureau of Standards.
// The format of the Font data in this distribution was originally created by
// James Hurt, Cognition, Inc., 900 Technology Park Drive, Billerica, MA 01821
// (mit-eddie!ci-dandelion!hurt)."""

PRINTABLE = [chr(c) for c in range(33, 127)]


# --------------------------------------------------------------------------
# Outlines: polylines in stroke units relative to the current point, y up.

class Outline:
    def __init__(self, lines, adjust, shift=0):
        self.lines = lines      # list of lists of (x, y); numbers or Fractions
        self.adjust = adjust    # width adjustment, stroke units
        self.shift = shift      # baseline shift of the final move

    def transformed(self, sx=1, sy=1, tx=0, ty=0):
        """Scales about the ink centre (adjust/2, 0), then translates."""
        cx = Fraction(self.adjust, 2)
        lines = [[(cx + (x - cx) * sx + tx, y * sy + ty) for x, y in line]
                 for line in self.lines]
        return Outline(lines, self.adjust, self.shift)


def round_half_up(value):
    if isinstance(value, float):
        value = Fraction(value).limit_denominator(1 << 20)
    return math.floor(value + Fraction(1, 2))


# --------------------------------------------------------------------------
# Hershey data.

class HersheyFile:
    """One .jhf file: 96 glyphs for the characters blank to DEL."""

    def __init__(self, path):
        with open(path, encoding="latin-1") as stream:
            rows = stream.read().split("\n")
        self.glyphs = []
        row = 0
        while row < len(rows):
            line = rows[row]
            row += 1
            if not line.strip():
                continue
            count = int(line[5:8])
            data = line[8:]
            while len(data) < 2 * count and row < len(rows):
                data += rows[row]
                row += 1
            self.glyphs.append(self._parse(data, count))

    @staticmethod
    def _parse(data, count):
        left, right = ord(data[0]) - 82, ord(data[1]) - 82
        lines, line = [], []
        for k in range(1, count):
            a, b = data[2 * k], data[2 * k + 1]
            if a == " " and b == "R":
                if line:
                    lines.append(line)
                line = []
            else:
                line.append((ord(a) - 82, ord(b) - 82))
        if line:
            lines.append(line)
        return left, right, lines

    def glyph(self, char):
        return self.glyphs[ord(char) - 32]


class Hershey:
    def __init__(self, directory):
        self.directory = directory
        self.files = {}

    def file(self, name):
        if name not in self.files:
            self.files[name] = HersheyFile(os.path.join(self.directory, name + ".jhf"))
        return self.files[name]


# --------------------------------------------------------------------------
# Glyph sources. Each has outline(grid, hershey) -> Outline.

class FromHershey:
    def __init__(self, font, char):
        self.font, self.char = font, char

    def outline(self, grid, hershey):
        left, right, lines = hershey.file(self.font).glyph(self.char)
        scale = Fraction(grid, 21)
        adjust = round_half_up((right - left) * scale) - grid
        centre = Fraction(left + right, 2)
        offset = Fraction(adjust, 2)
        lines = [[((x - centre) * scale + offset, (-y - Fraction(3, 2)) * scale)
                  for x, y in line] for line in lines]
        return Outline(lines, adjust)


class Design:
    """A hand design on the SIMPLEX grid, ink-centred: polylines separated by
    ';', points 'x,y'; 'o(x,y,r)' is a circle."""

    def __init__(self, adjust, text):
        self.adjust, self.text = adjust, text

    def outline(self, grid, hershey):
        k = Fraction(grid, 6)
        offset = Fraction(self.adjust, 2) * k
        lines = []
        for part in self.text.split(";"):
            part = part.strip()
            if part.startswith("o("):
                cx, cy, r = (Fraction(v) for v in part[2:-1].split(","))
                lines.append(circle(cx * k + offset, cy * k, r * k, 8 if grid == 6 else 24))
            elif part:
                points = []
                for token in part.split():
                    x, y = token.split(",")
                    points.append((Fraction(x) * k + offset, Fraction(y) * k))
                if grid > 6 and len(set(points)) == 1:
                    # A dot: a small ring where the grid is fine enough.
                    (x, y), = set(points)
                    points = circle(x, y, k / 4, 8)
                lines.append(points)
        return Outline(lines, self.adjust * k)


def circle(cx, cy, r, sides):
    points = []
    for i in range(sides + 1):
        a = math.pi * (2 * i + 1) / sides
        points.append((cx + float(r) * math.cos(a), cy + float(r) * math.sin(a)))
    return points


class Compose:
    """Parts laid over each other. A part is (source, sx, sy, tx, ty) with the
    translation in SIMPLEX grid units; the first part gives the advance unless
    adjust (SIMPLEX units) is given."""

    def __init__(self, parts, adjust=None):
        self.parts, self.adjust = parts, adjust

    def outline(self, grid, hershey):
        k = Fraction(grid, 6)
        lines, adjust = [], None
        for source, sx, sy, tx, ty in self.parts:
            part = source.outline(grid, hershey)
            if adjust is None:
                adjust = part.adjust
            part = part.transformed(Fraction(sx), Fraction(sy), Fraction(tx) * k, Fraction(ty) * k)
            lines += part.lines
        if self.adjust is not None:
            new = self.adjust * k
            lines = [[(x + Fraction(new - adjust, 2), y) for x, y in line] for line in lines]
            adjust = new
        return Outline(lines, adjust)


class Blank:
    """An empty glyph: advance H + adjust, baseline shift; both in SIMPLEX
    grid units."""

    def __init__(self, adjust, shift=0):
        self.adjust, self.shift = adjust, shift

    def outline(self, grid, hershey):
        k = Fraction(grid, 6)
        return Outline([], self.adjust * k, self.shift * k)


def part(source, sx=1, sy=1, tx=0, ty=0):
    return (source, sx, sy, tx, ty)


# --------------------------------------------------------------------------
# Hand designs of SIMPLEX: capitals 6 high (y -3..3), x-height y = 1,
# descenders to y = -5.

TEXT_DESIGNS = {
    " ": (-2, ""),
    "!": (-4, "0,3 0,-1; 0,-3 0,-3"),
    '"': (-2, "-1,3 -1,1; 1,3 1,1"),
    "#": (0, "-1,3 -1,-3; 1,3 1,-3; -2,1 2,1; -2,-1 2,-1"),
    "$": (0, "2,2 1,3 -1,3 -2,2 -2,1 -1,0 1,0 2,-1 2,-2 1,-3 -1,-3 -2,-2; 0,4 0,-4"),
    "%": (0, "2,3 -2,-3; -2,3 -1,3 -1,2 -2,2 -2,3; 1,-2 2,-2 2,-3 1,-3 1,-2"),
    "&": (0, "2,-3 -1,1 -1,2 0,3 1,2 1,1 -2,-1 -2,-2 -1,-3 0,-3 2,-1"),
    "'": (-4, "0,3 0,1"),
    "(": (-2, "1,3 -1,1 -1,-1 1,-3"),
    ")": (-2, "-1,3 1,1 1,-1 -1,-3"),
    "*": (0, "0,2 0,-2; -2,1 2,-1; -2,-1 2,1"),
    "+": (0, "0,2 0,-2; -2,0 2,0"),
    ",": (-4, "0,-2 0,-3 -1,-4"),
    "-": (0, "-2,0 2,0"),
    ".": (-4, "0,-3 0,-3"),
    "/": (0, "2,3 -2,-3"),
    "0": (0, "-1,3 1,3 2,2 2,-2 1,-3 -1,-3 -2,-2 -2,2 -1,3"),
    "1": (0, "-1,2 0,3 0,-3; -1,-3 1,-3"),
    "2": (0, "-2,2 -1,3 1,3 2,2 2,1 -2,-3 2,-3"),
    "3": (0, "-2,2 -1,3 1,3 2,2 2,1 1,0 2,-1 2,-2 1,-3 -1,-3 -2,-2; 0,0 1,0"),
    "4": (0, "1,-3 1,3 -2,-1 2,-1"),
    "5": (0, "2,3 -2,3 -2,0 1,0 2,-1 2,-2 1,-3 -1,-3 -2,-2"),
    "6": (0, "2,2 1,3 -1,3 -2,2 -2,-2 -1,-3 1,-3 2,-2 2,-1 1,0 -2,0"),
    "7": (0, "-2,3 2,3 -1,-3"),
    "8": (0, "-1,0 -2,1 -2,2 -1,3 1,3 2,2 2,1 1,0 -1,0 -2,-1 -2,-2 -1,-3 1,-3 2,-2 2,-1 1,0"),
    "9": (0, "2,0 -1,0 -2,1 -2,2 -1,3 1,3 2,2 2,-2 1,-3 -1,-3 -2,-2"),
    ":": (-4, "0,1 0,1; 0,-3 0,-3"),
    ";": (-4, "0,1 0,1; 0,-2 0,-3 -1,-4"),
    "<": (0, "2,2 -2,0 2,-2"),
    "=": (0, "-2,1 2,1; -2,-1 2,-1"),
    ">": (0, "-2,2 2,0 -2,-2"),
    "?": (0, "-2,2 -1,3 1,3 2,2 2,1 0,0 0,-1; 0,-3 0,-3"),
    "@": (0, "1,-1 1,1 -1,1 -1,-1 1,-1 2,0 2,2 1,3 -1,3 -2,2 -2,-2 -1,-3 2,-3"),
    "A": (0, "-2,-3 0,3 2,-3; -1,0 1,0"),
    "B": (0, "-2,0 1,0 2,1 2,2 1,3 -2,3 -2,-3 1,-3 2,-2 2,-1 1,0"),
    "C": (0, "2,2 1,3 -1,3 -2,2 -2,-2 -1,-3 1,-3 2,-2"),
    "D": (0, "-2,3 1,3 2,2 2,-2 1,-3 -2,-3 -2,3"),
    "E": (0, "2,3 -2,3 -2,-3 2,-3; -2,0 1,0"),
    "F": (0, "2,3 -2,3 -2,-3; -2,0 1,0"),
    "G": (0, "2,2 1,3 -1,3 -2,2 -2,-2 -1,-3 1,-3 2,-2 2,0 0,0"),
    "H": (0, "-2,3 -2,-3; 2,3 2,-3; -2,0 2,0"),
    "I": (-2, "-1,3 1,3; 0,3 0,-3; -1,-3 1,-3"),
    "J": (0, "2,3 2,-2 1,-3 -1,-3 -2,-2 -2,-1"),
    "K": (0, "-2,3 -2,-3; 2,3 -2,-1; -1,0 2,-3"),
    "L": (0, "-2,3 -2,-3 2,-3"),
    "M": (0, "-2,-3 -2,3 0,0 2,3 2,-3"),
    "N": (0, "-2,-3 -2,3 2,-3 2,3"),
    "O": (0, "-1,3 1,3 2,2 2,-2 1,-3 -1,-3 -2,-2 -2,2 -1,3"),
    "P": (0, "-2,-3 -2,3 1,3 2,2 2,1 1,0 -2,0"),
    "Q": (0, "-1,3 1,3 2,2 2,-2 1,-3 -1,-3 -2,-2 -2,2 -1,3; 0,-1 2,-4"),
    "R": (0, "-2,-3 -2,3 1,3 2,2 2,1 1,0 -2,0; 0,0 2,-3"),
    "S": (0, "2,2 1,3 -1,3 -2,2 -2,1 -1,0 1,0 2,-1 2,-2 1,-3 -1,-3 -2,-2"),
    "T": (0, "-2,3 2,3; 0,3 0,-3"),
    "U": (0, "-2,3 -2,-2 -1,-3 1,-3 2,-2 2,3"),
    "V": (0, "-2,3 0,-3 2,3"),
    "W": (0, "-2,3 -1,-3 0,0 1,-3 2,3"),
    "X": (0, "-2,3 2,-3; 2,3 -2,-3"),
    "Y": (0, "-2,3 0,0 2,3; 0,0 0,-3"),
    "Z": (0, "-2,3 2,3 -2,-3 2,-3"),
    "[": (-2, "1,3 -1,3 -1,-3 1,-3"),
    "]": (-2, "-1,3 1,3 1,-3 -1,-3"),
    "^": (0, "-2,1 0,3 2,1"),
    "_": (0, "-3,-4 3,-4"),
    "`": (-2, "-1,3 1,1"),
    "a": (0, "2,1 2,-3; 2,0 1,1 -1,1 -2,0 -2,-2 -1,-3 1,-3 2,-2"),
    "b": (0, "-2,3 -2,-3; -2,0 -1,1 1,1 2,0 2,-2 1,-3 -1,-3 -2,-2"),
    "c": (0, "2,0 1,1 -1,1 -2,0 -2,-2 -1,-3 1,-3 2,-2"),
    "d": (0, "2,3 2,-3; 2,0 1,1 -1,1 -2,0 -2,-2 -1,-3 1,-3 2,-2"),
    "e": (0, "-2,-1 2,-1 2,0 1,1 -1,1 -2,0 -2,-2 -1,-3 1,-3 2,-2"),
    "f": (-2, "2,3 1,3 0,2 0,-3; -1,1 1,1"),
    "g": (0, "2,1 2,-4 1,-5 -1,-5 -2,-4; 2,0 1,1 -1,1 -2,0 -2,-2 -1,-3 1,-3 2,-2"),
    "h": (0, "-2,3 -2,-3; -2,0 -1,1 1,1 2,0 2,-3"),
    "i": (-4, "0,1 0,-3; 0,3 0,3"),
    "j": (-2, "1,1 1,-4 0,-5 -1,-5; 1,3 1,3"),
    "k": (0, "-2,3 -2,-3; 2,1 -2,-1; 0,0 2,-3"),
    "l": (-4, "0,3 0,-3"),
    "m": (0, "-2,1 -2,-3; -2,0 -1,1 0,0 0,-3; 0,0 1,1 2,0 2,-3"),
    "n": (0, "-2,1 -2,-3; -2,0 -1,1 1,1 2,0 2,-3"),
    "o": (0, "-1,1 1,1 2,0 2,-2 1,-3 -1,-3 -2,-2 -2,0 -1,1"),
    "p": (0, "-2,1 -2,-5; -2,0 -1,1 1,1 2,0 2,-2 1,-3 -1,-3 -2,-2"),
    "q": (0, "2,1 2,-5; 2,0 1,1 -1,1 -2,0 -2,-2 -1,-3 1,-3 2,-2"),
    "r": (0, "-2,1 -2,-3; -2,-1 0,1 2,1"),
    "s": (0, "2,1 -1,1 -2,0 -1,-1 1,-1 2,-2 1,-3 -2,-3"),
    "t": (-2, "0,3 0,-2 1,-3; -1,1 1,1"),
    "u": (0, "-2,1 -2,-2 -1,-3 1,-3 2,-2; 2,1 2,-3"),
    "v": (0, "-2,1 0,-3 2,1"),
    "w": (0, "-2,1 -1,-3 0,-1 1,-3 2,1"),
    "x": (0, "-2,1 2,-3; 2,1 -2,-3"),
    "y": (0, "-2,1 0,-3; 2,1 -1,-5"),
    "z": (0, "-2,1 2,1 -2,-3 2,-3"),
    "{": (-2, "1,3 0,2 0,1 -1,0 0,-1 0,-2 1,-3"),
    "|": (-4, "0,4 0,-4"),
    "}": (-2, "-1,3 0,2 0,1 1,0 0,-1 0,-2 -1,-3"),
    "~": (0, "-2,0 -1,1 1,-1 2,0"),
}

GREEK_CAPITAL_DESIGNS = {
    "A": TEXT_DESIGNS["A"], "B": TEXT_DESIGNS["B"], "C": TEXT_DESIGNS["X"],
    "D": (0, "-2,-3 0,3 2,-3 -2,-3"),
    "E": TEXT_DESIGNS["E"],
    "F": (0, "0,3 0,-3; -1,2 1,2 2,1 2,-1 1,-2 -1,-2 -2,-1 -2,1 -1,2"),
    "G": (0, "2,3 -2,3 -2,-3"),
    "H": TEXT_DESIGNS["H"], "I": TEXT_DESIGNS["I"], "K": TEXT_DESIGNS["K"],
    "L": (0, "-2,-3 0,3 2,-3"),
    "M": TEXT_DESIGNS["M"], "N": TEXT_DESIGNS["N"], "O": TEXT_DESIGNS["O"],
    "P": (0, "-2,-3 -2,3 2,3 2,-3"),
    "Q": (0, "-1,3 1,3 2,2 2,-2 1,-3 -1,-3 -2,-2 -2,2 -1,3; -1,0 1,0"),
    "R": TEXT_DESIGNS["P"],
    "S": (0, "2,3 -2,3 0,0 -2,-3 2,-3"),
    "T": TEXT_DESIGNS["T"],
    "U": (0, "-2,2 -1,3 0,2 0,-3; 0,2 1,3 2,2"),
    "W": (0, "-2,-3 -1,-3 -1,-2 -2,-1 -2,2 -1,3 1,3 2,2 2,-1 1,-2 1,-3 2,-3"),
    "X": (0, "-2,3 2,3; -1,0 1,0; -2,-3 2,-3"),
    "Y": (0, "-2,3 -2,1 -1,0 1,0 2,1 2,3; 0,3 0,-3"),
    "Z": TEXT_DESIGNS["Z"],
}

GREEK_SMALL_DESIGNS = {
    "a": (0, "2,1 1,-2 0,-3 -1,-3 -2,-2 -2,0 -1,1 0,1 1,0 2,-3"),
    "b": (0, "-2,-5 -2,2 -1,3 1,3 2,2 2,1 1,0 -1,0; 1,0 2,-1 2,-2 1,-3 -1,-3 -2,-2"),
    "c": (0, "-2,1 2,-5; 2,1 -2,-5"),
    "d": (0, "2,3 0,3 -1,2 2,0 2,-2 1,-3 -1,-3 -2,-2 -2,-1 0,1"),
    "e": (0, "2,1 -1,1 -2,0 -1,-1 1,-1; -1,-1 -2,-2 -1,-3 2,-3"),
    "f": (0, "0,3 0,-5; -1,1 1,1 2,0 2,-2 1,-3 -1,-3 -2,-2 -2,0 -1,1"),
    "g": (0, "-2,0 -1,1 0,-1 0,-5; 2,1 0,-1"),
    "h": (0, "-2,1 -2,-3; -2,0 -1,1 1,1 2,0 2,-5"),
    "i": (-2, "-1,1 -1,-2 0,-3"),
    "k": (0, "-2,1 -2,-3; 2,1 -2,-1; 0,0 2,-3"),
    "l": (0, "-2,3 -1,3 2,-3; 0,1 -2,-3"),
    "m": (0, "-2,1 -2,-5; -2,-2 -1,-3 1,-3 2,-2; 2,1 2,-3"),
    "n": (0, "-2,1 -1,1 0,-3 1,-2 2,0 2,1"),
    "o": TEXT_DESIGNS["o"],
    "p": (0, "-2,1 2,1; -1,1 -1,-3; 1,1 1,-3"),
    "q": (-2, "0,3 1,2 1,-2 0,-3 -1,-2 -1,2 0,3; -1,0 1,0"),
    "r": (0, "-2,-5 -2,0 -1,1 1,1 2,0 2,-2 1,-3 -1,-3 -2,-2"),
    "s": (0, "2,1 -1,1 -2,0 -2,-2 -1,-3 1,-3 2,-2 2,0 1,1"),
    "t": (0, "-2,1 2,1; 0,1 0,-2 1,-3"),
    "u": (0, "-2,1 -2,-2 -1,-3 1,-3 2,-2 2,1"),
    "w": (0, "-1,1 -2,0 -2,-2 -1,-3 0,-2 1,-3 2,-2 2,0 1,1; 0,-2 0,0"),
    "x": (0, "1,3 -1,3 -2,2 -1,1 1,1; -1,1 -2,0 -2,-2 -1,-3 1,-3 1,-4 0,-5"),
    "y": (0, "0,3 0,-5; -2,1 -2,-2 -1,-3 1,-3 2,-2 2,1"),
    "z": (0, "-2,3 2,3 -2,-1 -2,-2 -1,-3 1,-3 1,-4 0,-5"),
}

CYRILLIC_CAPITAL_DESIGNS = {
    "A": TEXT_DESIGNS["A"],
    "B": (0, "2,3 -2,3 -2,-3 1,-3 2,-2 2,-1 1,0 -2,0"),
    "C": (0, "-2,2 -1,3 1,3 2,2 2,-2 1,-3 -1,-3 -2,-2; -1,0 2,0"),
    "D": (0, "-3,-4 -3,-3 3,-3 3,-4; -2,-3 -1,3 2,3 2,-3"),
    "E": (0, "-2,3 -2,-3 2,3 2,-3; -1,5 0,4 1,5"),
    "F": GREEK_CAPITAL_DESIGNS["F"],
    "G": GREEK_CAPITAL_DESIGNS["G"],
    "H": (2, "0,3 0,-3; -3,3 0,0 -3,-3; 3,3 0,0 3,-3"),
    "I": (0, "-2,3 -2,-3 2,3 2,-3"),
    "J": (0, "-2,3 -2,1 -1,0 2,0; 2,3 2,-3"),
    "K": TEXT_DESIGNS["K"],
    "L": (0, "-2,-3 -1,-2 -1,3 2,3 2,-3"),
    "M": TEXT_DESIGNS["M"], "N": TEXT_DESIGNS["H"], "O": TEXT_DESIGNS["O"],
    "P": GREEK_CAPITAL_DESIGNS["P"],
    "Q": (2, "-3,3 -3,-3 3,-3 3,3; 0,3 0,-3"),
    "R": TEXT_DESIGNS["P"], "S": TEXT_DESIGNS["C"], "T": TEXT_DESIGNS["T"],
    "U": (2, "-3,3 -3,-3; -3,0 -1,0; 0,3 2,3 3,2 3,-2 2,-3 0,-3 -1,-2 -1,2 0,3"),
    "V": TEXT_DESIGNS["B"],
    "W": (2, "-3,3 -3,-3 4,-3 4,-4; 3,3 3,-3; 0,3 0,-3"),
    "X": TEXT_DESIGNS["X"],
    "Y": (0, "-2,3 0,-1; 2,3 -1,-3 -2,-3"),
    "Z": TEXT_DESIGNS["3"],
    "1": (0, "-2,3 -2,-3 3,-3 3,-4; 2,3 2,-3"),
    "2": (2, "-3,3 -3,-3 0,-3 1,-2 1,-1 0,0 -3,0; 3,3 3,-3"),
    "3": (0, "-2,3 -2,-3 1,-3 2,-2 2,-1 1,0 -2,0"),
    "4": (2, "-3,3 -1,3 -1,-3 2,-3 3,-2 3,-1 2,0 -1,0"),
    "5": (0, "2,-3 2,3 -1,3 -2,2 -2,1 -1,0 2,0; 0,0 -2,-3"),
    "6": TEXT_DESIGNS["E"],
}

CYRILLIC_SMALL_DESIGNS = {
    "a": TEXT_DESIGNS["a"],
    "b": (0, "2,3 -1,3 -2,2 -2,-2 -1,-3 1,-3 2,-2 2,-1 1,0 -1,0 -2,-1"),
    "c": (0, "-2,0 -1,1 1,1 2,0 2,-2 1,-3 -1,-3 -2,-2; 0,-1 2,-1"),
    "d": (0, "-3,-4 -3,-3 3,-3 3,-4; -2,-3 -1,1 2,1 2,-3"),
    "e": (0, "-2,1 -2,-3 2,1 2,-3; -1,3 0,2 1,3"),
    "f": GREEK_SMALL_DESIGNS["f"],
    "g": (0, "2,1 -2,1 -2,-3"),
    "h": (2, "0,1 0,-3; -3,1 0,-1 -3,-3; 3,1 0,-1 3,-3"),
    "i": (0, "-2,1 -2,-3 2,1 2,-3"),
    "j": (0, "-2,1 -2,0 -1,-1 2,-1; 2,1 2,-3"),
    "k": (0, "-2,1 -2,-3; 2,1 -1,-1 2,-3; -2,-1 -1,-1"),
    "l": (0, "-2,-3 -1,-2 -1,1 2,1 2,-3"),
    "m": (0, "-2,-3 -2,1 0,-2 2,1 2,-3"),
    "n": (0, "-2,1 -2,-3; 2,1 2,-3; -2,-1 2,-1"),
    "o": TEXT_DESIGNS["o"],
    "p": (0, "-2,-3 -2,1 2,1 2,-3"),
    "q": (2, "-3,1 -3,-3 3,-3 3,1; 0,1 0,-3"),
    "r": TEXT_DESIGNS["p"], "s": TEXT_DESIGNS["c"],
    "t": (0, "-2,1 2,1; 0,1 0,-3"),
    "u": (2, "-3,1 -3,-3; -3,-1 0,-1; 1,1 2,1 3,0 3,-2 2,-3 1,-3 0,-2 0,0 1,1"),
    "v": (0, "-2,-1 1,-1 2,-2 1,-3 -2,-3 -2,1 1,1 2,0 1,-1"),
    "w": (2, "-3,1 -3,-3 4,-3 4,-4; 3,1 3,-3; 0,1 0,-3"),
    "x": TEXT_DESIGNS["x"], "y": TEXT_DESIGNS["y"],
    "z": (0, "-2,0 -1,1 1,1 2,0 1,-1 2,-2 1,-3 -1,-3 -2,-2; 0,-1 1,-1"),
    "1": (0, "-2,1 -2,-3 3,-3 3,-4; 2,1 2,-3"),
    "2": (2, "-3,1 -3,-3 0,-3 1,-2 0,-1 -3,-1; 3,1 3,-3"),
    "3": (0, "-2,1 -2,-3 1,-3 2,-2 1,-1 -2,-1"),
    "4": (2, "-3,1 -1,1 -1,-3 2,-3 3,-2 2,-1 -1,-1"),
    "5": (0, "2,-3 2,1 -1,1 -2,0 -1,-1 2,-1; 0,-1 -2,-3"),
    "6": TEXT_DESIGNS["e"],
}

# Signs shared by all three fonts: the larger fonts scale these designs by 4
# unless a Hershey glyph is named for them below.

# Plotting symbols (case O): plus, cross, diamond, square, plus and cross,
# square and cross, diamond and plus, circle and plus, circle and cross,
# circle; none advances, so each is centred on its point.
PLOT_SYMBOL_DESIGNS = {
    "0": (0, "0,3 0,-3; -3,0 3,0"),
    "1": (0, "-2,2 2,-2; -2,-2 2,2"),
    "2": (0, "0,3 3,0 0,-3 -3,0 0,3"),
    "3": (0, "-2,2 2,2 2,-2 -2,-2 -2,2"),
    "4": (0, "0,3 0,-3; -3,0 3,0; -2,2 2,-2; -2,-2 2,2"),
    "5": (0, "-2,2 2,2 2,-2 -2,-2 -2,2; -2,-2 2,2; -2,2 2,-2"),
    "6": (0, "0,3 3,0 0,-3 -3,0 0,3; 0,3 0,-3; -3,0 3,0"),
    "7": (0, "o(0,0,2.4); 0,3 0,-3; -3,0 3,0"),
    "8": (0, "o(0,0,2.4); -2,2 2,-2; -2,-2 2,2"),
    "9": (0, "o(0,0,2.4)"),
}

# Further signs (case A): "*" a six-armed asterisk; "0" to "9" triangles up,
# down, left and right, a five-pointed star, a hexagon, an hourglass, a bow
# tie, a filled square and a filled circle; A filled triangle, B filled
# diamond, C club, E circled dot, H heart, J quaver, K squared plus, M male
# sign, N filled inverted triangle, O large circle, P pentagon, Q squared dot,
# S spade, T bull's eye, U large square, V large diamond, W female sign,
# X six-pointed star, Y yen sign.
FURTHER_SIGN_DESIGNS = {
    "*": (0, "0,3 0,-3; -3,2 3,-2; -3,-2 3,2"),
    "0": (0, "-3,-2 0,3 3,-2 -3,-2"),
    "1": (0, "-3,2 0,-3 3,2 -3,2"),
    "2": (0, "2,3 -3,0 2,-3 2,3"),
    "3": (0, "-2,3 3,0 -2,-3 -2,3"),
    "4": (0, "0,3 -2,-2 3,1 -3,1 2,-2 0,3"),
    "5": (0, "-3,0 -1,2 1,2 3,0 1,-2 -1,-2 -3,0"),
    "6": (0, "-2,3 2,3 -2,-3 2,-3 -2,3"),
    "7": (0, "-3,2 3,-2 3,2 -3,-2 -3,2"),
    "8": (0, "-2,2 2,2 2,1 -2,1 -2,0 2,0 2,-1 -2,-1 -2,-2 2,-2 2,2; -2,2 -2,-2"),
    "9": (0, "o(0,0,2.4); -2,1 2,1; -2,0 2,0; -2,-1 2,-1; -1,2 1,2; -1,-2 1,-2"),
    "A": (0, "-3,-2 0,3 3,-2 -3,-2; -2,-1 2,-1; -2,0 2,0; -1,1 1,1"),
    "B": (0, "0,3 3,0 0,-3 -3,0 0,3; -3,0 3,0; -2,1 2,1; -2,-1 2,-1; -1,2 1,2; -1,-2 1,-2"),
    "C": (0, "0,3 1,2 0,1 -1,2 0,3; -2,1 -1,0 -2,-1 -3,0 -2,1; 2,1 3,0 2,-1 1,0 2,1;"
             " 0,1 0,-3; -1,-3 1,-3"),
    "E": (0, "o(0,0,2.4); 0,0 0,0"),
    "H": (0, "0,-3 -3,0 -3,2 -2,3 -1,3 0,2 1,3 2,3 3,2 3,0 0,-3"),
    "J": (0, "1,3 1,-2 0,-3 -1,-3 -1,-2 0,-1 1,-2; 1,3 3,1"),
    "K": (0, "-2,2 2,2 2,-2 -2,-2 -2,2; 0,2 0,-2; -2,0 2,0"),
    "M": (0, "-2,1 0,1 1,0 1,-2 0,-3 -2,-3 -3,-2 -3,0 -2,1; 0,0 3,3; 1,3 3,3 3,1"),
    "N": (0, "-3,2 0,-3 3,2 -3,2; -2,1 2,1; -2,0 2,0; -1,-1 1,-1"),
    "O": (2, "o(0,0,4)"),
    "P": (0, "0,3 3,1 2,-2 -2,-2 -3,1 0,3"),
    "Q": (0, "-2,2 2,2 2,-2 -2,-2 -2,2; 0,0 0,0"),
    "S": (0, "0,3 -3,0 -3,-1 -2,-2 -1,-2 0,-1 1,-2 2,-2 3,-1 3,0 0,3; 0,-1 -1,-3 1,-3 0,-1"),
    "T": (0, "o(0,0,3); o(0,0,1.2)"),
    "U": (2, "-4,4 4,4 4,-4 -4,-4 -4,4"),
    "V": (2, "0,4 4,0 0,-4 -4,0 0,4"),
    "W": (0, "o(0,1,2); 0,-1 0,-4; -1,-3 1,-3"),
    "X": (0, "0,3 3,-2 -3,-2 0,3; 0,-3 3,2 -3,2 0,-3"),
    "Y": (0, "-2,3 0,1 2,3; 0,1 0,-3; -2,0 2,0; -2,-1 2,-1"),
}

# Long lines (case D) over (O) and under (U) the text, a whole cell wide so
# that they join.
LONG_LINE_DESIGNS = {
    "O": (0, "-3,4 3,4"),
    "U": (0, "-3,-4 3,-4"),
}

# Barred h and barred lambda (case K).
BARRED_DESIGNS = {
    "H": (0, "-2,3 -2,-3; -2,0 -1,1 1,1 2,0 2,-3; -3,2 0,2"),
    "L": (0, "-2,3 -1,3 2,-3; 0,1 -2,-3; -2,1 1,3"),
}

# Mathematical signs (case M): ( subset, ) superset, * asterisk operator,
# + plus-minus, - minus-plus, . centred dot, / division, 0 infinity,
# 2 superscript two, = identity; A almost equal, B nabla, C intersection,
# D partial, E element of, G greater or equal, H parallel, I integral,
# J union, L less or equal, M proportional, N not equal, P product, R root,
# S sum, T perpendicular, X multiplication, Y therefore, Z empty set;
# UBCFONT adds Q angle and V tilde operator.
MATH_DESIGNS = {
    "(": (0, "2,2 -1,2 -2,1 -2,-1 -1,-2 2,-2"),
    ")": (0, "-2,2 1,2 2,1 2,-1 1,-2 -2,-2"),
    "*": (0, "0,2 0,-2; -2,1 2,-1; -2,-1 2,1"),
    "+": (0, "0,3 0,-1; -2,1 2,1; -2,-2 2,-2"),
    "-": (0, "-2,2 2,2; 0,1 0,-3; -2,-1 2,-1"),
    ".": (-4, "0,0 0,0"),
    "/": (0, "-2,0 2,0; 0,2 0,2; 0,-2 0,-2"),
    "0": (2, "0,0 -1,1 -2,1 -3,0 -2,-1 -1,-1 1,1 2,1 3,0 2,-1 1,-1 0,0"),
    "2": (-2, "-1,3 0,3 1,2 -1,0 1,0"),
    "=": (0, "-2,2 2,2; -2,0 2,0; -2,-2 2,-2"),
    "A": (0, "-2,1 -1,2 1,0 2,1; -2,-1 -1,0 1,-2 2,-1"),
    "B": (0, "-2,3 2,3 0,-3 -2,3"),
    "C": (0, "-2,-2 -2,1 -1,2 1,2 2,1 2,-2"),
    "D": (0, "-2,2 -1,3 1,3 2,2 2,-2 1,-3 -1,-3 -2,-2 -2,-1 -1,0 2,0"),
    "E": (0, "2,2 -1,2 -2,1 -2,-1 -1,-2 2,-2; -2,0 1,0"),
    "G": (0, "-2,3 2,1 -2,-1; -2,-3 2,-3"),
    "H": (-2, "-1,3 -1,-3; 1,3 1,-3"),
    "I": (0, "2,3 1,4 0,3 0,-3 -1,-4 -2,-3"),
    "J": (0, "-2,2 -2,-1 -1,-2 1,-2 2,-1 2,2"),
    "L": (0, "2,3 -2,1 2,-1; -2,-3 2,-3"),
    "M": (0, "2,1 1,1 -1,-1 -2,-1 -3,0 -2,1 -1,1 1,-1 2,-1"),
    "N": (0, "-2,1 2,1; -2,-1 2,-1; 1,3 -1,-3"),
    "P": (2, "-3,3 3,3; -2,3 -2,-3; 2,3 2,-3; -3,-3 -1,-3; 1,-3 3,-3"),
    "R": (0, "-2,-1 -1,0 0,-3 2,3 3,3"),
    "S": (0, "2,2 2,3 -2,3 0,0 -2,-3 2,-3 2,-2"),
    "T": (0, "0,3 0,-3; -2,-3 2,-3"),
    "X": (0, "-2,2 2,-2; -2,-2 2,2"),
    "Y": (0, "0,2 0,2; -2,-2 -2,-2; 2,-2 2,-2"),
    "Z": (0, "o(0,0,2.4); 2,3 -2,-3"),
}

# Punctuation and accents (case P): , cedilla, . dot above, A acute, D
# dieresis, E grave, F circumflex, I inverted exclamation mark, P prime,
# Q inverted question mark, U breve; UBCFONT adds L and R, the opening and
# closing double quotes.
PUNCTUATION_DESIGNS = {
    ",": (-2, "0,-3 1,-4 0,-5"),
    ".": (-4, "0,4 0,4"),
    "A": (-2, "-1,4 1,5"),
    "D": (-2, "-1,4 -1,4; 1,4 1,4"),
    "E": (-2, "-1,5 1,4"),
    "F": (-2, "-1,4 0,5 1,4"),
    "I": (-4, "0,1 0,1; 0,-1 0,-5"),
    "P": (-4, "0,3 -1,1"),
    "Q": (0, "0,1 0,1; 0,-1 0,-2 -2,-3 -2,-4 -1,-5 1,-5 2,-4"),
    "U": (-2, "-1,5 0,4 1,5"),
}

# Special signs (case S): ( and ) angle brackets, + dagger, / per mille,
# 0 degree; A angstrom, B flat, C copyright, D double dagger, E euro,
# L pound, N numero, P pilcrow, R registered, T trade mark, U micro,
# V check mark, W mho, X ballot cross.
SPECIAL_DESIGNS = {
    "(": (-2, "1,3 -1,0 1,-3"),
    ")": (-2, "-1,3 1,0 -1,-3"),
    "+": (0, "0,3 0,-3; -2,1 2,1"),
    "/": (2, "2,3 -2,-3; -2,3 -1,3 -1,2 -2,2 -2,3; 0,-2 1,-2 1,-3 0,-3 0,-2;"
             " 2,-2 3,-2 3,-3 2,-3 2,-2"),
    "0": (-2, "0,3 1,2 0,1 -1,2 0,3"),
    "A": (0, "-2,-3 0,2 2,-3; -1,-1 1,-1; 0,2 1,3 0,4 -1,3 0,2"),
    "B": (-2, "-1,3 -1,-3 1,-2 1,-1 0,0 -1,-1"),
    "C": (2, "o(0,0,3); 1,1 -1,1 -1,-1 1,-1"),
    "D": (0, "0,3 0,-3; -2,2 2,2; -2,-1 2,-1"),
    "E": (0, "2,2 1,3 -1,3 -2,2 -2,-2 -1,-3 1,-3 2,-2; -3,1 1,1; -3,-1 1,-1"),
    "L": (0, "2,2 1,3 0,3 -1,2 -1,-2 -2,-3 2,-3; -2,0 1,0"),
    "N": (2, "-3,-3 -3,3 0,-3 0,3; 2,2 3,1 2,0 1,1 2,2; 1,-1 3,-1"),
    "P": (0, "2,3 -1,3 -2,2 -2,1 -1,0 0,0; 0,3 0,-3; 2,3 2,-3"),
    "R": (2, "o(0,0,3); -1,-1 -1,1 1,1 1,0 -1,0 1,-1"),
    "T": (2, "-3,3 -1,3; -2,3 -2,1; 0,1 0,3 1,2 2,3 2,1"),
    "U": GREEK_SMALL_DESIGNS["m"],
    "V": (0, "-2,0 0,-3 3,3"),
    "W": (0, "-2,3 -1,3 -1,2 -2,1 -2,-2 -1,-3 1,-3 2,-2 2,1 1,2 1,3 2,3"),
    "X": (0, "-2,3 2,-3; 2,2 -1,-3"),
}

# Logical signs (case T): A for all (a turned A), E there exists, F falsum,
# G turnstile, I implies, K equivalent, L and, M because, N not, U or.
LOGIC_DESIGNS = {
    "A": (0, "-2,3 0,-3 2,3; -1,0 1,0"),
    "E": (0, "-2,3 2,3 2,-3 -2,-3; -1,0 2,0"),
    "F": (0, "0,3 0,-3; -2,-3 2,-3"),
    "G": (0, "-2,3 -2,-3; -2,0 2,0"),
    "I": (0, "-2,1 1,1; -2,-1 1,-1; 0,2 2,0 0,-2"),
    "K": (2, "-1,2 -3,0 -1,-2; 1,2 3,0 1,-2; -2,1 2,1; -2,-1 2,-1"),
    "L": (0, "-2,-2 0,2 2,-2"),
    "M": (0, "-2,2 -2,2; 2,2 2,2; 0,-2 0,-2"),
    "N": (0, "-2,1 2,1 2,-1"),
    "U": (0, "-2,2 0,-2 2,2"),
}

# Arrows (case W): both ways, down, left, right, up.
ARROW_DESIGNS = {
    "B": (2, "-3,0 3,0; -1,2 -3,0 -1,-2; 1,2 3,0 1,-2"),
    "D": (0, "0,3 0,-3; -2,-1 0,-3 2,-1"),
    "L": (2, "3,0 -3,0; -1,2 -3,0 -1,-2"),
    "R": (2, "-3,0 3,0; 1,2 3,0 1,-2"),
    "U": (0, "0,-3 0,3; -2,1 0,3 2,1"),
}

# U: spacing glyphs; blank is a double cell, "0" to "6" advance 0 to 6 sixths.
SPACING_U = {" ": Blank(6), **{str(n): Blank(n - 6) for n in range(7)}}
# V: baseline shifts without advance (pairs: 2 lowers what 1 raises, ...).
SPACING_V = {"1": Blank(-6, 2), "2": Blank(-6, -2), "3": Blank(-6, 1),
             "4": Blank(-6, -1), "5": Blank(-6, 3), "6": Blank(-6, -3)}


def designs(table):
    return {key: Design(*value) for key, value in table.items()}


# --------------------------------------------------------------------------
# Hershey assignments of the larger fonts.

# Key letter of the Greek sets -> character of the complex Greek file.
GREEK_COMPLEX = {
    "A": "A", "B": "B", "C": "V", "D": "D", "E": "E", "F": "U", "G": "C", "H": "G",
    "I": "I", "K": "J", "L": "K", "M": "L", "N": "M", "O": "O", "P": "P", "Q": "H",
    "R": "Q", "S": "R", "T": "S", "U": "T", "W": "X", "X": "N", "Y": "W", "Z": "F",
}

# Cyrillic: the file's own letters, its six further letters under "1" to "6".
CYRILLIC_CAPITAL_EXTRA = {"1": "`", "2": "$", "3": "_", "4": "]", "5": "^", "6": "["}
CYRILLIC_SMALL_EXTRA = {"1": "%", "2": "&", "3": "~", "4": "|", "5": "}", "6": "{"}


def hershey_math(text_font):
    m = lambda c: FromHershey("mathlow", c)
    return {
        "(": Compose([part(m("f"), sx=-1)]),
        ")": m("f"),
        "*": m("*"),
        "+": m("!"),
        "-": m('"'),
        ".": m("$"),
        "/": m("x"),
        "0": m("_"),
        "2": Compose([part(FromHershey(text_font, "2"), sx=0.5, sy=0.5, ty=2)], adjust=-2),
        "=": m("@"),
        "A": Compose([part(m("\x7f"), ty=0.75), part(m("\x7f"), ty=-0.75)]),
        "B": m("n"),
        "C": m("g"),
        "D": m("m"),
        "E": m("h"),
        "G": m("'"),
        "H": m("y"),
        "I": m("p"),
        "J": Compose([part(m("g"), sy=-1)]),
        "L": m("&"),
        "M": m("^"),
        "N": m("?"),
        "P": m(":"),
        "Q": m("|"),
        "R": m("o"),
        "S": m(";"),
        "T": m("z"),
        "V": m("\x7f"),
        "X": m("#"),
        "Y": m("~"),
        "Z": Compose([part(FromHershey(text_font, "O"), sx=0.8, sy=0.8),
                      part(Design(0, "2,3 -2,-3"))]),
    }


def hershey_special(text_font):
    s = lambda c: FromHershey("symbolic", c)
    small = lambda c, tx, ty: part(FromHershey(text_font, c), sx=0.45, sy=0.45, tx=tx, ty=ty)
    table = designs(SPECIAL_DESIGNS)
    table.update({
        "+": s("j"),
        "D": s("k"),
        "/": Compose([part(FromHershey(text_font, "%")),
                      part(Design(0, "o(0,0,0.8)"), tx=3.6, ty=-2.2)], adjust=2),
        "0": FromHershey("mathlow", "`"),
        "A": Compose([part(FromHershey(text_font, "A"), sy=0.85, ty=-0.45),
                      part(Design(0, "o(0,3.6,0.8)"))]),
        "C": s("_"),
        "E": Compose([part(FromHershey(text_font, "C")), part(Design(0, "-3,0.6 1,0.6; -3,-0.6 1,-0.6"))]),
        "N": Compose([part(FromHershey(text_font, "N")), small("o", 3.2, 0.8),
                      part(Design(0, "2.5,-0.8 4,-0.8"))], adjust=2),
        "R": Compose([part(Design(2, "o(0,0,3.2)")), small("R", 0, -0.1)]),
        "T": Compose([small("T", -1.6, 1.6), small("M", 1.2, 1.6)], adjust=2),
        "U": FromHershey("greekc", "l"),
        "W": Compose([part(FromHershey("greekc", "X"), sy=-1)]),
    })
    return table


def hershey_punctuation(text_font):
    table = designs(PUNCTUATION_DESIGNS)
    table.update({
        "I": Compose([part(FromHershey(text_font, "!"), sx=-1, sy=-1, ty=-1.2)]),
        "Q": Compose([part(FromHershey(text_font, "?"), sx=-1, sy=-1, ty=-1.2)]),
        "L": Compose([part(FromHershey(text_font, "'"), sx=-1, sy=-1, tx=-0.4, ty=4.5),
                      part(FromHershey(text_font, "'"), sx=-1, sy=-1, tx=0.6, ty=4.5)]),
        "R": Compose([part(FromHershey(text_font, "'"), tx=-0.5),
                      part(FromHershey(text_font, "'"), tx=0.5)]),
    })
    return table


def hershey_further_signs():
    table = designs(FURTHER_SIGN_DESIGNS)
    s = lambda c: FromHershey("symbolic", c)
    table.update({"C": s("p"), "H": s("n"), "S": s("m"), "X": s("`")})
    return table


def hershey_arrows():
    m = lambda c: FromHershey("mathlow", c)
    return {"B": Compose([part(m("k"), tx=-0.5), part(m("i"), tx=0.5)]), "D": m("l"),
            "L": m("k"), "R": m("i"), "U": m("j")}


def hershey_barred(text_font, greek_font):
    return {
        "H": Compose([part(FromHershey(text_font, "h")), part(Design(0, "-3,2.2 0,2.2"))]),
        "L": Compose([part(FromHershey(greek_font, "k")), part(Design(0, "-2.4,0.8 1.2,2.8"))]),
    }


# --------------------------------------------------------------------------
# The fonts: (case letter, {character: source}) in glyph order.

# The roman simplex, duplex and triplex files hold an arrow in the caret's slot.
ARROW_FOR_CARET = ("rowmans", "rowmand", "rowmant")


def text_set(font, with_blank=True):
    chars = ([" "] if with_blank else []) + PRINTABLE
    table = {c: FromHershey(font, c) for c in chars}
    if font in ARROW_FOR_CARET:
        table["^"] = Design(*TEXT_DESIGNS["^"])
    return table


def blank_set(sources):
    """The ordinary text: blank to "~", the backslash's slot a second blank."""
    keys = [" " if c == "\\" else c for c in [" "] + PRINTABLE]
    return [(key, " ", sources[key]) for key in keys]


def common_sets(fine, text_font, greek_font, ubc):
    """The sets every font has, in key order; fine: the 24-unit fonts."""
    if fine:
        capitals = {k: FromHershey(greek_font, v) for k, v in GREEK_COMPLEX.items()}
        small = {k: FromHershey(greek_font, v.lower()) for k, v in GREEK_COMPLEX.items()}
        cyr_cap = {c: FromHershey("cyrillic", c) for c in map(chr, range(65, 91))}
        cyr_cap.update({k: FromHershey("cyrillic", v) for k, v in CYRILLIC_CAPITAL_EXTRA.items()})
        # The file's short I lacks its breve.
        cyr_cap["E"] = Compose([part(cyr_cap["E"]), part(Design(0, "-1,4.6 -0.5,4 0.5,4 1,4.6"))])
        cyr_small = {c: FromHershey("cyrillic", c.lower()) for c in map(chr, range(65, 91))}
        cyr_small.update({k: FromHershey("cyrillic", v) for k, v in CYRILLIC_SMALL_EXTRA.items()})
        latin_small = {c: FromHershey(text_font, c.lower()) for c in map(chr, range(65, 91))}
        further = hershey_further_signs()
        math_signs = hershey_math(text_font)
        punctuation = hershey_punctuation(text_font)
        special = hershey_special(text_font)
        barred = hershey_barred(text_font, greek_font)
        arrows = hershey_arrows()
    else:
        capitals = designs(GREEK_CAPITAL_DESIGNS)
        small = designs(GREEK_SMALL_DESIGNS)
        cyr_cap = designs(CYRILLIC_CAPITAL_DESIGNS)
        cyr_small = {k if k.isdigit() else k.upper(): Design(*v)
                     for k, v in CYRILLIC_SMALL_DESIGNS.items()}
        latin_small = {c: Design(*TEXT_DESIGNS[c.lower()]) for c in map(chr, range(65, 91))}
        further = designs(FURTHER_SIGN_DESIGNS)
        math_signs = designs(MATH_DESIGNS)
        punctuation = designs(PUNCTUATION_DESIGNS)
        special = designs(SPECIAL_DESIGNS)
        barred = designs(BARRED_DESIGNS)
        arrows = designs(ARROW_DESIGNS)
    math_keys = "()*+-./02=ABCDEGHIJLMNPRSTXYZ" + ("QV" if ubc else "")
    punctuation_keys = ",.ADEFIPQU" + ("LR" if ubc else "")
    return [
        ("A", pick(further, "*0123456789ABCEHJKMNOPQSTUVWXY")),
        ("B", pick(cyr_cap, "123456ABCDEFGHIJKLMNOPQRSTUVWXYZ")),
        ("C", pick(cyr_small, "123456ABCDEFGHIJKLMNOPQRSTUVWXYZ")),
        ("D", pick(designs(LONG_LINE_DESIGNS), "OU")),
        ("F", pick(capitals, "ABCDEFGHIKLMNOPQRSTUWXYZ")),
        ("G", pick({k.upper(): v for k, v in small.items()}, "ABCDEFGHIKLMNOPQRSTUWXYZ")),
        ("K", pick(barred, "HL")),
        ("L", pick(latin_small, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")),
        ("M", pick(math_signs, math_keys)),
        ("O", pick(designs(PLOT_SYMBOL_DESIGNS), "0123456789")),
        ("P", pick(punctuation, punctuation_keys)),
        ("S", pick(special, "()+/0ABCDELNPRTUVWX")),
        ("T", pick(designs(LOGIC_DESIGNS), "AEFGIKLMNU")),
        ("U", pick(SPACING_U, " 0123456")),
        ("V", pick(SPACING_V, "123456")),
        ("W", pick(arrows, "BDLRU")),
    ]


def pick(table, keys):
    return [(k, table[k]) for k in sorted(keys)]


def simplex_glyphs():
    text = {c: Design(*TEXT_DESIGNS[c]) for c in [" "] + PRINTABLE if c != "\\"}
    glyphs = blank_set(text)
    for case, members in common_sets(False, None, None, False):
        glyphs += [(char, case, src) for char, src in members]
    return glyphs


def hershey_glyphs(text_font, ubc):
    glyphs = blank_set(text_set(text_font))
    for case, members in common_sets(True, text_font, "greekc", ubc):
        glyphs += [(char, case, src) for char, src in members]
    if ubc:
        for case, font, with_blank in (("1", "rowmans", True), ("2", "rowmant", False),
                                       ("I", "timesi", False), ("J", "timesib", False)):
            members = text_set(font, with_blank)
            glyphs += [(char, case, members[char]) for char in sorted(members)]
    return glyphs


FONTS = [
    ("simplex", "Simplex", 6, simplex_glyphs),
    ("duplex", "Duplex", 24, lambda: hershey_glyphs("rowmand", False)),
    ("ubcfont", "UbcFont", 24, lambda: hershey_glyphs("timesr", True)),
]


# --------------------------------------------------------------------------
# Encoding.

def encode(outline):
    """Header and stroke words of one glyph."""
    moves = []  # (pen, x, y) absolute, rounded
    for line in outline.lines:
        points = [(round_half_up(x), round_half_up(y)) for x, y in line]
        cleaned = [points[0]] + [p for a, p in zip(points, points[1:]) if p != a]
        if moves and moves[-1][0] == 1 and (moves[-1][1], moves[-1][2]) == cleaned[0]:
            moves += [(1, x, y) for x, y in cleaned[1:]]
            continue
        moves.append((0,) + cleaned[0])
        if len(cleaned) == 1:
            moves.append((1,) + cleaned[0])
        moves += [(1, x, y) for x, y in cleaned[1:]]
    end = (round_half_up(outline.adjust), round_half_up(outline.shift))
    moves.append((0,) + end)
    words, x, y = [], 0, 0
    for pen, nx, ny in moves:
        words += stroke_words(pen, nx - x, ny - y)
        x, y = nx, ny
    adjust = end[0]
    if not -64 <= adjust <= 63 or len(words) > 511:
        raise ValueError("glyph does not fit the encoding")
    return [(len(words) << 7) | (adjust + 64)] + words


def stroke_words(pen, dx, dy):
    """One word, or several collinear ones when a step leaves -64..63."""
    steps = max(1, math.ceil(max(abs(dx), abs(dy)) / 63))
    words, done_x, done_y = [], 0, 0
    for i in range(1, steps + 1):
        tx, ty = dx * i // steps, dy * i // steps
        words.append((pen << 14) | ((tx - done_x + 64) << 7) | (ty - done_y + 64))
        done_x, done_y = tx, ty
    return words


def c_char(c):
    return {"\\": "\\\\", '"': '\\"'}.get(c, c)


def write_font(out_dir, stem, name, grid, glyphs, hershey):
    keys, index, strokes = [], [], []
    total = 0
    for char, case, source in glyphs:
        words = encode(source.outline(grid, hershey))
        keys.append(char + case)
        index.append(total + 1)
        strokes.append(words)
        total += len(words)
    # The end pair "$$" indexes one past the last word, so that every glyph's
    # extent is the difference of two index entries.
    index.append(total + 1)
    if total >= (1 << 16) - 1:
        raise ValueError("stroke table too long for 16-bit indices")
    lines = [
        "// Stroke font %s: %d glyphs and the end pair, %d units per character height,"
        % (name.upper(), len(glyphs), grid),
        "// %d stroke words." % total,
        "// Generated by tools/make_stroke_fonts.py from the Hershey fonts; do not edit.",
        "//",
        ACKNOWLEDGEMENT,
        "",
        "// Key pairs: text character and case letter, in glyph order.",
        "inline constexpr char k%sKeys[] =" % name,
    ]
    for start in range(0, len(keys), 32):
        lines.append('    "%s"' % "".join(c_char(c) for pair in keys[start:start + 32] for c in pair))
    lines.append('    "$$";')
    lines.append("")
    lines.append("// 1-based position of each glyph's header in the stroke table; the entry")
    lines.append("// of the end pair is one past the last word.")
    lines.append("inline constexpr std::uint16_t k%sIndex[] = {" % name)
    for start in range(0, len(index), 12):
        lines.append("    " + " ".join("%d," % v for v in index[start:start + 12]))
    lines.append("};")
    lines.append("")
    lines.append("// Per glyph: header, then stroke words. Header: bits 7-15 the number of")
    lines.append("// stroke words, bits 0-6 the width adjustment + 64. Stroke word: bits 14-15")
    lines.append("// the pen (1 draws), bits 7-13 dx + 64, bits 0-6 dy + 64.")
    lines.append("inline constexpr std::uint16_t k%sStrokes[] = {" % name)
    for key, words in zip(keys, strokes):
        label = key.replace("\\", "backslash").replace("*/", "* /")
        for start in range(0, len(words), 10):
            text = " ".join("0x%04x," % w for w in words[start:start + 10])
            prefix = "/* %-2s */ " % label if start == 0 else "          "
            lines.append("    " + prefix + text)
    lines.append("};")
    path = os.path.join(out_dir, stem + ".inc")
    with open(path, "w", encoding="ascii", newline="\n") as stream:
        stream.write("\n".join(lines) + "\n")
    return len(glyphs), total


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--hershey", default="/usr/share/hershey-fonts")
    parser.add_argument("--out", default=os.path.join(root, "viewer", "render", "fonts"))
    args = parser.parse_args()
    hershey = Hershey(args.hershey)
    os.makedirs(args.out, exist_ok=True)
    for stem, name, grid, glyphs in FONTS:
        count, words = write_font(args.out, stem, name, grid, glyphs(), hershey)
        print("%s: %d glyphs, %d stroke words" % (stem, count, words))
    return 0


if __name__ == "__main__":
    sys.exit(main())
