#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora into tests/fuzz/corpus/<name>/, and the inputs
that once failed and are too large to fuzz from into tests/fuzz/failed-once/<name>/.

The harnesses read their input through libFuzzer's FuzzedDataProvider:
texts from the front of the input (a backslash and any other byte end one),
numbers and choices from its back, the last byte first. Each seed here is
written that way, so that it walks the harness through a chosen path (a
whole procedure, a level typed, the edit painted); the fuzzers grow their
inputs from there.

    python3 tests/fuzz/seeds.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


class Seed:
    def __init__(self):
        self.front = b""
        self.back = []  # bytes in the order the harness takes them

    def text(self, value):
        self.front += value.replace(b"\\", b"\\\\") + b"\\x"
        return self

    def number(self, value, lo, hi):
        """A number in lo..hi, taken from as many bytes as the range needs."""
        span, raw, count = hi - lo, value - lo, 0
        while count < 8 and (span >> (8 * count)) > 0:
            count += 1
        self.back += list(raw.to_bytes(count, "big"))
        return self

    def choice(self, value):
        return self.number(int(value), 0, 255)

    def int32(self, value):
        return self.number(value, -(2**31), 2**31 - 1)

    def bytes(self):
        return self.front + bytes(reversed(self.back))


def write(name, seeds, folder="corpus"):
    folder = os.path.join(HERE, folder, name)
    os.makedirs(folder, exist_ok=True)
    for label, data in seeds.items():
        with open(os.path.join(folder, label), "wb") as f:
            f.write(data)


# --- level_text: a parser check, then steps on the main window ---------------
NEXT, VALVE, NOTE, HEAT_OR_COOL, CLOCK, PAGE, PAINT, ABOUT = range(8)


def level_session(first, seed, steps):
    s = Seed().text(first).number(seed, 0, 2**32 - 1)
    for step in steps:
        s.number(step[0], 0, 7)
        if step[0] == HEAT_OR_COOL:
            s.choice(step[1])
        elif step[0] == CLOCK:
            s.number(step[1], 0, 5000)
        elif step[0] == PAGE:
            s.number(step[1], 0, 2)
        elif step[0] in (NEXT, NOTE) and len(step) > 1:
            typed, ok = step[1], step[2]
            s.text(typed).number(150, 0, 400).choice(ok)
    return s.bytes()


practical = [(NEXT,), (NEXT,), (NEXT, b"21,5", True), (VALVE,), (NEXT,),
             (HEAT_OR_COOL, True), (CLOCK, 3000), (NOTE, b"23,4", True),
             (HEAT_OR_COOL, False), (CLOCK, 4000), (NOTE, b"20.1", True),
             (PAGE, 0), (PAINT,), (PAGE, 2), (ABOUT,)]
write("level_text", {
    "practical": level_session(b"12,5", 7, practical),
    "no-number-then-escape": level_session(
        b"abc", 1, [(NEXT,), (NEXT,), (NEXT, b"nan", True), (NEXT, b"-0,5e1 cm", False),
                    (NEXT, b"  +7", True), (PAGE, 0)]),
    "edges": level_session(b"1e999", 2, [(NEXT,), (NEXT,), (NEXT, b"1e-310", True), (VALVE,),
                                          (NEXT,), (NOTE, b"\xd9\xa1\xc3\x28", True)]),
    "parser-only": Seed().text(b"\t-12,25e+1xyz").bytes(),
})

# --- edit: operations on the level edit -------------------------------------
MIRROR, SET, SELECT_ALL, PRESS, DRAG, PLACE, DRAW = range(7)


def edit_session(steps):
    s = Seed()
    for step in steps:
        s.number(step[0], 0, 6)
        if step[0] == MIRROR:
            text, start, end, backward = step[1:]
            s.int32(start).int32(end).choice(backward).text(text)
        elif step[0] == SET:
            s.text(step[1])
        elif step[0] in (PRESS, DRAG):
            s.number(step[1], -100000, 100000).number(step[2], 0, 50).choice(step[3])
        elif step[0] == DRAW:
            s.choice(step[1])
    return s.bytes()


