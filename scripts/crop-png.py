#!/usr/bin/env python3
"""Copies part of a PNG, each pixel enlarged to a whole-number square.

The guide's close-up of the ruler is cut from a picture the tests draw; the
enlargement repeats pixels, so nothing is smoothed or invented.
Usage: crop-png.py SOURCE DEST X Y W H FACTOR
"""
import struct
import sys
import zlib

from png_chunks import chunk, chunks


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def read_rgb(path):
    """The picture as (width, height, rows of RGB bytes): 8-bit RGB or RGBA only."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG")
    parts = list(chunks(data))
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", parts[0][1])
    if depth != 8 or colour not in (2, 6) or interlace:
        sys.exit(f"{path}: only 8-bit RGB or RGBA without interlace")
    bpp = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    stride = width * bpp
    rows, prev = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            add = (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]
            line[i] = (line[i] + add) & 0xFF
        prev = line
        rows.append(bytes(line) if bpp == 3 else bytes(v for i, v in enumerate(line) if i % 4 != 3))
    return width, height, rows


def main(source, dest, x, y, w, h, factor):
    width, height, rows = read_rgb(source)
    if x < 0 or y < 0 or w <= 0 or h <= 0 or x + w > width or y + h > height or factor < 1:
        sys.exit(f"{source}: {w} x {h} at ({x}, {y}) is not inside {width} x {height}")
    out = bytearray()
    for row in rows[y:y + h]:
        line = b"".join(row[3 * i:3 * i + 3] * factor for i in range(x, x + w))
        out += (b"\x00" + line) * factor
    header = struct.pack(">IIBBBBB", w * factor, h * factor, 8, 2, 0, 0, 0)
    open(dest, "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                           chunk(b"IDAT", zlib.compress(bytes(out), 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    if len(sys.argv) != 8:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], *(int(v) for v in sys.argv[3:]))
