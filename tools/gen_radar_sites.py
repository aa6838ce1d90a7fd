#!/usr/bin/env python3
"""Write weather/RadarSitesTerms.h (the map records of the 155 single radar sites) and
tests/data/radar_sites.csv (each site's station position) from the weather service's
station list ../shared/data/nexrad-stations.txt.

The site codes and their order are read from RadarSiteCodes in weather/RadarSites.cpp;
each code is the station's ICAO identifier without its K, P or T prefix. A site image
is 600 x 550 pixels centred on the station:

    DegPerPixel = 0.0071946 / cos(latitude)
    LeftLon     = longitude - 300 DegPerPixel
    TopLat      = latitude  + 275 DegPerPixel

and its long-range image has the same centre at 8/550 degree per pixel. Four sites keep
the records the program has always shipped with (PRINTED below); the tests measure how
close the rule comes to them."""
import math
import os
import re

from tablegen import DATA, REPO, write_generated, write_test_data

STATIONS = os.path.join(DATA, "nexrad-stations.txt")
SITES_SOURCE = os.path.join(REPO, "weather", "RadarSites.cpp")

WIDTH, HEIGHT = 600, 550
SHORT_RANGE_SCALE = 0.0071946  # degrees of latitude per pixel, widened by 1 / cos(lat)
LONG_RANGE_SCALE = 8 / 550

# code: (DegPerPixel, LeftLon, TopLat, long-range LeftLon, long-range TopLat) as shipped.
PRINTED = {
    "ahg": ("0.014696211381392", "-155.750514332163", "64.7601117636941",
            "-155.705362659801", "64.7187290122292"),
    "gua": ("0.007397682884", "142.5953986", "15.48366402",
            "140.454641002308", "17.4457273413918"),
    "hkm": ("0.007662575462", "-158.0759472", "22.23237667",
            "-160.137369495739", "24.1217269828103"),
    "riw": ("0.009845220392", "-111.4256409", "45.76851489",
            "-112.833361011852", "47.0587291648171"),
}


def site_codes():
    """The lower-case codes of RadarSiteCodes in list order, mosaics left out."""
    with open(SITES_SOURCE) as f:
        text = f.read()
    body = text[text.index("RadarSiteCodes{"):]
    body = body[:body.index("};")]
    codes = re.findall(r'"([a-z]{3})"', body)
    if len(codes) != 155:
        raise SystemExit(f"expected 155 site codes, found {len(codes)}")
    return codes


def stations():
    """ICAO identifier -> (latitude, longitude) from the fixed-column station list,
    whose column spans the dashed second line gives."""
    with open(STATIONS) as f:
        lines = f.read().splitlines()
    spans = [m.span() for m in re.finditer(r"-+", lines[1])]
    names = [lines[0][a:b].strip() for a, b in spans]
    found = {}
    for line in lines[2:]:
        if not line.strip():
            continue
        row = {n: line[a:b].strip() for n, (a, b) in zip(names, spans)}
        if row["ICAO"] in found:
            raise SystemExit(f"station {row['ICAO']} listed twice")
        found[row["ICAO"]] = (float(row["LAT"]), float(row["LON"]))
    return found


def station_of(code, known):
    matches = [p + code.upper() for p in "KPT" if p + code.upper() in known]
    if len(matches) != 1:
        raise SystemExit(f"site {code}: stations {matches or 'none'}")
    return matches[0]


def rule(lat, lon):
    scale = SHORT_RANGE_SCALE / math.cos(math.radians(lat))
    short = (scale, lon - WIDTH / 2 * scale, lat + HEIGHT / 2 * scale)
    far = (lon - WIDTH / 2 * LONG_RANGE_SCALE, lat + HEIGHT / 2 * LONG_RANGE_SCALE)
    return short, far


def ld(value):
    """A long double literal: printed values as they stand, computed ones to 15 digits."""
    text = value if isinstance(value, str) else f"{value:.15g}"
    if "." not in text and "e" not in text:
        text += ".0"
    return text + "L"


def main():
    known = stations()
    records, origins, rows = [], [], []
    for i, code in enumerate(site_codes()):
        icao = station_of(code, known)
        lat, lon = known[icao]
        (scale, left, top), (far_left, far_top) = rule(lat, lon)
        values = PRINTED.get(code, (scale, left, top, far_left, far_top))
        comment = f"  // {14 + i} {code}{' (as shipped)' if code in PRINTED else ''}"
        records.append(f"    {{{ld(values[0])}, {ld(values[1])}, {ld(values[2])}}},{comment}")
        origins.append(f"    {{{ld(values[3])}, {ld(values[4])}}},{comment}")
        rows.append([str(14 + i), code, icao, f"{lat:.6f}", f"{lon:.6f}"])

    body = (
        "#pragma once\n\n"
        "// The map records of the single radar sites in list order (location index - 14):\n"
        "// a 600 x 550 image centred on the station at 0.0071946 / cos(latitude) degrees per\n"
        "// pixel, and the top left corner of its long-range image at 8/550 degree per pixel.\n\n"
        '#include "RadarSites.h"\n\n'
        "namespace orbelune {\n\n"
        "inline constexpr std::array<TRadarMapRecord, RadarSiteCount> SiteMapRecords{{\n"
        + "\n".join(records) + "\n}};\n\n"
        "inline constexpr std::array<TRadarOrigin, RadarSiteCount> SiteLongRangeOrigins{{\n"
        + "\n".join(origins) + "\n}};\n\n"
        "}  // namespace orbelune\n"
    )
    write_generated("weather/RadarSitesTerms.h", "gen_radar_sites.py",
                    "../shared/data/nexrad-stations.txt", body)
    write_test_data("radar_sites.csv",
                    "# Generated by tools/gen_radar_sites.py from nexrad-stations.txt: the "
                    "station of each radar site\nlocation,code,icao,latitude,longitude", rows)


if __name__ == "__main__":
    main()
