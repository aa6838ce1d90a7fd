#include "WeatherSheet.h"

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

template <typename TWidget>
TWidget* Named(TWidget* Widget, const char* Name) {
    Widget->setObjectName(QString::fromLatin1(Name));
    return Widget;
}

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

TWeatherSheet BuildWeatherSheet(QWidget* Page, QWidget* SetPage) {
    TWeatherSheet s;
    auto* column = new QVBoxLayout(Page);
    s.WeatherSheet2 = Named(new QWidget(Page), "WeatherSheet2");
    column->addWidget(s.WeatherSheet2);
    // The forecast page takes the rest of the tab.
    column->addStretch(1);

    auto* grid = new QGridLayout(s.WeatherSheet2);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* codeLabel = Named(new QLabel(QStringLiteral("Station Code"), s.WeatherSheet2),
                            "WeatherStationCodeLab2");
    s.WeatherStationCodeEd2 = Named(new QLineEdit(s.WeatherSheet2), "WeatherStationCodeEd2");
    codeLabel->setBuddy(s.WeatherStationCodeEd2);
    auto* nameLabel = Named(new QLabel(QStringLiteral("Station Name"), s.WeatherSheet2),
                            "WeatherStationNameLab2");
    s.WeatherStationNameEd2 = Named(new QLineEdit(s.WeatherSheet2), "WeatherStationNameEd2");
    nameLabel->setBuddy(s.WeatherStationNameEd2);
    s.GetWeatherBut2 =
        Named(new QPushButton(QStringLiteral("Get Weather"), s.WeatherSheet2), "GetWeatherBut2");
    s.TemperatureRadioGroup = NewTemperatureGroup(SetPage, s.TemperatureRadioItems);
    s.TemperatureRadioGroup->adjustSize();

    grid->addWidget(codeLabel, 0, 0);
    grid->addWidget(s.WeatherStationCodeEd2, 0, 1);
    grid->addWidget(nameLabel, 0, 2);
    grid->addWidget(s.WeatherStationNameEd2, 0, 3);
    grid->addWidget(s.GetWeatherBut2, 0, 4);
    grid->setColumnStretch(3, 1);

    s.WeatherMemo2 = Named(new QPlainTextEdit(s.WeatherSheet2), "WeatherMemo2");
    s.WeatherMemo2->setReadOnly(true);
    s.WeatherMemo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The report's columns line up only in a fixed-pitch font.
    s.WeatherMemo2->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    s.WeatherMemo2->setMinimumHeight(s.WeatherMemo2->fontMetrics().lineSpacing() * MemoLines);
    grid->addWidget(s.WeatherMemo2, 1, 0, 1, 5);

    s.LastWeatherUpdateLab = Named(new QLabel(s.WeatherSheet2), "LastWeatherUpdateLab");
    s.LastWeatherTimeStampLab = Named(new QLabel(s.WeatherSheet2), "LastWeatherTimeStampLab");
    grid->addWidget(s.LastWeatherUpdateLab, 2, 0, 1, 3);
    grid->addWidget(s.LastWeatherTimeStampLab, 2, 3, 1, 2);
    return s;
}

}  // namespace orbelune
