#!/usr/bin/python3
"""Reference values for the sun, moon, sidereal-time and moonrise tests, computed
once with python3-ephem (PyEphem, Debian package) and written to tests/data/.
The tests only read the files; run this again only to regenerate them:

    /usr/bin/python3 tools/ref_astro_ephem.py

Instants are given as a day number (days since 1600-01-01) and seconds of the UT
day. The engine uses Universal Time as dynamical time, so positions are taken from
ephem at the dynamical time equal to the given instant (ephem's own Delta-T
removed); sidereal time, altitude/azimuth and rise/set are plain Universal Time.
"""
import datetime
import math
import os
import random

import ephem

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data")
DAY0 = datetime.date(1600, 1, 1).toordinal()
DJD0 = 2415020.0  # ephem dates count days from 1899-12-31 12:00 UT
RAD = 180.0 / math.pi


def day_number(date):
    return date.toordinal() - DAY0


def ephem_ut(day, seconds):
    """ephem.Date of a day number and seconds of the day (UT)."""
    date = datetime.date.fromordinal(day + DAY0)
    return ephem.Date(datetime.datetime(date.year, date.month, date.day)) + seconds / 86400.0


def ephem_at_tt(ut):
    """ephem.Date whose dynamical time equals the instant `ut` read as dynamical time."""
    d = ut
    for _ in range(3):
        d = ut - ephem.delta_t(d) / 86400.0
    return ephem.Date(d)


def header(f, what):
    f.write(f"# {what}\n# Source: python3-ephem {ephem.__version__} (tools/ref_astro_ephem.py)\n")


def instants(rng, count, first_year, last_year):
    out = []
    lo = day_number(datetime.date(first_year, 1, 1))
    hi = day_number(datetime.date(last_year, 12, 31))
    for _ in range(count):
        out.append((rng.randint(lo, hi), rng.randint(0, 86399)))
    return sorted(out)


def sidereal(rng):
    with open(os.path.join(OUT, "sidereal_ephem.csv"), "w") as f:
        header(f, "Greenwich apparent sidereal time (degrees) at UT instants 1600-3999")
        f.write("day,seconds,gast_deg\n")
        obs = ephem.Observer()
        obs.lon, obs.lat, obs.elevation, obs.pressure = "0", "0", 0, 0
        for day, sec in instants(rng, 300, 1600, 3999):
            obs.date = ephem_ut(day, sec)
            f.write(f"{day},{sec},{float(obs.sidereal_time()) * RAD:.9f}\n")


def sun_moon(rng):
    with open(os.path.join(OUT, "sun_moon_ephem.csv"), "w") as f:
        header(f, "Sun astrometric J2000 RA/Dec and apparent geocentric RA/Dec of date; Moon apparent geocentric RA/Dec of date, "
                  "distance (km), signed elongation and illuminated fraction; degrees; "
                  "ephem evaluated at dynamical time = the instant")
        f.write("day,seconds,sun_ra_j2000,sun_dec_j2000,sun_ra,sun_dec,moon_ra,moon_dec,moon_km,moon_elong,moon_illum,"
                "moon_diam_deg\n")
        sun, moon = ephem.Sun(), ephem.Moon()
        for day, sec in instants(rng, 400, 1700, 2300):
            t = ephem_at_tt(ephem_ut(day, sec))
            sun.compute(t, epoch=ephem.J2000)
            ra2000, dec2000 = float(sun.a_ra) * RAD, float(sun.a_dec) * RAD
            sun.compute(t, epoch=t)
            moon.compute(t, epoch=t)
            f.write(f"{day},{sec},{ra2000:.7f},{dec2000:.7f},"
                    f"{float(sun.ra) * RAD:.7f},{float(sun.dec) * RAD:.7f},"
                    f"{float(moon.ra) * RAD:.7f},{float(moon.dec) * RAD:.7f},"
                    f"{moon.earth_distance * ephem.meters_per_au / 1000.0:.3f},"
                    f"{float(moon.elong) * RAD:.6f},{moon.moon_phase:.6f},"
                    f"{moon.size / 3600.0:.7f}\n")


PLACES = [
    ("Quito", -0.2, -78.5),
    ("Singapore", 1.3, 103.8),
    ("Sydney", -33.9, 151.2),
    ("New York", 40.7, -74.0),
    ("London", 51.5, -0.1),
    ("Reykjavik", 64.1, -21.9),
    ("Tromso", 69.65, 18.96),
    ("Longyearbyen", 78.2, 15.6),
    ("McMurdo", -77.85, 166.67),
]


def upper_limb_margin(obs, moon, when):
    """Altitude of the Moon's upper limb above the -34' horizon, degrees."""
    obs.date = when
    moon.compute(obs)
    return (float(moon.alt) + float(moon.radius)) * RAD + 34.0 / 60.0


