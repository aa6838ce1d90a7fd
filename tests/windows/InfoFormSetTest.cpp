// The Set tab's tray, temperature-unit, weather-server and proxy controls with the clock
// window attached: what each changes in the settings and in the clock window's caption,
// tray and menu. Reports come from a fixture server on 127.0.0.1.
#include "Calendar.h"
#include "CalendarEvents.h"
#include "ClockForm.h"
#include "ColorBox.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "HelpForm.h"
#include "InfoForm.h"
#include "LocationSheet.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "ReportSamples.h"
#include "ReportText.h"
#include "Settings.h"
#include "TimeSheet.h"
#include "TrayIcon.h"
#include "WeatherService.h"
#include "WeatherSheet.h"
#include "WeatherState.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace orbelune {
namespace {

using test::THttpFixture;

class InfoFormSetTest : public ::testing::Test {
protected:
    InfoFormSetTest()
        : Server(
              {{ReportPath("KNYC"),
                THttpFixture::TRoute{200, test::NewYorkReport, {}, THttpFixture::TMode::Normal}}}) {
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        Fakes.Clock.Value = EncodeDate(2026, 12, 9) + EncodeTime(5, 56, 0, 0);
        Events.SetDate(Fakes.Clock.Value);
        Clock = std::make_unique<TForm1>();
        Clock->FormCreate({QStringLiteral("orbelune"), QStringLiteral("/C")});
        Settings.WeatherServer = Server.HostAndPort();
        Settings.WeatherStationCode = QStringLiteral("KNYC");
        Form = std::make_unique<TInfoForm>(Events);
        Clock->AttachInfoForm(Form.get());
        Form->show();
        Page = Form->SetOptions;
    }
    ~InfoFormSetTest() override {
        WeatherService().StopRequests(5000);
        Form.reset();
        Clock.reset();
        test::ResetProgramState();
    }
    void FetchTemperature() {
        Clock->GetWeather(Settings.WeatherStationCode, true);
        ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    }
    QColor TrayPixel() const {
        return Clock->TrayIcon->Icon().pixmap(16).toImage().pixelColor(8, 0);
    }

    test::TFakePlatform Fakes;
    THttpFixture Server;
    TCalendarEvents Events;
    std::unique_ptr<TForm1> Clock;
    std::unique_ptr<TInfoForm> Form;
    TSetOptionsPage* Page = nullptr;
};

TEST_F(InfoFormSetTest, CelsiusChangesTheCaptionTrayAndSummaryAndIsKept) {
    Settings.TrayType = 'T';
    Settings.TrayBackTransparent = false;
    EXPECT_TRUE(Form->WeatherPage->TemperatureRadioItems[0]->isChecked());  // shown on showing
    FetchTemperature();
    EXPECT_TRUE(Clock->windowTitle().startsWith(QString::fromUtf8("38°")));  // 37.9 F
    EXPECT_TRUE(WeatherState.TraySummaryText.contains("12 Mph"));
    const QImage fahrenheitIcon = Clock->TrayIcon->Icon().pixmap(16).toImage();

    Form->WeatherPage->TemperatureRadioItems[1]->click();
    EXPECT_EQ(Settings.TemperatureUnits, 'C');
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("3°"));  // 3.3 C
    EXPECT_TRUE(Clock->windowTitle().startsWith(QString::fromUtf8("3°")));
    EXPECT_TRUE(WeatherState.TraySummaryText.contains("19 Kph"));  // 12 x 1.609344
    EXPECT_TRUE(Clock->TrayIcon->Hint().startsWith(QString::fromUtf8("3°\n")));
    EXPECT_NE(Clock->TrayIcon->Icon().pixmap(16).toImage(), fahrenheitIcon);

    Form->WeatherPage->TemperatureRadioItems[0]->click();
    EXPECT_EQ(Settings.TemperatureUnits, 'F');
    EXPECT_TRUE(WeatherState.TraySummaryText.contains("12 Mph"));
}

