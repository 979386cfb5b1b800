#!/usr/bin/env python3
"""data/star.dat.gz: every star of d3-celestial's stars.8.json down to visual magnitude 6.5.

Line: right ascension (rad) at byte 0, declination (rad) at byte 14, spectral letter at byte 28,
visual magnitude at byte 30. Stars keep the package's order (Hipparcos number)."""
import gzip
import io
import math
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import source  # noqa: E402

MAG_LIMIT = 6.5
OUT = source.ROOT / "data" / "star.dat.gz"

# B-V of the first subtype of each class on the dwarf sequence of Pecaut & Mamajek (2013, ApJS
# 208, 9, Table 5) as kept up to date in E. Mamajek's "A Modern Mean Dwarf Stellar Color and
# Effective Temperature Sequence" (version 2021.03.02): B0V, A0V, F0V, G0V, K0V, M0V.
# A star takes the class whose X0V colour is the largest one not above its own B-V.
CLASS_START_BV = [("B", -0.301), ("A", 0.000), ("F", 0.295), ("G", 0.595), ("K", 0.816),
                  ("M", 1.420)]
# No colour index in the source: a byte outside the colour table, so the star is drawn white.
UNKNOWN_CLASS = "?"


def spectral_letter(bv_text):
    if bv_text in ("", None):
        return UNKNOWN_CLASS
    bv = float(bv_text)
    letter = "O"
    for cls, start in CLASS_START_BV:
        if bv >= start:
            letter = cls
    return letter


def radians_field(value, width, wrap=False):
    text = f"{value:{width}.10f}"
    if wrap and float(text) >= 2 * math.pi:
        text = f"{0.0:{width}.10f}"
    return text


def star_line(ra, dec, letter, mag):
    line = f"{radians_field(ra, 13, wrap=True)} {radians_field(dec, 13)} {letter} {mag:5.2f}"
    assert len(line) == 35 and line[13] == " " and line[27] == " " and line[29] == " ", line
    return line


def build_lines():
    features = source.load_json("data/stars.8.json")["features"]
    lines = []
    for f in features:
        mag = float(f["properties"]["mag"])
        if mag > MAG_LIMIT:
            continue
        lon, lat = f["geometry"]["coordinates"]
        lines.append(star_line(source.ra_radians(lon), source.dec_radians(lat),
                               spectral_letter(f["properties"]["bv"]), mag))
    return lines


def gzip_bytes(data):
    """Reproducible gzip: no file name, time stamp 0."""
    out = io.BytesIO()
    with gzip.GzipFile(filename="", mode="wb", fileobj=out, compresslevel=9, mtime=0) as gz:
        gz.write(data)
    return out.getvalue()


def main():
    lines = build_lines()
    text = "".join(line + "\n" for line in lines).encode("utf-8")
    OUT.write_bytes(gzip_bytes(text))
    print(f"{OUT.relative_to(source.ROOT)}: {len(lines)} stars")


if __name__ == "__main__":
    main()
