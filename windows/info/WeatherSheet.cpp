#include "WeatherSheet.h"

#include "ForecastCityBoxes.h"
#include "NamedWidget.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orbelune {

namespace {

constexpr int MemoLines = 16;

QGroupBox* NewTemperatureGroup(QWidget* Owner, std::array<QRadioButton*, 2>& Items) {
    auto* group = Named(new QGroupBox(QStringLiteral(" Temperature Units: "), Owner),
                        "TemperatureRadioGroup");
    auto* row = new QHBoxLayout(group);
    Items[0] =
        Named(new QRadioButton(QStringLiteral("Fahrenheit"), group), "TemperatureRadioGroup0");
    Items[1] = Named(new QRadioButton(QStringLiteral("Celsius"), group), "TemperatureRadioGroup1");
    for (QRadioButton* item : Items) row->addWidget(item);
    return group;
}

}  // namespace

TWeatherSheet::TWeatherSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("WeatherSheet"));
    auto* column = new QVBoxLayout(this);
    WeatherSheet2 = Named(new QWidget(this), "WeatherSheet2");
    column->addWidget(WeatherSheet2);
    ForecastCities = new TForecastCityBoxes(this);
    column->addWidget(ForecastCities);
    // The forecast page takes the rest of the tab.
    column->addStretch(1);

    auto* grid = new QGridLayout(WeatherSheet2);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* codeLabel =
        Named(new QLabel(QStringLiteral("Station Code"), WeatherSheet2), "WeatherStationCodeLab2");
    WeatherStationCodeEd2 = Named(new QLineEdit(WeatherSheet2), "WeatherStationCodeEd2");
    codeLabel->setBuddy(WeatherStationCodeEd2);
    auto* nameLabel =
        Named(new QLabel(QStringLiteral("Station Name"), WeatherSheet2), "WeatherStationNameLab2");
    WeatherStationNameEd2 = Named(new QLineEdit(WeatherSheet2), "WeatherStationNameEd2");
    nameLabel->setBuddy(WeatherStationNameEd2);
    GetWeatherBut2 =
        Named(new QPushButton(QStringLiteral("Get Weather"), WeatherSheet2), "GetWeatherBut2");

    grid->addWidget(codeLabel, 0, 0);
    grid->addWidget(WeatherStationCodeEd2, 0, 1);
    grid->addWidget(nameLabel, 0, 2);
    grid->addWidget(WeatherStationNameEd2, 0, 3);
    grid->addWidget(GetWeatherBut2, 0, 4);
    grid->setColumnStretch(3, 1);

    WeatherMemo2 = Named(new QPlainTextEdit(WeatherSheet2), "WeatherMemo2");
    WeatherMemo2->setReadOnly(true);
    WeatherMemo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The report's columns line up only in a fixed-pitch font.
    WeatherMemo2->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    WeatherMemo2->setMinimumHeight(WeatherMemo2->fontMetrics().lineSpacing() * MemoLines);
    grid->addWidget(WeatherMemo2, 1, 0, 1, 5);

    LastWeatherUpdateLab = Named(new QLabel(WeatherSheet2), "LastWeatherUpdateLab");
    LastWeatherTimeStampLab = Named(new QLabel(WeatherSheet2), "LastWeatherTimeStampLab");
    grid->addWidget(LastWeatherUpdateLab, 2, 0, 1, 3);
    grid->addWidget(LastWeatherTimeStampLab, 2, 3, 1, 2);
}

void TWeatherSheet::PlaceUnitChoice(QWidget* SetPage) {
    TemperatureRadioGroup = NewTemperatureGroup(SetPage, TemperatureRadioItems);
    TemperatureRadioGroup->adjustSize();
}

}  // namespace orbelune