TEST_F(InfoFormSetTest, TrayChoicesAndColours) {
    Settings.TrayType = 'N';
    Form->hide();
    Form->show();  // the page shows the settings on showing
    EXPECT_TRUE(Page->TrayIconItems[0]->isChecked());

    // Before any report: a request starts and the Weather tab opens.
    Page->TrayIconItems[1]->click();
    EXPECT_EQ(Settings.TrayType, 'T');
    EXPECT_TRUE(Clock->TrayTemperature1->isChecked());
    EXPECT_EQ(Form->InfoFormPageControl->currentIndex(), WeatherTab);
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    EXPECT_EQ(Server.RequestedPaths().size(), 1);
    EXPECT_TRUE(WeatherState.TemperatureShown);

    Page->TrayBackTransparentBox->setChecked(false);
    Page->TrayBackTransparentBox->click();
    Page->TrayBackTransparentBox->click();
    EXPECT_FALSE(Settings.TrayBackTransparent);
    Page->BackColorBox->ChooseColor(0x0000FF);  // $00BBGGRR red
    EXPECT_EQ(Settings.TrayBackColor, 0x0000FF);
    EXPECT_EQ(TrayPixel(), QColor(Qt::red));

    Page->TrayIconItems[3]->click();
    EXPECT_EQ(Settings.TrayType, 'A');
    EXPECT_TRUE(Clock->TrayAnimation1->isChecked());
    EXPECT_TRUE(Clock->TrayIcon->Animate());
    Page->BackColorBox->ChooseColor(0x00FF00);  // the moon stays; no temperature picture
    EXPECT_EQ(Settings.TrayBackColor, 0x00FF00);
    EXPECT_NE(TrayPixel(), QColor(Qt::green));
    Page->TrayIconItems[0]->click();
    EXPECT_EQ(Settings.TrayType, 'N');
    EXPECT_FALSE(Clock->TrayIcon->Active());
    EXPECT_FALSE(Clock->TrayAnimation1->isChecked());
    EXPECT_EQ(Server.RequestedPaths().size(), 1);
}

// The tray menu's entries do what the Set tab's choices do, and the tab follows them.
TEST_F(InfoFormSetTest, TrayMenuEntriesWorkTheTrayAndMoveTheSetTabsChoice) {
    Settings.TrayType = 'M';
    Form->hide();
    Form->show();
    FetchTemperature();
    Clock->TrayIcon->SetIcon(QIcon());
    const struct {
        QAction* Entry;
        char Type;
        int Item;
        bool Animated;
    } steps[] = {{Clock->TrayAnimation1, 'A', 3, true},
                 {Clock->TrayTemperature1, 'T', 1, false},
                 {Clock->TrayTemperature1, 'N', 0, false},  // the checked entry again
                 {Clock->TrayMoon1, 'M', 2, false}};
    for (const auto& step : steps) {
        step.Entry->trigger();
        EXPECT_EQ(Settings.TrayType, step.Type);
        EXPECT_TRUE(Page->TrayIconItems[static_cast<size_t>(step.Item)]->isChecked()) << step.Type;
        EXPECT_EQ(Clock->TrayIcon->Animate(), step.Animated) << step.Type;
        EXPECT_EQ(Clock->TrayIcon->Active(), step.Type != 'N');
        // The temperature's picture is drawn as the entry is chosen.
        if (step.Type == 'T') {
            EXPECT_FALSE(Clock->TrayIcon->Icon().isNull());
        }
    }
}

TEST_F(InfoFormSetTest, ServerAndProxyFieldsTakeOnlyWhatTheyCanUse) {
    const QString server = Settings.WeatherServer;
    for (const char* text : {"abcde", "localhost", "a.b"}) {
        Page->WeatherServerComboBox->setEditText(QString::fromLatin1(text));
        EXPECT_EQ(Settings.WeatherServer, server) << text;
    }
    Page->WeatherServerComboBox->setEditText(QStringLiteral("weather.example.org"));
    EXPECT_EQ(Settings.WeatherServer, "weather.example.org");
    // The box offers two public hosts of the reports, the built-in one first.
    QComboBox* servers = Page->WeatherServerComboBox;
    ASSERT_EQ(servers->count(), 2);
    EXPECT_EQ(servers->itemText(0), QLatin1String(DefaultWeatherServer));
    servers->setCurrentIndex(1);
    EXPECT_EQ(Settings.WeatherServer, servers->itemText(1));
    EXPECT_NE(Settings.WeatherServer.toUpper(), QLatin1String(RetiredWeatherServer));

    EXPECT_FALSE(Page->ProxyServerEd->isEnabled());
    Page->UseProxyServerBox->click();
    EXPECT_TRUE(Settings.UseProxyServer);
    EXPECT_TRUE(Page->ProxyPasswordEd->isEnabled());
    const struct {
        const char* Text;
        int Port;
    } ports[] = {{"8080", 8080}, {"80a", 8080}, {"70000", 8080},  {"-1", 8080},
                 {"", 0},        {"443", 443},  {"65535", 65535}, {"0", 0}};
    for (const auto& p : ports) {
        Page->ProxyServerPortEd->setText(QString::fromLatin1(p.Text));
        EXPECT_EQ(Settings.ProxyPort, p.Port) << p.Text;
    }
    Page->ProxyServerEd->setText(QString(200, u'p'));
    EXPECT_EQ(Settings.ProxyServer.size(), 128);
    Page->ProxyUserNameEd->setText(QStringLiteral("me"));
    Page->ProxyPasswordEd->setText(QStringLiteral("secret"));
    EXPECT_EQ(Settings.ProxyUserName, "me");
    EXPECT_EQ(Settings.ProxyPassword, "secret");
}

