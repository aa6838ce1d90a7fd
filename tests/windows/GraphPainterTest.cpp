// The painted year chart: night above and below the curves, daylight between them, in
// the north, in the south (local time and position) and under polar days and nights.
#include "DateTimeRtl.h"
#include "GraphPainter.h"
#include "ScopedZone.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

const QColor Background(0xF0, 0xF0, 0xF0);

bool IsNight(const QImage& Image, QPoint At) {
    return Image.pixelColor(At) == GraphNightColour;
}

// Y, or the next row in Direction when Y is a grid line's.
int OffGrid(int Y, int Direction) {
    return (Y - GraphTop) % 20 == 0 ? Y + Direction : Y;
}

struct TColumnCase {
    const char* Name;
    const char* Zone;
    long double Latitude, Longitude;
    bool Position;
    int Month, Day;
    bool PolarDay;  // the whole column is daylight
};

TEST(GraphPainter, NightLiesOutsideTheCurvesInBothHemispheres) {
    const TColumnCase cases[] = {
        {"north, winter", "America/New_York", 40.71L, -74.01L, false, 1, 10, false},
        {"north, summer", "America/New_York", 40.71L, -74.01L, false, 7, 2, false},
        {"south, winter", "Australia/Sydney", -33.87L, 151.21L, false, 7, 2, false},
        {"south, summer", "Australia/Sydney", -33.87L, 151.21L, false, 1, 10, false},
        {"south, position", "Australia/Sydney", -33.87L, 151.21L, true, 7, 2, false},
        {"south pole, polar night", "Etc/UTC", -90, 0, false, 7, 2, false},
        {"south pole, polar day", "Etc/UTC", -90, 0, false, 1, 10, true},
        {"south pole, position, polar night", "Etc/UTC", -90, 0, true, 7, 2, false},
        {"south pole, position, polar day", "Etc/UTC", -90, 0, true, 1, 10, true},
        {"north, high, polar night", "Europe/Oslo", 78.22L, 15.65L, false, 1, 10, false},
        {"north, high, position, polar day", "Europe/Oslo", 78.22L, 15.65L, true, 7, 2, true},
    };
    for (const TColumnCase& c : cases) {
        SCOPED_TRACE(c.Name);
        test::TScopedZone zone(c.Zone);
        TGraphRequest request;
        request.GraphDate = EncodeDate(2023, 3, 1);
        request.Latitude = c.Latitude;
        request.Longitude = c.Longitude;
        request.PositionMode = c.Position;
        request.ShowDateLines = false;
        const TGraph graph = BuildGraph(request);
        const QImage image = GraphImage(graph, Background, QApplication::font());
        const int n =
            static_cast<int>(EncodeDate(2023, c.Month, c.Day) - EncodeDate(2023, 1, 1)) + 1;
        const int x = graph.Left + n;
        const int rise = graph.RiseCurve()[n - 1].y(), set = graph.SetCurve()[n - 1].y();
        // Just inside the plot above and below, clear of the grid lines.
        EXPECT_EQ(IsNight(image, QPoint(x, GraphTop + 5)), !c.PolarDay);
        EXPECT_EQ(IsNight(image, QPoint(x, GraphBottom - 5)), !c.PolarDay);
        if (!c.PolarDay && rise - set > 12) {
            EXPECT_TRUE(IsNight(image, QPoint(x, OffGrid(set - 4, -1))));
            EXPECT_TRUE(IsNight(image, QPoint(x, OffGrid(rise + 4, 1))));
            EXPECT_EQ(image.pixelColor(x, OffGrid((rise + set) / 2, 1)), QColor(Qt::white));
        }
        EXPECT_EQ(image.pixelColor(x, rise), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(graph.Left - 2, GraphTop + 5), Background);
    }
}

TEST(GraphPainter, ScaleTextsFitLeftOfTheGridLines) {
    test::TScopedZone zone("Etc/UTC");
    for (const bool military : {false, true})
        for (const bool position : {false, true}) {
            TGraphRequest request;
            request.GraphDate = EncodeDate(2023, 3, 1);
            request.UseMilitaryTime = military;
            request.PositionMode = position;
            const TGraph graph = BuildGraph(request);
            const QFont font = GraphFont(graph, QApplication::font());
            const QFontMetrics metrics(font);
            for (const TGraphText& text : graph.ScaleTexts)
                EXPECT_LT(metrics.horizontalAdvance(text.Text), graph.GridLines[0].Line.x1());
        }
}

}  // namespace
}  // namespace orbelune
