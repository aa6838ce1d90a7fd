#include "WebHosts.h"

#include <QUrl>

namespace orbelune {

using enum TWebService;

constexpr std::array<TWebHost, WebServiceCount> WebHostTable = {{
    {NwsPointForecast, "forecast.weather.gov", "National Weather Service point forecasts"},
    {NwsGraphicalForecast, "graphical.weather.gov", "National Weather Service graphical forecasts"},
    {NwsDataFiles, "tgftp.nws.noaa.gov", "National Weather Service data files"},
    {NwsJetStream, "www.weather.gov", "National Weather Service JetStream school pages"},
    {WeatherPredictionCenter, "www.wpc.ncep.noaa.gov", "Weather Prediction Center"},
    {HurricaneCenter, "www.nhc.noaa.gov", "National Hurricane Center"},
    {SatelliteService, "www.nesdis.noaa.gov", "NOAA satellite and information service"},
    {Wunderground, "www.wunderground.com", "Weather Underground"},
    {WundergroundMobile, "m.wunderground.com", "Weather Underground, mobile pages"},
    {WeatherChannel, "weather.com", "The Weather Channel"},
    {WeatherForYou, "www.weatherforyou.com", "WeatherForYou forecasts"},
    {AccuWeather, "www.accuweather.com", "AccuWeather"},
    {LocalConditions, "www.localconditions.com", "LocalConditions local forecasts"},
    {WeatherPixie, "www.weatherpixie.com", "Weather Pixie pictures"},
    {WeatherBug, "www.weatherbug.com", "WeatherBug"},
    {CnnWeather, "www.cnn.com", "CNN weather"},
    {GoogleSearch, "www.google.com", "Google web search"},
    {BingSearch, "www.bing.com", "Bing web search"},
    {MapQuest, "www.mapquest.com", "MapQuest street maps"},
    {GoogleMaps, "www.google.com", "Google Maps"},
    {WikiMapia, "wikimapia.org", "WikiMapia collaborative maps"},
    {YahooMaps, "maps.yahoo.com", "Yahoo Maps (closed; its last host)"},
    {MsnMaps, "www.bing.com", "Bing Maps, formerly MSN Maps"},
    {FlashEarth, "www.flashearth.com", "Flash Earth aerial imagery"},
    {RandMcNally, "www.randmcnally.com", "Rand McNally directions"},
    {UsgsViewer, "apps.nationalmap.gov", "US Geological Survey, The National Map viewer"},
    {Maptech, "www.maptech.com", "Maptech charts and maps"},
    {TopoZone, "www.topozone.com", "TopoZone topographic maps"},
    {NationalGeographicMaps, "maps.nationalgeographic.com", "National Geographic maps"},
    {UsnoAstronomicalApplications, "aa.usno.navy.mil",
     "US Naval Observatory, astronomical applications"},
    {MoonView, "www.timeanddate.com", "timeanddate.com, the moon today"},
    {UsnoMain, "www.usno.navy.mil", "US Naval Observatory"},
    {SkyView, "weather.com", "The Weather Channel, sky view"},
    {WorldClock, "www.timeanddate.com", "timeanddate.com world clock"},
    {SkyMaps, "www.skymaps.com", "SkyMaps.com monthly sky maps"},
    {Dictionary, "www.merriam-webster.com", "Merriam-Webster dictionary and thesaurus"},
    {Encyclopedia, "en.wikipedia.org", "Wikipedia, English edition"},
}};

QString WebHost(TWebService Service) {
    return QString::fromLatin1(WebHostTable[static_cast<std::size_t>(Service)].Host);
}

QString WebAddress(TWebService Service, const QString& PathAndQuery) {
    return QStringLiteral("http://") + WebHost(Service) + PathAndQuery;
}

QString UrlEncoded(const QString& Value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(Value));
}

}  // namespace orbelune