TEST_F(InfoFormSetTest, EachOptionBoxWorksItsSetting) {
    TCalendar* calendar = Clock->Calendar1;
    const struct {
        QCheckBox* Box;
        const char* Text;
        std::function<bool()> Setting;
    } boxes[] = {
        {Page->StartMinimizedBox, "Start Minimized", [] { return Settings.StartMinimized; }},
        {Page->MinToTrayBox, "Minimize To Tray", [] { return Settings.MinimizeToTrayOn; }},
        {Page->SaveSettingsOnExitBox, "Save Settings On Exit", [] { return Settings.SaveOnExit; }},
        {Page->ShowHolidaysBox, "Show Holidays", [calendar] { return calendar->ShowHolidays; }},
        {Page->ShowTinyMoonsBox, "Show Tiny Moons", [calendar] { return calendar->ShowTinyMoons; }},
    };
    for (const auto& b : boxes) {
        EXPECT_EQ(b.Box->text(), b.Text);
        const bool before = b.Setting();
        EXPECT_EQ(b.Box->isChecked(), before) << b.Text;
        b.Box->click();
        EXPECT_EQ(b.Setting(), !before) << b.Text;
        EXPECT_EQ(b.Box->isChecked(), !before) << b.Text;
    }
}

// The help tells how a place is really set: every control it quotes is on the window,
// and it sends nobody to type into the position's read-only degree boxes.
TEST_F(InfoFormSetTest, TheHelpNamesTheControlsThatSetThePlace) {
    const QString help = BuiltInHelpText();
    QStringList captions;
    for (const QAbstractButton* control : Form->findChildren<QAbstractButton*>())
        captions << control->text();
    const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
    for (const QRegularExpressionMatch& m : quoted.globalMatch(help))
        EXPECT_TRUE(captions.contains(m.captured(1))) << m.captured(1).toStdString();
    EXPECT_TRUE(help.contains(u'"' + Form->LocationPage->FindZipBut->text() + u'"'));
    EXPECT_EQ(Form->findChild<QLineEdit*>(QStringLiteral("LatDegreesLabel")), nullptr);
    const QRegularExpression typedPosition(QStringLiteral("type[^.]*(latitude|longitude)"),
                                           QRegularExpression::CaseInsensitiveOption);
    EXPECT_FALSE(typedPosition.match(help).hasMatch());
}

TEST_F(InfoFormSetTest, StartWithTheSessionAndTheTimeTabsButton) {
    QCheckBox* box = Page->RunWhenWindowsStartsBox;
    EXPECT_EQ(box->text(), "Run When The Desktop Session Starts");
    const bool before = Settings.RunWhenWindowsStarts;
    box->click();
    EXPECT_EQ(Settings.RunWhenWindowsStarts, !before);
    EXPECT_EQ(box->isChecked(), !before);
    Form->RunWhenWindowsStartsAction->trigger();
    EXPECT_EQ(box->isChecked(), before);

    QApplication::setActiveWindow(Form.get());
    Form->InfoFormPageControl->setCurrentIndex(TimeTab);
    EXPECT_TRUE(Form->TimeSheet->GetInternetTimeBut->hasFocus());
}

}  // namespace
}  // namespace orbelune
