#!/usr/bin/env python3
"""data/m.dat and data/ngc.dat from d3-celestial's messier.json, dsos.14.json and dsonames.json.

Both: right ascension (rad) at byte 0, declination (rad) at byte 14, a two-letter type code at
byte 28, then from byte 31 a name. The program reads only the two positions of m.dat (the
Messier number is the line number); the rest of its lines is there for people.
ngc.dat holds the NGC objects to magnitude 11 in NGC order, plus the bright nebulae of
KOREAN_NAMES that have no catalogued magnitude; the name is the reviewed Korean proper name where
there is one, otherwise "NGC nnnn"."""
import math
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import source  # noqa: E402

M_OUT = source.ROOT / "data" / "m.dat"
NGC_OUT = source.ROOT / "data" / "ngc.dat"
MAG_LIMIT = 11.0

# d3-celestial object types -> type codes of ngc.dat. Everything else (bright, emission,
# reflection and dark nebulae, star-forming regions, supernova remnants) is "Nb".
TYPE_CODES = {"g": "Gx", "s": "Gx", "s0": "Gx", "sd": "Gx", "i": "Gx", "e": "Gx", "gg": "Gx",
              "oc": "OC", "gc": "Gb", "pn": "Pl"}
OTHER_CODE = "Nb"

# Korean proper names, reviewed against dsonames.json's "ko" field. The source's names are
# mostly word-by-word translations of amateur nicknames, several of them wrong ("로제타 성운" for
# the Rosette, "부메랑 성운" for the Bow-Tie, "센타우루스 알파" for Centaurus A, "솜브레오" for
# Sombrero) or shared by two objects ("사자자리 삼중주"); only names in common Korean use are kept.
KOREAN_NAMES = {
    40: "나비넥타이 성운",
    104: "큰부리새자리 47",
    224: "안드로메다 은하",
    253: "조각가자리 은하",
    281: "팩맨 성운",
    292: "소마젤란은하",
    598: "삼각형자리 은하",
    869: "페르세우스자리 h",
    884: "페르세우스자리 χ",
    1432: "마이아 성운",
    1435: "메로페 성운",
    1499: "캘리포니아 성운",
    1952: "게 성운",
    1976: "오리온 대성운",
    1977: "달리는 사람 성운",
    2024: "불꽃 성운",
    2070: "타란툴라 성운",
    2238: "장미 성운",
    2261: "허블의 변광 성운",
    2264: "크리스마스트리 성단",
    2359: "토르의 투구",
    2392: "에스키모 성운",
    2419: "은하 사이의 방랑자",
    2632: "프레세페 성단",
    2683: "UFO 은하",
    3031: "보데 은하",
    3034: "시가 은하",
    3115: "방추 은하",
    3242: "목성의 유령",
    3372: "용골자리 에타 성운",
    3587: "올빼미 성운",
    3628: "햄버거 은하",
    4038: "더듬이 은하",
    4490: "고치 은하",
    4594: "솜브레로 은하",
    4631: "고래 은하",
    4755: "보석상자 성단",
    4826: "검은 눈 은하",
    5055: "해바라기 은하",
    5128: "센타우루스자리 A",
    5139: "오메가 센타우리",
    5194: "소용돌이 은하",
    5236: "남쪽 바람개비 은하",
    5457: "바람개비 은하",
    6205: "헤르쿨레스자리 대성단",
    6302: "벌레 성운",
    6405: "나비 성단",
    6475: "프톨레마이오스 성단",
    6514: "삼렬 성운",
    6543: "고양이 눈 성운",
    6611: "독수리 성운",
    6618: "오메가 성운",
    6656: "궁수자리 대성단",
    6705: "야생오리 성단",
    6720: "고리 성운",
    6822: "바너드 은하",
    6826: "깜빡이는 행성상 성운",
    6853: "아령 성운",
    6888: "초승달 성운",
    6946: "불꽃놀이 은하",
    6960: "서쪽 베일 성운",
    6992: "동쪽 베일 성운",
    7000: "북아메리카 성운",
    7009: "토성 성운",
    7293: "나선 성운",
    7635: "거품 성운",
    7662: "푸른 눈덩이 성운",
    7789: "캐롤라인의 장미 성단",
}


def radians_field(value, width, wrap=False):
    text = f"{value:{width}.10f}"
    if wrap and float(text) >= 2 * math.pi:
        text = f"{0.0:{width}.10f}"
    return text


def object_line(ra, dec, code, name):
    assert len(code) == 2
    line = f"{radians_field(ra, 13, wrap=True)} {radians_field(dec, 13)} {code} {name}"
    assert line[13] == " " and line[27] == " " and line[30] == " ", line
    return line


def ngc_number(designation):
    """NGC number of "NGC 1234", None for any other catalogue (and for "NGC 1234A" etc.)."""
    if not designation.startswith("NGC "):
        return None
    tail = designation[4:]
    return int(tail) if tail.isdigit() else None


def magnitude(properties):
    return float(properties["mag"])


def build_messier():
    features = source.load_json("data/messier.json")["features"]
    lines = []
    for number, f in enumerate(features, start=1):
        if f["id"] != f"M{number}":
            raise SystemExit(f"messier.json: entry {number} is {f['id']}")
        lon, lat = f["geometry"]["coordinates"]
        p = f["properties"]
        label = f"M{number}" + (f" {p['desig']}" if p.get("desig") else "")
        lines.append(object_line(source.ra_radians(lon), source.dec_radians(lat),
                                 TYPE_CODES.get(p["type"], OTHER_CODE), label))
    if len(lines) != 110:
        raise SystemExit(f"messier.json: {len(lines)} objects")
    return lines


def build_ngc():
    chosen = {}
    for f in source.load_json("data/dsos.14.json")["features"]:
        number = ngc_number(f["id"])
        if number is None or number in chosen:
            continue
        if magnitude(f["properties"]) <= MAG_LIMIT or number in KOREAN_NAMES:
            chosen[number] = f
    missing = set(KOREAN_NAMES) - set(chosen)
    if missing:
        raise SystemExit(f"named NGC objects missing from dsos.14.json: {sorted(missing)}")
    lines = []
    for number in sorted(chosen):
        f = chosen[number]
        lon, lat = f["geometry"]["coordinates"]
        code = TYPE_CODES.get(f["properties"]["type"], OTHER_CODE)
        name = KOREAN_NAMES.get(number, f"NGC {number}")
        lines.append(object_line(source.ra_radians(lon), source.dec_radians(lat), code, name))
    return lines


def main():
    m = build_messier()
    source.write_text(M_OUT, m)
    ngc = build_ngc()
    source.write_text(NGC_OUT, ngc)
    print(f"{M_OUT.relative_to(source.ROOT)}: {len(m)} objects")
    print(f"{NGC_OUT.relative_to(source.ROOT)}: {len(ngc)} objects")


if __name__ == "__main__":
    main()
