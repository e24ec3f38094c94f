#!/usr/bin/python3
"""Keeps, of each font file the page embeds, only the characters it can be
asked to draw, with Debian's fonttools.

    subset-fonts.py SOURCE_ROOT FONTS.list OUT_DIR

FONTS.list names the picked files, the dialogs' face first (the picker lists
them in the order of res/WebFonts.txt). Every face keeps each character of
the program's own texts, the string literals of its sources, and all of
printable Latin-1, which holds them and the digits and signs of every number
the program formats: FreeType's hinter sizes some characters by others (the
ordinals º and ª by the superscript figures), so a face that kept only the
characters the texts use would draw those differently. The dialogs' face
also draws what a student types into an edit: it keeps the Catalan letters
beyond Latin-1, the euro sign and typographic quotes and dashes. Any other
character shows the face's missing-glyph box, as on a desktop whose font
lacks it.

Writes into OUT_DIR each subset under its file's own name, texts.txt (the
program's texts, one a line) and manifest.txt (a line per file: full file,
subset file, and the kept characters as hexadecimal code points), which the
browser tests' font check reads.
"""
import os
import re
import subprocess
import sys

from fontTools.ttLib import TTFont

PROGRAM_FOLDERS = ["app", "view", "notebook", "res", "platform", "platform/web"]
LATIN1 = set(range(0x20, 0x7F)) | set(range(0xA0, 0x100))
TYPED = ({0x013F, 0x0140,                          # Ŀ ŀ, the Catalan ela geminada
          0x20AC,                                  # €
          0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E,  # typographic quotes
          0x2013, 0x2014, 0x2026})                 # dashes and the ellipsis

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
ESCAPE = re.compile(r"\\(x[0-9a-fA-F]+|u[0-9a-fA-F]{4}|[0-7]{1,3}|.)")
SIMPLE = {"n": "\n", "t": "\t", "r": "\r", "\\": "\\", '"': '"', "'": "'", "0": ""}


def without_comments(source):
    """The source with its comments blanked, its string literals kept."""
    out, i, n = [], 0, len(source)
    while i < n:
        if source.startswith("//", i):
            i = source.find("\n", i)
            i = n if i < 0 else i
        elif source.startswith("/*", i):
            end = source.find("*/", i + 2)
            i = n if end < 0 else end + 2
        elif source[i] in "\"'":
            quote, j = source[i], i + 1
            while j < n and source[j] != quote and source[j] != "\n":
                j += 2 if source[j] == "\\" else 1
            out.append(source[i:j + 1])
            i = j + 1
        else:
            out.append(source[i])
            i += 1
    return "".join(out)


def unescape(text):
    def one(m):
        e = m.group(1)
        if e[0] in "xu":
            return chr(int(e[1:], 16))
        if e[0].isdigit() and e != "0":
            return chr(int(e, 8))
        return SIMPLE.get(e, e)
    return ESCAPE.sub(one, text)


def program_texts(root):
    texts = set()
    for folder in PROGRAM_FOLDERS:
        base = os.path.join(root, folder)
        for name in sorted(os.listdir(base)):
            if not name.endswith((".cpp", ".h")):
                continue
            with open(os.path.join(base, name), encoding="utf-8") as f:
                source = without_comments(f.read())
            for line in source.splitlines():
                if line.lstrip().startswith("#"):
                    continue  # include paths and build-time definitions
                for m in LITERAL.finditer(line):
                    for piece in unescape(m.group(1)).split("\n"):
                        if piece.strip():
                            texts.add(piece)
    return sorted(texts)


def subset(full, out, wanted):
    cmap = TTFont(full, fontNumber=0, lazy=True).getBestCmap()
    kept = sorted(c for c in wanted if c in cmap)
    codes = os.path.join(os.path.dirname(out), os.path.basename(out) + ".unicodes")
    with open(codes, "w") as f:
        f.write("\n".join("U+%04X" % c for c in kept) + "\n")
    subprocess.run(["pyftsubset", full, "--unicodes-file=" + codes, "--output-file=" + out,
                    # The missing-glyph box stays drawable; the names and
                    # hinting stay as they were; the program lays text out
                    # without layout tables.
                    "--notdef-outline", "--name-IDs=*", "--name-languages=*",
                    "--layout-features=", "--drop-tables+=GSUB,GPOS,GDEF"],
                   check=True)
    return kept


def main():
    root, fonts_list, out_dir = sys.argv[1:4]
    os.makedirs(out_dir, exist_ok=True)
    texts = program_texts(root)
    own = set(LATIN1)
    for t in texts:
        own.update(ord(c) for c in t if ord(c) >= 0x20)
    with open(fonts_list) as f:
        files = [line.strip() for line in f if line.strip()]
    manifest = []
    for n, full in enumerate(files):
        out = os.path.join(out_dir, os.path.basename(full))
        kept = subset(full, out, own | TYPED if n == 0 else own)
        manifest.append("%s\t%s\t%s" % (full, out, " ".join("%X" % c for c in kept)))
        print("  %s: %d characters, %d -> %d bytes" %
              (os.path.basename(full), len(kept), os.path.getsize(full), os.path.getsize(out)))
    with open(os.path.join(out_dir, "texts.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(texts) + "\n")
    with open(os.path.join(out_dir, "manifest.txt"), "w") as f:
        f.write("\n".join(manifest) + "\n")


if __name__ == "__main__":
    main()
