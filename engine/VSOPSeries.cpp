#include "VSOPSeries.h"

#include <cmath>

namespace orbelune {

long double VSOPSeriesSum(TVSOPSeries series, long double tau) {
    long double sum = 0.0L;
    for (const TVSOPTerm& term : series) sum += term.A * std::cos(term.B + term.C * tau);
    return sum;
}

}  // namespace orbelune
