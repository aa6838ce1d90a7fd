// The information window's Graph tab: the year chart drawn for the calendar's date and
// the settings, its switches, a click on it, the season and month buttons, and the
// pictures the copy and save commands take from the window.
#include "InfoForm.h"

#include "BigCalendar.h"
#include "CalendarEvents.h"
#include "ImageFiles.h"
#include "InfoLocation.h"
#include "MoonTabTexts.h"
#include "PictureBox.h"
#include "PlatformSeams.h"
#include "Settings.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace orbelune {

namespace {

// An empty name puts Image on the clipboard; any other writes it to that file in the
// format its extension names (.jpg at full quality, .bmp, .gif), all or nothing. False
// when nothing was written.
bool ImageToClipBoardOrFile(const QImage& Image, const QString& FileName) {
    if (Image.isNull()) return false;
    if (FileName.isEmpty()) {
        QGuiApplication::clipboard()->setImage(Image);
        return true;
    }
    const QString suffix = QFileInfo(FileName).suffix().toLower();
    const int type = suffix == QLatin1String("jpg")   ? JpegImageFile
                     : suffix == QLatin1String("bmp") ? BitmapImageFile
                     : suffix == QLatin1String("gif") ? GifImageFile
                                                      : 0;
    QString error;
    return type != 0 && WriteImageFile(Image, FileName, type, error);
}

}  // namespace

void TInfoForm::createGraphSheet() {
    GraphPage->SetPositionMode(Settings.TimePositionBoxIndex == 1);
    GraphPage->DaylightSavingBox->setChecked(Settings.DaylightSavingBoxChecked);
    GraphPage->ShowDateLinesBox->setChecked(Settings.ShowDateLinesBoxChecked);
    for (QRadioButton* item : GraphPage->TimePositionItems)
        connect(item, &QRadioButton::clicked, this, &TInfoForm::TimePositionBoxClick);
    connect(GraphPage->DaylightSavingBox, &QCheckBox::clicked, this,
            &TInfoForm::DaylightSavingBoxClick);
    connect(GraphPage->ShowDateLinesBox, &QCheckBox::clicked, this,
            &TInfoForm::ShowDateLinesBoxClick);
    connect(GraphPage->PaintBox, &TGraphPaintBox::Clicked, this, &TInfoForm::PaintBoxMouseDown);
    for (size_t n = 0; n < GraphPage->SeasonButtons.size(); ++n)
        connect(GraphPage->SeasonButtons[n], &QPushButton::clicked, this,
                [this, n] { SeasonButClick(static_cast<int>(n) + 1); });
    connect(GraphPage->PrevMonthBut2, &QPushButton::clicked, this, &TInfoForm::PrevMonthBut2Click);
    connect(GraphPage->NextMonthBut2, &QPushButton::clicked, this, &TInfoForm::NextMonthBut2Click);
    // Drawn when it comes into view, so its present-time mark is that of the moment.
    connect(GraphPage, &TGraphSheet::Shown, this, [this] { DrawGraph(Settings.Latitude); });
}

void TInfoForm::DrawGraph(long double Latitude) {
    TGraphRequest request;
    request.GraphDate = Events.Date();
    request.Now = Platform().Clock->Now();
    request.Latitude = Latitude;
    request.Longitude = Settings.Longitude;
    request.AltitudeFeet = Settings.Altitude;
    request.PositionMode = GraphPage->PositionMode();
    request.DaylightSaving = GraphPage->DaylightSavingBox->isChecked();
    request.ShowDateLines = GraphPage->ShowDateLinesBox->isChecked();
    request.UseMilitaryTime = Settings.UseMilitaryTime;
    // The place as the Set tab shows it.
    const TLocationLines place = LocationLines(InfoLocation.PlaceName, InfoLocation.Latitude,
                                               InfoLocation.Longitude, InfoLocation.Altitude);
    request.PlaceName = place.PlaceName;
    request.LatitudeText = place.Latitude;
    request.LongitudeText = place.Longitude;
    try {
        GraphPage->ShowGraph(BuildGraph(request));
        GraphDate = std::trunc(request.GraphDate);
    } catch (const std::exception&) {
        // A date outside the engine's range keeps the last chart.
    }
}

void TInfoForm::TimePositionBoxClick() {
    Settings.TimePositionBoxIndex = GraphPage->PositionMode() ? 1 : 0;
    DrawGraph(Settings.Latitude);
}

void TInfoForm::DaylightSavingBoxClick() {
    Settings.DaylightSavingBoxChecked = GraphPage->DaylightSavingBox->isChecked();
    DrawGraph(Settings.Latitude);
}

void TInfoForm::ShowDateLinesBoxClick() {
    Settings.ShowDateLinesBoxChecked = GraphPage->ShowDateLinesBox->isChecked();
    DrawGraph(Settings.Latitude);
}

void TInfoForm::PaintBoxMouseDown(int X) {
    const std::optional<TDateTime> date = GraphClickDate(GraphPage->PaintBox->Graph(), X);
    if (!date) return;
    GoToCalendarDate(*date);
    GraphPage->GraphSunGroupBox->setTitle(GraphSunGroupCaption(*date));
    // The chosen day is marked: the date lines come on and stay on.
    if (!GraphPage->ShowDateLinesBox->isChecked()) {
        GraphPage->ShowDateLinesBox->setChecked(true);
        Settings.ShowDateLinesBoxChecked = true;
        DrawGraph(Settings.Latitude);
    }
}

void TInfoForm::SeasonButClick(int N) {
    emit SeasonRequested(N);
}

void TInfoForm::PrevMonthBut2Click() {
    emit MonthStepRequested(-1);
}

void TInfoForm::NextMonthBut2Click() {
    emit MonthStepRequested(1);
}

QImage TInfoForm::GetGraph() {
    DrawGraph(Settings.Latitude);
    return GraphPage->PaintBox->Picture();
}

bool TInfoForm::GraphToClipBoardOrFile(const QString& FileName) {
    return ImageToClipBoardOrFile(GetGraph(), FileName);
}

QImage TInfoForm::GetCalendar() {
    return YearPage->BigCalendar->Picture();
}

bool TInfoForm::CalendarToClipBoardOrFile(const QString& FileName) {
    return ImageToClipBoardOrFile(GetCalendar(), FileName);
}

// The satellite panel's picture; none (and nothing written) before an image is shown.
QImage TInfoForm::GetPanel() {
    const QImage& shown = SatellitePage->Image7->Picture();
    return shown.isNull() ? QImage() : shown.convertToFormat(QImage::Format_RGB888);
}

bool TInfoForm::PanelToClipBoardOrFile(const QString& FileName) {
    return ImageToClipBoardOrFile(GetPanel(), FileName);
}

}  // namespace orbelune
