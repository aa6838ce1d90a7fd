#pragma once
// The Planet tab: the year's eclipses as seven rows or a detailed memo, beside them the
// year's meteor showers as buttons, and the planet table with the local sidereal time
// beside it, which the clock update writes every second. The page builds its controls;
// the information window fills them.

#include "DateNavigation.h"
#include "PlanetTabTexts.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace orbelune {

class TLinkLabel;

class TPlanetSheet final : public QWidget {
    Q_OBJECT

public:
    explicit TPlanetSheet(QWidget* Parent = nullptr);

    QGroupBox* EclipsesGroupBox = nullptr;
    std::array<QLabel*, EclipseRowCount> EclipseLabs{};       // EclipseLab1 .. 7
    std::array<QLabel*, EclipseRowCount> EclipseTimeLabs{};   // EclipseTimeLab1 .. 7
    std::array<QToolButton*, EclipseRowCount> EclipseButs{};  // EclipseBut1 .. 7
    QWidget* EclipseRows = nullptr;
    QPlainTextEdit* EclipseMemo = nullptr;
    QGroupBox* EclipseRadioGroup = nullptr;
    std::array<QRadioButton*, 2> EclipseRadioItems{};  // "Summary View", "Detailed View"

    QGroupBox* MeteorsGroupBox = nullptr;
    std::array<QToolButton*, MeteorShowerCount> MeteorButs{};  // MeteorBut1 .. 9

    QGroupBox* PlanetsGroupBox = nullptr;
    QGroupBox* PlanetRadioGroup = nullptr;
    std::array<QRadioButton*, 2> PlanetRadioItems{};  // Earth surface, astronomical
    QPlainTextEdit* PlanetsMemo = nullptr;
    QLabel* SiderealTimePanel2 = nullptr;
    QLabel* SiderealTimeLabel2 = nullptr;
    QLabel* PlanetsLabel1 = nullptr;
    QLabel* PlanetsLabel2 = nullptr;
    QPushButton* ViewSkyBut = nullptr;
    TLinkLabel* USNOLab = nullptr;
    TLinkLabel* SkyMapLab = nullptr;

private:
    QGroupBox* createMeteors(QWidget* Owner);
    QHBoxLayout* createSiderealTime();
};

}  // namespace orbelune
