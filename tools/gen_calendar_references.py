#!/usr/bin/python3
"""Write the reference values of the calendar and moon-phase tests into tests/data from
independent programs packaged by Debian: python3-convertdate (Hebrew calendar),
python3-lunardate (Chinese New Year) and python3-ephem (moon phases and illumination,
equinoxes and solstices). Run once with Debian's python3; the tests read only the files written here."""
import os
import random

import ephem
import lunardate
from convertdate import gregorian, hebrew, julian

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data")
GREGORIAN_CHANGE_JD = 2299160.5


def civil(jd):
    """Civil date of a Julian Day: Julian calendar before the change, Gregorian after."""
    return julian.from_jd(jd) if jd < GREGORIAN_CHANGE_JD else gregorian.from_jd(jd)


def write(name, source, header, rows):
    with open(os.path.join(OUT, name), "w", newline="\n") as f:
        f.write(f"# {source}\n{header}\n")
        for row in rows:
            f.write(",".join(str(v) for v in row) + "\n")


def hebrew_years():
    """1 Tishri and 15 Nisan, the length and leap flag of Jewish years 4121 .. 13758
    (civil years 360 .. 9998), every 7th year plus the years 5700 .. 5800."""
    years = sorted(set(range(4121, 13759, 7)) | set(range(5700, 5801)))
    rows = []
    for y in years:
        rosh = civil(hebrew.to_jd(y, 7, 1))
        passover = civil(hebrew.to_jd(y, 1, 15))
        rows.append((y, int(hebrew.year_days(y)), int(hebrew.leap(y)), *rosh, *passover))
    write("hebrew_years.csv", "python3-convertdate 2.4.0 (convertdate.hebrew)",
          "jewish_year,days,leap,tishri1_y,tishri1_m,tishri1_d,nisan15_y,nisan15_m,nisan15_d",
          rows)


def hebrew_dates():
    """2000 civil days drawn at random (fixed seed) from 400-01-01 to 9998-12-31."""
    rng = random.Random(1102)
    first, last = julian.to_jd(400, 1, 1), gregorian.to_jd(9998, 12, 31)
    rows = []
    for _ in range(2000):
        jd = rng.randint(int(first - 0.5), int(last - 0.5)) + 0.5
        rows.append((*civil(jd), *hebrew.from_jd(jd)))
    write("hebrew_dates.csv", "python3-convertdate 2.4.0 (convertdate.hebrew)",
          "year,month,day,jewish_year,jewish_month,jewish_day", rows)


def chinese_new_year():
    rows = []
    for y in range(1901, 2100):
        d = lunardate.LunarDate(y, 1, 1).toSolarDate()
        rows.append((y, d.month, d.day))
    write("chinese_new_year.csv", "python3-lunardate 0.2.0 (LunarDate(year, 1, 1))",
          "year,month,day", rows)


def tt_jd(date):
    """Julian Day in dynamical time of an ephem date (UT): UT plus ephem's Delta-T."""
    return ephem.julian_date(date) + ephem.delta_t(date) / 86400


def moon_phases():
    """The four main phases following 1 January and 1 July of every fifth year
    1600 .. 3400."""
    finders = ((0, ephem.next_new_moon), (2, ephem.next_first_quarter_moon),
               (4, ephem.next_full_moon), (6, ephem.next_last_quarter_moon))
    rows = []
    for year in range(1600, 3401, 5):
        for start in (f"{year}/1/1", f"{year}/7/1"):
            for phase, finder in finders:
                rows.append((phase, f"{tt_jd(finder(start)):.6f}"))
    write("moon_phases.csv",
          "python3-ephem 4.1.4 (next_*_moon), Julian Day in dynamical time (UT + ephem.delta_t)",
          "phase,jde", rows)


def seasons():
    """March equinox and December solstice of every tenth year 1700 .. 2300."""
    rows = []
    for year in range(1700, 2301, 10):
        rows.append((year, 0, f"{tt_jd(ephem.next_vernal_equinox(f'{year}/1/1')):.6f}"))
        rows.append((year, 18, f"{tt_jd(ephem.next_winter_solstice(f'{year}/1/1')):.6f}"))
    write("solar_terms.csv",
          "python3-ephem 4.1.4 (next_vernal_equinox, next_winter_solstice), Julian Day in "
          "dynamical time (UT + ephem.delta_t)", "year,term,jde", rows)


def moon_illumination():
    """The moon's illuminated fraction at 0h dynamical time of 120 days drawn at random
    (fixed seed) from 1900 .. 2100; ephem is asked at the matching Universal Time."""
    rng = random.Random(1103)
    rows = []
    for _ in range(120):
        jde = rng.randint(int(gregorian.to_jd(1900, 1, 1)), int(gregorian.to_jd(2100, 1, 1))) + 0.5
        ut = ephem.Date(jde - 2415020.0)  # ephem counts days from 1899-12-31 12h
        ut = ephem.Date(ut - ephem.delta_t(ut) / 86400)
        rows.append((f"{jde:.1f}", f"{ephem.Moon(ut).moon_phase:.6f}"))
    write("moon_illumination.csv", "python3-ephem 4.1.4 (Moon.moon_phase at UT = TD - ephem.delta_t)",
          "jde,fraction", rows)


if __name__ == "__main__":
    hebrew_years()
    hebrew_dates()
    chinese_new_year()
    moon_phases()
    seasons()
    moon_illumination()
