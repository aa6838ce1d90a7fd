// Right ascension, declination and angle texts.
#include <gtest/gtest.h>

#include "AstroExtras.h"
#include "StAstro.h"

namespace orbelune {
namespace {

TEST(AstroText, RightAscensionInHoursAndMinutes) {
    EXPECT_EQ(RAToText(0.0), " 0 00.00");
    EXPECT_EQ(RAToText(202.5), "13 30.00");
    EXPECT_EQ(RAToText(-15.0), "23 00.00");     // negative angles wrap
    EXPECT_EQ(RAToText(725.0), " 0 20.00");     // beyond a turn
    EXPECT_EQ(RAToText(1.0), " 0 04.00");       // leading blank of the minutes becomes 0
    EXPECT_EQ(RAToText(14.99999), " 1 00.00");  // 60.00 minutes carry into the hour
    EXPECT_EQ(RAToText(359.9999), "0 00.00");   // and 24 hours are written 0
    // Angles a hair below zero wrap to a full turn, which is 0 hours, never 24.
    EXPECT_EQ(RAToText(-1e-17), " 0 00.00");
    EXPECT_EQ(RAToText(-1e-300), " 0 00.00");
}

TEST(AstroText, DeclinationInDegreesAndMinutes) {
    EXPECT_EQ(DecToText(23.5), "+23 30.0");
    EXPECT_EQ(DecToText(-45.25), "-45 15.0");
    EXPECT_EQ(DecToText(5.25), "+ 5 15.0");
    EXPECT_EQ(DecToText(-5.25), "- 5 15.0");
    EXPECT_EQ(DecToText(-0.5), "- 0 30.0");
    EXPECT_EQ(DecToText(0.0), "+ 0 00.0");
    EXPECT_EQ(DecToText(0.1), "+ 0 06.0");
    EXPECT_EQ(DecToText(9.99999), "+10 00.0");  // 60.0 minutes carry away from zero
    EXPECT_EQ(DecToText(-9.99999), "-10 00.0");
    EXPECT_EQ(DecToText(-0.999999), "- 1 00.0");
    EXPECT_EQ(DecToText(100.0), "+10 00.0");  // beyond 90 degrees folds back
}

TEST(AstroText, AngleAsHoursMinutesSeconds) {
    EXPECT_EQ(AngleToHMSText(15.0), "01:00:00");
    EXPECT_EQ(AngleToHMSText(187.5), "12:30:00");
    EXPECT_EQ(AngleToHMSText(197.693195), "13:10:46");
    // Sidereal times west of Greenwich come out negative and beyond a turn.
    EXPECT_EQ(AngleToHMSText(-15.0), "23:00:00");
    EXPECT_EQ(AngleToHMSText(-44.0), "21:04:00");
    EXPECT_EQ(AngleToHMSText(-375.0), "23:00:00");
    EXPECT_EQ(AngleToHMSText(375.0), "01:00:00");
}

}  // namespace
}  // namespace orbelune
