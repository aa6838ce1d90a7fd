// The Moon, Planet and Time tabs at the window's stored default size and at the View
// menu's default and minimum sizes: every control gets at least the room its text
// needs.
#include "CalendarEvents.h"
#include "DateFormats.h"
#include "FakePlatform.h"
#include "InfoForm.h"
#include "ProgramState.h"
#include "ScopedZone.h"
#include "Settings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>

namespace orbelune {
namespace {

// The visible labels and buttons of Page whose height or width falls short of the
// least their contents need.
QStringList Squashed(QWidget* Page) {
    QStringList squashed;
    for (QWidget* widget : Page->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(Page)) continue;
        if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractButton*>(widget) &&
            !qobject_cast<QGroupBox*>(widget))
            continue;
        // As the layouts read it: a minimum size set on the widget wins over its hint.
        const QSize hint = widget->minimumSizeHint();
        const QSize least(widget->minimumWidth() > 0 ? widget->minimumWidth() : hint.width(),
                          widget->minimumHeight() > 0 ? widget->minimumHeight() : hint.height());
        if (widget->height() < least.height() || widget->width() < least.width())
            squashed << QStringLiteral("%1 %2x%3 < %4x%5")
                            .arg(widget->objectName())
                            .arg(widget->width())
                            .arg(widget->height())
                            .arg(least.width())
                            .arg(least.height());
    }
    return squashed;
}

class InfoLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        Settings.PlaceName = "New York";
        Settings.Latitude = 40.7128L;
        Settings.Longitude = -74.006L;
        Fakes.Clock.Value = 46365.05;  // 2026-12-09 01:12
        Events.SetDate(Fakes.Clock.Value);
    }
    void TearDown() override { test::ResetProgramState(); }

    test::TFakePlatform Fakes;
    TCalendarEvents Events;
    test::TScopedZone Zone{"America/New_York"};
};

TEST_F(InfoLayoutTest, NothingSquashedAtTheUsualSizes) {
    TInfoForm form(Events);
    form.show();
    for (QAction* size :
         {static_cast<QAction*>(nullptr), form.SizeDefaultAction1, form.SizeMinimumAction1}) {
        if (size != nullptr) size->trigger();
        for (int tab : {MoonTab, PlanetTab, TimeTab}) {
            form.InfoFormPageControl->setCurrentIndex(tab);
            QApplication::processEvents();
            SCOPED_TRACE(testing::Message()
                         << form.width() << "x" << form.height() << ", tab " << tab);
            const QStringList squashed = Squashed(form.Sheets[static_cast<size_t>(tab)]);
            EXPECT_TRUE(squashed.isEmpty()) << squashed.join(QStringLiteral("; ")).toStdString();
        }
    }
}

TEST_F(InfoLayoutTest, ThePlanetTableNeedsNoScrollingAtTheDefaultSizes) {
    for (bool summary : {true, false}) {
        Settings.EclipseSummaryView = summary;
        Settings.EarthSurfaceCoords = summary;  // 11 lines; the astronomical view 12
        TInfoForm form(Events);
        form.show();
        form.InfoFormPageControl->setCurrentIndex(PlanetTab);
        for (QAction* size : {static_cast<QAction*>(nullptr), form.SizeDefaultAction1}) {
            if (size != nullptr) size->trigger();
            QApplication::processEvents();
            SCOPED_TRACE(testing::Message()
                         << form.width() << "x" << form.height() << ", summary " << summary);
            ASSERT_EQ(form.PlanetPage->PlanetsMemo->toPlainText().count(QLatin1Char('\n')),
                      summary ? 10 : 11);
            EXPECT_EQ(form.PlanetPage->PlanetsMemo->verticalScrollBar()->maximum(), 0);
            // The summary rows keep their height; the space below them stays empty.
            if (summary) {
                EXPECT_LE(form.PlanetPage->EclipseRadioGroup->height(),
                          form.PlanetPage->EclipseRadioGroup->sizeHint().height());
            }
        }
    }
}

}  // namespace
}  // namespace orbelune
