// The clock window's weather: its requests, the temperature of a report in its caption
// and tray, the weather text window, and the download messages.
#include "ClockForm.h"

#include "Astronomy.h"
#include "ClockState.h"
#include "DateFormats.h"
#include "InfoForm.h"
#include "PlatformSeams.h"
#include "ReportText.h"
#include "Settings.h"
#include "TemperatureDisplay.h"
#include "TrayIcon.h"
#include "WeatherService.h"
#include "WeatherState.h"
#include "WeatherTextForm.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPushButton>

namespace orbelune {

void TForm1::GetWeather(const QString& StationCode, bool Show) {
    WeatherService().RequestReport(StationCode, Show);
}

void TForm1::ApplyWeatherReport(const TReportOutcome& Outcome) {
    // The box waits until every window has shown the outcome.
    if (Outcome.Kind == TReportOutcome::TKind::Refused && !Outcome.FromWeatherTab)
        QMetaObject::invokeMethod(this, &TForm1::ShowConnectionRefused, Qt::QueuedConnection);
    if (Outcome.ShowsTemperature()) {
        ShowTemperatureCaption();
        TrayIcon->SetHint(
            WeatherState.TemperatureText + QLatin1Char('\n') +
            QString(WeatherState.TraySummaryText).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    } else if (Outcome.Show) {
        // The caption and the tray say why no temperature came.
        UpdateDisplays();
    }
    if (Outcome.Kind == TReportOutcome::TKind::Good && Form6 != nullptr) ShowWeatherTextReport();
}

void TForm1::ShowTemperature(const QString& SkyText, double TemperatureF) {
    RecordTemperature(SkyText, TemperatureF);
    ShowTemperatureCaption();
}

void TForm1::ShowTemperatureCaption() {
    // A window title is one line: the carriage returns of the caption go.
    setWindowTitle(TemperatureCaption(WeatherState.TemperatureText, WeatherState.TraySummaryText)
                       .remove(QLatin1Char('\r')));
    DisplayState.ApplicationTitle = windowTitle();
    if (Settings.TrayType == 'T' && !WeatherState.TemperatureText.isEmpty())
        ShowTrayTemp(WeatherState.TemperatureText, Settings.TrayForeColor,
                     Settings.TrayBackTransparent, Settings.TrayBackColor);
}

void TForm1::ShowTrayTemp(const QString& Text, std::int32_t ForeColor, bool Transparent,
                          std::int32_t BackColor) {
    TrayIcon->SetIcon(TrayTemperatureIcon(Text, ForeColor, Transparent, BackColor));
}

void TForm1::ShowConnectionRefused() {
    ShowConnectionRefusedMessage(this);
}

void TForm1::ShowStatus(const QString& Text) {
    WeatherService().ShowStatus(Text);
}

void TForm1::http1Status(const QString& StatusText) {
    ShowStatus(StatusText);
}

void TForm1::SslStatus(const QString& Text) {
    ShowStatus(Text);
}

void TForm1::ShowWeatherTextReport() {
    const TDateTime nowUtc = LocalToUTC(Platform().Clock->Now());
    Form6->ShowReport(
        WeatherWindowLines(WeatherState.ReportLines),
        WeatherWindowCaption(
            WeatherState.ReportTimeKnown
                ? std::optional<int>(ReportAgeMinutes(nowUtc, WeatherState.ReportTimeUtc))
                : std::nullopt,
            UTCToLocal(WeatherState.ReportTimeUtc), Settings.UseMilitaryTime, DateFormats.Long));
}

void TForm1::CreateWeatherMenu() {
    UpdateTemperature1 = PopupMenu1->addAction(QStringLiteral("Update Temperature"));
    UpdateTemperature1->setObjectName(QStringLiteral("UpdateTemperature1"));
    connect(UpdateTemperature1, &QAction::triggered, this, &TForm1::UpdateTemperature1Click);
    WeatherText1 = PopupMenu1->addAction(QStringLiteral("Show Weather Text"));
    WeatherText1->setObjectName(QStringLiteral("WeatherText1"));
    connect(WeatherText1, &QAction::triggered, this, &TForm1::WeatherText1Click);

    // One radio group in which a click on the checked item clears it (no tray icon).
    auto* group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const struct {
        QAction* TForm1::*Item;
        const char* Name;
        const char* Caption;
        char Type;
    } items[] = {
        {&TForm1::TrayTemperature1, "TrayTemperature1", "Tray Temperature", 'T'},
        {&TForm1::TrayMoon1, "TrayMoon1", "Tray Moon", 'M'},
        {&TForm1::TrayAnimation1, "TrayAnimation1", "Tray Animation", 'A'},
    };
    for (const auto& item : items) {
        QAction* action = PopupMenu1->addAction(QString::fromLatin1(item.Caption));
        action->setObjectName(QString::fromLatin1(item.Name));
        action->setCheckable(true);
        action->setChecked(Settings.TrayType == item.Type);
        action->setData(QChar::fromLatin1(item.Type));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, action] { TrayMenuItemClick(action); });
        this->*item.Item = action;
    }
}

void TForm1::UpdateTemperature1Click() {
    if (InfoForm != nullptr) InfoForm->WeatherPage->GetWeatherBut2->click();
}

void TForm1::WeatherText1Click() {
    UpdateTemperature1Click();
    if (Form6 == nullptr) {
        Form6 = new TForm6;
        // A report that came before the window did is shown at once.
        if (!WeatherState.ReportLines.isEmpty()) ShowWeatherTextReport();
    }
    Form6->show();
    Form6->raise();
}

void TForm1::TrayMenuItemClick(QAction* Item) {
    // The action's check mark has already changed with the click.
    Settings.TrayType = Item->isChecked() ? Item->data().toChar().toLatin1() : 'N';
    // The Set tab shows the choice and has the tray show it.
    if (InfoForm != nullptr)
        InfoForm->SetTrayIconType();
    else
        ApplyTrayType();
}

}  // namespace orbelune
