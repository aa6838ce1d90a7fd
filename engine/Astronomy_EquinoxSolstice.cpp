// Equinox and solstice instants by Meeus's method (Astronomical Algorithms, chapter
// 27): the mean instant from the polynomial of table 27.B (made for the years 1000 to
// 3000 and used here for every year), corrected by the 24 periodic terms of table
// 27.C, then moved from dynamical time to UT with Delta-T. Within about a minute of
// the true instant between 1650 and 3000 besides the uncertainty of Delta-T.
#include "AstroConstants.h"
#include "Astronomy.h"

#include "AstronomyTerms.h"
#include "TimeValue.h"

#include <array>
#include <cctype>
#include <cmath>

namespace orbelune {

namespace {

struct MeanInstantPolynomial {
    const char* Event;
    std::array<long double, 5> Coefficients;  // of y^0 .. y^4, y in millennia from 2000
};

constexpr MeanInstantPolynomial MeanInstants[] = {
    {"MAR", {2451623.80984L, 365242.37404L, 0.05169L, -0.00411L, -0.00057L}},
    {"JUN", {2451716.56767L, 365241.62603L, 0.00325L, 0.00888L, -0.00030L}},
    {"SEP", {2451810.21715L, 365242.01767L, -0.11575L, 0.00337L, 0.00078L}},
    {"DEC", {2451900.05952L, 365242.74049L, -0.06223L, -0.00823L, 0.00032L}},
};

}  // namespace

TDateTime EquinoxSolsticeDate(int Year, const std::string& Event) {
    std::string name;
    for (char c : Event) name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const auto& mean : MeanInstants) {
        if (name != mean.Event) continue;
        const long double y = (static_cast<long double>(Year) - 2000.0L) / 1000.0L;
        long double jde0 = 0.0L;
        for (auto it = mean.Coefficients.rbegin(); it != mean.Coefficients.rend(); ++it)
            jde0 = jde0 * y + *it;
        const long double t = JulianCenturiesJ2000(jde0);
        const long double w = 35999.373L * t - 2.47L;
        const long double deltaLambda = 1.0L + 0.0334L * DCos(w) + 0.0007L * DCos(2.0L * w);
        long double s = 0.0L;
        for (const auto& term : EquinoxTerms) s += term.A * DCos(term.B + term.C * t);
        const long double jde = jde0 + 0.00001L * s / deltaLambda;
        return LinearToDateTime(JDEToJD(Year, jde) - DateTimeJDOffset);
    }
    return 0.0;
}

}  // namespace orbelune
