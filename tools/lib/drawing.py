"""Drawing and PNG writing shared by every image generator in tools/.

Python 3 standard library only. Everything is deterministic: the same calls
give the same pixels, and `Canvas.png()` the same bytes (zlib level 9, no
timestamps, no ancillary chunks), so generated images can be compared byte
for byte with the shipped ones.

Colours are (r, g, b) tuples of 0..255; alpha is a separate 0..255 value.
Coordinates are pixels with (0, 0) at the upper-left corner; pixel (x, y)
covers the square [x, x + 1) x [y, y + 1), so its centre is (x + 0.5, y + 0.5).

Canvas(width, height)                       RGBA pixels, all transparent
  .blend(x, y, rgb, alpha)                  source-over one pixel
  .fill(coverage, rgb, alpha=255, x0, y0, x1, y1)
                                            paints where coverage(x, y) is
                                            true, 4 x 4 samples per pixel
  .rect(left, top, right, bottom, rgb, alpha=255)
                                            hard-edged rectangle (integers)
  .shape(distance, paint, alpha=255, box=None)
                                            anti-aliased fill of the region
                                            where distance(x, y) <= 0 (a
                                            signed distance, see below);
                                            `paint` is an rgb or a function
                                            (x, y) -> rgb, e.g. a gradient
  .rounded_rect(left, top, right, bottom, radius, paint, alpha=255)
  .circle(cx, cy, radius, paint, alpha=255)
  .ring(cx, cy, radius, width, paint, alpha=255)
                                            a band `width` wide whose outer
                                            edge is `radius`
  .arc(cx, cy, radius, width, start, sweep, paint, alpha=255)
                                            a round-capped stroke `width`
                                            wide along the circle from angle
                                            `start` through `sweep` radians
                                            (clockwise on screen)
  .line(ax, ay, bx, by, width, paint, alpha=255)
                                            round-capped stroke
  .polyline(points, width, paint, alpha=255)
                                            joined strokes, painted once
  .polygon(points, paint, alpha=255)        filled polygon (any winding)
  .text(text, cx, cy, height, width, paint, alpha=255)
                                            digits drawn as strokes, centred
  .grid(spacing, rgb, alpha=255, offset=0) 1-pixel lines every `spacing` pixels
                                            both ways (where x or y is
                                            `offset` modulo `spacing`), each
                                            pixel painted once: a canvas whose
                                            sides are multiples of `spacing`
                                            repeats seamlessly
  .paste(other, left, top)                  source-over another canvas
  .crop(left, top, right, bottom)           a copy of a rectangle (integers)
  .transposed()                             a copy with rows and columns
                                            swapped (x for y)
  .desaturated(lighten=0.0)                 a grey copy (luma), optionally
                                            moved toward white
  .with_shadow(radius, offset, rgb, opacity)
                                            a copy over its own soft shadow
  .falloff(distance, reach, rgb, opacity=1.0, box=None)
                                            a soft glow or shadow: full
                                            inside the shape, fading to
                                            nothing `reach` pixels outside
                                            (squared), so it is exactly as
                                            uniform as the distance
  .png()                                    the PNG file's bytes (RGBA, 8 bit)

Signed distances (negative inside, in pixels; `shape` uses them to skip the
sampling of pixels wholly inside or outside, with the same result as
sampling every pixel): circle_distance, rounded_rect_distance,
capsule_distance, polyline_distance, polygon_distance, arc_distance, and
union / subtract / intersect to combine them.

Paints: vertical_gradient(top, bottom, top_rgb, bottom_rgb).
Icons, flat shapes in the palette on any canvas: coin(canvas, cx, cy, r),
star(canvas, cx, cy, radius, paint, rim) (with a rim of its own colour),
lock(canvas, cx, cy, size, paint) (a padlock with a see-through keyhole),
bulb(canvas, cx, cy, scale) (a hint), heart(canvas, cx, cy, size) and
heart_distance, return_arrow(canvas, cx, cy, r, width, paint) (going back
for another try), error_mark(canvas, cx, cy, scale) (a mistake: the error
panel's mark), star_points(cx, cy, radius).
Colours: hex_rgb("#EDAE49"), lighter(rgb, amount), darker(rgb, amount),
mix(a, b, amount), and the art direction's palette (PAPER ... SUCCESS).
Widget boxes: framed_box(canvas, left, top, right, bottom, radius, fill,
border=PANEL_BORDER, width=1) draws a rounded box with a border of its own
colour (the panels' look).
Sheets: sheet(frames) lays equal-height frames side by side; grid(frames,
columns) lays them out row by row.
Panels: card(width, height, inset, radius, shadow) draws the art direction's
panel (near-white body, 1 px border, soft drop shadow); nine_pieces(piece,
inset, radius, shadow) cuts such a panel into the nine pieces of a frame that
repeats seamlessly at any size (NINE_PARTS names them). A shadow is
Shadow(reach, drop, opacity).
"""

