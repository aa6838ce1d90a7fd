#include "DesktopMessageBoxes.h"

#include <QApplication>
#include <QDebug>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace orbelune {

namespace {

bool Shown(const QWidget* Window) {
    return Window != nullptr && Window->isVisible() && !Window->isMinimized();
}

// A shown window of the program that a box may stand over: no pop-up, tool tip or
// other box.
bool CanOwnBoxes(const QWidget* Window) {
    const Qt::WindowType type = Window->windowType();
    return Shown(Window) && (type == Qt::Window || type == Qt::Dialog) &&
           qobject_cast<const QMessageBox*>(Window) == nullptr;
}

bool AnyWindowKeptAbove() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* w) {
        return Shown(w) && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
}

class TDesktopMessages final : public TMessageBoxes {
public:
    void Inform(QWidget* Owner, TMessageIcon Icon, const QString& Caption,
                const QString& Text) override {
        Run(Owner, Icon == TMessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
            Caption, Text, QMessageBox::Ok);
    }

    bool Confirm(QWidget* Owner, const QString& Caption, const QString& Text) override {
        return Run(Owner, QMessageBox::Question, Caption, Text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }

    void End() {
        Ended = true;
        // Taken first: a closed box leaves the list as its Run returns.
        const QList<QPointer<QMessageBox>> open = Open;
        for (const QPointer<QMessageBox>& box : open)
            if (box) box->done(QMessageBox::Cancel);
    }

private:
    int Run(QWidget* Owner, QMessageBox::Icon Icon, const QString& Caption, const QString& Text,
            QMessageBox::StandardButtons Buttons) {
        if (Ended) {
            qWarning().noquote() << Caption + QStringLiteral(": ") + Text;
            return QMessageBox::Cancel;
        }
        QMessageBox box(Icon, Caption, Text, Buttons, MessageBoxParent(Owner));
        box.setObjectName(QStringLiteral("MessageBox"));
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        // A box under a kept-above window could be neither seen nor answered, and the
        // program would look frozen.
        box.setWindowFlag(Qt::WindowStaysOnTopHint, AnyWindowKeptAbove());
        box.setWindowModality(Qt::ApplicationModal);
        QPointer<QMessageBox> guard(&box);
        Open.append(guard);
        box.show();
        box.raise();
        box.activateWindow();
        const int answer = box.exec();
        Open.removeAll(guard);
        return answer;
    }

    QList<QPointer<QMessageBox>> Open;
    bool Ended = false;
};

TDesktopMessages& Messages() {
    static TDesktopMessages messages;
    return messages;
}

}  // namespace

TMessageBoxes& DesktopMessageBoxes() {
    return Messages();
}

QWidget* MessageBoxParent(QWidget* Owner) {
    if (Owner != nullptr && CanOwnBoxes(Owner->window())) return Owner->window();
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && CanOwnBoxes(active))
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown = std::find_if(windows.begin(), windows.end(), CanOwnBoxes);
    return shown == windows.end() ? nullptr : *shown;
}

void EndMessageBoxes() {
    Messages().End();
}

}  // namespace orbelune
