"""Checks the city list, the constellation names, boundaries and identification table, and the
pictures logo.bmp, connames.bmp and location.bmp, parsing each file the way the program does."""
import pathlib
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
        region, city, lon, lat, zone_and_name = tab_fields(line, 5)
        # The zone field is read by atof, so "9\tAsia/Seoul" gives 9 to a five-field reader too.
        zone, name = zone_and_name.split(b"\t")
        assert b"\t" not in name, f"city.dat: more than six fields: {line!r}"
        assert (pathlib.Path("/usr/share/zoneinfo") / name.decode()).is_file(), \
            f"city.dat: zone {name!r} unknown to the system's tzdata: {line!r}"
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


def korean_names(root):
    """The 88 constellation names of conname.dat in file order, parsed the program's way."""
    lines = read_lines(root / "data" / "conname.dat")
    assert len(lines) == 88, f"conname.dat has {len(lines)} lines"
    result = []
    for line in lines:
        abbr, name, ra, dec = tab_fields(line, 4)
        assert b"\t" not in dec and len(abbr) <= 127 and len(name) <= 127, line
        ra_h, dec_deg = atof(ra), atof(dec)
        assert 0 <= ra_h < 24 and -90 <= dec_deg <= 90, f"conname.dat: label point: {line!r}"
        assert ra_h != 0.0 or ra.strip() in (b"0", b"0.0000"), line
        result.append((abbr.decode(), name.decode(), ra_h, dec_deg))
    abbrs = [r[0] for r in result]
    labels = [r[1] for r in result]
    assert len(set(abbrs)) == 88 and len(set(labels)) == 88, "conname.dat: repeated constellation"
    assert labels == sorted(labels), "conname.dat: not in Korean dictionary order"
    expected = {"Crv": "까마귀자리", "Cru": "남십자자리", "Cyg": "백조자리",
                "Her": "헤르쿨레스자리", "Vul": "작은여우자리", "Ser": "뱀자리"}
    for abbr, name in expected.items():
        assert result[abbrs.index(abbr)][1] == name, f"conname.dat: {abbr} is not {name}"
    return result


def check_conident(root, constellations):
    """Parses the identification table; returns its rows (raLow h, raHigh h, decLow deg, name)."""
    rows = []
    for line in read_lines(root / "data" / "conident.dat"):
        assert len(line) > 26 and line[25:26] == b" " and line[26:27] != b" ", line
        row = (atof(line[0:]), atof(line[9:]), atof(line[17:]), line[26:].decode())
        assert row[0] == float(line[:8]) and row[1] == float(line[9:16]), line
        assert row[2] == float(line[17:25]), line
        rows.append(row)
    assert len(rows) == 357, f"conident.dat has {len(rows)} rows, the Roman table 357"
    names = {c[1] for c in constellations}
    assert {r[3] for r in rows} == names, "conident.dat: names differ from conname.dat"
    decs = [r[2] for r in rows]
    assert decs == sorted(decs, reverse=True), "conident.dat: not ordered from north to south"
    assert rows[-1][:3] == (0.0, 24.0, -90.0), "conident.dat: no zone down to the south pole"
    for lo, hi, dec, name in rows:
        assert 0 <= lo < hi <= 24 and -90 <= dec < 90, f"conident.dat: limits of {name}"
    # Bright stars at their B1875 places (hours, degrees).
    known = [(18.558, 38.67, "거문고자리"), (6.667, -16.55, "큰개자리"), (1.17, 88.62, "작은곰자리"),
             (12.33, -62.42, "남십자자리"), (5.80, 7.38, "오리온자리"), (20.62, 44.83, "백조자리"),
             (16.37, -26.15, "전갈자리"), (22.85, -30.28, "남쪽물고기자리"), (17.2, 14.5, "헤르쿨레스자리")]
    for ra, dec, name in known:
        assert find(rows, ra, dec) == name, f"conident.dat: ({ra} h, {dec} deg) is not in {name}"
    return rows


