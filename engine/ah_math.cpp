#include "ah_math.h"

#include <cmath>

namespace orbelune {

long double Deg2Rad(long double X) {
    return X / 180 * ExtPi;
}

long double Rad2Deg(long double X) {
    return X * 180 / ExtPi;
}

long double TanRad(long double X) {
    return std::sin(X) / std::cos(X);
}

long double ArcTan2Rad(long double Y, long double X) {
    if (X == 0) {
        if (Y == 0) return 0;
        return Y > 0 ? ExtHalfPi : -ExtHalfPi;
    }
    long double Result = std::atan(Y / X);
    if (X < 0) Result += ExtPi;
    return Result;
}

long double ArcSinRad(long double X) {
    // At |X| = 1 the quotient is infinite and the arctangent gives +-pi/2.
    return std::atan(X / std::sqrt(1 - X * X));
}

long double ArcCosRad(long double X) {
    return ExtHalfPi - ArcSinRad(X);
}

long double NormalizeDeg(long double X) {
    long double Result = X - 360 * std::nearbyint(X / 360);
    if (Result < 0) Result += 360;
    // Very large arguments lose the reduction above to rounding; reduce exactly.
    if (Result < 0 || Result >= 360) {
        Result = std::fmod(X, 360.0L);
        if (Result < 0) Result += 360;
    }
    // A tiny negative value plus 360 rounds to 360 itself, which is 0.
    return Result >= 360 ? 0 : Result;
}

long double SinDeg(long double X) {
    return std::sin(Deg2Rad(NormalizeDeg(X)));
}

long double CosDeg(long double X) {
    return std::cos(Deg2Rad(NormalizeDeg(X)));
}

long double TanDeg(long double X) {
    return TanRad(Deg2Rad(NormalizeDeg(X)));
}

long double ArcTan2Deg(long double Y, long double X) {
    return Rad2Deg(ArcTan2Rad(Y, X));
}

long double ArcSinDeg(long double X) {
    return Rad2Deg(ArcSinRad(X));
}

}  // namespace orbelune
