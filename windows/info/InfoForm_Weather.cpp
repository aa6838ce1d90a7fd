// The information window's weather report: the Weather tab's report panel, its
// "Get Weather" button, and what the weather requests bring it.
#include "InfoForm.h"

#include "Settings.h"
#include "TemperatureDisplay.h"
#include "WeatherService.h"
#include "WeatherState.h"
#include "WeatherTabTexts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orbelune {

void TInfoForm::createWeatherSheet() {
    WeatherPage->PlaceUnitChoice(SetOptions);
    SetOptions->PlaceTemperatureUnits(WeatherPage->TemperatureRadioGroup);
    WeatherPage->WeatherStationCodeEd2->setText(Settings.WeatherStationCode);
    WeatherPage->WeatherStationNameEd2->setText(Settings.WeatherStationName);
    connect(WeatherPage->GetWeatherBut2, &QPushButton::clicked, this,
            &TInfoForm::GetWeatherBut2Click);
    // Showing the panel refreshes its labels.
    WeatherPage->WeatherSheet2->installEventFilter(this);
    TWeatherService& weather = WeatherService();
    connect(&weather, &TWeatherService::ReportStarted, WeatherPage->WeatherMemo2,
            &QPlainTextEdit::clear);
    connect(&weather, &TWeatherService::StatusEchoed, WeatherPage->WeatherMemo2,
            &QPlainTextEdit::appendPlainText);
    connect(&weather, &TWeatherService::ReportArrived, this, &TInfoForm::ApplyWeatherReport);
}

void TInfoForm::ApplyWeatherReport(const TReportOutcome& Outcome) {
    // The box waits until every window has shown the outcome.
    if (Outcome.Kind == TReportOutcome::TKind::Refused && Outcome.FromWeatherTab)
        QMetaObject::invokeMethod(
            this, [this] { ShowConnectionRefusedMessage(this); }, Qt::QueuedConnection);
    WeatherPage->WeatherMemo2->setPlainText(
        ReportPanelText(WeatherState.ReportLines, Outcome.FailureText));
    WeatherPage->WeatherStationCodeEd2->setText(WeatherState.CurrentStationCode);
    WeatherPage->WeatherStationNameEd2->setText(WeatherState.CurrentStationName);
    DisplayWeather();
}

void TInfoForm::DisplayWeather() {
    const TWeatherTabTexts texts =
        WeatherTabTexts(Settings.TemperatureUnits, WeatherState.LastWeatherDownloadTime.load(),
                        Settings.LastWeatherTimeStampStr);
    WeatherPage->TemperatureRadioItems[static_cast<size_t>(texts.TemperatureUnitsIndex)]
        ->setChecked(true);
    if (!texts.LastWeatherUpdate.isEmpty())
        WeatherPage->LastWeatherUpdateLab->setText(texts.LastWeatherUpdate);
    if (!texts.LastWeatherTimeStamp.isEmpty())
        WeatherPage->LastWeatherTimeStampLab->setText(texts.LastWeatherTimeStamp);
}

void TInfoForm::WeatherSheet2Show() {
    DisplayWeather();
}

void TInfoForm::GetWeatherBut2Click() {
    // The station as the user typed it: a report that arrives while the memo is
    // redrawn below fills the edits with its own station.
    const QString code = WeatherPage->WeatherStationCodeEd2->text();
    const QString name = WeatherPage->WeatherStationNameEd2->text();
    WeatherPage->WeatherMemo2->clear();
    // Lets the cleared memo show before the request starts.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    WeatherService().RequestStationWeather(code, name);
}

}  // namespace orbelune