import collections
import math
import struct
import zlib

# --------------------------------------------------------------------------
# Palette (the art direction's).

PAPER = (0xF4, 0xEF, 0xE6)
PAPER_BOTTOM = (0xE9, 0xE1, 0xD3)
PANEL = (0xFF, 0xFD, 0xF8)
PANEL_BORDER = (0xD8, 0xD0, 0xC3)
INK = (0x2E, 0x34, 0x40)
FILLED = (0x2E, 0x40, 0x57)
CROSS = (0xA5, 0x9C, 0x8E)
CLOSED = (0xFF, 0xFF, 0xFF)
GRID_LINE = (0xCF, 0xC7, 0xBA)
BLOCK_LINE = (0x7A, 0x73, 0x68)
CROSSED_NUMBER = (0xBD, 0xB5, 0xA8)
ACCENT = (0xED, 0xAE, 0x49)
SECONDARY = (0x00, 0x79, 0x8C)
ERROR = (0xD1, 0x49, 0x5B)
SUCCESS = (0x3C, 0x9D, 0x5D)


def hex_rgb(text):
    """"#RRGGBB" (the '#' optional) as an (r, g, b) tuple."""
    text = text.lstrip("#")
    if len(text) != 6:
        raise ValueError("colour %r is not #RRGGBB" % text)
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def lighter(rgb, amount):
    """Moves each channel `amount` (0..1) of the way to white."""
    return tuple(min(255, int(c + (255 - c) * amount)) for c in rgb)


def darker(rgb, amount):
    """Moves each channel `amount` (0..1) of the way to black."""
    return tuple(max(0, int(c * (1.0 - amount))) for c in rgb)


def mix(a, b, amount):
    """The colour `amount` (0..1) of the way from a to b."""
    return tuple(int(round(x + (y - x) * amount)) for x, y in zip(a, b))


def vertical_gradient(top, bottom, top_rgb, bottom_rgb):
    """A paint going from top_rgb at y = top to bottom_rgb at y = bottom."""
    span = float(bottom - top) or 1.0

    def paint(x, y):
        return mix(top_rgb, bottom_rgb, max(0.0, min(1.0, (y - top) / span)))
    return paint


# --------------------------------------------------------------------------
# Signed distances: negative inside, zero on the edge, growing outward.


def segment_distance(px, py, ax, ay, bx, by):
    """Distance from (px, py) to the segment from (ax, ay) to (bx, by)."""
    dx, dy = bx - ax, by - ay
    length = float(dx * dx + dy * dy)
    t = ((px - ax) * dx + (py - ay) * dy) / length if length else 0.0
    t = max(0.0, min(1.0, t))
    cx, cy = ax + t * dx, ay + t * dy
    return ((px - cx) ** 2 + (py - cy) ** 2) ** 0.5


def circle_distance(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) - radius


def rounded_rect_distance(left, top, right, bottom, radius):
    half_w, half_h = (right - left) / 2.0, (bottom - top) / 2.0
    mid_x, mid_y = left + half_w, top + half_h
    radius = min(radius, half_w, half_h)

    def distance(x, y):
        qx = abs(x - mid_x) - half_w + radius
        qy = abs(y - mid_y) - half_h + radius
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return distance


def capsule_distance(ax, ay, bx, by, width):
    return lambda x, y: segment_distance(x, y, ax, ay, bx, by) - width / 2.0


