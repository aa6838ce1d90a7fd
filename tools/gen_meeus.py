#!/usr/bin/env python3
"""Write engine/moonTerms.h from the Meeus periodic-term tables in ../shared/data/meeus:
the 31 nutation rows, the moon's 60 + 60 longitude/distance and latitude rows, and the
moon phase corrections (periodic and planetary terms).

The quick lunar position sums the longitude and distance rows whose coefficient is
not zero (59 and 46 of the 60) and the first 48 latitude rows. Where such a count
leaves a choice of rows open the terms of largest amplitude belong in it; the book
orders the latitude table by amplitude, which this tool checks so that a reordered
data file cannot silently change the terms used."""
import os
from decimal import Decimal

from tablegen import DATA, read_csv, write_generated

MEEUS = os.path.join(DATA, "meeus")
SOURCES = ("nutation.csv, moon_longitude_distance.csv, moon_latitude.csv, "
           "moon_phase_terms.csv, moon_phase_planetary.csv")


def rows(name):
    return read_csv(os.path.join(MEEUS, name))


def times10(text):
    """A rate such as -174.2 stored exactly as the integer -1742."""
    value = Decimal(text) * 10
    if value != value.to_integral_value():
        raise ValueError(f"rate {text} has more than one decimal")
    return int(value)


def real(text):
    """A decimal literal for a long double, written without exponent."""
    return format(Decimal(text), "f") + "L"


def nutation():
    lines = [f"    {{{r['D']}, {r['M']}, {r['Mp']}, {r['F']}, {r['Omega']}, "
             f"{r['S']}, {times10(r['S_T'])}, {r['C']}, {times10(r['C_T'])}}},"
             for r in rows("nutation.csv")]
    return ("// Periodic terms of the nutation (IAU 1980), the 31 largest rows: multipliers of\n"
            "// D, M, M', F, Omega; S and C in 0.0001\", their rates per century times 10.\n"
            "inline constexpr NutationTerm kNutationTerms[] = {\n" + "\n".join(lines) + "\n};\n")


LATITUDE_TERMS_USED = 48


def check_latitude_order(latitude):
    """The first LATITUDE_TERMS_USED latitude rows must be the largest ones."""
    amplitudes = [abs(int(r["Sigma_b"])) for r in latitude]
    if min(amplitudes[:LATITUDE_TERMS_USED]) < max(amplitudes[LATITUDE_TERMS_USED:]):
        raise SystemExit("moon_latitude.csv: the first rows are not the largest terms")


def moon_position():
    latitude = rows("moon_latitude.csv")
    check_latitude_order(latitude)
    lr = [f"    {{{r['D']}, {r['M']}, {r['Mp']}, {r['F']}, {r['Sigma_l']}, {r['Sigma_r']}}},"
          for r in rows("moon_longitude_distance.csv")]
    b = [f"    {{{r['D']}, {r['M']}, {r['Mp']}, {r['F']}, {r['Sigma_b']}}},"
         for r in latitude]
    return ("// The moon's longitude (sine, 0.000001 degree) and distance (cosine, 0.001 km).\n"
            "inline constexpr MoonLongitudeDistanceTerm kMoonLongitudeDistanceTerms[] = {\n"
            + "\n".join(lr) + "\n};\n\n"
            "// The moon's latitude (sine, 0.000001 degree).\n"
            "inline constexpr MoonLatitudeTerm kMoonLatitudeTerms[] = {\n"
            + "\n".join(b) + "\n};\n")


def phase_terms():
    out = []
    for phase, name in (("new", "kNewMoonTerms"), ("full", "kFullMoonTerms"),
                        ("quarter", "kQuarterMoonTerms")):
        lines = [f"    {{{real(r['coefficient_days'])}, {r['E_power']}, {r['Mp']}, {r['M']}, "
                 f"{r['F']}, {r['Omega']}}},"
                 for r in rows("moon_phase_terms.csv") if r["phase"] == phase]
        out.append(f"inline constexpr PhaseTerm {name}[] = {{\n" + "\n".join(lines) + "\n};\n")
    planetary = [f"    {{{real(r['A0_deg'])}, {real(r['per_k_deg'])}, {real(r['T2_deg'])}, "
                 f"{real(r['coefficient_days'])}}},"
                 for r in rows("moon_phase_planetary.csv")]
    return ("// Periodic corrections of the true phase instants (days): coefficient, power of E,\n"
            "// multipliers of M', M, F and Omega in the sine's argument.\n"
            + "\n".join(out) + "\n"
            "// Additional planetary corrections: A = A0 + perK k + T2 T^2 degrees, days sin A.\n"
            "inline constexpr PlanetaryPhaseTerm kPlanetaryPhaseTerms[] = {\n"
            + "\n".join(planetary) + "\n};\n")


HEAD = """#pragma once
// Periodic-term tables of J. Meeus, Astronomical Algorithms (2nd ed., 1998): nutation
// (table 22.A, first 31 rows), the moon's position (tables 47.A and 47.B) and the
// corrections of the moon phase instants (chapter 49).

#include <cstdint>

namespace orbelune {

struct NutationTerm {
    int8_t D, M, Mp, F, Omega;
    int32_t S, S_T10, C, C_T10;
};

struct MoonLongitudeDistanceTerm {
    int8_t D, M, Mp, F;
    int32_t SigmaL, SigmaR;
};

struct MoonLatitudeTerm {
    int8_t D, M, Mp, F;
    int32_t SigmaB;
};

struct PhaseTerm {
    long double Coefficient;
    int8_t EPower, Mp, M, F, Omega;
};

struct PlanetaryPhaseTerm {
    long double A0, PerK, T2, Coefficient;
};

"""


def main():
    body = (HEAD + nutation() + "\n" + moon_position() + "\n" + phase_terms()
            + "\n}  // namespace orbelune\n")
    write_generated("engine/moonTerms.h", os.path.basename(__file__), SOURCES, body)


if __name__ == "__main__":
    main()
