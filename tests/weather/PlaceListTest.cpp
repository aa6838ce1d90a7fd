// The lookups over the place list: on small lists built here for their edge cases, and
// on the committed list for what a user in New York sees.
#include "PlaceList.h"

#include "PlaceListSamples.h"
#include "QStringPrinter.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

// A list of the real list's length whose lines are fillers without a position, with
// the given records at their lines.
TPlaceList ListWith(std::initializer_list<std::pair<int, const char*>> Records,
                    int Size = TPlaceList::LastUsPlace + 11) {
    QStringList Lines(Size, QStringLiteral("Filler;ZZ;Nowhere;ZZZZ;99-99-99N;999-99-99E;-"));
    for (const auto& [Line, Record] : Records) Lines[Line] = QString::fromUtf8(Record);
    TPlaceList List;
    List.SetSiteList(Lines);
    return List;
}

QStringList Names(const std::vector<TPlaceEntry>& Entries) {
    QStringList Out;
    for (const TPlaceEntry& Entry : Entries) Out << Entry.Name;
    return Out;
}

constexpr int Station = TPlaceList::LastForeignPlace + 1;
constexpr int UsStation = TPlaceList::LastForeignStation + 1;
constexpr int UsPlace = TPlaceList::LastUsStation + 1;
constexpr int City = TPlaceList::LastUsPlace + 1;

TEST(PlaceList, ACountryListsItsPlacesAndStationsSortedInAnyCase) {
    const TPlaceList List = ListWith({
        {0, "Lyon;FR;France;LFLL;45-45-00N;004-51-00E;-"},
        {7, "paris;FR;FRANCE;LFPB;48-51-00N;002-21-00E;-"},
        {Station + 5, "Bron;FR;France;LFLY;45-43-00N;004-56-00E;-"},
        {TPlaceList::LastForeignStation, "Ajaccio;FR;France;LFKJ;41-55-00N;008-48-00E;-"},
        {UsStation, "Paris;TX;France;KPRX;33-38-00N;095-27-00W;-"},  // past the countries
    });
    const auto Entries = List.CountryPlaces(QStringLiteral(" france "));
    EXPECT_EQ(Names(Entries), QStringList({"Ajaccio", "Bron", "Lyon", "paris"}));
    EXPECT_EQ(Entries[1].Record, List.Line(Station + 5));
    EXPECT_TRUE(List.CountryPlaces(QStringLiteral("Spain")).empty());
}

TEST(PlaceList, SameNamedPlacesOfAStateShowOnceOnlyWhenAdjacent) {
    const TPlaceList List = ListWith({
        {UsPlace - 1, "Before;IL;United States;KXXX;40-00-00N;089-00-00W;-"},
        {UsPlace, "Springfield;IL;United States;KSPI;39-47-00N;089-39-00W;-;046;62701"},
        {UsPlace + 1, "SPRINGFIELD;IL;United States;KSPI;39-48-00N;089-39-00W;-;046;62702"},
        {UsPlace + 2, "Alton;IL;United States;KALN;38-53-00N;090-11-00W;-;064;62002"},
        {UsPlace + 3, "Chicago;MO;United States;KMKC;39-00-00N;094-00-00W;-;025;64000"},
        {UsPlace + 4, "Springfield; il ;United States;KSPI;39-49-00N;089-39-00W;-;046;62703"},
        {City, "After;IL;United States;KORD;41-59-00N;087-54-00W;-;014"},
    });
    const auto Entries = List.StatePlaces(QStringLiteral("IL"));
    EXPECT_EQ(Names(Entries), QStringList({"Alton", "Springfield", "Springfield"}));
    EXPECT_TRUE(Entries[1].Record.endsWith(QStringLiteral("62701"))) << "the first of a run";
    EXPECT_TRUE(Entries[2].Record.endsWith(QStringLiteral("62703")));
}

TEST(PlaceList, ZipsAreComparedAsTyped) {
    const TPlaceList List = ListWith({
        {UsPlace + 2, "Allston;MA;United States;KBOS;42-21-00N;071-07-00W;-;015;2134"},
        {UsPlace + 3, "Allston;MA;United States;KBOS;42-21-00N;071-07-00W;-;015;02135"},
        {UsPlace + 4, "Atlantis;ZZ;United States;KBOS;42-21-00N;071-07-00W;-;015;99999"},
        {City, "Late;MA;United States;KBOS;42-21-00N;071-07-00W;-;015;10001"},
    });
    const struct {
        const char* Typed;
        bool Found;
        int Line;
    } Cases[] = {
        {"02134", true, UsPlace + 2},  // field 9 without its zero
        {"02135", true, UsPlace + 3}, {" 02135 ", true, UsPlace + 3},
        {"2134", false, 0},   // the typed text is not filled up
        {"10001", false, 0},  // beyond the places
        {"0213x", false, 0},          {"", false, 0},
    };
    for (const auto& Case : Cases) {
        const TZipMatch Match = List.FindZip(QString::fromLatin1(Case.Typed));
        EXPECT_EQ(Match.Found, Case.Found) << Case.Typed;
        if (Case.Found) {
            EXPECT_EQ(Match.Record, List.Line(Case.Line)) << Case.Typed;
            EXPECT_EQ(Match.PlaceName, "Allston");
            EXPECT_EQ(Match.StateIndex, 22) << "Massachusetts";
        }
    }
    EXPECT_EQ(List.FindZip(QStringLiteral("99999")).StateIndex, -1) << "no such state";
}

