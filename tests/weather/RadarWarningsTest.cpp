// Warnings read from the colours of the warnings layer, and their labels.
#include "RadarWarnings.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

QImage WithPixel(QRgb Colour, QPoint At) {
    QImage image(600, 550, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(At, Colour);
    return image;
}

TEST(RadarWarnings, EachColourItsWarning) {
    struct TCase {
        QRgb Colour;
        bool Tornado, Severe, Flood, Marine;
    };
    const TCase cases[] = {
        {qRgb(255, 0, 0), true, false, false, false},
        {qRgb(255, 255, 0), false, true, false, false},
        {qRgb(34, 139, 34), false, false, true, false},
        {qRgb(255, 165, 0), false, false, false, true},
        {qRgb(254, 0, 0), false, false, false, false},
        {qRgb(34, 139, 35), false, false, false, false},
    };
    for (const TCase& c : cases) {
        for (QPoint at : {QPoint(0, 0), QPoint(599, 549), QPoint(1, 549)}) {
            const TRadarWarningFlags f = GetWarning(WithPixel(c.Colour, at));
            EXPECT_EQ(f.Tornado, c.Tornado) << std::hex << c.Colour;
            EXPECT_EQ(f.Severe, c.Severe) << std::hex << c.Colour;
            EXPECT_EQ(f.Flood, c.Flood) << std::hex << c.Colour;
            EXPECT_EQ(f.Marine, c.Marine) << std::hex << c.Colour;
        }
    }
}

TEST(RadarWarnings, TheFirstPixelOfTheLastRowIsNotRead) {
    EXPECT_FALSE(GetWarning(WithPixel(qRgb(255, 0, 0), QPoint(0, 549))).Any());
    QImage all = WithPixel(qRgb(255, 0, 0), QPoint(5, 5));
    all.setPixel(6, 5, qRgb(255, 255, 0));
    all.setPixel(7, 5, qRgb(34, 139, 34));
    all.setPixel(8, 5, qRgb(255, 165, 0));
    EXPECT_TRUE(GetWarning(all).All());
    EXPECT_FALSE(GetWarning(QImage()).Any());
}

TEST(RadarWarnings, LabelsInOrderAndColour) {
    TRadarWarningFlags flags;
    flags.Severe = true;
    flags.Marine = true;
    const auto labels = WarningLabels(flags);
    EXPECT_EQ(labels[0].Text, "Severe Thunderstorm Warning");
    EXPECT_EQ(labels[0].Color, 0x00FFFF);
    EXPECT_FALSE(labels[0].Visible);
    EXPECT_EQ(labels[1].Text, "Marine Warning");
    EXPECT_EQ(labels[1].Color, 0x00A5FF);
    EXPECT_TRUE(labels[1].Visible);
    EXPECT_TRUE(labels[2].Text.isEmpty());
    EXPECT_FALSE(labels[3].Visible);

    flags.Tornado = flags.Flood = true;
    const auto four = WarningLabels(flags);
    EXPECT_EQ(four[0].Text, "TORNADO WARNING");
    EXPECT_EQ(four[0].Color, 0x0000FF);
    EXPECT_EQ(four[2].Text, "Flash Flood Warning");
    EXPECT_EQ(four[2].Color, 0x00008B);
    EXPECT_EQ(four[3].Text, "Marine Warning");
}

}  // namespace
}  // namespace orbelune
