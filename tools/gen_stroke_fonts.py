#!/usr/bin/env python3
"""Builds engine/render/stroke_font_data.cpp, the 17 built-in stroke fonts.

Inputs, both public Hershey glyph data:
  - Debian's hershey-fonts-data (.jhf files in /usr/share/hershey-fonts): for 11 of the fonts
    the character-to-glyph tables, with the original glyph numbers in the first column;
  - the numbered Hershey glyph set, the `raw` table of the npm package hfmath 0.0.2
    (dist/hfmath.js); tools/fetch-hfmath.sh installs it into a cache folder.
The other six fonts' tables are derived from Debian's (see FONTS). Every glyph's strokes come
from the numbered set; numbers it lacks are blank glyphs.

Usage:
  tools/gen_stroke_fonts.py [--jhf-dir DIR] [--hfmath FILE] > engine/render/stroke_font_data.cpp
  tools/gen_stroke_fonts.py --check engine/render/stroke_font_data.cpp
--check compares instead of writing: exit 0 same, 1 different, 77 inputs not installed.
"""
import argparse
import os
import re
import sys

SKIP = 77  # CTest's skip code: an input is not installed
HFMATH_VERSION = "0.0.2"
R = ord("R")  # a coordinate character's code minus this is its value

# Glyphs where Debian's copy differs from the numbered set, and why the numbered set is right.
KNOWN_DEBIAN_FAULTS = {
    3010: "Triplex J: Debian's right bearing equals its left (a glyph of no width)",
}

# Entries of Debian's tables that draw a character as another one: (code, glyph) -> right glyph.
TABLE_FIXES = {
    (ord('"'), 2213): 2217,  # the complex tables draw '"' with the semicolon; 2217 is the complex '"'
}

ACKNOWLEDGEMENT = """\
The stroke fonts are the Hershey Fonts. Their distribution requires these acknowledgements:
  - The Hershey Fonts were originally created by Dr. A. V. Hershey while working at the
    U. S. National Bureau of Standards.
  - The format of the Font data in this distribution was originally created by
        James Hurt
        Cognition, Inc.
        900 Technology Park Drive
        Billerica, MA 01821
        (mit-eddie!ci-dandelion!hurt)
The data come from the numbered Hershey glyph set (npm package hfmath 0.0.2, ISC licence) and the
Hershey font tables of Debian's hershey-fonts-data."""


# ---- readers -------------------------------------------------------------------------------------

def parse_jhf(path):
    """A .jhf file as a list of (glyph number, body), one per line of glyphs.

    Each glyph starts with a 5-column glyph number and a 3-column count of coordinate pairs
    (the bearing pair included); its pairs follow and may run on over further lines."""
    lines = open(path, encoding="latin-1").read().split("\n")
    glyphs = []
    i = 0
    while i < len(lines):
        line = lines[i].rstrip("\r")
        i += 1
        if not line.strip():
            continue
        number, count, body = int(line[0:5]), int(line[5:8]), line[8:]
        while len(body) < 2 * count and i < len(lines):
            body += lines[i].rstrip("\r")
            i += 1
        if len(body) != 2 * count:
            sys.exit(f"{path}: glyph {number} has {len(body) // 2} pairs, not {count}")
        glyphs.append((number, body))
    return glyphs


def parse_hfmath(path):
    """The `raw` table of hfmath.js: glyph number -> .jhf text after the glyph number."""
    src = open(path, encoding="utf-8").read()
    start = src.index("var raw = {")
    end = src.index("\n};", start)
    table = {}
    for m in re.finditer(r'^\s*(\d+):\s*"((?:[^"\\]|\\.)*)",?$', src[start:end], re.M):
        text = re.sub(r"\\(.)", lambda e: e.group(1), m.group(2))
        count, body = int(text[0:3]), text[3:]
        if len(body) != 2 * count:
            sys.exit(f"{path}: glyph {m.group(1)} has {len(body) // 2} pairs, not {count}")
        table[int(m.group(1))] = body
    return table


# ---- the fonts -----------------------------------------------------------------------------------

def debian(name):
    return lambda jhf: [TABLE_FIXES.get((code, number), number) for code, (number, _) in zip(range(32, 128), jhf[name])]


def remap(base, rule):
    return lambda jhf: [rule(code, number) for code, number in zip(range(32, 128), base(jhf))]


def letters_from(upper, lower):
    """A-Z from upper, upper+1, ... and a-z from lower, lower+1, ..."""
    def rule(code, number):
        if ord("A") <= code <= ord("Z"):
            return upper + code - ord("A")
        if ord("a") <= code <= ord("z"):
            return lower + code - ord("a")
        return number
    return rule


def shifted(ranges, by):
    return lambda code, number: number + by if any(a <= number <= b for a, b in ranges) else number


def small(code, number):
    """The small complex fonts: glyphs 2000-2299 have small twins 1000 lower; 999 becomes 998."""
    if 2000 <= number <= 2299:
        return number - 1000
    return 998 if number == 999 else number


def italic_small(code, number):
    number = shifted([(1001, 1026), (1101, 1126)], 50)(code, number)
    return 802 if code == ord("/") else number


ROMAN_COMPLEX = remap(debian("cyrilc_1"), letters_from(2001, 2101))
ROMAN_COMPLEX_SMALL = remap(ROMAN_COMPLEX, small)

