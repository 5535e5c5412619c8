#!/usr/bin/env python3
"""Writes the small pictures the picture decoding tests read (needs Pillow).

Every picture but the animation shows the same 16 x 16 pattern: red top
left, green top right, blue bottom left, white bottom right.
"""
import io
import os
import struct
import zlib

from PIL import Image

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")
RED, GREEN, BLUE, WHITE = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)


def colour_at(x, y, size=16):
    half = size // 2
    return [[RED, GREEN], [BLUE, WHITE]][y >= half][x >= half]


def quadrants(size=16):
    image = Image.new("RGB", (size, size))
    for y in range(size):
        for x in range(size):
            image.putpixel((x, y), colour_at(x, y, size))
    return image


def save(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


def encode(image, fmt, **options):
    buffer = io.BytesIO()
    image.save(buffer, fmt, **options)
    return buffer.getvalue()


def png_chunk(kind, body):
    crc = zlib.crc32(kind + body) & 0xFFFFFFFF
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)


def interlaced_rgba16_png(size=16):
    """16-bit RGBA with Adam7 interlacing, which Pillow cannot write."""
    passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4),
              (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
    raw = b""
    for x0, y0, dx, dy in passes:
        for y in range(y0, size, dy):
            row = b""
            for x in range(x0, size, dx):
                r, g, b = colour_at(x, y, size)
                alpha = 0x8000 if (x, y) == (0, 0) else 0xFFFF
                row += struct.pack(">HHHH", r * 257, g * 257, b * 257, alpha)
            if row:
                raw += b"\0" + row
    header = struct.pack(">IIBBBBB", size, size, 16, 6, 0, 0, 1)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
            png_chunk(b"IDAT", zlib.compress(raw)) + png_chunk(b"IEND", b""))


def huge_header_png():
    """A valid start of a 20000 x 20000 RGBA picture, with almost no data."""
    header = struct.pack(">IIBBBBB", 20000, 20000, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
            png_chunk(b"IDAT", zlib.compress(b"\0" * 64)) + png_chunk(b"IEND", b""))


def icon_holding(png):
    entry = struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(png), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + png


def animation():
    frames = []
    for colour in (RED, GREEN, BLUE):
        frames.append(Image.new("RGB", (8, 8), colour).convert("P"))
    return frames


def main():
    os.makedirs(OUT, exist_ok=True)
    image = quadrants()
    palette = image.convert("P", palette=Image.ADAPTIVE, colors=4)

    save("rgb.png", encode(image, "PNG"))
    transparent = palette.copy()
    transparent.info["transparency"] = 0
    save("palette_transparent.png", encode(transparent, "PNG"))
    save("grey_alpha.png", encode(image.convert("LA"), "PNG"))
    save("mono.png", encode(image.convert("1"), "PNG"))
    save("rgba16_interlaced.png", interlaced_rgba16_png())

    save("huge_header.png", huge_header_png())
    save("huge_in_icon.ico", icon_holding(huge_header_png()))

    save("baseline.jpg", encode(image, "JPEG", quality=95))
    save("grey.jpg", encode(image.convert("L"), "JPEG", quality=95))
    save("progressive.jpg", encode(image, "JPEG", quality=95, progressive=True))
    save("cmyk.jpg", encode(image.convert("CMYK"), "JPEG", quality=95))

    frames = animation()
    save("animated.gif", encode(frames[0], "GIF", save_all=True, append_images=frames[1:],
                                duration=[100, 200, 300], loop=0))
    save("still87a.gif", encode(palette, "GIF"))

    save("rgb24.bmp", encode(image, "BMP"))
    save("palette8.bmp", encode(palette, "BMP"))

    icon = encode(image, "ICO", sizes=[(16, 16), (8, 8)])
    save("two_sizes.ico", icon)
    # A cursor file is an icon file with type 2 and a hot spot in place of
    # the planes and bit count of each entry.
    cursor = bytearray(encode(image, "ICO", sizes=[(16, 16)], bitmap_format="bmp"))
    cursor[2] = 2
    for entry in range(struct.unpack_from("<H", cursor, 4)[0]):
        struct.pack_into("<HH", cursor, 6 + 16 * entry + 4, 1, 1)
    save("arrow.cur", bytes(cursor))

    save("rgb24.pcx", encode(image, "PCX"))
    save("palette8.pcx", encode(palette, "PCX"))
    save("mono.pcx", encode(image.convert("1"), "PCX"))


if __name__ == "__main__":
    main()
