"""Write the engine's VSOP87 term tables from the published series.

The CSV files list each series from the smallest amplitude to the largest; the
published order is the reverse, and a series "of N terms" is its first N terms in
that order. Any planet of vsop87d.csv or the Earth of vsop87b_earth.csv can be
emitted, complete or truncated per series, with the amplitude scaled and the
constants optionally rounded.

Usage:
  python3 tools/gen_vsop.py            write every table the engine uses
  python3 tools/gen_vsop.py --source vsop87d.csv --planet mars --prefix Mars \
      --counts L=69,46 B=16 R=45 --out engine/MarsTerms.h
                                       write one planet's series (any choice)
"""
import argparse
import os
import sys
from decimal import Decimal, ROUND_HALF_UP

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tablegen import DATA, read_csv, write_generated  # noqa: E402

TOOL = "gen_vsop.py"
# Every table holds the engine's one term type.
TERM_TYPE = "TVSOPTerm"
INCLUDE = "VSOPSeries.h"
COORDS = ("L", "B", "R")
POWERS = 6

# The planets' series: leading terms per coordinate and power of tau.
PLANET_COUNTS = {
    "mercury": ("Mercury", "StMerc", {"L": (38, 16, 10, 8, 6, 1), "B": (14, 11, 9, 7, 2, 0),
                                      "R": (13, 8, 7, 5, 0, 0)}),
    "venus": ("Venus", "StVenus", {"L": (24, 12, 8, 3, 3, 1), "B": (9, 4, 4, 4, 1, 0),
                                   "R": (12, 3, 3, 1, 1, 0)}),
    "mars": ("Mars", "StMars", {"L": (69, 46, 33, 12, 8, 2), "B": (16, 9, 7, 4, 3, 0),
                                "R": (45, 27, 11, 6, 4, 0)}),
    "jupiter": ("Jupiter", "StJup", {"L": (64, 61, 57, 39, 19, 5), "B": (26, 22, 14, 9, 6, 1),
                                     "R": (46, 43, 36, 28, 15, 7)}),
    "saturn": ("Saturn", "StSaturn", {"L": (90, 79, 63, 48, 22, 8), "B": (34, 32, 29, 21, 12, 2),
                                      "R": (44, 38, 32, 28, 23, 18)}),
    "uranus": ("Uranus", "StUranus", {"L": (91, 57, 35, 18, 4, 0), "B": (28, 20, 11, 4, 1, 0),
                                      "R": (59, 35, 18, 10, 2, 0)}),
    "neptune": ("Neptune", "StNeptun", {"L": (38, 18, 7, 4, 1, 0), "B": (17, 13, 6, 4, 1, 0),
                                        "R": (32, 15, 5, 1, 0, 0)}),
}

# The Sun's position for the planets and the Sun vector: the Earth referred to the
# fixed ecliptic J2000, truncated.
EARTH_J2000_COUNTS = {"L": (39, 20, 8, 4), "B": (5, 7, 4, 3), "R": (40, 10, 6)}


def load_series(source, planet):
    """{(coordinate, power): [(A, B, C) as Decimal]} in the published order."""
    series = {}
    for row in read_csv(os.path.join(DATA, source)):
        if row["Planet"].lower() != planet:
            continue
        key = (row["Variable"].upper(), int(row["Exponent"]))
        series.setdefault(key, []).append(tuple(Decimal(row[c]) for c in "ABC"))
    if not series:
        sys.exit(f"{source}: no rows for planet '{planet}'")
    return {key: rows[::-1] for key, rows in series.items()}


def truncate(series, counts):
    """Keep the first N terms of each series; counts maps coordinate -> N per power
    (missing powers and N = 0 drop the series). counts None keeps everything."""
    if counts is None:
        return series
    kept = {}
    for (coord, power), rows in series.items():
        wanted = counts.get(coord, ())
        n = wanted[power] if power < len(wanted) else 0
        if n > len(rows):
            sys.exit(f"{coord}{power} has {len(rows)} terms, {n} asked")
        if n:
            kept[(coord, power)] = rows[:n]
    for coord, wanted in counts.items():
        for power, n in enumerate(wanted):
            if n and (coord, power) not in series:
                sys.exit(f"{coord}{power} does not exist")
    return kept


def rounded(value, digits):
    """At most `digits` significant digits and at most `digits` decimal places."""
    if digits is None or value == 0:
        return value
    places = min(digits, digits - value.adjusted() - 1)
    return value.quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)


def literal(value):
    text = format(value.normalize(), "f")
    if "." not in text:
        text += ".0"
    return text


