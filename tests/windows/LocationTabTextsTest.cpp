// The location page's values without widgets: the stored location shown in the labels
// and stored back, the altitude in feet or metres, and what a chosen place changes.
#include "LocationTabTexts.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbelune {
namespace {

TEST(LocationForm, StoredPositionComesBackToTheSecondOfArc) {
    const struct {
        long double Latitude, Longitude;
        const char* Labels;  // latitude then longitude labels, with their hemispheres
    } cases[] = {
        {40.7517L, -73.9942L, "40 45 6 N / 73 59 39 W"},
        {-33.8688L, 151.2093L, "33 52 8 S / 151 12 33 E"},
        {51.5L, 0.0L, "51 30 0 N / 0 0 0 E"},
        {-0.99999L, -179.99999L, "1 0 0 S / 180 0 0 W"},  // seconds rounding up carry over
    };
    for (const auto& c : cases) {
        TSettings settings;
        settings.Latitude = c.Latitude;
        settings.Longitude = c.Longitude;
        const TLocationForm form = LocationFormFromSettings(settings);
        const auto shown = [](const TDmsLabels& l, const char* plus, const char* minus) {
            return l.Degrees + ' ' + l.Minutes + ' ' + l.Seconds + ' ' +
                   QString::fromLatin1(l.Negative ? minus : plus);
        };
        EXPECT_EQ(shown(form.Latitude, "N", "S") + " / " + shown(form.Longitude, "E", "W"),
                  QString::fromLatin1(c.Labels));

        TSettings stored;
        TSettingsCopies copies;
        ASSERT_TRUE(StoreLocation(form, stored, copies)) << c.Labels;
        EXPECT_NEAR(static_cast<double>(stored.Latitude), static_cast<double>(c.Latitude),
                    0.5 / 3600)
            << c.Labels;
        EXPECT_NEAR(static_cast<double>(stored.Longitude), static_cast<double>(c.Longitude),
                    0.5 / 3600)
            << c.Labels;
        EXPECT_EQ(stored.SouthernHemisphere, c.Latitude < 0) << c.Labels;
    }
}

TEST(LocationForm, AltitudeInFeetOrMetres) {
    EXPECT_EQ(AltitudeEditText(154, false), "154");
    EXPECT_EQ(AltitudeEditText(154, true), "47");
    EXPECT_EQ(AltitudeEditText(-13, true), "-4");

    const struct {
        const char* Edit;
        bool Metres;
        int Expected;  // feet stored over 5335
    } cases[] = {
        {"154", false, 154},  {" 47 ", true, 154}, {"-4", true, -13},
        {"1626", true, 5335}, {"", false, 5335},  // no whole number: the altitude stays
        {"12a", false, 5335},
    };
    for (const auto& c : cases) {
        TLocationForm form;
        form.AltitudeText = QString::fromLatin1(c.Edit);
        form.Metres = c.Metres;
        TSettings stored;
        stored.Altitude = 5335;
        TSettingsCopies copies;
        StoreLocation(form, stored, copies);
        EXPECT_EQ(stored.Altitude, c.Expected) << c.Edit;
        EXPECT_EQ(stored.DistanceUnits, c.Metres ? 'M' : 'F') << c.Edit;
    }
}

TEST(LocationForm, StoringWritesThePlaceAndItsStoredCopies) {
    TLocationForm form;
    form.PlaceName = QString(200, QLatin1Char('x'));
    form.Zip = QStringLiteral("02134");
    form.City = QStringLiteral("Boston");
    form.State = QStringLiteral("MA");
    form.Country = QStringLiteral("United States");
    form.Latitude = {QStringLiteral("42"), QStringLiteral("21"), QString(), false};
    form.Longitude = {QStringLiteral("x"), QString(), QString(), true};  // does not parse
    TSettings stored;
    stored.Latitude = 10;
    TSettingsCopies copies;
    EXPECT_FALSE(StoreLocation(form, stored, copies));
    EXPECT_EQ(stored.Latitude, 10);  // the position stays whole
    EXPECT_EQ(stored.PlaceName.size(), 128);
    EXPECT_EQ(stored.CityStateZipEdText, stored.PlaceName);
    EXPECT_EQ(stored.ZipCode, "02134");
    EXPECT_EQ(copies.PlaceName, stored.PlaceName);
    EXPECT_EQ(copies.CityName, "Boston");
    EXPECT_EQ(copies.StateName, "MA");
    EXPECT_EQ(copies.CountryName, "United States");
}

// A place's own elevation, else its station's; with neither the altitude shown stays.
TEST(LocationForm, AChosenPlaceTakesTheStationsAltitudeOnlyWithoutItsOwn) {
    const TAltitudeFill none, station{true, QStringLiteral("9928"), 9928},
        own{true, QStringLiteral("10152"), 10152};
    const struct {
        TAltitudeFill Place;
        TAltitudeFill Station;
        const char* Shown;
    } cases[] = {{none, station, "9928"}, {own, station, "10152"}, {none, none, "154"}};
    for (const auto& c : cases) {
        TPlaceChoice choice;
        choice.PlaceName = choice.City = QStringLiteral("Leadville");
        choice.Altitude = c.Place;
        choice.Station.Altitude = c.Station;
        TLocationForm form;
        form.AltitudeText = QStringLiteral("154");
        ApplyPlaceChoice(choice, form);
        EXPECT_EQ(form.AltitudeText, c.Shown);
        EXPECT_EQ(form.PlaceName, "Leadville");
    }
}

}  // namespace
}  // namespace orbelune
