#pragma once
// Where the program's windows stand: their stored places applied at start, kept on the
// available area of a screen, read back for storing, and the stay-on-top switch. A
// place is the frame's top-left corner (what the window manager positions) and the
// client size, so a window comes back exactly where it was whatever its frame.

#include "ScreenFit.h"

#include <QPoint>
#include <QRect>

class QWidget;

namespace orbelune {

// The frame corner and client size of a window; the size of its normal state when it is
// maximised. The frame margins are known once the window manager has framed it; before
// that the frame is the client.
TWindowPlace StoredPlaceOf(const QWidget* Window);

// Puts a window that is not shown yet at a stored place: the frame on the available area
// of the screen the place lies most on, the client no larger than that area and no
// smaller than the window's minimum. A place on no screen takes Fallback (a frame corner
// relative to the primary screen's available area) instead.
void PlaceWindow(QWidget* Window, long long Left, long long Top, long long Width, long long Height,
                 QPoint Fallback);

// Moves and, if need be, shrinks a shown window so that its whole frame lies on the
// available area of its screen.
void KeepOnScreen(QWidget* Window);

// The available area of the screen a frame rectangle lies most on; the primary screen's
// for a rectangle on none; empty without screens.
QRect AvailableAreaFor(const QRect& Frame);

// KeepOnScreen for a window just shown, as soon as the window manager has put its frame
// around it (at once where the frame is already known).
void KeepOnScreenOnceFramed(QWidget* Window);

// Switches a window's stay-on-top hint. A shown window keeps its place: the window
// system is told directly instead of the window being hidden and made anew.
void SetStaysOnTop(QWidget* Window, bool On);

}  // namespace orbelune
