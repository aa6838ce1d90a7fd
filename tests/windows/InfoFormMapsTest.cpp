// Maps and reference pages through the real windows and a fake default browser: the
// address filter and the windows going back, the three "Get Map" buttons and "Auto
// Open", the map links, the page buttons, the look-ups with their histories, and the
// clock window's "&Google" and "&Help".
#include "AboutSheet.h"
#include "AboutTabTexts.h"
#include "CalendarEvents.h"
#include "ClockForm.h"
#include "FakePlatform.h"
#include "ForecastPanel.h"
#include "InfoForm.h"
#include "InfoLocation.h"
#include "LinkLabel.h"
#include "LocationSheet.h"
#include "LookupGroups.h"
#include "MapsSheet.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "Settings.h"
#include "WaitUntil.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace orbelune {
namespace {

class InfoFormMaps : public ::testing::Test {
protected:
    InfoFormMaps() {
        test::ResetProgramState();
        Settings.UpdateClockPerSchedule = false;
        Settings.UpdateWeatherPerSchedule = false;
        Settings.RunWhenWindowsStarts = false;
        Settings.SaveOnExit = false;
        Settings.ShowInfoFormAtStartup = false;
        clock_ = std::make_unique<TForm1>();
        clock_->FormCreate({QStringLiteral("orbelune"), QStringLiteral("/C")});
        info_ = std::make_unique<TInfoForm>(*clock_->Events);
        clock_->AttachInfoForm(info_.get());
        // Santiago de Chile: south and west.
        InfoLocation.Latitude = -33.5L;
        InfoLocation.Longitude = -70.65L;
    }
    ~InfoFormMaps() override {
        info_.reset();
        clock_.reset();
        test::ResetProgramState();
    }

    QStringList Opened() const {
        QStringList urls;
        for (const QUrl& url : platform_.Urls.Opened) urls << url.toString(QUrl::FullyEncoded);
        return urls;
    }
    QString LastOpened() const { return Opened().value(Opened().size() - 1); }

