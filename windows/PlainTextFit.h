#pragma once
// The size a plain-text box needs to show all of its text: every line whole, none
// wrapped, nothing to scroll, inside the box's frame and margins.

#include <QSize>

class QPlainTextEdit;

namespace orbelune {

QSize PlainTextFit(const QPlainTextEdit* Box);

}  // namespace orbelune
