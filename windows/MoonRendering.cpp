#include "MoonRendering.h"

#include <QIconEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace orbelune {

namespace {

constexpr double ViewLatitude = 4.0, ViewLongitude = 6.0;  // the disc's centre, degrees
constexpr int Samples = 3;                                 // a pixel's samples a side

int Scaled(int Value, double Ratio) {
    return static_cast<int>(std::nearbyint((Value + 0.5) * Ratio - 0.5));
}

// The map's colour at a selenographic latitude and longitude (degrees, east positive),
// read bilinearly; the map runs from 180 W to 180 E and from 90 N down.
QColor SampleMap(const QImage& Map, double Latitude, double Longitude) {
    const double x = (Longitude + 180.0) / 360.0 * Map.width() - 0.5;
    const double y = (90.0 - Latitude) / 180.0 * Map.height() - 0.5;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    double rgb[3] = {0, 0, 0};
    for (int dy = 0; dy <= 1; ++dy) {
        const int row = std::clamp(y0 + dy, 0, Map.height() - 1);
        for (int dx = 0; dx <= 1; ++dx) {
            const int column = ((x0 + dx) % Map.width() + Map.width()) % Map.width();
            const double weight = (dy ? fy : 1 - fy) * (dx ? fx : 1 - fx);
            const QRgb pixel = Map.pixel(column, row);
            rgb[0] += weight * qRed(pixel);
            rgb[1] += weight * qGreen(pixel);
            rgb[2] += weight * qBlue(pixel);
        }
    }
    return QColor::fromRgbF(static_cast<float>(rgb[0] / 255), static_cast<float>(rgb[1] / 255),
                            static_cast<float>(rgb[2] / 255));
}

// The surface point under (U, V) of the unit disc, U to the right and V up.
QColor SampleDisc(const QImage& Map, double U, double V) {
    const double z = std::sqrt(std::max(0.0, 1.0 - U * U - V * V));
    const double lat0 = ViewLatitude * std::numbers::pi / 180.0;
    const double latitude =
        std::asin(std::clamp(V * std::cos(lat0) + z * std::sin(lat0), -1.0, 1.0));
    const double longitude =
        std::atan2(U, z * std::cos(lat0) - V * std::sin(lat0)) * 180.0 / std::numbers::pi;
    return SampleMap(Map, latitude * 180.0 / std::numbers::pi, ViewLongitude + longitude);
}

double Luminance(const QColor& Colour) {
    return 0.299 * Colour.redF() + 0.587 * Colour.greenF() + 0.114 * Colour.blueF();
}

// The phase angle of lunation step K of 24, in degrees.
long double StepPhaseAngle(int K) {
    return K <= 12 ? 180.0L - 15.0L * K : 540.0L - 15.0L * K;
}

class TLunationIconEngine final : public QIconEngine {
public:
    TLunationIconEngine(const QImage& Picture, int Step, bool Southern)
        : FPicture(Picture), FStep(Step), FSouthern(Southern) {}

    void paint(QPainter* Painter, const QRect& Rect, QIcon::Mode, QIcon::State) override {
        const qreal ratio = Painter->device() ? Painter->device()->devicePixelRatioF() : 1.0;
        const int side = std::min(Rect.width(), Rect.height());
        Painter->drawImage(QRectF(Rect.topLeft(), QSizeF(side, side)), Picture(side * ratio));
    }
    QPixmap pixmap(const QSize& Size, QIcon::Mode, QIcon::State) override {
        QImage picture = Picture(std::min(Size.width(), Size.height()));
        picture.setDevicePixelRatio(1.0);
        return QPixmap::fromImage(picture);
    }
    QIconEngine* clone() const override { return new TLunationIconEngine(*this); }
    QString key() const override { return QStringLiteral("orbelune-lunation"); }

private:
    // The picture at Pixels device pixels a side, drawn once per size asked.
    QImage Picture(int Pixels) {
        if (Pixels == FPicture.width()) return FPicture;
        if (FSharp.width() != Pixels)
            FSharp = MoonPictureAt(TMoonStyle::msColor, TMoonSize::ms16,
                                   FSouthern ? TRotate::rot_180 : TRotate::rot_none,
                                   StepPhaseAngle(FStep), false, Pixels / 16.0);
        return FSharp.isNull() ? FPicture : FSharp;
    }

    QImage FPicture;  // the committed picture, 16 pixels square
    QImage FSharp;
    int FStep;
    bool FSouthern;
};

double Percentile(std::vector<double> Values, double Q) {
    if (Values.empty()) return 1.0;
    const auto at =
        Values.begin() + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(Values.size()) - 1,
                                                  static_cast<std::ptrdiff_t>(Q * Values.size()));
    std::nth_element(Values.begin(), at, Values.end());
    return *at;
}

}  // namespace

