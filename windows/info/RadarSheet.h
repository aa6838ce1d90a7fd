#pragma once
// The Radar tab: the location and product boxes, "Get Radar", "USA Map" and the zoom,
// the layer check boxes, the loop controls (LOOP/ROCK, "Animate", "Repeat", REV, FWD,
// the frame count and the speed), the time line and the warning labels, the radar
// image in its scroll box with the eight direction buttons, the left-click choice
// ("Move Radar", "Distance"), the position and distance labels and the reference
// links.
//
// The page owns the radar state (TRadarState) and applies what it announces to the
// controls; the decisions come from the radar map and tab models. The information
// window drives the loop from the animation timer (AnimationTick) and hears from the
// page when the timer's need or pace changes.

#include "RadarMap.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace orbelune {

class TImageCommandRow;
class TPictureBox;
class TRequestButton;
class TRadarState;
struct TRadarRequest;
struct TRadarTimeLine;
struct TWarningLabel;

class TRadarSheet final : public QWidget {
    Q_OBJECT

public:
    explicit TRadarSheet(QWidget* Parent = nullptr);

    TRadarState* Radar = nullptr;

    QComboBox* RadarLocationBox = nullptr;
    QComboBox* RadarReflectivityBox = nullptr;
    QPushButton* GetRadarBut = nullptr;
    QPushButton* CancelRadarBut = nullptr;  // in Get Radar's place while a request runs
    QPushButton* MainUSABut = nullptr;
    QPushButton* ZoomBut = nullptr;
    QCheckBox* TopoBox = nullptr;
    QCheckBox* RadarBox = nullptr;
    QCheckBox* CountiesBox = nullptr;
    QCheckBox* RiversBox = nullptr;
    QCheckBox* HighwaysBox = nullptr;
    QCheckBox* CitiesBox = nullptr;
    QCheckBox* WarningsBox = nullptr;
    QCheckBox* RangeRingBox = nullptr;
    QCheckBox* LegendBox = nullptr;
    QCheckBox* WarningsTextBox = nullptr;
    QCheckBox* ShowSitesBox = nullptr;
    QCheckBox* RadarHintsBox = nullptr;
    QToolButton* LoopRadarBut = nullptr;
    QCheckBox* AnimateRadarBox = nullptr;
    QCheckBox* RepeatRadarBox = nullptr;
    QToolButton* PrevRadarImageBut = nullptr;
    QToolButton* NextRadarImageBut = nullptr;
    QLabel* RadarImageNumLab = nullptr;
    QSpinBox* MaxImagesUpDown = nullptr;
    QSpinBox* SpeedUpDown = nullptr;
    QLabel* LastRadarLab1 = nullptr;
    std::array<QLabel*, 4> WarningLabs{};
    QScrollArea* RadarScrollBox = nullptr;
    TPictureBox* Image6 = nullptr;
    TImageCommandRow* RadarCommands = nullptr;  // Save, Copy, Print
    QFrame* RadarButPanel = nullptr;
    std::array<QToolButton*, DirectionButtonCount> RadButs{};
    QGroupBox* LeftClickGroup = nullptr;
    std::array<QRadioButton*, 2> LeftClickItems{};
    QLabel* SiteNameLab = nullptr;
    QLabel* LonLab2 = nullptr;
    QLabel* LonLab3 = nullptr;
    QLabel* LatLab2 = nullptr;
    QLabel* LatLab3 = nullptr;
    QLabel* MilesLab = nullptr;
    QLabel* KMLab = nullptr;
    QLabel* RadarInfoLab = nullptr;
    QLabel* GroundClutterLab = nullptr;
    QLabel* NatHurricaneCenterLab = nullptr;
    QLabel* NOAASatelliteLab = nullptr;

    // The settings into the controls, as the window is created.
    void ShowSettings();

    // Handlers.
    void GetRadarButClick();
    // The product code of the product box; empty with no selection.
    QString GetRadarType() const;
    void RadarLocationBoxSelect();
    void RadarReflectivityBoxSelect();
    void SetRadarImageSize(int Index);
    void SetRadarControlVisibility(int Index, bool WithButtons);
    void RadarSheetEnter();
    void RadarSheetExit();
    void WarningsTextBoxClick();
    void RadarHintsBoxClick();
    void LoopRadarButClick();
    void AnimateRadarBoxClick();
    void RepeatRadarBoxClick();
    void NextRadarImage();
    void PrevRadarImageButClick();
    void MaxImagesUpDownClick();
    void SpeedUpDownClick();
    void SetRadarTimerInterval(int Position);
    // Shows every warning label that holds text (never hides one).
    void ShowWarnings();
    void QuadButClick(int Tag);
    void MainUSAButClick();
    void ZoomButClick();
    void LeftClickGroupClick();
    void Image6MouseMove(QPoint At);
    void Image6MouseDown(Qt::MouseButton Button, QPoint At);
    void ShowLonLatName(const TLonLatTexts& Texts);
    void SetLonLatVis(bool Visible);

    // The radar part of the animation tick.
    void AnimationTick();
    // Whether the loop runs and can be seen.
    bool AnimationShown() const;
    // The time line of the last frame again (the clock's refresh), unless a request runs,
    // nothing was fetched or the frames are stepped by hand.
    void RefreshRadarAge();

signals:
    // The loop started or stopped, or the tab was entered or left: the animation timer
    // is needed or not.
    void AnimationChanged();
    // The animation timer's interval for the speed control.
    void IntervalChanged(int Milliseconds);
    void LinkClicked(const QString& Address);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QWidget* createLocationRow();
    QWidget* createLayerBoxes();
    QWidget* createLoopRow();
    QWidget* createTimeRow();
    QWidget* createMap();
    QWidget* createMapControls();
    QWidget* createDirectionPanel();
    QWidget* createLinks();
    void connectControls();
    void connectState();

    // The state's announcements.
    void ApplyTimeLine(const TRadarTimeLine& Line);
    void ApplyWarningLabels(const std::array<TWarningLabel, 4>& Labels);
    void ApplyMaxImages(int Count);
    void ApplyPreparing(int Location);
    void ApplyViewFinished();

    // A new location chosen on the map or by a direction: select it and fetch it.
    void MoveRadarTo(int Location, const QString& Name);
    TRadarRequest RequestFor(int Location) const;
    TRadarMapView MapView() const;
    void ShowHint(const QString& Hint, QPoint At);

    TRadarMapState mapState_;
    QWidget* content_ = nullptr;  // the tab's controls, disabled while a request runs
    TRequestButton* requestBut_ = nullptr;
};

}  // namespace orbelune
