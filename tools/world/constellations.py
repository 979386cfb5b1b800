#!/usr/bin/env python3
"""Builds data/conname.dat, data/conident.dat and data/conbound.dat.

conname.dat: abbreviation TAB Korean name TAB label RA (h, J2000) TAB label Dec (deg, J2000),
  ordered by the Korean name; label points from d3-celestial's constellations.json.
conident.dat: the Roman (1987) identification table (B1875), fixed columns: RA low at byte 0,
  RA high at byte 9, Dec low at byte 17, Korean name from byte 26.
conbound.dat: the B1875 boundaries derived from that same table. The sky is cut into cells on
  the table's own RA and Dec limits; every side shared by two cells of different constellations
  is a boundary edge. Each edge is written once, in chains of corners tagged with a
  three-character constellation tag (RA h at byte 0, Dec deg at byte 9, tag at byte 19);
  consecutive collinear edges are merged into straight runs, runs along a parallel are kept
  shorter than 12 h, and RA 24 h is written as 0.
"""
import json
import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import fetch  # noqa: E402
import names  # noqa: E402

ROOT = fetch.ROOT
DATA = ROOT / "data"

# The two parts of Serpens get tags of their own, so that their chains never run into each other.
SERPENS_TAGS = ("Se1", "Se2")  # Caput (west), Cauda (east)


