#!/usr/bin/env python3
"""Draws the application icon (a colour printer taking in a sheet with cyan, magenta and
yellow bands) and writes resources/varda.ico: 32x32 in 16 colours, 32x32 in 256 colours,
16x16 in 16 colours, and 48x48 and 64x64 in 256 colours for the page icon at 144 and 192 DPI. Standard library only; the build uses the committed .ico, not this script.

    python3 tools/make_icon.py [output.ico]
"""
import os
import struct
import sys

# The standard 16-colour palette, in its usual order.
VGA = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, WHITE, SILVER, GREY = VGA[0], VGA[15], VGA[7], VGA[8]
CYAN, MAGENTA, YELLOW, LIME, NAVY = VGA[14], VGA[13], VGA[11], VGA[10], VGA[4]

# The mark on a 32-unit grid: (x0, y0, x1, y1, fill, outlined), half-open, back to front.
SHAPES = [
    (9, 2, 23, 14, WHITE, True),  # sheet going in
    (11, 4, 21, 6, CYAN, False),
    (11, 7, 21, 9, MAGENTA, False),
    (11, 10, 21, 12, YELLOW, False),
    (2, 12, 30, 25, SILVER, True),  # printer body
    (6, 18, 24, 20, BLACK, False),  # paper slot
    (25, 14, 28, 16, LIME, False),  # power light
    (7, 23, 25, 30, WHITE, True),  # printed page
    (10, 25, 22, 26, NAVY, False),
    (10, 27, 18, 28, NAVY, False),
]
BODY = SHAPES[4]


def scale(v, size):
    return (v * size + 16) // 32


def draw(size, shaded):
    """Returns rows of pixels, top first: an RGB tuple, or None where transparent."""
    pixels = [[None] * size for _ in range(size)]

    def fill(x0, y0, x1, y1, colour_of_row):
        for y in range(max(y0, 0), min(y1, size)):
            for x in range(max(x0, 0), min(x1, size)):
                pixels[y][x] = colour_of_row(y)

    for shape in SHAPES:
        x0, y0, x1, y1 = (scale(v, size) for v in shape[:4])
        colour, outlined = shape[4], shape[5]
        if outlined:
            fill(x0, y0, x1, y1, lambda y: BLACK)
            x0, y0, x1, y1 = x0 + 1, y0 + 1, x1 - 1, y1 - 1
        if shaded and shape is BODY:
            fill(x0, y0, x1, y1, lambda y: body_shade(y - y0, y1 - y0))
        else:
            fill(x0, y0, x1, y1, lambda y: colour)
    return pixels


def body_shade(row, rows):
    """A light-to-dark blue-grey gradient down the printer body (256-colour image only)."""
    t = row / max(rows - 1, 1)
    return (round(0xE8 - 0x60 * t), round(0xEC - 0x60 * t), round(0xF4 - 0x50 * t))


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


def dib(pixels, bits):
    """One icon image: BITMAPINFOHEADER, palette, colour bits, then the transparency mask."""
    size = len(pixels)
    palette = list(VGA)
    if bits == 8:
        for row in pixels:
            for colour in row:
                if colour is not None and colour not in palette:
                    palette.append(colour)
    palette += [BLACK] * ((1 << bits) - len(palette))
    stride = ((size * bits + 31) // 32) * 4
    mask_stride = ((size + 31) // 32) * 4
    colour_bits, mask_bits = bytearray(), bytearray()
    for row in reversed(pixels):  # bottom-up
        indices = [0 if c is None else nearest(palette, c) for c in row]
        if bits == 4:
            line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2))
        else:
            line = bytes(indices)
        colour_bits += line.ljust(stride, b"\0")
        mask = bytearray(mask_stride)
        for x, colour in enumerate(row):
            if colour is None:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_bits += mask
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0,
                         len(colour_bits) + len(mask_bits), 0, 0, 0, 0)
    rgbquads = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return header + rgbquads + bytes(colour_bits) + bytes(mask_bits)


def icon_file(images):
    """images: (size, bits, dib bytes). Returns the .ico file's bytes."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for size, bits, data in images:
        colours = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "varda.ico")
    images = [(size, bits, dib(draw(size, shaded=bits == 8), bits))
              for size, bits in ((32, 4), (32, 8), (16, 4), (48, 8), (64, 8))]
    with open(target, "wb") as f:
        f.write(icon_file(images))


if __name__ == "__main__":
    main()
