// The clock window's weather methods: requests, the temperature in its caption and
// tray icon, and the download messages.
#include "ClockForm.h"
#include "ClockState.h"
#include "InfoForm.h"
#include "InfoWindowLink.h"
#include "Settings.h"
#include "TemperatureDisplay.h"
#include "TrayIcon.h"
#include "WeatherTextForm.h"
#include "WeatherThread.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

namespace orbelune {

namespace {

// The clock window as the weather display sees it; once it is gone, nothing.
class TForm1WeatherView final : public TWeatherClockView {
public:
    QPointer<TForm1> Window;

    bool Exists() const override { return !Window.isNull(); }
    void SetWeatherCaption(const QString& Caption) override {
        if (!Window) return;
        // A window title is one line: the carriage returns go.
        Window->setWindowTitle(QString(Caption).remove(QLatin1Char('\r')));
        DisplayState.ApplicationTitle = Window->windowTitle();
    }
    void SetTrayIcon(const QIcon& Icon) override {
        if (Window && Window->TrayIcon != nullptr) Window->TrayIcon->SetIcon(Icon);
    }
    void SetTrayHint(const QString& Hint) override {
        if (Window && Window->TrayIcon != nullptr)
            Window->TrayIcon->SetHint(QString(Hint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    }
};

// The view of Form, which reports now reach.
TWeatherClockView& ViewOf(TForm1* Form) {
    static TForm1WeatherView view;
    view.Window = Form;
    WeatherWindows().Clock = &view;
    return view;
}

}  // namespace

void TForm1::GetWeather(const QString& StationCode, bool Show) {
    ViewOf(this);
    StartWeatherRequest(StationCode, Show);
}

void TForm1::ShowTemperature(const QString& SkyText, double TemperatureF) {
    ShowTemperatureOn(ViewOf(this), SkyText, TemperatureF);
}

void TForm1::ShowTrayTemp(const QString& Text, std::int32_t ForeColor, bool Transparent,
                          std::int32_t BackColor) {
    ShowTrayTempOn(ViewOf(this), Text, ForeColor, Transparent, BackColor);
}

void TForm1::ShowConnectionRefused() {
    ShowConnectionRefusedMessage();
}

void TForm1::ShowStatus(const QString& Text) {
    orbelune::ShowStatus(Text);
}

void TForm1::http1Status(const QString& StatusText) {
    ShowStatus(StatusText);
}

void TForm1::SslStatus(const QString& Text) {
    ShowStatus(Text);
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
    if (InfoForm != nullptr && InfoWindow().GetWeatherBut2 != nullptr)
        InfoWindow().GetWeatherBut2->click();
}

void TForm1::WeatherText1Click() {
    UpdateTemperature1Click();
    ShowWeatherTextWindow();
}

void TForm1::TrayMenuItemClick(QAction* Item) {
    // The action's check mark has already changed with the click.
    Settings.TrayType = Item->isChecked() ? Item->data().toChar().toLatin1() : 'N';
    if (InfoForm != nullptr && InfoWindow().SetTrayIconType) InfoWindow().SetTrayIconType();
    if (TrayIcon != nullptr) TrayIcon->SetActive(Settings.TrayType != 'N');
}

}  // namespace orbelune