def read_roman_table():
    """Rows (raLow h, raHigh h, decLow deg, abbreviation) in table order, values as the table's
    own text so that shared limits stay exactly equal."""
    rows = []
    path = fetch.astropy_data() / "constellation_data_roman87.dat"
    for line in open(path, encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        ra_low, ra_high, dec_low, abbr = line.split()
        rows.append((ra_low, ra_high, dec_low, abbr))
    return rows


def atof(text):
    """C atof: leading blanks, then the longest number prefix; 0 when there is none."""
    m = re.match(r"\s*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)", text)
    return float(m.group(1)) if m else 0.0


def conident_line(ra_low, ra_high, dec_low, name):
    line = f"{float(ra_low):8.4f} {float(ra_high):7.4f} {float(dec_low):8.4f} {name}"
    # Read back at the reader's offsets.
    read = (atof(line[0:]), atof(line[9:]), atof(line[17:]), line[26:])
    assert read == (float(ra_low), float(ra_high), float(dec_low), name), line
    return line


def conbound_line(ra_hours, dec_deg, tag):
    if ra_hours == 24.0:
        ra_hours = 0.0
    line = f"{ra_hours:8.4f} {dec_deg:9.4f} {tag}"
    read = (atof(line[0:]), atof(line[9:]), line[19:22])
    assert read == (round(ra_hours, 4), round(dec_deg, 4), tag) and len(line) == 22, line
    return line


def write_conname():
    d3 = fetch.npm_package("d3-celestial") / "data" / "constellations.json"
    features = json.load(open(d3, encoding="utf-8"))["features"]
    label = {}
    for f in features:
        # Serpens is listed twice (Caput, then Cauda); its label goes on the larger Caput.
        label.setdefault(f["id"], f["geometry"]["coordinates"])
    lines = []
    for abbr in names.sorted_abbreviations():
        ra_deg, dec_deg = label[abbr]
        ra_hours = (ra_deg % 360.0) / 15.0
        line = f"{abbr}\t{names.KOREAN[abbr]}\t{ra_hours:.4f}\t{dec_deg:.4f}"
        fields = line.split("\t")
        assert fields[:2] == [abbr, names.KOREAN[abbr]] and len(fields) == 4, line
        assert (atof(fields[2]), atof(fields[3])) == (round(ra_hours, 4), round(dec_deg, 4)), line
        lines.append(line + "\n")
    write(DATA / "conname.dat", lines)


def write_conident(rows):
    write(DATA / "conident.dat",
          [conident_line(lo, hi, dec, names.KOREAN[abbr]) + "\n" for lo, hi, dec, abbr in rows])


class Grid:
    """The cells between consecutive RA limits and consecutive Dec limits of the table."""

    def __init__(self, rows):
        self.rows = [(float(lo), float(hi), float(dec), abbr) for lo, hi, dec, abbr in rows]
        self.ras = sorted({r[0] for r in self.rows} | {r[1] for r in self.rows} | {0.0, 24.0})
        self.decs = sorted({r[2] for r in self.rows if r[2] > -90.0} | {-90.0, 90.0})
        self.cells = [[self.lookup((self.ras[i] + self.ras[i + 1]) / 2,
                                   (self.decs[j] + self.decs[j + 1]) / 2)
                       for j in range(len(self.decs) - 1)] for i in range(len(self.ras) - 1)]
        self.split_serpens()

    def lookup(self, ra, dec):
        for lo, hi, dec_low, abbr in self.rows:
            if dec >= dec_low and lo <= ra < hi:
                return abbr
        raise ValueError(f"no zone at {ra} h {dec} deg")

    def split_serpens(self):
        """Tags Serpens' two connected parts apart."""
        ni, nj = len(self.ras) - 1, len(self.decs) - 1
        parts = []
        seen = set()
        for i in range(ni):
            for j in range(nj):
                if self.cells[i][j] != "Ser" or (i, j) in seen:
                    continue
                part, todo = [], [(i, j)]
                seen.add((i, j))
                while todo:
                    a, b = todo.pop()
                    part.append((a, b))
                    for da, db in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                        c, d = (a + da) % ni, b + db
                        if 0 <= d < nj and (c, d) not in seen and self.cells[c][d] == "Ser":
                            seen.add((c, d))
                            todo.append((c, d))
                parts.append(part)
        assert len(parts) == 2, f"Serpens has {len(parts)} parts"
        parts.sort(key=lambda p: min(self.ras[a] for a, _ in p))
        for tag, part in zip(SERPENS_TAGS, parts):
            for a, b in part:
                self.cells[a][b] = tag

    def edges(self):
        """Unit boundary edges as (corner, corner, {tag, tag}); corners are (i, j) grid indices,
        RA index len(ras) - 1 (24 h) folded onto 0."""
        ni, nj = len(self.ras) - 1, len(self.decs) - 1
        result = []
        for i in range(ni):
            for j in range(nj):
                here = self.cells[i][j]
                west = self.cells[i - 1][j]  # i = 0: the cell ending at 24 h
                if west != here:
                    result.append(((i, j), (i, j + 1), {here, west}))
                if j > 0:
                    south = self.cells[i][j - 1]
                    if south != here:
                        result.append(((i, j), ((i + 1) % ni, j), {here, south}))
        return result


def chains_for(tag, edges, grid):
    """Splits the edges of one tag into chains of corners (trails), preferring to go straight on
    at every corner, then merges straight runs."""
    adjacent = {}
    for k, (a, b, _) in enumerate(edges):
        adjacent.setdefault(a, []).append(k)
        adjacent.setdefault(b, []).append(k)
    used = set()

    def unused(v):
        return [k for k in adjacent[v] if k not in used]

    def other(k, v):
        a, b, _ = edges[k]
        return b if a == v else a

    def direction(v, w):
        return "m" if v[0] == w[0] else "p"

    chains = []
    while len(used) < len(edges):
        odd = [v for v in adjacent if len(unused(v)) % 2 == 1]
        start = odd[0] if odd else next(v for v in adjacent if unused(v))
        chain = [start]
        v, last_dir = start, None
        while unused(v):
            options = unused(v)
            options.sort(key=lambda k: direction(v, other(k, v)) != last_dir)
            k = options[0]
            used.add(k)
            w = other(k, v)
            last_dir = direction(v, w)
            chain.append(w)
            v = w
        chains.append(chain)
    return [merge_runs(c, grid) for c in chains]


def merge_runs(chain, grid):
    """Drops corners in the middle of straight runs, keeping every run along a parallel shorter
    than 12 h."""
    def ra(v):
        return grid.ras[v[0]]

    def east_span(a, b):
        return (ra(b) - ra(a)) % 24.0

    out = [chain[0]]
    for k in range(1, len(chain)):
        v = chain[k]
        if len(out) >= 2:
            a, b = out[-2], out[-1]
            same_meridian = a[0] == b[0] == v[0]
            same_parallel = a[1] == b[1] == v[1]
            if same_meridian and (b[1] - a[1]) * (v[1] - b[1]) > 0:
                out[-1] = v
                continue
            if same_parallel:
                forward = east_span(a, b) < 12.0  # the run goes east
                step_forward = east_span(b, v) < 12.0
                span = east_span(a, v) if forward else east_span(v, a)
                if forward == step_forward and 0 < span < 12.0:
                    out[-1] = v
                    continue
        out.append(v)
    return out


def order_chains(chains):
    """Orders (tag, chain) pairs so that no two neighbours share a tag (the reader would join
    them), keeping each tag's chains in order and tags in their given order where possible."""
    queues = {}
    for tag, chain in chains:
        queues.setdefault(tag, []).append(chain)
    order = list(queues)
    result, last = [], None
    while any(queues.values()):
        remaining = sum(len(q) for q in queues.values())
        # A tag holding more than half of what is left must go next, or it could not be spread.
        pressing = [t for t in order if queues[t] and 2 * len(queues[t]) > remaining and t != last]
        tag = pressing[0] if pressing else next(t for t in order if queues[t] and t != last)
        result.append((tag, queues[tag].pop(0)))
        last = tag
    return result


def write_conbound(rows):
    grid = Grid(rows)
    edges = grid.edges()
    tags = sorted({t for row in grid.cells for t in row}, key=str.lower)
    taken = set()
    chains = []
    for tag in tags:
        mine = [e for k, e in enumerate(edges) if tag in e[2] and k not in taken]
        taken |= {k for k, e in enumerate(edges) if tag in e[2]}
        if mine:
            chains += [(tag, c) for c in chains_for(tag, mine, grid)]
    lines = []
    for tag, chain in order_chains(chains):
        for i, j in chain:
            lines.append(conbound_line(grid.ras[i], grid.decs[j], tag) + "\n")
    write(DATA / "conbound.dat", lines)
    print(f"  {len(edges)} unit edges, {len(chains)} chains, "
          f"{len(lines) - len(chains)} segments")


def write(path, lines):
    path.parent.mkdir(parents=True, exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.writelines(lines)
    print(f"{path.relative_to(ROOT)}: {len(lines)} lines")


def main():
    write_conname()
    rows = read_roman_table()
    write_conident(rows)
    write_conbound(rows)


if __name__ == "__main__":
    main()