TEST(PlaceList, ForecastCitiesNeedTheirSection) {
    const TPlaceList List = ListWith({
        {UsPlace, "Albany;NY;United States;KALB;42-39-00N;073-45-00W;-;054;12207"},
        {City, "Buffalo;NY;United States;KBUF;42-53-00N;078-52-00W;-;010"},
        {City + 1, "Albany;NY;United States;KALB;42-39-00N;073-45-00W;-;054"},
        {City + 2, "Newark;NJ;United States;KEWR;40-44-00N;074-10-00W;-;007"},
    });
    const auto Cities = List.ForecastCities(QStringLiteral("NY"));
    EXPECT_EQ(Names(Cities), QStringList({"Albany", "Buffalo"}));
    EXPECT_EQ(SiteField(Cities[0].Record, 8), "054");

    const TPlaceList Short = ListWith({}, City);
    EXPECT_TRUE(Short.ForecastCities(QStringLiteral("ZZ")).empty());
}

const std::initializer_list<std::pair<int, const char*>> TwoStations = {
    {TPlaceList::LastForeignPlace, "Not a station;UK;United Kingdom;EGLL;51-28-00N;000-27-00W;-"},
    {Station, "Heathrow;UK;United Kingdom;EGLL;51-28-00N;000-27-00W;25"},
    {UsStation, "Central Park;NY;United States;KNYC;40-47-00N;073-58-00W;47"},
    {UsStation + 1, "Twin;NY;United States;KTWN;40-47-00N;073-58-00W;47"},
    {UsPlace, "Nearer;NY;United States;KNNN;40-45-00N;073-59-00W;-;072;10001"},
};

TEST(PlaceList, FindClosestPicksTheNearestStationOrNone) {
    const TPlaceList List = ListWith(TwoStations);
    const TStationChoice NewYork = List.FindClosest(TLatLon{40.75L, -73.99L}, true, false);
    EXPECT_TRUE(NewYork.Found);
    EXPECT_EQ(NewYork.Code, "KNYC") << "the first of equal distances";
    EXPECT_EQ(NewYork.Name, "NY Central Park");
    EXPECT_EQ(NewYork.Altitude.EditText, "154") << "47 m in feet";

    const TStationChoice London = List.FindClosest(TLatLon{51.5L, -0.1L}, false, true);
    EXPECT_EQ(London.Name, "United Kingdom Heathrow");
    EXPECT_EQ(London.Altitude.EditText, "25");

    for (const TStationChoice& None :
         {List.FindClosest(std::nullopt, true, false),
          ListWith({}).FindClosest(TLatLon{40.75L, -73.99L}, true, false)}) {
        EXPECT_FALSE(None.Found);
        EXPECT_EQ(None.Name, " ");
        EXPECT_EQ(None.Code, "");
    }
}

TEST(PlaceList, ChoosingAPlaceFillsInItsLocationAndStation) {
    const TPlaceList List = ListWith(TwoStations);
    const TPlaceChoice Us = List.ChoosePlace(
        QStringLiteral("Boston;MA;Massachusetts;KNYC;42-21-18N;071-03-57W;-;015;2108"), true,
        false);
    EXPECT_EQ(Us.PlaceName, "Boston");
    EXPECT_EQ(Us.City, "Boston");
    EXPECT_EQ(Us.State, "MA");
    EXPECT_EQ(Us.Country, "United States");
    EXPECT_EQ(Us.Zip, "02108");
    EXPECT_EQ(Us.Latitude.Degrees, "42");
    EXPECT_TRUE(Us.Longitude.Negative);
    EXPECT_FALSE(Us.Altitude.Converted) << "no elevation: the edit is cleared";
    EXPECT_EQ(Us.Station.Code, "KNYC");
    EXPECT_EQ(Us.Station.Name, "NY Central Park") << "named after the station's record";
    ASSERT_TRUE(Us.Position.has_value());
    EXPECT_NEAR(static_cast<double>(Us.Position->Latitude), 42.355, 1e-3);

    const TPlaceChoice Abroad = List.ChoosePlace(
        QStringLiteral("Heathrow;UK;United Kingdom;EGLL;51-28-00N;000-27-00W;25"), false, true);
    EXPECT_EQ(Abroad.Country, "United Kingdom");
    EXPECT_EQ(Abroad.Zip, "");
    EXPECT_EQ(Abroad.Altitude.EditText, "25");
    EXPECT_EQ(Abroad.Altitude.Feet, 82);
    EXPECT_EQ(Abroad.Station.Name, "United Kingdom Heathrow");

    const TPlaceChoice Bare = List.ChoosePlace(QStringLiteral("Tiny;ZZ;Narnia"), false, false);
    EXPECT_FALSE(Bare.Position.has_value()) << "not 0 N 0 E";
    EXPECT_FALSE(Bare.Station.Found) << "not the station nearest 0 N 0 E";
}