# (number, name, glyph-number table for codes 32..127, top, bottom), in stroke font number order.
FONTS = [
    (0, "CyrillicComplex", debian("cyrilc_1"), -18, 18),
    (1, "GothicEnglish", debian("gothgbt"), -18, 18),
    (2, "GothicGerman", debian("gothgrt"), -18, 18),
    (3, "GothicItalian", debian("gothitt"), -18, 18),
    (4, "GreekComplex", debian("greekc"), -18, 18),
    (5, "GreekComplexSmall", remap(debian("greekc"), small), -14, 14),
    (6, "GreekSimplex", debian("greeks"), -18, 18),
    (7, "ItalicComplex", remap(debian("scriptc"), shifted([(2551, 2576), (2651, 2676)], -500)), -18, 18),
    (8, "ItalicComplexSmall", remap(ROMAN_COMPLEX_SMALL, italic_small), -14, 14),
    (9, "ItalicTriplex", remap(debian("rowmant"), shifted([(3199, 3229), (3001, 3026), (3101, 3126)], 50)),
     -18, 18),
    (10, "RomanComplex", ROMAN_COMPLEX, -18, 18),
    (11, "RomanComplexSmall", ROMAN_COMPLEX_SMALL, -14, 14),
    (12, "RomanDuplex", debian("rowmand"), -18, 18),
    (13, "RomanSimplex", debian("rowmans"), -18, 18),
    (14, "RomanTriplex", debian("rowmant"), -18, 18),
    (15, "ScriptComplex", debian("scriptc"), -18, 23),
    (16, "ScriptSimplex", debian("scripts"), -18, 23),
]
DEBIAN_FILES = ["cyrilc_1", "gothgbt", "gothgrt", "gothitt", "greekc", "greeks", "scriptc", "scripts",
                "rowmand", "rowmans", "rowmant"]


def glyph(numbered, number):
    """(left, right, strokes) of a glyph: bearings as characters, strokes with pen-ups as one blank."""
    body = numbered.get(number)
    if body is None:  # the numbered set leaves out blank glyphs
        return ("L", "X", "") if number == 1199 else ("J", "Z", "")
    pairs = [body[i:i + 2] for i in range(2, len(body), 2)]
    return body[0], body[1], "".join(" " if pair == " R" else pair for pair in pairs)


# ---- output --------------------------------------------------------------------------------------

def c_char(ch):
    return "'\\\\'" if ch == "\\" else "'\\''" if ch == "'" else f"'{ch}'"


def c_string(text):
    out = text.replace("\\", "\\\\").replace('"', '\\"').replace("?", "\\?")
    return f'"{out}"'


def shown(code):
    return "DEL" if code == 127 else chr(code)


def generate(jhf, numbered):
    out = ["// Generated by tools/gen_stroke_fonts.py from the public Hershey glyph data. Do not edit.", "//"]
    out += [("// " + line).rstrip() for line in ACKNOWLEDGEMENT.split("\n")]
    out += ["", '#include "stroke_font.h"', "", "namespace vex3d {", "",
            "// Top, bottom, bearings and coordinates are characters whose code minus 'R' is the value;",
            "// a blank between coordinate pairs lifts the pen.",
            "const StrokeFont kStrokeFonts[kStrokeFontCount] = {"]
    for number, name, table, top, bottom in FONTS:
        numbers = table(jhf)
        assert len(numbers) == 96, name
        out.append(f"    // {number} {name}")
        out.append(f"    {{{c_char(chr(R + top))}, {c_char(chr(R + bottom))}, {{")
        for code, n in zip(range(32, 128), numbers):
            left, right, strokes = glyph(numbered, n)
            out.append(f"        {{{c_char(left)}, {c_char(right)}, {c_string(strokes)}}},  // {code} {shown(code)} #{n}")
        out.append("    }},")
    out += ["};", "", "}  // namespace vex3d", ""]
    return "\n".join(out)


def check_debian_agrees(jhf, numbered):
    """Debian's copies of the glyphs must be the numbered set's, but for blanks and known faults."""
    for name, glyphs in jhf.items():
        for number, body in glyphs:
            if number in KNOWN_DEBIAN_FAULTS:
                continue
            expected = numbered.get(number, "JZ")
            if body != expected:
                sys.exit(f"{name}.jhf: glyph {number} differs from the numbered set:\n  {body}\n  {expected}")


def default_hfmath():
    cache = os.environ.get("XDG_CACHE_HOME") or os.path.join(os.path.expanduser("~"), ".cache")
    return os.path.join(cache, "torvane3d", "hfmath", "node_modules", "hfmath", "dist", "hfmath.js")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--jhf-dir", default="/usr/share/hershey-fonts")
    ap.add_argument("--hfmath", default=os.environ.get("HFMATH_JS") or default_hfmath())
    ap.add_argument("--check", metavar="FILE", help="compare with FILE instead of printing")
    args = ap.parse_args()

    missing = [p for p in [args.hfmath] + [os.path.join(args.jhf_dir, f + ".jhf") for f in DEBIAN_FILES]
               if not os.path.isfile(p)]
    if missing:
        print("not installed: " + ", ".join(missing), file=sys.stderr)
        return SKIP
    package = os.path.join(os.path.dirname(os.path.dirname(args.hfmath)), "package.json")
    if os.path.isfile(package):
        version = re.search(r'"version"\s*:\s*"([^"]*)"', open(package).read())
        if not version or version.group(1) != HFMATH_VERSION:
            print(f"{package}: hfmath {HFMATH_VERSION} is needed", file=sys.stderr)
            return SKIP

    jhf = {name: parse_jhf(os.path.join(args.jhf_dir, name + ".jhf")) for name in DEBIAN_FILES}
    numbered = parse_hfmath(args.hfmath)
    check_debian_agrees(jhf, numbered)
    text = generate(jhf, numbered)
    if args.check:
        same = open(args.check, encoding="latin-1").read() == text
        if not same:
            print(f"{args.check} differs from what tools/gen_stroke_fonts.py generates", file=sys.stderr)
        return 0 if same else 1
    sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
