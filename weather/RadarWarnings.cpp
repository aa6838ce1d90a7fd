#include "RadarWarnings.h"

namespace orbelune {

TRadarWarningFlags GetWarning(const QImage& Bitmap) {
    TRadarWarningFlags flags;
    const QImage image = Bitmap.convertToFormat(QImage::Format_RGB32);
    const int last = image.height() - 1;
    for (int y = 0; y < image.height() && !flags.All(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = (y == last ? 1 : 0); x < image.width(); ++x) {
            switch (row[x] & 0xFFFFFFu) {
                case 0xFF0000u:
                    flags.Tornado = true;
                    break;
                case 0xFFFF00u:
                    flags.Severe = true;
                    break;
                case 0x228B22u:
                    flags.Flood = true;
                    break;
                case 0xFFA500u:
                    flags.Marine = true;
                    break;
                default:
                    break;
            }
        }
    }
    return flags;
}

std::array<TWarningLabel, WarningLabelCount> WarningLabels(const TRadarWarningFlags& Flags) {
    struct TKind {
        bool Active;
        const char* Text;
        std::int32_t Color;
    };
    const TKind kinds[] = {
        {Flags.Tornado, "TORNADO WARNING", 0x0000FF},             // red
        {Flags.Severe, "Severe Thunderstorm Warning", 0x00FFFF},  // yellow
        {Flags.Flood, "Flash Flood Warning", 0x00008B},           // dark red
        {Flags.Marine, "Marine Warning", 0x00A5FF},               // orange
    };
    std::array<TWarningLabel, WarningLabelCount> labels;
    int next = 0;
    for (const TKind& k : kinds) {
        if (!k.Active) continue;
        TWarningLabel& label = labels[next++];
        label.Text = QString::fromLatin1(k.Text);
        label.Color = k.Color;
        label.Visible = label.Text.startsWith(u'M');
    }
    return labels;
}

}  // namespace orbelune
