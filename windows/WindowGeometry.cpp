#include "WindowGeometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace orbelune {

namespace {

constexpr long long SaneSide = 100000;

// The window manager's margins around the client; none before the window is framed.
QMargins FrameMargins(const QWidget* Window) {
    const QRect frame = Window->frameGeometry();
    const QRect client = Window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

}  // namespace

QRect AvailableAreaFor(const QRect& Frame) {
    const QScreen* best = nullptr;
    long long bestArea = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(Frame);
        const long long area = static_cast<long long>(common.width()) * common.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    if (best == nullptr) best = QGuiApplication::primaryScreen();
    return best != nullptr ? best->availableGeometry() : QRect();
}

TWindowPlace StoredPlaceOf(const QWidget* Window) {
    const QMargins frame = FrameMargins(Window);
    const QRect client = Window->isMaximized() ? Window->normalGeometry() : Window->geometry();
    return {client.topLeft() - QPoint(frame.left(), frame.top()), client.size()};
}

void PlaceWindow(QWidget* Window, long long Left, long long Top, long long Width, long long Height,
                 QPoint Fallback) {
    // The screen is chosen by the stored corner and a sane size, so that a wild size
    // does not lose a good position.
    const QMargins noFrame;
    const QRect stored = FrameRect(Left, Top, std::clamp(Width, 1LL, SaneSide),
                                   std::clamp(Height, 1LL, SaneSide), noFrame);
    QRect area = AvailableAreaFor(stored);
    bool onScreen = false;
    for (const QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(stored);
    if (!onScreen && QGuiApplication::primaryScreen() != nullptr) {
        area = QGuiApplication::primaryScreen()->availableGeometry();
        Left = static_cast<long long>(area.x()) + Fallback.x();
        Top = static_cast<long long>(area.y()) + Fallback.y();
    }
    if (area.isEmpty()) return;
    // A window shown smaller than its layout allows is enlarged by the window system,
    // which then loses the position asked for.
    const QSize minimum = Window->minimumSize().expandedTo(Window->minimumSizeHint());
    const TWindowPlace place = FitToArea(Left, Top, Width, Height, area, minimum, noFrame);
    Window->resize(place.ClientSize);
    Window->move(place.FrameTopLeft);
}

void KeepOnScreen(QWidget* Window) {
    const QRect frame = Window->frameGeometry();
    const QRect area = AvailableAreaFor(frame);
    if (area.isEmpty() || area.contains(frame)) return;
    const TWindowPlace place = FitToArea(frame.x(), frame.y(), Window->width(), Window->height(),
                                         area, Window->minimumSize(), FrameMargins(Window));
    if (place.ClientSize != Window->size()) Window->resize(place.ClientSize);
    Window->move(place.FrameTopLeft);
}

namespace {

// Waits for the first move or resize that comes with the frame, then removes itself.
class TFrameWatch final : public QObject {
public:
    explicit TFrameWatch(QWidget* Window) : QObject(Window), FWindow(Window) {
        setObjectName(QStringLiteral("FrameWatch"));
        Window->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* Event) override {
        if ((Event->type() == QEvent::Move || Event->type() == QEvent::Resize) && Framed()) {
            QTimer::singleShot(0, FWindow, [window = FWindow] { KeepOnScreen(window); });
            deleteLater();
        }
        return false;
    }
    bool Framed() const { return FWindow->frameGeometry() != FWindow->geometry(); }

private:
    QWidget* FWindow;
};

}  // namespace

void KeepOnScreenOnceFramed(QWidget* Window) {
    delete Window->findChild<QObject*>(QStringLiteral("FrameWatch"), Qt::FindDirectChildrenOnly);
    auto* watch = new TFrameWatch(Window);
    QTimer::singleShot(0, watch, [watch, Window] {
        if (!watch->Framed()) return;
        KeepOnScreen(Window);
        watch->deleteLater();
    });
}

void SetStaysOnTop(QWidget* Window, bool On) {
    Qt::WindowFlags flags = Window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, On);
    QWindow* handle = Window->windowHandle();
    if (handle == nullptr) {
        Window->setWindowFlags(flags);
        return;
    }
    Window->overrideWindowFlags(flags);
    handle->setFlags(flags);
}

}  // namespace orbelune
