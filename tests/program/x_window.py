#!/usr/bin/env python3
"""A window on the X server in DISPLAY, through Xlib. Usage:
  x_window.py grab WINDOW FILE    the window's pixels as a PPM picture
  x_window.py same FILE FILE      exit 0 when two grabs are equal, else 1 and
                                  a line: how many pixels differ, where
  x_window.py cover WINDOW        lays a window over the whole screen for a
                                  moment and takes it away again, so the
                                  window is exposed as a desktop does it
  x_window.py wait WINDOW SECONDS X Y RRGGBB
                                  looks every 50 ms, for up to SECONDS (0:
                                  once), until the pixel at X, Y is within 24
                                  of RRGGBB in each channel: exit 0, else 1;
                                  prints the last colour seen (scripts wait
                                  for a screen by one of its pixels)
  x_window.py close WINDOW        asks the window to close the way a window
                                  manager does: a WM_DELETE_WINDOW client
                                  message (what a title bar's close button
                                  sends)
WINDOW is decimal or 0x hex."""
import ctypes
import ctypes.util
import sys
import time


class XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, as far as they are read here.
    _fields_ = [
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
        ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int),
        ("data", ctypes.c_void_p),
        ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int),
    ]


class ClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class Event(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("pad", ctypes.c_long * 32)]


ZPIXMAP = 2
ALL_PLANES = ctypes.c_ulong(-1).value


def xlib():
    lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    lib.XOpenDisplay.restype = ctypes.c_void_p
    lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    lib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                         ctypes.POINTER(XWindowAttributes)]
    lib.XGetImage.restype = ctypes.POINTER(XImage)
    lib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                              ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    lib.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
    lib.XGetPixel.restype = ctypes.c_ulong
    lib.XGetPixel.argtypes = [ctypes.POINTER(XImage), ctypes.c_int, ctypes.c_int]
    lib.XDefaultRootWindow.restype = ctypes.c_ulong
    lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    lib.XCreateSimpleWindow.restype = ctypes.c_ulong
    lib.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                        ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                                        ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
    lib.XMapRaised.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    lib.XDestroyWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    lib.XInternAtom.restype = ctypes.c_ulong
    lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(Event)]
    lib.XFlush.argtypes = [ctypes.c_void_p]
    lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = lib.XOpenDisplay(None)
    if not display:
        sys.exit("x_window: no display")
    return lib, display


def grab(window, path):
    lib, display = xlib()
    attributes = XWindowAttributes()
    if not lib.XGetWindowAttributes(display, window, ctypes.byref(attributes)):
        sys.exit("x_window: no window %#x" % window)
    width, height = attributes.width, attributes.height
    image = lib.XGetImage(display, window, 0, 0, width, height, ALL_PLANES, ZPIXMAP)
    if not image or image.contents.bits_per_pixel != 32:
        sys.exit("x_window: the server gave no 32-bit picture of %#x" % window)
    pitch = image.contents.bytes_per_line
    data = ctypes.string_at(image.contents.data, pitch * height)
    lib.XDestroyImage(image)
    lib.XCloseDisplay(display)
    # A 24-bit TrueColor server's pixels are B, G, R, pad in memory.
    rgb = bytearray(width * height * 3)
    for y in range(height):
        row = data[y * pitch:y * pitch + width * 4]
        rgb[y * width * 3 + 0:(y + 1) * width * 3:3] = row[2::4]
        rgb[y * width * 3 + 1:(y + 1) * width * 3:3] = row[1::4]
        rgb[y * width * 3 + 2:(y + 1) * width * 3:3] = row[0::4]
    with open(path, "wb") as out:
        out.write(b"P6\n%d %d\n255\n" % (width, height))
        out.write(rgb)


def read_ppm(path):
    with open(path, "rb") as source:
        magic, size, _, pixels = source.read().split(b"\n", 3)
    width, height = (int(v) for v in size.split())
    return width, height, pixels


def same(path_a, path_b):
    wa, ha, a = read_ppm(path_a)
    wb, hb, b = read_ppm(path_b)
    if (wa, ha) != (wb, hb):
        print("the sizes differ: %dx%d and %dx%d" % (wa, ha, wb, hb))
        return 1
    if a == b:
        return 0
    count = 0
    left, top, right, bottom = wa, ha, -1, -1
    pitch = wa * 3
    for y in range(ha):
        row_a, row_b = a[y * pitch:(y + 1) * pitch], b[y * pitch:(y + 1) * pitch]
        if row_a == row_b:
            continue
        for x in range(wa):
            if row_a[x * 3:x * 3 + 3] != row_b[x * 3:x * 3 + 3]:
                count += 1
                left, right = min(left, x), max(right, x)
                top, bottom = min(top, y), max(bottom, y)
    print("%d pixels differ, within x %d..%d, y %d..%d" % (count, left, right, top, bottom))
    return 1


def cover(window):
    lib, display = xlib()
    attributes = XWindowAttributes()
    if not lib.XGetWindowAttributes(display, window, ctypes.byref(attributes)):
        sys.exit("x_window: no window %#x" % window)
    root = lib.XDefaultRootWindow(display)
    root_attributes = XWindowAttributes()
    lib.XGetWindowAttributes(display, root, ctypes.byref(root_attributes))
    veil = lib.XCreateSimpleWindow(display, root, 0, 0, root_attributes.width,
                                   root_attributes.height, 0, 0, 0x00FF00FF)
    lib.XMapRaised(display, veil)
    lib.XSync(display, 0)
    time.sleep(0.2)
    lib.XDestroyWindow(display, veil)
    lib.XSync(display, 0)
    lib.XCloseDisplay(display)


def wait(window, seconds, x, y, wanted):
    lib, display = xlib()
    deadline = time.monotonic() + seconds
    while True:
        image = lib.XGetImage(display, window, x, y, 1, 1, ALL_PLANES, ZPIXMAP)
        if not image:
            sys.exit("x_window: %#x has no pixel at %d, %d" % (window, x, y))
        # A 24-bit TrueColor visual, as Xvfb's default screen has.
        pixel = lib.XGetPixel(image, 0, 0)
        lib.XDestroyImage(image)
        colour = ((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF)
        near = all(abs(a - b) <= 24 for a, b in zip(colour, wanted))
        if near or time.monotonic() >= deadline:
            print("%02x%02x%02x" % colour)
            lib.XCloseDisplay(display)
            return 0 if near else 1
        time.sleep(0.05)


def close(window):
    lib, display = xlib()
    event = Event()
    event.client.type = 33  # ClientMessage
    event.client.window = window
    event.client.message_type = lib.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.client.format = 32
    event.client.data[0] = lib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event.client.data[1] = 0  # CurrentTime
    if not lib.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
        sys.exit("x_window: the server refused the message")
    lib.XFlush(display)
    lib.XCloseDisplay(display)


def main():
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    if command == "grab" and len(sys.argv) == 4:
        grab(int(sys.argv[2], 0), sys.argv[3])
    elif command == "same" and len(sys.argv) == 4:
        sys.exit(same(sys.argv[2], sys.argv[3]))
    elif command == "cover" and len(sys.argv) == 3:
        cover(int(sys.argv[2], 0))
    elif command == "close" and len(sys.argv) == 3:
        close(int(sys.argv[2], 0))
    elif command == "wait" and len(sys.argv) == 7:
        sys.exit(wait(int(sys.argv[2], 0), float(sys.argv[3]), int(sys.argv[4]),
                      int(sys.argv[5]), bytes.fromhex(sys.argv[6])))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
