#!/usr/bin/env python3
"""Draws the Milky Way triangles as the program builds them from data/milkyway.dat, on an
equirectangular map (RA 24h at the left, 0h at the right, north up), into
tools/cache/milkyway_triangles.bmp: triangles in alternating shades, the first edge's points
red, the second edge's blue, the galactic centre green, the galactic poles yellow."""
import math
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent))
import bmp  # noqa: E402
from checks import sky  # noqa: E402

W, H = 1080, 540
OUT = HERE.parent / "cache" / "milkyway_triangles.bmp"


def to_pixel(ra, dec):
    return (1 - ra / (2 * math.pi)) * W, (0.5 - dec / math.pi) * H


def from_pixel(x, y):
    return (1 - (x + 0.5) / W) * 2 * math.pi, (0.5 - (y + 0.5) / H) * math.pi


def main():
    root = HERE.parents[1]
    points, (ok, triangles) = sky.milkyway_triangles(root)
    image = [[(0, 0, 0)] * W for _ in range(H)]
    for k, t in enumerate(triangles):
        shade = (70, 70, 110) if k % 2 else (110, 110, 150)
        vs = [sky.unit(*p) for p in t]
        # great-circle edges bulge on the map: bound the samples along the edges, not the corners
        along = []
        for a, b in ((vs[0], vs[1]), (vs[1], vs[2]), (vs[2], vs[0])):
            for k2 in range(17):
                f = k2 / 16
                v = [a[i] * (1 - f) + b[i] * f for i in range(3)]
                n = math.sqrt(sum(c * c for c in v))
                along.append(((math.atan2(v[1], v[0])) % (2 * math.pi), math.asin(v[2] / n)))
        xs = [to_pixel(*p)[0] for p in along]
        ys = [to_pixel(*p)[1] for p in along]
        x_range = range(W) if max(xs) - min(xs) > W / 2 else range(max(0, int(min(xs)) - 1), min(W, int(max(xs)) + 2))
        top = max(0, int(min(ys)) - 1)
        bottom = min(H, int(max(ys)) + 2)
        if any(abs(p[1]) > 1.3 for p in along):
            top, bottom = 0, H
        for y in range(top, bottom):
            for x in x_range:
                p = sky.unit(*from_pixel(x, y))
                if sky.in_triangle(p, *vs):
                    image[y][x] = shade

    def mark(position, colour, size=1):
        x, y = to_pixel(*position)
        for dy in range(-size, size + 1):
            for dx in range(-size, size + 1):
                xi, yi = int(x) + dx, int(y) + dy
                if 0 <= xi < W and 0 <= yi < H:
                    image[yi][xi] = colour

    for i, p in enumerate(points):
        mark(p, (255, 60, 60) if i < 223 else (80, 160, 255), 0)
    mark(points[0], (255, 255, 255), 2)
    mark(points[223], (255, 255, 255), 2)
    mark(sky.GALACTIC_CENTRE, (0, 255, 0), 3)
    mark(sky.NORTH_GALACTIC_POLE, (255, 255, 0), 3)
    mark(sky.SOUTH_GALACTIC_POLE, (255, 255, 0), 3)
    OUT.parent.mkdir(exist_ok=True)
    bmp.write_bmp24(OUT, W, H, lambda x, y: image[y][x])
    area = sum(sky.triangle_area(t) for t in triangles) / (4 * math.pi)
    print(f"{OUT}: {len(triangles)} triangles, complete: {ok}, {area:.1%} of the sky")


if __name__ == "__main__":
    main()
