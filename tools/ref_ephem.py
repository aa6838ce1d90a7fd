"""Reference values for the tests from python3-ephem (Debian), run once with
/usr/bin/python3; the output is committed under tests/data.

The engine takes its Julian Day as dynamical time, while ephem takes Universal Time
and adds its own Delta-T; each date is therefore handed to ephem as the UT whose
dynamical time is the wanted Julian Day.

  earth_lbr_ephem.csv      the Earth's heliocentric L, B (degrees, ecliptic and
                           equinox of date) and R (AU), 1600-3000
  planets_radec_ephem.csv  astrometric geocentric RA, Dec (degrees, equinox of date)
                           and elongation (degrees) of the eight bodies, 1700-2300
"""
import math
import os
import sys

import ephem

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tablegen import write_test_data  # noqa: E402

TDATETIME_JD = 2415018.5  # Julian Date of TDateTime 0
DUBLIN_JD = 2415020.0     # Julian Date of ephem's day 0

EARTH_DATES = [2305447.5, 2323740.25, 2342052.75, 2378496.5, 2396759.125, 2415020.5,
               2433282.875, 2451545.0, 2460310.5, 2469807.25, 2524593.5, 2597641.5,
               2670690.5, 2743738.5, 2816787.5]
PLANET_DATES = [2341972.5, 2360233.75, 2378496.5, 2396758.25, 2415020.5, 2424152.0,
                2433282.5, 2442413.5, 2446431.5, 2451545.0, 2453005.5, 2456658.5,
                2460310.5, 2460493.3, 2466154.5, 2469807.5, 2479000.5, 2488069.5,
                2506331.5, 2524593.5, 2542855.5, 2561117.5]
BODIES = [("Mercury", ephem.Mercury), ("Venus", ephem.Venus), ("Mars", ephem.Mars),
          ("Jupiter", ephem.Jupiter), ("Saturn", ephem.Saturn), ("Uranus", ephem.Uranus),
          ("Neptune", ephem.Neptune), ("Pluto", ephem.Pluto)]


def ephem_date(jd_tt):
    """The ephem date (UT) whose dynamical time is jd_tt."""
    tt = jd_tt - DUBLIN_JD
    ut = tt
    for _ in range(8):
        ut = tt - ephem.delta_t(ephem.Date(ut)) / 86400.0
    return ephem.Date(ut)


def main():
    rows = []
    for jd in EARTH_DATES:
        d = ephem_date(jd)
        sun = ephem.Sun()
        sun.compute(d, epoch=d)
        rows.append([f"{jd - TDATETIME_JD:.6f}", f"{math.degrees(sun.hlon):.9f}",
                     f"{math.degrees(sun.hlat):.9f}", f"{sun.earth_distance:.10f}"])
    write_test_data("earth_lbr_ephem.csv",
          f"# Source: python3-ephem {ephem.__version__} (tools/ref_ephem.py), Sun hlon, "
          "hlat, earth_distance, equinox of date, at the dynamical time given\n"
          "# TDateTime,L_deg,B_deg,R_au", rows)

    rows = []
    for jd in PLANET_DATES:
        d = ephem_date(jd)
        for name, body_class in BODIES:
            body = body_class()
            body.compute(d, epoch=d)
            rows.append([f"{jd:.6f}", name, f"{math.degrees(body.a_ra):.7f}",
                         f"{math.degrees(body.a_dec):.7f}",
                         f"{abs(math.degrees(body.elong)):.7f}"])
    write_test_data("planets_radec_ephem.csv",
          f"# Source: python3-ephem {ephem.__version__} (tools/ref_ephem.py), astrometric "
          "a_ra, a_dec (equinox of date) and |elong|, at the dynamical time given\n"
          "# JD,body,RA_deg,Dec_deg,Elong_deg", rows)


if __name__ == "__main__":
    main()
