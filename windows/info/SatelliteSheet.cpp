#include "SatelliteSheet.h"

#include "ImageCommandRow.h"
#include "PictureBox.h"
#include "RequestButton.h"
#include "SatelliteState.h"
#include "SatelliteTabTexts.h"
#include "ScrolledPage.h"
#include "Settings.h"
#include "TemperatureDisplay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orbelune {

namespace {

template <typename TWidget>
TWidget* Named(TWidget* Widget, const char* Name) {
    Widget->setObjectName(QString::fromLatin1(Name));
    return Widget;
}

constexpr int ImageMinimumHeight = 120;
constexpr int MinimumBoxCharacters = 10;

}  // namespace

TSatelliteSheet::TSatelliteSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("SatelliteSheet"));
    Satellite = new TSatelliteState(this);
    // The image takes what the window leaves; below its least size the tab scrolls.
    content_ = ScrolledPage(this, QStringLiteral("SatelliteSheetContent"));
    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    column->addWidget(createChoices());
    SatScrollBox = Named(new QScrollArea(this), "SatScrollBox");
    SatScrollBox->setBackgroundRole(QPalette::Dark);
    SatScrollBox->setMinimumHeight(ImageMinimumHeight);
    Image7 = Named(new TPictureBox(SatScrollBox), "Image7");
    SatScrollBox->setWidget(Image7);
    column->addWidget(SatScrollBox, 1);
    connectControls();
}

