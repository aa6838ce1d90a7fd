#include "LocationSheet.h"

#include "GeoTables.h"
#include "ScrolledPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orbelune {

namespace {

constexpr int MaxTextLength = 128;
constexpr int PlaceListRows = 12;
// Feet or metres from the Dead Sea shore to above the highest summit.
constexpr int LowestAltitude = -2000;
constexpr int HighestAltitude = 99999;

template <typename TWidget>
TWidget* Named(TWidget* Widget, const char* Name) {
    Widget->setObjectName(QString::fromLatin1(Name));
    return Widget;
}

QLabel* NewLabel(QWidget* Owner, const char* Name, const QString& Text = QString()) {
    auto* label = Named(new QLabel(Text, Owner), Name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A note takes room only while it says something.
void ShowNote(QLabel* Note, const QString& Text) {
    Note->setText(Text);
    Note->setVisible(!Text.isEmpty());
}

// A sunken box for a degree, minute or second, wide enough for three digits.
QLabel* NewDmsPanel(QWidget* Owner, const char* Name) {
    QLabel* panel = NewLabel(Owner, Name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 6);
    return panel;
}

QComboBox* NewChoice(QWidget* Owner, const char* Name, const QStringList& Items) {
    auto* box = Named(new QComboBox(Owner), Name);
    box->addItems(Items);
    return box;
}

// One position row: the three panels with their unit marks and the hemisphere box.
QHBoxLayout* DmsRow(std::array<QLabel*, 3> Panels, QComboBox* Hemisphere) {
    auto* row = new QHBoxLayout;
    const std::array<QString, 3> marks = {QStringLiteral("\u00B0"), QStringLiteral("'"),
                                          QStringLiteral("\"")};
    for (std::size_t i = 0; i < Panels.size(); ++i) {
        row->addWidget(Panels[i]);
        row->addWidget(new QLabel(marks[i], Panels[i]->parentWidget()));
    }
    row->addWidget(Hemisphere);
    row->addStretch(1);
    return row;
}

}  // namespace

TLocationSheet::TLocationSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("LocationSheet"));
    QWidget* content = ScrolledPage(this, QStringLiteral("LocationSheetContent"));
    auto* column = new QVBoxLayout(content);
    column->addWidget(createPlaceGroup(content));
    column->addWidget(createStationGroup(content));
    column->addWidget(createSavedGroup(content));
    column->addWidget(createButtons(content));
    column->addStretch(1);
}

QGroupBox* TLocationSheet::createPlaceGroup(QWidget* Owner) {
    auto* group = Named(new QGroupBox(QStringLiteral(" Location "), Owner), "LocationGroupBox");
    auto* grid = new QGridLayout(group);

    auto* countryLab = NewLabel(group, "CountryLab", QStringLiteral("Country:"));
    QStringList countries;
    for (const TCountry& country : CountryTable) countries << QString::fromLatin1(country.Name);
    CountryBox = NewChoice(group, "CountryBox", countries);
    CountryBox->setMaxVisibleItems(20);
    countryLab->setBuddy(CountryBox);
    StateLab = NewLabel(group, "StateLab", QStringLiteral("State:"));
    QStringList states;
    for (const TUsState& state : UsStateTable) states << QString::fromLatin1(state.Name);
    StateBox1 = NewChoice(group, "StateBox1", states);
    StateBox1->setMaxVisibleItems(20);
    StateLab->setBuddy(StateBox1);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(countryLab);
    boxes->addWidget(CountryBox, 1);
    boxes->addSpacing(8);
    boxes->addWidget(StateLab);
    boxes->addWidget(StateBox1, 1);
    grid->addLayout(boxes, 0, 0, 1, 2);

    PlaceListBox = Named(new QListWidget(group), "PlaceListBox");
    PlaceListBox->setEnabled(false);  // until the place list is loaded
    PlaceListBox->setMinimumHeight(PlaceListBox->fontMetrics().lineSpacing() * PlaceListRows);
    PlaceListBox->setMinimumWidth(PlaceListBox->fontMetrics().averageCharWidth() * 24);
    grid->addWidget(PlaceListBox, 1, 0);
    grid->addWidget(createPlaceDetails(group), 1, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);

    DistanceLab1 = NewLabel(group, "DistanceLab1");
    DistanceLab1->setWordWrap(true);
    grid->addWidget(DistanceLab1, 2, 0, 1, 2);

    PlaceListProblemLab = NewLabel(group, "PlaceListProblemLab");
    PlaceListProblemLab->setWordWrap(true);
    PlaceListProblemLab->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PlaceListProblemLab->hide();
    grid->addWidget(PlaceListProblemLab, 3, 0, 1, 2);
    return group;
}

