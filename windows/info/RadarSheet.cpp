#include "RadarSheet.h"

#include "AnimationSteps.h"
#include "ImageCommandRow.h"
#include "ImageryLinks.h"
#include "PictureBox.h"
#include "RadarSites.h"
#include "RadarState.h"
#include "RadarTabTexts.h"
#include "RequestButton.h"
#include "ScrolledPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace orbelune {

namespace {

template <typename TWidget>
TWidget* Named(TWidget* Widget, const char* Name) {
    Widget->setObjectName(QString::fromLatin1(Name));
    return Widget;
}

// A control that keeps its place in the layout while hidden, so that switching between
// a mosaic and a site does not move the rest of the tab.
template <typename TWidget>
TWidget* Steady(TWidget* Widget) {
    QSizePolicy policy = Widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Widget->setSizePolicy(policy);
    return Widget;
}

QLabel* Link(QWidget* Owner, const char* Name, const QString& Caption, TImageryLink Page) {
    auto* label = Named(new QLabel(Owner), Name);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(ImageryLinkAddress(Page).toHtmlEscaped(), Caption));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setToolTip(ImageryLinkAddress(Page));
    return label;
}

constexpr int LastWarningLab = 3;
constexpr int MinimumBoxCharacters = 10;
// The map keeps at least this much room before the tab scrolls it.
constexpr int MapMinimumHeight = 120;

}  // namespace

TRadarSheet::TRadarSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("RadarSheet"));
    Radar = new TRadarState(this);
    // The map takes what the window leaves; below its least size the tab scrolls.
    content_ = ScrolledPage(this, QStringLiteral("RadarSheetContent"));
    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    column->addWidget(createLocationRow());
    auto* choices = new QHBoxLayout;
    choices->addWidget(createLayerBoxes());
    choices->addStretch(1);
    choices->addWidget(createDirectionPanel());
    column->addLayout(choices);
    column->addWidget(createLoopRow());
    column->addWidget(createTimeRow());
    column->addWidget(createMap(), 1);
    column->addWidget(createMapControls());
    connectControls();
    connectState();
}

QWidget* TRadarSheet::createLocationRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    RadarLocationBox = Named(new QComboBox(row), "RadarLocationBox");
    for (const char* name : RadarLocationNames)
        RadarLocationBox->addItem(QString::fromLatin1(name));
    RadarLocationBox->setMaxVisibleItems(20);
    RadarReflectivityBox = Steady(Named(new QComboBox(row), "RadarReflectivityBox"));
    RadarReflectivityBox->addItems(RadarProductNames());
    // The boxes give up width before the tab has to scroll; their lists stay whole.
    for (QComboBox* box : {RadarLocationBox, RadarReflectivityBox}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(MinimumBoxCharacters);
    }
    requestBut_ = new TRequestButton(QStringLiteral("Get Radar"), QStringLiteral("GetRadarBut"),
                                     QStringLiteral("CancelRadarBut"), row);
    GetRadarBut = requestBut_->StartBut;
    CancelRadarBut = requestBut_->CancelBut;
    MainUSABut = Named(new QPushButton(QStringLiteral("USA Map"), row), "MainUSABut");
    ZoomBut = Steady(Named(new QPushButton(QStringLiteral("Zoom In"), row), "ZoomBut"));
    layout->addWidget(RadarLocationBox, 3);
    layout->addWidget(RadarReflectivityBox, 2);
    layout->addWidget(requestBut_);
    layout->addWidget(MainUSABut);
    layout->addWidget(ZoomBut);
    return row;
}

QWidget* TRadarSheet::createLayerBoxes() {
    auto* boxes = new QWidget(this);
    auto* grid = new QGridLayout(boxes);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    const struct {
        QCheckBox* TRadarSheet::*Box;
        const char* Name;
        const char* Caption;
    } layers[] = {
        {&TRadarSheet::TopoBox, "TopoBox", "Topo"},
        {&TRadarSheet::RadarBox, "RadarBox", "Radar"},
        {&TRadarSheet::CountiesBox, "CountiesBox", "Counties"},
        {&TRadarSheet::RiversBox, "RiversBox", "Rivers"},
        {&TRadarSheet::HighwaysBox, "HighwaysBox", "Highways"},
        {&TRadarSheet::CitiesBox, "CitiesBox", "Cities"},
        {&TRadarSheet::WarningsBox, "WarningsBox", "Warnings"},
        {&TRadarSheet::RangeRingBox, "RangeRingBox", "Range Rings"},
        {&TRadarSheet::LegendBox, "LegendBox", "Legend"},
        {&TRadarSheet::WarningsTextBox, "WarningsTextBox", "Warning Labels"},
        {&TRadarSheet::ShowSitesBox, "ShowSitesBox", "Tiny Circles"},
        {&TRadarSheet::RadarHintsBox, "RadarHintsBox", "Show Hints"},
    };
    constexpr int columns = 4;
    int n = 0;
    for (const auto& layer : layers) {
        auto* box = Named(new QCheckBox(QString::fromLatin1(layer.Caption), boxes), layer.Name);
        this->*layer.Box = box;
        grid->addWidget(box, n / columns, n % columns);
        ++n;
    }
    // Only a site's image has layers; the last two apply to every map.
    for (QCheckBox* box : {TopoBox, RadarBox, CountiesBox, RiversBox, HighwaysBox, CitiesBox,
                           WarningsBox, RangeRingBox, LegendBox, WarningsTextBox})
        Steady(box);
    return boxes;
}

