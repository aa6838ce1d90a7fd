// The Weather tab's forecast page in the real embedded browser, against pages of a
// fixture server on 127.0.0.1: the address box, GO, Back, Fwd, Refresh, the history,
// "Get Weather", "Save Address" and the start tasks' first page.
#include "CalendarEvents.h"
#include "ClockForm.h"
#include "EmbeddedBrowser.h"
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "ForecastCityBoxes.h"
#include "ForecastPanel.h"
#include "InfoForm.h"
#include "LoopbackOnlyWeb.h"
#include "PdfPages.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "Settings.h"
#include "SettingsIo.h"
#include "WaitUntil.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>

namespace orbelune {
namespace {

using test::THttpFixture;
using test::WaitUntil;

constexpr int PageTimeoutMs = 30000;

TEST(BrowserRefusal, OnlyTheSuperuserWithTheSandboxOnIsRefused) {
    EXPECT_TRUE(BrowserRefusal(false, false).isEmpty());
    EXPECT_TRUE(BrowserRefusal(false, true).isEmpty());
    EXPECT_TRUE(BrowserRefusal(true, true).isEmpty());
    EXPECT_TRUE(BrowserRefusal(true, false).contains("superuser"));
}

THttpFixture::TRoute Page(const char* Text) {
    return THttpFixture::TRoute{200, Text, {}, THttpFixture::TMode::Normal};
}

class ForecastBrowser : public ::testing::Test {
protected:
    ForecastBrowser()
        : server_({{"/one", Page("page one")},
                   {"/two", Page("page two")},
                   {"/e500", THttpFixture::TRoute{500, "", {}, {}}},
                   {"/slow", THttpFixture::TRoute{200, "", {}, THttpFixture::TMode::Stall}}}) {
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        Settings.CityStateZipEdText = QStringLiteral("Boston, ma");
        form_ = std::make_unique<TInfoForm>(events_);
        forecast_ = form_->Forecast;
    }
    ~ForecastBrowser() override {
        web_.reset();
        form_.reset();
        test::ResetProgramState();
    }

    QString Address(const char* Path) const {
        return QStringLiteral("http://") + server_.HostAndPort() + QLatin1String(Path);
    }
    QString BoxText() const { return forecast_->BrowseBox->currentText(); }
    QStringList History() const {
        QStringList items;
        for (int i = 0; i < forecast_->BrowseBox->count(); ++i)
            items << forecast_->BrowseBox->itemText(i);
        return items;
    }
    // Makes the browser, keeps it on this machine and counts its finished loads.
    void Browse() {
        ASSERT_NE(form_->WebBrowser(), nullptr);
        auto* view = qobject_cast<QWebEngineView*>(forecast_->WebBrowser1);
        ASSERT_NE(view, nullptr);
        web_ = std::make_unique<test::TLoopbackOnlyWeb>(view->page()->profile());
        QObject::connect(view, &QWebEngineView::loadFinished, form_.get(), [this] { ++loads_; });
    }
    QUrl Shown() const { return forecast_->Browser->LocationURL(); }
    // The line over the page; empty when it is hidden.
    QString Status() const {
        return forecast_->PageStatusLab->isHidden() ? QString() : forecast_->PageStatusLab->text();
    }
    // Runs Action and waits for the page it opens; true when Path is then shown.
    bool Load(const std::function<void()>& Action, const char* Path) {
        const int before = loads_;
        Action();
        return WaitUntil([&] { return loads_ > before; }, PageTimeoutMs) &&
               Shown() == QUrl(Address(Path));
    }
    bool Go(const char* Path) {
        return Load(
            [&] {
                forecast_->BrowseBox->setEditText(Address(Path));
                forecast_->BrowserGoBut->click();
            },
            Path);
    }
    int Requests(const QString& Path) const { return server_.RequestedPaths().count(Path); }

