#include "PlanetSheet.h"

#include "LinkLabel.h"
#include "RadioGroup.h"
#include "ScrolledPage.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace orbelune {

namespace {

QPlainTextEdit* NewMemo(QWidget* Owner, const QString& Name) {
    auto* memo = new QPlainTextEdit(Owner);
    memo->setObjectName(Name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Columns of numbers line up only in a fixed-pitch font.
    memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return memo;
}

}  // namespace

TPlanetSheet::TPlanetSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("PlanetSheet"));
    QWidget* content = ScrolledPage(this, QStringLiteral("PlanetSheetContent"));
    auto* column = new QVBoxLayout(content);

    EclipsesGroupBox = new QGroupBox(content);
    EclipsesGroupBox->setObjectName(QStringLiteral("EclipsesGroupBox"));
    auto* eclipses = new QVBoxLayout(EclipsesGroupBox);
    EclipseRadioGroup = NewRadioGroup(EclipsesGroupBox, QStringLiteral("EclipseRadioGroup"),
                                      QStringLiteral("Summary View"),
                                      QStringLiteral("Detailed View"), EclipseRadioItems);
    eclipses->addWidget(EclipseRadioGroup);
    EclipseRows = new QWidget(EclipsesGroupBox);
    EclipseRows->setObjectName(QStringLiteral("EclipseRows"));
    // Seven close lines, so that the rows and the planet table share a small window.
    auto* rows = new QGridLayout(EclipseRows);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setVerticalSpacing(1);
    for (int n = 0; n < EclipseRowCount; ++n) {
        const size_t i = static_cast<size_t>(n);
        EclipseButs[i] = new QToolButton(EclipseRows);
        EclipseButs[i]->setObjectName(QStringLiteral("EclipseBut%1").arg(n + 1));
        EclipseButs[i]->setToolTip(QStringLiteral("Go to Eclipse"));
        EclipseButs[i]->setAutoRaise(true);
        EclipseButs[i]->setIconSize(QSize(16, 16));
        EclipseButs[i]->setFixedSize(20, 18);
        EclipseLabs[i] = new QLabel(EclipseRows);
        EclipseLabs[i]->setObjectName(QStringLiteral("EclipseLab%1").arg(n + 1));
        EclipseLabs[i]->setTextFormat(Qt::PlainText);
        EclipseLabs[i]->setCursor(Qt::PointingHandCursor);
        EclipseTimeLabs[i] = new QLabel(EclipseRows);
        EclipseTimeLabs[i]->setObjectName(QStringLiteral("EclipseTimeLab%1").arg(n + 1));
        rows->addWidget(EclipseButs[i], n, 0);
        rows->addWidget(EclipseLabs[i], n, 1);
        rows->addWidget(EclipseTimeLabs[i], n, 2);
    }
    eclipses->addWidget(EclipseRows);
    EclipseMemo = NewMemo(EclipsesGroupBox, QStringLiteral("EclipseMemo"));
    eclipses->addWidget(EclipseMemo, 1);
    // Below the rows of the summary view the group stays empty.
    eclipses->addStretch();
    auto* years = new QHBoxLayout;
    years->addWidget(EclipsesGroupBox, 1);
    years->addWidget(createMeteors(content), 0, Qt::AlignTop);
    column->addLayout(years, 1);

    PlanetsGroupBox = new QGroupBox(content);
    PlanetsGroupBox->setObjectName(QStringLiteral("PlanetsGroupBox"));
    auto* planets = new QVBoxLayout(PlanetsGroupBox);
    PlanetRadioGroup = NewRadioGroup(PlanetsGroupBox, QStringLiteral("PlanetRadioGroup"),
                                     QStringLiteral("Earth Surface Coordinates"),
                                     QStringLiteral("Astronomical Coordinates"), PlanetRadioItems);
    planets->addWidget(PlanetRadioGroup);
    PlanetsMemo = NewMemo(PlanetsGroupBox, QStringLiteral("PlanetsMemo"));
    // Room for the table's twelve lines and a spare one; the eclipses take the rest of
    // the window.
    const int frame = 2 * (PlanetsMemo->frameWidth() + 4);
    PlanetsMemo->setFixedHeight(13 * PlanetsMemo->fontMetrics().lineSpacing() + frame);
    planets->addWidget(PlanetsMemo);
    planets->addLayout(createSiderealTime());
    PlanetsLabel1 = new QLabel(PlanetsGroupBox);
    PlanetsLabel1->setObjectName(QStringLiteral("PlanetsLabel1"));
    PlanetsLabel2 = new QLabel(PlanetsGroupBox);
    PlanetsLabel2->setObjectName(QStringLiteral("PlanetsLabel2"));
    planets->addWidget(PlanetsLabel1);
    planets->addWidget(PlanetsLabel2);
    auto* links = new QHBoxLayout;
    ViewSkyBut = new QPushButton(QStringLiteral("View Sky"), PlanetsGroupBox);
    ViewSkyBut->setObjectName(QStringLiteral("ViewSkyBut"));
    ViewSkyBut->setToolTip(QStringLiteral("Get View of Sky"));
    USNOLab = new TLinkLabel(QStringLiteral("US Naval Observatory"), QStringLiteral("USNOLab"),
                             PlanetsGroupBox);
    SkyMapLab =
        new TLinkLabel(QStringLiteral("Get Sky Map"), QStringLiteral("SkyMapLab"), PlanetsGroupBox);
    links->addWidget(ViewSkyBut);
    links->addStretch();
    links->addWidget(USNOLab);
    links->addSpacing(12);
    links->addWidget(SkyMapLab);
    planets->addLayout(links);
    column->addWidget(PlanetsGroupBox);
}