QWidget* TRadarSheet::createLoopRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    LoopRadarBut = Named(new QToolButton(row), "LoopRadarBut");
    LoopRadarBut->setText(QStringLiteral("ROCK"));
    LoopRadarBut->setToolTip(QStringLiteral("Loop or rock the frames"));
    AnimateRadarBox = Named(new QCheckBox(QStringLiteral("Animate"), row), "AnimateRadarBox");
    RepeatRadarBox = Named(new QCheckBox(QStringLiteral("Repeat"), row), "RepeatRadarBox");
    PrevRadarImageBut = Named(new QToolButton(row), "PrevRadarImageBut");
    PrevRadarImageBut->setText(QStringLiteral("REV"));
    PrevRadarImageBut->setArrowType(Qt::LeftArrow);
    PrevRadarImageBut->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    PrevRadarImageBut->setToolTip(QStringLiteral("Previous frame"));
    NextRadarImageBut = Named(new QToolButton(row), "NextRadarImageBut");
    NextRadarImageBut->setText(QStringLiteral("FWD"));
    NextRadarImageBut->setArrowType(Qt::RightArrow);
    NextRadarImageBut->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    NextRadarImageBut->setToolTip(QStringLiteral("Next frame"));
    RadarImageNumLab = Named(new QLabel(row), "RadarImageNumLab");
    RadarImageNumLab->setMinimumWidth(
        RadarImageNumLab->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    MaxImagesUpDown = Named(new QSpinBox(row), "MaxImagesUpDown");
    MaxImagesUpDown->setRange(1, RadarFrameSlots);
    MaxImagesUpDown->setToolTip(QStringLiteral("Frames to load"));
    auto* framesLab = Named(new QLabel(QStringLiteral("Frames"), row), "MaxImagesLab");
    framesLab->setBuddy(MaxImagesUpDown);
    SpeedUpDown = Named(new QSpinBox(row), "SpeedUpDown");
    SpeedUpDown->setRange(SpeedPositionMin, SpeedPositionMax);
    SpeedUpDown->setToolTip(QStringLiteral("Animation speed"));
    auto* speedLab = Named(new QLabel(QStringLiteral("Speed"), row), "SpeedLab");
    speedLab->setBuddy(SpeedUpDown);
    for (QWidget* w : std::initializer_list<QWidget*>{
             LoopRadarBut, AnimateRadarBox, RepeatRadarBox, PrevRadarImageBut, RadarImageNumLab,
             NextRadarImageBut, framesLab, MaxImagesUpDown, speedLab, SpeedUpDown})
        layout->addWidget(w);
    layout->addStretch(1);
    return row;
}

QWidget* TRadarSheet::createTimeRow() {
    auto* rows = new QWidget(this);
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    LastRadarLab1 = Named(new QLabel(rows), "LastRadarLab1");
    // It may carry a server's words, which are never markup, and wraps rather than
    // widen the tab.
    LastRadarLab1->setTextFormat(Qt::PlainText);
    LastRadarLab1->setWordWrap(true);
    // The line keeps its height while it is empty.
    LastRadarLab1->setMinimumHeight(LastRadarLab1->fontMetrics().height());
    column->addWidget(LastRadarLab1);
    auto* warnings = new QHBoxLayout;
    warnings->setSpacing(12);
    const char* names[] = {"WarningLab1", "WarningLab2", "WarningLab3", "WarningLab4"};
    for (int i = 0; i <= LastWarningLab; ++i) {
        QLabel* lab = Named(new QLabel(rows), names[i]);
        QFont bold = lab->font();
        bold.setBold(true);
        lab->setFont(bold);
        lab->hide();
        warnings->addWidget(lab);
        WarningLabs[std::size_t(i)] = lab;
    }
    warnings->addStretch(1);
    column->addLayout(warnings);
    return rows;
}

QWidget* TRadarSheet::createMap() {
    RadarScrollBox = Named(new QScrollArea(this), "RadarScrollBox");
    RadarScrollBox->setBackgroundRole(QPalette::Dark);
    RadarScrollBox->setMinimumHeight(MapMinimumHeight);
    Image6 = Named(new TPictureBox(RadarScrollBox), "Image6");
    RadarScrollBox->setWidget(Image6);
    Image6->installEventFilter(this);
    return RadarScrollBox;
}

