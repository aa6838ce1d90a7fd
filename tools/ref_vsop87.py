"""Reference values for the tests: a short evaluation of the published VSOP87 files,
written apart from the engine (plain Python floats, complete series, its own reading
of the CSV rows). Run once; the output is committed under tests/data.

  earth_lbr_vsop87d_python.csv    the Earth's complete VSOP87D series with the FK5
                                  correction (Meeus eq. 32.3): L, B in degrees, R in AU
  planets_lbr_vsop87d_python.csv  every planet's complete VSOP87D series: L (reduced
                                  to [0, 2 pi)), B in radians, R in AU
  earth_j2000_vsop87b_python.csv  the Earth's complete VSOP87B series, same units
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tablegen import DATA, read_csv, write_test_data  # noqa: E402

TDATETIME_JD = 2415018.5  # Julian Date of TDateTime 0 (1899-12-30 00:00)
# Julian Dates from 1600 to 3000 at assorted times of day.
DATES = [2305447.5, 2323740.25, 2342052.75, 2378496.5, 2396759.125, 2415020.5,
         2433282.875, 2444239.5, 2451545.0, 2451544.5, 2455197.6, 2460310.5,
         2469807.25, 2488069.5, 2524593.5, 2561117.375, 2597641.5, 2670690.5,
         2743738.5, 2816787.5, 2817151.5]


def load(filename):
    series = {}
    for row in read_csv(os.path.join(DATA, filename)):
        key = (row["Planet"].lower(), row["Variable"].upper(), int(row["Exponent"]))
        series.setdefault(key, []).append((float(row["A"]), float(row["B"]), float(row["C"])))
    return series


def coordinate(series, planet, coord, tau):
    # Row order does not matter for a plain sum; smallest terms first is kinder.
    return sum(sum(a * math.cos(b + c * tau) for a, b, c in series.get((planet, coord, p), []))
               * tau ** p for p in range(6))


def fk5(tau, lon, lat):
    t = 10.0 * tau
    lp = lon + math.radians(t * (-1.397 - 0.00031 * t))
    arcsec = math.radians(1.0 / 3600.0)
    dl = (-0.09033 + 0.03916 * (math.cos(lp) + math.sin(lp)) * math.tan(lat)) * arcsec
    db = 0.03916 * (math.cos(lp) - math.sin(lp)) * arcsec
    return lon + dl, lat + db


def main():
    d = load("vsop87d.csv")
    rows = []
    for jd in DATES:
        tau = (jd - 2451545.0) / 365250.0
        lon, lat = fk5(tau, coordinate(d, "earth", "L", tau), coordinate(d, "earth", "B", tau))
        rows.append([f"{jd - TDATETIME_JD:.6f}", f"{math.degrees(lon) % 360.0:.12f}",
                     f"{math.degrees(lat):.12f}", f"{coordinate(d, 'earth', 'R', tau):.14f}"])
    write_test_data("earth_lbr_vsop87d_python.csv",
          "# Source: tools/ref_vsop87.py, complete VSOP87D Earth series of vsop87d.csv with "
          "the FK5 correction, Python floats\n# TDateTime,L_deg,B_deg,R_au", rows)

    rows = []
    for planet in ("mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune"):
        for jd in DATES:
            tau = (jd - 2451545.0) / 365250.0
            lon = coordinate(d, planet, "L", tau) % (2.0 * math.pi)
            rows.append([planet, f"{jd:.6f}", f"{lon:.12f}",
                         f"{coordinate(d, planet, 'B', tau):.12f}",
                         f"{coordinate(d, planet, 'R', tau):.12f}"])
    write_test_data("planets_lbr_vsop87d_python.csv",
          "# Source: tools/ref_vsop87.py, complete VSOP87D series of vsop87d.csv, "
          "Python floats\n# planet,JD,L_rad_reduced,B_rad,R_au", rows)

    b = load("vsop87b_earth.csv")
    rows = []
    for jd in DATES:
        tau = (jd - 2451545.0) / 365250.0
        rows.append([f"{jd:.6f}", f"{coordinate(b, 'earth', 'L', tau) % (2.0 * math.pi):.12f}",
                     f"{coordinate(b, 'earth', 'B', tau):.12f}",
                     f"{coordinate(b, 'earth', 'R', tau):.14f}"])
    write_test_data("earth_j2000_vsop87b_python.csv",
          "# Source: tools/ref_vsop87.py, complete VSOP87B Earth series of "
          "vsop87b_earth.csv, Python floats\n# JD,L_rad_reduced,B_rad,R_au", rows)


if __name__ == "__main__":
    main()
