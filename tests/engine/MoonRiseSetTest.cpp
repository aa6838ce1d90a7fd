// Moonrise and moonset against python3-ephem for places from the equator to
// beyond the polar circles through 2024, and the markers at the range's edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>

#include "CsvReader.h"
#include "StAstro.h"

namespace orbelune {
namespace {

struct EphemDay {
    std::vector<int> Rises, Sets;
    double MinMargin = 0.0, MaxMargin = 0.0;  // upper limb above the horizon, degrees

    // The Moon clears the horizon by a wide margin both ways: a plain rise and set.
    bool Clear() const { return MinMargin < -5.0 && MaxMargin > 5.0; }
};

struct Place {
    double Latitude = 0.0, Longitude = 0.0;
    std::map<TDayNumber, EphemDay> Days;
};

std::vector<int> Seconds(const std::string& Text) {
    std::vector<int> Out;
    if (Text.empty()) return Out;
    for (const auto& Field : test::SplitCsv(Text, ';')) Out.push_back(std::stoi(Field));
    return Out;
}

std::map<std::string, Place> LoadPlaces() {
    std::map<std::string, Place> Places;
    for (const auto& Row : test::ReadCsv("moonrise_ephem.csv")) {
        Place& P = Places[Row.Text("place")];
        P.Latitude = Row.Num("lat");
        P.Longitude = Row.Num("lon");
        EphemDay& D = P.Days[Row.Int("day")];
        D.Rises = Seconds(Row.Text("rises"));
        D.Sets = Seconds(Row.Text("sets"));
        D.MinMargin = Row.Num("min_margin");
        D.MaxMargin = Row.Num("max_margin");
    }
    return Places;
}

// Distance in seconds of Ours from the nearest of the events, by time of day.
std::optional<int> Nearest(int Ours, const std::vector<int>& Events) {
    std::optional<int> Best;
    for (int E : Events) {
        int D = std::abs(Ours - E) % 86400;
        D = std::min(D, 86400 - D);
        if (!Best || D < *Best) Best = D;
    }
    return Best;
}

// Meeus, Astronomical Algorithms, example 15.a: Venus at Boston (42.3333 N,
// 71.0833 W) on 1988 March 20, from its places at 0h of March 19, 20 and 21 and
// the sidereal time of March 20. First approximations: rising 0.51817 day,
// setting 0.12113 day; refined: 0.51766 and 0.12130 (Meeus also interpolates at
// Delta-T later, 56 s, which moves the results by about a second).
TEST(MoonRiseSet, RiseSetIterationReproducesMeeusExample) {
    const TDayNumber Day = DMYToDayNumber(20, 3, 1988, 0);
    const TRADecRec P1{40.68021, 18.04761}, P2{41.73129, 18.44092}, P3{42.78204, 18.82742};
    TRiseSetRec First = RiseSetIteration(Day, P1, P2, P3, -0.5667, true, 42.3333, -71.0833);
    EXPECT_NEAR(First.Rise, 0.51817 * 86400, 10);
    EXPECT_NEAR(First.Set, 0.12113 * 86400, 10);
    TRiseSetRec Refined = RiseSetIteration(Day, P1, P2, P3, -0.5667, false, 42.3333, -71.0833);
    EXPECT_NEAR(Refined.Rise, 0.51766 * 86400, 5);
    EXPECT_NEAR(Refined.Set, 0.12130 * 86400, 5);
    // The same places far north: the body never sets; far south: it never rises.
    TRiseSetRec North = RiseSetIteration(Day, P1, P2, P3, -0.5667, false, 80.0, 0.0);
    EXPECT_EQ(North.Rise, -3);
    EXPECT_EQ(North.Set, -3);
    TRiseSetRec South = RiseSetIteration(Day, P1, P2, P3, -0.5667, false, -80.0, 0.0);
    EXPECT_EQ(South.Rise, -2);
    EXPECT_EQ(South.Set, -2);
}

TEST(MoonRiseSet, DaysWhoseNeighbourIsInvalidGiveMinusFour) {
    for (TDayNumber Day : {0, 876581, -1, 876582}) {
        TRiseSetRec R = MoonRiseSet(Day, 0, 0.0, 45.0);
        EXPECT_EQ(R.Rise, -4) << Day;
        EXPECT_EQ(R.Set, -4) << Day;
    }
    for (TDayNumber Day : {1, 876580}) {
        TRiseSetRec R = MoonRiseSet(Day, 0, 0.0, 45.0);
        EXPECT_TRUE(R.Rise >= 0 && R.Rise <= 86399) << Day;
        EXPECT_TRUE(R.Set >= 0 && R.Set <= 86399) << Day;
    }
}

// A day whose sidereal time is needed must be valid, and day numbers at the ends
// of the integer range must not overflow when their neighbours are looked at.
TEST(MoonRiseSet, InvalidDaysOfTheIterationAndExtremeDayNumbers) {
    const TRADecRec P{40.0, 10.0};
    for (TDayNumber Day : {-1, 876582}) {
        TRiseSetRec R = RiseSetIteration(Day, P, P, P, -0.5667, false, 40.0, 0.0);
        EXPECT_EQ(R.Rise, -4) << Day;
        EXPECT_EQ(R.Set, -4) << Day;
    }
    for (TDayNumber Day :
         {std::numeric_limits<TDayNumber>::min(), std::numeric_limits<TDayNumber>::max()}) {
        TRiseSetRec R = MoonRiseSet(Day, 0, 0.0, 45.0);
        EXPECT_EQ(R.Rise, -4) << Day;
        EXPECT_EQ(R.Set, -4) << Day;
    }
}

// At a pole the altitude of the Moon is its declination, give or take its
// parallax (1 degree): a Moon more than 10 degrees north of the equator at 0h
// stays well north of it all day (it moves less than 7 degrees a day), so it never
// sets at the north pole and never rises at the south pole; and the other way round.
TEST(MoonRiseSet, PolesSeeTheMoonUpOrDownAllDay) {
    const TDayNumber First = DMYToDayNumber(1, 1, 2024, 0);
    int North = 0, South = 0;
    for (TDayNumber Day = First; Day < First + 60; ++Day) {
        const double Dec = MoonPosition({Day, 0}).Dec;
        if (std::fabs(Dec) < 10.0) continue;
        const int32_t AtNorthPole = Dec > 0 ? -3 : -2;
        const int32_t AtSouthPole = Dec > 0 ? -2 : -3;
        TRiseSetRec N = MoonRiseSet(Day, 0, 10.0, 90.0);
        TRiseSetRec S = MoonRiseSet(Day, 0, 10.0, -90.0);
        EXPECT_EQ(N.Rise, AtNorthPole) << "day " << Day << " dec " << Dec;
        EXPECT_EQ(N.Set, AtNorthPole) << "day " << Day;
        EXPECT_EQ(S.Rise, AtSouthPole) << "day " << Day << " dec " << Dec;
        EXPECT_EQ(S.Set, AtSouthPole) << "day " << Day;
        (Dec > 0 ? North : South) += 1;
    }
    EXPECT_GT(North, 10);
    EXPECT_GT(South, 10);
}

// A height above sea level lowers the horizon: the Moon rises earlier and sets
// later, by about 0.0195 degree per square-root foot.
TEST(MoonRiseSet, HeightWidensTheArcAboveTheHorizon) {
    TDayNumber Day = DMYToDayNumber(15, 3, 2024, 0);
    TRiseSetRec Sea = MoonRiseSet(Day, 0, -74.0, 40.7);
    TRiseSetRec High = MoonRiseSet(Day, 10000, -74.0, 40.7);
    TRiseSetRec Below = MoonRiseSet(Day, -400, -74.0, 40.7);
    EXPECT_LT(High.Rise, Sea.Rise);
    EXPECT_GT(High.Set, Sea.Set);
    EXPECT_GT(Below.Rise, Sea.Rise);
    EXPECT_LT(Below.Set, Sea.Set);
    EXPECT_NEAR(Sea.Rise - High.Rise, 600, 300);  // 1.95 degrees at this latitude
}

// Rise and set times against ephem (upper limb at 34' below the horizon,
// topocentric). On days when the Moon clears the horizon by more than 5 degrees
// both ways, the event is within 60 s of ephem's; it takes the moment of day D
// itself, or on a day without that event (the Moon rises about 50 minutes later
// each day, so some days lack one) the time of day of the previous or next day's
// event. The method judges "never rises" and "never sets" from the declination
// at 0h, which moves up to 6 degrees a day: a marker is only wrong by a graze,
// and a Moon that stays more than 6 degrees below or above gets its marker.
TEST(MoonRiseSet, AgreesWithEphemThrough2024) {
    const auto Places = LoadPlaces();
    ASSERT_EQ(Places.size(), 9u);
    int Events = 0, DaysWithoutAnEvent = 0, NeverRises = 0, NeverSets = 0;
    for (const auto& [Name, P] : Places) {
        for (auto It = std::next(P.Days.begin()); std::next(It) != P.Days.end(); ++It) {
            const TDayNumber Day = It->first;
            const EphemDay& E = It->second;
            const EphemDay& Before = std::prev(It)->second;
            const EphemDay& After = std::next(It)->second;
            const TRiseSetRec R = MoonRiseSet(Day, 0, P.Longitude, P.Latitude);
            SCOPED_TRACE(Name + " day " + std::to_string(Day));
            ASSERT_EQ(R.Rise < 0, R.Set < 0);
            if (R.Rise == -2) {
                EXPECT_EQ(R.Set, -2);
                EXPECT_LT(E.MaxMargin, 6.0);
                ++NeverRises;
            } else if (R.Rise == -3) {
                EXPECT_EQ(R.Set, -3);
                EXPECT_GT(E.MinMargin, -6.0);
                ++NeverSets;
            } else {
                ASSERT_GE(R.Rise, 0);
                ASSERT_LE(R.Rise, 86399);
                ASSERT_GE(R.Set, 0);
                ASSERT_LE(R.Set, 86399);
            }
            if (E.MaxMargin < -6.0) {
                EXPECT_EQ(R.Rise, -2);
            }
            if (E.MinMargin > 6.0) {
                EXPECT_EQ(R.Rise, -3);
            }
            if (!(E.Clear() && Before.Clear() && After.Clear())) continue;
            ASSERT_GE(R.Rise, 0);
            for (auto [Ours, Today, Yesterday, Tomorrow] :
                 {std::tuple{R.Rise, E.Rises, Before.Rises, After.Rises},
                  std::tuple{R.Set, E.Sets, Before.Sets, After.Sets}}) {
                std::vector<int> Candidates = Today;
                if (Today.empty()) {
                    ++DaysWithoutAnEvent;
                    Candidates.insert(Candidates.end(), Yesterday.begin(), Yesterday.end());
                    Candidates.insert(Candidates.end(), Tomorrow.begin(), Tomorrow.end());
                }
                auto Diff = Nearest(Ours, Candidates);
                ASSERT_TRUE(Diff.has_value());
                EXPECT_LE(*Diff, 60) << "ours " << Ours;
                ++Events;
            }
        }
    }
    EXPECT_GT(Events, 4000);
    EXPECT_GT(DaysWithoutAnEvent, 50);
    EXPECT_GT(NeverRises, 20);
    EXPECT_GT(NeverSets, 20);
}

}  // namespace
}  // namespace orbelune