def term_lines(rows, scale, digits):
    return [f"    {{{literal(rounded(a, digits).scaleb(scale))}, "
            f"{literal(rounded(b, digits))}, {literal(rounded(c, digits))}}},"
            for a, b, c in rows]


def emit_block(source, planet, prefix, out, counts=None, scale=0, digits=None):
    """One constant block of every term, in the order R, B, L and by power, and per
    coordinate the six series by power of tau as views into the block."""
    series = truncate(load_series(source, planet), counts)
    lines, index, first = [], {c: [] for c in COORDS}, 0
    for coord in ("R", "B", "L"):
        for power in range(POWERS):
            rows = series.get((coord, power), [])
            if rows:
                lines.append(f"    // {coord}{power}: {len(rows)} terms")
                lines += term_lines(rows, scale, digits)
            index[coord].append(f"TVSOPSeries({prefix}Terms + {first}, {len(rows)})"
                                if rows else "TVSOPSeries()")
            first += len(rows)
    body = [f'#pragma once\n\n#include "{INCLUDE}"\n', "namespace orbelune {\n",
            f"// A cos(B + C tau), A in 1e-{scale} radians or AU; {first} terms.",
            f"inline constexpr {TERM_TYPE} {prefix}Terms[{first}] = {{"] + lines + ["};\n"]
    body.append("// The series by power of tau 0..5.")
    for coord in COORDS:
        body.append(f"inline constexpr TVSOPCoordinate {prefix}{coord} = {{\n    "
                    + ",\n    ".join(index[coord]) + "};")
    body.append("\n}  // namespace orbelune")
    write_generated(out, TOOL, source, "\n".join(body) + "\n")


def emit_series(source, planet, prefix, out, counts=None, scale=0, digits=None):
    """One array per series and, per coordinate, the six series by power of tau
    (empty where the power has no terms)."""
    series = truncate(load_series(source, planet), counts)
    unit = "1e-%d radians or AU" % scale if scale else "radians or AU"
    body = [f'#pragma once\n\n#include "{INCLUDE}"\n',
            "namespace orbelune {\n", f"// A cos(B + C tau): A in {unit}, B in radians, "
            "C in radians per Julian millennium.\n"]
    for coord in COORDS:
        names = []
        for power in range(POWERS):
            rows = series.get((coord, power))
            if not rows:
                names.append("{}")
                continue
            name = f"{prefix}{coord}{power}"
            names.append(name)
            body.append(f"inline constexpr {TERM_TYPE} {name}[{len(rows)}] = {{")
            body += term_lines(rows, scale, digits) + ["};\n"]
        body.append(f"inline constexpr TVSOPCoordinate {prefix}{coord} = "
                    f"{{{', '.join(names)}}};\n")
    body.append("}  // namespace orbelune")
    write_generated(out, TOOL, source, "\n".join(body) + "\n")


def write_engine_tables():
    emit_block("vsop87d.csv", "earth", "VSOPEarth", "engine/vsopTerms.h", scale=8)
    emit_series("vsop87b_earth.csv", "earth", "EarthJ2000", "engine/SunJ2000Terms.h",
                counts=EARTH_J2000_COUNTS, scale=8)
    for planet, (prefix, unit, counts) in PLANET_COUNTS.items():
        emit_series("vsop87d.csv", planet, prefix, f"engine/{unit}Terms.h", counts=counts,
                    digits=11)


def parse_counts(items):
    counts = {}
    for item in items:
        coord, _, numbers = item.partition("=")
        if coord not in COORDS or not numbers:
            sys.exit(f"bad count '{item}': expected e.g. L=38,16,10")
        counts[coord] = tuple(int(n) for n in numbers.split(","))
    return counts


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--source", help="vsop87d.csv or vsop87b_earth.csv")
    parser.add_argument("--planet", help="planet name as in the file, e.g. mars")
    parser.add_argument("--prefix", help="C++ name prefix, e.g. Mars")
    parser.add_argument("--out", help="output path relative to the repository")
    parser.add_argument("--counts", nargs="*", help="terms per power, e.g. L=38,16 B=14")
    parser.add_argument("--scale", type=int, default=0, help="A times 10^scale")
    parser.add_argument("--digits", type=int, help="round to this many digits")
    parser.add_argument("--block", action="store_true", help="one block with an index")
    args = parser.parse_args()
    if args.source is None:
        write_engine_tables()
        return
    if not (args.planet and args.prefix and args.out):
        parser.error("--source needs --planet, --prefix and --out")
    emit = emit_block if args.block else emit_series
    emit(args.source, args.planet.lower(), args.prefix, args.out,
         counts=parse_counts(args.counts) if args.counts else None, scale=args.scale,
         digits=args.digits)


if __name__ == "__main__":
    main()
