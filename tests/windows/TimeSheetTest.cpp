// The Time tab's internet time through the clock window and the information window,
// offscreen, with a fake clock, a fake time query and a fake clock setter: the "Get Time"
// button, the start-up check and the schedule, what each shows and stores, the switches
// and minutes editors, and the real SNTP client against the responder on 127.0.0.1.
#include "ClockForm.h"

#include "CalendarEvents.h"
#include "ClockState.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "InfoForm.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "Settings.h"
#include "SntpClient.h"
#include "SntpResponder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace orbelune {
namespace {

TDateTime At(int h, int mi, int s) {
    return EncodeDate(2025, 3, 14) + EncodeTime(h, mi, s, 0);
}

const TDateTime Started = At(10, 15, 30);
// What an earlier setting of the clock left in the store.
constexpr TDateTime EarlierStamp = 45000.5;
constexpr double EarlierAdjust = 0.25 / 86400;

TTimeQueryResult Answer(double OffsetSeconds) {
    return {true, OffsetSeconds, 0.01, QString()};
}

// Types the digits Text into Editor over its whole text, then leaves it (the windows
// keep Enter for themselves).
void Type(QSpinBox* Editor, const QString& Text) {
    Editor->selectAll();
    for (const QChar c : Text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + (c.unicode() - '0'), Qt::NoModifier, c);
        QApplication::sendEvent(Editor, &press);
    }
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Editor, &leave);
}

class TimeSheetTest : public testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.UpdateClockPerSchedule = false;
        Settings.UpdateWeatherPerSchedule = false;
        Settings.UpdateWeatherOnStartup = false;
        Settings.ShowInfoFormAtStartup = false;
        Settings.RunWhenWindowsStarts = false;
        Settings.SaveOnExit = false;
        Settings.LastTimeStamp = EarlierStamp;
        Settings.LastTimeAdjust = EarlierAdjust;
        platform.Clock.Value = Started;
    }
    void TearDown() override {
        info.reset();
        form.reset();
        test::ResetProgramState();
    }
    TTimeSheet& Open() {
        form = std::make_unique<TForm1>();
        form->FormCreate({QStringLiteral("orbelune"), QStringLiteral("/C")});
        info = std::make_unique<TInfoForm>(*form->Events);
        form->AttachInfoForm(info.get());
        return *info->TimeSheet;
    }
    void Tick(TDateTime T) {
        platform.Clock.Value = T;
        form->Timer1Timer();
    }
    void ExpectNothingStored() const {
        EXPECT_EQ(Settings.LastTimeStamp, EarlierStamp);
        EXPECT_EQ(Settings.LastTimeAdjust, EarlierAdjust);
    }

    test::TFakePlatform platform;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TInfoForm> info;
};

