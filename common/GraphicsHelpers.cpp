#include "GraphicsHelpers.h"

#include "WinColor.h"

#include <algorithm>
#include <cmath>

namespace orbelune {

namespace {

// Round (ties to even) of a pixel size, kept within what an image can hold.
int RoundedSize(long double value) {
    constexpr long double MaxSize = 32767.0L;
    if (!std::isfinite(value) || value <= 0.0L) return 0;
    return static_cast<int>(std::nearbyint(std::min(value, MaxSize)));
}

}  // namespace

QRect CenteredEllipseRect(int X, int Y, int Width, int Height) {
    const int hw = Width / 2;
    const int hh = Height / 2;
    return QRect(QPoint(X - hw, Y - hh), QSize(2 * hw, 2 * hh));
}

void DrawCenteredEllipse(int X, int Y, int Width, int Height, int PenWidth, QPainter& Canvas,
                         bool Filled, std::int32_t PenColor, std::int32_t BrushColor) {
    Canvas.setPen(QPen(ColorFromWinColor(PenColor), PenWidth, Qt::SolidLine));
    if (Filled)
        Canvas.setBrush(QBrush(ColorFromWinColor(BrushColor), Qt::SolidPattern));
    else
        Canvas.setBrush(Qt::NoBrush);
    Canvas.drawEllipse(CenteredEllipseRect(X, Y, Width, Height));
}

void ScaleBitmap(QImage& Bitmap, long double Factor) {
    const int w = RoundedSize(Factor * Bitmap.width());
    const int h = RoundedSize(Factor * Bitmap.height());
    if (w == 0 || h == 0) {
        Bitmap = QImage();
        return;
    }
    Bitmap = Bitmap.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void FillBitmap(QImage& Bitmap, std::int32_t Color) {
    Bitmap.fill(ColorFromWinColor(Color));
}

QIcon BitmapToIcon(const QImage& Bitmap, std::int32_t TransparentColor, int IconSize) {
    QImage colour = Bitmap.scaled(IconSize, IconSize, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                        .convertToFormat(QImage::Format_ARGB32);
    // The key is always an RGB value: the low 24 bits never name a system colour.
    const QRgb key = ColorFromWinColor(TransparentColor & 0xFFFFFF).rgb() & 0xFFFFFFu;
    for (int y = 0; y < colour.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(colour.scanLine(y));
        for (int x = 0; x < colour.width(); ++x)
            if ((line[x] & 0xFFFFFFu) == key) line[x] = qRgba(0, 0, 0, 0);
    }
    return QIcon(QPixmap::fromImage(colour));
}

void DrawBitmapToDC(QPainter& dc, int x, int y, const QImage& Bitmap, int height, int width) {
    dc.drawImage(QRect(x, y, width, height), Bitmap);
}

QRect FitRectKeepAspect(int W, int H, int BoxW, int BoxH) {
    const float ratio = std::min(static_cast<float>(BoxH) / static_cast<float>(H),
                                 static_cast<float>(BoxW) / static_cast<float>(W));
    const float w = static_cast<float>(W) * ratio;
    const float h = static_cast<float>(H) * ratio;
    constexpr float Limit = 2147483520.0f;  // the largest float below 2^31
    if (!std::isfinite(w) || !std::isfinite(h) || std::fabs(w) > Limit || std::fabs(h) > Limit)
        return QRect();
    return QRect(0, 0, static_cast<int>(w), static_cast<int>(h));
}

}  // namespace orbelune