def find(rows, ra_h, dec_deg):
    """FindConstellationAt's scan of the table (B1875 coordinates)."""
    for lo, hi, dec_low, name in rows:
        if dec_deg >= dec_low and hi > ra_h and lo <= ra_h:
            return name
    return None


def check_conbound(root, rows):
    """Reads the boundary file with the program's chaining and normalisation, then compares the
    edges with the cell sides between different constellations of the identification table."""
    segments = []
    previous_tag, previous = b"", (0.0, 0.0)
    chain_tags = []
    degrees_of = {}  # corner in radians -> the hours and degrees it was read from
    for line in read_lines(root / "data" / "conbound.dat"):
        assert len(line) == 22 and line[8:9] == b" " and line[18:19] == b" ", line
        ra_h, dec_deg = atof(line[0:]), atof(line[9:])
        assert ra_h < 24.0, f"conbound.dat: RA 24 h not written as 0: {line!r}"
        q = (ra_h * HOURS, dec_deg * DEGREES)
        degrees_of[q] = (ra_h, dec_deg)
        tag = line[19:22]
        if tag != previous_tag:
            chain_tags.append(tag)
            previous_tag = tag
        else:
            segments.append(normalise(previous, q))
        previous = q
    tags_seen = set(chain_tags)
    assert b"Ser" not in tags_seen and {b"Se1", b"Se2"} <= tags_seen, "conbound.dat: Serpens tags"

    ras = sorted({r[0] for r in rows} | {r[1] for r in rows})
    decs = sorted({r[2] for r in rows} | {90.0})
    drawn = {}
    for start, end in segments:
        assert start != end, "conbound.dat: a segment shares neither coordinate or is empty"
        (a_ra, a_dec), (b_ra, b_dec) = degrees_of[start], degrees_of[end]
        if start[1] == end[1]:
            span = (b_ra - a_ra) % 24.0
            assert 0 < span < 12.0, f"conbound.dat: parallel piece of {span} h"
            cuts = {r % 24.0 for r in ras if 0 < (r - a_ra) % 24.0 < span}
            points = [a_ra] + sorted(cuts, key=lambda r: (r - a_ra) % 24.0) + [b_ra]
            pieces = [("p", round(a_dec, 4), round(x % 24, 4), round(y % 24, 4))
                      for x, y in zip(points, points[1:])]
        else:
            assert start[0] == end[0] and a_dec < b_dec, "conbound.dat: segment not along a meridian"
            points = [a_dec] + [d for d in decs if a_dec < d < b_dec] + [b_dec]
            pieces = [("m", round(a_ra % 24, 4), round(x, 4), round(y, 4))
                      for x, y in zip(points, points[1:])]
        for piece in pieces:
            assert piece not in drawn, f"conbound.dat: edge drawn twice: {piece}"
            drawn[piece] = True

    expected = set()
    for i in range(len(ras) - 1):
        ra_mid = (ras[i] + ras[i + 1]) / 2
        ra_west = (ras[i - 1] + ras[i]) / 2 if i else (ras[-2] + ras[-1]) / 2
        for j in range(len(decs) - 1):
            dec_mid = (decs[j] + decs[j + 1]) / 2
            here = find(rows, ra_mid, dec_mid)
            if find(rows, ra_west, dec_mid) != here:
                expected.add(("m", round(ras[i] % 24, 4), round(decs[j], 4), round(decs[j + 1], 4)))
            if j and find(rows, ra_mid, (decs[j - 1] + decs[j]) / 2) != here:
                expected.add(("p", round(decs[j], 4), round(ras[i] % 24, 4), round(ras[i + 1] % 24, 4)))
    assert set(drawn) == expected, (
        f"conbound.dat: {len(expected - set(drawn))} boundary edges missing, "
        f"{len(set(drawn) - expected)} edges that are no boundary")
    return segments


def normalise(p, q):
    """BoundarySegment's start and end from the previous corner p and this corner q."""
    start = end = (0.0, 0.0)
    if p[0] == q[0]:
        start, end = (p, q) if q[1] > p[1] else (q, p)
    if p[1] == q[1]:
        if q[0] > p[0]:
            start, end = (p, q) if q[0] - p[0] < 3.141592653589793 else (q, p)
        else:
            start, end = (p, q) if p[0] - q[0] >= 3.141592653589793 else (q, p)
    return start, end


