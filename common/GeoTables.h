#pragma once
// The United States state table and the country table of the place lookup.

#include <array>

namespace orbelune {

struct TUsState {
    const char* Abbrev;  // two-letter postal abbreviation
    const char* Name;
};

// The country codes are the place list's own, not ISO 3166 codes. "United States"
// stands first and again in its alphabetical place; a few codes serve two rows, and a
// lookup by code takes the first.
struct TCountry {
    const char* Name;
    const char* Code;
};

extern const std::array<TUsState, 54> UsStateTable;
extern const std::array<TCountry, 213> CountryTable;

}  // namespace orbelune
