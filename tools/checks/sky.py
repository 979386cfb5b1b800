"""Checks the star, figure, deep-sky, star-name and Milky Way files and the star and deep-sky
pictures, reading every file the way the program does."""
import gzip
import math
import pathlib
import re
import struct
import sys

_NUMBER = re.compile(rb"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?")
TWO_PI = 2 * math.pi
HOURS = 0.26179938779914946
DEGREES = 0.017453292519943295


def atof(data, offset=0):
    """C atof on the bytes from offset: leading white space skipped, longest number prefix read,
    0 when there is none."""
    text = data[offset:].lstrip(b" \t\n\v\f\r")
    m = _NUMBER.match(text)
    return float(m.group(0)) if m else 0.0


def split_lines(buffer):
    """Line splitting as the catalog reader does it: CR, LF or CR LF end a line; a last line
    without terminator still counts; a terminator at the very end adds no empty line."""
    lines, start, i, n = [], 0, 0, len(buffer)
    while i < n:
        c = buffer[i]
        if c == 13:
            lines.append(buffer[start:i])
            if i + 1 < n and buffer[i + 1] == 10:
                i += 1
            start = i + 1
        elif c == 10:
            lines.append(buffer[start:i])
            start = i + 1
        i += 1
    if start != n:
        lines.append(buffer[start:])
    return lines


def read_catalog(root, name):
    """The plain file if present, else name + ".gz", cut into lines."""
    plain = root / "data" / name
    if plain.exists():
        buffer = plain.read_bytes()
    else:
        packed = root / "data" / (name + ".gz")
        assert packed.exists(), f"data/{name}: neither the file nor {name}.gz is present"
        buffer = gzip.decompress(packed.read_bytes())
        assert buffer, f"data/{name}.gz decompresses to nothing (the reader refuses that)"
    try:
        buffer.decode("utf-8")
    except UnicodeDecodeError as e:
        raise AssertionError(f"data/{name}: not UTF-8 ({e})")
    return split_lines(buffer)


def unit(ra, dec):
    return (math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra), math.sin(dec))


def angle_between(p, q):
    a, b = unit(*p), unit(*q)
    dot = max(-1.0, min(1.0, sum(x * y for x, y in zip(a, b))))
    return math.acos(dot)


# ---------------------------------------------------------------- stars

def parse_star(line):
    return atof(line, 0), atof(line, 14), line[28:29], atof(line, 30)


def check_star_line(line, where):
    assert len(line) >= 31, f"{where}: line shorter than 31 bytes: {line!r}"
    # each number must end before the next field starts
    for offset, end in ((0, 14), (14, 28), (30, len(line))):
        text = line[offset:end].strip(b" ")
        m = _NUMBER.fullmatch(text)
        assert m, f"{where}: field at byte {offset} is not one number: {line!r}"
    assert line[27:28] == b" " and line[29:30] == b" ", f"{where}: letter not alone at byte 28"


