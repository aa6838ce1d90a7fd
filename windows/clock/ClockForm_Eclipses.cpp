// The clock window's jumps to the eclipses of the calendar's year: seven actions with
// their items in the "Go To" drop-down and in the pop-up menu's "Go To" branch. The
// calendar-events model's eclipse list fills them; unused ones stay hidden.
#include "CalendarEvents.h"
#include "ClockForm.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPixmap>

namespace orbelune {

void TForm1::CreateEclipseItems() {
    for (size_t i = 0; i < GoToEclipse.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        QAction* action = new QAction(this);
        action->setObjectName(QStringLiteral("GoToEclipse%1").arg(n));
        action->setToolTip(QStringLiteral("Go To Eclipse"));
        action->setVisible(false);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, n] { GoToEclipseExecute(n); });
        GoToEclipse[i] = action;
    }
    connect(Events, &TCalendarEvents::Changed, this, &TForm1::ShowEclipseItems);
}

void TForm1::SetEclipseItem(int N, bool Visible, int Image, const QString& Caption) {
    if (N < 1 || N > static_cast<int>(GoToEclipse.size())) return;
    const size_t i = static_cast<size_t>(N - 1);
    const QIcon icon = Image >= 0 && Image < ImageList2.size()
                           ? QIcon(QPixmap::fromImage(ImageList2[Image]))
                           : QIcon();
    GoToEclipse[i]->setVisible(Visible);
    GoToEclipse[i]->setIcon(icon);
    for (QAction* item : {EclipseMenu[i], MenuEclipse[i]}) {
        item->setVisible(Visible);
        item->setText(Caption);
        item->setIcon(icon);
    }
}

void TForm1::ShowEclipseItems() {
    const std::vector<TEclipseRow>& rows = Events->EclipseYear().Rows;
    for (size_t i = 0; i < GoToEclipse.size(); ++i) {
        const bool shown = i < rows.size();
        const TEclipseRow row = shown ? rows[i] : TEclipseRow{};
        SetEclipseItem(static_cast<int>(i) + 1, shown, row.Image, row.MenuCaption);
    }
}

void TForm1::GoToEclipseExecute(int N) {
    if (const auto day = Events->EclipseDate(N)) GoToDate(*day);
}

}  // namespace orbelune
