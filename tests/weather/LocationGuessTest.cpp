// The first-start location guess from the zone's base offset.
#include "LocationGuess.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(GuessLatLon, PicksTheCityOfTheOffsetsBucket) {
    const struct {
        double Offset;
        const char* City;
        const char* Station;
    } Cases[] = {
        {-12, "Majuro", "PKMJ"},    {-11.5, "Apia", "NSAP"},      {-5, "New York", "KNYC"},
        {-4.5, "Halifax", "CYHZ"},  {-3.5, "St. John's", "CXSW"}, {-1, "Sao Miguel", "LPLA"},
        {0, "London", "EGLL"},      {0.5, "Amsterdam", "EHAM"},   {5.5, "New Delhi", "VIDD"},
        {5.75, "Katmandu", "VNKT"}, {6, "Novosibirsk", "UNNN"},   {12.75, "Nuku'Alofa", "NFTF"},
        {13, "Nuku'Alofa", "NFTF"}, {14, "New York", "KNYC"},
    };
    for (const auto& Case : Cases) {
        const TGuessedLocation Guess = GuessLatLon(Case.Offset);
        EXPECT_EQ(Guess.CityName, QString::fromUtf8(Case.City)) << Case.Offset;
        EXPECT_EQ(Guess.StationCode, QString::fromLatin1(Case.Station)) << Case.Offset;
    }
}

TEST(GuessLatLon, TurnsTheWestPositiveLongitudesEastPositive) {
    const TGuessedLocation LosAngeles = GuessLatLon(-8);
    ASSERT_TRUE(LosAngeles.Longitude && LosAngeles.Latitude && LosAngeles.AltitudeFeet);
    EXPECT_DOUBLE_EQ(static_cast<double>(*LosAngeles.Longitude), -118.2411);
    EXPECT_DOUBLE_EQ(static_cast<double>(*LosAngeles.Latitude), 34.0522);
    EXPECT_EQ(*LosAngeles.AltitudeFeet, 125) << "38 m";
    EXPECT_EQ(LosAngeles.StateName, "CA");
    EXPECT_EQ(LosAngeles.CountryName, "United States");
    EXPECT_EQ(LosAngeles.PlaceName, "Los Angeles CA");

    const TGuessedLocation Tokyo = GuessLatLon(9);
    EXPECT_DOUBLE_EQ(static_cast<double>(*Tokyo.Longitude), 139.6917);
    EXPECT_EQ(Tokyo.StateName, "");
    EXPECT_EQ(Tokyo.CountryName, "Japan");
    EXPECT_EQ(Tokyo.PlaceName, "Tokyo Japan");

    const TGuessedLocation NewYork = GuessLatLon(-5);
    EXPECT_DOUBLE_EQ(static_cast<double>(*NewYork.Latitude), 40.7517);
    EXPECT_DOUBLE_EQ(static_cast<double>(*NewYork.Longitude), -73.9942);
    EXPECT_EQ(*NewYork.AltitudeFeet, 154) << "47 m";
}

}  // namespace
}  // namespace orbelune
