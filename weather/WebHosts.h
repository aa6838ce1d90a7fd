#pragma once
// The outside web services whose pages the program opens, and the one table of their
// hosts. Page addresses are built as "http://" + host + path; where a service still
// answers, its host is the current one, and the paths stay the program's own.

#include <QString>

#include <array>

namespace orbelune {

enum class TWebService {
    NwsPointForecast,
    NwsGraphicalForecast,
    NwsDataFiles,
    NwsJetStream,
    WeatherPredictionCenter,
    HurricaneCenter,
    SatelliteService,
    Wunderground,
    WundergroundMobile,
    WeatherChannel,
    WeatherForYou,
    AccuWeather,
    LocalConditions,
    WeatherPixie,
    WeatherBug,
    CnnWeather,
    GoogleSearch,
    BingSearch,
    MapQuest,
    GoogleMaps,
    WikiMapia,
    YahooMaps,
    MsnMaps,
    FlashEarth,
    RandMcNally,
    UsgsViewer,
    Maptech,
    TopoZone,
    NationalGeographicMaps,
    UsnoAstronomicalApplications,
    MoonView,
    UsnoMain,
    SkyView,
    WorldClock,
    SkyMaps,
    Dictionary,
    Encyclopedia,
};

struct TWebHost {
    TWebService Service;
    const char* Host;
    const char* What;  // the kind of service, for the README and the reader
};

inline constexpr int WebServiceCount = static_cast<int>(TWebService::Encyclopedia) + 1;

// One row per service, in the order of TWebService.
extern const std::array<TWebHost, WebServiceCount> WebHostTable;

QString WebHost(TWebService Service);

// "http://" + the service's host + PathAndQuery (which starts with "/").
QString WebAddress(TWebService Service, const QString& PathAndQuery);

// Value percent-encoded for a path segment, a query value or a fragment: everything but
// letters, digits and "-._~" (UTF-8 bytes as %XX).
QString UrlEncoded(const QString& Value);

}  // namespace orbelune
