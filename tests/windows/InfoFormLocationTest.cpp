// The Set tab's location page with the committed place list: choosing a place and
// saving it, through to a restarted clock window; the first-start guess; the zip search;
// a missing list; a choice left unsaved; the list loading while the window shows.
// Sunrise references come from python3-ephem (tests/data/sunrise_ephem.csv).
#include "CalendarEvents.h"
#include "ClockForm.h"
#include "ClockState.h"
#include "CsvReader.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "ForecastCityBoxes.h"
#include "ForecastPanel.h"
#include "InfoForm.h"
#include "LocationSheet.h"
#include "PlaceListLoader.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "ReportSamples.h"
#include "ReportText.h"
#include "ScopedZone.h"
#include "Settings.h"
#include "SettingsIo.h"
#include "SettingsStore.h"
#include "WaitUntil.h"
#include "WeatherService.h"
#include "WeatherState.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace orbelune {
namespace {

const QString ListFolder = QStringLiteral(ORBELUNE_SOURCE_DIR "/resources");

// python3-ephem's sunrise in New York on 15 January 2024, in UT hours.
double NewYorkSunriseUt() {
    for (const auto& row : test::CsvRows("sunrise_ephem.csv"))
        if (row[0] == "New York" && row[4] == "2024" && row[5] == "1" && row[6] == "15" &&
            row[7] == "1")
            return std::stod(row[8]);
    ADD_FAILURE() << "no New York sunrise on 2024-01-15";
    return 0;
}

// Minutes past local midnight of a "Sunrise 7:18 AM" label; -1 when it is not one.
int LabelMinutes(const QString& Label) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^Sunrise (\\d{1,2}):(\\d\\d) AM$")).match(Label);
    return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1;
}

void Choose(QComboBox* Box, const QString& Text) {
    const int index = Box->findText(Text);
    ASSERT_GE(index, 0) << Text.toStdString();
    Box->setCurrentIndex(index);
    emit Box->activated(index);
}

void ChoosePlace(TLocationSheet* Page, const QString& Name) {
    const QList<QListWidgetItem*> found =
        Page->PlaceListBox->findItems(Name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    ASSERT_FALSE(found.isEmpty()) << Name.toStdString();
    Page->PlaceListBox->setCurrentItem(found.first());
}

class InfoFormLocation : public ::testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        Settings.RunWhenWindowsStarts = false;
        Settings.UpdateClockPerSchedule = false;
        Settings.UpdateWeatherPerSchedule = false;
        Fakes.Clock.Value = EncodeDate(2024, 1, 15) + EncodeTime(10, 0, 0, 0);
    }
    void TearDown() override {
        WeatherService().StopRequests(5000);
        Info.reset();
        Clock.reset();
        QFile::remove(TSettingsStore::DefaultFilePath());
        test::ResetProgramState();
    }
    // Denver, stored as the settings file holds it.
    static void StoreDenver() {
        Settings.PlaceName = QStringLiteral("Denver CO");
        Settings.CityName = QStringLiteral("Denver");
        Settings.StateName = QStringLiteral("CO");
        Settings.CountryName = QStringLiteral("United States");
        Settings.Latitude = 39.7392L;
        Settings.Longitude = -104.9847L;
        Settings.Altitude = 5335;
        Settings.WeatherStationCode = QStringLiteral("KDNR");
        Settings.WeatherStationName = QStringLiteral("CO Denver");
        Settings.StateBoxItemIndex = 5;  // Colorado
        ASSERT_TRUE(SaveIniFile(Settings));
    }
    // The clock window from the settings file, with its first display as the program
    // shows it.
    TForm1& StartClock() {
        Clock = std::make_unique<TForm1>();
        Clock->FormCreate({QStringLiteral("orbelune")});
        Clock->UpdateDisplays();
        return *Clock;
    }
    // The information window, shown with the place list of Folder loaded (or not found).
    TInfoForm& ShowInfo(const QString& Folder = ListFolder) {
        Info = std::make_unique<TInfoForm>(Clock ? *Clock->Events : Events);
        if (Clock) Clock->AttachInfoForm(Info.get());
        Info->PlaceListLoader->Folders = {Folder};
        Info->InfoFormPageControl->setCurrentIndex(SetTab);
        Info->show();
        Info->PlaceListLoader->Finish();
        return *Info;
    }

    test::TFakePlatform Fakes;
    test::TScopedZone Zone{"America/New_York"};
    TCalendarEvents Events;
    std::unique_ptr<TForm1> Clock;
    std::unique_ptr<TInfoForm> Info;
};

