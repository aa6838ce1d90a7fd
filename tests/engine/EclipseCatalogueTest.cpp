// The eclipses of 1900-2100 against an independent catalogue: tests/data/
// eclipses_1900_2100.csv, computed by tools/eclipse_reference.py from PyEphem's Sun and
// Moon (Besselian geometry for solar eclipses, the traditional shadow rule for lunar
// ones). Its 21st century holds 77 partial, 72 annular, 68 total and 7 annular-total
// solar eclipses, the counts of the published NASA canon.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CsvReader.h"
#include "StDate.h"
#include "StEclpse.h"

namespace orbelune {
namespace {

struct Reference {
    std::string Date;
    TDateTime Greatest;
    int Kind;
    double Gamma;
    double Magnitude;
    std::vector<double> HalfDurations;  // lunar: penumbral, umbral, total phases (minutes)
};

struct Found {
    TEclipseRec Rec;
    int Year;
};

TDateTime ParseUT(const std::string& Date, const std::string& Time) {
    const int y = std::stoi(Date.substr(0, 4)), mo = std::stoi(Date.substr(5, 2));
    const int d = std::stoi(Date.substr(8, 2));
    const int h = std::stoi(Time.substr(0, 2)), mi = std::stoi(Time.substr(3, 2));
    const int s = std::stoi(Time.substr(6, 2));
    return DayNumberToDateTime(DMYToDayNumber(d, mo, y, 0)) + (h * 3600 + mi * 60 + s) / 86400.0;
}

std::string DateText(TDateTime T) {
    int d = 0, m = 0, y = 0;
    DayNumberToDMY(DateTimeToDayNumber(T), d, m, y);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    return text;
}

bool IsSolar(int Kind) {
    return Kind >= EclipsePartialSolar;
}

class EclipseCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const auto& row : test::ReadCsv("eclipses_1900_2100.csv")) {
            Reference r{row.Text("date"),     ParseUT(row.Text("date"), row.Text("time")),
                        row.Int("kind"),      row.Num("gamma"),
                        row.Num("magnitude"), {}};
            if (!IsSolar(r.Kind)) {
                std::istringstream in(row.Text("note"));
                for (double v = 0; in >> v;) r.HalfDurations.push_back(v);
            }
            Refs.push_back(r);
        }
        for (int year = 1900; year <= 2100; ++year) {
            TStEclipses list;
            list.SearchYear(year);
            for (int i = 0; i < list.Count(); ++i) Engine.push_back({*list.EclipseAt(i), year});
        }
        // Pair each eclipse with the reference one of the same family within a day.
        for (size_t i = 0; i < Engine.size(); ++i)
            for (size_t j = 0; j < Refs.size(); ++j)
                if (IsSolar(Refs[j].Kind) == IsSolar(Engine[i].Rec.EType) &&
                    std::fabs(Refs[j].Greatest - Engine[i].Rec.MidEclipse) < 1.0)
                    Pairs.emplace_back(i, j);
    }

    static inline std::vector<Reference> Refs;
    static inline std::vector<Found> Engine;
    static inline std::vector<std::pair<size_t, size_t>> Pairs;
};

// Penumbral eclipses of the reference that the method does not find: the Moon only
// grazes the penumbra (reference penumbral magnitude 0.0014 and 0.0046), where the
// method's penumbra (1.5573 + u Earth radii with the Moon's radius) is a hair smaller.
const std::set<std::string> GrazingPenumbral = {"2027-07-18", "2096-06-06"};

// Eclipses the method classes otherwise, each within a few thousandths of a limit.
const std::map<std::string, int> BorderlineKinds = {
    // Reference umbral magnitude 1.0009: the Moon is wholly in the umbra for a few
    // minutes; the method gives 0.996, partial.
    {"2015-04-04", EclipsePartialLunar},
    // The umbral vertex lies almost on the Earth's surface (magnitude 1.000): the
    // method's band for annular-total eclipses (u below 0.00464 sqrt(1 - gamma^2))
    // takes in this annular one.
    {"1948-05-09", EclipseAnnularTotalSolar},
};

