#!/usr/bin/env python3
"""data/deepstar.dat.gz: every star of d3-celestial's Hipparcos-based stars.14.json (118,216).

Line: the star.dat line (right ascension in radians at byte 0, declination at byte 14, spectral
letter at byte 28, visual magnitude at byte 30), then a space and the Hipparcos number (%6d) at
byte 36, so that the star.dat reader reads the first four fields unchanged. Stars keep the
package's order (Hipparcos number)."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import make_stars  # noqa: E402
import source  # noqa: E402

OUT = source.ROOT / "data" / "deepstar.dat.gz"
HIP_OFFSET = 36


def deepstar_line(ra, dec, letter, mag, hip):
    line = f"{make_stars.star_line(ra, dec, letter, mag)} {hip:6d}"
    assert len(line) == 42 and line[35] == " " and 0 < hip < 1000000, line
    return line


def build_lines():
    lines = []
    for f in source.load_json("data/stars.14.json")["features"]:
        lon, lat = f["geometry"]["coordinates"]
        lines.append(deepstar_line(source.ra_radians(lon), source.dec_radians(lat),
                                   make_stars.spectral_letter(f["properties"]["bv"]),
                                   float(f["properties"]["mag"]), int(f["id"])))
    return lines


def main():
    lines = build_lines()
    text = "".join(line + "\n" for line in lines).encode("utf-8")
    OUT.write_bytes(make_stars.gzip_bytes(text))
    print(f"{OUT.relative_to(source.ROOT)}: {len(lines)} stars")


if __name__ == "__main__":
    main()
