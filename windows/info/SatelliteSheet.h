#pragma once
// The Satellite tab: the region, image type and colour boxes, "Animate", "Repeat",
// "Get Satellite", the frame number and the time of the last download, and the image
// in its scroll box. The page owns the satellite state (TSatelliteState) and shows what
// it announces; the choices' rules come from the satellite request and tab models.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace orbelune {

class TImageCommandRow;
class TPictureBox;
class TRequestButton;
class TSatelliteState;

class TSatelliteSheet final : public QWidget {
    Q_OBJECT

public:
    explicit TSatelliteSheet(QWidget* Parent = nullptr);

    TSatelliteState* Satellite = nullptr;

    QComboBox* SatelliteLocationBox = nullptr;
    QComboBox* SatelliteTypeBox = nullptr;
    QComboBox* SatelliteColorBox = nullptr;
    QCheckBox* AnimateSatelliteBox = nullptr;
    QCheckBox* RepeatSatelliteBox = nullptr;
    QPushButton* GetSatelliteBut = nullptr;
    QPushButton* CancelSatelliteBut = nullptr;  // in Get Satellite's place while a request runs
    QLabel* SatJpgNumLab = nullptr;
    QLabel* LastSatelliteLab = nullptr;
    QScrollArea* SatScrollBox = nullptr;
    TPictureBox* Image7 = nullptr;
    TImageCommandRow* SatelliteCommands = nullptr;  // Save, Copy, Print

    // The settings into the controls, as the window is created.
    void ShowSettings();

    void GetSatelliteButClick();
    void SatelliteLocationBoxSelect();
    void SatelliteTypeBoxSelect();
    void SatelliteColorBoxSelect();
    void AnimateSatelliteBoxClick();
    void RepeatSatelliteBoxClick();
    void SatelliteSheetEnter();
    void SatelliteSheetExit();
    void ShowSatelliteStaticScreen();

    // The satellite part of the animation tick.
    void AnimationTick();
    // Whether the loop runs and can be seen.
    bool AnimationShown() const;

signals:
    // The loop started or stopped, or the tab was entered or left.
    void AnimationChanged();

private:
    QWidget* createChoices();
    void connectControls();
    // Refills the type box with what the region offers, keeping the type when it can.
    void FillTypeBox(int Region);

    QWidget* content_ = nullptr;  // the tab's controls, disabled while a request runs
    TRequestButton* requestBut_ = nullptr;
};

}  // namespace orbelune
