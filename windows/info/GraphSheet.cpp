#include "GraphSheet.h"

#include "GraphPainter.h"
#include "ImageCommandRow.h"
#include "NamedWidget.h"
#include "ScrolledPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace orbelune {

namespace {

QLabel* NewLabel(QWidget* Owner, const QString& Name) {
    return Named(new QLabel(Owner), Name);
}

}  // namespace

TGraphPaintBox::TGraphPaintBox(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("PaintBox"));
    setFixedSize(GraphSize);
    setToolTip(QStringLiteral("Click graph to change date"));
    setCursor(Qt::PointingHandCursor);
}

void TGraphPaintBox::SetGraph(TGraph Graph) {
    FGraph = std::move(Graph);
    FChartFont = GraphFont(FGraph, font());
    update();
}

QImage TGraphPaintBox::Picture() const {
    return GraphImage(FGraph, palette().color(QPalette::Window), FChartFont);
}

void TGraphPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintGraph(painter, FGraph, palette().color(QPalette::Window), FChartFont);
}

void TGraphPaintBox::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton) emit Clicked(Event->position().toPoint().x());
    QWidget::mousePressEvent(Event);
}

TGraphSheet::TGraphSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("GraphSheet"));
    QWidget* content = ScrolledPage(this, QStringLiteral("GraphSheetContent"));
    auto* row = new QHBoxLayout(content);
    row->addWidget(createChart(content), 0, Qt::AlignTop);
    auto* side = new QVBoxLayout;
    side->addWidget(createOptions(content));
    side->addWidget(createDayLabels(content));
    side->addWidget(createLegend(content));
    side->addWidget(createButtons(content));
    GraphCommands = new TImageCommandRow(QStringLiteral("Graph"), content);
    side->addWidget(GraphCommands);
    side->addStretch(1);
    row->addLayout(side);
    row->addStretch(1);
}

QWidget* TGraphSheet::createChart(QWidget* Owner) {
    GraphGroupBox = Named(new QGroupBox(Owner), QStringLiteral("GraphGroupBox"));
    auto* layout = new QVBoxLayout(GraphGroupBox);
    PaintBox = new TGraphPaintBox(GraphGroupBox);
    layout->addWidget(PaintBox);
    return GraphGroupBox;
}

QWidget* TGraphSheet::createOptions(QWidget* Owner) {
    auto* options = new QWidget(Owner);
    auto* column = new QVBoxLayout(options);
    column->setContentsMargins(0, 0, 0, 0);
    TimePositionBox = Named(new QGroupBox(options), QStringLiteral("TimePositionBox"));
    auto* items = new QVBoxLayout(TimePositionBox);
    const QString captions[] = {QStringLiteral("Local Time"), QStringLiteral("Position")};
    for (size_t i = 0; i < TimePositionItems.size(); ++i) {
        TimePositionItems[i] = Named(new QRadioButton(captions[i], TimePositionBox),
                                     QStringLiteral("TimePositionBox%1").arg(i));
        items->addWidget(TimePositionItems[i]);
    }
    column->addWidget(TimePositionBox);
    DaylightSavingBox = Named(new QCheckBox(QStringLiteral("Daylight Saving"), options),
                              QStringLiteral("DaylightSavingBox"));
    ShowDateLinesBox = Named(new QCheckBox(QStringLiteral("Show Date Lines"), options),
                             QStringLiteral("ShowDateLinesBox"));
    column->addWidget(DaylightSavingBox);
    column->addWidget(ShowDateLinesBox);
    return options;
}

