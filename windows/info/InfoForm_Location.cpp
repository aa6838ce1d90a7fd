// The information window's location page on the Set tab, the place list behind it and
// the Weather tab's forecast state and city lists. The list is loaded off the
// user-interface thread when the window is shown; the lists fill when it arrives.
#include "InfoForm.h"

#include "ClockState.h"
#include "ForecastCityBoxes.h"
#include "ForecastPanel.h"
#include "GeoTables.h"
#include "InfoLocation.h"
#include "LocationSheet.h"
#include "PlaceListFile.h"
#include "PlaceListLoader.h"
#include "PlatformSeams.h"
#include "Settings.h"
#include "WeatherState.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orbelune {

namespace {

QString StateAbbrevAt(int Index) {
    if (Index < 0 || Index >= static_cast<int>(UsStateTable.size())) return {};
    return QString::fromLatin1(UsStateTable[static_cast<size_t>(Index)].Abbrev);
}

}  // namespace

void TInfoForm::createLocationSheet() {
    QWidget* page = SetSheetPageControl->widget(0);
    LocationPage = new TLocationSheet(page);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(LocationPage);
    TLocationSheet* p = LocationPage;

    PlaceListLoader = new TPlaceListLoader(PlaceList, this);
    connect(PlaceListLoader, &TPlaceListLoader::Finished, this, &TInfoForm::PlaceListArrived);

    connect(p->CountryBox, &QComboBox::activated, this, &TInfoForm::CountryBoxSelect);
    connect(p->StateBox1, &QComboBox::activated, this, &TInfoForm::StateBox1Select);
    connect(p->PlaceListBox, &QListWidget::currentRowChanged, this, &TInfoForm::PlaceListBoxClick);
    connect(p->FindZipBut, &QPushButton::clicked, this, &TInfoForm::FindZipButClick);
    connect(p->SaveLocationOnlyBut, &QPushButton::clicked, this,
            &TInfoForm::SaveLocationOnlyButClick);
    connect(p->SaveWeatherStationOnlyBut, &QPushButton::clicked, this,
            &TInfoForm::SaveWeatherStationOnlyButClick);
    connect(p->SaveAllBut, &QPushButton::clicked, this, &TInfoForm::SaveAllButClick);
    connect(p->CloseBut, &QPushButton::clicked, this, &TInfoForm::CloseButClick);
    connect(p->ResetBut, &QPushButton::clicked, this, &TInfoForm::ResetButClick);

    // The station edits are the Weather tab's; this page shows what they hold.
    QLineEdit* code = WeatherPage->WeatherStationCodeEd2;
    QLineEdit* name = WeatherPage->WeatherStationNameEd2;
    p->StationCodeEd->setText(code->text());
    p->StationNameEd->setText(name->text());
    connect(code, &QLineEdit::textChanged, p->StationCodeEd, &QLineEdit::setText);
    connect(name, &QLineEdit::textChanged, p->StationNameEd, &QLineEdit::setText);

    ForecastCities = WeatherPage->ForecastCities;
    connect(ForecastCities->StateBox2, &QComboBox::activated, this, &TInfoForm::StateBox2Select);
    connect(ForecastCities, &TForecastCityBoxes::ForecastCityChanged, this,
            &TInfoForm::ForecastCityChanged);
}

void TInfoForm::ShowLocationControls() {
    TLocationSheet* p = LocationPage;
    p->DistanceLab1->clear();
    p->ShowZipNote(QString());
    LoadBigList();
    WeatherPage->WeatherStationCodeEd2->setText(Settings.WeatherStationCode);
    WeatherPage->WeatherStationNameEd2->setText(Settings.WeatherStationName);
    p->StateBox1->setCurrentIndex(Settings.StateBoxItemIndex);
    ForecastCities->StateBox2->setCurrentIndex(Settings.StateBoxItemIndex);
    p->CountryBox->setCurrentIndex(Settings.CountryBoxItemIndex);
    CountryBoxSelect();
    StateBox2Select();
    ForecastCities->ShowSavedCity(PlaceList.Loaded(), Settings.CityBoxItemIndex);
    p->ShowForm(LocationFormFromSettings(Settings));
}

void TInfoForm::LoadBigList() {
    LocationPage->PlaceListBox->setEnabled(PlaceList.Loaded());
    PlaceListLoader->Start();
}

void TInfoForm::PlaceListArrived() {
    const bool loaded = PlaceList.Loaded();
    const QString problem = loaded ? QString() : PlaceListLoader->Problem();
    LocationPage->PlaceListBox->setEnabled(loaded);
    LocationPage->PlaceListBox->setToolTip(problem);
    LocationPage->ShowPlaceListProblem(problem);
    if (!loaded) return;
    CountryBoxSelect();
    StateBox2Select();
    ForecastCities->ShowSavedCity(true, Settings.CityBoxItemIndex);
}

void TInfoForm::ShowLoadFileMsg() {
    QString problem = PlaceListLoader->Problem();
    if (problem.isEmpty()) problem = MissingPlaceListMessage(PlaceListLoader->Folders);
    Platform().Messages->Inform(this, TMessageIcon::Warning, QStringLiteral("Orbelune"), problem);
}

