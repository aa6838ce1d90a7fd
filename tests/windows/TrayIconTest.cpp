// The tray's own pictures.
#include "TemperatureDisplay.h"
#include "TrayIcon.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

const QString Degree = QString(QChar(0x00B0));

// The icon is drawn afresh at the size asked for, also for a pixel ratio of 2, and
// keeps the background clear only when asked.
TEST(TrayTemperatureIcon, DrawnAtTheSizeAndRatioAskedFor) {
    const std::int32_t black = 0x000000;
    const std::int32_t yellow = 0x00FFFF;
    const QIcon opaque = TrayTemperatureIcon("5" + Degree, black, false, yellow);
    const QIcon clear = TrayTemperatureIcon("5" + Degree, black, true, yellow);
    for (int side : {16, 22, 24, 32, 48}) {
        const QImage filled = opaque.pixmap(QSize(side, side)).toImage();
        ASSERT_EQ(filled.size(), QSize(side, side));
        EXPECT_EQ(QColor(filled.pixel(side - 1, 0)), QColor(255, 255, 0));
        const QImage sharp = clear.pixmap(QSize(side, side), 2.0).toImage();
        ASSERT_EQ(sharp.size(), QSize(2 * side, 2 * side));
        EXPECT_EQ(sharp.convertToFormat(QImage::Format_ARGB32),
                  TrayTemperatureImage("5" + Degree, black, true, yellow, 2 * side)
                      .convertToFormat(QImage::Format_ARGB32));
        EXPECT_EQ(qAlpha(sharp.pixel(0, 0)), 0);
    }
}
}  // namespace
}  // namespace orbelune
