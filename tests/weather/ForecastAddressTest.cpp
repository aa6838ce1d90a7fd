// The forecast page addresses of the 29 sources, the place rules and the input boxes.
#include "ForecastAddress.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

// A forecast city of the place list: name, state, state text, station, latitude,
// longitude, altitude, forecast zone number, zip code.
const QString ManhattanRecord =
    QStringLiteral("New York (Manhattan);NY;NY;KNYC;40-46-00N;73-58-00W;40;72;10021");

TForecastPlace BostonPlace(int Source) {
    TForecastPlace p;
    p.Source = Source;
    p.PlaceText = QStringLiteral("Boston, ma");
    p.CityRecord = ManhattanRecord;
    p.StationCode = QStringLiteral("knyc");
    p.CityName = QStringLiteral("New York");
    p.StateName = QStringLiteral("ny");
    p.CountryName = QStringLiteral("United States");
    p.ZipCode = QStringLiteral("10001");
    p.TemperatureUnits = u'F';
    return p;
}

TEST(SetURL, EverySourceForOnePlace) {
    const char* const expected[ForecastSourceCount] = {
        "http://forecast.weather.gov/MapClick.php?CityName=Boston&state=MA",
        "http://graphical.weather.gov/sectors/massachusetts.php",
        "http://tgftp.nws.noaa.gov/data/forecasts/zone/ny/nyz072.txt",
        "http://tgftp.nws.noaa.gov/weather/current/KNYC.html",
        "http://www.wpc.ncep.noaa.gov/noaa/noaa.gif",
        "http://www.nhc.noaa.gov/",
        "http://www.wunderground.com/ski/",
        "http://www.wunderground.com/cgi-bin/findweather/hdfForecast?query=boston%2C+ma",
        "http://m.wunderground.com/cgi-bin/findweather/hdfForecast?query=boston%2C+ma",
        "http://m.wunderground.com/cgi-bin/findweather/getForecast?brand=mobile&query=ma",
        "http://www.wunderground.com/global/Region/US/2xST.html",
        "http://www.wunderground.com/global/Region/CN/2xST.html",
        "http://www.wunderground.com/global/Region/CA/2xST.html",
        "http://www.wunderground.com/global/Region/SA/2xST.html",
        "http://www.wunderground.com/global/Region/AS/2xST.html",
        "http://www.wunderground.com/global/Region/A2/2xST.html",
        "http://www.wunderground.com/global/Region/EU/2xST.html",
        "http://www.wunderground.com/global/Region/AU/2xST.html",
        "http://www.wunderground.com/global/Region/AF/2xST.html",
        "http://www.wunderground.com/global/Region/AN/2xST.html",
        "http://weather.com/weather/local/10001?",
        "http://www.weatherforyou.com/cgi-bin/forecast.cgi?city=boston&sc=MA",
        "http://www.accuweather.com/adcbin/public/local_index.asp?zipcode=10001",
        "http://www.localconditions.com/forecast/ma/boston.html",
        "http://www.weatherpixie.com/displayimg.php?place=KNYC&trooper=Random&type=F",
        "http://www.weatherbug.com/MA/Boston-weather.html",
        "http://www.cnn.com/weather/forecast.jsp?&zipCode=10001",
        "http://www.google.com/#hl=en&q=weather+boston+ma",
        "http://www.bing.com/search?q=weather+boston+ma",
    };
    for (int source = 0; source < ForecastSourceCount; ++source)
        EXPECT_EQ(SetURL(BostonPlace(source)), QString::fromLatin1(expected[source]))
            << "source " << source;
    // A source number outside the list keeps the point-forecast address.
    EXPECT_EQ(SetURL(BostonPlace(-1)), QString::fromLatin1(expected[0]));
    EXPECT_EQ(SetURL(BostonPlace(29)), QString::fromLatin1(expected[0]));
}

struct TPlaceCase {
    int Source;
    const char* PlaceText;
    const char* Expected;
};

TEST(SetURL, PlaceTextRules) {
    const TPlaceCase cases[] = {
        // The city keeps its blanks and its case; the state is trimmed and upper-cased.
        {0, " New York , ny",
         "http://forecast.weather.gov/MapClick.php?CityName=%20New%20York%20&state=NY"},
        {21, " New York , ny",
         "http://www.weatherforyou.com/cgi-bin/forecast.cgi?city=%20new%20york%20&sc=NY"},
        // Five digits are a zip: city and state come from the settings.
        {0, "02134", "http://forecast.weather.gov/MapClick.php?CityName=New%20York&state=NY"},
        {20, "02134", "http://weather.com/weather/local/02134?"},
        {26, "02134", "http://www.cnn.com/weather/forecast.jsp?&zipCode=02134"},
        // Four digits or a zip plus four are a city without a state; the zip setting holds.
        {0, "2134", "http://forecast.weather.gov/MapClick.php?CityName=2134&state="},
        {20, "2134", "http://weather.com/weather/local/10001?"},
        {0, "02134-1234", "http://forecast.weather.gov/MapClick.php?CityName=02134-1234&state="},
        {22, "02134-1234",
         "http://www.accuweather.com/adcbin/public/local_index.asp?zipcode=10001"},
        // Characters that would end or add a parameter stay inside the value.
        {0, "Winston-Salem & More, nc",
         "http://forecast.weather.gov/MapClick.php?CityName=Winston-Salem%20%26%20More&state=NC"},
        {27, "Winston-Salem & More, nc",
         "http://www.google.com/#hl=en&q=weather+winston-salem%20%26%20more+nc"},
        {25, "A/B #2, nc", "http://www.weatherbug.com/NC/A%2FB%20%232-weather.html"},
        {7, "Zürich, zh",
         "http://www.wunderground.com/cgi-bin/findweather/hdfForecast?query=z%C3%BCrich%2C+zh"},
        // Runs of commas count as one.
        {0, "Boston,,, ma", "http://forecast.weather.gov/MapClick.php?CityName=Boston&state=MA"},
        // The state's full name without its first blank; unknown states give nothing.
        {1, "Albany, ny", "http://graphical.weather.gov/sectors/newyork.php"},
        {1, "Washington, dc", "http://graphical.weather.gov/sectors/districtof%20columbia.php"},
        {1, "Nowhere, zz", "http://graphical.weather.gov/sectors/.php"},
        {1, "Nowhere", "http://graphical.weather.gov/sectors/.php"},
        // The zone forecast reads the city record, not the text.
        {2, "Boston, ma", "http://tgftp.nws.noaa.gov/data/forecasts/zone/ny/nyz072.txt"},
    };
    for (const TPlaceCase& c : cases) {
        TForecastPlace p = BostonPlace(c.Source);
        p.PlaceText = QString::fromUtf8(c.PlaceText);
        EXPECT_EQ(SetURL(p), QString::fromLatin1(c.Expected)) << c.Source << " " << c.PlaceText;
    }
}