def check_stars(root):
    assert not (root / "data" / "star.dat").exists(), \
        "data/star.dat must not be shipped: the compressed star.dat.gz is the path users run"
    lines = read_catalog(root, "star.dat")
    assert 8500 <= len(lines) <= 9300, f"star.dat: {len(lines)} stars, expected about 8,900"
    letters = {}
    brightest = None
    for i, line in enumerate(lines):
        where = f"star.dat line {i + 1}"
        check_star_line(line, where)
        ra, dec, letter, mag = parse_star(line)
        assert 0 <= ra < TWO_PI, f"{where}: right ascension {ra} outside [0, 2pi)"
        assert -math.pi / 2 <= dec <= math.pi / 2, f"{where}: declination {dec} out of range"
        assert letter in b"OBAFGKM?", f"{where}: spectral letter {letter!r}"
        assert -1.5 <= mag <= 6.5, f"{where}: magnitude {mag} outside [-1.5, 6.5]"
        letters[letter] = letters.get(letter, 0) + 1
        if brightest is None or mag < brightest[2]:
            brightest = (ra, dec, mag)
    # Sirius: RA 6h45m08.9s, Dec -16d42'58"
    sirius = (6.7525 * HOURS, -16.716 * DEGREES)
    assert angle_between(brightest[:2], sirius) < 0.01 and brightest[2] < -1.4, \
        f"star.dat: the brightest star {brightest} is not Sirius"
    assert letters.get(b"?", 0) <= 10, "star.dat: too many stars without a colour class"
    for cls in b"BAFGKM":
        assert letters.get(bytes([cls]), 0) > 100, f"star.dat: hardly any {chr(cls)} stars"

    sys.path.insert(0, str(root / "tools" / "sky"))
    import make_stars
    # writer round trip through the reader's own rules
    for ra, dec, letter, mag in ((0.0, -math.pi / 2, "O", -1.46), (TWO_PI - 1e-12, math.pi / 2, "M", 6.5),
                                 (3.14159, -0.123456789, "?", 0.03)):
        line = make_stars.star_line(ra, dec, letter, mag).encode()
        check_star_line(line, "star writer")
        r = parse_star(line)
        assert 0 <= r[0] < TWO_PI and abs(math.remainder(r[0] - ra, TWO_PI)) < 1e-9, f"round trip RA {line!r}"
        assert abs(r[1] - dec) < 1e-9 and r[2] == letter.encode() and abs(r[3] - mag) < 0.006, \
            f"round trip {line!r}"
    for bv, want in (("-0.35", "O"), ("-0.301", "B"), ("-0.01", "B"), ("0.000", "A"), ("0.294", "A"),
                     ("0.295", "F"), ("0.65", "G"), ("0.816", "K"), ("1.419", "K"), ("1.420", "M"),
                     ("", "?")):
        got = make_stars.spectral_letter(bv)
        assert got == want, f"B-V {bv!r} gives {got}, expected {want}"


def check_deepstars(root):
    lines = read_catalog(root, "deepstar.dat")
    assert len(lines) == 118216, f"deepstar.dat: {len(lines)} stars, expected 118,216"
    naked_eye = sorted(parse_star(l) for l in read_catalog(root, "star.dat"))
    shared = []
    previous_hip = 0
    faint = 0
    for i, line in enumerate(lines):
        where = f"deepstar.dat line {i + 1}"
        check_star_line(line[:35], where)
        assert len(line) == 42 and line[35:36] == b" ", f"{where}: no Hipparcos field at byte 36"
        hip_text = line[36:].strip(b" ")
        assert hip_text.isdigit(), f"{where}: Hipparcos number {line[36:]!r} is not a number"
        hip = int(hip_text)
        assert hip > previous_hip, f"{where}: Hipparcos number {hip} not after {previous_hip}"
        previous_hip = hip
        ra, dec, letter, mag = parse_star(line)
        assert 0 <= ra < TWO_PI, f"{where}: right ascension {ra} outside [0, 2pi)"
        assert -math.pi / 2 <= dec <= math.pi / 2, f"{where}: declination {dec} out of range"
        assert letter in b"OBAFGKM?", f"{where}: spectral letter {letter!r}"
        assert -1.5 <= mag <= 14.0, f"{where}: magnitude {mag} outside [-1.5, 14]"
        if mag <= 6.5:
            shared.append((ra, dec, letter, mag))
        elif mag <= 9.0:
            faint += 1
    # the naked-eye part is star.dat, star for star
    assert sorted(shared) == naked_eye, "deepstar.dat: the stars to magnitude 6.5 differ from star.dat"
    assert faint > 50000, f"deepstar.dat: only {faint} stars between magnitudes 6.5 and 9"
    # published values: HIP 27989 is Betelgeuse (RA 5h55m10.3s, Dec +7d24'25"), HIP 71683 is
    # Alpha Centauri A (RA 14h39m36.5s, Dec -60d50'02")
    by_hip = {int(l[36:]): parse_star(l) for l in lines if int(l[36:]) in (27989, 71683)}
    for hip, ra_h, dec_d in ((27989, 5.91953, 7.40706), (71683, 14.66014, -60.83400)):
        star = by_hip.get(hip)
        assert star is not None, f"deepstar.dat: HIP {hip} missing"
        assert angle_between(star[:2], (ra_h * HOURS, dec_d * DEGREES)) < math.radians(0.01), \
            f"deepstar.dat: HIP {hip} is not where it is published"

    sys.path.insert(0, str(root / "tools" / "sky"))
    import make_deepstars
    line = make_deepstars.deepstar_line(1.0, -0.5, "G", 9.87, 120416).encode()
    check_star_line(line[:35], "deep star writer")
    assert parse_star(line)[3] == 9.87 and int(line[make_deepstars.HIP_OFFSET:]) == 120416, \
        f"deep star writer round trip {line!r}"


