#!/usr/bin/env python3
"""Regenerates every file of the world set in order: city list, constellation tables, name
bands, world map, splash picture."""
import pathlib
import runpy

HERE = pathlib.Path(__file__).resolve().parent

for script in ("cities.py", "constellations.py", "connames.py", "worldmap.py", "logo.py"):
    runpy.run_path(str(HERE / script), run_name="__main__")
