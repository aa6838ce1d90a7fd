#include "MoonSheet.h"

#include "MoonComponent.h"
#include "ScrolledPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace orbelune {

namespace {

QLabel* NewLabel(QWidget* Owner, const QString& Name) {
    auto* label = new QLabel(Owner);
    label->setObjectName(Name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A sunken panel for a position value.
QLabel* NewPanel(QWidget* Owner, const QString& Name) {
    QLabel* panel = NewLabel(Owner, Name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(110);
    return panel;
}

QGroupBox* NewGroup(QWidget* Owner, const QString& Name) {
    auto* group = new QGroupBox(Owner);
    group->setObjectName(Name);
    return group;
}

// The lines of a group sit close together, as in a table, so that the whole tab fits
// the window's usual height.
QGridLayout* NewGroupGrid(QGroupBox* Group) {
    auto* grid = new QGridLayout(Group);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(1);
    return grid;
}

// A flat button just big enough for its 16-pixel picture.
QToolButton* NewButton(QWidget* Owner, const QString& Name) {
    auto* button = new QToolButton(Owner);
    button->setObjectName(Name);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(20, 18);
    return button;
}

// Rise, set and up lines of one body with its two position panels.
QGroupBox* BuildBodyGroup(QWidget* Page, const QString& Group, const QString& Body,
                          std::array<QLabel**, 7> Lines, QLabel** Azimuth, QLabel** Altitude) {
    QGroupBox* group = NewGroup(Page, Group);
    QGridLayout* grid = NewGroupGrid(group);
    const QString names[] = {Body + "RiseLab1", Body + "RiseLab2", Body + "RiseLab3",
                             Body + "SetLab1",  Body + "SetLab2",  Body + "SetLab3",
                             Body + "UpLab"};
    for (int i = 0; i < 7; ++i) {
        *Lines[static_cast<size_t>(i)] = NewLabel(group, names[i]);
        grid->addWidget(*Lines[static_cast<size_t>(i)], i < 6 ? i % 3 : 3, i < 6 ? i / 3 : 0);
    }
    *Azimuth = NewPanel(group, "Azimuth" + Body + "Panel");
    *Altitude = NewPanel(group, "Altitude" + Body + "Panel");
    QLabel* azimuthCaption = NewLabel(group, Body + "AzimuthCaption");
    azimuthCaption->setText(QStringLiteral("Azimuth:"));
    QLabel* altitudeCaption = NewLabel(group, Body + "AltitudeCaption");
    altitudeCaption->setText(QStringLiteral("Altitude:"));
    auto* positions = new QHBoxLayout;
    positions->addWidget(azimuthCaption);
    positions->addWidget(*Azimuth);
    positions->addWidget(altitudeCaption);
    positions->addWidget(*Altitude);
    positions->addStretch();
    grid->addLayout(positions, 4, 0, 1, 2);
    return group;
}

}  // namespace

TMoonSheet BuildMoonSheet(QWidget* Page) {
    TMoonSheet s;
    QWidget* content = ScrolledPage(Page, QStringLiteral("MoonSheetContent"));
    auto* column = new QVBoxLayout(content);
    column->setSpacing(4);

    auto* top = new QHBoxLayout;
    s.Moon1 = new TMoon(content);
    s.Moon1->setObjectName(QStringLiteral("Moon1"));
    s.Moon1->SetMoonSize(TMoonSize::ms64);
    s.Moon1->SetMoonStyle(TMoonStyle::msColor);
    s.Moon1->SetShowApollo11(false);
    top->addWidget(s.Moon1);
    auto* phase = new QVBoxLayout;
    s.PhaseLab1 = NewLabel(content, QStringLiteral("PhaseLab1"));
    s.PhaseLab2 = NewLabel(content, QStringLiteral("PhaseLab2"));
    s.AnimateMoonBox = new QCheckBox(QStringLiteral("Animate Moon"), content);
    s.AnimateMoonBox->setObjectName(QStringLiteral("AnimateMoonBox"));
    phase->addWidget(s.PhaseLab1);
    phase->addWidget(s.PhaseLab2);
    phase->addWidget(s.AnimateMoonBox);
    top->addLayout(phase);
    auto* place = new QVBoxLayout;
    s.PlaceNamePanel = NewLabel(content, QStringLiteral("PlaceNamePanel"));
    s.LatitudeLab = NewLabel(content, QStringLiteral("LatitudeLab"));
    s.LongitudeLab = NewLabel(content, QStringLiteral("LongitudeLab"));
    s.AltitudeLab = NewLabel(content, QStringLiteral("AltitudeLab"));
    for (QLabel* label : {s.PlaceNamePanel, s.LatitudeLab, s.LongitudeLab, s.AltitudeLab})
        place->addWidget(label);
    top->addLayout(place, 1);
    column->addLayout(top);

    column->addWidget(BuildBodyGroup(content, QStringLiteral("MoonRiseSetGroupBox"),
                                     QStringLiteral("Moon"),
                                     {&s.MoonRiseLab1, &s.MoonRiseLab2, &s.MoonRiseLab3,
                                      &s.MoonSetLab1, &s.MoonSetLab2, &s.MoonSetLab3, &s.MoonUpLab},
                                     &s.AzimuthMoonPanel, &s.AltitudeMoonPanel));
    s.MoonRiseSetGroupBox = content->findChild<QGroupBox*>(QStringLiteral("MoonRiseSetGroupBox"));
    column->addWidget(BuildBodyGroup(content, QStringLiteral("SunGroupBox"), QStringLiteral("Sun"),
                                     {&s.SunRiseLab1, &s.SunRiseLab2, &s.SunRiseLab3, &s.SunSetLab1,
                                      &s.SunSetLab2, &s.SunSetLab3, &s.SunUpLab},
                                     &s.AzimuthSunPanel, &s.AltitudeSunPanel));
    s.SunGroupBox = content->findChild<QGroupBox*>(QStringLiteral("SunGroupBox"));
    s.DayHoursLab = NewLabel(s.SunGroupBox, QStringLiteral("DayHoursLab"));
    static_cast<QGridLayout*>(s.SunGroupBox->layout())->addWidget(s.DayHoursLab, 3, 1);

    s.MoonPhaseGroupBox = NewGroup(content, QStringLiteral("MoonPhaseGroupBox"));
    QGridLayout* phases = NewGroupGrid(s.MoonPhaseGroupBox);
    for (int n = 0; n < 5; ++n) {
        const size_t i = static_cast<size_t>(n);
        s.PhaseButtons[i] = NewButton(s.MoonPhaseGroupBox, QStringLiteral("But%1").arg(n + 1));
        s.PhaseLabels[i] = NewLabel(s.MoonPhaseGroupBox, QStringLiteral("Label%1").arg(n + 1));
        s.PhaseLabels[i]->setCursor(Qt::PointingHandCursor);
        s.PhaseTimeLabels[i] =
            NewLabel(s.MoonPhaseGroupBox, QStringLiteral("TimeLabel%1").arg(n + 1));
        phases->addWidget(s.PhaseButtons[i], n, 0);
        phases->addWidget(s.PhaseLabels[i], n, 1);
        phases->addWidget(s.PhaseTimeLabels[i], n, 2);
    }
    column->addWidget(s.MoonPhaseGroupBox);

    s.EquinoxSolsticeGroupBox = NewGroup(content, QStringLiteral("EquinoxSolsticeGroupBox"));
    QGridLayout* seasons = NewGroupGrid(s.EquinoxSolsticeGroupBox);
    for (int n = 0; n < 4; ++n) {
        const size_t i = static_cast<size_t>(n);
        s.SeasonLabels[i] =
            NewLabel(s.EquinoxSolsticeGroupBox, QStringLiteral("SunLabel%1").arg(n + 1));
        s.SeasonLabels[i]->setCursor(Qt::PointingHandCursor);
        s.SeasonTimeLabels[i] =
            NewLabel(s.EquinoxSolsticeGroupBox, QStringLiteral("SunTimeLabel%1").arg(n + 1));
        seasons->addWidget(s.SeasonLabels[i], n, 0);
        seasons->addWidget(s.SeasonTimeLabels[i], n, 1);
    }
    column->addWidget(s.EquinoxSolsticeGroupBox);

    s.DaylightGroupBox = NewGroup(content, QStringLiteral("DaylightGroupBox"));
    QGridLayout* daylight = NewGroupGrid(s.DaylightGroupBox);
    s.FirstBut = NewButton(s.DaylightGroupBox, QStringLiteral("FirstBut"));
    s.SecondBut = NewButton(s.DaylightGroupBox, QStringLiteral("SecondBut"));
    s.DaylightStartLabel1 = NewLabel(s.DaylightGroupBox, QStringLiteral("DaylightStartLabel1"));
    s.DaylightStartLabel1->setCursor(Qt::PointingHandCursor);
    s.DaylightStartLabel2 = NewLabel(s.DaylightGroupBox, QStringLiteral("DaylightStartLabel2"));
    s.DaylightEndLabel1 = NewLabel(s.DaylightGroupBox, QStringLiteral("DaylightEndLabel1"));
    s.DaylightEndLabel1->setCursor(Qt::PointingHandCursor);
    s.DaylightEndLabel2 = NewLabel(s.DaylightGroupBox, QStringLiteral("DaylightEndLabel2"));
    daylight->addWidget(s.FirstBut, 0, 0);
    daylight->addWidget(s.DaylightStartLabel1, 0, 1);
    daylight->addWidget(s.DaylightStartLabel2, 0, 2);
    daylight->addWidget(s.SecondBut, 1, 0);
    daylight->addWidget(s.DaylightEndLabel1, 1, 1);
    daylight->addWidget(s.DaylightEndLabel2, 1, 2);
    column->addWidget(s.DaylightGroupBox);
    column->addStretch();
    return s;
}

}  // namespace orbelune