def check_connames(root, constellations):
    """88 equal bands of white-on-black text; each band's ink is as wide as its name (Hangul
    syllables at 14 px are 13 px apart), so a band out of order shows up."""
    width, height, rows = read_bmp24(root / "images" / "connames.bmp")
    assert height % 88 == 0, f"connames.bmp: height {height} is not 88 equal bands"
    band = height // 88
    assert 14 <= band <= 24 and width >= 100, f"connames.bmp: bands of {width} x {band}"
    for i, (_abbr, name, _ra, _dec) in enumerate(constellations):
        picture = rows[i * band:(i + 1) * band]
        assert all(r == g == b for row in picture for r, g, b in row), "connames.bmp: not grey"
        assert not any(p[0] for p in picture[0] + picture[-1]), f"connames.bmp: band {i} touches its edge"
        ink = [x for row in picture for x, p in enumerate(row) if p[0] > 60]
        assert ink, f"connames.bmp: band {i} is empty"
        assert abs(max(ink) + 1 - 13 * len(name)) <= 4, f"connames.bmp: band {i} is not {name}"
        assert max(p[0] for row in picture for p in row) >= 250, f"connames.bmp: band {i} not white"


def check_location_map(root):
    """360 x 180, one pixel per degree from longitude -180 and latitude +90: known land and sea
    points must come out as such (land is drawn greener than blue, sea bluer than green)."""
    width, height, rows = read_bmp24(root / "images" / "location.bmp")
    assert (width, height) == (360, 180), f"location.bmp is {width} x {height}"

    def at(lon, lat):
        return rows[int(90 - lat)][int(lon + 180)]
    land = [(20, 0), (100, 60), (-100, 40), (135, -25), (0, -85), (-60, -10), (45, 25), (127.5, 36)]
    sea = [(-150, 0), (-40, 30), (80, -30), (170, 30), (-30, -50), (0, 0), (150, -50), (51, 42)]
    for lon, lat in land:
        r, g, b = at(lon, lat)
        assert g > b, f"location.bmp: ({lon}, {lat}) is not land"
    for lon, lat in sea:
        r, g, b = at(lon, lat)
        assert b > g, f"location.bmp: ({lon}, {lat}) is not sea"


def check_logo(root):
    """About 480 x 300: a dark sky with stars and bright lettering across the middle."""
    width, height, rows = read_bmp24(root / "images" / "logo.bmp")
    assert 400 <= width <= 560 and 250 <= height <= 350, f"logo.bmp is {width} x {height}"
    pixels = [p for row in rows for p in row]
    dark = sum(1 for p in pixels if max(p) < 90) / len(pixels)
    assert dark > 0.6, "logo.bmp: the sky is not dark"
    middle = [p for row in rows[height // 4:3 * height // 4] for p in row[width // 6:5 * width // 6]]
    assert sum(1 for p in middle if min(p) > 230) > 2000, "logo.bmp: no lettering in the middle"
    def bright(x, y):
        return sum(rows[y][x])

    # Stars: points far brighter than the sky four pixels around them, outside the lettering.
    stars = 0
    for y in list(range(4, height // 5)) + list(range(4 * height // 5, height - 4)):
        for x in range(4, width - 4):
            around = max(bright(x - 4, y), bright(x + 4, y), bright(x, y - 4), bright(x, y + 4))
            if bright(x, y) > around + 120:
                stars += 1
    assert stars > 40, f"logo.bmp: {stars} star pixels"


def run(root):
    for name in ("data/city.dat", "data/conname.dat", "data/conident.dat", "data/conbound.dat",
                 "images/connames.bmp", "images/location.bmp", "images/logo.bmp"):
        assert (root / name).is_file(), f"{name} is missing"
    check_cities(root)
    constellations = korean_names(root)
    rows = check_conident(root, constellations)
    check_conbound(root, rows)
    check_connames(root, constellations)
    check_location_map(root)
    check_logo(root)