def events(obs, moon, start, end, step=1.0 / 144):
    """Rises and sets of the upper limb at the -34' horizon in [start, end), the
    least and greatest margin over the interval."""
    rises, sets = [], []
    t0 = start
    m0 = upper_limb_margin(obs, moon, t0)
    lo = hi = m0
    while t0 < end:
        t1 = min(t0 + step, end)
        m1 = upper_limb_margin(obs, moon, t1)
        lo, hi = min(lo, m1), max(hi, m1)
        if (m0 < 0) != (m1 < 0):
            a, b, ma = t0, t1, m0
            while b - a > 0.1 / 86400:
                c = (a + b) / 2
                mc = upper_limb_margin(obs, moon, c)
                if (mc < 0) == (ma < 0):
                    a, ma = c, mc
                else:
                    b = c
            t = (a + b) / 2
            if t < end:
                (rises if m0 < 0 else sets).append(t)
        t0, m0 = t1, m1
    return rises, sets, lo, hi


def moonrise_days(obs, moon, first, last):
    """Rows of the days first..last: place columns left to the caller."""
    for day in range(first, last + 1):
        start = ephem_ut(day, 0)
        rises, sets, lo, hi = events(obs, moon, start, start + 1)
        secs = lambda ts: ";".join(str(int(round((t - start) * 86400))) for t in ts)
        yield day, f"{day},{secs(rises)},{secs(sets)},{lo:.4f},{hi:.4f}", rises, sets


def observer(lat, lon):
    obs = ephem.Observer()
    obs.lat, obs.lon = str(lat), str(lon)
    obs.elevation, obs.pressure = 0, 0
    return obs


def moonrise():
    with open(os.path.join(OUT, "moonrise_ephem.csv"), "w") as f:
        header(f, "Moonrise and moonset 2024 (UT seconds of the day, ';' between events of "
                  "one day): upper limb at -34' (no refraction model, height 0), topocentric; "
                  "least and greatest margin of the upper limb above that horizon (degrees)")
        f.write("place,lat,lon,day,rises,sets,min_margin,max_margin\n")
        moon = ephem.Moon()
        for name, lat, lon in PLACES:
            first = day_number(datetime.date(2023, 12, 31))
            last = day_number(datetime.date(2025, 1, 1))
            for _, row, _, _ in moonrise_days(observer(lat, lon), moon, first, last):
                f.write(f"{name},{lat},{lon},{row}\n")


def moonrise_gaps():
    """The days without a moonrise or without a moonset of four years far apart."""
    with open(os.path.join(OUT, "moonrise_gaps_ephem.csv"), "w") as f:
        header(f, "Days without a moonrise or without a moonset in 1650, 1850, 2100 and "
                  "2300; columns as in moonrise_ephem.csv")
        f.write("place,lat,lon,day,rises,sets,min_margin,max_margin\n")
        moon = ephem.Moon()
        for name, lat, lon in PLACES[:5]:
            for year in (1650, 1850, 2100, 2300):
                first = day_number(datetime.date(year, 1, 1))
                last = day_number(datetime.date(year, 12, 31))
                for _, row, rises, sets in moonrise_days(observer(lat, lon), moon, first, last):
                    if not rises or not sets:
                        f.write(f"{name},{lat},{lon},{row}\n")


def phases():
    with open(os.path.join(OUT, "phases_ephem.csv"), "w") as f:
        header(f, "Instants of the main lunar phases as JDE (ephem's UT plus its Delta-T)")
        f.write("k,new,first,full,last\n")
        finders = [ephem.next_new_moon, ephem.next_first_quarter_moon, ephem.next_full_moon,
                   ephem.next_last_quarter_moon]
        for k in range(-3700, 3700, 37):
            guess = 2451550.09765 + 29.530588853 * k - DJD0 - 3.0
            row = [str(k)]
            t = guess
            for find in finders:
                t = find(ephem.Date(t))
                jde = float(t) + DJD0 + ephem.delta_t(t) / 86400.0
                row.append(f"{jde:.6f}")
            f.write(",".join(row) + "\n")


def altaz(rng):
    with open(os.path.join(OUT, "altaz_ephem.csv"), "w") as f:
        header(f, "Topocentric altitude and azimuth (degrees, azimuth from north through "
                  "east, no refraction, height 0) of the Sun and the Moon at UT instants "
                  "2000-2040")
        f.write("day,seconds,lat,lon,sun_alt,sun_az,moon_alt,moon_az\n")
        sun, moon = ephem.Sun(), ephem.Moon()
        for day, sec in instants(rng, 200, 2000, 2040):
            lat = rng.uniform(-70.0, 70.0)
            lon = rng.uniform(-180.0, 180.0)
            obs = ephem.Observer()
            obs.lat, obs.lon = str(lat), str(lon)
            obs.elevation, obs.pressure = 0, 0
            obs.date = ephem_ut(day, sec)
            sun.compute(obs)
            moon.compute(obs)
            f.write(f"{day},{sec},{lat:.4f},{lon:.4f},{float(sun.alt) * RAD:.6f},"
                    f"{float(sun.az) * RAD:.6f},{float(moon.alt) * RAD:.6f},"
                    f"{float(moon.az) * RAD:.6f}\n")


def main():
    rng = random.Random(20241107)
    os.makedirs(OUT, exist_ok=True)
    sidereal(rng)
    sun_moon(rng)
    phases()
    altaz(rng)
    moonrise()
    moonrise_gaps()


if __name__ == "__main__":
    main()
