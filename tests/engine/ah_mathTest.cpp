#include "ah_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace orbelune {
namespace {

// Extended precision carries about 19 digits; 1e-18 leaves room for a few
// roundings in values of order one (degrees: 1e-15 for values up to 360).
constexpr long double Tight = 1e-18L;
constexpr long double TightDeg = 1e-15L;

// EXPECT_NEAR compares in double; this keeps the extended digits.
testing::AssertionResult NearL(const char* A, const char* B, const char*, long double X,
                               long double Y, long double Tolerance) {
    if (std::fabs(X - Y) <= Tolerance) return testing::AssertionSuccess();
    char Text[160];
    std::snprintf(Text, sizeof Text, " = %.21Lg, %s = %.21Lg, difference %.3Lg", X, B, Y, X - Y);
    return testing::AssertionFailure() << A << Text;
}
#define EXPECT_NEAR_L(A, B, Tolerance) EXPECT_PRED_FORMAT3(NearL, A, B, Tolerance)

TEST(AhMathAngles, DegreesAndRadians) {
    EXPECT_EQ(Deg2Rad(180), ExtPi);
    EXPECT_EQ(Rad2Deg(ExtPi), 180);
    EXPECT_NEAR_L(Deg2Rad(1), ExtDegToRad, Tight);
    EXPECT_NEAR_L(Rad2Deg(1), ExtRadToDeg, 1e-16L);
    EXPECT_NEAR_L(ExtPi, 4 * std::atan(1.0L), Tight);
    EXPECT_EQ(ExtHalfPi, ExtPi / 2);
}

TEST(AhMathAngles, NormalizeDegreesIntoOneTurn) {
    EXPECT_EQ(NormalizeDeg(-30), 330);
    EXPECT_EQ(NormalizeDeg(720), 0);
    EXPECT_EQ(NormalizeDeg(360), 0);
    EXPECT_EQ(NormalizeDeg(0), 0);
    EXPECT_EQ(NormalizeDeg(180), 180);
    EXPECT_EQ(NormalizeDeg(-180), 180);
    EXPECT_EQ(NormalizeDeg(540), 180);
    EXPECT_EQ(NormalizeDeg(-720.5L), 359.5L);
    EXPECT_EQ(NormalizeDeg(359.75L), 359.75L);
    EXPECT_EQ(NormalizeDeg(-1e-30L), 0);  // would round to 360 itself
    EXPECT_TRUE(std::isnan(NormalizeDeg(std::numeric_limits<long double>::quiet_NaN())));
    for (long double X : {1e25L, -1e25L, 1e300L, -1e4000L, 123456789.125L}) {
        const long double R = NormalizeDeg(X);
        EXPECT_GE(R, 0) << static_cast<double>(X);
        EXPECT_LT(R, 360) << static_cast<double>(X);
    }
    EXPECT_EQ(NormalizeDeg(123456789.125L), 189.125L);  // 342935 turns
}

TEST(AhMathFunctions, SinesAndCosinesInDegrees) {
    EXPECT_NEAR_L(SinDeg(30), 0.5L, Tight);
    EXPECT_NEAR_L(SinDeg(390), 0.5L, Tight);
    EXPECT_NEAR_L(SinDeg(-90), -1, Tight);
    EXPECT_NEAR_L(CosDeg(60), 0.5L, Tight);
    EXPECT_NEAR_L(CosDeg(180), -1, Tight);
    EXPECT_NEAR_L(CosDeg(-300), 0.5L, Tight);
    EXPECT_NEAR_L(TanDeg(45), 1, Tight);
    EXPECT_NEAR_L(TanDeg(-45), -1, Tight);
    EXPECT_NEAR_L(TanDeg(135), -1, Tight);
    EXPECT_NEAR_L(TanRad(ExtPi / 4), 1, Tight);
    EXPECT_NEAR_L(TanRad(ExtPi / 3), std::sqrt(3.0L), 1e-17L);
}

TEST(AhMathInverse, ArcTan2AtTheQuadrantEdges) {
    EXPECT_NEAR_L(ArcTan2Rad(1, 1), ExtPi / 4, Tight);
    EXPECT_NEAR_L(ArcTan2Rad(1, -1), 3 * ExtPi / 4, Tight);
    EXPECT_NEAR_L(ArcTan2Rad(-1, -1), 5 * ExtPi / 4, Tight);
    EXPECT_NEAR_L(ArcTan2Rad(-1, 1), -ExtPi / 4, Tight);
    EXPECT_EQ(ArcTan2Rad(0, 1), 0);
    EXPECT_NEAR_L(ArcTan2Rad(0, -1), ExtPi, Tight);
    // On the Y axis the result is +-pi/2, at the origin 0.
    EXPECT_EQ(ArcTan2Rad(1, 0), ExtHalfPi);
    EXPECT_EQ(ArcTan2Rad(-2.5L, 0), -ExtHalfPi);
    EXPECT_EQ(ArcTan2Rad(1, -0.0L), ExtHalfPi);
    EXPECT_EQ(ArcTan2Rad(0, 0), 0);
    EXPECT_EQ(ArcTan2Deg(1, 0), 90);
    EXPECT_EQ(ArcTan2Deg(-1, 0), -90);
    EXPECT_EQ(ArcTan2Deg(0, 0), 0);
    EXPECT_NEAR_L(ArcTan2Deg(1, 1), 45, TightDeg);
    EXPECT_NEAR_L(ArcTan2Deg(1, -1), 135, TightDeg);
    EXPECT_NEAR_L(ArcTan2Deg(-1, -1), 225, TightDeg);
    EXPECT_NEAR_L(ArcTan2Deg(-1, 1), -45, TightDeg);
    EXPECT_NEAR_L(ArcTan2Deg(0, -3), 180, TightDeg);
}

TEST(AhMathInverse, ArcTan2AgreesWithTheLibraryAtan2) {
    // The same angle as atan2, moved into -pi/2 .. 3pi/2.
    std::mt19937_64 Random(7);
    std::uniform_real_distribution<double> Coordinate(-10, 10);
    for (int I = 0; I < 2000; ++I) {
        const long double Y = Coordinate(Random), X = Coordinate(Random);
        long double Expected = std::atan2(Y, X);
        if (Expected < -ExtHalfPi) Expected += 2 * ExtPi;
        const long double R = ArcTan2Rad(Y, X);
        EXPECT_NEAR_L(R, Expected, 1e-17L)
            << static_cast<double>(Y) << "," << static_cast<double>(X);
        EXPECT_GE(R, -ExtHalfPi);
        EXPECT_LT(R, 3 * ExtHalfPi);
    }
}

TEST(AhMathInverse, ArcSinAndArcCos) {
    EXPECT_EQ(ArcSinRad(0), 0);
    EXPECT_NEAR_L(ArcSinRad(0.5L), ExtPi / 6, Tight);
    EXPECT_NEAR_L(ArcSinRad(-0.5L), -ExtPi / 6, Tight);
    EXPECT_NEAR_L(ArcSinRad(1), ExtHalfPi, Tight);
    EXPECT_NEAR_L(ArcSinRad(-1), -ExtHalfPi, Tight);
    EXPECT_TRUE(std::isnan(ArcSinRad(1.5L)));
    EXPECT_NEAR_L(ArcSinDeg(0.5L), 30, TightDeg);
    EXPECT_NEAR_L(ArcSinDeg(1), 90, TightDeg);
    EXPECT_NEAR_L(ArcCosRad(1), 0, Tight);
    EXPECT_NEAR_L(ArcCosRad(-1), ExtPi, Tight);
    EXPECT_NEAR_L(ArcCosRad(0), ExtHalfPi, Tight);
    EXPECT_NEAR_L(ArcCosRad(0.5L), ExtPi / 3, Tight);
    for (long double X = -0.99L; X < 1; X += 0.03L) {
        EXPECT_NEAR_L(ArcSinRad(X), std::asin(X), 1e-17L);
        EXPECT_NEAR_L(ArcCosRad(X), std::acos(X), 1e-17L);
    }
}

}  // namespace
}  // namespace orbelune
