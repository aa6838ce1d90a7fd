// The Graph tab in the information window: the chart follows the calendar and the
// switches, which are saved; a click selects a day; the buttons ask for seasons and
// months; the chart and the year calendar go to the clipboard or a file. Now and the
// zone are fixed.
#include "BigCalendar.h"
#include "CalendarEvents.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "GraphPainter.h"
#include "InfoForm.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "ScopedZone.h"
#include "Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace orbelune {
namespace {

class InfoFormGraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        Settings.Latitude = 40.71L;
        Settings.Longitude = -74.01L;
        Fakes.Clock.Value = EncodeDate(2024, 6, 15) + 0.75;
        Events.SetDate(EncodeDate(2024, 6, 15));
    }
    void TearDown() override {
        Form.reset();
        test::ResetProgramState();
    }
    TInfoForm& Open() {
        Form = std::make_unique<TInfoForm>(Events);
        QObject::connect(Form.get(), &TInfoForm::DateRequested, [this](TDateTime Date) {
            Requested.push_back(Date);
            Events.SetDate(Date);
            Form->UpdateInfoForm();
        });
        QObject::connect(Form.get(), &TInfoForm::MonthStepRequested,
                         [this](int Delta) { Steps.push_back(Delta); });
        QObject::connect(Form.get(), &TInfoForm::SeasonRequested,
                         [this](int N) { Steps.push_back(10 * N); });
        Form->InfoFormPageControl->setCurrentIndex(GraphTab);
        Form->show();
        return *Form;
    }

    test::TScopedZone Zone{"America/New_York"};
    test::TFakePlatform Fakes;
    TCalendarEvents Events;
    std::unique_ptr<TInfoForm> Form;
    std::vector<TDateTime> Requested;
    std::vector<int> Steps;  // month steps -1, 1; seasons 10 .. 40
};

TEST_F(InfoFormGraphTest, SwitchesRedrawTheChartAndAreSaved) {
    Settings.TimePositionBoxIndex = 1;
    Settings.DaylightSavingBoxChecked = false;
    TInfoForm& form = Open();
    TGraphSheet& page = *form.GraphPage;
    EXPECT_TRUE(page.TimePositionItems[1]->isChecked());
    EXPECT_FALSE(page.DaylightSavingBox->isChecked());
    EXPECT_EQ(page.GraphGroupBox->title(), " 2024  Sunrise and Sunset (position) ");
    EXPECT_EQ(page.GraphSunGroupBox->title(), " Sat  June 15, 2024 ");
    EXPECT_TRUE(page.GraphSunRiseLab1->text().endsWith(" AM Sunrise"));
    EXPECT_EQ(page.GraphSunRiseLab2->text(), "EST");  // standard time all year

    page.TimePositionItems[0]->click();
    EXPECT_EQ(Settings.TimePositionBoxIndex, 0);
    EXPECT_EQ(page.GraphGroupBox->title(), " 2024  Sunrise and Sunset (local time) ");
    const int standardRise = page.PaintBox->Graph().RiseTimes[166].y();
    page.DaylightSavingBox->click();
    EXPECT_TRUE(Settings.DaylightSavingBoxChecked);
    EXPECT_EQ(page.PaintBox->Graph().RiseTimes[166].y(), standardRise - 20);
    EXPECT_EQ(page.GraphSunRiseLab2->text(), "EDT");
    page.ShowDateLinesBox->click();
    EXPECT_FALSE(Settings.ShowDateLinesBoxChecked);
    EXPECT_TRUE(page.PaintBox->Graph().DateLines.empty());
}

TEST_F(InfoFormGraphTest, ClicksSelectDaysAndButtonsAskForSeasonsAndMonths) {
    Settings.ShowDateLinesBoxChecked = false;
    TInfoForm& form = Open();
    TGraphSheet& page = *form.GraphPage;
    const int left = page.PaintBox->Graph().Left;
    form.PaintBoxMouseDown(left);
    EXPECT_TRUE(Requested.empty());
    form.PaintBoxMouseDown(left + 366);  // a leap year's last day
    ASSERT_EQ(Requested.size(), 1u);
    EXPECT_EQ(Requested.back(), EncodeDate(2024, 12, 31));
    EXPECT_TRUE(page.ShowDateLinesBox->isChecked());
    EXPECT_TRUE(Settings.ShowDateLinesBoxChecked);
    EXPECT_EQ(page.GraphSunGroupBox->title(), " Tue  December 31, 2024 ");
    EXPECT_FALSE(page.GraphSunRiseLab1->text().isEmpty());
    EXPECT_EQ(page.PaintBox->Graph().DateLines[0].x1(), left + 366);

    for (QPushButton* button : page.SeasonButtons) button->click();
    page.PrevMonthBut2->click();
    page.NextMonthBut2->click();
    EXPECT_EQ(Steps, (std::vector<int>{10, 20, 30, 40, -1, 1}));
}

TEST_F(InfoFormGraphTest, TheChartGoesToTheClipboardOrAFile) {
    TInfoForm& form = Open();
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(form.GraphToClipBoardOrFile(QString()));
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), GraphSize);
    EXPECT_EQ(copied.pixelColor(form.GraphPage->PaintBox->Graph().Left + 5, GraphTop + 5),
              GraphNightColour);

    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("graph.jpg"));
    ASSERT_TRUE(form.GraphToClipBoardOrFile(name));
    QImageReader reader(name);
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), GraphSize);
    EXPECT_FALSE(form.GraphToClipBoardOrFile(folder.filePath(QStringLiteral("no/such/graph.jpg"))));
    EXPECT_FALSE(form.GraphToClipBoardOrFile(folder.filePath(QStringLiteral("graph.unknown"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("graph.unknown"))));

    // The year calendar as its tab shows it, without its today frame.
    form.InfoFormPageControl->setCurrentIndex(YearTab);
    QApplication::processEvents();
    ASSERT_TRUE(form.CalendarToClipBoardOrFile(QString()));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), form.YearPage->BigCalendar->size());
    EXPECT_FALSE(form.PanelToClipBoardOrFile(QString()));
}

}  // namespace
}  // namespace orbelune
