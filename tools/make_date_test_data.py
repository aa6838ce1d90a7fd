#!/usr/bin/python3
"""Write the reference files of the day-number and Julian Date tests.

tests/data/day_numbers.csv: Gregorian dates 1600..3999 with their day number
(days since 1600-01-01) and TDateTime day (days since 1899-12-30), both counted
by Python's datetime.date.toordinal().

tests/data/julian_dates.csv: dates and seconds of the day with their Julian
Date from python3-convertdate (julian.to_jd before 1582-10-15, gregorian.to_jd
from then on), plus the seconds as a fraction of a day.

Run once with Debian's python3 (it needs python3-convertdate); the tests read
only the files.
"""
import calendar
import datetime
import os
import random

from convertdate import gregorian, julian

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
OUT = os.path.join(REPO, "tests", "data")


def day_number_rows(rng):
    base = datetime.date(1600, 1, 1).toordinal()
    delphi = datetime.date(1899, 12, 30).toordinal()
    dates = set()
    # Every day of the years where the leap rules and the range ends bite.
    for year in (1600, 1700, 1900, 2000, 2100, 2400, 3999):
        d = datetime.date(year, 1, 1)
        while d.year == year:
            dates.add(d)
            d += datetime.timedelta(days=1)
    # The first and last day of every month of every 7th year.
    for year in range(1600, 4000, 7):
        for month in range(1, 13):
            dates.add(datetime.date(year, month, 1))
            dates.add(datetime.date(year, month, calendar.monthrange(year, month)[1]))
    # Random days over the whole range.
    first = datetime.date(1600, 1, 1).toordinal()
    last = datetime.date(3999, 12, 31).toordinal()
    for _ in range(3000):
        dates.add(datetime.date.fromordinal(rng.randint(first, last)))
    for d in sorted(dates):
        yield d.year, d.month, d.day, d.toordinal() - base, d.toordinal() - delphi


def julian_date_rows(rng):
    def jd(y, m, d, s):
        if (y, m, d) < (1582, 10, 15):
            return julian.to_jd(y, m, d) + s / 86400
        return gregorian.to_jd(y, m, d) + s / 86400

    fixed = [(1582, 10, 4, 0), (1582, 10, 15, 0), (2000, 1, 1, 43200), (1957, 10, 4, 69984),
             (1600, 1, 1, 0), (3999, 12, 31, 86399), (1, 1, 1, 0), (1, 3, 1, 0),
             (1582, 10, 4, 86399), (1582, 10, 14, 0), (1582, 2, 28, 3600)]
    rows = list(fixed)
    for _ in range(400):
        y = rng.randint(1, 3999)
        m = rng.randint(1, 12)
        d = rng.randint(1, 28)
        rows.append((y, m, d, rng.randint(0, 86399)))
    for y, m, d, s in rows:
        yield y, m, d, s, jd(y, m, d, s)


def main():
    rng = random.Random(20261209)
    with open(os.path.join(OUT, "day_numbers.csv"), "w", newline="\n") as f:
        f.write("# Source: Python datetime.date.toordinal(); day_number = ordinal - ordinal(1600-01-01),"
                " tdatetime = ordinal - ordinal(1899-12-30). Written by tools/make_date_test_data.py.\n")
        f.write("year,month,day,day_number,tdatetime\n")
        for row in day_number_rows(rng):
            f.write(",".join(str(v) for v in row) + "\n")
    with open(os.path.join(OUT, "julian_dates.csv"), "w", newline="\n") as f:
        f.write("# Source: python3-convertdate 2.4.0 julian.to_jd (before 1582-10-15) and gregorian.to_jd,"
                " plus seconds/86400. Written by tools/make_date_test_data.py.\n")
        f.write("year,month,day,seconds,jd\n")
        for y, m, d, s, v in julian_date_rows(rng):
            f.write(f"{y},{m},{d},{s},{v!r}\n")


if __name__ == "__main__":
    main()
