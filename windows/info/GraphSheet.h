#pragma once
// The Graph tab: the year chart of sunrise and sunset in its group box, the choice of
// clock times or compass directions, the daylight-saving and date-line switches, the
// labels of the chosen day, the night legend and the season and month buttons.

#include "GraphModel.h"

#include <QFont>
#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace orbelune {

class TImageCommandRow;

// The chart's drawing surface, of the chart's fixed size. It paints the chart it was
// given and reports left clicks in chart pixels.
class TGraphPaintBox final : public QWidget {
    Q_OBJECT

public:
    explicit TGraphPaintBox(QWidget* Parent = nullptr);

    void SetGraph(TGraph Graph);
    const TGraph& Graph() const { return FGraph; }
    // The chart as shown, at its own size, for copying and saving.
    QImage Picture() const;

signals:
    void Clicked(int X);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;

private:
    TGraph FGraph;
    QFont FChartFont;
};

class TGraphSheet final : public QWidget {
    Q_OBJECT

public:
    explicit TGraphSheet(QWidget* Parent = nullptr);

    // Shows a built chart: the chart, its title and the day's labels.
    void ShowGraph(TGraph Graph);
    bool PositionMode() const;
    void SetPositionMode(bool On);

    QGroupBox* GraphGroupBox = nullptr;
    TGraphPaintBox* PaintBox = nullptr;
    QGroupBox* TimePositionBox = nullptr;
    std::array<QRadioButton*, 2> TimePositionItems{};  // local time, position
    QCheckBox* DaylightSavingBox = nullptr;
    QCheckBox* ShowDateLinesBox = nullptr;
    QGroupBox* GraphSunGroupBox = nullptr;
    QLabel* GraphSunRiseLab1 = nullptr;
    QLabel* GraphSunRiseLab2 = nullptr;
    QLabel* GraphSunRiseLab3 = nullptr;
    QLabel* GraphSunSetLab1 = nullptr;
    QLabel* GraphSunSetLab2 = nullptr;
    QLabel* GraphSunSetLab3 = nullptr;
    QLabel* GraphDayHoursLab = nullptr;
    QLabel* NightShape = nullptr;  // the night colour, beside its caption
    // March equinox, June solstice, September equinox, December solstice.
    std::array<QPushButton*, 4> SeasonButtons{};
    QPushButton* PrevMonthBut2 = nullptr;
    QPushButton* NextMonthBut2 = nullptr;
    TImageCommandRow* GraphCommands = nullptr;  // Save, Copy, Print

signals:
    // The page became visible: its chart is to be drawn for now.
    void Shown();

protected:
    void showEvent(QShowEvent* Event) override;

private:
    QWidget* createChart(QWidget* Owner);
    QWidget* createOptions(QWidget* Owner);
    QWidget* createDayLabels(QWidget* Owner);
    QWidget* createLegend(QWidget* Owner);
    QWidget* createButtons(QWidget* Owner);
};

}  // namespace orbelune
