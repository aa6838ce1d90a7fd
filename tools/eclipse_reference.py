"""Reference eclipses for the engine's tests, computed independently of the engine.

Source of the positions: PyEphem (Debian package python3-ephem, the libastro library of
XEphem): apparent geocentric Sun and Moon, apparent sidereal time, its own Delta-T.
This script is run once by hand; the tests only read the files it writes.

Method (Explanatory Supplement to the Astronomical Almanac, 1992, ch. 8):
- Solar eclipses: Besselian elements from the Sun and Moon vectors at each new moon. The
  instant of greatest eclipse is the least distance of the shadow axis from the Earth's
  centre (gamma, in equatorial Earth radii, positive north). With the fundamental plane
  scaled for the Earth's flattening, the axis meeting the Earth makes the eclipse central;
  the umbral or antumbral cone reaching the limb without the axis makes it non-central
  (classed by its cone like a central one); the penumbra reaching it makes it partial.
  A central eclipse is total, annular or annular-total (hybrid) by the sign of the
  umbral radius at the surface along the whole central line.
- Lunar eclipses: at each full moon, the Moon's distance from the centre of the Earth's
  shadow; shadow radii by Danjon's rule (the Earth's mean radius, 0.998340 of the
  equatorial, enlarged by 1/85 for the atmosphere), the rule of the NASA Five Millennium
  Canon of Lunar Eclipses (Espenak and Meeus, 2009); umbral and penumbral magnitudes as
  fractions of the Moon's diameter.
The 21st century (2001-2100) then holds 224 solar eclipses (77 partial, 72 annular, 68
total, 7 annular-total) and 228 lunar ones (86 penumbral, 57 partial, 85 total), the
counts of the NASA canons.
Writes tests/data/eclipses_1900_2100.csv and tests/data/eclipse_central_lines.csv.
"""
import math
import os

import ephem

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "tests", "data"))

AU_ER = 149597870.7 / 6378.137          # astronomical unit in equatorial Earth radii
SUN_RADIUS = 959.63 / 206264.806 * AU_ER  # solar radius in Earth radii
K_PEN = 0.2725076                        # lunar radius (penumbra), Earth radii
K_UMB = 0.272281                         # lunar radius (umbra), Earth radii
E2 = 0.00669438                          # Earth's eccentricity squared (WGS 84)
B_AXIS = math.sqrt(1.0 - E2)             # polar radius in equatorial radii

SUN = ephem.Sun()
MOON = ephem.Moon()


def vec(ra, dec, r):
    return (r * math.cos(dec) * math.cos(ra), r * math.cos(dec) * math.sin(ra), r * math.sin(dec))


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def bodies(t):
    """Apparent geocentric Sun and Moon vectors (Earth radii), equator of date."""
    SUN.compute(t)
    MOON.compute(t)
    s = vec(float(SUN.g_ra), float(SUN.g_dec), SUN.earth_distance * AU_ER)
    m = vec(float(MOON.g_ra), float(MOON.g_dec), MOON.earth_distance * AU_ER)
    return s, m


def besselian(t):
    """x, y, z of the Moon on the fundamental plane, axis direction (a, d), l1, l2, tan f2."""
    s, m = bodies(t)
    g = tuple(si - mi for si, mi in zip(s, m))
    gl = math.sqrt(dot(g, g))
    g = tuple(c / gl for c in g)
    a = math.atan2(g[1], g[0])
    d = math.asin(g[2])
    ex = (-math.sin(a), math.cos(a), 0.0)
    ey = (-math.sin(d) * math.cos(a), -math.sin(d) * math.sin(a), math.cos(d))
    x, y, z = dot(m, ex), dot(m, ey), dot(m, g)
    sf1 = (SUN_RADIUS + K_PEN) / gl
    sf2 = (SUN_RADIUS - K_UMB) / gl
    tf1 = sf1 / math.sqrt(1 - sf1 * sf1)
    tf2 = sf2 / math.sqrt(1 - sf2 * sf2)
    l1 = (z + K_PEN / sf1) * tf1
    l2 = (z - K_UMB / sf2) * tf2
    return dict(x=x, y=y, z=z, a=a, d=d, l1=l1, l2=l2, tf2=tf2, g=g, ex=ex, ey=ey)


def scaled_distance2(b):
    rho1 = math.sqrt(1 - E2 * math.cos(b["d"]) ** 2)
    return b["x"] ** 2 + (b["y"] / rho1) ** 2