QWidget* TGraphSheet::createDayLabels(QWidget* Owner) {
    GraphSunGroupBox = Named(new QGroupBox(Owner), QStringLiteral("GraphSunGroupBox"));
    auto* column = new QVBoxLayout(GraphSunGroupBox);
    QLabel** labels[] = {&GraphSunRiseLab1, &GraphSunRiseLab2, &GraphSunRiseLab3,
                         &GraphSunSetLab1,  &GraphSunSetLab2,  &GraphSunSetLab3};
    const QString names[] = {QStringLiteral("GraphSunRiseLab1"), QStringLiteral("GraphSunRiseLab2"),
                             QStringLiteral("GraphSunRiseLab3"), QStringLiteral("GraphSunSetLab1"),
                             QStringLiteral("GraphSunSetLab2"),  QStringLiteral("GraphSunSetLab3")};
    for (size_t i = 0; i < std::size(labels); ++i) {
        *labels[i] = NewLabel(GraphSunGroupBox, names[i]);
        column->addWidget(*labels[i]);
        if (i == 2) column->addSpacing(6);
    }
    GraphDayHoursLab = NewLabel(GraphSunGroupBox, QStringLiteral("GraphDayHoursLab"));
    column->addSpacing(6);
    column->addWidget(GraphDayHoursLab);
    return GraphSunGroupBox;
}

QWidget* TGraphSheet::createLegend(QWidget* Owner) {
    auto* legend = new QWidget(Owner);
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    NightShape = NewLabel(legend, QStringLiteral("NightShape"));
    QPixmap swatch(24, 14);
    swatch.fill(GraphNightColour);
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    NightShape->setPixmap(swatch);
    auto* caption = NewLabel(legend, QStringLiteral("NightLabel"));
    caption->setText(QStringLiteral("Night"));
    row->addWidget(NightShape);
    row->addWidget(caption);
    row->addStretch(1);
    return legend;
}

QWidget* TGraphSheet::createButtons(QWidget* Owner) {
    auto* buttons = new QWidget(Owner);
    auto* grid = new QGridLayout(buttons);
    grid->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* Name;
        const char* Caption;
    } seasons[] = {{"MarEqBut", "Mar Equinox"},
                   {"JunSolBut", "Jun Solstice"},
                   {"SepEqBut", "Sep Equinox"},
                   {"DecSolBut", "Dec Solstice"}};
    for (size_t i = 0; i < SeasonButtons.size(); ++i) {
        SeasonButtons[i] = Named(new QPushButton(QString::fromLatin1(seasons[i].Caption), buttons),
                                 QString::fromLatin1(seasons[i].Name));
        grid->addWidget(SeasonButtons[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    PrevMonthBut2 = Named(new QPushButton(QStringLiteral("\u2039 Month"), buttons),
                          QStringLiteral("PrevMonthBut2"));
    PrevMonthBut2->setToolTip(QStringLiteral("Last Month"));
    NextMonthBut2 = Named(new QPushButton(QStringLiteral("Month \u203A"), buttons),
                          QStringLiteral("NextMonthBut2"));
    NextMonthBut2->setToolTip(QStringLiteral("Next Month"));
    grid->addWidget(PrevMonthBut2, 2, 0);
    grid->addWidget(NextMonthBut2, 2, 1);
    return buttons;
}

void TGraphSheet::ShowGraph(TGraph Graph) {
    const TGraphLabels& labels = Graph.Labels;
    GraphGroupBox->setTitle(Graph.Title);
    GraphSunRiseLab1->setText(labels.SunRiseLab1);
    GraphSunRiseLab2->setText(labels.SunRiseLab2);
    GraphSunRiseLab3->setText(labels.SunRiseLab3);
    GraphSunSetLab1->setText(labels.SunSetLab1);
    GraphSunSetLab2->setText(labels.SunSetLab2);
    GraphSunSetLab3->setText(labels.SunSetLab3);
    GraphDayHoursLab->setText(labels.DayHoursLab);
    PaintBox->SetGraph(std::move(Graph));
}

bool TGraphSheet::PositionMode() const {
    return TimePositionItems[1]->isChecked();
}

void TGraphSheet::SetPositionMode(bool On) {
    TimePositionItems[On ? 1 : 0]->setChecked(true);
}

void TGraphSheet::showEvent(QShowEvent* Event) {
    QWidget::showEvent(Event);
    emit Shown();
}

}  // namespace orbelune