    test::TFakePlatform platform_;
    THttpFixture server_;
    std::unique_ptr<test::TLoopbackOnlyWeb> web_;
    TCalendarEvents events_;
    std::unique_ptr<TInfoForm> form_;
    TForecastPanel* forecast_ = nullptr;
    int loads_ = 0;
};

TEST_F(ForecastBrowser, NoBrowserUntilTheTabShowsAndChoosingASourceOpensNothing) {
    form_->DoStartTasks();  // the Set tab
    EXPECT_EQ(forecast_->Browser, nullptr);
    form_->InfoFormPageControl->setCurrentIndex(WeatherTab);
    form_->show();
    ASSERT_NE(forecast_->Browser, nullptr);
    Browse();
    EXPECT_EQ(BoxText(), "http://forecast.weather.gov/MapClick.php?CityName=Boston&state=MA");
    EXPECT_TRUE(forecast_->CityStateZipEd->isVisible());
    // The page's room says what "Get Weather" opens, until a page does.
    EXPECT_EQ(Status(), "\"Get Weather\" opens " + BoxText());
    EXPECT_FALSE(forecast_->WebBrowser1->isVisible());

    forecast_->WeatherSourceBox->setCurrentIndex(3);
    form_->WeatherSourceBoxSelect();
    EXPECT_EQ(Settings.WeatherSourceBoxItemIndex, 3);
    EXPECT_EQ(BoxText(), "http://tgftp.nws.noaa.gov/weather/current/KNYC.html");
    EXPECT_EQ(Status(), "\"Get Weather\" opens " + BoxText());
    EXPECT_FALSE(forecast_->CityStateZipEd->isVisible());
    EXPECT_FALSE(forecast_->ForecastCities->isVisible());
    EXPECT_TRUE(History().isEmpty());
    EXPECT_EQ(Shown(), QUrl());
}

TEST_F(ForecastBrowser, GoBackAndForwardWithTheHistoryHeadedByTheLoadedPage) {
    Browse();
    ASSERT_TRUE(Go("/one"));
    EXPECT_EQ(BoxText(), Address("/one"));
    EXPECT_EQ(History(), QStringList{Address("/one")});
    // GO asks the server, not the cache.
    const QList<test::TRequestHead> heads = server_.RequestedHeads();
    ASSERT_FALSE(heads.isEmpty());
    EXPECT_EQ(heads.front().Headers.value("cache-control"), "no-cache");

    ASSERT_TRUE(Go("/two"));
    EXPECT_EQ(History(), QStringList({Address("/two"), Address("/one")}));
    ASSERT_TRUE(Load([&] { forecast_->BackBut->click(); }, "/one"));
    EXPECT_EQ(BoxText(), Address("/one"));
    ASSERT_TRUE(Load([&] { forecast_->ForwardBut->click(); }, "/two"));
    EXPECT_EQ(BoxText(), Address("/two"));
    EXPECT_EQ(History().size(), 2);
    // Nothing further forward: the button does nothing.
    forecast_->ForwardBut->click();
    EXPECT_EQ(Shown(), QUrl(Address("/two")));

    // Enter in the address box opens the address typed, an entry of the list included,
    // with the clock window's key handling in place.
    TForm1 clock;
    clock.FormCreate({QStringLiteral("orbelune"), QStringLiteral("/C")});
    clock.AttachInfoForm(form_.get());
    ASSERT_TRUE(Load(
        [&] {
            forecast_->BrowseBox->setEditText(Address("/one"));
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(forecast_->BrowseBox->lineEdit(), &enter);
        },
        "/one"));
    EXPECT_EQ(BoxText(), Address("/one"));
    EXPECT_TRUE(web_->Blocked.isEmpty());  // nothing else was asked for
}

// GO says it is loading, then whether the page came or why not; the tab is usable at
// once, a stalled page included.
TEST_F(ForecastBrowser, EveryPageSaysHowItsLoadingEnded) {
    Browse();
    const QString closed = QStringLiteral("http://127.0.0.1:%1/x").arg(test::ClosedPort());
    const struct {
        QString Address;
        const char* Problem;  // null: the page came
    } cases[] = {
        {Address("/one"), nullptr},
        {Address("/missing"), "the server answered HTTP 404"},
        {Address("/e500"), "the server answered HTTP 500"},
        {closed, "the connection was refused or blocked"},
    };
    for (const auto& c : cases) {
        const int before = loads_;
        forecast_->BrowseBox->setEditText(c.Address);
        forecast_->BrowserGoBut->click();
        EXPECT_EQ(Status(), "Loading " + c.Address + " ...");
        EXPECT_TRUE(form_->Sheets[WeatherTab]->isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return loads_ > before; }, PageTimeoutMs))
            << c.Address.toStdString();
        EXPECT_EQ(Status(), c.Problem ? QStringLiteral("The page could not be loaded (%1): %2")
                                            .arg(QLatin1String(c.Problem), c.Address)
                                      : QString());
    }
    forecast_->BrowseBox->setEditText(Address("/slow"));
    forecast_->BrowserGoBut->click();
    EXPECT_FALSE(WaitUntil([&] { return !Status().startsWith("Loading"); }, 1000));
    EXPECT_TRUE(form_->Sheets[WeatherTab]->isEnabled());
}