# ---------------------------------------------------------------- constellation figures

def parse_conline(line):
    return tuple(atof(line[k:k + 12]) for k in (0, 12, 24, 36))


def check_conline(root):
    lines = read_catalog(root, "conline.dat")
    assert 600 <= len(lines) <= 900, f"conline.dat: {len(lines)} segments"
    for i, line in enumerate(lines):
        where = f"conline.dat line {i + 1}"
        assert len(line) == 48, f"{where}: {len(line)} bytes, expected 4 x 12"
        for k in (0, 12, 24, 36):
            assert _NUMBER.fullmatch(line[k:k + 12].strip(b" ")), f"{where}: field at {k}: {line!r}"
        ra1, dec1, ra2, dec2 = parse_conline(line)
        for ra, dec in ((ra1, dec1), (ra2, dec2)):
            assert 0 <= ra < TWO_PI and abs(dec) <= math.pi / 2, f"{where}: position out of range"
        length = angle_between((ra1, dec1), (ra2, dec2))
        assert 0 < length < math.radians(45), f"{where}: figure line {math.degrees(length):.1f} deg long"
    # the lines are added to the sky: a segment written twice would be drawn twice as bright
    keys = [tuple(sorted((line[0:24], line[24:48]))) for line in lines]
    assert len(set(keys)) == len(keys), "conline.dat: a figure segment is written twice"
    sys.path.insert(0, str(root / "tools" / "sky"))
    import make_conline
    sample = (TWO_PI - 1e-9, -math.pi / 2, 0.0, 1.2345678912)
    line = make_conline.conline_line(*sample).encode()
    back = parse_conline(line)
    assert len(line) == 48 and 0 <= back[0] < TWO_PI, f"round trip {line!r}"
    assert all(abs(math.remainder(a - b, TWO_PI)) < 1e-8 for a, b in zip(back, sample)), f"round trip {line!r}"


# ---------------------------------------------------------------- star names

def two_digits(field):
    value = 0
    for c in field:
        value *= 10
        if 48 <= c <= 57:
            value += c - 48
    return value


def parse_starname(line):
    hours, minutes = two_digits(line[0:2]), two_digits(line[2:4])
    seconds = atof(line[4:6])
    degrees, arcmin, arcsec = two_digits(line[7:9]), two_digits(line[9:11]), two_digits(line[11:13])
    ra_hours = seconds * 0.0002777777777777778 + minutes * 0.016666666666666666 + hours
    dec_degrees = arcsec * 0.0002777777777777778 + arcmin * 0.016666666666666666 + degrees
    if line[6:7] == b"-":
        dec_degrees = -dec_degrees
    return ra_hours * HOURS, dec_degrees * DEGREES, line[13:]


