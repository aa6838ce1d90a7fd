// The Radar tab's map: what the radar state announces, the mouse over the image, the
// direction buttons and the position labels.
#include "RadarSheet.h"

#include "PictureBox.h"
#include "RadarSites.h"
#include "RadarState.h"
#include "RadarTabTexts.h"
#include "RequestButton.h"
#include "Settings.h"
#include "TemperatureDisplay.h"
#include "WinColor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QToolTip>

namespace orbelune {

namespace {

// The label's text colour, whatever role the window's background gives its text.
void SetTextColor(QLabel* Label, std::int32_t WinColor) {
    QPalette palette = Label->palette();
    palette.setColor(QPalette::WindowText, ColorFromWinColor(WinColor));
    Label->setPalette(palette);
    Label->setForegroundRole(QPalette::WindowText);
}

}  // namespace

void TRadarSheet::connectState() {
    TRadarState* r = Radar;
    connect(r, &TRadarState::SheetEnabled, this,
            [this](bool Enabled) { requestBut_->SetBusy(content_, !Enabled); });
    connect(r, &TRadarState::Preparing, this, &TRadarSheet::ApplyPreparing);
    connect(r, &TRadarState::LonLatTextsChanged, this, &TRadarSheet::ShowLonLatName);
    connect(r, &TRadarState::TimeLineChanged, this, &TRadarSheet::ApplyTimeLine);
    connect(r, &TRadarState::FrameNumberChanged, RadarImageNumLab, &QLabel::setText);
    connect(r, &TRadarState::MaxImagesChanged, this, &TRadarSheet::ApplyMaxImages);
    connect(r, &TRadarState::FrameShown, Image6,
            [this](int, const QImage& Picture) { Image6->SetPicture(Picture); });
    connect(r, &TRadarState::WarningLabelsChanged, this, &TRadarSheet::ApplyWarningLabels);
    connect(r, &TRadarState::ShowWarningsRequested, this, &TRadarSheet::ShowWarnings);
    connect(r, &TRadarState::WarningLabelsHidden, this, [this] {
        for (QLabel* lab : WarningLabs) lab->hide();
    });
    connect(r, &TRadarState::AnimationStarted, this, &TRadarSheet::AnimationChanged);
    connect(r, &TRadarState::ViewFinished, this, &TRadarSheet::ApplyViewFinished);
    connect(r, &TRadarState::ConnectionRefused, this,
            [this] { ShowConnectionRefusedMessage(window()); });
    connect(r, &TRadarState::Finished, this, &TRadarSheet::AnimationChanged);
    connect(Image6, &TPictureBox::MouseMoved, this, &TRadarSheet::Image6MouseMove);
    connect(Image6, &TPictureBox::MousePressed, this, &TRadarSheet::Image6MouseDown);
}

void TRadarSheet::ApplyPreparing(int Location) {
    // The large national map is never zoomed.
    ZoomBut->setText(ZoomCaption(Radar->RadarZoomFactor));
    SetRadarControlVisibility(Location, true);
    SetRadarImageSize(Location);
    emit AnimationChanged();
}

void TRadarSheet::ApplyTimeLine(const TRadarTimeLine& Line) {
    LastRadarLab1->setVisible(Line.Visible);
    SetTextColor(LastRadarLab1, Line.Color);
    if (Line.SetText) LastRadarLab1->setText(Line.Text);
}

void TRadarSheet::ApplyWarningLabels(const std::array<TWarningLabel, 4>& Labels) {
    for (std::size_t i = 0; i < Labels.size(); ++i) {
        WarningLabs[i]->setText(Labels[i].Text);
        SetTextColor(WarningLabs[i], Labels[i].Color);
        WarningLabs[i]->setVisible(Labels[i].Visible);
    }
}

void TRadarSheet::ApplyMaxImages(int Count) {
    // The count in use is remembered for the kind of location that used it.
    (IsRadarSite(Settings.RadarLocationBoxIndex) ? Settings.StateMaxImages
                                                 : Settings.NationalMaxImages) = Count;
    const QSignalBlocker quiet(MaxImagesUpDown);
    MaxImagesUpDown->setValue(Count);
}

void TRadarSheet::ApplyViewFinished() {
    SetLonLatVis(true);
    if (Radar->RadarZoomFactor > 1.0L) {
        RadarScrollBox->horizontalScrollBar()->setValue(Image6->width() / 4);
        RadarScrollBox->verticalScrollBar()->setValue(Image6->height() / 4);
    }
}

void TRadarSheet::ShowLonLatName(const TLonLatTexts& Texts) {
    SiteNameLab->setText(Texts.SiteName);
    if (Texts.HasLon) {
        LonLab2->setText(Texts.Lon);
        LonLab3->setText(Texts.LonDMS);
    }
    if (Texts.HasLat) {
        LatLab2->setText(Texts.Lat);
        LatLab3->setText(Texts.LatDMS);
    }
}

void TRadarSheet::SetLonLatVis(bool Visible) {
    for (QLabel* lab : {LonLab2, LonLab3, LatLab2, LatLab3}) lab->setVisible(Visible);
}

// The map describes the picture on screen, whatever the boxes have chosen since.
TRadarMapView TRadarSheet::MapView() const {
    const TRadarView& shown = Radar->ShownView;
    return {shown.Location, shown.Product, shown.Zoom, Settings.LeftClickGroupIndex};
}

void TRadarSheet::ShowHint(const QString& Hint, QPoint At) {
    Image6->setToolTip(Hint);
    if (!Hint.isEmpty() && RadarHintsBox->isChecked())
        QToolTip::showText(Image6->mapToGlobal(At), Hint, Image6);
}

void TRadarSheet::Image6MouseMove(QPoint At) {
    const THoverOutcome hover =
        RadarMapHover(mapState_, MapView(), At.x(), At.y(), Radar->RadarBusy);
    if (!hover.Show) return;
    ShowLonLatName(hover.Texts);
    if (hover.MoveHint) ShowHint(hover.Hint, hover.HintAt);
}

void TRadarSheet::Image6MouseDown(Qt::MouseButton Button, QPoint At) {
    using TKind = TClickOutcome::TKind;
    const TClickOutcome click = RadarMapClick(mapState_, MapView(), At.x(), At.y(),
                                              Button == Qt::LeftButton, Radar->RadarBusy);
    switch (click.Kind) {
        case TKind::None:
            break;
        case TKind::MoveRadar:
            MoveRadarTo(click.Location, click.Name);
            break;
        case TKind::DistanceStart:
        case TKind::Distance:
            MilesLab->setText(click.MilesText);
            KMLab->setText(click.KmText);
            ShowHint(click.Hint, click.HintAt);
            break;
    }
}

void TRadarSheet::QuadButClick(int Tag) {
    const TRadarView& shown = Radar->ShownView;
    const int target = DirectionTarget(shown.Location, Tag, shown.Product, shown.Zoom);
    if (target >= 0) MoveRadarTo(target, RadarLocationName(target));
}

void TRadarSheet::MoveRadarTo(int Location, const QString& Name) {
    SiteNameLab->setText(Name);
    Settings.RadarLocationBoxIndex = Location;
    RadarLocationBox->setCurrentIndex(Location);
    RadarLocationBoxSelect();
    GetRadarBut->click();
}

bool TRadarSheet::eventFilter(QObject* Watched, QEvent* Event) {
    // The map's and the direction buttons' hints are held back while "Show Hints" is off.
    if (Event->type() == QEvent::ToolTip && !RadarHintsBox->isChecked()) return true;
    return QWidget::eventFilter(Watched, Event);
}

}  // namespace orbelune
