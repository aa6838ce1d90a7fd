"""Writes engine/AstronomyTerms.h: the 24 periodic terms A cos(B + C T) that correct the
mean instant of an equinox or solstice (Meeus, Astronomical Algorithms, table 27.C).
Standard library only; run from anywhere: python3 tools/gen_equinox.py"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tablegen import DATA, read_csv, write_generated  # noqa: E402

SOURCE = "meeus/equinox_periodic.csv"
EXPECTED_ROWS = 24


def main():
    rows = read_csv(os.path.join(DATA, SOURCE))
    if len(rows) != EXPECTED_ROWS:
        sys.exit(f"{SOURCE}: {len(rows)} rows, expected {EXPECTED_ROWS}")
    lines = [f"    {{{int(r['A'])}, {r['B']}L, {r['C']}L}}," for r in rows]
    body = (
        "#pragma once\n"
        "\n"
        "// Periodic terms of the equinox and solstice instants: A cos(B + C T) with A in\n"
        "// units of 0.00001 day, B in degrees, C in degrees per Julian century.\n"
        "\n"
        "namespace orbelune {\n"
        "\n"
        "struct EquinoxTerm {\n"
        "    int A;\n"
        "    long double B;\n"
        "    long double C;\n"
        "};\n"
        "\n"
        "inline constexpr EquinoxTerm EquinoxTerms[] = {\n"
        + "\n".join(lines)
        + "\n};\n"
        "\n"
        "}  // namespace orbelune\n"
    )
    write_generated("engine/AstronomyTerms.h", "gen_equinox.py", "../shared/data/" + SOURCE, body)


if __name__ == "__main__":
    main()
