#include "RadarRequest.h"

#include "RadarSites.h"
#include "Settings.h"

#include <algorithm>

namespace orbelune {

int ClampRadarFrameCount(int Count) {
    return std::clamp(Count, 1, RadarFrameSlots);
}

QString RadarProductCode(int Product) {
    static const char* const Codes[] = {"NOZ", "N0R", "NCR", "N1P", "NTP", "NOS", "NOV"};
    if (Product < 0 || Product >= int(std::size(Codes))) return QString();
    return QString::fromLatin1(Codes[Product]);
}

QString RadarSizeWord(const QString& ProductCode) {
    return ProductCode == QLatin1String("NOZ") || ProductCode == QLatin1String("N0Z")
               ? QStringLiteral("Long")
               : QStringLiteral("Short");
}

QString RadarPathProduct(const QString& ProductCode) {
    return ProductCode == QLatin1String("NOZ") ? QStringLiteral("N0Z") : ProductCode;
}

QString RadarOverlayPath(TRadarLayer Layer, const QString& Site, const QString& Size) {
    const char* kind = nullptr;
    const char* name = nullptr;
    const char* extension = ".gif";
    switch (Layer) {
        case TRadarLayer::Topo:
            kind = name = "Topo";
            extension = ".jpg";
            break;
        case TRadarLayer::Counties:
            kind = name = "County";
            break;
        case TRadarLayer::Rivers:
            kind = name = "Rivers";
            break;
        case TRadarLayer::Highways:
            kind = name = "Highways";
            break;
        case TRadarLayer::Cities:
            kind = "Cities";
            name = "City";
            break;
        case TRadarLayer::RangeRings:
            kind = "RangeRings";
            name = "RangeRing";
            break;
        default:
            return QString();
    }
    return QStringLiteral("/ridge/Overlays/%1/%2/%3_%4_%2%5")
        .arg(QLatin1String(kind), Size, Site, QLatin1String(name), QLatin1String(extension));
}

QString RadarFrameDirectory(const QString& PathProduct, const QString& Site) {
    return QStringLiteral("/ridge/RadarImg/%1/%2/").arg(PathProduct, Site);
}

QString RadarLegendDirectory(const QString& PathProduct, const QString& Site) {
    return QStringLiteral("/ridge/Legend/%1/%2/").arg(PathProduct, Site);
}

QString RadarWarningsDirectory(const QString& Size, const QString& Site) {
    return QStringLiteral("/ridge/Warnings/%1/%2/").arg(Size, Site);
}

TRadarRequest RadarRequestFor(const TSettings& Settings, int Location, int MaxImages,
                              long double Zoom) {
    TRadarRequest r;
    r.Location = Location;
    r.ProductIndex = Settings.RadarReflectivityBoxIndex;
    r.Product = RadarProductCode(r.ProductIndex);
    r.Site = RadarSiteCodeUpper(Location);
    r.Animate = Settings.AnimateRadar;
    r.MaxImages = MaxImages;
    r.Server = Settings.RadarServer;
    r.Proxy = {Settings.UseProxyServer, Settings.ProxyServer, Settings.ProxyPort,
               Settings.ProxyUserName, Settings.ProxyPassword};
    r.Layers.Topo = Settings.TopoBoxChecked;
    r.Layers.Radar = Settings.RadarBoxChecked;
    r.Layers.Counties = Settings.CountiesBoxChecked;
    r.Layers.Rivers = Settings.RiversBoxChecked;
    r.Layers.Highways = Settings.HighwaysBoxChecked;
    r.Layers.Cities = Settings.CitiesBoxChecked;
    r.Layers.Warnings = Settings.WarningsBoxChecked;
    r.Layers.RangeRings = Settings.RangeRingBoxChecked;
    r.Layers.Legend = Settings.LegendBoxChecked;
    r.Layers.WarningsText = Settings.WarningsTextBoxChecked;
    r.Zoom = Zoom;
    r.ShowSites = Settings.ShowSitesBoxChecked;
    r.Home = {Settings.Longitude, Settings.Latitude};
    r.UseMilitaryTime = Settings.UseMilitaryTime;
    return r;
}

}  // namespace orbelune