// One flat button a shower, captioned as the Go To menus name it.
QGroupBox* TPlanetSheet::createMeteors(QWidget* Owner) {
    MeteorsGroupBox = new QGroupBox(Owner);
    MeteorsGroupBox->setObjectName(QStringLiteral("MeteorsGroupBox"));
    auto* buttons = new QVBoxLayout(MeteorsGroupBox);
    buttons->setContentsMargins(6, 2, 6, 4);
    buttons->setSpacing(1);
    const std::span<const TMeteorShower> showers = MeteorShowers();
    for (size_t i = 0; i < MeteorButs.size(); ++i) {
        const QString caption = QString::fromLatin1(showers[i].Caption);
        QToolButton* button = new QToolButton(MeteorsGroupBox);
        button->setObjectName(QStringLiteral("MeteorBut%1").arg(i + 1));
        button->setText(caption);
        button->setToolTip(QStringLiteral("Go To ") + caption.section(QStringLiteral(" - "), 1));
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        buttons->addWidget(button);
        MeteorButs[i] = button;
    }
    return MeteorsGroupBox;
}

// The time in a sunken panel, as on the Time tab, with its caption beside it.
QHBoxLayout* TPlanetSheet::createSiderealTime() {
    SiderealTimePanel2 = new QLabel(PlanetsGroupBox);
    SiderealTimePanel2->setObjectName(QStringLiteral("SiderealTimePanel2"));
    SiderealTimePanel2->setFrameShape(QFrame::Panel);
    SiderealTimePanel2->setFrameShadow(QFrame::Sunken);
    SiderealTimePanel2->setMinimumWidth(
        SiderealTimePanel2->fontMetrics().horizontalAdvance(QStringLiteral(" 00:00:00 ")));
    SiderealTimeLabel2 =
        new QLabel(QStringLiteral(" Local Apparent Sidereal Time"), PlanetsGroupBox);
    SiderealTimeLabel2->setObjectName(QStringLiteral("SiderealTimeLabel2"));
    auto* row = new QHBoxLayout;
    row->addWidget(SiderealTimePanel2);
    row->addWidget(SiderealTimeLabel2);
    row->addStretch();
    return row;
}

}  // namespace orbelune