write("edit", {
    "typed": edit_session([(MIRROR, b"12,5", 4, 4, False), (DRAW, True), (PRESS, 10, 3, True),
                           (DRAG, 40, 5, False), (DRAW, True)]),
    "long-accented": edit_session([(MIRROR, "àèòéíóú ç·l ".encode() * 6, 5, 1, True),
                                   (PLACE,), (DRAW, True), (PRESS, 300, 0, True), (DRAW, False)]),
    "set-and-select": edit_session([(SET, b"47,5"), (SELECT_ALL,), (DRAW, True),
                                    (MIRROR, b"\xff\xc3(\xe2\x82", 3, 1, False), (DRAW, True)]),
})
# A paste of twenty thousand bytes, then clicks across it: each click
# measured the text once a character, over ten seconds. Too large to fuzz
# from (every input grown from it would be as slow): it runs once a run.
write("edit", {
    "long-paste": edit_session([(SET, "à12,5é ".encode() * 2500), (PRESS, 90000, 7, True),
                                (DRAG, 20, 50, False), (PLACE,), (DRAW, True)]),
}, folder="failed-once")


# --- bmp: small files of each kind the decoder takes ---------------------------
def bmp(width, height, bits, top_down, header=40, colours=0):
    stride = (width * bits + 31) // 32 * 4
    palette = b"".join(bytes((i * 60 % 256, i * 90 % 256, i * 30 % 256, 0))
                       for i in range(colours))
    offset = 14 + header + len(palette)
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            if bits == 8:
                row.append((x + y) % colours)
            else:
                row += bytes(((x * 40) % 256, (y * 70) % 256, 7)) + b"\0" * (bits // 8 - 3)
        rows.append(bytes(row) + b"\0" * (stride - len(row)))
    pixels = b"".join(rows if top_down else reversed(rows))
    info = struct.pack("<IiiHHIIiiII", header, width, -height if top_down else height, 1, bits,
                       0, len(pixels), 2835, 2835, colours, 0)
    info += b"\0" * (header - len(info))
    size = offset + len(pixels)
    return b"BM" + struct.pack("<IHHI", size, 0, 0, offset) + info + palette + pixels


write("bmp", {
    "palette-bottom-up": bmp(3, 2, 8, False, colours=4),
    "true-colour-top-down": bmp(3, 2, 24, True),
    "rgbx-one-pixel": bmp(1, 1, 32, False),
    "v5-header": bmp(2, 2, 24, False, header=124),
})


# --- page: the browser page's event queue -----------------------------------
PAUSE, DOWN, MOVE, UP, CANCEL, KEY, EDIT, MENU = range(8)
LONG_PRESS, READER_FOCUS, READER_CLICK, READER_STEP, MENU_CHOOSE, OTHER, CLICK, DRAG = \
    range(9, 17)
TAB, RETURN, ESCAPE, SPACE, UP_KEY, DOWN_KEY, LEFT_KEY, RIGHT_KEY = range(1, 9)


def page_session(seed, items):
    s = Seed().number(seed, 0, 2**32 - 1)
    for item in items:
        kind = item[0]
        s.number(kind, 0, 16)
        if kind == PAUSE:
            s.number(item[1], 1, 3000)
        elif kind in (DOWN, MOVE, UP, MENU, LONG_PRESS):
            for v in item[1:3]:
                if isinstance(v, tuple):  # any number at all
                    s.number(0, 0, 7).int32(v[0])
                else:
                    s.number(1, 0, 7).number(v, -20, 2047)
            s.number(item[3] if len(item) > 3 else 0, -1, 3)
        elif kind == KEY:
            s.choice(False).number(item[1], 0, 14).number(item[2] if len(item) > 2 else 0, 0, 1)
        elif kind == EDIT:
            text, start, end, backward = item[1:]
            s.choice(True).int32(start).int32(end).number(int(backward), 0, 1).text(text)
        elif kind in (READER_FOCUS, READER_CLICK, READER_STEP):
            s.choice(False).number(item[1], 0, 3).number(item[2], -20, 1200)
        elif kind == MENU_CHOOSE:
            s.choice(False).number(item[1], -2, 10)
        elif kind == OTHER:
            if item[1] == 8:  # the test page's own kind
                s.choice(True)
            else:
                s.choice(False).int32(item[1])
            for v in item[2]:
                s.int32(v)
            s.text(item[3])
        elif kind in (CLICK, DRAG):
            s.choice(item[1])  # the control, modulo the top window's count
            if kind == DRAG:
                s.number(item[2], -200, 200)
    return s.bytes()


# The main window's controls by their place in its list.
INITIAL, CLOSE, LEVEL, SUBMERGE, NOTE, HEAT, COOL = range(2, 9)
FIRST_PAGE, PREVIOUS_PAGE, NEXT_PAGE, ABOUT = range(11, 15)

write("page", {
    # Past the title, the procedure's buttons in turn with levels typed and
    # confirmed with Return, the water heated while the gas timer runs, the
    # notebook's pages and the About box.
    "procedure": page_session(3, [
        (KEY, RETURN), (PAUSE, 500), (CLICK, INITIAL), (CLICK, CLOSE), (PAUSE, 1000),
        (CLICK, LEVEL), (PAUSE, 100), (EDIT, b"12,5", 4, 4, False), (KEY, RETURN),
        (CLICK, SUBMERGE), (PAUSE, 3000), (CLICK, HEAT), (PAUSE, 3000),
        (CLICK, NOTE), (EDIT, b"23,4", 4, 4, False), (KEY, RETURN), (CLICK, COOL),
        (PAUSE, 2000), (DRAG, 9, -120), (CLICK, FIRST_PAGE), (CLICK, NEXT_PAGE),
        (CLICK, PREVIOUS_PAGE), (CLICK, ABOUT), (PAUSE, 500), (KEY, RETURN)]),
    # The keys and a screen reader: Tab round the stops, Space and arrows,
    # the mirror's focus, click and slider steps.
    "keys-and-reader": page_session(11, [(KEY, RETURN), (CLICK, INITIAL), (CLICK, CLOSE)] +
                                    [(KEY, TAB), (KEY, SPACE), (KEY, RIGHT_KEY)] * 6 +
                                    [(KEY, TAB, 1), (READER_FOCUS, 1, 3), (READER_CLICK, 1, 4),
                                     (READER_STEP, 2, 5), (READER_STEP, 2, -7), (KEY, 13)]),
    # Broken UTF-8 and a long paste into the level edit, selections out of
    # range and backward.
    "broken-text": page_session(5, [(KEY, RETURN), (CLICK, INITIAL), (CLICK, CLOSE),
                                    (CLICK, LEVEL), (PAUSE, 100),
        (EDIT, b"\xff\xc3(\xe2\x82 \xed\xa0\x80\"\\\x01", 2**31 - 1, -5, True),
        (DOWN, 380, 240), (MOVE, 300, 240, 1), (UP, 300, 240),
        (EDIT, "àé·".encode() * 700, 3, 1, False), (KEY, LEFT_KEY, 1), (KEY, RETURN),
        (KEY, RETURN)]),
    # The pointer anywhere, a menu opened by a right click and by a finger
    # held still, a cancelled press and kinds the backend does not know.
    "pointer-anywhere": page_session(7, [
        (KEY, RETURN), (DOWN, 300, 200), (MOVE, 320, 220, 1), (CANCEL,), (MENU, 40, 40),
        (MOVE, 60, 60), (DOWN, 60, 60), (UP, 60, 60), (DOWN, 100, 300, 1), (PAUSE, 800),
        (LONG_PRESS, 100, 300), (KEY, DOWN_KEY), (KEY, RETURN), (MENU, 40, 40),
        (MENU_CHOOSE, 0), (PAUSE, 300), (KEY, RETURN),
        (DOWN, (-2**31,), (2**31 - 1,)), (UP, (123456789,), (-7,)),
        (OTHER, 8, [1, 2, 3, 4, 5, 6], b"tick"), (OTHER, 99, [-1, 0, 0, 0, 0, 0], b"")]),
})
