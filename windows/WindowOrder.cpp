#include "WindowOrder.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace orbelune {

namespace {

// Puts a window back on top when the user brings it forward, then goes.
class TOnTopAgain final : public QObject {
public:
    static inline const QString Name = QStringLiteral("OnTopAgain");

    explicit TOnTopAgain(QWidget* Window) : QObject(Window), window_(Window) {
        setObjectName(Name);
        Window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Watched == window_ && Event->type() == QEvent::ActivationChange &&
            window_->isActiveWindow()) {
            // The window's own flag says whether it is still meant to stay on top.
            if (QWindow* handle = window_->windowHandle();
                handle != nullptr && window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
                handle->setFlag(Qt::WindowStaysOnTopHint, true);
            window_->removeEventFilter(this);
            setObjectName(QString());
            deleteLater();
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    QWidget* window_;
};

}  // namespace

void SendToBack(QWidget* Window) {
    if (Window == nullptr || !Window->isVisible()) return;
    QWindow* handle = Window->windowHandle();
    if (handle != nullptr && handle->flags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing the native window alone keeps the widget as it is (no new window).
        handle->setFlag(Qt::WindowStaysOnTopHint, false);
        if (Window->findChild<QObject*>(TOnTopAgain::Name, Qt::FindDirectChildrenOnly) == nullptr)
            new TOnTopAgain(Window);
    }
    Window->lower();
}

}  // namespace orbelune