TEST_F(InfoFormLocation, NewYorkChosenOnTheSetTabIsWhatTheRestartedClockShows) {
    test::THttpFixture server(
        {{ReportPath(QStringLiteral("KNYC")),
          test::THttpFixture::TRoute{
              200, test::NewYorkReport, {}, test::THttpFixture::TMode::Normal}}});
    Settings.WeatherServer = server.HostAndPort();
    Settings.SaveOnExit = false;
    StoreDenver();
    StartClock();
    TLocationSheet* page = ShowInfo().LocationPage;

    Choose(page->CountryBox, QStringLiteral("United States"));
    // A place takes its station's elevation: Boulder's is the Jeffco airport's,
    // published as 5,673 feet.
    Choose(page->StateBox1, QStringLiteral("Colorado"));
    ChoosePlace(page, QStringLiteral("Boulder"));
    EXPECT_EQ(page->AltitudeEd->text(), "5673");
    // New York's station (Central Park) has none in the list: the altitude stays.
    Choose(page->StateBox1, QStringLiteral("New York"));
    ChoosePlace(page, QStringLiteral("New York"));
    EXPECT_EQ(page->StationCodeEd->text(), "KNYC");
    EXPECT_EQ(page->PlaceNameEd->text(), "New York");
    EXPECT_EQ(page->AltitudeEd->text(), "5673");
    page->AltitudeEd->setText(QStringLiteral("33"));
    // Denver to New York is about 1,630 miles by the great circle.
    const QRegularExpressionMatch distance =
        QRegularExpression(QStringLiteral("^(\\d+) Miles \\((\\d+) Kilometers\\) from "
                                          "\\[Denver CO\\] to \\[New York\\]$"))
            .match(page->DistanceLab1->text());
    ASSERT_TRUE(distance.hasMatch()) << page->DistanceLab1->text().toStdString();
    EXPECT_NEAR(distance.captured(1).toInt(), 1630, 15);
    EXPECT_NEAR(distance.captured(2).toInt(), 2623, 25);
    page->SaveAllBut->click();
    EXPECT_EQ(page->PlaceNamePanel2->text(), "New York");
    // The forecast asks for the saved place from now on.
    EXPECT_EQ(Info->Forecast->CityStateZipEd->text(), "New York");

    // The program starts again from what was saved.
    Info.reset();
    Clock.reset();
    Settings = TSettings{};
    WeatherState.CurrentStationCode.clear();
    TForm1& clock = StartClock();
    EXPECT_EQ(Settings.PlaceName, "New York");
    EXPECT_EQ(Settings.StateName, "NY");
    EXPECT_EQ(Settings.Altitude, 33);
    EXPECT_FALSE(Settings.SaveOnExit);
    const int expected = static_cast<int>(std::lround(NewYorkSunriseUt() * 60)) - 5 * 60;  // EST
    EXPECT_NEAR(LabelMinutes(clock.SunriseLabel->text()), expected, 2)
        << clock.SunriseLabel->text().toStdString();
    EXPECT_EQ(Settings.WeatherStationCode, "KNYC");
    ShowInfo();
    clock.Timer1Timer();  // the first tick fetches the saved station's weather
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    EXPECT_EQ(server.RequestedPaths(), QStringList{ReportPath(QStringLiteral("KNYC"))});
    EXPECT_TRUE(clock.windowTitle().startsWith(QString::fromUtf8("38°")))
        << clock.windowTitle().toStdString();
    EXPECT_EQ(Info->WeatherPage->WeatherStationCodeEd2->text(), "KNYC");
}

