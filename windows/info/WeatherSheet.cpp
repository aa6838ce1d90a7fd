#include "WeatherSheet.h"

#include "ForecastCityBoxes.h"
#include "ForecastPanel.h"
#include "NamedWidget.h"
#include "PlainTextFit.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace orbelune {

namespace {

// The memo keeps this many lines at least when the forecast page below takes the room.
constexpr int MemoLines = 6;
// The memo grows with a longer report up to this many lines, then scrolls.
constexpr int MostMemoLines = 30;
// The narrowest memo, in characters of its fixed-pitch font.
constexpr int MemoColumns = 56;

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
    // The report above the forecast page; the user moves the line between them.
    Split = Named(new QSplitter(Qt::Vertical, this), "WeatherSplitter");
    Split->setChildrenCollapsible(false);
    column->addWidget(Split);
    WeatherSheet2 = Named(new QWidget(Split), "WeatherSheet2");
    Forecast = new TForecastPanel(Split);
    ForecastCities = Forecast->ForecastCities;
    Split->addWidget(WeatherSheet2);
    Split->addWidget(Forecast);
    // A larger window gives its room to the page.
    Split->setStretchFactor(0, 0);
    Split->setStretchFactor(1, 1);

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
    connect(WeatherMemo2, &QPlainTextEdit::textChanged, this, &TWeatherSheet::FitMemoToReport);
    FitMemoToReport();
    grid->addWidget(WeatherMemo2, 1, 0, 1, 5, Qt::AlignLeft);

    LastWeatherUpdateLab = Named(new QLabel(WeatherSheet2), "LastWeatherUpdateLab");
    LastWeatherTimeStampLab = Named(new QLabel(WeatherSheet2), "LastWeatherTimeStampLab");
    grid->addWidget(LastWeatherUpdateLab, 2, 0, 1, 3);
    grid->addWidget(LastWeatherTimeStampLab, 2, 3, 1, 2);
}

// The memo is as wide as the report's longest line and as tall as its lines, within
// limits, rather than a wide box with a narrow column of text in it.
void TWeatherSheet::FitMemoToReport() {
    const QFontMetrics metrics(WeatherMemo2->font());
    const QSize text = PlainTextFit(WeatherMemo2);
    const int scrollBar = WeatherMemo2->verticalScrollBar()->sizeHint().width();
    WeatherMemo2->setFixedWidth(
        std::max(text.width(), metrics.horizontalAdvance(QString(MemoColumns, QLatin1Char('0')))) +
        scrollBar);
    // Up to the whole report; the line above the forecast page may squeeze it to a few
    // lines in a small window.
    WeatherMemo2->setMinimumHeight(MemoLines * metrics.lineSpacing());
    const int wanted = std::clamp(text.height(), MemoLines * metrics.lineSpacing(),
                                  MostMemoLines * metrics.lineSpacing());
    WeatherMemo2->setMaximumHeight(wanted);
    // Where the tab has room, the report panel takes what the whole report needs.
    if (Split == nullptr) return;
    const QList<int> sizes = Split->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    const int panel = sizes.value(0) + wanted - WeatherMemo2->height();
    const int page = total - panel;
    if (total > 0 && page >= Forecast->minimumSizeHint().height()) Split->setSizes({panel, page});
}

void TWeatherSheet::PlaceUnitChoice(QWidget* SetPage) {
    TemperatureRadioGroup = NewTemperatureGroup(SetPage, TemperatureRadioItems);
    TemperatureRadioGroup->adjustSize();
}

}  // namespace orbelune
