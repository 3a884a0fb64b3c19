#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Sumbrix authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program icon: ruled lines crossed by a double stroke rising
from lower left to upper right, red on either side of it.

Two drawings of one motif: the 16-pixel original, pixel by pixel (the
16-pixel PNG and the XPM the program builds its small icon from), and a
vector drawing in the same coordinates (the SVG), from which rsvg-convert
renders every larger PNG and the pixels the program embeds for high-DPI
screens. Run it after changing the design; its outputs are committed.
Needs rsvg-convert (Debian: librsvg2-bin)."""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

SIZE = 16
BLACK, RED, CLEAR = (0, 0, 0, 255), (255, 0, 0, 255), (0, 0, 0, 0)
# REUSE-IgnoreStart
HEADER = "SPDX-FileCopyrightText: 2026 The Sumbrix authors\nSPDX-License-Identifier: GPL-3.0-or-later"
# REUSE-IgnoreEnd
RENDERED_FOR_PROGRAM = (24, 32, 48)  # the 16-pixel icon at scale 1.5 and 2, and a title-bar size


def pixel(x, y):
    d = x + y  # constant along the stroke, which runs lower left to upper right
    if d in (13, 14, 17, 18):
        return BLACK  # the double stroke
    if y in (2, 6, 10, 14):
        return BLACK  # the rules
    if y < SIZE // 2 and d > 18:
        return RED  # right of the stroke, upper half
    if y >= SIZE // 2 and d < 13:
        return RED  # left of the stroke, lower half
    return CLEAR


def grid():
    return [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]


# The vector drawing, in the pixel drawing's coordinates: pixel (x, y)
# covers the square from (x, y) to (x + 1, y + 1), so the stroke bands
# x + y in {13, 14} and {17, 18} are centred on x + y = 14.5 and 18.5 and
# are two units wide along x. The red meets the strokes' outer edges, a
# little under them so that no seam shows.
SVG = f"""<?xml version="1.0" encoding="UTF-8"?>
<!--
{HEADER}
-->
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 16 16">
  <path d="M16 3.3V8H11.3Z M0 8H5.7L0 13.7Z" fill="#ff0000"/>
  <path d="M0 2.5H16M0 6.5H16M0 10.5H16M0 14.5H16" stroke="#000000" stroke-width="1"/>
  <path d="M14.5 0L0 14.5M18.5 0L0 18.5" stroke="#000000" stroke-width="1.4142"/>
</svg>
"""


def png_bytes(rows):
    """RGBA rows as a PNG file."""
    n = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), n, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def rgba_of_png(data):
    """The pixels of an 8-bit RGBA, non-interlaced PNG (what rsvg-convert writes)."""
    pos, idat, width, height = 8, b"", 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 6, 0):
                sys.exit("expected an 8-bit RGBA PNG without interlacing")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw, stride, out, prior = zlib.decompress(idat), width * 4, bytearray(), bytearray(width * 4)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = prior[i]
            c = prior[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        out += line
        prior = line
    return width, height, bytes(out)


def render(svg_path, size):
    return subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), svg_path],
                          check=True, capture_output=True).stdout


def xpm(path):
    """The 16-pixel original as XPM, which is also C: the program includes it
    and builds its small pixmap without any image decoder."""
    keys = {BLACK: "#", RED: "r", CLEAR: " "}
    colours = {BLACK: "#000000", RED: "#FF0000", CLEAR: "None"}
    rows = ["".join(keys[c] for c in row) for row in grid()]
    with open(path, "w") as f:
        f.write("/* XPM */\n/*\n" + HEADER + "\n*/\n")
        f.write("static const char *const sumbrix_xpm[] = {\n")
        f.write(f'"{SIZE} {SIZE} {len(keys)} 1",\n')
        for colour, key in keys.items():
            f.write(f'"{key} c {colours[colour]}",\n')
        f.write(",\n".join(f'"{r}"' for r in rows) + "};\n")


def rendered_header(path, svg_path):
    """The vector drawing's pixels at the sizes the program needs, as C
    arrays of RGBA bytes: the program builds them into pixmaps without any
    image decoder, which keeps start-up free of image plugins."""
    with open(path, "w") as f:
        f.write("// " + HEADER.replace("\n", "\n// ") + "\n")
        f.write("// Generated by tools/make-icons.py from sumbrix.svg: RGBA bytes, row by row.\n")
        f.write("#pragma once\n\nnamespace sumbrix_icon {\n\n")
        names = []
        for size in RENDERED_FOR_PROGRAM:
            width, height, pixels = rgba_of_png(render(svg_path, size))
            assert (width, height) == (size, size)
            names.append(f"rgba{size}")
            f.write(f"inline constexpr unsigned char rgba{size}[] = {{\n")
            for row in range(height):
                line = pixels[row * width * 4:(row + 1) * width * 4]
                f.write("    " + ",".join(str(b) for b in line) + ",\n")
            f.write("};\n\n")
        f.write("struct Rendered {\n    int size;\n    const unsigned char *rgba;\n};\n")
        f.write("inline constexpr Rendered rendered[] = {" +
                ", ".join(f"{{{s}, rgba{s}}}" for s in RENDERED_FOR_PROGRAM) + "};\n\n")
        f.write("}  // namespace sumbrix_icon\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "assets")
    svg_path = os.path.join(out, "sumbrix.svg")
    with open(svg_path, "w") as f:
        f.write(SVG)
    with open(os.path.join(out, "sumbrix.png"), "wb") as f:
        f.write(png_bytes(grid()))
    for size in (32, 48, 64, 128, 256):
        with open(os.path.join(out, f"sumbrix-{size}.png"), "wb") as f:
            f.write(render(svg_path, size))
    xpm(os.path.join(out, "sumbrix.xpm"))
    rendered_header(os.path.join(out, "sumbrix-rendered.h"), svg_path)


if __name__ == "__main__":
    main()