TEST_F(InfoFormLocation, AFreshStartGuessesTheCityOfTheZone) {
    const struct {
        const char* Zone;
        const char* Place;
        const char* Station;
        const char* Country;
        bool Southern;
    } cases[] = {
        {"America/New_York", "New York NY", "KNYC", "United States", false},
        {"Europe/London", "London UK", "EGLL", "UK", false},
        {"Australia/Sydney", "Brisbane Australia", "YBBN", "Australia", true},
    };
    for (const auto& c : cases) {
        test::TScopedZone zone(c.Zone);
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        StartClock();  // no settings file: nothing is stored
        EXPECT_EQ(Settings.PlaceName, c.Place);
        EXPECT_EQ(SettingsCopies.PlaceName, c.Place);
        EXPECT_EQ(Settings.WeatherStationCode, c.Station);
        EXPECT_EQ(WeatherState.CurrentStationCode, c.Station);
        EXPECT_EQ(Settings.WeatherStationName, c.Place);
        EXPECT_EQ(Settings.SouthernHemisphere, c.Southern) << c.Zone;
        if (std::string(c.Zone) == "America/New_York") {
            EXPECT_NEAR(static_cast<double>(Settings.Latitude), 40.75, 0.01);
            EXPECT_NEAR(static_cast<double>(Settings.Longitude), -73.99, 0.01);
            const int expected = static_cast<int>(std::lround(NewYorkSunriseUt() * 60)) - 5 * 60;
            EXPECT_NEAR(LabelMinutes(Clock->SunriseLabel->text()), expected, 2);
        }
        // Opening the Set tab, which shows the United States, keeps the guessed country.
        ShowInfo();
        EXPECT_EQ(Settings.CountryName, c.Country);
        Info.reset();
        Clock.reset();
    }
}

TEST_F(InfoFormLocation, FindCityShowsThePlaceOfTheZipAsTyped) {
    StoreDenver();
    TLocationSheet* page = ShowInfo().LocationPage;
    const auto find = [page](const char* Zip) {
        page->ZipEd->setText(QString::fromLatin1(Zip));
        page->FindZipBut->click();
    };
    find(" 10001 ");
    EXPECT_EQ(page->StateBox1->currentText(), "New York");
    ASSERT_NE(page->PlaceListBox->currentItem(), nullptr);
    EXPECT_EQ(page->PlaceListBox->currentItem()->text(), "New York");
    EXPECT_EQ(page->ZipEd->text(), "10001");
    EXPECT_EQ(page->LatDegreesLabel->text(), "40");
    EXPECT_FALSE(page->ZipNoteLab->isVisibleTo(page));

    find("02134");  // a leading zero, as typed
    EXPECT_EQ(page->StateBox1->currentText(), "Massachusetts");
    EXPECT_EQ(page->ZipEd->text(), "02134");
    const QString shown = page->PlaceNameEd->text();
    find("2134");  // the same zip without its zero is no zip
    EXPECT_EQ(page->PlaceNameEd->text(), shown);
    EXPECT_EQ(page->ZipNoteLab->text(), "No place has the zip code 2134.");
    EXPECT_TRUE(page->ZipNoteLab->isVisibleTo(page));
    find("Boston");
    EXPECT_EQ(page->PlaceNameEd->text(), shown);
    EXPECT_TRUE(Fakes.Messages.Shown.isEmpty());
    // Nothing of it was stored.
    EXPECT_EQ(Settings.PlaceName, "Denver CO");
}