def check_starnames(root):
    lines = read_catalog(root, "starname.dat")
    assert 150 <= len(lines) <= 250, f"starname.dat: {len(lines)} names, expected 150-250"
    names, positions = {}, []
    for i, line in enumerate(lines):
        where = f"starname.dat line {i + 1}"
        assert len(line) > 13, f"{where}: no name"
        assert line[:6].isdigit() and line[7:13].isdigit() and line[6:7] in b"+-", \
            f"{where}: position field is not hhmmss+ddmmss: {line!r}"
        ra, dec, name = parse_starname(line)
        text = name.decode("utf-8")
        assert text.strip() == text and "\t" not in text, f"{where}: name {text!r}"
        assert any("\uac00" <= ch <= "\ud7a3" for ch in text), f"{where}: {text!r} is not Hangul"
        assert 0 <= ra < TWO_PI and abs(dec) <= math.pi / 2, f"{where}: position out of range"
        assert text not in names, f"starname.dat: {text} labels lines {names[text]} and {i + 1}"
        names[text] = i + 1
        for j, other in enumerate(positions):
            assert angle_between((ra, dec), other) > math.radians(0.3), \
                f"{where}: within 0.3 deg of line {j + 1}, the labels would overlap"
        positions.append((ra, dec))
    star_lines = [parse_star(l) for l in read_catalog(root, "star.dat")]
    # every name sits on a star of the star catalog (to the rounding of the name file)
    for i, (ra, dec) in enumerate(positions):
        nearest = min(angle_between((ra, dec), (s[0], s[1])) for s in star_lines)
        assert nearest < math.radians(0.01), f"starname.dat line {i + 1}: no star within 36 arcsec"
    sirius = parse_starname(lines[0])
    assert sirius[2].decode() == "시리우스", "starname.dat: the first (brightest) name is not Sirius"

    sys.path.insert(0, str(root / "tools" / "sky"))
    import make_starnames
    for ra_h, dec_d in ((23.99999, -0.0001), (0.0, -0.5), (12.5, 89.99999), (6.752477, -16.716116)):
        line = make_starnames.starname_line(ra_h, dec_d, "별").encode()
        r = parse_starname(line)
        assert abs(math.remainder(r[0] - ra_h * HOURS, TWO_PI)) < 0.6 / 3600 * HOURS, f"round trip {line!r}"
        assert abs(r[1] - dec_d * DEGREES) < 0.6 / 3600 * DEGREES and r[2] == "별".encode(), f"round trip {line!r}"
    assert parse_starname(b"000000-003000x")[1] == -0.5 * DEGREES


# ---------------------------------------------------------------- deep sky

NGC_TYPES = {b"Gx": 0, b"OC": 1, b"Gb": 2, b"Pl": 3}


def parse_object(line):
    return atof(line, 0), atof(line, 14), NGC_TYPES.get(line[28:30], 4), line[31:]


def check_object_line(line, where):
    assert len(line) >= 31, f"{where}: shorter than 31 bytes"
    for offset, end in ((0, 14), (14, 28)):
        assert _NUMBER.fullmatch(line[offset:end].strip(b" ")), f"{where}: field at {offset}: {line!r}"
    assert line[13:14] == b" " and line[27:28] == b" " and line[30:31] == b" ", f"{where}: columns"
    ra, dec, _, _ = parse_object(line)
    assert 0 <= ra < TWO_PI and abs(dec) <= math.pi / 2, f"{where}: position out of range"


def check_deepsky(root):
    m = read_catalog(root, "m.dat")
    assert len(m) == 110, f"m.dat: {len(m)} lines, expected M1 to M110"
    for i, line in enumerate(m):
        check_object_line(line, f"m.dat line {i + 1}")
        assert line[31:].split(b" ")[0] == f"M{i + 1}".encode(), f"m.dat line {i + 1} is not M{i + 1}"
    # M31 at 00h42m44s +41d16', M42 at 05h35m17s -05d23'
    for number, ra_h, dec_d in ((31, 0.7123, 41.269), (42, 5.5881, -5.391), (45, 3.79, 24.12)):
        ra, dec, _, _ = parse_object(m[number - 1])
        assert angle_between((ra, dec), (ra_h * HOURS, dec_d * DEGREES)) < math.radians(0.2), \
            f"m.dat: M{number} is not where it belongs"

    ngc = read_catalog(root, "ngc.dat")
    assert 400 <= len(ngc) <= 1200, f"ngc.dat: {len(ngc)} objects"
    counts = [0] * 5
    names = {}
    for i, line in enumerate(ngc):
        where = f"ngc.dat line {i + 1}"
        check_object_line(line, where)
        assert line[28:30] in (b"Gx", b"OC", b"Gb", b"Pl", b"Nb"), f"{where}: type {line[28:30]!r}"
        ra, dec, kind, name = parse_object(line)
        counts[kind] += 1
        text = name.decode("utf-8")
        assert text and text.strip() == text, f"{where}: empty or padded name"
        assert text not in names, f"ngc.dat: {text} names lines {names[text]} and {i + 1}"
        names[text] = i + 1
    assert all(c >= 20 for c in counts), f"ngc.dat: type counts {counts}"
    by_name = {parse_object(l)[3].decode(): parse_object(l) for l in ngc}
    andromeda = by_name.get("안드로메다 은하")
    assert andromeda and andromeda[2] == 0 and angle_between(andromeda[:2], (0.7123 * HOURS, 41.269 * DEGREES)) < 0.01, \
        "ngc.dat: NGC 224 is not the Andromeda galaxy"
    assert by_name.get("헤르쿨레스자리 대성단", (0, 0, -1))[2] == 2, "ngc.dat: NGC 6205 is not a globular"
    assert by_name.get("고리 성운", (0, 0, -1))[2] == 3, "ngc.dat: NGC 6720 is not a planetary nebula"

    sys.path.insert(0, str(root / "tools" / "sky"))
    import make_deepsky
    line = make_deepsky.object_line(TWO_PI - 1e-13, -1.2, "Pl", "고리 성운").encode()
    check_object_line(line, "object writer")
    r = parse_object(line)
    assert r[0] == 0.0 and abs(r[1] + 1.2) < 1e-9 and r[2] == 3 and r[3] == "고리 성운".encode()
    assert parse_object(make_deepsky.object_line(1, 0, "gx", "x").encode())[2] == 4


