#include "SatelliteRequest.h"

#include <algorithm>
#include <array>

namespace orbelune {

namespace {

constexpr std::array<const char*, SatelliteRegionCount> RegionCodes = {
    "EC",  "WC",  "PR", "AL",   "AT",   "HU", "HP", "SE1", "SE2", "SE3", "SE4",
    "SE5", "SE6", "HA", "ECST", "GULF", "NH", "GE", "GW",  "GM",  "GI",  "MT"};

constexpr std::array<const char*, 10> FullDiskCodes = {"GEIR", "GEVS", "GWIR", "GWVS", "GMIR",
                                                       "GMVS", "MTIR", "MTVS", "GIIR", "GIVS"};

constexpr int LastLoopRegion = 12;
constexpr int HurricaneSector = 5;
constexpr const char* TypeCodes[] = {"IR", "VS", "WV"};

bool IsHurricaneFolder(int Region) {
    return Region >= 4 && Region <= 6;
}

QString Folder(int Region) {
    return IsHurricaneFolder(Region) ? QStringLiteral("/HURRLOOPS/") : QStringLiteral("/GSSLOOPS/");
}

}  // namespace

QString SatelliteRegionCode(int Region) {
    return QLatin1String(Region >= 0 && Region < SatelliteRegionCount ? RegionCodes[Region] : "EC");
}

bool IsSatelliteLoopRegion(int Region) {
    return Region >= 0 && Region <= LastLoopRegion;
}

bool SatelliteTypeOffered(int Region, int Type) {
    switch (Type) {
        case SatInfrared:
            return true;
        case SatVisible:
            return !(Region >= 13 && Region <= 17);
        case SatWaterVapor:
            return Region >= 0 && Region <= 10;
        default:
            return false;
    }
}

QStringList SatelliteLoopList(const QString& Server, const QString& Code, int Region) {
    QStringList list;
    for (int n = 1; n <= SatelliteFrameSlots; ++n)
        list << QStringLiteral("http://") + Server + Folder(Region) + Code.toLower() + u'/' +
                    QString::number(n) + QStringLiteral(".jpg");
    return list;
}

QString SatelliteStillAddress(const QString& Server, const QString& Code) {
    const bool fullDisk = std::any_of(FullDiskCodes.begin(), FullDiskCodes.end(),
                                      [&](const char* c) { return Code == QLatin1String(c); });
    return QStringLiteral("http://") + Server +
           (fullDisk ? QStringLiteral("/FULLDISK/") : QStringLiteral("/GIFS/")) + Code +
           QStringLiteral(".JPG");
}

QString SatelliteFileNamesAddress(const QString& Server, const QString& Code) {
    return QStringLiteral("http://") + Server + QStringLiteral("/HURRLOOPS/") + Code.toLower() +
           QStringLiteral("/file_names.txt");
}

TSatelliteRequest SatelliteRequestFor(int Region, int Type, int Color, bool AnimateChecked,
                                      const QString& Server) {
    TSatelliteRequest r;
    r.Server = Server;
    r.Animate = AnimateChecked && IsSatelliteLoopRegion(Region);
    // The box lists only what the region offers; the full-disk views have visible
    // images as well as infrared.
    const int type = SatelliteTypeOffered(Region, Type) ? Type : SatInfrared;
    r.Region = Region;
    r.Type = type;
    r.Code = SatelliteRegionCode(Region) + QLatin1String(TypeCodes[type]);
    if (r.Animate && Region == HurricaneSector)
        r.Code = QString::fromLatin1(TypeCodes[type]).toLower();
    if (IsSatelliteLoopRegion(Region)) r.Frames = SatelliteLoopList(Server, r.Code, Region);
    if (!AnimateChecked && Color > 0 && (Region == 0 || Region == 1))
        r.Code = QLatin1String(Region == 0 ? "E" : "W") +
                 QLatin1String(type == SatWaterVapor ? "CW" : "CI") +
                 QString::number(type == SatWaterVapor ? Color : Color + 4);
    return r;
}

}  // namespace orbelune
