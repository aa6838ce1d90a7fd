// The clock window's size and place: the rows of its display level, its stored place
// kept on a screen, the information window's first place beside it, and the
// stay-on-top switch of every window of the program.
#include "ClockForm.h"

#include "HelpForm.h"
#include "InfoForm.h"
#include "Settings.h"
#include "WeatherTextForm.h"
#include "WindowGeometry.h"

#include <QFrame>
#include <QMenuBar>
#include <QShowEvent>

#include <algorithm>

namespace orbelune {

// Level n shows the first n rows whole and none of the others; the window's client area
// is the menu and those rows. Another level leaves the window as it is.
void TForm1::SetHeight() {
    QFrame* panels[] = {Panel1, Panel2, Panel3, Panel4};
    const int level = Settings.DisplayLevel;
    if (level < 1 || level > 4) return;
    // Sizes are taken in the style and fonts the window is shown in.
    ensurePolished();
    for (QFrame* panel : panels)
        panel->setFixedHeight(std::max(panel->height(), panel->sizeHint().height()));
    int rows = 0;
    for (int i = 0; i < 4; ++i) {
        panels[i]->setVisible(i < level);
        if (i < level) rows += panels[i]->height();
    }
    // As wide as the rows want to be, so that no month name or button is cut.
    const int width = std::max(this->width(), sizeHint().width());
    const QMenuBar* menu = menuBar();
    const int menuHeight =
        menu->hasHeightForWidth() ? menu->heightForWidth(width) : menu->sizeHint().height();
    setFixedHeight(rows + menuHeight);
    resize(width, rows + menuHeight);
}

void TForm1::PlaceAtStoredPosition() {
    const TSettings defaults;
    PlaceWindow(this, Settings.WindowLeft, Settings.WindowTop, width(), height(),
                QPoint(defaults.WindowLeft, defaults.WindowTop));
    // A first start (no place of its own stored) puts the information window beside
    // this one rather than over its calendar. The frame is not known yet: a margin
    // allows for it.
    if (Settings.InfoFormLeft != defaults.InfoFormLeft ||
        Settings.InfoFormTop != defaults.InfoFormTop)
        return;
    constexpr int FrameAllowance = 8;
    const QRect frame = geometry().adjusted(0, 0, FrameAllowance, FrameAllowance);
    const TWindowPlace beside = BesideFrame(
        frame, QSize(Settings.InfoFormWidth, Settings.InfoFormHeight),
        QSize(TInfoForm::MinimumWidth, TInfoForm::MinimumHeight), AvailableAreaFor(frame));
    Settings.InfoFormLeft = beside.FrameTopLeft.x();
    Settings.InfoFormTop = beside.FrameTopLeft.y();
    Settings.InfoFormWidth = beside.ClientSize.width();
}

void TForm1::RecordPlace() {
    if (isMinimized() || !isVisible()) return;
    const TWindowPlace place = StoredPlaceOf(this);
    Settings.WindowLeft = place.FrameTopLeft.x();
    Settings.WindowTop = place.FrameTopLeft.y();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) KeepOnScreenOnceFramed(this);
}

void TForm1::ApplyStayOnTop() {
    QWidget* windows[] = {this, InfoForm.data(), HelpForm, Form6.data()};
    for (QWidget* window : windows)
        if (window != nullptr) SetStaysOnTop(window, Settings.StayOnTop);
}

}  // namespace orbelune
