// The windows' sizes and places offscreen, where every window gets a 2-pixel frame as a
// window manager would give it: the rows of each display level, places that come back
// exactly through close and start, stay-on-top that leaves the place alone, wild stored
// places kept on the (800 x 800) screen, and the information window's first place.
#include "ClockForm.h"

#include "CalendarEvents.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "InfoForm.h"
#include "ProgramState.h"
#include "Settings.h"
#include "SettingsIo.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>

namespace orbelune {
namespace {

// Runs the event loop until Done holds, for at most five seconds.
bool WaitFor(const std::function<bool()>& Done) {
    const QDeadlineTimer deadline(5000);
    while (!Done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return Done();
}

bool Framed(const QWidget& Window) {
    return Window.frameGeometry() != Window.geometry();
}

class WindowGeometryTest : public testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        platform.Clock.Value = EncodeDate(2025, 3, 14) + EncodeTime(10, 15, 30, 0);
    }
    void TearDown() override {
        Stop();
        QFile::remove(TSettingsStore::DefaultFilePath());
        test::ResetProgramState();
    }
    // Starts both windows as the program does, from the settings file when there is one,
    // and waits until both are framed.
    void StartShown() {
        Settings = TSettings{};
        form = std::make_unique<TForm1>();
        form->FormCreate({QStringLiteral("orbelune")});
        Settings.UpdateWeatherOnStartup = Settings.UpdateWeatherPerSchedule = false;
        info = std::make_unique<TInfoForm>(*form->Events);
        form->AttachInfoForm(info.get());
        form->show();
        info->show();
        ASSERT_TRUE(WaitFor([this] { return Framed(*form) && Framed(*info); }));
        QCoreApplication::processEvents();
    }
    void Stop() {
        if (form) form->FormClose();
        info.reset();
        form.reset();
    }
    static void Store(const std::function<void(TSettings&)>& Change) {
        TSettings stored;
        stored.RunWhenWindowsStarts = false;
        stored.UpdateWeatherOnStartup = stored.UpdateWeatherPerSchedule = false;
        Change(stored);
        ASSERT_TRUE(SaveIniFile(stored));
    }
    static QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    test::TFakePlatform platform;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TInfoForm> info;
};

TEST_F(WindowGeometryTest, EachDisplayLevelShowsWholeRowsInsideTheClientArea) {
    Store([](TSettings&) {});
    StartShown();
    QFrame* panels[] = {form->Panel1, form->Panel2, form->Panel3, form->Panel4};
    for (int level : {1, 2, 3, 4, 1}) {
        Settings.DisplayLevel = level;
        form->SetHeight();
        ASSERT_TRUE(WaitFor([this] { return form->height() == form->minimumHeight(); }));
        const QRect client = form->rect();
        std::vector<QRect> shown = {form->menuBar()->geometry()};
        for (int i = 0; i < 4; ++i) {
            ASSERT_EQ(panels[i]->isVisibleTo(form.get()), i < level) << level << " row " << i;
            if (i >= level) continue;
            const QRect rect(panels[i]->mapTo(form.get(), QPoint()), panels[i]->size());
            EXPECT_TRUE(client.contains(rect)) << level << " row " << i;
            for (const QRect& other : shown)
                EXPECT_FALSE(rect.intersects(other)) << level << " row " << i;
            shown.push_back(rect);
        }
        EXPECT_EQ(shown.back().bottom(), client.bottom()) << level;  // no empty band below
    }
}

TEST_F(WindowGeometryTest, PlacesComeBackExactlyThroughCloseAndStart) {
    Store([](TSettings& s) {
        s.WindowLeft = 100;
        s.WindowTop = 120;
        s.InfoFormLeft = 300;
        s.InfoFormTop = 60;
        s.InfoFormWidth = 470;
        s.InfoFormHeight = 420;
    });
    for (int start = 0; start < 3; ++start) {
        StartShown();
        EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(100, 120)) << start;
        EXPECT_EQ(info->frameGeometry().topLeft(), QPoint(300, 60)) << start;
        EXPECT_EQ(info->size(), QSize(470, 420)) << start;
        form->close();
        Stop();
    }
    TSettings stored;
    TSettingsCopies copies;
    ReadIniFile(stored, copies);
    EXPECT_EQ(QPoint(stored.WindowLeft, stored.WindowTop), QPoint(100, 120));
    EXPECT_EQ(
        QRect(stored.InfoFormLeft, stored.InfoFormTop, stored.InfoFormWidth, stored.InfoFormHeight),
        QRect(300, 60, 470, 420));
}

TEST_F(WindowGeometryTest, StayOnTopLeavesEveryWindowWhereItIs) {
    Store([](TSettings& s) {
        s.WindowLeft = 40;
        s.WindowTop = 70;
    });
    StartShown();
    const QRect clockFrame = form->frameGeometry();
    const QRect infoFrame = info->frameGeometry();
    const QWindow* clockHandle = form->windowHandle();
    for (int toggle = 0; toggle < 2; ++toggle) {
        form->ToggleStayOnTop1Execute();
        QCoreApplication::processEvents();
        EXPECT_EQ(bool(form->windowHandle()->flags() & Qt::WindowStaysOnTopHint),
                  Settings.StayOnTop);
        EXPECT_EQ(bool(info->windowFlags() & Qt::WindowStaysOnTopHint), Settings.StayOnTop);
        EXPECT_EQ(form->windowHandle(), clockHandle);
        EXPECT_EQ(form->frameGeometry(), clockFrame);
        EXPECT_EQ(info->frameGeometry(), infoFrame);
        EXPECT_TRUE(form->isVisible() && info->isVisible());
    }
}

// Stored sizes and places of any value, the largest integers among them, bring both
// windows up whole on the screen.
TEST_F(WindowGeometryTest, WildStoredPlacesAreKeptOnTheScreen) {
    const std::function<void(TSettings&)> cases[] = {
        [](TSettings& s) { s.InfoFormHeight = INT_MAX; },
        [](TSettings& s) {
            s.InfoFormLeft = INT_MAX;
            s.InfoFormTop = INT_MIN;
            s.InfoFormWidth = INT_MIN;
        },
        [](TSettings& s) {  // a 1080-pixel screen's window at scale factor 2
            s.InfoFormLeft = 0;
            s.InfoFormTop = 0;
            s.InfoFormWidth = 1500;
            s.InfoFormHeight = 1460;
        },
        [](TSettings& s) {
            s.WindowLeft = INT_MAX;
            s.WindowTop = INT_MAX;
        },
        [](TSettings& s) {
            s.WindowLeft = 790;
            s.WindowTop = 780;
        },
    };
    int n = 0;
    for (const auto& change : cases) {
        Store(change);
        StartShown();
        ASSERT_TRUE(WaitFor([this] {
            return Available().contains(form->frameGeometry()) &&
                   Available().contains(info->frameGeometry());
        })) << "case "
            << n << ": " << form->frameGeometry().x() << "," << info->frameGeometry().y();
        Stop();
        ++n;
    }
}

TEST_F(WindowGeometryTest, TheFirstStartOpensTheInformationWindowBesideTheClock) {
    Store([](TSettings& s) { s.WindowLeft = 0; });  // no place of the information window
    StartShown();
    EXPECT_FALSE(form->frameGeometry().intersects(info->frameGeometry()));
    EXPECT_EQ(info->frameGeometry().top(), form->frameGeometry().top());
}

}  // namespace
}  // namespace orbelune