# ---------------------------------------------------------------- Milky Way

def single(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def parse_milkyway(line):
    tab = line.find(b"\t")
    ra_field, dec_field = (line, b"") if tab < 0 else (line[:tab], line[tab + 1:])
    return single(atof(ra_field) * HOURS), atof(dec_field) * DEGREES


def milkyway_outline(points):
    return [points[k] for k in range(609, 222, -1)] + [points[k] for k in range(0, 223)]


def _triple(p, a, b):
    return (p[0] * (a[1] * b[2] - a[2] * b[1]) + p[1] * (a[2] * b[0] - a[0] * b[2])
            + p[2] * (a[0] * b[1] - a[1] * b[0]))


def triangulate(outline):
    """Ear clipping on the sphere exactly as the program does it: returns (ok, triangles), each
    triangle three (ra, dec) pairs. A vertex is clockwise of (a, b) when p . (a x b) < 0."""
    if len(outline) < 4:
        return False, []
    w = list(outline)
    v = [unit(ra, dec) for ra, dec in w]
    out = []
    while True:
        n = len(w)
        if n == 3:
            out.append((w[0], w[1], w[2]))
            return True, out
        for i in range(n):
            nxt, prv = (i + 1) % n, (n + i - 1) % n
            a, b, c = v[prv], v[i], v[nxt]
            if not _triple(c, a, b) < 0:   # next.IsClockwise(prev, i) must hold
                continue
            if _triple(b, a, c) < 0:       # i.IsClockwise(prev, next) must not hold
                continue
            blocked = False
            for j in range(n):
                if j == prv or j == i or j == nxt:
                    continue
                p = v[j]
                if _triple(p, a, b) < 0 and _triple(p, b, c) < 0 and _triple(p, c, a) < 0:
                    blocked = True
                    break
            if blocked:
                continue
            out.append((w[prv], w[i], w[nxt]))
            del w[i]
            del v[i]
            break
        else:
            return False, out


def triangle_area(t):
    a, b, c = (unit(*p) for p in t)
    num = abs(_triple(a, b, c))
    den = 1 + sum(x * y for x, y in zip(a, b)) + sum(x * y for x, y in zip(b, c)) + sum(x * y for x, y in zip(c, a))
    return 2 * math.atan2(num, den)


def in_triangle(p, a, b, c):
    """p (unit vector) in the spherical triangle a, b, c or on its border, either orientation.
    Each side's triple product must have the sign of the triangle's own: accepting either sign
    pattern with a hemisphere test instead would also take in the antipodal triangle of a long
    sliver."""
    orientation = _triple(a, b, c)
    s = (_triple(p, a, b), _triple(p, b, c), _triple(p, c, a))
    return all(x * orientation >= 0 for x in s)


def covered(triangles, position):
    p = unit(*position)
    return any(in_triangle(p, *(unit(*q) for q in t)) for t in triangles)


GALACTIC_CENTRE = (266.40499 * DEGREES, -28.93617 * DEGREES)
NORTH_GALACTIC_POLE = (192.85948 * DEGREES, 27.12825 * DEGREES)
SOUTH_GALACTIC_POLE = (12.85948 * DEGREES, -27.12825 * DEGREES)


def milkyway_triangles(root):
    points = [parse_milkyway(l) for l in read_catalog(root, "milkyway.dat")]
    return points, triangulate(milkyway_outline(points))


def check_milkyway(root):
    lines = read_catalog(root, "milkyway.dat")
    assert len(lines) == 610, f"milkyway.dat: {len(lines)} points, expected 223 + 387"
    for i, line in enumerate(lines):
        fields = line.split(b"\t")
        assert len(fields) == 2 and all(_NUMBER.fullmatch(f) for f in fields), \
            f"milkyway.dat line {i + 1}: not 'hours<TAB>degrees': {line!r}"
        ra_h, dec_d = float(fields[0]), float(fields[1])
        assert 0 <= ra_h < 24 and -90 <= dec_d <= 90, f"milkyway.dat line {i + 1}: out of range"
    points, (ok, triangles) = milkyway_triangles(root)
    assert ok, f"milkyway.dat: ear clipping stopped after {len(triangles)} triangles"
    assert len(triangles) == 608, f"milkyway.dat: {len(triangles)} triangles for 610 vertices"
    fraction = sum(triangle_area(t) for t in triangles) / (4 * math.pi)
    assert 0.12 <= fraction <= 0.22, \
        f"milkyway.dat: the triangles cover {fraction:.1%} of the sky, expected about 17% " \
        f"(83% means the edges run the wrong way round)"
    assert covered(triangles, GALACTIC_CENTRE), "milkyway.dat: the galactic centre is not covered"
    assert not covered(triangles, NORTH_GALACTIC_POLE), "milkyway.dat: the north galactic pole is covered"
    assert not covered(triangles, SOUTH_GALACTIC_POLE), "milkyway.dat: the south galactic pole is covered"
    # the two cut ends must not touch (a closed belt can be left without an ear)
    first_end, second_end = (points[0], points[222]), (points[223], points[609])
    assert angle_between(first_end[0], first_end[1]) > 1e-5, "milkyway.dat: first edge is closed"
    assert angle_between(second_end[0], second_end[1]) > 1e-5, "milkyway.dat: second edge is closed"

    # the ear clipping itself, on the cases the program must get right
    # counter-clockwise as seen from the centre (north up, east to the left): north, east, south
    p0, p1, p2, p3 = (0.0, 0.0), (0.0, 0.2), (0.2, 0.2), (0.2, 0.0)
    ok, tri = triangulate([p0, p1, p2, p3])
    assert ok and tri == [(p3, p0, p1), (p1, p2, p3)], f"convex outline: {tri}"
    ok, tri = triangulate([p3, p2, p1, p0])
    assert not ok and tri == [], "a convex outline the other way round must have no ear"
    # a vertex exactly on a candidate triangle's edge does not block it
    ok, tri = triangulate([p0, p1, p2, p3, (0.1, 0.0)])
    assert ok and len(tri) == 3, f"collinear vertex: {tri}"
    assert triangulate([p0, p1, p2]) == (False, []), "three points are refused"


# ---------------------------------------------------------------- pictures

def check_images(root):
    sys.path.insert(0, str(root / "tools"))
    import bmp
    w, h, rows = bmp.read_bmp24(root / "images" / "Star.bmp")
    assert (w, h) == (64, 64), f"Star.bmp is {w} x {h}, expected 64 x 64"
    assert all(r == g == b for row in rows for r, g, b in row), "Star.bmp is not grey"
    border = rows[0] + rows[-1] + [row[0] for row in rows] + [row[-1] for row in rows]
    assert max(p[0] for p in border) == 0, "Star.bmp: the border is not black"
    assert rows[32][32][0] == 255, "Star.bmp: the centre is not white"
    for y in range(32, 63):  # falls off monotonically from the centre
        assert rows[y + 1][32][0] <= rows[y][32][0], "Star.bmp: the glow is not smooth"
    for name in ("Galaxy", "OpenNebular", "GlobularNebular", "PlanetaryNebular", "DiffuseNebular"):
        w, h, rows = bmp.read_bmp24(root / "images" / f"{name}.bmp")
        assert 9 <= w <= 15 and 9 <= h <= 15, f"{name}.bmp is {w} x {h}"
        peak = max(max(p) for row in rows for p in row)
        lit = sum(1 for row in rows for p in row if max(p) > 20)
        assert 20 <= peak <= 180, f"{name}.bmp: brightest channel {peak}, expected a dim symbol"
        assert lit >= 12, f"{name}.bmp: only {lit} lit pixels"


# ---------------------------------------------------------------- designations

GREEK = "αβγδεζηθικλμνξοπρστυφχψω"


def check_designations(root):
    lines = [l.decode("utf-8") for l in read_catalog(root, "designation.dat")]
    fields_of = {"C": 4, "S": 7, "M": 6, "N": 4}
    rows = {k: [] for k in fields_of}
    for n, line in enumerate(lines, start=1):
        f = line.split("\t")
        assert f[0] in fields_of, f"designation.dat line {n}: kind {f[0]!r}"
        assert len(f) == fields_of[f[0]], f"designation.dat line {n}: {len(f)} fields"
        assert all(len(x.encode("utf-8")) <= 127 for x in f), f"designation.dat line {n}: field too long"
        rows[f[0]].append(f)
    connames = [l.decode("utf-8").split("\t")[0] for l in read_catalog(root, "conname.dat")]
    assert [r[1] for r in rows["C"]] == connames, "designation.dat: C lines differ from conname.dat"
    assert all(r[2] and r[3] for r in rows["C"]), "designation.dat: a constellation without Latin name"
    starnames = [l.decode("utf-8")[13:] for l in read_catalog(root, "starname.dat")]
    assert [r[2] for r in rows["S"]] == starnames, "designation.dat: S lines differ from starname.dat"
    hips = [int(r[1]) for r in rows["S"]]
    assert len(set(hips)) == len(hips), "designation.dat: a HIP number twice"
    abbreviations = set(connames) | {"Ser"}
    for r in rows["S"]:
        assert r[3], f"designation.dat: {r[2]} has no proper name"
        float(r[6])
        if r[4]:
            letter, con = r[4].split(" ")
            assert letter[0] in GREEK and letter[1:] in ("", "1", "2", "3"), f"Bayer {r[4]}"
            assert con in abbreviations, f"Bayer {r[4]}"
        if r[5]:
            number, con = r[5].split(" ")
            assert number.isdigit() and con in abbreviations, f"Flamsteed {r[5]}"
    bayer = sum(1 for r in rows["S"] if r[4])
    assert bayer >= len(rows["S"]) - 5, f"designation.dat: only {bayer} Bayer letters"
    assert [int(r[1]) for r in rows["M"]] == list(range(1, 111)), "designation.dat: M1..M110"
    for r in rows["M"]:
        float(r[5])
        assert not r[2] or all("\uac00" <= ch <= "\ud7a3" or ch in " 0123456789" for ch in r[2]), r[2]
    korean = {int(r[1]): r[2] for r in rows["M"] if r[2]}
    assert korean.get(42) == "오리온 대성운" and korean.get(31) == "안드로메다 은하", "M31, M42"
    ngc = [l.decode("utf-8")[31:] for l in read_catalog(root, "ngc.dat")]
    assert [r[2] for r in rows["N"]] == ngc, "designation.dat: N lines differ from ngc.dat"
    for r in rows["N"]:
        assert r[2] == f"NGC {r[1]}" or not r[2].startswith("NGC"), f"NGC {r[1]}: {r[2]}"
    numbers = [int(r[1]) for r in rows["N"]]
    assert len(set(numbers)) == len(numbers), "designation.dat: an NGC number twice"


def run(root):
    root = pathlib.Path(root)
    check_stars(root)
    check_deepstars(root)
    check_conline(root)
    check_starnames(root)
    check_deepsky(root)
    check_images(root)
    check_milkyway(root)
    check_designations(root)
