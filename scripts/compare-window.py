#!/usr/bin/env python3
"""Compares a window's screenshot with the picture it should show.

    compare-window.py WINDOW.xwd PICTURE.bmp [SCREENSHOT.png]

WINDOW.xwd is what `xwd -id` wrote (32 bits a pixel, as Xvfb's 24-bit
screens give); PICTURE.bmp a 24-bit bitmap of the window's size. Prints the
share of pixels that are equal and fails below 90 %: the title dialog's
picture fills the whole window, and only its "Entra" button is drawn over
it. With a third argument, also writes the screenshot as a PNG for people
to look at.
"""
import struct
import sys
import zlib

MIN_EQUAL = 0.90


def read_xwd(path):
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    header_size, pixmap_format, width, height = header[0], header[2], header[4], header[5]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    masks, colours = header[14:17], header[19]
    if pixmap_format != 2 or bits_per_pixel != 32:
        sys.exit(f"{path}: format {pixmap_format}, {bits_per_pixel} bits a pixel: not a 32-bit ZPixmap")
    pixels = data[header_size + 12 * colours:]
    order = "<" if byte_order == 0 else ">"
    shifts = [(m & -m).bit_length() - 1 for m in masks]

    def rgb(x, y):
        (v,) = struct.unpack_from(order + "I", pixels, y * bytes_per_line + x * 4)
        return tuple((v & m) >> s for m, s in zip(masks, shifts))

    return width, height, rgb


def read_bmp(path):
    data = open(path, "rb").read()
    (offset,) = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    (bits,) = struct.unpack_from("<H", data, 28)
    if bits != 24 or height <= 0:
        sys.exit(f"{path}: not a bottom-up 24-bit bitmap")
    stride = (width * 3 + 3) & ~3

    def rgb(x, y):
        o = offset + (height - 1 - y) * stride + x * 3
        return data[o + 2], data[o + 1], data[o]

    return width, height, rgb


def write_png(path, width, height, rgb):
    rows = b"".join(
        b"\0" + bytes(c for x in range(width) for c in rgb(x, y)) for y in range(height))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n"
                + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    width, height, shown = read_xwd(sys.argv[1])
    want_width, want_height, wanted = read_bmp(sys.argv[2])
    if len(sys.argv) == 4:
        write_png(sys.argv[3], width, height, shown)
    if (width, height) != (want_width, want_height):
        sys.exit(f"the window is {width}x{height}, the picture {want_width}x{want_height}")
    equal = sum(shown(x, y) == wanted(x, y) for y in range(height) for x in range(width))
    share = equal / (width * height)
    print(f"{equal} of {width * height} pixels as in the picture ({share:.1%})")
    if share < MIN_EQUAL:
        sys.exit(f"fewer than {MIN_EQUAL:.0%} of the window's pixels show the picture")


if __name__ == "__main__":
    main()