TEST_F(TimeSheetTest, GetTimeShowsWhatTheQueryDid) {
    const TTimeQueryResult noAnswer{false, 0, 0, "The time server did not answer."};
    const struct {
        const char* Case;
        bool UpdateClock, SystemKeepsTime;
        const char* Refusal;  // the setter's reason for not setting the clock; nullptr: it sets
        TTimeQueryResult Answer;
        const char* TimeStamp;
        const char* Line;
    } cases[] = {
        {"reading only", false, false, nullptr, Answer(1.5), "3/14/25 10:15:31 AM",
         "Time Difference:  1.500 Seconds"},
        {"clock set", true, false, nullptr, Answer(-2.0), "3/14/25 10:15:29 AM",
         "PC Clock Adjusted:  -2.000 Seconds"},
        {"system keeps the time", true, true, nullptr, Answer(1.5), "3/14/25 10:15:31 AM",
         "Time Difference:  1.500 Seconds  (the system keeps its own time; the PC clock was "
         "not set)"},
        {"setting refused", true, false, "not permitted", Answer(1.5), "3/14/25 10:15:31 AM",
         "Time Difference:  1.500 Seconds  (the PC clock could not be set: not permitted)"},
        {"no answer", true, false, nullptr, noAnswer, "", "The time server did not answer."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        SetUp();
        Settings.UpdateClock = c.UpdateClock;
        platform.ClockSetter.Synchronized = c.SystemKeepsTime;
        platform.ClockSetter.Result = {c.Refusal == nullptr, QString::fromLatin1(c.Refusal)};
        platform.ClockSetter.Steps.clear();
        platform.ClockSetter.Interactive.clear();
        platform.TimeQuery.Answer = c.Answer;
        platform.TimeQuery.Asked.clear();
        TTimeSheet& tab = Open();
        EXPECT_EQ(tab.AdjustLab->text(), "PC Clock Adjusted:  0.250 Seconds");  // the earlier one
        EXPECT_FALSE(tab.TimeStampEd->text().isEmpty());                        // the earlier one
        tab.TimeServerBox->setEditText(QStringLiteral(" time.example.org "));
        platform.Clock.Value = At(10, 15, 29) + 0.5 / 86400;
        tab.GetInternetTimeBut->click();

        EXPECT_EQ(platform.TimeQuery.Asked, QStringList{"time.example.org"});
        EXPECT_EQ(ClockState.LastTimeCheckTime, platform.Clock.Value);
        EXPECT_EQ(tab.TimeStampEd->text(), c.TimeStamp);
        EXPECT_EQ(tab.AdjustLab->text(), c.Line);
        EXPECT_TRUE(tab.GetInternetTimeBut->isEnabled());
        const bool stepped = c.UpdateClock && !c.SystemKeepsTime && c.Answer.Answered;
        EXPECT_EQ(platform.ClockSetter.Steps,
                  stepped ? QList<double>{c.Answer.OffsetSeconds} : QList<double>{});
        EXPECT_EQ(platform.ClockSetter.Interactive, stepped ? QList<bool>{true} : QList<bool>{});
        if (stepped && c.Refusal == nullptr) {
            EXPECT_EQ(Settings.LastTimeStamp, platform.Clock.Value);
            EXPECT_EQ(Settings.LastTimeAdjust, c.Answer.OffsetSeconds / 86400);
        } else {
            ExpectNothingStored();
        }
        TearDown();
    }
}

// The start-up check sets the clock whatever "Update PC Clock" says, and says so when it
// did; the schedule sets it too but shows nothing; neither may ask the user.
TEST_F(TimeSheetTest, StartupCheckAndScheduleSetTheClockWithoutAsking) {
    Settings.UpdateClockOnStartup = true;
    Settings.UpdateClock = false;
    Settings.TimeServer = QStringLiteral("time.example.org");
    platform.TimeQuery.Answer = Answer(1.5);
    TTimeSheet& tab = Open();
    Tick(At(10, 15, 59));
    EXPECT_TRUE(platform.ClockSetter.Steps.isEmpty());
    Tick(At(10, 16, 1));
    EXPECT_EQ(platform.TimeQuery.Asked, QStringList{"time.example.org"});
    EXPECT_EQ(tab.AdjustLab->text(), QStringLiteral("PC Clock Adjusted:  1.500 Seconds"));
    EXPECT_EQ(Settings.LastTimeStamp, At(10, 16, 1));

    platform.ClockSetter.Result = {false, QStringLiteral("automatic time synchronisation is on")};
    ClockState.TimeCheckPending = true;
    Tick(At(10, 16, 2));
    EXPECT_EQ(tab.AdjustLab->text(),
              QStringLiteral("Time Difference:  1.500 Seconds  (the PC clock could not be set: "
                             "automatic time synchronisation is on)"));
    EXPECT_EQ(Settings.LastTimeStamp, At(10, 16, 1));

    platform.ClockSetter.Result = {true, {}};
    Settings.UpdateClockPerSchedule = true;
    Settings.UpdateClockMinutes = 15;
    tab.AdjustLab->clear();
    for (const TDateTime t : {At(10, 17, 0), At(10, 31, 0), At(10, 32, 0)}) Tick(t);
    // The two start-up checks, then the schedule once 15 minutes have passed (10:32).
    EXPECT_EQ(platform.ClockSetter.Steps, (QList<double>{1.5, 1.5, 1.5}));
    EXPECT_EQ(platform.ClockSetter.Interactive, (QList<bool>{false, false, false}));
    EXPECT_EQ(Settings.LastTimeStamp, At(10, 32, 0));
    EXPECT_TRUE(tab.AdjustLab->text().isEmpty());
}

// The schedule comes due while the button's query waits: it must not step the clock by
// the same offset a second time.
TEST_F(TimeSheetTest, NoSecondQueryWhileOneWaits) {
    struct TScheduleMeanwhile final : TInternetTimeQuery {
        test::TFakeNow* Clock = nullptr;
        TForm1* Form = nullptr;
        TTimeQueryResult Query(const QString&) override {
            Clock->Value = At(10, 18, 0);
            Form->Timer1Timer();
            return Answer(1.5);
        }
    } query;
    Settings.UpdateClock = true;
    Settings.UpdateClockPerSchedule = true;
    Settings.UpdateClockMinutes = 1;
    TTimeSheet& tab = Open();
    query.Clock = &platform.Clock;
    query.Form = form.get();
    Platform().TimeQuery = &query;
    platform.Clock.Value = At(10, 16, 30);
    tab.GetInternetTimeBut->click();
    EXPECT_EQ(platform.ClockSetter.Steps, QList<double>{1.5});
    EXPECT_EQ(tab.AdjustLab->text(), "PC Clock Adjusted:  1.500 Seconds");
    EXPECT_EQ(ClockState.LastTimeCheckTime, At(10, 18, 0));  // the schedule did come in
}

TEST_F(TimeSheetTest, ControlsShowTheSettingsAndWriteThemAtOnce) {
    Settings.UpdateClockMinutes = 5000;  // set behind the store's back
    Settings.UpdateWeatherMinutes = 20;
    Settings.TimeServer = QStringLiteral("time.example.org");
    TTimeSheet& tab = Open();
    EXPECT_EQ(tab.UpdateClockMinutesEd->value(), 1440);
    EXPECT_EQ(Settings.UpdateClockMinutes, 1440);
    EXPECT_EQ(tab.TimeServerBox->currentText(), "time.example.org");
    EXPECT_EQ(tab.TimeServerBox->count(), 125);
    EXPECT_EQ(tab.UpdateClockPerScheduleBox->text(), "Connect + Update Every");

    const struct {
        QCheckBox* Box;
        bool TSettings::*Setting;
    } boxes[] = {
        {tab.UpdateClockBox, &TSettings::UpdateClock},
        {tab.UpdateClockOnStartupBox, &TSettings::UpdateClockOnStartup},
        {tab.UpdateClockPerScheduleBox, &TSettings::UpdateClockPerSchedule},
        {tab.UpdateWeatherOnStartupBox, &TSettings::UpdateWeatherOnStartup},
        {tab.UpdateWeatherPerScheduleBox, &TSettings::UpdateWeatherPerSchedule},
    };
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.Box->objectName().toStdString());
        EXPECT_EQ(b.Box->isChecked(), Settings.*b.Setting);
        const bool was = Settings.*b.Setting;
        b.Box->click();
        EXPECT_EQ(Settings.*b.Setting, !was);
    }

    // Typed minutes outside 1 .. 1440 leave the interval and the editor as they were.
    const struct {
        QSpinBox* Editor;
        int TSettings::*Setting;
    } editors[] = {
        {tab.UpdateClockMinutesEd, &TSettings::UpdateClockMinutes},
        {tab.UpdateWeatherMinutesEd, &TSettings::UpdateWeatherMinutes},
    };
    for (const auto& e : editors) {
        SCOPED_TRACE(e.Editor->objectName().toStdString());
        Type(e.Editor, QStringLiteral("90"));
        EXPECT_EQ(Settings.*e.Setting, 90);
        for (const char* refused : {"0", "1441"}) {
            Type(e.Editor, QString::fromLatin1(refused));
            EXPECT_EQ(Settings.*e.Setting, 90) << refused;
            EXPECT_EQ(e.Editor->value(), 90) << refused;
        }
        Type(e.Editor, QStringLiteral("1440"));
        EXPECT_EQ(Settings.*e.Setting, 1440);
    }

    // The server box's text serves the start-up check and the schedule; a blank is no server.
    tab.TimeServerBox->setEditText(QStringLiteral("  ntp.example.net "));
    emit tab.TimeServerBox->lineEdit()->editingFinished();
    EXPECT_EQ(Settings.TimeServer, "ntp.example.net");
    tab.TimeServerBox->setEditText(QStringLiteral("  "));
    emit tab.TimeServerBox->lineEdit()->editingFinished();
    EXPECT_EQ(Settings.TimeServer, "ntp.example.net");
}

