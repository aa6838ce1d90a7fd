#pragma once
// The Weather tab's report panel: the station code and name, the "Get Weather" button,
// the report memo and the times of the last download. Built in code at the top of the
// tab; the rest of the tab is left to the forecast page. The report also shows the
// temperature unit in the Set tab's unit choice.

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace orbelune {

class TForecastCityBoxes;

class TWeatherSheet final : public QWidget {
    Q_OBJECT

public:
    // Builds the panel at the top of the tab, which keeps the space below it free.
    explicit TWeatherSheet(QWidget* Parent = nullptr);
    // Builds the temperature unit choice at the top left of SetPage (no layout of its
    // own, so the Set tab can arrange it with its other settings).
    void PlaceUnitChoice(QWidget* SetPage);

    QWidget* WeatherSheet2 = nullptr;  // the panel; its showing refreshes the labels
    QLineEdit* WeatherStationCodeEd2 = nullptr;
    QLineEdit* WeatherStationNameEd2 = nullptr;
    QPushButton* GetWeatherBut2 = nullptr;
    QGroupBox* TemperatureRadioGroup = nullptr;            // on the Set tab
    std::array<QRadioButton*, 2> TemperatureRadioItems{};  // Fahrenheit, Celsius
    QPlainTextEdit* WeatherMemo2 = nullptr;
    QLabel* LastWeatherUpdateLab = nullptr;
    QLabel* LastWeatherTimeStampLab = nullptr;
    TForecastCityBoxes* ForecastCities = nullptr;  // the zone forecast's state and city
};

}  // namespace orbelune
