#!/usr/bin/env python3
"""Copies a PNG with its image data deflated at the best level.

The tests write their pictures with stored (uncompressed) deflate blocks,
which keeps their writer tiny; the README's copies are squeezed here.
Usage: recompress-png.py SOURCE DEST
"""
import sys
import zlib

from png_chunks import chunk, chunks


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