TEST_F(InfoFormLocation, AMissingListSaysWhereItWasLookedFor) {
    QTemporaryDir empty;
    TLocationSheet* page = ShowInfo(empty.path()).LocationPage;
    EXPECT_FALSE(page->PlaceListBox->isEnabled());
    EXPECT_TRUE(page->PlaceListBox->toolTip().contains(empty.path()));
    EXPECT_TRUE(page->PlaceListProblemLab->isVisibleTo(Info.get()));
    EXPECT_TRUE(page->PlaceListProblemLab->text().contains(empty.path()));
    Choose(page->StateBox1, QStringLiteral("Texas"));
    EXPECT_EQ(page->PlaceListBox->count(), 0);
    page->ZipEd->setText(QStringLiteral("10001"));
    page->FindZipBut->click();
    ASSERT_EQ(Fakes.Messages.Shown.size(), 1);
    EXPECT_TRUE(Fakes.Messages.Shown[0].startsWith("Orbelune: "));
    EXPECT_TRUE(Fakes.Messages.Shown[0].contains(empty.path()));
    EXPECT_EQ(Fakes.Messages.Owners[0], Info.get());
    EXPECT_EQ(Info->ForecastCities->CityBox->currentText(), "New York (Manhattan)");
}

TEST_F(InfoFormLocation, AListGoneSinceItWasReadIsToldAtTheNextLookup) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sitename.dat"));
    const auto placeFile = [&file] {
        return QFile::copy(ListFolder + QStringLiteral("/sitename.dat"), file);
    };
    ASSERT_TRUE(placeFile());
    TLocationSheet* page = ShowInfo(folder.path()).LocationPage;
    const auto letGoAndRemove = [&] {
        Info->PlaceList.Release();
        return QFile::remove(file);
    };
    ASSERT_TRUE(letGoAndRemove());
    page->ZipEd->setText(QStringLiteral("10001"));
    page->FindZipBut->click();
    EXPECT_FALSE(page->ZipNoteLab->isVisibleTo(page));  // not "No place has the zip code"
    ASSERT_EQ(Fakes.Messages.Shown.size(), 1);
    EXPECT_TRUE(Fakes.Messages.Shown[0].contains(file));
    EXPECT_TRUE(page->PlaceListProblemLab->isVisibleTo(Info.get()));

    // Back again, it is read at the next search; a place chosen once it is gone again.
    ASSERT_TRUE(placeFile());
    page->FindZipBut->click();
    ASSERT_FALSE(page->PlaceListProblemLab->isVisibleTo(Info.get()));
    ASSERT_TRUE(letGoAndRemove());
    page->PlaceListBox->setCurrentRow(1);
    EXPECT_TRUE(page->PlaceListProblemLab->text().contains(file));
    EXPECT_TRUE(page->PlaceListProblemLab->isVisibleTo(Info.get()));
    EXPECT_FALSE(page->PlaceListBox->isEnabled());
}

TEST_F(InfoFormLocation, AChoiceLeftUnsavedChangesNoSetting) {
    StoreDenver();
    const TSettings before = Settings;
    TInfoForm& info = ShowInfo();
    TLocationSheet* page = info.LocationPage;
    Choose(page->CountryBox, QStringLiteral("Germany"));
    EXPECT_FALSE(page->StateBox1->isVisibleTo(page));
    ChoosePlace(page, QStringLiteral("Berlin"));
    EXPECT_EQ(page->ZipEd->text(), "");
    EXPECT_EQ(page->NorthSouthComboBox->currentText(), "North");
    EXPECT_EQ(page->EastWestComboBox->currentText(), "East");
    EXPECT_TRUE(page->StationCodeEd->text().startsWith(QLatin1Char('E')));  // a German station

    page->CloseBut->click();
    EXPECT_FALSE(info.isVisible());
    EXPECT_EQ(Settings.PlaceName, before.PlaceName);
    EXPECT_EQ(Settings.CountryName, before.CountryName);
    EXPECT_EQ(Settings.Altitude, before.Altitude);
    EXPECT_EQ(Settings.Latitude, before.Latitude);
    EXPECT_EQ(Settings.WeatherStationCode, before.WeatherStationCode);

    info.show();
    ChoosePlace(page, QStringLiteral("Denver"));
    page->ResetBut->click();
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(page->PlaceNameEd->text(), "Denver CO");
    EXPECT_EQ(page->StationCodeEd->text(), "KDNR");
    EXPECT_EQ(page->StateBox1->currentText(), "Colorado");
    EXPECT_EQ(page->DistanceLab1->text(), "");
}

