#!/usr/bin/env python3
"""data/designation.dat: the other names of the shipped objects, for the search and the click
panel. Tab-separated, one object per line, the first field tells the kind:

  C  abbreviation  Latin name  Latin genitive                     (every line of conname.dat)
  S  HIP  Korean name (as in starname.dat)  proper name  Bayer  Flamsteed  V magnitude
  M  number  Korean common name  English name  NGC/IC designation  V magnitude
  N  NGC number  name (as in ngc.dat)  English name               (every line of ngc.dat)

Empty fields are allowed where the source has nothing (a star without a Bayer letter, a Messier
object without a Korean name in common use). NGC objects carry no magnitude: like ngc.dat, the
file ships no SAC magnitudes. Bayer designations carry the Greek letter and the
constellation's abbreviation ("α CMa", "α1 Cen"), Flamsteed ones the number ("9 CMa")."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import make_deepsky  # noqa: E402
import make_starnames  # noqa: E402
import source  # noqa: E402

OUT = source.ROOT / "data" / "designation.dat"

# Korean common names of Messier objects that are not among the named NGC objects of
# make_deepsky.KOREAN_NAMES (M45 has no NGC number; M8 and M76 are below ngc.dat's selection or
# unnamed there). Every other Messier object takes the Korean name of its NGC object, if any.
MESSIER_KOREAN = {
    8: "석호 성운",
    45: "플레이아데스 성단",
    76: "작은 아령 성운",
}


def ngc_of(designation):
    """The NGC number of "NGC 5194/5" or "NGC 224"; None for other catalogues."""
    if not designation.startswith("NGC "):
        return None
    digits = ""
    for ch in designation[4:]:
        if not ch.isdigit():
            break
        digits += ch
    return int(digits) if digits else None


def magnitude_text(value):
    try:
        return f"{float(value):.2f}"
    except (TypeError, ValueError):
        return ""


def clean(text):
    """One line, no tabs, ASCII apostrophes."""
    return " ".join(str(text or "").replace("\t", " ").replace("´", "'").replace("’", "'").split())


def constellation_lines():
    features = {f["id"]: f["properties"] for f in source.load_json("data/constellations.json")["features"]}
    lines = []
    for raw in (source.ROOT / "data" / "conname.dat").read_text(encoding="utf-8").splitlines():
        abbreviation = raw.split("\t")[0]
        if abbreviation not in features:
            raise SystemExit(f"constellations.json has no {abbreviation}")
        p = features[abbreviation]
        lines.append("\t".join(["C", abbreviation, clean(p["name"]), clean(p["gen"])]))
    return lines


def star_lines():
    names = source.load_json("data/starnames.json")
    lines = []
    for e in make_starnames.build_entries():
        entry = names[str(e["hip"])]
        con = entry.get("c", "")
        bayer = f"{entry['bayer']} {con}" if entry.get("bayer") else ""
        flamsteed = f"{entry['flam']} {con}" if entry.get("flam") else ""
        lines.append("\t".join(["S", str(e["hip"]), e["name"], clean(entry.get("name")), bayer,
                                flamsteed, magnitude_text(e["mag"])]))
    return lines


def messier_lines():
    lines = []
    for number, f in enumerate(source.load_json("data/messier.json")["features"], start=1):
        p = f["properties"]
        ngc = ngc_of(p.get("desig", ""))
        korean = MESSIER_KOREAN.get(number, make_deepsky.KOREAN_NAMES.get(ngc, ""))
        lines.append("\t".join(["M", str(number), korean, clean(p.get("alt")), clean(p.get("desig")),
                                magnitude_text(p.get("mag"))]))
    return lines


def ngc_lines():
    english = {}
    for key, entry in source.load_json("data/dsonames.json").items():
        number = make_deepsky.ngc_number(key)
        if number is not None:
            english[number] = clean(entry.get("name"))
    lines = []
    for line in make_deepsky.build_ngc():
        name = line[31:]
        number = int(name[4:]) if name.startswith("NGC ") else \
            next(n for n, k in make_deepsky.KOREAN_NAMES.items() if k == name)
        lines.append("\t".join(["N", str(number), name, english.get(number, "")]))
    return lines


def build():
    return constellation_lines() + star_lines() + messier_lines() + ngc_lines()


def main():
    lines = build()
    source.write_text(OUT, lines)
    print(f"{OUT.relative_to(source.ROOT)}: {len(lines)} lines")


if __name__ == "__main__":
    main()
