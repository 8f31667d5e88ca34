#!/usr/bin/env python3
"""Draws the small pictures that the generated pages refer to.

The status marks of the chart rows ("smile.gif", "sad.gif", "biggrin.gif")
are written as GIF files directly by this script. The six navigation buttons
of the chart pages ("but/home.jpg" ... "but/end.jpg") are drawn here too and
turned into JPEG files by ImageMagick's `convert` (Debian package
imagemagick), which is needed only when the pictures are made again.

The chart pages live in the folder "htm" and refer to the pictures relative
to themselves, the summary and statistics pages relative to the working
folder; so the status pictures go to both example/ and example/htm/, the
buttons to example/htm/but/.

Usage: python3 scripts/make_images.py [example folder]
"""

import math
import os
import shutil
import subprocess
import sys
import tempfile

# ---------------------------------------------------------------- drawing


class Canvas:
    """An RGBA picture drawn with coverage-sampled shapes."""

    SAMPLES = 4  # per axis, for smooth edges

    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        self.pixels = [[background for _ in range(width)] for _ in range(height)]

    def fill(self, inside, colour):
        """Paints colour over every pixel by the share of it that inside() covers."""
        n = self.SAMPLES
        for y in range(self.height):
            for x in range(self.width):
                hits = 0
                for sy in range(n):
                    for sx in range(n):
                        if inside(x + (sx + 0.5) / n, y + (sy + 0.5) / n):
                            hits += 1
                if hits:
                    self._blend(x, y, colour, hits / (n * n))

    def _blend(self, x, y, colour, share):
        old = self.pixels[y][x]
        if old is None:
            # Over a transparent pixel a half-covered pixel becomes opaque,
            # a less covered one stays transparent (GIF has no partial alpha).
            self.pixels[y][x] = colour if share >= 0.5 else None
            return
        self.pixels[y][x] = tuple(round(o + (c - o) * share) for o, c in zip(old, colour))


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_outer, r_inner):
    return lambda x, y: r_inner * r_inner < (x - cx) ** 2 + (y - cy) ** 2 <= r_outer * r_outer


def arc(cx, cy, r, width, start_deg, end_deg):
    """A thick arc; angles in degrees, 0 to the right, 90 downwards."""

    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > width / 2:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return start_deg <= a <= end_deg

    return inside


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result

    return inside


def rounded_rect(left, top, right, bottom, radius):
    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius

    return inside


# ---------------------------------------------------------------- faces

OUTLINE = (90, 60, 0)
EYE = (40, 30, 10)


def face(fill_colour, mouth):
    c = Canvas(15, 15)
    c.fill(circle(7.5, 7.5, 7.4), OUTLINE)
    c.fill(circle(7.5, 7.5, 6.4), fill_colour)
    c.fill(circle(5.1, 5.8, 1.05), EYE)
    c.fill(circle(9.9, 5.8, 1.05), EYE)
    mouth(c)
    return c


def smile(c):
    c.fill(arc(7.5, 7.6, 3.6, 1.3, 25, 155), EYE)


def sad(c):
    c.fill(arc(7.5, 13.4, 3.6, 1.3, 205, 335), EYE)


def grin(c):
    # An open mouth: a half disc with teeth.
    c.fill(lambda x, y: y >= 8.2 and (x - 7.5) ** 2 + (y - 8.2) ** 2 <= 4.3 ** 2, EYE)
    c.fill(lambda x, y: 8.9 <= y <= 10.0 and (x - 7.5) ** 2 + (y - 8.2) ** 2 <= 3.4 ** 2,
           (255, 255, 255))


# ---------------------------------------------------------------- buttons

BUTTON_W, BUTTON_H = 44, 26
BUTTON_FACE = (52, 64, 84)
BUTTON_EDGE = (28, 34, 46)
GLYPH = (245, 245, 240)
PAGE = (255, 255, 255)  # JPEG has no transparency: the corners take a white page colour


def button(glyphs):
    c = Canvas(BUTTON_W, BUTTON_H, PAGE)
    c.fill(rounded_rect(0.5, 0.5, BUTTON_W - 0.5, BUTTON_H - 0.5, 6), BUTTON_EDGE)
    c.fill(rounded_rect(1.5, 1.5, BUTTON_W - 1.5, BUTTON_H - 1.5, 5), BUTTON_FACE)
    # A lighter upper half gives the button some depth.
    c.fill(rounded_rect(2.5, 2.5, BUTTON_W - 2.5, BUTTON_H / 2, 4), (70, 84, 108))
    for shape in glyphs:
        c.fill(shape, GLYPH)
    return c