TEST_F(EclipseCatalogue, EveryEclipseFoundAndNoneInvented) {
    std::set<size_t> engineMatched, refMatched;
    for (const auto& [i, j] : Pairs) {
        EXPECT_TRUE(engineMatched.insert(i).second)
            << "found twice: " << DateText(Engine[i].Rec.MidEclipse);
        EXPECT_TRUE(refMatched.insert(j).second) << "matched twice: " << Refs[j].Date;
    }
    for (size_t i = 0; i < Engine.size(); ++i)
        EXPECT_TRUE(engineMatched.count(i)) << "invented: " << DateText(Engine[i].Rec.MidEclipse);
    for (size_t j = 0; j < Refs.size(); ++j)
        EXPECT_EQ(refMatched.count(j) == 0, GrazingPenumbral.count(Refs[j].Date) == 1)
            << "reference eclipse " << Refs[j].Date;
    EXPECT_EQ(Engine.size() + GrazingPenumbral.size(), Refs.size());
}

TEST_F(EclipseCatalogue, KindsAgreeButForListedBorderlineCases) {
    for (const auto& [i, j] : Pairs) {
        const auto borderline = BorderlineKinds.find(Refs[j].Date);
        const int expected =
            borderline == BorderlineKinds.end() ? Refs[j].Kind : borderline->second;
        EXPECT_EQ(Engine[i].Rec.EType, expected) << Refs[j].Date;
    }
}

TEST_F(EclipseCatalogue, GreatestEclipseWithinTwoMinutes) {
    // The method's instants are good to about a minute and its parabolic Delta-T is
    // up to a minute off the measured one over these two centuries.
    for (const auto& [i, j] : Pairs)
        EXPECT_NEAR(Engine[i].Rec.MidEclipse, Refs[j].Greatest, 2.0 / 1440.0) << Refs[j].Date;
}

TEST_F(EclipseCatalogue, EclipsesFallInTheirYearInTimeOrder) {
    for (size_t i = 0; i < Engine.size(); ++i) {
        EXPECT_EQ(std::stoi(DateText(Engine[i].Rec.MidEclipse).substr(0, 4)), Engine[i].Year);
        if (i > 0 && Engine[i - 1].Year == Engine[i].Year) {
            EXPECT_LT(Engine[i - 1].Rec.MidEclipse, Engine[i].Rec.MidEclipse);
        }
    }
    std::map<int, int> perYear;
    for (const auto& e : Engine) ++perYear[e.Year];
    for (int year = 1900; year <= 2100; ++year) {
        EXPECT_GE(perYear[year], 2) << year;
        EXPECT_LE(perYear[year], 7) << year;
    }
}

TEST_F(EclipseCatalogue, LunarMagnitudesWithinTwoHundredths) {
    // The method's shadow constants against Danjon's rule; the largest difference
    // over the two centuries is 0.013.
    int compared = 0;
    for (const auto& [i, j] : Pairs) {
        if (IsSolar(Refs[j].Kind) || Engine[i].Rec.EType != Refs[j].Kind) continue;
        EXPECT_NEAR(Engine[i].Rec.Magnitude, Refs[j].Magnitude, 0.02) << Refs[j].Date;
        ++compared;
    }
    EXPECT_GT(compared, 450);
}

TEST_F(EclipseCatalogue, PartialSolarMagnitudesWithinFiveHundredths) {
    for (const auto& [i, j] : Pairs) {
        if (Refs[j].Kind == EclipsePartialSolar && Engine[i].Rec.EType == EclipsePartialSolar) {
            EXPECT_NEAR(Engine[i].Rec.Magnitude, Refs[j].Magnitude, 0.05) << Refs[j].Date;
        }
    }
}

TEST_F(EclipseCatalogue, SolarHemisphereFollowsTheSideOfTheAxis) {
    for (const auto& [i, j] : Pairs) {
        if (IsSolar(Refs[j].Kind)) {
            EXPECT_EQ(Engine[i].Rec.Hemisphere, Refs[j].Gamma > 0 ? 1 : 2) << Refs[j].Date;
        }
    }
}

// A phase's half-duration h within three minutes (the method's mean lunar speed), or
// within 200 / h minutes where the Moon only grazes that shadow: there the chord grows
// steeply with the shadow's radius, and the 200 / h covers radii 0.01 Earth radii
// apart (the magnitudes differ by up to 0.013 lunar diameters, 0.007 Earth radii).
void ExpectHalfDuration(double Start, double End, double Reference, const std::string& Date) {
    EXPECT_NEAR((End - Start) / 2 * 1440.0, Reference, std::max(3.0, 200.0 / Reference)) << Date;
}

