#!/usr/bin/env python3
"""Copies a PNG with its image data deflated at the best level.

The tests write their pictures with stored (uncompressed) deflate blocks,
which keeps their writer tiny; the README's copies are squeezed here.
Usage: recompress-png.py SOURCE DEST
"""
import struct
import sys
import zlib


def chunks(data):
    pos = 8
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def main(source, dest):
    data = open(source, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{source}: not a PNG")
    parts = list(chunks(data))
    pixels = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    out = [data[:8]]
    for kind, body in parts:
        if kind == b"IDAT":
            if pixels is not None:
                out.append(chunk(b"IDAT", zlib.compress(pixels, 9)))
                pixels = None
        else:
            out.append(chunk(kind, body))
    open(dest, "wb").write(b"".join(out))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
