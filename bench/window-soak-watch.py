#!/usr/bin/env python3
"""The screen side of window-soak.sh: clicks with xdotool and then looks at
pixels of the program's windows on $DISPLAY, often enough to time what the
program shows. Looking goes through Xlib itself (ctypes): starting a
screenshot program for every look would take longer than what is timed.

    window-soak-watch.py enter TITLE X Y NAME RRGGBB PX,PY [PX,PY ...]
        Clicks at (X, Y) of window TITLE, then looks for a window named NAME
        until each of its pixels (PX, PY) has the colour RRGGBB (hex).
        Prints the window's id; the milliseconds to the first look that saw
        it so, from the click and from the first look that saw TITLE gone;
        and the mean time between two looks in milliseconds: each look may
        see a change up to that late.
    window-soak-watch.py click-until-changed WINDOW X Y PX PY
        Clicks at (X, Y) of WINDOW and waits until its pixel (PX, PY) differs
        from what it was before the click.
"""
import ctypes
import ctypes.util
import subprocess
import sys
import time

PAUSE = 0.001  # between two looks: short, but leaves the two cores to the program and X
ENTER_TIMEOUT = 20.0
CHANGE_TIMEOUT = 10.0
IS_VIEWABLE = 2
Z_PIXMAP = 2
ALL_PLANES = 0xFFFFFFFF


class WindowAttributes(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_int), ("y", ctypes.c_int),
        ("width", ctypes.c_int), ("height", ctypes.c_int),
        ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
        ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong),
        ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
        ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
        ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
        ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
        ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int),
        ("all_event_masks", ctypes.c_long), ("your_event_mask", ctypes.c_long),
        ("do_not_propagate_mask", ctypes.c_long), ("override_redirect", ctypes.c_int),
        ("screen", ctypes.c_void_p),
    ]


class Screen:
    def __init__(self):
        x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 4
        x.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
            ctypes.c_int, ctypes.c_ulong] + [ctypes.c_void_p] * 5
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
        x.XGetImage.restype = ctypes.c_void_p
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XGetPixel.restype = ctypes.c_ulong
        x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.c_void_p]
        x.XFree.argtypes = [ctypes.c_void_p]
        self.x = x
        self.display = x.XOpenDisplay(None)
        if not self.display:
            sys.exit("window-soak-watch: cannot open the display")
        # A window may go away between two calls: Xlib's default handler
        # would end this process on the error, so errors are only ignored and
        # the call's empty result tells.
        handler_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        self.on_error = handler_type(lambda display, event: 0)
        x.XSetErrorHandler(self.on_error)
        self.root = x.XDefaultRootWindow(self.display)
        self.wm_name = x.XInternAtom(self.display, b"WM_NAME", 0)

    def name(self, window):
        kind, size = ctypes.c_ulong(), ctypes.c_int()
        count, after = ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.POINTER(ctypes.c_char)()
        # Any type: Qt writes the name as UTF8_STRING, not as STRING.
        if self.x.XGetWindowProperty(self.display, window, self.wm_name, 0, 256, 0, 0,
                                     ctypes.byref(kind), ctypes.byref(size),
                                     ctypes.byref(count), ctypes.byref(after),
                                     ctypes.byref(data)) != 0 or not data:
            return b""
        text = data[:count.value]
        self.x.XFree(data)
        return text

    def find(self, name):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.display, self.root, ctypes.byref(root),
                                 ctypes.byref(parent), ctypes.byref(children),
                                 ctypes.byref(count)):
            return None
        found = None
        for i in range(count.value):
            if self.viewable(children[i]) and self.name(children[i]) == name:
                found = children[i]
                break
        if children:
            self.x.XFree(children)
        return found

    def viewable(self, window):
        attributes = WindowAttributes()
        if not self.x.XGetWindowAttributes(self.display, window, ctypes.byref(attributes)):
            return False
        return attributes.map_state == IS_VIEWABLE

    def pixel(self, window, px, py):
        image = self.x.XGetImage(self.display, window, px, py, 1, 1, ALL_PLANES, Z_PIXMAP)
        if not image:
            return None
        value = self.x.XGetPixel(image, 0, 0) & 0xFFFFFF
        self.x.XDestroyImage(image)
        return value


def xdotool(*args, wait=True):
    command = ["xdotool"] + [str(a) for a in args]
    return subprocess.run(command, check=True) if wait else subprocess.Popen(command)


def enter(title, x, y, name, colour, points):
    screen = Screen()
    want = int(colour, 16)
    spots = [tuple(int(v) for v in p.split(",")) for p in points]
    xdotool("mousemove", "--window", title, x, y)
    # The clock starts before xdotool does: its own start-up is counted.
    start = time.monotonic()
    click = xdotool("click", "1", wait=False)
    looks = 0
    window = None
    closed = None
    while True:
        looks += 1
        if closed is None and not screen.viewable(title):
            closed = time.monotonic()
        window = window or screen.find(name.encode())
        seen = window and all(screen.pixel(window, px, py) == want for px, py in spots)
        # Read after the look: the time counts the look itself.
        now = time.monotonic()
        if seen:
            break
        if now - start > ENTER_TIMEOUT:
            sys.exit(f"window-soak-watch: no {name} window showed #{colour} in "
                     f"{ENTER_TIMEOUT:.0f} s")
        time.sleep(PAUSE)
    click.wait()
    closed = closed or now
    print(window, f"{(now - start) * 1000:.1f}", f"{(now - closed) * 1000:.1f}",
          f"{(now - start) * 1000 / looks:.2f}")


def click_until_changed(window, x, y, px, py):
    screen = Screen()
    before = screen.pixel(window, px, py)
    xdotool("mousemove", "--window", window, x, y, "click", "1")
    start = time.monotonic()
    while screen.pixel(window, px, py) == before:
        if time.monotonic() - start > CHANGE_TIMEOUT:
            sys.exit(f"window-soak-watch: pixel ({px}, {py}) of window {window} did not "
                     f"change in {CHANGE_TIMEOUT:.0f} s")
        time.sleep(0.005)


def main(argv):
    if len(argv) >= 7 and argv[1] == "enter":
        enter(int(argv[2]), int(argv[3]), int(argv[4]), argv[5], argv[6], argv[7:])
    elif len(argv) == 7 and argv[1] == "click-until-changed":
        click_until_changed(*(int(a) for a in argv[2:]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