QWidget* TSatelliteSheet::createChoices() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    SatelliteLocationBox = Named(new QComboBox(box), "SatelliteLocationBox");
    SatelliteLocationBox->addItems(SatelliteRegionNames());
    SatelliteLocationBox->setMaxVisibleItems(SatelliteLocationBox->count());
    SatelliteTypeBox = Named(new QComboBox(box), "SatelliteTypeBox");
    SatelliteColorBox = Named(new QComboBox(box), "SatelliteColorBox");
    SatelliteColorBox->addItems(SatelliteColorNames());
    // The boxes give up width before the tab has to scroll; their lists stay whole.
    for (QComboBox* choice : {SatelliteLocationBox, SatelliteTypeBox, SatelliteColorBox}) {
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        choice->setMinimumContentsLength(MinimumBoxCharacters);
    }
    // The hidden colour box keeps its place, so the row does not jump with the region.
    QSizePolicy steady = SatelliteColorBox->sizePolicy();
    steady.setRetainSizeWhenHidden(true);
    SatelliteColorBox->setSizePolicy(steady);
    AnimateSatelliteBox =
        Named(new QCheckBox(QStringLiteral("Animate"), box), "AnimateSatelliteBox");
    RepeatSatelliteBox = Named(new QCheckBox(QStringLiteral("Repeat"), box), "RepeatSatelliteBox");
    requestBut_ =
        new TRequestButton(QStringLiteral("Get Satellite"), QStringLiteral("GetSatelliteBut"),
                           QStringLiteral("CancelSatelliteBut"), box);
    GetSatelliteBut = requestBut_->StartBut;
    CancelSatelliteBut = requestBut_->CancelBut;
    SatJpgNumLab = Named(new QLabel(box), "SatJpgNumLab");
    SatJpgNumLab->setMinimumWidth(
        SatJpgNumLab->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    LastSatelliteLab = Named(new QLabel(box), "LastSatelliteLab");
    // It may carry a server's words, which are never markup, and wraps rather than
    // widen the tab.
    LastSatelliteLab->setTextFormat(Qt::PlainText);
    LastSatelliteLab->setWordWrap(true);
    auto* loop = new QHBoxLayout;
    loop->addWidget(AnimateSatelliteBox);
    loop->addWidget(RepeatSatelliteBox);
    loop->addWidget(SatJpgNumLab);
    loop->addStretch(1);
    SatelliteCommands = new TImageCommandRow(QStringLiteral("Satellite"), box);
    grid->addWidget(SatelliteLocationBox, 0, 0);
    grid->addWidget(SatelliteTypeBox, 0, 1);
    grid->addWidget(SatelliteColorBox, 0, 2);
    grid->addWidget(requestBut_, 0, 3);
    grid->addLayout(loop, 1, 0);
    grid->addWidget(LastSatelliteLab, 1, 1, 1, 2);
    grid->addWidget(SatelliteCommands, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

void TSatelliteSheet::connectControls() {
    connect(GetSatelliteBut, &QPushButton::clicked, this, &TSatelliteSheet::GetSatelliteButClick);
    connect(CancelSatelliteBut, &QPushButton::clicked, Satellite,
            &TSatelliteState::CancelSatellite);
    connect(SatelliteLocationBox, &QComboBox::activated, this,
            &TSatelliteSheet::SatelliteLocationBoxSelect);
    connect(SatelliteTypeBox, &QComboBox::activated, this,
            &TSatelliteSheet::SatelliteTypeBoxSelect);
    connect(SatelliteColorBox, &QComboBox::activated, this,
            &TSatelliteSheet::SatelliteColorBoxSelect);
    connect(AnimateSatelliteBox, &QCheckBox::toggled, this,
            &TSatelliteSheet::AnimateSatelliteBoxClick);
    connect(RepeatSatelliteBox, &QCheckBox::toggled, this,
            &TSatelliteSheet::RepeatSatelliteBoxClick);

    TSatelliteState* s = Satellite;
    connect(s, &TSatelliteState::BusyChanged, this,
            [this](bool Busy) { requestBut_->SetBusy(content_, Busy); });
    connect(s, &TSatelliteState::ImageShown, this, [this](const QImage& Picture) {
        Image7->SetPicture(Picture);
        ShowSatelliteStaticScreen();
    });
    connect(s, &TSatelliteState::FrameNumberChanged, SatJpgNumLab, &QLabel::setText);
    connect(s, &TSatelliteState::LastDownloadChanged, LastSatelliteLab, &QLabel::setText);
    connect(s, &TSatelliteState::LoopStarted, this, &TSatelliteSheet::AnimationChanged);
    connect(s, &TSatelliteState::ConnectionRefused, this,
            [this] { ShowConnectionRefusedMessage(window()); });
}

void TSatelliteSheet::ShowSettings() {
    const int region = Settings.SatelliteLocationBoxIndex;
    SatelliteLocationBox->setCurrentIndex(region);
    FillTypeBox(region);
    if (Settings.SatelliteTypeBoxIndex >= SatelliteTypeBox->count())
        Settings.SatelliteTypeBoxIndex = 0;
    SatelliteTypeBox->setCurrentIndex(Settings.SatelliteTypeBoxIndex);
    SatelliteColorBox->setCurrentIndex(Settings.SatelliteColorBoxIndex);
    AnimateSatelliteBox->setChecked(Settings.AnimateSatellite);
    RepeatSatelliteBox->setChecked(Settings.RepeatSatellite);
    SatelliteColorBox->setVisible(SatelliteColorBoxVisible(Settings.AnimateSatellite, region));
    AnimateSatelliteBox->setVisible(SatelliteLoopBoxesVisible(region));
    RepeatSatelliteBox->setVisible(SatelliteLoopBoxesVisible(region));
}

void TSatelliteSheet::FillTypeBox(int Region) {
    const QStringList items = SatelliteTypeItems(Region);
    const int kept = KeptSatelliteType(SatelliteTypeBox->currentIndex(), int(items.size()));
    const QSignalBlocker quiet(SatelliteTypeBox);
    SatelliteTypeBox->clear();
    SatelliteTypeBox->addItems(items);
    SatelliteTypeBox->setCurrentIndex(kept);
}

void TSatelliteSheet::GetSatelliteButClick() {
    const int region = SatelliteLocationBox->currentIndex();
    TSatelliteRequest request = SatelliteRequestFor(
        region, SatelliteTypeBox->currentIndex(), SatelliteColorBox->currentIndex(),
        AnimateSatelliteBox->isChecked(), Settings.SatelliteServer);
    request.Proxy = {Settings.UseProxyServer, Settings.ProxyServer, Settings.ProxyPort,
                     Settings.ProxyUserName, Settings.ProxyPassword};
    request.Repeat = Settings.RepeatSatellite;
    request.UseMilitaryTime = Settings.UseMilitaryTime;
    request.Limits = Satellite->Limits;
    Satellite->GetSatellite(request);
    emit AnimationChanged();
}

void TSatelliteSheet::SatelliteLocationBoxSelect() {
    const int region = SatelliteLocationBox->currentIndex();
    Settings.SatelliteLocationBoxIndex = region;
    SatelliteColorBox->setVisible(
        SatelliteColorBoxVisible(AnimateSatelliteBox->isChecked(), region));
    AnimateSatelliteBox->setVisible(SatelliteLoopBoxesVisible(region));
    RepeatSatelliteBox->setVisible(SatelliteLoopBoxesVisible(region));
    FillTypeBox(region);
    Settings.SatelliteTypeBoxIndex = SatelliteTypeBox->currentIndex();
}

void TSatelliteSheet::SatelliteTypeBoxSelect() {
    Settings.SatelliteTypeBoxIndex = SatelliteTypeBox->currentIndex();
}

void TSatelliteSheet::SatelliteColorBoxSelect() {
    Settings.SatelliteColorBoxIndex = SatelliteColorBox->currentIndex();
}

void TSatelliteSheet::AnimateSatelliteBoxClick() {
    Settings.AnimateSatellite = AnimateSatelliteBox->isChecked();
    SatelliteColorBox->setVisible(
        SatelliteColorBoxVisible(Settings.AnimateSatellite, SatelliteLocationBox->currentIndex()));
    Satellite->SatelliteLoopRunning = Settings.AnimateSatellite;
    emit AnimationChanged();
}

void TSatelliteSheet::RepeatSatelliteBoxClick() {
    Settings.RepeatSatellite = RepeatSatelliteBox->isChecked();
    emit AnimationChanged();
}

void TSatelliteSheet::SatelliteSheetEnter() {
    Satellite->SatelliteSheetEnter();
    emit AnimationChanged();
}

void TSatelliteSheet::SatelliteSheetExit() {
    Satellite->SatelliteSheetExit();
    emit AnimationChanged();
}

void TSatelliteSheet::ShowSatelliteStaticScreen() {
    const bool loops = SatelliteLoopBoxesVisible(SatelliteLocationBox->currentIndex());
    AnimateSatelliteBox->setVisible(loops);
    RepeatSatelliteBox->setVisible(loops);
    Image7->show();
}

void TSatelliteSheet::AnimationTick() {
    if (isVisible()) Satellite->AnimationTick(Settings.RepeatSatellite);
}

bool TSatelliteSheet::AnimationShown() const {
    return Satellite->SatelliteLoopRunning && Satellite->SatelliteLoopLoaded &&
           Settings.RepeatSatellite && isVisible();
}

}  // namespace orbelune
