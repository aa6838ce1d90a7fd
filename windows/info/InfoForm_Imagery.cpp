// The information window's imagery and animations: the Radar and Satellite pages, the
// tab changes that pause and resume their loops, and the animation timer's tick that
// steps the moon picture and both loops.
#include "InfoForm.h"

#include "AnimationSteps.h"
#include "MoonComponent.h"
#include "Settings.h"

namespace orbelune {

namespace {

// The moon advances a third of a day per tick.
constexpr double MoonDaysPerTick = 0.33;

}  // namespace

void TInfoForm::createImagerySheets() {
    connect(RadarPage, &TRadarSheet::AnimationChanged, this, &TInfoForm::UpdateAnimationTimer);
    connect(SatellitePage, &TSatelliteSheet::AnimationChanged, this,
            &TInfoForm::UpdateAnimationTimer);
    connect(RadarPage, &TRadarSheet::IntervalChanged, this, &TInfoForm::AnimationIntervalRequested);
    connect(RadarPage, &TRadarSheet::LinkClicked, this,
            [this](const QString& Address) { GoBrowser(Address); });
    connect(InfoFormPageControl, &QTabWidget::currentChanged, this, &TInfoForm::PageChanged);
}

void TInfoForm::PageChanged(int Index) {
    if (ShownPage == RadarTab) RadarPage->RadarSheetExit();
    if (ShownPage == SatelliteTab) SatellitePage->SatelliteSheetExit();
    ShownPage = Index;
    if (Index == RadarTab) RadarPage->RadarSheetEnter();
    if (Index == SatelliteTab) SatellitePage->SatelliteSheetEnter();
    UpdateAnimationTimer();
}

bool TInfoForm::AnimationShown() const {
    if (!isVisible() || isMinimized()) return false;
    const bool moon = Settings.AnimateMoon && MoonPage->isVisible();
    return moon || RadarPage->AnimationShown() || SatellitePage->AnimationShown();
}

void TInfoForm::UpdateAnimationTimer() {
    emit AnimationTimerRequested(AnimationShown());
}

int TInfoForm::AnimationIntervalMs() const {
    return RadarTimerInterval(Settings.SpeedUpDownPosition);
}

bool TInfoForm::AnimationTick() {
    if (!isVisible()) return false;
    if (Settings.AnimateMoon && MoonPage->isVisible())
        MoonPage->Moon1->SetDate(MoonPage->Moon1->Date() + MoonDaysPerTick);
    RadarPage->AnimationTick();
    SatellitePage->AnimationTick();
    return AnimationShown();
}

}  // namespace orbelune
