#include "SatelliteTabTexts.h"

#include "SatelliteRequest.h"

namespace orbelune {

QStringList SatelliteRegionNames() {
    return {QStringLiteral("USA - East"),
            QStringLiteral("USA - West"),
            QStringLiteral("Puerto Rico"),
            QStringLiteral("Alaska"),
            QStringLiteral("Tropical Atlantic"),
            QStringLiteral("Hurricane Sector"),
            QStringLiteral("Tropical East Pacific"),
            QStringLiteral("USA - Northwest"),
            QStringLiteral("USA - Southwest"),
            QStringLiteral("USA - North Central"),
            QStringLiteral("USA - South Central"),
            QStringLiteral("USA - Northeast"),
            QStringLiteral("USA - Southeast"),
            QStringLiteral("Hawaii"),
            QStringLiteral("USA - East Coast"),
            QStringLiteral("Gulf of Mexico"),
            QStringLiteral("Northern Hemisphere"),
            QStringLiteral("Full Disk - GOES East"),
            QStringLiteral("Full Disk - GOES West"),
            QStringLiteral("Full Disk - Meteosat"),
            QStringLiteral("Full Disk - Indian Ocean"),
            QStringLiteral("Full Disk - Japan")};
}

QStringList SatelliteColorNames() {
    return {QStringLiteral("Normal"), QStringLiteral("Colorized 1"), QStringLiteral("Colorized 2"),
            QStringLiteral("Colorized 3"), QStringLiteral("Colorized 4")};
}

QString SatelliteTypeName(int Type) {
    static const char* const Names[] = {"Infrared", "Visible", "Water Vapor"};
    return Type >= SatInfrared && Type <= SatWaterVapor ? QLatin1String(Names[Type]) : QString();
}

QStringList SatelliteTypeItems(int Region) {
    QStringList items;
    for (int type = SatInfrared; type <= SatWaterVapor; ++type)
        if (SatelliteTypeOffered(Region, type)) items << SatelliteTypeName(type);
    return items;
}

int KeptSatelliteType(int Previous, int ItemCount) {
    return Previous >= 0 && Previous < ItemCount ? Previous : 0;
}

bool SatelliteColorBoxVisible(bool AnimateChecked, int Region) {
    return !AnimateChecked && Region >= 0 && Region < 2;
}

bool SatelliteLoopBoxesVisible(int Region) {
    return IsSatelliteLoopRegion(Region);
}

}  // namespace orbelune