void TInfoForm::CountryBoxSelect() {
    TLocationSheet* p = LocationPage;
    const QString country = p->CountryBox->currentText().trimmed();
    const bool unitedStates = IsUnitedStates(country);
    p->StateBox1->setVisible(unitedStates);
    p->StateLab->setVisible(unitedStates);
    if (!PlaceList.Loaded() || PlaceList.Count() == 0) return;
    if (unitedStates)
        StateBox1Select();
    else
        p->ShowPlaces(country.isEmpty() ? std::vector<TPlaceEntry>{}
                                        : PlaceList.CountryPlaces(country));
    // The list is read again for a lookup; a file gone since then is told as at start.
    if (!PlaceList.Loaded()) PlaceListArrived();
}

void TInfoForm::StateBox1Select() {
    if (!PlaceList.Loaded() || PlaceList.Count() == 0) return;
    const QString state = StateAbbrevAt(LocationPage->StateBox1->currentIndex());
    LocationPage->ShowPlaces(state.isEmpty() ? std::vector<TPlaceEntry>{}
                                             : PlaceList.StatePlaces(state));
    if (!PlaceList.Loaded()) PlaceListArrived();
}

void TInfoForm::PlaceListBoxClick() {
    const int row = LocationPage->PlaceListBox->currentRow();
    if (!PlaceList.Loaded() || row < 0 || row >= LocationPage->PlaceRecordList.size()) return;
    ChoosePlace(LocationPage->PlaceRecordList[row]);
}

void TInfoForm::ChoosePlace(const QString& Record) {
    TLocationSheet* p = LocationPage;
    const bool unitedStates = IsUnitedStates(p->CountryBox->currentText());
    const bool metres = p->FeetMeterBox->currentIndex() == 1;
    const TPlaceChoice choice = PlaceList.ChoosePlace(Record, unitedStates, metres);
    TLocationForm form = p->ReadForm();
    ApplyPlaceChoice(choice, form);
    p->ShowForm(form);
    p->ShowZipNote(QString());
    WeatherPage->WeatherStationCodeEd2->setText(choice.Station.Code);
    WeatherPage->WeatherStationNameEd2->setText(choice.Station.Name);

    TLatLon shown;
    p->DistanceLab1->setText(FormPosition(form, shown)
                                 ? DistanceText({Settings.Latitude, Settings.Longitude},
                                                Settings.PlaceName, shown, choice.PlaceName)
                                 : QString());
    if (!PlaceList.Loaded()) PlaceListArrived();
}

void TInfoForm::FindZipButClick() {
    TLocationSheet* p = LocationPage;
    // A load still running, or one that failed before, is finished here and now rather
    // than reported missing.
    PlaceListLoader->Start();
    PlaceListLoader->Finish();
    if (!PlaceList.Loaded()) {
        ShowLoadFileMsg();
        return;
    }
    const TZipMatch match = PlaceList.FindZip(p->ZipEd->text());
    // The list is read again for a lookup: a file gone since then is no missing zip.
    if (!PlaceList.Loaded()) {
        PlaceListArrived();
        ShowLoadFileMsg();
        return;
    }
    if (!match.Found) {
        p->ShowZipNote(ZipNotFoundText(p->ZipEd->text()));
        return;
    }
    p->CountryBox->setCurrentIndex(0);
    CountryBoxSelect();
    p->StateBox1->setCurrentIndex(match.StateIndex);
    StateBox1Select();
    const QList<QListWidgetItem*> found =
        p->PlaceListBox->findItems(match.PlaceName, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (found.isEmpty()) return;
    {
        // The entry is shown chosen; what is shown is the typed zip's own record.
        const QSignalBlocker quiet(p->PlaceListBox);
        p->PlaceListBox->setCurrentItem(found.first());
    }
    p->PlaceListBox->scrollToItem(found.first());
    ChoosePlace(match.Record);
}

void TInfoForm::SaveOrUpdateLocation() {
    StoreLocation(LocationPage->ReadForm(), Settings, SettingsCopies);
    ShowMoonTabChoices();  // the hemisphere of the new latitude
    // The forecast asks for the saved place from now on.
    Forecast->CityStateZipEd->setText(Settings.CityStateZipEdText);
    InfoLocation = InfoLocationFromSettings(Settings);
    UpdateLatLonDisplays(2);
    SaveAllSettings();
    emit LocationChanged();
}

void TInfoForm::StoreWeatherStation(bool Write) {
    const QString code = WeatherPage->WeatherStationCodeEd2->text().toUpper().left(4);
    const QString name = WeatherPage->WeatherStationNameEd2->text().left(StationNameWidth);
    Settings.WeatherStationCode = WeatherState.CurrentStationCode = code;
    Settings.WeatherStationName = WeatherState.CurrentStationName = name;
    if (const int state = LocationPage->StateBox1->currentIndex(); state >= 0)
        Settings.StateBoxItemIndex = state;
    if (const int country = LocationPage->CountryBox->currentIndex(); country >= 0)
        Settings.CountryBoxItemIndex = country;
    if (Write) SaveAllSettings();
}

void TInfoForm::SaveAllSettings() {
    emit SettingsSaveRequested();
}

void TInfoForm::SaveLocationOnlyButClick() {
    SaveOrUpdateLocation();
}

void TInfoForm::SaveWeatherStationOnlyButClick() {
    StoreWeatherStation(true);
}

void TInfoForm::SaveAllButClick() {
    StoreWeatherStation(false);
    SaveOrUpdateLocation();
}

void TInfoForm::CloseButClick() {
    close();
}

// Shown again, the window takes every control from the settings once more.
void TInfoForm::ResetButClick() {
    close();
    show();
}

void TInfoForm::StateBox2Select() {
    ForecastCities->StateBox2Select(PlaceList);
}

}  // namespace orbelune