QWidget* TRadarSheet::createDirectionPanel() {
    RadarButPanel = Steady(Named(new QFrame(this), "RadarButPanel"));
    auto* grid = new QGridLayout(RadarButPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    // Tags 1..8 are N, NE, E, SE, S, SW, W, NW, laid out as on a compass.
    const struct {
        const char* Caption;
        int Row, Column;
    } places[DirectionButtonCount] = {{"N", 0, 1}, {"NE", 0, 2}, {"E", 1, 2}, {"SE", 2, 2},
                                      {"S", 2, 1}, {"SW", 2, 0}, {"W", 1, 0}, {"NW", 0, 0}};
    const int side = fontMetrics().horizontalAdvance(QStringLiteral("NWW")) + 6;
    for (int tag = 1; tag <= DirectionButtonCount; ++tag) {
        auto* button = new QToolButton(RadarButPanel);
        button->setObjectName(QStringLiteral("RadBut%1").arg(tag));
        button->setText(QString::fromLatin1(places[tag - 1].Caption));
        button->setAutoRaise(true);
        button->setMinimumSize(side, side * 2 / 3);
        button->installEventFilter(this);
        Steady(button);
        grid->addWidget(button, places[tag - 1].Row, places[tag - 1].Column);
        RadButs[std::size_t(tag - 1)] = button;
    }
    auto* go = Named(new QLabel(QStringLiteral("Go"), RadarButPanel), "RadarGoLab");
    go->setAlignment(Qt::AlignCenter);
    grid->addWidget(go, 1, 1);
    return RadarButPanel;
}

QWidget* TRadarSheet::createMapControls() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    LeftClickGroup = Named(new QGroupBox(QStringLiteral(" Left Click "), row), "LeftClickGroup");
    auto* clicks = new QVBoxLayout(LeftClickGroup);
    clicks->setContentsMargins(6, 2, 6, 2);
    clicks->setSpacing(0);
    LeftClickItems[0] =
        Named(new QRadioButton(QStringLiteral("Move Radar"), LeftClickGroup), "LeftClickGroup0");
    LeftClickItems[1] =
        Named(new QRadioButton(QStringLiteral("Distance"), LeftClickGroup), "LeftClickGroup1");
    for (QRadioButton* item : LeftClickItems) clicks->addWidget(item);
    layout->addWidget(LeftClickGroup, 0, Qt::AlignTop);

    auto* place = new QWidget(row);
    auto* grid = new QGridLayout(place);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    SiteNameLab = Named(new QLabel(place), "SiteNameLab");
    LonLab2 = Named(new QLabel(place), "LonLab2");
    LonLab3 = Named(new QLabel(place), "LonLab3");
    LatLab2 = Named(new QLabel(place), "LatLab2");
    LatLab3 = Named(new QLabel(place), "LatLab3");
    MilesLab = Named(new QLabel(place), "MilesLab");
    KMLab = Named(new QLabel(place), "KMLab");
    auto* lonCaption = Named(new QLabel(QStringLiteral("Lon:"), place), "LonLab1");
    auto* latCaption = Named(new QLabel(QStringLiteral("Lat:"), place), "LatLab1");
    grid->addWidget(SiteNameLab, 0, 0, 1, 3);
    grid->addWidget(lonCaption, 1, 0);
    grid->addWidget(LonLab2, 1, 1);
    grid->addWidget(LonLab3, 1, 2);
    grid->addWidget(latCaption, 2, 0);
    grid->addWidget(LatLab2, 2, 1);
    grid->addWidget(LatLab3, 2, 2);
    grid->addWidget(MilesLab, 3, 1);
    grid->addWidget(KMLab, 3, 2);
    grid->setColumnStretch(2, 1);
    layout->addWidget(place, 1, Qt::AlignTop);
    // Beside the position labels, which leave room even at the window's least width.
    RadarCommands = new TImageCommandRow(QStringLiteral("Radar"), row);
    layout->addWidget(RadarCommands, 0, Qt::AlignTop);
    layout->addWidget(createLinks(), 0, Qt::AlignTop);
    return row;
}

QWidget* TRadarSheet::createLinks() {
    auto* links = new QWidget(this);
    auto* column = new QVBoxLayout(links);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    RadarInfoLab =
        Link(links, "RadarInfoLab", QStringLiteral("Radar Info"), TImageryLink::RadarInfo);
    GroundClutterLab = Link(links, "GroundClutterLab", QStringLiteral("Clutter Info"),
                            TImageryLink::GroundClutter);
    NatHurricaneCenterLab =
        Link(links, "NatHurricaneCenterLab", QStringLiteral("National Hurricane Center"),
             TImageryLink::HurricaneCenter);
    NOAASatelliteLab = Link(links, "NOAASatelliteLab", QStringLiteral("NOAA Satellite Images"),
                            TImageryLink::SatelliteImages);
    for (QLabel* label : {RadarInfoLab, GroundClutterLab, NatHurricaneCenterLab, NOAASatelliteLab})
        column->addWidget(label);
    return links;
}

}  // namespace orbelune