TEST_F(ForecastBrowser, AHiddenPageIsLetGoAndComesBackWithItsHistory) {
    form_->InfoFormPageControl->setCurrentIndex(WeatherTab);
    form_->show();
    Browse();
    ASSERT_TRUE(Go("/one"));
    ASSERT_TRUE(Go("/two"));
    auto* page = qobject_cast<QWebEngineView*>(forecast_->WebBrowser1)->page();
    forecast_->Browser->SetHiddenRelease(50);
    form_->InfoFormPageControl->setCurrentIndex(RadarTab);
    EXPECT_TRUE(WaitUntil(
        [&] { return page->lifecycleState() == QWebEnginePage::LifecycleState::Discarded; },
        PageTimeoutMs));
    // Shown again, it loads the page it showed, and Back still knows the one before.
    ASSERT_TRUE(Load([&] { form_->InfoFormPageControl->setCurrentIndex(WeatherTab); }, "/two"));
    EXPECT_EQ(page->lifecycleState(), QWebEnginePage::LifecycleState::Active);
    ASSERT_TRUE(Load([&] { forecast_->BackBut->click(); }, "/one"));
}

TEST_F(ForecastBrowser, AnAddressHeldInAnotherCaseIsNotAddedAgain) {
    Browse();
    const QString shouted = Address("/one").toUpper();
    forecast_->BrowseBox->addItem(shouted);
    ASSERT_TRUE(Go("/one"));
    EXPECT_EQ(History(), QStringList{shouted});
    EXPECT_EQ(BoxText(), Address("/one"));
}

TEST_F(ForecastBrowser, TheTabIsDisabledWhileANavigationStarts) {
    struct TEnabledLog : QObject {
        QList<bool> States;
        bool eventFilter(QObject* Watched, QEvent* Event) override {
            if (Event->type() == QEvent::EnabledChange)
                States << static_cast<QWidget*>(Watched)->isEnabled();
            return false;
        }
    } log;
    QWidget* tab = form_->Sheets[WeatherTab];
    tab->installEventFilter(&log);

    // An empty box: GO does nothing at all.
    forecast_->BrowseBox->setEditText(QString());
    forecast_->BrowserGoBut->click();
    EXPECT_TRUE(log.States.isEmpty());
    EXPECT_EQ(forecast_->Browser, nullptr);

    Browse();
    ASSERT_TRUE(Go("/one"));
    EXPECT_EQ(log.States, QList<bool>({false, true}));
    EXPECT_TRUE(tab->isEnabled());
}

TEST_F(ForecastBrowser, GetWeatherRebuildsTheAddressAndOpensIt) {
    Browse();
    ASSERT_TRUE(Go("/one"));
    forecast_->CityStateZipEd->setText(QStringLiteral("Winston-Salem & More, nc"));
    forecast_->GetWeatherBut->click();
    ASSERT_TRUE(WaitUntil([&] { return !web_->Blocked.isEmpty(); }, PageTimeoutMs));
    const QUrl wanted(
        "http://forecast.weather.gov/MapClick.php?CityName=Winston-Salem%20%26%20More&state=NC");
    EXPECT_EQ(web_->Blocked.front(), wanted);
    EXPECT_EQ(Settings.CityStateZipEdText, "Winston-Salem & More, nc");
    // The box shows the address decoded where that is safe; GO opens the same one.
    EXPECT_EQ(QUrl::fromUserInput(BoxText()), wanted);
}

TEST_F(ForecastBrowser, RefreshAsksTheServerAgain) {
    Browse();
    ASSERT_TRUE(Go("/one"));
    ASSERT_TRUE(Load([&] { forecast_->RefreshBut->click(); }, "/one"));
    EXPECT_EQ(Requests("/one"), 2);
}

