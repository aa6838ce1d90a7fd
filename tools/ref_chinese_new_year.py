#!/usr/bin/python3
"""Chinese New Year before 1900 from python3-ephem's solstices and new moons, for the
years lunardate does not cover. Run once with Debian's python3; the tests read only
tests/data/chinese_new_year_ephem.csv.

Days are Beijing days: local mean time (UTC + 7 h 45 min 40 s) up to 1928. A sui, the
span from one winter-solstice day to the next, holds 12 or 13 new moons after its
first day; with 12 there is no leap month and the new year is the second new moon
after the solstice day. Years whose sui holds 13 are left out (a leap month may then
move the new year), so the file lists only years the plain rule settles.
"""
import math
import os
import sys

import ephem

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tablegen import write_test_data  # noqa: E402

BEIJING_LMT = (7 * 3600 + 45 * 60 + 40) / 86400.0


def beijing_day(date):
    """ephem date (days from 1899-12-31 12:00 UT) of the midnight opening the Beijing day."""
    return math.floor(float(date) + 0.5 + BEIJING_LMT) - 0.5


def new_year(year):
    """(month, day) of the new year, or None when the sui holds 13 new moons."""
    first = beijing_day(ephem.next_solstice(ephem.Date((year - 1, 12, 1))))
    last = beijing_day(ephem.next_solstice(ephem.Date((year, 12, 1))))
    new_moons = []
    date = ephem.Date(first - 2)
    while True:
        date = ephem.next_new_moon(date)
        day = beijing_day(date)
        if day > last:
            break
        if day > first:
            new_moons.append(day)
        date = ephem.Date(date + 1)
    if len(new_moons) != 12:
        return None
    return ephem.Date(new_moons[1] + 0.5).tuple()[1:3]


def main():
    rows = []
    for year in range(1645, 1900):
        found = new_year(year)
        if found:
            rows.append([str(year), str(found[0]), str(found[1])])
    write_test_data("chinese_new_year_ephem.csv",
                    f"# python3-ephem {ephem.__version__}: second new moon after the winter-solstice"
                    " day, Beijing local mean time, years whose sui holds 12 new moons."
                    " Written by tools/ref_chinese_new_year.py.\nyear,month,day", rows)


if __name__ == "__main__":
    main()
