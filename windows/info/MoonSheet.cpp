#include "MoonSheet.h"

#include "LinkLabel.h"
#include "MoonComponent.h"
#include "RadioGroup.h"
#include "ScrolledPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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

QPushButton* NewPageButton(QWidget* Owner, const QString& Caption, const QString& Hint,
                           const QString& Name) {
    auto* button = new QPushButton(Caption, Owner);
    button->setObjectName(Name);
    button->setToolTip(Hint);
    return button;
}

// Puts Button at the end of the position line of a body's group.
void AddToPositionLine(QGroupBox* Group, QPushButton* Button) {
    auto* grid = static_cast<QGridLayout*>(Group->layout());
    static_cast<QHBoxLayout*>(grid->itemAtPosition(4, 0)->layout())->addWidget(Button);
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

TMoonSheet::TMoonSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("MoonSheet"));
    QWidget* content = ScrolledPage(this, QStringLiteral("MoonSheetContent"));
    auto* column = new QVBoxLayout(content);
    column->setSpacing(4);

    auto* top = new QHBoxLayout;
    Moon1 = new TMoon(content);
    Moon1->setObjectName(QStringLiteral("Moon1"));
    Moon1->SetMoonSize(TMoonSize::ms64);
    Moon1->SetMoonStyle(TMoonStyle::msColor);
    Moon1->SetShowApollo11(false);
    top->addWidget(Moon1);
    auto* phase = new QVBoxLayout;
    PhaseLab1 = NewLabel(content, QStringLiteral("PhaseLab1"));
    PhaseLab2 = NewLabel(content, QStringLiteral("PhaseLab2"));
    AnimateMoonBox = new QCheckBox(QStringLiteral("Animate Moon"), content);
    AnimateMoonBox->setObjectName(QStringLiteral("AnimateMoonBox"));
    phase->addWidget(PhaseLab1);
    phase->addWidget(PhaseLab2);
    phase->addWidget(AnimateMoonBox);
    top->addLayout(phase);
    auto* place = new QVBoxLayout;
    PlaceNamePanel = NewLabel(content, QStringLiteral("PlaceNamePanel"));
    LatitudeLab = NewLabel(content, QStringLiteral("LatitudeLab"));
    LongitudeLab = NewLabel(content, QStringLiteral("LongitudeLab"));
    AltitudeLab = NewLabel(content, QStringLiteral("AltitudeLab"));
    for (QLabel* label : {PlaceNamePanel, LatitudeLab, LongitudeLab, AltitudeLab})
        place->addWidget(label);
    top->addLayout(place, 1);
    const struct {
        QGroupBox* TMoonSheet::*Group;
        std::array<QRadioButton*, 2> TMoonSheet::*Items;
        const char* Name;
        const char* Title;
        const char* First;
        const char* Second;
    } groups[] = {
        {&TMoonSheet::LocalTimeRadioGroup, &TMoonSheet::LocalTimeRadioItems, "LocalTimeRadioGroup",
         " Time: ", "Local", "GMT"},
        {&TMoonSheet::AmPmTimeRadioGroup, &TMoonSheet::AmPmTimeRadioItems, "AmPmTimeRadioGroup",
         " Clock: ", "AM PM", "24 Hour"},
        {&TMoonSheet::HemisphereRadioGroup, &TMoonSheet::HemisphereRadioItems,
         "HemisphereRadioGroup", " Hemisphere: ", "North", "South"},
    };
    for (const auto& g : groups) {
        this->*g.Group =
            NewRadioGroup(content, QString::fromLatin1(g.Name), QString::fromLatin1(g.First),
                          QString::fromLatin1(g.Second), this->*g.Items, Qt::Vertical);
        (this->*g.Group)->setTitle(QString::fromLatin1(g.Title));
        top->addWidget(this->*g.Group, 0, Qt::AlignTop);
    }
    column->addLayout(top);

    column->addWidget(BuildBodyGroup(content, QStringLiteral("MoonRiseSetGroupBox"),
                                     QStringLiteral("Moon"),
                                     {&MoonRiseLab1, &MoonRiseLab2, &MoonRiseLab3, &MoonSetLab1,
                                      &MoonSetLab2, &MoonSetLab3, &MoonUpLab},
                                     &AzimuthMoonPanel, &AltitudeMoonPanel));
    MoonRiseSetGroupBox = content->findChild<QGroupBox*>(QStringLiteral("MoonRiseSetGroupBox"));
    ViewMoonBut1 =
        NewPageButton(MoonRiseSetGroupBox, QStringLiteral("View 1"),
                      QStringLiteral("Get Moon Image 1"), QStringLiteral("ViewMoonBut1"));
    ViewMoonBut2 =
        NewPageButton(MoonRiseSetGroupBox, QStringLiteral("View 2"),
                      QStringLiteral("Get Moon Image 2"), QStringLiteral("ViewMoonBut2"));
    AddToPositionLine(MoonRiseSetGroupBox, ViewMoonBut1);
    AddToPositionLine(MoonRiseSetGroupBox, ViewMoonBut2);
    column->addWidget(BuildBodyGroup(content, QStringLiteral("SunGroupBox"), QStringLiteral("Sun"),
                                     {&SunRiseLab1, &SunRiseLab2, &SunRiseLab3, &SunSetLab1,
                                      &SunSetLab2, &SunSetLab3, &SunUpLab},
                                     &AzimuthSunPanel, &AltitudeSunPanel));
    SunGroupBox = content->findChild<QGroupBox*>(QStringLiteral("SunGroupBox"));
    UsnoBut =
        NewPageButton(SunGroupBox, QStringLiteral("USNO Data"),
                      QStringLiteral("Get US Naval Observatory Info"), QStringLiteral("UsnoBut"));
    AddToPositionLine(SunGroupBox, UsnoBut);
    DayHoursLab = NewLabel(SunGroupBox, QStringLiteral("DayHoursLab"));
    static_cast<QGridLayout*>(SunGroupBox->layout())->addWidget(DayHoursLab, 3, 1);

    MoonPhaseGroupBox = NewGroup(content, QStringLiteral("MoonPhaseGroupBox"));
    QGridLayout* phases = NewGroupGrid(MoonPhaseGroupBox);
    for (int n = 0; n < 5; ++n) {
        const size_t i = static_cast<size_t>(n);
        PhaseButtons[i] = NewButton(MoonPhaseGroupBox, QStringLiteral("But%1").arg(n + 1));
        PhaseLabels[i] = NewLabel(MoonPhaseGroupBox, QStringLiteral("Label%1").arg(n + 1));
        PhaseLabels[i]->setCursor(Qt::PointingHandCursor);
        PhaseTimeLabels[i] = NewLabel(MoonPhaseGroupBox, QStringLiteral("TimeLabel%1").arg(n + 1));
        phases->addWidget(PhaseButtons[i], n, 0);
        phases->addWidget(PhaseLabels[i], n, 1);
        phases->addWidget(PhaseTimeLabels[i], n, 2);
    }
    column->addWidget(MoonPhaseGroupBox);

    EquinoxSolsticeGroupBox = NewGroup(content, QStringLiteral("EquinoxSolsticeGroupBox"));
    QGridLayout* seasons = NewGroupGrid(EquinoxSolsticeGroupBox);
    for (int n = 0; n < 4; ++n) {
        const size_t i = static_cast<size_t>(n);
        SeasonLabels[i] =
            NewLabel(EquinoxSolsticeGroupBox, QStringLiteral("SunLabel%1").arg(n + 1));
        SeasonLabels[i]->setCursor(Qt::PointingHandCursor);
        SeasonTimeLabels[i] =
            NewLabel(EquinoxSolsticeGroupBox, QStringLiteral("SunTimeLabel%1").arg(n + 1));
        seasons->addWidget(SeasonLabels[i], n, 0);
        seasons->addWidget(SeasonTimeLabels[i], n, 1);
    }
    column->addWidget(EquinoxSolsticeGroupBox);

    DaylightGroupBox = NewGroup(content, QStringLiteral("DaylightGroupBox"));
    QGridLayout* daylight = NewGroupGrid(DaylightGroupBox);
    FirstBut = NewButton(DaylightGroupBox, QStringLiteral("FirstBut"));
    SecondBut = NewButton(DaylightGroupBox, QStringLiteral("SecondBut"));
    DaylightStartLabel1 = NewLabel(DaylightGroupBox, QStringLiteral("DaylightStartLabel1"));
    DaylightStartLabel1->setCursor(Qt::PointingHandCursor);
    DaylightStartLabel2 = NewLabel(DaylightGroupBox, QStringLiteral("DaylightStartLabel2"));
    DaylightEndLabel1 = NewLabel(DaylightGroupBox, QStringLiteral("DaylightEndLabel1"));
    DaylightEndLabel1->setCursor(Qt::PointingHandCursor);
    DaylightEndLabel2 = NewLabel(DaylightGroupBox, QStringLiteral("DaylightEndLabel2"));
    daylight->addWidget(FirstBut, 0, 0);
    daylight->addWidget(DaylightStartLabel1, 0, 1);
    daylight->addWidget(DaylightStartLabel2, 0, 2);
    daylight->addWidget(SecondBut, 1, 0);
    daylight->addWidget(DaylightEndLabel1, 1, 1);
    daylight->addWidget(DaylightEndLabel2, 1, 2);
    column->addWidget(DaylightGroupBox);

    MapBox = NewGroup(content, QStringLiteral("MapBox"));
    MapBox->setTitle(QStringLiteral(" Maps "));
    auto* maps = new QHBoxLayout(MapBox);
    maps->setContentsMargins(6, 2, 6, 4);
    GetMapBut2 =
        NewPageButton(MapBox, QStringLiteral("Get Map"), QString(), QStringLiteral("GetMapBut2"));
    Image8 = new TLinkLabel(QStringLiteral("MapQuest"), QStringLiteral("Image8"), MapBox);
    Image12 = new TLinkLabel(QStringLiteral("TopoZone"), QStringLiteral("Image12"), MapBox);
    GoToMapPageBut1 = NewPageButton(MapBox, QStringLiteral("Go To Maps"), QString(),
                                    QStringLiteral("GoToMapPageBut1"));
    maps->addWidget(GetMapBut2);
    maps->addWidget(Image8);
    maps->addWidget(Image12);
    maps->addStretch();
    maps->addWidget(GoToMapPageBut1);
    column->addWidget(MapBox);
    column->addStretch();
}

}  // namespace orbelune
