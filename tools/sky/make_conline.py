#!/usr/bin/env python3
"""data/conline.dat: the stick figures of d3-celestial's constellations.lines.json, one line per
segment, four 12-character fields of radians: start RA, start Dec, end RA, end Dec."""
import math
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import source  # noqa: E402

OUT = source.ROOT / "data" / "conline.dat"


def field(value, wrap=False):
    text = f"{value:12.8f}"
    if wrap and float(text) >= 2 * math.pi:
        text = f"{0.0:12.8f}"
    assert len(text) == 12 and text[0] == " ", text
    return text


def conline_line(ra1, dec1, ra2, dec2):
    return field(ra1, True) + field(dec1) + field(ra2, True) + field(dec2)


def build_lines():
    lines = []
    for feature in source.load_json("data/constellations.lines.json")["features"]:
        for run in feature["geometry"]["coordinates"]:
            points = [(source.ra_radians(lon), source.dec_radians(lat)) for lon, lat in run]
            for (ra1, dec1), (ra2, dec2) in zip(points, points[1:]):
                lines.append(conline_line(ra1, dec1, ra2, dec2))
    return lines


def main():
    lines = build_lines()
    source.write_text(OUT, lines)
    print(f"{OUT.relative_to(source.ROOT)}: {len(lines)} segments")


if __name__ == "__main__":
    main()
