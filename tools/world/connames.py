#!/usr/bin/env python3
"""Builds images/connames.bmp: one band per constellation, in the order of data/conname.dat
(read back from the file), the Korean name in white on black at the band's lower left, since
the sky view puts a band's lower-left corner on the constellation's label point."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
import fetch  # noqa: E402
import raster  # noqa: E402
from bmp import write_bmp24  # noqa: E402

ROOT = fetch.ROOT
OUT = ROOT / "images" / "connames.bmp"
WIDTH = 128       # the longest name, 카시오페이아자리, is about 115 pixels
CANVAS = 32       # rendering height before the bands are cut to the text's rows
FONT = raster.NANUM + "NanumGothicBold.ttf"
TEXT_PIXELS = 14


def band(text):
    rows = raster.convert(["-size", f"{WIDTH}x{CANVAS}", "xc:black", "-font", FONT,
                           "-pointsize", str(TEXT_PIXELS), "-density", "72", "-fill", "white",
                           "-gravity", "NorthWest", "-annotate", "+1+8", text])
    # Grey anti-aliasing levels stay; colour fringes do not (the text is white on black).
    return [[(max(p),) * 3 for p in row] for row in rows]


def main():
    names = [line.split("\t")[1] for line in
             (ROOT / "data" / "conname.dat").read_text(encoding="utf-8").splitlines()]
    assert len(names) == 88
    pictures = [band(name) for name in names]
    inked = [y for picture in pictures for y, row in enumerate(picture) if any(p[0] for p in row)]
    top, bottom = min(inked) - 1, max(inked) + 1  # one black row above and below every name
    assert top >= 0 and bottom < CANVAS
    rows = []
    for name, picture in zip(names, pictures):
        lit = [x for row in picture for x, p in enumerate(row) if p[0] > 0]
        assert lit and max(lit) < WIDTH - 1, f"{name} does not fit in {WIDTH} pixels"
        rows += picture[top:bottom + 1]
    OUT.parent.mkdir(parents=True, exist_ok=True)
    write_bmp24(OUT, WIDTH, len(rows), lambda x, y: rows[y][x])
    print(f"{OUT.relative_to(ROOT)}: {WIDTH} x {len(rows)}, 88 bands of {bottom - top + 1} rows")


if __name__ == "__main__":
    main()
