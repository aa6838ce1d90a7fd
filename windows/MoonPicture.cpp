#include "MoonPicture.h"

#include "ah_math.h"

#include <algorithm>
#include <cmath>

// Resources of a static library are registered by hand, once.
static void InitMoonResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(moon);
        return true;
    }();
    (void)done;
}

namespace orbelune {

namespace {

const char* SizeSuffix(TMoonSize Size) {
    switch (Size) {
        case TMoonSize::ms64:
            return "LARGE";
        case TMoonSize::ms32:
            return "SMALL";
        case TMoonSize::ms16:
            break;
    }
    return "TINY";
}

// Paints from FromX towards ToX on row Y, leaving ToX itself, within the picture.
void PaintLine(QImage& Canvas, const TShadowLine& Line, QRgb Colour) {
    if (Line.Y < 0 || Line.Y >= Canvas.height()) return;
    const int step = Line.ToX > Line.FromX ? 1 : -1;
    for (int x = Line.FromX; x != Line.ToX; x += step)
        if (x >= 0 && x < Canvas.width()) Canvas.setPixel(x, Line.Y, Colour);
}

// Copies the top-left Size x Size square of Source into a transparent picture of
// IconSize pixels square.
QImage IconCanvas(const QImage& Source, int Size, int IconSize) {
    QImage icon(IconSize, IconSize, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 0; y < Size && y < IconSize; ++y)
        for (int x = 0; x < Size && x < IconSize; ++x) icon.setPixel(x, y, Source.pixel(x, y));
    return icon;
}

}  // namespace

const TMoonSizeRow& MoonSizeRow(TMoonSize Size) {
    for (const TMoonSizeRow& row : MoonSizeTable)
        if (row.Size == Size) return row;
    return MoonSizeTable[0];
}

QString MoonBitmapName(TMoonStyle Style, TMoonSize Size) {
    const QString prefix = Style == TMoonStyle::msColor ? "MOON_COLOR_" : "MOON_";
    return prefix + SizeSuffix(Size);
}

QString MoonMaskName(TMoonSize Size) {
    return QString("MOON_BW_") + SizeSuffix(Size);
}

QImage LoadMoonPicture(const QString& Name) {
    InitMoonResources();
    // Named as PNG: a name without a suffix would have Qt load every picture plugin to
    // guess the format.
    const QImage image(":/moon/" + Name, "PNG");
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

QImage LoadMoonBitmap(const QString& Name) {
    const QImage image = LoadMoonPicture(Name);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

std::vector<TShadowLine> ShadowLines(int CentreX, int CentreY, int Radius, long double PhaseAngle) {
    std::vector<TShadowLine> lines;
    if (!std::isfinite(PhaseAngle)) return lines;
    const long double g = CosDeg(PhaseAngle);
    const bool left = PhaseAngle < 180.0L;
    for (int h = 0; h <= Radius; ++h) {
        const long double l = std::sqrt(static_cast<long double>(Radius * Radius - h * h));
        const int L = static_cast<int>(std::nearbyint(l));
        const int T = static_cast<int>(std::nearbyint(g * l));
        const int from = left ? CentreX - T : CentreX + T;
        const int to = left ? CentreX - L - 1 : CentreX + L + 1;
        lines.push_back({CentreY + h, from, to});
        lines.push_back({CentreY - h, from, to});
    }
    return lines;
}

void DrawShadow(QImage& Canvas, int CentreX, int CentreY, int Radius, int SiteX, int SiteY,
                long double PhaseAngle, bool MarkSite) {
    if (MarkSite && Canvas.valid(SiteX, SiteY)) Canvas.setPixel(SiteX, SiteY, qRgb(255, 0, 0));
    for (const TShadowLine& line : ShadowLines(CentreX, CentreY, Radius, PhaseAngle))
        PaintLine(Canvas, line, qRgb(0, 0, 0));
}

void RotatePicture(QImage& Graphic, TRotate Rotation) {
    if (Rotation == TRotate::rot_none) return;
    const QImage copy = Graphic.copy();
    const int W = copy.width();
    const int H = copy.height();
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            int dx = x, dy = y;
            switch (Rotation) {
                case TRotate::rot_90:
                    dx = y;
                    dy = H - 1 - x;
                    break;
                case TRotate::rot_180:
                    dx = W - 1 - x;
                    dy = H - 1 - y;
                    break;
                case TRotate::rot_270:
                    dx = W - 1 - y;
                    dy = x;
                    break;
                case TRotate::rot_none:
                    break;
            }
            if (Graphic.valid(dx, dy)) Graphic.setPixel(dx, dy, copy.pixel(x, y));
        }
}

void ClearOutsideDisc(QImage& Picture, TMoonSize Size, TRotate Rotation) {
    QImage mask = LoadMoonBitmap(MoonMaskName(Size));
    RotatePicture(mask, Rotation);
    Picture = Picture.convertToFormat(QImage::Format_ARGB32);
    const int height = std::min(Picture.height(), mask.height());
    const int width = std::min(Picture.width(), mask.width());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (mask.pixel(x, y) == qRgb(255, 255, 255)) Picture.setPixel(x, y, qRgba(0, 0, 0, 0));
}

TMoonSize IconMoonSize(int IconSize) {
    if (IconSize == 16) return TMoonSize::ms16;
    if (IconSize == 64) return TMoonSize::ms64;
    return TMoonSize::ms32;
}

QImage MoonIconImage(TMoonStyle Style, TRotate Rotation, int IconSize, long double PhaseAngle,
                     bool MarkSite) {
    const TMoonSizeRow& row = MoonSizeRow(IconMoonSize(IconSize));
    QImage colour = LoadMoonBitmap(MoonBitmapName(Style, row.Size));
    DrawShadow(colour, row.CentreX, row.CentreY, row.Radius, row.SiteX, row.SiteY, PhaseAngle,
               MarkSite);
    const QImage mask = LoadMoonBitmap(MoonMaskName(row.Size));
    QImage icon = IconCanvas(colour, row.Width, IconSize);
    for (int y = 0; y < row.Height && y < IconSize; ++y)
        for (int x = 0; x < row.Width && x < IconSize; ++x)
            if (mask.pixel(x, y) == qRgb(255, 255, 255)) icon.setPixel(x, y, qRgba(0, 0, 0, 0));
    RotatePicture(icon, Rotation);
    return icon;
}

}  // namespace orbelune
