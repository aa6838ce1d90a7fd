#pragma once
// A tab page whose controls scroll when the window is smaller than they need, instead
// of being squeezed into each other.

class QString;
class QWidget;

namespace orbelune {

// Fills Page with a frameless scroll area and returns the widget inside it, named
// Name, on which the tab's controls are laid out.
QWidget* ScrolledPage(QWidget* Page, const QString& Name);

}  // namespace orbelune
