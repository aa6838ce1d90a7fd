#include "VSOPSeries.h"

#include "VSOPBlockSum.h"

namespace orbelune {

long double VSOPSeriesSum(TVSOPSeries series, double tau) {
    static const bool avx2 = CpuHasAvx2();
    return avx2 ? VSOPSeriesSumAvx2(series, tau) : VSOPBlockSum(series, tau);
}

}  // namespace orbelune
