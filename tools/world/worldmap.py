#!/usr/bin/env python3
"""Builds images/location.bmp: an equirectangular world map of 360 x 180 pixels, one pixel per
degree, longitude -180 at the left edge and latitude +90 at the top, from Natural Earth's 1:50m
land polygons (the TopoJSON of npm world-atlas). Each pixel blends land and sea by the share of
its 4 x 4 samples that fall on land; a faint graticule every 30 degrees helps aiming a click."""
import json
import math
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
import fetch  # noqa: E402
from bmp import write_bmp24  # noqa: E402

ROOT = fetch.ROOT
OUT = ROOT / "images" / "location.bmp"
WIDTH, HEIGHT = 360, 180
SAMPLES = 4
SEA = (24, 52, 96)
LAND = (104, 146, 84)
GRID_SEA = (44, 76, 122)
GRID_LAND = (124, 164, 104)


def decode_topojson(topology, name):
    """Rings (lists of (lon, lat)) of the polygons of object `name`: the arcs are delta-encoded
    quantized positions; an arc index ~i means arc i reversed."""
    sx, sy = topology["transform"]["scale"]
    tx, ty = topology["transform"]["translate"]
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * sx + tx, y * sy + ty))
        arcs.append(points)

    def ring(indices):
        points = []
        for index in indices:
            arc = arcs[index] if index >= 0 else arcs[~index][::-1]
            points.extend(arc if not points else arc[1:])  # arcs share their end points
        return points

    rings = []

    def add(geometry):
        kind = geometry["type"]
        if kind == "GeometryCollection":
            for g in geometry["geometries"]:
                add(g)
        elif kind == "Polygon":
            rings.extend(ring(r) for r in geometry["arcs"])
        elif kind == "MultiPolygon":
            for polygon in geometry["arcs"]:
                rings.extend(ring(r) for r in polygon)
    add(topology["objects"][name])
    return rings


def unwrap(points):
    """The ring with continuous longitudes (a step of more than 180 degrees crosses the
    antimeridian). A ring that goes once around a pole (Antarctica) is closed over that pole."""
    out = [points[0]]
    for lon, lat in points[1:]:
        previous = out[-1][0]
        while lon - previous > 180.0:
            lon -= 360.0
        while lon - previous < -180.0:
            lon += 360.0
        out.append((lon, lat))
    turn = out[-1][0] - out[0][0]
    if abs(turn) > 180.0:
        pole = -90.0 if sum(lat for _, lat in out) < 0 else 90.0
        out += [(out[-1][0], pole), (out[0][0], pole)]
    return out


def land_mask(rings, columns, rows):
    """mask[row][column]: whether the sample point at the centre of that cell of a columns x rows
    grid over the whole globe lies on land (even-odd rule over all rings, one scan line per row)."""
    crossings = [[] for _ in range(rows)]
    shifted = []
    for points in map(unwrap, rings):
        low = min(lon for lon, _ in points)
        high = max(lon for lon, _ in points)
        for shift in (-360.0, 0.0, 360.0):
            if high + shift > -180.0 and low + shift < 180.0:
                shifted.append([(lon + shift, lat) for lon, lat in points])
    for points in shifted:
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if y1 == y2:
                continue
            low, high = min(y1, y2), max(y1, y2)
            # rows whose centre latitude lies in [low, high)
            first = max(0, int((90.0 - high) * rows / 180.0 - 0.5) - 1)
            last = min(rows - 1, int((90.0 - low) * rows / 180.0 - 0.5) + 1)
            for r in range(first, last + 1):
                lat = 90.0 - (r + 0.5) * 180.0 / rows
                if low <= lat < high:
                    crossings[r].append(x1 + (lat - y1) * (x2 - x1) / (y2 - y1))
    mask = []
    for r in range(rows):
        xs = sorted(crossings[r])
        row = [False] * columns
        for a, b in zip(xs[0::2], xs[1::2]):
            c0 = max(0, math.ceil((a + 180.0) * columns / 360.0 - 0.5))
            c1 = min(columns - 1, math.floor((b + 180.0) * columns / 360.0 - 0.5))
            for c in range(c0, c1 + 1):
                row[c] = True
        mask.append(row)
    return mask


def main():
    topology = json.load(open(fetch.npm_package("world-atlas") / "land-50m.json", encoding="utf-8"))
    rings = decode_topojson(topology, "land")
    mask = land_mask(rings, WIDTH * SAMPLES, HEIGHT * SAMPLES)

    def pixel(x, y):
        share = sum(mask[y * SAMPLES + j][x * SAMPLES + i]
                    for j in range(SAMPLES) for i in range(SAMPLES)) / SAMPLES ** 2
        on_grid = x % 30 == 0 or y % 30 == 0
        sea, land = (GRID_SEA, GRID_LAND) if on_grid else (SEA, LAND)
        return tuple(round(s + (l - s) * share) for s, l in zip(sea, land))

    OUT.parent.mkdir(parents=True, exist_ok=True)
    write_bmp24(OUT, WIDTH, HEIGHT, pixel)
    land = sum(map(sum, mask)) / (WIDTH * HEIGHT * SAMPLES ** 2)
    print(f"{OUT.relative_to(ROOT)}: {WIDTH} x {HEIGHT}, {len(rings)} rings, "
          f"{100 * land:.1f} % of the samples on land")


if __name__ == "__main__":
    main()
