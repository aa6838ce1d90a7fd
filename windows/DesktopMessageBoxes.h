#pragma once
// The desktop's message boxes, which the program installs in Platform() at start-up.
// A box is a child of its owner's window, so the window manager keeps it above that
// window; while any window of the program stays on top, the box does too, and it takes
// the focus. Its text can be selected and copied.

#include "PlatformSeams.h"

class QWidget;

namespace orbelune {

TMessageBoxes& DesktopMessageBoxes();

// The window a box of Owner stands over: Owner's window when it is shown, else the
// active or another shown window of the program; null when none is shown.
QWidget* MessageBoxParent(QWidget* Owner);

// The program is ending (a quit signal): every open box is closed as if cancelled, and
// boxes asked for from now on are written to the log instead (a question counts as
// "No"), so that nothing holds the ending up.
void EndMessageBoxes();

}  // namespace orbelune
