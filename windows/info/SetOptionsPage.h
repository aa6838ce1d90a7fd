#pragma once
// The Set tab's second page: the tray icon and its colours, the temperature unit, the
// calendar's marks, the weather server, the proxy server, and starting and ending: with
// the desktop session, minimised, to the tray, saving the settings.

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

namespace orbelune {

class TColorBox;

class TSetOptionsPage final : public QWidget {
    Q_OBJECT

public:
    explicit TSetOptionsPage(QWidget* Parent = nullptr);

    // Takes the temperature unit choice (built with the weather report) into the page.
    void PlaceTemperatureUnits(QGroupBox* Group);

    QGroupBox* TrayIconGroup = nullptr;
    // "Tray Icon Off", "Tray Temperature", "Tray Moon", "Tray Animation".
    std::array<QRadioButton*, 4> TrayIconItems{};
    TColorBox* ForeColorBox = nullptr;
    TColorBox* BackColorBox = nullptr;
    QCheckBox* TrayBackTransparentBox = nullptr;
    QComboBox* WeatherServerComboBox = nullptr;
    QCheckBox* UseProxyServerBox = nullptr;
    QLineEdit* ProxyServerEd = nullptr;
    QLineEdit* ProxyServerPortEd = nullptr;
    QLineEdit* ProxyUserNameEd = nullptr;
    QLineEdit* ProxyPasswordEd = nullptr;
    QCheckBox* RunWhenWindowsStartsBox = nullptr;
    QCheckBox* StartMinimizedBox = nullptr;
    QCheckBox* MinToTrayBox = nullptr;
    QCheckBox* SaveSettingsOnExitBox = nullptr;
    QCheckBox* ShowHolidaysBox = nullptr;
    QCheckBox* ShowTinyMoonsBox = nullptr;

private:
    QWidget* createTrayIcon(QWidget* Owner);
    QWidget* createTrayColors(QWidget* Owner);
    QWidget* createWeatherServer(QWidget* Owner);
    QWidget* createProxy(QWidget* Owner);
    QWidget* createStartup(QWidget* Owner);
    QWidget* createCalendarMarks(QWidget* Owner);

    QVBoxLayout* FLeftColumn = nullptr;
};

}  // namespace orbelune
