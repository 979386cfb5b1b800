"""Checks the star, figure, deep-sky, star-name and Milky Way files and the star and deep-sky
pictures, reading every file the way the program does."""
import gzip
import math
import pathlib
import re
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
    sys.path.insert(0, str(root / "tools" / "sky"))
    import make_conline
    sample = (TWO_PI - 1e-9, -math.pi / 2, 0.0, 1.2345678912)
    line = make_conline.conline_line(*sample).encode()
    back = parse_conline(line)
    assert len(line) == 48 and 0 <= back[0] < TWO_PI, f"round trip {line!r}"
    assert all(abs(math.remainder(a - b, TWO_PI)) < 1e-8 for a, b in zip(back, sample)), f"round trip {line!r}"


def run(root):
    root = pathlib.Path(root)
    check_stars(root)
    check_conline(root)
