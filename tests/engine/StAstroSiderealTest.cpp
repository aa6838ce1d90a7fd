// Greenwich mean sidereal time and the validity of day-time records.
#include <gtest/gtest.h>

#include "AngleDiff.h"
#include "CsvReader.h"
#include "StAstro.h"

namespace orbelune {
namespace {

double Hms(double H, double M, double S) {
    return (H + M / 60.0 + S / 3600.0) * 15.0;
}

TEST(StAstroSidereal, ValidityBoundsOfDayTimeRecords) {
    EXPECT_TRUE(IsValidDayTime({0, 0}));
    EXPECT_TRUE(IsValidDayTime({876581, 86399}));
    EXPECT_FALSE(IsValidDayTime({876582, 0}));
    EXPECT_FALSE(IsValidDayTime({-1, 0}));
    EXPECT_FALSE(IsValidDayTime({100, 86400}));
    EXPECT_FALSE(IsValidDayTime({100, -1}));
}

// Meeus, Astronomical Algorithms, examples 12.a and 12.b (mean sidereal time).
TEST(StAstroSidereal, MeeusWorkedExamples) {
    TDayNumber Day = DMYToDayNumber(10, 4, 1987, 0);
    EXPECT_NEAR(GreenwichSiderealTime({Day, 0}), Hms(13, 10, 46.3668), 1e-6);
    EXPECT_NEAR(GreenwichSiderealTime({Day, 19 * 3600 + 21 * 60}), 128.7378734, 1e-6);
}

TEST(StAstroSidereal, InvalidDatesGiveMinusOne) {
    EXPECT_EQ(GreenwichSiderealTime({876582, 0}), -1.0);
    EXPECT_EQ(GreenwichSiderealTime({-1, 0}), -1.0);
    EXPECT_EQ(GreenwichSiderealTime({0, 86400}), -1.0);
}

// python3-ephem gives the apparent sidereal time, which differs from the mean by
// the equation of the equinoxes (at most 1.2 s of time, 0.005 degree).
TEST(StAstroSidereal, AgreesWithEphemOverTheWholeRange) {
    auto Rows = test::ReadCsv("sidereal_ephem.csv");
    ASSERT_GT(Rows.size(), 200u);
    double Worst = 0.0;
    for (const auto& Row : Rows) {
        double Gmst = GreenwichSiderealTime({Row.Int("day"), Row.Int("seconds")});
        ASSERT_GE(Gmst, 0.0);
        ASSERT_LT(Gmst, 360.0);
        double Diff = std::fabs(test::AngleDiff(Gmst, Row.Num("gast_deg")));
        Worst = std::max(Worst, Diff);
        EXPECT_LT(Diff, 0.006) << "day " << Row.Int("day") << " s " << Row.Int("seconds");
    }
    RecordProperty("worst_deg", std::to_string(Worst));
}

}  // namespace
}  // namespace orbelune