QWidget* TLocationSheet::createPlaceDetails(QWidget* Owner) {
    auto* details = Named(new QWidget(Owner), "PlaceDetails");
    auto* grid = new QGridLayout(details);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;

    auto* zipLab = NewLabel(details, "ZipLab", QStringLiteral("Zip Code:"));
    ZipEd = Named(new QLineEdit(details), "ZipEd");
    ZipEd->setMaxLength(MaxTextLength);
    ZipEd->setMaximumWidth(ZipEd->fontMetrics().averageCharWidth() * 12);
    zipLab->setBuddy(ZipEd);
    FindZipBut = Named(new QPushButton(QStringLiteral("Find City"), details), "FindZipBut");
    auto* zipRow = new QHBoxLayout;
    zipRow->addWidget(ZipEd);
    zipRow->addWidget(FindZipBut);
    zipRow->addStretch(1);
    grid->addWidget(zipLab, row, 0);
    grid->addLayout(zipRow, row++, 1);
    ZipNoteLab = NewLabel(details, "ZipNoteLab");
    ZipNoteLab->setWordWrap(true);
    ZipNoteLab->hide();
    grid->addWidget(ZipNoteLab, row++, 1);

    auto* nameLab = NewLabel(details, "PlaceNameLab", QStringLiteral("Place Name:"));
    PlaceNameEd = Named(new QLineEdit(details), "PlaceNameEd");
    PlaceNameEd->setMaxLength(MaxTextLength);
    nameLab->setBuddy(PlaceNameEd);
    grid->addWidget(nameLab, row, 0);
    grid->addWidget(PlaceNameEd, row++, 1);

    LatDegreesLabel = NewDmsPanel(details, "LatDegreesLabel");
    LatMinutesLabel = NewDmsPanel(details, "LatMinutesLabel");
    LatSecondsLabel = NewDmsPanel(details, "LatSecondsLabel");
    NorthSouthComboBox = NewChoice(details, "NorthSouthComboBox",
                                   {QStringLiteral("North"), QStringLiteral("South")});
    grid->addWidget(NewLabel(details, "LatitudeLab3", QStringLiteral("Latitude:")), row, 0);
    grid->addLayout(DmsRow({LatDegreesLabel, LatMinutesLabel, LatSecondsLabel}, NorthSouthComboBox),
                    row++, 1);

    LonDegreesLabel = NewDmsPanel(details, "LonDegreesLabel");
    LonMinutesLabel = NewDmsPanel(details, "LonMinutesLabel");
    LonSecondsLabel = NewDmsPanel(details, "LonSecondsLabel");
    EastWestComboBox =
        NewChoice(details, "EastWestComboBox", {QStringLiteral("East"), QStringLiteral("West")});
    grid->addWidget(NewLabel(details, "LongitudeLab3", QStringLiteral("Longitude:")), row, 0);
    grid->addLayout(DmsRow({LonDegreesLabel, LonMinutesLabel, LonSecondsLabel}, EastWestComboBox),
                    row++, 1);

    auto* altitudeLab = NewLabel(details, "AltitudeLab3", QStringLiteral("Altitude:"));
    AltitudeEd = Named(new QLineEdit(details), "AltitudeEd");
    AltitudeEd->setValidator(new QIntValidator(LowestAltitude, HighestAltitude, AltitudeEd));
    AltitudeEd->setMaximumWidth(AltitudeEd->fontMetrics().averageCharWidth() * 10);
    altitudeLab->setBuddy(AltitudeEd);
    FeetMeterBox =
        NewChoice(details, "FeetMeterBox", {QStringLiteral("Feet"), QStringLiteral("Meters")});
    auto* altitudeRow = new QHBoxLayout;
    altitudeRow->addWidget(AltitudeEd);
    altitudeRow->addWidget(FeetMeterBox);
    altitudeRow->addStretch(1);
    grid->addWidget(altitudeLab, row, 0);
    grid->addLayout(altitudeRow, row++, 1);

    SaveLocationOnlyBut =
        Named(new QPushButton(QStringLiteral("Save"), details), "SaveLocationOnlyBut");
    SaveLocationOnlyBut->setToolTip(QStringLiteral("Save this location"));
    grid->addWidget(SaveLocationOnlyBut, row++, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    return details;
}

QGroupBox* TLocationSheet::createStationGroup(QWidget* Owner) {
    auto* group =
        Named(new QGroupBox(QStringLiteral(" Weather Station "), Owner), "WeatherStationGroupBox");
    auto* row = new QHBoxLayout(group);
    StationCodeEd = Named(new QLineEdit(group), "StationCodeEd");
    StationCodeEd->setReadOnly(true);
    StationCodeEd->setMaximumWidth(StationCodeEd->fontMetrics().averageCharWidth() * 8);
    StationNameEd = Named(new QLineEdit(group), "StationNameEd");
    StationNameEd->setReadOnly(true);
    SaveWeatherStationOnlyBut =
        Named(new QPushButton(QStringLiteral("Save"), group), "SaveWeatherStationOnlyBut");
    SaveWeatherStationOnlyBut->setToolTip(QStringLiteral("Save this weather station"));
    auto* codeLab = NewLabel(group, "StationCodeLab", QStringLiteral("Code:"));
    codeLab->setBuddy(StationCodeEd);
    auto* nameLab = NewLabel(group, "StationNameLab", QStringLiteral("Name:"));
    nameLab->setBuddy(StationNameEd);
    row->addWidget(codeLab);
    row->addWidget(StationCodeEd);
    row->addWidget(nameLab);
    row->addWidget(StationNameEd, 1);
    row->addWidget(SaveWeatherStationOnlyBut);
    return group;
}

QGroupBox* TLocationSheet::createSavedGroup(QWidget* Owner) {
    auto* group =
        Named(new QGroupBox(QStringLiteral(" Saved Location "), Owner), "SavedLocationGroupBox");
    auto* lines = new QVBoxLayout(group);
    lines->setSpacing(1);
    PlaceNamePanel2 = NewLabel(group, "PlaceNamePanel2");
    Latitudelab2 = NewLabel(group, "Latitudelab2");
    LongitudeLab2 = NewLabel(group, "LongitudeLab2");
    AltitudeLab2 = NewLabel(group, "AltitudeLab2");
    for (QLabel* label : {PlaceNamePanel2, Latitudelab2, LongitudeLab2, AltitudeLab2})
        lines->addWidget(label);
    return group;
}

QWidget* TLocationSheet::createButtons(QWidget* Owner) {
    auto* buttons = Named(new QWidget(Owner), "LocationButtons");
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    SaveAllBut = Named(new QPushButton(QStringLiteral("Save ALL"), buttons), "SaveAllBut");
    SaveAllBut->setToolTip(
        QStringLiteral("Save the location, the weather station and every setting"));
    CloseBut = Named(new QPushButton(QStringLiteral("Cancel"), buttons), "CloseBut");
    CloseBut->setToolTip(QStringLiteral("Close this window without saving"));
    ResetBut = Named(new QPushButton(QStringLiteral("Reset"), buttons), "ResetBut");
    ResetBut->setToolTip(QStringLiteral("Show the saved settings again"));
    GetMapBut3 = Named(new QPushButton(QStringLiteral("Get Map"), buttons), "GetMapBut3");
    GoToMapPageBut2 =
        Named(new QPushButton(QStringLiteral("Go To Maps"), buttons), "GoToMapPageBut2");
    row->addWidget(GetMapBut3);
    row->addWidget(GoToMapPageBut2);
    row->addStretch(1);
    for (QPushButton* button : {SaveAllBut, CloseBut, ResetBut}) row->addWidget(button);
    return buttons;
}

void TLocationSheet::ShowForm(const TLocationForm& Form) {
    PlaceNameEd->setText(Form.PlaceName);
    ZipEd->setText(Form.Zip);
    LatDegreesLabel->setText(Form.Latitude.Degrees);
    LatMinutesLabel->setText(Form.Latitude.Minutes);
    LatSecondsLabel->setText(Form.Latitude.Seconds);
    NorthSouthComboBox->setCurrentIndex(Form.Latitude.Negative ? 1 : 0);
    LonDegreesLabel->setText(Form.Longitude.Degrees);
    LonMinutesLabel->setText(Form.Longitude.Minutes);
    LonSecondsLabel->setText(Form.Longitude.Seconds);
    EastWestComboBox->setCurrentIndex(Form.Longitude.Negative ? 1 : 0);
    AltitudeEd->setText(Form.AltitudeText);
    FeetMeterBox->setCurrentIndex(Form.Metres ? 1 : 0);
    City = Form.City;
    State = Form.State;
    Country = Form.Country;
}

TLocationForm TLocationSheet::ReadForm() const {
    TLocationForm Form;
    Form.PlaceName = PlaceNameEd->text();
    Form.Zip = ZipEd->text();
    Form.Latitude = {LatDegreesLabel->text(), LatMinutesLabel->text(), LatSecondsLabel->text(),
                     NorthSouthComboBox->currentIndex() == 1};
    Form.Longitude = {LonDegreesLabel->text(), LonMinutesLabel->text(), LonSecondsLabel->text(),
                      EastWestComboBox->currentIndex() == 1};
    Form.AltitudeText = AltitudeEd->text();
    Form.Metres = FeetMeterBox->currentIndex() == 1;
    Form.City = City;
    Form.State = State;
    Form.Country = Country;
    return Form;
}

void TLocationSheet::ShowPlaces(const std::vector<TPlaceEntry>& Entries) {
    QStringList names;
    PlaceRecordList.clear();
    names.reserve(static_cast<qsizetype>(Entries.size()));
    PlaceRecordList.reserve(static_cast<qsizetype>(Entries.size()));
    for (const TPlaceEntry& entry : Entries) {
        names << entry.Name;
        PlaceRecordList << entry.Record;
    }
    const QSignalBlocker quiet(PlaceListBox);
    PlaceListBox->clear();
    PlaceListBox->addItems(names);
}

void TLocationSheet::ShowSavedLocation(const TLocationLines& Lines) {
    PlaceNamePanel2->setText(Lines.PlaceName);
    Latitudelab2->setText(Lines.Latitude);
    LongitudeLab2->setText(Lines.Longitude);
    AltitudeLab2->setText(Lines.Altitude);
}

void TLocationSheet::ShowZipNote(const QString& Text) {
    ShowNote(ZipNoteLab, Text);
}

void TLocationSheet::ShowPlaceListProblem(const QString& Text) {
    ShowNote(PlaceListProblemLab, Text);
}

}  // namespace orbelune
