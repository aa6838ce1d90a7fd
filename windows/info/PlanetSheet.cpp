#include "PlanetSheet.h"

#include "ScrolledPage.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
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

QGroupBox* NewRadioGroup(QWidget* Owner, const QString& Name, const QString& First,
                         const QString& Second, std::array<QRadioButton*, 2>& Items) {
    auto* group = new QGroupBox(Owner);
    group->setObjectName(Name);
    group->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 2);
    Items[0] = new QRadioButton(First, group);
    Items[1] = new QRadioButton(Second, group);
    for (size_t i = 0; i < Items.size(); ++i) {
        Items[i]->setObjectName(Name + QString::number(i));
        row->addWidget(Items[i]);
    }
    return group;
}

}  // namespace

TPlanetSheet BuildPlanetSheet(QWidget* Page) {
    TPlanetSheet s;
    QWidget* content = ScrolledPage(Page, QStringLiteral("PlanetSheetContent"));
    auto* column = new QVBoxLayout(content);

    s.EclipsesGroupBox = new QGroupBox(content);
    s.EclipsesGroupBox->setObjectName(QStringLiteral("EclipsesGroupBox"));
    auto* eclipses = new QVBoxLayout(s.EclipsesGroupBox);
    s.EclipseRadioGroup = NewRadioGroup(s.EclipsesGroupBox, QStringLiteral("EclipseRadioGroup"),
                                        QStringLiteral("Summary View"),
                                        QStringLiteral("Detailed View"), s.EclipseRadioItems);
    eclipses->addWidget(s.EclipseRadioGroup);
    s.EclipseRows = new QWidget(s.EclipsesGroupBox);
    s.EclipseRows->setObjectName(QStringLiteral("EclipseRows"));
    // Seven close lines, so that the rows and the planet table share a small window.
    auto* rows = new QGridLayout(s.EclipseRows);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setVerticalSpacing(1);
    for (int n = 0; n < EclipseRowCount; ++n) {
        const size_t i = static_cast<size_t>(n);
        s.EclipseButs[i] = new QToolButton(s.EclipseRows);
        s.EclipseButs[i]->setObjectName(QStringLiteral("EclipseBut%1").arg(n + 1));
        s.EclipseButs[i]->setToolTip(QStringLiteral("Go to Eclipse"));
        s.EclipseButs[i]->setAutoRaise(true);
        s.EclipseButs[i]->setIconSize(QSize(16, 16));
        s.EclipseButs[i]->setFixedSize(20, 18);
        s.EclipseLabs[i] = new QLabel(s.EclipseRows);
        s.EclipseLabs[i]->setObjectName(QStringLiteral("EclipseLab%1").arg(n + 1));
        s.EclipseLabs[i]->setTextFormat(Qt::PlainText);
        s.EclipseLabs[i]->setCursor(Qt::PointingHandCursor);
        s.EclipseTimeLabs[i] = new QLabel(s.EclipseRows);
        s.EclipseTimeLabs[i]->setObjectName(QStringLiteral("EclipseTimeLab%1").arg(n + 1));
        rows->addWidget(s.EclipseButs[i], n, 0);
        rows->addWidget(s.EclipseLabs[i], n, 1);
        rows->addWidget(s.EclipseTimeLabs[i], n, 2);
    }
    eclipses->addWidget(s.EclipseRows);
    s.EclipseMemo = NewMemo(s.EclipsesGroupBox, QStringLiteral("EclipseMemo"));
    eclipses->addWidget(s.EclipseMemo, 1);
    // Below the rows of the summary view the group stays empty.
    eclipses->addStretch();
    column->addWidget(s.EclipsesGroupBox, 1);

    s.PlanetsGroupBox = new QGroupBox(content);
    s.PlanetsGroupBox->setObjectName(QStringLiteral("PlanetsGroupBox"));
    auto* planets = new QVBoxLayout(s.PlanetsGroupBox);
    s.PlanetRadioGroup =
        NewRadioGroup(s.PlanetsGroupBox, QStringLiteral("PlanetRadioGroup"),
                      QStringLiteral("Earth Surface Coordinates"),
                      QStringLiteral("Astronomical Coordinates"), s.PlanetRadioItems);
    planets->addWidget(s.PlanetRadioGroup);
    s.PlanetsMemo = NewMemo(s.PlanetsGroupBox, QStringLiteral("PlanetsMemo"));
    // Room for the table's twelve lines and a spare one; the eclipses take the rest of
    // the window.
    const int frame = 2 * (s.PlanetsMemo->frameWidth() + 4);
    s.PlanetsMemo->setFixedHeight(13 * s.PlanetsMemo->fontMetrics().lineSpacing() + frame);
    planets->addWidget(s.PlanetsMemo);
    s.PlanetsLabel1 = new QLabel(s.PlanetsGroupBox);
    s.PlanetsLabel1->setObjectName(QStringLiteral("PlanetsLabel1"));
    s.PlanetsLabel2 = new QLabel(s.PlanetsGroupBox);
    s.PlanetsLabel2->setObjectName(QStringLiteral("PlanetsLabel2"));
    planets->addWidget(s.PlanetsLabel1);
    planets->addWidget(s.PlanetsLabel2);
    column->addWidget(s.PlanetsGroupBox);
    return s;
}

}  // namespace orbelune
