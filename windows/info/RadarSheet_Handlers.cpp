// The Radar tab's controls: the settings they show, the request, the layer boxes, the
// loop controls and the speed.
#include "RadarSheet.h"

#include "AnimationSteps.h"
#include "InfoFormModel.h"
#include "PictureBox.h"
#include "RadarRequest.h"
#include "RadarSites.h"
#include "RadarState.h"
#include "RadarTabTexts.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

namespace orbelune {

namespace {

// A layer box and the setting it keeps.
struct TLayerSetting {
    QCheckBox* TRadarSheet::*Box;
    bool TSettings::*Setting;
};

constexpr TLayerSetting LayerSettings[] = {
    {&TRadarSheet::TopoBox, &TSettings::TopoBoxChecked},
    {&TRadarSheet::RadarBox, &TSettings::RadarBoxChecked},
    {&TRadarSheet::CountiesBox, &TSettings::CountiesBoxChecked},
    {&TRadarSheet::RiversBox, &TSettings::RiversBoxChecked},
    {&TRadarSheet::HighwaysBox, &TSettings::HighwaysBoxChecked},
    {&TRadarSheet::CitiesBox, &TSettings::CitiesBoxChecked},
    {&TRadarSheet::WarningsBox, &TSettings::WarningsBoxChecked},
    {&TRadarSheet::RangeRingBox, &TSettings::RangeRingBoxChecked},
    {&TRadarSheet::LegendBox, &TSettings::LegendBoxChecked},
    {&TRadarSheet::WarningsTextBox, &TSettings::WarningsTextBoxChecked},
    {&TRadarSheet::ShowSitesBox, &TSettings::ShowSitesBoxChecked},
    {&TRadarSheet::RadarHintsBox, &TSettings::RadarHintsBoxChecked},
};

}  // namespace

void TRadarSheet::connectControls() {
    connect(RadarLocationBox, &QComboBox::activated, this, &TRadarSheet::RadarLocationBoxSelect);
    connect(RadarReflectivityBox, &QComboBox::activated, this,
            &TRadarSheet::RadarReflectivityBoxSelect);
    connect(GetRadarBut, &QPushButton::clicked, this, &TRadarSheet::GetRadarButClick);
    connect(CancelRadarBut, &QPushButton::clicked, Radar, &TRadarState::CancelRadar);
    connect(MainUSABut, &QPushButton::clicked, this, &TRadarSheet::MainUSAButClick);
    connect(ZoomBut, &QPushButton::clicked, this, &TRadarSheet::ZoomButClick);
    // A box's handler runs whenever its state changes, by a click or by the program.
    for (const TLayerSetting& layer : LayerSettings) {
        QCheckBox* box = this->*layer.Box;
        connect(box, &QCheckBox::toggled, this,
                [setting = layer.Setting](bool On) { Settings.*setting = On; });
    }
    connect(WarningsTextBox, &QCheckBox::toggled, this, &TRadarSheet::WarningsTextBoxClick);
    connect(RadarHintsBox, &QCheckBox::toggled, this, &TRadarSheet::RadarHintsBoxClick);
    connect(LoopRadarBut, &QToolButton::clicked, this, &TRadarSheet::LoopRadarButClick);
    connect(AnimateRadarBox, &QCheckBox::toggled, this, &TRadarSheet::AnimateRadarBoxClick);
    connect(RepeatRadarBox, &QCheckBox::toggled, this, &TRadarSheet::RepeatRadarBoxClick);
    connect(NextRadarImageBut, &QToolButton::clicked, this, &TRadarSheet::NextRadarImage);
    connect(PrevRadarImageBut, &QToolButton::clicked, this, &TRadarSheet::PrevRadarImageButClick);
    connect(MaxImagesUpDown, &QSpinBox::valueChanged, this, &TRadarSheet::MaxImagesUpDownClick);
    connect(SpeedUpDown, &QSpinBox::valueChanged, this, &TRadarSheet::SpeedUpDownClick);
    for (int tag = 1; tag <= DirectionButtonCount; ++tag)
        connect(RadButs[std::size_t(tag - 1)], &QToolButton::clicked, this,
                [this, tag] { QuadButClick(tag); });
    for (int index = 0; index < int(LeftClickItems.size()); ++index)
        connect(LeftClickItems[std::size_t(index)], &QRadioButton::toggled, this, [this](bool On) {
            if (On) LeftClickGroupClick();
        });
    for (QLabel* link : {RadarInfoLab, GroundClutterLab, NatHurricaneCenterLab, NOAASatelliteLab})
        connect(link, &QLabel::linkActivated, this, &TRadarSheet::LinkClicked);
}

void TRadarSheet::ShowSettings() {
    const int location = std::clamp(Settings.RadarLocationBoxIndex, 0, RadarLocationCount - 1);
    RadarLocationBox->setCurrentIndex(location);
    RadarReflectivityBox->setCurrentIndex(Settings.RadarReflectivityBoxIndex);
    // Every stored count is held within 1..30 before it is used.
    Radar->SetRadarMaxImages(TakeRadarFrameCount(Settings));
    {
        const QSignalBlocker quiet(MaxImagesUpDown);
        MaxImagesUpDown->setValue(Radar->RadarMaxImages());
    }
    SpeedUpDown->setValue(Settings.SpeedUpDownPosition);
    SetRadarTimerInterval(SpeedUpDown->value());
    AnimateRadarBox->setChecked(Settings.AnimateRadar);
    RepeatRadarBox->setChecked(Settings.RepeatRadar);
    for (const TLayerSetting& layer : LayerSettings)
        (this->*layer.Box)->setChecked(Settings.*layer.Setting);
    LoopRadarBut->setText(LoopRadarCaption(Settings.LoopRadar));
    const int click = Settings.LeftClickGroupIndex == LeftClickDistance ? 1 : 0;
    LeftClickItems[std::size_t(click)]->setChecked(true);
    ZoomBut->setText(ZoomCaption(Radar->RadarZoomFactor));
    // Until a picture arrives the map is a black one of the saved location.
    Radar->ShownView = {location, Settings.RadarReflectivityBoxIndex, Radar->RadarZoomFactor};
    SetRadarControlVisibility(location, true);
    SetRadarImageSize(location);
}

QString TRadarSheet::GetRadarType() const {
    return RadarProductCode(RadarReflectivityBox->currentIndex());
}

TRadarRequest TRadarSheet::RequestFor(int Location) const {
    TRadarRequest request =
        RadarRequestFor(Settings, Location, Radar->RadarMaxImages(), Radar->RadarZoomFactor);
    request.ProductIndex = RadarReflectivityBox->currentIndex();
    request.Product = GetRadarType();
    request.Limits = Radar->Limits;
    return request;
}

void TRadarSheet::GetRadarButClick() {
    Radar->RadarLoopStarted = false;
    Radar->RadarManualStep = false;
    emit AnimationChanged();
    const int location = Settings.RadarLocationBoxIndex;
    if (IsRadarSite(location))
        Radar->GetRadar(RequestFor(location));
    else if (IsRadarLocation(location))
        Radar->NewGetRadarNational(RequestFor(location));
}

void TRadarSheet::RadarLocationBoxSelect() {
    Settings.RadarLocationBoxIndex = RadarLocationBox->currentIndex();
    SetRadarControlVisibility(Settings.RadarLocationBoxIndex, false);
    // The count comes from a setting that may hold anything: it is clamped first.
    Radar->SetRadarMaxImages(TakeRadarFrameCount(Settings));
    const QSignalBlocker quiet(MaxImagesUpDown);
    MaxImagesUpDown->setValue(Radar->RadarMaxImages());
}

void TRadarSheet::RadarReflectivityBoxSelect() {
    Settings.RadarReflectivityBoxIndex = RadarReflectivityBox->currentIndex();
}

void TRadarSheet::SetRadarImageSize(int Index) {
    // One bit a pixel: the canvas holds one colour until a picture comes, and the zoomed
    // map's would take 21 MB in 32-bit colour.
    QImage black(RadarImageSize(Index, Radar->ShownView.Zoom), QImage::Format_Mono);
    black.setColorTable({qRgb(0, 0, 0), qRgb(0, 0, 0)});
    black.fill(0);
    Image6->SetPicture(black);
    RadarScrollBox->horizontalScrollBar()->setValue(0);
}

void TRadarSheet::SetRadarControlVisibility(int Index, bool WithButtons) {
    const TRadarControlVisibility visible = RadarControlVisibility(Index);
    ZoomBut->setVisible(visible.ZoomBut);
    for (QWidget* control : std::initializer_list<QWidget*>{
             RadarReflectivityBox, TopoBox, RadarBox, CountiesBox, RiversBox, HighwaysBox,
             CitiesBox, WarningsBox, RangeRingBox, LegendBox, WarningsTextBox})
        control->setVisible(visible.SiteControls);
    SetLonLatVis(true);
    SiteNameLab->setVisible(true);
    if (!WithButtons) return;
    // The buttons lead from the picture shown.
    const TDirectionPanel panel =
        DirectionButtons(Index, Radar->ShownView.Product, Radar->ShownView.Zoom);
    RadarButPanel->setVisible(panel.Visible);
    for (std::size_t i = 0; i < RadButs.size(); ++i) {
        RadButs[i]->setVisible(panel.Buttons[i].Visible);
        RadButs[i]->setToolTip(panel.Buttons[i].Hint);
    }
}

void TRadarSheet::RadarSheetEnter() {
    if (Radar->RadarFramesReady) Radar->RadarLoopStarted = AnimateRadarBox->isChecked();
    emit AnimationChanged();
}

void TRadarSheet::RadarSheetExit() {
    Radar->RadarLoopStarted = false;
    emit AnimationChanged();
}

void TRadarSheet::WarningsTextBoxClick() {
    if (WarningsTextBox->isChecked()) {
        ShowWarnings();
    } else {
        for (QLabel* lab : WarningLabs) lab->hide();
    }
}

void TRadarSheet::RadarHintsBoxClick() {
    // The hints of the map and the direction buttons are held back while this is off.
    if (!RadarHintsBox->isChecked()) Image6->setToolTip(QString());
}

void TRadarSheet::LoopRadarButClick() {
    Settings.LoopRadar = !Settings.LoopRadar;
    LoopRadarBut->setText(LoopRadarCaption(Settings.LoopRadar));
    RepeatRadarBox->setChecked(true);
    AnimateRadarBox->setChecked(true);
}

void TRadarSheet::AnimateRadarBoxClick() {
    Settings.AnimateRadar = AnimateRadarBox->isChecked();
    Radar->RadarManualStep = false;
    if (!Settings.AnimateRadar) {
        Radar->RadarFramePos = Radar->RadarFrameCount() - 1;
        Radar->ShowRadarImage(Radar->RadarFramePos);
        ShowWarnings();
    }
    emit AnimationChanged();
}

void TRadarSheet::RepeatRadarBoxClick() {
    Settings.RepeatRadar = RepeatRadarBox->isChecked();
    Radar->RadarManualStep = false;
    if (!Settings.RepeatRadar) {
        Radar->RadarFramePos = Radar->RadarFrameCount() - 1;
        Radar->ShowRadarImage(Radar->RadarFramePos);
        ShowWarnings();
    }
    emit AnimationChanged();
}

void TRadarSheet::NextRadarImage() {
    if (Radar->RadarManualStep) {
        Radar->RadarFramePos =
            ManualFrameStep(Radar->RadarFramePos, Radar->RadarFrameCount(), true);
        Radar->ShowRadarImage(Radar->RadarFramePos);
    } else {
        AnimateRadarBox->setChecked(false);
    }
    Radar->RadarManualStep = true;
}

void TRadarSheet::PrevRadarImageButClick() {
    if (Radar->RadarManualStep) {
        Radar->RadarFramePos =
            ManualFrameStep(Radar->RadarFramePos, Radar->RadarFrameCount(), false);
        Radar->ShowRadarImage(Radar->RadarFramePos);
    } else {
        AnimateRadarBox->setChecked(false);
    }
    Radar->RadarManualStep = true;
}

void TRadarSheet::MaxImagesUpDownClick() {
    Radar->SetRadarMaxImages(MaxImagesUpDown->value());
}

void TRadarSheet::SpeedUpDownClick() {
    Settings.SpeedUpDownPosition = SpeedUpDown->value();
    SetRadarTimerInterval(Settings.SpeedUpDownPosition);
}

void TRadarSheet::SetRadarTimerInterval(int Position) {
    emit IntervalChanged(RadarTimerInterval(Position));
}

void TRadarSheet::ShowWarnings() {
    for (QLabel* lab : WarningLabs)
        if (!lab->text().isEmpty()) lab->show();
}

void TRadarSheet::MainUSAButClick() {
    RadarLocationBox->setCurrentIndex(UsaMapLocation);
    RadarLocationBoxSelect();
    GetRadarBut->click();
}

void TRadarSheet::ZoomButClick() {
    const TZoomOutcome zoom =
        orbelune::ZoomButClick(Settings.RadarLocationBoxIndex, Radar->RadarZoomFactor);
    if (!zoom.Changed) return;
    Radar->RadarZoomFactor = zoom.Zoom;
    ZoomBut->setText(zoom.Caption);
    GetRadarBut->click();
}

void TRadarSheet::LeftClickGroupClick() {
    Settings.LeftClickGroupIndex =
        LeftClickItems[1]->isChecked() ? LeftClickDistance : LeftClickMoveRadar;
    Image6->setToolTip(QString());
}

void TRadarSheet::AnimationTick() {
    if (!Settings.AnimateRadar || !Settings.RepeatRadar || !isVisible()) return;
    Radar->AnimationTick(Settings.LoopRadar, WarningsTextBox->isChecked());
}

bool TRadarSheet::AnimationShown() const {
    return Settings.AnimateRadar && Settings.RepeatRadar && Radar->LoopRunning() && isVisible();
}

void TRadarSheet::RefreshRadarAge() {
    if (Radar->RadarBusy || !Radar->RadarFrameListsReady || Radar->RadarManualStep) return;
    ApplyTimeLine(Radar->ShownTimeLine(Radar->RadarFrameCount() - 1));
}

}  // namespace orbelune