def golden_min(f, lo, hi, tol=1e-6):
    r = (math.sqrt(5) - 1) / 2
    c, d = hi - r * (hi - lo), lo + r * (hi - lo)
    fc, fd = f(c), f(d)
    for _ in range(200):
        if hi - lo < tol:
            break
        if fc < fd:
            hi, d, fd = d, c, fc
            c = hi - r * (hi - lo)
            fc = f(c)
        else:
            lo, c, fc = c, d, fd
            d = lo + r * (hi - lo)
            fd = f(d)
    return (lo + hi) / 2


def bisect(f, lo, hi, tol=1e-7):
    """Root of f between lo and hi (f changes sign)."""
    flo = f(lo)
    for _ in range(200):
        if hi - lo < tol:
            break
        mid = (lo + hi) / 2
        fm = f(mid)
        if (fm < 0) == (flo < 0):
            lo, flo = mid, fm
        else:
            hi = mid
    return (lo + hi) / 2


def axis_surface_point(b):
    """Sunward intersection of the shadow axis with the ellipsoid: (vector, zeta) or None."""
    p0 = tuple(b["x"] * u + b["y"] * v for u, v in zip(b["ex"], b["ey"]))
    g = b["g"]
    ps = (p0[0], p0[1], p0[2] / B_AXIS)
    gs = (g[0], g[1], g[2] / B_AXIS)
    qa, qb, qc = dot(gs, gs), dot(ps, gs), dot(ps, ps) - 1
    disc = qb * qb - qa * qc
    if disc < 0:
        return None
    s = (-qb + math.sqrt(disc)) / qa
    return tuple(p + s * c for p, c in zip(p0, g)), s


def solar(t0):
    t = golden_min(lambda u: (lambda b: b["x"] ** 2 + b["y"] ** 2)(besselian(u)), t0 - 0.25, t0 + 0.25)
    b = besselian(t)
    gamma = math.copysign(math.hypot(b["x"], b["y"]), b["y"])
    tc = golden_min(lambda u: scaled_distance2(besselian(u)), t0 - 0.25, t0 + 0.25)
    bc = besselian(tc)
    delta = math.sqrt(scaled_distance2(bc))
    if delta < 1:
        f = lambda u: scaled_distance2(besselian(u)) - 1
        t_in = bisect(f, tc - 0.3, tc)
        t_out = bisect(f, tc, tc + 0.3)
        radii = [besselian(t_in)["l2"], besselian(t_out)["l2"]]
        for i in range(1, 200):
            bi = besselian(t_in + (t_out - t_in) * i / 200)
            hit = axis_surface_point(bi)
            if hit:
                radii.append(bi["l2"] - hit[1] * bi["tf2"])
        if max(radii) < 0:
            kind, note = 5, ""
        elif min(radii) > 0:
            kind, note = 4, ""
        else:
            kind, note = 6, ""
        return t, kind, gamma, -1.0, note
    if delta - 1 < abs(bc["l2"]):
        return t, (5 if bc["l2"] < 0 else 4), gamma, -1.0, "non-central"
    if delta - 1 < bc["l1"]:
        mag = (bc["l1"] - (delta - 1)) / (bc["l1"] + bc["l2"])
        return t, 3, gamma, mag, ""
    return None


def lunar_geometry(t):
    s, m = bodies(t)
    rs, rm = math.sqrt(dot(s, s)), math.sqrt(dot(m, m))
    cosd = -dot(s, m) / (rs * rm)
    dist = math.acos(max(-1.0, min(1.0, cosd)))
    pm, ps = math.asin(1 / rm), math.asin(1 / rs)
    ss, sm = math.asin(SUN_RADIUS / rs), math.asin(K_PEN / rm)
    earth = 0.998340 * (1 + 1 / 85) * pm + ps
    umbra = earth - ss
    penumbra = earth + ss
    return dist, (umbra + sm - dist) / (2 * sm), (penumbra + sm - dist) / (2 * sm), rm


def lunar(t0):
    t = golden_min(lambda u: lunar_geometry(u)[0], t0 - 0.25, t0 + 0.25)
    dist, umag, pmag, rm = lunar_geometry(t)
    if umag >= 1:
        kind, mag = 2, umag
    elif umag > 0:
        kind, mag = 1, umag
    elif pmag > 0:
        kind, mag = 0, pmag
    else:
        return None
    # Signed distance of the Moon from the shadow axis in Earth radii (positive north).
    MOON.compute(t)
    SUN.compute(t)
    sign = 1.0 if float(MOON.g_dec) > -float(SUN.g_dec) else -1.0
    return t, kind, sign * dist * rm, mag, contacts(t, kind)


