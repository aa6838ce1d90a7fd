// The Weather tab's forecast page: the source and place inputs, the address box and its
// history, and the embedded browser that shows the page.
#include "InfoForm.h"

#include "EditMenu.h"

#include "EmbeddedBrowser.h"
#include "ForecastAddress.h"
#include "ForecastCityBoxes.h"
#include "ForecastPanel.h"
#include "PlatformSeams.h"
#include "ReferencePages.h"
#include "Settings.h"
#include "SettingsIo.h"
#include "WeatherTabTexts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>

namespace orbelune {

namespace {

QStringList Items(const QComboBox* Box) {
    QStringList items;
    for (int i = 0; i < Box->count(); ++i) items << Box->itemText(i);
    return items;
}

}  // namespace

void TInfoForm::createForecastPanel() {
    Forecast = WeatherPage->Forecast;
    connect(Forecast->GetWeatherBut, &QPushButton::clicked, this, &TInfoForm::GetForecast);
    connect(Forecast->WeatherSourceBox, &QComboBox::activated, this,
            &TInfoForm::WeatherSourceBoxSelect);
    connect(Forecast->BrowseBox, &QComboBox::activated, this, &TInfoForm::GetForecast);
    connect(Forecast->BrowserGoBut, &QPushButton::clicked, this, &TInfoForm::BrowserGoButClick);
    // Enter in the address box opens the address typed, as "GO" does.
    connect(Forecast->BrowseBox->lineEdit(), &QLineEdit::returnPressed, this,
            &TInfoForm::BrowserGoButClick);
    connect(Forecast->GoBrowserBut, &QPushButton::clicked, this, &TInfoForm::GoBrowserButClick);
    connect(Forecast->SaveAddressBut, &QPushButton::clicked, this, &TInfoForm::SaveAddressButClick);
    connect(Forecast->RefreshBut, &QPushButton::clicked, this, &TInfoForm::RefreshButClick);
    connect(Forecast->BackBut, &QToolButton::clicked, this, &TInfoForm::BackButClick);
    connect(Forecast->ForwardBut, &QToolButton::clicked, this, &TInfoForm::ForwardButClick);
    connect(this, &TInfoForm::ForecastCityChanged, this, &TInfoForm::SetURL);
    CutPastePopupMenu->Attach(Forecast->BrowseBox, TEditRole::ComboBox);
    CutPastePopupMenu->Attach(Forecast->CityStateZipEd, TEditRole::Edit);
    // Showing the tab builds the address of the chosen source.
    WeatherPage->installEventFilter(this);
    RestoreSourceAndPlace();
}

void TInfoForm::RestoreSourceAndPlace() {
    Forecast->WeatherSourceBox->setCurrentIndex(Settings.WeatherSourceBoxItemIndex);
    SetWeatherBoxVisibility(Settings.WeatherSourceBoxItemIndex);
    Forecast->CityStateZipEd->setText(
        Settings.CityStateZipEdText.isEmpty() ? Settings.PlaceName : Settings.CityStateZipEdText);
}

void TInfoForm::ShowForecastControls() {
    RestoreSourceAndPlace();
    // The tab may have shown (and built its address) before its controls came back.
    if (WeatherPage->isVisible()) SetURL();
}

TEmbeddedBrowser* TInfoForm::WebBrowser() {
    if (Forecast->Browser == nullptr)
        if (TEmbeddedBrowser* browser = Forecast->CreateBrowser())
            browser->OnNavigateComplete([this](const TPageLoad& Load) {
                // Whether the page came or why not, over the page itself.
                Forecast->ShowPageStatus(ForecastPageStatus(
                    Load.Problem.isEmpty() ? TPageState::Loaded : TPageState::Failed,
                    Load.Address.toDisplayString(), Load.Problem));
                WebBrowser1NavigateComplete2();
            });
    return Forecast->Browser;
}

void TInfoForm::SetURL() {
    TForecastPlace place;
    place.Source = Forecast->WeatherSourceBox->currentIndex();
    place.PlaceText = Forecast->CityStateZipEd->text();
    if (const QString city = Forecast->ForecastCities->ChosenRecord(); !city.isEmpty())
        place.CityRecord = city;
    place.StationCode = WeatherPage->WeatherStationCodeEd2->text();
    place.CityName = Settings.CityName;
    place.StateName = Settings.StateName;
    place.CountryName = Settings.CountryName;
    place.ZipCode = Settings.ZipCode;
    place.TemperatureUnits = QChar::fromLatin1(Settings.TemperatureUnits);
    // Without a forecast city the box keeps its address.
    if (const std::optional<QString> address = orbelune::SetURL(place))
        ShowAddress(QUrl(*address).toDisplayString());
    // Until a page opens, its room says what "Get Weather" will open.
    if (!Forecast->PageShown())
        Forecast->ShowPageStatus(
            ForecastPageStatus(TPageState::NotOpened, Forecast->BrowseBox->currentText()));
}

void TInfoForm::ShowAddress(const QString& Address) {
    Forecast->BrowseBox->setEditText(Address);
    // The host and the start of the path are what tells one address from another.
    Forecast->BrowseBox->lineEdit()->setCursorPosition(0);
}

void TInfoForm::SetWeatherBoxVisibility(int SourceType) {
    const TWeatherBoxVisibility shown = orbelune::SetWeatherBoxVisibility(SourceType);
    Forecast->ForecastCities->setVisible(shown.StateAndCityBoxes);
    Forecast->CityStateZipTitleLab->setVisible(shown.PlaceEdit);
    Forecast->CityStateZipEd->setVisible(shown.PlaceEdit);
}

void TInfoForm::Navigate(const QString& Address) {
    TEmbeddedBrowser* browser = WebBrowser();
    if (browser == nullptr) return;
    const QUrl url = QUrl::fromUserInput(Address);
    Forecast->ShowPage();
    Forecast->ShowPageStatus(ForecastPageStatus(TPageState::Loading, url.toDisplayString()));
    browser->Navigate(url);
}

void TInfoForm::GetForecast() {
    QWidget* tab = Sheets[WeatherTab];
    tab->setEnabled(false);
    const auto enableAgain = qScopeGuard([tab] { tab->setEnabled(true); });
    Settings.CityStateZipEdText = Forecast->CityStateZipEd->text();
    SetURL();
    const QString address = Forecast->BrowseBox->currentText();
    if (!address.isEmpty()) Navigate(address);
}

void TInfoForm::BrowserGoButClick() {
    const QString address = Forecast->BrowseBox->currentText();
    if (address.isEmpty()) return;
    QWidget* tab = Sheets[WeatherTab];
    tab->setEnabled(false);
    const auto enableAgain = qScopeGuard([tab] { tab->setEnabled(true); });
    Navigate(address);
}

void TInfoForm::BackButClick() {
    if (Forecast->Browser != nullptr) Forecast->Browser->GoBack();
}

void TInfoForm::ForwardButClick() {
    if (Forecast->Browser != nullptr) Forecast->Browser->GoForward();
}

void TInfoForm::RefreshButClick() {
    if (Forecast->Browser == nullptr || !Forecast->PageShown()) return;
    Forecast->ShowPageStatus(ForecastPageStatus(
        TPageState::Loading, Forecast->Browser->LocationURL().toDisplayString()));
    Forecast->Browser->Refresh();
}

void TInfoForm::WebBrowser1NavigateComplete2() {
    const QString address = Forecast->Browser->LocationURL().toDisplayString();
    if (address.isEmpty()) return;
    QComboBox* box = Forecast->BrowseBox;
    if (!ComboHasItem(Items(box), address)) box->insertItem(0, address);
    ShowAddress(address);
}

void TInfoForm::SaveAddressButClick() {
    Settings.SaveURL = Forecast->BrowseBox->currentText();
    const TSettingsResult saved = WriteURL(Settings);
    if (!saved.Message.isEmpty())
        Platform().Messages->Inform(this, TMessageIcon::Warning, QStringLiteral("Orbelune"),
                                    saved.Message);
}

void TInfoForm::WeatherSourceBoxSelect() {
    Settings.WeatherSourceBoxItemIndex = Forecast->WeatherSourceBox->currentIndex();
    SetWeatherBoxVisibility(Settings.WeatherSourceBoxItemIndex);
    SetURL();
}

void TInfoForm::WeatherSheetShow() {
    WebBrowser();
    SetURL();
}

}  // namespace orbelune
