// The information window's handlers for the Set tab's tray, temperature-unit,
// weather-server and proxy controls. What the clock window
// shows for them it applies itself when it hears TrayChanged or TemperatureUnitsChanged.
#include "InfoForm.h"

#include "Astronomy.h"
#include "ColorBox.h"
#include "PlatformSeams.h"
#include "ScrolledPage.h"
#include "SetOptionsTexts.h"
#include "Settings.h"
#include "TemperatureDisplay.h"
#include "WeatherService.h"
#include "WeatherSheet.h"
#include "WeatherState.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace orbelune {

void TInfoForm::createSetOptions() {
    QWidget* content =
        ScrolledPage(SetSheetPageControl->widget(1), QStringLiteral("Settings2Content"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    SetOptions = new TSetOptionsPage(content);
    layout->addWidget(SetOptions);
}

void TInfoForm::connectSetOptions() {
    TSetOptionsPage& page = *SetOptions;
    for (QRadioButton* item : page.TrayIconItems)
        connect(item, &QRadioButton::clicked, this, &TInfoForm::TrayIconGroupClick);
    connect(page.ForeColorBox, &TColorBox::Changed, this, &TInfoForm::ColorBoxChange);
    connect(page.BackColorBox, &TColorBox::Changed, this, &TInfoForm::ColorBoxChange);
    connect(page.TrayBackTransparentBox, &QCheckBox::clicked, this,
            &TInfoForm::TrayBackTransparentBoxClick);
    for (QRadioButton* item : WeatherPage->TemperatureRadioItems)
        connect(item, &QRadioButton::clicked, this, &TInfoForm::TemperatureRadioGroupClick);

    page.WeatherServerComboBox->addItems(WeatherServerHosts());
    page.WeatherServerComboBox->setEditText(Settings.WeatherServer);
    connect(page.WeatherServerComboBox, &QComboBox::editTextChanged, this,
            &TInfoForm::WeatherServerComboBoxChange);

    page.UseProxyServerBox->setChecked(Settings.UseProxyServer);
    page.ProxyServerEd->setText(Settings.ProxyServer);
    page.ProxyServerPortEd->setText(ProxyPortText(Settings.ProxyPort));
    page.ProxyUserNameEd->setText(Settings.ProxyUserName);
    page.ProxyPasswordEd->setText(Settings.ProxyPassword);
    EnableProxyFields();
    connect(page.UseProxyServerBox, &QCheckBox::clicked, this, &TInfoForm::UseProxyServerBoxClick);
    connect(page.ProxyServerEd, &QLineEdit::textChanged, this, &TInfoForm::ProxyServerEdChange);
    connect(page.ProxyServerPortEd, &QLineEdit::textChanged, this,
            &TInfoForm::ProxyServerPortEdChange);
    connect(page.ProxyUserNameEd, &QLineEdit::textChanged, this, &TInfoForm::ProxyUserNameEdChange);
    connect(page.ProxyPasswordEd, &QLineEdit::textChanged, this, &TInfoForm::ProxyPasswordEdChange);

    // Each box shows its action's state and works it.
    const std::pair<QCheckBox*, QAction*> bound[] = {
        {page.RunWhenWindowsStartsBox, RunWhenWindowsStartsAction},
        {page.StartMinimizedBox, ToggleStartMinimized1},
        {page.MinToTrayBox, ToggleMinimizeToTray1},
        {page.SaveSettingsOnExitBox, ToggleSaveOnExit1},
        {page.ShowHolidaysBox, ToggleShowHolidays1},
        {page.ShowTinyMoonsBox, ToggleShowTinyMoons1}};
    for (const auto& [box, action] : bound) {
        box->setText(action->text());
        box->setChecked(action->isChecked());
        connect(box, &QCheckBox::clicked, action, &QAction::trigger);
        connect(action, &QAction::toggled, box, &QCheckBox::setChecked);
    }
}

void TInfoForm::ShowSetOptions() {
    SetOptions->ForeColorBox->SetColor(Settings.TrayForeColor);
    SetOptions->BackColorBox->SetColor(Settings.TrayBackColor);
    SetOptions->TrayBackTransparentBox->setChecked(Settings.TrayBackTransparent);
    WeatherPage->TemperatureRadioItems[Settings.TemperatureUnits == 'C' ? 1 : 0]->setChecked(true);
    SetTrayIconType();
}

void TInfoForm::SetTrayIconType() {
    SetOptions->TrayIconItems[static_cast<size_t>(TrayItemOfType(Settings.TrayType))]->setChecked(
        true);
    emit TrayChanged();
}

void TInfoForm::TrayIconGroupClick() {
    int item = 0;
    for (size_t i = 0; i < SetOptions->TrayIconItems.size(); ++i)
        if (SetOptions->TrayIconItems[i]->isChecked()) item = static_cast<int>(i);
    Settings.TrayType = TrayTypeOfItem(item);
    emit TrayChanged();
    if (Settings.TrayType == 'N') return;
    if (Settings.TrayType == 'T') {
        if (WeatherState.TemperatureShown) return;
        WeatherService().RequestReport(Settings.WeatherStationCode, true);
    }
    emit MoonShown(CalendarDateNow(), Settings.SouthernHemisphere);
    if (Settings.TrayType == 'T') InfoFormPageControl->setCurrentIndex(WeatherTab);
}

void TInfoForm::ColorBoxChange() {
    Settings.TrayForeColor = SetOptions->ForeColorBox->Color();
    Settings.TrayBackColor = SetOptions->BackColorBox->Color();
    emit TrayChanged();
}

void TInfoForm::TrayBackTransparentBoxClick() {
    Settings.TrayBackTransparent = SetOptions->TrayBackTransparentBox->isChecked();
    emit TrayChanged();
}

void TInfoForm::TemperatureRadioGroupClick() {
    Settings.TemperatureUnits = WeatherPage->TemperatureRadioItems[1]->isChecked() ? 'C' : 'F';
    // Wind speeds of the summary follow the unit.
    RebuildTraySummary(LocalToUTC(Platform().Clock->Now()));
    emit TemperatureUnitsChanged();
}

void TInfoForm::WeatherServerComboBoxChange() {
    if (const std::optional<QString> server =
            WeatherServerFromText(SetOptions->WeatherServerComboBox->currentText()))
        Settings.WeatherServer = *server;
}

void TInfoForm::EnableProxyFields() {
    const bool on = SetOptions->UseProxyServerBox->isChecked();
    for (QLineEdit* edit : {SetOptions->ProxyServerEd, SetOptions->ProxyServerPortEd,
                            SetOptions->ProxyUserNameEd, SetOptions->ProxyPasswordEd})
        edit->setEnabled(on);
}

void TInfoForm::UseProxyServerBoxClick() {
    Settings.UseProxyServer = SetOptions->UseProxyServerBox->isChecked();
    EnableProxyFields();
}

void TInfoForm::ProxyServerEdChange() {
    Settings.ProxyServer = SetOptions->ProxyServerEd->text().left(128);
}

void TInfoForm::ProxyServerPortEdChange() {
    if (const std::optional<int> port = ProxyPortFromText(SetOptions->ProxyServerPortEd->text()))
        Settings.ProxyPort = *port;
}

void TInfoForm::ProxyUserNameEdChange() {
    Settings.ProxyUserName = SetOptions->ProxyUserNameEd->text().left(128);
}

void TInfoForm::ProxyPasswordEdChange() {
    Settings.ProxyPassword = SetOptions->ProxyPasswordEd->text().left(128);
}

}  // namespace orbelune
