#!/usr/bin/env python3
"""Draws the avatar pictures of the statistics site into sites/avatars/.

Run once by hand (needs python3-pil); the pictures are committed, so that
building and running need neither this script nor PIL. The output is
deterministic: the same run gives the same files.
"""
import pathlib
import random

from PIL import Image, ImageDraw

OUT = pathlib.Path(__file__).resolve().parent.parent / "avatars"

# (file name, size, number of frames); the extension picks the format.
AVATARS = [
    ("a01.png", (64, 64), 1),
    ("a02.png", (80, 80), 1),
    ("a03.png", (96, 96), 1),
    ("a04.png", (120, 100), 1),
    ("a05.jpg", (64, 64), 1),
    ("a06.jpg", (80, 80), 1),
    ("a07.jpg", (100, 100), 1),
    ("a08.jpg", (120, 100), 1),
    ("a09.gif", (64, 64), 1),
    ("a10.gif", (80, 80), 4),
    ("a11.gif", (96, 96), 1),
    ("a12.gif", (100, 100), 6),
    ("a13.bmp", (64, 64), 1),
    ("a14.bmp", (80, 80), 1),
    ("a15.bmp", (96, 96), 1),
    ("a16.bmp", (120, 100), 1),
]


def face(size, rng, phase):
    """A round head on a coloured ground; phase moves the eyes for animation."""
    w, h = size
    ground = tuple(rng.randrange(40, 200) for _ in range(3))
    skin = tuple(rng.randrange(150, 255) for _ in range(3))
    img = Image.new("RGB", size, ground)
    draw = ImageDraw.Draw(img)
    for stripe in range(0, w + h, 12):
        draw.line([(stripe, 0), (stripe - h, h)], fill=tuple(c // 2 + 40 for c in ground), width=3)
    r = min(w, h) * 0.38
    cx, cy = w / 2, h / 2
    draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=skin, outline=(20, 20, 20), width=2)
    shift = [0, 2, 0, -2, 1, -1][phase % 6]
    for ex in (cx - r * 0.4, cx + r * 0.4):
        draw.ellipse([ex - 4 + shift, cy - r * 0.3 - 4, ex + 4 + shift, cy - r * 0.3 + 4], fill=(10, 10, 10))
    draw.arc([cx - r * 0.5, cy - r * 0.2, cx + r * 0.5, cy + r * 0.6], 20, 160, fill=(120, 20, 20), width=3)
    return img


def main():
    OUT.mkdir(exist_ok=True)
    for name, size, frames in AVATARS:
        rng = random.Random(name)
        state = rng.getstate()
        pictures = []
        for phase in range(frames):
            rng.setstate(state)  # same colours in every frame, only the eyes move
            pictures.append(face(size, rng, phase))
        path = OUT / name
        if name.endswith(".png"):
            pictures[0].save(path, optimize=True)
        elif name.endswith(".jpg"):
            pictures[0].save(path, quality=85)
        elif name.endswith(".bmp"):
            pictures[0].save(path)
        elif frames > 1:
            frames_p = [p.quantize(colors=64) for p in pictures]
            frames_p[0].save(path, save_all=True, append_images=frames_p[1:], duration=150, loop=0)
        else:
            pictures[0].quantize(colors=64).save(path)
        print(path.name, path.stat().st_size)


if __name__ == "__main__":
    main()
