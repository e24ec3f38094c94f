#!/usr/bin/env python3
"""Writes the operating guide as one self-contained HTML file.

Each picture the guide's source names (beside it, as written by
`make docs-pictures`) goes inside the page as a data: address, so that the
one file can be installed, published beside the browser's page or mailed.
Usage: build-guide.py SOURCE.html DEST.html
"""
import base64
import os
import re
import sys


def main(source, dest):
    folder = os.path.dirname(os.path.abspath(source))
    html = open(source, encoding="utf-8").read()

    def inline(match):
        name = match.group(1)
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            sys.exit(f"{source}: picture {name} is missing (make docs-pictures writes it)")
        data = base64.b64encode(open(path, "rb").read()).decode("ascii")
        return f'src="data:image/png;base64,{data}"'

    html = re.sub(r'src="([^":]+\.png)"', inline, html)
    tmp = dest + ".new"
    with open(tmp, "w", encoding="utf-8") as out:
        out.write(html)
    os.replace(tmp, dest)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
