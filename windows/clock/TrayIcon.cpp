#include "TrayIcon.h"

#include "TemperatureDisplay.h"
#include "WinColor.h"

#include <QApplication>
#include <QIconEngine>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace orbelune {

namespace {

constexpr int AnimationDelayMs = 250;

}  // namespace

namespace {

class TTemperatureIconEngine final : public QIconEngine {
public:
    TTemperatureIconEngine(const QString& Text, std::int32_t Fore, bool Transparent,
                           std::int32_t Back)
        : FText(Text), FFore(Fore), FTransparent(Transparent), FBack(Back) {}

    void paint(QPainter* Painter, const QRect& Rect, QIcon::Mode, QIcon::State) override {
        const qreal ratio = Painter->device() ? Painter->device()->devicePixelRatioF() : 1.0;
        const int side = std::min(Rect.width(), Rect.height());
        QImage image = Picture(qRound(side * ratio));
        image.setDevicePixelRatio(ratio);
        Painter->drawImage(QRectF(Rect.topLeft(), QSizeF(side, side)), image);
    }
    QPixmap pixmap(const QSize& Size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(Picture(std::min(Size.width(), Size.height())));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : TraySizes) sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine* clone() const override { return new TTemperatureIconEngine(*this); }
    QString key() const override { return QStringLiteral("orbelune-temperature"); }

private:
    // The sizes trays ask for, at a pixel ratio of 1 and of 2.
    static constexpr int TraySizes[] = {16, 22, 24, 32, 44, 48, 64, 96};

    QImage Picture(int Side) const {
        return TrayTemperatureImage(FText, FFore, FTransparent, FBack, Side);
    }

    QString FText;
    std::int32_t FFore;
    bool FTransparent;
    std::int32_t FBack;
};

}  // namespace

QIcon TrayTemperatureIcon(const QString& Text, std::int32_t Fore, bool Transparent,
                          std::int32_t Back) {
    return QIcon(new TTemperatureIconEngine(Text, Fore, Transparent, Back));
}

TTrayIcon::TTrayIcon(QWidget* Window, QObject* parent)
    : QObject(parent), FWindow(Window), FAnimationTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("TrayIcon"));
    FAnimationTimer->setInterval(AnimationDelayMs);
    connect(FAnimationTimer, &QTimer::timeout, this, &TTrayIcon::NextFrame);
    if (TrayAvailable()) {
        FTray = new QSystemTrayIcon(this);
        connect(FTray, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger)
                        emit Clicked(Qt::LeftButton);
                    else if (reason == QSystemTrayIcon::MiddleClick)
                        emit Clicked(Qt::MiddleButton);
                });
    }
}

bool TTrayIcon::TrayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TTrayIcon::SetActive(bool Value) {
    FActive = Value;
    if (FTray != nullptr) FTray->setVisible(Value && !FIcon.isNull());
    UpdateAnimation();
}

void TTrayIcon::SetAnimate(bool Value) {
    FAnimate = Value;
    UpdateAnimation();
}

void TTrayIcon::UpdateAnimation() {
    if (FActive && FAnimate && !FImages.isEmpty()) {
        if (!FAnimationTimer->isActive()) FAnimationTimer->start();
    } else {
        FAnimationTimer->stop();
    }
}

void TTrayIcon::SetImages(const QList<QImage>& Images) {
    FImages = Images;
    UpdateAnimation();
}

void TTrayIcon::SetImageIndex(int Value) {
    FImageIndex = Value;
    if (Value >= 0 && Value < FImages.size()) SetIcon(QIcon(QPixmap::fromImage(FImages[Value])));
}

void TTrayIcon::SetIcon(const QIcon& Icon) {
    FIcon = Icon;
    ShowIcon();
}

void TTrayIcon::ShowIcon() {
    if (FTray == nullptr) return;
    FTray->setIcon(FIcon);
    FTray->setVisible(FActive && !FIcon.isNull());
}

void TTrayIcon::SetHint(const QString& Value) {
    FHint = Value;
    if (FTray != nullptr) FTray->setToolTip(Value);
}

void TTrayIcon::SetPopupMenu(QMenu* Menu) {
    if (FTray != nullptr) FTray->setContextMenu(Menu);
}

void TTrayIcon::NextFrame() {
    if (FImages.isEmpty()) return;
    SetImageIndex((FImageIndex + 1) % FImages.size());
}

void TTrayIcon::MinimizeWindow() {
    if (FWindow == nullptr || FMinimized) return;
    FMinimized = true;
    if (FTray != nullptr && FActive && MinimizeToTray) {
        FWindow->hide();
    } else {
        FWindow->showMinimized();
    }
    emit WindowMinimized();
}

void TTrayIcon::RestoreWindow() {
    if (FWindow == nullptr) return;
    FMinimized = false;
    FWindow->showNormal();
    FWindow->raise();
    FWindow->activateWindow();
    emit WindowRestored();
}

}  // namespace orbelune