    test::TFakePlatform platform_;
    std::unique_ptr<TForm1> clock_;
    std::unique_ptr<TInfoForm> info_;
};

TEST_F(InfoFormMaps, OnlyWebAddressesOpenAndTheWindowsGoBack) {
    int sentBack = 0;
    QObject::connect(info_.get(), &TInfoForm::SentToBack, [&] { ++sentBack; });
    info_->show();
    info_->activateWindow();
    ASSERT_TRUE(test::WaitUntil([&] { return info_->isActiveWindow(); }, 5000));
    ASSERT_TRUE(info_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

    info_->GoBrowser(QStringLiteral("https://example.org/a?b=1"));
    EXPECT_EQ(Opened(), QStringList{"https://example.org/a?b=1"});
    EXPECT_EQ(sentBack, 1);
    // The page opened in front: this window stays on top no more for now.
    EXPECT_FALSE(info_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

    for (const char* refused : {"/usr/bin/xterm", "file:///etc/passwd", "javascript:alert(1)"}) {
        info_->GoBrowser(QString::fromLatin1(refused));
        EXPECT_TRUE(info_->StatusPanels[0]->text().contains(QString::fromLatin1(refused)));
    }
    EXPECT_EQ(Opened().size(), 1);
    EXPECT_EQ(sentBack, 1);

    // "Open Browser" hands over the address box's text.
    info_->Forecast->BrowseBox->setEditText(QStringLiteral("http://example.org/forecast"));
    info_->Forecast->GoBrowserBut->click();
    EXPECT_EQ(LastOpened(), "http://example.org/forecast");
}

// A desktop without a browser: a box over the window whose command it was gives the
// address to copy.
TEST_F(InfoFormMaps, WithoutABrowserABoxGivesTheAddress) {
    platform_.Urls.Result = false;
    info_->Forecast->BrowseBox->setEditText(QStringLiteral("http://example.org/forecast"));
    const struct {
        std::function<void()> Command;
        QWidget* Owner;
        const char* Address;
    } cases[] = {
        {[&] { info_->Forecast->GoBrowserBut->click(); }, info_.get(),
         "http://example.org/forecast"},
        {[&] { clock_->GoToGoogle(); }, clock_.get(), "http://www.google.com/"},
    };
    for (const auto& c : cases) {
        platform_.Messages.Shown.clear();
        platform_.Messages.Owners.clear();
        c.Command();
        ASSERT_EQ(platform_.Messages.Shown.size(), 1) << c.Address;
        EXPECT_TRUE(platform_.Messages.Shown[0].startsWith(
            "Orbelune: No web browser could be started to open this address."));
        EXPECT_TRUE(platform_.Messages.Shown[0].endsWith(QLatin1String("\n\n") + c.Address));
        EXPECT_EQ(platform_.Messages.Owners[0], c.Owner);
    }
}

TEST_F(InfoFormMaps, GetMapButtonsMapTheListIndexAndStoreIt) {
    const struct {
        int Index;
        const char* Expected;
    } cases[] = {
        {16, "http://maps.nationalgeographic.com/map-machine#s=r&c=-33.500000,%20-70.650000&z=12"},
        {17, "http://wikimapia.org/#lat=-33.50000&lon=-70.65000&z=13&m=t"},
        {14, "http://www.topozone.com/map.asp?lat=-33.5000&lon=-70.6500&size=large"},
        {-1, "http://www.mapquest.com/?q=-33.5000000,-70.6500000&zoom=12"},
    };
    QPushButton* buttons[] = {info_->MapsPage->GetMapBut1, info_->MoonPage->GetMapBut2,
                              info_->LocationPage->GetMapBut3};
    for (const auto& c : cases) {
        for (QPushButton* button : buttons) {
            info_->MapsPage->SetMapSiteIndex(c.Index);
            info_->MapsPage->AutoOpenMapBox->setChecked(c.Index == 16);
            Settings.MapSiteIndex = 99;
            button->click();
            EXPECT_EQ(LastOpened(), c.Expected) << c.Index;
            EXPECT_EQ(Settings.MapSiteIndex, c.Index);
            EXPECT_EQ(Settings.AutoOpenMap, c.Index == 16);
        }
    }
}

TEST_F(InfoFormMaps, MapLinksLeaveTheSettingsAlone) {
    Settings.MapSiteIndex = 7;
    Settings.AutoOpenMap = true;
    emit info_->MoonPage->Image8->clicked();
    EXPECT_EQ(LastOpened(), "http://www.mapquest.com/?q=-33.5000000,-70.6500000&zoom=12");
    emit info_->MoonPage->Image12->clicked();
    EXPECT_EQ(LastOpened(), "http://www.topozone.com/map.asp?lat=-33.5000&lon=-70.6500&size=large");
    EXPECT_EQ(Settings.MapSiteIndex, 7);
    EXPECT_TRUE(Settings.AutoOpenMap);
    // Choosing a site stores it and opens nothing.
    info_->MapsPage->MapSiteButtons->button(3)->click();
    EXPECT_EQ(Settings.MapSiteIndex, 3);
    EXPECT_EQ(Opened().size(), 2);
}

TEST_F(InfoFormMaps, GoToMapsOpensTheSiteOnlyWithAutoOpen) {
    for (QPushButton* goToMaps :
         {info_->MoonPage->GoToMapPageBut1, info_->LocationPage->GoToMapPageBut2}) {
        info_->close();
        info_->MapsPage->AutoOpenMapBox->setChecked(false);
        goToMaps->click();
        EXPECT_TRUE(info_->isVisible());
        EXPECT_EQ(info_->InfoFormPageControl->currentIndex(), MapsTab);
        EXPECT_TRUE(Opened().isEmpty());
    }
    info_->close();
    info_->MapsPage->SetMapSiteIndex(1);
    info_->MapsPage->AutoOpenMapBox->setChecked(true);
    clock_->ShowMapSheetAction1->trigger();
    EXPECT_EQ(Opened(), QStringList{"http://www.google.com/maps?ll=-33.500000,-70.650000"
                                    "&spn=0.060,0.060"});
}

TEST_F(InfoFormMaps, PageButtonsOfTheTabs) {
    Settings.ZipCode = QStringLiteral("02134");
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { info_->MoonPage->ViewMoonBut1->click(); },
         "http://aa.usno.navy.mil/idltemp/current_moon.php"},
        {[&] { info_->MoonPage->ViewMoonBut2->click(); }, "http://www.timeanddate.com/moon"},
        {[&] { info_->MoonPage->UsnoBut->click(); },
         "http://www.usno.navy.mil/USNO/astronomical-applications/data-services"},
        {[&] { emit info_->PlanetPage->USNOLab->clicked(); },
         "http://www.usno.navy.mil/USNO/astronomical-applications/data-services"},
        {[&] { emit info_->PlanetPage->SkyMapLab->clicked(); },
         "http://www.skymaps.com/downloads.html"},
        {[&] { info_->PlanetPage->ViewSkyBut->click(); },
         "http://weather.com/sky/SkyRedirect.asp?&zipcode=02134"},
        {[&] { info_->TimeSheet->WorldClockBut->click(); },
         "http://www.timeanddate.com/worldclock/"},
        {[&] { info_->GoToHomePage1->trigger(); }, "https://orbelune.example.org/"},
        {[&] { info_->AboutPage->HomePageBut->click(); }, "https://orbelune.example.org/"},
        {[&] { emit info_->AboutPage->HomePageLab->clicked(); }, "https://orbelune.example.org/"},
        {[&] { clock_->GoToGoogle1->trigger(); }, "http://www.google.com/"},
    };
    for (const auto& [press, expected] : cases) {
        press();
        EXPECT_EQ(LastOpened(), expected);
    }
    EXPECT_EQ(Opened().size(), static_cast<int>(std::size(cases)));
}

// The About tab names the program with its version and mails the report to the address
// its link shows.
TEST_F(InfoFormMaps, TheAboutTabNamesTheProgramAndMailsTheReportToItsAddress) {
    EXPECT_EQ(AboutTexts("1.2.3").ProgramLine, "Orbelune v1.2.3");
    EXPECT_EQ(AboutTexts("").ProgramLine, "Orbelune v2.0");
    TAboutSheet* about = info_->AboutPage;
    EXPECT_FALSE(about->AboutTextLab->text().isEmpty());
    about->EmailBut->click();
    emit about->EmailLab->clicked();
    ASSERT_EQ(platform_.Mail.Sent.size(), 2);
    for (const TMailMessage& message : platform_.Mail.Sent)
        EXPECT_EQ(message.RecipientAddress, about->EmailLab->text());
}

TEST_F(InfoFormMaps, LookUpsKeepOneHistoryEntryPerWordInAnyCase) {
    TLookupGroups* tools = info_->LookupPage;
    QComboBox* words = tools->DictionaryComboBox;
    words->setEditText(QStringLiteral("Moon"));
    tools->DictionaryBut->click();
    EXPECT_EQ(LastOpened(), "http://www.merriam-webster.com/cgi-bin/dictionary?Moon");
    words->setEditText(QStringLiteral("MOON"));
    tools->ThesaurusBut->click();
    EXPECT_EQ(LastOpened(),
              "http://www.merriam-webster.com/cgi-bin/thesaurus?book=Thesaurus&va=MOON");
    words->setEditText(QStringLiteral("tide"));
    emit tools->MerriamWebsterImage->clicked();
    ASSERT_EQ(words->count(), 2);
    EXPECT_EQ(words->itemText(0), "tide");
    EXPECT_EQ(words->itemText(1), "Moon");

    tools->GoogleComboBox->setEditText(QStringLiteral("R&D #1"));
    tools->GoogleLuckyBut->click();
    EXPECT_EQ(LastOpened(),
              "http://www.google.com/search?&q=R%26D%20%231&btnI=I%27m%20Feeling%20Lucky");
    tools->WikiComboBox->setEditText(QStringLiteral("Halley's Comet"));
    tools->WikiBut->click();
    EXPECT_EQ(LastOpened(), "http://en.wikipedia.org/wiki/Halley%27s%20Comet");

    // An empty box: no entry, no page.
    const int opened = Opened().size();
    tools->WikiComboBox->setEditText(QString());
    tools->WikiBut->click();
    EXPECT_EQ(Opened().size(), opened);
    EXPECT_EQ(tools->WikiComboBox->count(), 1);
}

TEST_F(InfoFormMaps, HelpOpensTheHelpFileWhenThereIsOne) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    QFile help(QStringLiteral("orbelune.chm"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    clock_->ShowHelp1->trigger();
    QDir::setCurrent(previous);
    ASSERT_EQ(platform_.Urls.Opened.size(), 1);
    EXPECT_EQ(platform_.Urls.Opened.front(),
              QUrl::fromLocalFile(QFileInfo(folder.filePath("orbelune.chm")).canonicalFilePath()));
}

}  // namespace
}  // namespace orbelune
