"""Checks the city list, the constellation names, boundaries and identification table, and the
pictures logo.bmp, connames.bmp and location.bmp, parsing each file the way the program does."""
import re

from bmp import read_bmp24

_NUMBER = re.compile(rb"[ \t\n\v\f\r]*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)")
HOURS = 0.26179938779914946
DEGREES = 0.017453292519943295


def atof(field):
    """The C library's atof on bytes: leading white space skipped, the longest number prefix
    read, 0 when there is none."""
    m = _NUMBER.match(field)
    return float(m.group(1)) if m else 0.0


def read_lines(path):
    """Lines as the program cuts them: CR LF, lone LF and lone CR all end a line."""
    blob = path.read_bytes()
    blob.decode("utf-8")  # shipped text is UTF-8
    lines = re.split(rb"\r\n|\r|\n", blob)
    if lines and lines[-1] == b"":
        lines.pop()
    return lines


def tab_fields(line, count):
    """The first count - 1 tab-cut fields and the rest of the line as the last one."""
    fields = line.split(b"\t", count - 1)
    assert len(fields) == count, f"expected {count} tab-separated fields: {line!r}"
    return fields


def check_cities(root):
    lines = read_lines(root / "data" / "city.dat")
    assert 150 <= len(lines) <= 300, f"city.dat has {len(lines)} lines"
    cities = []
    for line in lines:
        region, city, lon, lat, zone = tab_fields(line, 5)
        assert b"\t" not in zone, f"city.dat: more than five fields: {line!r}"
        assert 0 < len(region) <= 127 and 0 < len(city) <= 127, f"city.dat: name length: {line!r}"
        lon_deg, lat_deg, hours = atof(lon), atof(lat), atof(zone)
        assert lon == b"0" or lon_deg != 0.0, f"city.dat: longitude not a number: {line!r}"
        assert -180 <= lon_deg <= 180 and -90 <= lat_deg <= 90, f"city.dat: position: {line!r}"
        assert -12 <= hours <= 14 and (hours * 4) == int(hours * 4), f"city.dat: zone: {line!r}"
        cities.append((region.decode(), city.decode(), lon_deg * DEGREES, lat_deg * DEGREES, hours))
    names = {(c[0], c[1]) for c in cities}
    assert len(names) == len(cities), "city.dat: a city is listed twice in its region"

    runs = []
    for c in cities:
        if not runs or runs[-1] != c[0]:
            runs.append(c[0])
    assert len(runs) == len(set(runs)), "city.dat: a region's cities are not consecutive"
    assert len(runs) >= 10, "city.dat: fewer than ten regions"
    assert cities[35][1] == "서울", f"city.dat: line 36 is {cities[35][1]}, not 서울"
    first_of_tenth = next(c for c in cities if c[0] == runs[9])
    assert first_of_tenth is cities[35], "city.dat: 서울 is not the first city of the tenth region"
    seoul = cities[35]
    assert abs(seoul[2] / DEGREES - 126.98) < 0.1 and abs(seoul[3] / DEGREES - 37.57) < 0.1
    assert seoul[4] == 9.0


def run(root):
    check_cities(root)
