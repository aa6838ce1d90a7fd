#include "RadarTabTexts.h"

#include <cmath>

namespace orbelune {

namespace {

constexpr int LargeNationalMap = 1;

}  // namespace

QStringList RadarProductNames() {
    return {QStringLiteral("Reflectivity - Long Range"),
            QStringLiteral("Reflectivity - Short Range"),
            QStringLiteral("Composite"),
            QStringLiteral("Rainfall Inches - 1 Hour Total"),
            QStringLiteral("Rainfall Inches - Storm Total"),
            QStringLiteral("Storm Relative Motion"),
            QStringLiteral("Base Velocity")};
}

TRadarControlVisibility RadarControlVisibility(int Location) {
    return {Location != LargeNationalMap, IsRadarSite(Location)};
}

QString LoopRadarCaption(bool LoopRadar) {
    return LoopRadar ? QStringLiteral("ROCK") : QStringLiteral("LOOP");
}

QString ZoomCaption(long double Zoom) {
    return Zoom != 1.0L ? QStringLiteral("Zoom Out") : QStringLiteral("Zoom In");
}

QSize RadarImageSize(int Location, long double Zoom) {
    const TMapSize size = GetMapSize(Location);
    if (Zoom == 1.0L) return {size.Width, size.Height};
    return {int(std::nearbyint(size.Width * Zoom)), int(std::nearbyint(size.Height * Zoom))};
}

int ManualFrameStep(int Pos, int Count, bool Forward) {
    if (Count < 1) return 0;
    const int last = Count - 1;
    if (Pos < 0 || Pos > last) return Forward ? 0 : last;
    if (Forward) return Pos == last ? 0 : Pos + 1;
    return Pos == 0 ? last : Pos - 1;
}

}  // namespace orbelune
