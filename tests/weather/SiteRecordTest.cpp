// Fields and positions of place-list records, and the Set tab's position labels.
#include "SiteRecord.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbelune {
namespace {

TEST(SiteField, ReadsWordsSoEmptyFieldsDoNotCount) {
    const QString Record = QStringLiteral(";Albany;;NY;United States;KALB");
    EXPECT_EQ(SiteField(Record, 1), "Albany");
    EXPECT_EQ(SiteField(Record, 2), "NY");
    EXPECT_EQ(SiteField(Record, 4), "KALB");
    EXPECT_EQ(SiteField(Record, 5), "");
    EXPECT_EQ(SiteField(Record, 0), "");
    EXPECT_EQ(SiteField(QString(), 1), "");
}

TEST(SiteZip, FillsUpWithZerosOnTheLeft) {
    EXPECT_EQ(SiteZip(u"Boston;MA;United States;KBOS;42-21-18N;071-03-57W;-;015;2134"), "02134");
    EXPECT_EQ(SiteZip(u"Boston;MA;United States;KBOS;42-21-18N;071-03-57W;-;015;02134"), "02134");
}

TEST(ParseDmsText, ReadsDegreesMinutesSecondsAndTheHemisphere) {
    const struct {
        const char* Text;
        bool Ok;
        long double Degrees;
    } Cases[] = {
        {"40-45-02N", true, 40 + 45 / 60.0L + 2 / 3600.0L},
        {"073-59-50W", true, -(73 + 59 / 60.0L + 50 / 3600.0L)},
        {"33-52-00s", true, -(33 + 52 / 60.0L)},  // any case
        {"151-12-30E", true, 151 + 12 / 60.0L + 30 / 3600.0L},
        {"90-00-00N", true, 90},
        {"91-00-00N", false, 0},    // beyond the pole
        {"120-00-00E", true, 120},  // a longitude may reach 180
        {"181-00-00W", false, 0},
        {"40-61-00N", false, 0},   // minutes above 60
        {"40-45N", true, 40.75L},  // a missing part reads as 0
    };
    for (const auto& Case : Cases) {
        long double Degrees = 99;
        EXPECT_EQ(ParseDmsText(QString::fromLatin1(Case.Text), Degrees), Case.Ok) << Case.Text;
        if (Case.Ok) {
            EXPECT_NEAR(static_cast<double>(Degrees), static_cast<double>(Case.Degrees), 1e-12)
                << Case.Text;
        }
    }
}

TEST(GetSiteLatLon, NeedsBothPositionFields) {
    long double Lat = 7, Lon = 7;
    EXPECT_TRUE(
        GetSiteLatLon(u"Central Park;NY;United States;KNYC;40-46-46N;073-58-08W;-", Lat, Lon));
    EXPECT_NEAR(static_cast<double>(Lat), 40.77944, 1e-5);
    EXPECT_NEAR(static_cast<double>(Lon), -73.96889, 1e-5);

    Lat = Lon = 7;
    EXPECT_FALSE(GetSiteLatLon(u"Nowhere;NY;United States;KXXX;95-00-00N;073-58-08W;-", Lat, Lon));
    EXPECT_FALSE(GetSiteLatLon(u"Nowhere;NY;United States;KXXX;40-46-46N", Lat, Lon))
        << "no longitude";
    EXPECT_EQ(Lat, 7);
    EXPECT_EQ(Lon, 7);
}

TEST(PositionLabels, SplitTheTextAndPickTheHemisphere) {
    const TDmsLabels North = LatitudeLabels(QStringLiteral("40-05-02N"));
    EXPECT_EQ(North.Degrees, "40");
    EXPECT_EQ(North.Minutes, "5");
    EXPECT_EQ(North.Seconds, "2");
    EXPECT_FALSE(North.Negative);
    EXPECT_TRUE(LatitudeLabels(QStringLiteral("33-52-00S")).Negative);

    const TDmsLabels West = LongitudeLabels(QStringLiteral("073-59-00W"));
    EXPECT_EQ(West.Degrees, "73");
    EXPECT_EQ(West.Seconds, "0");
    EXPECT_TRUE(West.Negative);
    EXPECT_FALSE(LongitudeLabels(QStringLiteral("151-12-30E")).Negative);
    EXPECT_TRUE(LongitudeLabels(QStringLiteral("151-12-30")).Negative) << "no E: west";
}

TEST(GetLatLon, ReadsTheLabelsAndNegatesSouthAndWest) {
    long double Lat = 0, Lon = 0;
    ASSERT_TRUE(GetLatLon(LatitudeLabels(QStringLiteral("33-52-00S")),
                          LongitudeLabels(QStringLiteral("151-12-30E")), Lat, Lon));
    EXPECT_NEAR(static_cast<double>(Lat), -33.866667, 1e-6);
    EXPECT_NEAR(static_cast<double>(Lon), 151.208333, 1e-6);

    TDmsLabels Bad = LatitudeLabels(QStringLiteral("33-52-00N"));
    Bad.Degrees = QStringLiteral("ninety");
    EXPECT_FALSE(GetLatLon(Bad, LongitudeLabels(QStringLiteral("1-0-0E")), Lat, Lon));
    EXPECT_NEAR(static_cast<double>(Lat), -33.866667, 1e-6) << "unchanged on failure";
}

}  // namespace
}  // namespace orbelune
