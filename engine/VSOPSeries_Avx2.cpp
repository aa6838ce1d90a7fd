// VSOPSeriesSum with AVX2 vector instructions, for the processors that have them: the
// same loop as the plain form (VSOPBlockSum.h), four cosines at a time, with the same
// result to the last bit. Compilers without the target attribute use the plain form.
#include "VSOPSeries.h"

#include "VSOPBlockSum.h"

namespace orbelune {

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))

__attribute__((target("avx2"))) long double VSOPSeriesSumAvx2(TVSOPSeries series, double tau) {
    return VSOPBlockSum(series, tau);
}

bool CpuHasAvx2() {
    return __builtin_cpu_supports("avx2");
}

#else

long double VSOPSeriesSumAvx2(TVSOPSeries series, double tau) {
    return VSOPBlockSum(series, tau);
}

bool CpuHasAvx2() {
    return false;
}

#endif

}  // namespace orbelune
