#include "MapAddress.h"

#include "WebHosts.h"

namespace orbelune {

constexpr std::array<const char*, MapSiteCount> MapSiteNames = {
    "MapQuest",
    "Google Maps",
    "WkiMapia Roadmap",
    "WikiMapia Hybrid",
    "Yahoo Roadmap",
    "Yahoo Hybrid",
    "MSN Maps",
    "Flash Earth",
    "Rand McNally (USA Only)",
    "US Geological Survey",
    "Aerial Photo Google",
    "Aerial Photo WikiMapia",
    "Aerial Photo Yahoo",
    "Aerial Photo Maptech",
    "Topographic TopoZone (USA)",
    "Topographic Maptech",
    "National Geographic",
    "Terrain WkiMapia",
    "Aeronautical Chart Maptech",
    "Nautical Chart Maptech",
};

namespace {

using enum TWebService;

// Value with Decimals digits after the point, rounded; a value that rounds to zero is
// written without a sign.
QString Fixed(double Value, int Decimals) {
    QString text = QString::number(Value, 'f', Decimals);
    if (text.startsWith(u'-') && text.count(u'0') == text.size() - 2) text.remove(0, 1);
    return text;
}

QString WikiMapiaMap(const TMapPlace& p, const char* T) {
    return WebAddress(WikiMapia, QStringLiteral("/#lat=") + Fixed(p.Latitude, 5) +
                                     QStringLiteral("&lon=") + Fixed(p.Longitude, 5) +
                                     QStringLiteral("&z=13&m=") + QLatin1String(T));
}

QString YahooMap(const TMapPlace& p, const char* T) {
    return WebAddress(
        YahooMaps,
        QStringLiteral("/#q=") + UrlEncoded(p.CityName.trimmed()) + QStringLiteral("%2C+") +
            UrlEncoded(p.StateName.trimmed().toUpper()) + QStringLiteral("&conf=1&start=1&lat=") +
            Fixed(p.Latitude, 6) + QStringLiteral("&lon=") + Fixed(p.Longitude, 4) +
            QStringLiteral("&zoom=12&mvt=") + QLatin1String(T) + QStringLiteral("&trf=0"));
}

QString MaptechMap(const TMapPlace& p, const char* T) {
    return WebAddress(Maptech, QStringLiteral("/homepage/index.cfm?lat=") + Fixed(p.Latitude, 6) +
                                   QStringLiteral("&lon=") + Fixed(p.Longitude, 6) +
                                   QStringLiteral("&scale=24000&zoom=50&type=") + QLatin1String(T));
}

QString GoogleMap(const TMapPlace& p) {
    return WebAddress(GoogleMaps, QStringLiteral("/maps?ll=") + Fixed(p.Latitude, 6) + u',' +
                                      Fixed(p.Longitude, 6) + QStringLiteral("&spn=0.060,0.060"));
}

}  // namespace

int MapSiteCode(int ListIndex) {
    if (ListIndex == 16) return 17;
    if (ListIndex == 17) return 16;
    return ListIndex >= 0 && ListIndex < MapSiteCount ? ListIndex : 0;
}

QString GetMap(int SiteCode, const TMapPlace& p) {
    switch (SiteCode) {
        case 1:
            return GoogleMap(p);
        case 2:
            return WikiMapiaMap(p, "m");
        case 3:
            return WikiMapiaMap(p, "h");
        case 4:
            return YahooMap(p, "m");
        case 5:
            return YahooMap(p, "h");
        case 6:
            return WebAddress(MsnMaps, QStringLiteral("/map.aspx?&lats1=") + Fixed(p.Latitude, 5) +
                                           QStringLiteral("&lons1=") + Fixed(p.Longitude, 5) +
                                           QStringLiteral("&S=800,740&alts1=5"));
        case 7:
            return WebAddress(FlashEarth, QStringLiteral("/?lat=") + Fixed(p.Latitude, 6) +
                                              QStringLiteral("&lon=") + Fixed(p.Longitude, 6) +
                                              QStringLiteral("&z=16.8&r=0&src=ggl"));
        case 8:
            return WebAddress(
                RandMcNally,
                QStringLiteral("/rmc/directions/dirGetMap.jsp?val=large&h=false&aprt=&CT=") +
                    Fixed(p.Latitude, 6) + QStringLiteral("&CN=") + Fixed(p.Longitude, 6) +
                    QStringLiteral("&l=9"));
        case 9:
            return WebAddress(UsgsViewer, QStringLiteral("/viewer/webmap/viewer.html"));
        case 10:
            return GoogleMap(p) + QStringLiteral("&t=k");
        case 11:
            return WikiMapiaMap(p, "s");
        case 12:
            return YahooMap(p, "s");
        case 13:
            return MaptechMap(p, "3");
        case 14:
            return WebAddress(TopoZone, QStringLiteral("/map.asp?lat=") + Fixed(p.Latitude, 4) +
                                            QStringLiteral("&lon=") + Fixed(p.Longitude, 4) +
                                            QStringLiteral("&size=large"));
        case 15:
            return MaptechMap(p, "1");
        case 16:
            return WikiMapiaMap(p, "t");
        case 17:
            return WebAddress(NationalGeographicMaps,
                              QStringLiteral("/map-machine#s=r&c=") + Fixed(p.Latitude, 6) +
                                  QStringLiteral(",%20") + Fixed(p.Longitude, 6) +
                                  QStringLiteral("&z=12"));
        case 18:
            return MaptechMap(p, "2");
        case 19:
            return MaptechMap(p, "0");
        default:
            return WebAddress(MapQuest, QStringLiteral("/?q=") + Fixed(p.Latitude, 7) + u',' +
                                            Fixed(p.Longitude, 7) + QStringLiteral("&zoom=12"));
    }
}

}  // namespace orbelune