TScaledDisc ScaledDisc(TMoonSize Size, double Ratio) {
    const TMoonSizeRow& row = MoonSizeRow(Size);
    return {static_cast<int>(std::nearbyint(row.Width * Ratio)),
            Scaled(row.CentreX, Ratio),
            Scaled(row.CentreY, Ratio),
            Scaled(row.Radius, Ratio),
            Scaled(row.SiteX, Ratio),
            Scaled(row.SiteY, Ratio)};
}

QImage RenderMoonDisc(TMoonStyle Style, TMoonSize Size, double Ratio) {
    const QImage map = LoadMoonBitmap(QStringLiteral("MOON_MAP"));
    if (map.isNull()) return {};
    const TScaledDisc disc = ScaledDisc(Size, Ratio);
    const double scale = disc.Radius + 0.5;
    QImage picture(disc.Side, disc.Side, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    std::vector<double> luminances;
    for (int h = -disc.Radius; h <= disc.Radius; ++h) {
        const int y = disc.CentreY + h;
        const int half =
            static_cast<int>(std::nearbyint(std::sqrt(double(disc.Radius * disc.Radius - h * h))));
        for (int x = disc.CentreX - half; x <= disc.CentreX + half; ++x) {
            if (!picture.valid(x, y)) continue;
            double rgb[3] = {0, 0, 0};
            int count = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const double u = (x - disc.CentreX + (sx + 0.5) / Samples - 0.5) / scale;
                    const double v = (disc.CentreY - y - (sy + 0.5) / Samples + 0.5) / scale;
                    if (u * u + v * v > 1.0) continue;
                    const QColor c = SampleDisc(map, u, v);
                    rgb[0] += c.redF(), rgb[1] += c.greenF(), rgb[2] += c.blueF();
                    ++count;
                }
            // A limb pixel whose samples all miss the disc takes the nearest point inside.
            const QColor mean = count
                                    ? QColor::fromRgbF(float(rgb[0] / count), float(rgb[1] / count),
                                                       float(rgb[2] / count))
                                    : SampleDisc(map, 0.999 * (x - disc.CentreX) / scale,
                                                 0.999 * (disc.CentreY - y) / scale);
            picture.setPixelColor(x, y, mean);
            luminances.push_back(Luminance(mean));
        }
    }
    const double top = Percentile(luminances, 0.99);
    const double low = Percentile(luminances, 0.02), high = Percentile(luminances, 0.98);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.alpha() == 0) continue;
            if (Style == TMoonStyle::msClassic) {
                const double grey =
                    128.0 + 127.0 * (Luminance(c) - low) / std::max(high - low, 1e-6);
                const int level = std::clamp(static_cast<int>(std::lround(grey)), 128, 255);
                picture.setPixel(x, y, qRgb(level, level, level));
            } else {
                const double k = 245.0 / 255.0 / std::max(top, 1e-6);
                picture.setPixelColor(x, y,
                                      QColor::fromRgbF(float(std::min(1.0, c.redF() * k)),
                                                       float(std::min(1.0, c.greenF() * k)),
                                                       float(std::min(1.0, c.blueF() * k))));
            }
        }
    return picture;
}

QImage MoonPictureAt(TMoonStyle Style, TMoonSize Size, TRotate Rotation, long double PhaseAngle,
                     bool MarkSite, double Ratio) {
    QImage picture = RenderMoonDisc(Style, Size, Ratio);
    if (picture.isNull()) return picture;
    const TScaledDisc disc = ScaledDisc(Size, Ratio);
    const int dot = std::max(1, static_cast<int>(std::nearbyint(Ratio)));
    if (MarkSite)
        for (int y = 0; y < dot; ++y)
            for (int x = 0; x < dot; ++x)
                if (picture.valid(disc.SiteX + x, disc.SiteY + y))
                    picture.setPixel(disc.SiteX + x, disc.SiteY + y, qRgb(255, 0, 0));
    DrawShadow(picture, disc.CentreX, disc.CentreY, disc.Radius, -1, -1, PhaseAngle, false);
    RotatePicture(picture, Rotation);
    picture.setDevicePixelRatio(Ratio);
    return picture;
}

QIcon LunationIcon(const QImage& Picture, int Step, bool Southern) {
    return QIcon(new TLunationIconEngine(Picture, Step, Southern));
}

}  // namespace orbelune
