// The weather text window and the weather tab's texts.
#include "DateTimeRtl.h"
#include "QStringPrinter.h"
#include "WeatherTabTexts.h"
#include "WeatherTextForm.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace orbelune {
namespace {

const TDateTime Evening = EncodeDate(2026, 12, 9) + EncodeTime(17, 5, 0, 0);

TEST(WeatherWindowLines, TheFirstTwoLinesJoined) {
    EXPECT_EQ(WeatherWindowLines({"a ", "b", "c"}), QStringList({"a b", "c"}));
    EXPECT_EQ(WeatherWindowLines({"only"}), QStringList({"only"}));
    EXPECT_EQ(WeatherWindowLines({}), QStringList());
}

TEST(WeatherWindowCaption, AgeAndLocalTime) {
    EXPECT_EQ(WeatherWindowCaption(12, Evening, false, "dddd mmmm d, yyyy"),
              "Weather 12 mins ago at 05:05 PM Wednesday December 9, 2026");
    EXPECT_EQ(WeatherWindowCaption(1, Evening, true, "yyyy-mm-dd"),
              "Weather 1 min ago at 17:05 2026-12-09");
    EXPECT_EQ(WeatherWindowCaption(std::nullopt, 0.0, true, "yyyy-mm-dd"), "Weather");
}

TEST(WeatherTabTexts, LabelsOnlyForWhatIsKnown) {
    const TWeatherTabTexts none = WeatherTabTexts('F', 0.0, "");
    EXPECT_EQ(none.TemperatureUnitsIndex, 0);
    EXPECT_TRUE(none.LastWeatherUpdate.isEmpty());
    EXPECT_TRUE(none.LastWeatherTimeStamp.isEmpty());
    const TWeatherTabTexts known = WeatherTabTexts('C', Evening, "Dec 09, 2026 - 12:51 PM EST ");
    EXPECT_EQ(known.TemperatureUnitsIndex, 1);
    EXPECT_EQ(known.LastWeatherUpdate, "Dec 09, 2026 - 05:05 PM  Last Download");
    EXPECT_EQ(known.LastWeatherTimeStamp, "Dec 09, 2026 - 12:51 PM EST Last Time Stamp");
}

TEST(TForm6, LayoutAndClose) {
    TForm6 form;
    form.show();
    EXPECT_EQ(form.objectName(), "Form6");
    EXPECT_EQ(form.windowTitle(), "Weather");
    EXPECT_EQ(form.size(), QSize(490, 256));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    ASSERT_NE(form.findChild<QPlainTextEdit*>("Memo1"), nullptr);
    EXPECT_TRUE(form.Memo1->isReadOnly());
    ASSERT_NE(form.findChild<QLabel*>("Label1"), nullptr);
    EXPECT_TRUE(form.Label1->font().bold());
    ASSERT_NE(form.findChild<QPushButton*>("CloseBut"), nullptr);
    EXPECT_EQ(form.CloseBut->text(), "Close");

    form.ShowReport({"line one", "line two"}, "Weather 3 mins ago at 05:05 PM");
    EXPECT_EQ(form.Memo1->toPlainText(), "line one\nline two");
    EXPECT_EQ(form.Label1->text(), "Weather 3 mins ago at 05:05 PM");

    EXPECT_TRUE(form.isVisible());
    form.CloseBut->click();
    EXPECT_FALSE(form.isVisible());
}

// A report and caption longer than the designed window widen it: the first line, the
// label and the caption are shown whole, within the screen.
TEST(TForm6, GrowsToShowTheWholeReport) {
    TForm6 form;
    form.show();
    const QString first = QStringLiteral(
        "Montreal / Pierre Elliott Trudeau International, Canada (CYUL) "
        "45-28N 073-45W 36M");
    const QString caption =
        QStringLiteral("Weather 286 mins ago at 05:00 AM Wednesday, 9 December 2026");
    QStringList lines = {first};
    for (int i = 0; i < 20; ++i) lines << QStringLiteral("Visibility: 3 mile(s):0");
    form.ShowReport(lines, caption);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Memo1->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(form.Memo1->verticalScrollBar()->maximum(), 0);
    EXPECT_GE(form.Label1->width(), form.Label1->sizeHint().width());
    EXPECT_FALSE(form.Label1->geometry().intersects(form.CloseBut->geometry()));
    EXPECT_GE(form.width(), QFontMetrics(form.font()).horizontalAdvance(caption));
    EXPECT_TRUE(
        QGuiApplication::primaryScreen()->availableGeometry().contains(form.frameGeometry()));
}

}  // namespace
}  // namespace orbelune