def polyline_distance(points, width):
    segments = list(zip(points, points[1:]))

    def distance(x, y):
        return min(segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in segments) - width / 2.0
    return distance


def polygon_distance(points):
    """Even-odd polygon; the distance is to the nearest edge."""
    edges = list(zip(points, points[1:] + points[:1]))

    def distance(x, y):
        inside = False
        nearest = float("inf")
        for (ax, ay), (bx, by) in edges:
            nearest = min(nearest, segment_distance(x, y, ax, ay, bx, by))
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -nearest if inside else nearest
    return distance


def arc_distance(cx, cy, radius, width, start, sweep):
    """A stroke `width` wide along the circle of `radius` around (cx, cy),
    from angle `start` (radians, 0 pointing right, growing clockwise on
    screen) through `sweep`, with round caps; a sweep of a full turn or more
    is the whole ring."""
    half = width / 2.0
    if sweep >= 2 * math.pi:
        return lambda x, y: abs(math.hypot(x - cx, y - cy) - radius) - half
    ends = [(cx + radius * math.cos(a), cy + radius * math.sin(a)) for a in (start, start + sweep)]

    def distance(x, y):
        angle = (math.atan2(y - cy, x - cx) - start) % (2 * math.pi)
        if angle <= sweep:
            return abs(math.hypot(x - cx, y - cy) - radius) - half
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - half
    return distance


def union(*distances):
    return lambda x, y: min(d(x, y) for d in distances)


def subtract(base, cut):
    return lambda x, y: max(base(x, y), -cut(x, y))


def intersect(*distances):
    return lambda x, y: max(d(x, y) for d in distances)


# Digits as strokes on a 4 x 6 grid (x to the right, y down), for numbers on
# icons and trophies.
DIGIT_STROKES = {
    "0": [[(0, 0), (4, 0), (4, 6), (0, 6), (0, 0)]],
    "1": [[(1, 1), (2.5, 0), (2.5, 6)], [(1, 6), (4, 6)]],
    "2": [[(0, 0), (4, 0), (4, 3), (0, 3), (0, 6), (4, 6)]],
    "3": [[(0, 0), (4, 0), (4, 6), (0, 6)], [(1, 3), (4, 3)]],
    "4": [[(0, 0), (0, 3.5), (4, 3.5)], [(3, 1.5), (3, 6)]],
    "5": [[(4, 0), (0, 0), (0, 3), (4, 3), (4, 6), (0, 6)]],
    "6": [[(4, 0), (0, 0), (0, 6), (4, 6), (4, 3), (0, 3)]],
    "7": [[(0, 0), (4, 0), (1.5, 6)]],
    "8": [[(0, 0), (4, 0), (4, 6), (0, 6), (0, 0)], [(0, 3), (4, 3)]],
    "9": [[(4, 3), (0, 3), (0, 0), (4, 0), (4, 6), (0, 6)]],
}


def text_distance(text, cx, cy, height, width):
    """The strokes of `text` (digits), `height` pixels tall, centred on
    (cx, cy), with strokes `width` wide."""
    scale = height / 6.0
    advance = 6.0 * scale
    left = cx - (advance * (len(text) - 1) + 4.0 * scale) / 2.0
    top = cy - height / 2.0
    parts = []
    for index, char in enumerate(text):
        if char not in DIGIT_STROKES:
            raise ValueError("no strokes for %r" % char)
        x0 = left + index * advance
        for stroke in DIGIT_STROKES[char]:
            parts.append(polyline_distance([(x0 + px * scale, top + py * scale) for px, py in stroke], width))
    return union(*parts)


def heart_distance(cx, cy, size):
    """A heart `size` pixels from its middle to its sides, its point down."""
    lobe = 0.56 * size
    left = circle_distance(cx - 0.48 * size, cy - 0.28 * size, lobe)
    right = circle_distance(cx + 0.48 * size, cy - 0.28 * size, lobe)
    point = polygon_distance([(cx - 0.98 * size, cy - 0.12 * size), (cx + 0.98 * size, cy - 0.12 * size),
                              (cx, cy + 0.92 * size)])
    return union(left, right, point)


