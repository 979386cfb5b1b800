#!/usr/bin/env python3
"""Regenerates every sky file (stars, deep stars, figures, star names, deep sky, pictures, Milky Way) from the
pinned d3-celestial package; the output is byte-for-byte reproducible."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import make_conline  # noqa: E402
import make_deepstars  # noqa: E402
import make_deepsky  # noqa: E402
import make_designations  # noqa: E402
import make_images  # noqa: E402
import make_milkyway  # noqa: E402
import make_starnames  # noqa: E402
import make_stars  # noqa: E402

if __name__ == "__main__":
    for module in (make_stars, make_deepstars, make_conline, make_starnames, make_deepsky, make_images,
                   make_milkyway, make_designations):
        module.main()
