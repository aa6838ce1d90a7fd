#pragma once
// The Weather tab: the report panel (the station code and name, the "Get Weather"
// button, the report memo and the times of the last download) at the top, and the
// forecast page below it. The report also shows the temperature unit in the Set tab's
// unit choice.

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSplitter;

namespace orbelune {

class TForecastCityBoxes;
class TForecastPanel;

class TWeatherSheet final : public QWidget {
    Q_OBJECT

public:
    // Builds the report panel at the top of the tab and the forecast page below it.
    explicit TWeatherSheet(QWidget* Parent = nullptr);
    // Builds the temperature unit choice at the top left of SetPage (no layout of its
    // own, so the Set tab can arrange it with its other settings).
    void PlaceUnitChoice(QWidget* SetPage);
    // Sizes the report memo to its text.
    void FitMemoToReport();

    QWidget* WeatherSheet2 = nullptr;  // the panel; its showing refreshes the labels
    QLineEdit* WeatherStationCodeEd2 = nullptr;
    QLineEdit* WeatherStationNameEd2 = nullptr;
    QPushButton* GetWeatherBut2 = nullptr;
    QGroupBox* TemperatureRadioGroup = nullptr;            // on the Set tab
    std::array<QRadioButton*, 2> TemperatureRadioItems{};  // Fahrenheit, Celsius
    QPlainTextEdit* WeatherMemo2 = nullptr;
    QLabel* LastWeatherUpdateLab = nullptr;
    QLabel* LastWeatherTimeStampLab = nullptr;
    TForecastPanel* Forecast = nullptr;
    TForecastCityBoxes* ForecastCities = nullptr;  // the zone forecast's state and city

private:
    QSplitter* Split = nullptr;  // the line between the report and the forecast page
};

}  // namespace orbelune
