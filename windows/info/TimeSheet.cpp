#include "TimeSheet.h"

#include <QGridLayout>
#include <QLabel>

namespace orbelune {

namespace {

QLabel* NewLabel(QWidget* Owner, const QString& Name, const QString& Text = QString()) {
    auto* label = new QLabel(Text, Owner);
    label->setObjectName(Name);
    return label;
}

// A clock's text in a sunken panel, wide enough for the longest date.
QLabel* NewPanel(QWidget* Owner, const QString& Name) {
    QLabel* panel = NewLabel(Owner, Name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(
        QStringLiteral(" 12:00:00 AM  Wednesday, September 30, 2026 ")));
    return panel;
}

}  // namespace

TTimeSheet::TTimeSheet(const std::array<const char*, TTimeClocks::CityCount>& CityNames,
                       QWidget* Parent)
    : QWidget(Parent) {
    setObjectName(QStringLiteral("TimeSheet"));
    auto* grid = new QGridLayout(this);
    const struct {
        QLabel* TTimeSheet::*Panel;
        const char* PanelName;
        QLabel* TTimeSheet::*Label;
        const char* LabelName;
        const char* Caption;
    } rows[] = {
        {&TTimeSheet::LocTimePanel, "LocTimePanel", &TTimeSheet::LocTimeLabel, "LocTimeLabel", ""},
        {&TTimeSheet::UTCTimePanel, "UTCTimePanel", &TTimeSheet::UTCTimeLabel, "UTCTimeLabel",
         " Greenwich Time (GMT = UTC)"},
        {&TTimeSheet::SiderealTimePanel, "SiderealTimePanel", &TTimeSheet::SiderealTimeLabel,
         "SiderealTimeLabel", " Local Apparent Sidereal Time"},
        {&TTimeSheet::JulianDatePanel, "JulianDatePanel", &TTimeSheet::JulianDateLabel,
         "JulianDateLabel", " Julian Date"},
    };
    int row = 0;
    for (const auto& r : rows) {
        this->*r.Panel = NewPanel(this, QString::fromLatin1(r.PanelName));
        this->*r.Label =
            NewLabel(this, QString::fromLatin1(r.LabelName), QString::fromLatin1(r.Caption));
        grid->addWidget(this->*r.Panel, row, 0);
        grid->addWidget(this->*r.Label, row, 1);
        ++row;
    }
    grid->setRowMinimumHeight(row++, fontMetrics().height());
    for (int i = 0; i < TTimeClocks::CityCount; ++i, ++row) {
        const size_t n = static_cast<size_t>(i);
        CityTime[n] = NewPanel(this, QStringLiteral("CityTime%1").arg(i + 1));
        CityLabel[n] = NewLabel(this, QStringLiteral("CityLabel%1").arg(i + 1),
                                QString::fromLatin1(CityNames[n]));
        grid->addWidget(CityTime[n], row, 0);
        grid->addWidget(CityLabel[n], row, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
}

void TTimeSheet::ShowClocks(const TTimeClocks& Clocks) {
    LocTimePanel->setText(Clocks.Local);
    LocTimeLabel->setText(Clocks.LocalZone);
    UTCTimePanel->setText(Clocks.Utc);
    SiderealTimePanel->setText(Clocks.Sidereal);
    JulianDatePanel->setText(Clocks.JulianDate);
    for (size_t i = 0; i < CityTime.size(); ++i) CityTime[i]->setText(Clocks.Cities[i]);
}

}  // namespace orbelune
