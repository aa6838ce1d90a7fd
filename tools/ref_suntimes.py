"""Reference values for the sun-time, zone and holiday tests, made once from
independent programs of Debian and committed under tests/data. Run with the system
interpreter: /usr/bin/python3 tools/ref_suntimes.py

  equinox_ephem.csv        equinox and solstice instants 1650-3000 from python3-ephem,
                           as dynamical time (ephem's UT plus ephem's own Delta-T)
  sunrise_ephem.csv        sunrise and sunset from python3-ephem for the sun's centre at
                           the horizon -0:50 without refraction (the almanac zenith)
  zone_transitions.csv     transitions 1990-2040 of five zones, from zdump (tzdata)
  holidays_reference.csv   holiday dates from python3-holidays, python3-dateutil
                           (Easter, n-th weekdays) and python3-convertdate (Hebrew dates)
"""
import datetime
import math
import os
import subprocess
import sys

import convertdate
import dateutil
import ephem
import holidays
from convertdate import hebrew
from dateutil import easter
from dateutil.relativedelta import MO, SU, TH, relativedelta

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
DUBLIN_JD = 2415020.0  # Julian Date of ephem's day 0


def write(name, header, rows):
    path = os.path.join(REPO, "tests", "data", name)
    with open(path, "w", newline="\n") as f:
        f.write(header + "\n")
        for row in rows:
            f.write(",".join(str(v) for v in row) + "\n")
    print(f"wrote tests/data/{name} ({len(rows)} rows)", file=sys.stderr)


def equinoxes():
    rows = []
    finders = [("MAR", ephem.next_vernal_equinox), ("JUN", ephem.next_summer_solstice),
               ("SEP", ephem.next_autumnal_equinox), ("DEC", ephem.next_winter_solstice)]
    years = sorted(set(list(range(1650, 3001, 10)) + [1962, 2000, 2024]))
    for year in years:
        for event, finder in finders:
            d = finder(ephem.Date(f"{year}/1/1"))
            jd_tt = float(d) + DUBLIN_JD + ephem.delta_t(d) / 86400.0
            rows.append([year, event, f"{jd_tt:.6f}"])
    write("equinox_ephem.csv",
          f"# Source: python3-ephem {ephem.__version__} (tools/ref_suntimes.py), "
          "next_*_equinox/solstice from 1 January, as dynamical-time Julian Date\n"
          "# year,event,JDE", rows)


PLACES = [  # name, latitude, longitude, elevation (m)
    ("Equator", 0.0, 0.0, 0), ("Quito", -0.22, -78.51, 0), ("Singapore", 1.35, 103.82, 0),
    ("Mexico City", 19.43, -99.13, 0), ("Tokyo", 35.68, 139.69, 0),
    ("New York", 40.71, -74.01, 0), ("Sydney", -33.87, 151.21, 0),
    ("London", 51.51, -0.13, 0), ("Ushuaia", -54.80, -68.30, 0),
    ("Helsinki", 60.17, 24.94, 0), ("Fairbanks", 64.84, -147.72, 0),
    ("Tromso", 69.65, 18.96, 0), ("Longyearbyen", 78.22, 15.65, 0),
    ("McMurdo", -77.85, 166.67, 0), ("Denver", 39.74, -104.99, 1609),
]
DAYS = [(2024, m, d) for m in range(1, 13) for d in (1, 15)] + [
    (1980, 6, 21), (1980, 12, 21), (2000, 3, 20), (2050, 9, 23)]


def sunrise():
    rows = []
    sun = ephem.Sun()
    for name, lat, lon, elevation in PLACES:
        obs = ephem.Observer()
        obs.lat, obs.lon = str(lat), str(lon)
        obs.elevation = 0
        obs.pressure = 0
        dip = 0.0195 * math.sqrt(elevation)
        obs.horizon = str(-(50.0 / 60.0 + dip))
        for year, month, day in DAYS:
            # The local day at this longitude, in UT.
            start = ephem.Date(f"{year}/{month}/{day}") - lon / 15.0 / 24.0
            for rising in (1, 0):
                obs.date = start
                try:
                    ev = (obs.next_rising if rising else obs.next_setting)(sun, use_center=True)
                    hours = (float(ev) - float(start)) * 24.0
                    if hours >= 24.0:
                        continue  # no such event within this local day
                    ut = (float(ev) - math.floor(float(ev) - 0.5) - 0.5) * 24.0
                    rows.append([name, lat, lon, elevation, year, month, day, rising,
                                 f"{ut:.5f}"])
                except ephem.NeverUpError:
                    rows.append([name, lat, lon, elevation, year, month, day, rising, -2])
                except ephem.AlwaysUpError:
                    rows.append([name, lat, lon, elevation, year, month, day, rising, -3])
    write("sunrise_ephem.csv",
          f"# Source: python3-ephem {ephem.__version__} (tools/ref_suntimes.py), sun's "
          "centre, horizon -0:50 less the dip 0.0195 sqrt(elevation), pressure 0; "
          "UT hours, -2 never rises, -3 never sets\n"
          "# place,latitude,longitude,elevation_m,year,month,day,rising,ut_hours", rows)