def left_triangle(x, w=7):
    return polygon([(x, 13), (x + w, 7.5), (x + w, 18.5)])


def right_triangle(x, w=7):
    return polygon([(x + w, 13), (x, 7.5), (x, 18.5)])


def bar(x):
    return rounded_rect(x, 7.5, x + 2, 18.5, 0.4)


def house():
    roof = polygon([(22, 5.5), (30.5, 13), (13.5, 13)])
    body = rounded_rect(16, 12.5, 28, 20.5, 0.3)
    door_cut = rounded_rect(20.5, 15, 23.5, 20.5, 0.3)
    return [roof, lambda x, y: body(x, y) and not door_cut(x, y)]


BUTTONS = {
    "home": house(),
    "back3": [left_triangle(11), left_triangle(18), left_triangle(25)],
    "back": [left_triangle(18.5)],
    "forward": [right_triangle(18.5)],
    "forward3": [right_triangle(12), right_triangle(19), right_triangle(26)],
    "end": [right_triangle(16.5), bar(25)],
}


# ---------------------------------------------------------------- files


def lzw(indices, min_code_size):
    """The GIF variant of LZW, codes packed least significant bit first."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bits = 0
    nbits = 0

    def emit(code, size):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    size = min_code_size + 1
    emit(clear, size)
    current = ()
    for index in indices:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], size)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            size = min_code_size + 1
        current = (index,)
    if current:
        emit(table[current], size)
    emit(end, size)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def gif_bytes(canvas):
    colours = []
    for row in canvas.pixels:
        for p in row:
            if p is not None and p not in colours:
                colours.append(p)
    if len(colours) > 255:
        raise ValueError("too many colours for one GIF palette")
    palette = [(255, 255, 255)] + colours  # index 0: transparent
    bits = max(2, (len(palette) - 1).bit_length())
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    indices = [0 if p is None else colours.index(p) + 1 for row in canvas.pixels for p in row]
    w, h = canvas.width, canvas.height
    data = bytearray(b"GIF89a")
    data += w.to_bytes(2, "little") + h.to_bytes(2, "little")
    data += bytes([0xF0 | (bits - 1), 0, 0])  # a global palette of 2 ** bits entries
    for r, g, b in palette:
        data += bytes([r, g, b])
    data += bytes([0x21, 0xF9, 4, 0x01, 0, 0, 0, 0])  # index 0 is transparent
    data += b"\x2C" + bytes(4) + w.to_bytes(2, "little") + h.to_bytes(2, "little") + b"\x00"
    data += bytes([bits])
    encoded = lzw(indices, bits)
    for at in range(0, len(encoded), 255):
        block = encoded[at:at + 255]
        data += bytes([len(block)]) + block
    data += b"\x00\x3B"
    return bytes(data)


def ppm_bytes(canvas):
    data = bytearray(b"P6\n%d %d\n255\n" % (canvas.width, canvas.height))
    for row in canvas.pixels:
        for p in row:
            data += bytes(p if p is not None else PAGE)
    return bytes(data)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", path)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    example = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "example")
    example = os.path.normpath(example)

    faces = {
        "smile.gif": face((255, 214, 40), smile),
        "sad.gif": face((150, 190, 255), sad),
        "biggrin.gif": face((255, 190, 20), grin),
    }
    for name, canvas in faces.items():
        data = gif_bytes(canvas)
        write(os.path.join(example, name), data)
        write(os.path.join(example, "htm", name), data)

    convert = shutil.which("convert")
    if not convert:
        sys.exit("the buttons need ImageMagick's convert (apt-get install imagemagick)")
    with tempfile.TemporaryDirectory() as tmp:
        for name, glyphs in BUTTONS.items():
            source = os.path.join(tmp, name + ".ppm")
            with open(source, "wb") as f:
                f.write(ppm_bytes(button(glyphs)))
            target = os.path.join(example, "htm", "but", name + ".jpg")
            os.makedirs(os.path.dirname(target), exist_ok=True)
            subprocess.run([convert, source, "-strip", "-quality", "92", target], check=True)
            print("wrote", target)


if __name__ == "__main__":
    main()
