// The tray's own pictures.
#include "TrayIcon.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

const QString Degree = QString(QChar(0x00B0));

TEST(TrayTemperatureIcon, TransparentBackgroundOnlyWhenAsked) {
    const std::int32_t black = 0x000000;
    const std::int32_t yellow = 0x00FFFF;
    const QImage opaque =
        TrayTemperatureIcon("5" + Degree, black, false, yellow).pixmap(16, 16).toImage();
    EXPECT_EQ(qAlpha(opaque.pixel(15, 0)), 255);
    EXPECT_EQ(QColor(opaque.pixel(15, 0)), QColor(255, 255, 0));
    const QIcon transparent = TrayTemperatureIcon("5" + Degree, black, true, yellow);
    const QImage clear =
        transparent.pixmap(transparent.availableSizes().value(0, QSize(32, 32))).toImage();
    EXPECT_EQ(qAlpha(clear.pixel(clear.width() - 1, 0)), 0);
}
}  // namespace
}  // namespace orbelune
