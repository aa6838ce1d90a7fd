// The information window's weather report: the Weather tab's report panel, its
// "Get Weather" button, and the view through which reports and download status texts
// reach it.
#include "InfoForm.h"

#include "ClockState.h"
#include "InfoWindowLink.h"
#include "Settings.h"
#include "WeatherState.h"
#include "WeatherTabTexts.h"
#include "WeatherThread.h"
#include "WeatherViews.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace orbelune {

namespace {

// The report panel as the weather requests see it. It belongs to the panel and leaves
// the registry with it; it also runs the panel's show handler.
class TInfoFormWeatherView final : public QObject, public TWeatherInfoView {
public:
    explicit TInfoFormWeatherView(TInfoForm* Form)
        : QObject(Form->WeatherPage.WeatherSheet2), Form_(Form) {
        Form->WeatherPage.WeatherSheet2->installEventFilter(this);
        WeatherWindows().Info = this;
    }
    ~TInfoFormWeatherView() override {
        if (WeatherWindows().Info == this) WeatherWindows().Info = nullptr;
    }

    void ClearWeatherMemo() override {
        if (Form_) Form_->WeatherPage.WeatherMemo2->clear();
    }
    void AppendWeatherMemo(const QString& Line) override {
        if (Form_) Form_->WeatherPage.WeatherMemo2->appendPlainText(Line);
    }
    void ShowWeatherReport(const QStringList& Lines, const QString& StationCode,
                           const QString& StationName) override {
        if (!Form_) return;
        TWeatherSheet& page = Form_->WeatherPage;
        page.WeatherMemo2->setPlainText(Lines.join(QLatin1Char('\n')));
        page.WeatherStationCodeEd2->setText(StationCode);
        page.WeatherStationNameEd2->setText(StationName);
        Form_->DisplayWeather();
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Form_ && Watched == Form_->WeatherPage.WeatherSheet2 && Event->type() == QEvent::Show)
            Form_->WeatherSheet2Show();
        return QObject::eventFilter(Watched, Event);
    }

private:
    QPointer<TInfoForm> Form_;
};

}  // namespace

void TInfoForm::createWeatherSheet() {
    WeatherPage = BuildWeatherSheet(Sheets[WeatherTab], SetSheetPageControl->widget(0));
    WeatherPage.WeatherStationCodeEd2->setText(Settings.WeatherStationCode);
    WeatherPage.WeatherStationNameEd2->setText(Settings.WeatherStationName);
    connect(WeatherPage.GetWeatherBut2, &QPushButton::clicked, this,
            &TInfoForm::GetWeatherBut2Click);
    new TInfoFormWeatherView(this);
    InfoWindow().GetWeatherBut2 = WeatherPage.GetWeatherBut2;
}

void TInfoForm::DisplayWeather() {
    const TWeatherTabTexts texts =
        WeatherTabTexts(Settings.TemperatureUnits, ClockState.LastWeatherDownloadTime.load(),
                        Settings.LastWeatherTimeStampStr);
    WeatherPage.TemperatureRadioItems[static_cast<size_t>(texts.TemperatureUnitsIndex)]->setChecked(
        true);
    if (!texts.LastWeatherUpdate.isEmpty())
        WeatherPage.LastWeatherUpdateLab->setText(texts.LastWeatherUpdate);
    if (!texts.LastWeatherTimeStamp.isEmpty())
        WeatherPage.LastWeatherTimeStampLab->setText(texts.LastWeatherTimeStamp);
}

void TInfoForm::WeatherSheet2Show() {
    DisplayWeather();
}

void TInfoForm::GetWeatherBut2Click() {
    WeatherPage.WeatherMemo2->clear();
    // Lets the cleared memo show before the request starts.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    RequestStationWeather(WeatherPage.WeatherStationCodeEd2->text(),
                          WeatherPage.WeatherStationNameEd2->text());
}

}  // namespace orbelune
