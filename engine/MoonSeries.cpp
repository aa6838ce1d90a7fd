#include "MoonSeries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

#include "SeriesTrig.h"
#include "moonTerms.h"

namespace orbelune {

namespace {

constexpr double DegToRad = 0.017453292519943295769;
constexpr int MaxMultiple = 4;

struct TUnit {
    double Re, Im;  // cosine and sine
};

TUnit operator*(const TUnit& A, const TUnit& B) {
    return {A.Re * B.Re - A.Im * B.Im, A.Re * B.Im + A.Im * B.Re};
}

// e^(ik x) for k = -4 .. 4, at index k + 4.
using TMultiples = std::array<TUnit, 2 * MaxMultiple + 1>;

TMultiples Multiples(long double Degrees) {
    const double x = static_cast<double>(std::fmod(Degrees, 360.0L)) * DegToRad;
    TUnit one{};
    SeriesSinCos(x, one.Im, one.Re);
    TMultiples m{};
    m[MaxMultiple] = {1.0, 0.0};
    m[MaxMultiple + 1] = one;
    m[MaxMultiple + 2] = one * one;
    m[MaxMultiple + 3] = m[MaxMultiple + 2] * one;
    m[MaxMultiple + 4] = m[MaxMultiple + 2] * m[MaxMultiple + 2];
    for (int k = 1; k <= MaxMultiple; ++k)
        m[MaxMultiple - k] = {m[MaxMultiple + k].Re, -m[MaxMultiple + k].Im};
    return m;
}

struct TArguments {
    TMultiples D, M, Mp, F;
    long double E, E2;

    // e^(i (d D + m M + m' M' + f F)) and the factor E^|m| of the row.
    template <typename Row>
    TUnit Term(const Row& Row_, long double& Factor) const {
        const int m = Row_.M < 0 ? -Row_.M : Row_.M;
        Factor = m == 1 ? E : m == 2 ? E2 : 1.0L;
        return D[Row_.D + MaxMultiple] * M[Row_.M + MaxMultiple] * Mp[Row_.Mp + MaxMultiple] *
               F[Row_.F + MaxMultiple];
    }
};

}  // namespace

TMoonSums MoonSeriesSums(long double D, long double M, long double Mp, long double F, long double E,
                         std::size_t LatitudeRows) {
    const TArguments a{Multiples(D), Multiples(M), Multiples(Mp), Multiples(F), E, E * E};
    TMoonSums sums{0.0L, 0.0L, 0.0L};
    long double factor = 1.0L;
    for (const MoonLongitudeDistanceTerm& row : kMoonLongitudeDistanceTerms) {
        const TUnit z = a.Term(row, factor);
        sums.Longitude += row.SigmaL * factor * z.Im;
        sums.Distance += row.SigmaR * factor * z.Re;
    }
    const std::size_t rows = std::min(LatitudeRows, std::size(kMoonLatitudeTerms));
    for (std::size_t i = 0; i < rows; ++i) {
        const TUnit z = a.Term(kMoonLatitudeTerms[i], factor);
        sums.Latitude += kMoonLatitudeTerms[i].SigmaB * factor * z.Im;
    }
    return sums;
}

}  // namespace orbelune