TEST_F(EclipseCatalogue, LunarContactsAgree) {
    // Half-durations of the penumbral, umbral and total phases; the method's contacts
    // are symmetric about greatest eclipse.
    for (const auto& [i, j] : Pairs) {
        const TEclipseRec& r = Engine[i].Rec;
        if (IsSolar(r.EType) || r.EType != Refs[j].Kind) continue;
        const std::vector<double>& half = Refs[j].HalfDurations;
        ASSERT_EQ(half.size(), static_cast<size_t>(r.EType) + 1) << Refs[j].Date;
        ExpectHalfDuration(r.PenumbralStart, r.PenumbralEnd, half[0], Refs[j].Date);
        if (r.EType >= EclipsePartialLunar) {
            ExpectHalfDuration(r.UmbralStart, r.UmbralEnd, half[1], Refs[j].Date);
        }
        if (r.EType == EclipseTotalLunar) {
            ExpectHalfDuration(r.TotalStart, r.TotalEnd, half[2], Refs[j].Date);
        }
    }
}

TEST_F(EclipseCatalogue, UnusedFieldsHoldZero) {
    for (const auto& e : Engine) {
        const TEclipseRec& r = e.Rec;
        SCOPED_TRACE(DateText(r.MidEclipse));
        if (IsSolar(r.EType)) {
            for (double t : {r.PenumbralStart, r.PenumbralEnd, r.UmbralStart, r.TotalStart,
                             r.TotalEnd, r.UmbralEnd})
                EXPECT_EQ(t, 0.0);
            EXPECT_NE(r.Hemisphere, 0);
            EXPECT_EQ(r.Magnitude == -1.0, r.EType != EclipsePartialSolar);
            if (r.EType == EclipsePartialSolar) {
                EXPECT_FALSE(r.Path.has_value());
            }
            continue;
        }
        EXPECT_EQ(r.Hemisphere, 0);
        EXPECT_FALSE(r.Path.has_value());
        EXPECT_LT(r.PenumbralStart, r.MidEclipse);
        EXPECT_GT(r.PenumbralEnd, r.MidEclipse);
        if (r.EType == EclipsePenumbralLunar) {
            for (double t : {r.UmbralStart, r.TotalStart, r.TotalEnd, r.UmbralEnd})
                EXPECT_EQ(t, 0.0);
            continue;
        }
        EXPECT_LT(r.PenumbralStart, r.UmbralStart);
        EXPECT_GT(r.PenumbralEnd, r.UmbralEnd);
        if (r.EType == EclipsePartialLunar) {
            EXPECT_EQ(r.TotalStart, 0.0);
            EXPECT_EQ(r.TotalEnd, 0.0);
        } else {
            EXPECT_LT(r.UmbralStart, r.TotalStart);
            EXPECT_LT(r.TotalStart, r.MidEclipse);
            EXPECT_LT(r.MidEclipse, r.TotalEnd);
            EXPECT_LT(r.TotalEnd, r.UmbralEnd);
        }
    }
}

TEST_F(EclipseCatalogue, CentralPathsAreOrderedAndPlausible) {
    int paths = 0;
    for (const auto& e : Engine) {
        if (!e.Rec.Path) continue;
        ++paths;
        const auto& path = *e.Rec.Path;
        SCOPED_TRACE(DateText(e.Rec.MidEclipse));
        ASSERT_GE(path.size(), 2u);
        for (size_t k = 0; k < path.size(); ++k) {
            const TEclipsePathPoint& p = path[k];
            if (k > 0) {
                EXPECT_NEAR(p.Time - path[k - 1].Time, 10.0 / 1440.0, 1e-6);
            }
            EXPECT_LE(std::fabs(p.Time - e.Rec.MidEclipse), 2.0 / 24.0 + 6.0 / 1440.0);
            EXPECT_LE(std::fabs(p.Latitude), 90.0);
            EXPECT_LE(std::fabs(p.Longitude), 180.0);
            // Minutes and seconds: no central phase of these centuries reaches 12.5
            // minutes, and the seconds part stays below 60. Annular-total eclipses
            // pass through 0 where the umbral vertex touches the ground.
            EXPECT_GE(p.Duration, 0.0);
            EXPECT_LT(p.Duration, 12.5);
            EXPECT_LT(p.Duration - std::floor(p.Duration), 0.595);
        }
    }
    EXPECT_GT(paths, 250);
}

}  // namespace
}  // namespace orbelune
