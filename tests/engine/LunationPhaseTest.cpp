// Instants of the lunar phases by lunation number, the lunations of a year and
// the phases of a month.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "CsvReader.h"
#include "StAstro.h"
#include "moon.h"

namespace orbelune {
namespace {

// Meeus, Astronomical Algorithms, example 49.a (new moon of 1977 February,
// k = -283) and example 49.b (last quarter of 2044 January, k = 544.75).
TEST(LunationPhase, MeeusWorkedExamples) {
    EXPECT_NEAR(LunationPhaseJDE(-283)[0], 2443192.65118, 2e-5);
    EXPECT_NEAR(LunationPhaseJDE(544)[3], 2467636.49186, 2e-5);
}

TEST(LunationPhase, FractionOfKPicksThePhaseField) {
    // No phase at a fraction of 0.1: every field stays 0.
    for (double X : LunationPhaseJDE(0.1)) EXPECT_EQ(X, 0.0);
    // A negative k counts its fraction upwards from the lunation before.
    LunationPhases Negative = LunationPhaseJDE(-0.5);
    LunationPhases Before = LunationPhaseJDE(-1.0);
    LunationPhases Zero = LunationPhaseJDE(0.0);
    EXPECT_DOUBLE_EQ(Negative[2], Before[2]);
    EXPECT_DOUBLE_EQ(Negative[3], Before[3]);
    EXPECT_DOUBLE_EQ(Negative[0], Zero[0]);
    EXPECT_DOUBLE_EQ(Negative[1], Zero[1]);
    EXPECT_LT(Zero[0], Zero[1]);
    EXPECT_LT(Zero[1], Zero[2]);
    EXPECT_LT(Zero[2], Zero[3]);
}

// Against the main-phase routine of the moon unit (the same theory with its own
// coefficients): within 20 s over 1700-2300. The main-phase routine takes the
// lunation nearest a date, so it is asked with the date of the lunation's new moon.
TEST(LunationPhase, AgreesWithMainPhaseTime) {
    for (int K = -3700; K <= 3700; K += 53) {
        LunationPhases P = LunationPhaseJDE(K);
        for (int i = 0; i < 4; ++i) {
            TDateTime Main = MainPhaseTime(static_cast<TMoonPhase>(2 * i), JDToDateTime(P[0]));
            EXPECT_NEAR(static_cast<double>(DateTimeToJD(Main)), P[i], 20.0 / 86400)
                << K << " " << i;
        }
    }
}

// Against ephem's phase instants (dynamical time): Meeus gives his method's
// error as a few seconds over these centuries; 60 s allows for ephem's own.
TEST(LunationPhase, AgreesWithEphem1700To2300) {
    auto Rows = test::ReadCsv("phases_ephem.csv");
    ASSERT_GT(Rows.size(), 150u);
    for (const auto& Row : Rows) {
        LunationPhases P = LunationPhaseJDE(Row.Int("k"));
        const char* Names[] = {"new", "first", "full", "last"};
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(P[i], Row.Num(Names[i]), 60.0 / 86400) << Row.Int("k") << " " << Names[i];
    }
}

// The 14 lunations of a year start with the new moon before the year's first
// full moon and reach past its last.
TEST(LunationPhase, YearLunationsCoverTheYear) {
    for (int Year = 1600; Year <= 3999; Year += 7) {
        auto L = YearLunations(DMYToDayNumber(15, 6, Year, 0));
        double FirstDay = DayNumberToJD(DMYToDayNumber(1, 1, Year, 0));
        double LastDay = DayNumberToJD(DMYToDayNumber(31, 12, Year, 0)) + 1.0;
        EXPECT_LT(L[0][0], FirstDay + 30.0) << Year;
        EXPECT_GT(L[0][3], FirstDay - 30.0) << Year;
        EXPECT_GT(L[13][0], LastDay - 30.0) << Year;
        for (int i = 1; i < 14; ++i) EXPECT_NEAR(L[i][0] - L[i - 1][0], 29.53, 0.4);
    }
}

// The first lunation of a year is k = int((Y - 0.05 - 2000) * 12.3685), one less
// when that k starts after the start of year Y - 0.05 is passed: 2018 begins with
// k = 222, the new moon of 2017 December 18 (06:30 UT); 1999, where int() rounds
// -12.99 up to -12, with k = -13, the new moon of 1998 December 18 (22:42 UT).
TEST(LunationPhase, YearLunationsStartAtTheDocumentedLunation) {
    auto L2018 = YearLunations(DMYToDayNumber(5, 5, 2018, 0));
    for (int i = 0; i < 14; ++i) EXPECT_EQ(L2018[i], LunationPhaseJDE(222 + i)) << i;
    EXPECT_EQ(JDToDayNumber(L2018[0][0], true), DMYToDayNumber(18, 12, 2017, 0));
    auto L1999 = YearLunations(DMYToDayNumber(31, 12, 1999, 0));
    for (int i = 0; i < 14; ++i) EXPECT_EQ(L1999[i], LunationPhaseJDE(-13 + i)) << i;
    EXPECT_EQ(JDToDayNumber(L1999[0][0], true), DMYToDayNumber(18, 12, 1998, 0));
}

// Every phase instant of the lunations falls in exactly one month, and that
// month's list holds it: checked for every month of every 23rd year 1601-3998
// against all phases sorted by month.
TEST(LunationPhase, PhaseDatesOfEveryMonthHoldAllItsPhases) {
    std::map<std::pair<int, int>, std::vector<TDayTimeRec>> Expected[4];
    double First = DayNumberToJD(DMYToDayNumber(1, 1, 1601, 0));
    double Last = DayNumberToJD(DMYToDayNumber(1, 1, 3999, 0));
    long K0 = std::lround((First - 2451550.1) / 29.530588853) - 2;
    long K1 = std::lround((Last - 2451550.1) / 29.530588853) + 2;
    for (long K = K0; K <= K1; ++K) {
        LunationPhases P = LunationPhaseJDE(static_cast<double>(K));
        for (int i = 0; i < 4; ++i) {
            TDayNumber Day = JDToDayNumber(P[i], true);
            int D, M, Y;
            DayNumberToDMY(Day, D, M, Y);
            int Seconds = static_cast<int>(((P[i] - std::trunc(P[i])) + 0.5) * 86400) % 86400;
            Expected[i][{Y, M}].push_back({Day, Seconds});
        }
    }
    int TwoInAMonth = 0, NoneInAMonth = 0;
    for (int Year = 1601; Year <= 3998; Year += 23) {
        for (int Month = 1; Month <= 12; ++Month) {
            TDayNumber Day = DMYToDayNumber(Month == 2 ? 28 : 30, Month, Year, 0);
            for (int i = 0; i < 4; ++i) {
                TPhaseDates Got = PhaseDatesInMonth(Day, i);
                const auto& Want = Expected[i][{Year, Month}];
                ASSERT_LE(Want.size(), 2u);
                for (size_t j = 0; j < 2; ++j) {
                    TDayTimeRec W = j < Want.size() ? Want[j] : TDayTimeRec{-1, -1};
                    ASSERT_EQ(Got[j].D, W.D) << Year << "-" << Month << " phase " << i;
                    ASSERT_EQ(Got[j].T, W.T) << Year << "-" << Month << " phase " << i;
                }
                TwoInAMonth += Want.size() == 2;
                NoneInAMonth += Want.empty();
            }
        }
    }
    EXPECT_GT(TwoInAMonth, 25);
    EXPECT_GT(NoneInAMonth, 2);
}

// January 2018 had two full moons (2 January 02:24 UT and 31 January 13:27 UT,
// U.S. Naval Observatory) and February 2018 none. The instants are dynamical time
// read as UT, 69 s later than UT then: 3 minutes of tolerance.
TEST(LunationPhase, TwoFullMoonsInJanuary2018AndNoneInFebruary) {
    TPhaseDates Jan = FullMoonDates(DMYToDayNumber(10, 1, 2018, 0));
    EXPECT_EQ(Jan[0].D, DMYToDayNumber(2, 1, 2018, 0));
    EXPECT_NEAR(Jan[0].T, 2 * 3600 + 24 * 60, 180);
    EXPECT_EQ(Jan[1].D, DMYToDayNumber(31, 1, 2018, 0));
    EXPECT_NEAR(Jan[1].T, 13 * 3600 + 27 * 60, 180);
    TPhaseDates Feb = FullMoonDates(DMYToDayNumber(1, 2, 2018, 0));
    for (const auto& R : Feb) {
        EXPECT_EQ(R.D, -1);
        EXPECT_EQ(R.T, -1);
    }
    TPhaseDates Mar = PhaseDatesInMonth(DMYToDayNumber(31, 3, 2018, 0), 2);
    EXPECT_EQ(Mar[0].D, DMYToDayNumber(2, 3, 2018, 0));
    EXPECT_EQ(Mar[1].D, DMYToDayNumber(31, 3, 2018, 0));
    // One new moon in January 2018 (17 January 02:17 UT): the second entry stays -1.
    TPhaseDates New = NewMoonDates(DMYToDayNumber(1, 1, 2018, 0));
    EXPECT_EQ(New[0].D, DMYToDayNumber(17, 1, 2018, 0));
    EXPECT_NEAR(New[0].T, 2 * 3600 + 17 * 60, 180);
    EXPECT_EQ(New[1].D, -1);
    EXPECT_EQ(New[1].T, -1);
    EXPECT_EQ(FirstQuarterDates(DMYToDayNumber(1, 1, 2018, 0))[0].D,
              DMYToDayNumber(24, 1, 2018, 0));
    EXPECT_EQ(LastQuarterDates(DMYToDayNumber(1, 1, 2018, 0))[0].D, DMYToDayNumber(8, 1, 2018, 0));
}

TEST(LunationPhase, AstroJulianDatesConvertToTDateTime) {
    EXPECT_DOUBLE_EQ(static_cast<double>(AJDOffset), 2415018.5);
    EXPECT_DOUBLE_EQ(AstroJDToDateTime(2451544.5L), 36526.0);  // 2000-01-01
    EXPECT_DOUBLE_EQ(AstroJDToDateTime(2305447.5L), DayNumberToDateTime(0));
}

}  // namespace
}  // namespace orbelune
