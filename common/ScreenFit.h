#pragma once
// Stored window places kept within reach. A window's place is kept as its frame's
// top-left corner and its client size, as whole numbers read from the settings file,
// which may hold any value. Fitting keeps the whole frame on the available area of a
// screen: the client size is cut to what fits beside the frame's margins (never below
// the window's minimum), then the frame is moved in from any edge it crosses. The
// arithmetic is done in 64 bits, so no stored value can overflow it.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace orbelune {

struct TWindowPlace {
    QPoint FrameTopLeft;
    QSize ClientSize;
};

// Left, Top: the stored frame corner; Width, Height: the stored client size; Frame: the
// window manager's margins around the client (none before the window is first shown).
TWindowPlace FitToArea(long long Left, long long Top, long long Width, long long Height,
                       const QRect& Area, const QSize& Minimum, const QMargins& Frame);

// The frame rectangle of a place, or an empty one when it does not fit in an int.
QRect FrameRect(long long Left, long long Top, long long Width, long long Height,
                const QMargins& Frame);

// Where a window opened beside another goes at the first start (frame corner and client
// size), top edges level: to the right of the other's frame, narrowed to the room there
// down to Minimum; else to its left likewise; else to the right at full size, for
// FitToArea to bring back onto the screen.
TWindowPlace BesideFrame(const QRect& OtherFrame, const QSize& Size, const QSize& Minimum,
                         const QRect& Area);

}  // namespace orbelune
