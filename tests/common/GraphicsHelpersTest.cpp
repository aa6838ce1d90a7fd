#include "GraphicsHelpers.h"
#include "WinColor.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

#include <limits>

namespace orbelune {
namespace {

// The bounding box of the pixels that differ from the top-left one.
QRect PaintedBox(const QImage& image) {
    const QRgb background = image.pixel(0, 0);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(ColorFromWinColor, ReadsBlueGreenRed) {
    EXPECT_EQ(ColorFromWinColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromWinColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromWinColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(WinColorFromColor(QColor(0x56, 0x34, 0x12)), 0x123456);
    EXPECT_EQ(WinColorFromColor(QColor(Qt::red)), 0x0000FF);
}

TEST(ColorFromWinColor, NamesSystemColoursByIndex) {
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(ColorFromWinColor(static_cast<std::int32_t>(0xFF00000FU)),
              palette.color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(ColorFromWinColor(static_cast<std::int32_t>(0xFF000008U)),
              palette.color(QPalette::Active, QPalette::Text));
}

TEST(CenteredEllipseRect, HalvesTowardZero) {
    EXPECT_EQ(CenteredEllipseRect(10, 20, 7, 8), QRect(QPoint(7, 16), QSize(6, 8)));
    EXPECT_EQ(CenteredEllipseRect(0, 0, 8, 8), QRect(-4, -4, 8, 8));
}

TEST(DrawCenteredEllipse, DrawsAroundTheCentreAndKeepsThePainterSettings) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter canvas(&image);
        DrawCenteredEllipse(20, 20, 8, 8, 2, canvas, true, 0x000000, 0x0000FF);
        EXPECT_EQ(canvas.pen().width(), 2);
        EXPECT_EQ(canvas.brush().style(), Qt::SolidPattern);
        EXPECT_EQ(canvas.brush().color(), QColor(255, 0, 0));
        DrawCenteredEllipse(5, 5, 4, 4, 1, canvas, false, 0x000000, 0x0000FF);
        EXPECT_EQ(canvas.brush().style(), Qt::NoBrush);
    }
    EXPECT_EQ(image.pixelColor(20, 20), QColor(255, 0, 0));  // filled inside
    // Rectangle 16..24 with a pen of 2 centred on its outline: at most one pixel more
    // each way, and symmetric about the centre's pixel edge at 20.
    const QRect box = PaintedBox(image.copy(10, 10, 20, 20));
    EXPECT_GE(box.left() + 10, 15);
    EXPECT_LE(box.right() + 10, 24);
    EXPECT_EQ(box.left() + box.right() + 1, 20);
    EXPECT_EQ(box.top() + box.bottom() + 1, 20);
}

TEST(ScaleBitmap, RoundsHalvesToEven) {
    QImage image(5, 7, QImage::Format_RGB32);
    image.fill(Qt::green);
    ScaleBitmap(image, 0.5L);  // 2.5 -> 2, 3.5 -> 4
    EXPECT_EQ(image.size(), QSize(2, 4));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::green));
    ScaleBitmap(image, 1.5L);  // 3, 6
    EXPECT_EQ(image.size(), QSize(3, 6));
}

TEST(ScaleBitmap, EmptiesTheImageForUnusableFactors) {
    QImage image(5, 5, QImage::Format_RGB32);
    ScaleBitmap(image, std::numeric_limits<long double>::quiet_NaN());
    EXPECT_TRUE(image.isNull());
    QImage other(5, 5, QImage::Format_RGB32);
    ScaleBitmap(other, -2.0L);
    EXPECT_TRUE(other.isNull());
}

TEST(FillBitmap, FillsWithTheWindowsColour) {
    QImage image(3, 2, QImage::Format_RGB32);
    FillBitmap(image, 0x00FF00);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(2, 1), QColor(0, 255, 0));
}

TEST(BitmapToIcon, MakesTheKeyColourTransparent) {
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));  // the key, $00FF00FF
    for (int x = 0; x < 16; ++x) picture.setPixelColor(x, 8, QColor(0, 0, 255));
    const int size = 32;
    const QIcon icon = BitmapToIcon(picture, 0x00FF00FF, size);
    const QImage result = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(result.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(result.pixel(0, 0)), 0);
    EXPECT_EQ(result.pixelColor(size / 2, size / 2 + 1).blue(), 255);
    EXPECT_EQ(qAlpha(result.pixel(size / 2, size / 2 + 1)), 255);
}

TEST(DrawBitmapToDC, StretchesIntoTheRectangle) {
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::black);
    {
        QPainter dc(&target);
        DrawBitmapToDC(dc, 5, 6, picture, 4, 10);
    }
    EXPECT_EQ(PaintedBox(target), QRect(5, 6, 10, 4));
}

TEST(FitRectKeepAspect, KeepsTheSmallerRatio) {
    EXPECT_EQ(FitRectKeepAspect(200, 100, 100, 100), QRect(0, 0, 100, 50));
    EXPECT_EQ(FitRectKeepAspect(100, 200, 100, 100), QRect(0, 0, 50, 100));
    EXPECT_EQ(FitRectKeepAspect(3, 3, 10, 20), QRect(0, 0, 10, 10));
    EXPECT_EQ(FitRectKeepAspect(300, 200, 100, 100), QRect(0, 0, 100, 66));  // truncated
}

TEST(FitRectKeepAspect, GivesAnEmptyRectangleForAnEmptyPicture) {
    EXPECT_EQ(FitRectKeepAspect(0, 0, 100, 100), QRect());
}

}  // namespace
}  // namespace orbelune
