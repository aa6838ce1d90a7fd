// Central lines of solar eclipses against an independent computation (tests/data/
// eclipse_central_lines.csv, tools/eclipse_reference.py from PyEphem's apparent Sun,
// Moon and sidereal time) and against published points of greatest eclipse, and the
// ten-minute epochs on which the lines are built.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "CsvReader.h"
#include "EclipseShadow.h"
#include "StDate.h"
#include "StEclpse.h"

namespace orbelune {
namespace {

constexpr double EarthRadiusKm = 6371.0;
constexpr double DegToRad = 0.017453292519943295769;

double DistanceKm(double Lat1, double Lon1, double Lat2, double Lon2) {
    const double p1 = Lat1 * DegToRad, p2 = Lat2 * DegToRad;
    const double dl = (Lon2 - Lon1) * DegToRad;
    const double c = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl);
    return std::acos(std::fmin(1.0, c)) * EarthRadiusKm;
}

TDateTime UT(int Year, int Month, int Day, int H, int M, int S) {
    return DayNumberToDateTime(DMYToDayNumber(Day, Month, Year, 0)) +
           (H * 3600 + M * 60 + S) / 86400.0;
}

// The record of the solar eclipse whose greatest eclipse falls on the given day.
TEclipseRec SolarEclipseOn(int Year, int Month, int Day) {
    TStEclipses list;
    list.SearchYear(Year);
    const TDateTime day = DayNumberToDateTime(DMYToDayNumber(Day, Month, Year, 0));
    for (int i = 0; i < list.Count(); ++i) {
        const TEclipseRec* r = list.EclipseAt(i);
        if (r->EType >= EclipsePartialSolar && std::floor(r->MidEclipse) == day) return *r;
    }
    ADD_FAILURE() << "no solar eclipse on " << Year << "-" << Month << "-" << Day;
    return {};
}

// Minutes since midnight of a path point, rounded.
int MinuteOfDay(TDateTime T) {
    return static_cast<int>(std::lround((T - std::floor(T)) * 1440.0));
}

struct Case {
    int Year, Month, Day;
    size_t MinPoints;
    double ToleranceKm;
};

// Every point of the computed path lies near the reference central line at the same
// instant: within 25 km (the truncated lunar series and the yearly Delta-T move the
// axis by up to about 15 km on the fundamental plane); 50 km for 2015-03-20, whose
// shadow falls obliquely on the Arctic and stretches the same error on the ground.
TEST(EclipseCentralLine, PointsMatchTheReferenceLineAtTheSameInstant) {
    std::map<std::string, std::pair<double, double>> reference;
    for (const auto& row : test::ReadCsv("eclipse_central_lines.csv"))
        reference[row.Text("date") + " " + row.Text("time").substr(0, 5)] = {row.Num("latitude"),
                                                                             row.Num("longitude")};
    // 2015-03-20 is the morning case: greatest eclipse at 09:46 UT.
    for (const Case& c : {Case{2015, 3, 20, 3, 50.0}, Case{2017, 8, 21, 17, 25.0},
                          Case{2023, 10, 14, 18, 25.0}, Case{2024, 4, 8, 17, 25.0}}) {
        const TEclipseRec r = SolarEclipseOn(c.Year, c.Month, c.Day);
        ASSERT_TRUE(r.Path.has_value()) << c.Year;
        EXPECT_GE(r.Path->size(), c.MinPoints) << c.Year;
        for (const TEclipsePathPoint& p : *r.Path) {
            char key[32];
            const int minute = MinuteOfDay(p.Time);
            std::snprintf(key, sizeof key, "%04d-%02d-%02d %02d:%02d", c.Year, c.Month, c.Day,
                          minute / 60, minute % 60);
            const auto ref = reference.find(key);
            ASSERT_NE(ref, reference.end()) << key;
            EXPECT_LT(DistanceKm(p.Latitude, p.Longitude, ref->second.first, ref->second.second),
                      c.ToleranceKm)
                << key;
        }
    }
}

// Published points of greatest eclipse, with the path interpolated to the instant.
struct Published {
    int Year, Month, Day, H, M, S;
    double Latitude, Longitude;  // degrees, east positive
    double DurationSeconds;      // of the central phase at greatest eclipse
};

// Only every sixth epoch's shadow is computed and the others are interpolated: every
// point of every central line 1900-2100 stays within 1 km of the shadow computed at its
// own instant, and its duration (in whole seconds) within a second of the one from
// computed neighbours.
TEST(EclipseCentralLine, InterpolatedEpochsStayWithinAKilometreOfComputedOnes) {
    const auto exactAt = [](TDateTime Time) {
        const double jd = Time + 2415018.5;
        const TDayNumber day = JDToDayNumber(jd, true);
        const auto seconds = static_cast<int32_t>(std::lround((jd - DayNumberToJD(day)) * 86400));
        return ShadowAtEpoch(AddDaysSeconds({day, 0}, 0, seconds));
    };
    const auto seconds = [](double Duration) {
        return std::floor(Duration) * 60 + std::lround((Duration - std::floor(Duration)) * 100);
    };
    double worstKm = 0, worstSeconds = 0;
    int points = 0;
    for (int year = 1900; year <= 2100; ++year) {
        TStEclipses list;
        list.SearchYear(year);
        for (int i = 0; i < list.Count(); ++i) {
            const TEclipseRec* r = list.EclipseAt(i);
            if (!r->Path) continue;
            for (const TEclipsePathPoint& p : *r->Path) {
                const auto before = exactAt(p.Time - 600 / 86400.0), at = exactAt(p.Time),
                           after = exactAt(p.Time + 600 / 86400.0);
                ASSERT_TRUE(before && at && after);
                const TAxisPoint exact = AxisSurfacePoint(*at);
                worstKm = std::max(
                    worstKm, DistanceKm(p.Latitude, p.Longitude, exact.Latitude, exact.Longitude));
                const double minutes =
                    std::min(CentralDurationMinutes(*before, *at, *after, exact), 60.0);
                worstSeconds =
                    std::max(worstSeconds, std::fabs(seconds(p.Duration) - minutes * 60.0));
                ++points;
            }
        }
    }
    EXPECT_GT(points, 2000);
    EXPECT_LT(worstKm, 1.0);
    EXPECT_LE(worstSeconds, 1.0);
}

TEST(EclipseCentralLine, PublishedGreatestEclipsePoints) {
    // 2017-08-21 36°58'N 87°40'W, totality 2m40s; 2023-10-14 (annular) 11°22'N 83°06'W,
    // 5m17s; 2024-04-08 25°17'N 104°08'W, 4m28s. The published instants are given here
    // in UT: an independent computation puts the shadow axis at these points and
    // nearest the Earth's centre at these instants of Universal Time.
    for (const Published& g :
         {Published{2017, 8, 21, 18, 25, 32, 36 + 58 / 60.0, -(87 + 40 / 60.0), 160},
          Published{2023, 10, 14, 17, 59, 18, 11 + 22 / 60.0, -(83 + 6 / 60.0), 317},
          Published{2024, 4, 8, 18, 17, 16, 25 + 17 / 60.0, -(104 + 8 / 60.0), 268}}) {
        const TEclipseRec r = SolarEclipseOn(g.Year, g.Month, g.Day);
        ASSERT_TRUE(r.Path.has_value()) << g.Year;
        const TDateTime t = UT(g.Year, g.Month, g.Day, g.H, g.M, g.S);
        bool bracketed = false;
        for (size_t k = 0; k + 1 < r.Path->size(); ++k) {
            const TEclipsePathPoint& a = (*r.Path)[k];
            const TEclipsePathPoint& b = (*r.Path)[k + 1];
            if (t < a.Time || t > b.Time) continue;
            bracketed = true;
            // Linear between points ten minutes apart: the line bends by a few km there.
            const double f = (t - a.Time) / (b.Time - a.Time);
            const double lat = a.Latitude + f * (b.Latitude - a.Latitude);
            const double lon = a.Longitude + f * (b.Longitude - a.Longitude);
            EXPECT_LT(DistanceKm(lat, lon, g.Latitude, g.Longitude), 30.0) << g.Year;
            // Durations as minutes.seconds; the nearer point's within 10 seconds.
            const TEclipsePathPoint& near = f < 0.5 ? a : b;
            const double seconds = std::floor(near.Duration) * 60.0 +
                                   std::round((near.Duration - std::floor(near.Duration)) * 100.0);
            EXPECT_NEAR(seconds, g.DurationSeconds, 10.0) << g.Year;
        }
        EXPECT_TRUE(bracketed) << g.Year;
    }
}

TEST(EclipseCentralLine, MorningEclipsesHavePaths) {
    // Greatest eclipse before noon UT: 2015-03-20 09:46 (total), 2016-03-09 01:58
    // (total), 2016-09-01 09:08 (annular); the path's epochs lie in the morning too.
    for (const Case& c :
         {Case{2015, 3, 20, 3, 0.0}, Case{2016, 3, 9, 10, 0.0}, Case{2016, 9, 1, 10, 0.0}}) {
        const TEclipseRec r = SolarEclipseOn(c.Year, c.Month, c.Day);
        ASSERT_TRUE(r.Path.has_value()) << c.Year << "-" << c.Month;
        EXPECT_GE(r.Path->size(), c.MinPoints);
        for (const TEclipsePathPoint& p : *r.Path)
            EXPECT_NEAR(p.Time, r.MidEclipse, 2.0 / 24.0 + 6.0 / 1440.0);
    }
}

TEST(EclipseCentralLine, NoPathWhenTheAxisMissesOrOnlyGrazes) {
    // 2014-04-29: annular, but the axis passes just outside the Earth (non-central).
    const TEclipseRec missing = SolarEclipseOn(2014, 4, 29);
    EXPECT_EQ(missing.EType, EclipseAnnularSolar);
    EXPECT_FALSE(missing.Path.has_value());
    // 2003-05-31: annular with gamma 0.996; the axis crosses the polar cap in about
    // half an hour, fewer than four ten-minute epochs.
    const TEclipseRec grazing = SolarEclipseOn(2003, 5, 31);
    EXPECT_EQ(grazing.EType, EclipseAnnularSolar);
    EXPECT_FALSE(grazing.Path.has_value());
}

TEST(EclipseShadowGeometry, AxisPointOfASimpleShadow) {
    // Axis through the Earth's centre towards declination 0 and Greenwich hour angle
    // 30: the sub-axis point is on the equator at longitude -30, one radius up.
    TShadowEpoch e{0.0, 0.0, 0.0, 30.0, -0.01, 0.0046, 0.0};
    TAxisPoint p = AxisSurfacePoint(e);
    EXPECT_NEAR(p.Latitude, 0.0, 1e-9);
    EXPECT_NEAR(p.Longitude, -30.0, 1e-9);
    EXPECT_NEAR(p.Zeta, 1.0, 1e-12);
    // Axis towards the pole, crossing the plane half a radius north of the centre:
    // the ellipsoid's polar radius sets the height; y points away from 0 hour angle.
    e = TShadowEpoch{0.0, 0.5, 90.0, 0.0, -0.01, 0.0046, 0.0};
    p = AxisSurfacePoint(e);
    const double b = std::sqrt(1.0 - EarthEccentricity2);
    EXPECT_NEAR(p.Zeta, b * std::sqrt(1.0 - 0.25), 1e-12);
    EXPECT_NEAR(p.Longitude, 180.0, 1e-9);
    // Geodetic latitude of the ellipsoid point 0.5 from the polar axis: tan = z / (r b^2).
    const double geodetic = std::atan2(std::sqrt(1.0 - 0.25) / b, 0.5) / DegToRad;
    EXPECT_NEAR(p.Latitude, geodetic, 1e-5);
}

TEST(EclipseShadowGeometry, ShadowOutsideTheEngineDatesIsNothing) {
    EXPECT_FALSE(ShadowAtEpoch(TDayTimeRec{-1, 0}).has_value());
    EXPECT_FALSE(ShadowAtEpoch(TDayTimeRec{StLastDayNumber, 86399}).has_value());
    EXPECT_TRUE(ShadowAtEpoch(TDayTimeRec{0, 0}).has_value());
}

// The epoch of a Julian Date: day number and a time of day rounded to ten minutes.
TEST(EclipseTenMinuteEpoch, MorningEpochsKeepTheirMinute) {
    const TDayNumber day = DMYToDayNumber(20, 3, 2015, 0);
    // 09:46:00 UT is in the first half of the Julian day's second half: 09:50.
    TDayTimeRec e = TenMinuteEpoch(AstroJulianDate(2015, 3, 20, 9 * 3600 + 46 * 60));
    EXPECT_EQ(e.D, day);
    EXPECT_EQ(e.T, (9 * 60 + 50) * 60);
    // Afternoon: 14:04 gives 14:00.
    e = TenMinuteEpoch(AstroJulianDate(2015, 3, 20, 14 * 3600 + 4 * 60));
    EXPECT_EQ(e.D, day);
    EXPECT_EQ(e.T, 14 * 3600);
    // Just after midnight and just before noon.
    e = TenMinuteEpoch(AstroJulianDate(2015, 3, 20, 2 * 60));
    EXPECT_EQ(e.D, day);
    EXPECT_EQ(e.T, 0);
    e = TenMinuteEpoch(AstroJulianDate(2015, 3, 20, 11 * 3600 + 57 * 60));
    EXPECT_EQ(e.D, day);
    EXPECT_EQ(e.T, 12 * 3600);
}

TEST(EclipseTenMinuteEpoch, RoundingUpToMidnightCarriesTheDay) {
    const TDayNumber day = DMYToDayNumber(31, 12, 2015, 0);
    const TDayTimeRec e = TenMinuteEpoch(AstroJulianDate(2015, 12, 31, 23 * 3600 + 56 * 60));
    EXPECT_EQ(e.D, day + 1);
    EXPECT_EQ(e.T, 0);
    EXPECT_EQ(TenMinuteEpoch(AstroJulianDate(3999, 12, 31, 86399)).D, -1);
    EXPECT_EQ(TenMinuteEpoch(2305447.0).D, -1);
}

}  // namespace
}  // namespace orbelune
