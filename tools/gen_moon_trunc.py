#!/usr/bin/env python3
"""Write engine/StAstroMoonTerms.h: the periodic terms of the Moon's longitude,
distance and latitude used by the quick lunar position (Meeus, Astronomical
Algorithms, 2nd ed., tables 47.A and 47.B).

Counts: 59 longitude terms, 46 distance terms, 48 latitude terms.
- Longitude: the 59 rows of table 47.A whose sine coefficient is not zero (one of the
  60 rows carries a distance term only), so the table is taken in full.
- Distance: the 46 rows of table 47.A whose cosine coefficient is not zero.
- Latitude: the first 48 rows of table 47.B.
Where a count would leave a choice of rows open, the terms of largest amplitude are
taken (ties keep the book's order). With the counts above this selects exactly the
rows just named: the generator checks that, so a different count or a reordered data
file cannot silently change which terms are used.
"""
import os

from tablegen import DATA, read_csv, write_generated

LONGITUDE_TERMS = 59
DISTANCE_TERMS = 46
LATITUDE_TERMS = 48


def largest(rows, key, count):
    """The `count` rows of largest |key|, in their original order."""
    order = sorted(range(len(rows)), key=lambda i: (-abs(int(rows[i][key])), i))
    keep = sorted(order[:count])
    chosen = [rows[i] for i in keep]
    if any(int(r[key]) == 0 for r in chosen):
        raise SystemExit(f"{key}: fewer than {count} non-zero terms")
    return chosen


def emit(name, rows, key, what):
    lines = [f"// {what}: {len(rows)} terms.",
             f"inline constexpr MoonTerm {name}[] = {{"]
    for r in rows:
        lines.append("    {%d, %d, %d, %d, %d}," % (int(r["D"]), int(r["M"]), int(r["Mp"]),
                                                    int(r["F"]), int(r[key])))
    lines.append("};")
    return "\n".join(lines)


def main():
    ld = read_csv(os.path.join(DATA, "meeus", "moon_longitude_distance.csv"))
    lat = read_csv(os.path.join(DATA, "meeus", "moon_latitude.csv"))

    lon_rows = largest(ld, "Sigma_l", LONGITUDE_TERMS)
    dist_rows = largest(ld, "Sigma_r", DISTANCE_TERMS)
    lat_rows = largest(lat, "Sigma_b", LATITUDE_TERMS)

    # The selection by amplitude must agree with the rule stated above.
    assert lon_rows == [r for r in ld if int(r["Sigma_l"]) != 0]
    assert dist_rows == [r for r in ld if int(r["Sigma_r"]) != 0]
    assert lat_rows == lat[:LATITUDE_TERMS]

    body = "\n".join([
        "// Periodic terms of the Moon's longitude (sine, 1e-6 degree), distance",
        "// (cosine, 1e-3 km) and latitude (sine, 1e-6 degree), each the multiples of",
        "// the arguments D, M, M', F and its coefficient (Meeus, tables 47.A, 47.B).",
        "#pragma once",
        "",
        "#include <cstdint>",
        "",
        "namespace orbelune::moonterms {",
        "",
        "struct MoonTerm {",
        "    int8_t D, M, Mp, F;",
        "    int32_t Coefficient;",
        "};",
        "",
        emit("Longitude", lon_rows, "Sigma_l", "Longitude"),
        "",
        emit("Distance", dist_rows, "Sigma_r", "Distance"),
        "",
        emit("Latitude", lat_rows, "Sigma_b", "Latitude"),
        "",
        "}  // namespace orbelune::moonterms",
        "",
    ])
    write_generated("engine/StAstroMoonTerms.h", "gen_moon_trunc.py",
                    "../shared/data/meeus/moon_longitude_distance.csv and moon_latitude.csv",
                    body)


if __name__ == "__main__":
    main()