TEST(AltitudeFromElevation, ConvertsMetresAndRefusesWhatIsNoNumber) {
    const struct {
        const char* Field;
        bool Metres;
        bool Converted;
        const char* Edit;
        int Feet;
    } Cases[] = {
        {"47", false, true, "154", 154}, {"47", true, true, "47", 154},
        {"-4", true, true, "-4", -13},   {"2.5", true, true, "3", 8},
        {"-", false, false, "", 0},      {"", false, false, "", 0},
        {"nan", false, false, "", 0},    {"inf", true, false, "", 0},
        {"1e300", false, false, "", 0},
    };
    for (const auto& Case : Cases) {
        const TAltitudeFill Fill =
            AltitudeFromElevation(QString::fromLatin1(Case.Field), Case.Metres);
        EXPECT_EQ(Fill.Converted, Case.Converted) << Case.Field;
        EXPECT_EQ(Fill.EditText, QString::fromLatin1(Case.Edit)) << Case.Field;
        EXPECT_EQ(Fill.Feet, Case.Feet) << Case.Field;
    }
}

TEST(DistanceText, GivesWholeMilesAndKilometresOrNothing) {
    const TLatLon NewYork{40.7517L, -73.9942L}, London{51.5L, 0.0L};
    const QString Text =
        DistanceText(NewYork, QStringLiteral("New York NY"), London, QStringLiteral("London"));
    // About 3,460 miles (5,570 km) on the sphere.
    const QRegularExpression Shape(
        QStringLiteral("^(34[5-7]\\d) Miles \\((55[5-9]\\d) Kilometers\\) from \\[New York NY\\] "
                       "to \\[London\\]$"));
    EXPECT_TRUE(Shape.match(Text).hasMatch()) << Text.toStdString();
    // A degree of latitude is about 69 miles (111 km): 0.004 degrees round to 0 miles and
    // 0 km, 0.006 degrees to 0 miles but 1 km.
    const struct {
        long double Degrees;
        const char* Text;
    } Near[] = {{0, ""}, {0.004L, ""}, {0.006L, "0 Miles (1 Kilometers) from [a] to [b]"}};
    for (const auto& Case : Near) {
        const TLatLon Next{London.Latitude + Case.Degrees, London.Longitude};
        EXPECT_EQ(DistanceText(London, QStringLiteral("a"), Next, QStringLiteral("b")),
                  QString::fromLatin1(Case.Text))
            << static_cast<double>(Case.Degrees);
    }
}

// The committed list, as a user in New York uses it.
TEST(CommittedPlaceList, NewYorkIsFoundByStateAndByZip) {
    TPlaceList List;
    List.SetSiteList(test::CommittedPlaceList());

    const auto Places = List.StatePlaces(QStringLiteral("NY"));
    const auto NewYork = std::find_if(Places.begin(), Places.end(), [](const TPlaceEntry& E) {
        return E.Name == QLatin1String("New York");
    });
    ASSERT_NE(NewYork, Places.end());
    const TPlaceChoice Choice = List.ChoosePlace(NewYork->Record, true, false);
    EXPECT_EQ(Choice.Station.Code, "KNYC");
    EXPECT_EQ(Choice.State, "NY");
    ASSERT_TRUE(Choice.Position.has_value());
    EXPECT_NEAR(static_cast<double>(Choice.Position->Latitude), 40.75, 0.1);
    EXPECT_NEAR(static_cast<double>(Choice.Position->Longitude), -73.99, 0.1);

    // Manhattan's zips belong to New York, not to the towns across the Hudson.
    for (const char* Zip : {"10001", "10004", "10013", "10027", "10036"}) {
        const TZipMatch Match = List.FindZip(QString::fromLatin1(Zip));
        ASSERT_TRUE(Match.Found) << Zip;
        EXPECT_EQ(Match.PlaceName, "New York") << Zip;
        EXPECT_EQ(Match.StateIndex, 33) << Zip;
    }
    EXPECT_EQ(List.FindZip(QStringLiteral("07030")).PlaceName, "Hoboken");
    // Find City shows the typed zip's own record, not the first record of its place.
    EXPECT_EQ(Choice.Zip, "10001");
    const TZipMatch Brooklyn = List.FindZip(QStringLiteral("11201"));
    EXPECT_EQ(Brooklyn.PlaceName, "New York");
    EXPECT_EQ(List.ChoosePlace(Brooklyn.Record, true, false).Zip, "11201");
    EXPECT_EQ(List.FindClosest(TLatLon{40.758L, -73.9855L}, true, false).Code, "KNYC");

    const auto Cities = List.ForecastCities(QStringLiteral("NY"));
    EXPECT_TRUE(std::any_of(Cities.begin(), Cities.end(), [](const TPlaceEntry& E) {
        return E.Name == QLatin1String("New York");
    }));
    EXPECT_FALSE(List.CountryPlaces(QStringLiteral("germany")).empty());
}

}  // namespace
}  // namespace orbelune
