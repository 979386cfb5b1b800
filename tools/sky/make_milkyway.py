#!/usr/bin/env python3
"""data/milkyway.dat: the two edges of the Milky Way band, derived from the outer outline (ol1)
of d3-celestial's mw.json.

The outline's two long rings are the band's northern and southern edges (the short rings are
dark lanes inside the band and are not used). Both are converted to galactic coordinates and
sampled as an envelope in galactic longitude: at each sampled longitude the northern edge takes
the largest latitude at which its ring crosses that longitude, the southern edge the smallest.
The band is cut open at its narrowest longitude with a tiny gap, so the outline that the program
builds (second edge backwards, then first edge forwards) is a simple polygon whose two cross
pieces do not touch. The southern edge comes first (223 points), the northern second (387
points, it has more structure), both in the direction of decreasing galactic longitude, which
makes the outline run counter-clockwise around the band as seen from the centre of the sphere
(the other direction would make the triangulation fill the rest of the sky instead).

Line: right ascension in hours, a tab, declination in degrees (J2000)."""
import math
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import source  # noqa: E402

OUT = source.ROOT / "data" / "milkyway.dat"
FIRST_EDGE_POINTS = 223
SECOND_EDGE_POINTS = 387
GAP_DEGREES = 0.1          # galactic longitude left open where the band is cut
SEARCH_STEP_DEGREES = 0.25  # longitude step when looking for the narrowest place

# Equatorial (J2000) to galactic rotation, rows = galactic x, y, z axes in equatorial
# coordinates (Hipparcos catalogue, ESA 1997, vol. 1, sect. 1.5.3).
EQ_TO_GAL = ((-0.0548755604, -0.8734370902, -0.4838350155),
             (0.4941094279, -0.4448296300, 0.7469822445),
             (-0.8676661490, -0.1980763734, 0.4559837762))


def unit(lon_deg, lat_deg):
    a, d = math.radians(lon_deg), math.radians(lat_deg)
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def rotate(m, v):
    return tuple(sum(m[i][j] * v[j] for j in range(3)) for i in range(3))


def transpose(m):
    return tuple(tuple(m[j][i] for j in range(3)) for i in range(3))


def angles(v):
    lon = math.degrees(math.atan2(v[1], v[0])) % 360.0
    lat = math.degrees(math.asin(max(-1.0, min(1.0, v[2]))))
    return lon, lat


def equatorial_to_galactic(ra_deg, dec_deg):
    return angles(rotate(EQ_TO_GAL, unit(ra_deg, dec_deg)))


def galactic_to_equatorial(l_deg, b_deg):
    return angles(rotate(transpose(EQ_TO_GAL), unit(l_deg, b_deg)))


def crossings(ring, l_deg):
    """Galactic latitudes at which the closed ring of (l, b) points crosses longitude l_deg."""
    found = []
    for (l1, b1), (l2, b2) in zip(ring, ring[1:] + ring[:1]):
        dl = (l2 - l1 + 180.0) % 360.0 - 180.0
        if dl == 0:
            continue
        t = ((l_deg - l1 + 180.0) % 360.0 - 180.0) / dl
        if 0.0 <= t <= 1.0:
            found.append(b1 + t * (b2 - b1))
    return found


def edge_rings():
    polygon = source.load_json("data/mw.json")["features"][0]
    if polygon["id"] != "ol1":
        raise SystemExit("mw.json: the first feature is not the outer outline ol1")
    rings = polygon["geometry"]["coordinates"][0]
    galactic = [[equatorial_to_galactic(lon % 360.0, lat) for lon, lat in ring] for ring in rings]
    # the two rings that go all the way round are the edges; the northern one lies higher
    full = [g for g in galactic if len({int(l) for l, _ in g}) >= 359]
    if len(full) != 2:
        raise SystemExit(f"mw.json: {len(full)} rings go round the sky, expected 2")
    full.sort(key=lambda g: sum(b for _, b in g) / len(g))
    return full[0], full[1]  # south, north


def build_edges():
    south, north = edge_rings()

    def north_b(l):
        return max(crossings(north, l))

    def south_b(l):
        return min(crossings(south, l))

    steps = int(round(360 / SEARCH_STEP_DEGREES))
    widths = [(north_b(k * SEARCH_STEP_DEGREES) - south_b(k * SEARCH_STEP_DEGREES), k * SEARCH_STEP_DEGREES)
              for k in range(steps)]
    narrowest_width, cut = min(widths)
    start, span = cut - GAP_DEGREES / 2, -(360.0 - GAP_DEGREES)

    def sample(edge_b, count):
        points = []
        for k in range(count):
            l = (start + span * k / (count - 1)) % 360.0
            points.append(galactic_to_equatorial(l, edge_b(l)))
        return points

    first = sample(south_b, FIRST_EDGE_POINTS)
    second = sample(north_b, SECOND_EDGE_POINTS)
    return first, second, cut, narrowest_width


def milkyway_line(ra_deg, dec_deg):
    return f"{ra_deg / 15.0:.6f}\t{dec_deg:.6f}"


def main():
    first, second, cut, width = build_edges()
    source.write_text(OUT, [milkyway_line(ra, dec) for ra, dec in first + second])
    print(f"{OUT.relative_to(source.ROOT)}: {len(first)} + {len(second)} points, "
          f"cut at galactic longitude {cut:.2f} deg where the band is {width:.2f} deg wide")


if __name__ == "__main__":
    main()