def star_points(cx, cy, radius, inner=0.45):
    """The ten corners of a five-pointed star, its first point up."""
    points = []
    for i in range(10):
        r = radius if i % 2 == 0 else radius * inner
        angle = -math.pi / 2 + i * math.pi / 5
        points.append((cx + r * math.cos(angle), cy + r * math.sin(angle)))
    return points


# --------------------------------------------------------------------------
# The canvas.


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[(0, 0, 0, 0)] * width for _ in range(height)]

    def blend(self, x, y, rgb, alpha):
        if not (0 <= x < self.width and 0 <= y < self.height) or alpha <= 0:
            return
        r0, g0, b0, a0 = self.pixels[y][x]
        a = alpha / 255.0
        out_a = a + a0 / 255.0 * (1 - a)
        if out_a <= 0:
            return

        def channel(c, c0):
            return (c * a + c0 * (a0 / 255.0) * (1 - a)) / out_a
        self.pixels[y][x] = (int(round(channel(rgb[0], r0))), int(round(channel(rgb[1], g0))),
                             int(round(channel(rgb[2], b0))), int(round(out_a * 255)))

    def fill(self, coverage, rgb, alpha=255, x0=0, y0=0, x1=None, y1=None):
        """Paints the pixels whose area `coverage(x, y)` covers (4 x 4 samples)."""
        x1 = self.width if x1 is None else x1
        y1 = self.height if y1 is None else y1
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for sy in range(4):
                    for sx in range(4):
                        if coverage(x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0):
                            hits += 1
                if hits:
                    self.blend(x, y, rgb, alpha * hits // 16)

    def rect(self, left, top, right, bottom, rgb, alpha=255):
        for y in range(max(0, top), min(self.height, bottom)):
            for x in range(max(0, left), min(self.width, right)):
                self.blend(x, y, rgb, alpha)

    def grid(self, spacing, rgb, alpha=255, offset=0):
        for y in range(self.height):
            for x in range(self.width):
                if (x - offset) % spacing == 0 or (y - offset) % spacing == 0:
                    self.blend(x, y, rgb, alpha)

    def shape(self, distance, paint, alpha=255, box=None):
        """Anti-aliased fill of where distance(x, y) <= 0, within `box`
        (left, top, right, bottom; the whole canvas when None). A pixel whose
        centre lies deeper than its half diagonal inside or outside is taken
        whole or skipped; the others are sampled 4 x 4 as `fill` does."""
        left, top, right, bottom = box or (0, 0, self.width, self.height)
        left, top = max(0, int(math.floor(left))), max(0, int(math.floor(top)))
        right = min(self.width, int(math.ceil(right)))
        bottom = min(self.height, int(math.ceil(bottom)))
        solid = paint if not callable(paint) else None
        for y in range(top, bottom):
            for x in range(left, right):
                centre = distance(x + 0.5, y + 0.5)
                if centre >= 0.75:
                    continue
                if centre <= -0.75:
                    hits = 16
                else:
                    hits = 0
                    for sy in range(4):
                        for sx in range(4):
                            if distance(x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0) <= 0:
                                hits += 1
                if hits:
                    self.blend(x, y, solid or paint(x + 0.5, y + 0.5), alpha * hits // 16)

    def rounded_rect(self, left, top, right, bottom, radius, paint, alpha=255):
        self.shape(rounded_rect_distance(left, top, right, bottom, radius), paint, alpha,
                   (left - 1, top - 1, right + 1, bottom + 1))

    def circle(self, cx, cy, radius, paint, alpha=255):
        self.shape(circle_distance(cx, cy, radius), paint, alpha,
                   (cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1))

    def ring(self, cx, cy, radius, width, paint, alpha=255):
        self.shape(subtract(circle_distance(cx, cy, radius), circle_distance(cx, cy, radius - width)),
                   paint, alpha, (cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1))

    def arc(self, cx, cy, radius, width, start, sweep, paint, alpha=255):
        reach = radius + width / 2.0 + 1
        self.shape(arc_distance(cx, cy, radius, width, start, sweep), paint, alpha,
                   (cx - reach, cy - reach, cx + reach, cy + reach))

    def line(self, ax, ay, bx, by, width, paint, alpha=255):
        self.polyline([(ax, ay), (bx, by)], width, paint, alpha)

    def polyline(self, points, width, paint, alpha=255):
        reach = width / 2.0 + 1
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.shape(polyline_distance(points, width), paint, alpha,
                   (min(xs) - reach, min(ys) - reach, max(xs) + reach, max(ys) + reach))

    def polygon(self, points, paint, alpha=255):
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.shape(polygon_distance(points), paint, alpha, (min(xs) - 1, min(ys) - 1, max(xs) + 1, max(ys) + 1))

    def text(self, text, cx, cy, height, width, paint, alpha=255):
        reach = width / 2.0 + 1
        half_w = (height / 6.0) * (6.0 * (len(text) - 1) + 4.0) / 2.0
        self.shape(text_distance(text, cx, cy, height, width), paint, alpha,
                   (cx - half_w - reach, cy - height / 2.0 - reach, cx + half_w + reach, cy + height / 2.0 + reach))

    def falloff(self, distance, reach, rgb, opacity=1.0, box=None):
        """Paints rgb at `opacity` where distance(x, y) <= 0 and fading with
        the square of the way out to nothing at `reach` pixels outside."""
        left, top, right, bottom = box or (0, 0, self.width, self.height)
        for y in range(max(0, int(math.floor(top))), min(self.height, int(math.ceil(bottom)))):
            for x in range(max(0, int(math.floor(left))), min(self.width, int(math.ceil(right)))):
                d = distance(x + 0.5, y + 0.5)
                if d >= reach:
                    continue
                share = 1.0 - max(0.0, d) / reach
                self.blend(x, y, rgb, int(round(255 * opacity * share * share)))

    def paste(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                r, g, b, a = other.pixels[y][x]
                self.blend(left + x, top + y, (r, g, b), a)

    def copy(self):
        out = Canvas(self.width, self.height)
        out.pixels = [list(row) for row in self.pixels]
        return out

    def crop(self, left, top, right, bottom):
        out = Canvas(right - left, bottom - top)
        out.pixels = [list(self.pixels[y][left:right]) for y in range(top, bottom)]
        return out

    def transposed(self):
        out = Canvas(self.height, self.width)
        out.pixels = [list(column) for column in zip(*self.pixels)]
        return out

    def desaturated(self, lighten=0.0):
        """A copy in grey (Rec. 601 luma), each grey moved `lighten` (0..1)
        of the way to white; alpha is kept."""
        out = Canvas(self.width, self.height)
        for y, row in enumerate(self.pixels):
            out_row = out.pixels[y]
            for x, (r, g, b, a) in enumerate(row):
                grey = (299 * r + 587 * g + 114 * b + 500) // 1000
                grey = min(255, int(grey + (255 - grey) * lighten))
                out_row[x] = (grey, grey, grey, a)
        return out

    def with_shadow(self, radius, offset=(0, 0), rgb=INK, opacity=0.35):
        """A copy drawn over a soft shadow of itself: its alpha, moved by
        `offset` pixels, blurred by three box passes of `radius` (close to a
        Gaussian) and painted in `rgb` at `opacity`."""
        dx, dy = offset
        mask = [[0] * self.width for _ in range(self.height)]
        for y in range(self.height):
            sy = y - dy
            if 0 <= sy < self.height:
                row = self.pixels[sy]
                for x in range(self.width):
                    sx = x - dx
                    if 0 <= sx < self.width:
                        mask[y][x] = row[sx][3]
        for _ in range(3):
            mask = _box_blur_rows(mask, radius)
            mask = _transpose(_box_blur_rows(_transpose(mask), radius))
        out = Canvas(self.width, self.height)
        for y in range(self.height):
            for x in range(self.width):
                level = int(mask[y][x] * opacity + 0.5)
                if level:
                    out.pixels[y][x] = (rgb[0], rgb[1], rgb[2], level)
        out.paste(self, 0, 0)
        return out

    def png(self):
        raw = bytearray()
        for row in self.pixels:
            raw.append(0)
            for pixel in row:
                raw.extend(pixel)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def _box_blur_rows(rows, radius):
    """Each value becomes the mean of the 2 * radius + 1 values around it in
    its row (zeros beyond the edges), rounded."""
    if radius <= 0:
        return [list(row) for row in rows]
    span = 2 * radius + 1
    out = []
    for row in rows:
        width = len(row)
        padded = [0] * radius + row + [0] * radius
        total = sum(padded[:span])
        blurred = []
        for x in range(width):
            blurred.append((total + span // 2) // span)
            if x + span < len(padded):
                total += padded[x + span] - padded[x]
        out.append(blurred)
    return out


def _transpose(rows):
    return [list(column) for column in zip(*rows)]


# --------------------------------------------------------------------------
# Icons.


def coin(canvas, cx, cy, r):
    """A coin in the accent colour with a darker rim and an inner ring."""
    canvas.circle(cx, cy, r, ACCENT)
    canvas.ring(cx, cy, r, 3, darker(ACCENT, 0.3))
    canvas.ring(cx, cy, r * 0.6, 2, darker(ACCENT, 0.15))


def bulb(canvas, cx, cy, scale=1.0):
    """A light bulb (a hint) about 26 x 37 pixels times `scale`, its glass
    centred 6 x scale pixels above (cx, cy)."""
    k = scale
    canvas.circle(cx, cy - 6 * k, 13 * k, ACCENT)
    canvas.ring(cx, cy - 6 * k, 13 * k, 3 * k, INK)
    canvas.rounded_rect(cx - 7 * k, cy + 8 * k, cx + 7 * k, cy + 12 * k, 2 * k, INK)
    canvas.rounded_rect(cx - 5 * k, cy + 14 * k, cx + 5 * k, cy + 18 * k, 2 * k, INK)


def star(canvas, cx, cy, radius, paint=ACCENT, rim=None, rim_width=2):
    """A five-pointed star, its first point up, in `paint`, with a rim
    `rim_width` pixels wide in `rim` (none when None) along its edge."""
    outer = star_points(cx, cy, radius)
    box = (cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1)
    if rim is None:
        canvas.polygon(outer, paint)
        return
    canvas.shape(polygon_distance(outer), rim, box=box)
    inner = star_points(cx, cy, radius - rim_width * 1.9)
    canvas.shape(polygon_distance(inner), paint, box=box)


def lock(canvas, cx, cy, size, paint=INK):
    """A padlock `size` pixels tall centred on (cx, cy): a rounded body in
    the lower part, a shackle arc above it and a keyhole cut out of the body
    (see-through)."""
    body_top = cy - size * 0.08
    half = size * 0.38
    shackle_r = size * 0.24
    stroke = max(2.0, size * 0.11)
    canvas.arc(cx, body_top, shackle_r, stroke, math.pi, math.pi, paint)
    for side in (-1, 1):
        canvas.line(cx + side * shackle_r, body_top, cx + side * shackle_r, body_top + size * 0.05,
                    stroke, paint)
    hole = union(circle_distance(cx, body_top + size * 0.2, size * 0.07),
                 rounded_rect_distance(cx - size * 0.03, body_top + size * 0.2, cx + size * 0.03,
                                       body_top + size * 0.36, 0))
    canvas.shape(subtract(rounded_rect_distance(cx - half, body_top, cx + half, cy + size * 0.5,
                                                size * 0.08), hole),
                 paint, box=(cx - half - 1, body_top - 1, cx + half + 1, cy + size * 0.5 + 1))


def heart(canvas, cx, cy, size, paint=ERROR):
    canvas.shape(heart_distance(cx, cy, size), paint,
                 box=(cx - 1.1 * size, cy - 0.9 * size, cx + 1.1 * size, cy + size))


def error_mark(canvas, cx, cy, scale=1.0):
    """A mistake, as the error panel marks one: a disc of radius 11 x
    `scale` in the error colour with a cross in the panel's white."""
    canvas.circle(cx, cy, 11 * scale, ERROR)
    half = 5 * scale
    canvas.line(cx - half, cy - half, cx + half, cy + half, 2.6 * scale, PANEL)
    canvas.line(cx - half, cy + half, cx + half, cy - half, 2.6 * scale, PANEL)


def return_arrow(canvas, cx, cy, r, width, paint):
    """A circle of radius r drawn three quarters round from the top, ending
    in an arrowhead that points on round: going back for another try."""
    start, sweep = -math.pi / 2, 1.55 * math.pi
    points = [(cx + r * math.cos(start + sweep * i / 48), cy + r * math.sin(start + sweep * i / 48))
              for i in range(49)]
    canvas.polyline(points, width, paint)
    end = start + sweep
    tip_angle = end + 0.55
    tip = (cx + r * math.cos(tip_angle), cy + r * math.sin(tip_angle))
    across = (math.cos(end), math.sin(end))
    half = width * 1.5
    base = (cx + r * math.cos(end), cy + r * math.sin(end))
    canvas.polygon([(base[0] - across[0] * half, base[1] - across[1] * half),
                    (base[0] + across[0] * half, base[1] + across[1] * half), tip], paint)


def framed_box(canvas, left, top, right, bottom, radius, fill, border=PANEL_BORDER, width=1):
    """A rounded box in `fill` (an rgb or a paint) inside a `width` pixel
    border in `border`, as panels, line boxes and list boxes are drawn."""
    canvas.rounded_rect(left, top, right, bottom, radius, border)
    canvas.rounded_rect(left + width, top + width, right - width, bottom - width,
                        max(0, radius - width), fill)


def sheet(frames):
    """The frames side by side, left to right, in one canvas."""
    width = sum(f.width for f in frames)
    out = Canvas(width, frames[0].height)
    left = 0
    for frame in frames:
        out.paste(frame, left, 0)
        left += frame.width
    return out


def grid(frames, columns):
    """Equal frames laid out row by row, `columns` to a row, in one canvas."""
    rows = (len(frames) + columns - 1) // columns
    width, height = frames[0].width, frames[0].height
    out = Canvas(width * columns, height * rows)
    for index, frame in enumerate(frames):
        out.paste(frame, (index % columns) * width, (index // columns) * height)
    return out


# --------------------------------------------------------------------------
# Panels.

# A soft drop shadow: how far it fades out, how much lower than the body it
# lies, and its opacity at the body's edge.
Shadow = collections.namedtuple("Shadow", "reach drop opacity")

# The nine pieces of a frame, row by row from the upper left.
NINE_PARTS = ("ul", "up", "ur", "lt", "mid", "rt", "dl", "dn", "dr")


def card(width, height, inset, radius, shadow):
    """The art direction's panel: a near-white body (PANEL) with a 1 px
    PANEL_BORDER border and rounded corners, `inset` (left, top, right,
    bottom) from the canvas's edges, over a soft INK shadow."""
    left, top, right, bottom = inset[0], inset[1], width - inset[2], height - inset[3]
    canvas = Canvas(width, height)
    canvas.falloff(rounded_rect_distance(left, top + shadow.drop, right, bottom + shadow.drop, radius),
                   shadow.reach, INK, shadow.opacity)
    canvas.rounded_rect(left, top, right, bottom, radius, PANEL_BORDER)
    canvas.rounded_rect(left + 1, top + 1, right - 1, bottom - 1, radius - 1, PANEL)
    return canvas


def nine_pieces(piece, inset, radius, shadow):
    """A card drawn `piece` x 3 pixels a side and cut into nine `piece` x
    `piece` canvases, in the order of NINE_PARTS. Everything that changes
    along an edge (the rounding, the shadow's corners) must lie within the
    corners, so that the edges and the middle are the same all along and
    repeat seamlessly; ValueError otherwise."""
    side = 3 * piece
    left, top, right, bottom = inset[0], inset[1], side - inset[2], side - inset[3]
    if left + radius > piece or top + radius > piece or right - radius < 2 * piece \
            or bottom - radius < 2 * piece:
        raise ValueError("the panel's rounding reaches past its corners")
    if top + shadow.drop + radius > piece or bottom + shadow.drop - radius < 2 * piece:
        raise ValueError("the shadow's rounding reaches past the corners")
    whole = card(side, side, inset, radius, shadow)
    pieces = []
    for index in range(9):
        column, row = index % 3, index // 3
        cut = Canvas(piece, piece)
        for y in range(piece):
            cut.pixels[y] = list(whole.pixels[row * piece + y][column * piece:(column + 1) * piece])
        pieces.append(cut)
    return pieces