def contacts(t, kind):
    """Half the time between the outer contacts with the penumbra, between the outer
    contacts with the umbra and between the inner ones (minutes; blank where the kind
    has none), as a blank-separated text."""
    def magnitude(u, which):
        _, umag, pmag, _ = lunar_geometry(u)
        return (pmag, umag, umag - 1)[which]  # zero at the contact

    out = []
    for which in range(3):
        if kind < which:
            out.append("")
            continue
        f = lambda u: magnitude(u, which)
        first = bisect(lambda u: -f(u), t - 0.3, t)
        last = bisect(f, t, t + 0.3)
        out.append(f"{(last - first) / 2 * 1440:.2f}")
    return " ".join(out)


def stamp(t):
    y, mo, d, h, mi, s = ephem.Date(t).tuple()
    sec = round(h * 3600 + mi * 60 + s)
    day = ephem.Date(ephem.Date((y, mo, d)) + sec // 86400)
    y, mo, d, _, _, _ = day.tuple()
    sec %= 86400
    return f"{y:04d}-{mo:02d}-{d:02d}", f"{sec // 3600:02d}:{sec % 3600 // 60:02d}:{sec % 60:02d}"


def catalogue():
    rows = []
    t = ephem.Date("1899/12/1")
    end = ephem.Date("2101/1/31")
    while True:
        t = ephem.next_new_moon(t)
        if t > end:
            break
        r = solar(float(t))
        if r:
            rows.append(r)
    t = ephem.Date("1899/12/1")
    while True:
        t = ephem.next_full_moon(t)
        if t > end:
            break
        r = lunar(float(t))
        if r:
            rows.append(r)
    rows.sort()
    with open(os.path.join(OUT, "eclipses_1900_2100.csv"), "w", newline="\n") as f:
        f.write("# Eclipses 1900-2100 computed by tools/eclipse_reference.py from PyEphem "
                f"{ephem.__version__} (python3-ephem) positions; times UT.\n")
        f.write("# kind: 0 penumbral, 1 partial, 2 total lunar; 3 partial, 4 annular, "
                "5 total, 6 annular-total solar. gamma in Earth radii (solar: shadow axis "
                "from the Earth's centre; lunar: Moon from the shadow axis), positive north. "
                "magnitude: lunar umbral (kinds 1, 2) or penumbral (0); solar partial; -1 central. "
                "note: solar non-central; lunar half-durations in minutes of the penumbral, "
                "umbral and total phases, blank-separated.\n")
        f.write("date,time,kind,gamma,magnitude,note\n")
        for t, kind, gamma, mag, note in rows:
            d, hms = stamp(t)
            if 1900 <= int(d[:4]) <= 2100:
                f.write(f"{d},{hms},{kind},{gamma:.4f},{mag:.4f},{note}\n")


def central_line(date_text):
    """Central line points at each whole 10 minutes of UT within 2 hours of greatest eclipse."""
    t0 = float(ephem.next_new_moon(ephem.Date(date_text) - 2))
    tg = golden_min(lambda u: (lambda b: b["x"] ** 2 + b["y"] ** 2)(besselian(u)), t0 - 0.25, t0 + 0.25)
    start = math.floor((tg - 2 / 24) * 144) / 144
    obs = ephem.Observer()
    obs.lon, obs.lat, obs.pressure = "0", "0", 0
    points = []
    for i in range(0, 30):
        t = start + i / 144
        if t > tg + 2 / 24:
            break
        b = besselian(t)
        hit = axis_surface_point(b)
        if not hit:
            continue
        p = hit[0]
        obs.date = t
        gast = float(obs.sidereal_time())
        lon = math.degrees(math.atan2(p[1], p[0]) - gast)
        lon = (lon + 180) % 360 - 180
        lat = math.degrees(math.atan2(p[2] / (B_AXIS * B_AXIS), math.hypot(p[0], p[1])))
        d, hms = stamp(t)
        points.append((d, hms, lat, lon))
    return points


def central_lines():
    with open(os.path.join(OUT, "eclipse_central_lines.csv"), "w", newline="\n") as f:
        f.write("# Central-line points (geodetic latitude, longitude east) at whole 10 minutes "
                "of UT, computed by tools/eclipse_reference.py from PyEphem "
                f"{ephem.__version__} (python3-ephem) apparent positions and sidereal time.\n")
        f.write("date,time,latitude,longitude\n")
        for day in ("2015/3/20", "2017/8/21", "2023/10/14", "2024/4/8"):
            for d, hms, lat, lon in central_line(day):
                f.write(f"{d},{hms},{lat:.3f},{lon:.3f}\n")


if __name__ == "__main__":
    central_lines()
    catalogue()
