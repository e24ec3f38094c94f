#!/usr/bin/env python3
"""Checks the operating guide as built: one self-contained page.

Every picture in it is one that `make docs-pictures` writes from the
program's own drawing, carried inside the page byte for byte; every link
inside the page reaches its target; nothing is fetched from elsewhere; and
the program opens the guide by the name the build gives it.
Usage: check_guide.py SOURCE_DIR BUILT_GUIDE
"""
import base64
import html.parser
import os
import re
import sys


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.images, self.links, self.ids, self.external = [], [], [], []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.append(a["id"])
        if tag == "img":
            self.images.append((a.get("src", ""), a.get("alt", "")))
        if tag == "a" and "href" in a:
            self.links.append(a["href"])
        for name in ("src", "href"):
            value = a.get(name, "")
            if value and not value.startswith(("#", "data:")):
                self.external.append(f"<{tag} {name}={value}>")
        if tag == "link" or tag == "script" and "src" in a:
            self.external.append(f"<{tag}>")


def parse(path):
    page = Page()
    page.feed(open(path, encoding="utf-8").read())
    return page


def main(root, built):
    failures = []
    source = parse(os.path.join(root, "docs/guia/tervan-guia.html"))
    guide = parse(built)
    script = open(os.path.join(root, "scripts/docs-pictures.sh"), encoding="utf-8").read()
    written = set(re.findall(r"guia/(guia-[a-z-]+\.png)", script))

    # The source names its pictures; the built page carries them inside.
    names = [src for src, _ in source.images]
    if not names:
        failures.append("the guide has no pictures")
    if len(guide.images) != len(names):
        failures.append(f"{len(names)} pictures in the source, {len(guide.images)} in the guide")
    for (name, alt), (src, _) in zip(source.images, guide.images):
        path = os.path.join(root, "docs/guia", name)
        if name not in written:
            failures.append(f"{name} is not written by make docs-pictures")
        if not alt.strip():
            failures.append(f"{name} has no words for those who cannot see it")
        if not os.path.isfile(path):
            failures.append(f"{name} is missing from docs/guia")
            continue
        prefix = "data:image/png;base64,"
        if not src.startswith(prefix) or base64.b64decode(src[len(prefix):]) != open(path, "rb").read():
            failures.append(f"{name} is not carried inside the guide as it is in docs/guia")
    unused = sorted(set(os.listdir(os.path.join(root, "docs/guia"))) - set(names) - {"tervan-guia.html"})
    if unused:
        failures.append(f"docs/guia holds pictures the guide does not show: {unused}")
    if written - set(names):
        failures.append(f"make docs-pictures writes pictures the guide does not show: {sorted(written - set(names))}")

    # Every link inside the page has its target, once.
    for href in guide.links:
        if href.startswith("#") and href[1:] not in guide.ids:
            failures.append(f"the link {href} has no target")
    duplicates = sorted({i for i in guide.ids if guide.ids.count(i) > 1})
    if duplicates:
        failures.append(f"ids given twice: {duplicates}")
    if not [h for h in guide.links if h.startswith("#")]:
        failures.append("the guide has no index of links")
    for ref in guide.external:
        failures.append(f"the guide reaches outside itself: {ref}")

    # The program opens it, and the About box names it, by the built name.
    name = os.path.basename(built)
    for path in ("app/SaveNotebook.cpp", "res/Dialogs.cpp"):
        if f'"{name}"' not in open(os.path.join(root, path), encoding="utf-8").read():
            failures.append(f"{path} does not name {name}")

    for f in failures:
        print("FAIL:", f)
    print(f"{len(guide.images)} pictures, {len(guide.links)} links checked")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