TEST_F(ForecastBrowser, SaveAddressStoresTheStartPageAtOnce) {
    forecast_->BrowseBox->setEditText(Address("/two"));
    forecast_->SaveAddressBut->click();
    EXPECT_EQ(Settings.SaveURL, Address("/two"));
    TSettings stored;
    TSettingsCopies copies;
    ReadIniFile(stored, copies);
    EXPECT_EQ(stored.SaveURL, Address("/two"));
}

TEST_F(ForecastBrowser, TheZoneForecastComesFromTheStateAndCityBoxes) {
    // The place list's four sections, then the forecast cities of two states.
    QStringList list(TPlaceList::LastUsPlace + 1, QStringLiteral("Filler;XX;XX;XXXX;0N;0W;0;0;0"));
    list << QStringLiteral("Utica;NY;NY;KUCA;43-06N;75-13W;150;46;13501")
         << QStringLiteral("Trenton;NJ;NJ;KTTN;40-13N;74-45W;20;15;08608")
         << QStringLiteral("Albany;NY;NY;KALB;42-39N;73-45W;30;54;12207");
    form_->PlaceList.SetSiteList(list);
    forecast_->WeatherSourceBox->setCurrentIndex(2);
    form_->WeatherSourceBoxSelect();
    TForecastCityBoxes* cities = forecast_->ForecastCities;
    cities->StateBox2->setCurrentIndex(33);  // New York
    emit cities->StateBox2->activated(33);
    ASSERT_EQ(cities->CityBox->count(), 2);
    EXPECT_EQ(cities->CityBox->itemText(0), "Albany");
    EXPECT_EQ(BoxText(), "http://tgftp.nws.noaa.gov/data/forecasts/zone/ny/nyz054.txt");
    cities->CityBox->setCurrentIndex(1);
    emit cities->CityBox->activated(1);
    EXPECT_EQ(Settings.CityBoxItemIndex, 1);
    EXPECT_EQ(BoxText(), "http://tgftp.nws.noaa.gov/data/forecasts/zone/ny/nyz046.txt");
}

TEST_F(ForecastBrowser, StartTasksOpenTheSavedPageElseTheForecast) {
    Browse();
    Settings.LastInfoFormTabIndex = WeatherTab;
    Settings.SaveURL = Address("/two");
    form_->DoStartTasks();
    ASSERT_TRUE(WaitUntil([&] { return Requests("/two") == 1; }, PageTimeoutMs));
    EXPECT_EQ(form_->InfoFormPageControl->currentIndex(), WeatherTab);

    Settings.SaveURL.clear();
    form_->DoStartTasks();
    ASSERT_TRUE(WaitUntil([&] { return !web_->Blocked.isEmpty(); }, PageTimeoutMs));
    EXPECT_EQ(web_->Blocked.front(),
              QUrl("http://forecast.weather.gov/MapClick.php?CityName=Boston&state=MA"));
}

// Print prints the forecast page while it has the focus, through the browser's own
// printing; with the focus elsewhere on the tab there is nothing to print.
TEST_F(ForecastBrowser, PrintPrintsThePageWhileItHasTheFocus) {
    form_->InfoFormPageControl->setCurrentIndex(WeatherTab);
    form_->show();
    Browse();
    ASSERT_TRUE(Go("/one"));
    QTemporaryDir folder;
    platform_.PrintDialogs.PdfFile = folder.filePath(QStringLiteral("page.pdf"));
    forecast_->BrowseBox->setFocus();
    form_->PrintImageAction1->trigger();
    EXPECT_EQ(platform_.PrintDialogs.Asked, 0);

    auto* view = qobject_cast<QWebEngineView*>(forecast_->WebBrowser1);
    bool printed = false;
    QObject::connect(view, &QWebEngineView::printFinished, form_.get(),
                     [&](bool Success) { printed = Success; });
    view->setFocus();
    form_->PrintImageAction1->trigger();
    EXPECT_EQ(platform_.PrintDialogs.Asked, 1);
    ASSERT_TRUE(WaitUntil([&] { return printed; }, PageTimeoutMs));
    const QImage page = test::RenderPdfPage(platform_.PrintDialogs.PdfFile, 50);
    ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) renders the printed file";
    // The page's text is on it.
    EXPECT_FALSE(test::InkBox(page).isEmpty());
}

}  // namespace
}  // namespace orbelune