ZONES = ["America/New_York", "Europe/London", "Australia/Sydney", "Asia/Kolkata", "Etc/UTC"]


def zone_transitions():
    rows = []
    for zone in ZONES:
        out = subprocess.run(["zdump", "-v", "-c", "1990,2041", zone], check=True,
                             capture_output=True, text=True).stdout.splitlines()
        lines = [l for l in out if " UT = " in l]
        # zdump prints each transition as the second before it and the second at it.
        for before, at in zip(lines[0::2], lines[1::2]):
            ut = " ".join(at.split(" UT = ")[0].split()[1:])
            when = datetime.datetime.strptime(ut, "%a %b %d %H:%M:%S %Y")
            unix = int(when.replace(tzinfo=datetime.timezone.utc).timestamp())

            def fields(line):
                parts = line.split()
                return (parts[-3], parts[-2].split("=")[1], parts[-1].split("=")[1])
            name_b, dst_b, off_b = fields(before)
            name_a, dst_a, off_a = fields(at)
            rows.append([zone, unix, off_b, dst_b, name_b, off_a, dst_a, name_a])
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "tzdata"],
                             capture_output=True, text=True).stdout
    write("zone_transitions.csv",
          f"# Source: zdump -v -c 1990,2041 over tzdata {version} (tools/ref_suntimes.py)\n"
          "# zone,unix_seconds,offset_before,isdst_before,name_before,offset_after,"
          "isdst_after,name_after", rows)


def holiday_rows():
    rows = []
    us_names = {"New Year's Day": "New Year's Day",
                "Martin Luther King, Jr. Day": "Martin L. King",
                "Washington's Birthday": "Wash. Birthday", "Memorial Day": "Memorial Day",
                "Independence Day": "Fourth of July", "Labor Day": "Labor Day",
                "Columbus Day": "Columbus Day", "Veterans Day": "Veterans Day",
                "Thanksgiving": "Thanksgiving", "Christmas Day": "Christmas"}
    for year in range(1986, 2100):
        for day, name in sorted(holidays.US(years=year).items()):
            if name in us_names and day.year == year:
                rows.append([year, us_names[name], day.isoformat(), "python3-holidays"])
    for year in range(1600, 3001):
        rows.append([year, "Easter", easter.easter(year, easter.EASTER_WESTERN).isoformat(),
                     "python3-dateutil"])
        rows.append([year, "Orthodox Easter",
                     easter.easter(year, easter.EASTER_ORTHODOX).isoformat(),
                     "python3-dateutil"])
    for year in range(1900, 2101):
        for name, month, rule in [("Mother's Day", 5, SU(+2)), ("Father's Day", 6, SU(+3)),
                                  ("Memorial Day", 5, MO(-1))]:
            base = datetime.date(year, month, 1) + (relativedelta(day=31) if rule.n < 0
                                                    else relativedelta())
            rows.append([year, name, (base + relativedelta(weekday=rule)).isoformat(),
                         "python3-dateutil"])
        election = (datetime.date(year, 11, 1) + relativedelta(weekday=MO(+1))
                    + datetime.timedelta(days=1))
        rows.append([year, "Election Day", election.isoformat(), "python3-dateutil"])
        thanks = datetime.date(year, 11, 1) + relativedelta(weekday=TH(+4))
        rows.append([year, "Thanksgiving", thanks.isoformat(), "python3-dateutil"])
    for year in range(1700, 2401):
        passover = hebrew.to_gregorian(year + 3760, 1, 15)
        rosh = hebrew.to_gregorian(year + 3761, 7, 1)
        hy = hebrew.from_gregorian(year, 12, 15)[0]
        hanukah = hebrew.to_gregorian(hy, 9, 25)
        for name, ymd in [("Passover Day 1", passover), ("Jewish New Year", rosh),
                          ("Hanukah Day 1", hanukah)]:
            rows.append([year, name, datetime.date(*ymd).isoformat(), "python3-convertdate"])
    # Later, 25 Kislev comes as late as 1 or 2 January of the next year: those years.
    for year in range(2401, 3430):
        hanukah = hebrew.to_gregorian(hebrew.from_gregorian(year, 12, 15)[0], 9, 25)
        if hanukah[0] != year:
            rows.append([year, "Hanukah Day 1", datetime.date(*hanukah).isoformat(),
                         "python3-convertdate"])
    write("holidays_reference.csv",
          f"# Source: python3-holidays {holidays.__version__} (United States, observed days "
          f"left out), python3-dateutil {dateutil.__version__} (easter, relativedelta), "
          f"python3-convertdate {convertdate.__version__} (hebrew); tools/ref_suntimes.py\n"
          "# year,name,date,source", rows)


def main():
    equinoxes()
    sunrise()
    zone_transitions()
    holiday_rows()


if __name__ == "__main__":
    main()
