#include "TrayIcon.h"

#include "GraphicsHelpers.h"
#include "TemperatureDisplay.h"
#include "WinColor.h"

#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace orbelune {

namespace {

constexpr int AnimationDelayMs = 250;

}  // namespace

QIcon TrayTemperatureIcon(const QString& Text, std::int32_t Fore, bool Transparent,
                          std::int32_t Back) {
    const QImage image = TrayTemperatureImage(Text, Fore, Back);
    if (!Transparent) return QIcon(QPixmap::fromImage(image));
    const QColor back = ColorFromWinColor(Back);
    // The key is the background as drawn, so system colours work too.
    const std::int32_t key = (back.blue() << 16) | (back.green() << 8) | back.red();
    return BitmapToIcon(image, key, QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize));
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
