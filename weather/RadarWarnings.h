#pragma once
// Warnings read from the colours of the radar's warnings layer: red marks a tornado
// warning, yellow a severe thunderstorm, forest green a flash flood, orange a marine
// warning. Each found warning gets a label in a colour of its own.

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

namespace orbelune {

struct TRadarWarningFlags {
    bool Tornado = false;
    bool Severe = false;
    bool Flood = false;
    bool Marine = false;
    bool Any() const { return Tornado || Severe || Flood || Marine; }
    bool All() const { return Tornado && Severe && Flood && Marine; }
};

// The warnings whose exact colour (255,0,0; 255,255,0; 34,139,34; 255,165,0) appears in
// Bitmap, scanned by rows from the top. The first pixel of the last row is not looked
// at: the layer drawing leaves its transparent key there.
TRadarWarningFlags GetWarning(const QImage& Bitmap);

struct TWarningLabel {
    QString Text;
    std::int32_t Color = 0;  // Windows colour value
    bool Visible = false;
};
inline constexpr int WarningLabelCount = 4;

// The four warning labels: the active warnings in the order tornado, severe
// thunderstorm, flash flood, marine from the first label on, each coloured by its
// kind; the rest empty. Only a marine label is visible at once; the others show when
// the warnings are shown.
std::array<TWarningLabel, WarningLabelCount> WarningLabels(const TRadarWarningFlags& Flags);

}  // namespace orbelune
