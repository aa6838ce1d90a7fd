#pragma once
// The forecast sources of the Weather tab and the page address of a source for a place.
// In: the source number (the list index), the place as the tab holds it (a "City, ST"
// text or a five-digit zip code, or the place-list record of the chosen forecast city)
// and the location settings. Out: the address, "http://" + the source's host + its path,
// with every place value percent-encoded so that "&", "#" or "/" in a name stays part of
// the value. QtCore only.

#include <QString>

#include <array>
#include <optional>

namespace orbelune {

inline constexpr int ForecastSourceCount = 29;

// The list texts of WeatherSourceBox; the index is the source number.
extern const std::array<const char*, ForecastSourceCount> ForecastSourceNames;

// Which place inputs the tab shows for a source: the state and forecast-city boxes
// (the zone text forecast), or the "City, ST" / zip edit with its title; the station
// report needs neither.
struct TWeatherBoxVisibility {
    bool StateAndCityBoxes = false;
    bool PlaceEdit = false;
};
TWeatherBoxVisibility SetWeatherBoxVisibility(int SourceType);

// The two-letter code of a country of the country list, found by its name in any letter
// case; "US" for a name that is not listed.
QString GetCountryCode(const QString& CountryName);

struct TForecastPlace {
    int Source = 0;
    QString PlaceText;                  // CityStateZipEd: "City, ST" or a zip code
    std::optional<QString> CityRecord;  // the record behind CityBox's selection, if any
    QString StationCode;                // WeatherStationCodeEd2
    QString CityName;                   // the location settings
    QString StateName;
    QString CountryName;
    QString ZipCode;
    QChar TemperatureUnits = u'F';
};

// The address of Place's source; nothing when the zone forecast has no city record
// (the box then keeps its previous address). A source number outside the list gives
// the point-forecast address.
std::optional<QString> SetURL(const TForecastPlace& Place);

}  // namespace orbelune
