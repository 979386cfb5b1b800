#!/usr/bin/env python3
"""data/starname.dat: Korean names of the stars to magnitude 3.0 that d3-celestial's
starnames.json names in Korean ("ko"), plus a list of well-known fainter stars, after review.

Line: RA hh mm ss at bytes 0-5, declination sign at byte 6, dd mm ss at bytes 7-12, the name
from byte 13. Positions are the Hipparcos J2000 positions of stars.8.json, rounded to the
second. Ordered by magnitude, brightest first."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import source  # noqa: E402

OUT = source.ROOT / "data" / "starname.dat"
MAG_LIMIT = 3.0

# Fainter stars every observer's atlas names (Hipparcos numbers). Close neighbours of brighter
# named stars (Alcor beside Mizar, the Pleiades beside Alcyone) are left out: their labels would
# lie on top of each other.
WELL_KNOWN_FAINTER = [
    68756,   # Thuban, alpha Dra, the pole star of the pyramid builders
    95947,   # Albireo, beta1 Cyg
    59774,   # Megrez, delta UMa, the seventh star of the Big Dipper
    10826,   # Mira, omicron Cet
    92420, 93194,  # Sheliak, Sulafat (Lyra)
    26207,   # Meissa, lambda Ori
    116727, 106032,  # Errai, Alfirk (Cepheus)
    57757,   # Zavijava, beta Vir
    101958, 101769,  # Sualocin, Rotanev (Delphinus)
    106985, 100064, 100345,  # Nashira, Algedi, Dabih (Capricornus)
    8645,    # Baten Kaitos, zeta Cet
    32246, 29655, 35550,  # Mebsuta, Propus, Wasat (Gemini)
    44127, 50372, 50801, 55203, 55219,  # Talitha, Tania, Alula (Ursa Major's paws)
    54879, 50335,  # Chertan, Adhafera (Leo)
    113136,  # Skat, delta Aqr
    71075, 73555,  # Seginus, Nekkar (Bootes)
    75458, 94376,  # Edasich, Altais (Draco)
    23416, 23767,  # Almaaz, Haedus (Auriga)
    98036,   # Alshain, beta Aql
    8886, 3821,  # Segin, Achird (Cassiopeia)
    20205, 20889,  # Prima Hyadum, Ain (Hyades)
    66249,   # Heze, zeta Vir
    112029,  # Homam, zeta Peg
    8796,    # Mothallah, alpha Tri
    17448,   # Atik, omicron Per (the star the IAU list gives this name)
]

# Reviewed transliterations: Hipparcos number -> the Korean name to show, or None to leave the
# star out. Fixes follow the Korean loan-word orthography (e.g. 셰 not 쉐, final consonants
# written out) and the spellings of Korean astronomy references; transliterations replace the
# source's word-by-word translations of Latin epithets ("남쪽 카우스" -> Kaus Australis).
REVIEW = {
    69673: "아르크투루스",        # Arcturus (source: 아크투루스)
    71683: "리길 켄타우루스",     # Rigil Kentaurus (source: 리길 센타우루스)
    11767: "북극성",              # Polaris: the Korean name everyone uses
    31681: "알헤나",              # Alhena (source: 알레나)
    3179: "셰다르",               # Schedar (source: 쉐다르)
    113881: "셰아트",             # Scheat (source: 쉬트)
    90185: "카우스 아우스트랄리스",  # Kaus Australis (source: 남쪽 카우스)
    89931: "카우스 메디아",       # Kaus Media (source: 중앙 카우스)
    90496: "카우스 보레알리스",   # Kaus Borealis (source: 북쪽 카우스)
    86670: "기르타브",            # kappa Sco carries the IAU name Girtab (source: Mula)
    87073: None,                  # iota1 Sco: the source gives it Girtab, which belongs to kappa
    68002: None,                  # zeta Cen: the source repeats Alnair, the name of alpha Gru
    18246: None,                  # zeta Per: the source repeats Atik, the name of omicron Per
    80816: "코르네포로스",        # Kornephoros (source: 코르네포러스)
    63608: "빈데미아트릭스",      # Vindemiatrix (source: 반데미아트릭스)
    30343: "테자트",              # Tejat (source: 테얏)
    13847: "아카마르",            # Acamar (source: 아카마)
    18543: "자우라크",            # Zaurak (source: 자우락)
    26241: "하티사",              # Hatysa (source: 하트샤)
    59803: "기에나",              # Gienah (source: 기에나흐)
    79593: "예드 프리오르",       # Yed Prior (source: 앞쪽 예드)
    85696: "레사트",              # Lesath (source: 레사스)
    86742: "케발라이",            # Cebalrai (source: 세발라이)
    74785: "주벤에샤말리",        # Zubeneschamali (source: 주벤에샤마리)
    61932: "무흘리파인",          # Muhlifain (source: 물리파인)
    116727: "에라이",             # Errai (source: 엘라이)
    29655: "프로푸스",            # Propus (source: 프로퍼스)
    44127: "탈리타",              # Talitha (source: 달리다)
    113136: "스카트",             # Skat (source: 스캇)
    71075: "세기누스",            # Seginus (source: 세기너스)
    23767: "하이두스",            # Haedus (source: 해두스)
    54879: "케르탄",              # Chertan (source: 셰르탄)
    32246: "메브수타",            # Mebsuta (source: 멥수타)
    100345: "다비",               # Dabih (source: 다비흐)
    50372: "타니아 보레알리스",   # Tania Borealis (source: 북쪽 타니아)
    50801: "타니아 아우스트랄리스",  # Tania Australis (source: 남쪽 타니아)
    55219: "알룰라 보레알리스",   # Alula Borealis (source: 북쪽 알룰라)
    55203: "알룰라 아우스트랄리스",  # Alula Australis (source: 남쪽 알룰라)
    20205: "프리마 히아둠",       # Prima Hyadum (source: 첫째 히아데스)
    71681: None,                  # Toliman, alpha2 Cen: 14 arcsec from Rigil Kentaurus, the labels would overlap
}


def sexagesimal(value, units_per_whole):
    """(whole, minutes, seconds) of a non-negative value, rounded to the nearest second."""
    seconds = round(value * 3600 / units_per_whole)
    return seconds // 3600, seconds // 60 % 60, seconds % 60


def starname_line(ra_hours, dec_degrees, name):
    ra_seconds = round(ra_hours * 3600) % (24 * 3600)
    h, m, s = ra_seconds // 3600, ra_seconds // 60 % 60, ra_seconds % 60
    sign = "-" if dec_degrees < 0 and round(abs(dec_degrees) * 3600) > 0 else "+"
    dec_seconds = round(abs(dec_degrees) * 3600)
    d, dm, ds = dec_seconds // 3600, dec_seconds // 60 % 60, dec_seconds % 60
    return f"{h:02d}{m:02d}{s:02d}{sign}{d:02d}{dm:02d}{ds:02d}{name}"


def build_entries():
    stars = {f["id"]: f for f in source.load_json("data/stars.8.json")["features"]}
    names = source.load_json("data/starnames.json")
    chosen = []
    for key, entry in names.items():
        hip = int(key)
        if not entry.get("ko") or hip not in stars:
            continue
        mag = float(stars[hip]["properties"]["mag"])
        if mag <= MAG_LIMIT or hip in WELL_KNOWN_FAINTER:
            chosen.append((mag, hip, entry))
    missing = set(WELL_KNOWN_FAINTER) - {hip for _, hip, _ in chosen}
    if missing:
        raise SystemExit(f"well-known stars without a Korean name or position: {sorted(missing)}")
    entries = []
    for mag, hip, entry in sorted(chosen, key=lambda c: (c[0], c[1])):
        name = REVIEW.get(hip, entry["ko"].strip())
        if name is None:
            continue
        lon, lat = stars[hip]["geometry"]["coordinates"]
        entries.append({"hip": hip, "mag": mag, "name": name, "latin": entry["name"],
                        "ra_hours": (lon % 360.0) / 15.0, "dec_degrees": lat})
    seen = {}
    for e in entries:
        if e["name"] in seen:
            raise SystemExit(f"{e['name']} would label HIP {seen[e['name']]} and HIP {e['hip']}")
        seen[e["name"]] = e["hip"]
    return entries


def main():
    entries = build_entries()
    source.write_text(OUT, [starname_line(e["ra_hours"], e["dec_degrees"], e["name"]) for e in entries])
    print(f"{OUT.relative_to(source.ROOT)}: {len(entries)} names")


if __name__ == "__main__":
    main()