// The real client behind the button: what it measures reaches the tab, and a reply it
// refuses sets nothing.
TEST_F(TimeSheetTest, TheClientsAnswersReachTheTab) {
    using test::TSntpScriptReply;
    using test::TSntpSpoil;
    const std::chrono::system_clock::time_point day =
        std::chrono::sys_days{std::chrono::year{2025} / 3 / 14};
    const struct {
        TSntpScriptReply Reply;
        QString Line;
        int Steps;
    } cases[] = {
        {{1.5}, "PC Clock Adjusted:  1.500 Seconds", 1},
        {{3 * 365 * 86400.0},
         "The time server's time is more than a year away from the PC clock; it was not used.",
         0},
        {{0, TSntpSpoil::KissOfDeath}, "The time server refused to serve this computer.", 0},
    };
    for (const auto& c : cases) {
        SetUp();
        Settings.UpdateClock = true;
        platform.ClockSetter.Steps.clear();
        test::TSntpResponder server({c.Reply});
        TSntpClient client(server.Port(), 400, [day] { return day; });
        platform.TimeQuery.Asked.clear();
        Platform().TimeQuery = &client;
        TTimeSheet& tab = Open();
        tab.TimeServerBox->setEditText(QStringLiteral("127.0.0.1"));
        tab.GetInternetTimeBut->click();
        EXPECT_EQ(tab.AdjustLab->text(), c.Line);
        EXPECT_EQ(platform.ClockSetter.Steps.size(), c.Steps);
        Platform().TimeQuery = &platform.TimeQuery;
        TearDown();
    }
}

}  // namespace
}  // namespace orbelune
