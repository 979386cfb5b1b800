#!/usr/bin/env python3
"""images/Star.bmp (the star texture) and the five deep-sky chart symbols.

Star.bmp: 64 x 64, a soft round glow, white on black, exactly black along the border so the
textured square leaves no edge. The symbols: 11 x 11, the usual atlas shapes (galaxy: ellipse;
open cluster: dotted circle; globular cluster: circle with a cross; planetary nebula: small
circle with four rays; other nebulae: square), in dim colours on black, since they are added to
the sky. Shapes are drawn anti-aliased by 8 x 8 supersampling."""
import math
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import bmp  # noqa: E402
import source  # noqa: E402

IMAGES = source.ROOT / "images"
STAR_SIZE = 64
SYMBOL_SIZE = 11
SUPERSAMPLE = 8
LINE_HALF_WIDTH = 0.5


def star_intensity(x, y):
    c = (STAR_SIZE - 1) / 2
    r = math.hypot(x - c, y - c) / (STAR_SIZE / 2)  # 0 at the centre, 1 at the border
    if r >= 1:
        return 0.0
    glow = 0.6 * math.exp(-(r / 0.22) ** 2) + 0.4 * math.exp(-(r / 0.5) ** 2)
    window = (1 - r * r) ** 2  # takes the outer halo smoothly to zero at the border
    return glow * window


def star_pixel(x, y):
    v = round(255 * min(1.0, star_intensity(x, y) / star_intensity(STAR_SIZE // 2, STAR_SIZE // 2)))
    return (v, v, v)


def ring(r, radius):
    return abs(r - radius) <= LINE_HALF_WIDTH


def galaxy(x, y):
    a, b, tilt = 5.0, 2.4, math.radians(-30)
    u = x * math.cos(tilt) + y * math.sin(tilt)
    v = -x * math.sin(tilt) + y * math.cos(tilt)
    f = (u / a) ** 2 + (v / b) ** 2 - 1
    grad = 2 * math.hypot(u / (a * a), v / (b * b))
    return grad > 0 and abs(f) / grad <= LINE_HALF_WIDTH


def open_cluster(x, y):
    r = math.hypot(x, y)
    dash = (math.atan2(y, x) / (2 * math.pi) * 10) % 1.0
    return ring(r, 4.5) and dash < 0.55


def globular_cluster(x, y):
    r = math.hypot(x, y)
    return ring(r, 4.5) or (r <= 4.5 and (abs(x) <= LINE_HALF_WIDTH or abs(y) <= LINE_HALF_WIDTH))


def planetary_nebula(x, y):
    r = math.hypot(x, y)
    ray = 3.2 <= r <= 5.5 and (abs(x) <= LINE_HALF_WIDTH or abs(y) <= LINE_HALF_WIDTH)
    return ring(r, 2.3) or ray


def diffuse_nebula(x, y):
    edge = max(abs(x), abs(y))
    return abs(edge - 4.5) <= LINE_HALF_WIDTH


SYMBOLS = [
    ("Galaxy.bmp", galaxy, (150, 60, 60)),
    ("OpenNebular.bmp", open_cluster, (150, 140, 50)),
    ("GlobularNebular.bmp", globular_cluster, (150, 140, 50)),
    ("PlanetaryNebular.bmp", planetary_nebula, (60, 150, 80)),
    ("DiffuseNebular.bmp", diffuse_nebula, (60, 130, 130)),
]


def coverage(shape, px, py, size):
    c = size / 2
    hits = 0
    for i in range(SUPERSAMPLE):
        for j in range(SUPERSAMPLE):
            x = px + (i + 0.5) / SUPERSAMPLE - c
            y = c - (py + (j + 0.5) / SUPERSAMPLE)  # y up, like the sky
            hits += shape(x, y)
    return hits / (SUPERSAMPLE * SUPERSAMPLE)


def main():
    IMAGES.mkdir(exist_ok=True)
    bmp.write_bmp24(IMAGES / "Star.bmp", STAR_SIZE, STAR_SIZE, star_pixel)
    print("images/Star.bmp")
    for name, shape, colour in SYMBOLS:
        cov = [[coverage(shape, x, y, SYMBOL_SIZE) for x in range(SYMBOL_SIZE)] for y in range(SYMBOL_SIZE)]
        bmp.write_bmp24(IMAGES / name, SYMBOL_SIZE, SYMBOL_SIZE,
                        lambda x, y, cov=cov, colour=colour: tuple(round(k * cov[y][x]) for k in colour))
        print(f"images/{name}")


if __name__ == "__main__":
    main()
