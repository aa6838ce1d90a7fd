#include "ForecastAddress.h"

#include "GeoTables.h"
#include "TextHelpers.h"
#include "WebHosts.h"

#include <QStringList>

namespace orbelune {

constexpr std::array<const char*, ForecastSourceCount> ForecastSourceNames = {
    "National Weather Service (Graphics)",
    "National Weather Service (Graphics - New)",
    "National Weather Service (Text)",
    "National Weather Service (Metar)",
    "NOAA Weather Front Map",
    "NWS National Hurricane Center",
    "Weather Underground - Ski Conditions",
    "Weather Underground (City Long)",
    "Weather Underground (City Short)",
    "Weather Underground (Entire State/Country)",
    "Weather Underground - USA Continent",
    "Weather Underground - Canada",
    "Weather Underground - Central America",
    "Weather Underground - South America",
    "Weather Underground - North Asia",
    "Weather Underground - South Asia",
    "Weather Underground - Europe",
    "Weather Underground - Australia",
    "Weather Underground - Africa",
    "Weather Underground - Antartica",
    "Weather.com",
    "WeatherForYou.com",
    "AccuWeather.com",
    "LocalConditions.com",
    "Weather Pixie",
    "Weather Bug",
    "CNN Weather",
    "Google Weather",
    "Bing Weather",
};

namespace {

using enum TWebService;

// Word N (from 1) of Text split at Delimiter, runs of delimiters counting as one.
QString Word(int N, const QString& Text, QChar Delimiter) {
    const QStringList words = Text.split(Delimiter, Qt::SkipEmptyParts);
    return N >= 1 && N <= words.size() ? words[N - 1] : QString();
}

bool IsZipCode(const QString& Text) {
    if (Text.size() != 5) return false;
    for (QChar c : Text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// The full state name, lower case, without its first blank ("newyork",
// "districtof columbia"); empty for an unknown abbreviation.
QString StateSlug(const QString& ST) {
    QString slug = StateAbbrevToName(ST).toLower();
    const qsizetype blank = slug.indexOf(u' ');
    if (blank >= 0) slug.remove(blank, 1);
    return slug;
}

constexpr std::array<const char*, 10> Regions = {"US", "CN", "CA", "SA", "AS",
                                                 "A2", "EU", "AU", "AF", "AN"};

struct TPlaceValues {
    QString City;  // as typed: blanks and letter case kept
    QString ST;    // trimmed, upper case
    QString Zip;
    QString Zone;
};

std::optional<TPlaceValues> PlaceValues(const TForecastPlace& Place) {
    TPlaceValues v;
    if (Place.Source == 2) {
        if (!Place.CityRecord) return std::nullopt;
        v.ST = Word(2, *Place.CityRecord, u';');
        const QString zone = Word(8, *Place.CityRecord, u';');
        v.Zone = (v.ST + u'Z' + zone.rightJustified(3, u'0')).toUpper();
    }
    const bool isZip = IsZipCode(Place.PlaceText);
    v.Zip = isZip ? Place.PlaceText : Place.ZipCode;
    if (Place.Source != 2) {
        v.City = isZip ? Place.CityName : Word(1, Place.PlaceText, u',');
        v.ST = isZip ? Place.StateName : Word(2, Place.PlaceText, u',');
    }
    v.ST = v.ST.trimmed().toUpper();
    return v;
}

QString WundergroundCityOrCountry(TWebService Host, const TForecastPlace& Place,
                                  const TPlaceValues& v) {
    if (Place.CountryName.toUpper() == QStringLiteral("UNITED STATES"))
        return WebAddress(Host, QStringLiteral("/cgi-bin/findweather/hdfForecast?query=") +
                                    UrlEncoded(v.City.toLower()) + QStringLiteral("%2C+") +
                                    UrlEncoded(v.ST.toLower()));
    return WebAddress(Host, QStringLiteral("/global/") +
                                UrlEncoded(GetCountryCode(Place.CountryName)) +
                                QStringLiteral(".html"));
}

}  // namespace

TWeatherBoxVisibility SetWeatherBoxVisibility(int SourceType) {
    if (SourceType == 2) return {true, false};
    if (SourceType == 3) return {false, false};
    return {false, true};
}

QString GetCountryCode(const QString& CountryName) {
    for (const TCountry& c : CountryTable)
        if (CountryName.compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(c.Code).toUpper();
    return QStringLiteral("US");
}

std::optional<QString> SetURL(const TForecastPlace& Place) {
    const std::optional<TPlaceValues> values = PlaceValues(Place);
    if (!values) return std::nullopt;
    const TPlaceValues& v = *values;
    const QString city = UrlEncoded(v.City);
    const QString lowerCity = UrlEncoded(v.City.toLower());
    const QString st = UrlEncoded(v.ST);
    const QString lowerSt = UrlEncoded(v.ST.toLower());
    const QString station = UrlEncoded(Place.StationCode.toUpper());

    switch (Place.Source) {
        case 1:
            return WebAddress(NwsGraphicalForecast,
                              QStringLiteral("/sectors/") + UrlEncoded(StateSlug(v.ST)) + ".php");
        case 2:
            return WebAddress(NwsDataFiles, QStringLiteral("/data/forecasts/zone/") + lowerSt +
                                                u'/' + UrlEncoded(v.Zone.toLower()) + ".txt");
        case 3:
            return WebAddress(NwsDataFiles,
                              QStringLiteral("/weather/current/") + station + ".html");
        case 4:
            return WebAddress(WeatherPredictionCenter, QStringLiteral("/noaa/noaa.gif"));
        case 5:
            return WebAddress(HurricaneCenter, QStringLiteral("/"));
        case 6:
            return WebAddress(Wunderground, QStringLiteral("/ski/"));
        case 7:
            return WundergroundCityOrCountry(Wunderground, Place, v);
        case 8:
            return WundergroundCityOrCountry(WundergroundMobile, Place, v);
        case 9: {
            const bool isUS = Place.CountryName.toUpper() == QStringLiteral("UNITED STATES");
            return WebAddress(
                WundergroundMobile,
                QStringLiteral("/cgi-bin/findweather/getForecast?brand=mobile&query=") +
                    (isUS ? lowerSt : UrlEncoded(Place.CountryName)));
        }
        case 20:
            return WebAddress(WeatherChannel,
                              QStringLiteral("/weather/local/") + UrlEncoded(v.Zip) + u'?');
        case 21:
            return WebAddress(WeatherForYou, QStringLiteral("/cgi-bin/forecast.cgi?city=") +
                                                 lowerCity + QStringLiteral("&sc=") + st);
        case 22:
            return WebAddress(
                AccuWeather,
                QStringLiteral("/adcbin/public/local_index.asp?zipcode=") + UrlEncoded(v.Zip));
        case 23:
            return WebAddress(LocalConditions,
                              QStringLiteral("/forecast/") + lowerSt + u'/' + lowerCity + ".html");
        case 24:
            return WebAddress(WeatherPixie, QStringLiteral("/displayimg.php?place=") + station +
                                                QStringLiteral("&trooper=Random&type=") +
                                                UrlEncoded(QString(Place.TemperatureUnits)));
        case 25:
            return WebAddress(WeatherBug,
                              u'/' + st + u'/' + city + QStringLiteral("-weather.html"));
        case 26:
            return WebAddress(
                CnnWeather, QStringLiteral("/weather/forecast.jsp?&zipCode=") + UrlEncoded(v.Zip));
        case 27:
            return WebAddress(GoogleSearch,
                              QStringLiteral("/#hl=en&q=weather+") + lowerCity + u'+' + lowerSt);
        case 28:
            return WebAddress(BingSearch,
                              QStringLiteral("/search?q=weather+") + lowerCity + u'+' + lowerSt);
        default:
            break;
    }
    if (Place.Source >= 10 && Place.Source <= 19)
        return WebAddress(Wunderground, QStringLiteral("/global/Region/") +
                                            Regions[static_cast<std::size_t>(Place.Source - 10)] +
                                            QStringLiteral("/2xST.html"));
    return WebAddress(NwsPointForecast, QStringLiteral("/MapClick.php?CityName=") + city +
                                            QStringLiteral("&state=") + st);
}

}  // namespace orbelune