TEST_F(InfoFormLocation, TheListArrivesAfterTheWindowShows) {
    Settings.StateBoxItemIndex = 45;  // Texas
    Settings.CityBoxItemIndex = 2;
    Info = std::make_unique<TInfoForm>(Events);
    Info->PlaceListLoader->Folders = {ListFolder};
    Info->PlaceListLoader->ReleaseDelayMs = 20;
    Info->show();
    // Shown at once, the window waits for nothing: the list comes later.
    TLocationSheet* page = Info->LocationPage;
    EXPECT_FALSE(Info->PlaceList.Loaded());
    EXPECT_FALSE(page->PlaceListBox->isEnabled());
    EXPECT_EQ(page->PlaceListBox->count(), 0);
    QElapsedTimer waited;
    waited.start();
    while (!Info->PlaceList.Loaded() && waited.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(Info->PlaceList.Loaded());
    EXPECT_TRUE(page->PlaceListBox->isEnabled());
    EXPECT_GT(page->PlaceListBox->count(), 500);  // the towns of Texas
    EXPECT_EQ(page->PlaceRecordList.size(), page->PlaceListBox->count());
    TForecastCityBoxes* cities = Info->ForecastCities;
    EXPECT_EQ(cities->StateBox2->currentText(), "Texas");
    EXPECT_EQ(cities->CityBox->currentIndex(), 2);
    EXPECT_TRUE(cities->ChosenRecord().contains(QStringLiteral(";TX;")));
    EXPECT_FALSE(page->PlaceListProblemLab->isVisibleTo(Info.get()));

    // Left alone, the window lets the list go; the next choice reads it again.
    ASSERT_TRUE(test::WaitUntil([&] { return !Info->PlaceList.Held(); }, 5000));
    Choose(page->StateBox1, QStringLiteral("Vermont"));
    EXPECT_GT(page->PlaceListBox->count(), 100);
    EXPECT_TRUE(page->PlaceRecordList.first().contains(QStringLiteral(";VT;")));
}

TEST_F(InfoFormLocation, SavingWritesEverySettingAndSaysWhenItCannot) {
    Settings.SaveOnExit = false;
    Settings.DisplayLevel = 2;
    StoreDenver();
    Settings.DisplayLevel = 3;  // changed since, not yet saved
    TForm1& clock = StartClock();
    TLocationSheet* page = ShowInfo().LocationPage;
    // Enter in the zip edit finds the zip's place.
    QApplication::setActiveWindow(Info.get());
    page->ZipEd->setFocus();
    page->ZipEd->setText(QStringLiteral("10001"));
    ASSERT_TRUE(page->ZipEd->hasFocus());
    EXPECT_TRUE(clock.ApplicationEvents1ShortCut(Qt::Key_Return));
    EXPECT_EQ(page->StationCodeEd->text(), "KNYC");
    Settings.DisplayLevel = 3;
    page->SaveWeatherStationOnlyBut->click();

    TSettings stored;
    TSettingsCopies copies;
    ReadIniFile(stored, copies);
    EXPECT_EQ(stored.WeatherStationCode, "KNYC");
    EXPECT_EQ(stored.StateBoxItemIndex, 33);   // New York
    EXPECT_EQ(stored.DisplayLevel, 3);         // every setting was written
    EXPECT_FALSE(stored.SaveOnExit);           // as the user has it
    EXPECT_EQ(stored.PlaceName, "Denver CO");  // the location has a Save of its own
    EXPECT_TRUE(Fakes.Messages.Shown.isEmpty());

    // A folder where the file should be: it cannot be written, and the user hears so.
    QFile::remove(TSettingsStore::DefaultFilePath());
    ASSERT_TRUE(QDir().mkpath(TSettingsStore::DefaultFilePath()));
    page->SaveLocationOnlyBut->click();
    ASSERT_EQ(Fakes.Messages.Shown.size(), 1);
    EXPECT_TRUE(Fakes.Messages.Shown[0].contains(QStringLiteral("could not be saved")));
    EXPECT_EQ(Settings.PlaceName, "New York");
    QDir().rmdir(TSettingsStore::DefaultFilePath());
}

}  // namespace
}  // namespace orbelune
