#!/usr/bin/env python3
"""Draws the program icon: ruled lines crossed by a double stroke, red on
either side of it. Writes the 16-pixel original, its larger renderings and
a scalable SVG of the same pixels into assets/. Run it after changing the
design; its outputs are committed."""
import os
import struct
import sys
import zlib

SIZE = 16
BLACK, RED, CLEAR = (0, 0, 0, 255), (255, 0, 0, 255), (0, 0, 0, 0)


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


def png(path, scale):
    g = grid()
    n = SIZE * scale
    raw = b"".join(
        b"\0" + b"".join(bytes(g[y // scale][x // scale]) for x in range(n)) for y in range(n))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def svg(path):
    g = grid()
    rects = []
    for y in range(SIZE):
        x = 0
        while x < SIZE:
            colour = g[y][x]
            run = 1
            while x + run < SIZE and g[y][x + run] == colour:
                run += 1
            if colour[3]:
                fill = "#%02x%02x%02x" % colour[:3]
                rects.append(f'  <rect x="{x}" y="{y}" width="{run}" height="1" fill="{fill}"/>')
            x += run
    with open(path, "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
                'viewBox="0 0 16 16" shape-rendering="crispEdges">\n')
        f.write("\n".join(rects) + "\n</svg>\n")


def xpm(path):
    """The 16-pixel original as XPM, which is also C: the program includes it
    and builds its pixmaps without any image decoder."""
    keys = {BLACK: "#", RED: "r", CLEAR: " "}
    colours = {BLACK: "#000000", RED: "#FF0000", CLEAR: "None"}
    rows = ["".join(keys[c] for c in row) for row in grid()]
    with open(path, "w") as f:
        f.write("/* XPM */\nstatic const char *const sumbrix_xpm[] = {\n")
        f.write(f'"{SIZE} {SIZE} {len(keys)} 1",\n')
        for colour, key in keys.items():
            f.write(f'"{key} c {colours[colour]}",\n')
        f.write(",\n".join(f'"{r}"' for r in rows) + "};\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "assets")
    png(os.path.join(out, "sumbrix.png"), 1)
    for size in (32, 48, 64, 128, 256):
        png(os.path.join(out, f"sumbrix-{size}.png"), size // SIZE)
    svg(os.path.join(out, "sumbrix.svg"))
    xpm(os.path.join(out, "sumbrix.xpm"))


if __name__ == "__main__":
    main()