TEST(SetURL, ZoneForecastRecord) {
    TForecastPlace p = BostonPlace(2);
    p.CityRecord = QStringLiteral("Somewhere;NY");
    EXPECT_EQ(SetURL(p),
              QStringLiteral("http://tgftp.nws.noaa.gov/data/forecasts/zone/ny/nyz000.txt"));
    p.CityRecord = QStringLiteral("Big Zone;TX;TX;KDFW;x;y;1;1234");
    EXPECT_EQ(SetURL(p),
              QStringLiteral("http://tgftp.nws.noaa.gov/data/forecasts/zone/tx/txz1234.txt"));
    // No city chosen: no address, the box keeps what it has.
    p.CityRecord.reset();
    EXPECT_EQ(SetURL(p), std::nullopt);
    // Only the zone forecast needs the record.
    TForecastPlace other = BostonPlace(0);
    other.CityRecord.reset();
    EXPECT_TRUE(SetURL(other).has_value());
}

struct TCountryCase {
    int Source;
    const char* Country;
    const char* Expected;
};

TEST(SetURL, CountryRules) {
    const TCountryCase cases[] = {
        {7, "UNITED STATES",
         "http://www.wunderground.com/cgi-bin/findweather/hdfForecast?query=boston%2C+ma"},
        {8, "united states",
         "http://m.wunderground.com/cgi-bin/findweather/hdfForecast?query=boston%2C+ma"},
        {7, "Canada", "http://www.wunderground.com/global/CA.html"},
        {8, "austria", "http://m.wunderground.com/global/OS.html"},
        {7, "Atlantis", "http://www.wunderground.com/global/US.html"},
        {8, "", "http://m.wunderground.com/global/US.html"},
        {9, "United States",
         "http://m.wunderground.com/cgi-bin/findweather/getForecast?brand=mobile&query=ma"},
        {9, "Canada",
         "http://m.wunderground.com/cgi-bin/findweather/getForecast?brand=mobile&query=Canada"},
        {9, "Bosnia & Herzegovina",
         "http://m.wunderground.com/cgi-bin/findweather/"
         "getForecast?brand=mobile&query=Bosnia%20%26%20Herzegovina"},
    };
    for (const TCountryCase& c : cases) {
        TForecastPlace p = BostonPlace(c.Source);
        p.CountryName = QString::fromLatin1(c.Country);
        EXPECT_EQ(SetURL(p), QString::fromLatin1(c.Expected)) << c.Source << " " << c.Country;
    }
}

TEST(SetURL, StationAndUnits) {
    TForecastPlace p = BostonPlace(24);
    p.TemperatureUnits = u'C';
    p.StationCode = QStringLiteral("egll");
    EXPECT_EQ(SetURL(p),
              QStringLiteral(
                  "http://www.weatherpixie.com/displayimg.php?place=EGLL&trooper=Random&type=C"));
    p.Source = 3;
    p.StationCode = QStringLiteral("k&x");
    EXPECT_EQ(SetURL(p), QStringLiteral("http://tgftp.nws.noaa.gov/weather/current/K%26X.html"));
}

TEST(GetCountryCode, ListedNamesInAnyCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"Canada", "CA"},   {"CANADA", "CA"},   {"austria", "OS"}, {"United States", "US"},
        {"Zimbabwe", "ZW"}, {"Atlantis", "US"}, {" Canada", "US"}, {"", "US"},
    };
    for (const auto& [name, code] : cases)
        EXPECT_EQ(GetCountryCode(QString::fromLatin1(name)), QString::fromLatin1(code)) << name;
}

TEST(SetWeatherBoxVisibility, ZoneForecastStationReportAndTheRest) {
    for (int source = -1; source <= ForecastSourceCount; ++source) {
        const TWeatherBoxVisibility v = SetWeatherBoxVisibility(source);
        EXPECT_EQ(v.StateAndCityBoxes, source == 2) << source;
        EXPECT_EQ(v.PlaceEdit, source != 2 && source != 3) << source;
    }
}

}  // namespace
}  // namespace orbelune
