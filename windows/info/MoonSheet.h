#pragma once
// The Moon tab: the moon picture with its phase lines, the choices of local or
// Greenwich time, a 12- or 24-hour clock and the hemisphere the sky is seen from,
// moonrise and moonset, sunrise and sunset, the positions of both, the month's phases,
// the year's equinoxes and solstices, the daylight-saving changes and the location. The
// page builds its controls; the information window fills them.

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace orbelune {

class TLinkLabel;
class TMoon;

class TMoonSheet final : public QWidget {
    Q_OBJECT

public:
    explicit TMoonSheet(QWidget* Parent = nullptr);

    TMoon* Moon1 = nullptr;
    QLabel* PhaseLab1 = nullptr;
    QLabel* PhaseLab2 = nullptr;
    QCheckBox* AnimateMoonBox = nullptr;

    QGroupBox* LocalTimeRadioGroup = nullptr;
    std::array<QRadioButton*, 2> LocalTimeRadioItems{};  // local, Greenwich
    QGroupBox* AmPmTimeRadioGroup = nullptr;
    std::array<QRadioButton*, 2> AmPmTimeRadioItems{};  // "AM PM", "24 Hour"
    QGroupBox* HemisphereRadioGroup = nullptr;
    std::array<QRadioButton*, 2> HemisphereRadioItems{};  // northern, southern

    QGroupBox* MoonRiseSetGroupBox = nullptr;
    QLabel* MoonRiseLab1 = nullptr;
    QLabel* MoonRiseLab2 = nullptr;
    QLabel* MoonRiseLab3 = nullptr;
    QLabel* MoonSetLab1 = nullptr;
    QLabel* MoonSetLab2 = nullptr;
    QLabel* MoonSetLab3 = nullptr;
    QLabel* MoonUpLab = nullptr;
    QLabel* AzimuthMoonPanel = nullptr;
    QLabel* AltitudeMoonPanel = nullptr;
    QPushButton* ViewMoonBut1 = nullptr;
    QPushButton* ViewMoonBut2 = nullptr;

    QGroupBox* SunGroupBox = nullptr;
    QLabel* SunRiseLab1 = nullptr;
    QLabel* SunRiseLab2 = nullptr;
    QLabel* SunRiseLab3 = nullptr;
    QLabel* SunSetLab1 = nullptr;
    QLabel* SunSetLab2 = nullptr;
    QLabel* SunSetLab3 = nullptr;
    QLabel* SunUpLab = nullptr;
    QLabel* DayHoursLab = nullptr;
    QLabel* AzimuthSunPanel = nullptr;
    QLabel* AltitudeSunPanel = nullptr;
    QPushButton* UsnoBut = nullptr;

    QGroupBox* MoonPhaseGroupBox = nullptr;
    std::array<QLabel*, 5> PhaseLabels{};        // Label1 .. Label5
    std::array<QLabel*, 5> PhaseTimeLabels{};    // TimeLabel1 .. TimeLabel5
    std::array<QToolButton*, 5> PhaseButtons{};  // But1 .. But5

    QGroupBox* EquinoxSolsticeGroupBox = nullptr;
    std::array<QLabel*, 4> SeasonLabels{};      // SunLabel1 .. SunLabel4
    std::array<QLabel*, 4> SeasonTimeLabels{};  // SunTimeLabel1 .. SunTimeLabel4

    QGroupBox* DaylightGroupBox = nullptr;
    QLabel* DaylightStartLabel1 = nullptr;
    QLabel* DaylightStartLabel2 = nullptr;
    QLabel* DaylightEndLabel1 = nullptr;
    QLabel* DaylightEndLabel2 = nullptr;
    QToolButton* FirstBut = nullptr;
    QToolButton* SecondBut = nullptr;

    QLabel* PlaceNamePanel = nullptr;
    QLabel* LatitudeLab = nullptr;
    QLabel* LongitudeLab = nullptr;
    QLabel* AltitudeLab = nullptr;

    QGroupBox* MapBox = nullptr;
    QPushButton* GetMapBut2 = nullptr;
    TLinkLabel* Image8 = nullptr;   // the street map of the place
    TLinkLabel* Image12 = nullptr;  // the topographic map of the place
    QPushButton* GoToMapPageBut1 = nullptr;
};

}  // namespace orbelune
